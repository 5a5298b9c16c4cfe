// The timer pages through Block Properties: the time value's clamps and references on the pages
// with one and two times, OK and Apply with references, references given up in a running
// simulation, the weekly timer's general and cam pages with their pulse-output flag per sheet,
// and the yearly timer's date checks; all driven through the control ids.
#include "SheetFixture.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockClock.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockDelay.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypes.h"
#include "document/SimScan.h"
#include "editor/ChildFrame.h"
#include "editor/SimulationBarDlg.h"
#include "pages/blocks/AVGVAL.h"
#include "pages/blocks/HoursCounter.h"
#include "pages/blocks/RangeTipPage.h"
#include "pages/blocks/SpecialFunPar2.h"
#include "pages/blocks/SpecialPar3.h"
#include "pages/blocks/TimerPageIds.h"
#include "pages/blocks/WeeklyCams1.h"
#include "pages/blocks/WeeklyGeneral.h"
#include "pages/blocks/YearlyTimer.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/PageTexts.h"
#include "pages/sheet/TimeValueRow.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"

#include <map>

namespace {

constexpr WORD kNewerHardware = 0x5188;
constexpr WORD kOlderHardware = 0x2188;

class TimerPages : public SheetFixture {
protected:
    static void Tick(CDialog& page, int nID, bool bOn)
    {
        page.CheckDlgButton(nID, bOn ? 1 : 0);
        Press(page, nID);
    }
    static void Choose(CWnd& page, int nID, int nIndex)
    {
        auto* pCombo = static_cast<CComboBox*>(page.GetDlgItem(int(nID)));
        ASSERT_NE(pCombo, nullptr) << nID;
        pCombo->UserSelect(nIndex);
    }
    static void Type(CWnd& page, int nID, LPCTSTR lpszText)
    {
        auto* pEdit = static_cast<CEdit*>(page.GetDlgItem(nID));
        ASSERT_NE(pEdit, nullptr) << nID;
        pEdit->UserEdit(lpszText, CString(lpszText).GetLength());
    }
};

struct TimeControls {
    int nLow;
    int nBase;
    int nReference;
    UINT nUnitList;
    const TimeSlot* pSlot;
    int nRef;
};
constexpr TimeControls kTime1 = {IDC_TIME1_LOW, IDC_TIME1_BASE, IDC_TIME1_REFERENCE, IDC_TIME1_UNIT_LIST, &TIME_SLOT_1, 0};
constexpr TimeControls kTime2 = {IDC_TIME2_LOW, IDC_TIME2_BASE, IDC_TIME2_REFERENCE, IDC_TIME2_UNIT_LIST, &TIME_SLOT_2, 1};

struct TimeCase {
    int nType;
    const TimeControls* pTime;
};
const TimeCase kTimeCases[] = {{BT_DPR, &kTime1}, {BT_CPG, &kTime1}, {BT_MPLR, &kTime1},
                               {BT_MPLR, &kTime2}, {BT_APG, &kTime2}, {BT_RG, &kTime1}};

TEST_F(TimerPages, TheLowPartBecomes59WhenHoursOrMinutesAreChosen)
{
    for (const TimeCase& c : kTimeCases) {
        SCOPED_TRACE(c.nType);
        const TimeControls& t = *c.pTime;
        CBlockObj* pTimer = Block(c.nType);
        CString strAfterBase;
        CString strTyped;
        EditPage(pTimer, [&](CBlockPage& page) {
            Choose(page, t.nBase, TIME_BASE_SECONDS);
            Type(page, t.nLow, _T("75"));
            EXPECT_EQ(Text(page, t.nLow), CString(_T("75"))) << "hundredths run to 99";
            Choose(page, t.nBase, TIME_BASE_HOURS);
            strAfterBase = Text(page, t.nLow);
            Type(page, t.nLow, _T("75"));
            strTyped = Text(page, t.nLow);
        }, IDOK);
        EXPECT_EQ(strAfterBase, CString(_T("59")));
        EXPECT_EQ(strTyped, CString(_T("59")));
        EXPECT_EQ(ReadBlockWord(*pTimer, t.pSlot->low), 59);
        EXPECT_EQ(ReadBlockWord(*pTimer, t.pSlot->base), TIME_BASE_HOURS);
    }
}

TEST_F(TimerPages, OkWithAReferenceStoresNoConstantButTheBaseTheFlagAndTheUnit)
{
    Doc().m_wHardwareCode = kNewerHardware;
    CBlockObj* pCounter = Block(BT_COUNTER, 60, 60);
    for (const TimeCase& c : kTimeCases) {
        SCOPED_TRACE(c.nType);
        const TimeControls& t = *c.pTime;
        CBlockObj* pTimer = Block(c.nType);
        WriteBlockWord(*pTimer, t.pSlot->low, 30);
        WriteBlockWord(*pTimer, t.pSlot->high, 5);
        WriteBlockWord(*pTimer, t.pSlot->base, TIME_BASE_MINUTES);
        EditPage(pTimer, [&](CBlockPage& page) {
            Press(page, t.nReference);
            EXPECT_TRUE(Visible(page, int(t.nUnitList)));
            EXPECT_FALSE(Visible(page, t.nLow));
            Choose(page, int(t.nUnitList), REF_UNIT_MILLISECONDS);
        }, IDOK);
        EXPECT_EQ(ReadBlockWord(*pTimer, t.pSlot->low), 0);
        EXPECT_EQ(ReadBlockWord(*pTimer, t.pSlot->high), 0);
        EXPECT_EQ(ReadBlockWord(*pTimer, t.pSlot->base), TIME_BASE_MINUTES);
        EXPECT_EQ(ReadBlockWord(*pTimer, t.pSlot->refFlag), 1);
        EXPECT_EQ(ReadBlockWord(*pTimer, t.pSlot->refUnit), REF_UNIT_MILLISECONDS);
        EXPECT_EQ(pTimer->m_pRefBlock[t.nRef], pCounter);
        EXPECT_EQ(pTimer->m_nRefBlock[t.nRef], pCounter->m_nNumber);
    }
}

TEST_F(TimerPages, TheReferenceButtonByDocumentGenerationAndType)
{
    struct Case {
        WORD wHardware;
        bool bReferable;
        int nType;
        int nButton;
        bool bShown;
        bool bEnabled;
    };
    const Case cases[] = {
        {kNewerHardware, false, BT_DPR, IDC_TIME1_REFERENCE, true, false},
        {kNewerHardware, true, BT_DPR, IDC_TIME1_REFERENCE, true, true},
        {kOlderHardware, true, BT_CPG, IDC_TIME1_REFERENCE, false, true},
        {kOlderHardware, true, BT_DDR, IDC_TIME1_REFERENCE, true, true},
        {kOlderHardware, true, BT_MPLR, IDC_TIME1_REFERENCE, false, true},
        {kOlderHardware, true, BT_MPLR, IDC_TIME2_REFERENCE, false, true},
    };
    // The cases without a block to refer to come first: the counter stays once it is made.
    CBlockObj* pCounter = nullptr;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nType << " " << c.nButton << " " << c.bReferable);
        Doc().m_wHardwareCode = c.wHardware;
        if (c.bReferable && !pCounter)
            pCounter = Block(BT_COUNTER, 60, 60);
        CBlockObj* pTimer = Block(c.nType);
        bool bShown = false;
        bool bEnabled = false;
        EditModal(pTimer, [&](CPropertySheet& sheet) {
            bShown = Visible(MainPage(sheet), c.nButton);
            bEnabled = Enabled(MainPage(sheet), c.nButton);
        }, IDCANCEL);
        EXPECT_EQ(bShown, c.bShown);
        EXPECT_EQ(bEnabled, c.bEnabled);
    }
}

