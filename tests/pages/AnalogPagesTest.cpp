// The analog blocks' pages through Block Properties: the scaling group on a page, the threshold
// rows by type and controller generation, references, the ramp's, PI's and PWM's own rules, the
// multiplexer's priorities and captions, the live values, and Apply in a running simulation.
#include "SheetFixture.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/SimContext.h"
#include "document/ModelSettings.h"
#include "document/SimScan.h"
#include "pages/blocks/AMathMux.h"
#include "pages/blocks/AnalogPage.h"
#include "pages/blocks/AnalogPageIds.h"
#include "pages/blocks/PI.h"
#include "pages/blocks/PWM.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/PageTexts.h"
#include "pages/sheet/ReferenceRow.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "support/QtTestInput.h"

namespace {

// The controller generation that takes references, and one that does not.
constexpr WORD kNewModel = 0x5100;
constexpr WORD kOldModel = 0x4000;

class AnalogPages : public SheetFixture {
protected:
    CBlockAnalog* Analog(int nType, int x = 200, int y = 200) { return static_cast<CBlockAnalog*>(Block(nType, x, y)); }
    // Opens the block's modal sheet, runs act on its main page and presses nButton.
    void Edit(CBlockObj* pBlock, std::function<void(CWnd&)> act, int nButton = IDOK)
    {
        EditModal(pBlock, [act](CPropertySheet& sheet) { act(*sheet.GetActivePage()); }, nButton);
    }
    static void Select(CWnd& page, int nID, int nIndex) { Combo(page, nID).UserSelect(nIndex); }
    static void Click(CWnd& page, int nID) { static_cast<CButton*>(page.GetDlgItem(nID))->Click(); }
    static CString ItemText(CWnd& page, int nID, int nIndex)
    {
        CString str;
        Combo(page, nID).GetLBText(nIndex, str);
        return str;
    }
};

TEST_F(AnalogPages, TheScalingGroupFollowsTheRulesAndOkStoresTheSettledValues)
{
    CBlockAnalog* pComp = Analog(BT_ACOMP);
    Edit(pComp, [](CWnd& page) {
        EXPECT_EQ(Text(page, IDC_GAIN), CString(_T("1.00")));
        Select(page, IDC_SENSOR, SENSOR_4_20MA);
        EXPECT_EQ(Text(page, IDC_GAIN), CString(_T("1.25")));
        EXPECT_EQ(Text(page, IDC_RANGE_MIN), CString(_T("0")));
        EXPECT_EQ(Text(page, IDC_OFFSET), CString(_T("-250")));
        Select(page, IDC_SENSOR, SENSOR_0_10V);
        EXPECT_EQ(Text(page, IDC_GAIN), CString(_T("1.00")));
        EXPECT_EQ(Text(page, IDC_OFFSET), CString(_T("0")));
        EXPECT_EQ(Entered(page, IDC_GAIN, _T("12")), CString(_T("10.00"))) << "typing beyond the limit is cut";
        EXPECT_EQ(Text(page, IDC_GAIN_X100), CString(_T("1000")));
        EXPECT_EQ(Entered(page, IDC_OFFSET, _T("15000")), CString(_T("10000")));
        EXPECT_EQ(Entered(page, IDC_DECIMALS, _T("7")), CString(_T("3")));
        EXPECT_EQ(Text(page, IDC_DECIMALS_SAMPLE), CString(_T("+12.345")));
        SetText(page, IDC_OFFSET, _T("0"));
        SetText(page, IDC_GAIN, _T("1"));
        EXPECT_EQ(Text(page, IDC_RANGE_MAX), CString(_T("1000")));
        static_cast<CSpinButtonCtrl*>(page.GetDlgItem(IDC_GAIN_SPIN))->UserStep(1);
        EXPECT_EQ(Text(page, IDC_GAIN), CString(_T("1.10"))) << "the spin steps the gain by a tenth";
        EXPECT_EQ(Text(page, IDC_RANGE_MAX), CString(_T("1100")));
        CWnd* pMax = page.GetDlgItem(IDC_RANGE_MAX);
        pMax->SetFocus();
        pMax->SendMessage(WM_CHAR, WPARAM('x'), 1);
        EXPECT_EQ(Text(page, IDC_RANGE_MAX), CString(_T("1100"))) << "a whole-number box takes no letter";
        static_cast<CSpinButtonCtrl*>(page.GetDlgItem(IDC_RANGE_MAX_SPIN))->UserStep(-94);
        EXPECT_EQ(Text(page, IDC_RANGE_MAX), CString(_T("1006"))) << "the spin steps its box";
        EXPECT_EQ(Text(page, IDC_GAIN), CString(_T("1.01"))) << "the gain is derived from the range";
    });
    EXPECT_EQ(pComp->m_nSensor, SENSOR_0_10V);
    EXPECT_EQ(pComp->m_nRangeMax, 1010) << "OK settled the rounded gain back into the range";
    EXPECT_DOUBLE_EQ(pComp->m_dGain, 1.01);
    EXPECT_EQ(pComp->m_nDecimals, 3);

    Edit(pComp, [](CWnd& page) {
        Click(page, IDC_FAHRENHEIT);
        Click(page, IDC_RESOLUTION_X01);
        Select(page, IDC_SENSOR, SENSOR_PT100);
        EXPECT_EQ(Text(page, IDC_RANGE_MIN), CString(_T("-580")));
        EXPECT_EQ(Text(page, IDC_RANGE_MAX), CString(_T("3920")));
        EXPECT_EQ(Text(page, IDC_GAIN), CString(_T("4.50")));
        EXPECT_EQ(Text(page, IDC_GAIN_X100), CString(_T("450")));
        EXPECT_EQ(Text(page, IDC_OFFSET), CString(_T("-580")));
        for (int nID : {IDC_RANGE_MIN, IDC_RANGE_MAX, IDC_GAIN, IDC_OFFSET})
            EXPECT_FALSE(Enabled(page, nID)) << nID;
        EXPECT_TRUE(Visible(page, IDC_FAHRENHEIT));
        Select(page, IDC_SENSOR, SENSOR_NONE);
        EXPECT_FALSE(Visible(page, IDC_RANGE_MAX)) << "no sensor, no range";
        CRect rcOffset;
        page.GetDlgItem(IDC_OFFSET)->GetWindowRect(rcOffset);
        CRect rcMax;
        page.GetDlgItem(IDC_RANGE_MAX)->GetWindowRect(rcMax);
        EXPECT_EQ(rcOffset, rcMax) << "the offset moved into the maximum's place";
    });
    EXPECT_EQ(pComp->m_nSensor, SENSOR_NONE);
    EXPECT_EQ(pComp->m_nUnit, 1);
    EXPECT_EQ(pComp->m_nResolution, 1);

    // A gain x 100 outside its range fails with the standard prompt and keeps the sheet open.
    EXPECT_TRUE(OkKeepsTheSheet(pComp, IDC_GAIN_X100, _T("1500")));
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);
}

