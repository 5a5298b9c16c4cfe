#include "blocks/BlockWordValue.h"

#include "blocks/BlockTypes.h"
#include "blocks/ValueBox.h"

#include <algorithm>
#include <cmath>

IMPLEMENT_DYNAMIC(CBlockWordValue, CBlockObj)

namespace {

// How a type shows its value: the box width in half block widths and the format of the value
// truncated to an int.
struct ValueStyle {
    int nHalfWidths;
    LPCTSTR pszFormat;
};

ValueStyle StyleOf(int nType)
{
    switch (nType) {
    case BT_BCD:
        return {3, _T("0x%04X")};
    case BT_BIN:
        return {3, _T("%-4d")};
    case BT_ARRMXIV:
    case BT_ACMXIV:
        return {3, _T("%d")};
    case BT_FIX:
    case BT_ROUND:
        return {3, _T("%-d")};
    case BT_RAND:
    case BT_LOG:
    case BT_SQRT:
    case BT_POW2:
    case BT_EXP:
    case BT_SIN:
    case BT_COS:
    case BT_TAN:
    case BT_COT:
    case BT_SEC:
    case BT_CSC:
    case BT_QUAD:
        return {5, _T("%d")};
    default:  // the word blocks, MOD, REM, ABS, GCD, LCM
        return {3, _T("%-6d")};
    }
}

} // namespace

void CBlockWordValue::DrawSim(const CSimContext* pSim, CDC* pDC)
{
    DrawSimShowingValue(*this, pSim, pDC, SimBodyColour::Black);
}

void CBlockWordValue::DrawValue(const CSimContext*, CDC* pDC)
{
    const CString strValue = FormatValue();
    DrawValueBox(pDC, *this, StyleOf(m_nType).nHalfWidths, {&strValue, 1});
}

CString CBlockWordValue::FormatValue() const
{
    int nValue = TruncToInt(m_dRunTime);
    // The BCD word is shown as its four nibbles.
    if (m_nType == BT_BCD)
        nValue &= 0xFFFF;
    CString str;
    str.Format(StyleOf(m_nType).pszFormat, nValue);
    return str;
}

int WrapWord(int nValue)
{
    return int(short(WORD(unsigned(nValue) & 0xFFFFu)));
}

double ClampWord(double dValue)
{
    if (std::isnan(dValue))
        return 0.0;
    if (dValue > 32767.0)
        return 32767.0;
    if (dValue < -32767.0)
        return -32767.0;
    return dValue;
}

double WordOf(double dValue)
{
    return WrapWord(TruncToInt(dValue));
}

bool GetReferencedValue(CBlockObj& block, int nRef, double* pValue)
{
    if (nRef < 0 || nRef >= BLOCK_REF_COUNT || !block.m_pRefBlock[nRef])
        return false;
    block.GetValueAsDouble(block.m_pRefBlock[nRef], pValue);
    return true;
}

int ParamOrClampedRef(CBlockObj& block, int nRef, int nParam, int nLow, int nHigh)
{
    double v = 0.0;
    if (!GetReferencedValue(block, nRef, &v))
        return nParam;
    if (std::isnan(v))
        return nLow;
    return TruncToInt(std::clamp(v, double(nLow), double(nHigh)));
}

int InputWord(const CBlockObj& block, int nPin)
{
    WORD w = 0;
    block.GetInputValue(&w, nPin);
    return short(w);
}
