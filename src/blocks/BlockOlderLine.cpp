// What the older controller line cannot follow of a block's settings, the shift register bit a
// block reads (that line has the first register's only), and how the settings fall back when a
// document moves between the lines: one place for the rules of every class that has them.
#include "blocks/BlockAnalog.h"
#include "blocks/BlockClock.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockMR.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTypes.h"

namespace {

constexpr UINT IDS_FIRST_SHIFT_REGISTER_ONLY = 622;
constexpr UINT IDS_NO_PULSE = 625;
constexpr UINT IDS_NO_YEAR_RANGE = 626;
constexpr UINT IDS_YEARLY_MODE_ONLY = 627;
constexpr UINT IDS_START_VALUE = 628;
constexpr UINT IDS_EQUAL_THRESHOLDS = 629;
constexpr UINT IDS_WHOLE_HOURS = 630;
constexpr UINT IDS_NO_RICH_TEXT = 644;

// The only year range the older yearly timer knows.
constexpr int OLD_FIRST_YEAR = 2000;
constexpr int OLD_LAST_YEAR = 2099;

// The shift register bits of all four registers.
constexpr int SHIFT_BIT_COUNT = 64;

// The Modbus write block's fixed roles of pins 8 and 9 on the newer line.
constexpr int MW_DATA_PIN = 8;
constexpr int MW_END_PIN = 9;
constexpr int MW_DATA_ROLE = 57;

} // namespace

CString CBlockObj::OlderLineProblem(long long /*nIndex*/, const CString& /*strCaption*/) const { return CString(); }

CString CBlockWT::OlderLineProblem(long long nIndex, const CString& /*strCaption*/) const
{
    return m_nParam[WT_PULSE_PARAM] ? Formatted(IDS_NO_PULSE, nIndex) : CString();
}

CString CBlockYT::OlderLineProblem(long long nIndex, const CString& /*strCaption*/) const
{
    if (m_nParam[YT_ON_YEAR_PARAM] != OLD_FIRST_YEAR || m_nParam[YT_OFF_YEAR_PARAM] != OLD_LAST_YEAR)
        return Formatted(IDS_NO_YEAR_RANGE, nIndex, OLD_FIRST_YEAR, OLD_LAST_YEAR);
    if (!m_nParam[YT_YEARLY_PARAM])
        return Formatted(IDS_YEARLY_MODE_ONLY, nIndex);
    if (m_nParam[YT_PULSE_PARAM])
        return Formatted(IDS_NO_PULSE, nIndex);
    return CString();
}

void CBlockYT::AdaptToNewerLine()
{
    m_nParam[YT_PULSE_PARAM] = 0;
    m_nParam[YT_YEARLY_PARAM] = 1;
    m_nParam[YT_OFF_YEAR_PARAM] = OLD_LAST_YEAR;
    m_nParam[YT_ON_YEAR_PARAM] = OLD_FIRST_YEAR;
}

CString CBlockCOUNTER::OlderLineProblem(long long nIndex, const CString& strCaption) const
{
    return m_nParam[COUNTER_START_PARAM] != 0 ? Formatted(IDS_START_VALUE, nIndex, strCaption) : CString();
}

CString CBlockHCOUNTER::OlderLineProblem(long long nIndex, const CString& strCaption) const
{
    return m_nParam[HCOUNTER_MI_MINUTES_PARAM] > 0 || m_nParamEx[HCOUNTER_OT_MINUTES_PARAMEX] > 0
               ? Formatted(IDS_WHOLE_HOURS, nIndex, strCaption)
               : CString();
}

CString CBlockAWDOG::OlderLineProblem(long long nIndex, const CString& strCaption) const
{
    return m_nThreshold1 != m_nThreshold2 ? Formatted(IDS_EQUAL_THRESHOLDS, nIndex, strCaption) : CString();
}

void CBlockAWDOG::AdaptToNewerLine() { m_nThreshold1 = m_nThreshold2; }

CString CBlockSREG::OlderLineProblem(long long nIndex, const CString& strCaption) const
{
    return m_nParamEx[SREG_INDEX_PARAMEX] != 0 ? Formatted(IDS_FIRST_SHIFT_REGISTER_ONLY, nIndex, strCaption)
                                               : CString();
}

void CBlockSREG::AdaptToNewerLine() { m_nParamEx[SREG_INDEX_PARAMEX] = 0; }

CString CBlockMSGTEXT::OlderLineProblem(long long nIndex, const CString& strCaption) const
{
    return Formatted(IDS_NO_RICH_TEXT, nIndex, strCaption);
}

void CBlockMR::AdaptToOlderLine() { m_nDataKind = 0; }

void CBlockMR::AdaptToNewerLine() { m_nDataKind = 0; }

void CBlockMW::AdaptToNewerLine()
{
    if (m_nPinSource[MW_DATA_PIN] != MW_DATA_ROLE) {
        m_nPinSource[MW_DATA_PIN] = MW_DATA_ROLE;
        m_nPinSource[MW_END_PIN] = LINK_END;
        m_nDataKind = 0;
    }
}

int CBlockMake::ShiftBitRead() const
{
    return m_nOperand >= NUM_SHIFT && m_nOperand < NUM_SHIFT + SHIFT_BIT_COUNT ? m_nOperand - NUM_SHIFT : -1;
}
