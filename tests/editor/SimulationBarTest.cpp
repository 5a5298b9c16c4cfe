// The simulation's tick, bars and their row, driven by a manual timer (no real time passes):
// ticks advance the clock only when the UI thread takes them, the Simulation bar's suspend,
// step and power buttons act on the blocks, and the Inputs and Outputs bars set and follow them.
#include "editor/SimulationFrame.h"

#include "blocks/BlockCounter.h"
#include "blocks/BlockDelay.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockLogic.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/PowerBusObj.h"
#include "controls/IconImages.h"
#include "document/SimScan.h"
#include "editor/InputsBarDlg.h"
#include "editor/OutputsBarDlg.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "shell/MainFrame.h"

#include <array>
#include <cstdint>
#include <memory>

namespace {

class SimBarTest : public SimulationFrameTest {
protected:
    std::int64_t ElapsedMs() const
    {
        const SYSTEMTIME st = Clock();
        return SystemTimeToMs(&st) - SystemTimeToMs(&kSimStart);
    }
    CInputsBarDlg& Inputs() { return *m_pFrame->m_pInputsBar->GetDlg(); }
    COutputsBarDlg& Outputs() { return *m_pFrame->m_pOutputsBar->GetDlg(); }
    static CRect RectOf(const CWnd& wnd)
    {
        CRect rc;
        wnd.GetWindowRect(rc);
        return rc;
    }
    // The frame's client area on the screen, where the bars' window rectangles are.
    CRect ClientOnScreen() const
    {
        CRect rcClient;
        m_pFrame->GetClientRect(rcClient);
        m_pFrame->ClientToScreen(rcClient);
        return rcClient;
    }
    // The Inputs, Outputs and Simulation bars in their row's order.
    std::array<cdxCDynamicBar*, 3> Bars() const
    {
        return {m_pFrame->m_pInputsBar, m_pFrame->m_pOutputsBar, m_pFrame->m_pSimulationBar};
    }
    // A left-button message routed to wnd as the message loop would.
    static void Mouse(CWnd& wnd, UINT message)
    {
        MSG msg{&wnd, message, MK_LBUTTON, 0, 0, {0, 0}};
        AfxGetThread()->RouteMessage(msg);
    }
    // nTicks ticks, the view painted after each one as its window would be.
    void TickAndPaint(int nTicks = 1)
    {
        for (int i = 0; i < nTicks; ++i) {
            Tick();
            Paint();
        }
    }
    // The frame, a main frame holding it active as in the program, and the view's run started.
    void RunUnder(CMainFrame& mainFrame)
    {
        ASSERT_TRUE(CreateFrame());
        AfxSetMainFrame(&mainFrame);
        mainFrame.MDIActivate(m_pFrame);
        m_view.OnSimulation();
    }
    // Ends the run and closes its frame (which pMainFrame held active), back at the fixture's
    // document.
    void EndRun(CMainFrame* pMainFrame = nullptr)
    {
        m_view.OnSimulation();
        m_pFrame->DestroyWindow();
        m_pFrame = nullptr;
        if (pMainFrame) {
            pMainFrame->MDIActivate(nullptr);
            AfxSetMainFrame(nullptr);
        }
        m_view.SetDocument(&m_doc);
    }
    // Text typed into a value edit of the Inputs bar, then the edit left.
    void TypeInput(CWnd* pEdit, UINT nId, LPCTSTR pszText)
    {
        pEdit->SetWindowText(pszText);
        for (UINT nCode : {EN_UPDATE, EN_KILLFOCUS})
            Inputs().SendMessage(WM_COMMAND, MAKEWPARAM(nId, nCode), LParamFromWnd(pEdit));
    }
    std::string StepCounter()
    {
        CString strCounter;
        Bar().GetDlgItemText(IDC_SIM_STEP_COUNTER, strCounter);
        return strCounter.ToUtf8();
    }
    // The power button pressed (WM_LBUTTONDOWN) or let go.
    void Power(UINT message) { Mouse(*Bar().GetDlgItem(IDC_SIM_POWER), message); }
    static int LampOf(const SimBarControl* p) { return static_cast<CIconButton*>(p->pWnd)->GetIconId(); }
    void Paint()
    {
        if (!m_pDC)
            m_pDC = std::make_unique<CDC>(m_surface);
        m_surface.Clear();
        m_view.OnDraw(m_pDC.get());
    }

