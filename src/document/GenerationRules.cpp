#include "document/GenerationRules.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockClock.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "document/BlockNames.h"
#include "document/BlockNumbering.h"
#include "document/VetlaDoc.h"

namespace {

constexpr UINT IDS_SHIFT_TOO_HIGH = 617;
constexpr UINT IDS_REFERENCE_NOT_SUPPORTED = 619;
constexpr UINT IDS_FIRST_SHIFT_REGISTER_ONLY = 622;
constexpr UINT IDS_BLOCK_NOT_SUPPORTED = 623;
constexpr UINT IDS_NO_PULSE = 625;
constexpr UINT IDS_NO_YEAR_RANGE = 626;
constexpr UINT IDS_YEARLY_MODE_ONLY = 627;
constexpr UINT IDS_START_VALUE = 628;
constexpr UINT IDS_EQUAL_THRESHOLDS = 629;
constexpr UINT IDS_WHOLE_HOURS = 630;
constexpr UINT IDS_NO_RICH_TEXT = 644;
constexpr UINT IDS_IO_TOO_HIGH = 643;

// The only year range the older yearly timer knows.
constexpr int OLD_FIRST_YEAR = 2000;
constexpr int OLD_LAST_YEAR = 2099;

// The older controllers have 16 shift bits; of the inputs and outputs they have the lower points
// of each module that the type's address names.
constexpr int OLD_SHIFT_BITS = 16;

// The blocks of the older controllers' palette: the plain logic, the first twelve timers and
// the older Misc list.
bool IsOlderGenerationType(int nType)
{
    const BlockTypeRow* pRow = FindBlockType(nType);
    return pRow && (pRow->byGenerations & GEN_OLDER);
}

// How many parameter references of a block type the older controllers carry.
int OlderReferenceCount(int nType)
{
    const BlockTypeRow* pRow = FindBlockType(nType);
    return pRow ? pRow->references.nOlder : 0;
}

CString Caption(int nType)
{
    CString strCaption;
    g_mapBlockCaption.Lookup(nType, strCaption);
    return strCaption;
}

long long FunctionIndex(const CBlockObj& block) { return static_cast<long long>(block.m_nNumber) - NUM_FUNCTION_BLOCK; }

// A type only the newer line with WiFi offers.
bool IsWifiOnlyType(int nType)
{
    const BlockTypeRow* pRow = FindBlockType(nType);
    return pRow && (pRow->byGenerations & GEN_NEWER_ONES) == GEN_WIFI;
}

// The refusal of an I/O block of a type the older generation lacks; 0 for every other type.
UINT OlderRefusalId(int nType)
{
    const BlockTypeRow* pRow = FindBlockType(nType);
    return pRow ? pRow->nOlderRefusalId : 0;
}

// The address of an I/O type whose modules the older generation has fewer points of; null for
// every other type.
const BlockAddressLabel* OlderPointLimit(int nType)
{
    const BlockAddressLabel* pAddress = AddressLabelOf(nType);
    return pAddress && pAddress->nOlderPoints > 0 && pAddress->nDivisor > 0 ? pAddress : nullptr;
}

// The text for a function block of a type the older controllers know whose settings they
// cannot follow; empty when they can. The hours counter counts whole hours there, so minutes
// in its interval or its operating time cannot be converted.
CString OlderSettingProblem(const CBlockObj& block, const CString& strCaption)
{
    const long long nIndex = FunctionIndex(block);
    CString strText;
    switch (block.m_nType) {
    case BT_WT:
        if (block.m_nParam[WT_PULSE_PARAM])
            strText.Format(IDS_NO_PULSE, nIndex);
        break;
    case BT_YT:
        if (block.m_nParam[YT_ON_YEAR_PARAM] != OLD_FIRST_YEAR || block.m_nParam[YT_OFF_YEAR_PARAM] != OLD_LAST_YEAR)
            strText.Format(IDS_NO_YEAR_RANGE, nIndex, OLD_FIRST_YEAR, OLD_LAST_YEAR);
        else if (!block.m_nParam[YT_YEARLY_PARAM])
            strText.Format(IDS_YEARLY_MODE_ONLY, nIndex);
        else if (block.m_nParam[YT_PULSE_PARAM])
            strText.Format(IDS_NO_PULSE, nIndex);
        break;
    case BT_COUNTER:
        if (block.m_nParam[COUNTER_START_PARAM] != 0)
            strText.Format(IDS_START_VALUE, nIndex, strCaption);
        break;
    case BT_HCOUNTER:
        if (block.m_nParam[HCOUNTER_MI_MINUTES_PARAM] > 0 || block.m_nParamEx[HCOUNTER_OT_MINUTES_PARAMEX] > 0)
            strText.Format(IDS_WHOLE_HOURS, nIndex, strCaption);
        break;
    case BT_AWDOG: {
        const auto& watchdog = static_cast<const CBlockAnalog&>(block);
        if (watchdog.m_nThreshold1 != watchdog.m_nThreshold2)
            strText.Format(IDS_EQUAL_THRESHOLDS, nIndex, strCaption);
        break;
    }
    case BT_SREG:
        if (block.m_nParamEx[SREG_INDEX_PARAMEX] != 0)
            strText.Format(IDS_FIRST_SHIFT_REGISTER_ONLY, nIndex, strCaption);
        break;
    case BT_MSGTEXT:
        strText.Format(IDS_NO_RICH_TEXT, nIndex, strCaption);
        break;
    default:
        break;
    }
    return strText;
}

CString FunctionBlockProblem(const CBlockObj& block, const CString& strCaption, const CString& strDeviceName)
{
    CString strText;
    if (!IsOlderGenerationType(block.m_nType)) {
        strText.Format(IDS_BLOCK_NOT_SUPPORTED, FunctionIndex(block), strCaption);
        return strText;
    }
    for (int r = OlderReferenceCount(block.m_nType); r < BLOCK_REF_COUNT; ++r) {
        if (block.m_nParam[BLOCK_REF_USED_PARAM + r]) {
            strText.Format(IDS_REFERENCE_NOT_SUPPORTED, FunctionIndex(block), strCaption, strDeviceName);
            return strText;
        }
    }
    return OlderSettingProblem(block, strCaption);
}

} // namespace

