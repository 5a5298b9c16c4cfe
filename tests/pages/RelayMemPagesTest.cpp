// The relay and conversion page (controls by type and generation, the shift register's free
// indexes, the R/S priority, the live values) and the memory page (the source list without the
// block itself, the value names of the chosen source, and the reference flag that follows it).
#include "PageFixture.h"

#include "blocks/BlockExtended.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTypes.h"
#include "pages/blocks/MiscBlockIds.h"
#include "pages/blocks/MiscRelay.h"
#include "pages/sheet/PageIds.h"
#include "platform/ui/ComboBox.h"
#include "support/ComboLines.h"

#include <vector>

namespace {

constexpr WORD kOlderHardware = 0x4188;
constexpr WORD kNewerHardware = 0x5188;

class RelayMemPages : public PageFixture {
protected:
    CBlockObj* ShiftRegister(int nIndex, int y)
    {
        CBlockObj* pBlock = Block(BT_SREG, 200, y);
        pBlock->m_nParamEx[SREG_INDEX_PARAMEX] = nIndex;
        return pBlock;
    }
};

TEST_F(RelayMemPages, EachTypeShowsItsControls)
{
    struct Case {
        int nType;
        WORD wHardware;
        bool bRetentivity;
        bool bPriority;
        bool bBit;
        bool bIndex;
    };
    const Case cases[] = {
        {BT_LR, kNewerHardware, true, false, false, false},   {BT_TDT, kNewerHardware, true, false, false, false},
        {BT_PR, kNewerHardware, true, true, false, false},    {BT_BCD, kNewerHardware, false, false, false, false},
        {BT_GCD, kNewerHardware, false, false, false, false}, {BT_SREG, kOlderHardware, true, false, true, false},
        {BT_SREG, kNewerHardware, true, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nType);
        Doc().m_wHardwareCode = c.wHardware;
        CBlockObj* pBlock = Block(c.nType);
        EditShown(pBlock, [&](CPropertyPage& page) {
            EXPECT_TRUE(Shown(page, IDC_BLOCK_NAME));
            EXPECT_EQ(Shown(page, IDC_RETENTIVITY), c.bRetentivity);
            EXPECT_EQ(Shown(page, IDC_PRIORITY_R), c.bPriority);
            EXPECT_EQ(Shown(page, IDC_PRIORITY_S), c.bPriority);
            EXPECT_EQ(Shown(page, IDC_SREG_BIT), c.bBit);
            EXPECT_EQ(Shown(page, IDC_SREG_BIT_LABEL), c.bBit);
            EXPECT_EQ(Shown(page, IDC_SREG_INDEX), c.bIndex);
        }, IDCANCEL);
    }
}

TEST_F(RelayMemPages, WordsBehindHiddenControlsComeBackAsTheyWere)
{
    for (int nType : {BT_BCD, BT_LR, BT_PR, BT_ABS}) {
        SCOPED_TRACE(nType);
        CBlockObj* pBlock = Block(nType);
        pBlock->m_nParam[BLOCK_RETENTIVE_PARAM] = 1;
        pBlock->m_nParamEx[SREG_BIT_PARAMEX] = 20;
        pBlock->m_nParamEx[PR_SET_WINS_PARAMEX] = nType == BT_PR ? 0 : 7;
        pBlock->m_nParamEx[SREG_INDEX_PARAMEX] = 9;
        EditOk(pBlock, [](CPropertyPage&) {});
        const bool bRetentivity = nType == BT_LR || nType == BT_PR;
        EXPECT_EQ(pBlock->m_nParam[BLOCK_RETENTIVE_PARAM], 1) << (bRetentivity ? "checked" : "hidden");
        EXPECT_EQ(pBlock->m_nParamEx[SREG_BIT_PARAMEX], 20);
        EXPECT_EQ(pBlock->m_nParamEx[PR_SET_WINS_PARAMEX], nType == BT_PR ? 0 : 7);
        EXPECT_EQ(pBlock->m_nParamEx[SREG_INDEX_PARAMEX], 9);
    }
}

TEST_F(RelayMemPages, AShiftRegisterIsOfferedTheIndexesNoOtherUses)
{
    Doc().m_wHardwareCode = kNewerHardware;
    ShiftRegister(0, 100);
    CBlockObj* pTwo = ShiftRegister(2, 200);
    EXPECT_EQ(FreeShiftRegisterIndexes(Doc(), -1, -1), (std::vector<int>{1, 3})) << "for a third register";
    EditShown(pTwo, [&](CPropertyPage& page) {
        EXPECT_EQ(ComboLines(page, IDC_SREG_INDEX), (std::vector<CString>{_T("1"), _T("2"), _T("3")}))
            << "the one on index 2 keeps its own";
        EXPECT_EQ(Selected(page, IDC_SREG_INDEX), CString(_T("2")));
        Combo(page, IDC_SREG_INDEX).SetCurSel(2);
        Combo(page, IDC_SREG_BIT).SetCurSel(9);
    }, IDOK);
    EXPECT_EQ(pTwo->m_nParamEx[SREG_INDEX_PARAMEX], 3) << "the line's number, not its place";
    EXPECT_EQ(pTwo->m_nParamEx[SREG_BIT_PARAMEX], 9);
    // The same list in a simulation's sheet.
    CAllPropertySheet* pSheet = RunningSheet(pTwo);
    ASSERT_NE(pSheet, nullptr);
    EXPECT_EQ(ComboLines(*pSheet->m_pMainPage, IDC_SREG_INDEX), (std::vector<CString>{_T("1"), _T("2"), _T("3")}));
    EXPECT_EQ(Selected(*pSheet->m_pMainPage, IDC_SREG_INDEX), CString(_T("3")));
}

TEST_F(RelayMemPages, OnTheOlderGenerationTheIndexStaysAsStored)
{
    Doc().m_wHardwareCode = kOlderHardware;
    CBlockObj* pReg = ShiftRegister(2, 100);
    EditModal(pReg, [&](CPropertySheet& sheet) { Combo(*sheet.GetActivePage(), IDC_SREG_BIT).SetCurSel(4); }, IDOK);
    EXPECT_EQ(pReg->m_nParamEx[SREG_INDEX_PARAMEX], 2);
    EXPECT_EQ(pReg->m_nParamEx[SREG_BIT_PARAMEX], 4);
}

TEST_F(RelayMemPages, APulseRelayOpensOnItsPriorityAndAClickMarksThePage)
{
    CBlockObj* pRelay = Block(BT_PR);
    pRelay->m_nParamEx[PR_SET_WINS_PARAMEX] = 1;
    EditShown(pRelay, [&](CPropertyPage& page) {
        EXPECT_TRUE(page.IsDlgButtonChecked(IDC_PRIORITY_S));
        EXPECT_FALSE(page.IsDlgButtonChecked(IDC_PRIORITY_R));
        page.SetModified(FALSE);
        Click(page, IDC_PRIORITY_R);
        EXPECT_TRUE(page.IsModified());
    }, IDOK);
    EXPECT_EQ(pRelay->m_nParamEx[PR_SET_WINS_PARAMEX], 0);
}

TEST_F(RelayMemPages, ConversionBlocksShowTheirLiveValueInSimulation)
{
    struct Case {
        int nType;
        double dValue;
        LPCTSTR lpszShown;  // null: no value box
    };
    const Case cases[] = {{BT_BCD, 0x123, _T("0x0123")}, {BT_SEG, 0x1F3, _T("0xF3")}, {BT_BIN, 12, _T("  12")},
                          {BT_ABS, 7, _T("     7")},     {BT_ODD, 1, nullptr},        {BT_LR, 1, nullptr}};
    std::vector<CBlockObj*> blocks;
    for (size_t i = 0; i < std::size(cases); ++i)
        blocks.push_back(Block(cases[i].nType, 200, 60 + 60 * int(i)));
    StartSimulation();
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].nType);
        CAllPropertySheet* pSheet = OpenSheet(blocks[i]);
        ASSERT_NE(pSheet, nullptr);
        EXPECT_EQ(pSheet->m_pMainPage->HasCurrentValueBox(), cases[i].lpszShown != nullptr);
        if (!cases[i].lpszShown)
            continue;
        blocks[i]->m_dRunTime = cases[i].dValue;
        V().RefreshPropertyPageValues(blocks[i]);
        EXPECT_EQ(pSheet->m_pMainPage->GetCurrentValueText(), CString(cases[i].lpszShown));
        bool bShown = false;
        for (CWnd* pChild = pSheet->m_pMainPage->GetWindow(GW_CHILD); pChild; pChild = pChild->GetWindow(GW_HWNDNEXT)) {
            CString strText;
            pChild->GetWindowText(strText);
            bShown = bShown || (strText == cases[i].lpszShown && (pChild->GetStyle() & WS_VISIBLE));
        }
        EXPECT_TRUE(bShown) << "a control of the page shows the value";
    }
}

