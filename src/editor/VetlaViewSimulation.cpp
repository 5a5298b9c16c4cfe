// The view's Simulation command, which its run part (SimulationRun.h) carries out, and what
// the blocks see of the simulation and the edit (the simulation context).
#include "editor/VetlaView.h"

#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "document/AnalogRanges.h"
#include "platform/core/CmdTarget.h"

void CVetlaView::UpdateSimInputSettings(CBlockObj* pBlock)
{
    if (pBlock && m_pDocument)
        ::UpdateSimInputSettings(*m_pDocument, pBlock, m_nEditMode == EDIT_MODE_SIMULATE);
}

SimPinTool PinToolFor(int nEditMode, const CConnectLineObj* pCurLine)
{
    if (nEditMode == EDIT_MODE_INSERT)
        return SimPinTool::Placing;
    if (nEditMode == EDIT_MODE_CONNECT || (nEditMode == EDIT_MODE_DRAG_LINE && pCurLine && pCurLine->m_bEndDrag))
        return SimPinTool::Wiring;
    return SimPinTool::None;
}

CSimContext CVetlaView::MakeSimContext() const
{
    CSimContext sim;
    sim.stScan = m_simulation.Clock();
    sim.stNow = m_simulation.Clock();
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
    sim.pinTool = PinToolFor(m_nEditMode, m_pCurLine);
    sim.ptCursor = m_ptCursor;
    return sim;
}

void CVetlaView::OnSimulation()
{
    if (m_nEditMode == EDIT_MODE_SIMULATE || m_simulation.IsRunning())
        m_simulation.Leave();
    else
        m_simulation.Enter();
}

void CVetlaView::OnUpdateSimulation(CCmdUI* pCmdUI)
{
    const BOOL bHasContent =
        m_pDocument && (!m_pDocument->m_blockList.IsEmpty() || !m_pDocument->m_commentList.IsEmpty());
    pCmdUI->Enable(bHasContent && (!g_pSimulatingView || g_pSimulatingView == this));
    pCmdUI->SetCheck(m_nEditMode == EDIT_MODE_SIMULATE);
}

void CVetlaView::OnSize(UINT nType, int cx, int cy)
{
    CScrollView::OnSize(nType, cx, cy);
    if (m_nEditMode == EDIT_MODE_SIMULATE) {
        if (CChildFrame* pFrame = GetParentFrame())
            pFrame->m_bBarsRedrawn = 0;
    }
}