    RecordingSurface m_surface{SIZE{1200, 800}};
    std::unique_ptr<CDC> m_pDC;
};

TEST_F(SimBarTest, TickAdvancesTheClockOnlyWhenTheUiThreadTakesIt)
{
    StartSimulation();
    EXPECT_EQ(m_pTimer->GetPeriod(), UINT(SIM_TICK_MS));
    m_pTimer->Fire(4);
    EXPECT_EQ(ElapsedMs(), 0) << "the timer's side must not write the clock";
    m_thread.PumpPending();
    EXPECT_EQ(ElapsedMs(), 100);
    Tick(40);
    EXPECT_EQ(ElapsedMs(), 1100);
}

TEST_F(SimBarTest, TicksPostedBeforeStopAndTicksAfterItDoNothing)
{
    StartSimulation();
    m_pTimer->Fire(2);
    m_pFrame->StopSimTimer();
    m_thread.PumpPending();
    EXPECT_EQ(ElapsedMs(), 0);
    EXPECT_FALSE(m_pFrame->IsSimTimerRunning());
}

TEST_F(SimBarTest, ATickWithoutTheSimulationBarDoesNothing)
{
    CChildFrame frame;
    frame.SetSimTime(&kSimStart);
    frame.OnSimTick();
    SYSTEMTIME st = {};
    frame.GetSimTime(&st);
    EXPECT_EQ(SystemTimeToMs(&st), SystemTimeToMs(&kSimStart));
}

TEST_F(SimBarTest, BarsLieInOneRowAtTheBottomInputsOutputsSimulation)
{
    StartSimulation();
    const CRect rcIn = RectOf(*m_pFrame->m_pInputsBar);
    const CRect rcOut = RectOf(*m_pFrame->m_pOutputsBar);
    const CRect rcSim = RectOf(*m_pFrame->m_pSimulationBar);
    const CRect rcClient = ClientOnScreen();
    EXPECT_EQ(rcIn.top, rcOut.top);
    EXPECT_EQ(rcOut.top, rcSim.top);
    EXPECT_EQ(rcIn.right, rcOut.left);
    EXPECT_EQ(rcOut.right, rcSim.left);
    EXPECT_EQ(rcIn.left, rcClient.left);
    EXPECT_EQ(rcSim.right, rcClient.right);
    EXPECT_EQ(std::max({rcIn.bottom, rcOut.bottom, rcSim.bottom}), rcClient.bottom);
    // Every bar is at least as large as its dialog's first size: nothing is clipped.
    for (cdxCDynamicBar* pBar : Bars()) {
        CRect rcInside;
        pBar->GetInsideRect(rcInside);
        EXPECT_GE(rcInside.Width(), pBar->GetBarDlg()->GetMinSize().cx);
        EXPECT_GE(rcInside.Height(), pBar->GetBarDlg()->GetMinSize().cy);
    }
}

TEST_F(SimBarTest, AFrameNarrowerThanTheFirstSizesShrinksTheBarsToTheirControlsInOneRow)
{
    Add(new CBlockIn(BT_IN), 100);
    Add(new CBlockOut(BT_OUT), 601);
    StartSimulation(1260);
    const CRect rcIn = RectOf(*m_pFrame->m_pInputsBar);
    const CRect rcOut = RectOf(*m_pFrame->m_pOutputsBar);
    const CRect rcSim = RectOf(*m_pFrame->m_pSimulationBar);
    const CRect rcClient = ClientOnScreen();
    EXPECT_EQ(rcIn.top, rcSim.top);
    EXPECT_EQ(rcIn.right, rcOut.left);
    EXPECT_EQ(rcOut.right, rcSim.left);
    EXPECT_EQ(rcSim.right, rcClient.right);
    for (cdxCDynamicBar* pBar : Bars())
        EXPECT_GE(RectOf(*pBar).Width(), pBar->CalcContentSize().cx);
    // The Simulation bar's clock is its rightmost control and shows whole.
    const CRect rcClock = RectOf(*Bar().GetDlgItem(IDC_SIM_CLOCK_TEXT));
    EXPECT_LE(rcClock.right, rcSim.right);
}

// A frame too narrow for the three bars in one row, wide enough for the Simulation bar alone.
TEST_F(SimBarTest, AFrameNarrowerThanTheControlsWrapsTheRowInsteadOfClippingABar)
{
    StartSimulation(420);
    const CRect rcClient = ClientOnScreen();
    int nContent = 0;
    for (cdxCDynamicBar* pBar : Bars())
        nContent += pBar->CalcContentSize().cx;
    ASSERT_GT(nContent, rcClient.Width());
    const CRect rcIn = RectOf(*m_pFrame->m_pInputsBar);
    const CRect rcSim = RectOf(*m_pFrame->m_pSimulationBar);
    EXPECT_LE(rcIn.bottom, rcSim.top);
    EXPECT_LE(rcSim.right, rcClient.right);
    EXPECT_GE(rcSim.Width(), m_pFrame->m_pSimulationBar->CalcContentSize().cx);
}

// Drags a bar by its caption, which runs down its left, by delta on the screen and lets go.
void DragByCaption(CSizingControlBarCF& bar, CSize delta)
{
    const CRect rcClose = bar.GetCloseButtonRect();
    const CPoint ptGrip(rcClose.CenterPoint().x, rcClose.bottom + 10);
    ASSERT_EQ(bar.HitTest(ptGrip), UINT(HTCAPTION));
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(ptGrip));
    const CPoint ptDrop = ptGrip + delta;
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MakePointLParam(ptDrop));
    bar.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(ptDrop));
}

TEST_F(SimBarTest, ABarDraggedAlongItsRowStaysInTheRowAtThePlaceItIsLetGo)
{
    StartSimulation(1260);
    CWnd pane;
    ASSERT_TRUE(pane.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), m_pFrame, AFX_IDW_PANE_FIRST));
    m_pFrame->RecalcLayout();
    CSizingControlBarCF& in = *m_pFrame->m_pInputsBar;
    CSizingControlBarCF& out = *m_pFrame->m_pOutputsBar;
    CSizingControlBarCF& sim = *m_pFrame->m_pSimulationBar;
    const CRect rcIn = RectOf(in), rcOut = RectOf(out), rcSim = RectOf(sim);
    const CRect rcPane = RectOf(pane);

    // Let go short of the Simulation bar's middle: the row stays as it was, the view above it.
    DragByCaption(out, CSize(150, 0));
    EXPECT_FALSE(out.IsFloating());
    EXPECT_EQ(RectOf(in), rcIn);
    EXPECT_EQ(RectOf(out), rcOut);
    EXPECT_EQ(RectOf(sim), rcSim);
    EXPECT_EQ(RectOf(pane), rcPane) << "no band between the view and the row";
    EXPECT_EQ(std::count(m_pFrame->GetControlBars().begin(), m_pFrame->GetControlBars().end(), &out), 0)
        << "the frame's own row, not the general docking";

    // Let go beyond it: the two change places in the same row.
    DragByCaption(out, CSize(rcSim.right - rcOut.left - 20, 0));
    EXPECT_EQ(RectOf(sim).left, rcIn.right);
    EXPECT_EQ(RectOf(out).left, RectOf(sim).right);
    EXPECT_EQ(RectOf(out).top, rcIn.top);
    EXPECT_EQ(RectOf(pane), rcPane);

    // Floating, it leaves the row to the other two; docked again it takes its place back.
    DragByCaption(out, CSize(-300, -300));
    ASSERT_TRUE(out.IsFloating());
    EXPECT_EQ(RectOf(sim).left, RectOf(in).right);
    EXPECT_EQ(RectOf(sim).right, rcSim.right);
    m_pFrame->DockControlBar(&out);
    EXPECT_EQ(RectOf(out).left, RectOf(sim).right);
    EXPECT_EQ(RectOf(pane), rcPane);
}

