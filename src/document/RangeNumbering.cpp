// The numbering of one range-numbered type, kept while blocks of the type are added.
#include "document/RangeNumbering.h"

#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"

namespace {

constexpr int LAD_CONTACT_OPERAND = NUM_INPUT;
constexpr int LAD_ACONTACT_OPERAND = NUM_ANALOG_IN;

} // namespace

void RangeNumbering::UsedTable::Mark(int nIndex)
{
    if (nIndex < 0 || nIndex >= int(m_used.size()))
        return;
    m_used[std::size_t(nIndex)] = true;
    while (m_nLowestFree < m_used.size() && m_used[m_nLowestFree])
        ++m_nLowestFree;
}

RangeNumbering::OperandTables::OperandTables(std::initializer_list<OperandTableRange> ranges) : m_ranges(ranges)
{
    for (const OperandTableRange& range : m_ranges)
        m_tables.emplace_back(range.nSize);
}

void RangeNumbering::OperandTables::Mark(int nOperand)
{
    for (std::size_t i = m_ranges.size(); i-- > 0;) {
        if (nOperand >= m_ranges[i].nBase) {
            m_tables[i].Mark(nOperand - m_ranges[i].nBase);
            return;
        }
    }
}

int RangeNumbering::OperandTables::LowestFree() const
{
    for (std::size_t i = 0; i < m_ranges.size(); ++i) {
        const int j = m_tables[i].LowestFree();
        if (j >= 0)
            return m_ranges[i].nBase + j;
    }
    return -1;
}

RangeNumbering::RangeNumbering(const CVetlaDoc& doc, int nType)
    : m_nType(nType), m_bLadder(doc.IsLadder()), m_pRange(FindNumberRange(nType)),
      m_used(m_pRange ? m_pRange->Size(doc.IsNewGenerationDoc()) : 0)
{
    const int nSize = m_pRange ? m_pRange->Size(doc.IsNewGenerationDoc()) : 0;
    for (int i = 0; i < nSize; ++i) {
        if (!m_pRange->IsAssignable(i))
            m_used.Mark(i);
    }
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;)
        Take(*static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos)));
}

void RangeNumbering::Take(const CBlockObj& block)
{
    if (!CountsToward(m_nType, block.m_nType))
        return;
    m_used.Mark(block.m_nNumber - (m_pRange ? m_pRange->nBase : 0));
    if (IsCoil(m_nType))
        m_coilOperands.Mark(block.m_nOperand);
    else if (m_nType == BT_AOUT_LAD)
        m_analogOperands.Mark(block.m_nOperand);
}

void RangeNumbering::Number(CBlockObj& block, BOOL bKeepOperand) const
{
    const int i = m_used.LowestFree();
    if (i < 0)
        return;
    block.m_nNumber = m_pRange->nBase + i;
    if (bKeepOperand)
        return;
    if (!m_bLadder) {
        block.m_nOperand = i;
        return;
    }
    int nOperand = i;
    if (m_nType == BT_MAKE || m_nType == BT_BREAK)
        nOperand = LAD_CONTACT_OPERAND;
    else if (m_nType == BT_ACONTACT)
        nOperand = LAD_ACONTACT_OPERAND;
    else if (IsCoil(m_nType))
        nOperand = m_coilOperands.LowestFree();
    else if (m_nType == BT_AOUT_LAD)
        nOperand = m_analogOperands.LowestFree();
    if (nOperand >= 0)
        block.m_nOperand = nOperand;
}
