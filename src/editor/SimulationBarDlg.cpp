#include "editor/SimulationBarDlg.h"

#include "blocks/BlockIn.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimTime.h"
#include "document/BlockNumbering.h"
#include "document/SimScan.h"
#include "document/SimStopStart.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSimulationBarDlg, cdxCDynamicBarDlg)
IMPLEMENT_DYNAMIC(CSimulationBar, cdxCDynamicBar)

BEGIN_MESSAGE_MAP(CSimulationBarDlg, cdxCDynamicBarDlg)
    ON_BN_CLICKED(IDC_SIM_START, OnStart)
    ON_BN_CLICKED(IDC_SIM_STOP, OnStop)
    ON_BN_CLICKED(IDC_SIM_SUSPEND, OnSuspend)
    ON_BN_CLICKED(IDC_SIM_STEP, OnStep)
    ON_CBN_SELCHANGE(IDC_SIM_STEP_UNIT, OnStepUnitChange)
    ON_BN_CLICKED(IDC_SIM_SET_CLOCK, OnSetClock)
END_MESSAGE_MAP()

namespace {

constexpr int kIconPowerIn = 187;
constexpr int kIconPowerOut = 188;
constexpr int kIconStart = 176;
constexpr int kIconStop = 177;
constexpr int kIconResume = 184;
constexpr int kIconSuspend = 186;
constexpr int kIconStep = 200;
constexpr int kIconClockIn = 191;
constexpr int kIconClockOut = 192;
constexpr int kStepFrames[4] = {197, 196, 199, 198};
// One controller cycle, which stepping by cycles adds to every timing timer.
constexpr int kAnimationMs = 300;
constexpr int kSecondsSliceMs = 50;
constexpr int kSecondsSlice = 5;

// Commands the bar's keys post to the view.
constexpr UINT ID_TOOLS_SIMULATION = 32802;
constexpr UINT ID_CONNECT = 32801;
constexpr UINT ID_INSERT_COMMENT = 32822;
constexpr UINT ID_CUT_JOIN = 32780;
constexpr UINT ID_PLC_UPLOAD = 32806;
constexpr UINT ID_PLC_DOWNLOAD = 32807;
constexpr UINT ID_FILE_NEW_CMD = 57600;
constexpr UINT ID_FILE_OPEN_CMD = 57601;
constexpr UINT ID_FILE_CLOSE_CMD = 57602;

std::int64_t MsBetween(const SYSTEMTIME& stLater, const SYSTEMTIME& stEarlier)
{
    return SystemTimeToMs(&stLater) - SystemTimeToMs(&stEarlier);
}

std::vector<CBlockObj*> BlocksOf(CVetlaDoc* pDoc)
{
    std::vector<CBlockObj*> blocks;
    if (!pDoc)
        return blocks;
    for (POSITION pos = pDoc->m_blockList.GetHeadPosition(); pos;)
        blocks.push_back(static_cast<CBlockObj*>(pDoc->m_blockList.GetNext(pos)));
    return blocks;
}

template <class... Classes>
bool IsOneOf(const CBlockObj* pBlock)
{
    return ((dynamic_cast<const Classes*>(pBlock) != nullptr) || ...);
}

} // namespace

CSimulationBarDlg::CSimulationBarDlg(CChildFrame* pFrame)
    : cdxCDynamicBarDlg(IDD_SIMULATION_BAR), m_pFrame(pFrame)
{
}

CVetlaDoc* CSimulationBarDlg::GetDocument() const
{
    CVetlaView* pView = m_pFrame ? m_pFrame->GetActiveView() : nullptr;
    return pView ? pView->GetDocument() : nullptr;
}

SYSTEMTIME CSimulationBarDlg::Clock() const
{
    SYSTEMTIME st = {};
    if (m_pFrame)
        m_pFrame->GetSimTime(&st);
    return st;
}

