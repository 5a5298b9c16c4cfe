#include "shell/ComConfigDlg.h"

#include "document/ModelSettings.h"
#include "platform/comm/SerialPortNames.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/WndMessageMap.h"
#include "shell/ChineseTables.h"
#include "shell/MainFrame.h"
#include "shell/Resource.h"

IMPLEMENT_DYNAMIC(CComConfigDlg, CDialog)

BEGIN_MESSAGE_MAP(CComConfigDlg, CDialog)
    ON_CBN_SELENDOK(CComConfigDlg::IDC_PORT, OnPortChosen)
    ON_BN_CLICKED(CComConfigDlg::IDC_CONNECT, OnConnect)
    ON_BN_CLICKED(CComConfigDlg::IDC_AUTO_DETECT, OnAutoDetect)
    ON_BN_CLICKED(CComConfigDlg::IDC_CANCEL, OnCancelButton)
    ON_BN_CLICKED(CComConfigDlg::IDC_HELP_BUTTON, OnHelpButton)
END_MESSAGE_MAP()

namespace {

constexpr LPCTSTR kAutoDetectText = _T("Automatic Detection");

// Control id -> the key of its Chinese text: the Cancel button takes the dialogs' Cancel text.
constexpr struct {
    UINT nControl;
    UINT nKey;
} kChineseTexts[] = {
    {CComConfigDlg::IDC_AUTO_DETECT, 1225},
    {CComConfigDlg::IDC_CONNECT, 1224},
    {CComConfigDlg::IDC_CANCEL, 2},
    {CComConfigDlg::IDC_HELP_BUTTON, 9},
    {CComConfigDlg::IDC_PORT_GROUP, 1075},
};

void RegisterComConfigTemplate()
{
    if (AfxFindDialogTemplate(CComConfigDlg::IDD))
        return;
    DialogTemplate dialog;
    dialog.nID = CComConfigDlg::IDD;
    dialog.strCaption = _T("Communication Configuration");
    dialog.size = CSize(236, 96);
    dialog.items = {
        DialogItem(CComConfigDlg::IDC_PORT, WC_COMBOBOX, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
                   CRect(15, 21, 221, 120)),
        DialogItem(CComConfigDlg::IDC_CONNECT, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, CRect(7, 52, 113, 66),
                   _T("Connect to Devices")),
        DialogItem(CComConfigDlg::IDC_AUTO_DETECT, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(123, 52, 229, 66),
                   kAutoDetectText),
        DialogItem(CComConfigDlg::IDC_CANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(7, 74, 113, 88),
                   _T("Cancel")),
        DialogItem(CComConfigDlg::IDC_HELP_BUTTON, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(123, 74, 229, 88),
                   _T("Help")),
        // Last, so that the frame stays below the box it surrounds.
        DialogItem(CComConfigDlg::IDC_PORT_GROUP, WC_BUTTON, BS_GROUPBOX, CRect(7, 7, 229, 44),
                   _T("Select Communication Port")),
    };
    AfxRegisterDialogTemplate(std::move(dialog));
}

void ShowLinkCheck() { AfxMessageBox(CComConfigDlg::IDS_LINK_CHECK, MB_ICONQUESTION); }

}  // namespace

CComConfigDlg::CComConfigDlg(CMainFrame* pFrame) : CDialog(IDD, pFrame), m_pFrame(pFrame)
{
    RegisterComConfigTemplate();
}

void CComConfigDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PORT, m_wndPort);
}

BOOL CComConfigDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (g_bChineseUI)
        TranslateTexts();
    FillPortList();
    return TRUE;
}

// The Options command's text is the window's caption.
void CComConfigDlg::TranslateTexts()
{
    CString strCaption;
    if (LookupChineseText(ID_OPTIONS_COM_CONFIG, strCaption))
        SetWindowText(strCaption);
    for (const auto& entry : kChineseTexts) {
        CString strText;
        if (LookupChineseText(entry.nKey, strText))
            SetDlgItemText(int(entry.nControl), strText);
    }
}

void CComConfigDlg::FillPortList()
{
    for (const CString& strPath : OpenableSerialPorts())
        m_wndPort.AddString(strPath);
    const CString strPreset = m_nPort > 0 ? SerialPortPath(m_nPort) : CString();
    const int nPreset = strPreset.IsEmpty() ? CB_ERR : m_wndPort.FindStringExact(-1, strPreset);
    m_wndPort.SetCurSel(nPreset != CB_ERR ? nPreset : 0);
}

CString CComConfigDlg::ChosenPath() const
{
    // The edit field shows the chosen entry, or what the user typed over it.
    CString strPath;
    m_wndPort.GetWindowText(strPath);
    strPath.Trim();
    const int nSel = m_wndPort.GetCurSel();
    if (strPath.IsEmpty() && nSel != CB_ERR)
        m_wndPort.GetLBText(nSel, strPath);
    return strPath;
}

void CComConfigDlg::OnPortChosen()
{
    const int nSel = m_wndPort.GetCurSel();
    if (nSel == CB_ERR)
        return;
    CString strPath;
    m_wndPort.GetLBText(nSel, strPath);
    m_nPort = SerialPortNumberOf(strPath);
}

void CComConfigDlg::OnConnect()
{
    m_nPort = SerialPortNumberOf(ChosenPath());
    if (m_nPort == 0)
        ShowLinkCheck();
    EndDialog(IDOK);
}

void CComConfigDlg::OnAutoDetect()
{
    const CString strPath = ChosenPath();
    const int nPort = SerialPortNumberOf(strPath);
    if (nPort == 0) {
        ShowLinkCheck();
        return;
    }
    m_nPort = nPort;
    CWnd* pButton = GetDlgItem(IDC_AUTO_DETECT);
    // The caption comes back afterwards in the interface's language.
    CString strCaption = kAutoDetectText;
    if (pButton) {
        pButton->GetWindowText(strCaption);
        pButton->SetWindowText(strPath);
        pButton->EnableWindow(FALSE);
    }
    DWORD dwError = 0;
    if (!m_pFrame || !m_pFrame->Session().ProbePort(&dwError, 0, nPort))
        ShowLinkCheck();
    if (pButton) {
        pButton->EnableWindow(TRUE);
        pButton->SetWindowText(strCaption);
    }
}

void CComConfigDlg::OnCancelButton() { EndDialog(IDCANCEL); }
