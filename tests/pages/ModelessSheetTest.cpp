// Sheets of a simulated diagram: one modeless sheet per block, Apply into the running block by
// the block's number with one undo snapshot, OK, Cancel and Escape, the growth of the sheet for
// the value box, live values after a scan, and the end of every sheet with the simulation.
#include "SheetFixture.h"

#include "blocks/BlockIn.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "pages/blocks/FunctionPageIds.h"
#include "pages/sheet/BlockPage.h"
#include "pages/sheet/BlockPageRegistry.h"
#include "pages/sheet/PageIds.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/TabCtrl.h"

namespace {

class ModelessSheet : public SheetFixture {
protected:
    static int Height(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(rect);
        return rect.Height();
    }
};

TEST_F(ModelessSheet, OneSheetPerBlockWithItsButtonStrip)
{
    CBlockObj* pAnd = Block(BT_AND, 200, 200);
    CBlockObj* pOr = Block(BT_OR, 200, 300);
    CAllPropertySheet* pSheet = RunningSheet(pAnd);
    ASSERT_NE(pSheet, nullptr);
    EXPECT_TRUE(pSheet->IsModeless());
    for (int nID : {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP})
        EXPECT_TRUE(pSheet->GetDlgItem(nID)->IsWindowVisible()) << nID;
    OpenSheet(pAnd);
    EXPECT_EQ(V().OpenSheets().GetCount(), 1) << "a second open of the same block is ignored";
    EXPECT_EQ(V().OpenSheets().Find(pAnd->m_nNumber), pSheet);
    ASSERT_NE(OpenSheet(pOr), nullptr);
    EXPECT_EQ(V().OpenSheets().GetCount(), 2);
    Command(ID_TOOLS_SIMULATION);
    EXPECT_TRUE(V().OpenSheets().IsEmpty()) << "leaving the simulation closes every sheet";
}

TEST_F(ModelessSheet, ApplyWritesTheRunningBlockByItsNumberWithOneSnapshot)
{
    CBlockObj* pAnd = Block(BT_AND, 200, 200);
    CBlockObj* pOther = Block(BT_OR, 200, 300);
    CAllPropertySheet* pSheet = RunningSheet(pAnd);
    ASSERT_NE(pSheet, nullptr);
    // Another block is current while the sheet applies: the sheet's own block changes.
    V().SetCurrentObjects(pOther, nullptr, nullptr);
    SetText(MainPage(*pSheet), IDC_BLOCK_NAME, _T("Door"));
    const int nBefore = Snapshots();
    Doc().SetModifiedFlag(FALSE);
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(pAnd->m_strLabelSuffix, CString(_T("Door")));
    EXPECT_TRUE(pOther->m_strLabelSuffix.IsEmpty());
    EXPECT_EQ(V().CurrentBlock(), pOther);
    EXPECT_EQ(Snapshots(), nBefore + 1);
    EXPECT_FALSE(pSheet->m_pMainPage->IsModified());
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(Snapshots(), nBefore + 2) << "every Apply is a snapshot, changed or not";
    EXPECT_TRUE(V().OpenSheets().IsOpenFor(pAnd->m_nNumber));
}

TEST_F(ModelessSheet, ARecordWhoseBlockHasGoneIsDroppedWithoutASnapshot)
{
    CBlockObj* pAnd = Block(BT_AND, 200, 200);
    CAllPropertySheet* pSheet = RunningSheet(pAnd);
    ASSERT_NE(pSheet, nullptr);
    pSheet->m_nBlockNumber = 9999;
    SetText(MainPage(*pSheet), IDC_BLOCK_NAME, _T("Lost"));
    const int nBefore = Snapshots();
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(Snapshots(), nBefore);
    EXPECT_TRUE(pAnd->m_strLabelSuffix.IsEmpty());
    // A block of another type under the number takes nothing either.
    CBlockObj* pOr = Block(BT_OR, 200, 300);
    pSheet->m_nBlockNumber = pOr->m_nNumber;
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_TRUE(pOr->m_strLabelSuffix.IsEmpty());
    EXPECT_EQ(Snapshots(), nBefore);
}

TEST_F(ModelessSheet, OkAppliesAndClosesButARefusedEntryKeepsTheSheetAndItsEdits)
{
    CBlockObj* pAnd = Block(BT_AND, 200, 200);
    CAllPropertySheet* pSheet = RunningSheet(pAnd);
    ASSERT_NE(pSheet, nullptr);
    SetText(MainPage(*pSheet), IDC_BLOCK_NAME, _T("TooLongName"));
    const int nBefore = Snapshots();
    Press(*pSheet, IDOK);
    ASSERT_TRUE(V().OpenSheets().IsOpenFor(pAnd->m_nNumber));
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(Text(MainPage(*pSheet), IDC_BLOCK_NAME), CString(_T("TooLongName")));
    EXPECT_EQ(Snapshots(), nBefore);
    EXPECT_TRUE(pAnd->m_strLabelSuffix.IsEmpty());
    SetText(MainPage(*pSheet), IDC_BLOCK_NAME, _T("Short"));
    Press(*pSheet, IDOK);
    EXPECT_FALSE(V().OpenSheets().IsOpenFor(pAnd->m_nNumber));
    EXPECT_EQ(pAnd->m_strLabelSuffix, CString(_T("Short")));
    EXPECT_EQ(Snapshots(), nBefore + 1);
}

TEST_F(ModelessSheet, EscapeAndCancelCloseWithoutApplying)
{
    CBlockObj* pAnd = Block(BT_AND, 200, 200);
    StartSimulation();
    for (bool bEscape : {true, false}) {
        CAllPropertySheet* pSheet = OpenSheet(pAnd);
        ASSERT_NE(pSheet, nullptr);
        SetText(MainPage(*pSheet), IDC_BLOCK_NAME, _T("Never"));
        const int nBefore = Snapshots();
        if (bEscape) {
            MSG msg = {MainPage(*pSheet).GetDlgItem(IDC_BLOCK_NAME)->GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 1, 0, {0, 0}};
            EXPECT_TRUE(pSheet->PreTranslateMessage(&msg));
        } else {
            Press(*pSheet, IDCANCEL);
        }
        EXPECT_FALSE(V().OpenSheets().IsOpenFor(pAnd->m_nNumber));
        EXPECT_TRUE(pAnd->m_strLabelSuffix.IsEmpty());
        EXPECT_EQ(Snapshots(), nBefore);
    }
}

TEST_F(ModelessSheet, ASheetWithALiveValueGrowsForTheValueBox)
{
    CBlockObj* blocks[] = {Block(BT_NOT, 200, 100), Block(BT_COUNTER, 200, 200), Block(BT_SLS, 200, 300),
                           Block(BT_HIGH, 200, 400)};
    // The stairway switch's tabs while edited, for the growth of its own page.
    int nModalStairsTab = 0;
    OnModal([&](CPropertySheet& sheet) { nModalStairsTab = Height(sheet.GetTabControl()); }, IDCANCEL);
    Properties(blocks[2]);
    CAllPropertySheet* pLogic = RunningSheet(blocks[0]);
    CAllPropertySheet* pCounter = OpenSheet(blocks[1]);
    CAllPropertySheet* pStairs = OpenSheet(blocks[2]);
    CAllPropertySheet* pHigh = OpenSheet(blocks[3]);
    ASSERT_TRUE(pLogic && pCounter && pStairs && pHigh);
    // The stairway switch's tabs grow by its row against its own modal sheet; the counter's
    // own page grows by its row, and by the room its box needs below its Protection Active
    // box, and its tabs with it.
    EXPECT_EQ(Height(pStairs->GetTabControl()) - nModalStairsTab, 50);
    CRect rcTemplate(CPoint(0, 0), AfxFindDialogTemplate(IDD_UPDOWN_COUNTER)->size);
    AfxMapDialogRect(rcTemplate, AfxFindDialogTemplate(IDD_UPDOWN_COUNTER)->nPointSize);
    EXPECT_EQ(Height(pCounter->m_pMainPage) - rcTemplate.Height(), 30 + pCounter->m_pMainPage->ValueBoxExtraRoom());
    EXPECT_EQ(Height(pCounter->GetTabControl()) - Height(pCounter->m_pMainPage),
              Height(pHigh->GetTabControl()) - Height(&pHigh->m_pageComment));
    CRect rcOK;
    CRect rcTab;
    pStairs->GetDlgItem(IDOK)->GetWindowRect(rcOK);
    pStairs->GetTabControl()->GetWindowRect(rcTab);
    EXPECT_GT(rcOK.top, rcTab.bottom) << "the buttons moved below the grown tabs";
}

// The multi-function switch's value box sits lower under its page than the timers' boxes.
TEST_F(ModelessSheet, TheValueBoxesOfTheTwoSwitchesSitLower)
{
    const struct { int nType, nTop, nBottom; } cases[] = {{BT_MFS, 0, 50}, {BT_SLS, 0, 50}, {BT_DPR, -20, 30}};
    CBlockObj* blocks[] = {Block(BT_MFS, 200, 100), Block(BT_SLS, 200, 300), Block(BT_DPR, 200, 200)};
    StartSimulation();
    for (const auto& c : cases) {
        CAllPropertySheet* pSheet = OpenSheet(blocks[&c - cases]);
        ASSERT_NE(pSheet, nullptr);
        CBlockPage& page = *pSheet->m_pMainPage;
        const auto* pTemplate = AfxFindDialogTemplate(page.GetTemplateID());
        CRect rcPage(CPoint(0, 0), pTemplate->size);
        AfxMapDialogRect(rcPage, pTemplate->nPointSize);
        CRect rcBox;
        page.GetDlgItem(IDC_CURRENT_VALUE_BOX)->GetWindowRect(rcBox);
        page.ScreenToClient(rcBox);
        EXPECT_EQ(rcBox.top - rcPage.bottom, c.nTop) << c.nType;
        EXPECT_EQ(rcBox.bottom - rcPage.bottom, c.nBottom) << c.nType;
    }
}

TEST_F(ModelessSheet, TheLiveValueIsFormattedByTypeAfterEachScan)
{
    CBlockObj* pCounter = Block(BT_COUNTER, 200, 200);
    CBlockObj* pBcd = Block(BT_BCD, 200, 300);
    StartSimulation();
    pCounter->m_dRunTime = 42.9;
    pBcd->m_dRunTime = 0x12345;
    EXPECT_EQ(LiveValue(*pCounter), CString(_T("    42")));
    EXPECT_EQ(LiveValue(*pBcd), CString(_T("0x2345")));
    EXPECT_EQ(FindBlockPageRow(BT_AND)->pfnLiveValue, nullptr) << "logic gates show no value";
}

TEST_F(ModelessSheet, APageKeepsTheValueItWasGivenForReadingWithoutPainting)
{
    CBlockObj* pAnd = Block(BT_AND, 200, 200);
    CAllPropertySheet* pSheet = RunningSheet(pAnd);
    ASSERT_NE(pSheet, nullptr);
    pSheet->m_pMainPage->DrawCurrentValue(_T("  17"));
    EXPECT_EQ(pSheet->m_pMainPage->GetCurrentValueText(), CString(_T("  17")));
    EXPECT_FALSE(pSheet->m_pMainPage->HasCurrentValueBox()) << "a logic gate's page has no value box";
}

TEST_F(ModelessSheet, ADoubleClickOpensTheSheetOfAFunctionBlockButNotOfAnInput)
{
    CBlockObj* pAnd = Block(BT_AND, 200, 200);
    CBlockObj* pIn = Block(BT_IN, 60, 200);
    StartSimulation();
    const auto dblClick = [&](CBlockObj* pBlock) {
        CRect rect;
        pBlock->GetRect(&rect);
        const CPoint pt = rect.CenterPoint();
        V().SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(WORD(pt.x), WORD(pt.y)));
    };
    dblClick(pIn);
    EXPECT_TRUE(V().OpenSheets().IsEmpty());
    EXPECT_EQ(V().CurrentBlock(), nullptr);
    dblClick(pAnd);
    EXPECT_TRUE(V().OpenSheets().IsOpenFor(pAnd->m_nNumber));
    EXPECT_EQ(V().EditMode(), EDIT_MODE_SIMULATE);
}

}  // namespace

