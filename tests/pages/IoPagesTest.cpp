// The operand pages of the connector blocks and the simulation page of the inputs: the lists by
// generation and by what other blocks use, the high-speed attribute, renumbering with its wires,
// the flag note, and the simulated input's values through OK and Apply.
#include "SheetFixture.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "editor/DiagramConsistency.h"
#include "pages/blocks/ConstantsIOPar.h"
#include "pages/blocks/ConstantsPar.h"
#include "pages/blocks/IoOperands.h"
#include "pages/blocks/IoPageIds.h"
#include "pages/blocks/IoPageRows.h"
#include "pages/blocks/Simulation.h"
#include "pages/program/PropertiesPropSh.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/FrameIds.h"
#include "support/ComboLines.h"
#include "support/QtTestInput.h"

#include <QAbstractButton>

#include <vector>

namespace {

constexpr WORD kOlder = 0x1188;
constexpr WORD kNewer = 0x5188;

void Choose(CWnd& page, int nID, LPCTSTR lpszText)
{
    auto* pCombo = static_cast<CComboBox*>(page.GetDlgItem(nID));
    ASSERT_NE(pCombo, nullptr);
    const int nIndex = pCombo->FindStringExact(-1, lpszText);
    ASSERT_GE(nIndex, 0) << CString(lpszText).ToUtf8();
    pCombo->UserSelect(nIndex);
}

bool Contains(const std::vector<CString>& items, LPCTSTR lpszText)
{
    return std::find(items.begin(), items.end(), CString(lpszText)) != items.end();
}

TEST(IoOperands, TextsTurnIntoOperandsOfTheirKindOnly)
{
    struct Case {
        int nType;
        LPCTSTR lpszNumber;
        LPCTSTR lpszUnit;
        int nExpected;  // -1: no operand
    };
    const Case cases[] = {
        {BT_IN, _T("I5"), _T("Main"), 5},        {BT_IN, _T("I0"), _T("Ext.1"), 32},
        {BT_IN, _T("I31"), _T("Ext.7"), 255},    {BT_IN, _T("I32"), _T("Main"), -1},
        {BT_IN, _T("I0"), _T("Elsewhere"), 0},   {BT_OUT, _T("Q15"), _T("Ext.2"), 47},
        {BT_ANALOG_IN, _T("AI7"), _T("Ext.2"), 23}, {BT_ANALOG_OUT, _T("AQ4"), _T("Main"), -1},
        {BT_SHIFT, _T("S1.3"), _T(""), 19},      {BT_SHIFT, _T("S0.16"), _T(""), -1},
        {BT_SHIFT, _T("S3"), _T(""), -1},        {BT_FLAG, _T("M511"), _T(""), 511},
        {BT_FLAG, _T("M512"), _T(""), -1},       {BT_ANALOG_FLAG, _T("AM12"), _T(""), 12},
        {BT_FLAG, _T("AM12"), _T(""), -1},       {BT_FKEY, _T("F4"), _T(""), 4},
        {BT_OPENX, _T("X5x"), _T(""), -1},       {BT_IN, _T("5"), _T("Main"), -1},
        {BT_IN, _T(""), _T("Main"), -1},         {BT_CURSOR_KEY, _T("1"), _T(""), -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(CString(c.lpszNumber).ToUtf8());
        const IoOperandKind* pKind = FindIoOperandKind(c.nType);
        ASSERT_NE(pKind, nullptr);
        EXPECT_EQ(ParseIoOperand(*pKind, c.lpszNumber, c.lpszUnit).value_or(-1), c.nExpected);
    }
}

TEST(IoOperands, TheTitleNamesTheUnitAndTheKind)
{
    const IoOperandKind& input = *FindIoOperandKind(BT_IN);
    EXPECT_EQ(IoSheetTitle(input, _T("I5"), _T("Main")), CString(_T("I005[Input]")));
    EXPECT_EQ(IoSheetTitle(input, _T("I12"), _T("Ext.1")), CString(_T("I112[Input]")));
    EXPECT_EQ(IoSheetTitle(input, _T("I5"), _T("Nowhere")), CString(_T("[Input]")));
    EXPECT_EQ(IoSheetTitle(*FindIoOperandKind(BT_ANALOG_OUT), _T("AQ3"), _T("Ext.7")),
              CString(_T("AQ703[Analog Output]")));
    EXPECT_EQ(IoSheetTitle(*FindIoOperandKind(BT_FLAG), _T("M12"), _T("")), CString(_T("M12[Flag]")));
    EXPECT_EQ(IoSheetTitle(*FindIoOperandKind(BT_FKEY), _T("F2"), _T("")), CString(_T("F2[TD Function key]")));
}

class IoPages : public SheetFixture {
protected:
    void SetUp() override
    {
        SheetFixture::SetUp();
        Doc().m_wHardwareCode = kNewer;
    }
    // The main page of the block's modal sheet while act runs, then OK.
    void Edit(CBlockObj* pBlock, std::function<void(CWnd& page, CPropertySheet& sheet)> act, int nButton = IDOK)
    {
        EditModal(pBlock, [act](CPropertySheet& sheet) { act(MainPage(sheet), sheet); }, nButton);
    }
    CConnectLineObj* Wire(CBlockObj* pFrom, CBlockObj* pTo, int nToPin)
    {
        CRect rcFrom;
        CRect rcTo;
        EXPECT_TRUE(GetBlockPinRect(&rcFrom, pFrom, BLOCK_FIRST_OUTPUT));
        EXPECT_TRUE(GetBlockPinRect(&rcTo, pTo, nToPin));
        return V().WireTool().ConnectPins(rcFrom.CenterPoint(), pFrom, BLOCK_FIRST_OUTPUT, rcTo.CenterPoint(), pTo, nToPin);
    }
};

TEST_F(IoPages, ListsLeaveOutWhatOtherBlocksUseAndEndByGeneration)
{
    CBlockObj* pFirst = Block(BT_IN, 60, 100);
    CBlockObj* pSecond = Block(BT_IN, 60, 200);
    std::vector<CString> numbers;
    CString strSelected;
    Edit(pSecond, [&](CWnd& page, CPropertySheet&) {
        numbers = ComboLines(page, IDC_IO_NUMBER);
        strSelected = Selected(page, IDC_IO_NUMBER);
    });
    EXPECT_FALSE(Contains(numbers, _T("I0"))) << "the first block's operand";
    EXPECT_EQ(strSelected, CString(_T("I1")));
    EXPECT_EQ(numbers.back(), CString(_T("I31")));
    EXPECT_EQ(pFirst->m_nNumber, 100);

    Doc().m_wHardwareCode = kOlder;
    struct Case {
        int nType;
        int nID;
        LPCTSTR lpszLast;
    };
    for (const Case& c : {Case{BT_IN, IDC_IO_NUMBER, _T("I15")}, Case{BT_OUT, IDC_IO_NUMBER, _T("Q7")},
                          Case{BT_SHIFT, IDC_IO_NUMBER, _T("S0.15")}}) {
        SCOPED_TRACE(c.nType);
        CBlockObj* pBlock = Block(c.nType, 300, 300);
        Edit(pBlock, [&](CWnd& page, CPropertySheet&) { numbers = ComboLines(page, c.nID); });
        ASSERT_FALSE(numbers.empty());
        EXPECT_EQ(numbers.back(), CString(c.lpszLast));
    }
}

TEST_F(IoPages, AUnitWhoseOperandsAreAllTakenIsNotOffered)
{
    Doc().m_wHardwareCode = kOlder;
    for (int i = 0; i < 16; ++i)
        Block(BT_IN, 60, 20 + 10 * i);
    CBlockObj* pOwn = Block(BT_IN, 300, 100);
    ASSERT_EQ(pOwn->m_nOperand, 32) << "the older generation numbers the first free input of Ext.1";
    std::vector<CString> units;
    Edit(pOwn, [&](CWnd& page, CPropertySheet&) { units = ComboLines(page, IDC_IO_UNIT); });
    ASSERT_FALSE(units.empty());
    EXPECT_EQ(units.front(), CString(_T("Ext.1")));
    EXPECT_EQ(units.size(), 7u);
}

TEST_F(IoPages, HighSpeedGoesByTheOperandNotByTheListPosition)
{
    struct Case {
        LPCTSTR lpszChoice;
        bool bShown;
        int nHighSpeed;
    };
    const Case cases[] = {{_T("I2"), true, 1}, {_T("I5"), false, 0}, {_T("I4"), false, 0}};
    // I1 is taken, so the fourth entry of the list is I4, not I3.
    Block(BT_IN, 60, 60);
    Block(BT_IN, 60, 120);
    CBlockObj* pInput = Block(BT_IN, 60, 180);
    Doc().FindBlockByNumber(100)->m_nOperand = 9;
    Doc().FindBlockByNumber(100)->m_nNumber = 109;
    for (const Case& c : cases) {
        SCOPED_TRACE(CString(c.lpszChoice).ToUtf8());
        static_cast<CBlockIn*>(pInput)->m_bHighSpeed = 1;
        bool bShown = false;
        Edit(pInput, [&](CWnd& page, CPropertySheet&) {
            Choose(page, IDC_IO_NUMBER, c.lpszChoice);
            bShown = page.GetDlgItem(IDC_IO_HIGH_SPEED)->IsWindowVisible() != FALSE;
        });
        EXPECT_EQ(bShown, c.bShown);
        EXPECT_EQ(static_cast<CBlockIn*>(pInput)->m_bHighSpeed, c.nHighSpeed);
        EXPECT_EQ(pInput->m_nNumber, NUM_INPUT + pInput->m_nOperand);
    }
}

TEST_F(IoPages, ANewUnitRenumbersTheBlockAndItsWiresWithOneUndoStep)
{
    CBlockObj* pInput = Block(BT_IN, 60, 100);
    CBlockObj* pAnd = Block(BT_AND, 250, 100);
    CConnectLineObj* pLine = Wire(pInput, pAnd, 0);
    ASSERT_NE(pLine, nullptr);
    ASSERT_EQ(pAnd->m_nPinSource[0], 100);
    Doc().m_undo.SaveState(&Doc());
    const Bytes before = SaveToBytes(Doc());
    const int nSnapshots = Snapshots();
    Edit(pInput, [](CWnd& page, CPropertySheet&) {
        Choose(page, IDC_IO_UNIT, _T("Ext.1"));
        EXPECT_EQ(Selected(page, IDC_IO_NUMBER), CString(_T("I0"))) << "the number chosen before stays";
    });
    EXPECT_EQ(pInput->m_nOperand, 32);
    EXPECT_EQ(pInput->m_nNumber, 132);
    EXPECT_EQ(pAnd->m_nPinSource[0], 132);
    EXPECT_EQ(pLine->m_nStartBlock == 132 || pLine->m_nEndBlock == 132, true);
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &V()));
    EXPECT_EQ(Snapshots(), nSnapshots + 1);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(SaveToBytes(Doc()), before);
}