TEST_F(AnalogPages, ThresholdRowsByTypeAndGeneration)
{
    struct Case {
        int nType;
        WORD wModel;
        const TCHAR* pszRow1;  // null: the row is hidden
        const TCHAR* pszRow2;
        bool bReferences;
        bool bRetentive;
    };
    const Case cases[] = {
        {BT_ACOMP, kNewModel, _T("On"), _T("Off"), true, false},
        {BT_ATHTRG, kOldModel, _T("On"), _T("Off"), false, false},
        {BT_AAMP, kNewModel, nullptr, nullptr, false, false},
        {BT_AWDOG, kOldModel, nullptr, _T("Threshold(difference)"), false, false},
        {BT_AWDOG, kNewModel, _T("Threshold 1(upper: +)"), _T("Threshold 2(lower: -)"), true, true},
        {BT_ADTRG, kNewModel, _T("On"), _T("Differential"), false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nType << " model " << (c.wModel >> 8));
        Doc().m_wHardwareCode = c.wModel;
        CBlockAnalog* pBlock = Analog(c.nType);
        Edit(
            pBlock,
            [&](CWnd& page) {
                EXPECT_EQ(Visible(page, IDC_LIMIT1), c.pszRow1 != nullptr);
                EXPECT_EQ(Visible(page, IDC_LIMIT2), c.pszRow2 != nullptr);
                if (c.pszRow1) {
                    EXPECT_EQ(Text(page, IDC_LIMIT1_LABEL), CString(c.pszRow1));
                }
                if (c.pszRow2) {
                    EXPECT_EQ(Text(page, IDC_LIMIT2_LABEL), CString(c.pszRow2));
                }
                EXPECT_EQ(Visible(page, IDC_LIMIT1_REF), c.bReferences);
                EXPECT_EQ(Visible(page, IDC_RETENTIVE), c.bRetentive);
                EXPECT_TRUE(Visible(page, IDC_PROTECTION));
                if (c.pszRow2) {
                    EXPECT_EQ(Entered(page, IDC_LIMIT2, _T("-5")), CString(c.nType == BT_AWDOG ? _T("0") : _T("-5")));
                    EXPECT_EQ(Entered(page, IDC_LIMIT2, _T("25000")), CString(_T("20000")));
                }
            },
            IDCANCEL);
    }
}

TEST_F(AnalogPages, LiveValuesByType)
{
    CBlockAnalog* pAmp = Analog(BT_AAMP, 100, 100);
    CBlockAnalog* pDog = Analog(BT_AWDOG, 100, 200);
    CBlockAnalog* pDiff = Analog(BT_ADTRG, 100, 300);
    pAmp->m_nValue = 100;
    pDog->m_nValue = 100;
    pDog->m_nRefValue = -7;
    pDiff->m_nValue = 100;
    pDiff->m_nThreshold1 = 20;
    pDiff->m_nThreshold2 = 10;
    const struct {
        CBlockAnalog* pBlock;
        const TCHAR* pszText;
    } cases[] = {{pAmp, _T("   100")}, {pDog, _T("   100/    -7")}, {pDiff, _T("   100/30")}};
    for (const auto& c : cases)
        EXPECT_EQ(LiveValue(*c.pBlock), CString(c.pszText));
}

