// The ladder element sheet: the operand lists by element kind and generation, the choice by
// list, search box and double click, the exact selection of the element's operand, the comment
// and simulated input kept per operand, and Apply of several open sheets in a simulation.
#include "SheetFixture.h"

#include "blocks/BlockIn.h"
#include "blocks/BlockTypes.h"
#include "document/SimScan.h"
#include "editor/DiagramConsistency.h"
#include "pages/blocks/IoPageIds.h"
#include "pages/ladder/LadderOperands.h"
#include "pages/ladder/PropShLadIO.h"
#include "pages/sheet/PageIds.h"
#include "platform/ui/Edit.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/ListBox.h"
#include "support/QtTestInput.h"

#include <algorithm>
#include <vector>

namespace {

constexpr WORD kOlder = 0x1188;
constexpr WORD kNewer = 0x5188;

std::vector<CString> Texts(const std::vector<LadderOperandEntry>& entries)
{
    std::vector<CString> texts;
    for (const LadderOperandEntry& entry : entries)
        texts.push_back(entry.strText);
    return texts;
}

int CountPrefix(const std::vector<CString>& texts, LPCTSTR lpszPrefix)
{
    const CString strPrefix = lpszPrefix;
    return int(std::count_if(texts.begin(), texts.end(),
                             [&](const CString& s) { return s.Left(strPrefix.GetLength()) == strPrefix; }));
}

int IndexOf(const std::vector<CString>& texts, LPCTSTR lpszPrefix)
{
    const CString strPrefix = lpszPrefix;
    const auto it = std::find_if(texts.begin(), texts.end(),
                                 [&](const CString& s) { return s.Left(strPrefix.GetLength()) == strPrefix; });
    return it == texts.end() ? -1 : int(it - texts.begin());
}

class LadderSheet : public SheetFixture {
protected:
    void SetUp() override
    {
        SheetFixture::SetUp();
        Doc().m_nDocType = DOC_TYPE_LAD;
        Doc().m_wHardwareCode = kNewer;
    }
    CBlockObj* Element(int nType, int nOperand, int y = 100)
    {
        CBlockObj* pElement = Block(nType, 200, y);
        pElement->m_nOperand = nOperand;
        return pElement;
    }
    std::vector<CString> List(int nType, int nOwn) const { return Texts(BuildLadderOperandList(Doc(), nType, nOwn)); }
    static CPropPageLadIO& LadPage(CPropertySheet& sheet) { return *static_cast<CPropShLadIO&>(sheet).m_pLadPage; }
    static CListBox& ListBox(CPropertySheet& sheet)
    {
        return *static_cast<CListBox*>(LadPage(sheet).GetDlgItem(IDC_LAD_OPERAND_LIST));
    }
    static CString SelectedText(CPropertySheet& sheet)
    {
        CString str;
        if (ListBox(sheet).GetCurSel() >= 0)
            ListBox(sheet).GetText(ListBox(sheet).GetCurSel(), str);
        return str;
    }
    static void Choose(CPropertySheet& sheet, LPCTSTR lpszPrefix)
    {
        const int nIndex = ListBox(sheet).FindString(-1, lpszPrefix);
        ASSERT_GE(nIndex, 0) << CString(lpszPrefix).ToUtf8();
        ListBox(sheet).UserSelect(nIndex);
    }
    CPropShLadIO* OpenModeless(CBlockObj* pElement)
    {
        Properties(pElement);
        return V().OpenLadSheets().Find(pElement->m_nNumber);
    }
};

TEST_F(LadderSheet, ContactListsFollowTheGeneration)
{
    struct Case {
        WORD wHardware;
        int nF;
        int nS;
        LPCTSTR lpszLastS;
    };
    for (const Case& c : {Case{kOlder, 0, 16, _T("S0.15")}, Case{kNewer, 5, 64, _T("S3.15")}}) {
        SCOPED_TRACE(c.wHardware);
        Doc().m_wHardwareCode = c.wHardware;
        const std::vector<CString> texts = List(BT_MAKE, NUM_INPUT);
        EXPECT_EQ(CountPrefix(texts, _T("I")), 128);
        EXPECT_EQ(texts.front(), CString(_T("I000[Input]")));
        EXPECT_EQ(CountPrefix(texts, _T("F")), c.nF);
        EXPECT_EQ(CountPrefix(texts, _T("High")), 1);
        EXPECT_EQ(CountPrefix(texts, _T("Low")), 1);
        EXPECT_EQ(CountPrefix(texts, _T("S")), c.nS);
        EXPECT_EQ(texts.back().Left(CString(c.lpszLastS).GetLength()), CString(c.lpszLastS));
    }
}

TEST_F(LadderSheet, AContactReadsCoilsAndBlocksInOrderAndStoresTheCoil)
{
    for (int i = 0; i < 4; ++i)
        Block(BT_AND, 400, 50 + 60 * i);
    CBlockObj* pQCoil = Element(BT_RELAY_COIL, NUM_OUTPUT + 3, 100);
    CBlockObj* pMCoil = Element(BT_RELAY_COIL, NUM_FLAG + 12, 200);
    CBlockObj* pContact = Element(BT_MAKE, NUM_INPUT, 300);
    const std::vector<LadderOperandEntry> entries = BuildLadderOperandList(Doc(), BT_MAKE, NUM_INPUT);
    const std::vector<CString> texts = Texts(entries);
    const int nQ = IndexOf(texts, _T("Q003"));
    const int nM = IndexOf(texts, _T("M12"));
    const int nB3 = IndexOf(texts, _T("B3"));
    ASSERT_GE(nQ, IndexOf(texts, _T("S3.15")));
    EXPECT_LT(nQ, nM);
    EXPECT_LT(nM, nB3);
    EXPECT_EQ(entries[size_t(nQ)].nOperand, pQCoil->m_nNumber);
    EditModal(pContact, [](CPropertySheet& sheet) { Choose(sheet, _T("M12")); }, IDOK);
    EXPECT_EQ(pContact->m_nOperand, pMCoil->m_nNumber) << "the coil's number, not 1328";
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &V()));
}

