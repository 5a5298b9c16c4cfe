// Align Vertically and Align Horizontally: the selected blocks and comments line up with the
// first selected block. Each object moves alone through the selection move, so the wires at a
// block follow it as in a drag and stay orthogonal.
#include "editor/VetlaView.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockObj.h"
#include "blocks/ConnectLineObj.h"
#include "document/VetlaDoc.h"
#include "platform/core/CmdTarget.h"

namespace {

constexpr int ALIGN_X = 0;
constexpr int ALIGN_Y = 1;

template <class T>
void SetFlags(const CObList& list, int T::*pFlag, int nValue)
{
    for (POSITION pos = list.GetHeadPosition(); pos;)
        static_cast<T*>(list.GetNext(pos))->*pFlag = nValue;
}

// Two blocks at least, and a document that neither simulates nor is locked.
bool CanAlign(const CVetlaView& view)
{
    const CVetlaDoc* pDoc = view.GetDocument();
    return view.Selection().Blocks().GetCount() >= 2 && pDoc && !pDoc->m_bSimulating && !pDoc->m_bEditLock;
}

} // namespace

void CVetlaView::OnAlignVertically() { AlignSelection(ALIGN_X); }

void CVetlaView::OnAlignHorizontally() { AlignSelection(ALIGN_Y); }

void CVetlaView::OnUpdateAlign(CCmdUI* pCmdUI) { pCmdUI->Enable(CanAlign(*this)); }

void CVetlaView::AlignSelection(int nAxis)
{
    if ((nAxis != ALIGN_X && nAxis != ALIGN_Y) || m_selection.Blocks().IsEmpty() || !IsDocumentEditable())
        return;
    // A wire held on a pin would be finished from where the pin was before the move.
    EndToolsInProgress();
    const auto* pFirst = static_cast<const CBlockObj*>(m_selection.Blocks().GetHead());
    const int nReference = nAxis == ALIGN_X ? pFirst->m_ptPos.x : pFirst->m_ptPos.y;
    // One object at a time carries the selected flag, so that each move takes only it (and the
    // wire ends at a block) along; the lists stay as they are.
    SetFlags(m_selection.Lines(), &CConnectLineObj::m_bLineSelected, 0);
    SetFlags(m_selection.Comments(), &CBlockComment::m_bCommentSelected, 0);
    SetFlags(m_selection.Blocks(), &CBlockObj::m_bSelected, 0);
    bool bMoved = false;
    const auto moveAlone = [&](int& nSelected, int nCoordinate) {
        const int d = nReference - nCoordinate;
        nSelected = 1;
        if (d != 0) {
            MoveSelection(nAxis == ALIGN_X ? d : 0, nAxis == ALIGN_Y ? d : 0, nullptr);
            bMoved = true;
        }
        nSelected = 0;
    };
    for (POSITION pos = m_selection.Blocks().GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(m_selection.Blocks().GetNext(pos));
        moveAlone(pBlock->m_bSelected, nAxis == ALIGN_X ? pBlock->m_ptPos.x : pBlock->m_ptPos.y);
    }
    for (POSITION pos = m_selection.Comments().GetHeadPosition(); pos;) {
        auto* pComment = static_cast<CBlockComment*>(m_selection.Comments().GetNext(pos));
        moveAlone(pComment->m_bCommentSelected, nAxis == ALIGN_X ? pComment->m_nLeft : pComment->m_nTop);
    }
    SetFlags(m_selection.Lines(), &CConnectLineObj::m_bLineSelected, 1);
    SetFlags(m_selection.Comments(), &CBlockComment::m_bCommentSelected, 1);
    SetFlags(m_selection.Blocks(), &CBlockObj::m_bSelected, 1);
    if (!bMoved)
        return;
    InvalidateAll();
    if (m_pDocument)
        m_pDocument->m_undo.SaveState(m_pDocument);
}
