// Latching and pulse relays, the shift register with its bit blocks, the Boolean function and
// the trigger-date-time block, driven by digital inputs scan by scan; GetWordBit.
#include "DigitalBlockRig.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockRelay.h"
#include "blocks/WordBit.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

namespace {

using States = std::vector<int>;

TEST(BlockRelay, LatchingRelayResetWins)
{
    DigitalRig rig(BT_LR, 2);
    EXPECT_EQ(rig.Run({{1, 0}, {0, 0}, {1, 1}, {0, 0}, {0, 1}, {1, 0}}),
              (States{1, 1, 0, 0, 0, 1}));
}

TEST(BlockRelay, PulseRelayTogglesOnRisingTriggerEdges)
{
    DigitalRig rig(BT_PR, 3);
    // Trigger, S, R.
    EXPECT_EQ(rig.Run({{1, 0, 0}, {0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {0, 0, 0}}),
              (States{1, 1, 0, 0, 0}));
    EXPECT_EQ(rig.Run({{0, 1, 1}, {0, 1, 0}, {1, 0, 1}, {1, 0, 0}, {0, 0, 0}, {1, 0, 0}}),
              (States{0, 1, 0, 0, 0, 1}))
        << "both S and R: R wins; an edge while R is held does not toggle later";
}

TEST(BlockRelay, PulseRelaySetPriority)
{
    DigitalRig rig(BT_PR, 3);
    rig.Block()->m_nParamEx[11] = 1;
    EXPECT_EQ(rig.Scan({0, 1, 1}), 1);
}

class ShiftRegister : public ::testing::Test {
protected:
    ShiftRegister() : m_rig(BT_SREG, 3) { Reg().m_nParamEx[9] = 3; }

    CBlockSREG& Reg() { return static_cast<CBlockSREG&>(*m_rig.Block()); }

    // One shift pulse (rise and fall) with the data and direction levels; the register after it
    // and the output state in the scan of the rising edge.
    std::pair<WORD, int> Shift(int nData, int nDown)
    {
        const int nState = m_rig.Scan({nData, 1, nDown});
        m_rig.Scan({nData, 0, nDown});
        return {Reg().m_wShiftReg, nState};
    }

    DigitalRig m_rig;
};

TEST_F(ShiftRegister, ShiftsUpAndDownWithinSixteenBits)
{
    const std::pair<WORD, int> expected[] = {
        {0x0001, 0}, {0x0003, 0}, {0x0007, 0}, {0x000F, 1}};
    for (const auto& e : expected)
        EXPECT_EQ(Shift(1, 0), e);
    EXPECT_EQ(Shift(0, 1), (std::pair<WORD, int>{0x0007, 0}));
    Reg().m_wShiftReg = 0x8000;
    EXPECT_EQ(Shift(0, 0).first, 0x0000) << "bit 15 drops out";
    EXPECT_EQ(Shift(1, 1).first, 0x8000) << "shifting down with data 1 sets bit 15";
}

TEST_F(ShiftRegister, HeldShiftInputShiftsOnce)
{
    m_rig.Scan({1, 1, 0});
    m_rig.Scan({1, 1, 0});
    EXPECT_EQ(Reg().m_wShiftReg, 0x0001);
}

TEST_F(ShiftRegister, DrivesOnlyTheBitBlocksOfItsRegister)
{
    Reg().m_nParamEx[10] = 1;
    auto* pOwnBit0 = m_rig.Sim().Add(new CBlockShift(BT_SHIFT), NUM_SHIFT + 16);
    auto* pOwnBit1 = m_rig.Sim().Add(new CBlockShift(BT_SHIFT), NUM_SHIFT + 17);
    auto* pOtherBit0 = m_rig.Sim().Add(new CBlockShift(BT_SHIFT), NUM_SHIFT);
    Shift(1, 0);
    Shift(0, 0);
    EXPECT_EQ(SimDriver::State(pOwnBit0), 0);
    EXPECT_EQ(SimDriver::State(pOwnBit1), 1);
    EXPECT_EQ(SimDriver::State(pOtherBit0), 0);
}

TEST_F(ShiftRegister, OutputBitOutsideTheWordReadsZero)
{
    Reg().m_nParamEx[9] = -1;
    EXPECT_EQ(Shift(1, 0).second, 0);
    Reg().m_nParamEx[9] = 16;
    EXPECT_EQ(Shift(1, 0).second, 0);
}

TEST(BlockRelay, RelayOutputsReachLadderContacts)
{
    DigitalRig rig(BT_LR, 2, DOC_TYPE_LAD);
    auto* pContact = rig.Sim().Add(new CBlockMake(BT_MAKE), NUM_MAKE);
    pContact->m_nOperand = NUM_FUNCTION_BLOCK;
    rig.Scan({1, 0});
    EXPECT_EQ(pContact->m_nContactState, 1);
    EXPECT_EQ(rig.Block()->m_bPinChanged[BLOCK_FIRST_OUTPUT], 0) << "the flag is taken back";
    rig.Scan({0, 1});
    EXPECT_EQ(pContact->m_nContactState, 0);
}

struct BooleanCase {
    int nTable;
    std::vector<int> levels;  // -1: the input stays open
    int nExpected;
};

TEST(BlockRelay, BooleanTruthTable)
{
    const BooleanCase cases[] = {
        {0x8000, {1, 1, 1, 1}, 1}, {0x8000, {1, 1, 1, 0}, 0}, {0x8000, {1, 1, 1, -1}, 0},
        {0x0001, {0, 0, 0, 0}, 1}, {0x0001, {-1, -1, -1, -1}, 1}, {0x0001, {0, 0, 1, 0}, 0},
        {0x0100, {1, 0, 0, 0}, 1}, {0x0002, {0, 0, 0, 1}, 1},
    };
    for (const BooleanCase& c : cases) {
        SimDriver sim;
        auto* pBlock = sim.Add(CreateBlockForType(BT_BOOLEAN, nullptr), NUM_FUNCTION_BLOCK);
        pBlock->m_nParamEx[10] = c.nTable;
        std::vector<CBlockObj*> inputs;
        for (std::size_t nPin = 0; nPin < c.levels.size(); ++nPin) {
            if (c.levels[nPin] < 0)
                continue;
            auto* pIn = sim.Add(new CBlockIn(BT_IN), NUM_INPUT + int(nPin));
            SimDriver::Connect(pIn, pBlock, int(nPin));
            inputs.push_back(pIn);
            pIn->m_nPinValue[BLOCK_FIRST_OUTPUT] = c.levels[nPin];
        }
        sim.Start();
        for (std::size_t i = 0, k = 0; i < c.levels.size(); ++i) {
            if (c.levels[i] >= 0)
                inputs[k++]->m_nPinValue[BLOCK_FIRST_OUTPUT] = c.levels[i];
        }
        sim.Scan();
        EXPECT_EQ(SimDriver::State(pBlock), c.nExpected) << std::hex << c.nTable;
    }
}

TEST(BlockRelay, TriggerDateTimeCapturesTheSimulatedClock)
{
    DigitalRig rig(BT_TDT, 2);
    const SYSTEMTIME stMoment = {2024, 3, 2, 5, 7, 8, 9, 0};
    rig.Sim().Frame().SetSimTime(&stMoment);
    rig.Scan({0, 1});
    EXPECT_EQ(rig.Scan({1, 1}), 0) << "no capture while reset is 1";
    EXPECT_TRUE(rig.Block()->m_strTimeText.IsEmpty());
    rig.Scan({0, 0});
    EXPECT_EQ(rig.Scan({1, 0}), 1);
    EXPECT_EQ(rig.Block()->m_strTimeText, CString(_T("240305070809")));
    EXPECT_EQ(rig.Scan({1, 1}), 0);
    EXPECT_TRUE(rig.Block()->m_strTimeText.IsEmpty());
}

TEST(WordBit, BitsInsideAndOutsideTheWord)
{
    const struct {
        WORD w;
        int nBit;
        int nExpected;
    } cases[] = {{0x0001, 0, 1}, {0x8000, 15, 1}, {0x7FFF, 15, 0}, {0xFFFF, 16, 0},
                 {0xFFFF, -1, 0}, {0xFFFF, INT_MIN, 0}, {0x0010, 4, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(GetWordBit(c.w, c.nBit), c.nExpected) << c.w << " bit " << c.nBit;
}

}  // namespace