TEST_F(LadderSheet, ACoilIsOfferedOnlyAddressesNoOtherElementUses)
{
    Element(BT_RELAY_COIL, NUM_FLAG, 100);
    Element(BT_INV_OUT, NUM_OUTPUT + 16 + 2, 200);
    CBlockObj* pCoil = Element(BT_RELAY_COIL, NUM_FLAG + 7, 300);
    const std::vector<CString> texts = List(BT_RELAY_COIL, pCoil->m_nOperand);
    EXPECT_EQ(texts.front().Left(3), CString(_T("M1[")));
    EXPECT_EQ(CountPrefix(texts, _T("M")), 511);
    EXPECT_EQ(CountPrefix(texts, _T("Q")), 63) << "8 points of 8 modules, one taken";
    EXPECT_EQ(IndexOf(texts, _T("Q102")), -1);
    EXPECT_NE(IndexOf(texts, _T("Q707")), -1);
    EXPECT_EQ(IndexOf(texts, _T("Q008")), -1);
    EXPECT_EQ(CountPrefix(texts, _T("X")), 128);
    CString strSelected;
    EditModal(pCoil, [&](CPropertySheet& sheet) { strSelected = SelectedText(sheet); }, IDCANCEL);
    EXPECT_EQ(strSelected.Left(3), CString(_T("M7[")));
}

