#include "blocks/BlockLabel.h"

#include "blocks/BlockDocument.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"

namespace {

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

// With a divisor the number reads as module and point in the module.
CString IoLabel(const CBlockObj& block, const BlockAddressLabel& address)
{
    const int r = block.m_nNumber - address.nBase;
    CString strLabel;
    if (address.nDivisor == 0)
        strLabel.Format(_T("%s%d"), address.pszPrefix, r);
    else if (address.bDotted)
        strLabel.Format(_T("%s%d.%d"), address.pszPrefix, r / address.nDivisor, r % address.nDivisor);
    else
        strLabel.Format(_T("%s%d%02d"), address.pszPrefix, r / address.nDivisor, r % address.nDivisor);
    return strLabel;
}

// One rule of the operand's range: which ladder types take which prefix and base; a base of -1
// keeps the type's own.
struct OperandRule {
    int nFirst;
    int nLast;
    WORD wSpace;
    LPCTSTR pszPrefix;
    int nBase;
    int nDivisor;
};

// First match from the top.
constexpr OperandRule kOperandRules[] = {
    {9000, 20999, OPERAND_FUNCTION_BLOCK, _T("B"), NUM_FUNCTION_BLOCK, 0},
    {4800, 8999, OPERAND_OPENX, _T("X"), NUM_OPENX, 0},
    {4288, 4799, OPERAND_ANALOG_FLAG, _T("AM"), NUM_ANALOG_FLAG, 0},
    {4230, 4287, OPERAND_ANALOG_OUT, _T("AQ"), NUM_ANALOG_OUT, 4},
    {4000, 4229, OPERAND_ANALOG_IN, _T("AI"), NUM_ANALOG_IN, 8},
    {2900, 3999, OPERAND_HIGH, _T("High"), -1, 0},
    {1870, 2899, OPERAND_LOW, _T("Low"), -1, 0},
    {1316, 1869, OPERAND_FLAG, _T("M"), NUM_FLAG, 0},
    {1300, 1315, OPERAND_FKEY, _T("F"), NUM_FKEY, 0},
    {1000, 1299, OPERAND_SHIFT, _T("S"), NUM_SHIFT, 16},
    {600, 999, OPERAND_OUTPUT, _T("Q"), NUM_OUTPUT, 16},
    {100, 599, OPERAND_INPUT, _T("I"), NUM_INPUT, 32},
};

// The divisor belongs to the operand's range, not to the changed types: a range that changes
// other types still sets it, as the label rules have always done.
void ApplyRule(BlockAddressLabel& row, bool bTakes, LPCTSTR pszPrefix, int nBase, int nDivisor)
{
    if (bTakes) {
        row.pszPrefix = pszPrefix;
        if (nBase >= 0)
            row.nBase = nBase;
    }
    row.nDivisor = nDivisor;
}

// The element's address is its type's, changed by the range its operand lies in.
CString LadderLabel(const CBlockObj& block, const IBlockDocument* pDoc, const BlockAddressLabel& address)
{
    const int nType = block.m_nType;
    BlockAddressLabel row = address;
    int op = block.m_nOperand;
    if (op >= NUM_COIL) {
        // A coil or LAD analog output stands for the operand it writes.
        const CBlockObj* pElement = pDoc ? pDoc->FindBlockByNumber(op) : nullptr;
        if (!pElement)
            return CString(row.pszPrefix) + _T("?");
        const bool bAnalog = op >= NUM_AOUT_LAD;
        // Only a contact takes the label of what the named element writes.
        const bool bContact = IsLadderContactType(nType);
        op = pElement->m_nOperand;
        if (bAnalog && InRange(op, 4288, 4799))
            ApplyRule(row, bContact && TakesOperandLabel(nType, OPERAND_ANALOG_FLAG), _T("AM"), NUM_ANALOG_FLAG, 0);
        else if (bAnalog && InRange(op, 4230, 4261))
            ApplyRule(row, bContact && TakesOperandLabel(nType, OPERAND_ANALOG_OUT), _T("AQ"), NUM_ANALOG_OUT, 4);
        else if (!bAnalog && InRange(op, 1316, 1827))
            ApplyRule(row, bContact && TakesOperandLabel(nType, OPERAND_FLAG), _T("M"), NUM_FLAG, 0);
        else if (!bAnalog && InRange(op, 600, 727))
            ApplyRule(row, bContact && TakesOperandLabel(nType, OPERAND_OUTPUT), _T("Q"), NUM_OUTPUT, 16);
    } else {
        for (const OperandRule& rule : kOperandRules) {
            if (InRange(op, rule.nFirst, rule.nLast)) {
                ApplyRule(row, TakesOperandLabel(nType, rule.wSpace), rule.pszPrefix, rule.nBase, rule.nDivisor);
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

CString FormatBlockLabel(const CBlockObj& block, const IBlockDocument* pDoc)
{
    const int nType = block.m_nType;
    switch (BlockFamilyOf(nType)) {
    // The connector halves and the power rail draw themselves; a plain block of their codes
    // numbers as the function blocks and the data logs do.
    case BlockFamily::Logic:
    case BlockFamily::Timer:
    case BlockFamily::Function:
    case BlockFamily::Connector:
        return WithSuffix(block, _T("B%d%s"), block.m_nNumber - NUM_FUNCTION_BLOCK);
    case BlockFamily::DataLog:
    case BlockFamily::PowerBus:
        return WithSuffix(block, _T("L%d%s"), block.m_nNumber - NUM_DATALOG);
    default:
        break;
    }
    const BlockAddressLabel* pAddress = AddressLabelOf(nType);
    if (!pAddress)
        return CString();
    return IsLadderElementType(nType) ? LadderLabel(block, pDoc, *pAddress) : IoLabel(block, *pAddress);
}
