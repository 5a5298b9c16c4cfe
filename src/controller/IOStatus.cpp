#include "controller/IOStatus.h"

#include "controller/ControllerLink.h"
#include "platform/comm/SerialPortNames.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CIOStatus, CDialog)

BEGIN_MESSAGE_MAP(CIOStatus, CDialog)
    ON_BN_CLICKED(CIOStatus::IDC_CONNECT, OnConnectButton)
    ON_BN_CLICKED(CIOStatus::IDC_VIEW_POINTS, OnViewChosen)
    ON_BN_CLICKED(CIOStatus::IDC_VIEW_FLAGS, OnViewChosen)
    ON_BN_CLICKED(CIOStatus::IDC_VIEW_ANALOG_FLAGS, OnViewChosen)
    ON_CBN_SELCHANGE(CIOStatus::IDC_PARITY, OnParityChosen)
    ON_EN_UPDATE(CIOStatus::IDC_DEVICE_ADDRESS, OnDeviceAddressUpdate)
    ON_EN_UPDATE(CIOStatus::IDC_POLL_DELAY, OnPollDelayUpdate)
    ON_BN_CLICKED(CIOStatus::IDC_HELP_BUTTON, OnHelpButton)
    ON_WM_TIMER()
    ON_WM_SIZE()
    ON_COMMAND_RANGE(ID_EDIT_COPY, ID_EDIT_COPY, OnEditCommand)
    ON_COMMAND_RANGE(ID_EDIT_CUT, ID_EDIT_CUT, OnEditCommand)
    ON_COMMAND_RANGE(ID_EDIT_PASTE, ID_EDIT_PASTE, OnEditCommand)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdatePaste)
END_MESSAGE_MAP()

namespace {

constexpr LPCTSTR kBaudRates[] = {_T("1200"),  _T("2400"),  _T("4800"),  _T("9600"),  _T("14400"),
                                  _T("19200"), _T("28800"), _T("38400"), _T("57600"), _T("115200")};
// Only the newer generation's controllers take these.
constexpr LPCTSTR kHighBaudRates[] = {_T("230400"), _T("460800"), _T("921600")};
constexpr LPCTSTR kDefaultBaud = _T("115200");
constexpr BYTE kLastModelWithoutHighRates = 0x50;
constexpr LPCTSTR kParities[] = {_T("None,8,1"), _T("None,8,2"), _T("Odd,8,1"),
                                 _T("Odd,8,2"),  _T("Even,8,1"), _T("Even,8,2")};
constexpr LPCTSTR kConnectText = _T("Connect");
constexpr LPCTSTR kDisconnectText = _T("Disconnect");

constexpr int kRefreshLow = 1;
constexpr int kRefreshHigh = 30;
constexpr int kDelayLow = 10;
constexpr int kDelayHigh = 65535;
constexpr int kAddressLow = 0;
constexpr int kAddressHigh = 255;

// The line settings of OpenPort in the classic numbering.
constexpr int kStopBitsOne = 0;
constexpr int kStopBitsTwo = 2;

// The controls that hold the line settings: locked while polling.
constexpr UINT kSettingControls[] = {CIOStatus::IDC_DEVICE_ADDRESS, CIOStatus::IDC_PORT,    CIOStatus::IDC_BAUD,
                                     CIOStatus::IDC_PARITY,         CIOStatus::IDC_REFRESH, CIOStatus::IDC_REFRESH_SPIN,
                                     CIOStatus::IDC_POLL_DELAY};

// A child that resizes with the dialog rather than moving: near the top left edge, or large.
constexpr int kAnchorMargin = 7;
constexpr int kLargeChild = 21;

CString NumberText(int n)
{
    CString str;
    str.Format(_T("%d"), n);
    return str;
}

}  // namespace

CIOStatus::CIOStatus(IControllerLink& link, CWnd* pParent) : CDialog(IDD, pParent), m_link(link)
{
    RegisterIOStatusTemplate();
}

IOStatusView CIOStatus::GetView() const
{
    if (IsDlgButtonChecked(IDC_VIEW_FLAGS) == BST_CHECKED)
        return IOStatusView::Flags;
    if (IsDlgButtonChecked(IDC_VIEW_ANALOG_FLAGS) == BST_CHECKED)
        return IOStatusView::AnalogFlags;
    return IOStatusView::IoPoints;
}