TEST_F(SimBarTest, TheEdgeBetweenNeighboursOfTheRowMovesLengthBetweenThem)
{
    StartSimulation();
    CSizingControlBarCF& in = *m_pFrame->m_pInputsBar;
    CSizingControlBarCF& out = *m_pFrame->m_pOutputsBar;
    CSizingControlBarCF& sim = *m_pFrame->m_pSimulationBar;
    const CRect rcIn = RectOf(in), rcOut = RectOf(out), rcSim = RectOf(sim);
    CRect rc;
    in.GetClientRect(rc);
    const CPoint ptEdge(rc.right - 2, rc.CenterPoint().y);
    ASSERT_EQ(in.HitTest(ptEdge), CSizingControlBar::HTRIGHT);
    in.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(ptEdge));
    ASSERT_TRUE(in.IsTracking());
    in.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MakePointLParam(ptEdge + CSize(60, 0)));
    in.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(ptEdge + CSize(60, 0)));
    // The Outputs bar, no longer than its dialog, moves along; the stretched last bar gives.
    EXPECT_EQ(RectOf(in).Width(), rcIn.Width() + 60);
    EXPECT_EQ(RectOf(out).left, rcOut.left + 60);
    EXPECT_EQ(RectOf(out).Width(), rcOut.Width());
    EXPECT_EQ(RectOf(sim).left, rcSim.left + 60);
    EXPECT_EQ(RectOf(sim).right, rcSim.right);
}

// A manual timer that tells whether it still exists, so that the frame's end can be checked.
class CWatchedTimer : public CManualPeriodicTimer {
public:
    explicit CWatchedTimer(BOOL* pAlive) : m_pAlive(pAlive) { *m_pAlive = TRUE; }
    ~CWatchedTimer() override { *m_pAlive = FALSE; }
    CWatchedTimer(const CWatchedTimer&) = delete;
    CWatchedTimer& operator=(const CWatchedTimer&) = delete;

private:
    BOOL* m_pAlive;
};

TEST_F(SimBarTest, DestroyingTheFrameStopsTheTimerAndDeletesTheBars)
{
    BOOL bTimerAlive = FALSE;
    AfxSetPeriodicTimerFactory([this, &bTimerAlive] {
        auto pTimer = std::make_unique<CWatchedTimer>(&bTimerAlive);
        m_pTimer = pTimer.get();
        return pTimer;
    });
    StartSimulation();
    ASSERT_TRUE(bTimerAlive);
    ASSERT_TRUE(m_pTimer->IsRunning());
    const HWND bars[] = {m_pFrame->m_pInputsBar->GetSafeHwnd(), m_pFrame->m_pOutputsBar->GetSafeHwnd(),
                         m_pFrame->m_pSimulationBar->GetSafeHwnd()};
    m_pFrame->DestroyWindow();
    m_pFrame = nullptr;
    m_pTimer = nullptr;
    EXPECT_FALSE(bTimerAlive);
    for (HWND hBar : bars)
        EXPECT_FALSE(IsWindow(hBar));
}

TEST_F(SimBarTest, SuspendAndResumeMoveTheStampsByThePause)
{
    auto* pTimer = Add(new CBlockDPR(BT_DPR), 9000);
    StartSimulation();
    pTimer->m_dRunTime = 3000.0;
    Bar().OnSuspend();
    EXPECT_EQ(Bar().m_nSimRunState, SIM_RUN_SUSPENDED);
    pTimer->m_stPause = kSimStart;   // the first suspended scan's stamp
    Tick(400);                     // 10 s of pause
    Bar().OnSuspend();
    EXPECT_EQ(Bar().m_nSimRunState, SIM_RUN_RUNNING);
    SYSTEMTIME stNow = {};
    m_pFrame->GetSimTime(&stNow);
    EXPECT_EQ(SystemTimeToMs(&stNow) - SystemTimeToMs(&pTimer->m_stStart), 3000);
    EXPECT_EQ(SystemTimeToMs(&stNow) - SystemTimeToMs(&pTimer->m_stStart2), 3000);
    EXPECT_EQ(pTimer->m_stPause.wYear, 0);
}

TEST_F(SimBarTest, SettingTheClockKeepsTheJumpForTheNextScan)
{
    StartSimulation();
    SYSTEMTIME stLater = kSimStart;
    stLater.wHour = 9;
    m_pFrame->SetSimTime(&stLater);
    SYSTEMTIME stPrev = {};
    m_pFrame->GetPrevSimTime(&stPrev);
    EXPECT_EQ(m_pFrame->m_bClockSet, 1);
    EXPECT_EQ(SystemTimeToMs(&stLater) - SystemTimeToMs(&stPrev), 3600 * 1000);
}