TEST_F(TimerPages, AnOlderProjectStoresBothTimesOfATwoTimeTimerWithoutReferences)
{
    Doc().m_wHardwareCode = kOlderHardware;
    CBlockObj* pCounter = Block(BT_COUNTER, 60, 60);
    CBlockObj* pTimer = Block(BT_APG);
    for (int k : {0, 1}) {
        pTimer->m_pRefBlock[k] = pCounter;
        pTimer->m_nRefBlock[k] = pCounter->m_nNumber;
        pTimer->m_nParam[BLOCK_REF_USED_PARAM + k] = 1;
    }
    bool bConstantsShown = false;
    EditModal(pTimer, [&](CPropertySheet& sheet) {
        bConstantsShown = Visible(MainPage(sheet), IDC_TIME1_LOW) && Visible(MainPage(sheet), IDC_TIME2_LOW);
    }, IDOK);
    EXPECT_TRUE(bConstantsShown);
    for (int k : {0, 1}) {
        EXPECT_EQ(pTimer->m_pRefBlock[k], nullptr) << k;
        EXPECT_EQ(pTimer->m_nRefBlock[k], -1) << k;
        EXPECT_EQ(pTimer->m_nParam[BLOCK_REF_USED_PARAM + k], 0) << k;
    }
}

TEST_F(TimerPages, PulseCyclesAndTheRandomGeneratorsRetentivity)
{
    CBlockObj* pRelay = Block(BT_RPR);
    EditModal(pRelay, [&](CPropertySheet& sheet) { Choose(MainPage(sheet), IDC_PULSE_CYCLES, 8); }, IDOK);
    EXPECT_EQ(pRelay->m_nParamEx[RPR_PULSES_PARAMEX], 8) << "\"9\" is stored as 8";

    CBlockObj* pRandom = Block(BT_RG, 200, 300);
    pRandom->m_nParam[BLOCK_RETENTIVE_PARAM] = 1;
    bool bRetentiveShown = true;
    bool bCyclesShown = true;
    EditModal(pRandom, [&](CPropertySheet& sheet) {
        bRetentiveShown = Visible(MainPage(sheet), IDC_RETENTIVE);
        bCyclesShown = Visible(MainPage(sheet), IDC_PULSE_CYCLES);
    }, IDOK);
    EXPECT_FALSE(bRetentiveShown);
    EXPECT_FALSE(bCyclesShown);
    EXPECT_EQ(pRandom->m_nParam[BLOCK_RETENTIVE_PARAM], 1) << "OK leaves the word alone";
    CAllPropertySheet* pSheet = RunningSheet(pRandom);
    ASSERT_NE(pSheet, nullptr);
    for (const auto& [word, nValue] : pSheet->BuildApplyRecord().words)
        EXPECT_FALSE(word.array == BlockWordArray::Param && word.nIndex == BLOCK_RETENTIVE_PARAM);
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(pRandom->m_nParam[BLOCK_RETENTIVE_PARAM], 1) << "nor does Apply";
}

TEST_F(TimerPages, ClosingAModelessSheetClearsTheConstantBehindAReferenceExceptTheWipingRelays)
{
    CBlockObj* pCounter = Block(BT_COUNTER, 60, 60);
    struct Case {
        int nType;
        int nExpectedHigh;
        int nExpectedBase;
    };
    const Case cases[] = {{BT_DPR, 0, TIME_BASE_SECONDS}, {BT_PLR, 0, TIME_BASE_SECONDS}, {BT_CPG, 7, TIME_BASE_MINUTES}};
    std::vector<CBlockObj*> timers;
    for (size_t i = 0; i < std::size(cases); ++i) {
        CBlockObj* pTimer = Block(cases[i].nType, 200, 100 + 80 * int(i));
        pTimer->m_nParam[TIMER_ON_HIGH_PARAM] = 7;
        pTimer->m_nParam[TIMER_ON_BASE_PARAM] = TIME_BASE_MINUTES;
        pTimer->m_nParam[BLOCK_REF_USED_PARAM] = 1;
        pTimer->m_pRefBlock[0] = pCounter;
        timers.push_back(pTimer);
    }
    StartSimulation();
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].nType);
        CAllPropertySheet* pSheet = OpenSheet(timers[i]);
        ASSERT_NE(pSheet, nullptr);
        EXPECT_TRUE(Visible(*pSheet->m_pMainPage, int(IDC_TIME1_BLOCK_LIST))) << "the reference shows";
        Press(*pSheet, IDCANCEL);
        EXPECT_EQ(timers[i]->m_nParam[TIMER_ON_HIGH_PARAM], cases[i].nExpectedHigh);
        EXPECT_EQ(timers[i]->m_nParam[TIMER_ON_BASE_PARAM], cases[i].nExpectedBase);
    }
}

TEST_F(TimerPages, GivingUpAReferenceOfARunningGeneratorStopsItsTimingAtOnce)
{
    Doc().m_wHardwareCode = kNewerHardware;
    CBlockObj* pCounter = Block(BT_COUNTER, 60, 60);
    auto* pGenerator = static_cast<CBlockTime*>(Block(BT_APG));
    pGenerator->m_nParamEx[TIMER_OFF_LOW_PARAMEX] = 40;
    pGenerator->m_nParamEx[TIMER_OFF_HIGH_PARAMEX] = 3;
    pGenerator->m_nParam[BLOCK_REF_USED_PARAM + 1] = 1;
    pGenerator->m_pRefBlock[1] = pCounter;
    pGenerator->m_nRefBlock[1] = pCounter->m_nNumber;
    CAllPropertySheet* pSheet = RunningSheet(pGenerator);
    ASSERT_NE(pSheet, nullptr);
    pGenerator->m_bTiming = 1;
    pGenerator->m_dRunTime = 500.0;
    Choose(*pSheet->m_pMainPage, IDC_TIME2_BASE, TIME_BASE_MINUTES);
    Press(*pSheet->m_pMainPage, IDC_TIME2_REFERENCE);
    EXPECT_EQ(pGenerator->m_bTiming, 0);
    EXPECT_EQ(pGenerator->m_dRunTime, 0.0);
    EXPECT_EQ(pGenerator->m_nParamEx[TIMER_OFF_LOW_PARAMEX], 0);
    EXPECT_EQ(pGenerator->m_nParamEx[TIMER_OFF_HIGH_PARAMEX], 0);
    EXPECT_EQ(pGenerator->m_pRefBlock[1], nullptr);
    EXPECT_EQ(pGenerator->m_nRefBlock[1], -1);
    EXPECT_EQ(pGenerator->m_nParam[BLOCK_REF_USED_PARAM + 1], 0);
    EXPECT_TRUE(Visible(*pSheet->m_pMainPage, IDC_TIME2_LOW));

    // A sheet whose block has gone writes into none.
    auto* pOther = static_cast<CBlockTime*>(Block(BT_APG, 200, 300));
    Press(*pSheet, IDCANCEL);
    pGenerator->m_pRefBlock[1] = pCounter;
    pGenerator->m_nParam[BLOCK_REF_USED_PARAM + 1] = 1;
    pSheet = OpenSheet(pGenerator);
    ASSERT_NE(pSheet, nullptr);
    pSheet->m_nBlockNumber = pOther->m_nNumber + 100;
    pGenerator->m_bTiming = 1;
    pOther->m_bTiming = 1;
    Press(*pSheet->m_pMainPage, IDC_TIME2_REFERENCE);
    EXPECT_EQ(pGenerator->m_bTiming, 1);
    EXPECT_EQ(pOther->m_bTiming, 1);
    EXPECT_EQ(pGenerator->m_pRefBlock[1], pCounter);
}

// ---- the weekly timer ----