TEST_F(IoPages, FlagsNoteM511AndCursorKeysListNothing)
{
    CBlockObj* pFlag = Block(BT_FLAG, 60, 100);
    CString strNote;
    Edit(pFlag, [&](CWnd& page, CPropertySheet&) { strNote = static_cast<CConstantsPar&>(page).GetNoteText(); });
    EXPECT_EQ(strNote, CString(_T("M511 = Message Character Set Flag")));

    // A cursor key, as a file or an upload brings one, opens with an empty list; OK keeps it.
    CBlockObj* pKey = Block(BT_CURSOR_KEY, 60, 200);
    const int nNumber = pKey->m_nNumber;
    std::vector<CString> numbers{_T("x")};
    Edit(pKey, [&](CWnd& page, CPropertySheet&) { numbers = ComboLines(page, IDC_IO_NUMBER); });
    EXPECT_TRUE(numbers.empty());
    EXPECT_EQ(pKey->m_nNumber, nNumber);
}

TEST_F(IoPages, AnOperandTakenMeanwhileOrUnparsedKeepsTheBlock)
{
    CBlockObj* pFlag = Block(BT_FLAG, 60, 100);
    CBlockObj* pOther = Block(BT_FLAG, 60, 200);
    EXPECT_FALSE(ApplyIoOperandChoice(*pFlag, _T("M1"), _T(""))) << "M1 is the other flag's";
    EXPECT_FALSE(ApplyIoOperandChoice(*pFlag, _T(""), _T("")));
    EXPECT_FALSE(ApplyIoOperandChoice(*pFlag, _T("Q1"), _T("")));
    EXPECT_EQ(pFlag->m_nNumber, NUM_FLAG);
    EXPECT_TRUE(ApplyIoOperandChoice(*pFlag, _T("M511"), _T("")));
    EXPECT_EQ(pFlag->m_nNumber, NUM_FLAG + 511);
    EXPECT_EQ(pOther->m_nNumber, NUM_FLAG + 1);
}