BOOL CSimulationBarDlg::OnInitDialog()
{
    cdxCDynamicBarDlg::OnInitDialog();
    const struct {
        CIconButton* pButton;
        UINT nID;
        int nIn;
        int nOut;
        LPCTSTR lpszTip;
    } buttons[] = {
        {&m_btnPower, IDC_SIM_POWER, kIconPowerIn, kIconPowerOut, _T("Power")},
        {&m_btnStart, IDC_SIM_START, kIconStart, 0, _T("Start Simulation")},
        {&m_btnStop, IDC_SIM_STOP, kIconStop, 0, _T("Stop Simulation")},
        {&m_btnSuspend, IDC_SIM_SUSPEND, kIconSuspend, 0, _T("Suspend/Resume simulation")},
        {&m_btnStep, IDC_SIM_STEP, kIconStep, 0, _T("Perform Simulation in stepping mode")},
        {&m_btnSetClock, IDC_SIM_SET_CLOCK, kIconClockIn, kIconClockOut, _T("Set date/time-of-day for the simulation")},
    };
    for (const auto& b : buttons) {
        b.pButton->SubclassDlgItem(b.nID, this);
        b.pButton->SetIcon(b.nIn, b.nOut);
        b.pButton->SetTooltipText(b.lpszTip);
    }
    if (auto* pUnit = static_cast<CComboBox*>(GetDlgItem(IDC_SIM_STEP_UNIT)))
        pUnit->SetCurSel(SIM_STEP_UNIT_CYCLES);
    if (CEdit* pCycles = static_cast<CEdit*>(GetDlgItem(IDC_SIM_STEP_CYCLES)))
        pCycles->SetLimitText(4);
    if (m_editSpan.SubclassDlgItem(IDC_SIM_STEP_SPAN, this))
        m_editSpan.SetLimitText(5);
    m_stStepStart = m_stAnimation = m_stClockText = Clock();
    UpdateStepControls();
    UpdateButtons();
    UpdateClockText();
    return TRUE;
}

int CSimulationBarDlg::GetStepUnit() const
{
    const auto* pUnit = static_cast<const CComboBox*>(GetDlgItem(IDC_SIM_STEP_UNIT));
    const int nSel = pUnit ? pUnit->GetCurSel() : CB_ERR;
    return nSel == CB_ERR ? SIM_STEP_UNIT_CYCLES : nSel;
}

void CSimulationBarDlg::UpdateButtons()
{
    if (!m_hWnd)
        return;
    m_btnStart.EnableWindow(m_nSimStarted == 0);
    m_btnStop.EnableWindow(m_nSimStarted == 1);
    m_btnSuspend.EnableWindow(m_nSimRunState >= 1);
    m_btnStep.EnableWindow(m_nSimStepState >= 1);
}

void CSimulationBarDlg::UpdateStepControls()
{
    for (UINT nID : {IDC_SIM_STEP_CYCLES, IDC_SIM_STEP_SPAN, IDC_SIM_STEP_UNIT}) {
        if (CWnd* pCtrl = GetDlgItem(int(nID)))
            pCtrl->EnableWindow(m_nSimStepState == SIM_STEP_ENABLED);
    }
    UpdateButtons();
}

void CSimulationBarDlg::SetButtonIcon(CIconButton& button, int nIcon)
{
    if (button.m_hWnd)
        button.SetIcon(nIcon, 0);
}

void CSimulationBarDlg::ShowCounter(BOOL bShow)
{
    CWnd* pCounter = GetDlgItem(IDC_SIM_STEP_COUNTER);
    if (!pCounter || bool(pCounter->GetStyle() & WS_VISIBLE) == bool(bShow))
        return;
    CRect rcCounter;
    pCounter->GetWindowRect(rcCounter);
    const int nShift = bShow ? rcCounter.Width() : -rcCounter.Width();
    if (CWnd* pClock = GetDlgItem(IDC_SIM_CLOCK_TEXT)) {
        CRect rc;
        pClock->GetWindowRect(rc);
        ScreenToClient(rc);
        rc.OffsetRect(nShift, 0);
        pClock->MoveWindow(rc);
    }
    pCounter->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    // The bar takes the room the shifted clock needs, or gives it back.
    if (m_pFrame && m_pFrame->m_hWnd)
        m_pFrame->RecalcLayout();
}