BOOL CIOStatus::OnInitDialog()
{
    CDialog::OnInitDialog();
    CRect rect;
    GetWindowRect(rect);
    m_sizeWindow = rect.Size();

    m_grid.SubclassDlgItem(IDC_GRID, this);
    m_grid.LayOut(IOStatusView::IoPoints, TRUE);
    m_grid.AutoSize();

    if (auto* pSpin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_REFRESH_SPIN))) {
        pSpin->SetBuddy(GetDlgItem(IDC_REFRESH));
        pSpin->SetRange32(kRefreshLow, kRefreshHigh);
        pSpin->SetPos32(m_nRefreshTime);
    }
    SetDlgItemInt(IDC_REFRESH, UINT(m_nRefreshTime));
    SetDlgItemInt(IDC_POLL_DELAY, m_nPollDelay);
    CheckRadioButton(IDC_VIEW_POINTS, IDC_VIEW_ANALOG_FLAGS, IDC_VIEW_POINTS);
    SetDlgItemInt(IDC_DEVICE_ADDRESS, 0);
    FillBaudList();
    FillParityList();
    FillPortList();
    AddTips();
    if (m_sizeGrip.Create(this, IDC_SIZE_GRIP))
        m_sizeGrip.ShowWindow(SW_SHOW);
    return TRUE;
}

void CIOStatus::FillBaudList()
{
    auto* pBaud = static_cast<CComboBox*>(GetDlgItem(IDC_BAUD));
    pBaud->ResetContent();
    for (LPCTSTR pszRate : kBaudRates)
        pBaud->AddString(pszRate);
    if (m_link.GetModelCode() > kLastModelWithoutHighRates) {
        for (LPCTSTR pszRate : kHighBaudRates)
            pBaud->AddString(pszRate);
    }
    pBaud->SetCurSel(pBaud->FindStringExact(-1, kDefaultBaud));
}

void CIOStatus::FillParityList()
{
    auto* pParity = static_cast<CComboBox*>(GetDlgItem(IDC_PARITY));
    pParity->ResetContent();
    for (LPCTSTR pszParity : kParities)
        pParity->AddString(pszParity);
    pParity->SetCurSel(0);
}

void CIOStatus::FillPortList()
{
    auto* pPort = static_cast<CComboBox*>(GetDlgItem(IDC_PORT));
    pPort->ResetContent();
    for (const CString& strPath : OpenableSerialPorts())
        pPort->AddString(strPath);
    const CString strPreset = m_link.GetPortNumber() > 0 ? SerialPortPath(m_link.GetPortNumber()) : CString();
    const int nPreset = strPreset.IsEmpty() ? CB_ERR : pPort->FindStringExact(-1, strPreset);
    pPort->SetCurSel(nPreset != CB_ERR ? nPreset : 0);
}

void CIOStatus::AddTips()
{
    m_tips.Create(this);
    const struct {
        UINT nID;
        int nLow;
        int nHigh;
    } tips[] = {{IDC_DEVICE_ADDRESS, kAddressLow, kAddressHigh},
                {IDC_POLL_DELAY, kDelayLow, kDelayHigh},
                {IDC_REFRESH, kRefreshLow, kRefreshHigh}};
    for (const auto& tip : tips) {
        CString strText;
        strText.Format(_T("Number between %d and %d"), tip.nLow, tip.nHigh);
        m_tips.AddTool(GetDlgItem(int(tip.nID)), strText);
    }
}

