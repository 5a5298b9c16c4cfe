// The block-list services: numbering new and pasted blocks within their ranges, lookups by
// number, operand and position, the counts the pages and the codec ask for, and the capacity
// limits of the controller generations.
#include "document/VetlaDoc.h"

#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"

#include <initializer_list>
#include <vector>

namespace {

constexpr int LAD_CONTACT_OPERAND = NUM_INPUT;
constexpr int LAD_ACONTACT_OPERAND = NUM_ANALOG_IN;

// Block types that are numbered within a range of their own; every other block is a function
// block. The cursor key has a range row but is numbered as a function block.
BOOL IsRangeNumbered(int nType) { return nType != BT_CURSOR_KEY && FindNumberRange(nType) != nullptr; }

// The I/O and ladder blocks a paste keeps the number of, when it is free.
BOOL KeepsPastedNumber(int nType)
{
    return IsRangeNumbered(nType) && GetBlockCategory(nType) == BLOCK_CATEGORY_IO;
}

BOOL IsCoil(int nType) { return nType == BT_RELAY_COIL || nType == BT_INV_OUT; }
BOOL IsConnector(int nType) { return nType == BT_MALE || nType == BT_FEMALE; }

// Blocks of nBlockType count toward the limit of nLimitType: relay coils and inverted outputs
// share one limit.
BOOL CountsToward(int nLimitType, int nBlockType)
{
    return nBlockType == nLimitType || (IsCoil(nLimitType) && IsCoil(nBlockType));
}

// A table of used indexes of one range.
class UsedTable {
public:
    explicit UsedTable(int nSize) : m_used(std::size_t(nSize > 0 ? nSize : 0), false) {}

    // Numbers outside the table (a stored number beyond its range) have no place in it.
    void MarkNumber(int nNumber, int nBase)
    {
        const int i = nNumber - nBase;
        if (i >= 0 && i < int(m_used.size()))
            m_used[std::size_t(i)] = true;
    }
    void MarkIndex(int i) { MarkNumber(i, 0); }
    // The lowest free index, -1 when none.
    int LowestFree() const
    {
        for (std::size_t i = 0; i < m_used.size(); ++i) {
            if (!m_used[i])
                return int(i);
        }
        return -1;
    }

private:
    std::vector<bool> m_used;
};

// The operand tables of a ladder document that coils or analog outputs draw from.
struct OperandTables {
    explicit OperandTables(std::initializer_list<OperandTableRange> ranges) : m_ranges(ranges)
    {
        for (const OperandTableRange& range : m_ranges)
            m_tables.emplace_back(range.nSize);
    }
    // The operand goes into the highest table whose base it reaches.
    void Mark(int nOperand)
    {
        for (std::size_t i = m_ranges.size(); i-- > 0;) {
            if (nOperand >= m_ranges[i].nBase) {
                m_tables[i].MarkNumber(nOperand, m_ranges[i].nBase);
                return;
            }
        }
    }
    // The lowest free operand, taking the tables in order; -1 when all are full.
    int LowestFree() const
    {
        for (std::size_t i = 0; i < m_ranges.size(); ++i) {
            const int j = m_tables[i].LowestFree();
            if (j >= 0)
                return m_ranges[i].nBase + j;
        }
        return -1;
    }

    std::vector<OperandTableRange> m_ranges;
    std::vector<UsedTable> m_tables;
};

} // namespace

void CVetlaDoc::SetClickPoint(int x, int y) { m_ptClick = {x, y}; }

void CVetlaDoc::AddBlock(CBlockObj* pBlock)
{
    if (!pBlock)
        return;
    if (IsRangeNumbered(pBlock->m_nType))
        NumberInRange(pBlock, FALSE);
    else
        pBlock->m_nNumber = NUM_FUNCTION_BLOCK + CountFunctionBlocks();
    pBlock->SetDocument(this);
    m_blockList.AddTail(pBlock);
    SetModifiedFlag(TRUE);
}

void CVetlaDoc::NumberInRange(CBlockObj* pBlock, BOOL bKeepOperand)
{
    const int nType = pBlock->m_nType;
    const NumberRange* pRange = FindNumberRange(nType);
    const int nSize = pRange ? pRange->Size(IsNewGenerationDoc()) : 0;
    const int nBase = pRange ? pRange->nBase : 0;

    UsedTable used(nSize);
    for (int i = 0; i < nSize; ++i) {
        if (!pRange->IsAssignable(i))
            used.MarkIndex(i);
    }
    // Coils draw their operands from Q, then M, then X; analog outputs from AQ, then AM.
    OperandTables coilOperands{OPERANDS_Q, OPERANDS_M, OPERANDS_X};
    OperandTables analogOperands{OPERANDS_AQ, OPERANDS_AM};
    for (POSITION pos = m_blockList.GetHeadPosition(); pos;) {
        const auto* pOther = static_cast<const CBlockObj*>(m_blockList.GetNext(pos));
        if (!CountsToward(nType, pOther->m_nType))
            continue;
        used.MarkNumber(pOther->m_nNumber, nBase);
        if (IsCoil(nType))
            coilOperands.Mark(pOther->m_nOperand);
        else if (nType == BT_AOUT_LAD)
            analogOperands.Mark(pOther->m_nOperand);
    }

    const int i = used.LowestFree();
    if (i < 0)
        return;
    pBlock->m_nNumber = nBase + i;
    if (bKeepOperand)
        return;
    if (!IsLadder()) {
        pBlock->m_nOperand = i;
        return;
    }
    int nOperand = i;
    if (nType == BT_MAKE || nType == BT_BREAK)
        nOperand = LAD_CONTACT_OPERAND;
    else if (nType == BT_ACONTACT)
        nOperand = LAD_ACONTACT_OPERAND;
    else if (IsCoil(nType))
        nOperand = coilOperands.LowestFree();
    else if (nType == BT_AOUT_LAD)
        nOperand = analogOperands.LowestFree();
    if (nOperand >= 0)
        pBlock->m_nOperand = nOperand;
}

void CVetlaDoc::AddPastedBlock(CBlockObj* pBlock)
{
    if (!pBlock)
        return;
    const int nType = pBlock->m_nType;
    if (IsConnector(nType)) {
        NumberPastedConnector(pBlock);
    } else if (KeepsPastedNumber(nType) || nType == BT_DATALOG) {
        // Contacts pasted into a ladder document keep the operand they were copied with.
        if (FindBlockByNumber(pBlock->m_nNumber))
            NumberInRange(pBlock, IsLadder() && IsLadderContactType(nType));
    } else {
        pBlock->m_nNumber = NUM_FUNCTION_BLOCK + CountFunctionBlocks();
    }
    if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockIn)))
        static_cast<CBlockIn*>(pBlock)->m_bHighSpeed = 0;
    pBlock->SetDocument(this);
    m_blockList.AddTail(pBlock);
    SetModifiedFlag(TRUE);
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