TEST_F(SimBarTest, SteppingThreeCyclesAddsTenMillisecondsPerCycleAndThenSuspends)
{
    auto* pTimer = Add(new CBlockDPR(BT_DPR), 9000);
    StartSimulation();
    Bar().OnSuspend();
    ASSERT_EQ(Bar().m_nSimStepState, SIM_STEP_ENABLED);
    Bar().SetDlgItemText(IDC_SIM_STEP_CYCLES, _T("3"));
    pTimer->m_bTiming = 1;
    pTimer->m_dRunTime = 100.0;
    Bar().OnStep();
    EXPECT_EQ(Bar().m_nSimStepState, SIM_STEP_STEPPING);
    EXPECT_EQ(Bar().m_nStepCount, 3);
    std::vector<std::string> counters;
    for (int i = 0; i < 3; ++i) {
        Tick();
        counters.push_back(StepCounter());
    }
    EXPECT_EQ(counters, (std::vector<std::string>{"2", "1", "1"}));
    EXPECT_DOUBLE_EQ(pTimer->m_dRunTime, 130.0);
    EXPECT_EQ(Bar().m_nSimRunState, SIM_RUN_RUNNING) << "until the view has scanned the last cycle";
    Bar().OnScanned();
    EXPECT_EQ(Bar().m_nSimRunState, SIM_RUN_SUSPENDED);
    EXPECT_EQ(Bar().m_nSimStepState, SIM_STEP_ENABLED);
    Tick(4);
    EXPECT_DOUBLE_EQ(pTimer->m_dRunTime, 130.0);
}

// The step counter appears left of the clock and pushes it right: the bar grows so that the
// clock stays on it.
TEST_F(SimBarTest, TheClockStaysOnTheBarWhenTheStepCounterAppears)
{
    StartSimulation(700);
    CWnd* pClock = Bar().GetDlgItem(IDC_SIM_CLOCK_TEXT);
    ASSERT_NE(pClock, nullptr);
    ASSERT_LE(RectOf(*pClock).right, RectOf(*m_pFrame->m_pSimulationBar).right);
    Bar().OnSuspend();
    Bar().OnStep();
    ASSERT_TRUE(Bar().GetDlgItem(IDC_SIM_STEP_COUNTER)->GetStyle() & WS_VISIBLE);
    EXPECT_LE(RectOf(*pClock).right, RectOf(*m_pFrame->m_pSimulationBar).right);
}

// Minutes show the span at once; seconds keep the text until a whole 50 ms slice has gone.
TEST_F(SimBarTest, StepSpanInMinutesCountsDownFromNinetySecondsAndInSecondsBySlices)
{
    StartSimulation();
    Bar().OnSuspend();
    auto* pUnit = static_cast<CComboBox*>(Bar().GetDlgItem(IDC_SIM_STEP_UNIT));
    pUnit->SetCurSel(SIM_STEP_UNIT_MINUTES);
    Bar().SetDlgItemText(IDC_SIM_STEP_SPAN, _T("01:30"));
    Bar().OnStep();
    EXPECT_EQ(StepCounter(), "01:30m");
    Tick(40);
    Bar().UpdateStepTimeText(m_pFrame, FALSE);
    EXPECT_EQ(StepCounter(), "01:29m");
    Bar().OnStep();
    pUnit->SetCurSel(SIM_STEP_UNIT_SECONDS);
    Bar().SetDlgItemText(IDC_SIM_STEP_SPAN, _T("00:50"));
    Bar().OnStep();
    EXPECT_EQ(StepCounter(), "01:29m");
    Tick(2);
    Bar().UpdateStepTimeText(m_pFrame, FALSE);
    EXPECT_EQ(StepCounter(), "00:45s");
}

TEST_F(SimBarTest, PowerHeldInAStoppedSimulationKeepsAndRestoresThePinValues)
{
    auto* pIn = Add(new CBlockIn(BT_IN), 100);
    auto* pOut = Add(new CBlockOut(BT_OUT), 600);
    pOut->m_nPinSource[0] = 100;
    StartSimulation();
    Bar().OnStop();
    pIn->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    pOut->m_nPinValue[0] = 1;
    pOut->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    Power(WM_LBUTTONDOWN);
    EXPECT_TRUE(Bar().IsPowerPressed());
    EXPECT_EQ(pIn->m_nPinValue[BLOCK_FIRST_OUTPUT], 0);
    EXPECT_EQ(pOut->m_nPinValue[0], 0);
    EXPECT_EQ(pOut->m_nPinValue[BLOCK_FIRST_OUTPUT], 0);
    Power(WM_LBUTTONUP);
    EXPECT_FALSE(Bar().IsPowerPressed());
    EXPECT_EQ(pIn->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);
    EXPECT_EQ(pOut->m_nPinValue[0], 1);
    EXPECT_EQ(pOut->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);
    EXPECT_EQ(Bar().m_nSimStarted, 0);
}

// The press of a stopped simulation saves and clears the input pins up to the first parameter
// pin; its release gives back exactly those, and leaves the pins past it as they were.
TEST_F(SimBarTest, PowerLetGoInAStoppedSimulationRestoresOnlyThePinsItCleared)
{
    auto* pIn = Add(new CBlockIn(BT_IN), 100);
    auto* pAnd = Add(new CBlockLogic(BT_AND), 9000);
    pAnd->m_nPinSource[0] = pIn->m_nNumber;
    pAnd->m_nPinSource[1] = LINK_PARAM;
    pAnd->m_nPinSource[2] = pIn->m_nNumber;
    StartSimulation();
    Bar().OnStop();
    pAnd->m_nPinValue[0] = 1;
    pAnd->m_nPinValue[2] = 1;
    Power(WM_LBUTTONDOWN);
    EXPECT_EQ(pAnd->m_nPinValue[0], 0);
    EXPECT_EQ(pAnd->m_nPinValue[2], 1) << "past the parameter pin";
    Power(WM_LBUTTONUP);
    EXPECT_EQ(pAnd->m_nPinValue[0], 1);
    EXPECT_EQ(pAnd->m_nPinValue[2], 1);
}