class WeeklyPages : public TimerPages {
protected:
    static CWeeklyCams1* Cam(CPropertySheet& sheet, int nCam)
    {
        sheet.SetActivePage(nCam + 1);
        return dynamic_cast<CWeeklyCams1*>(sheet.GetActivePage());
    }
};

TEST_F(WeeklyPages, ANewTimerHasNoDaysAndNoTimesAndItsCamsClampWhileTyping)
{
    CBlockObj* pTimer = Block(BT_WT);
    struct Typed {
        int nID;
        LPCTSTR lpszTyped;
        LPCTSTR lpszShown;
    };
    const Typed typed[] = {{IDC_CAM_ON_HOUR, _T("75"), _T("23")},
                           {IDC_CAM_OFF_HOUR, _T("24"), _T("23")},
                           {IDC_CAM_ON_MINUTE, _T("75"), _T("59")},
                           {IDC_CAM_OFF_MINUTE, _T("123"), _T("12")}};
    EditModal(pTimer, [&](CPropertySheet& sheet) {
        for (int nCam = 0; nCam < TIMER_CAM_COUNT; ++nCam) {
            SCOPED_TRACE(nCam);
            CWeeklyCams1* pCam = Cam(sheet, nCam);
            ASSERT_NE(pCam, nullptr);
            for (int i = 0; i < WEEK_DAYS; ++i)
                EXPECT_FALSE(pCam->IsDlgButtonChecked(IDC_MONDAY + i));
            EXPECT_TRUE(pCam->IsDlgButtonChecked(IDC_CAM_ON_DISABLE));
            EXPECT_TRUE(pCam->IsDlgButtonChecked(IDC_CAM_OFF_DISABLE));
            for (int nEdit : {IDC_CAM_ON_HOUR, IDC_CAM_ON_MINUTE, IDC_CAM_OFF_HOUR, IDC_CAM_OFF_MINUTE}) {
                EXPECT_EQ(Text(*pCam, nEdit), CString(_T("0")));
                EXPECT_FALSE(Enabled(*pCam, nEdit));
            }
        }
        CWeeklyCams1* pCam = Cam(sheet, 0);
        for (const Typed& t : typed) {
            Type(*pCam, t.nID, t.lpszTyped);
            EXPECT_EQ(Text(*pCam, t.nID), CString(t.lpszShown)) << t.nID;
        }
    }, IDCANCEL);
}

TEST_F(WeeklyPages, PulseOutputGreysTheOffTimeOfCamsShownAndOfCamsOpenedLater)
{
    Doc().m_wHardwareCode = kNewerHardware;
    CBlockObj* pTimer = Block(BT_WT);
    auto* pCams = static_cast<CBlockTime*>(pTimer);
    pCams->m_bOffDisabled[0] = 0;
    EditModal(pTimer, [&](CPropertySheet& sheet) {
        CWeeklyCams1* pFirst = Cam(sheet, 0);
        EXPECT_TRUE(Enabled(*pFirst, IDC_CAM_OFF_DISABLE));
        sheet.SetActivePage(0);
        Tick(MainPage(sheet), IDC_PULSE_OUTPUT, true);
        EXPECT_FALSE(Enabled(*pFirst, IDC_CAM_OFF_DISABLE));
        EXPECT_FALSE(Enabled(*pFirst, IDC_CAM_OFF_HOUR));
        CWeeklyCams1* pSecond = Cam(sheet, 1);
        EXPECT_FALSE(Enabled(*pSecond, IDC_CAM_OFF_DISABLE)) << "a later page reads the flag";
        sheet.SetActivePage(0);
        Tick(MainPage(sheet), IDC_PULSE_OUTPUT, false);
        EXPECT_TRUE(Enabled(*pFirst, IDC_CAM_OFF_HOUR)) << "the off time in use is free again";
        EXPECT_TRUE(Enabled(*pSecond, IDC_CAM_OFF_DISABLE));
        EXPECT_FALSE(Enabled(*pSecond, IDC_CAM_OFF_HOUR)) << "its own Disable still holds";
        Tick(MainPage(sheet), IDC_PULSE_OUTPUT, true);
    }, IDOK);
    EXPECT_EQ(pTimer->m_nParam[WT_PULSE_PARAM], 1);
}

TEST_F(WeeklyPages, TwoOpenSheetsFollowTheirOwnPulseOutput)
{
    Doc().m_wHardwareCode = kNewerHardware;
    CBlockObj* pPulsed = Block(BT_WT, 200, 100);
    CBlockObj* pPlain = Block(BT_WT, 200, 300);
    pPulsed->m_nParam[WT_PULSE_PARAM] = 1;
    CAllPropertySheet* pPulsedSheet = RunningSheet(pPulsed);
    CAllPropertySheet* pPlainSheet = OpenSheet(pPlain);
    ASSERT_TRUE(pPulsedSheet && pPlainSheet);
    CWeeklyCams1* pPulsedCam = Cam(*pPulsedSheet, 0);
    CWeeklyCams1* pPlainCam = Cam(*pPlainSheet, 0);
    EXPECT_FALSE(Enabled(*pPulsedCam, IDC_CAM_OFF_DISABLE));
    EXPECT_TRUE(Enabled(*pPlainCam, IDC_CAM_OFF_DISABLE)) << "the sheet opened later does not decide";
    pPulsedSheet->SetActivePage(0);
    Tick(*pPulsedSheet->m_pMainPage, IDC_PULSE_OUTPUT, false);
    EXPECT_TRUE(Enabled(*pPulsedCam, IDC_CAM_OFF_DISABLE));
    pPlainSheet->SetActivePage(0);
    Tick(*pPlainSheet->m_pMainPage, IDC_PULSE_OUTPUT, true);
    EXPECT_TRUE(Enabled(*pPulsedCam, IDC_CAM_OFF_DISABLE)) << "another sheet's click changes nothing here";
    EXPECT_FALSE(Enabled(*pPlainCam, IDC_CAM_OFF_DISABLE));
}

TEST_F(WeeklyPages, ApplyWritesDaysAndTimesButKeepsThePulseOutputWord)
{
    Doc().m_wHardwareCode = kNewerHardware;
    auto* pTimer = static_cast<CBlockTime*>(Block(BT_WT));
    CAllPropertySheet* pSheet = RunningSheet(pTimer);
    ASSERT_NE(pSheet, nullptr);
    Tick(*pSheet->m_pMainPage, IDC_PULSE_OUTPUT, true);
    CWeeklyCams1* pFirst = Cam(*pSheet, 0);
    Tick(*pFirst, IDC_MONDAY + 6, true);  // Sunday
    CWeeklyCams1* pThird = Cam(*pSheet, 2);
    Tick(*pThird, IDC_MONDAY, true);
    Tick(*pThird, IDC_CAM_ON_DISABLE, false);
    Type(*pThird, IDC_CAM_ON_HOUR, _T("7"));
    Type(*pThird, IDC_CAM_ON_MINUTE, _T("45"));
    const int nBefore = Snapshots();
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(Snapshots(), nBefore + 1);
    EXPECT_EQ(pTimer->m_nParam[WT_PULSE_PARAM], 0) << "the running block keeps its output mode";
    EXPECT_EQ(*pTimer->CamWord(0), 1) << "cam 1's Sunday is the first day flag";
    EXPECT_EQ(pTimer->m_bDay[0][0], 1);
    EXPECT_EQ(pTimer->m_bDay[2][1], 1) << "Monday is a cam's second flag";
    EXPECT_EQ(pTimer->m_bOnDisabled[2], 0);
    EXPECT_EQ(pTimer->m_nOnTime[2][0], 7);
    EXPECT_EQ(pTimer->m_nOnTime[2][1], 45);
    EXPECT_EQ(pTimer->m_bOffDisabled[2], 1);
    EXPECT_EQ(pTimer->m_bDay[1][1], 0);
}

