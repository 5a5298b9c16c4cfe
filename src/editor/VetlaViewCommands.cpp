// The view's smaller commands: Go To Block, Selection (and Escape), Insert Comments, the wire
// and background colours, Save All Files, Add System Time Page, and the state of the transfer
// commands.
#include "editor/VetlaView.h"

#include "blocks/BlockObj.h"
#include "controls/HColorDialog.h"
#include "document/VetlaDoc.h"
#include "editor/DeviceCommands.h"
#include "editor/SelectBlockDlg.h"
#include "platform/core/CmdTarget.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Cursor.h"

namespace {

// Captions of the colour dialogs.
constexpr UINT IDS_BG_COLOR_CAPTION = 303;
constexpr UINT IDS_WIRE_COLOR_CAPTION = 305;

} // namespace

void CVetlaView::GoToBlock(int nNumber)
{
    CBlockObj* pBlock = m_pDocument ? m_pDocument->FindBlockByNumber(nNumber) : nullptr;
    if (!pBlock)
        return;
    const float fZoom = GetZoom();
    CenterOnPoint(CPoint(int(float(pBlock->m_ptPos.x) * fZoom), int(float(pBlock->m_ptPos.y) * fZoom)));
    m_pCurBlock = nullptr;
    m_selection.Only(pBlock);
    InvalidateAll();
}

void CVetlaView::EndTool()
{
    EndDrag();
    if (m_wireTool.IsDrawing() || m_nEditMode == EDIT_MODE_CONNECT)
        m_wireTool.End();
    else if (m_nEditMode == EDIT_MODE_SIMULATE)
        OnSimulation();
    // A pin's tip asked for by the last hover would otherwise stay up (or still appear) until
    // the mouse moves again, though the tool it belonged to is gone.
    m_wireTool.Tip().Hide();
    m_nEditMode = EDIT_MODE_SELECT;
    HCURSOR hArrow = AfxLoadStandardCursor(IDC_ARROW);
    if (GetCursor() != hArrow)
        SetCursor(hArrow);
    if (GetCapture() == this)
        ReleaseCapture();
}

void CVetlaView::OnInsertComments()
{
    if (m_nEditMode == EDIT_MODE_INSERT_COMMENT) {
        m_nEditMode = EDIT_MODE_SELECT;
        return;
    }
    if (m_nEditMode == EDIT_MODE_SIMULATE)
        OnSimulation();
    // A wire half drawn in Connect mode would stay hanging from the mouse over the comments.
    if (m_wireTool.IsDrawing())
        m_wireTool.End();
    m_nEditMode = EDIT_MODE_INSERT_COMMENT;
    SetCursor(m_cursors.Get(EditCursor::Comment));
}

void CVetlaView::OnUpdateInsertComments(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nEditMode == EDIT_MODE_INSERT_COMMENT);
}

namespace {

// The colour dialog with its caption, starting at the colour; TRUE and the new colour on OK.
BOOL ChooseColour(UINT nCaption, COLORREF& crColour, CWnd* pParent)
{
    CString strCaption;
    strCaption.LoadString(nCaption);
    CHColorDialog dlg(strCaption, crColour, CC_RGBINIT | CC_FULLOPEN, pParent);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    crColour = dlg.GetColor();
    return TRUE;
}

} // namespace

void CVetlaView::OnWireColor()
{
    if (ChooseColour(IDS_WIRE_COLOR_CAPTION, m_crWire, m_hWnd ? this : nullptr))
        InvalidateAll();
}

void CVetlaView::OnBackgroundColor()
{
    if (ChooseColour(IDS_BG_COLOR_CAPTION, m_crBackground, m_hWnd ? this : nullptr))
        InvalidateAll();
}

// The dialog moves the view while it is open; how it was closed does not matter.
void CVetlaView::OnGoToBlock()
{
    CSelectBlockDlg dlg(m_hWnd ? this : nullptr);
    dlg.DoModal();
}

void CVetlaView::OnUpdateGoToBlock(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDocument && !m_pDocument->m_bSimulating); }

// Saving every open diagram at once is not offered: the command only says what it is.
void CVetlaView::OnSaveAllFiles() { AfxMessageBox(_T("Save All Files!"), MB_OK); }

// Reserved for a page of the controller's system time; it has no action yet.
void CVetlaView::OnAddSystemTimePage() {}

void CVetlaView::OnUpdateAddSystemTimePage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pDocument && !m_pDocument->m_blockList.IsEmpty());
}

void CVetlaView::OnDeviceCommand(UINT nID) { PostDeviceCommand(nID); }

void CVetlaView::OnUpdateDeviceCommand(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