// Motor start and stop: I0 latches Q0 through Q0's own contact. A power failure drops the
// non-retentive coil, and it stays off when the supply returns with I0 off.
TEST_F(SimBarTest, APowerFailureDropsALadderSealIn)
{
    CVetlaDoc doc;
    doc.m_nDocType = DOC_TYPE_LAD;
    m_view.SetDocument(&doc);
    auto* pRail = new CPowerBusObj(BT_POWERBUS);
    doc.m_powerBusList.AddTail(pRail);
    CBlockObj* pStart = Add(CreateBlockForType(BT_MAKE, nullptr, &doc), NUM_MAKE, &doc);
    CBlockObj* pSeal = Add(CreateBlockForType(BT_MAKE, nullptr, &doc), NUM_MAKE + 1, &doc);
    CBlockObj* pCoil = Add(CreateBlockForType(BT_RELAY_COIL, nullptr, &doc), 21000, &doc);
    pStart->m_nOperand = 100;
    pSeal->m_nOperand = pCoil->m_nNumber;
    pCoil->m_nOperand = 600;
    pStart->m_nPinSource[0] = pSeal->m_nPinSource[0] = pRail->m_nNumber;
    pCoil->m_nPinSource[0] = pStart->m_nNumber;
    for (CBlockObj* pBranch : {pStart, pSeal}) {
        auto* pLine = new CConnectLineObj;
        pLine->m_nStartBlock = pBranch->m_nNumber;
        pLine->m_pStartBlock = pBranch;
        pLine->m_nStartPin = BLOCK_FIRST_OUTPUT;
        pLine->m_nEndBlock = pCoil->m_nNumber;
        pLine->m_pEndBlock = pCoil;
        pLine->m_nEndPin = 0;
        doc.AddLine(pLine);
    }
    CMainFrame mainFrame;
    ASSERT_NO_FATAL_FAILURE(RunUnder(mainFrame));
    TickAndPaint(2);
    for (int i = 0; i < 2; ++i) {
        ToggleSimulatedInput(doc, *pStart);
        TickAndPaint(2);
    }
    ASSERT_EQ(pCoil->m_nPinValue[BLOCK_FIRST_OUTPUT], 1) << "sealed in";
    Power(WM_LBUTTONDOWN);
    TickAndPaint(48);
    Power(WM_LBUTTONUP);
    TickAndPaint(4);
    EXPECT_EQ(pCoil->m_nPinValue[BLOCK_FIRST_OUTPUT], 0);
    EXPECT_EQ(pSeal->m_nContactState, 0);

    EndRun(&mainFrame);
}

TEST_F(SimBarTest, PowerHeldWhileRunningStopsAndReleaseRestartsKeepingRetentiveTime)
{
    auto* pPlain = Add(new CBlockDPR(BT_DPR), 9000);
    auto* pRetentive = Add(new CBlockDPR(BT_DPR), 9001);
    pRetentive->m_nParam[BLOCK_RETENTIVE_PARAM] = 1;
    StartSimulation();
    pPlain->m_dRunTime = 500.0;
    pRetentive->m_dRunTime = 700.0;
    Power(WM_LBUTTONDOWN);
    EXPECT_EQ(m_pFrame->GetSimRunState(), SIM_RUN_STOPPED);
    Power(WM_LBUTTONUP);
    EXPECT_EQ(m_pFrame->GetSimRunState(), SIM_RUN_RUNNING);
    EXPECT_DOUBLE_EQ(pPlain->m_dRunTime, 0.0);
    EXPECT_DOUBLE_EQ(pRetentive->m_dCarried, 700.0);
}

TEST_F(SimBarTest, InputsBarShowsAnalogKeysAndTheFirstSixteenInputsInOrder)
{
    for (int n = 100; n <= 120; ++n)
        Add(new CBlockIn(BT_IN), n);
    Add(new CBlockFKey(BT_FKEY), 1301);
    Add(new CBlockAnalogIn(BT_ANALOG_IN), 4000);
    const std::vector<int> inputs = CInputsBarDlg::CollectInputs(m_doc);
    ASSERT_EQ(inputs.size(), 18u);
    EXPECT_EQ(inputs[0], 4000);
    EXPECT_EQ(inputs[1], 1301);
    EXPECT_EQ(inputs[2], 100);
    EXPECT_EQ(inputs.back(), 115);
}

TEST_F(SimBarTest, InputButtonsAndValueEditsSetTheBlocks)
{
    auto* pSwitch = Add(new CBlockIn(BT_IN), 100);
    auto* pAnalog = Add(new CBlockAnalogIn(BT_ANALOG_IN), 4000);
    StartSimulation();
    const SimBarControl* pButton = Inputs().FindControl(100);
    ASSERT_NE(pButton, nullptr);
    static_cast<CButton*>(pButton->pWnd)->Click();
    EXPECT_EQ(pSwitch->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);
    EXPECT_EQ(LampOf(pButton), IDI_LAMP_ON);
    static_cast<CButton*>(pButton->pWnd)->Click();
    EXPECT_EQ(pSwitch->m_nPinValue[BLOCK_FIRST_OUTPUT], 0);
    const SimBarControl* pEdit = Inputs().FindControl(4000);
    ASSERT_NE(pEdit, nullptr);
    TypeInput(pEdit->pWnd, IDC_BAR_ANALOG_INPUT, _T("321"));
    EXPECT_EQ(pAnalog->m_nAux[INPUT_SIM_VALUE_AUX], 321);
    EXPECT_EQ(pAnalog->m_nShownValue, 321);
    pAnalog->m_nAux[BLOCK_VALUE_MIN_AUX] = 0;
    pAnalog->m_nAux[BLOCK_VALUE_MAX_AUX] = 1000;
    TypeInput(pEdit->pWnd, IDC_BAR_ANALOG_INPUT, _T("5000"));
    EXPECT_EQ(pAnalog->m_nAux[INPUT_SIM_VALUE_AUX], 1000) << "held to the input's range";
}

