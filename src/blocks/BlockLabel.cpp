#include "blocks/BlockLabel.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"

#include <initializer_list>

namespace {

struct LabelRow {
    LPCTSTR pszPrefix;
    int nBase;
    int nDivisor;  // 0: the number is shown whole
};

// Type codes 600 + k. With a divisor the number reads as module and point in the module.
constexpr LabelRow kIoRows[] = {
    {_T("I"), NUM_INPUT, 32},       {_T("C"), NUM_CURSOR_KEY, 0},  {_T("S"), NUM_SHIFT, 16},
    {_T("lo"), NUM_LOW, 0},         {_T("hi"), NUM_HIGH, 0},       {_T("Q"), NUM_OUTPUT, 16},
    {_T("X"), NUM_OPENX, 0},        {_T("M"), NUM_FLAG, 0},        {_T("AI"), NUM_ANALOG_IN, 8},
    {_T("AQ"), NUM_ANALOG_OUT, 4},  {_T("AM"), NUM_ANALOG_FLAG, 0}, {_T("F"), NUM_FKEY, 0},
};

// Type codes 700 + k before the operand adjusts them.
constexpr LabelRow kLadderRows[] = {
    {_T("I"), NUM_INPUT, 0},      {_T("I"), NUM_INPUT, 0},       {_T("AI"), NUM_ANALOG_IN, 0},
    {_T("Q"), NUM_OUTPUT, 0},     {_T("Q"), NUM_OUTPUT, 0},      {_T("AQ"), NUM_ANALOG_OUT, 0},
};

bool InRange(int n, int nFirst, int nLast)
{
    return n >= nFirst && n <= nLast;
}

CString WithSuffix(const CBlockObj& block, LPCTSTR pszFormat, int nNumber)
{
    CString strLabel;
    if (block.m_strLabelSuffix.IsEmpty())
        strLabel.Format(pszFormat, nNumber, _T(""));
    else
        strLabel.Format(pszFormat, nNumber, CString(_T(" ")) + block.m_strLabelSuffix);
    return strLabel;
}

CString IoLabel(const CBlockObj& block)
{
    const LabelRow& row = kIoRows[block.m_nType - BT_IN];
    const int r = block.m_nNumber - row.nBase;
    CString strLabel;
    if (row.nDivisor == 0)
        strLabel.Format(_T("%s%d"), row.pszPrefix, r);
    else if (block.m_nType == BT_SHIFT)
        strLabel.Format(_T("%s%d.%d"), row.pszPrefix, r / row.nDivisor, r % row.nDivisor);
    else
        strLabel.Format(_T("%s%d%02d"), row.pszPrefix, r / row.nDivisor, r % row.nDivisor);
    return strLabel;
}

// The ladder rows a rule changes, one bit per type code 700 + k.
constexpr unsigned Rows(std::initializer_list<int> types)
{
    unsigned nMask = 0;
    for (int nType : types)
        nMask |= 1u << (nType - BT_MAKE);
    return nMask;
}

// One rule of the operand's range: which ladder rows take which prefix and base; a base of -1
// keeps the row's own.
struct OperandRule {
    int nFirst;
    int nLast;
    unsigned nRows;
    LPCTSTR pszPrefix;
    int nBase;
    int nDivisor;
};

// First match from the top.
const OperandRule kOperandRules[] = {
    {9000, 20999, Rows({BT_MAKE, BT_BREAK, BT_ACONTACT}), _T("B"), NUM_FUNCTION_BLOCK, 0},
    {4800, 8999, Rows({BT_RELAY_COIL, BT_INV_OUT}), _T("X"), NUM_OPENX, 0},
    {4288, 4799, Rows({BT_ACONTACT, BT_AOUT_LAD}), _T("AM"), NUM_ANALOG_FLAG, 0},
    {4230, 4287, Rows({BT_ACONTACT, BT_AOUT_LAD}), _T("AQ"), NUM_ANALOG_OUT, 4},
    {4000, 4229, Rows({BT_ACONTACT}), _T("AI"), NUM_ANALOG_IN, 8},
    {2900, 3999, Rows({BT_MAKE, BT_BREAK}), _T("High"), -1, 0},
    {1870, 2899, Rows({BT_MAKE, BT_BREAK}), _T("Low"), -1, 0},
    {1316, 1869, Rows({BT_MAKE, BT_BREAK, BT_RELAY_COIL, BT_INV_OUT}), _T("M"), NUM_FLAG, 0},
    {1300, 1315, Rows({BT_MAKE, BT_BREAK}), _T("F"), NUM_FKEY, 0},
    {1000, 1299, Rows({BT_MAKE, BT_BREAK}), _T("S"), NUM_SHIFT, 16},
    {600, 999, Rows({BT_MAKE, BT_BREAK, BT_RELAY_COIL, BT_INV_OUT}), _T("Q"), NUM_OUTPUT, 16},
    {100, 599, Rows({BT_MAKE, BT_BREAK}), _T("I"), NUM_INPUT, 32},
};

// The divisor belongs to the operand's range, not to the changed rows: a range that changes
// other rows still sets it, as the label rules have always done.
void ApplyRule(LabelRow& row, int nType, unsigned nRows, LPCTSTR pszPrefix, int nBase,
               int nDivisor)
{
    if (nRows & Rows({nType})) {
        row.pszPrefix = pszPrefix;
        if (nBase >= 0)
            row.nBase = nBase;
    }
    row.nDivisor = nDivisor;
}

CString LadderLabel(const CBlockObj& block, const CVetlaDoc* pDoc)
{
    const int nType = block.m_nType;
    LabelRow row = kLadderRows[nType - BT_MAKE];
    int op = block.m_nOperand;
    if (op >= NUM_COIL) {
        // A coil or LAD analog output stands for the operand it writes.
        const CBlockObj* pElement = pDoc ? pDoc->FindBlockByNumber(op) : nullptr;
        if (!pElement)
            return CString(row.pszPrefix) + _T("?");
        const bool bAnalog = op >= NUM_AOUT_LAD;
        op = pElement->m_nOperand;
        if (bAnalog && InRange(op, 4288, 4799))
            ApplyRule(row, nType, Rows({BT_ACONTACT}), _T("AM"), NUM_ANALOG_FLAG, 0);
        else if (bAnalog && InRange(op, 4230, 4261))
            ApplyRule(row, nType, Rows({BT_ACONTACT}), _T("AQ"), NUM_ANALOG_OUT, 4);
        else if (!bAnalog && InRange(op, 1316, 1827))
            ApplyRule(row, nType, Rows({BT_MAKE, BT_BREAK}), _T("M"), NUM_FLAG, 0);
        else if (!bAnalog && InRange(op, 600, 727))
            ApplyRule(row, nType, Rows({BT_MAKE, BT_BREAK}), _T("Q"), NUM_OUTPUT, 16);
    } else {
        for (const OperandRule& rule : kOperandRules) {
            if (InRange(op, rule.nFirst, rule.nLast)) {
                ApplyRule(row, nType, rule.nRows, rule.pszPrefix, rule.nBase, rule.nDivisor);
                break;
            }
        }
    }
    const int r = op - row.nBase;
    CString strLabel;
    if (row.nDivisor != 0 && InRange(op, 1000, 1063))
        strLabel.Format(_T("%s%d.%d"), row.pszPrefix, r / row.nDivisor, r % row.nDivisor);
    else if (row.nDivisor != 0)
        strLabel.Format(_T("%s%d%02d"), row.pszPrefix, r / row.nDivisor, r % row.nDivisor);
    else if (InRange(op, 1870, 3899))
        strLabel = row.pszPrefix;
    else
        strLabel.Format(_T("%s%d"), row.pszPrefix, r);
    return strLabel;
}

}  // namespace

CString FormatBlockLabel(const CBlockObj& block, const CVetlaDoc* pDoc)
{
    const int nType = block.m_nType;
    if (InRange(nType, 300, 599) || InRange(nType, 800, 910))
        return WithSuffix(block, _T("B%d%s"), block.m_nNumber - NUM_FUNCTION_BLOCK);
    if (InRange(nType, 911, 999))
        return WithSuffix(block, _T("L%d%s"), block.m_nNumber - NUM_DATALOG);
    if (InRange(nType, BT_IN, BT_FKEY))
        return IoLabel(block);
    if (InRange(nType, BT_MAKE, BT_AOUT_LAD))
        return LadderLabel(block, pDoc);
    return CString();
}
