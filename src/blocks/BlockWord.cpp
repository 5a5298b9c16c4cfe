#include "blocks/BlockWord.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockTypes.h"
#include "blocks/TypeCodeList.h"
#include "blocks/ValueBox.h"

namespace {

// A shift by 1 to 15 places, or a mask over the whole signed word.
constexpr BlockSetup ShiftSetup(int nType)
{
    return {.nType = nType, .nInputs = 2, .wProgramBytes = 8, .nPinSlots = 3, .nCapFlags = 0x3F,
            .bLimits = true, .nLimitLow = 1, .nLimitHigh = 15,
            .links = {{{1, LINK_PARAM}, {2, LINK_END}}},
            .words = {{{BlockWord::Param, WORDOP_OPERAND_PARAM, 1}}}};
}

constexpr BlockSetup MaskSetup(int nType, LPCTSTR pszMaskText = nullptr)
{
    return {.nType = nType, .nInputs = 2, .wProgramBytes = 8, .nPinSlots = 3, .nCapFlags = 0x3F,
            .bLimits = true, .nLimitLow = -32768, .nLimitHigh = 32767,
            .links = {{{1, LINK_PARAM}, {2, LINK_END}}},
            .pszParamText = pszMaskText};
}

constexpr std::array<BlockSetup, 10> kWordSetups = {{
    ShiftSetup(BT_ROL),
    ShiftSetup(BT_ROR),
    ShiftSetup(BT_SHL),
    ShiftSetup(BT_SHR),
    MaskSetup(BT_ANDM, _T("0000")),
    MaskSetup(BT_ORM),
    // NOT has no operand.
    {.nType = BT_NOTM, .nInputs = 2, .wProgramBytes = 8, .nPinSlots = 3, .nCapFlags = 0x3D,
     .links = {{{1, LINK_END}, {2, LINK_END}}}},
    MaskSetup(BT_NANDM),
    MaskSetup(BT_NORM),
    MaskSetup(BT_XORM),
}};

WORD Rotate(WORD w, int n, bool bLeft)
{
    const int nBits = ((n % 16) + 16) % 16;
    if (nBits == 0)
        return w;
    const unsigned u = w;
    const unsigned r =
        bLeft ? (u << nBits) | (u >> (16 - nBits)) : (u >> nBits) | (u << (16 - nBits));
    return WORD(r & 0xFFFFu);
}

WORD ShiftLeft(WORD w, int n)
{
    if (n <= 0)
        return w;
    return n >= 16 ? WORD(0) : WORD((unsigned(w) << n) & 0xFFFFu);
}

// The sign bit is copied into the vacated high bits.
WORD ShiftRightArithmetic(WORD w, int n)
{
    if (n <= 0)
        return w;
    const int nSigned = short(w);
    return WORD(nSigned >> (n >= 16 ? 15 : n));
}

} // namespace

bool IsShiftType(int nType)
{
    return ListsType({BT_ROL, BT_ROR, BT_SHL, BT_SHR}, nType);
}

bool IsMaskType(int nType)
{
    return ListsType({BT_ANDM, BT_ORM, BT_NOTM, BT_NANDM, BT_NORM, BT_XORM}, nType);
}

IMPLEMENT_DYNAMIC(CBlockWordOp, CBlockWordValue)

int WordOperation(int nType, WORD w, int n)
{
    const WORD mask = WORD(unsigned(n) & 0xFFFFu);
    WORD r = 0;
    switch (nType) {
    case BT_ROL:
        r = Rotate(w, n, true);
        break;
    case BT_ROR:
        r = Rotate(w, n, false);
        break;
    case BT_SHL:
        r = ShiftLeft(w, n);
        break;
    case BT_SHR:
        r = ShiftRightArithmetic(w, n);
        break;
    case BT_ANDM:
        r = w & mask;
        break;
    case BT_ORM:
        r = w | mask;
        break;
    case BT_NOTM:
        r = WORD(~w);
        break;
    case BT_NANDM:
        r = WORD(~(w & mask));
        break;
    case BT_NORM:
        r = WORD(~(w | mask));
        break;
    case BT_XORM:
        r = w ^ mask;
        break;
    default:
        break;
    }
    return short(r);
}

BOOL CBlockWordOp::Simulate(const CSimContext*)
{
    WORD w = 0;
    GetInputValue(&w, 0);
    m_dRunTime = WordOperation(m_nType, w, Operand());
    return TRUE;
}

int CBlockWordOp::Operand()
{
    double v = 0.0;
    if (!GetReferencedValue(*this, 0, &v))
        return m_nParam[WORDOP_OPERAND_PARAM];
    if (!IsShiftType(m_nType))
        return TruncToInt(v);
    if (v > 15.0)
        return 15;
    if (v < 1.0)
        return 0;
    return TruncToInt(v);
}

IMPLEMENT_TABLE_BLOCK(CBlockROL, CBlockWordOp, kWordSetups, BT_ROL)
IMPLEMENT_TABLE_BLOCK(CBlockROR, CBlockWordOp, kWordSetups, BT_ROR)
IMPLEMENT_TABLE_BLOCK(CBlockSHL, CBlockWordOp, kWordSetups, BT_SHL)
IMPLEMENT_TABLE_BLOCK(CBlockSHR, CBlockWordOp, kWordSetups, BT_SHR)
IMPLEMENT_TABLE_BLOCK(CBlockANDM, CBlockWordOp, kWordSetups, BT_ANDM)
IMPLEMENT_TABLE_BLOCK(CBlockORM, CBlockWordOp, kWordSetups, BT_ORM)
IMPLEMENT_TABLE_BLOCK(CBlockNOTM, CBlockWordOp, kWordSetups, BT_NOTM)
IMPLEMENT_TABLE_BLOCK(CBlockNANDM, CBlockWordOp, kWordSetups, BT_NANDM)
IMPLEMENT_TABLE_BLOCK(CBlockNORM, CBlockWordOp, kWordSetups, BT_NORM)
IMPLEMENT_TABLE_BLOCK(CBlockXORM, CBlockWordOp, kWordSetups, BT_XORM)
