// The analog math block's formula: the tokens of CBlockObj::GetFormulaText, turned into postfix
// order and evaluated, both with a CStringStack as the block has always done, and the block
// parameters the tokens are made of.
#include "blocks/BlockAnalog.h"

#include "blocks/StringStack.h"
#include "platform/core/Runtime.h"
#include "platform/core/StringArray.h"

#include <vector>

namespace {

constexpr int kDivisionByZero = 32767;
constexpr int kResultMin = -32768;

bool IsOperator(const CString& strToken)
{
    return strToken == _T("+") || strToken == _T("-") || strToken == _T("*") ||
           strToken == _T("/");
}

// "(" ranks highest so that it is never popped by an operator; the loop below stops at it.
int Priority(const CString& strToken)
{
    if (strToken == _T("+") || strToken == _T("-"))
        return 1;
    if (strToken == _T("*") || strToken == _T("/"))
        return 2;
    if (strToken == _T("("))
        return 10;
    return 0;
}

std::vector<CString> ToPostfix(const CStringArray& parts)
{
    CStringStack stack;
    std::vector<CString> postfix;
    for (INT_PTR i = 0; i < parts.GetSize() && !parts[i].IsEmpty(); ++i) {
        const CString& strToken = parts[i];
        if (strToken == _T("(")) {
            stack.Push(strToken);
        } else if (strToken == _T(")")) {
            while (!stack.IsEmpty() && stack.Top() != _T("("))
                postfix.push_back(stack.Pop());
            if (!stack.IsEmpty())
                stack.Drop();
        } else if (IsOperator(strToken)) {
            while (!stack.IsEmpty() && stack.Top() != _T("(") &&
                   Priority(stack.Top()) >= Priority(strToken))
                postfix.push_back(stack.Pop());
            stack.Push(strToken);
        } else {
            postfix.push_back(strToken);
        }
    }
    // A formula cut short by a missing operator leaves brackets that never closed.
    while (!stack.IsEmpty()) {
        CString strToken = stack.Pop();
        if (strToken != _T("("))
            postfix.push_back(strToken);
    }
    return postfix;
}

float Apply(TCHAR chOperator, float a, float b)
{
    switch (chOperator) {
    case u'+':
        return a + b;
    case u'-':
        return a - b;
    case u'*':
        return a * b;
    default:
        return a / b;
    }
}

}  // namespace

int EvaluateAnalogFormula(const CStringArray& parts)
{
    CStringStack stack;
    for (const CString& strToken : ToPostfix(parts)) {
        if (!IsOperator(strToken)) {
            stack.Push(strToken);
            continue;
        }
        const LONG b = _wtol(stack.Pop());
        const LONG a = _wtol(stack.Pop());
        if (strToken == _T("/") && b == 0)
            return kDivisionByZero;
        CString strResult;
        strResult.Format(_T("%f"), double(Apply(strToken[0], float(a), float(b))));
        stack.Push(strResult);
    }
    const LONG nResult = _wtol(stack.Top());
    if (nResult > ANALOG_LIMIT)
        return ANALOG_LIMIT;
    if (nResult < kResultMin)
        return kResultMin;
    return int(nResult);
}

AnalogFormulaInputs FormulaInputsOf(const CBlockObj& block)
{
    return {{block.m_nParam[AMATH_V1_PARAM], block.m_nParamEx[AMATH_V2_PARAMEX],
             block.m_nParamEx[AMATH_V3_PARAMEX], block.m_nParamEx[AMATH_V4_PARAMEX]},
            {block.m_nParam[AMATH_OP1_PARAM], block.m_nParamEx[AMATH_OP2_PARAMEX],
             block.m_nParamEx[AMATH_OP3_PARAMEX]},
            {block.m_nParam[AMATH_PRIO1_PARAM], block.m_nParamEx[AMATH_PRIO2_PARAMEX],
             block.m_nParamEx[AMATH_PRIO3_PARAMEX]}};
}