TEST_F(LadderSheet, AnAnalogContactListsInputsThenAnalogOutputsThenAnalogBlocks)
{
    Element(BT_AOUT_LAD, NUM_ANALOG_FLAG + 3, 100);
    Element(BT_AOUT_LAD, NUM_ANALOG_OUT + 5, 200);
    CBlockObj* pAnalogBlock = Block(BT_AMATH, 400, 100);
    pAnalogBlock->m_nCapFlags |= 0x20;
    Block(BT_AND, 400, 200)->m_nCapFlags &= BYTE(~0x20);
    const std::vector<CString> texts = List(BT_ACONTACT, NUM_ANALOG_IN);
    ASSERT_EQ(texts.size(), 64u + 3u);
    EXPECT_EQ(texts[63].Left(5), CString(_T("AI707")));
    EXPECT_EQ(texts[64].Left(5), CString(_T("AQ101")));
    EXPECT_EQ(texts[65].Left(3), CString(_T("AM3")));
    EXPECT_EQ(texts[66].Left(2), CString(_T("B0")));
}

TEST_F(LadderSheet, TheSelectionIsTheOperandExactlyOrNothing)
{
    for (int i = 0; i < 13; ++i)
        Block(BT_AND, 400, 20 + 30 * i);
    struct Case {
        int nOperand;
        LPCTSTR lpszSelected;  // empty: nothing selected
    };
    // No block B1 exists any more but B12 does; no coil numbered 21005.
    Doc().FindBlockByNumber(9001)->m_nNumber = 9099;
    const Case cases[] = {{1302, _T("F2[")}, {NUM_INPUT + 33, _T("I101[")}, {9001, _T("")}, {21005, _T("")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nOperand);
        CBlockObj* pContact = Element(BT_MAKE, c.nOperand, 300);
        CString strSelected;
        EditModal(pContact, [&](CPropertySheet& sheet) { strSelected = SelectedText(sheet); }, IDOK);
        EXPECT_EQ(strSelected.Left(CString(c.lpszSelected).GetLength()), CString(c.lpszSelected));
        EXPECT_EQ(strSelected.IsEmpty(), CString(c.lpszSelected).IsEmpty());
        EXPECT_EQ(pContact->m_nOperand, c.nOperand) << "an unchanged OK keeps the operand";
    }
}

TEST_F(LadderSheet, TheSearchBoxSelectsByPrefixAndADoubleClickConfirms)
{
    CBlockObj* pCoil = Element(BT_RELAY_COIL, NUM_FLAG, 100);
    CString strSelected;
    CDialog::SetDialogHook([&](CDialog& dlg) {
        auto& sheet = static_cast<CPropertySheet&>(dlg);
        LadPage(sheet).GetDlgItem(IDC_LAD_SEARCH)->SetWindowText(_T("q1"));
        strSelected = SelectedText(sheet);
        EXPECT_EQ(ListBox(sheet).GetTopIndex(), ListBox(sheet).GetCurSel()) << "the entry found comes into view";
        ListBox(sheet).UserDoubleClick(ListBox(sheet).GetCurSel());
    });
    Properties(pCoil);
    EXPECT_EQ(strSelected.Left(4), CString(_T("Q100")));
    EXPECT_EQ(pCoil->m_nOperand, NUM_OUTPUT + 16) << "the double click closed the sheet as OK";
}