TEST_F(SimBarTest, MomentaryBreakInputIsOnUntilPressed)
{
    auto* pBreak = Add(new CBlockIn(BT_IN), 101);
    pBreak->m_nParamEx[INPUT_SIM_MODE_PARAMEX] = SIM_INPUT_PUSH_BREAK;
    StartSimulation();
    CWnd* pButton = Inputs().FindControl(101)->pWnd;
    Mouse(*pButton, WM_LBUTTONDOWN);
    EXPECT_EQ(pBreak->m_nPinValue[BLOCK_FIRST_OUTPUT], 0);
    Mouse(*pButton, WM_LBUTTONUP);
    EXPECT_EQ(pBreak->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);
}

TEST_F(SimBarTest, OutputsBarFollowsTheOutputBlocks)
{
    auto* pOut = Add(new CBlockOut(BT_OUT), 601);
    StartSimulation();
    pOut->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    m_view.MakeSimContext().RefreshOutputsBar(pOut);
    const SimBarControl* pControl = Outputs().FindControl(601);
    ASSERT_NE(pControl, nullptr);
    EXPECT_EQ(LampOf(pControl), IDI_LAMP_ON);
    CString strText;
    pControl->pWnd->GetWindowText(strText);
    EXPECT_EQ(strText.ToUtf8(), "Q1");
    pOut->m_nPinValue[BLOCK_FIRST_OUTPUT] = 0;
    m_view.MakeSimContext().RefreshOutputsBar(pOut);
    EXPECT_EQ(LampOf(pControl), IDI_LAMP_OFF);
}

// Stop resets every output, and the Outputs bar shows it although a stopped run scans nothing.
TEST_F(SimBarTest, StopPutsOutTheLampsOfTheOutputsItResets)
{
    auto* pIn = Add(new CBlockIn(BT_IN), 100);
    auto* pOut = Add(new CBlockOut(BT_OUT), 601);
    pOut->m_nPinSource[0] = pIn->m_nNumber;
    StartSimulation();
    pIn->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    const CSimContext sim = m_view.MakeSimContext();
    pOut->Simulate(&sim);
    const SimBarControl* pControl = Outputs().FindControl(601);
    ASSERT_NE(pControl, nullptr);
    ASSERT_EQ(LampOf(pControl), IDI_LAMP_ON);
    Bar().OnStop();
    EXPECT_EQ(pOut->m_nPinValue[BLOCK_FIRST_OUTPUT], 0);
    EXPECT_EQ(LampOf(pControl), IDI_LAMP_OFF);
}

} // namespace

// The sample diagram operated from the Inputs bar while the view scans on every tick: I1 AND I2
// start a 2 s on-delay into Q1; three rising edges of I3 reach the counter's ON threshold into Q2.
TEST_F(SimBarTest, SampleDiagramDrivenFromTheInputsBarSwitchesItsOutputsInTime)
{
    auto* pI1 = Add(new CBlockIn(BT_IN), 100);
    auto* pI2 = Add(new CBlockIn(BT_IN), 101);
    auto* pI3 = Add(new CBlockIn(BT_IN), 102);
    auto* pAnd = Add(new CBlockLogic(BT_AND), 9000);
    auto* pTimer = Add(new CBlockDPR(BT_DPR), 9001);
    auto* pCounter = Add(new CBlockCOUNTER(BT_COUNTER), 9002);
    auto* pQ1 = Add(new CBlockOut(BT_OUT), 600);
    auto* pQ2 = Add(new CBlockOut(BT_OUT), 601);
    pAnd->m_nPinSource[0] = pI1->m_nNumber;
    pAnd->m_nPinSource[1] = pI2->m_nNumber;
    pTimer->m_nPinSource[0] = pAnd->m_nNumber;
    pQ1->m_nPinSource[0] = pTimer->m_nNumber;
    pCounter->m_nPinSource[1] = pI3->m_nNumber;
    pQ2->m_nPinSource[0] = pCounter->m_nNumber;
    pTimer->m_nParam[TIMER_ON_BASE_PARAM] = 1;  // minutes:seconds
    pTimer->m_nParam[TIMER_ON_LOW_PARAM] = 2;   // 00:02
    pCounter->m_nParam[COUNTER_ON_PARAM] = 3;
    pCounter->m_nParamEx[COUNTER_OFF_PARAMEX] = 3;

    // The blocks find their sources through the main frame's active view, as in the program.
    CMainFrame mainFrame;
    ASSERT_NO_FATAL_FAILURE(RunUnder(mainFrame));
    struct Deactivate {
        CMainFrame& frame;
        ~Deactivate()
        {
            frame.MDIActivate(nullptr);
            AfxSetMainFrame(nullptr);
        }
    } deactivate{mainFrame};
    ASSERT_NE(m_pTimer, nullptr);
    ASSERT_NE(m_pFrame->m_pInputsBar, nullptr);

    SYSTEMTIME stStart = {};
    m_pFrame->GetSimTime(&stStart);
    auto elapsed = [&] {
        SYSTEMTIME st = {};
        m_pFrame->GetSimTime(&st);
        return SystemTimeToMs(&st) - SystemTimeToMs(&stStart);
    };
    auto runTo = [&](std::int64_t nMs) {
        while (elapsed() < nMs)
            TickAndPaint();
    };
    auto press = [&](int nInput) {
        static_cast<CButton*>(Inputs().FindControl(nInput)->pWnd)->Click();
        Paint();
    };
    auto state = [](const CBlockObj* pBlock) { return pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT]; };

    runTo(100);
    press(100);
    EXPECT_EQ(state(pAnd), 0);
    press(101);
    EXPECT_EQ(state(pAnd), 1);
    const std::int64_t nTriggered = elapsed();
    runTo(nTriggered + 1975);
    EXPECT_EQ(state(pQ1), 0) << "not before 2 s";
    runTo(nTriggered + 2050);
    EXPECT_EQ(state(pQ1), 1);
    EXPECT_EQ(LampOf(Outputs().FindControl(600)), IDI_LAMP_ON) << "the Outputs bar follows Q1";

    for (int i = 0; i < 3; ++i) {
        press(102);
        runTo(elapsed() + 50);
        press(102);
        runTo(elapsed() + 50);
    }
    EXPECT_EQ(pCounter->m_dRunTime, 3.0);
    EXPECT_EQ(state(pQ2), 1);

    press(100);
    EXPECT_EQ(state(pQ1), 0) << "the trigger fell";
}

