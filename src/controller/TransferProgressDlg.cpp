#include "controller/TransferProgressDlg.h"

#include "platform/ui/Button.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/NativeWindow.h"
#include "platform/ui/Static.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/WndMessageMap.h"
#include "protocol/PlcOperation.h"

IMPLEMENT_DYNAMIC(CTransferProgressDlg, CDialog)

BEGIN_MESSAGE_MAP(CTransferProgressDlg, CDialog)
    ON_MESSAGE(WM_TRANSFER_PROGRESS, OnProgress)
END_MESSAGE_MAP()

namespace {

struct CaptionRow {
    int nKind;
    UINT nTitle;
    LPCTSTR pszFormat;
};
constexpr CaptionRow kCaptions[] = {
    {PROGRESS_CAPTION_SETTINGS, CTransferProgressDlg::IDS_PC_TO_DEVICE, _T("It's writing or Factory Resetting - %d%%")},
    {PROGRESS_CAPTION_UPLOAD, CTransferProgressDlg::IDS_DEVICE_TO_PC, _T("UpLoading Program - %d%%")},
    {PROGRESS_CAPTION_DOWNLOAD, CTransferProgressDlg::IDS_PC_TO_DEVICE, _T("DownLoading Program - %d%%")},
};

constexpr int kOffsetLeft = 150;
constexpr int kOffsetUp = 60;

void RegisterProgressTemplate()
{
    if (AfxFindDialogTemplate(CTransferProgressDlg::IDD))
        return;
    DialogTemplate dialog;
    dialog.nID = CTransferProgressDlg::IDD;
    dialog.strCaption = _T("PC-->PLC");
    dialog.dwStyle = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME | DS_SETFONT;
    dialog.size = CSize(200, 74);
    dialog.items = {
        DialogItem(CTransferProgressDlg::IDC_TRANSFER_TEXT, WC_STATIC, SS_LEFT, CRect(10, 7, 190, 17),
                   _T("Data is transferring...")),
        DialogItem(CTransferProgressDlg::IDC_PROGRESS, PROGRESS_CLASS, WS_BORDER, CRect(10, 20, 190, 32)),
        DialogItem(CTransferProgressDlg::IDC_PERCENT, WC_STATIC, SS_LEFT, CRect(10, 37, 190, 47)),
        DialogItem(IDCANCEL, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, CRect(75, 53, 125, 67), _T("Ok")),
    };
    AfxRegisterDialogTemplate(std::move(dialog));
}

}  // namespace

CTransferProgressDlg::CTransferProgressDlg(CWnd* pParent) : CDialog(IDD, pParent) { RegisterProgressTemplate(); }

BOOL CTransferProgressDlg::Create() { return CDialog::Create(IDD, nullptr); }

void CTransferProgressDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROGRESS, m_wndProgress);
}

BOOL CTransferProgressDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString strText;
    strText.Format(_T("Writing Program - %d%s"), m_wndProgress.GetPos(), _T("%"));
    SetDlgItemText(IDC_PERCENT, strText);
    PlaceOnScreen();
    return TRUE;
}

void CTransferProgressDlg::PlaceOnScreen()
{
    const IWindowBackend* pBackend = AfxGetWindowBackend();
    const CRect rcScreen = pBackend ? pBackend->GetWorkArea() : CRect();
    if (rcScreen.Width() <= 0 || rcScreen.Height() <= 0)
        return;
    SetWindowPos(nullptr, rcScreen.Width() / 2 - kOffsetLeft, rcScreen.Height() / 2 - kOffsetUp, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CTransferProgressDlg::OnProgress(WPARAM wParam, LPARAM lParam)
{
    m_nCaptionKind = int(lParam);
    for (const CaptionRow& row : kCaptions) {
        if (row.nKind != m_nCaptionKind)
            continue;
        const int nPercent = int(wParam);
        CString strTitle;
        strTitle.LoadString(row.nTitle);
        SetWindowText(strTitle);
        m_wndProgress.SetPos(nPercent);
        CString strText;
        strText.Format(row.pszFormat, nPercent);
        SetDlgItemText(IDC_PERCENT, strText);
        break;
    }
    return 0;
}

void CTransferProgressDlg::OnCancel()
{
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->PostMessage(WM_PLC_COMMAND, PLC_OP_CANCEL, 0);
    DestroyWindow();
}