BOOL CIOStatus::PreTranslateMessage(MSG* pMsg)
{
    m_tips.RelayEvent(pMsg);
    // Enter and Escape belong to the control with the focus: neither closes the monitor.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == WPARAM(VK_RETURN) || pMsg->wParam == WPARAM(VK_ESCAPE))) {
        if (pMsg->hwnd)
            pMsg->hwnd->SendMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

// ---- settings ----

int CIOStatus::ReadEdit(UINT nID, int nLow, int nHigh) const
{
    CString strText;
    GetDlgItemText(int(nID), strText);
    const long nValue = std::strtol(strText.ToUtf8().c_str(), nullptr, 10);
    return int(std::clamp<long>(nValue, nLow, nHigh));
}

void CIOStatus::ClampEdit(UINT nID, int nLow, int nHigh)
{
    if (m_bClamping)
        return;
    CString strText;
    GetDlgItemText(int(nID), strText);
    if (strText.IsEmpty())
        return;
    const CString strClamped = NumberText(ReadEdit(nID, nLow, nHigh));
    if (strClamped == strText)
        return;
    m_bClamping = TRUE;
    SetDlgItemText(int(nID), strClamped);
    m_bClamping = FALSE;
}

void CIOStatus::OnDeviceAddressUpdate()
{
    ClampEdit(IDC_DEVICE_ADDRESS, kAddressLow, kAddressHigh);
}

void CIOStatus::OnPollDelayUpdate()
{
    // A delay is typed digit by digit: only a number that has all its digits and is still
    // too small is raised, so that typing "25" can pass through "2".
    CString strText;
    GetDlgItemText(IDC_POLL_DELAY, strText);
    if (strText.GetLength() >= NumberText(kDelayLow).GetLength())
        ClampEdit(IDC_POLL_DELAY, kDelayLow, kDelayHigh);
}

void CIOStatus::OnParityChosen()
{
    auto* pParity = static_cast<CComboBox*>(GetDlgItem(IDC_PARITY));
    const int nSel = pParity->GetCurSel();
    if (nSel == CB_ERR)
        return;
    CString strText;
    pParity->GetLBText(nSel, strText);
    m_nParity = strText.Find(_T("None")) >= 0 ? 0 : strText.Find(_T("Odd")) >= 0 ? 1 : strText.Find(_T("Even")) >= 0 ? 2 : m_nParity;
    if (strText.Find(_T("7")) >= 0)
        m_nDataBits = 0;
    else if (strText.Find(_T("8")) >= 0)
        m_nDataBits = 1;
    if (strText.Find(_T("1")) >= 0)
        m_nStopBits = 0;
    else if (strText.Find(_T("2")) >= 0)
        m_nStopBits = 1;
    m_strParity = strText;
}

void CIOStatus::OnViewChosen()
{
    m_grid.LayOut(GetView());
    m_grid.AutoSize();
    m_grid.Invalidate();
}

// ---- connecting ----

void CIOStatus::OnConnectButton()
{
    CWnd* pButton = GetDlgItem(IDC_CONNECT);
    if (!pButton || !pButton->IsWindowEnabled())
        return;
    CString strText;
    pButton->GetWindowText(strText);
    if (strText == kConnectText)
        Connect();
    else
        Disconnect();
}

void CIOStatus::Connect()
{
    GetDlgItem(IDC_CONNECT)->EnableWindow(FALSE);
    CString strPath;
    GetDlgItemText(IDC_PORT, strPath);
    strPath.Trim();
    const int nPort = SerialPortNumberOf(strPath);
    m_link.SetPortNumber(nPort);
    CString strBaud;
    GetDlgItemText(IDC_BAUD, strBaud);
    const DWORD dwBaud = DWORD(std::strtoul(strBaud.ToUtf8().c_str(), nullptr, 10));
    m_nRefreshTime = ReadEdit(IDC_REFRESH, kRefreshLow, kRefreshHigh);
    m_nPollDelay = unsigned(ReadEdit(IDC_POLL_DELAY, kDelayLow, kDelayHigh));
    m_nDeviceAddress = unsigned(ReadEdit(IDC_DEVICE_ADDRESS, kAddressLow, kAddressHigh));
    if (nPort == 0 || !m_link.OpenPort(dwBaud, m_nDataBits == 0 ? 7 : 8, m_nParity,
                                       m_nStopBits == 0 ? kStopBitsOne : kStopBitsTwo)) {
        CString strText;
        strText.Format(_T("%s fail to open, Please check!"), strPath.IsEmpty() ? CString(_T("COM0")) : strPath);
        AfxMessageBox(strText);
    }
    // The first cycle comes with the timer, also after a port that did not open: its failure
    // then resets the dialog.
    KillTimer(kPollTimer);
    SetTimer(kPollTimer, UINT(m_nRefreshTime) * 1000U, nullptr);
}

void CIOStatus::Disconnect()
{
    m_grid.LayOut(GetView());
    m_grid.AutoSize();
    m_grid.Invalidate();
    ShowPolling(FALSE);
    m_link.ClosePort();
    KillTimer(kPollTimer);
    GetDlgItem(IDC_CONNECT)->EnableWindow(TRUE);
}

void CIOStatus::ShowPolling(BOOL bPolling)
{
    m_bPolling = bPolling;
    for (UINT nID : kSettingControls) {
        if (CWnd* pControl = GetDlgItem(int(nID)))
            pControl->EnableWindow(!bPolling);
    }
    SetDlgItemText(IDC_CONNECT, bPolling ? kDisconnectText : kConnectText);
}

// ---- polling ----

void CIOStatus::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kPollTimer) {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    if (!m_bInCycle)
        RunCycle();
}

