// The kinds a wire joins as the block-type table gives them: what a type code without a row
// gives, and which pin's kind the pins past the table's columns take.
#include "blocks/BlockTypes.h"
#include "document/WireKinds.h"

#include <gtest/gtest.h>

namespace {

using D = WireDestKind;

TEST(WireKinds, AnUnknownTypeCodeIsDigital)
{
    EXPECT_EQ(SourceKindOf(0), WireSourceKind::Digital);
    EXPECT_EQ(DestKindOf(0, 1), D::Digital);
}

// The PI controller's pins are of three kinds: pin 3 and any pin past it, or before pin 0,
// take the last column's.
TEST(WireKinds, PinsPastTheColumnsTakeTheLastOnesKind)
{
    EXPECT_EQ(DestKindOf(BT_PI, 0), D::DigitalFunction);
    EXPECT_EQ(DestKindOf(BT_PI, 2), D::AnalogFunction);
    for (const int nPin : {3, 9, -1})
        EXPECT_EQ(DestKindOf(BT_PI, nPin), D::AnalogSignal) << nPin;
}

} // namespace