TEST_F(RelayMemPages, ANewMemoryBlockOpensWithTheDashLinesAndStoresNoSource)
{
    CBlockObj* pMem = Block(BT_MEM, 200, 100);
    Block(BT_COUNTER, 200, 200);
    EditShown(pMem, [&](CPropertyPage& page) {
        EXPECT_EQ(Selected(page, IDC_MEM_BLOCK), CString(_T('-'), 51));
        EXPECT_EQ(ComboLines(page, IDC_MEM_INDEX), (std::vector<CString>{CString(_T('-'), 33)}));
        for (const CString& line : ComboLines(page, IDC_MEM_BLOCK)) {
            CString strOwn;
            strOwn.Format(_T("B%d["), pMem->m_nNumber - NUM_FUNCTION_BLOCK);
            EXPECT_NE(line.Find(strOwn), 0) << "the block never offers itself";
        }
    }, IDOK);
    EXPECT_EQ(pMem->m_pRefBlock[0], nullptr);
    EXPECT_EQ(pMem->m_nParam[BLOCK_REF_USED_PARAM], 0);
    EXPECT_EQ(pMem->m_nParam[MEM_BLOCK_INDEX_PARAM], 0);
}

TEST_F(RelayMemPages, ChoosingASourceListsItsValuesAndTheFlagFollowsTheChoice)
{
    CBlockObj* pMem = Block(BT_MEM, 200, 100);
    CBlockObj* pSource = Block(BT_MAXMIN, 200, 200);
    EditShown(pMem, [&](CPropertyPage& page) {
        CComboBox& blocks = Combo(page, IDC_MEM_BLOCK);
        ASSERT_GE(blocks.GetCount(), 2);
        blocks.UserSelect(1);
        EXPECT_EQ(ComboLines(page, IDC_MEM_INDEX).size(), 4u);
        EXPECT_EQ(Combo(page, IDC_MEM_INDEX).GetCurSel(), 0);
        Combo(page, IDC_MEM_INDEX).UserSelect(2);
    }, IDOK);
    EXPECT_EQ(pMem->m_pRefBlock[0], pSource);
    EXPECT_EQ(pMem->m_nParam[BLOCK_REF_USED_PARAM], 1);
    EXPECT_EQ(pMem->m_nParam[MEM_BLOCK_INDEX_PARAM], 1);
    EXPECT_EQ(pMem->m_nParam[MEM_VALUE_INDEX_PARAM], 2);
    // Opened again on its source; the dash line takes it away, flag and all, on Apply too.
    CAllPropertySheet* pSheet = RunningSheet(pMem);
    ASSERT_NE(pSheet, nullptr);
    CWnd& page = *pSheet->m_pMainPage;
    EXPECT_EQ(Combo(page, IDC_MEM_BLOCK).GetCurSel(), 1);
    EXPECT_EQ(Combo(page, IDC_MEM_INDEX).GetCurSel(), 2);
    Combo(page, IDC_MEM_BLOCK).UserSelect(0);
    EXPECT_EQ(ComboLines(page, IDC_MEM_INDEX), (std::vector<CString>{CString(_T('-'), 51)}));
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(pMem->m_pRefBlock[0], nullptr);
    EXPECT_EQ(pMem->m_nParam[BLOCK_REF_USED_PARAM], 0);
}

}  // namespace