void CSimulationBarDlg::OnStart()
{
    m_nSimPowerOn = 1;
    m_nSimStarted = 1;
    m_nSimRunState = SIM_RUN_RUNNING;
    SetButtonIcon(m_btnSuspend, kIconSuspend);
    m_nSimStepState = SIM_STEP_NONE;
    UpdateStepControls();
    ShowCounter(FALSE);
    const SYSTEMTIME stNow = Clock();
    m_stStepStart = stNow;
    if (CVetlaDoc* pDoc = GetDocument())
        StartAgainSimulationRun(*pDoc, stNow);
}

void CSimulationBarDlg::OnStop()
{
    m_nSimPowerOn = 0;
    m_nSimStarted = 0;
    m_nSimRunState = SIM_RUN_STOPPED;
    SetButtonIcon(m_btnSuspend, kIconSuspend);
    if (m_nSimStepState == SIM_STEP_STEPPING) {
        SetButtonIcon(m_btnStep, kIconStep);
        m_nAnimationFrame = 0;
    }
    m_nSimStepState = SIM_STEP_ENABLED;
    UpdateStepControls();
    if (CVetlaDoc* pDoc = GetDocument())
        StopSimulationRun(*pDoc);
    RefreshOutputsBar();
}

// A stopped run scans nothing, so no block reports its reset output: the bar is told here.
void CSimulationBarDlg::RefreshOutputsBar() const
{
    if (!m_pFrame)
        return;
    for (CBlockObj* pBlock : BlocksOf(GetDocument()))
        m_pFrame->RefreshOutputs(pBlock);
}

void CSimulationBarDlg::OnSuspend()
{
    m_nSimRunState = m_nSimRunState == SIM_RUN_RUNNING ? SIM_RUN_SUSPENDED : SIM_RUN_RUNNING;
    if (m_nSimRunState == SIM_RUN_SUSPENDED) {
        SetButtonIcon(m_btnSuspend, kIconResume);
        if (m_nSimStepState == SIM_STEP_STEPPING) {
            SetButtonIcon(m_btnStep, kIconStep);
            m_nAnimationFrame = 0;
        }
        m_nSimStepState = SIM_STEP_ENABLED;
        UpdateStepControls();
        return;
    }
    SetButtonIcon(m_btnSuspend, kIconSuspend);
    SetButtonIcon(m_btnStep, kIconStep);
    m_nAnimationFrame = 0;
    ShowCounter(FALSE);
    m_nSimStepState = SIM_STEP_NONE;
    if (CVetlaDoc* pDoc = GetDocument())
        ResumeSimulationRun(*pDoc, Clock());
    UpdateStepControls();
}

void CSimulationBarDlg::OnStep()
{
    m_nSimStepState = m_nSimStepState == SIM_STEP_ENABLED ? SIM_STEP_STEPPING : SIM_STEP_ENABLED;
    if (m_nSimStepState == SIM_STEP_STEPPING) {
        ShowCounter(TRUE);
        CString strAmount;
        GetDlgItemText(IDC_SIM_STEP_CYCLES, strAmount);
        if (strAmount.IsEmpty())
            SetDlgItemText(IDC_SIM_STEP_CYCLES, _T("0"));
        m_nSimRunState = SIM_RUN_RUNNING;
        if (GetStepUnit() == SIM_STEP_UNIT_CYCLES)
            m_nStepCount = int(GetDlgItemInt(IDC_SIM_STEP_CYCLES, nullptr, FALSE));
        else
            ReadStepAmount();
        const SYSTEMTIME stNow = Clock();
        m_stStepStart = m_stAnimation = stNow;
        if (m_pFrame)
            m_pFrame->ResetStepReference();
        if (m_nSimStarted == 0) {
            m_nSimPowerOn = 1;
            m_nSimStarted = 1;
            for (CBlockObj* pBlock : BlocksOf(GetDocument())) {
                if (GetBlockCategory(pBlock->m_nType) == 0)
                    continue;
                pBlock->m_stStart = pBlock->m_stStart2 = stNow;
                if (pBlock->m_nParam[BLOCK_RETENTIVE_PARAM]) {
                    pBlock->m_dRunTime = pBlock->m_dCarried;
                } else {
                    pBlock->m_dRunTime = 0.0;
                    pBlock->m_dCarried = 0.0;
                }
            }
        }
        UpdateStepTimeText(m_pFrame, TRUE);
    } else {
        SetButtonIcon(m_btnStep, kIconStep);
        m_nAnimationFrame = 0;
        m_nSimRunState = SIM_RUN_SUSPENDED;
    }
    UpdateStepControls();
    SetButtonIcon(m_btnSuspend, m_nSimRunState == SIM_RUN_RUNNING ? kIconSuspend : kIconResume);
}

