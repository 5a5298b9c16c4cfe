// Delete and Select All. The delete itself, with what it takes along, is the document's
// (document/DiagramDelete.h); the view lets go of each deleted object.
#include "editor/VetlaView.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/DiagramDelete.h"
#include "document/VetlaDoc.h"
#include "editor/DiagramEditHelpers.h"
#include "platform/core/CmdTarget.h"

#include <vector>

void CVetlaView::DeleteSelection()
{
    if (!m_pDocument)
        return;
    // The view lets go of what goes: the selection, the current objects, a message text's slot.
    const auto release = [this](CObject& object) {
        if (auto* pBlock = dynamic_cast<CBlockObj*>(&object)) {
            m_selection.Remove(pBlock);
            const int nSlot = pBlock->m_nParamEx[MSGTEXT_SLOT_PARAMEX];
            if (pBlock->m_nType == BT_MSGTEXT && nSlot >= 0 && nSlot < MSGTEXT_SLOT_COUNT)
                MarkMsgTextSlot(nSlot, false);
        } else if (auto* pLine = dynamic_cast<CConnectLineObj*>(&object)) {
            m_selection.Remove(pLine);
        }
        ForgetObject(&object);
    };
    const std::vector<CBlockObj*> blocks = ListSnapshot<CBlockObj>(m_selection.Blocks());
    const std::vector<CBlockComment*> comments = ListSnapshot<CBlockComment>(m_selection.Comments());
    ForgetObjects(true);
    DeleteWithDependents(*m_pDocument, blocks, comments, release);
    InvalidateAll();
}

void CVetlaView::SelectAll()
{
    if (!m_pDocument)
        return;
    ForgetObjects();
    for (CBlockObj* pBlock : ListSnapshot<CBlockObj>(m_pDocument->m_blockList))
        m_selection.Add(pBlock);
    for (CConnectLineObj* pLine : ListSnapshot<CConnectLineObj>(m_pDocument->m_lineList))
        m_selection.Add(pLine);
    for (CBlockComment* pComment : ListSnapshot<CBlockComment>(m_pDocument->m_commentList))
        m_selection.Add(pComment);
    InvalidateAll();
}

void CVetlaView::OnEditDelete()
{
    if (!m_pDocument || m_pDocument->m_bSimulating)
        return;
    DeleteSelection();
    m_pDocument->m_undo.SaveState(m_pDocument);
}

void CVetlaView::OnEditSelectAll()
{
    if (m_pDocument && !m_pDocument->m_bSimulating)
        SelectAll();
}

BOOL CVetlaView::CanDeleteSelection() const
{
    const BOOL bSelected = !m_selection.Blocks().IsEmpty() || !m_selection.Lines().IsEmpty() || !m_selection.Comments().IsEmpty();
    return bSelected && m_pDocument && !m_pDocument->m_bSimulating;
}

void CVetlaView::OnUpdateEditDelete(CCmdUI* pCmdUI) { pCmdUI->Enable(CanDeleteSelection()); }

void CVetlaView::OnUpdateEditSelectAll(CCmdUI* pCmdUI)
{
    const BOOL bContent =
        m_pDocument && (m_pDocument->CountNonConnectorBlocks() > 0 || !m_pDocument->m_commentList.IsEmpty());
    pCmdUI->Enable(bContent && !m_pDocument->m_bSimulating);
}
