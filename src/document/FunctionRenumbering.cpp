#include "document/FunctionRenumbering.h"

#include "blocks/BlockDataLog.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "document/BlockNameMap.h"
#include "document/BlockNumbering.h"
#include "document/LineEnds.h"
#include "document/MsgTextReferences.h"
#include "document/VetlaDoc.h"

#include <set>
#include <utility>
#include <vector>

namespace {

std::vector<CBlockObj*> BlocksOf(const CVetlaDoc& doc)
{
    std::vector<CBlockObj*> blocks;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;)
        blocks.push_back(static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos)));
    return blocks;
}

// The ladder contacts that read a function block, each with the block it reads.
std::vector<std::pair<CBlockObj*, const CBlockObj*>> ContactReads(const CVetlaDoc& doc)
{
    std::vector<std::pair<CBlockObj*, const CBlockObj*>> reads;
    if (!doc.IsLadder())
        return reads;
    for (CBlockObj* pBlock : BlocksOf(doc)) {
        if (!IsLadderContactType(pBlock->m_nType) || !IsFunctionBlockNumber(pBlock->m_nOperand))
            continue;
        if (const CBlockObj* pRead = doc.FindBlockByNumber(pBlock->m_nOperand))
            reads.emplace_back(pBlock, pRead);
    }
    return reads;
}

// The blocks whose number changed.
std::set<const CBlockObj*> NumberWithoutGaps(const CVetlaDoc& doc)
{
    std::set<const CBlockObj*> renumbered;
    int nNext = NUM_FUNCTION_BLOCK;
    for (CBlockObj* pBlock : BlocksOf(doc)) {
        if (!IsFunctionBlockNumber(pBlock->m_nNumber))
            continue;
        if (pBlock->m_nNumber != nNext) {
            pBlock->m_nNumber = nNext;
            renumbered.insert(pBlock);
        }
        ++nNext;
    }
    return renumbered;
}

void RenameLogItems(const CVetlaDoc& doc, const std::set<const CBlockObj*>& renumbered)
{
    for (CBlockObj* pBlock : BlocksOf(doc)) {
        auto* pLog = dynamic_cast<CBlockDataLog*>(pBlock);
        if (!pLog)
            continue;
        for (INT_PTR i = 0; i < pLog->m_arrLogItems.GetSize(); ++i) {
            DataLogItem& item = pLog->m_arrLogItems[i];
            if (item.nSpare && renumbered.count(item.nSpare)) {
                item.nValue1 = item.nSpare->m_nNumber;
                item.strItem = DataLogItemText(item.nSpare);
            }
        }
    }
}

} // namespace

void RenumberFunctionBlocks(CVetlaDoc& doc)
{
    const auto reads = ContactReads(doc);
    const std::set<const CBlockObj*> renumbered = NumberWithoutGaps(doc);
    RefreshLineEnds(doc);
    RenameLogItems(doc, renumbered);
    for (const auto& [pContact, pRead] : reads)
        pContact->m_nOperand = pRead->m_nNumber;
    RefreshMsgTextRefNumbers(doc);
    doc.SetModifiedFlag(TRUE);
}

CString DataLogItemText(const CBlockObj* pBlock)
{
    return BlockListText(pBlock->m_nNumber, pBlock->m_nType);
}