TEST_F(AnalogPages, AReferenceTickedStoresItsBlockAndUntickedStoresNone)
{
    Doc().m_wHardwareCode = kNewModel;
    CBlockAnalog* pComp = Analog(BT_ACOMP, 100, 100);
    CBlockAnalog* pSource = Analog(BT_AAMP, 100, 300);
    pComp->m_nThreshold1 = 33;
    Edit(pComp, [](CWnd& page) {
        EXPECT_TRUE(Enabled(page, IDC_LIMIT1_REF));
        Click(page, IDC_LIMIT1_REF);
        EXPECT_TRUE(Visible(page, int(IDC_LIMIT1_LIST)));
        EXPECT_FALSE(Visible(page, IDC_LIMIT1));
    });
    EXPECT_EQ(pComp->m_nParam[BLOCK_REF_USED_PARAM], 1);
    EXPECT_EQ(pComp->m_pRefBlock[0], pSource);
    EXPECT_EQ(pComp->m_nThreshold1, 33) << "the constant stays behind the reference";
    Edit(pComp, [](CWnd& page) {
        EXPECT_TRUE(Visible(page, int(IDC_LIMIT1_LIST)));
        Click(page, IDC_LIMIT1_REF);
        EXPECT_TRUE(Visible(page, IDC_LIMIT1));
    });
    EXPECT_EQ(pComp->m_nParam[BLOCK_REF_USED_PARAM], 0);
    EXPECT_EQ(pComp->m_pRefBlock[0], nullptr);
}

TEST_F(AnalogPages, TheRampClampsItsValues)
{
    Doc().m_wHardwareCode = kOldModel;
    CBlockAnalog* pRamp = Analog(BT_ARAMP);
    Edit(pRamp, [](CWnd& page) {
        EXPECT_FALSE(Visible(page, IDC_LIMIT1_REF)) << "older controllers take no references";
        EXPECT_EQ(ItemText(page, IDC_SENSOR, SENSOR_PT100), CString(_T("PT100")));
        const struct {
            int nID;
            const TCHAR* pszTyped;
            const TCHAR* pszShown;
        } cases[] = {
            {IDC_GAIN, _T("-0.5"), _T("0.00")},        {IDC_GAIN, _T("11"), _T("10.00")},
            {IDC_RAMP_SPEED, _T("0"), _T("1")},          {IDC_RAMP_SPEED, _T("20000"), _T("10000")},
            {IDC_RAMP_START_STOP, _T("-3"), _T("0")},    {IDC_RAMP_MAX_OUTPUT, _T("-20000"), _T("-10000")},
            {IDC_LIMIT1, _T("25000"), _T("20000")},      {IDC_LIMIT2, _T("-10001"), _T("-10000")},
        };
        for (const auto& c : cases) {
            SetText(page, c.nID, c.pszTyped);
            EXPECT_EQ(Text(page, c.nID), CString(c.pszShown)) << c.nID;
        }
        SetText(page, IDC_GAIN, _T("2"));
        SetText(page, IDC_RAMP_SPEED, _T("250"));
    });
    EXPECT_DOUBLE_EQ(pRamp->m_dGain, 2.0);
    EXPECT_EQ(pRamp->m_nRangeMax, 2000);
    EXPECT_EQ(pRamp->m_nParam[ARAMP_SPEED_PARAM], 250);
    EXPECT_EQ(pRamp->m_nParamEx[ARAMP_START_STOP_PARAMEX], 0);
    EXPECT_EQ(pRamp->m_nParamEx[ARAMP_MAX_OUTPUT_PARAMEX], -10000);
    EXPECT_EQ(pRamp->m_nThreshold1, 20000);
}