// An on-delay of 0 triggered while the run is suspended or stopped and then stepped by cycles
// switches within the cycles, as it does within the ticks when the run goes on freely.
TEST_F(SimBarTest, ZeroOnDelaySwitchesWhileSteppingByCycles)
{
    enum class Before { Running, Suspended, Stopped };
    for (const Before before : {Before::Running, Before::Suspended, Before::Stopped}) {
        const bool bStepping = before != Before::Running;
        SCOPED_TRACE(int(before));
        CVetlaDoc doc;
        doc.m_nDocType = DOC_TYPE_FBD;
        m_view.SetDocument(&doc);
        CBlockObj* pI1 = Add(new CBlockIn(BT_IN), 100, &doc);
        CBlockObj* pTimer = Add(new CBlockDPR(BT_DPR), 9000, &doc);
        CBlockObj* pQ1 = Add(new CBlockOut(BT_OUT), 600, &doc);
        pTimer->m_nPinSource[0] = pI1->m_nNumber;
        pQ1->m_nPinSource[0] = pTimer->m_nNumber;
        pTimer->m_nParam[TIMER_ON_BASE_PARAM] = 2;  // seconds.hundredths, 00.00

        CMainFrame mainFrame;
        ASSERT_NO_FATAL_FAILURE(RunUnder(mainFrame));
        TickAndPaint(4);
        if (before == Before::Suspended)
            Bar().OnSuspend();
        else if (before == Before::Stopped)
            Bar().OnStop();
        static_cast<CButton*>(Inputs().FindControl(100)->pWnd)->Click();
        TickAndPaint(2);
        if (bStepping) {
            Bar().SetDlgItemText(IDC_SIM_STEP_CYCLES, _T("3"));
            Bar().OnStep();
        }
        TickAndPaint(6);
        EXPECT_EQ(pTimer->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);
        EXPECT_EQ(pQ1->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);
        EndRun(&mainFrame);
    }
}

// In a ladder diagram the Inputs bar's I1 stands for the contacts on operand 100: a click on the
// bar switches them as a click on one in the diagram does, and either click lights the lamp.
TEST_F(SimBarTest, LadderInputsBarAndContactsFollowEachOther)
{
    CVetlaDoc doc;
    doc.m_nDocType = DOC_TYPE_LAD;
    m_view.SetDocument(&doc);
    CBlockObj* pMake = Add(CreateBlockForType(BT_MAKE, nullptr, &doc), NUM_MAKE, &doc);
    CBlockObj* pBreak = Add(CreateBlockForType(BT_BREAK, nullptr, &doc), NUM_MAKE + 1, &doc);
    pMake->m_ptPos = CPoint(100, 100);
    pBreak->m_ptPos = CPoint(300, 100);
    pMake->m_nOperand = pBreak->m_nOperand = 100;
    ASSERT_TRUE(CreateFrame());
    m_view.OnSimulation();
    const SimBarControl* pControl = Inputs().FindControl(100);
    ASSERT_NE(pControl, nullptr);
    auto* pLamp = static_cast<CIconButton*>(pControl->pWnd);
    ASSERT_EQ(pLamp->GetIconId(), IDI_LAMP_OFF);

    pLamp->Click();
    EXPECT_EQ(pMake->m_nContactState, 1);
    EXPECT_EQ(pBreak->m_nContactState, 0);
    EXPECT_EQ(pLamp->GetIconId(), IDI_LAMP_ON);

    CRect rc;
    pMake->GetRect(&rc);
    ASSERT_TRUE(m_view.PressSimulatedInput(rc.CenterPoint()));
    EXPECT_EQ(pMake->m_nContactState, 0);
    EXPECT_EQ(pBreak->m_nContactState, 1);
    EXPECT_EQ(pLamp->GetIconId(), IDI_LAMP_OFF) << "a click in the diagram reaches the bar";

    EndRun();
}