void CSimulationBarDlg::ReadStepAmount()
{
    CString strSpan;
    GetDlgItemText(IDC_SIM_STEP_SPAN, strSpan);
    int n = 0;
    for (int i = 0; i < strSpan.GetLength(); ++i) {
        const TCHAR ch = strSpan[i];
        if (ch >= '0' && ch <= '9')
            n = n * 10 + (ch - '0');
    }
    m_nStepCount = GetStepUnit() == SIM_STEP_UNIT_SECONDS ? n : n - 40 * (n / 100);
}

void CSimulationBarDlg::OnStepUnitChange()
{
    const BOOL bCycles = GetStepUnit() == SIM_STEP_UNIT_CYCLES;
    if (CWnd* pCycles = GetDlgItem(IDC_SIM_STEP_CYCLES))
        pCycles->ShowWindow(bCycles ? SW_SHOW : SW_HIDE);
    if (CWnd* pSpan = GetDlgItem(IDC_SIM_STEP_SPAN))
        pSpan->ShowWindow(bCycles ? SW_HIDE : SW_SHOW);
}

void CSimulationBarDlg::OnSetClock()
{
    if (m_btnSetClock.GetCheck()) {
        if (!m_pClockDlg)
            m_pClockDlg = std::make_unique<CSimClockDlg>(m_pFrame);
        if (!m_pClockDlg->m_hWnd)
            m_pClockDlg->Create(&m_btnSetClock, &m_bApplyClockImmediately, this);
    } else if (m_pClockDlg) {
        if (m_pClockDlg->m_hWnd)
            m_pClockDlg->DestroyWindow();
        m_pClockDlg.reset();
    }
}

void CSimulationBarDlg::StepCyclesTick(CChildFrame* pFrame)
{
    const SYSTEMTIME stNow = Clock();
    if (MsBetween(stNow, m_stStepStart) >= SIM_TICK_MS && m_nStepCount > 0) {
        --m_nStepCount;
        m_stStepStart = stNow;
        if (CVetlaDoc* pDoc = GetDocument())
            AdvanceTimersByCycle(*pDoc);
        if (CVetlaView* pView = pFrame ? pFrame->GetActiveView() : nullptr; pView && pView->m_hWnd)
            pView->Invalidate(FALSE);
    }
    CString strCount;
    strCount.Format(_T("%d"), std::max(m_nStepCount, 1));
    SetDlgItemText(IDC_SIM_STEP_COUNTER, strCount);
    AnimateStep();
}

// The last cycle or span that a step counts is scanned at the view's next paint, which must
// find the run going: a step ends only after that scan, or a timer due at its end would stay
// off until the run went on.
void CSimulationBarDlg::OnScanned()
{
    if (m_nSimStepState == SIM_STEP_STEPPING)
        EndStepWhenCounted();
}

