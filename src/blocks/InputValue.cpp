#include "blocks/InputValue.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockDocument.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockTypes.h"

#include <cmath>
#include <cstdint>

namespace {

// The low 16 bits of a running value truncated toward zero; values beyond 64 bits saturate
// instead of being converted with undefined behaviour.
WORD LowWordOfRunTime(double dValue)
{
    if (std::isnan(dValue))
        return 0;
    constexpr double kLimit = 9.2e18;
    const double dClamped = dValue > kLimit ? kLimit : dValue < -kLimit ? -kLimit : dValue;
    return WORD(std::uint64_t(std::int64_t(dClamped)));
}

constexpr int kLastAnalogInputOperand = 4127;

WORD OperandValue(const CBlockObj& contact)
{
    if (contact.m_nOperand >= NUM_ANALOG_IN && contact.m_nOperand <= kLastAnalogInputOperand)
        return WORD(contact.m_nHeldValue);
    const IBlockDocument* pDoc = contact.GetDocument();
    const CBlockObj* pOperand = pDoc ? pDoc->FindBlockByNumber(contact.m_nOperand) : nullptr;
    if (!pOperand)
        return 0;
    if (pOperand->IsKindOf(RUNTIME_CLASS(CBlockAOutLAD)))
        return WORD(pOperand->m_nHeldValue);
    if (pOperand->IsKindOf(RUNTIME_CLASS(CBlockAnalog)))
        return WORD(static_cast<const CBlockAnalog*>(pOperand)->m_nValue);
    return LowWordOfRunTime(pOperand->m_dRunTime);
}

}  // namespace

// Runtime classes, not dynamic_cast: every analog input of every block is read this way in
// each scan, and a cast across the libraries compares type names.
InputValueKind InputValueKindOf(const CBlockObj& source)
{
    if (source.IsKindOf(RUNTIME_CLASS(CBlockAnalog)))
        return InputValueKind::AnalogValue;
    if (IsAnyOf(source, {RUNTIME_CLASS(CBlockAnalogIn), RUNTIME_CLASS(CBlockAnalogOut), RUNTIME_CLASS(CBlockAnalogFlag)}))
        return InputValueKind::HeldValue;
    if (source.IsKindOf(RUNTIME_CLASS(CBlockAContact)))
        return InputValueKind::Operand;
    return InputValueKind::RunTime;
}

WORD InputValueOf(const CBlockObj& source, InputValueKind kind)
{
    switch (kind) {
    case InputValueKind::AnalogValue:
        return WORD(static_cast<const CBlockAnalog&>(source).m_nValue);
    case InputValueKind::HeldValue:
        return WORD(source.m_nHeldValue);
    case InputValueKind::Operand:
        return OperandValue(source);
    case InputValueKind::RunTime:
        break;
    }
    return LowWordOfRunTime(source.m_dRunTime);
}
