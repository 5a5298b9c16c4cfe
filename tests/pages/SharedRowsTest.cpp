// The shared pieces the pages repeat: the Reference row with its block list made at run time,
// and the hexadecimal mask box.
#include "SheetFixture.h"

#include "blocks/BlockTypes.h"
#include "pages/blocks/FunctionPageIds.h"
#include "pages/blocks/TimerPageIds.h"
#include "pages/controls/HexEdit.h"
#include "pages/sheet/ReferenceRow.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"

namespace {

constexpr UINT IDD_REFERENCE_TEST = 9301;
constexpr int IDC_REF_CHECK = 2001;
constexpr int IDC_REF_VALUE = 2002;
constexpr UINT IDC_REF_LIST = 2003;

class SharedRows : public SheetFixture {
protected:
    void SetUp() override
    {
        SheetFixture::SetUp();
        DialogTemplate t;
        t.nID = IDD_REFERENCE_TEST;
        t.strCaption = _T("Reference");
        t.size = CSize(160, 80);
        t.items = {DialogItem(IDC_REF_CHECK, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP, CRect(7, 7, 60, 17), _T("Reference")),
                   DialogItem(IDC_REF_VALUE, WC_EDIT, WS_BORDER | WS_TABSTOP, CRect(70, 7, 120, 19))};
        AfxRegisterDialogTemplate(t);
    }
    void TearDown() override
    {
        m_dlg.DestroyWindow();
        SheetFixture::TearDown();
    }
    // The dialog with the row of pOwn's page, the reference on the block of that number.
    void Open(CBlockObj* pOwn, int nReference, bool bShow = false)
    {
        ASSERT_TRUE(m_dlg.Create(IDD_REFERENCE_TEST, Frame()));
        if (bShow)
            m_dlg.ShowWindow(SW_SHOW);
        m_row.m_bUse = TRUE;
        m_row.m_nBlockNumber = nReference;
        ASSERT_TRUE(m_row.Create(m_dlg, &Doc(), pOwn->m_nNumber));
    }

