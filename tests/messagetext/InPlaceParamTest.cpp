// The in-place parameter editor's rules without its window: which elements a double click may
// edit, and what Enter checks and writes into the running block.
#include "blocks/BlockCounter.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWord.h"
#include "blocks/BlockMath.h"
#include "blocks/BlockClock.h"
#include "document/VetlaDoc.h"
#include "messagetext/InPlaceParam.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class InPlaceParam : public ::testing::Test {
protected:
    CBlockObj* Block(int nType)
    {
        CBlockObj* pBlock = CreateBlockForType(nType, m_slots, &m_doc);
        m_doc.AddBlock(pBlock);
        return pBlock;
    }
    static InPlaceValue Time(int nFirst, int nSecond, int nBase)
    {
        InPlaceValue value;
        value.nFirst = nFirst;
        value.nSecond = nSecond;
        value.nBase = nBase;
        return value;
    }
    static InPlaceValue Number(int nValue)
    {
        InPlaceValue value;
        value.nFirst = nValue;
        return value;
    }

    CVetlaDoc m_doc;
    int m_slots[16] = {};
    CBlockObj m_referenced;
};

TEST_F(InPlaceParam, ADoubleClickOpensThePopupOnlyWhereTheParameterMayBeTyped)
{
    struct Case {
        int nType;
        int nParamId;
        int nTakenSlot;  // -1: no parameter taken from another block
        BOOL bOffered;
    };
    const Case cases[] = {
        {BT_WT, 42, -1, TRUE},        // the weekly timer always
        {BT_WT, 15, 0, TRUE},
        {BT_DPR, 4, -1, TRUE},        // an On-Delay's time while it is its own
        {BT_DPR, 4, 0, FALSE},        // and not while another block supplies it
        {BT_DPR, 5, -1, FALSE},       // an id outside the type's row
        {BT_MPLR, 7, 0, TRUE},        // the Off time needs the second slot free
        {BT_MPLR, 7, 1, FALSE},
        {BT_COUNTER, 16, 0, TRUE},    // the count itself whatever the thresholds are
        {BT_COUNTER, 17, 0, FALSE},
        {BT_HCOUNTER, 19, -1, TRUE},
        {BT_ANDM, 120, -1, TRUE},
        {BT_NOTM, 120, -1, FALSE},    // a NOT mask has nothing to type
        {BT_SOFTKEY, 33, -1, FALSE},  // no controls exist for a soft key's status
        {BT_ABS, 118, -1, FALSE},
        {BT_LOG, 123, 0, TRUE},
        {BT_LOG, 122, 0, FALSE},
        {BT_AND, 4, -1, FALSE},
    };
    for (const Case& c : cases) {
        CBlockObj* pBlock = Block(c.nType);
        if (c.nTakenSlot >= 0)
            pBlock->m_pRefBlock[c.nTakenSlot] = &m_referenced;
        EXPECT_EQ(OffersInPlaceEdit(*pBlock, c.nParamId), c.bOffered) << c.nType << " id " << c.nParamId;
    }
}

TEST_F(InPlaceParam, TheSecondNumberOfATimeIsCheckedOnlyInHoursAndMinutes)
{
    struct Case {
        int nSecond;
        int nBase;
        bool bWritten;
    };
    const Case cases[] = {{59, 0, true}, {60, 0, false}, {60, 1, false}, {99, 1, false},
                          {60, 2, true}, {99, 2, true},  {0, 1, true}};
    for (const Case& c : cases) {
        CBlockObj* pTimer = Block(BT_DPR);
        pTimer->m_nParam[TIMER_ON_LOW_PARAM] = 7;
        const InPlaceResult result = ApplyInPlaceValue(*pTimer, 4, 0, Time(3, c.nSecond, c.nBase));
        EXPECT_EQ(bool(result.bWritten), c.bWritten) << c.nSecond << " in base " << c.nBase;
        EXPECT_EQ(pTimer->m_nParam[TIMER_ON_LOW_PARAM], c.bWritten ? c.nSecond : 7);
        EXPECT_EQ(result.strRefusal, c.bWritten ? CString() : CString(_T("Please enter an integer between 0 and 59")));
    }
}