// The simulated input, as the comment, belongs to the operand the same OK chose, in the editor
// and with OK during a simulation: the old operand's record, and so its other contacts, stay as
// they were; a page left as it opened leaves the chosen operand's own record alone.
TEST_F(LadderSheet, OkKeepsCommentAndSimulatedInputUnderTheOperandChosenWithOneUndoStep)
{
    const OperandSimRecord oldOwn{1, 0, 0, 9999, SIM_INPUT_PUSH_BREAK};
    const OperandSimRecord keptOwn{1, 0, 0, 9999, SIM_INPUT_PUSH_MAKE};
    const SimInputValues typed{0, 500, 100, 500, SIM_INPUT_FREQUENCY};
    for (const bool bSimulating : {false, true}) {
        SCOPED_TRACE(bSimulating);
        const int nOld = NUM_INPUT + (bSimulating ? 8 : 2);
        const int nTyped = nOld + 1;
        const int nKept = nOld + 2;
        Doc().m_mapOperandSim.SetAt(nOld, oldOwn);
        Doc().m_mapOperandSim.SetAt(nKept, keptOwn);
        CBlockObj* pContact = Element(BT_MAKE, nOld, bSimulating ? 300 : 100);
        CBlockObj* pOther = Element(BT_MAKE, nOld, bSimulating ? 400 : 200);
        Doc().m_undo.SaveState(&Doc());
        const Bytes before = SaveToBytes(Doc());
        if (bSimulating)
            StartSimulation();
        const auto edit = [&](LPCTSTR lpszOperand, bool bTouched) {
            const auto fill = [&](CPropertySheet& sheet) {
                ASSERT_EQ(sheet.GetPageCount(), 3) << "an input operand has its simulation page";
                if (bTouched) {
                    ASSERT_TRUE(sheet.SetActivePage(1));
                    SetText(*sheet.GetActivePage(), IDC_COMMENT_EDIT, _T("door"));
                    ASSERT_TRUE(sheet.SetActivePage(2));
                    CPropertyPage& page = *sheet.GetActivePage();
                    page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SIM_FREQUENCY, BN_CLICKED), 0);
                    page.CheckDlgButton(IDC_SIM_AUTO_RANGE, 0);
                    SetText(page, IDC_SIM_MIN, _T("500"));
                    SetText(page, IDC_SIM_MAX, _T("100"));
                    SetText(page, IDC_SIM_VALUE, _T("700"));
                    ASSERT_TRUE(sheet.SetActivePage(0));
                }
                Choose(sheet, lpszOperand);
            };
            if (!bSimulating)
                return EditModal(pContact, fill, IDOK);
            CPropShLadIO* pSheet = OpenModeless(pContact);
            ASSERT_NE(pSheet, nullptr);
            fill(*pSheet);
            Press(*pSheet, IDOK);
        };
        CString strTyped;
        strTyped.Format(_T("I%03d"), nTyped - NUM_INPUT);
        edit(strTyped, true);
        EXPECT_EQ(pContact->m_nOperand, nTyped);
        CString strComment;
        EXPECT_FALSE(Doc().m_mapOperandComment.Lookup(nOld, strComment));
        EXPECT_TRUE(Doc().m_mapOperandComment.Lookup(nTyped, strComment) && strComment == _T("door"));
        OperandSimRecord record;
        ASSERT_TRUE(Doc().m_mapOperandSim.Lookup(nTyped, record)) << "the operand chosen";
        EXPECT_EQ(FromOperandRecord(record), typed);
        ASSERT_TRUE(Doc().m_mapOperandSim.Lookup(nOld, record));
        EXPECT_EQ(FromOperandRecord(record), FromOperandRecord(oldOwn)) << "the old operand keeps its own";
        EXPECT_EQ(SimulatedInputMode(Doc(), *pOther), SIM_INPUT_PUSH_BREAK) << "and so does its other contact";
        EXPECT_EQ(SimulatedInputMode(Doc(), *pContact), SIM_INPUT_FREQUENCY);

        CString strKept;
        strKept.Format(_T("I%03d"), nKept - NUM_INPUT);
        edit(strKept, false);
        ASSERT_TRUE(Doc().m_mapOperandSim.Lookup(nKept, record));
        EXPECT_EQ(FromOperandRecord(record), FromOperandRecord(keptOwn)) << "an untouched page leaves it alone";
        EXPECT_EQ(SimulatedInputMode(Doc(), *pContact), SIM_INPUT_PUSH_MAKE);
        ASSERT_TRUE(Doc().m_mapOperandSim.Lookup(nTyped, record));
        EXPECT_EQ(FromOperandRecord(record), typed);
        if (bSimulating) {
            Command(ID_TOOLS_SIMULATION);
            continue;
        }
        EXPECT_TRUE(DiagramIsConsistent(Doc(), &V()));
        Command(ID_EDIT_UNDO);
        Command(ID_EDIT_UNDO);
        EXPECT_EQ(SaveToBytes(Doc()), before);
    }
}