CString OlderGenerationProblem(const CBlockObj& block, const CString& strDeviceName)
{
    const int nType = block.m_nType;
    const int k = block.m_nOperand;
    const CString strCaption = Caption(nType);
    CString strText;
    if (const UINT nRefusalId = OlderRefusalId(nType)) {
        strText.Format(nRefusalId, k, strCaption);
    } else if (nType == BT_SHIFT && k >= OLD_SHIFT_BITS) {
        strText.Format(IDS_SHIFT_TOO_HIGH, k / OLD_SHIFT_BITS, k % OLD_SHIFT_BITS, strCaption);
    } else if (const BlockAddressLabel* pAddress = OlderPointLimit(nType);
               pAddress && k % pAddress->nDivisor >= pAddress->nOlderPoints) {
        strText.Format(IDS_IO_TOO_HIGH, pAddress->pszPrefix, k / pAddress->nDivisor, k % pAddress->nDivisor,
                       strCaption);
    } else if (GetBlockCategory(nType) == BLOCK_CATEGORY_FUNCTION) {
        strText = FunctionBlockProblem(block, strCaption, strDeviceName);
    } else if ((nType == BT_MAKE || nType == BT_BREAK) && k >= NUM_SHIFT && k < NUM_SHIFT + 4 * OLD_SHIFT_BITS &&
               k - NUM_SHIFT >= OLD_SHIFT_BITS) {
        strText.Format(IDS_SHIFT_TOO_HIGH, (k - NUM_SHIFT) / OLD_SHIFT_BITS, (k - NUM_SHIFT) % OLD_SHIFT_BITS,
                       Caption(BT_SHIFT));
    }
    return strText;
}

CString FirstOlderGenerationProblem(const CVetlaDoc& doc, const CString& strDeviceName)
{
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos));
        CString strText = OlderGenerationProblem(*pBlock, strDeviceName);
        if (!strText.IsEmpty())
            return strText;
    }
    return CString();
}

CString FirstWifiBlockProblem(const CVetlaDoc& doc)
{
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos));
        if (IsWifiOnlyType(pBlock->m_nType)) {
            CString strText;
            strText.Format(IDS_BLOCK_NOT_SUPPORTED, FunctionIndex(*pBlock), Caption(pBlock->m_nType));
            return strText;
        }
    }
    return CString();
}
