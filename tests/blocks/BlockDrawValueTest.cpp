// A simulation paint of one block of every family that shows a value: the frame in the colour
// its family gives (the state's red or blue, or black for blocks whose output is a word) and,
// after it, the value box just below the body. The boxes' texts belong to the families' tests.
#include "BlockDrawTestSupport.h"
#include "SimDriver.h"

#include "blocks/BlockTypes.h"

namespace {

enum class Colour { State, Black };

struct ValueCase {
    int nType;
    Colour colour;
    bool bValueBox;
    bool bInputHigh;  // input 0 fed with 1, so that the state turns 1
};

class SimulationPaint : public ::testing::TestWithParam<ValueCase> {};

TEST_P(SimulationPaint, DrawsTheFrameInItsColourThenTheValueBoxBelow)
{
    const ValueCase& c = GetParam();
    SimDriver driver;
    CBlockObj* pBlock = driver.Add(CreateBlockForType(c.nType, nullptr, nullptr), NUM_FUNCTION_BLOCK);
    pBlock->m_ptPos = CPoint(100, 100);
    CBlockObj* pFeed = c.bInputHigh ? driver.FeedPin(pBlock, 0) : nullptr;
    driver.Doc().m_wHardwareCode = kNewHardware;
    driver.Start();
    if (pFeed)
        SimDriver::SetInput(pFeed, 1);
    driver.Scan();

    RecordingSurface surface;
    CDC dc(surface);
    pBlock->DrawSim(&driver.Sim(), &dc);

    const auto& records = surface.Records();
    std::size_t nBody = records.size();
    std::size_t nBox = records.size();
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].kind == DrawKind::Polygon && nBody == records.size())
            nBody = i;
        if (records[i].kind == DrawKind::FillRect && records[i].colour == RGB(255, 255, 204))
            nBox = i;
    }
    ASSERT_LT(nBody, records.size()) << surface.Dump();
    const int nState = SimDriver::State(pBlock);
    if (c.bInputHigh) {
        EXPECT_EQ(nState, 1);
    }
    const COLORREF crExpected =
        c.colour == Colour::Black ? kTestBlack : (nState == 1 ? kTestRed : kTestBlue);
    EXPECT_EQ(records[nBody].state.pen.crColour, crExpected) << surface.Dump();

    ASSERT_EQ(nBox < records.size(), c.bValueBox) << surface.Dump();
    if (!c.bValueBox)
        return;
    EXPECT_GT(nBox, nBody) << "the box is drawn after the block";
    EXPECT_EQ(records[nBox].rect.left, 100);
    EXPECT_EQ(records[nBox].rect.top, 100 + pBlock->m_nHeight + 2);
    EXPECT_GT(records[nBox].rect.right, 125);
}

INSTANTIATE_TEST_SUITE_P(
    Families, SimulationPaint,
    ::testing::Values(ValueCase{BT_AND, Colour::State, false, true},
                      ValueCase{BT_DPR, Colour::State, true, false},
                      ValueCase{BT_DDR, Colour::State, true, true},
                      ValueCase{BT_WT, Colour::State, false, false},
                      ValueCase{BT_COUNTER, Colour::State, true, false},
                      ValueCase{BT_TDT, Colour::State, true, false},
                      ValueCase{BT_BCD, Colour::Black, true, false},
                      ValueCase{BT_ROL, Colour::Black, true, false},
                      ValueCase{BT_SQRT, Colour::Black, true, false},
                      ValueCase{BT_ODD, Colour::State, false, false},
                      ValueCase{BT_ACOMP, Colour::State, true, false},
                      ValueCase{BT_AAMP, Colour::Black, true, false},
                      ValueCase{BT_ENCODER, Colour::State, true, false},
                      ValueCase{BT_SEG, Colour::Black, true, false}));

}  // namespace