TEST_F(WeeklyPages, FourPagesAndTheCommentWithTheirChineseTitles)
{
    const std::map<WORD, CString> texts = {{175, CString(u"\u5e38\u89c4")}, {146, CString(u"\u51f8\u8f6e1")},
                                           {148, CString(u"\u51f8\u8f6e2")}, {149, CString(u"\u51f8\u8f6e3")},
                                           {170, CString(u"\u6ce8\u91ca")}};
    UseTexts(texts);
    CBlockObj* pTimer = Block(BT_WT);
    std::vector<CString> titles[2];
    for (int nChinese : {0, 1}) {
        g_bChineseUI = nChinese;
        EditModal(pTimer, [&](CPropertySheet& sheet) {
            for (int i = 0; i < sheet.GetPageCount(); ++i)
                titles[nChinese].push_back(sheet.GetPage(i)->GetTabTitle());
        }, IDCANCEL);
    }
    EXPECT_EQ(titles[0], (std::vector<CString>{_T("General"), _T("Cams"), _T("Cams"), _T("Cams"), _T("Comment")}));
    EXPECT_EQ(titles[1], (std::vector<CString>{texts.at(175), texts.at(146), texts.at(148), texts.at(149), texts.at(170)}));
}

// ---- the yearly timer ----

TEST_F(TimerPages, YearlyDatesAreCheckedAgainstTheirMonth)
{
    struct Case {
        int nMonth;
        int nDay;
        LPCTSTR lpszPrompt;  // null: accepted
    };
    const Case cases[] = {
        {4, 31, _T("Enter an Integer between 1 and 30.")},
        {2, 29, nullptr},
        {2, 30, _T("Enter an Integer between 1 and 29.")},
        {1, 32, _T("Enter an Integer between 1 and 31.")},
        {12, 31, nullptr},
        {6, 0, nullptr},
    };
    CBlockObj* pTimer = Block(BT_YT);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nMonth << "." << c.nDay);
        m_boxes.Clear();
        bool bRefused = false;
        CDialog::SetDialogHook([&](CDialog& dlg) {
            CBlockPage& page = MainPage(static_cast<CPropertySheet&>(dlg));
            page.SetDlgItemInt(IDC_YT_ON_MONTH, UINT(c.nMonth));
            page.SetDlgItemInt(IDC_YT_ON_DAY, UINT(c.nDay));
            dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            // A refusal keeps the sheet: it is left with Cancel.
            bRefused = !m_boxes.Boxes().empty();
            if (bRefused)
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        Properties(pTimer);
        EXPECT_EQ(bRefused, c.lpszPrompt != nullptr);
        if (c.lpszPrompt) {
            ASSERT_EQ(m_boxes.Boxes().size(), 1u);
            EXPECT_EQ(m_boxes.Boxes()[0].text, CString(c.lpszPrompt));
        } else {
            EXPECT_TRUE(m_boxes.Boxes().empty());
            EXPECT_EQ(pTimer->m_nParam[YT_ON_MONTH_PARAM], c.nMonth);
            EXPECT_EQ(pTimer->m_nParam[YT_ON_DAY_PARAM], c.nDay);
        }
    }
}

TEST_F(TimerPages, YearlyMonthlyAndPulseOutputGreyTheirEdits)
{
    Doc().m_wHardwareCode = kNewerHardware;
    CBlockObj* pTimer = Block(BT_YT);
    EditPage(pTimer, [&](CBlockPage& page) {
        EXPECT_EQ(Text(page, IDC_YT_ON_YEAR), CString(_T("2000")));
        EXPECT_EQ(Text(page, IDC_YT_OFF_YEAR), CString(_T("2099")));
        EXPECT_TRUE(page.IsDlgButtonChecked(IDC_YT_YEARLY));
        Tick(page, IDC_PULSE_OUTPUT, true);
        EXPECT_FALSE(Enabled(page, IDC_YT_OFF_DAY));
        EXPECT_FALSE(Enabled(page, IDC_YT_OFF_MONTH));
        Tick(page, IDC_YT_MONTHLY, true);
        for (int nID : {IDC_YT_ON_MONTH, IDC_YT_OFF_MONTH, IDC_YT_YEARLY})
            EXPECT_FALSE(Enabled(page, nID)) << nID;
        Tick(page, IDC_YT_MONTHLY, false);
        EXPECT_TRUE(Enabled(page, IDC_YT_OFF_MONTH)) << "clearing Monthly frees the off month";
        EXPECT_TRUE(Enabled(page, IDC_YT_ON_MONTH));
    }, IDOK);
    EXPECT_EQ(pTimer->m_nParam[YT_PULSE_PARAM], 1);
    EXPECT_EQ(pTimer->m_nParam[YT_MONTHLY_PARAM], 0);
}

TEST_F(TimerPages, AnOlderYearlyTimerHidesTheYearsButCarriesThem)
{
    Doc().m_wHardwareCode = kOlderHardware;
    CBlockObj* pTimer = Block(BT_YT);
    pTimer->m_nParam[YT_ON_YEAR_PARAM] = 2024;
    pTimer->m_nParam[YT_OFF_YEAR_PARAM] = 0;  // never set by the older controllers
    pTimer->m_nParam[YT_PULSE_PARAM] = 1;
    std::vector<int> shown;
    EditModal(pTimer, [&](CPropertySheet& sheet) {
        for (int nID : {IDC_YT_ON_YEAR, IDC_YT_OFF_YEAR, IDC_YT_YEARLY, IDC_PULSE_OUTPUT, IDC_YT_ON_YEAR_GROUP})
            if (Visible(MainPage(sheet), nID))
                shown.push_back(nID);
    }, IDOK);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(m_boxes.Boxes().empty()) << "a hidden year refuses nothing";
    EXPECT_EQ(pTimer->m_nParam[YT_OFF_YEAR_PARAM], 0);
    EXPECT_EQ(pTimer->m_nParam[YT_ON_YEAR_PARAM], 2024);
    EXPECT_EQ(pTimer->m_nParam[YT_PULSE_PARAM], 1);
}

// ---- the block words of references and cams ----

TEST_F(TimerPages, AReferenceWordNamesABlockOfTheDocumentOrNone)
{
    CBlockObj* pCounter = Block(BT_COUNTER, 60, 60);
    CBlockObj* pTimer = Block(BT_DPR);
    const BlockWord ref = {BlockWordArray::Ref, 2};
    EXPECT_EQ(ReadBlockWord(*pTimer, ref), -1);
    WriteBlockWord(*pTimer, ref, pCounter->m_nNumber);
    EXPECT_EQ(pTimer->m_pRefBlock[2], pCounter);
    EXPECT_EQ(ReadBlockWord(*pTimer, ref), pCounter->m_nNumber);
    WriteBlockWord(*pTimer, ref, pCounter->m_nNumber + 500);
    EXPECT_EQ(pTimer->m_pRefBlock[2], nullptr) << "a number no block carries leaves no reference";
    EXPECT_EQ(pTimer->m_nRefBlock[2], -1);
    const BlockWord lastCam = {BlockWordArray::Cam, TIMER_CAM_WORDS - 1};
    WriteBlockWord(*pTimer, lastCam, 1);
    EXPECT_EQ(static_cast<CBlockTime*>(pTimer)->m_bOffDisabled[TIMER_CAM_COUNT - 1], 1);
    EXPECT_EQ(static_cast<CBlockTime*>(pTimer)->CamWord(TIMER_CAM_WORDS), nullptr);
    CBlockObj* pAnd = Block(BT_AND, 60, 200);
    WriteBlockWord(*pAnd, lastCam, 1);
    EXPECT_EQ(ReadBlockWord(*pAnd, lastCam), 0) << "a block without cams has none to write";
}

