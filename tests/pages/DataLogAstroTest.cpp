// The data-log page and the astronomical clock page through Block Properties: the logged items
// and their numbers, the limit of 32 items, the places list with its saves, updates and
// removals, and the position bounds.
#include "FunctionPageFixture.h"

#include "blocks/BlockClock.h"
#include "blocks/BlockDataLog.h"
#include "blocks/BlockTypes.h"
#include "document/AstroCities.h"
#include "document/DataLogTexts.h"
#include "pages/blocks/AstroClockPage.h"
#include "pages/blocks/DataLogPage.h"
#include "pages/blocks/FunctionPageIds.h"
#include "pages/sheet/PageIds.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ListCtrl.h"
#include "platform/qt/QtPeerWidget.h"
#include "shell/SettingsFile.h"
#include "support/QtTestInput.h"

#include <algorithm>

namespace {

TEST(DataLogSources, NumbersOfTheSourceTexts)
{
    const std::pair<LPCTSTR, int> cases[] = {
        {_T("I100-I107"), 132}, {_T("Q008-Q015"), 608},  {_T("AQ103[Analog output]"), 4237},
        {_T("M8-M15"), 1324},   {_T("AI207[Analog input]"), 4023}, {_T("AM511[Analog flag]"), 4799},
        {_T("B12[Counter]"), 9012}, {_T("X1"), -1}, {_T("B"), -1}};
    for (const auto& [lpszSource, nNumber] : cases)
        EXPECT_EQ(CDataLog::SourceNumber(lpszSource), nNumber) << CString(lpszSource).ToUtf8();
}

// An uploaded item is named by the text of its number: the page must read that text back as the
// same number, for every operand source it lists.
TEST(DataLogSources, EveryOperandSourceIsTheTextOfItsNumber)
{
    for (const CString& strSource : DataLogOperandSources())
        EXPECT_EQ(DataLogOperandText(CDataLog::SourceNumber(strSource)), strSource) << strSource.ToUtf8();
}

class DataLogPage : public FunctionPageFixture {
protected:
    static CListBox& List(CWnd& page, int nID) { return *static_cast<CListBox*>(page.GetDlgItem(nID)); }
    static CListCtrl& Logged(CWnd& page) { return *static_cast<CListCtrl*>(page.GetDlgItem(IDC_LOG_ITEMS)); }
    static int FindSource(CWnd& page, LPCTSTR lpszPrefix)
    {
        CListBox& sources = List(page, IDC_LOG_SOURCES);
        for (int i = 0; i < sources.GetCount(); ++i) {
            CString str;
            sources.GetText(i, str);
            if (str.Left(CString(lpszPrefix).GetLength()) == lpszPrefix)
                return i;
        }
        return -1;
    }
    static void AddSource(CWnd& page, LPCTSTR lpszPrefix)
    {
        const int nIndex = FindSource(page, lpszPrefix);
        ASSERT_GE(nIndex, 0) << CString(lpszPrefix).ToUtf8();
        List(page, IDC_LOG_SOURCES).UserSelect(nIndex);
        Click(page, IDC_LOG_ADD);
    }
};

TEST_F(DataLogPage, OkLogsTheSourcesByNumberAndCount)
{
    auto* pLog = static_cast<CBlockDataLog*>(Block(BT_DATALOG));
    CBlockObj* pCounter = Block(BT_COUNTER, 300, 200);
    BOOL bAddAfterRange = TRUE;
    EXPECT_TRUE(RunOK(pLog, [&](CWnd& page) {
        for (LPCTSTR lpszSource : {_T("I100-I107"), _T("Q008-Q015"), _T("AQ103"), _T("M8-M15")})
            AddSource(page, lpszSource);
        // The same range again: "Add" stays off.
        List(page, IDC_LOG_SOURCES).UserSelect(FindSource(page, _T("I100-I107")));
        bAddAfterRange = page.GetDlgItem(IDC_LOG_ADD)->IsWindowEnabled();
        Click(page, IDC_LOG_ADD);
        // The counter's only loggable value; then its list is empty.
        List(page, IDC_LOG_SOURCES).UserSelect(FindSource(page, _T("B")));
        ASSERT_EQ(List(page, IDC_LOG_PARAMS).GetCount(), 1);
        List(page, IDC_LOG_PARAMS).UserSelect(0);
        Click(page, IDC_LOG_ADD);
        EXPECT_EQ(List(page, IDC_LOG_PARAMS).GetCount(), 0);
        Click(page, IDC_PROTECTION);
    }));
    EXPECT_FALSE(bAddAfterRange);
    ASSERT_EQ(pLog->m_arrLogItems.GetSize(), 5);
    const int numbers[] = {132, 608, 4237, 1324, pCounter->m_nNumber};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(pLog->m_arrLogItems[i].nValue1, numbers[i]) << i;
    EXPECT_EQ(pLog->m_arrLogItems[4].nSpare, pCounter);
    EXPECT_EQ(pLog->m_arrLogItems[4].nValue2, 0);
    EXPECT_EQ(pLog->m_nParam[DATALOG_COUNT_PARAM], 5);
    EXPECT_EQ(pLog->m_nParam[BLOCK_PROTECTION_PARAM], 1);
}

// An upload names an analog item by its operand and the operand's comment: the page knows the
// item by its number (a comment starting with a digit would make another number of the text).
TEST_F(DataLogPage, AnUploadedItemIsKnownByItsNumber)
{
    auto* pLog = static_cast<CBlockDataLog*>(Block(BT_DATALOG));
    DataLogItem uploaded;
    uploaded.strItem = _T("AI0013V supply");
    uploaded.nValue1 = NUM_ANALOG_IN + 1;
    pLog->m_arrLogItems.Add(uploaded);
    BOOL bAddOffered = TRUE;
    EXPECT_TRUE(RunOK(pLog, [&](CWnd& page) {
        List(page, IDC_LOG_SOURCES).UserSelect(FindSource(page, _T("AI001")));
        bAddOffered = page.GetDlgItem(IDC_LOG_ADD)->IsWindowEnabled();
        Click(page, IDC_LOG_ADD);
    }));
    EXPECT_FALSE(bAddOffered);
    ASSERT_EQ(pLog->m_arrLogItems.GetSize(), 1);
    EXPECT_EQ(pLog->m_arrLogItems[0].nValue1, NUM_ANALOG_IN + 1);
}

TEST_F(DataLogPage, TheThirtyThirdItemIsRefusedAndRemovalKeepsTheOrder)
{
    auto* pLog = static_cast<CBlockDataLog*>(Block(BT_DATALOG));
    std::vector<CString> left;
    EXPECT_TRUE(RunOK(pLog, [&](CWnd& page) {
        for (int k = 0; k < DATALOG_MAX_ITEMS; ++k) {
            CString strRange;
            strRange.Format(_T("M%d-"), 8 * k);
            AddSource(page, strRange);
        }
        ASSERT_EQ(Logged(page).GetItemCount(), DATALOG_MAX_ITEMS);
        m_boxes.Clear();
        AddSource(page, _T("AM0"));
        ASSERT_EQ(m_boxes.Boxes().size(), 1u);
        EXPECT_EQ(m_boxes.Boxes()[0].text.Left(23), CString(_T("The maximun number of i")));
        EXPECT_EQ(Logged(page).GetItemCount(), DATALOG_MAX_ITEMS);
        m_boxes.Clear();
        // Rows 1 and 3 go; the others keep their order.
        Logged(page).SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        Logged(page).SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
        Click(page, IDC_LOG_REMOVE);
        for (int i = 0; i < 3; ++i)
            left.push_back(Logged(page).GetItemText(i, 0));
    }));
    EXPECT_EQ(left, (std::vector<CString>{_T("M0-M7"), _T("M16-M23"), _T("M32-M39")}));
    EXPECT_EQ(pLog->m_arrLogItems.GetSize(), DATALOG_MAX_ITEMS - 2);
}

// After Remove the arrow keys go on from the row left selected, and Remove takes the row they
// reach.
TEST_F(DataLogPage, OnScreenTheArrowKeysGoOnFromTheRowRemoveLeftSelected)
{
    if (!RunningApp::OnQt())
        GTEST_SKIP() << "needs the Qt backend";
    auto* pLog = static_cast<CBlockDataLog*>(Block(BT_DATALOG));
    EXPECT_TRUE(RunOK(pLog, [&](CWnd& page) {
        for (LPCTSTR lpszSource : {_T("I000"), _T("I008"), _T("I016"), _T("I024")})
            AddSource(page, lpszSource);
        Logged(page).SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        Click(page, IDC_LOG_REMOVE);
        Logged(page).SetFocus();
        QtType(QtWidgetOf(Logged(page)), Qt::Key_Down, QString());
        Click(page, IDC_LOG_REMOVE);
    }));
    EXPECT_EQ(pLog->m_arrLogItems[1].strItem.ToUtf8(), "I016-I023");
}

TEST_F(DataLogPage, ABlockRemovedWhileTheSheetIsOpenIsLeftOutOnApply)
{
    auto* pLog = static_cast<CBlockDataLog*>(Block(BT_DATALOG));
    CBlockObj* pCounter = Block(BT_COUNTER, 300, 200);
    CAllPropertySheet* pSheet = RunningSheet(pLog);
    ASSERT_NE(pSheet, nullptr);
    CWnd& page = *pSheet->m_pMainPage;
    AddSource(page, _T("I000-"));
    List(page, IDC_LOG_SOURCES).UserSelect(FindSource(page, _T("B")));
    List(page, IDC_LOG_PARAMS).UserSelect(0);
    Click(page, IDC_LOG_ADD);
    pCounter->m_nNumber = 9999;   // the block the row names is no longer found
    Press(*pSheet, ID_APPLY_NOW);
    ASSERT_EQ(pLog->m_arrLogItems.GetSize(), 1);
    EXPECT_EQ(pLog->m_arrLogItems[0].nValue1, 100);
    EXPECT_EQ(pLog->m_nParam[DATALOG_COUNT_PARAM], 1);
}

class AstroPage : public FunctionPageFixture {
protected:
    // The places' file of this test alone: other test programs running at the same time save
    // places of their own, which the merge of a save would bring in.
    void SetUp() override
    {
        SetAstroCityFilePath(m_app.Path("Astro.Property"));
        FunctionPageFixture::SetUp();
        g_astroCities = BuiltInAstroCities();
    }
    void TearDown() override
    {
        g_astroCities = BuiltInAstroCities();
        FunctionPageFixture::TearDown();
        SetAstroCityFilePath(CString());
    }
    static void SaveAs(CWnd& page, LPCTSTR lpszName)
    {
        Combo(page, IDC_AC_LOCATION).UserSelect(0);
        SetText(page, IDC_AC_LOCATION_NAME, lpszName);
        Click(page, IDC_AC_SAVE);
    }
};

TEST_F(AstroPage, AStoredPlaceIsFoundByItsNameAndAMissingOneIsUserDefined)
{
    CBlockObj* pClock = Block(BT_AC);
    const std::pair<LPCTSTR, int> cases[] = {{_T("Japan - Tokyo"), 8}, {_T("japan - tokyo"), 0}, {_T("Atlantis"), 0}};
    for (const auto& [lpszName, nIndex] : cases) {
        pClock->m_strParamText = lpszName;
        pClock->m_nParam[AC_LOCATION_PARAM] = 5;
        pClock->m_nParamEx[AC_LONGITUDE_DEGREES_PARAMEX] = 17;
        int nShown = -1;
        CString strDegrees;
        std::vector<CString> zones;
        EXPECT_TRUE(RunOK(pClock, [&](CWnd& page) {
            nShown = Combo(page, IDC_AC_LOCATION).GetCurSel();
            strDegrees = Text(page, IDC_AC_LONG_DEGREE);
            zones = ComboLines(Combo(page, IDC_AC_ZONE));
        }));
        ASSERT_EQ(zones.size(), size_t(ASTRO_TIME_ZONES));
        EXPECT_EQ(nShown, nIndex) << CString(lpszName).ToUtf8();
        EXPECT_EQ(strDegrees, CString(_T("17"))) << "the block's own position shows";
        EXPECT_EQ(zones.front(), CString(_T("GMT(+0)")));
        EXPECT_EQ(zones[12], CString(_T("GMT(+12)")));
        EXPECT_EQ(zones.back(), CString(_T("GMT(-11)")));
        EXPECT_EQ(pClock->m_nParam[AC_LOCATION_PARAM], nIndex);
    }
}

TEST_F(AstroPage, SavingRefusesDuplicatesWithoutRegardToCase)
{
    CBlockObj* pClock = Block(BT_AC);
    struct Case {
        LPCTSTR lpszName;
        LPCTSTR lpszMessage;
    };
    const Case cases[] = {{_T("germany - BERLIN"), _T("This city name already exists.")},
                          {_T("user-defined"), _T("Please enter a location.")},
                          {_T("   "), _T("Please enter a location.")},
                          {_T("Germany - Berlin North"), _T("Save successfully.")}};
    RunOK(pClock, [&](CWnd& page) {
        for (const Case& c : cases) {
            m_boxes.Clear();
            SaveAs(page, c.lpszName);
            ASSERT_EQ(m_boxes.Boxes().size(), 1u);
            EXPECT_EQ(m_boxes.Boxes()[0].text, CString(c.lpszMessage)) << CString(c.lpszName).ToUtf8();
        }
    }, IDCANCEL);
    ASSERT_EQ(g_astroCities.size(), size_t(ASTRO_FIRST_USER_CITY + 1)) << "a saved place stays after Cancel";
    EXPECT_EQ(g_astroCities.back().name, CString(_T("Germany - Berlin North")));
}

// A place is in the places' file as soon as Save says so: a program that is ended without
// closing keeps it.
TEST_F(AstroPage, ASavedPlaceIsInTheFileAtOnce)
{
    const CString strFile = m_app.Path("Astro.Property");
    SetAstroCityStore(strFile);
    CBlockObj* pClock = Block(BT_AC);
    std::vector<AstroCity> places;
    RunOK(pClock, [&](CWnd& page) {
        SaveAs(page, _T("Home"));
        const Bytes bytes = ReadFileBytes(strFile);
        places = ParseAstroCityFile(bytes.data(), bytes.size());
    }, IDCANCEL);
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places[0].name, CString(_T("Home")));
}

