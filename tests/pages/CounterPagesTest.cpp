// The up/down counter and encoder page and the register-range and pulse-output page through
// Block Properties: ranges and widths by type, rows by type and generation, references on OK
// and on Apply, and the clamps while typing.
#include "FunctionPageFixture.h"

#include "blocks/BlockCounter.h"
#include "blocks/BlockExtended.h"
#include "blocks/BlockMath.h"
#include "blocks/BlockTypes.h"
#include "pages/blocks/ARRMXIVPage.h"
#include "pages/blocks/FunctionPageIds.h"
#include "pages/sheet/PageIds.h"

namespace {

class CounterPages : public FunctionPageFixture {
protected:
    void SetGeneration(BOOL bNew)
    {
        Doc().m_wHardwareCode = bNew ? 0x5188 : 0x4088;
        g_wHardwareCode = Doc().m_wHardwareCode;
    }
};

TEST_F(CounterPages, ThresholdRangesAndWidthsFollowTheType)
{
    struct Case {
        int nType;
        LPCTSTR lpszOn;
        BOOL bAccepted;
    };
    const Case cases[] = {{BT_COUNTER, _T("-1"), FALSE},       {BT_COUNTER, _T("999999"), TRUE},
                          {BT_COUNTER, _T("1000000"), FALSE},  {BT_ENCODER, _T("-999999"), TRUE},
                          {BT_ENCODER, _T("-1000000"), FALSE}, {BT_ENCODER, _T("999999"), TRUE}};
    for (const Case& c : cases) {
        SCOPED_TRACE(CString(c.lpszOn).ToUtf8());
        CBlockObj* pBlock = Block(c.nType);
        UINT nWidth = 0;
        EXPECT_EQ(RunOK(pBlock,
                        [&](CWnd& page) {
                            nWidth = static_cast<CEdit*>(page.GetDlgItem(IDC_COUNTER_ON))->GetLimitText();
                            SetText(page, IDC_COUNTER_ON, c.lpszOn);
                        }),
                  c.bAccepted);
        EXPECT_EQ(nWidth, c.nType == BT_ENCODER ? 7u : 6u);
        if (c.bAccepted)
            EXPECT_EQ(CString::FromUtf8(std::to_string(pBlock->m_nParam[COUNTER_ON_PARAM])), CString(c.lpszOn));
        else
            EXPECT_EQ(pBlock->m_nParam[COUNTER_ON_PARAM], 0);
    }
}

TEST_F(CounterPages, StartValueAndSourceRowsFollowGenerationAndType)
{
    struct Case {
        BOOL bNew;
        int nType;
        BOOL bStart;
        BOOL bSource;
    };
    const Case cases[] = {{FALSE, BT_COUNTER, FALSE, FALSE},
                          {TRUE, BT_COUNTER, TRUE, FALSE},
                          {TRUE, BT_ENCODER, TRUE, TRUE}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nType);
        SetGeneration(c.bNew);
        RunOK(Block(c.nType), [&](CWnd& page) {
            EXPECT_EQ(Visible(page, IDC_COUNTER_START), c.bStart);
            EXPECT_EQ(Visible(page, IDC_COUNTER_SOURCE), c.bSource);
        });
    }
}