TEST_F(AnalogPages, MathPrioritiesStayAPermutationAndTheMultiplexerHasNone)
{
    EXPECT_EQ(CAMathMux::RowCaption(BT_AMUX, 0), CString(_T("V1(S1=0;S2=0)")));
    EXPECT_EQ(CAMathMux::RowCaption(BT_AMUX, 3), CString(_T("V4(S1=1;S2=1)")));
    EXPECT_EQ(CAMathMux::RowCaption(BT_AMATH, 2), CString(_T("V3")));
    int priorities[3] = {2, 1, 0};
    CAMathMux::ChoosePriority(priorities, 0, 0);
    EXPECT_EQ(priorities[0], 0);
    EXPECT_EQ(priorities[1], 1);
    EXPECT_EQ(priorities[2], 2);

    Doc().m_wHardwareCode = kNewModel;
    CBlockAnalog* pMath = Analog(BT_AMATH, 100, 100);
    Edit(pMath, [](CWnd& page) {
        EXPECT_TRUE(Visible(page, IDC_AMATH_PRIO[0]));
        EXPECT_FALSE(Enabled(page, IDC_AMATH_REF[0])) << "nothing to reference";
        page.GetDlgItem(IDC_AMATH_PRIO[0])->SetFocus();
        Select(page, IDC_AMATH_PRIO[0], 0);
        EXPECT_EQ(Combo(page, IDC_AMATH_PRIO[2]).GetCurSel(), 2) << "priority 3 took the old H";
        Select(page, IDC_AMATH_OP[1], 3);
        SetText(page, IDC_AMATH_VALUE[3], _T("-32768"));
    });
    EXPECT_EQ(pMath->m_nParam[AMATH_PRIO1_PARAM], 0);
    EXPECT_EQ(pMath->m_nParamEx[AMATH_PRIO2_PARAMEX], 1);
    EXPECT_EQ(pMath->m_nParamEx[AMATH_PRIO3_PARAMEX], 2);
    EXPECT_EQ(pMath->m_nParamEx[AMATH_OP2_PARAMEX], 3);
    EXPECT_EQ(pMath->m_nParamEx[AMATH_V4_PARAMEX], -32768);

    CBlockAnalog* pMux = Analog(BT_AMUX, 100, 300);
    Edit(
        pMux,
        [](CWnd& page) {
            EXPECT_EQ(Text(page, IDC_AMATH_CAPTION[1]), CString(_T("V2(S1=0;S2=1)")));
            EXPECT_FALSE(Visible(page, IDC_AMATH_PRIO[0]));
            EXPECT_FALSE(Visible(page, IDC_AMATH_OP[2]));
            EXPECT_FALSE(Visible(page, IDC_AMATH_EN_ZERO));
            EXPECT_TRUE(Enabled(page, IDC_AMATH_REF[0])) << "the math block may be referenced";
        },
        IDCANCEL);

    // 40000 is no value of the row: the standard prompt, and the sheet stays open.
    EXPECT_TRUE(OkKeepsTheSheet(pMux, IDC_AMATH_VALUE[0], _T("40000")));
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(pMux->m_nParam[AMATH_V1_PARAM], 0);
}

TEST_F(AnalogPages, PiParameterSetsAndTheIntegrationTime)
{
    CBlockAnalog* pPI = Analog(BT_PI);
    Edit(pPI, [](CWnd& page) {
        EXPECT_TRUE(static_cast<CPropertyPage&>(page).IsModified()) << "the set chosen at opening";
        EXPECT_FALSE(Enabled(page, IDC_PI_KC)) << "a fixed set locks KC";
        Select(page, IDC_PI_PARAM_SET, 3);
        EXPECT_EQ(Text(page, IDC_PI_KC), CString(_T("1.20")));
        EXPECT_EQ(Text(page, IDC_PI_TI_MINUTES), CString(_T("0")));
        EXPECT_EQ(Text(page, IDC_PI_TI_SECONDS), CString(_T("12")));
        EXPECT_EQ(static_cast<CButton*>(page.GetDlgItem(IDC_PI_UP))->GetCheck(), BST_CHECKED);
        Select(page, IDC_PI_PARAM_SET, PI_SET_USER_DEFINED);
        EXPECT_TRUE(Enabled(page, IDC_PI_KC));
        EXPECT_TRUE(Enabled(page, IDC_PI_TI_SECONDS));
        Click(page, IDC_PI_USE_TI);
        EXPECT_EQ(Text(page, IDC_PI_TI_MINUTES), CString(_T("99")));
        EXPECT_EQ(Text(page, IDC_PI_TI_SECONDS), CString(_T("59")));
        EXPECT_FALSE(Enabled(page, IDC_PI_TI_MINUTES));
        Click(page, IDC_PI_USE_TI);
        EXPECT_EQ(Text(page, IDC_PI_TI_SECONDS), CString(_T("12"))) << "switched on again, TI comes back";
        EXPECT_EQ(Entered(page, IDC_LIMIT1, _T("25000")), CString(_T("20000")));
        EXPECT_EQ(Entered(page, IDC_LIMIT2, _T("-500")), CString(_T("0")));
        SetText(page, IDC_PI_KC, _T("99.99"));
        static_cast<CSpinButtonCtrl*>(page.GetDlgItem(IDC_PI_KC_SPIN))->UserStep(1);
        EXPECT_EQ(Text(page, IDC_PI_KC), CString(_T("99.99")));
        SetText(page, IDC_PI_TI_MINUTES, _T("99"));
        SetText(page, IDC_PI_TI_SECONDS, _T("59"));
    });
    EXPECT_EQ(pPI->m_nPiParamSet, PI_SET_USER_DEFINED);
    EXPECT_DOUBLE_EQ(pPI->m_dPiKC, 99.99);
    EXPECT_EQ(pPI->m_bPiUseTI, 0) << "a user-defined 99:59 is stored as TI off";
    EXPECT_EQ(pPI->m_nThreshold1, 20000);
    EXPECT_EQ(pPI->m_nThreshold2, 0);

    Edit(pPI, [](CWnd& page) { Select(page, IDC_PI_PARAM_SET, 4); });
    EXPECT_EQ(pPI->m_nPiParamSet, 4);
    EXPECT_EQ(pPI->m_bPiUseTI, 1) << "Full level 1 keeps its 99:59 on";
    EXPECT_EQ(pPI->m_nPiTIMinutes, 99);
    EXPECT_EQ(pPI->m_nPiTISeconds, 59);
}

