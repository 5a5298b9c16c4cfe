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

