#include "blocks/BlockRelay.h"

#include "blocks/BlockDocument.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockSetup.h"
#include "blocks/BlockStep.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "blocks/SimTime.h"
#include "blocks/ValueBox.h"
#include "blocks/WordBit.h"
#include "platform/core/ObList.h"

#include <cstdint>
#include <span>

namespace {

constexpr std::array<BlockSetup, 6> kRelaySetups = {{
    {.nType = BT_LR, .nInputs = 3, .wProgramBytes = 8, .nPinSlots = 3, .nCapFlags = 0x00,
     .links = {{{2, LINK_PARAM}}},
     .words = {{{BlockWord::Param, BLOCK_PROTECTION_PARAM, 1}}}},
    {.nType = BT_PR, .nInputs = 4, .wProgramBytes = 12, .nPinSlots = 5, .nCapFlags = 0x04,
     .links = {{{3, LINK_PARAM}, {4, LINK_END}}},
     .words = {{{BlockWord::Param, BLOCK_PROTECTION_PARAM, 1}}}},
    // 12 bytes on the older generation; the document sets 16 for the newer one.
    {.nType = BT_SREG, .nInputs = 4, .wProgramBytes = 12, .nPinSlots = 5, .nCapFlags = 0x04,
     .links = {{{3, LINK_PARAM}, {4, LINK_END}}},
     .words = {{{BlockWord::Param, BLOCK_PROTECTION_PARAM, 1}}}},
    // Role codes 58 and 59 are kept and sent with the program as written.
    {.nType = BT_MATHERR, .nInputs = 3, .wProgramBytes = 16, .nPinSlots = 6, .nCapFlags = 0x1E,
     .links = {{{2, LINK_PARAM}, {3, 58}, {4, 59}, {5, LINK_END}}},
     .words = {{{BlockWord::ParamEx, MATHERR_AUTO_RESET_PARAMEX, 0}}}},
    {.nType = BT_BOOLEAN, .nInputs = 4, .wProgramBytes = 16, .nPinSlots = 7, .nCapFlags = 0x06,
     .links = {{{4, LINK_PARAM}, {5, LINK_END}, {6, LINK_END}}}},
    {.nType = BT_TDT, .nInputs = 2, .wProgramBytes = 8, .nPinSlots = 3, .nCapFlags = 0x00,
     .links = {{{2, LINK_END}}}},
}};

// The lowest register index that no shift register of pDoc uses; 0 when all are taken.
int FirstFreeRegisterIndex(const IBlockDocument* pDoc)
{
    bool bTaken[SREG_INDEX_COUNT] = {};
    for (POSITION pos = pDoc->Blocks().GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(pDoc->Blocks().GetNext(pos));
        const int nIndex = pBlock->m_nParamEx[SREG_INDEX_PARAMEX];
        if (pBlock->m_nType == BT_SREG && nIndex >= 0 && nIndex < SREG_INDEX_COUNT)
            bTaken[nIndex] = true;
    }
    for (int nIndex = 0; nIndex < SREG_INDEX_COUNT; ++nIndex) {
        if (!bTaken[nIndex])
            return nIndex;
    }
    return 0;
}

constexpr int kRegisterBits = 16;

// The shift-register bits S of register nIndex take the bits of the register word. An index from
// a damaged record is computed wide, so that it names no bit rather than overflowing.
void DriveRegisterBits(const IBlockDocument& doc, int nIndex, WORD wRegister)
{
    const std::int64_t nFirst = NUM_SHIFT + std::int64_t(kRegisterBits) * nIndex;
    for (POSITION pos = doc.Blocks().GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(doc.Blocks().GetNext(pos));
        const std::int64_t nBit = pBlock->m_nNumber - nFirst;
        if (nBit >= 0 && nBit < kRegisterBits && pBlock->IsKindOf(RUNTIME_CLASS(CBlockShift)))
            pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT] = GetWordBit(wRegister, int(nBit));
    }
}

} // namespace

IMPLEMENT_TABLE_BLOCK(CBlockLR, CBlockObj, kRelaySetups, BT_LR)
IMPLEMENT_TABLE_BLOCK(CBlockPR, CBlockObj, kRelaySetups, BT_PR)
IMPLEMENT_TABLE_BLOCK(CBlockMATHERR, CBlockObj, kRelaySetups, BT_MATHERR)
IMPLEMENT_TABLE_BLOCK(CBlockBoolean, CBlockObj, kRelaySetups, BT_BOOLEAN)
IMPLEMENT_TABLE_BLOCK(CBlockTDT, CBlockObj, kRelaySetups, BT_TDT)

IMPLEMENT_SERIAL(CBlockSREG, CBlockObj, VERSIONABLE_SCHEMA | 1)

CBlockSREG::CBlockSREG()
{
    ApplyLoadDefaults(*this, FindBlockSetup(kRelaySetups, BT_SREG));
}

