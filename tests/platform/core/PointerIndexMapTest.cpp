#include "platform/core/PointerIndexMap.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Thousands of entries, so that the table grows several times, at the regular distances that
// objects of one class stand at.
TEST(PointerIndexMap, FindsEveryIndexGivenThroughGrowth)
{
    std::vector<double> objects(5000);
    CPointerIndexMap map;
    EXPECT_EQ(map.Find(&objects[0]), 0u);
    for (std::size_t i = 0; i < objects.size(); ++i)
        map.Insert(&objects[i], DWORD(i + 1));
    for (std::size_t i = 0; i < objects.size(); ++i)
        ASSERT_EQ(map.Find(&objects[i]), DWORD(i + 1)) << i;
    const double other = 0;
    EXPECT_EQ(map.Find(&other), 0u);
    EXPECT_EQ(map.Find(nullptr), 0u);
}

}  // namespace