// A coil's comment used to be dropped on OK; it lives under its address, where the diagram
// draws it from and where a contact reading the coil finds it. A contact reading a function
// block shows and edits that block's own comment.
TEST_F(LadderSheet, CommentsLiveUnderTheOperandTheDiagramDrawsThemFrom)
{
    CBlockObj* pCoil = Element(BT_RELAY_COIL, NUM_FLAG + 5, 100);
    CBlockObj* pAnd = Block(BT_AND, 400, 100);
    struct Case {
        int nType;
        int nOperand;
        int nKey;  // -1: the function block's own comment
    };
    const Case cases[] = {
        {BT_MAKE, NUM_INPUT + 3, NUM_INPUT + 3},      {BT_RELAY_COIL, NUM_FLAG + 5, NUM_FLAG + 5},
        {BT_BREAK, pCoil->m_nNumber, NUM_FLAG + 5},   {BT_AOUT_LAD, NUM_ANALOG_FLAG + 3, NUM_ANALOG_FLAG + 3},
        {BT_MAKE, NUM_HIGH, NUM_HIGH},                {BT_MAKE, pAnd->m_nNumber, -1},
    };
    int nComment = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nOperand);
        CBlockObj* pElement = c.nType == BT_RELAY_COIL ? pCoil : Element(c.nType, c.nOperand, 300);
        CString strText;
        strText.Format(_T("note %d"), ++nComment);
        const INT_PTR nEntries = Doc().m_mapOperandComment.GetCount();
        EditModal(pElement, [&](CPropertySheet& sheet) {
            ASSERT_TRUE(sheet.SetActivePage(1));
            SetText(*sheet.GetActivePage(), IDC_COMMENT_EDIT, strText);
        }, IDOK);
        CString strStored;
        if (c.nKey < 0) {
            EXPECT_EQ(Doc().m_mapOperandComment.GetCount(), nEntries);
            strStored = pAnd->m_strComment;
        } else {
            EXPECT_TRUE(Doc().m_mapOperandComment.Lookup(c.nKey, strStored));
        }
        EXPECT_EQ(strStored, strText);
        CString strShown;
        OnModal([&](CPropertySheet& sheet) { strShown = static_cast<CPropShLadIO&>(sheet).m_pageComment.m_strComment; },
                IDCANCEL);
        Properties(pElement);
        EXPECT_EQ(strShown, strText) << "the sheet opens with the comment it stored";
    }
}

