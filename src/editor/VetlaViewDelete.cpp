// Delete and Select All. Deleting takes along what cannot stand without the deleted objects: a
// connector's partner and the pair's wires, the ladder contacts that read a deleted block, the
// wires at deleted blocks, and every reference to a deleted block; the function blocks are then
// numbered again without gaps.
#include "editor/VetlaView.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/BlockNumbering.h"
#include "document/BlockReferences.h"
#include "document/FunctionRenumbering.h"
#include "document/Junctions.h"
#include "document/LineEnds.h"
#include "document/MsgTextReferences.h"
#include "document/VetlaDoc.h"
#include "document/WiringRules.h"
#include "editor/DiagramEditHelpers.h"
#include "platform/core/CmdTarget.h"
#include "platform/core/PtrArray.h"

#include <initializer_list>
#include <set>
#include <vector>

namespace {

// The blocks a delete removes, each once, in the order they were taken.
class DeleteSet {
public:
    bool Add(CBlockObj* pBlock)
    {
        if (!pBlock || !m_set.insert(pBlock).second)
            return false;
        m_order.push_back(pBlock);
        return true;
    }
    bool Holds(const CBlockObj* pBlock) const { return m_set.count(pBlock) != 0; }
    const std::vector<CBlockObj*>& Blocks() const { return m_order; }

private:
    std::set<const CBlockObj*> m_set;
    std::vector<CBlockObj*> m_order;
};

// The selected blocks with their connector partners and, in a ladder document, the contacts
// that read a deleted block.
void CollectBlocks(const CVetlaView& view, DeleteSet& blocks)
{
    const CVetlaDoc& doc = *view.GetDocument();
    for (CBlockObj* pBlock : ListSnapshot<CBlockObj>(view.Selection().Blocks())) {
        blocks.Add(pBlock);
        blocks.Add(FindPartner(doc, pBlock));
    }
    if (!doc.IsLadder())
        return;
    const std::vector<CBlockObj*> all = ListSnapshot<CBlockObj>(doc.m_blockList);
    for (std::size_t i = 0; i < blocks.Blocks().size(); ++i) {
        const CBlockObj* pBlock = blocks.Blocks()[i];
        if (IsConnectorBlock(pBlock) || IsLadderContact(pBlock->m_nType))
            continue;
        for (CBlockObj* pContact : all) {
            if (IsLadderContact(pContact->m_nType) && pContact->m_nOperand == pBlock->m_nNumber)
                blocks.Add(pContact);
        }
    }
}

// The selected wires and the wires at deleted blocks; a wire into a connector takes the pair
// (and so the partner's wire) with it, until nothing more joins.
std::vector<CConnectLineObj*> CollectLines(const CVetlaView& view, DeleteSet& blocks)
{
    const CVetlaDoc& doc = *view.GetDocument();
    std::vector<CConnectLineObj*> lines;
    std::set<const CConnectLineObj*> taken;
    for (bool bGrew = true; bGrew;) {
        bGrew = false;
        for (CConnectLineObj* pLine : ListSnapshot<CConnectLineObj>(doc.m_lineList)) {
            if (taken.count(pLine))
                continue;
            if (pLine->m_bLineSelected || blocks.Holds(pLine->m_pStartBlock) || blocks.Holds(pLine->m_pEndBlock)) {
                taken.insert(pLine);
                lines.push_back(pLine);
                bGrew = true;
            }
        }
        for (const CConnectLineObj* pLine : lines) {
            CBlockObj* pConnector = pLine->m_pEndBlock;
            if (IsConnectorBlock(pConnector) && !blocks.Holds(pConnector)) {
                blocks.Add(pConnector);
                blocks.Add(FindPartner(doc, pConnector));
                bGrew = true;
            }
        }
    }
    return lines;
}

// A pin no wire uses any more is open again: an input reads the open code, an output feeds
// nothing.
void OpenPinIfUnused(CVetlaDoc& doc, CBlockObj* pBlock, const CConnectLineObj* pLine, int nPin)
{
    if (!pBlock || nPin < 0 || nPin >= BLOCK_PIN_COUNT || IsPinConnected(doc, pBlock, pLine, nPin))
        return;
    pBlock->m_nPinSource[nPin] = nPin < BLOCK_FIRST_OUTPUT ? LINK_OPEN : LINK_OUTPUT;
}

void DeleteLines(CVetlaView& view, const std::vector<CConnectLineObj*>& lines, const DeleteSet& blocks)
{
    CVetlaDoc& doc = *view.GetDocument();
    // The pins a deleted wire leaves on blocks that stay: the dots of the wires there change.
    std::set<std::pair<CBlockObj*, int>> pins;
    for (CConnectLineObj* pLine : lines) {
        for (const auto& [pBlock, nPin] : {std::pair(pLine->m_pStartBlock, pLine->m_nStartPin),
                                           std::pair(pLine->m_pEndBlock, pLine->m_nEndPin)}) {
            if (!pBlock || blocks.Holds(pBlock))
                continue;
            pins.emplace(pBlock, nPin);
            OpenPinIfUnused(doc, pBlock, pLine, nPin);
        }
        doc.RemoveLine(pLine);
        view.Selection().Remove(pLine);
        view.ForgetObject(pLine);
        delete pLine;
    }
    // Each wire left at such a pin is marked against the others there, and the pin's dots are
    // then checked once against the document's wires.
    for (const auto& [pBlock, nPin] : pins) {
        const std::vector<CConnectLineObj*> atPin = LinesAtPin(doc, pBlock, nPin);
        for (CConnectLineObj* pLine : atPin)
            MarkJunctionsAtPin(*pLine, pBlock, nPin, atPin);
        RefreshJunctions(doc, atPin);
    }
}

// LAD operands that message texts show by number.
bool IsShownOperand(int nOperand)
{
    struct Range {
        int nFirst;
        int nLast;
    };
    constexpr Range kShown[] = {{100, 355}, {600, 727}, {1000, 1063}, {1300, 1304}, {1316, 1827}, {4000, 4127}, {4288, 4799}};
    for (const Range& range : kShown) {
        if (nOperand >= range.nFirst && nOperand <= range.nLast)
            return true;
    }
    return false;
}

// I/O blocks that message texts of the newer controllers show by block.
bool IsShownIoBlock(int nType)
{
    for (int nShown : {BT_IN, BT_ANALOG_IN, BT_OUT, BT_FLAG, BT_FKEY, BT_SHIFT, BT_ANALOG_FLAG}) {
        if (nType == nShown)
            return true;
    }
    return false;
}

int CountWithOperand(const CVetlaDoc& doc, int nOperand)
{
    int nCount = 0;
    for (const CBlockObj* pBlock : ListSnapshot<CBlockObj>(doc.m_blockList)) {
        if (pBlock->m_nOperand == nOperand)
            ++nCount;
    }
    return nCount;
}

// Clears what refers to the block before it goes; TRUE for a function block.
BOOL ReleaseBlock(CVetlaView& view, CBlockObj* pBlock)
{
    CVetlaDoc& doc = *view.GetDocument();
    const int nType = pBlock->m_nType;
    BOOL bFunction = FALSE;
    if (GetBlockCategory(nType) == BLOCK_CATEGORY_FUNCTION) {
        ClearReferencesTo(doc, pBlock);
        RemoveMsgTextRefsByBlock(doc, pBlock);
        bFunction = TRUE;
    } else if (doc.IsNewGenerationDoc()) {
        if (IsShownIoBlock(nType))
            RemoveMsgTextRefsByBlock(doc, pBlock);
        else if (IsShownOperand(pBlock->m_nOperand) && CountWithOperand(doc, pBlock->m_nOperand) == 1)
            RemoveMsgTextRefsByNumber(doc, pBlock->m_nOperand);
    }
    // The older controllers' texts keep their elements; none may keep the deleted address.
    ForgetMsgTextBlock(doc, pBlock);
    const int nSlot = pBlock->m_nParamEx[MSGTEXT_SLOT_PARAMEX];
    if (nType == BT_MSGTEXT && nSlot >= 0 && nSlot < MSGTEXT_SLOT_COUNT)
        view.MarkMsgTextSlot(nSlot, false);
    return bFunction;
}

void DeleteBlock(CVetlaView& view, CBlockObj* pBlock)
{
    CObList& blocks = view.GetDocument()->m_blockList;
    if (POSITION pos = blocks.Find(pBlock))
        blocks.RemoveAt(pos);
    view.Selection().Remove(pBlock);
    view.ForgetObject(pBlock);
    delete pBlock;
}

} // namespace

void CVetlaView::DeleteSelection()
{
    if (!m_pDocument)
        return;
    CVetlaDoc& doc = *m_pDocument;
    DeleteSet blocks;
    CollectBlocks(*this, blocks);
    const std::vector<CConnectLineObj*> lines = CollectLines(*this, blocks);
    DeleteLines(*this, lines, blocks);

    BOOL bFunctionDeleted = FALSE;
    for (CBlockObj* pBlock : blocks.Blocks()) {
        if (ReleaseBlock(*this, pBlock))
            bFunctionDeleted = TRUE;
        DeleteBlock(*this, pBlock);
    }
    if (bFunctionDeleted)
        RenumberFunctionBlocks(doc);

    for (CBlockComment* pComment : ListSnapshot<CBlockComment>(m_selection.Comments())) {
        if (POSITION pos = doc.m_commentList.Find(pComment))
            doc.m_commentList.RemoveAt(pos);
        delete pComment;
    }
    if (!blocks.Blocks().empty() || !lines.empty() || !m_selection.Comments().IsEmpty())
        doc.SetModifiedFlag(TRUE);
    m_selection.Forget();
    m_pCurBlock = nullptr;
    m_pCurLine = nullptr;
    m_pCurComment = nullptr;
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
