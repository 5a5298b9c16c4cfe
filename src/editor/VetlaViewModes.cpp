// The view's mode commands beside the simulation: Connect, and Undo and Redo of the document's
// snapshots. Each leaves nothing of an edit in progress behind.
#include "editor/VetlaView.h"

#include "document/VetlaDoc.h"
#include "platform/core/CmdTarget.h"
#include "platform/ui/Cursor.h"

void CVetlaView::OnConnect()
{
    if (m_nEditMode == EDIT_MODE_CONNECT) {
        m_wireTool.End();
        m_nEditMode = EDIT_MODE_SELECT;
    } else {
        if (m_wireTool.IsDrawing())
            m_wireTool.End();
        if (m_nEditMode == EDIT_MODE_SIMULATE) {
            OnSimulation();
        } else {
            ForgetObjects();
        }
        m_nEditMode = EDIT_MODE_CONNECT;
        SetCursor(m_cursors.Get(EditCursor::Connect));
    }
    InvalidateAll();
}

void CVetlaView::OnUpdateConnect(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pDocument && !m_pDocument->m_blockList.IsEmpty());
    pCmdUI->SetCheck(m_nEditMode == EDIT_MODE_CONNECT);
}

// The snapshot reloads the whole document: every pointer the view holds into it is stale.
void CVetlaView::StepUndo(BOOL bRedo)
{
    // A run steps the document's blocks: a reload under it would take them away.
    if (!IsDocumentEditable())
        return;
    ForgetObjects();
    if (m_pDocument) {
        if (bRedo)
            m_pDocument->m_undo.Redo();
        else
            m_pDocument->m_undo.Undo();
    }
    InvalidateAll();
}

void CVetlaView::OnUndo() { StepUndo(FALSE); }

void CVetlaView::OnRedo() { StepUndo(TRUE); }

BOOL CVetlaView::IsDocumentEditable() const
{
    return m_pDocument && !m_pDocument->m_bSimulating && !m_pDocument->m_bEditLock;
}

void CVetlaView::OnUpdateUndo(CCmdUI* pCmdUI) { pCmdUI->Enable(IsDocumentEditable() && m_pDocument->m_undo.CanUndo()); }

void CVetlaView::OnUpdateRedo(CCmdUI* pCmdUI) { pCmdUI->Enable(IsDocumentEditable() && m_pDocument->m_undo.CanRedo()); }