TEST_F(CounterPages, AReferenceSwitchedOffAgainStoresNone)
{
    CBlockObj* pCounter = Block(BT_COUNTER);
    CBlockObj* pSource = Block(BT_COUNTER, 300, 200);
    EXPECT_TRUE(RunOK(pCounter, [&](CWnd& page) {
        Click(page, IDC_COUNTER_REF_OFF);
        EXPECT_FALSE(Visible(page, IDC_COUNTER_OFF));
        EXPECT_FALSE(Visible(page, IDC_COUNTER_OFF_SPIN));
        EXPECT_TRUE(Visible(page, IDC_COUNTER_ON_SPIN));
        EXPECT_TRUE(Visible(page, IDC_COUNTER_REF_OFF_COMBO));
        SetText(page, IDC_COUNTER_ON, _T("12"));
    }));
    EXPECT_EQ(pCounter->m_pRefBlock[1], pSource);
    EXPECT_EQ(pCounter->m_nParam[BLOCK_REF_USED_PARAM + 1], 1);
    EXPECT_EQ(pCounter->m_nParam[COUNTER_ON_PARAM], 12);
    EXPECT_TRUE(RunOK(pCounter, [&](CWnd& page) { Click(page, IDC_COUNTER_REF_OFF); }));
    EXPECT_EQ(pCounter->m_pRefBlock[1], nullptr);
    EXPECT_EQ(pCounter->m_nRefBlock[1], -1);
    EXPECT_EQ(pCounter->m_nParam[BLOCK_REF_USED_PARAM + 1], 0);
}

TEST_F(CounterPages, AFlagWithoutItsBlockOpensAsAValueAndIsStoredAsNone)
{
    CBlockObj* pCounter = Block(BT_COUNTER);
    Block(BT_COUNTER, 300, 200);
    pCounter->m_nParam[BLOCK_REF_USED_PARAM] = 1;   // as a damaged file may leave it
    pCounter->m_nParam[COUNTER_ON_PARAM] = 7;
    EXPECT_TRUE(RunOK(pCounter, [&](CWnd& page) {
        EXPECT_TRUE(Visible(page, IDC_COUNTER_ON));
        EXPECT_FALSE(Visible(page, IDC_COUNTER_REF_ON_COMBO));
    }));
    EXPECT_EQ(pCounter->m_nParam[BLOCK_REF_USED_PARAM], 0);
    EXPECT_EQ(pCounter->m_nParam[COUNTER_ON_PARAM], 7);
}

TEST_F(CounterPages, AnEncoderSourceChangedOnApplyReseedsItsPairFromTheInputs)
{
    CBlockObj* pEncoder = Block(BT_ENCODER);
    CBlockObj* inputs[4] = {};
    for (int i = 0; i < 4; ++i) {
        inputs[i] = Block(BT_IN, 50, 60 * (i + 1));
        inputs[i]->m_nNumber = 100 + i;
    }
    StartSimulation();
    inputs[2]->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    inputs[3]->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    pEncoder->m_nPinValue[3] = 0;
    CAllPropertySheet* pSheet = OpenSheet(pEncoder);
    ASSERT_NE(pSheet, nullptr);
    Combo(*pSheet->m_pMainPage, IDC_COUNTER_SOURCE).UserSelect(1);
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(pEncoder->m_nParamEx[ENCODER_PAIR_PARAMEX], 1);
    EXPECT_EQ(pEncoder->m_nPinValue[3], 1);
    // Unchanged source: nothing is re-seeded.
    pEncoder->m_nPinValue[3] = 0;
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(pEncoder->m_nPinValue[3], 0);
}

TEST(RegisterPage, SpeedTextsAndRanges)
{
    EXPECT_EQ(CARRMXIV::SpeedText(BT_SMC, 0, TRUE), CString(_T("(0 rpm)")));
    EXPECT_EQ(CARRMXIV::SpeedText(BT_SMCE, 300, TRUE), CString(_T("(100.000000 rpm)")));
    EXPECT_EQ(CARRMXIV::SpeedText(BT_PTO, 0, FALSE), CString(_T("(0 Hz) [0.01ms/pulse]")));
    EXPECT_EQ(CARRMXIV::SpeedText(BT_PTOE, 0, TRUE), CString(_T("(0 Hz) [0.02ms/pulse]")));
    EXPECT_EQ(CARRMXIV::SpeedText(BT_PTO, 3, TRUE), CString(_T("(33333.333333 Hz) [0.02ms/pulse]")));
    EXPECT_EQ(CARRMXIV::MaxAddress(0), 511u);
    EXPECT_EQ(CARRMXIV::MaxAddress(1), 31u);
    EXPECT_EQ(CARRMXIV::MaxAddress(2), 63u);
    UINT nMin = 0;
    UINT nMax = 0;
    ASSERT_TRUE(CARRMXIV::CountRange(BT_CRC16, nMin, nMax));
    EXPECT_EQ(nMin, 1u);
    EXPECT_EQ(nMax, 128u);
    EXPECT_FALSE(CARRMXIV::CountRange(BT_ACMXIV, nMin, nMax));
}