// The buttons ask the main frame for the program's Properties on their third page.
TEST_F(IoPages, AnAnalogOutputsButtonsAskForTheProgramPropertiesOnTheirPage)
{
    CBlockObj* pOutput = Block(BT_ANALOG_OUT, 60, 100);
    struct Case {
        WORD wHardware;
        bool bShown;
    };
    for (const Case& c : {Case{kOlder, false}, Case{kNewer, true}}) {
        SCOPED_TRACE(c.wHardware);
        Doc().m_wHardwareCode = c.wHardware;
        Frame()->m_nPropertiesStartPage = 0;
        bool bButtonShown = false;
        int nPropertiesPage = -1;
        // The block's sheet, and over it the program's Properties when the button asks for them.
        CDialog::SetDialogHook([&](CDialog& dlg) {
            if (auto* pProperties = dynamic_cast<CPropertiesPropSh*>(&dlg)) {
                nPropertiesPage = pProperties->GetActiveIndex();
                pProperties->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                return;
            }
            auto& sheet = static_cast<CPropertySheet&>(dlg);
            CWnd& page = MainPage(sheet);
            CWnd* pButton = page.GetDlgItem(IDC_IO_RANGE_TYPE);
            bButtonShown = pButton->IsWindowVisible() != FALSE;
            if (bButtonShown) {
                page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_IO_RANGE_TYPE, BN_CLICKED),
                                 reinterpret_cast<LPARAM>(pButton->GetSafeHwnd()));
            }
            sheet.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        Properties(pOutput);
        EXPECT_EQ(bButtonShown, c.bShown);
        EXPECT_EQ(nPropertiesPage, c.bShown ? CPropertiesPropSh::PAGE_PARAMETER : -1);
        EXPECT_EQ(Frame()->m_nPropertiesStartPage, 0);
    }
}