TEST_F(AnalogPages, PwmTimeBaseOutputAndReference)
{
    Doc().m_wHardwareCode = kNewModel;
    CBlockAnalog* pPwm = Analog(BT_PWM, 100, 100);
    CBlockAnalog* pSource = Analog(BT_AAMP, 100, 300);
    Edit(pPwm, [](CWnd& page) {
        EXPECT_EQ(ItemText(page, IDC_PWM_TIME_BASE, PWM_THIRD_BASE), CString(_T("Seconds(s:1/100s)")));
        Select(page, IDC_PWM_OUTPUT, 2);
        EXPECT_EQ(ItemText(page, IDC_PWM_TIME_BASE, PWM_THIRD_BASE), CString(_T("100ms:ms")));
        EXPECT_EQ(Combo(page, IDC_PWM_TIME_BASE).GetCurSel(), PWM_THIRD_BASE);
        EXPECT_EQ(Entered(page, IDC_PWM_TIME_LOW, _T("75")), CString(_T("75")));
        Select(page, IDC_PWM_TIME_BASE, 1);
        EXPECT_EQ(Text(page, IDC_PWM_TIME_LOW), CString(_T("59")));
        EXPECT_EQ(Entered(page, IDC_LIMIT1, _T("-30000")), CString(_T("-20000")));
        SetText(page, IDC_RANGE_MAX, _T("1006"));
    });
    EXPECT_EQ(pPwm->m_nRangeMax, 1010) << "the PWM's OK settles the scaling as the other pages do";
    EXPECT_EQ(pPwm->m_nPwmOpt, 2);
    EXPECT_EQ(pPwm->m_nParam[TIMER_ON_LOW_PARAM], 59);
    EXPECT_EQ(pPwm->m_nParam[TIMER_ON_BASE_PARAM], 1);
    EXPECT_EQ(pPwm->m_nThreshold1, -20000);

    Edit(pPwm, [](CWnd& page) {
        Select(page, IDC_PWM_OUTPUT, PWM_OUTPUT_NONE);
        EXPECT_EQ(ItemText(page, IDC_PWM_TIME_BASE, PWM_THIRD_BASE), CString(_T("Seconds(s:1/100s)")));
        Click(page, IDC_PWM_REF);
        EXPECT_TRUE(Visible(page, int(IDC_PWM_REF_BLOCK)));
        EXPECT_FALSE(Visible(page, IDC_PWM_TIME_BASE));
        Select(page, int(IDC_PWM_REF_UNIT), 2);
    });
    EXPECT_EQ(pPwm->m_nParam[BLOCK_REF_USED_PARAM], 1);
    EXPECT_EQ(pPwm->m_pRefBlock[0], pSource);
    EXPECT_EQ(pPwm->m_nParam[TIMER_ON_LOW_PARAM], 0);
    EXPECT_EQ(pPwm->m_nParam[TIMER_ON_HIGH_PARAM], 0);
    EXPECT_EQ(pPwm->m_nParam[TIMER_ON_BASE_PARAM], 1) << "the base is kept";
    EXPECT_EQ(pPwm->m_nParam[TIMER_ON_REF_UNIT_PARAM], 2);
}

TEST_F(AnalogPages, PwmApplyStoresTheOutputAndTheUnitAsOkDoes)
{
    Doc().m_wHardwareCode = kNewModel;
    CBlockAnalog* pPwm = Analog(BT_PWM, 100, 100);
    CBlockAnalog* pSource = Analog(BT_AAMP, 100, 300);
    CAllPropertySheet* pSheet = RunningSheet(pPwm);
    ASSERT_NE(pSheet, nullptr);
    CWnd& page = *pSheet->m_pMainPage;
    Select(page, IDC_PWM_OUTPUT, 1);
    Click(page, IDC_PWM_REF);
    Select(page, int(IDC_PWM_REF_UNIT), 1);
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(pPwm->m_nPwmOpt, 1) << "Apply writes the high-speed output";
    EXPECT_EQ(pPwm->m_nParam[TIMER_ON_REF_UNIT_PARAM], 1) << "and the unit the list shows";
    EXPECT_EQ(pPwm->m_nParam[BLOCK_REF_USED_PARAM], 1);
    EXPECT_EQ(pPwm->m_pRefBlock[0], pSource);
}