namespace {

// An analog input whose value lies outside the comparator's measuring range, wired to it.
struct FedComparator {
    CBlockObj* pInput;
    CBlockObj* pComparator;
};

class AnalogSheet : public SheetFixture {
protected:
    FedComparator Build()
    {
        CBlockObj* pInput = Block(BT_ANALOG_IN, 60, 200);
        CBlockObj* pComparator = Block(BT_ACOMP, 200, 200);
        pComparator->m_nPinSource[0] = pInput->m_nNumber;
        pInput->m_nParamEx[INPUT_SIM_AUTO_RANGE_PARAMEX] = 1;
        pInput->m_nAux[INPUT_SIM_VALUE_AUX] = 5000;
        return {pInput, pComparator};
    }
};

TEST_F(AnalogSheet, OkOnAComparatorFitsTheInputThatFeedsIt)
{
    const FedComparator d = Build();
    OnModal([](CPropertySheet&) {}, IDOK);
    Properties(d.pComparator);
    EXPECT_EQ(d.pInput->m_nAux[BLOCK_VALUE_MAX_AUX], 1000);
    EXPECT_EQ(d.pInput->m_nAux[INPUT_SIM_VALUE_AUX], 1000);
}

TEST_F(AnalogSheet, ApplyOnAComparatorFitsTheInputInTheRunningSimulation)
{
    const FedComparator d = Build();
    CAllPropertySheet* pSheet = RunningSheet(d.pComparator);
    ASSERT_NE(pSheet, nullptr);
    d.pInput->m_nAux[INPUT_SIM_VALUE_AUX] = 5000;
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(d.pInput->m_nAux[INPUT_SIM_VALUE_AUX], 1000);
}

}  // namespace
