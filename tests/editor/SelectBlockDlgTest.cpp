// The Select Block dialog: the names and sort keys of every kind of block, the order of the
// list, and the view following the list and the typed name.
#include "support/ActiveDocument.h"

#include "blocks/BlockTypes.h"
#include "editor/DiagramConsistency.h"
#include "editor/SelectBlockDlg.h"
#include "platform/ui/Button.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/WindowFixture.h"

#include <functional>
#include <string>
#include <vector>

namespace {

struct NameCase {
    int nType;
    int nNumber;
    int nOperand;  // ladder elements only
    const char* pszText;
    const char* pszKey;
};

class SelectBlockNameTest : public ::testing::TestWithParam<NameCase> {
protected:
    static void SetUpTestSuite() { CVetlaDoc::InitBlockCaptions(); }
};

// A ladder document with a coil 21003 on flag operand M5 (1321), a coil 21004 on output Q102
// (600 + 18) and an analog output 22001 on AQ003 (4233), which contacts may read back.
TEST_P(SelectBlockNameTest, NamesTheBlockAndItsSortKey)
{
    const NameCase& c = GetParam();
    ActiveDocument active(DOC_TYPE_LAD);
    const auto add = [&](int nType, int nNumber, int nOperand) {
        CBlockObj* pBlock = active.View().CreateBlockObject(nType);
        pBlock->m_nNumber = nNumber;
        pBlock->m_nOperand = nOperand;
        return active.Add(pBlock);
    };
    add(BT_RELAY_COIL, 21003, 1321);
    add(BT_RELAY_COIL, 21004, 618);
    add(BT_AOUT_LAD, 22001, 4233);
    const CBlockObj* pBlock = add(c.nType, c.nNumber, c.nOperand);
    SelectBlockName name;
    ASSERT_TRUE(GetSelectBlockName(*pBlock, active.Doc(), name));
    EXPECT_EQ(name.strText.ToUtf8(), c.pszText);
    EXPECT_EQ(name.strKey.ToUtf8(), c.pszKey);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, SelectBlockNameTest,
    ::testing::Values(
        NameCase{BT_AND, 9009, 0, "B9[AND]", "B0009[AND]"},
        NameCase{BT_COUNTER, 9010, 0, "B10[Up/Down Counter]", "B0010[Up/Down Counter]"},
        NameCase{BT_DPR, 9000, 0, "B0[On-Delay]", "B0000[On-Delay]"},
        NameCase{BT_IN, 132, 0, "I100[Input]", "I0032[Input]"},
        NameCase{BT_IN, 131, 0, "I031[Input]", "I0031[Input]"},
        NameCase{BT_SHIFT, 1018, 0, "S1.2[Shift register bit]", "S0018[Shift register bit]"},
        NameCase{BT_LOW, 1870, 0, "Low0[Status 0 (low)]", "Low0000[Status 0 (low)]"},
        NameCase{BT_HIGH, 2900, 0, "High0[Status 1 (high)]", "High0000[Status 1 (high)]"},
        NameCase{BT_OUT, 618, 0, "Q102[Output]", "Q0018[Output]"},
        NameCase{BT_OPENX, 4805, 0, "X5[Open connector]", "X0005[Open connector]"},
        NameCase{BT_FLAG, 1330, 0, "M14[Flag]", "M0014[Flag]"},
        NameCase{BT_ANALOG_IN, 4009, 0, "AI101[Analog input]", "AI0009[Analog input]"},
        NameCase{BT_ANALOG_OUT, 4235, 0, "AQ101[Analog output]", "AQ0005[Analog output]"},
        NameCase{BT_ANALOG_FLAG, 4300, 0, "AM12[Analog flag]", "AM0012[Analog flag]"},
        NameCase{BT_FKEY, 1302, 0, "F2[TD Function key]", "F2[TD Function key]"},
        NameCase{BT_CURSOR_KEY, 1281, 0, "C1[Cursor Key]", "C0001[Cursor Key]"},
        // Ladder elements by their operand.
        NameCase{BT_MAKE, 12000, 135, "I103[Make contact]", "I103[Make contact]12000"},
        NameCase{BT_BREAK, 15001, 1021, "S1.05[Break contact]", "S105[Break contact]15001"},
        NameCase{BT_MAKE, 12002, 1303, "F3[Make contact]", "F0003[Make contact]12002"},
        NameCase{BT_MAKE, 12003, 1320, "M4[Make contact]", "M0004[Make contact]12003"},
        NameCase{BT_MAKE, 12004, 1900, "Low[Make contact]", "Low[Make contact]12004"},
        NameCase{BT_BREAK, 15002, 2905, "High[Break contact]", "High[Break contact]15002"},
        NameCase{BT_ACONTACT, 18000, 4010, "AI102[Analog contact]", "AI102[Analog contact]18000"},
        NameCase{BT_ACONTACT, 18001, 4300, "AM12[Analog contact]", "AM0012[Analog contact]18001"},
        NameCase{BT_RELAY_COIL, 21000, 4801, "X1[Relay coil]", "X0001[Relay coil]21000"},
        NameCase{BT_MAKE, 12005, 9003, "B3[Make contact]", "B0003[Make contact]12005"},
        // Contacts reading a coil or an analog output back show that block's operand.
        NameCase{BT_MAKE, 12006, 21003, "M5[Make contact]", "M0005[Make contact]12006"},
        NameCase{BT_MAKE, 12007, 21004, "Q102[Make contact]", "Q102[Make contact]12007"},
        NameCase{BT_ACONTACT, 18002, 22001, "AQ003[Analog contact]", "AQ003[Analog contact]18002"},
        NameCase{BT_AOUT_LAD, 22005, 4290, "AM2[Analog output]", "AM0002[Analog output]22005"}));

TEST(SelectBlockName, ConnectorsDataLogAndUnknownCodesAreNotListed)
{
    ActiveDocument active;
    for (int nType : {BT_MALE, BT_FEMALE, BT_DATALOG, 250}) {
        CBlockObj* pBlock = active.Add(active.View().CreateBlockObject(nType));
        SelectBlockName name;
        EXPECT_FALSE(GetSelectBlockName(*pBlock, active.Doc(), name)) << nType;
    }
}

TEST(SelectBlockSort, EntriesGoBeforeTheFirstGreaterKeyAndEqualKeysKeepTheirOrder)
{
    CSelectBlockDlg dlg;
    dlg.AddSortedEntry(_T("I0032[Input]"), 132, _T("I100[Input]"));
    dlg.AddSortedEntry(_T("B0010[OR]"), 9010, _T("B10[OR]"));
    dlg.AddSortedEntry(_T("I0031[Input]"), 131, _T("I031[Input]"));
    dlg.AddSortedEntry(_T("B0009[AND]"), 9009, _T("B9[AND]"));
    dlg.AddSortedEntry(_T("B0009[AND]"), 9099, _T("second"));
    // Upper case sorts before lower case: the comparison is by character code.
    dlg.AddSortedEntry(_T("b"), 1, _T("lower"));
    dlg.AddSortedEntry(_T("Z"), 2, _T("upper"));
    EXPECT_EQ(dlg.GetSortedNumbers(), (std::vector<int>{9009, 9099, 9010, 131, 132, 2, 1}));
}

class SelectBlockDlgTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        CVetlaDoc::InitBlockCaptions();
        m_active.Doc().m_rcExtent = CRect(0, 0, 3000, 3000);
    }
    void TearDown() override
    {
        CDialog::SetDialogHook(nullptr);
        WindowTest::TearDown();
    }
    CBlockObj* Add(int nType, int nNumber, CPoint pt)
    {
        CBlockObj* pBlock = m_active.View().CreateBlockObject(nType);
        pBlock->m_nNumber = nNumber;
        pBlock->m_ptPos = pt;
        return m_active.Add(pBlock);
    }
    // Opens the dialog, runs the actions on it and closes it with Cancel.
    void Run(const std::function<void(CDialog&, CListBox&)>& actions)
    {
        CDialog::SetDialogHook([&](CDialog& d) {
            auto* pList = dynamic_cast<CListBox*>(d.GetDlgItem(int(IDC_SELECT_BLOCK_LIST)));
            ASSERT_NE(pList, nullptr);
            actions(d, *pList);
            d.PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        CSelectBlockDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
    static std::vector<std::string> Lines(const CListBox& list)
    {
        std::vector<std::string> lines;
        for (int i = 0; i < list.GetCount(); ++i) {
            CString str;
            list.GetText(i, str);
            lines.push_back(str.ToUtf8());
        }
        return lines;
    }
    std::vector<CBlockObj*> Selected()
    {
        return diagram_consistency::ListOf<CBlockObj>(m_active.View().Selection().Blocks());
    }

    ActiveDocument m_active;
};

TEST_F(SelectBlockDlgTest, ListsTheBlocksByKeyAndLeavesConnectorsOut)
{
    Add(BT_OR, 9010, {100, 100});
    Add(BT_IN, 132, {10, 10});
    Add(BT_MALE, 5000, {50, 50});
    Add(BT_AND, 9009, {200, 100});
    Add(BT_IN, 131, {10, 60});
    Add(BT_FEMALE, 7000, {80, 50});
    Add(BT_DATALOG, 8950, {90, 90});
    Add(BT_OUT, 600, {300, 10});
    Run([](CDialog&, CListBox& list) {
        EXPECT_EQ(Lines(list), (std::vector<std::string>{"B9[AND]", "B10[OR]", "I031[Input]", "I100[Input]",
                                                         "Q000[Output]"}));
    });
}

TEST_F(SelectBlockDlgTest, TypingTheStartOfANameGoesToTheFirstBlockWithIt)
{
    Add(BT_IN, 100, {10, 10});
    std::vector<CBlockObj*> functions;
    for (int i = 0; i <= 10; ++i)
        functions.push_back(Add(BT_AND, NUM_FUNCTION_BLOCK + i, {100 + 100 * i, 300 + 50 * i}));
    CBlockObj* pB1 = functions[1];
    CBlockObj* pB10 = functions[10];
    m_active.View().Selection().Add(pB10);
    pB10->m_bSelected = 1;
    m_active.View().SetCurrentObjects(pB10, nullptr, nullptr);
    Run([&](CDialog& d, CListBox& list) {
        d.SetDlgItemText(int(IDC_SELECT_BLOCK_FIND), _T("b1"));
        EXPECT_EQ(list.GetCurSel(), 1) << "B1 sorts before B10, after B0";
        EXPECT_EQ(Selected(), (std::vector<CBlockObj*>{pB1}));
        EXPECT_EQ(m_active.View().CurrentBlock(), nullptr);
        d.SetDlgItemText(int(IDC_SELECT_BLOCK_FIND), _T("B10"));
        EXPECT_EQ(list.GetCurSel(), 10);
        EXPECT_EQ(Selected(), (std::vector<CBlockObj*>{pB10}));
        // Nothing starts with Q: the list and the view stay where they are.
        d.SetDlgItemText(int(IDC_SELECT_BLOCK_FIND), _T("q"));
        EXPECT_EQ(list.GetCurSel(), 10);
        EXPECT_EQ(Selected(), (std::vector<CBlockObj*>{pB10}));
        EXPECT_TRUE(DiagramIsConsistent(m_active.Doc(), &m_active.View()));
    });
}

TEST_F(SelectBlockDlgTest, PickingALineGoesToItsBlock)
{
    CBlockObj* pIn = Add(BT_IN, 101, {10, 10});
    CBlockObj* pAnd = Add(BT_AND, 9000, {500, 400});
    Run([&](CDialog&, CListBox& list) {
        list.UserSelect(1);
        EXPECT_EQ(Selected(), (std::vector<CBlockObj*>{pIn}));
        list.UserSelect(0);
        EXPECT_EQ(Selected(), (std::vector<CBlockObj*>{pAnd}));
        EXPECT_EQ(pIn->m_bSelected, 0);
    });
}

TEST_F(SelectBlockDlgTest, AnEmptyDiagramGivesAnEmptyListAndTypingDoesNothing)
{
    Run([&](CDialog& d, CListBox& list) {
        EXPECT_EQ(list.GetCount(), 0);
        d.SetDlgItemText(int(IDC_SELECT_BLOCK_FIND), _T("B"));
        EXPECT_EQ(list.GetCurSel(), LB_ERR);
        EXPECT_TRUE(m_active.View().Selection().Blocks().IsEmpty());
    });
}

} // namespace