CBlockSREG::CBlockSREG(int nType)
    : CBlockObj(nType, FindBlockSetup(kRelaySetups, BT_SREG).nInputs)
{
    ApplyBlockSetup(*this, FindBlockSetup(kRelaySetups, BT_SREG));
}

void CBlockSREG::InitForDocument(IBlockDocument* pDoc)
{
    CBlockObj::InitForDocument(pDoc);
    if (pDoc && IsNewGeneration())
        m_nParamEx[SREG_INDEX_PARAMEX] = FirstFreeRegisterIndex(pDoc);
}

// Reset always wins; the block has no priority parameter.
BOOL CBlockLR::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    const bool bLadder = InLadderDocument(*this);
    if (m_nPinValue[1] == 1)
        SetOutputState(*this, 0, bLadder);
    else if (m_nPinValue[0] == 1)
        SetOutputState(*this, 1, bLadder);
    FinishOutputChange(*this);
    return TRUE;
}

// While S or R is 1, trigger edges are ignored.
BOOL CBlockPR::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    const bool bLadder = InLadderDocument(*this);
    const bool bSet = m_nPinValue[1] == 1;
    const bool bReset = m_nPinValue[2] == 1;
    if (bSet && bReset) {
        SetOutputState(*this, m_nParamEx[PR_SET_WINS_PARAMEX] ? 1 : 0, bLadder);
    } else if (bSet || bReset) {
        SetOutputState(*this, bSet ? 1 : 0, bLadder);
    } else {
        if (IsRisingEdge(*this, 0))
            SetOutputState(*this, m_nPinValue[BLOCK_FIRST_OUTPUT] ? 0 : 1, bLadder);
        m_bPinChanged[0] = 0;
    }
    FinishOutputChange(*this);
    return TRUE;
}

void CBlockSREG::ResetForRun(const SYSTEMTIME&) { m_wShiftReg = 0; }

BOOL CBlockSREG::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    if (IsRisingEdge(*this, 1)) {
        const bool bData = m_nPinValue[0] == 1;
        if (m_nPinValue[2] == 0)
            m_wShiftReg = WORD(((unsigned(m_wShiftReg) << 1) & 0xFFFFu) | (bData ? 0x0001u : 0u));
        else
            m_wShiftReg = WORD((m_wShiftReg >> 1) | (bData ? 0x8000u : 0u));
        SetOutputState(*this, GetWordBit(m_wShiftReg, m_nParamEx[SREG_BIT_PARAMEX]), InLadderDocument(*this));
        if (const IBlockDocument* pDoc = GetDocument())
            DriveRegisterBits(*pDoc, m_nParamEx[SREG_INDEX_PARAMEX], m_wShiftReg);
    }
    FinishOutputChange(*this);
    return TRUE;
}

// The inputs up to the first parameter pin form the row index of the truth table, pin 0 the
// highest bit; open inputs count 0.
BOOL CBlockBoolean::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    int nIndex = 0;
    for (int nPin = 0; nPin < m_nInputs && nPin < 4 && m_nPinSource[nPin] != LINK_PARAM; ++nPin) {
        if (m_nPinValue[nPin] == 1)
            nIndex |= 1 << (3 - nPin);
    }
    SetOutputState(*this,
                   GetWordBit(WORD(unsigned(m_nParamEx[BOOLEAN_TABLE_PARAMEX]) & 0xFFFFu), nIndex),
                   true);
    FinishOutputChange(*this);
    return TRUE;
}

// The captured time is the simulated clock as twelve digits; its state is not passed to ladder
// contacts.
BOOL CBlockTDT::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    if (IsRisingEdge(*this, 1)) {
        m_strTimeText.Empty();
        m_nPinValue[BLOCK_FIRST_OUTPUT] = 0;
    }
    if (IsRisingEdge(*this, 0) && m_nPinValue[1] == 0) {
        if (pSim)
            FormatSimTime(pSim->stNow, m_strTimeText, FALSE, SIMTIME_DIGITS);
        m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    }
    return TRUE;
}

void CBlockTDT::ResetForRun(const SYSTEMTIME& stNow)
{
    CBlockObj::ResetForRun(stNow);
    m_strTimeText.Empty();
}

void CBlockTDT::DrawSim(const CSimContext* pSim, CDC* pDC)
{
    DrawSimShowingValue(*this, pSim, pDC, SimBodyColour::State);
}

// The box is three block widths, or wider where the screen's fixed-pitch font draws the twelve
// digits wider than the font asked for.
void CBlockTDT::DrawValue(const CSimContext*, CDC* pDC)
{
    const std::span<const CString> lines(&m_strTimeText, 1);
    DrawValueBox(pDC, *this, ValueBoxHalfWidths(pDC, *this, lines, 6), lines);
}