TEST_F(AnalogPages, ApplyRescalesTheFeedingInputOnTheNextScan)
{
    CBlockAnalog* pComp = Analog(BT_ACOMP, 200, 200);
    CBlockObj* pInput = Block(BT_ANALOG_IN, 60, 200);
    auto* pLine = new CConnectLineObj;
    pLine->m_pStartBlock = pInput;
    pLine->m_nStartBlock = pInput->m_nNumber;
    pLine->m_nStartPin = BLOCK_FIRST_OUTPUT;
    pLine->m_pEndBlock = pComp;
    pLine->m_nEndBlock = pComp->m_nNumber;
    pLine->m_nEndPin = 0;
    Doc().m_lineList.AddTail(pLine);
    pComp->m_nPinSource[0] = pInput->m_nNumber;
    // Automatic range: the input takes the measuring range of the block it feeds.
    pInput->m_nParamEx[INPUT_SIM_MODE_PARAMEX] = 1;
    StartSimulation();
    pInput->m_nAux[INPUT_SIM_VALUE_AUX] = 500;
    auto* pAnalogIn = static_cast<CBlockAnalogIn*>(pInput);
    const auto scan = [&] {
        m_clock.Advance(25);
        ScanDocument(Doc(), V().MakeSimContext());
    };
    scan();
    CAllPropertySheet* pSheet = OpenSheet(pComp);
    ASSERT_NE(pSheet, nullptr);
    SetText(*pSheet->m_pMainPage, IDC_RANGE_MAX, _T("2000"));
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_DOUBLE_EQ(pComp->m_dGain, 2.0);
    scan();
    EXPECT_EQ(pInput->m_nAux[BLOCK_VALUE_MAX_AUX], 2000) << "the input took the new measuring range";
    EXPECT_EQ(pInput->m_nAux[INPUT_SIM_VALUE_AUX], 500);
    EXPECT_EQ(pAnalogIn->m_nShownValue, 500);
    EXPECT_EQ(pAnalogIn->m_nHeldValue, 250) << "its raw level is its value on the new scale";
    scan();
    EXPECT_EQ(pComp->m_nAx, 500) << "the comparator measures the input's value through its gain";

    // A range of no width scales nothing: the input sits at the bottom of its scale.
    SetText(*pSheet->m_pMainPage, IDC_RANGE_MIN, _T("2000"));
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_DOUBLE_EQ(pComp->m_dGain, 0.0);
    scan();
    EXPECT_EQ(pInput->m_nAux[BLOCK_VALUE_MIN_AUX], 2000);
    EXPECT_EQ(pInput->m_nAux[BLOCK_VALUE_MAX_AUX], 2000);
    EXPECT_EQ(pAnalogIn->m_nHeldValue, 0);
}

TEST_F(AnalogPages, ComparatorApplySettlesAndWritesWhatOkWrites)
{
    Doc().m_wHardwareCode = kNewModel;
    CBlockAnalog* pComp = Analog(BT_ATHTRG, 100, 100);
    CBlockAnalog* pSource = Analog(BT_AAMP, 100, 300);
    CAllPropertySheet* pSheet = RunningSheet(pComp);
    ASSERT_NE(pSheet, nullptr);
    CWnd& page = *pSheet->m_pMainPage;
    Select(page, IDC_SENSOR, SENSOR_4_20MA);
    SetText(page, IDC_RANGE_MAX, _T("807"));
    SetText(page, IDC_LIMIT1, _T("-150"));
    Click(page, IDC_LIMIT2_REF);
    SetText(page, IDC_DECIMALS, _T("1"));
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(pComp->m_nSensor, SENSOR_4_20MA);
    // 807 over 800 readings gives 1.00875, rounded to 1.01; the range follows the gain.
    EXPECT_DOUBLE_EQ(pComp->m_dGain, 1.01);
    EXPECT_EQ(pComp->m_nOffset, -203);
    EXPECT_EQ(pComp->m_nRangeMax, 807);
    EXPECT_EQ(pComp->m_nRangeMin, -1);
    EXPECT_EQ(pComp->m_nThreshold1, -150);
    EXPECT_EQ(pComp->m_nDecimals, 1);
    EXPECT_EQ(pComp->m_pRefBlock[1], pSource);
    EXPECT_EQ(pComp->m_nParam[BLOCK_REF_USED_PARAM + 1], 1);
    EXPECT_EQ(pComp->m_pRefBlock[0], nullptr);
}