void CIOStatus::RunCycle()
{
    m_bInCycle = TRUE;
    m_nDeviceAddress = unsigned(ReadEdit(IDC_DEVICE_ADDRESS, kAddressLow, kAddressHigh));
    m_nPollDelay = unsigned(ReadEdit(IDC_POLL_DELAY, kDelayLow, kDelayHigh));
    const IOStatusView view = GetView();
    CIOStatusCycle cycle(m_link);
    cycle.SetStopRequest([this] { return m_bCloseRequested != FALSE; });
    cycle.SetClockRead([this](const CIOStatusCycle::Result& clock) {
        ShowDeviceTime(clock.nHour, clock.nMinute, clock.nSecond);
    });
    const CIOStatusCycle::Result result = cycle.Run(view, BYTE(m_nDeviceAddress), int(m_nPollDelay));
    m_bInCycle = FALSE;
    if (m_bCloseRequested) {
        Close();
        return;
    }
    if (result.bOk) {
        m_grid.Fill(view, result);
        m_grid.Invalidate();
        m_grid.UpdateWindow();
        ShowPolling(TRUE);
    } else {
        m_link.ClosePort();
        KillTimer(kPollTimer);
        ShowPolling(FALSE);
    }
    GetDlgItem(IDC_CONNECT)->EnableWindow(TRUE);
    if (!result.bOk)
        AfxMessageBox(IDS_LINK_CHECK);
}

// The cycle blocks the window until the I/O has come in: the time is drawn at once.
void CIOStatus::ShowDeviceTime(int nHour, int nMinute, int nSecond)
{
    CString strTime;
    strTime.Format(_T("%d:%d:%d"), nHour, nMinute, nSecond);
    SetDlgItemText(IDC_DEVICE_TIME, strTime);
    if (CWnd* pTime = GetDlgItem(IDC_DEVICE_TIME))
        pTime->UpdateWindow();
}

// ---- closing ----

void CIOStatus::Close()
{
    // A cycle that is waiting for a reply ends at its next step and closes then: the port is
    // not taken from under an exchange.
    if (m_bInCycle) {
        m_bCloseRequested = TRUE;
        return;
    }
    KillTimer(kPollTimer);
    m_link.ClosePort();
    m_bPolling = FALSE;
    EndDialog(IDOK);
}

void CIOStatus::OnOK() { Close(); }

void CIOStatus::OnCancel() { Close(); }

// ---- size ----

void CIOStatus::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (cx <= 1 || cy <= 1 || m_sizeWindow.cx == 0)
        return;
    if (m_sizeGrip.m_hWnd)
        m_sizeGrip.ShowWindow(nType == SIZE_MAXIMIZED ? SW_HIDE : SW_SHOW);
    CRect rect;
    GetWindowRect(rect);
    const int dx = rect.Width() - m_sizeWindow.cx;
    const int dy = rect.Height() - m_sizeWindow.cy;
    m_sizeWindow = rect.Size();
    if (dx != 0 || dy != 0)
        MoveChildren(dx, dy);
}

void CIOStatus::MoveChildren(int dx, int dy)
{
    for (CWnd* pChild = GetWindow(GW_CHILD); pChild; pChild = pChild->GetWindow(GW_HWNDNEXT)) {
        CRect rect;
        pChild->GetWindowRect(rect);
        ScreenToClient(rect);
        const int nID = pChild->GetDlgCtrlID();
        if (nID == int(IDC_GRID)) {
            const bool bAnchored = (rect.left >= kAnchorMargin && rect.top >= kAnchorMargin && (dx > 0 || dy > 0)) ||
                                   (rect.Width() >= kLargeChild && rect.Height() >= kLargeChild);
            if (bAnchored)
                rect.InflateRect(0, 0, dx, dy);
            else
                rect.OffsetRect(dx, dy);
        } else if (nID == int(IDC_SIZE_GRIP)) {
            rect.OffsetRect(dx, dy);
        } else {
            rect.OffsetRect(dx, 0);
        }
        pChild->MoveWindow(rect);
    }
}

// ---- the edit commands ----

void CIOStatus::OnEditCommand(UINT nID) { m_grid.SendMessage(WM_COMMAND, nID); }

// Copy and Cut need at least one selected cell, Paste text on the clipboard.
void CIOStatus::OnUpdateEditCopy(CCmdUI* pCmdUI) { pCmdUI->Enable(m_grid.GetSelectedCellRange().IsValid()); }

void CIOStatus::OnUpdatePaste(CCmdUI* pCmdUI) { pCmdUI->Enable(IsClipboardFormatAvailable(CF_UNICODETEXT)); }
