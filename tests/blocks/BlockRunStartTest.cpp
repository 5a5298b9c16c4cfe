// The state each family starts a simulation run in: what differs from "nothing timed", and what
// a family keeps that the plain reset would clear.
#include "SimDriver.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTypes.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr SYSTEMTIME kNow = {2024, 3, 1, 4, 8, 0, 0, 0};

std::unique_ptr<CBlockObj> Make(int nType, double dRunTime)
{
    std::unique_ptr<CBlockObj> pBlock(CreateBlockForType(nType, nullptr, nullptr));
    pBlock->m_dRunTime = dRunTime;
    return pBlock;
}

TEST(BlockRunStart, EachFamilyStartsInItsOwnState)
{
    auto pCounter = Make(BT_COUNTER, 3);
    pCounter->m_nParam[COUNTER_START_PARAM] = 7;
    pCounter->ResetForRun(kNow);
    EXPECT_EQ(pCounter->m_dRunTime, 7) << "a counter counts from its start value";

    auto pHigh = Make(BT_HIGH, 0);
    pHigh->ResetForRun(kNow);
    EXPECT_EQ(pHigh->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);

    auto pInput = Make(BT_IN, 0);
    pInput->m_nParamEx[INPUT_SIM_MODE_PARAMEX] = SIM_INPUT_PUSH_BREAK;
    pInput->ResetForRun(kNow);
    EXPECT_EQ(pInput->m_nPinValue[BLOCK_FIRST_OUTPUT], 1) << "a momentary-break input is on until pressed";

    auto pRegister = Make(BT_SREG, 9);
    static_cast<CBlockSREG&>(*pRegister).m_wShiftReg = 5;
    pRegister->ResetForRun(kNow);
    EXPECT_EQ(static_cast<CBlockSREG&>(*pRegister).m_wShiftReg, 0);
    EXPECT_EQ(pRegister->m_dRunTime, 9) << "the register keeps its running time";

    auto pMux = Make(BT_AMUX, 4);
    static_cast<CBlockAnalog&>(*pMux).m_nValue = 12;
    pMux->ResetForRun(kNow);
    EXPECT_EQ(static_cast<CBlockAnalog&>(*pMux).m_nValue, 0);
    EXPECT_EQ(pMux->m_dRunTime, 4);

    auto pStaircase = Make(BT_MFS, 4);
    pStaircase->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    pStaircase->ResetForRun(kNow);
    EXPECT_EQ(pStaircase->m_nPinValue[BLOCK_FIRST_OUTPUT], 0) << "the light starts off";
    EXPECT_EQ(pStaircase->m_dRunTime, 0);
    EXPECT_EQ(pStaircase->m_stStart.wHour, kNow.wHour);

    // Both staircase switches start with no warning, the multiple function switch off.
    auto* pSwitch = static_cast<CBlockMFS*>(pStaircase.get());
    pSwitch->m_nPhase = MFS_STAIRCASE;
    pSwitch->m_nWarning = WARNING_BLINKING;
    pSwitch->ResetForRun(kNow);
    EXPECT_EQ(pSwitch->m_nPhase, MFS_OFF);
    EXPECT_EQ(pSwitch->m_nWarning, WARNING_NONE);
    auto pStairway = Make(BT_SLS, 0);
    static_cast<CBlockSLS&>(*pStairway).m_nWarning = WARNING_DONE;
    pStairway->ResetForRun(kNow);
    EXPECT_EQ(static_cast<CBlockSLS&>(*pStairway).m_nWarning, WARNING_NONE);

    auto pCapture = Make(BT_TDT, 0);
    pCapture->m_strTimeText = _T("240304080055");
    pCapture->ResetForRun(kNow);
    EXPECT_TRUE(pCapture->m_strTimeText.IsEmpty()) << "a new run has captured no time";

    auto pOutput = Make(BT_OUT, 5);
    pOutput->ResetForRun(kNow);
    EXPECT_EQ(pOutput->m_dRunTime, 0) << "nothing timed";
}

// A make contact starts closed on "High", a break contact on any other operand.
TEST(BlockRunStart, ContactsStartClosedWhereTheirOperandIsOn)
{
    const struct {
        int nType, nOperand, nClosed;
    } cases[] = {{BT_MAKE, NUM_HIGH, 1}, {BT_MAKE, NUM_INPUT, 0}, {BT_BREAK, NUM_HIGH, 0}, {BT_BREAK, NUM_INPUT, 1}};
    for (const auto& c : cases) {
        auto pContact = Make(c.nType, 0);
        pContact->m_nOperand = c.nOperand;
        pContact->ResetForRun(kNow);
        EXPECT_EQ(pContact->m_nContactState, c.nClosed) << c.nType << " on " << c.nOperand;
    }
}

// An analog block whose measured input is open (no block has its source's number) starts with
// what that input gives it, the offset; a wired one keeps its values for its first step.
TEST(BlockRunStart, AnAnalogBlockStartsFromAnOpenMeasuredInput)
{
    constexpr int kKept = 77;
    constexpr int kNoBlock = 4321;
    const struct {
        int nType, nSource0, nSource1;
        int nValue, nAx, nAy;
    } cases[] = {
        {BT_ACOMP, LINK_OPEN, kNoBlock, 0, 150, 150},  {BT_ACOMP, LINK_OPEN, NUM_INPUT, kKept, kKept, kKept},
        {BT_ATHTRG, LINK_OPEN, LINK_OPEN, 150, 150, kKept}, {BT_AAMP, NUM_INPUT, LINK_OPEN, kKept, kKept, kKept},
        {BT_AWDOG, NUM_INPUT, LINK_OPEN, 150, 150, kKept}, {BT_AWDOG, LINK_OPEN, NUM_INPUT, kKept, kKept, kKept},
        {BT_ADTRG, kNoBlock, LINK_OPEN, 150, 150, kKept},  {BT_ARAMP, LINK_OPEN, LINK_OPEN, kKept, kKept, kKept},
    };
    for (const auto& c : cases) {
        SimDriver sim;
        sim.AddInput(NUM_INPUT);
        auto* pBlock = sim.Add(static_cast<CBlockAnalog*>(CreateBlockForType(c.nType, nullptr, &sim.Doc())), NUM_FUNCTION_BLOCK);
        pBlock->m_nOffset = 150;
        pBlock->m_nPinSource[0] = c.nSource0;
        pBlock->m_nPinSource[1] = c.nSource1;
        pBlock->m_nValue = pBlock->m_nAx = pBlock->m_nAy = kKept;
        pBlock->ResetForRun(kNow);
        EXPECT_EQ(pBlock->m_nValue, c.nValue) << c.nType << " from " << c.nSource0 << ", " << c.nSource1;
        EXPECT_EQ(pBlock->m_nAx, c.nAx) << c.nType << " from " << c.nSource0 << ", " << c.nSource1;
        EXPECT_EQ(pBlock->m_nAy, c.nAy) << c.nType << " from " << c.nSource0 << ", " << c.nSource1;
    }
}

}  // namespace