// ---- the average value and the threshold trigger ----

TEST(AverageValue, SampleBoundsByUnitAndTime)
{
    struct Case {
        int nUnit;
        int nTime;
        int nMaxTime;
        int nLimit;
    };
    const Case cases[] = {{AVG_UNIT_DAYS, 200, 365, 32767}, {AVG_UNIT_HOURS, 5, 23, 32767},
                          {AVG_UNIT_MINUTES, 2, 59, 12000}, {AVG_UNIT_MINUTES, 5, 59, 30000},
                          {AVG_UNIT_MINUTES, 6, 59, 32767}, {AVG_UNIT_SECONDS, 3, 59, 300},
                          {AVG_UNIT_SECONDS, 59, 59, 5900}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nUnit << " " << c.nTime);
        EXPECT_EQ(MaxSampleTime(c.nUnit), c.nMaxTime);
        EXPECT_EQ(SampleLimit(c.nUnit, c.nTime), c.nLimit);
    }
}

TEST_F(TimerPages, TheAveragesTimeAndSamplesFollowTheUnit)
{
    CBlockObj* pAverage = Block(BT_AVGVAL);
    struct Step {
        int nUnit;  // -1: keep
        int nEdit;
        LPCTSTR lpszTyped;
        LPCTSTR lpszTime;
        LPCTSTR lpszSamples;
    };
    const Step steps[] = {
        {AVG_UNIT_MINUTES, IDC_AVG_TIME, _T("2"), _T("2"), nullptr},
        {-1, IDC_AVG_SAMPLES, _T("20000"), _T("2"), _T("12000")},
        {-1, IDC_AVG_TIME, _T("6"), _T("6"), _T("12000")},
        {-1, IDC_AVG_SAMPLES, _T("32767"), _T("6"), _T("32767")},
        {AVG_UNIT_SECONDS, IDC_AVG_TIME, _T("3"), _T("3"), _T("300")},
        {-1, IDC_AVG_SAMPLES, _T("500"), _T("3"), _T("300")},
        {-1, IDC_AVG_SAMPLES, _T("0"), _T("3"), _T("1")},
        {-1, IDC_AVG_TIME, _T("30"), _T("30"), _T("1")},
        {AVG_UNIT_HOURS, 0, nullptr, _T("23"), _T("1")},
        {AVG_UNIT_DAYS, 0, nullptr, _T("23"), _T("1")},
    };
    UINT nDaysChars = 0;
    UINT nHoursChars = 0;
    EditPage(pAverage, [&](CBlockPage& page) {
        EXPECT_FALSE(Visible(page, IDC_AVG_REFERENCE));
        nDaysChars = static_cast<CEdit*>(page.GetDlgItem(IDC_AVG_TIME))->GetLimitText();
        for (const Step& step : steps) {
            SCOPED_TRACE(testing::Message() << step.nUnit << " " << step.nEdit);
            if (step.nUnit >= 0)
                Choose(page, IDC_AVG_UNIT, step.nUnit);
            if (step.lpszTyped)
                Type(page, step.nEdit, step.lpszTyped);
            EXPECT_EQ(Text(page, IDC_AVG_TIME), CString(step.lpszTime));
            if (step.lpszSamples) {
                EXPECT_EQ(Text(page, IDC_AVG_SAMPLES), CString(step.lpszSamples));
            }
            if (step.nUnit == AVG_UNIT_HOURS)
                nHoursChars = static_cast<CEdit*>(page.GetDlgItem(IDC_AVG_TIME))->GetLimitText();
        }
    }, IDOK);
    EXPECT_EQ(nDaysChars, 3u);
    EXPECT_EQ(nHoursChars, 2u);
    EXPECT_EQ(pAverage->m_nParam[AVGVAL_UNIT_PARAM], AVG_UNIT_DAYS);
    EXPECT_EQ(pAverage->m_nParam[AVGVAL_TIME_PARAM], 23);
    EXPECT_EQ(pAverage->m_nParam[AVGVAL_SAMPLES_PARAM], 1);
}

TEST_F(TimerPages, TheThresholdTriggersGateTimeAndItsReference)
{
    struct Case {
        WORD wHardware;
        bool bUseReference;
        bool bButtonShown;
    };
    const Case cases[] = {{kOlderHardware, false, false}, {kNewerHardware, false, true}, {kNewerHardware, true, true}};
    CBlockObj* pCounter = Block(BT_COUNTER, 60, 60);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.wHardware << " " << c.bUseReference);
        Doc().m_wHardwareCode = c.wHardware;
        CBlockObj* pTrigger = Block(BT_THTRG);
        pTrigger->m_nParamEx[THTRG_GATE_SECONDS_PARAMEX] = 4;
        pTrigger->m_nParamEx[THTRG_GATE_HUNDREDTHS_PARAMEX] = 50;
        // The older controllers show no reference, whatever the block holds.
        pTrigger->m_pRefBlock[0] = c.wHardware == kOlderHardware ? pCounter : nullptr;
        bool bShown = false;
        CString strUnit;
        EditPage(pTrigger, [&](CBlockPage& page) {
            bShown = Visible(page, IDC_TT_REFERENCE);
            Type(page, IDC_TT_ON, _T("120"));
            if (c.bUseReference)
                Press(page, IDC_TT_REFERENCE);
            strUnit = Text(page, IDC_TT_UNIT_LABEL);
        }, IDOK);
        EXPECT_EQ(bShown, c.bButtonShown);
        EXPECT_EQ(strUnit, CString(c.bUseReference ? _T("Milliseconds") : _T("Seconds (s:1/100s)")));
        EXPECT_EQ(pTrigger->m_nParam[THTRG_ON_PARAM], 120);
        EXPECT_EQ(pTrigger->m_pRefBlock[0], c.bUseReference ? pCounter : nullptr);
        EXPECT_EQ(pTrigger->m_nParam[BLOCK_REF_USED_PARAM], c.bUseReference ? 1 : 0);
        EXPECT_EQ(pTrigger->m_nParamEx[THTRG_GATE_SECONDS_PARAMEX], c.bUseReference ? 0 : 4);
        EXPECT_EQ(pTrigger->m_nParamEx[THTRG_GATE_HUNDREDTHS_PARAMEX], c.bUseReference ? 0 : 50);
    }
}

TEST_F(TimerPages, TheThresholdTriggersLiveValue)
{
    auto* pTrigger = static_cast<CBlockTHTRG*>(Block(BT_THTRG));
    pTrigger->m_nMeasured = 12;
    pTrigger->m_dRunTime = 4567.0;
    EXPECT_EQ(LiveValue(*pTrigger), CString(_T("    12/04:56s")));
}

// ---- the stairway and multi-function switches ----

class SwitchPages : public TimerPages {
protected:
    static int Low(CWnd& page, int nID) { return int(static_cast<CDialog&>(page).GetDlgItemInt(nID)); }
};

