// The bounded caches of the painter surfaces keep what every paint asks for among entries that
// come and go, and never hold more than two generations.
#include "platform/qt/RecentCache.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// A paint asks for the same steady entries every time, among passing ones it never asks for
// again.
void Paint(RecentCache<std::string, int>& cache, int nSteady, int nPassing, int nPaint)
{
    for (int i = 0; i < nSteady; ++i) {
        const std::string key = "pin " + std::to_string(i);
        if (!cache.Find(key))
            cache.Insert(key, i);
    }
    for (int i = 0; i < nPassing; ++i)
        cache.Insert("value " + std::to_string(nPaint) + "." + std::to_string(i), i);
}

TEST(RecentCache, SteadyEntriesOutliveThePassingOnes)
{
    struct Case {
        int nGeneration;
        int nSteady;
        int nPassing;
    };
    // A paint asks for at most a generation's worth of entries.
    const Case cases[] = {
        {8, 3, 0},  // nothing passes: no generation ever fills
        {8, 3, 5},  // a paint fills a generation exactly
        {4, 1, 3},
        {3, 2, 1},
    };
    for (const Case& c : cases) {
        RecentCache<std::string, int> cache(std::size_t(c.nGeneration));
        for (int nPaint = 0; nPaint < 50; ++nPaint) {
            Paint(cache, c.nSteady, c.nPassing, nPaint);
            EXPECT_LE(cache.Size(), std::size_t(2 * c.nGeneration)) << c.nGeneration << " " << c.nPassing;
        }
        for (int i = 0; i < c.nSteady; ++i) {
            const int* pValue = cache.Find("pin " + std::to_string(i));
            ASSERT_NE(pValue, nullptr) << c.nGeneration << " " << c.nPassing << " pin " << i;
            EXPECT_EQ(*pValue, i);
        }
        EXPECT_EQ(cache.Find("value 0.0"), nullptr);
    }
}

// An entry nobody asks for goes after two generations; one found in the previous generation
// keeps its value, which moves without a copy.
TEST(RecentCache, UnaskedEntriesGoAfterTwoGenerations)
{
    RecentCache<int, std::unique_ptr<int>> cache(2);
    int* pFirst = cache.Insert(1, std::make_unique<int>(10)).get();
    cache.Insert(2, std::make_unique<int>(20));
    cache.Insert(3, std::make_unique<int>(30));  // 1 and 2 are now the previous generation
    std::unique_ptr<int>* pFound = cache.Find(1);
    ASSERT_NE(pFound, nullptr);
    EXPECT_EQ(pFound->get(), pFirst);
    cache.Insert(4, std::make_unique<int>(40));  // 3 and 1 become the previous generation; 2 goes
    EXPECT_EQ(cache.Find(2), nullptr);
    ASSERT_NE(cache.Find(1), nullptr);
    EXPECT_EQ(**cache.Find(3), 30);
}

} // namespace
