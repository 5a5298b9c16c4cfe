// The block-list services: numbering new and pasted blocks within their ranges, lookups by
// number, operand and position, the counts the pages and the codec ask for, and the capacity
// limits of the controller generations.
#include "document/VetlaDoc.h"

#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "document/RangeNumbering.h"

#include <unordered_set>
#include <vector>

namespace {

// Block types that are numbered within a range of their own; every other block is a function
// block. The cursor key has a range row but is numbered as a function block.
BOOL IsRangeNumbered(int nType) { return nType != BT_CURSOR_KEY && FindNumberRange(nType) != nullptr; }

// The I/O and ladder blocks a paste keeps the number of, when it is free.
BOOL KeepsPastedNumber(int nType)
{
    return IsRangeNumbered(nType) && GetBlockCategory(nType) == BLOCK_CATEGORY_IO;
}

BOOL IsConnector(int nType) { return nType == BT_MALE || nType == BT_FEMALE; }

} // namespace

std::vector<CBlockObj*> CVetlaDoc::BlocksInEditOrder() const
{
    std::vector<CBlockObj*> listed;
    for (POSITION pos = m_blockList.GetHeadPosition(); pos;)
        listed.push_back(static_cast<CBlockObj*>(m_blockList.GetNext(pos)));
    if (m_editOrder.empty())
        return listed;
    // The kept order is only compared by address: a block deleted since is simply not listed.
    std::unordered_set<const CBlockObj*> unplaced(listed.begin(), listed.end());
    std::vector<CBlockObj*> ordered;
    ordered.reserve(listed.size());
    for (CBlockObj* pBlock : m_editOrder) {
        if (unplaced.erase(pBlock))
            ordered.push_back(pBlock);
    }
    for (CBlockObj* pBlock : listed) {
        if (unplaced.contains(pBlock))
            ordered.push_back(pBlock);
    }
    return ordered;
}

void CVetlaDoc::SetClickPoint(int x, int y) { m_ptClick = {x, y}; }

void CVetlaDoc::AddBlock(CBlockObj* pBlock)
{
    if (!pBlock)
        return;
    if (IsRangeNumbered(pBlock->m_nType))
        NumberInRange(pBlock, FALSE);
    else
        pBlock->m_nNumber = NUM_FUNCTION_BLOCK + CountFunctionBlocks();
    AppendBlock(pBlock);
}

void CVetlaDoc::AddBlock(CBlockObj* pBlock, RangeNumbering& numbering)
{
    if (!pBlock)
        return;
    numbering.Number(*pBlock, FALSE);
    numbering.Take(*pBlock);
    AppendBlock(pBlock);
}

void CVetlaDoc::AppendBlock(CBlockObj* pBlock)
{
    pBlock->SetDocument(this);
    m_blockList.AddTail(pBlock);
    SetModifiedFlag(TRUE);
}

void CVetlaDoc::NumberInRange(CBlockObj* pBlock, BOOL bKeepOperand)
{
    RangeNumbering(*this, pBlock->m_nType).Number(*pBlock, bKeepOperand);
}

void CVetlaDoc::AddPastedBlock(CBlockObj* pBlock)
{
    if (!pBlock)
        return;
    const int nType = pBlock->m_nType;
    const int nCopiedNumber = pBlock->m_nNumber;
    if (IsConnector(nType)) {
        NumberPastedConnector(pBlock);
    } else if (KeepsPastedNumber(nType) || nType == BT_DATALOG) {
        // Contacts pasted into a ladder document keep the operand they were copied with.
        if (FindBlockByNumber(pBlock->m_nNumber))
            NumberInRange(pBlock, IsLadder() && IsLadderContactType(nType));
    } else {
        pBlock->m_nNumber = NUM_FUNCTION_BLOCK + CountFunctionBlocks();
    }
    // The high-speed attribute belongs to the input point: a pasted input that keeps its point
    // keeps it, one that takes another point starts without.
    if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockIn)) && pBlock->m_nNumber != nCopiedNumber)
        static_cast<CBlockIn*>(pBlock)->m_bHighSpeed = 0;
    AppendBlock(pBlock);
}

