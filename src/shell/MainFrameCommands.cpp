// The main frame's smaller commands: the simulation bars' toggles, the frame colour, the keys it
// hands to the diagram view wherever the focus is, and the texts of the toolbar's tips.
#include "shell/MainFrame.h"

#include "controls/HColorDialog.h"
#include "editor/ChildFrame.h"
#include "editor/InputsBarDlg.h"
#include "editor/OutputsBarDlg.h"
#include "editor/SimulationBarDlg.h"
#include "editor/VetlaView.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/PropertySheet.h"
#include "shell/Resource.h"

namespace {

// The keys a docked bar's edit box would keep (the information window), which belong to the
// diagram: Esc, F3, F5, F9, F11 and Ctrl+F4.
bool IsViewKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN)
        return false;
    switch (msg.wParam) {
    case VK_ESCAPE:
    case VK_F3:
    case VK_F5:
    case VK_F9:
    case VK_F11:
        return true;
    case VK_F4:
        return GetKeyState(VK_CONTROL) < 0;
    default:
        return false;
    }
}

// Ctrl+U, Ctrl+D, Ctrl+N and Ctrl+O typed as characters.
bool IsViewControlChar(const MSG& msg)
{
    if (msg.message != WM_CHAR || GetKeyState(VK_CONTROL) >= 0)
        return false;
    return msg.wParam == 0x15 || msg.wParam == 0x04 || msg.wParam == 0x0E || msg.wParam == 0x0F;
}

bool IsBareF1(const MSG& msg)
{
    return msg.message == WM_KEYDOWN && msg.wParam == VK_F1 && GetKeyState(VK_SHIFT) >= 0 &&
           GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0;
}

}  // namespace

// ---- the simulation bars ----

CControlBar* CMainFrame::SimBarOf(UINT nID) const
{
    const CChildFrame* pChild = MDIGetActive();
    if (!pChild)
        return nullptr;
    switch (nID) {
    case ID_VIEW_OUTPUTS_BAR:
        return pChild->m_pOutputsBar;
    case ID_VIEW_INPUTS_BAR:
        return pChild->m_pInputsBar;
    case ID_VIEW_SIMULATION_BAR:
        return pChild->m_pSimulationBar;
    default:
        return nullptr;
    }
}

void CMainFrame::OnToggleOutputsBar() { OnToggleSimBar(ID_VIEW_OUTPUTS_BAR); }

void CMainFrame::OnToggleInputsBar() { OnToggleSimBar(ID_VIEW_INPUTS_BAR); }

void CMainFrame::OnToggleSimulationBar() { OnToggleSimBar(ID_VIEW_SIMULATION_BAR); }

