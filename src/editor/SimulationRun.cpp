// Entering a run puts the block list into the order in which a scan must step the blocks and
// gives every block a defined run-time state.
#include "editor/SimulationRun.h"

#include "document/SimScan.h"
#include "document/VetlaDoc.h"
#include "editor/AnalogSliderDlg.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"

BOOL CSimulationRun::IsRunning() const
{
    return g_pSimulatingView == &m_view || (m_view.m_pDocument && m_view.m_pDocument->m_bSimulating);
}

void CSimulationRun::Enter()
{
    if (!m_view.m_pDocument || IsRunning())
        return;
    // A wire being drawn is abandoned rather than finished by the simulation's clicks.
    if (m_view.EditMode() == EDIT_MODE_CONNECT || m_view.WireTool().IsDrawing())
        m_view.WireTool().End();
    g_pSimulatingView = &m_view;
    m_view.m_nEditMode = EDIT_MODE_SIMULATE;
    m_view.m_pDocument->m_bSimulating = 1;
    m_view.Selection().Clear(SELECTION_ALL);
    m_view.m_pCurBlock = nullptr;
    m_view.m_pCurLine = nullptr;
    // A comment is no input to operate: a double click in the run would open its sheet.
    m_view.m_pCurComment = nullptr;
    EnterSimulationOrder(*m_view.m_pDocument);
    // The clock jumps to the PC's time when the timer starts. The blocks take their start
    // stamps from the clock as it will run: stamped before the jump, every timer would see
    // the whole jump as time already passed in the first scan.
    CChildFrame* pFrame = m_view.GetParentFrame();
    SYSTEMTIME stNow = m_simClock;
    if (pFrame) {
        pFrame->StartSimTimer();
        pFrame->GetSimTime(&stNow);
    }
    StartSimulationRun(*m_view.m_pDocument, stNow);
    if (pFrame) {
        // Without its bar's window the frame's own fields stand for a bar that runs freely.
        pFrame->m_nSimRunState = SIM_RUN_RUNNING;
        pFrame->m_nSimStepState = SIM_STEP_NONE;
        pFrame->CreateSimBars();
        pFrame->m_bBarsRedrawn = 0;
    }
    m_view.InvalidateAll();
}

void CSimulationRun::Leave()
{
    if (m_view.m_hWnd)
        m_view.SetFocus();
    CloseValuePopup();
    m_view.m_openSheets.CloseAll();
    m_view.m_openLadSheets.CloseAll();
    m_view.m_msgTextDisplay.Close();
    m_view.m_nEditMode = EDIT_MODE_SELECT;
    if (g_pSimulatingView == &m_view)
        g_pSimulatingView = nullptr;
    if (CChildFrame* pFrame = m_view.GetParentFrame()) {
        pFrame->StopSimTimer();
        pFrame->DestroySimBars();
        pFrame->m_nSimRunState = SIM_RUN_STOPPED;
    }
    if (m_view.m_pDocument) {
        m_view.m_pDocument->m_bSimulating = 0;
        EndSimulationRun(*m_view.m_pDocument);
        RestoreBlockOrder(*m_view.m_pDocument);
    }
    m_view.InvalidateAll();
}

void CSimulationRun::EndOnClose()
{
    m_view.m_openSheets.CloseAll();
    m_view.m_openLadSheets.CloseAll();
    m_view.m_msgTextDisplay.Close();
    if (m_view.m_pDocument && m_view.m_pDocument->m_bSimulating) {
        m_view.m_pDocument->m_bSimulating = 0;
        m_view.m_nEditMode = EDIT_MODE_SELECT;
        RestoreBlockOrder(*m_view.m_pDocument);
    }
    if (g_pSimulatingView == &m_view)
        g_pSimulatingView = nullptr;
}

// ---- the value popup: one at a time ----

void CSimulationRun::OpenValuePopup(CBlockObj* pBlock, int nOffsetX, int nOffsetY)
{
    if (m_pValuePopup && m_pPopupBlock == pBlock)
        return;
    CloseValuePopup();
    auto* pPopup = new CAnalogSliderDlg(&m_view, pBlock, nOffsetX, nOffsetY);
    m_pValuePopup = pPopup;
    m_pPopupBlock = pBlock;
    if (!pPopup->Create()) {
        // A window that went during its creation has deleted its object once it was set up.
        m_pValuePopup = nullptr;
        m_pPopupBlock = nullptr;
        if (!pPopup->IsSelfDeleting())
            delete pPopup;
    }
}

// The popup belongs to its block as the user sees it: with the block out of sight it closes, as
// it does when the mouse leaves the view.
void CSimulationRun::PlaceValuePopup()
{
    if (m_pValuePopup && !m_pValuePopup->FollowBlock(m_view.GetScrollPosition()))
        CloseValuePopup();
}

BOOL CSimulationRun::IsValuePopup(const CWnd* pWnd) const { return pWnd && pWnd == m_pValuePopup; }

void CSimulationRun::OnPopupGone(const CAnalogSliderDlg* pPopup)
{
    if (m_pValuePopup != pPopup)
        return;
    m_pValuePopup = nullptr;
    m_pPopupBlock = nullptr;
}

void CSimulationRun::CloseValuePopup()
{
    CAnalogSliderDlg* pPopup = m_pValuePopup;
    if (!pPopup)
        return;
    m_pValuePopup = nullptr;
    m_pPopupBlock = nullptr;
    pPopup->DestroyWindow();
    if (CWnd::GetCapture())
        CWnd::ReleaseCapture();
}