void CVetlaDoc::NumberPastedConnector(CBlockObj* pBlock)
{
    // A male and its female stay a pair: the female's number is the male's + 2000.
    const BOOL bMale = pBlock->m_nType == BT_MALE;
    const int nPartnerOffset = bMale ? NUM_FEMALE_OFFSET : -NUM_FEMALE_OFFSET;
    const int nOldNumber = pBlock->m_nNumber;

    // The partner was pasted first: take the number that matches its new one.
    const auto itPartner = m_mapPastedConnectors.find(nOldNumber + nPartnerOffset);
    if (itPartner != m_mapPastedConnectors.end()) {
        const int nNumber = itPartner->second - nPartnerOffset;
        m_mapPastedConnectors.erase(itPartner);
        if (!FindBlockByNumber(nNumber)) {
            pBlock->m_nNumber = nNumber;
            return;
        }
    }

    // The first of a pair: its own number when both it and the partner's are free, else the
    // lowest pair of free numbers.
    const auto pairIsFree = [&](int nNumber) {
        return !FindBlockByNumber(nNumber) && !FindBlockByNumber(nNumber + nPartnerOffset);
    };
    const int nBase = bMale ? NUM_MALE : NUM_FEMALE;
    const NumberRange* pRange = FindNumberRange(pBlock->m_nType);
    if (!(nOldNumber >= nBase && nOldNumber < nBase + pRange->nSizeNew && pairIsFree(nOldNumber))) {
        for (int i = 0; i < pRange->nSizeNew; ++i) {
            if (pairIsFree(nBase + i)) {
                pBlock->m_nNumber = nBase + i;
                break;
            }
        }
    }
    m_mapPastedConnectors[nOldNumber] = pBlock->m_nNumber;
}

CBlockObj* CVetlaDoc::FindBlockInList(int nNumber) const
{
    if (IsLadder() && !m_powerBusList.IsEmpty()) {
        CBlockObj* pRail = AsBlock(m_powerBusList.GetHead());
        if (pRail && pRail->m_nNumber == nNumber)
            return pRail;
    }
    for (POSITION pos = m_blockList.GetHeadPosition(); pos;) {
        CBlockObj* pBlock = AsBlock(m_blockList.GetNext(pos));
        if (pBlock && pBlock->m_nNumber == nNumber)
            return pBlock;
    }
    return nullptr;
}

std::vector<CBlockObj*> CVetlaDoc::FindBlocksInNumberRange(int nFirst, int nLast) const
{
    return m_pNumberIndex ? m_pNumberIndex->FindInNumberRange(nFirst, nLast) : FindBlocksInList(nFirst, nLast);
}

std::vector<CBlockObj*> CVetlaDoc::FindBlocksInList(int nFirst, int nLast) const
{
    std::vector<CBlockObj*> blocks;
    for (POSITION pos = m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(m_blockList.GetNext(pos));
        if (pBlock->m_nNumber >= nFirst && pBlock->m_nNumber <= nLast)
            blocks.push_back(pBlock);
    }
    return blocks;
}

CBlockObj* CVetlaDoc::FindBlockByOperand(int nOperand, int nType) const
{
    for (POSITION pos = m_blockList.GetHeadPosition(); pos;) {
        CBlockObj* pBlock = AsBlock(m_blockList.GetNext(pos));
        if (pBlock && pBlock->m_nOperand == nOperand && pBlock->m_nType == nType)
            return pBlock;
    }
    return nullptr;
}

CBlockObj* CVetlaDoc::BlockAtPoint(int x, int y) const
{
    for (POSITION pos = m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(m_blockList.GetNext(pos));
        CRect rect;
        pBlock->GetRect(&rect);
        if (rect.PtInRect(CPoint(x, y)))
            return pBlock;
    }
    return nullptr;
}

CBlockObj* CVetlaDoc::BlockAtPointWithPins(int x, int y) const
{
    constexpr int PIN_STUB_REACH = 9;
    for (POSITION pos = m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(m_blockList.GetNext(pos));
        CRect rect;
        pBlock->GetRect(&rect);
        rect.InflateRect(PIN_STUB_REACH, 0);
        if (rect.PtInRect(CPoint(x, y)))
            return pBlock;
    }
    return nullptr;
}