void CMainFrame::OnToggleSimBar(UINT nID)
{
    CChildFrame* pChild = MDIGetActive();
    CControlBar* pBar = SimBarOf(nID);
    if (!pChild || !pBar || !pBar->GetSafeHwnd())
        return;
    const BOOL bShow = !pBar->IsVisible();
    pChild->ShowControlBar(pBar, bShow, FALSE);
    if (!bShow) {
        // The next tick draws the bars again.
        pChild->m_bBarsRedrawn = 0;
        return;
    }
    for (CControlBar* pEach : {static_cast<CControlBar*>(pChild->m_pSimulationBar),
                               static_cast<CControlBar*>(pChild->m_pOutputsBar),
                               static_cast<CControlBar*>(pChild->m_pInputsBar)}) {
        if (pEach && pEach->GetSafeHwnd())
            pEach->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

void CMainFrame::OnUpdateSimBar(CCmdUI* pCmdUI)
{
    const CVetlaView* pView = GetActiveView();
    const CControlBar* pBar = SimBarOf(pCmdUI->m_nID);
    const bool bOffered = pView && pView->EditMode() == EDIT_MODE_SIMULATE && pBar && pBar->GetSafeHwnd();
    pCmdUI->Enable(bOffered);
    pCmdUI->SetCheck(bOffered && pBar->IsVisible());
}

// ---- the frame colour ----

void CMainFrame::OnFrameBgColor()
{
    CString strCaption;
    strCaption.LoadString(IDS_FRAME_BGCOLOR);
    CHColorDialog dlg(strCaption, m_crFrameBg);
    if (dlg.DoModal() != IDOK)
        return;
    m_crFrameBg = dlg.GetColor();
    // The palette's pages stand on the frame colour.
    if (m_pWorkBox && m_pWorkBox->GetSafeHwnd())
        m_pWorkBox->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// ---- keys and commands ----

BOOL CMainFrame::PreTranslateMessage(MSG* pMsg)
{
    CVetlaView* pView = GetActiveView();
    if (!pView || !pView->GetSafeHwnd())
        return CMDIFrameWnd::PreTranslateMessage(pMsg);
    if (IsViewKey(*pMsg) || IsViewControlChar(*pMsg)) {
        pView->SendMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
        return TRUE;
    }
    // Help opens from the sheets and the Help menu; F1 on the diagram opens nothing.
    if (IsBareF1(*pMsg))
        return TRUE;
    return CMDIFrameWnd::PreTranslateMessage(pMsg);
}

void CMainFrame::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CMDIFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    CVetlaView* pView = GetActiveView();
    if (!pView || !pView->GetSafeHwnd() || pView->EditMode() != EDIT_MODE_SIMULATE)
        return;
    // A window that went out of sight (its owner shaded) was not left for this one.
    if (nState != WA_INACTIVE && pWndOther && pWndOther->IsWindowVisible() &&
        (pView->IsValuePopup(pWndOther) || dynamic_cast<CPropertySheet*>(pWndOther))) {
        pView->CloseValuePopup();
        return;
    }
    const MSG* pMsg = GetCurrentMessage();
    if (pMsg && pMsg->message == WM_ACTIVATE)
        pView->SendMessage(WM_ACTIVATE, pMsg->wParam, pMsg->lParam);
}

void CMainFrame::OnMove(int x, int y)
{
    CMDIFrameWnd::OnMove(x, y);
    PlaceValuePopup();
}

// After the layout, which sized the document windows and the view to the new size.
void CMainFrame::OnSize(UINT nType, int cx, int cy)
{
    CMDIFrameWnd::OnSize(nType, cx, cy);
    PlaceValuePopup();
}

void CMainFrame::PlaceValuePopup()
{
    if (CVetlaView* pView = GetActiveView(); pView && pView->GetSafeHwnd())
        pView->Simulation().PlaceValuePopup();
}

BOOL CMainFrame::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The basic and I/O palettes offer other items as documents of another kind come and go.
    const UINT nID = LOWORD(DWORD(wParam));
    if (nID == ID_FILE_NEW || nID == ID_FILE_NEW_LAD || nID == ID_FILE_CLOSE || nID == SC_CLOSE || nID >= 0xFF00)
        InvalidatePaletteTabs();
    return CMDIFrameWnd::OnCommand(wParam, lParam);
}

void CMainFrame::InvalidatePaletteTabs()
{
    if (!m_pWorkBox || !m_pWorkBox->GetSafeHwnd())
        return;
    for (int nTab : {0, 2}) {
        if (CWnd* pTab = m_pWorkBox->GetView(nTab); pTab && pTab->GetSafeHwnd())
            pTab->Invalidate(FALSE);
    }
}

// ---- toolbar tips ----

// A button's tip is the tip part of its command string, the text after the first line feed.
// The transfer strings have none: their tips are the whole string, naming the shortcut, and the
// message pane repeats it. The Simulation button says why it cannot be pressed while another
// diagram simulates. A command without a string gets no answer.
BOOL CMainFrame::ToolTipText(UINT nID, CString& strText)
{
    if (nID == 0) {
        strText.Empty();
        return TRUE;
    }
    CString strCommand;
    if (!strCommand.LoadString(nID))
        return FALSE;
    if (nID == ID_PLC_DOWNLOAD || nID == ID_PLC_UPLOAD) {
        strText = strCommand;
        if (m_wndStatusBar.GetSafeHwnd())
            m_wndStatusBar.SetPaneText(0, strText);
        return TRUE;
    }
    if (nID == ID_TOOLS_SIMULATION && g_pSimulatingView && g_pSimulatingView != GetActiveView())
        return strText.LoadString(IDS_TWO_SIMULATIONS);
    const int nFeed = strCommand.Find(_T('\n'));
    strText = nFeed < 0 ? CString() : strCommand.Mid(nFeed + 1);
    const int nNextFeed = strText.Find(_T('\n'));
    if (nNextFeed >= 0)
        strText = strText.Left(nNextFeed);
    return TRUE;
}
