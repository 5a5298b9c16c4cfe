#include "document/DiagramDelete.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/BlockNumbering.h"
#include "document/BlockReferences.h"
#include "document/ConnectorPairs.h"
#include "document/FunctionRenumbering.h"
#include "document/Junctions.h"
#include "document/LineEnds.h"
#include "document/ListWalks.h"
#include "document/MsgTextReferences.h"
#include "document/VetlaDoc.h"
#include "document/WiringRules.h"

#include <initializer_list>
#include <set>
#include <utility>

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
void CollectBlocks(const CVetlaDoc& doc, const std::vector<CBlockObj*>& selected, DeleteSet& blocks)
{
    for (CBlockObj* pBlock : selected) {
        blocks.Add(pBlock);
        blocks.Add(FindPartner(doc, pBlock));
    }
    if (!doc.IsLadder())
        return;
    const std::vector<CBlockObj*> all = ListSnapshot<CBlockObj>(doc.m_blockList);
    for (std::size_t i = 0; i < blocks.Blocks().size(); ++i) {
        const CBlockObj* pBlock = blocks.Blocks()[i];
        if (IsConnectorBlock(pBlock) || IsLadderContactType(pBlock->m_nType))
            continue;
        for (CBlockObj* pContact : all) {
            if (IsLadderContactType(pContact->m_nType) && pContact->m_nOperand == pBlock->m_nNumber)
                blocks.Add(pContact);
        }
    }
}

// The selected wires and the wires at deleted blocks; a wire into a connector takes the pair
// (and so the partner's wire) with it, until nothing more joins.
std::vector<CConnectLineObj*> CollectLines(const CVetlaDoc& doc, DeleteSet& blocks)
{
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

void DeleteLines(CVetlaDoc& doc, const std::vector<CConnectLineObj*>& lines, const DeleteSet& blocks,
                 const std::function<void(CObject&)>& release)
{
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
        release(*pLine);
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
BOOL ReleaseBlock(CVetlaDoc& doc, CBlockObj* pBlock)
{
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
    return bFunction;
}

void DeleteBlock(CVetlaDoc& doc, CBlockObj* pBlock, const std::function<void(CObject&)>& release)
{
    if (POSITION pos = doc.m_blockList.Find(pBlock))
        doc.m_blockList.RemoveAt(pos);
    release(*pBlock);
    delete pBlock;
}

} // namespace

void DeleteWithDependents(CVetlaDoc& doc, const std::vector<CBlockObj*>& selectedBlocks,
                          const std::vector<CBlockComment*>& comments, const std::function<void(CObject&)>& release)
{
    DeleteSet blocks;
    CollectBlocks(doc, selectedBlocks, blocks);
    const std::vector<CConnectLineObj*> lines = CollectLines(doc, blocks);
    DeleteLines(doc, lines, blocks, release);

    BOOL bFunctionDeleted = FALSE;
    for (CBlockObj* pBlock : blocks.Blocks()) {
        if (ReleaseBlock(doc, pBlock))
            bFunctionDeleted = TRUE;
        DeleteBlock(doc, pBlock, release);
    }
    if (bFunctionDeleted)
        RenumberFunctionBlocks(doc);

    for (CBlockComment* pComment : comments) {
        if (POSITION pos = doc.m_commentList.Find(pComment))
            doc.m_commentList.RemoveAt(pos);
        release(*pComment);
        delete pComment;
    }
    if (!blocks.Blocks().empty() || !lines.empty() || !comments.empty())
        doc.SetModifiedFlag(TRUE);
}
