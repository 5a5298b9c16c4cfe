#include "controls/PrintSetupDlg.h"

#include "platform/ui/Button.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/Static.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/WndMessageMap.h"

#include <iterator>
#include <utility>

IMPLEMENT_DYNAMIC(CPrintSetupDlg, CDialog)

BEGIN_MESSAGE_MAP(CPrintSetupDlg, CDialog)
    ON_BN_CLICKED(CPrintSetupDlg::IDC_SETUP, OnSetup)
    ON_BN_CLICKED(CPrintSetupDlg::IDC_HORIZONTAL, OnHorizontal)
    ON_BN_CLICKED(CPrintSetupDlg::IDC_VERTICAL, OnVertical)
    ON_COMMAND_RANGE(CPrintSetupDlg::IDC_A4, CPrintSetupDlg::IDC_A2, OnPageSize)
    ON_BN_CLICKED(CPrintSetupDlg::IDC_SCALE_TO_PAPER, OnScaleToPaper)
    ON_BN_CLICKED(CPrintSetupDlg::IDC_SCALE_TO_PAGE, OnScaleToPage)
    ON_BN_CLICKED(CPrintSetupDlg::IDC_SCALING, OnScaling)
END_MESSAGE_MAP()

namespace {

// The eight radio buttons in the order of the dialog's members.
constexpr UINT kRadioIds[] = {CPrintSetupDlg::IDC_HORIZONTAL,     CPrintSetupDlg::IDC_VERTICAL,
                              CPrintSetupDlg::IDC_SCALE_TO_PAPER, CPrintSetupDlg::IDC_SCALE_TO_PAGE,
                              CPrintSetupDlg::IDC_SCALING,        CPrintSetupDlg::IDC_A2,
                              CPrintSetupDlg::IDC_A3,             CPrintSetupDlg::IDC_A4};

// Page size and scale mode -> their radio button.
UINT PageSizeButton(int nPageSize)
{
    return CPrintSetupDlg::IDC_A4 - UINT(nPageSize - PRINT_PAGE_A4);
}

UINT ScaleModeButton(int nScaleMode)
{
    return CPrintSetupDlg::IDC_SCALE_TO_PAPER + UINT(nScaleMode - PRINT_SCALE_TO_PAPER);
}

void RegisterPrintSetupTemplate()
{
    if (AfxFindDialogTemplate(CPrintSetupDlg::IDD))
        return;
    constexpr DWORD kRadio = BS_RADIOBUTTON | WS_TABSTOP;
    DialogTemplate dlg;
    dlg.nID = CPrintSetupDlg::IDD;
    dlg.strCaption = _T("Print Setup");
    dlg.size = CSize(310, 163);
    // OK comes first in the tab order, so that the dialog opens with the focus on it and Enter
    // presses it; the choices swallow Enter while they have the focus.
    dlg.items = {
        DialogItem(IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, CRect(152, 142, 197, 156), _T("OK")),
        DialogItem(IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(202, 142, 247, 156), _T("Cancel")),
        DialogItem(CPrintSetupDlg::IDC_HORIZONTAL, WC_BUTTON, kRadio | WS_GROUP, CRect(14, 64, 86, 76),
                   _T("Horizontal")),
        DialogItem(CPrintSetupDlg::IDC_VERTICAL, WC_BUTTON, kRadio, CRect(14, 79, 86, 91), _T("Vertical ")),
        DialogItem(CPrintSetupDlg::IDC_A2, WC_BUTTON, kRadio | WS_GROUP, CRect(14, 114, 86, 125), _T("A2")),
        DialogItem(CPrintSetupDlg::IDC_A3, WC_BUTTON, kRadio, CRect(14, 128, 86, 139), _T("A3")),
        DialogItem(CPrintSetupDlg::IDC_A4, WC_BUTTON, kRadio, CRect(14, 142, 86, 153), _T("A4")),
        DialogItem(CPrintSetupDlg::IDC_SCALE_TO_PAPER, WC_BUTTON, kRadio | WS_GROUP, CRect(104, 64, 200, 76),
                   _T("Scale to paper size")),
        DialogItem(CPrintSetupDlg::IDC_SCALE_TO_PAGE, WC_BUTTON, kRadio, CRect(104, 79, 200, 91),
                   _T("Scale to page size")),
        DialogItem(CPrintSetupDlg::IDC_SCALING, WC_BUTTON, kRadio, CRect(104, 94, 160, 106), _T("Scaling")),
        DialogItem(CPrintSetupDlg::IDC_FACTOR, WC_EDIT, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
                   CRect(164, 93, 210, 105)),
        // The choice is kept for the caller; the printed pages do not change with it.
        DialogItem(CPrintSetupDlg::IDC_PRINT_PARAMETERS, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP,
                   CRect(104, 120, 300, 132), _T("Print Blocks parameters after Program")),
        // Neither has an action.
        DialogItem(CPrintSetupDlg::IDC_TITLE_BLOCK, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(97, 142, 147, 156),
                   _T("TitleBlock")),
        DialogItem(CPrintSetupDlg::IDC_HELP_BUTTON, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP,
                   CRect(252, 142, 297, 156), _T("Help")),
        DialogItem(CPrintSetupDlg::IDC_SETUP, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(246, 19, 296, 33),
                   _T("Setup...")),
        DialogItem(0xFFFF, WC_STATIC, SS_LEFT, CRect(14, 19, 60, 29), _T("Printer:")),
        DialogItem(CPrintSetupDlg::IDC_PRINTER_NAME, CEllipsisLabel::ClassName(), 0, CRect(62, 18, 240, 29)),
        DialogItem(0xFFFF, WC_STATIC, SS_LEFT, CRect(14, 31, 60, 41), _T("Paper Size:")),
        DialogItem(CPrintSetupDlg::IDC_PAPER_NAME, WC_STATIC, SS_LEFT, CRect(62, 31, 240, 41)),
        // Last, so that each frame stays below the controls it surrounds.
        DialogItem(0xFFFF, WC_BUTTON, BS_GROUPBOX, CRect(7, 4, 303, 46), _T("Printer")),
        DialogItem(0xFFFF, WC_BUTTON, BS_GROUPBOX, CRect(7, 50, 92, 96), _T("Orientation")),
        DialogItem(0xFFFF, WC_BUTTON, BS_GROUPBOX, CRect(7, 100, 92, 156), _T("Page Size")),
        DialogItem(0xFFFF, WC_BUTTON, BS_GROUPBOX, CRect(97, 50, 303, 112), _T("Scaling")),
    };
    AfxRegisterDialogTemplate(std::move(dlg));
}

}  // namespace

