#include "pages/blocks/IoOperands.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <array>

namespace {

const IoOperandKind kKinds[] = {
    {BT_IN, _T("I"), 32, 16, IO_UNIT_COUNT, NUM_INPUT, _T("Input Number:"), 154, _T("[Input]")},
    {BT_CURSOR_KEY, _T(""), 0, 0, 1, NUM_CURSOR_KEY, nullptr, 0, _T("[Cursor Key]")},
    {BT_SHIFT, _T("S"), 64, 16, 1, NUM_SHIFT, _T("Input Number:"), 154, _T("[Shift register bit]")},
    {BT_OUT, _T("Q"), 16, 8, IO_UNIT_COUNT, NUM_OUTPUT, _T("Output Number:"), 155, _T("[Output]")},
    {BT_OPENX, _T("X"), 128, 128, 1, NUM_OPENX, _T("Output Number:"), 155, _T("[Open connector]")},
    {BT_FLAG, _T("M"), 512, 512, 1, NUM_FLAG, _T("Flag Number:"), 167, _T("[Flag]")},
    {BT_ANALOG_IN, _T("AI"), 8, 8, IO_UNIT_COUNT, NUM_ANALOG_IN, _T("Input Number:"), 154, _T("[Analog Input]")},
    {BT_ANALOG_OUT, _T("AQ"), 4, 4, IO_UNIT_COUNT, NUM_ANALOG_OUT, _T("Output Number:"), 155,
     _T("[Analog Output]")},
    {BT_ANALOG_FLAG, _T("AM"), 512, 512, 1, NUM_ANALOG_FLAG, _T("Flag Number:"), 167, _T("[Analog flag]")},
    {BT_FKEY, _T("F"), 5, 5, 1, NUM_FKEY, _T("Input Number:"), 154, _T("[TD Function key]")},
};

// A shift-register group holds 16 bits.
constexpr int kShiftGroup = 16;

// The number at nPos, with its end in *pEnd; none without a digit there.
std::optional<int> NumberAt(const CString& str, int nPos, int* pEnd)
{
    int nValue = 0;
    int i = nPos;
    for (; i < str.GetLength() && str[i] >= '0' && str[i] <= '9' && i - nPos < 6; ++i)
        nValue = nValue * 10 + (str[i] - '0');
    *pEnd = i;
    if (i == nPos)
        return std::nullopt;
    return nValue;
}

}  // namespace

BOOL IoOperandKind::IsOffered(int nIndex, BOOL bNewGeneration) const
{
    if (nIndex < 0 || nIndex >= Count())
        return FALSE;
    return bNewGeneration || nIndex % nPerUnit < nPerUnitOld;
}

const IoOperandKind* FindIoOperandKind(int nType)
{
    for (const IoOperandKind& kind : kKinds) {
        if (kind.nType == nType)
            return &kind;
    }
    return nullptr;
}

const CString& IoUnitName(int nUnit)
{
    static const std::array<CString, IO_UNIT_COUNT> names = {
        _T("Main"), _T("Ext.1"), _T("Ext.2"), _T("Ext.3"), _T("Ext.4"), _T("Ext.5"), _T("Ext.6"), _T("Ext.7")};
    return names[size_t(nUnit >= 0 && nUnit < IO_UNIT_COUNT ? nUnit : 0)];
}

int FindIoUnit(const CString& strUnit)
{
    for (int u = 0; u < IO_UNIT_COUNT; ++u) {
        if (IoUnitName(u) == strUnit)
            return u;
    }
    return -1;
}

CString IoOperandText(const IoOperandKind& kind, int nIndex)
{
    CString str;
    if (kind.IsGrouped())
        str.Format(_T("%s%d.%d"), kind.lpszPrefix, nIndex / kShiftGroup, nIndex % kShiftGroup);
    else
        str.Format(_T("%s%d"), kind.lpszPrefix, kind.IsModular() ? nIndex % kind.nPerUnit : nIndex);
    return str;
}

std::optional<int> ParseIoOperand(const IoOperandKind& kind, const CString& strNumber, const CString& strUnit)
{
    const CString strPrefix = kind.lpszPrefix;
    if (strPrefix.IsEmpty() || strNumber.Left(strPrefix.GetLength()) != strPrefix)
        return std::nullopt;
    int nEnd = 0;
    std::optional<int> nNumber = NumberAt(strNumber, strPrefix.GetLength(), &nEnd);
    if (!nNumber)
        return std::nullopt;
    int nIndex = *nNumber;
    if (kind.IsGrouped()) {
        if (nEnd >= strNumber.GetLength() || strNumber[nEnd] != '.')
            return std::nullopt;
        const std::optional<int> nBit = NumberAt(strNumber, nEnd + 1, &nEnd);
        if (!nBit || *nBit >= kShiftGroup)
            return std::nullopt;
        nIndex = *nNumber * kShiftGroup + *nBit;
    } else if (kind.IsModular()) {
        if (nIndex >= kind.nPerUnit)
            return std::nullopt;
        nIndex += std::max(FindIoUnit(strUnit), 0) * kind.nPerUnit;
    }
    if (nEnd != strNumber.GetLength() || nIndex >= kind.Count())
        return std::nullopt;
    return nIndex;
}

std::vector<IoUsage> BuildIoUsage(const CVetlaDoc& doc, const IoOperandKind& kind, int nOwnIndex)
{
    std::vector<IoUsage> usage(size_t(kind.Count()), IoUsage::Free);
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos));
        if (pBlock->m_nType == kind.nType && pBlock->m_nOperand >= 0 && pBlock->m_nOperand < kind.Count())
            usage[size_t(pBlock->m_nOperand)] = IoUsage::Taken;
    }
    if (nOwnIndex >= 0 && nOwnIndex < kind.Count())
        usage[size_t(nOwnIndex)] = IoUsage::Own;
    return usage;
}

BOOL IsIoOperandFree(const CVetlaDoc& doc, int nType, int nIndex, int nOwnIndex)
{
    if (nIndex == nOwnIndex)
        return TRUE;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos));
        if (pBlock->m_nType == nType && pBlock->m_nOperand == nIndex)
            return FALSE;
    }
    return TRUE;
}

CString IoSheetTitle(const IoOperandKind& kind, const CString& strNumber, const CString& strUnit)
{
    if (!kind.IsModular())
        return strNumber + kind.lpszTitleKind;
    const int nUnit = FindIoUnit(strUnit);
    if (nUnit < 0)
        return kind.lpszTitleKind;
    // The number within the unit is shown with two places, "I005" for I5 of the main unit.
    CString strNumberPart = strNumber.Mid(CString(kind.lpszPrefix).GetLength());
    while (strNumberPart.GetLength() < 2)
        strNumberPart = _T("0") + strNumberPart;
    CString strTitle;
    strTitle.Format(_T("%s%d"), kind.lpszPrefix, nUnit);
    return strTitle + strNumberPart + kind.lpszTitleKind;
}