TEST_F(AstroPage, APositionBeyondItsMaximumIsSavedAsTheMaximum)
{
    CBlockObj* pClock = Block(BT_AC);
    RunOK(pClock, [&](CWnd& page) {
        SetText(page, IDC_AC_LONG_DEGREE, _T("180"));
        SetText(page, IDC_AC_LONG_MINUTE, _T("30"));
        SetText(page, IDC_AC_LAT_DEGREE, _T("45"));
        SetText(page, IDC_AC_LAT_MINUTE, _T("75"));
        SaveAs(page, _T("Edge"));
        EXPECT_EQ(Text(page, IDC_AC_SAVE), CString(_T("Update")));
        EXPECT_TRUE(Visible(page, IDC_AC_REMOVE));
    }, IDCANCEL);
    ASSERT_EQ(g_astroCities.size(), size_t(ASTRO_FIRST_USER_CITY + 1));
    const AstroCity& city = g_astroCities.back();
    EXPECT_EQ(city.lonDeg, 180);
    EXPECT_EQ(city.lonMin, 0);
    EXPECT_EQ(city.lonSec, 0);
    EXPECT_EQ(city.latDeg, 45);
    EXPECT_EQ(city.latMin, 59);
}

TEST_F(AstroPage, DegreesAtTheMaximumBoundMinutesAndSeconds)
{
    CBlockObj* pClock = Block(BT_AC);
    // Typed 180: minutes and seconds are cleared.
    EXPECT_TRUE(RunOK(pClock, [&](CWnd& page) {
        SetText(page, IDC_AC_LONG_MINUTE, _T("12"));
        SetText(page, IDC_AC_LONG_SECOND, _T("5"));
        Type(page, IDC_AC_LONG_DEGREE, _T("180"));
        EXPECT_EQ(Text(page, IDC_AC_LONG_MINUTE), CString(_T("0")));
        EXPECT_EQ(Text(page, IDC_AC_LONG_SECOND), CString(_T("0")));
    }));
    EXPECT_EQ(pClock->m_nParamEx[AC_LONGITUDE_DEGREES_PARAMEX], 180);
    // Latitude 90 with a minute of 1 is refused on OK.
    EXPECT_FALSE(RunOK(pClock, [&](CWnd& page) {
        Type(page, IDC_AC_LAT_DEGREE, _T("90"));
        SetText(page, IDC_AC_LAT_MINUTE, _T("1"));
    }));
    EXPECT_EQ(pClock->m_nParamEx[AC_LATITUDE_DEGREES_PARAMEX], 0);
}