TEST_F(AnalogPages, ReferencesOfTheMultiplexerPiAndPwm)
{
    Doc().m_wHardwareCode = kNewModel;
    CBlockAnalog* pMux = Analog(BT_AMUX, 100, 100);
    CBlockAnalog* pSource = Analog(BT_AAMP, 100, 300);
    CBlockAnalog* pPI = Analog(BT_PI, 300, 100);
    CBlockAnalog* pPwm = Analog(BT_PWM, 300, 300);
    Edit(pMux, [](CWnd& page) {
        Click(page, IDC_AMATH_REF[2]);
        EXPECT_TRUE(Visible(page, int(IDC_AMATH_LIST[2])));
        EXPECT_FALSE(Visible(page, IDC_AMATH_VALUE[2]));
        EXPECT_FALSE(Visible(page, IDC_AMATH_SPIN[2]));
    });
    EXPECT_EQ(pMux->m_nParam[BLOCK_REF_USED_PARAM + 2], 1);
    EXPECT_NE(pMux->m_pRefBlock[2], nullptr);
    Edit(pMux, [](CWnd& page) { Click(page, IDC_AMATH_REF[2]); });
    EXPECT_EQ(pMux->m_nParam[BLOCK_REF_USED_PARAM + 2], 0) << "unticking clears the row's block";
    EXPECT_EQ(pMux->m_pRefBlock[2], nullptr);

    pPI->m_nThreshold1 = 640;
    Edit(pPI, [pSource](CWnd& page) {
        EXPECT_TRUE(Visible(page, IDC_LIMIT1_REF));
        Click(page, IDC_LIMIT1_REF);
        EXPECT_FALSE(Visible(page, IDC_LIMIT1));
        auto& list = Combo(page, int(IDC_LIMIT1_LIST));
        for (int i = 0; i < list.GetCount(); ++i) {
            if (CReferenceRow::NumberOfLine(ItemText(page, int(IDC_LIMIT1_LIST), i)) == pSource->m_nNumber)
                list.UserSelect(i);
        }
    });
    EXPECT_EQ(pPI->m_nParam[BLOCK_REF_USED_PARAM], 1);
    EXPECT_EQ(pPI->m_pRefBlock[0], pSource);
    EXPECT_EQ(pPI->m_nThreshold1, 640) << "the SP constant stays behind the reference";

    // The PWM's list offers only what the document holds; a reference with nothing chosen is none.
    Edit(pPwm, [](CWnd& page) {
        EXPECT_TRUE(Visible(page, IDC_PWM_TIME_HIGH));
        Combo(page, int(IDC_PWM_REF_BLOCK)).ResetContent();
        Click(page, IDC_PWM_REF);
    });
    EXPECT_EQ(pPwm->m_nParam[BLOCK_REF_USED_PARAM], 0);
    EXPECT_EQ(pPwm->m_pRefBlock[0], nullptr);

    Doc().m_wHardwareCode = kOldModel;
    Edit(
        pPI, [](CWnd& page) { EXPECT_FALSE(Visible(page, IDC_LIMIT1_REF)) << "older controllers take no references"; },
        IDCANCEL);
}

TEST_F(AnalogPages, HintsFollowTheLayoutBySensor)
{
    CBlockAnalog* pComp = Analog(BT_ACOMP);
    Edit(
        pComp,
        [](CWnd& page) {
            const CToolTipWnd& tips = static_cast<CAnalogPage&>(page).GetTips();
            EXPECT_EQ(tips.GetToolCount(), 7);
            Select(page, IDC_SENSOR, SENSOR_NONE);
            EXPECT_EQ(tips.GetToolCount(), 5) << "no hints over the hidden range";
            Select(page, IDC_SENSOR, SENSOR_0_20MA);
            EXPECT_EQ(tips.GetToolCount(), 7);
        },
        IDCANCEL);
}

TEST_F(AnalogPages, ChineseCaptionsOfTheWatchdogsRowsComeFromTheirOwnKeys)
{
    SetPageTextLookup([](WORD nKey, CString& str) {
        str.Format(_T("K%u"), unsigned(nKey));
        return TRUE;
    });
    g_bChineseUI = 1;
    Doc().m_wHardwareCode = kNewModel;
    CString strRow1;
    CString strRow2;
    CString strSensor;
    Edit(
        Analog(BT_AWDOG),
        [&](CWnd& page) {
            strRow1 = Text(page, IDC_LIMIT1_LABEL);
            strRow2 = Text(page, IDC_LIMIT2_LABEL);
            strSensor = Text(page, IDC_RANGE_GROUP);
        },
        IDCANCEL);
    EXPECT_EQ(strRow1, CString(_T("K139")));
    EXPECT_EQ(strRow2, CString(_T("K140")));
    EXPECT_EQ(strSensor, CString(_T("K1083")));
}

TEST_F(AnalogPages, ApplyOfAnUntickedRowLeavesNoBlockForTheSimulationToRead)
{
    Doc().m_wHardwareCode = kNewModel;
    CBlockAnalog* pMux = Analog(BT_AMUX, 100, 100);
    CBlockAnalog* pSource = Analog(BT_AAMP, 100, 300);
    pMux->m_pRefBlock[0] = pSource;
    pMux->m_nParam[BLOCK_REF_USED_PARAM] = 1;
    pMux->m_nParam[AMATH_V1_PARAM] = 7;
    CAllPropertySheet* pSheet = RunningSheet(pMux);
    ASSERT_NE(pSheet, nullptr);
    Click(*pSheet->m_pMainPage, IDC_AMATH_REF[0]);
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(pMux->m_nParam[BLOCK_REF_USED_PARAM], 0);
    EXPECT_EQ(pMux->m_pRefBlock[0], nullptr) << "a block left behind would still feed V1";
    EXPECT_EQ(pMux->m_nParam[AMATH_V1_PARAM], 7);
}

