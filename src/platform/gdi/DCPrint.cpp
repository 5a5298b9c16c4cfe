// The printer calls of the device context: a document of pages on the printer's surface.
#include "platform/gdi/DC.h"

BOOL CDC::CreatePrinterDC(std::unique_ptr<PrinterDevice> pPrinter)
{
    if (!pPrinter)
        return FALSE;
    DeleteDC();
    m_caps = pPrinter->GetDeviceCaps();
    m_pPrinter = std::move(pPrinter);
    m_bPrinting = TRUE;
    m_hDC = m_hAttribDC = this;
    return TRUE;
}

void CDC::ReleasePrinter()
{
    if (!m_pPrinter)
        return;
    if (m_printPhase != PrintPhase::None)
        AbortDoc();
    m_pPrinter.reset();
    m_bPrinting = FALSE;
}

int CDC::StartDoc(LPCTSTR lpszDocName)
{
    static int s_nJob = 0;
    if (!m_pPrinter || m_printPhase != PrintPhase::None)
        return SP_ERROR;
    DrawingSurface* pSurface = m_pPrinter->StartDoc(CString(lpszDocName));
    if (!pSurface)
        return SP_ERROR;
    // The printer's surface; the handles stay this context (AttachSurface would keep them so).
    m_pSurface = pSurface;
    m_printPhase = PrintPhase::Document;
    return ++s_nJob;
}

int CDC::StartPage()
{
    if (m_printPhase != PrintPhase::Document || !m_pPrinter->StartPage())
        return SP_ERROR;
    m_printPhase = PrintPhase::Page;
    return 1;
}

int CDC::EndPage()
{
    if (m_printPhase != PrintPhase::Page)
        return SP_ERROR;
    m_printPhase = PrintPhase::Document;
    return m_pPrinter->EndPage() ? 1 : SP_ERROR;
}

int CDC::EndDoc()
{
    if (m_printPhase == PrintPhase::None)
        return SP_ERROR;
    const bool bPageEnded = m_printPhase != PrintPhase::Page || EndPage() > 0;
    m_printPhase = PrintPhase::None;
    m_pSurface = nullptr;
    if (!bPageEnded) {
        m_pPrinter->AbortDoc();
        return SP_ERROR;
    }
    return m_pPrinter->EndDoc() ? 1 : SP_ERROR;
}

int CDC::AbortDoc()
{
    if (m_printPhase == PrintPhase::None)
        return SP_ERROR;
    m_printPhase = PrintPhase::None;
    m_pSurface = nullptr;
    m_pPrinter->AbortDoc();
    return 1;
}
