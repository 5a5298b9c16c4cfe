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

TEST(PointerIndexMap, FindOrAddEntersOnceAndKeepsTheIndexFilledIn)
{
    std::vector<double> objects(5000);
    CPointerIndexMap map;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        DWORD& dwIndex = map.FindOrAdd(&objects[i]);
        ASSERT_EQ(dwIndex, 0u) << i;
        dwIndex = DWORD(i + 1);
    }
    for (std::size_t i = 0; i < objects.size(); ++i) {
        ASSERT_EQ(map.FindOrAdd(&objects[i]), DWORD(i + 1)) << i;
        ASSERT_EQ(map.Find(&objects[i]), DWORD(i + 1)) << i;
    }
    // An entry whose index was never filled in (its writer failed) reads as having none.
    const double unfinished = 0;
    map.FindOrAdd(&unfinished);
    EXPECT_EQ(map.Find(&unfinished), 0u);
    EXPECT_EQ(map.FindOrAdd(&unfinished), 0u);
}

TEST(PointerIndexMap, ReservingRoomKeepsTheEntriesThereAre)
{
    std::vector<double> objects(6000);
    CPointerIndexMap map;
    map.Reserve(0);
    EXPECT_EQ(map.Find(&objects[0]), 0u);
    for (std::size_t i = 0; i < 700; ++i)
        map.Insert(&objects[i], DWORD(i + 1));
    map.Reserve(5300);
    for (std::size_t i = 700; i < objects.size(); ++i)
        map.FindOrAdd(&objects[i]) = DWORD(i + 1);
    map.Reserve(10);
    for (std::size_t i = 0; i < objects.size(); ++i)
        ASSERT_EQ(map.Find(&objects[i]), DWORD(i + 1)) << i;
}

}  // namespace