TEST_F(AstroPage, BuiltInPlacesAreReadOnlyAndUserPlacesUpdateAndGo)
{
    CBlockObj* pClock = Block(BT_AC);
    RunOK(pClock, [&](CWnd& page) {
        Combo(page, IDC_AC_LOCATION).UserSelect(3);
        EXPECT_FALSE(Visible(page, IDC_AC_SAVE));
        EXPECT_FALSE(Visible(page, IDC_AC_REMOVE));
        EXPECT_FALSE(page.GetDlgItem(IDC_AC_LONG_DEGREE)->IsWindowEnabled());
        SaveAs(page, _T("Home"));
        SetText(page, IDC_AC_LAT_DEGREE, _T("47"));
        m_boxes.Clear();
        Click(page, IDC_AC_SAVE);
        EXPECT_EQ(m_boxes.Boxes().size(), 1u);
        EXPECT_EQ(g_astroCities.back().latDeg, 47) << "Update keeps the name and takes the values";
        EXPECT_EQ(g_astroCities.back().name, CString(_T("Home")));
        Click(page, IDC_AC_REMOVE);
        EXPECT_EQ(Combo(page, IDC_AC_LOCATION).GetCount(), ASTRO_FIRST_USER_CITY);
        EXPECT_EQ(Combo(page, IDC_AC_LOCATION).GetCurSel(), ASTRO_FIRST_USER_CITY - 1);
    });
    EXPECT_EQ(g_astroCities.size(), size_t(ASTRO_FIRST_USER_CITY));
    EXPECT_EQ(pClock->m_strParamText, CString(_T("Spain - Madrid")));
    EXPECT_EQ(pClock->m_nParam[AC_LONGITUDE_WEST_PARAM], 1);
    EXPECT_EQ(pClock->m_nParamEx[AC_LATITUDE_DEGREES_PARAMEX], 40);
    EXPECT_EQ(pClock->m_nParamEx[AC_TIME_ZONE_PARAMEX], 1);
}