class SimulationPage : public IoPages {
protected:
    static CSimulation& SimPage(CPropertySheet& sheet)
    {
        return *static_cast<CAllPropertySheet&>(sheet).FindExtraPage<CSimulation>();
    }
    // The simulation page shown, edited by act, then OK.
    void EditSim(CBlockObj* pBlock, std::function<void(CSimulation&)> act)
    {
        EditModal(pBlock, [act](CPropertySheet& sheet) {
            ASSERT_EQ(sheet.GetPageCount(), 3);
            ASSERT_TRUE(sheet.SetActivePage(2));
            act(SimPage(sheet));
        }, IDOK);
    }
    static void Click(CWnd& page, int nID)
    {
        page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(page.GetDlgItem(nID)->GetSafeHwnd()));
    }
};

TEST_F(SimulationPage, OkNormalisesTheDigitalInputsRange)
{
    struct Case {
        int nAuto;
        int nKindButton;
        LPCTSTR lpszValue;
        LPCTSTR lpszMin;
        LPCTSTR lpszMax;
        SimInputValues expected;
    };
    const Case cases[] = {
        {1, IDC_SIM_FREQUENCY, _T("7000"), _T("5"), _T("6"), {1, 7000, 0, 9999, SIM_INPUT_FREQUENCY}},
        {0, IDC_SIM_FREQUENCY, _T("70"), _T("50"), _T("10"), {0, 50, 10, 50, SIM_INPUT_FREQUENCY}},
        {0, IDC_SIM_SWITCH, _T("3"), _T("8"), _T("4"), {0, 4, 4, 8, SIM_INPUT_SWITCH}},
    };
    CBlockObj* pInput = Block(BT_IN, 60, 100);
    for (const Case& c : cases) {
        SCOPED_TRACE(CString(c.lpszValue).ToUtf8());
        EditSim(pInput, [&](CSimulation& page) {
            Click(page, c.nKindButton);
            page.CheckDlgButton(IDC_SIM_AUTO_RANGE, UINT(c.nAuto));
            SetText(page, IDC_SIM_VALUE, c.lpszValue);
            SetText(page, IDC_SIM_MIN, c.lpszMin);
            SetText(page, IDC_SIM_MAX, c.lpszMax);
        });
        EXPECT_EQ(ReadBlockSimInput(*pInput), c.expected);
    }
}

