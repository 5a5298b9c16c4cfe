// Entering and leaving the offline simulation: the block list goes into the order in which a
// scan must step the blocks, and every block gets a defined run-time state.
#include "editor/VetlaView.h"

#include "blocks/BlockObj.h"
#include "document/SimScan.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "document/AnalogRanges.h"
#include "platform/core/CmdTarget.h"

void CVetlaView::UpdateSimInputSettings(CBlockObj* pBlock)
{
    if (pBlock && m_pDocument)
        ::UpdateSimInputSettings(*m_pDocument, pBlock, m_nEditMode == EDIT_MODE_SIMULATE);
}

CSimContext CVetlaView::MakeSimContext() const
{
    CSimContext sim;
    sim.stScan = m_simClock;
    sim.stNow = m_simClock;
    sim.bSimulating = m_nEditMode == EDIT_MODE_SIMULATE;
    sim.nRunState = GetSimBarState().nRunState;
    if (CChildFrame* pFrame = GetParentFrame()) {
        pFrame->GetSimTime(&sim.stNow);
        pFrame->GetPrevSimTime(&sim.stPrevious);
        sim.bClockSet = pFrame->m_bClockSet;
        sim.nStepState = pFrame->GetSimStepState();
        sim.nStepUnit = pFrame->GetSimStepUnit();
        sim.pBars = pFrame;
    }
    if (m_nEditMode == EDIT_MODE_INSERT)
        sim.pinTool = SimPinTool::Placing;
    else if (m_nEditMode == EDIT_MODE_CONNECT ||
             (m_nEditMode == EDIT_MODE_DRAG_LINE && m_pCurLine && m_pCurLine->m_bEndDrag))
        sim.pinTool = SimPinTool::Wiring;
    sim.ptCursor = m_ptCursor;
    return sim;
}

void CVetlaView::OnSimulation()
{
    if (m_nEditMode == EDIT_MODE_SIMULATE)
        LeaveSimulation();
    else
        EnterSimulation();
}

void CVetlaView::OnUpdateSimulation(CCmdUI* pCmdUI)
{
    const BOOL bHasContent =
        m_pDocument && (!m_pDocument->m_blockList.IsEmpty() || !m_pDocument->m_commentList.IsEmpty());
    pCmdUI->Enable(bHasContent && (!g_pSimulatingView || g_pSimulatingView == this));
    pCmdUI->SetCheck(m_nEditMode == EDIT_MODE_SIMULATE);
}

void CVetlaView::EnterSimulation()
{
    if (!m_pDocument)
        return;
    // A wire being drawn is abandoned rather than finished by the simulation's clicks.
    if (m_nEditMode == EDIT_MODE_CONNECT || m_wireTool.IsDrawing())
        m_wireTool.End();
    g_pSimulatingView = this;
    m_nEditMode = EDIT_MODE_SIMULATE;
    m_pDocument->m_bSimulating = 1;
    m_selection.Clear(SELECTION_ALL);
    m_pCurBlock = nullptr;
    m_pCurLine = nullptr;
    BuildSimulationOrder(*m_pDocument);
    // The clock jumps to the PC's time when the timer starts. The blocks take their start
    // stamps from the clock as it will run: stamped before the jump, every timer would see
    // the whole jump as time already passed in the first scan.
    CChildFrame* pFrame = GetParentFrame();
    SYSTEMTIME stNow = m_simClock;
    if (pFrame) {
        pFrame->StartSimTimer();
        pFrame->GetSimTime(&stNow);
    }
    StartSimulationRun(*m_pDocument, stNow);
    if (pFrame) {
        // Without its bar's window the frame's own fields stand for a bar that runs freely.
        pFrame->m_nSimRunState = SIM_RUN_RUNNING;
        pFrame->m_nSimStepState = SIM_STEP_NONE;
        pFrame->CreateSimBars();
        pFrame->m_bBarsRedrawn = 0;
    }
    InvalidateAll();
}

void CVetlaView::OnSize(UINT nType, int cx, int cy)
{
    CScrollView::OnSize(nType, cx, cy);
    if (m_nEditMode == EDIT_MODE_SIMULATE) {
        if (CChildFrame* pFrame = GetParentFrame())
            pFrame->m_bBarsRedrawn = 0;
    }
}

void CVetlaView::LeaveSimulation()
{
    if (m_hWnd)
        SetFocus();
    CloseValuePopup();
    m_openSheets.CloseAll();
    m_openLadSheets.CloseAll();
    m_msgTextDisplay.Close();
    m_nEditMode = EDIT_MODE_SELECT;
    if (g_pSimulatingView == this)
        g_pSimulatingView = nullptr;
    if (CChildFrame* pFrame = GetParentFrame()) {
        pFrame->StopSimTimer();
        pFrame->DestroySimBars();
        pFrame->m_nSimRunState = SIM_RUN_STOPPED;
    }
    if (m_pDocument) {
        m_pDocument->m_bSimulating = 0;
        EndSimulationRun(*m_pDocument);
    }
    InvalidateAll();
}

void CVetlaView::EndSimulationOnClose()
{
    m_openSheets.CloseAll();
    m_openLadSheets.CloseAll();
    m_msgTextDisplay.Close();
    if (m_pDocument && m_pDocument->m_bSimulating) {
        m_pDocument->m_bSimulating = 0;
        m_nEditMode = EDIT_MODE_SELECT;
    }
    if (g_pSimulatingView == this)
        g_pSimulatingView = nullptr;
}