CPrintSetupDlg::CPrintSetupDlg(CWnd* pParentWnd) : CDialog(IDD, pParentWnd) { RegisterPrintSetupTemplate(); }

void CPrintSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FACTOR, m_wndFactor);
    DDX_Control(pDX, IDC_PRINTER_NAME, m_wndPrinterName);
    for (std::size_t i = 0; i < std::size(kRadioIds); ++i)
        DDX_Control(pDX, int(kRadioIds[i]), m_radios[i]);
    DDX_Check(pDX, IDC_PRINT_PARAMETERS, m_bPrintParameters);
    DDX_Text(pDX, IDC_FACTOR, m_dScale);
    DDV_MinMaxDouble(pDX, m_dScale, 0.0, 2.0);
}

BOOL CPrintSetupDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ReadPrinterSettings();
    CheckOrientation();
    // Every opening starts from A4 scaled to the page, whatever was chosen the last time.
    m_nPageSize = PRINT_PAGE_A4;
    m_nScaleMode = PRINT_SCALE_TO_PAGE;
    CheckScaleMode();
    GetDlgItem(int(IDC_SCALE_TO_PAPER))->EnableWindow(FALSE);
    GetDlgItem(int(IDC_SCALING))->EnableWindow(FALSE);
    EnablePageSizes(FALSE);
    GetDlgItem(int(IDC_A4))->EnableWindow(TRUE);
    m_wndFactor.EnableWindow(FALSE);
    Refresh();
    return TRUE;
}