TEST_F(SimulationPage, TheKindDecidesWhichControlsTakeInput)
{
    CBlockObj* pInput = Block(BT_IN, 60, 100);
    pInput->m_nParamEx[INPUT_SIM_MODE_PARAMEX] = SIM_INPUT_SWITCH;
    EditSim(pInput, [](CSimulation& page) {
        EXPECT_TRUE(page.IsDlgButtonChecked(IDC_SIM_SWITCH));
        EXPECT_FALSE(page.GetDlgItem(IDC_SIM_VALUE)->IsWindowEnabled());
        EXPECT_FALSE(page.GetDlgItem(IDC_SIM_MIN)->IsWindowEnabled());
        Click(page, IDC_SIM_FREQUENCY);
        EXPECT_TRUE(page.GetDlgItem(IDC_SIM_VALUE)->IsWindowEnabled());
        EXPECT_FALSE(page.GetDlgItem(IDC_SIM_MIN)->IsWindowEnabled()) << "the automatic range is on";
        page.CheckDlgButton(IDC_SIM_AUTO_RANGE, 0);
        Click(page, IDC_SIM_AUTO_RANGE);
        EXPECT_TRUE(page.GetDlgItem(IDC_SIM_MIN)->IsWindowEnabled());
        SetText(page, IDC_SIM_MIN, _T("300"));
        SetText(page, IDC_SIM_MAX, _T("20"));
        EXPECT_EQ(page.GetValueTipText(), CString(_T("Number between 20 and 300")));
    });
    // A cursor key's page keeps its defaults: Frequency with the automatic range.
    CSimulation cursorPage(BT_CURSOR_KEY);
    EXPECT_EQ(cursorPage.GetValues(), (SimInputValues{1, 0, 0, 0, SIM_INPUT_FREQUENCY}));
}

TEST_F(SimulationPage, AnAnalogInputHoldsItsEditsToSixteenBits)
{
    CBlockObj* pInput = Block(BT_ANALOG_IN, 60, 100);
    pInput->m_nParamEx[INPUT_SIM_AUTO_RANGE_PARAMEX] = 0;
    pInput->m_nAux[BLOCK_VALUE_MIN_AUX] = -100;
    EditSim(pInput, [](CSimulation& page) {
        EXPECT_EQ(Text(page, IDC_SIM_MIN), CString(_T("-100"))) << "a negative minimum opens as it is";
        EXPECT_FALSE(page.GetDlgItem(IDC_SIM_SWITCH)->IsWindowVisible());
        EXPECT_EQ(Entered(page, IDC_SIM_MAX, _T("40000")), CString(_T("32767")));
        SetText(page, IDC_SIM_MIN, _T("-5"));
        SetText(page, IDC_SIM_VALUE, _T("7"));
    });
    EXPECT_EQ(ReadBlockSimInput(*pInput).nMax, 32767);
    EXPECT_EQ(ReadBlockSimInput(*pInput).nMin, -5);
    EXPECT_EQ(ReadBlockSimInput(*pInput).nValue, 7);
}

