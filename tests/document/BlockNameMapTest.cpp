#include "document/BlockNameMap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct NameRow {
    int nType;
    const char* pszName;
};

// The names in the order the map receives them.
const NameRow kExpected[] = {
    {810, "[Message texts]"},
    {400, "[On Delay]"},
    {401, "[Off Delay]"},
    {402, "[On/Off Delay]"},
    {403, "[Retentive On-Delay]"},
    {404, "[Wiping Relay(Pulse Output)]"},
    {405, "[Edge Trigger Wiping Relay]"},
    {406, "[Asynchronous Pulse Generator]"},
    {407, "[Random Generator]"},
    {408, "[Stairway lighting switch]"},
    {409, "[Multiple function switch]"},
    {410, "[Weekly Timer]"},
    {411, "[Yearly Timer]"},
    {412, "[Astronomical clock]"},
    {413, "[Stopwatch]"},
    {800, "[Up/Down Counter]"},
    {801, "[Hour Counter]"},
    {802, "[Threshold trigger]"},
    {815, "[Mathematic instruction]"},
    {803, "[Analog Comparator]"},
    {804, "[Analog Threshold Trigger]"},
    {805, "[Analog Amplifier]"},
    {806, "[Analog Watchdog]"},
    {807, "[Analog Differential trigger]"},
    {816, "[Analog MUX]"},
    {817, "[Analog Ramp]"},
    {818, "[PI controller]"},
    {819, "[PWM]"},
    {820, "[Analog filter]"},
    {821, "[Max/Min]"},
    {822, "[Average value]"},
    {823, "[Mathematic instruction error detection]"},
    {832, "[BCD]"},
    {833, "[BIN]"},
    {834, "[ROL]"},
    {835, "[ROR]"},
    {836, "[SHL]"},
    {837, "[SHR]"},
    {838, "[AND MASK]"},
    {839, "[OR MASK]"},
    {840, "[NOT MASK]"},
    {841, "[NAND MASK]"},
    {842, "[NOR MASK]"},
    {843, "[XOR MASK]"},
    {844, "[Array Max/Min/Avg]"},
    {845, "[Data Max/Min/Avg]"},
    {846, "[RAND]"},
    {848, "[Encoder]"},
    {849, "[Stepping Motor Control]"},
    {850, "[Stepping Motor Control(Edge)]"},
    {851, "[Pulse Train Output]"},
    {852, "[Pulse Train Output(Edge)]"},
    {853, "[Segment Display]"},
    {854, "[Word to Bit]"},
    {855, "[UDC Communication]"},
    {856, "[CRC16]"},
    {860, "[Odd Number]"},
    {861, "[Even Number]"},
    {862, "[Modulo]"},
    {863, "[Remainder]"},
    {864, "[Logarithm]"},
    {865, "[Square Root]"},
    {866, "[Absolute Value]"},
    {867, "[GCD]"},
    {868, "[LCM]"},
    {869, "[2's nth power]"},
    {870, "[e's nth power]"},
    {871, "[Fixed-point arithmetic]"},
    {872, "[Round-off]"},
    {873, "[Sine function]"},
    {874, "[Cosine function]"},
    {875, "[Tangent function]"},
    {876, "[Cotangent function]"},
    {877, "[Secant function]"},
    {878, "[Cosecant function]"},
    {847, "[MEM]"},
    {879, "[Quadratic equation]"},
};

std::vector<std::pair<int, std::string>> IterationOrder()
{
    std::vector<std::pair<int, std::string>> order;
    POSITION pos = g_mapBlockNames.GetStartPosition();
    while (pos) {
        int nType = 0;
        CString strName;
        g_mapBlockNames.GetNextAssoc(pos, nType, strName);
        order.emplace_back(nType, strName.ToUtf8());
    }
    return order;
}

TEST(BlockNameMap, HoldsEveryNameOnceAndNoOther)
{
    InitBlockNames();
    EXPECT_EQ(g_mapBlockNames.GetCount(), BLOCK_NAME_COUNT);
    EXPECT_EQ(g_mapBlockNames.GetHashTableSize(), BLOCK_NAME_HASH_SIZE);
    for (const NameRow& row : kExpected) {
        CString strName;
        ASSERT_TRUE(g_mapBlockNames.Lookup(row.nType, strName)) << row.nType;
        EXPECT_EQ(strName.ToUtf8(), row.pszName) << row.nType;
    }
    // Basic logic, I/O, the unnamed counters and relays, WiFi, ladder, connector pair and
    // data log have no name.
    for (int nType : {300, 307, 600, 611, 808, 809, 811, 814, 824, 830, 831, 857, 700, 900, 911}) {
        CString strName(_T("kept"));
        EXPECT_FALSE(g_mapBlockNames.Lookup(nType, strName)) << nType;
        EXPECT_EQ(strName.ToUtf8(), "kept");
    }
}

// The map iterates bucket by bucket and, inside a bucket, the latest insertion first; so the
// iteration shows both the bucket count and the insertion order (847 comes after 878).
TEST(BlockNameMap, IteratesAsItsInsertionOrderAndBucketsDecide)
{
    InitBlockNames();
    std::vector<std::pair<int, std::string>> expected;
    for (const NameRow& row : kExpected)
        expected.emplace_back(row.nType, row.pszName);
    std::reverse(expected.begin(), expected.end());
    std::stable_sort(expected.begin(), expected.end(), [](const auto& a, const auto& b) {
        return (UINT(a.first) >> 4) % BLOCK_NAME_HASH_SIZE <
               (UINT(b.first) >> 4) % BLOCK_NAME_HASH_SIZE;
    });
    EXPECT_EQ(IterationOrder(), expected);
}

TEST(BlockNameMap, ASecondBuildStartsFromNothing)
{
    InitBlockNames();
    const auto first = IterationOrder();
    g_mapBlockNames.SetAt(300, _T("[AND]"));
    g_mapBlockNames.SetAt(400, _T("changed"));
    InitBlockNames();
    EXPECT_EQ(IterationOrder(), first);
}

} // namespace