// The operand's record says how the bar operates a ladder input, as it does for a click in the
// diagram: a momentary I0 held on the bar switches every contact on it, and I1 in frequency mode
// is a value edit whose value every contact and the record take.
TEST_F(SimBarTest, LadderInputsBarFollowsTheOperandRecordForEveryContact)
{
    CVetlaDoc doc;
    doc.m_nDocType = DOC_TYPE_LAD;
    m_view.SetDocument(&doc);
    CBlockObj* pMake = Add(CreateBlockForType(BT_MAKE, nullptr, &doc), NUM_MAKE, &doc);
    CBlockObj* pBreak = Add(CreateBlockForType(BT_BREAK, nullptr, &doc), NUM_MAKE + 1, &doc);
    CBlockObj* pCounted = Add(CreateBlockForType(BT_MAKE, nullptr, &doc), NUM_MAKE + 2, &doc);
    CBlockObj* pCountedToo = Add(CreateBlockForType(BT_BREAK, nullptr, &doc), NUM_MAKE + 3, &doc);
    pMake->m_nOperand = pBreak->m_nOperand = 100;
    pCounted->m_nOperand = pCountedToo->m_nOperand = 101;
    doc.m_mapOperandSim.SetAt(100, OperandSimRecord{1, 0, 0, 1000, SIM_INPUT_PUSH_MAKE});
    doc.m_mapOperandSim.SetAt(101, OperandSimRecord{1, 0, 0, 1000, SIM_INPUT_FREQUENCY});
    ASSERT_TRUE(CreateFrame());
    m_view.OnSimulation();

    CWnd* pButton = Inputs().FindControl(100)->pWnd;
    Mouse(*pButton, WM_LBUTTONDOWN);
    EXPECT_EQ(std::vector({pMake->m_nContactState, pBreak->m_nContactState}), std::vector({1, 0}));
    EXPECT_EQ(static_cast<CIconButton*>(pButton)->GetIconId(), IDI_LAMP_ON);
    Mouse(*pButton, WM_LBUTTONUP);
    EXPECT_EQ(std::vector({pMake->m_nContactState, pBreak->m_nContactState}), std::vector({0, 1}));

    CWnd* pEdit = Inputs().FindControl(101)->pWnd;
    ASSERT_EQ(dynamic_cast<CIconButton*>(pEdit), nullptr) << "a value edit, not a lamp";
    TypeInput(pEdit, IDC_BAR_INPUT, _T("42"));
    OperandSimRecord record;
    ASSERT_TRUE(doc.m_mapOperandSim.Lookup(101, record));
    EXPECT_EQ(record.nValue, 42);
    EXPECT_EQ(std::vector({pCounted->m_nAux[INPUT_SIM_VALUE_AUX], pCountedToo->m_nAux[INPUT_SIM_VALUE_AUX]}),
              std::vector({42, 42}));

    EndRun();
}

// A break contact is closed while its input is off: the lamp of an input that only a break
// contact uses shows the input off at the start and on once the bar's click opens the contact.
TEST_F(SimBarTest, TheLampOfAnInputOnlyABreakContactUsesShowsTheInput)
{
    CVetlaDoc doc;
    doc.m_nDocType = DOC_TYPE_LAD;
    m_view.SetDocument(&doc);
    CBlockObj* pBreak = Add(CreateBlockForType(BT_BREAK, nullptr, &doc), NUM_MAKE, &doc);
    pBreak->m_ptPos = CPoint(100, 100);
    pBreak->m_nOperand = 101;
    ASSERT_TRUE(CreateFrame());
    m_view.OnSimulation();
    const SimBarControl* pControl = Inputs().FindControl(101);
    ASSERT_NE(pControl, nullptr);
    auto* pLamp = static_cast<CIconButton*>(pControl->pWnd);
    ASSERT_EQ(pBreak->m_nContactState, 1);
    EXPECT_EQ(pLamp->GetIconId(), IDI_LAMP_OFF);
    pLamp->Click();
    EXPECT_EQ(pBreak->m_nContactState, 0);
    EXPECT_EQ(pLamp->GetIconId(), IDI_LAMP_ON);
    pLamp->Click();
    EXPECT_EQ(pLamp->GetIconId(), IDI_LAMP_OFF);

    EndRun();
}

// An on-delay of 1 s triggered while suspended and stepped 101 cycles passes its time in the
// last cycle: that cycle is scanned before the step ends, and the delay switches.
TEST_F(SimBarTest, TheLastSteppedCycleIsScannedBeforeTheStepEnds)
{
    CBlockObj* pI3 = Add(new CBlockIn(BT_IN), 103);
    CBlockObj* pTimer = Add(new CBlockDPR(BT_DPR), 9000);
    pTimer->m_nPinSource[0] = pI3->m_nNumber;
    pTimer->m_nParam[TIMER_ON_BASE_PARAM] = 1;  // minutes:seconds
    pTimer->m_nParam[TIMER_ON_LOW_PARAM] = 1;   // 00:01
    CMainFrame mainFrame;
    ASSERT_NO_FATAL_FAILURE(RunUnder(mainFrame));
    TickAndPaint(4);
    Bar().OnSuspend();
    static_cast<CButton*>(Inputs().FindControl(103)->pWnd)->Click();
    TickAndPaint(2);
    Bar().SetDlgItemText(IDC_SIM_STEP_CYCLES, _T("101"));
    Bar().OnStep();
    for (int i = 0; i < 110 && Bar().m_nSimStepState == SIM_STEP_STEPPING; ++i)
        TickAndPaint();
    EXPECT_EQ(Bar().m_nSimRunState, SIM_RUN_SUSPENDED);
    EXPECT_DOUBLE_EQ(static_cast<CBlockTime*>(pTimer)->m_dRunTime, 1000.0) << "held to the setpoint";
    EXPECT_EQ(pTimer->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);

    EndRun(&mainFrame);
}