// The analog input's boxes show what OK keeps: a current value past a bound beyond zero as it
// is typed, one short of a bound when a box is left; a range end when it is left, fitted to the
// comparator the input feeds; the automatic range when it is ticked. OK keeps what they showed.
TEST_F(SimulationPage, TheAnalogBoxesShowWhatOkKeeps)
{
    if (!RunningApp::OnQt())
        GTEST_SKIP() << "keys and clicks through the Qt widgets";
    InitQtControls();
    const struct {
        SimInputValues stored;
        bool bFeedsComparator;
        int nBox;
        const char* typed;
        int nValue, nMin, nMax;
    } cases[] = {
        {{1, 0, 0, 1000, 0}, false, IDC_SIM_VALUE, "1239", 1000, 0, 1000},
        {{0, 300, -100, 500, 0}, false, IDC_SIM_VALUE, "-7000", -100, -100, 500},
        {{0, 300, 100, 500, 0}, false, IDC_SIM_VALUE, "250", 250, 100, 500},
        {{0, 300, 100, 500, 0}, false, IDC_SIM_VALUE, "50\t", 100, 100, 500},
        {{0, 800, 0, 1000, 0}, false, IDC_SIM_MAX, "500\t", 500, 0, 500},
        {{0, 300, 100, 500, 0}, true, IDC_SIM_MAX, "2000\t", 300, 100, 600},
        {{0, 300, 100, 200, 0}, true, IDC_SIM_AUTO_RANGE, "", 300, -600, 600},
    };
    CBlockObj* pLone = Block(BT_ANALOG_IN, 60, 100);
    CBlockObj* pFeeding = Block(BT_ANALOG_IN, 60, 300);
    auto* pComp = static_cast<CBlockAnalog*>(Block(BT_ACOMP, 200, 300));
    pComp->m_nRangeMin = -600;
    pComp->m_nRangeMax = 600;
    ASSERT_NE(Wire(pFeeding, pComp, 0), nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nBox << " " << c.typed);
        CBlockObj* pInput = c.bFeedsComparator ? pFeeding : pLone;
        WriteBlockSimInput(*pInput, c.stored);
        CString strShown[3];
        EditSim(pInput, [&](CSimulation& page) {
            CWnd& box = *page.GetDlgItem(c.nBox);
            if (c.nBox == IDC_SIM_AUTO_RANGE)
                QtClick(QtWidgetOf(box)->findChild<QAbstractButton*>());
            else
                QtRetype(box, c.typed);
            for (int i = 0; int nID : {IDC_SIM_VALUE, IDC_SIM_MIN, IDC_SIM_MAX})
                strShown[i++] = Text(page, nID);
        });
        const SimInputValues kept = ReadBlockSimInput(*pInput);
        const int nKept[] = {kept.nValue, kept.nMin, kept.nMax};
        const int nExpected[] = {c.nValue, c.nMin, c.nMax};
        for (int i = 0; i < 3; ++i) {
            CString strExpected;
            strExpected.Format(_T("%d"), nExpected[i]);
            EXPECT_EQ(strShown[i], strExpected) << "box " << i;
            EXPECT_EQ(nKept[i], nExpected[i]) << "OK keeps, box " << i;
        }
    }
}

TEST_F(SimulationPage, InASimulationTheAnalogSheetHasItsPagesInOrderAndShowsTheFittedRange)
{
    CBlockObj* pInput = Block(BT_ANALOG_IN, 60, 100);
    StartSimulation();
    pInput->m_nAux[INPUT_SIM_VALUE_AUX] = 5000;
    CAllPropertySheet* pSheet = OpenSheet(pInput);
    ASSERT_NE(pSheet, nullptr);
    ASSERT_EQ(pSheet->GetPageCount(), 3);
    EXPECT_TRUE(pSheet->GetPage(0)->IsKindOf(RUNTIME_CLASS(CConstantsIOPar)));
    EXPECT_EQ(pSheet->GetPage(1), &pSheet->m_pageComment);
    EXPECT_TRUE(pSheet->GetPage(2)->IsKindOf(RUNTIME_CLASS(CSimulation)));
    ASSERT_TRUE(pSheet->SetActivePage(2));
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(Text(*pSheet->GetPage(2), IDC_SIM_MAX), CString(_T("1000"))) << "no sources: 0 .. 1000";
    EXPECT_EQ(Text(*pSheet->GetPage(2), IDC_SIM_VALUE), CString(_T("1000")));
    EXPECT_EQ(pInput->m_nAux[INPUT_SIM_VALUE_AUX], 1000);
    EXPECT_EQ(pSheet->GetTitle(), CString(_T("AI000[Analog Input]")));
}