// The comment belongs to the operand the sheet chose, in the editor and with OK during a
// simulation; a comment left as it opened leaves the chosen operand's own comment as it was.
TEST_F(LadderSheet, TheCommentGoesToTheOperandTheSheetChose)
{
    struct Case {
        bool bSimulating;
        int nFirst;        // the coil's operand as placed
        LPCTSTR lpszTyped; // chosen with "Pump" typed
        int nTyped;
        LPCTSTR lpszKept;  // chosen next, the comment page left alone
        int nKept;
    };
    const Case cases[] = {{false, NUM_OUTPUT, _T("Q003"), NUM_OUTPUT + 3, _T("Q005"), NUM_OUTPUT + 5},
                          {true, NUM_OUTPUT + 1, _T("Q002"), NUM_OUTPUT + 2, _T("Q006"), NUM_OUTPUT + 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bSimulating);
        Doc().m_mapOperandComment.SetAt(c.nKept, _T("Valve"));
        CBlockObj* pCoil = Element(BT_RELAY_COIL, c.nFirst, c.bSimulating ? 300 : 100);
        if (c.bSimulating)
            StartSimulation();
        for (const auto& choice : {std::pair{c.lpszTyped, _T("Pump")}, {c.lpszKept, nullptr}}) {
            const LPCTSTR lpszOperand = choice.first;
            const LPCTSTR lpszComment = choice.second;
            const auto fill = [&](CPropertySheet& sheet) {
                Choose(sheet, lpszOperand);
                ASSERT_TRUE(sheet.SetActivePage(1));
                if (lpszComment)
                    SetText(*sheet.GetActivePage(), IDC_COMMENT_EDIT, lpszComment);
            };
            if (c.bSimulating) {
                CPropShLadIO* pSheet = OpenModeless(pCoil);
                ASSERT_NE(pSheet, nullptr);
                fill(*pSheet);
                Press(*pSheet, IDOK);
            } else {
                EditModal(pCoil, fill, IDOK);
            }
        }
        if (c.bSimulating)
            Command(ID_TOOLS_SIMULATION);
        EXPECT_EQ(pCoil->m_nOperand, c.nKept);
        CString strComment;
        EXPECT_FALSE(Doc().m_mapOperandComment.Lookup(c.nFirst, strComment));
        EXPECT_TRUE(Doc().m_mapOperandComment.Lookup(c.nTyped, strComment) && strComment == _T("Pump"));
        EXPECT_TRUE(Doc().m_mapOperandComment.Lookup(c.nKept, strComment) && strComment == _T("Valve"));
    }
}

TEST_F(LadderSheet, AnInputWithoutSimulatedSettingsOpensWithTheDefaults)
{
    struct Case {
        int nType;
        int nOperand;
        SimInputValues expected;
    };
    const Case cases[] = {
        {BT_MAKE, NUM_INPUT + 4, {1, 0, 0, 9999, SIM_INPUT_SWITCH}},
        {BT_BREAK, NUM_FKEY + 1, {1, 0, 0, 9999, SIM_INPUT_SWITCH}},
        {BT_ACONTACT, NUM_ANALOG_IN + 1, {1, 0, 0, 1000, SIM_INPUT_FREQUENCY}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nOperand);
        CBlockObj* pElement = Element(c.nType, c.nOperand, 100);
        SimInputValues shown;
        OnModal([&](CPropertySheet& sheet) { shown = static_cast<CPropShLadIO&>(sheet).m_pSimPage->GetValues(); },
                IDCANCEL);
        Properties(pElement);
        EXPECT_EQ(shown, c.expected);
        EXPECT_EQ(Doc().m_mapOperandSim.GetCount(), 0) << "Cancel stores nothing";
    }
}

TEST_F(LadderSheet, ApplyOfSeveralOpenSheetsWritesEachItsOwnElement)
{
    CBlockObj* pFirst = Element(BT_MAKE, NUM_INPUT, 100);
    CBlockObj* pSecond = Element(BT_MAKE, NUM_INPUT + 1, 200);
    StartSimulation();
    CPropShLadIO* pSheetA = OpenModeless(pFirst);
    CPropShLadIO* pSheetB = OpenModeless(pSecond);
    ASSERT_NE(pSheetA, nullptr);
    ASSERT_NE(pSheetB, nullptr);
    EXPECT_EQ(OpenModeless(pFirst), pSheetA) << "one sheet per element";
    EXPECT_EQ(V().OpenLadSheets().GetCount(), 2);
    V().SetCurrentObjects(pSecond, nullptr, nullptr);
    ASSERT_TRUE(pSheetA->SetActivePage(2));
    CWnd& page = *pSheetA->GetPage(2);
    page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SIM_FREQUENCY, BN_CLICKED), 0);
    SetText(page, IDC_SIM_VALUE, _T("12"));
    const int nSnapshots = Snapshots();
    Press(*pSheetA, ID_APPLY_NOW);
    EXPECT_EQ(Snapshots(), nSnapshots + 1);
    OperandSimRecord record;
    ASSERT_TRUE(Doc().m_mapOperandSim.Lookup(NUM_INPUT, record));
    EXPECT_EQ(FromOperandRecord(record), (SimInputValues{1, 12, 0, 9999, SIM_INPUT_FREQUENCY}));
    EXPECT_FALSE(Doc().m_mapOperandSim.Lookup(NUM_INPUT + 1, record)) << "the selected element is not the target";
    EXPECT_EQ(Text(page, IDC_SIM_MAX), CString(_T("9999")));
    Command(ID_TOOLS_SIMULATION);
    EXPECT_EQ(V().OpenLadSheets().GetCount(), 0) << "leaving the simulation closes the ladder sheets";
}