TEST_F(SwitchPages, TheStandardOptionSetsThePreWarningOfTheBaseAndGreysIt)
{
    struct Case {
        int nType;
        int nBase;
        LPCTSTR lpszWarn;
        LPCTSTR lpszPeriod;
    };
    const Case cases[] = {{BT_SLS, TIME_BASE_MINUTES, _T("15"), _T("1")},
                          {BT_SLS, TIME_BASE_SECONDS, _T("75"), _T("5")},
                          {BT_MFS, TIME_BASE_MINUTES, _T("0"), _T("0")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nType << " " << c.nBase);
        CBlockObj* pSwitch = Block(c.nType);
        pSwitch->m_nParamEx[STAIRCASE_STANDARD_PARAMEX] = 0;
        pSwitch->m_nParamEx[TIMER_OFF_BASE_PARAMEX] = c.nBase;
        pSwitch->m_nParamEx[STAIRCASE_WARN_TIME_LOW_PARAMEX] = 30;
        pSwitch->m_nParamEx[STAIRCASE_WARN_TIME_HIGH_PARAMEX] = 2;
        EditPage(pSwitch, [&](CBlockPage& page) {
            EXPECT_FALSE(page.IsDlgButtonChecked(IDC_SW_STANDARD));
            EXPECT_TRUE(Enabled(page, IDC_SW_WARN_LOW));
            Tick(page, IDC_SW_STANDARD, true);
            EXPECT_EQ(Text(page, IDC_SW_WARN_HIGH), CString(_T("0")));
            EXPECT_EQ(Text(page, IDC_SW_WARN_LOW), CString(c.lpszWarn));
            EXPECT_EQ(Text(page, IDC_SW_PERIOD_LOW), CString(c.lpszPeriod));
            for (int nID : {IDC_SW_WARN_LOW, IDC_SW_WARN_HIGH, IDC_SW_PERIOD_LOW, IDC_SW_PERIOD_HIGH,
                            IDC_SW_WARN_REFERENCE, IDC_SW_PERIOD_REFERENCE})
                EXPECT_FALSE(Enabled(page, nID)) << nID;
        }, IDOK);
        EXPECT_EQ(pSwitch->m_nParamEx[STAIRCASE_STANDARD_PARAMEX], 1);
        EXPECT_EQ(pSwitch->m_nParamEx[STAIRCASE_WARN_TIME_HIGH_PARAMEX], 0);
    }
}

TEST_F(SwitchPages, AHandMadeStandardPreWarningComesBackAsTheOption)
{
    struct Case {
        int nType;
        int nBase;
        LPCTSTR lpszWarn;
        LPCTSTR lpszPeriod;
        bool bSimulate;
    };
    const Case cases[] = {{BT_SLS, TIME_BASE_HOURS, _T("15"), _T("1"), false},
                          {BT_SLS, TIME_BASE_SECONDS, _T("75"), _T("5"), true},
                          {BT_MFS, TIME_BASE_SECONDS, _T("0"), _T("0"), false},
                          {BT_MFS, TIME_BASE_MINUTES, _T("0"), _T("0"), true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nType << " " << c.nBase << " " << c.bSimulate);
        CBlockObj* pSwitch = Block(c.nType);
        pSwitch->m_nParamEx[STAIRCASE_STANDARD_PARAMEX] = 0;
        pSwitch->m_nParamEx[TIMER_OFF_BASE_PARAMEX] = c.nBase;
        pSwitch->m_nParamEx[STAIRCASE_WARN_TIME_LOW_PARAMEX] = 9;
        const auto act = [&](CWnd& page) {
            Type(page, IDC_SW_WARN_LOW, c.lpszWarn);
            Type(page, IDC_SW_PERIOD_LOW, c.lpszPeriod);
        };
        if (c.bSimulate) {
            CAllPropertySheet* pSheet = RunningSheet(pSwitch);
            ASSERT_NE(pSheet, nullptr);
            act(*pSheet->m_pMainPage);
            Press(*pSheet, ID_APPLY_NOW);
            Command(ID_TOOLS_SIMULATION);
        } else {
            EditModal(pSwitch, [&](CPropertySheet& sheet) { act(MainPage(sheet)); }, IDOK);
        }
        EXPECT_EQ(pSwitch->m_nParamEx[STAIRCASE_STANDARD_PARAMEX], 1);
    }
}

TEST_F(SwitchPages, ABaseOfHoursOrMinutesClampsTheLowPartsItGoverns)
{
    for (int nType : {BT_SLS, BT_MFS}) {
        SCOPED_TRACE(nType);
        CBlockObj* pSwitch = Block(nType);
        pSwitch->m_nParamEx[STAIRCASE_STANDARD_PARAMEX] = 0;
        pSwitch->m_nParamEx[TIMER_OFF_BASE_PARAMEX] = TIME_BASE_SECONDS;
        pSwitch->m_nParamEx[TIMER_OFF_LOW_PARAMEX] = 80;
        pSwitch->m_nParamEx[STAIRCASE_WARN_TIME_LOW_PARAMEX] = 90;
        pSwitch->m_nParamEx[STAIRCASE_WARN_LENGTH_LOW_PARAMEX] = 70;
        pSwitch->m_nParam[TIMER_ON_LOW_PARAM] = 85;
        pSwitch->m_nParam[TIMER_ON_BASE_PARAM] = TIME_BASE_MINUTES;
        std::vector<int> lows;
        EditPage(pSwitch, [&](CBlockPage& page) {
            Choose(page, IDC_TIME2_BASE, TIME_BASE_MINUTES);
            for (int nID : {IDC_TIME2_LOW, IDC_SW_WARN_LOW, IDC_SW_PERIOD_LOW})
                lows.push_back(Low(page, nID));
        }, IDOK);
        EXPECT_EQ(lows, (std::vector<int>{59, 59, 59}));
        EXPECT_EQ(pSwitch->m_nParamEx[TIMER_OFF_BASE_PARAMEX], TIME_BASE_MINUTES);
        if (nType == BT_MFS) {
            EXPECT_EQ(pSwitch->m_nParam[TIMER_ON_LOW_PARAM], 85) << "TL follows its own base";
        }
    }
}

TEST_F(SwitchPages, GivingUpAReferenceInASimulationEndsItInTheRunningSwitch)
{
    Doc().m_wHardwareCode = kNewerHardware;
    CBlockObj* pCounter = Block(BT_COUNTER, 60, 60);
    struct Case {
        int nType;
        int nButton;  // 0: the standard option gives up T!
        const TimeSlot* pSlot;
        int nRef;
    };
    const Case cases[] = {{BT_MFS, IDC_TIME1_REFERENCE, &TIME_SLOT_1, 0},
                          {BT_SLS, IDC_TIME2_REFERENCE, &TIME_SLOT_2, 1},
                          {BT_SLS, 0, &WARN_TIME_SLOT, 2}};
    std::vector<CBlockTime*> switches;
    for (size_t i = 0; i < std::size(cases); ++i) {
        auto* pSwitch = static_cast<CBlockTime*>(Block(cases[i].nType, 200, 100 + 80 * int(i)));
        pSwitch->m_nParamEx[STAIRCASE_STANDARD_PARAMEX] = 0;
        WriteBlockWord(*pSwitch, cases[i].pSlot->low, 30);
        WriteBlockWord(*pSwitch, cases[i].pSlot->ref, pCounter->m_nNumber);
        WriteBlockWord(*pSwitch, cases[i].pSlot->refFlag, 1);
        switches.push_back(pSwitch);
    }
    StartSimulation();
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(testing::Message() << c.nType << " " << c.nButton);
        CBlockTime* pSwitch = switches[i];
        CAllPropertySheet* pSheet = OpenSheet(pSwitch);
        ASSERT_NE(pSheet, nullptr);
        pSwitch->m_bTiming = 1;
        if (c.nButton)
            Press(*pSheet->m_pMainPage, c.nButton);
        else
            Tick(*pSheet->m_pMainPage, IDC_SW_STANDARD, true);
        EXPECT_EQ(pSwitch->m_bTiming, 0);
        EXPECT_EQ(ReadBlockWord(*pSwitch, c.pSlot->low), 0);
        EXPECT_EQ(pSwitch->m_pRefBlock[c.nRef], nullptr);
        EXPECT_EQ(pSwitch->m_nRefBlock[c.nRef], -1);
        EXPECT_EQ(ReadBlockWord(*pSwitch, c.pSlot->refFlag), 0);
    }
}