    CDialog m_dlg{IDD_REFERENCE_TEST};
    CReferenceRow m_row{IDC_REF_CHECK, IDC_REF_VALUE, IDC_REF_LIST};
};

TEST_F(SharedRows, TheReferenceListTakesThePlaceOfTheValue)
{
    CBlockObj* pOwn = Block(BT_COUNTER, 100, 100);
    CBlockObj* pOther = Block(BT_COUNTER, 100, 200);
    CBlockObj* pThird = Block(BT_COUNTER, 100, 300);
    ASSERT_NO_FATAL_FAILURE(Open(pOwn, pThird->m_nNumber, true));
    auto* pList = static_cast<CComboBox*>(m_dlg.GetDlgItem(IDC_REF_LIST));
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(pList->GetCount(), 2) << "the block itself is left out";
    CString strLine;
    pList->GetLBText(pList->GetCurSel(), strLine);
    EXPECT_EQ(CReferenceRow::NumberOfLine(strLine), pThird->m_nNumber) << strLine.ToUtf8();
    EXPECT_TRUE(pList->IsWindowVisible());
    EXPECT_FALSE(m_dlg.GetDlgItem(IDC_REF_VALUE)->IsWindowVisible());
    EXPECT_EQ(m_dlg.GetNextDlgTabItem(m_dlg.GetDlgItem(IDC_REF_VALUE)), pList) << "the list follows the value in tab order";
    pList->SetCurSel(0);
    m_row.ReadChoice();
    EXPECT_EQ(m_row.m_nBlockNumber, pOther->m_nNumber);
    m_dlg.CheckDlgButton(IDC_REF_CHECK, 0);
    m_row.OnCheckClicked(m_dlg);
    EXPECT_FALSE(pList->IsWindowVisible());
    EXPECT_TRUE(m_dlg.GetDlgItem(IDC_REF_VALUE)->IsWindowVisible());
    m_row.ReadChoice();
    EXPECT_EQ(m_row.m_nBlockNumber, -1) << "no reference without the box";
    EXPECT_EQ(CReferenceRow::NumberOfLine(_T("B12[Up/Down Counter]")), 9012);
    EXPECT_EQ(CReferenceRow::NumberOfLine(_T("Bx")), -1);
}

// A referenced block the list does not offer is no choice in the list, and reading the choice
// keeps it instead of naming the first block offered; the time rows of the stairway switch and
// the hours counter keep it through OK alike. A stop watch's Reference ticked with no block
// chosen stores none and keeps its factor.
TEST_F(SharedRows, AReferencedBlockTheListLacksIsKept)
{
    CBlockObj* pOwn = Block(BT_COUNTER, 100, 100);
    Block(BT_COUNTER, 100, 200);
    ASSERT_NO_FATAL_FAILURE(Open(pOwn, NUM_FUNCTION_BLOCK + 77));
    auto* pList = static_cast<CComboBox*>(m_dlg.GetDlgItem(IDC_REF_LIST));
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(pList->GetCurSel(), -1);
    m_row.ReadChoice();
    EXPECT_EQ(m_row.m_nBlockNumber, NUM_FUNCTION_BLOCK + 77);

    Doc().m_wHardwareCode = g_wHardwareCode = 0x5288;
    CBlockObj* pUnlisted = Block(BT_AND, 100, 300);
    for (const auto& [nType, nList, bTick] : {std::tuple{BT_MFS, int(IDC_TIME1_BLOCK_LIST), false},
                                              {BT_HCOUNTER, int(IDC_HC_BLOCK_LIST), false},
                                              {BT_LOG, IDC_REFERENCE_COMBO, true}}) {
        CBlockObj* pBlock = Block(nType, 300, 100);
        pBlock->m_dParam = 2.5;
        pBlock->m_nParam[BLOCK_REF_USED_PARAM] = !bTick;
        pBlock->m_pRefBlock[0] = bTick ? nullptr : pUnlisted;
        pBlock->m_nRefBlock[0] = bTick ? -1 : pUnlisted->m_nNumber;
        int nShown = 0;
        EditPage(pBlock, [&, nList = nList, bTick = bTick](CBlockPage& page) {
            if (bTick) {
                Combo(page, nList).SetCurSel(-1);
                page.GetDlgItem(IDC_REFERENCE)->SendMessage(BM_CLICK);
            }
            nShown = Combo(page, nList).GetCurSel();
        }, IDOK);
        EXPECT_EQ(nShown, -1) << nType;
        EXPECT_EQ(pBlock->m_pRefBlock[0], bTick ? nullptr : pUnlisted) << nType;
        EXPECT_EQ(pBlock->m_dParam, 2.5) << nType;
    }
}

// B12 stands before B1 in the list: the reference to B1 is found by its number, not by the
// first line that begins with "B1".
TEST_F(SharedRows, TheReferenceIsSelectedByItsExactNumber)
{
    CBlockObj* pOwn = Block(BT_COUNTER, 100, 100);
    Block(BT_COUNTER, 100, 200)->m_nNumber = NUM_FUNCTION_BLOCK + 12;
    Block(BT_COUNTER, 100, 300)->m_nNumber = NUM_FUNCTION_BLOCK + 1;
    ASSERT_NO_FATAL_FAILURE(Open(pOwn, NUM_FUNCTION_BLOCK + 1));
    m_row.ReadChoice();
    EXPECT_EQ(m_row.m_nBlockNumber, NUM_FUNCTION_BLOCK + 1);
}

TEST_F(SharedRows, TheHexBoxTakesFourHexDigitsInCapitals)
{
    CHexEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), Frame(), 4002));
    for (char16_t ch : std::u16string(u"a1g-f9c"))
        edit.SendMessage(WM_CHAR, WPARAM(ch), 1);
    CString strText;
    edit.GetWindowText(strText);
    EXPECT_EQ(strText, CString(_T("A1F9")));
    edit.SetWindowText(_T("beef0"));
    edit.GetWindowText(strText);
    EXPECT_EQ(strText, CString(_T("BEEF")));
}

}  // namespace
