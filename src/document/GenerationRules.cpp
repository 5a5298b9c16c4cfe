#include "document/GenerationRules.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "document/BlockNames.h"
#include "document/BlockNumbering.h"
#include "document/VetlaDoc.h"

namespace {

constexpr UINT IDS_SHIFT_TOO_HIGH = 617;
constexpr UINT IDS_REFERENCE_NOT_SUPPORTED = 619;
constexpr UINT IDS_BLOCK_NOT_SUPPORTED = 623;
constexpr UINT IDS_IO_TOO_HIGH = 643;

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
    return block.OlderLineProblem(FunctionIndex(block), strCaption);
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
    } else if (const int nBit = block.ShiftBitRead(); nBit >= OLD_SHIFT_BITS) {
        strText.Format(IDS_SHIFT_TOO_HIGH, nBit / OLD_SHIFT_BITS, nBit % OLD_SHIFT_BITS, Caption(BT_SHIFT));
    } else if (const BlockAddressLabel* pAddress = OlderPointLimit(nType);
               pAddress && k % pAddress->nDivisor >= pAddress->nOlderPoints) {
        strText.Format(IDS_IO_TOO_HIGH, pAddress->pszPrefix, k / pAddress->nDivisor, k % pAddress->nDivisor,
                       strCaption);
    } else if (GetBlockCategory(nType) == BLOCK_CATEGORY_FUNCTION) {
        strText = FunctionBlockProblem(block, strCaption, strDeviceName);
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
