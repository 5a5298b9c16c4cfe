#include "platform/ui/PrintDialog.h"

#include "platform/core/MessageBox.h"

#include <utility>

namespace {

PrintBackend& Backend()
{
    static PrintBackend backend;
    return backend;
}

struct SettingsSlot {
    PrinterSettings settings;
    bool bRead = false;
};

SettingsSlot& Settings()
{
    static SettingsSlot slot;
    return slot;
}

}  // namespace

PrintBackend AfxSetPrintBackend(PrintBackend backend)
{
    // Another backend has other printers: its defaults are read again, the orientation kept.
    Settings().bRead = false;
    return std::exchange(Backend(), std::move(backend));
}

PrinterSettings& AfxGetPrinterSettings()
{
    SettingsSlot& slot = Settings();
    if (!slot.bRead) {
        slot.bRead = true;
        slot.settings.strPrinterName.Empty();
        slot.settings.strPaperName.Empty();
        if (Backend().readDefaults)
            Backend().readDefaults(slot.settings);
    }
    return slot.settings;
}

BOOL AfxDoPageSetup()
{
    const PrintBackend& backend = Backend();
    if (!backend.runPageSetup)
        return FALSE;
    PrinterSettings settings = AfxGetPrinterSettings();
    if (!backend.runPageSetup(settings))
        return FALSE;
    AfxGetPrinterSettings() = settings;
    return TRUE;
}

BOOL AfxIsPrinterInstalled()
{
    const PrintBackend& backend = Backend();
    return backend.isPrinterInstalled && backend.isPrinterInstalled();
}

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
{
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : 0);
    m_pd.pOwner = pParentWnd;
}

INT_PTR CPrintDialog::DoModal()
{
    m_pPrinter.reset();
    if (!AfxIsPrinterInstalled()) {
        // The system's print dialog says so itself; without one, the layer does.
        AfxMessageBox(_T("No printers are installed. Install a printer, then try again."),
                      MB_OK | MB_ICONEXCLAMATION);
        return IDCANCEL;
    }
    const PrintBackend& backend = Backend();
    if (!backend.runDialog)
        return IDCANCEL;
    PrintDialogSettings settings = m_pd;
    m_pPrinter = backend.runDialog(settings);
    if (!m_pPrinter)
        return IDCANCEL;
    m_pd = settings;
    return IDOK;
}

BOOL CPrintDialog::GetDefaults()
{
    m_pPrinter.reset();
    const PrintBackend& backend = Backend();
    if (AfxIsPrinterInstalled() && backend.defaultPrinter)
        m_pPrinter = backend.defaultPrinter(m_pd);
    return m_pPrinter != nullptr;
}

BOOL CPrintDialog::CreatePrinterDC(CDC& dc)
{
    return m_pPrinter && dc.CreatePrinterDC(std::move(m_pPrinter));
}
