#include "platform/core/Runtime.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

namespace {

std::vector<int> Draw(int n)
{
    std::vector<int> v;
    for (int i = 0; i < n; ++i)
        v.push_back(crt::rand());
    return v;
}

TEST(Runtime, RandStartsFromSeedOne)
{
    // A fresh thread has the runtime's initial seed, whatever other tests drew before.
    std::vector<int> first;
    std::thread([&] { first = Draw(5); }).join();
    EXPECT_EQ(first, (std::vector<int>{41, 18467, 6334, 26500, 19169}));
}

TEST(Runtime, SrandRestartsTheSequence)
{
    crt::srand(1);
    EXPECT_EQ(Draw(3), (std::vector<int>{41, 18467, 6334}));
    crt::srand(12345);
    EXPECT_EQ(Draw(3), (std::vector<int>{7584, 19164, 25795}));
    crt::srand(0);
    EXPECT_EQ(crt::rand(), 38);
}

TEST(Runtime, RandStaysInFifteenBits)
{
    crt::srand(7);
    for (int i = 0; i < 10000; ++i) {
        const int r = crt::rand();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, crt::RAND_MAX_VALUE);
    }
}

TEST(Runtime, WtolAndWtoi)
{
    struct Row {
        const char16_t* text;
        LONG want;
    };
    const Row rows[] = {
        {u"123", 123},
        {u"  -45xyz", -45},
        {u"+7", 7},
        {u"\t\n\v\f\r 12", 12},
        {u"12.9", 12},
        {u"", 0},
        {u"abc", 0},
        {u"- 5", 0},
        {u"--5", 0},
        {u"0x1A", 0},
        {u"\uFF11\uFF12", 0}, // full-width digits are not digits here
        {u"007", 7},
        {u"2147483647", INT32_MAX},
        {u"2147483648", INT32_MAX},
        {u"-2147483648", INT32_MIN},
        {u"-2147483649", INT32_MIN},
        {u"99999999999999999999999", INT32_MAX},
        {u"-99999999999999999999999", INT32_MIN},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(_wtol(r.text), r.want) << std::u16string(r.text).size();
        EXPECT_EQ(_wtoi(r.text), r.want);
    }
    EXPECT_EQ(_wtol(nullptr), 0);
}

TEST(Runtime, Wtof)
{
    EXPECT_DOUBLE_EQ(_wtof(u"3.5"), 3.5);
    EXPECT_DOUBLE_EQ(_wtof(u"  -2.5e3x"), -2500.0);
    EXPECT_DOUBLE_EQ(_wtof(u"+.25"), 0.25);
    EXPECT_DOUBLE_EQ(_wtof(u"7"), 7.0);
    EXPECT_DOUBLE_EQ(_wtof(u"abc"), 0.0);
    EXPECT_DOUBLE_EQ(_wtof(u"1.5中"), 1.5);
    EXPECT_DOUBLE_EQ(_wtof(nullptr), 0.0);
    EXPECT_TRUE(std::isinf(_wtof(u"1e999")));
}

TEST(Runtime, LocalTimeAtBreaksDownAnInstant)
{
    const char* previous = std::getenv("TZ");
    const std::string saved = previous ? previous : "";
    setenv("TZ", "UTC0", 1);
    tzset();

    using namespace std::chrono;
    const auto when = system_clock::time_point(seconds(1709214330) + milliseconds(250));
    const SYSTEMTIME st = LocalTimeAt(when);

    if (previous)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();

    EXPECT_EQ(st.wYear, 2024);
    EXPECT_EQ(st.wMonth, 2);
    EXPECT_EQ(st.wDay, 29);
    EXPECT_EQ(st.wDayOfWeek, 4); // Thursday; 0 is Sunday
    EXPECT_EQ(st.wHour, 13);
    EXPECT_EQ(st.wMinute, 45);
    EXPECT_EQ(st.wSecond, 30);
    EXPECT_EQ(st.wMilliseconds, 250);
}

TEST(Runtime, GetLocalTimeIsTheCurrentLocalTime)
{
    const std::time_t before = std::time(nullptr);
    SYSTEMTIME st{};
    GetLocalTime(&st);
    std::tm tm{};
    localtime_r(&before, &tm);
    // The two reads may straddle midnight only in a rare second; the year is stable enough.
    EXPECT_EQ(st.wYear, tm.tm_year + 1900);
    EXPECT_GE(st.wMonth, 1);
    EXPECT_LE(st.wMonth, 12);
    EXPECT_LE(st.wDayOfWeek, 6);
    EXPECT_LT(st.wMilliseconds, 1000);
    GetLocalTime(nullptr); // ignored rather than written through
}

TEST(Runtime, TickCountIsSteadyMilliseconds)
{
    const std::uint64_t t0 = GetTickCount64();
    const DWORD d0 = GetTickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_GE(GetTickCount64() - t0, 20u);
    EXPECT_GE(DWORD(GetTickCount() - d0), 20u); // unsigned difference survives a wrap
}

} // namespace