TEST_F(CounterPages, RegisterRowsFollowTheType)
{
    struct Case {
        int nType;
        BOOL bArea;
        BOOL bAddress;
        BOOL bCount;
        BOOL bSteps;
        BOOL bRef1;
        BOOL bRef2;
    };
    const Case cases[] = {{BT_ARRMXIV, TRUE, TRUE, TRUE, FALSE, TRUE, TRUE},
                          {BT_ACMXIV, FALSE, FALSE, FALSE, FALSE, TRUE, FALSE},
                          {BT_CRC16, TRUE, TRUE, TRUE, FALSE, FALSE, FALSE},
                          {BT_SMC, TRUE, FALSE, TRUE, FALSE, FALSE, TRUE},
                          {BT_SMCE, TRUE, FALSE, TRUE, TRUE, TRUE, TRUE},
                          {BT_PTOE, TRUE, FALSE, TRUE, TRUE, TRUE, TRUE}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nType);
        RunOK(Block(c.nType), [&](CWnd& page) {
            EXPECT_EQ(Visible(page, IDC_ARR_AREA), c.bArea);
            EXPECT_EQ(Visible(page, IDC_ARR_ADDRESS), c.bAddress);
            EXPECT_EQ(Visible(page, IDC_ARR_COUNT), c.bCount);
            EXPECT_EQ(Visible(page, IDC_ARR_STEPS), c.bSteps);
            EXPECT_EQ(Visible(page, IDC_REFERENCE), c.bRef1);
            EXPECT_EQ(Visible(page, IDC_REFERENCE2), c.bRef2);
        });
    }
    RunOK(Block(BT_CRC16), [&](CWnd& page) {
        EXPECT_EQ(Text(page, IDC_ARR_MODE_LABEL), CString(_T("Type")));
        EXPECT_EQ(ComboLines(Combo(page, IDC_ARR_MODE)), std::vector<CString>{_T("CRC16")});
        EXPECT_EQ(Combo(page, IDC_ARR_MODE).GetCurSel(), 0);
    });
}

TEST_F(CounterPages, TheAddressAndCountAreHeldWhileTyping)
{
    CBlockObj* pArr = Block(BT_ARRMXIV);
    EXPECT_TRUE(RunOK(pArr, [&](CWnd& page) {
        Type(page, IDC_ARR_ADDRESS, _T("100"));
        Combo(page, IDC_ARR_AREA).UserSelect(1);
        EXPECT_EQ(Text(page, IDC_ARR_ADDRESS), CString(_T("31")));
        Type(page, IDC_ARR_COUNT, _T("40"));
        EXPECT_EQ(Text(page, IDC_ARR_COUNT), CString(_T("32")));
    }));
    EXPECT_EQ(pArr->m_nParam[ARRMXIV_AREA_PARAM], 1);
    EXPECT_EQ(pArr->m_nParamEx[ARRMXIV_FIRST_PARAMEX], 31);
    EXPECT_EQ(pArr->m_nParamEx[ARRMXIV_COUNT_PARAMEX], 32);
    // A typed 0 speed shows no rate.
    RunOK(Block(BT_SMC), [&](CWnd& page) {
        Type(page, IDC_ARR_COUNT, _T("0"));
        EXPECT_EQ(Text(page, IDC_ARR_SPEED_TEXT), CString(_T("(0 rpm)")));
        Type(page, IDC_ARR_COUNT, _T("300"));
        EXPECT_EQ(Text(page, IDC_ARR_SPEED_TEXT), CString(_T("(100.000000 rpm)")));
    });
}