TEST_F(SwitchPages, AFlagWithoutAReferencedBlockKeepsTheConstantTime)
{
    CBlockObj* pSwitch = Block(BT_MFS);
    // The referenced block went (deleted, or never resolved on load): the flag stayed.
    pSwitch->m_nParam[TIMER_ON_LOW_PARAM] = 30;
    pSwitch->m_nParam[TIMER_ON_HIGH_PARAM] = 2;
    pSwitch->m_nParam[BLOCK_REF_USED_PARAM] = 1;
    bool bConstantShown = false;
    EditModal(pSwitch, [&](CPropertySheet& sheet) { bConstantShown = Visible(MainPage(sheet), IDC_TIME1_LOW); }, IDOK);
    EXPECT_TRUE(bConstantShown);
    EXPECT_EQ(pSwitch->m_nParam[TIMER_ON_LOW_PARAM], 30);
    EXPECT_EQ(pSwitch->m_nParam[TIMER_ON_HIGH_PARAM], 2);
    EXPECT_EQ(pSwitch->m_nParam[BLOCK_REF_USED_PARAM], 0);
}

// ---- the hours counter ----

TEST_F(TimerPages, TheHoursCountersLiveValueAndItsOlderForm)
{
    auto* pCounter = static_cast<CBlockHCOUNTER*>(Block(BT_HCOUNTER));
    pCounter->m_nParam[HCOUNTER_MI_HOURS_PARAM] = 12;
    pCounter->m_nParam[HCOUNTER_MI_MINUTES_PARAM] = 5;
    pCounter->m_nMNMinutes = 725;
    EXPECT_EQ(LiveValue(*pCounter), CString(_T("MI=  12h 5m/MN=   12h 5m/OT=    0h 0m")));

    Doc().m_wHardwareCode = kOlderHardware;
    std::vector<int> shown;
    bool bRetentiveFixed = false;
    EditPage(pCounter, [&](CBlockPage& page) {
        for (int nID : {IDC_HC_MI_HOURS, IDC_HC_MI_MINUTES, IDC_HC_OT_HOURS, IDC_HC_OT_MINUTES, IDC_HC_REFERENCE})
            if (Visible(page, nID))
                shown.push_back(nID);
        bRetentiveFixed = page.IsDlgButtonChecked(IDC_RETENTIVE) && !Enabled(page, IDC_RETENTIVE);
    }, IDCANCEL);
    EXPECT_EQ(shown, (std::vector<int>{IDC_HC_MI_HOURS, IDC_HC_OT_HOURS}));
    EXPECT_TRUE(bRetentiveFixed);
}

TEST_F(TimerPages, TheHoursCountersIntervalFromAReference)
{
    Doc().m_wHardwareCode = kNewerHardware;
    CBlockObj* pSource = Block(BT_COUNTER, 60, 60);
    CBlockObj* pCounter = Block(BT_HCOUNTER);
    pCounter->m_nParam[HCOUNTER_MI_HOURS_PARAM] = 1200;
    pCounter->m_nParam[HCOUNTER_MI_MINUTES_PARAM] = 30;
    CString strUnit;
    EditModal(pCounter, [&](CPropertySheet& sheet) {
        Type(MainPage(sheet), IDC_HC_OT_HOURS, _T("99999"));
        Press(MainPage(sheet), IDC_HC_REFERENCE);
        strUnit = Text(MainPage(sheet), IDC_HC_MI_UNIT);
    }, IDOK);
    EXPECT_EQ(strUnit, CString(_T("Hours")));
    EXPECT_EQ(pCounter->m_nParam[HCOUNTER_MI_HOURS_PARAM], 0);
    EXPECT_EQ(pCounter->m_nParam[HCOUNTER_MI_MINUTES_PARAM], 0);
    EXPECT_EQ(pCounter->m_nParam[BLOCK_REF_USED_PARAM], 1);
    EXPECT_EQ(pCounter->m_pRefBlock[0], pSource);
    EXPECT_EQ(pCounter->m_nParamEx[HCOUNTER_OT_HOURS_PARAMEX], 99999);
}

TEST_F(TimerPages, ApplyReSeedsTheRunningHoursCounterByItsInputs)
{
    struct Case {
        int nEn;
        int nReset;
        int nOTHours;
        int nOTStart;
    };
    // The page's MI 2:30 and OT 5:10 over a block with OT 1:20 and a period started at 999.
    const Case cases[] = {{0, 0, 5, 999}, {1, 0, 1, 80}, {1, 1, 0, 0}, {0, 1, 0, 0}};
    std::vector<CBlockHCOUNTER*> counters;
    for (size_t i = 0; i < std::size(cases); ++i) {
        counters.push_back(static_cast<CBlockHCOUNTER*>(Block(BT_HCOUNTER, 200, 100 + 80 * int(i))));
        counters.back()->m_nParamEx[HCOUNTER_OT_HOURS_PARAMEX] = 1;
        counters.back()->m_nParamEx[HCOUNTER_OT_MINUTES_PARAMEX] = 20;
    }
    StartSimulation();
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(testing::Message() << c.nEn << " " << c.nReset);
        CBlockHCOUNTER* pCounter = counters[i];
        pCounter->m_nOTStart = 999;
        pCounter->m_nOTMinutes = 999;
        CAllPropertySheet* pSheet = OpenSheet(pCounter);
        ASSERT_NE(pSheet, nullptr);
        CWnd& page = *pSheet->m_pMainPage;
        Type(page, IDC_HC_MI_HOURS, _T("2"));
        Type(page, IDC_HC_MI_MINUTES, _T("30"));
        Type(page, IDC_HC_OT_HOURS, _T("5"));
        Type(page, IDC_HC_OT_MINUTES, _T("10"));
        pCounter->m_nPinValue[0] = c.nEn;
        pCounter->m_nPinValue[2] = c.nReset;
        Press(*pSheet, ID_APPLY_NOW);
        EXPECT_EQ(pCounter->m_nParam[HCOUNTER_MI_HOURS_PARAM], 2);
        EXPECT_EQ(pCounter->m_nParam[HCOUNTER_MI_MINUTES_PARAM], 30);
        EXPECT_EQ(pCounter->m_nMNMinutes, 150);
        EXPECT_EQ(pCounter->m_nParamEx[HCOUNTER_OT_HOURS_PARAMEX], c.nOTHours);
        EXPECT_EQ(pCounter->m_nParamEx[HCOUNTER_OT_MINUTES_PARAMEX], 10);
        EXPECT_EQ(pCounter->m_nOTStart, c.nOTStart);
        Press(*pSheet, IDCANCEL);
    }
}

// The Simulation bar's Stop: Apply takes the hours the page shows and re-seeds no count.
TEST_F(TimerPages, ApplyWithTheRunStoppedTakesOnlyTheHours)
{
    auto* pCounter = static_cast<CBlockHCOUNTER*>(Block(BT_HCOUNTER));
    CAllPropertySheet* pSheet = RunningSheet(pCounter);
    ASSERT_NE(pSheet, nullptr);
    CSimulationBarDlg* pBar = V().GetParentFrame()->GetSimulationBarDlg();
    ASSERT_NE(pBar, nullptr);
    pBar->OnStop();
    // The view's paint after the click.
    pSheet->RefreshValue(*pCounter, V().MakeSimContext());
    pCounter->m_nMNMinutes = 7;
    pCounter->m_nOTStart = 999;
    pCounter->m_nOTMinutes = 999;
    CWnd& page = *pSheet->m_pMainPage;
    Type(page, IDC_HC_MI_HOURS, _T("2"));
    Type(page, IDC_HC_MI_MINUTES, _T("30"));
    Type(page, IDC_HC_OT_HOURS, _T("5"));
    Type(page, IDC_HC_OT_MINUTES, _T("10"));
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(pCounter->m_nParam[HCOUNTER_MI_HOURS_PARAM], 2);
    EXPECT_EQ(pCounter->m_nParam[HCOUNTER_MI_MINUTES_PARAM], 30);
    EXPECT_EQ(pCounter->m_nParamEx[HCOUNTER_OT_HOURS_PARAMEX], 5);
    EXPECT_EQ(pCounter->m_nParamEx[HCOUNTER_OT_MINUTES_PARAMEX], 10);
    EXPECT_EQ(pCounter->m_nMNMinutes, 7);
    EXPECT_EQ(pCounter->m_nOTStart, 999);
    EXPECT_EQ(pCounter->m_nOTMinutes, 999);
}