// Two clock sheets open at once in a simulation show the one list: what one saves, updates or
// removes the other follows, and its buttons act on the place it shows, found by name.
TEST_F(AstroPage, TwoOpenSheetsFollowTheOneList)
{
    const AstroCity home{_T("Home"), 0, 8, 30, 0, 0, 47, 0, 0, 1};
    const AstroCity work{_T("Work"), 1, 77, 0, 0, 0, 38, 0, 0, 17};
    g_astroCities.push_back(home);
    g_astroCities.push_back(work);
    CBlockObj* pFirst = Block(BT_AC, 200, 100);
    CBlockObj* pSecond = Block(BT_AC, 200, 300);
    pFirst->m_strParamText = _T("Home");
    pSecond->m_strParamText = _T("Work");
    pSecond->m_nParamEx[AC_LONGITUDE_DEGREES_PARAMEX] = 77;
    CAllPropertySheet* pFirstSheet = RunningSheet(pFirst);
    CAllPropertySheet* pSecondSheet = OpenSheet(pSecond);
    ASSERT_TRUE(pFirstSheet && pSecondSheet);
    CWnd& first = MainPage(*pFirstSheet);
    CWnd& second = MainPage(*pSecondSheet);
    ASSERT_EQ(Selected(second, IDC_AC_LOCATION), CString(_T("Work")));

    // Home goes in the first: the second still shows Work, now the first user place.
    Click(first, IDC_AC_REMOVE);
    EXPECT_EQ(Combo(second, IDC_AC_LOCATION).GetCount(), ASTRO_FIRST_USER_CITY + 1);
    EXPECT_EQ(Selected(second, IDC_AC_LOCATION), CString(_T("Work")));
    // Its Update changes Work, and nothing else.
    SetText(second, IDC_AC_LAT_DEGREE, _T("39"));
    m_boxes.Clear();
    Click(second, IDC_AC_SAVE);
    ASSERT_EQ(g_astroCities.size(), size_t(ASTRO_FIRST_USER_CITY + 1));
    EXPECT_EQ(g_astroCities.back().name, CString(_T("Work")));
    EXPECT_EQ(g_astroCities.back().latDeg, 39);
    EXPECT_EQ(g_astroCities.back().lonDeg, 77);

    // A place saved in one is in the other, and the other cannot save it again.
    SaveAs(first, _T("Cabin"));
    EXPECT_EQ(Combo(second, IDC_AC_LOCATION).GetCount(), ASTRO_FIRST_USER_CITY + 2);
    m_boxes.Clear();
    SaveAs(second, _T("cabin"));
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, CString(_T("This city name already exists.")));
    EXPECT_EQ(g_astroCities.size(), size_t(ASTRO_FIRST_USER_CITY + 2));

    // The place a sheet shows is removed in the other: it shows "User-defined", whose Save
    // puts the place back with the values it shows.
    Combo(second, IDC_AC_LOCATION).UserSelect(ASTRO_FIRST_USER_CITY);
    Combo(first, IDC_AC_LOCATION).UserSelect(ASTRO_FIRST_USER_CITY);
    Click(first, IDC_AC_REMOVE);
    EXPECT_EQ(Combo(first, IDC_AC_LOCATION).GetCurSel(), ASTRO_FIRST_USER_CITY);
    EXPECT_EQ(Combo(second, IDC_AC_LOCATION).GetCurSel(), 0);
    EXPECT_EQ(Text(second, IDC_AC_SAVE), CString(_T("Save")));
    Click(second, IDC_AC_SAVE);
    ASSERT_EQ(g_astroCities.size(), size_t(ASTRO_FIRST_USER_CITY + 2));
    const auto itWork = std::ranges::find(g_astroCities, CString(_T("Work")), &AstroCity::name);
    ASSERT_NE(itWork, g_astroCities.end());
    EXPECT_EQ(itWork->latDeg, 39);
    EXPECT_EQ(Selected(second, IDC_AC_LOCATION), CString(_T("Work")));
    Command(ID_TOOLS_SIMULATION);
}

}  // namespace
