#include "codec/IoCodes.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "codec/ImageLayout.h"

#include <algorithm>
#include <iterator>

namespace {

// A number space runs to the next space's base; the constants have one number each.
constexpr IoClass kClasses[] = {
    {BT_IN, 0, NUM_INPUT, 256, NUM_OUTPUT - NUM_INPUT},
    {BT_CURSOR_KEY, 1, NUM_CURSOR_KEY, 4, NUM_FKEY - NUM_CURSOR_KEY},
    {BT_SHIFT, 2, NUM_SHIFT, 64, NUM_CURSOR_KEY - NUM_SHIFT},
    {BT_LOW, 3, NUM_LOW, 1, 1},
    {BT_HIGH, 4, NUM_HIGH, 1, 1},
    {BT_OUT, 5, NUM_OUTPUT, 128, NUM_SHIFT - NUM_OUTPUT},
    {BT_FLAG, 6, NUM_FLAG, 512, NUM_LOW - NUM_FLAG},
    {BT_ANALOG_IN, 8, NUM_ANALOG_IN, 64, NUM_ANALOG_OUT - NUM_ANALOG_IN},
    {BT_ANALOG_OUT, 9, NUM_ANALOG_OUT, 32, NUM_ANALOG_FLAG - NUM_ANALOG_OUT},
    {BT_ANALOG_FLAG, 10, NUM_ANALOG_FLAG, 512, NUM_OPENX - NUM_ANALOG_FLAG},
    {BT_FKEY, 11, NUM_FKEY, 5, NUM_FLAG - NUM_FKEY},
};

constexpr IoClass kFunctionBlocks = {0, IO_CLASS_FUNCTION_BLOCK, NUM_FUNCTION_BLOCK, IMAGE_FUNCTION_BLOCKS_MAX,
                                     IMAGE_FUNCTION_BLOCKS_MAX};

} // namespace

const IoClass* FindIoClass(int nType)
{
    const auto* it = std::ranges::find(kClasses, nType, &IoClass::nType);
    return it == std::end(kClasses) ? nullptr : it;
}

const IoClass* FindIoClassByCode(int nClass)
{
    const auto* it = std::ranges::find(kClasses, nClass, &IoClass::nClass);
    return it == std::end(kClasses) ? nullptr : it;
}

const IoClass* FindIoClassOfNumber(int nNumber)
{
    const auto* it = std::ranges::find_if(
        kClasses, [nNumber](const IoClass& c) { return nNumber >= c.nBase && nNumber < c.nBase + c.nSpan; });
    return it == std::end(kClasses) ? nullptr : it;
}

WORD IoSourceCode(int nType, int nIndex)
{
    const IoClass* pClass = FindIoClass(nType);
    if (!pClass || nIndex < 0 || nIndex >= pClass->nCount)
        return 0xFFFF;
    return WORD((nIndex & 0xFF) * 256 + pClass->nClass * 16 + (nIndex >> 8));
}

BOOL ImageReference(int nType, int nNumber, BOOL bNegated, WORD* pOut)
{
    const IoClass* pClass = IsFunctionBlockType(nType) ? &kFunctionBlocks : FindIoClass(nType);
    if (!pClass)
        return FALSE;
    const int nOffset = nNumber - pClass->nBase;
    if (nOffset < 0 || nOffset >= pClass->nCount)
        return FALSE;
    *pOut = WORD(pClass->nClass << 12 | nOffset | (bNegated ? IMAGE_REF_NEGATED_BIT : 0));
    return TRUE;
}

int DecodeIoCode(WORD wCode, CBlockObj* pBlock, int nPin)
{
    const IoClass* pClass = FindIoClassByCode((wCode & 0xFF) >> 4);
    const int nIndex = (wCode & 3) * 256 + (wCode >> 8);
    if (!pClass || nIndex >= pClass->nSpan)
        return -1;
    pBlock->m_nPinSource[nPin] = pClass->nBase + nIndex;
    return pClass->nType;
}
