// The analog math block's formula: the operands V1-V4 with the three operators between them,
// grouped by brackets that the operators' priorities give, as tokens; evaluated from the
// tokens in postfix order.
#include "blocks/BlockAnalog.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int kDivisionByZero = 32767;
constexpr int kResultMin = -32768;

// "*" and "/" bind before "+" and "-".
int Rank(char chOperator) { return chOperator == '*' || chOperator == '/' ? 2 : 1; }

// Every operator's result is a whole number again, as the block has always made it: the
// result written with six decimals, of which the whole part is taken (so a fraction that
// rounds up at the sixth decimal counts as the next whole number), clamped to 32 bits.
std::int32_t Whole(float fValue)
{
    const double dMagnitude = std::fabs(double(fValue));
    double dWhole = std::floor(dMagnitude);
    if (dMagnitude - dWhole >= 0.9999995)
        dWhole += 1.0;
    if (fValue < 0)
        return dWhole >= 2147483648.0 ? INT32_MIN : -std::int32_t(dWhole);
    return dWhole > 2147483647.0 ? INT32_MAX : std::int32_t(dWhole);
}

float Apply(char chOperator, float a, float b)
{
    switch (chOperator) {
    case '+':
        return a + b;
    case '-':
        return a - b;
    case '*':
        return a * b;
    default:
        return a / b;
    }
}

} // namespace

std::vector<FormulaToken> AnalogFormulaTokens(const AnalogFormulaInputs& formula)
{
    const int p1 = formula.nPriority[0];
    const int p2 = formula.nPriority[1];
    const int p3 = formula.nPriority[2];

    // Brackets around operands a .. b, counted per operand.
    int nOpen[4] = {};
    int nClose[4] = {};
    auto wrap = [&](int a, int b) {
        ++nOpen[a];
        ++nClose[b];
    };
    if (p1 == 2) {
        wrap(0, 1);
        if (p2 == 1)
            wrap(0, 2);
        else if (p3 == 1)
            wrap(2, 3);
    } else if (p2 == 2) {
        wrap(1, 2);
        if (p3 == 1)
            wrap(1, 3);
        else if (p1 == 1)
            wrap(0, 2);
    } else if (p3 == 2) {
        wrap(2, 3);
        if (p1 == 1)
            wrap(0, 1);
        else if (p2 == 1)
            wrap(1, 3);
    }

    // An operator index outside "+-*/" ends the formula there; the tokens go on to V4.
    static const char kOperators[] = "+-*/";
    std::vector<FormulaToken> tokens;
    for (int i = 0; i < 4; ++i) {
        for (int n = 0; n < nOpen[i]; ++n)
            tokens.push_back({FormulaToken::Open, '('});
        tokens.push_back({FormulaToken::Operand, 0, formula.nOperand[i]});
        for (int n = 0; n < nClose[i]; ++n)
            tokens.push_back({FormulaToken::Close, ')'});
        if (i < 3) {
            const int nOp = formula.nOperator[i];
            if (nOp >= 0 && nOp < 4)
                tokens.push_back({FormulaToken::Operator, kOperators[nOp]});
            else
                tokens.push_back({FormulaToken::End});
        }
    }
    return tokens;
}

int EvaluateAnalogFormula(const AnalogFormulaInputs& formula)
{
    // Operands wait on one stack, operators and open brackets on the other; an operator is
    // applied when one of no lower rank follows it, a closing bracket or the end.
    std::vector<std::int32_t> values;
    std::vector<char> pending;
    bool bDividedByZero = false;
    const auto applyTop = [&] {
        const char chOperator = pending.back();
        pending.pop_back();
        if (values.size() < 2 || bDividedByZero)
            return;
        const std::int32_t b = values.back();
        values.pop_back();
        const std::int32_t a = values.back();
        if (chOperator == '/' && b == 0)
            bDividedByZero = true;
        else
            values.back() = Whole(Apply(chOperator, float(a), float(b)));
    };
    for (const FormulaToken& token : AnalogFormulaTokens(formula)) {
        if (token.kind == FormulaToken::End)
            break;
        switch (token.kind) {
        case FormulaToken::Operand:
            values.push_back(token.nValue);
            break;
        case FormulaToken::Open:
            pending.push_back('(');
            break;
        case FormulaToken::Close:
            while (!pending.empty() && pending.back() != '(')
                applyTop();
            if (!pending.empty())
                pending.pop_back();
            break;
        default:
            while (!pending.empty() && pending.back() != '(' && Rank(pending.back()) >= Rank(token.chSymbol))
                applyTop();
            pending.push_back(token.chSymbol);
            break;
        }
    }
    // A formula cut short leaves brackets that never closed.
    while (!pending.empty()) {
        if (pending.back() == '(')
            pending.pop_back();
        else
            applyTop();
    }
    if (bDividedByZero)
        return kDivisionByZero;
    const std::int32_t nResult = values.empty() ? 0 : values.back();
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