TEST_F(InPlaceParam, AnIdleOnOffDelayTakesTheNewDurationAsItsCurrentTime)
{
    auto* pTimer = static_cast<CBlockTime*>(Block(BT_MPLR));
    pTimer->m_dRunTime = 1234.0;
    ASSERT_TRUE(ApplyInPlaceValue(*pTimer, 6, 0, Time(1, 30, 1)).bWritten);
    EXPECT_EQ(pTimer->m_dRunTime, 90000.0);
    EXPECT_EQ(pTimer->m_nParam[TIMER_ON_HIGH_PARAM], 1);
    EXPECT_EQ(pTimer->m_nParam[TIMER_ON_BASE_PARAM], 1);
    // The Off time goes to the second setpoint.
    ASSERT_TRUE(ApplyInPlaceValue(*pTimer, 7, 0, Time(2, 5, 2)).bWritten);
    EXPECT_EQ(pTimer->m_nParamEx[TIMER_OFF_HIGH_PARAMEX], 2);
    EXPECT_EQ(pTimer->m_nParamEx[TIMER_OFF_LOW_PARAMEX], 5);
    EXPECT_EQ(pTimer->m_dRunTime, 2050.0);
    // A timer that is timing keeps its running time.
    pTimer->m_bTiming = 1;
    ASSERT_TRUE(ApplyInPlaceValue(*pTimer, 6, 0, Time(0, 10, 0)).bWritten);
    EXPECT_EQ(pTimer->m_dRunTime, 2050.0);
    // The plain On-Delay never touches it.
    CBlockObj* pOnDelay = Block(BT_DPR);
    pOnDelay->m_dRunTime = 5.0;
    ApplyInPlaceValue(*pOnDelay, 4, 0, Time(1, 0, 0));
    EXPECT_EQ(pOnDelay->m_dRunTime, 5.0);
    EXPECT_EQ(TimePairMs(1, 0, 0), 3600000.0);
    EXPECT_EQ(TimePairMs(1, 2, 7), 0.0);
}

TEST_F(InPlaceParam, YearlyDatesAreCheckedMonthByMonth)
{
    struct Case {
        int nMonth;
        int nDay;
        LPCTSTR pszRefusal;
    };
    const Case cases[] = {
        {4, 31, _T("Enter an Integer between 1 and 30.")}, {2, 30, _T("Enter an Integer between 1 and 29.")},
        {2, 29, _T("")},                                   {13, 1, _T("Enter an Integer between 1 and 12.")},
        {1, 0, _T("Enter an Integer between 1 and 31.")},  {12, 31, _T("")},
    };
    for (const Case& c : cases) {
        CBlockObj* pYearly = Block(BT_YT);
        pYearly->m_nParamEx[YT_OFF_DAY_PARAMEX] = 77;
        InPlaceValue value = Number(c.nMonth);
        value.nSecond = c.nDay;
        const InPlaceResult result = ApplyInPlaceValue(*pYearly, 36, 0, value);
        EXPECT_EQ(result.strRefusal, CString(c.pszRefusal)) << c.nMonth << "/" << c.nDay;
        const bool bWritten = result.strRefusal.IsEmpty();
        EXPECT_EQ(bool(result.bWritten), bWritten);
        EXPECT_EQ(pYearly->m_nParamEx[YT_OFF_DAY_PARAMEX] == c.nDay, bWritten);
    }
}

TEST_F(InPlaceParam, MasksDivisorsAndRangesRefuseWhatTheBlockCannotTake)
{
    CBlockObj* pMask = Block(BT_ANDM);
    InPlaceValue mask;
    mask.strHex = _T("ffff");
    EXPECT_TRUE(ApplyInPlaceValue(*pMask, 120, 0, mask).bWritten);
    EXPECT_EQ(pMask->m_nParam[WORDOP_OPERAND_PARAM], 0xFFFF);
    mask.strHex = _T("12G4");
    const InPlaceResult badMask = ApplyInPlaceValue(*pMask, 120, 0, mask);
    EXPECT_FALSE(badMask.bWritten);
    EXPECT_EQ(badMask.strRefusal, CString(_T("Please enter an Hexadecimal number  between 0x0000 and 0xFFFF")));
    EXPECT_EQ(pMask->m_nParam[WORDOP_OPERAND_PARAM], 0xFFFF);
    mask.strHex.Empty();
    EXPECT_TRUE(ApplyInPlaceValue(*pMask, 120, 0, mask).bWritten);
    EXPECT_EQ(pMask->m_nParam[WORDOP_OPERAND_PARAM], 0);

    CBlockObj* pMod = Block(BT_MOD);
    pMod->m_nParam[MOD_DIVISOR_PARAM] = 7;
    const InPlaceResult zero = ApplyInPlaceValue(*pMod, 122, 0, Number(0));
    EXPECT_EQ(zero.strRefusal, CString(_T("Please enter an integer between -32767 and 32767 and <> 0")));
    EXPECT_EQ(pMod->m_nParam[MOD_DIVISOR_PARAM], 7);
    EXPECT_TRUE(ApplyInPlaceValue(*pMod, 122, 0, Number(-32767)).bWritten);
    EXPECT_FALSE(ApplyInPlaceValue(*pMod, 122, 0, Number(-32768)).bWritten);

    CBlockObj* pShift = Block(BT_SHL);
    EXPECT_FALSE(ApplyInPlaceValue(*pShift, 118, 0, Number(0)).bWritten);
    EXPECT_TRUE(ApplyInPlaceValue(*pShift, 118, 0, Number(15)).bWritten);
    EXPECT_EQ(pShift->m_nParam[WORDOP_OPERAND_PARAM], 15);

    CBlockObj* pLog = Block(BT_LOG);
    InPlaceValue real;
    real.dValue = 10000.5;
    EXPECT_EQ(ApplyInPlaceValue(*pLog, 123, 0, real).strRefusal,
              CString(_T("Please enter an number between -10000 and 10000")));
    real.dValue = -10000.0;
    EXPECT_TRUE(ApplyInPlaceValue(*pLog, 123, 0, real).bWritten);
    EXPECT_EQ(pLog->m_dParam, -10000.0);
    // A list without a selection writes nothing and says nothing.
    const InPlaceResult none = ApplyInPlaceValue(*pLog, 122, 0, Number(-1));
    EXPECT_FALSE(none.bWritten);
    EXPECT_TRUE(none.strRefusal.IsEmpty());
}

