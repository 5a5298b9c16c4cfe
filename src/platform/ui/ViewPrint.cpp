// The view's print loop: the printer comes from the print dialog (or the default printer), the
// pages of the chosen range are printed in order, each prepared and drawn by the view.
#include "platform/core/Document.h"
#include "platform/core/MessageBox.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/ImagePrinter.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/PrintInfo.h"
#include "platform/ui/PrintPreviewDlg.h"
#include "platform/ui/View.h"

#include <algorithm>

namespace {

bool IsDirectPrint()
{
    const MSG* pMsg = CWnd::GetCurrentMessage();
    return pMsg && pMsg->message == WM_COMMAND && LOWORD(pMsg->wParam) == ID_FILE_PRINT_DIRECT;
}

// The preview draws its pages at screen resolution: a printer's own would make pictures of a
// hundred million pixels and more.
constexpr int kPreviewDpi = 96;
// A4 at that resolution, for a preview without a printer to take the page from.
constexpr int kA4ShortSide = 794;
constexpr int kA4LongSide = 1123;

// The preview's page: the default printer's printable area at the preview's resolution, else A4
// in the orientation of the printer settings.
CSize PreviewPageSize(CPrintDialog& dlg)
{
    CDC dcPrinter;
    if (dlg.HasPrinter() && dlg.CreatePrinterDC(dcPrinter)) {
        const int nDpi = std::max(1, dcPrinter.GetDeviceCaps(LOGPIXELSX));
        return CSize(std::max(1, dcPrinter.GetDeviceCaps(HORZRES) * kPreviewDpi / nDpi),
                     std::max(1, dcPrinter.GetDeviceCaps(VERTRES) * kPreviewDpi / nDpi));
    }
    return AfxGetPrinterSettings().bLandscape ? CSize(kA4LongSide, kA4ShortSide)
                                              : CSize(kA4ShortSide, kA4LongSide);
}

CString JobTitle(const CView& view)
{
    CString strTitle;
    if (view.m_pDocument)
        strTitle = view.m_pDocument->GetTitle();
    else
        view.GetWindowText(strTitle);
    return strTitle;
}

}  // namespace

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    CPrintDialog& dlg = *pInfo->m_pPD;
    dlg.m_pd.pOwner = this;
    dlg.m_pd.nFromPage = static_cast<WORD>(pInfo->GetMinPage());
    dlg.m_pd.nToPage = static_cast<WORD>(pInfo->GetMaxPage());
    if (pInfo->m_bPreview) {
        // The preview takes its page from the default printer when there is one.
        dlg.GetDefaults();
        return TRUE;
    }
    if (pInfo->m_bDirect) {
        // Without a default printer a direct print still lets the user choose one.
        if (!dlg.GetDefaults() && dlg.DoModal() != IDOK)
            return FALSE;
        return TRUE;
    }
    return dlg.DoModal() == IDOK;
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrint(CDC* pDC, CPrintInfo*) { OnDraw(pDC); }

void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

BOOL CView::DoFilePrint()
{
    CPrintInfo printInfo;
    printInfo.m_bDirect = IsDirectPrint();
    if (!OnPreparePrinting(&printInfo))
        return FALSE;
    CDC dcPrint;
    if (!printInfo.m_pPD->CreatePrinterDC(dcPrint))
        return FALSE;
    switch (RunPrintJob(dcPrint, printInfo)) {
    case PrintJobResult::NotStarted:
        AfxMessageBox(_T("Failed to start the print job."), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    case PrintJobResult::Failed:
        AfxMessageBox(_T("The printer failed; the document was not printed."), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    case PrintJobResult::Printed:
        break;
    }
    return TRUE;
}

BOOL CView::DoFilePrintPreview()
{
    CPrintInfo printInfo;
    printInfo.m_bPreview = TRUE;
    if (!OnPreparePrinting(&printInfo))
        return FALSE;
    const CSize sizePage = PreviewPageSize(*printInfo.m_pPD);
    ImagePages pages;
    CDC dcPreview;
    dcPreview.CreatePrinterDC(std::make_unique<CImagePrinter>(sizePage.cx, sizePage.cy, kPreviewDpi, pages));
    if (RunPrintJob(dcPreview, printInfo) != PrintJobResult::Printed) {
        AfxMessageBox(_T("The print preview could not be made."), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    CPrintPreviewDlg dlg(std::move(pages), JobTitle(*this), m_hWnd ? GetParentFrame() : nullptr);
    if (dlg.DoModal() == INT_PTR(ID_FILE_PRINT))
        SendMessage(WM_COMMAND, ID_FILE_PRINT);
    return TRUE;
}

CView::PrintJobResult CView::RunPrintJob(CDC& dcPrint, CPrintInfo& printInfo)
{
    OnBeginPrinting(&dcPrint, &printInfo);
    if (dcPrint.StartDoc(JobTitle(*this)) == SP_ERROR) {
        OnEndPrinting(&dcPrint, &printInfo);
        return PrintJobResult::NotStarted;
    }

    const UINT nFirstPage = printInfo.GetFromPage();
    const UINT nLastPage = printInfo.GetToPage();
    bool bError = false;
    for (printInfo.m_nCurPage = nFirstPage; printInfo.m_nCurPage <= nLastPage;
         ++printInfo.m_nCurPage) {
        OnPrepareDC(&dcPrint, &printInfo);
        if (!printInfo.m_bContinuePrinting)
            break;
        printInfo.m_rectDraw.SetRect(0, 0, dcPrint.GetDeviceCaps(HORZRES),
                                     dcPrint.GetDeviceCaps(VERTRES));
        dcPrint.DPtoLP(&printInfo.m_rectDraw);
        if (dcPrint.StartPage() == SP_ERROR) {
            bError = true;
            break;
        }
        OnPrint(&dcPrint, &printInfo);
        if (dcPrint.EndPage() == SP_ERROR) {
            bError = true;
            break;
        }
    }
    if (bError)
        dcPrint.AbortDoc();
    else if (dcPrint.EndDoc() == SP_ERROR)
        bError = true;
    OnEndPrinting(&dcPrint, &printInfo);
    return bError ? PrintJobResult::Failed : PrintJobResult::Printed;
}