TEST_F(LadderSheet, ADoubleClickOpensTheElementsSheetModalOrModeless)
{
    CBlockObj* pCoil = Element(BT_RELAY_COIL, NUM_FLAG, 100);
    const auto dblClick = [&] {
        CRect rect;
        pCoil->GetRect(&rect);
        const CPoint pt = rect.CenterPoint();
        V().SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(WORD(pt.x), WORD(pt.y)));
    };
    int nShown = 0;
    CDialog::SetDialogHook([&](CDialog& dlg) {
        nShown += dlg.IsKindOf(RUNTIME_CLASS(CPropShLadIO)) ? 1 : 0;
        dlg.EndDialog(IDCANCEL);
    });
    dblClick();
    EXPECT_EQ(nShown, 1);
    StartSimulation();
    dblClick();
    CPropShLadIO* pSheet = V().OpenLadSheets().Find(pCoil->m_nNumber);
    ASSERT_NE(pSheet, nullptr);
    EXPECT_TRUE(pSheet->IsModeless());
    for (int nID : {IDOK, IDCANCEL, ID_APPLY_NOW})
        EXPECT_TRUE(pSheet->GetDlgItem(nID)->IsWindowVisible()) << nID;
    EXPECT_EQ(pSheet->GetPageCount(), 2) << "a coil has no simulation page";
}

TEST_F(LadderSheet, AnAnalogContactWithoutSourcesGetsAThousandInAutomaticRange)
{
    CBlockObj* pContact = Element(BT_ACONTACT, NUM_ANALOG_IN + 2, 100);
    StartSimulation();
    CPropShLadIO* pSheet = OpenModeless(pContact);
    ASSERT_NE(pSheet, nullptr);
    ASSERT_EQ(pSheet->GetPageCount(), 3);
    Press(*pSheet, IDOK);
    EXPECT_EQ(V().OpenLadSheets().GetCount(), 0);
    OperandSimRecord record;
    ASSERT_TRUE(Doc().m_mapOperandSim.Lookup(NUM_ANALOG_IN + 2, record));
    EXPECT_EQ(record.nMin, 0);
    EXPECT_EQ(record.nMax, 1000);
}

TEST_F(LadderSheet, AnAnalogContactsValueBoxShowsWhatOkKeeps)
{
    if (!RunningApp::OnQt())
        GTEST_SKIP() << "keys through the Qt widgets";
    InitQtControls();
    CBlockObj* pContact = Element(BT_ACONTACT, NUM_ANALOG_IN + 2, 100);
    CString strShown;
    EditModal(pContact, [&](CPropertySheet& sheet) {
        ASSERT_TRUE(sheet.SetActivePage(2));
        QtRetype(*sheet.GetActivePage()->GetDlgItem(IDC_SIM_VALUE), "1239");
        strShown = Text(*sheet.GetActivePage(), IDC_SIM_VALUE);
    }, IDOK);
    EXPECT_EQ(strShown, CString(_T("1000"))) << "no sources: 0 .. 1000";
    OperandSimRecord record;
    ASSERT_TRUE(Doc().m_mapOperandSim.Lookup(NUM_ANALOG_IN + 2, record));
    EXPECT_EQ(record.nValue, 1000);
}

}  // namespace