void CSimulationBarDlg::UpdateStepTimeText(CChildFrame*, BOOL bInitial)
{
    const int nUnit = GetStepUnit();
    if (m_nSimStepState != SIM_STEP_STEPPING || nUnit == SIM_STEP_UNIT_CYCLES)
        return;
    const SYSTEMTIME stNow = Clock();
    const std::int64_t nElapsed = MsBetween(stNow, m_stStepStart);
    CString strCounter;
    if (nUnit == SIM_STEP_UNIT_SECONDS) {
        // Unlike minutes and hours, seconds show nothing at the start: the first text is the
        // span left after a whole slice.
        if (nElapsed >= kSecondsSliceMs && m_nStepCount >= 1) {
            m_nStepCount = std::max(0, m_nStepCount - kSecondsSlice);
            m_stStepStart = stNow;
            strCounter.Format(_T("%02d:%02ds"), m_nStepCount / 100, m_nStepCount % 100);
        }
    } else {
        const std::int64_t nSliceMs = nUnit == SIM_STEP_UNIT_MINUTES ? 1000 : 60000;
        if (bInitial || (nElapsed >= nSliceMs && m_nStepCount >= 1)) {
            if (!bInitial) {
                --m_nStepCount;
                m_stStepStart = stNow;
            }
            strCounter.Format(nUnit == SIM_STEP_UNIT_MINUTES ? _T("%02d:%02dm") : _T("%02d:%02dh"),
                              m_nStepCount / 60, m_nStepCount % 60);
        }
    }
    if (!strCounter.IsEmpty())
        SetDlgItemText(IDC_SIM_STEP_COUNTER, strCounter);
    AnimateStep();
}

void CSimulationBarDlg::AnimateStep()
{
    const SYSTEMTIME stNow = Clock();
    if (MsBetween(stNow, m_stAnimation) >= kAnimationMs) {
        if (m_nAnimationFrame >= 4)
            m_nAnimationFrame = 0;
        SetButtonIcon(m_btnStep, kStepFrames[m_nAnimationFrame]);
        ++m_nAnimationFrame;
        m_stAnimation = stNow;
    }
}

void CSimulationBarDlg::EndStepWhenCounted()
{
    if (m_nStepCount == 0) {
        m_nSimStepState = SIM_STEP_ENABLED;
        UpdateStepControls();
        SetButtonIcon(m_btnStep, kIconStep);
        m_nAnimationFrame = 0;
        m_nSimRunState = SIM_RUN_SUSPENDED;
        SetButtonIcon(m_btnSuspend, kIconResume);
    }
}

void CSimulationBarDlg::UpdateClockText()
{
    if (!m_pFrame || IsPowerPressed())
        return;
    CString strClock;
    m_pFrame->FormatSimTime(strClock, FALSE, SIMTIME_CLOCK);
    SetDlgItemText(IDC_SIM_CLOCK_TEXT, strClock);
    m_stClockText = Clock();
}

void CSimulationBarDlg::PressPower()
{
    if (m_nSimPowerOn == 0) {
        m_nSimPowerOn = m_nSimStarted;
        m_nSimStarted = !m_nSimStarted;
        m_nSavedStepState = m_nSimStepState;
        m_nSimStepState = !m_nSimStepState;
        UpdateStepControls();
        // The supply of a stopped simulation: every pin goes dead while the button is held,
        // and gets its value back when it is let go.
        m_savedPins.clear();
        for (CBlockObj* pBlock : BlocksOf(GetDocument())) {
            if (IsOneOf<CBlockAnalogIn, CBlockAnalogOut, CBlockFlag>(pBlock))
                continue;
            std::array<std::optional<double>, BLOCK_PIN_COUNT> saved;
            for (int nPin = 0; nPin < pBlock->m_nInputs && pBlock->m_nPinSource[nPin] != LINK_PARAM; ++nPin) {
                if (pBlock->m_nPinKind[nPin] == 0)
                    continue;
                saved[size_t(nPin)] = pBlock->m_nPinValue[nPin];
                pBlock->SetInputValue(nPin, pBlock->m_nPinSource[nPin] == LINK_OPEN ? LINK_OPEN : 0);
            }
            for (int nPin = BLOCK_FIRST_OUTPUT; nPin < BLOCK_FIRST_OUTPUT + pBlock->m_nOutputs; ++nPin) {
                if (pBlock->m_nPinKind[nPin] == 0)
                    continue;
                saved[size_t(nPin)] = pBlock->m_nPinValue[nPin];
                pBlock->m_nPinValue[nPin] = 0;
            }
            m_savedPins.emplace_back(pBlock, saved);
        }
    } else {
        m_nSavedRunState = m_nSimRunState;
        m_nSavedStepState = m_nSimStepState;
        m_nSimRunState = SIM_RUN_STOPPED;
        m_nSimStepState = SIM_STEP_NONE;
    }
    UpdateButtons();
}