void CPrintSetupDlg::ReadPrinterSettings()
{
    const PrinterSettings& settings = AfxGetPrinterSettings();
    m_bLandscape = settings.bLandscape;
    m_strPaperName = settings.strPaperName;
    m_strPrinterName = settings.strPrinterName;
}

void CPrintSetupDlg::SetOrientation(BOOL bLandscape)
{
    AfxGetPrinterSettings().bLandscape = bLandscape;
    m_bLandscape = bLandscape;
}

void CPrintSetupDlg::CheckOrientation()
{
    CheckRadioButton(int(IDC_HORIZONTAL), int(IDC_VERTICAL), int(m_bLandscape ? IDC_HORIZONTAL : IDC_VERTICAL));
}

void CPrintSetupDlg::CheckScaleMode()
{
    CheckRadioButton(int(IDC_SCALE_TO_PAPER), int(IDC_SCALING), int(ScaleModeButton(m_nScaleMode)));
}

void CPrintSetupDlg::CheckPageSize()
{
    CheckRadioButton(int(IDC_A4), int(IDC_A2), int(PageSizeButton(m_nPageSize)));
}

void CPrintSetupDlg::EnablePageSizes(BOOL bEnable)
{
    for (UINT nID : {IDC_A2, IDC_A3, IDC_A4})
        GetDlgItem(int(nID))->EnableWindow(bEnable);
}

void CPrintSetupDlg::Refresh()
{
    m_wndPrinterName.SetWindowText(m_strPrinterName);
    SetDlgItemText(int(IDC_PAPER_NAME), m_strPaperName);
    CheckPageSize();
}

void CPrintSetupDlg::OnSetup()
{
    if (!UpdateData(TRUE))
        return;
    SetOrientation(m_bLandscape);
    // The application's Page Setup: it says when there is no printer and gives the margins
    // chosen to the open documents.
    if (CWinApp* pApp = AfxGetApp())
        pApp->OnCmdMsg(ID_FILE_PAGE_SETUP, CN_COMMAND, nullptr, nullptr);
    ReadPrinterSettings();
    CheckOrientation();
    Refresh();
}

void CPrintSetupDlg::OnHorizontal()
{
    SetOrientation(TRUE);
    CheckScaleMode();
    CheckPageSize();
    CheckOrientation();
}

void CPrintSetupDlg::OnVertical()
{
    SetOrientation(FALSE);
    CheckScaleMode();
    CheckPageSize();
    CheckOrientation();
}

void CPrintSetupDlg::OnPageSize(UINT nID)
{
    m_nPageSize = PRINT_PAGE_A4 - int(nID - IDC_A4);
    CheckPageSize();
    CheckScaleMode();
    CheckOrientation();
}

void CPrintSetupDlg::ChooseScaleMode(int nMode, BOOL bFactor, BOOL bPageSizes)
{
    m_nScaleMode = nMode;
    m_nPageSize = PRINT_PAGE_A4;
    CheckScaleMode();
    CheckPageSize();
    m_wndFactor.EnableWindow(bFactor);
    EnablePageSizes(bPageSizes);
    CheckOrientation();
}

void CPrintSetupDlg::OnScaleToPaper() { ChooseScaleMode(PRINT_SCALE_TO_PAPER, FALSE, FALSE); }

void CPrintSetupDlg::OnScaleToPage() { ChooseScaleMode(PRINT_SCALE_TO_PAGE, FALSE, TRUE); }

void CPrintSetupDlg::OnScaling() { ChooseScaleMode(PRINT_SCALE_BY_FACTOR, TRUE, FALSE); }