TEST_F(InPlaceParam, ACountersNewCountAsksForTheOpenSheetToShowIt)
{
    CBlockObj* pCounter = Block(BT_COUNTER);
    EXPECT_EQ(ReadInPlaceValue(*pCounter, 16, 0).nFirst, 0);
    const InPlaceResult result = ApplyInPlaceValue(*pCounter, 16, 0, Number(42));
    EXPECT_TRUE(result.bWritten);
    EXPECT_TRUE(result.bRefresh);
    EXPECT_EQ(pCounter->m_dRunTime, 42.0);
    EXPECT_FALSE(ApplyInPlaceValue(*pCounter, 17, 0, Number(5)).bRefresh);
}

TEST_F(InPlaceParam, AHoursCounterWithoutAnIntervalHasNothingToGo)
{
    struct Case {
        int nInterval;
        int nOperating;
        int nToGo;
    };
    const Case cases[] = {{10, 4, 360}, {10, 10, 600}, {10, 23, 420}, {0, 0, 0}, {0, 5, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(HoursCounterToGo(c.nInterval, c.nOperating), c.nToGo) << c.nInterval << " " << c.nOperating;

    auto* pCounter = static_cast<CBlockHCOUNTER*>(Block(BT_HCOUNTER));
    pCounter->m_nOTMinutes = 5 * 60;
    EXPECT_TRUE(ApplyInPlaceValue(*pCounter, 19, 0, Number(0)).bWritten);
    EXPECT_EQ(pCounter->m_nMNMinutes, 0);
    EXPECT_EQ(ApplyInPlaceValue(*pCounter, 19, 0, Number(1024)).strRefusal,
              CString(_T("Please enter an integer between 0 and 1023")));
    EXPECT_TRUE(ApplyInPlaceValue(*pCounter, 19, 0, Number(3)).bWritten);
    EXPECT_EQ(pCounter->m_nMNMinutes, 60 * (3 - 5 % 3));
}

TEST_F(InPlaceParam, AWeeklyCamTakesItsDaysAndTimesInTheBlocksOrder)
{
    auto* pWeekly = static_cast<CBlockTime*>(Block(BT_WT));
    // Kind 4 is the second cam's list entry; the boxes run Monday to Sunday.
    InPlaceValue days;
    days.bDays[0] = TRUE;   // Monday
    days.bDays[6] = TRUE;   // Sunday
    ASSERT_TRUE(ApplyInPlaceValue(*pWeekly, 44, 4, days).bWritten);
    EXPECT_EQ(pWeekly->m_bDay[1][1], 1);
    EXPECT_EQ(pWeekly->m_bDay[1][0], 1);
    EXPECT_EQ(pWeekly->m_bDay[1][2], 0);
    EXPECT_TRUE(ReadInPlaceValue(*pWeekly, 44, 4).bDays[6]);

    InPlaceValue time = Time(24, 0, 0);
    EXPECT_EQ(ApplyInPlaceValue(*pWeekly, 45, 4, time).strRefusal,
              CString(_T("Please enter an integer between 0 and 23")));
    time.bNoTime = TRUE;
    pWeekly->m_bOnDisabled[1] = 0;
    pWeekly->m_bOffDisabled[1] = 0;
    EXPECT_TRUE(ApplyInPlaceValue(*pWeekly, 46, 4, time).bWritten);
    EXPECT_EQ(pWeekly->m_bOffDisabled[1], 1);
    EXPECT_EQ(pWeekly->m_bOnDisabled[1], 0);
}

}  // namespace