// Ral has cleared the run's OT start (1:20 stored): an Apply that leaves the stored start as it
// was does not bring it back into the run; one that changes it replaces it.
TEST(HoursCounterApply, OnlyAChangedOTStartGoesIntoTheRun)
{
    const struct {
        int nOTHours;
        int nRunOT;
    } cases[] = {{1, 0}, {3, 200}};
    for (const auto& c : cases) {
        CBlockHCOUNTER counter(BT_HCOUNTER);
        counter.m_nParamEx[HCOUNTER_OT_HOURS_PARAMEX] = 1;
        counter.m_nParamEx[HCOUNTER_OT_MINUTES_PARAMEX] = 20;
        ApplyToRunningHoursCounter({2, 0, FALSE, c.nOTHours, 20, TRUE}, counter);
        EXPECT_EQ(counter.m_nRunOTParam, c.nRunOT) << c.nOTHours;
    }
}

// ---- Apply into a running diagram, scanned on a clock of its own ----

SYSTEMTIME ClockAt(int nMs)
{
    SYSTEMTIME st = {};
    st.wYear = 2026;
    st.wMonth = 3;
    st.wDay = 2;
    st.wHour = 8;
    st.wMinute = WORD(nMs / 60000);
    st.wSecond = WORD(nMs / 1000 % 60);
    st.wMilliseconds = WORD(nMs % 1000);
    return st;
}

TEST_F(TimerPages, ApplyDuringASimulationRetimesTheRunningTimerFromTheNextScan)
{
    CBlockObj* pHigh = Block(BT_HIGH, 60, 200);
    auto* pTimer = static_cast<CBlockTime*>(Block(BT_DPR, 200, 200));
    pTimer->m_nPinSource[0] = pHigh->m_nNumber;
    pTimer->m_nParam[TIMER_ON_HIGH_PARAM] = 1;
    pTimer->m_nParam[TIMER_ON_BASE_PARAM] = TIME_BASE_SECONDS;
    StartSimulation();
    const auto outputAt = [&](int nMs) {
        CSimContext sim = V().MakeSimContext();
        sim.stScan = sim.stNow = ClockAt(nMs);
        ScanDocument(Doc(), sim);
        return pTimer->m_nPinValue[BLOCK_FIRST_OUTPUT];
    };
    EXPECT_EQ(outputAt(0), 0);
    EXPECT_EQ(outputAt(500), 0);
    CAllPropertySheet* pSheet = OpenSheet(pTimer);
    ASSERT_NE(pSheet, nullptr);
    Type(*pSheet->m_pMainPage, IDC_TIME1_HIGH, _T("2"));
    Type(*pSheet->m_pMainPage, IDC_TIME1_LOW, _T("50"));
    EXPECT_EQ(outputAt(800), 0);
    EXPECT_EQ(pTimer->GetSetpointMs(TRUE), 1000.0) << "nothing reaches the block before Apply";
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(pTimer->GetSetpointMs(TRUE), 2500.0);
    EXPECT_EQ(outputAt(1500), 0) << "past the old second, short of the new two and a half";
    EXPECT_EQ(outputAt(2400), 0);
    EXPECT_EQ(outputAt(2600), 1);
}

TEST_F(WeeklyPages, TheLiveValueShowsOnTheCamPageThatIsActive)
{
    auto* pTimer = static_cast<CBlockTime*>(Block(BT_WT));
    CAllPropertySheet* pSheet = RunningSheet(pTimer);
    ASSERT_NE(pSheet, nullptr);
    CString strExpected;
    CSimContext sim = V().MakeSimContext();
    pTimer->FormatTime(&sim, strExpected);
    ASSERT_FALSE(strExpected.IsEmpty());
    CWeeklyCams1* pCam = Cam(*pSheet, 1);
    ASSERT_NE(pCam, nullptr);
    EXPECT_TRUE(pCam->HasCurrentValueBox());
    pSheet->RefreshValue(*pTimer, sim);
    EXPECT_EQ(pCam->GetCurrentValueText(), strExpected);
    EXPECT_FALSE(pSheet->m_pMainPage->HasCurrentValueBox()) << "the general page shows none";
}

// ---- range tips ----

class RangeTips : public TimerPages {
protected:
    // The text the page's tip shows after the mouse rested on the control.
    CString TipOver(CRangeTipPage& page, int nID)
    {
        MSG msg = MouseRestingOn(*page.GetDlgItem(nID));
        page.PreTranslateMessage(&msg);
        Wait(800);
        return page.GetTips().IsTipShown() ? page.GetTips().GetShownText() : CString();
    }
};

// The timer's time and the multi-function switch's TL, which has a base of its own.
TEST_F(RangeTips, TheLowPartsTipFollowsItsBase)
{
    CBlockObj* blocks[] = {Block(BT_DPR, 100, 100), Block(BT_MFS, 100, 300)};
    StartSimulation();
    for (CBlockObj* pBlock : blocks) {
        SCOPED_TRACE(pBlock->m_nType);
        CAllPropertySheet* pSheet = OpenSheet(pBlock);
        ASSERT_NE(pSheet, nullptr);
        auto* pPage = dynamic_cast<CRangeTipPage*>(pSheet->m_pMainPage);
        ASSERT_NE(pPage, nullptr);
        EXPECT_EQ(TipOver(*pPage, IDC_TIME1_HIGH), CString(_T("Number between 0 and 99")));
        EXPECT_EQ(TipOver(*pPage, IDC_TIME1_LOW), CString(_T("Number between 0 and 99")));
        Choose(*pPage, IDC_TIME1_BASE, TIME_BASE_MINUTES);
        EXPECT_EQ(TipOver(*pPage, IDC_TIME1_LOW), CString(_T("Number between 0 and 59")));
        Choose(*pPage, IDC_TIME1_BASE, TIME_BASE_SECONDS);
        EXPECT_EQ(TipOver(*pPage, IDC_TIME1_LOW), CString(_T("Number between 0 and 99")));
        Press(*pSheet, IDCANCEL);
    }
}

TEST_F(WeeklyPages, AnOlderProjectHasNoPulseOutputAndItsCamsIgnoreTheWord)
{
    Doc().m_wHardwareCode = kOlderHardware;
    CBlockObj* pTimer = Block(BT_WT);
    pTimer->m_nParam[WT_PULSE_PARAM] = 1;
    static_cast<CBlockTime*>(pTimer)->m_bOffDisabled[0] = 0;
    bool bPulseShown = true;
    bool bOffFree = false;
    EditModal(pTimer, [&](CPropertySheet& sheet) {
        bPulseShown = Visible(MainPage(sheet), IDC_PULSE_OUTPUT);
        CWeeklyCams1* pCam = Cam(sheet, 0);
        bOffFree = Enabled(*pCam, IDC_CAM_OFF_DISABLE) && Enabled(*pCam, IDC_CAM_OFF_HOUR);
    }, IDOK);
    EXPECT_FALSE(bPulseShown);
    EXPECT_TRUE(bOffFree);
    EXPECT_EQ(pTimer->m_nParam[WT_PULSE_PARAM], 1) << "the hidden word travels as it is";
}

}  // namespace
