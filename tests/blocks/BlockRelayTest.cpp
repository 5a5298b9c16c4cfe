// Latching and pulse relays, the shift register with its bit blocks, the Boolean function and
// the trigger-date-time block, driven by digital inputs scan by scan; GetWordBit.
#include "BlockRig.h"

#include "blocks/BlockLadder.h"
#include "blocks/BlockRelay.h"
#include "blocks/WordBit.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

using States = std::vector<int>;

TEST(BlockRelay, RelaySequences)
{
    BlockRig latching(BT_LR, 2);  // S, R: reset wins
    EXPECT_EQ(latching.Run({{1, 0}, {0, 0}, {1, 1}, {0, 0}, {0, 1}, {1, 0}}),
              (States{1, 1, 0, 0, 0, 1}));
    BlockRig pulse(BT_PR, 3);  // trigger, S, R
    EXPECT_EQ(pulse.Run({{1, 0, 0}, {0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {0, 1, 1}, {0, 1, 0},
                         {1, 0, 1}, {1, 0, 0}, {0, 0, 0}, {1, 0, 0}}),
              (States{1, 1, 0, 0, 0, 1, 0, 0, 0, 1}))
        << "rising edges toggle; with S and R both 1, R wins; an edge while R is held is lost";
    pulse.Block()->m_nParamEx[PR_SET_WINS_PARAMEX] = 1;
    EXPECT_EQ(pulse.Scan({0, 1, 1}), 1) << "S takes priority";
}

TEST(BlockRelay, LadderContactsFollowTheRelay)
{
    BlockRig rig(BT_LR, 2, DOC_TYPE_LAD);
    auto* pContact = rig.Sim().Add(new CBlockMake(BT_MAKE), NUM_MAKE);
    pContact->m_nOperand = NUM_FUNCTION_BLOCK;
    rig.Scan({1, 0});
    EXPECT_EQ(pContact->m_nContactState, 1);
    rig.Scan({0, 1});
    EXPECT_EQ(pContact->m_nContactState, 0);
}

// Data, shift pulse, direction; output bit 3; bit blocks S of register 1 and of register 0.
TEST(BlockRelay, ShiftRegister)
{
    BlockRig rig(BT_SREG, 3);
    auto& reg = static_cast<CBlockSREG&>(*rig.Block());
    reg.m_nParamEx[SREG_BIT_PARAMEX] = 3;
    reg.m_nParamEx[SREG_INDEX_PARAMEX] = 1;
    auto* pOwnBit1 = rig.Sim().Add(new CBlockShift(BT_SHIFT), NUM_SHIFT + 17);
    auto* pOtherBit1 = rig.Sim().Add(new CBlockShift(BT_SHIFT), NUM_SHIFT + 1);
    const struct {
        int nData, nDown;
        WORD wExpected;
        int nState;
    } shifts[] = {{1, 0, 0x0001, 0}, {1, 0, 0x0003, 0}, {1, 0, 0x0007, 0},
                  {1, 0, 0x000F, 1}, {0, 1, 0x0007, 0}, {1, 1, 0x8003, 0}};
    for (const auto& s : shifts) {
        EXPECT_EQ(rig.Scan({s.nData, 1, s.nDown}), s.nState);
        rig.Scan({s.nData, 1, s.nDown});  // a held pulse shifts once
        rig.Scan({s.nData, 0, s.nDown});
        EXPECT_EQ(reg.m_wShiftReg, s.wExpected);
    }
    EXPECT_EQ(SimDriver::State(pOwnBit1), 1);
    EXPECT_EQ(SimDriver::State(pOtherBit1), 0) << "bits of other registers are not touched";
    reg.m_wShiftReg = 0x8000;
    rig.Scan({0, 1, 0});
    EXPECT_EQ(reg.m_wShiftReg, 0) << "bit 15 drops out";
}

TEST(BlockRelay, BooleanTruthTable)
{
    const struct {
        int nTable;
        int nConnected;  // inputs beyond stay open and count 0
        std::vector<int> levels;
        int nExpected;
    } cases[] = {
        {0x8000, 4, {1, 1, 1, 1}, 1}, {0x8000, 4, {1, 1, 1, 0}, 0}, {0x8000, 3, {1, 1, 1}, 0},
        {0x0001, 0, {}, 1},           {0x0001, 4, {0, 0, 1, 0}, 0}, {0x0100, 1, {1}, 1},
    };
    for (const auto& c : cases) {
        BlockRig rig(BT_BOOLEAN, c.nConnected);
        rig.Block()->m_nParamEx[BOOLEAN_TABLE_PARAMEX] = c.nTable;
        EXPECT_EQ(rig.Scan(c.levels), c.nExpected) << std::hex << c.nTable;
    }
}

TEST(BlockRelay, TriggerDateTimeCapturesTheSimulatedClock)
{
    BlockRig rig(BT_TDT, 2);
    const SYSTEMTIME stMoment = {2024, 3, 2, 5, 7, 8, 9, 0};
    rig.Sim().SetClock(stMoment);
    EXPECT_EQ(rig.Run({{0, 1}, {1, 1}}), (States{0, 0})) << "no capture while reset is 1";
    EXPECT_TRUE(rig.Block()->m_strTimeText.IsEmpty());
    EXPECT_EQ(rig.Run({{0, 0}, {1, 0}}), (States{0, 1}));
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
                 {0xFFFF, -1, 0}, {0xFFFF, INT_MIN, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(GetWordBit(c.w, c.nBit), c.nExpected) << c.w << " bit " << c.nBit;
}

}  // namespace
