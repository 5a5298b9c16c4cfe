// The print dialog and the printing backend behind it. The backend answers whether a printer is
// installed, shows the dialog and hands back the chosen printer, or gives the default printer
// without a dialog. The Qt backend installs QPrinter and QPrintDialog; tests install functions
// that answer. Without a backend no printer is installed.
#pragma once

#include "platform/core/Types.h"
#include "platform/gdi/DC.h"

#include <functional>
#include <memory>

class CWnd;

constexpr DWORD PD_ALLPAGES = 0x00000000;
constexpr DWORD PD_SELECTION = 0x00000001;
constexpr DWORD PD_PAGENUMS = 0x00000002;
constexpr DWORD PD_NOSELECTION = 0x00000004;
constexpr DWORD PD_NOPAGENUMS = 0x00000008;
constexpr DWORD PD_COLLATE = 0x00000010;
constexpr DWORD PD_PRINTTOFILE = 0x00000020;
constexpr DWORD PD_PRINTSETUP = 0x00000040;
constexpr DWORD PD_USEDEVMODECOPIES = 0x00040000;

// What the dialog starts from and, after OK, what the user chose.
struct PrintDialogSettings {
    DWORD Flags = PD_ALLPAGES;
    WORD nFromPage = 1;
    WORD nToPage = 1;
    WORD nMinPage = 1;
    WORD nMaxPage = 0xFFFF;
    WORD nCopies = 1;
    CWnd* pOwner = nullptr;
};

// The application's printer settings, what every print job starts from: the printer, paper and
// margins chosen in the page setup and the orientation of the pages.
struct PrinterSettings {
    CString strPrinterName;
    CString strPaperName;
    BOOL bLandscape = FALSE;
    CRect rectMargins;  // hundredths of a millimetre
};

struct PrintBackend {
    std::function<bool()> isPrinterInstalled;
    // Shows the dialog over the settings and fills them in; the chosen printer on OK, nullptr
    // when cancelled.
    std::function<std::unique_ptr<PrinterDevice>(PrintDialogSettings& settings)> runDialog;
    // The default printer, set up from the settings, without a dialog.
    std::function<std::unique_ptr<PrinterDevice>(const PrintDialogSettings& settings)> defaultPrinter;
    // The system's page setup dialog over the settings; true on OK with the settings changed.
    std::function<bool(PrinterSettings& settings)> runPageSetup = nullptr;
    // Fills in the names of the default printer and its paper; the orientation stays.
    std::function<void(PrinterSettings& settings)> readDefaults = nullptr;
};

// Returns the previous backend; an empty one means no printer.
PrintBackend AfxSetPrintBackend(PrintBackend backend);
BOOL AfxIsPrinterInstalled();
// The application's printer settings: the backend's defaults are read in on first use.
PrinterSettings& AfxGetPrinterSettings();
// The page setup dialog over the application's settings; FALSE when cancelled or when the
// backend has none.
BOOL AfxDoPageSetup();

class CPrintDialog {
public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                          PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);

    // IDOK with a printer chosen; IDCANCEL when cancelled or when no printer is installed.
    INT_PTR DoModal();
    // Takes the default printer without a dialog; FALSE when there is none.
    BOOL GetDefaults();
    BOOL HasPrinter() const { return m_pPrinter != nullptr; }
    // Makes dc a context on the chosen printer, which it takes over; FALSE when none is chosen.
    BOOL CreatePrinterDC(CDC& dc);

    int GetCopies() const { return m_pd.nCopies; }
    BOOL PrintAll() const { return !PrintRange() && !PrintSelection(); }
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    BOOL PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
    BOOL PrintCollate() const { return (m_pd.Flags & PD_COLLATE) != 0; }
    int GetFromPage() const { return PrintRange() ? m_pd.nFromPage : -1; }
    int GetToPage() const { return PrintRange() ? m_pd.nToPage : -1; }

    PrintDialogSettings m_pd;

private:
    std::unique_ptr<PrinterDevice> m_pPrinter;
};