TEST_F(CounterPages, AHiddenRowNeitherRefusesOkNorChangesItsWord)
{
    struct Case {
        int nType;
        BOOL bNew;
        int* (*pfnWord)(CBlockObj&);
    };
    const Case cases[] = {
        {BT_ACMXIV, TRUE, [](CBlockObj& b) { return &b.m_nParamEx[ARRMXIV_FIRST_PARAMEX]; }},
        {BT_SMC, TRUE, [](CBlockObj& b) { return &b.m_nParamEx[ARRMXIV_FIRST_PARAMEX]; }},
        {BT_ARRMXIV, TRUE, [](CBlockObj& b) { return &b.m_nParamEx[PULSE_LENGTH_PARAMEX]; }},
        {BT_COUNTER, FALSE, [](CBlockObj& b) { return &b.m_nParam[COUNTER_START_PARAM]; }}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nType);
        SetGeneration(c.bNew);
        CBlockObj* pBlock = Block(c.nType);
        *c.pfnWord(*pBlock) = -5;   // out of every range, as a damaged file may hold it
        EXPECT_TRUE(RunOK(pBlock, [](CWnd&) {}));
        EXPECT_EQ(*c.pfnWord(*pBlock), -5);
    }
}

TEST_F(CounterPages, AMotorsCountReferenceStoresOneHundredOnOkAndTwoHundredFiftyOnApply)
{
    CBlockObj* pMotor = Block(BT_SMC);
    CBlockObj* pSource = Block(BT_COUNTER, 300, 200);
    EXPECT_TRUE(RunOK(pMotor, [&](CWnd& page) {
        SetText(page, IDC_ARR_COUNT, _T("7"));
        Click(page, IDC_REFERENCE2);
        EXPECT_FALSE(Visible(page, IDC_ARR_SPEED_TEXT));
    }));
    EXPECT_EQ(pMotor->m_nParamEx[PULSE_RATE_PARAMEX], 100);
    EXPECT_EQ(pMotor->m_pRefBlock[1], pSource);

    StartSimulation();
    pMotor->m_nParamEx[PULSE_RATE_PARAMEX] = 7;
    CAllPropertySheet* pSheet = OpenSheet(pMotor);
    ASSERT_NE(pSheet, nullptr);
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(pMotor->m_nParamEx[PULSE_RATE_PARAMEX], 250);
    EXPECT_EQ(pMotor->m_nParam[BLOCK_REF_USED_PARAM + 1], 1);
}

TEST_F(CounterPages, PagesWithALiveValueShowItInTheSimulation)
{
    struct Case {
        int nType;
        double dValue;
        LPCTSTR lpszShown;   // null: no value box
    };
    const Case cases[] = {{BT_QUAD, 42.7, _T("42")},          {BT_CRC16, double(0x12345), _T("0x2345")},
                          {BT_ARRMXIV, -3.9, _T("-3")},       {BT_COUNTER, 17.0, _T("    17")},
                          {BT_SMC, 5.0, nullptr},            {BT_DATALOG, 0.0, nullptr}};
    std::vector<CBlockObj*> blocks;
    for (size_t i = 0; i < std::size(cases); ++i)
        blocks.push_back(Block(cases[i].nType, 100 + 80 * int(i), 200));
    StartSimulation();
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].nType);
        CAllPropertySheet* pSheet = OpenSheet(blocks[i]);
        ASSERT_NE(pSheet, nullptr);
        blocks[i]->m_dRunTime = cases[i].dValue;
        V().RefreshPropertyPageValues(blocks[i]);
        EXPECT_EQ(pSheet->m_pMainPage->HasCurrentValueBox(), cases[i].lpszShown != nullptr);
        if (cases[i].lpszShown) {
            EXPECT_EQ(pSheet->m_pMainPage->GetCurrentValueText(), CString(cases[i].lpszShown));
        }
    }
}

}  // namespace