TEST_F(SimulationPage, AMomentaryBreakSwitchesTheRunningInputAtOnce)
{
    CBlockObj* pInput = Block(BT_IN, 60, 100);
    CAllPropertySheet* pSheet = RunningSheet(pInput);
    ASSERT_NE(pSheet, nullptr);
    ASSERT_TRUE(pSheet->SetActivePage(2));
    CWnd& page = *pSheet->GetPage(2);
    struct Step {
        int nButton;
        int nOutput;
    };
    for (const Step& step : {Step{IDC_SIM_PUSH_BREAK, 1}, Step{IDC_SIM_SWITCH, 0}, Step{IDC_SIM_PUSH_BREAK, 1},
                             Step{IDC_SIM_FREQUENCY, 0}}) {
        SCOPED_TRACE(step.nButton);
        pInput->m_bPinChanged[BLOCK_FIRST_OUTPUT] = 0;
        Click(page, step.nButton);
        Press(*pSheet, ID_APPLY_NOW);
        EXPECT_EQ(pInput->m_nPinValue[BLOCK_FIRST_OUTPUT], step.nOutput);
        EXPECT_EQ(pInput->m_bPinChanged[BLOCK_FIRST_OUTPUT], 1);
    }
    EXPECT_EQ(pInput->m_nParamEx[INPUT_SIM_MODE_PARAMEX], SIM_INPUT_FREQUENCY);
}

TEST_F(SimulationPage, ApplyRenumbersTheBlockAndTitlesItsSheet)
{
    struct Case {
        int nType;
        LPCTSTR lpszChoice;
        int nNumber;
        LPCTSTR lpszTitle;
    };
    const Case cases[] = {
        {BT_FLAG, _T("M7"), NUM_FLAG + 7, _T("M7[Flag]")},
        {BT_FKEY, _T("F3"), NUM_FKEY + 3, _T("F3[TD Function key]")},
        {BT_SHIFT, _T("S2.1"), NUM_SHIFT + 33, _T("S2.1[Shift register bit]")},
        {BT_ANALOG_FLAG, _T("AM40"), NUM_ANALOG_FLAG + 40, _T("AM40[Analog flag]")},
        {BT_IN, _T("I7"), 107, _T("I007[Input]")},
    };
    std::vector<CBlockObj*> blocks;
    for (const Case& c : cases)
        blocks.push_back(Block(c.nType, 60, 60 + 60 * int(blocks.size())));
    StartSimulation();
    for (size_t i = 0; i < blocks.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.nType);
        const int nOld = blocks[i]->m_nNumber;
        Properties(blocks[i]);
        CAllPropertySheet* pSheet = V().OpenSheets().Find(nOld);
        ASSERT_NE(pSheet, nullptr);
        Choose(*pSheet->m_pMainPage, IDC_IO_NUMBER, c.lpszChoice);
        Press(*pSheet, ID_APPLY_NOW);
        EXPECT_EQ(blocks[i]->m_nNumber, c.nNumber);
        EXPECT_EQ(V().OpenSheets().Find(c.nNumber), pSheet) << "the open sheet follows its block";
        EXPECT_EQ(pSheet->GetTitle(), CString(c.lpszTitle));
        Press(*pSheet, ID_APPLY_NOW);
        EXPECT_EQ(blocks[i]->m_nNumber, c.nNumber) << "a second Apply keeps the number";
        Press(*pSheet, IDOK);
        EXPECT_FALSE(V().OpenSheets().IsOpenFor(c.nNumber)) << "OK closed the sheet";
    }
}

}  // namespace
