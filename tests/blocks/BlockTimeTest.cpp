// The timer base: the cam table every timer stores and the time-base indexes checked on load.
#include "BlockObjTest.h"

#include "blocks/BlockClock.h"
#include "blocks/BlockDelay.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockTypes.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<int> TailInts(const Bytes& bytes, std::size_t nCount)
{
    std::vector<int> values(nCount);
    std::memcpy(values.data(), bytes.data() + bytes.size() - 4 * nCount, 4 * nCount);
    return values;
}

// The cam table follows the common record: day flags cam by cam, the ON times, the ON-unset
// flags, the OFF times, the OFF-unset flags.
TEST(BlockTime, CamTableRecordOrder)
{
    TestDocument active;
    CBlockWT timer(BT_WT);
    timer.m_bDay[0][0] = 1;   // cam 0 Sunday
    timer.m_bDay[2][6] = 1;   // cam 2 Saturday
    timer.m_nOnTime[1][0] = 8;
    timer.m_nOnTime[1][1] = 30;
    timer.m_bOnDisabled[1] = 0;
    timer.m_nOffTime[2][0] = 17;
    timer.m_nOffTime[2][1] = 45;
    timer.m_bOffDisabled[2] = 0;

    std::vector<int> expected(39, 0);
    expected[0] = 1;
    expected[20] = 1;
    expected[21 + 2] = 8;
    expected[21 + 3] = 30;
    expected[27] = 1, expected[28] = 0, expected[29] = 1;
    expected[30 + 4] = 17;
    expected[30 + 5] = 45;
    expected[36] = 1, expected[37] = 1, expected[38] = 0;
    EXPECT_EQ(TailInts(StoreObject(&timer), 39), expected);
}

// Time-base words a class reads index the time tables; a record that names a row they do not
// have fails the load. Words a class does not read as time bases are not checked.
struct TimeBaseCase {
    int nType;
    bool bParamEx;  // m_nParamEx rather than m_nParam
    int nIndex;
    int nValue;
    bool bLoads;
};

constexpr TimeBaseCase kTimeBaseCases[] = {
    {BT_DPR, false, 10, 2, true},   {BT_DPR, false, 10, 3, false}, {BT_DPR, false, 10, -1, false},
    {BT_DPR, false, 11, 3, false},  {BT_DPR, true, 2, 7, true},    {BT_DPR, false, 12, 9, true},
    {BT_MPLR, true, 2, 3, false},   {BT_MPLR, false, 12, 3, false}, {BT_MPLR, false, 12, 2, true},
    {BT_RPR, true, 2, -2, false},   {BT_SLS, true, 2, 5, false},   {BT_SLS, false, 11, 5, true},
    {BT_WT, false, 10, 4, false},   {BT_YT, false, 10, 3, false},  {BT_AC, true, 2, 13, true},
    {BT_AC, false, 10, 3, false},   {BT_SW, false, 10, 3, true},   {BT_SW, false, 10, 4, false},
};

CBlockObj* NewTimer(int nType)
{
    switch (nType) {
    case BT_DPR: return new CBlockDPR(nType);
    case BT_MPLR: return new CBlockMPLR(nType);
    case BT_RPR: return new CBlockRPR(nType);
    case BT_SLS: return new CBlockSLS(nType);
    case BT_WT: return new CBlockWT(nType);
    case BT_YT: return new CBlockYT(nType);
    case BT_AC: return new CBlockAC(nType);
    default: return new CBlockSW(nType);
    }
}

int LoadFailure(const Bytes& bytes)
{
    try {
        LoadObject(bytes);
    } catch (CArchiveException* e) {
        const int nCause = e->m_cause;
        e->Delete();
        return nCause;
    }
    return CArchiveException::none;
}

TEST(BlockTime, StoredTimeBasesAreCheckedOnLoad)
{
    TestDocument active;
    for (const TimeBaseCase& c : kTimeBaseCases) {
        SCOPED_TRACE(testing::Message() << c.nType << (c.bParamEx ? " ex[" : " [") << c.nIndex
                                        << "] = " << c.nValue);
        std::unique_ptr<CBlockObj> pTimer(NewTimer(c.nType));
        (c.bParamEx ? pTimer->m_nParamEx : pTimer->m_nParam)[c.nIndex] = c.nValue;
        const int nCause = LoadFailure(StoreObject(pTimer.get()));
        EXPECT_EQ(nCause, c.bLoads ? CArchiveException::none : CArchiveException::generic);
    }
}

TEST(BlockTime, WeeklyTimerCopiesItsCamsOnlyIntoTimers)
{
    TestDocument active;
    CBlockWT source(BT_WT);
    source.m_bDay[1][2] = 1;
    source.m_nOffTime[0][0] = 23;
    source.m_bOnDisabled[0] = 0;
    CBlockDPR timer(BT_DPR);
    source.CopyTo(&timer, FALSE);
    EXPECT_EQ(timer.m_bDay[1][2], 1);
    EXPECT_EQ(timer.m_nOffTime[0][0], 23);
    EXPECT_EQ(timer.m_bOnDisabled[0], 0);
    CBlockObj plain(811, 4);
    source.CopyTo(&plain, FALSE);  // no cam table to copy into
    EXPECT_EQ(plain.m_nNumber, source.m_nNumber);
}

} // namespace
