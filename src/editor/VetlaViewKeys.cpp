// The keys the view handles itself; the menu shortcuts come as commands through the main
// frame's accelerators.
#include "editor/VetlaView.h"

#include "document/VetlaDoc.h"
#include "editor/CommandIds.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/WinThread.h"

#include <algorithm>
#include <iterator>

namespace {

// A key that ends a wire being drawn and posts a command: to the view, or to the main window.
struct CommandKey {
    UINT nKey;
    bool bCtrl;
    UINT nCommand;
    bool bMainWindow;
};
constexpr CommandKey kCommandKeys[] = {
    {VK_F3, false, ID_TOOLS_SIMULATION, false}, {VK_F4, true, ID_FILE_CLOSE, true},
    {VK_F5, false, ID_CONNECT, false},          {VK_F9, false, ID_INSERT_COMMENTS, false},
    {VK_F11, false, ID_CUT_JOIN_CONNECTION, false},
};

// Arrow keys move the selection by one document unit.
struct ArrowKey {
    UINT nKey;
    int dx;
    int dy;
};
constexpr ArrowKey kArrowKeys[] = {
    {VK_LEFT, -1, 0}, {VK_RIGHT, 1, 0}, {VK_UP, 0, -1}, {VK_DOWN, 0, 1}};

// The context code of a key message (bit 29 of its lParam, bit 13 of the flags): Alt is held.
constexpr UINT KF_ALTDOWN = 0x2000;

} // namespace

void CVetlaView::StepSelection(int dx, int dy, UINT nKey)
{
    // A step is an edit, which neither a simulation nor the edit lock allows.
    if (!IsDocumentEditable())
        return;
    // The step goes through the drag's move and its check against the page margins, which
    // moves the selection back when it would leave the base.
    const CPoint ptNext(m_ptLastMouse.x + dx, m_ptLastMouse.y + dy);
    const BOOL bAnySelected = !m_selection.IsEmpty();
    MoveSelection(dx, dy, &nKey);
    const BOOL bTakenBack = KeepSelectionOnPage(ptNext.x, ptNext.y);
    m_ptLastMouse = ptNext;
    // A step while the mouse drags is part of the drag, whose end takes its one undo step.
    if (bAnySelected && !bTakenBack && m_pDocument && m_nMoveState < 0)
        SaveArrowStep(*m_pDocument);
    InvalidateAll();
}

// A step is an edit like a drag: the diagram is modified, and the steps of one run of arrow
// presses are one undo step, rewritten at every press while no other snapshot came between.
void CVetlaView::SaveArrowStep(CVetlaDoc& doc)
{
    doc.m_undo.ContinueState(&doc, m_nArrowRunState);
    m_nArrowRunState = doc.m_undo.GetStateCount();
}

void CVetlaView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const bool bCtrl = GetKeyState(VK_CONTROL) < 0;
    const auto arrow = std::ranges::find(kArrowKeys, nChar, &ArrowKey::nKey);
    const auto command = std::ranges::find(kCommandKeys, nChar, &CommandKey::nKey);
    if (arrow == std::end(kArrowKeys))
        m_nArrowRunState = -1;
    if (nChar == VK_ESCAPE) {
        EndTool();
        InvalidateAll();
    } else if (nChar == VK_PRIOR || nChar == VK_NEXT) {
        SendMessage(WM_VSCROLL, nChar == VK_PRIOR ? SB_PAGEUP : SB_PAGEDOWN);
    } else if ((nChar == VK_HOME || nChar == VK_END) && bCtrl) {
        SendMessage(WM_VSCROLL, nChar == VK_HOME ? SB_TOP : SB_BOTTOM);
    } else if (arrow != std::end(kArrowKeys)) {
        StepSelection(arrow->dx, arrow->dy, nChar);
    } else if (nChar == VK_DELETE) {
        // The key of Edit > Delete, sent as that command only when the command is offered.
        if (CanDeleteSelection())
            PostMessage(WM_COMMAND, ID_EDIT_CLEAR);
    } else if (command != std::end(kCommandKeys) && (!command->bCtrl || bCtrl)) {
        if (m_wireTool.IsDrawing())
            m_wireTool.End();
        CWnd* pTarget = command->bMainWindow ? AfxGetMainWnd() : this;
        if (pTarget && pTarget->m_hWnd)
            pTarget->PostMessage(WM_COMMAND, command->nCommand);
    }
    CScrollView::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CVetlaView::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_MENU && (nFlags & KF_ALTDOWN))
        CloseValuePopup();
    CScrollView::OnSysKeyDown(nChar, nRepCnt, nFlags);
}