void CSimulationBarDlg::ReleasePower()
{
    const bool bWasPressed = m_btnPower.IsPressed();
    m_btnPower.SendMessage(WM_CANCELMODE);
    if (bWasPressed)
        UpdatePowerState();
}

void CSimulationBarDlg::UpdatePowerState()
{
    if (m_nSimPowerOn == 0) {
        m_nSimStarted = 0;
        m_nSimStepState = m_nSavedStepState;
        UpdateStepControls();
        // Only the pins the press saved and cleared get their values back.
        for (auto& [pBlock, saved] : m_savedPins) {
            for (int nPin = 0; nPin < BLOCK_PIN_COUNT; ++nPin) {
                if (saved[size_t(nPin)])
                    pBlock->m_nPinValue[nPin] = int(*saved[size_t(nPin)]);
            }
        }
        m_savedPins.clear();
        return;
    }
    const SYSTEMTIME stNow = Clock();
    m_stStepStart = stNow;
    m_nSimRunState = m_nSavedRunState;
    m_nSimStepState = m_nSavedStepState;
    UpdateStepControls();
    if (CVetlaDoc* pDoc = GetDocument())
        RestoreSupplyAfterPowerFailure(*pDoc, stNow);
    RefreshOutputsBar();
}

void CSimulationBarDlg::PostCommand(UINT nID, BOOL bMain) const
{
    CWnd* pTarget = bMain ? AfxGetMainWnd() : (m_pFrame ? m_pFrame->GetActiveView() : nullptr);
    if (pTarget && pTarget->m_hWnd)
        pTarget->PostMessage(WM_COMMAND, nID);
}

BOOL CSimulationBarDlg::PreTranslateMessage(MSG* pMsg)
{
    const bool bOnPower = pMsg->hwnd == m_btnPower.m_hWnd && m_btnPower.m_hWnd;
    switch (pMsg->message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (bOnPower && !m_btnPower.IsPressed()) {
            PressPower();
            return FALSE;   // the button shows itself pressed
        }
        break;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
        if (m_btnPower.IsPressed() || bOnPower) {
            ReleasePower();
            return TRUE;
        }
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        CVetlaView* pView = m_pFrame ? m_pFrame->GetActiveView() : nullptr;
        switch (pMsg->wParam) {
        case VK_ESCAPE:
            if (pView && pView->EditMode() == EDIT_MODE_SIMULATE)
                PostCommand(ID_TOOLS_SIMULATION);
            return TRUE;
        case VK_F3:
            PostCommand(ID_TOOLS_SIMULATION);
            return TRUE;
        case VK_F5:
        case VK_F9:
        case VK_F11:
            PostCommand(ID_TOOLS_SIMULATION);
            PostCommand(pMsg->wParam == VK_F5 ? ID_CONNECT : pMsg->wParam == VK_F9 ? ID_INSERT_COMMENT : ID_CUT_JOIN);
            return TRUE;
        case VK_F4:
            if (GetKeyState(VK_CONTROL) < 0) {
                PostCommand(ID_TOOLS_SIMULATION);
                PostCommand(ID_FILE_CLOSE_CMD, TRUE);
                return TRUE;
            }
            break;
        default:
            break;
        }
        break;
    }
    case WM_CHAR:
        if (GetKeyState(VK_CONTROL) < 0) {
            switch (pMsg->wParam) {
            case 21:
                PostCommand(ID_PLC_UPLOAD);
                return TRUE;
            case 4:
                PostCommand(ID_PLC_DOWNLOAD);
                return TRUE;
            case 14:
                PostCommand(ID_FILE_NEW_CMD, TRUE);
                return TRUE;
            case 15:
                PostCommand(ID_FILE_OPEN_CMD, TRUE);
                return TRUE;
            default:
                break;
            }
        }
        break;
    default:
        break;
    }
    return cdxCDynamicBarDlg::PreTranslateMessage(pMsg);
}