int CVetlaDoc::CountFunctionBlocks() const
{
    int nCount = 0;
    for (POSITION pos = m_blockList.GetHeadPosition(); pos;) {
        const int nNumber = static_cast<const CBlockObj*>(m_blockList.GetNext(pos))->m_nNumber;
        if (nNumber >= NUM_FUNCTION_BLOCK && nNumber <= FUNCTION_BLOCK_LAST)
            ++nCount;
    }
    return nCount;
}

int CVetlaDoc::CountNonConnectorBlocks() const
{
    int nCount = 0;
    for (POSITION pos = m_blockList.GetHeadPosition(); pos;) {
        if (!IsConnector(static_cast<const CBlockObj*>(m_blockList.GetNext(pos))->m_nType))
            ++nCount;
    }
    return nCount;
}

int CVetlaDoc::CountReferenceBlocks(int nExcludeNumber) const
{
    const BOOL bNew = IsNewGenerationDoc();
    int nCount = 0;
    for (POSITION pos = m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(m_blockList.GetNext(pos));
        if (pBlock->m_nNumber == nExcludeNumber)
            continue;
        const int nType = pBlock->m_nType;
        const BOOL bOffers =
            bNew ? GetBlockCategory(nType) == BLOCK_CATEGORY_FUNCTION && BlockFamilyOf(nType) != BlockFamily::Logic &&
                       (pBlock->m_nCapFlags & 0x01)
                 : HasTypeFlag(nType, BTF_OLDER_REFERENCE);
        if (bOffers)
            ++nCount;
    }
    return nCount;
}

int CVetlaDoc::GetProgramSize() const
{
    int nSize = 0;
    for (POSITION pos = m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(m_blockList.GetNext(pos));
        if (GetBlockCategory(pBlock->m_nType) == BLOCK_CATEGORY_FUNCTION)
            nSize += pBlock->m_wProgramBytes;
    }
    return nSize;
}

int CVetlaDoc::CountNamedBlocks() const
{
    int nCount = 0;
    for (POSITION pos = m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(m_blockList.GetNext(pos));
        if (GetBlockCategory(pBlock->m_nType) == BLOCK_CATEGORY_FUNCTION && !pBlock->m_strLabelSuffix.IsEmpty())
            ++nCount;
    }
    return nCount;
}

BOOL CVetlaDoc::HasRoomForBlock(int nType, BlockRoomRequest* pRequest) const
{
    const CapacityLimit* pLimit = FindCapacityLimit(nType);
    if (!pLimit)
        return FALSE;
    int nCount = 0;
    int nOutCount[3] = {};
    for (POSITION pos = m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(m_blockList.GetNext(pos));
        if (!CountsToward(nType, pBlock->m_nType))
            continue;
        ++nCount;
        const int nOperand = pBlock->m_nOperand;
        if (IsCoil(nType) && nOperand >= OPERANDS_Q.nBase)
            ++nOutCount[nOperand >= OPERANDS_X.nBase ? 2 : nOperand >= OPERANDS_M.nBase ? 1 : 0];
        else if (nType == BT_AOUT_LAD && nOperand >= OPERANDS_AQ.nBase)
            ++nOutCount[nOperand >= OPERANDS_AM.nBase ? 1 : 0];
    }
    if (pRequest && IsCoil(nType)) {
        for (int i = 0; i < 3; ++i)
            pRequest->nOutCount[i] = nOutCount[i];
    } else if (pRequest && nType == BT_AOUT_LAD) {
        pRequest->nOutCount[0] = nOutCount[0];
        pRequest->nOutCount[1] = nOutCount[1];
    }
    const int nMax = pLimit->Limit(IsNewGenerationDoc());
    return nCount < nMax && (!pRequest || nCount + pRequest->nCount <= nMax);
}

void CVetlaDoc::UpdateSpecialBlockSizes()
{
    for (POSITION pos = m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(m_blockList.GetNext(pos));
        const WORD wBytes = GetSpecialProgramBytes(pBlock->m_nType, m_wHardwareCode);
        if (wBytes != 0)
            pBlock->m_wProgramBytes = wBytes;
    }
}

BOOL GetBlockPinRect(CRect* pRect, CBlockObj* pBlock, int nPin)
{
    if (!pBlock || nPin < 0 || nPin >= BLOCK_PIN_COUNT || pBlock->m_nPinKind[nPin] == PINKIND_NONE)
        return FALSE;
    return pBlock->GetPinRect(pRect, nPin, 5);
}