TEST_F(AnalogPages, TheLiveValueIsAControlAboveItsFrame)
{
    CBlockAnalog* pDog = Analog(BT_AWDOG);
    // Set in the run: a watchdog without its Ax starts the run from the offset.
    StartSimulation();
    pDog->m_nValue = 12;
    CAllPropertySheet* pSheet = OpenSheet(pDog);
    ASSERT_NE(pSheet, nullptr);
    CWnd& page = *pSheet->m_pMainPage;
    ASSERT_EQ(pSheet->m_pMainPage->GetCurrentValueText(), CString(_T("    12/     0")));
    // A window's own painting lies below its controls: the text must be a control over the frame.
    bool bTextAboveFrame = false;
    for (CWnd* pChild = page.GetWindow(GW_CHILD); pChild; pChild = pChild->GetWindow(GW_HWNDNEXT)) {
        if (pChild->GetDlgCtrlID() == IDC_CURRENT_VALUE_BOX)
            break;
        CString strText;
        pChild->GetWindowText(strText);
        bTextAboveFrame = bTextAboveFrame || strText == CString(_T("    12/     0"));
    }
    EXPECT_TRUE(bTextAboveFrame);
}

// Once a box's bound is typed, further digits cannot make another number of it; a minus typed
// into the watchdog's threshold makes it its bound 0.
TEST_F(AnalogPages, DigitsTypedAfterTheBoundLeaveTheBound)
{
    if (!RunningApp::OnQt())
        GTEST_SKIP() << "keys through the Qt widgets";
    InitQtControls();
    const struct { int nType, nID; int CBlockAnalog::*pField; const char* typed; int nStored; } cases[] = {
        {BT_ATHTRG, IDC_LIMIT1, &CBlockAnalog::m_nThreshold1, "-99999999999", -20000},
        {BT_ATHTRG, IDC_LIMIT1, &CBlockAnalog::m_nThreshold1, "300000", 20000},
        {BT_AAMP, IDC_OFFSET, &CBlockAnalog::m_nOffset, "-99999999999", -10000},
        {BT_PI, IDC_LIMIT1, &CBlockAnalog::m_nThreshold1, "300000", 20000},
        {BT_PWM, IDC_LIMIT1, &CBlockAnalog::m_nThreshold1, "-99999999999", -20000},
        {BT_AWDOG, IDC_LIMIT2, &CBlockAnalog::m_nThreshold2, "-5", 0},
    };
    for (const auto& c : cases) {
        CBlockAnalog* pBlock = Analog(c.nType);
        Edit(pBlock, [&](CWnd& page) { QtRetype(*page.GetDlgItem(c.nID), c.typed); });
        EXPECT_EQ(pBlock->*c.pField, c.nStored) << c.nType << " " << c.typed;
    }
}

// The gain and KC are numeric boxes: a second point takes the caret to the decimals, a sign
// goes where the box takes one, and a third whole digit of KC goes behind a point.
TEST_F(AnalogPages, TheGainAndKcAreNumericBoxes)
{
    if (!RunningApp::OnQt())
        GTEST_SKIP() << "keys through the Qt widgets";
    InitQtControls();
    const struct { int nType, nID; const char* typed; const TCHAR* pszShown; double dStored; } cases[] = {
        {BT_AAMP, IDC_GAIN, "-3.5.7", _T("-3.75"), -3.75}, {BT_ARAMP, IDC_GAIN, "-3.5.7", _T("3.75"), 3.75},
        {BT_PI, IDC_PI_KC, "3.5.7", _T("3.75"), 3.75},      {BT_PI, IDC_PI_KC, "-123", _T("12.3"), 12.3},
    };
    for (const auto& c : cases) {
        CBlockAnalog* pBlock = Analog(c.nType);
        Edit(pBlock, [&](CWnd& page) {
            if (c.nID == IDC_PI_KC)
                Select(page, IDC_PI_PARAM_SET, PI_SET_USER_DEFINED);
            QtRetype(*page.GetDlgItem(c.nID), c.typed);
            EXPECT_EQ(Text(page, c.nID), CString(c.pszShown)) << c.nType << " " << c.typed << ": " << Text(page, c.nID).ToUtf8();
        });
        EXPECT_DOUBLE_EQ(c.nID == IDC_GAIN ? pBlock->m_dGain : pBlock->m_dPiKC, c.dStored) << c.nType << " " << c.typed;
    }
}

}  // namespace
