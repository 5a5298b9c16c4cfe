// The timer base: the cam table every timer stores and the time-base indexes checked on load.
#include "BlockObjTest.h"
#include "SimDriver.h"

#include "blocks/BlockClock.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockDelay.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockPinText.h"
#include "blocks/BlockTypes.h"
#include "platform/core/Exception.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
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

// Time-base words outside the time tables (a hand-made or damaged record) load as stored; the
// steps, the value box, the pin texts and the element texts read them as the finest base and
// never read past the tables.
struct TimeBaseCase {
    int nType;
    bool bParamEx;  // m_nParamEx rather than m_nParam
    int nIndex;
    int nValue;
};

constexpr TimeBaseCase kTimeBaseCases[] = {
    {BT_DPR, false, 10, 3},  {BT_DPR, false, 10, -1}, {BT_DPR, false, 11, 3},  {BT_MPLR, true, 2, 3},
    {BT_MPLR, false, 12, 3}, {BT_RPR, true, 2, -2},   {BT_SLS, true, 2, 5},    {BT_WT, false, 10, 4},
    {BT_YT, false, 10, 3},   {BT_AC, false, 10, 3},   {BT_SW, false, 10, 4},   {BT_APG, false, 10, 99},
};

TEST(BlockTime, TimeBasesOutsideTheTablesLoadAndReadAsTheFinest)
{
    for (const TimeBaseCase& c : kTimeBaseCases) {
        SCOPED_TRACE(testing::Message() << c.nType << (c.bParamEx ? " ex[" : " [") << c.nIndex
                                        << "] = " << c.nValue);
        std::unique_ptr<CBlockObj> pStored(CreateBlockForType(c.nType, nullptr, nullptr));
        (c.bParamEx ? pStored->m_nParamEx : pStored->m_nParam)[c.nIndex] = c.nValue;
        std::unique_ptr<CObject> pObject = LoadObject(StoreObject(pStored.get()));
        auto* pLoaded = dynamic_cast<CBlockObj*>(pObject.get());
        ASSERT_NE(pLoaded, nullptr);
        EXPECT_EQ((c.bParamEx ? pLoaded->m_nParamEx : pLoaded->m_nParam)[c.nIndex], c.nValue);

        SimDriver sim;
        CBlockObj* pTimer = sim.Add(static_cast<CBlockObj*>(pObject.release()), NUM_FUNCTION_BLOCK);
        CBlockObj* pInput = sim.FeedPin(pTimer, 0);
        sim.Start();
        SimDriver::SetInput(pInput, 1);
        sim.Run(500);
        RecordingSurface surface;
        CDC dc(surface);
        pTimer->DrawSim(&sim.Sim(), &dc);
        for (int nPin = 0; nPin < pTimer->m_nInputs; ++nPin)
            BuildPinText(*pTimer, nPin, TRUE);
        for (int nId = 0; nId < 200; ++nId) {
            CString strText;
            pTimer->GetWidgetText(&sim.Sim(), &strText, nId, 0);
            pTimer->GetWidgetValueText(&sim.Sim(), &strText, nId, 0);
        }
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
