#include "BlockObjTest.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockClock.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockDelay.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTypes.h"
#include "platform/core/StringArray.h"

#include <gtest/gtest.h>

namespace {

CString FormatOf(CBlockObj& block, const CSimContext* pSim = nullptr)
{
    CString strOut(_T("unchanged"));
    block.FormatTime(pSim, strOut);
    return strOut;
}

TEST(BlockObjValue, FormatTimeShowsTheRunningTimeInTheTimersBase)
{
    CBlockDPR timer(BT_DPR);
    timer.m_nParam[TIMER_ON_BASE_PARAM] = 2;
    EXPECT_EQ(FormatOf(timer), CString(_T("00:00s")));
    timer.m_dRunTime = 12340.0;
    EXPECT_EQ(FormatOf(timer), CString(_T("12:34s")));
    timer.m_nParam[TIMER_ON_BASE_PARAM] = 0;
    timer.m_dRunTime = 3723000.0;
    EXPECT_EQ(FormatOf(timer), CString(_T("01:02h")));

    // A referenced setpoint shows the reference's base.
    CBlockDPR source(BT_DPR);
    timer.m_pRefBlock[0] = &source;
    timer.m_nParam[TIMER_ON_REF_UNIT_PARAM] = 2;
    timer.m_dRunTime = 12340.0;
    EXPECT_EQ(FormatOf(timer), CString(_T("12:34s")));
}

TEST(BlockObjValue, FormatTimePicksThePhaseBaseOfEachTimer)
{
    CBlockSLS stairs(BT_SLS);
    stairs.m_nParam[TIMER_ON_BASE_PARAM] = 1;
    stairs.m_nParamEx[TIMER_OFF_BASE_PARAMEX] = 2;  // the OFF base
    stairs.m_dRunTime = 1500.0;
    EXPECT_EQ(FormatOf(stairs), CString(_T("01:50s")));

    CBlockMPLR onOff(BT_MPLR);
    onOff.m_nParam[TIMER_ON_BASE_PARAM] = 1;
    onOff.m_nParamEx[TIMER_OFF_BASE_PARAMEX] = 2;
    onOff.m_dRunTime = 1500.0;
    EXPECT_EQ(FormatOf(onOff), CString(_T("00:01m"))) << "ON delay running";
    onOff.m_bTiming = 0;
    onOff.m_nWork[1] = 1;  // OFF done
    EXPECT_EQ(FormatOf(onOff), CString(_T("01:50s")));

    CBlockMFS multi(BT_MFS);
    multi.m_nParam[TIMER_ON_BASE_PARAM] = 1;
    multi.m_nParamEx[TIMER_OFF_BASE_PARAMEX] = 2;
    multi.m_dRunTime = 1500.0;
    const char16_t* expected[] = {u"01:50s", u"00:01m", u"01:50s", u"00:01m", u"01:50s",
                                  u"00:01m"};
    for (int nPhase = 0; nPhase <= 5; ++nPhase) {
        multi.m_nPhase = nPhase;
        EXPECT_EQ(FormatOf(multi), CString(expected[nPhase])) << nPhase;
    }
}

TEST(BlockObjValue, FormatTimeLeavesOtherClassesAlone)
{
    CBlockObj plain(BT_SOFTKEY, 4);
    EXPECT_EQ(FormatOf(plain), CString(_T("unchanged")));
    CBlockSW stopwatch(BT_SW);
    EXPECT_EQ(FormatOf(stopwatch), CString(_T("unchanged")));
}

TEST(BlockObjValue, ClockTimersShowTheSimulatedDate)
{
    TestDocument active;
    SYSTEMTIME clock{2024, 3, 2, 5, 8, 7, 6, 0};
    active.SetClock(clock);
    CBlockYT yearly(BT_YT);
    EXPECT_EQ(FormatOf(yearly, &active.Sim()), CString(_T("March 5, 2024")));
    CBlockWT weekly(BT_WT);
    EXPECT_EQ(FormatOf(weekly, &active.Sim()), CString(_T("Tuesday, March 5, 2024 8:7:6 AM")));
}

// The value a plain block reads from pSource; -1 when the reader leaves it unchanged.
double ValueOf(CBlockObj* pSource)
{
    CBlockObj reader(BT_SOFTKEY, 4);
    double dOut = -1.0;
    reader.GetValueAsDouble(pSource, &dOut);
    return dOut;
}

TEST(BlockObjValue, GetValueAsDoubleByClass)
{
    CBlockDPR timer(BT_DPR);
    timer.m_nParam[TIMER_ON_BASE_PARAM] = 2;
    timer.m_dRunTime = 1234.0;
    EXPECT_DOUBLE_EQ(ValueOf(&timer), 123.4);

    CBlockACOMP comparator(BT_ACOMP);
    comparator.m_nValue = -250;
    EXPECT_EQ(ValueOf(&comparator), -250.0);

    CBlockCOUNTER counter(BT_COUNTER);
    counter.m_dRunTime = 42.0;
    EXPECT_EQ(ValueOf(&counter), 42.0);

    CBlockTHTRG trigger(BT_THTRG);
    trigger.m_nMeasured = 17;
    EXPECT_EQ(ValueOf(&trigger), 17.0);

    CBlockIn input(BT_IN);  // no value: out unchanged
    EXPECT_EQ(ValueOf(&input), -1.0);
    EXPECT_EQ(ValueOf(nullptr), -1.0);

    CBlockPWM pwm(BT_PWM);  // an analog block without a readable value
    pwm.m_nValue = 5;
    EXPECT_EQ(ValueOf(&pwm), -1.0);
}

TEST(BlockObjValue, GetValueAsDoubleReadsTimersInThePhaseBase)
{
    CBlockMPLR onOff(BT_MPLR);
    onOff.m_nParam[TIMER_ON_BASE_PARAM] = 1;
    onOff.m_nParamEx[TIMER_OFF_BASE_PARAMEX] = 2;
    onOff.m_dRunTime = 2000.0;
    onOff.m_nPinValue[0] = 1;
    EXPECT_EQ(ValueOf(&onOff), 2.0);
    onOff.m_nPinValue[0] = 0;
    EXPECT_EQ(ValueOf(&onOff), 200.0);

    CBlockRPR wiping(BT_RPR);
    wiping.m_nParam[TIMER_ON_BASE_PARAM] = 1;
    wiping.m_nParamEx[TIMER_OFF_BASE_PARAMEX] = 2;
    wiping.m_dRunTime = 3000.0;
    wiping.m_bTiming = 1;  // active, output low: the OFF base
    EXPECT_EQ(ValueOf(&wiping), 300.0);
    wiping.m_nPinValue[10] = 1;
    EXPECT_EQ(ValueOf(&wiping), 3.0);

    CBlockDPR broken(BT_DPR);
    broken.m_nParam[TIMER_ON_BASE_PARAM] = 9;  // no such base: not read past the table
    EXPECT_EQ(ValueOf(&broken), -1.0);
}

TEST(BlockObjValue, GetInputValueTakesTheSourcesWord)
{
    TestDocument active;
    auto* pReader = active.Add(new CBlockObj(BT_SOFTKEY, 4));
    auto* pAnalog = active.Add(new CBlockAAMP(BT_AAMP), 9001);
    pAnalog->m_nValue = 70000;  // 0x11170: low word 0x1170
    auto* pAi = active.Add(new CBlockAnalogIn(BT_ANALOG_IN), 4000);
    pAi->m_nHeldValue = -2;
    auto* pCounter = active.Add(new CBlockCOUNTER(BT_COUNTER), 9002);
    pCounter->m_dRunTime = 65537.9;

    struct Case {
        int nSource;
        WORD wExpected;
    } cases[] = {{9001, 0x1170}, {4000, 0xFFFE}, {9002, 1}, {9999, 0}, {LINK_OPEN, 0}};
    for (const Case& c : cases) {
        pReader->m_nPinSource[1] = c.nSource;
        WORD w = 0xABCD;
        pReader->GetInputValue(&w, 1);
        EXPECT_EQ(w, c.wExpected) << c.nSource;
    }
    WORD w = 0xABCD;
    pReader->GetInputValue(&w, 25);
    EXPECT_EQ(w, 0);
}

TEST(BlockObjValue, GetInputValueOfAnAnalogContactFollowsItsOperand)
{
    TestDocument active(DOC_TYPE_LAD);
    auto* pReader = active.Add(new CBlockObj(BT_SOFTKEY, 4));
    auto* pContact = active.Add(new CBlockAContact(BT_ACONTACT), 18000);
    pContact->m_nHeldValue = 321;
    auto* pAout = active.Add(new CBlockAOutLAD(BT_AOUT_LAD), 22000);
    pAout->m_nHeldValue = 55;
    auto* pAnalog = active.Add(new CBlockAAMP(BT_AAMP), 9000);
    pAnalog->m_nValue = 77;
    auto* pCounter = active.Add(new CBlockCOUNTER(BT_COUNTER), 9001);
    pCounter->m_dRunTime = 12.7;
    pReader->m_nPinSource[0] = 18000;

    struct Case {
        int nOperand;
        WORD wExpected;
    } cases[] = {{4005, 321}, {22000, 55}, {9000, 77}, {9001, 12}, {9500, 0}};
    for (const Case& c : cases) {
        pContact->m_nOperand = c.nOperand;
        WORD w = 0xABCD;
        pReader->GetInputValue(&w, 0);
        EXPECT_EQ(w, c.wExpected) << c.nOperand;
    }
}

TEST(BlockObjValue, UpdateLadderContactsFollowsTheCoil)
{
    TestDocument active(DOC_TYPE_LAD);
    auto* pCoil = active.Add(new CBlockRelayCoil(BT_RELAY_COIL), 21000);
    auto* pMake = active.Add(new CBlockMake(BT_MAKE), 12000);
    auto* pBreak = active.Add(new CBlockBreak(BT_BREAK), 15000);
    auto* pOther = active.Add(new CBlockMake(BT_MAKE), 12001);
    pMake->m_nOperand = 21000;
    pBreak->m_nOperand = 21000;
    pOther->m_nOperand = 100;
    pMake->m_nPinValue[0] = 1;  // powered from the rail
    pBreak->m_nPinValue[0] = 0; // not powered: keeps its output
    pBreak->m_nPinValue[10] = 7;

    pCoil->m_nPinValue[10] = 1;
    pCoil->UpdateLadderContacts();
    EXPECT_EQ(pMake->m_nContactState, 1);
    EXPECT_EQ(pMake->m_nPinValue[10], 1);
    EXPECT_EQ(pBreak->m_nContactState, 0);
    EXPECT_EQ(pBreak->m_nPinValue[10], 7);
    EXPECT_EQ(pOther->m_nContactState, 0);

    pBreak->m_nPinValue[0] = 1;
    pCoil->m_nPinValue[10] = 0;
    pCoil->UpdateLadderContacts();
    EXPECT_EQ(pMake->m_nContactState, 0);
    EXPECT_EQ(pMake->m_nPinValue[10], 0);
    EXPECT_EQ(pBreak->m_nContactState, 1);
    EXPECT_EQ(pBreak->m_nPinValue[10], 1);
}

TEST(BlockObjValue, FormulaTextBracketsByPriority)
{
    struct Case {
        int p1, p2, p3;
        const char16_t* text;
    } cases[] = {
        {0, 2, 1, u"1+((2*3)-4)"}, {0, 0, 0, u"1+2*3-4"},      {2, 0, 0, u"(1+2)*3-4"},
        {2, 1, 0, u"((1+2)*3)-4"}, {2, 0, 1, u"(1+2)*(3-4)"},  {0, 2, 0, u"1+(2*3)-4"},
        {1, 2, 0, u"(1+(2*3))-4"}, {0, 0, 2, u"1+2*(3-4)"},    {1, 0, 2, u"(1+2)*(3-4)"},
        {0, 1, 2, u"1+(2*(3-4))"},
    };
    CBlockAMATH math(BT_AMATH);
    math.m_nParam[AMATH_V1_PARAM] = 1;
    math.m_nParamEx[AMATH_V2_PARAMEX] = 2;
    math.m_nParamEx[AMATH_V3_PARAMEX] = 3;
    math.m_nParamEx[AMATH_V4_PARAMEX] = 4;
    math.m_nParam[AMATH_OP1_PARAM] = 0;    // +
    math.m_nParamEx[AMATH_OP2_PARAMEX] = 2;  // *
    math.m_nParamEx[AMATH_OP3_PARAMEX] = 1;  // -
    for (const Case& c : cases) {
        math.m_nParam[AMATH_PRIO1_PARAM] = c.p1;
        math.m_nParamEx[AMATH_PRIO2_PARAMEX] = c.p2;
        math.m_nParamEx[AMATH_PRIO3_PARAMEX] = c.p3;
        CString strText;
        CStringArray parts;
        math.GetFormulaText(strText, parts);
        EXPECT_EQ(strText, CString(c.text)) << c.p1 << c.p2 << c.p3;
        EXPECT_EQ(parts.GetSize(), 20);
    }
}

TEST(BlockObjValue, FormulaTextEndsAtAnUnknownOperator)
{
    CBlockAMATH math(BT_AMATH);
    math.m_nParam[AMATH_V1_PARAM] = -5;
    math.m_nParamEx[AMATH_V2_PARAMEX] = 2;
    math.m_nParam[AMATH_OP1_PARAM] = 3;     // /
    math.m_nParamEx[AMATH_OP2_PARAMEX] = 7;   // no such operator
    math.m_nParam[AMATH_PRIO1_PARAM] = 0;
    math.m_nParamEx[AMATH_PRIO2_PARAMEX] = 0;
    math.m_nParamEx[AMATH_PRIO3_PARAMEX] = 0;
    CString strText;
    CStringArray parts;
    math.GetFormulaText(strText, parts);
    EXPECT_EQ(strText, CString(_T("-5/2")));
    EXPECT_EQ(parts[2], CString(_T("2")));
    EXPECT_TRUE(parts[3].IsEmpty());

    CBlockObj plain(BT_SOFTKEY, 4);
    CString strUntouched(_T("keep"));
    plain.GetFormulaText(strUntouched, parts);
    EXPECT_EQ(strUntouched, CString(_T("keep")));
}

TEST(BlockObjValue, CopyToCarriesGenerationFieldsByDestinationClass)
{
    TestDocument active;
    active.Doc().m_wHardwareCode = kNewHardware;
    CBlockAMATH src(BT_AMATH);
    src.SetDocument(&active.Doc());
    CBlockObj ref(BT_SOFTKEY, 4);
    src.m_nParam[BLOCK_REF_USED_PARAM + 2] = 15;
    src.m_nParam[BLOCK_REF_USED_PARAM + 3] = 16;
    src.m_pRefBlock[2] = &ref;
    src.m_nRefBlock[2] = 9005;
    src.m_nParamEx[SREG_INDEX_PARAMEX] = 10;
    src.m_strParamText = _T("text");
    src.m_dParam = 2.5;

    CBlockAMATH math(BT_AMATH);
    src.CopyTo(&math, FALSE);
    EXPECT_EQ(math.m_nParam[BLOCK_REF_USED_PARAM + 2], 15);
    EXPECT_EQ(math.m_nParam[BLOCK_REF_USED_PARAM + 3], 16);
    EXPECT_EQ(math.m_pRefBlock[2], &ref);
    EXPECT_EQ(math.m_nRefBlock[2], 9005) << "the number goes with the block";
    EXPECT_EQ(math.m_nParamEx[SREG_INDEX_PARAMEX], 0) << "not a field of this class";
    EXPECT_TRUE(math.m_strParamText.IsEmpty());

    CBlockObj plain(BT_SOFTKEY, 4);
    src.CopyTo(&plain, FALSE);
    EXPECT_EQ(plain.m_nParam[BLOCK_REF_USED_PARAM + 2], 15) << "references 2 and 3 go with every class";

    active.Doc().m_wHardwareCode = kOldHardware;  // older generation: none of them
    CBlockAMATH old(BT_AMATH);
    src.CopyTo(&old, FALSE);
    EXPECT_EQ(old.m_nParam[BLOCK_REF_USED_PARAM + 2], 0);
    EXPECT_EQ(old.m_pRefBlock[2], nullptr);
}

}  // namespace
