// CBlockWordValue: the base of the blocks whose output is a computed word rather than a state:
// the code converters, the word shift and mask blocks and the math blocks that show a value.
// In a simulation paint they are drawn in black and show their value m_dRunTime in a value box,
// formatted and sized by type code.
#pragma once

#include "blocks/BlockObj.h"

// How a block shows its value: the box width in half block widths, the format of the value
// truncated to an int and the bits of it that are shown.
struct WordValueStyle {
    int nHalfWidths;
    LPCTSTR pszFormat;
    int nMask = -1;
};

class CBlockWordValue : public CBlockObj {
    DECLARE_DYNAMIC(CBlockWordValue)

public:
    void DrawSim(const CSimContext* pSim, CDC* pDC) override;
    void DrawValue(const CSimContext* pSim, CDC* pDC) override;

    // The text the value box shows for the current value.
    CString FormatValue() const;
    // The word blocks, MOD, REM, ABS, GCD and LCM: three half widths, the value left-aligned
    // in six places; a class that shows its value otherwise says how.
    virtual WordValueStyle ValueStyle() const;

protected:
    CBlockWordValue() = default;
    CBlockWordValue(int nType, int nInputs) : CBlockObj(nType, nInputs) {}
};

// The 16-bit rules of the word and math blocks: the low 16 bits of an int taken as signed, and a
// double clamped to -32767 .. 32767 (not -32768); NaN clamps to 0.
int WrapWord(int nValue);
double ClampWord(double dValue);
// A signed 16-bit word as a double: a double truncated toward zero (saturating at the int range)
// and wrapped to 16 bits.
double WordOf(double dValue);

// The value of the block that reference nRef of block names (GetValueAsDouble); FALSE, and
// *pValue untouched, when the reference names no block and the parameter stays in force.
bool GetReferencedValue(CBlockObj& block, int nRef, double* pValue);

// nParam, or, when reference nRef names a block, that block's value clamped to nLow .. nHigh
// and truncated toward zero.
int ParamOrClampedRef(CBlockObj& block, int nRef, int nParam, int nLow, int nHigh);

// The signed 16-bit word at input pin nPin (GetInputValue).
int InputWord(const CBlockObj& block, int nPin);
