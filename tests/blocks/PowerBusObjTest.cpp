#include "RecordTestSupport.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockTypes.h"
#include "blocks/PowerBusObj.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"

#include <gtest/gtest.h>

namespace {

class PowerBusObjTest : public testing::Test {
protected:
    static void SetUpTestSuite() { RegisterBlockClasses(); }

    TestDocument m_active{DOC_TYPE_LAD};
};

TEST_F(PowerBusObjTest, BothConstructorsGiveTheRailWithoutPins)
{
    CPowerBusObj typed(BT_POWERBUS);
    CPowerBusObj loading;
    for (const CPowerBusObj* pRail : {&typed, &loading}) {
        EXPECT_EQ(pRail->m_nType, BT_POWERBUS);
        EXPECT_EQ(pRail->m_nNumber, NUM_POWERBUS);
        EXPECT_EQ(pRail->m_nInputs, 0);
        EXPECT_EQ(pRail->m_nOutputs, 0);
        EXPECT_EQ(pRail->m_ptPos, CPoint(24, 20));
        EXPECT_EQ(pRail->m_nPinValue[BLOCK_FIRST_OUTPUT], 1) << "a hi block";
        EXPECT_TRUE(pRail->IsKindOf(RUNTIME_CLASS(CBlockHigh)));
    }
}

TEST_F(PowerBusObjTest, RailRoundTripsAsABlockRecord)
{
    CPowerBusObj rail(BT_POWERBUS);
    rail.m_nWidth = 4;
    rail.m_nHeight = 700;
    const Bytes bytes = StoreObject(&rail);
    EXPECT_EQ(ReadU16(bytes, 2), 1u);
    EXPECT_EQ(bytes.size(), ClassHeaderLength(&rail) + kCommonShortLength + kCommonTailLength);
    auto pLoaded = LoadObjectAs<CPowerBusObj>(bytes, &m_active.Doc());
    ASSERT_TRUE(pLoaded);
    EXPECT_EQ(pLoaded->m_nHeight, 700);
    EXPECT_EQ(StoreObject(pLoaded.get()), bytes);
}

TEST_F(PowerBusObjTest, RailIsAWideLineDownToItsBottom)
{
    CPowerBusObj rail(BT_POWERBUS);
    rail.m_nWidth = 4;
    rail.m_nHeight = 500;
    RecordingSurface surface;
    CDC dc(surface);
    rail.Draw(&m_active.Sim(), &dc, TRUE, RGB(255, 0, 0));
    ASSERT_EQ(surface.Records().size(), 1u);
    const auto& line = surface.Records()[0];
    EXPECT_EQ(line.kind, RecordingSurface::Kind::Polyline);
    EXPECT_EQ(line.state.pen.nWidth, 4);
    EXPECT_EQ(line.state.pen.crColour, RGB(255, 0, 0));
    EXPECT_EQ(CPoint(line.points[0]), CPoint(24, 20));
    EXPECT_EQ(CPoint(line.points[1]), CPoint(24, 500));
}

}  // namespace
