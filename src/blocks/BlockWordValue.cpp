#include "blocks/BlockWordValue.h"

#include "blocks/ValueBox.h"

#include <algorithm>
#include <cmath>

IMPLEMENT_DYNAMIC(CBlockWordValue, CBlockObj)

void CBlockWordValue::DrawSim(const CSimContext* pSim, CDC* pDC)
{
    DrawSimShowingValue(*this, pSim, pDC, SimBodyColour::Black);
}

void CBlockWordValue::DrawValue(const CSimContext*, CDC* pDC)
{
    const CString strValue = FormatValue();
    DrawValueBox(pDC, *this, ValueStyle().nHalfWidths, {&strValue, 1});
}

CString CBlockWordValue::FormatValue() const
{
    const WordValueStyle style = ValueStyle();
    CString str;
    str.Format(style.pszFormat, TruncToInt(m_dRunTime) & style.nMask);
    return str;
}

WordValueStyle CBlockWordValue::ValueStyle() const
{
    return {3, _T("%-6d")};
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
