// The block property sheet through Block Properties: the pages chosen by type code, the modal
// OK, Cancel and refused entries, the name edit's rules, the Boolean truth table, and the sheet's
// texts and help; all driven through the sheet's control ids.
#include "SheetFixture.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTypes.h"
#include "pages/blocks/Boolean.h"
#include "pages/sheet/BlockPageRegistry.h"
#include "pages/sheet/NameEdit.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/PageTexts.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/TabCtrl.h"
#include "support/QtTestInput.h"

#include <map>
#include <string>

namespace {

// The rows are looked up by halving: sorted, each found by its type, no row for a type
// without a sheet.
TEST(BlockPageRegistry, EveryRowIsFoundByItsTypeAndNoOther)
{
    const auto rows = GetBlockPageRows();
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(),
                               [](const BlockPageRow& a, const BlockPageRow& b) { return a.nType < b.nType; }));
    for (const BlockPageRow& row : rows)
        EXPECT_EQ(FindBlockPageRow(row.nType), &row) << row.nType;
    for (int nType : {BT_SOFTKEY, BT_MALE, BT_FEMALE, BT_MAKE, BT_AOUT_LAD, BT_POWERBUS, 0})
        EXPECT_EQ(FindBlockPageRow(nType), nullptr) << nType;
}

TEST(NameEdit, EnabledWhileNamesAreLeftOrTheBlockHasOne)
{
    EXPECT_TRUE(CNameEdit::IsEnabled(255, CString()));
    EXPECT_FALSE(CNameEdit::IsEnabled(256, CString()));
    EXPECT_TRUE(CNameEdit::IsEnabled(256, CString(_T("Pump"))));
    EXPECT_EQ(CNameEdit::Filter(CString(u"Pu\u00e9mp\u4e2d1")), CString(_T("Pump1")));
}

TEST(WordBits, OnlyTheLowWordChanges)
{
    int w = 0x30000;
    SetWordBit(w, 5);
    EXPECT_EQ(w, 0x30020);
    SetWordBit(w, 37);  // k is taken modulo 32, and bit 5 is set already
    EXPECT_EQ(w, 0x30020);
    ClearWordBit(w, 5);
    ClearWordBit(w, 17);  // bits above 15 are never cleared
    EXPECT_EQ(w, 0x30000);
}

class BlockSheet : public SheetFixture {};

TEST_F(BlockSheet, ModalOkWritesTheFieldsAndTakesOneSnapshot)
{
    CBlockObj* pBool = Block(BT_BOOLEAN);
    pBool->m_nParamEx[BOOLEAN_TABLE_PARAMEX] = 0x50001;  // bits above 15 travel through
    const int nBefore = Snapshots();
    EditModal(pBool, [&](CPropertySheet& sheet) {
        CPropertyPage* pPage = sheet.GetActivePage();
        ASSERT_NE(pPage, nullptr);
        EXPECT_EQ(static_cast<CComboBox*>(pPage->GetDlgItem(IDC_TRUTH_FIRST))->GetCurSel(), 1);
        EXPECT_EQ(static_cast<CComboBox*>(pPage->GetDlgItem(IDC_TRUTH_FIRST + 5))->GetCurSel(), 0);
        SetText(*pPage, IDC_BLOCK_NAME, _T("Mixer"));
        auto* pRow5 = static_cast<CComboBox*>(pPage->GetDlgItem(IDC_TRUTH_FIRST + 5));
        pRow5->SetFocus();
        pRow5->UserSelect(1);
        auto* pRow0 = static_cast<CComboBox*>(pPage->GetDlgItem(IDC_TRUTH_FIRST));
        pRow0->SetFocus();
        pRow0->UserSelect(0);
        pPage->CheckDlgButton(IDC_PROTECTION, 1);
    }, IDOK);
    EXPECT_EQ(pBool->m_strLabelSuffix, CString(_T("Mixer")));
    EXPECT_EQ(pBool->m_nParamEx[BOOLEAN_TABLE_PARAMEX], 0x50020);
    EXPECT_EQ(pBool->m_nParam[BLOCK_PROTECTION_PARAM], 1);
    EXPECT_EQ(Snapshots(), nBefore + 1);
}

TEST_F(BlockSheet, RefusedNameCharacterLeavesTheCursorWhereItWas)
{
    CBlockObj* pAnd = Block(BT_AND);
    EditModal(pAnd, [](CPropertySheet& sheet) {
        CWnd* pEdit = sheet.GetActivePage()->GetDlgItem(IDC_BLOCK_NAME);
        pEdit->SetFocus();
        for (char16_t ch : std::u16string(u"AB\u00fcCD"))
            pEdit->SendMessage(WM_CHAR, WPARAM(ch), 1);
    }, IDOK);
    EXPECT_EQ(pAnd->m_strLabelSuffix, CString(_T("ABCD")));
}

TEST_F(BlockSheet, RefusedNameCharacterTypedOverASelectionLeavesIt)
{
    if (!RunningApp::OnQt())
        GTEST_SKIP() << "keys through the Qt widgets";
    InitQtControls();
    CBlockObj* pAnd = Block(BT_AND);
    EditModal(pAnd, [](CPropertySheet& sheet) {
        CWnd& edit = *sheet.GetActivePage()->GetDlgItem(IDC_BLOCK_NAME);
        QtRetype(edit, "ABC*");
        QLineEdit* pLine = QtWidgetOf(edit)->findChild<QLineEdit*>();
        QtType(pLine, Qt::Key(0x4E2D), QString::fromUtf16(u"\u4e2d"));
        EXPECT_EQ(pLine->selectedText().toStdString(), "ABC");
    }, IDOK);
    EXPECT_EQ(pAnd->m_strLabelSuffix, CString(_T("ABC")));
}

// A name read from a file may hold characters the box refuses: the first key typed into the box
// takes them all out, on every page with a name box.
TEST_F(BlockSheet, ANameFromAFileLosesItsRefusedCharactersAtTheFirstKeyOnEveryPage)
{
    if (!RunningApp::OnQt())
        GTEST_SKIP() << "keys through the Qt widgets";
    InitQtControls();
    int nPages = 0;
    for (const BlockPageRow& row : GetBlockPageRows()) {
        SCOPED_TRACE(testing::Message() << "type " << row.nType);
        CBlockObj* pBlock = Block(row.nType);
        pBlock->m_strLabelSuffix = CString(u"G\u00fc");
        bool bHasName = false;
        EditModal(pBlock, [&](CPropertySheet& sheet) {
            CBlockPage* pPage = static_cast<CAllPropertySheet&>(sheet).m_pMainPage;
            CWnd* pEdit = pPage ? pPage->GetDlgItem(IDC_BLOCK_NAME) : nullptr;
            bHasName = pEdit != nullptr;
            if (!pEdit)
                return;
            QLineEdit* pLine = QtWidgetOf(*pEdit)->findChild<QLineEdit*>();
            QtClick(pLine);
            kQtEnd.TypeInto(pLine);
            QtTypeText(pLine, "x");
            EXPECT_EQ(pLine->text().toStdString(), "Gx");
            EXPECT_EQ(pLine->cursorPosition(), 2) << "the caret stays after what was typed";
        }, IDOK);
        if (!bHasName)
            continue;
        ++nPages;
        EXPECT_EQ(pBlock->m_strLabelSuffix, CString(_T("Gx")));
    }
    EXPECT_GT(nPages, 40);
}

TEST_F(BlockSheet, ModalOkWithoutChangesStillTakesOneSnapshot)
{
    CBlockObj* pAnd = Block(BT_AND);
    const int nBefore = Snapshots();
    Doc().SetModifiedFlag(FALSE);
    EditModal(pAnd, [](CPropertySheet&) {}, IDOK);
    EXPECT_EQ(Snapshots(), nBefore + 1);
    EXPECT_TRUE(Doc().IsModified()) << "closing asks to save what OK wrote";
}

TEST_F(BlockSheet, CancelChangesNothing)
{
    CBlockObj* pAnd = Block(BT_AND);
    pAnd->m_strComment = _T("first");
    const Bytes before = SaveToBytes(Doc());
    const int nBefore = Snapshots();
    EditModal(pAnd, [&](CPropertySheet& sheet) {
        SetText(*sheet.GetActivePage(), IDC_BLOCK_NAME, _T("Gate"));
        ASSERT_TRUE(sheet.SetActivePage(1));
        SetText(*sheet.GetActivePage(), IDC_COMMENT_EDIT, _T("second"));
    }, IDCANCEL);
    EXPECT_EQ(SaveToBytes(Doc()), before);
    EXPECT_EQ(Snapshots(), nBefore);
}

TEST_F(BlockSheet, OkWithARefusedEntryKeepsTheSheetOpenAndChangesNothing)
{
    CBlockObj* pAnd = Block(BT_AND);
    const Bytes before = SaveToBytes(Doc());
    EXPECT_TRUE(OkKeepsTheSheet(pAnd, IDC_BLOCK_NAME, _T("NineChars")));
    ASSERT_EQ(m_boxes.Boxes().size(), 1u) << "the data exchange's prompt";
    EXPECT_EQ(SaveToBytes(Doc()), before);
}

TEST_F(BlockSheet, CommentAndBlockBothCurrentOpenTheCommentBoxFirst)
{
    CBlockObj* pAnd = Block(BT_AND);
    auto* pBox = new CBlockComment;
    Doc().AddComment(pBox);
    std::vector<CString> shown;
    CDialog::SetDialogHook([&](CDialog& dlg) {
        CString strTitle;
        dlg.GetWindowText(strTitle);
        shown.push_back(strTitle);
        dlg.EndDialog(IDCANCEL);
    });
    V().SetCurrentObjects(pAnd, nullptr, pBox);
    Command(ID_EDIT_BLOCK_PROPERTIES);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], CString(_T("Property")));
    EXPECT_EQ(shown[1], V().FormatBlockCaption());
    EXPECT_NE(shown[1].Find(_T("[AND]")), -1) << shown[1].ToUtf8();
}

TEST_F(BlockSheet, LevelBlocksHaveOnlyTheCommentPageAndOtherKindsNoSheet)
{
    CBlockObj* pLow = Block(BT_LOW);
    int nPages = -1;
    EditModal(pLow, [&](CPropertySheet& sheet) {
        nPages = sheet.GetPageCount();
        EXPECT_EQ(static_cast<CAllPropertySheet&>(sheet).GetHelpTopic(), 1080u);
        SetText(*sheet.GetActivePage(), IDC_COMMENT_EDIT, _T("always off"));
    }, IDOK);
    EXPECT_EQ(nPages, 1);
    EXPECT_EQ(pLow->m_strComment, CString(_T("always off")));
    int nShown = 0;
    CDialog::SetDialogHook([&](CDialog& dlg) {
        ++nShown;
        dlg.EndDialog(IDCANCEL);
    });
    Properties(Block(BT_SOFTKEY));
    EXPECT_EQ(nShown, 0);
}

// The comment fills the page beside a parameter page; alone, it widens but stays on its page.
TEST_F(BlockSheet, TheCommentEditFillsItsPageWithoutRunningOutOfIt)
{
    auto editAndPage = [](CPropertySheet& sheet) {
        CWnd* pPage = sheet.GetActivePage();
        CRect rcEdit;
        pPage->GetDlgItem(IDC_COMMENT_EDIT)->GetWindowRect(rcEdit);
        pPage->ScreenToClient(rcEdit);
        CRect rcPage;
        pPage->GetClientRect(rcPage);
        return std::pair{rcEdit, rcPage};
    };
    EditModal(Block(BT_AND), [&](CPropertySheet& sheet) {
        CRect rcMain;
        static_cast<CAllPropertySheet&>(sheet).m_pMainPage->GetWindowRect(rcMain);
        ASSERT_TRUE(sheet.SetActivePage(1));
        EXPECT_EQ(editAndPage(sheet).first.Width(), rcMain.Width() - 25);
    }, IDCANCEL);
    EditModal(Block(BT_LOW), [&](CPropertySheet& sheet) {
        const auto [rcEdit, rcPage] = editAndPage(sheet);
        EXPECT_LE(rcEdit.right, rcPage.right - rcEdit.left);
    }, IDCANCEL);
}

TEST_F(BlockSheet, TheNameEditIsDisabledOnceTwoHundredFiftySixBlocksAreNamed)
{
    for (int i = 0; i < NAMED_BLOCKS_MAX; ++i)
        Block(BT_OR)->m_strLabelSuffix.Format(_T("N%d"), i);
    CBlockObj* pUnnamed = Block(BT_AND);
    CBlockObj* pNamed = Doc().FindBlockByNumber(9000);
    ASSERT_NE(pNamed, nullptr);
    std::vector<BOOL> enabled;
    OnModal([&](CPropertySheet& sheet) { enabled.push_back(sheet.GetActivePage()->GetDlgItem(IDC_BLOCK_NAME)->IsWindowEnabled()); },
            IDCANCEL);
    Properties(pUnnamed);
    Properties(pNamed);
    EXPECT_EQ(enabled, (std::vector<BOOL>{FALSE, TRUE}));
}

TEST_F(BlockSheet, ACharacterOfCode128OrMoreLeavesTheFocusedName)
{
    CBlockObj* pAnd = Block(BT_AND);
    EditModal(pAnd, [&](CPropertySheet& sheet) {
        CWnd* pEdit = sheet.GetActivePage()->GetDlgItem(IDC_BLOCK_NAME);
        pEdit->SetFocus();
        pEdit->SetWindowText(CString(u"Ga\u00fcte"));
        EXPECT_EQ(Text(*sheet.GetActivePage(), IDC_BLOCK_NAME), CString(_T("Gate")));
    }, IDOK);
    EXPECT_EQ(pAnd->m_strLabelSuffix, CString(_T("Gate")));
}

TEST_F(BlockSheet, ChineseTabTitlesAndTextsKeepTheTemplateWhereAKeyIsMissing)
{
    const std::map<WORD, CString> texts = {{TEXT_KEY_MAIN_PAGE, CString(u"\u53c2\u6570")},
                                           {IDC_BLOCK_NAME_LABEL, CString(u"\u540d\u79f0")},
                                           {WORD(IDOK), CString(u"\u786e\u5b9a")}};
    UseTexts(texts);
    g_bChineseUI = 1;
    CBlockObj* pAnd = Block(BT_AND);
    std::vector<CString> tabs;
    CString strLabel;
    CString strOK;
    CString strCancel;
    EditModal(pAnd, [&](CPropertySheet& sheet) {
        for (int i = 0; i < sheet.GetPageCount(); ++i)
            tabs.push_back(sheet.GetPage(i)->GetTabTitle());
        strLabel = Text(*sheet.GetActivePage(), IDC_BLOCK_NAME_LABEL);
        strOK = Text(sheet, IDOK);
        strCancel = Text(sheet, IDCANCEL);
    }, IDCANCEL);
    EXPECT_EQ(tabs, (std::vector<CString>{texts.at(TEXT_KEY_MAIN_PAGE), CString(_T("Comment"))}));
    EXPECT_EQ(strLabel, texts.at(IDC_BLOCK_NAME_LABEL));
    EXPECT_EQ(strOK, texts.at(WORD(IDOK)));
    EXPECT_EQ(strCancel, CString(_T("Cancel")));
}

TEST_F(BlockSheet, HelpOpensTheTopicOfTheTypeAndIsOffWithoutAHelpFile)
{
    std::vector<UINT> topics;
    SetPageHelpHandler([&](UINT nTopic) { topics.push_back(nTopic); });
    CBlockObj* pNand = Block(BT_NAND);
    BOOL bHelpEnabled = FALSE;
    EditModal(pNand, [&](CPropertySheet& sheet) {
        bHelpEnabled = sheet.GetDlgItem(IDHELP)->IsWindowEnabled();
        sheet.SendMessage(WM_COMMAND, MAKEWPARAM(IDHELP, BN_CLICKED), 0);
    }, IDCANCEL);
    SetPageHelpHandler(nullptr);
    EXPECT_TRUE(bHelpEnabled);
    EXPECT_EQ(topics, (std::vector<UINT>{1066}));
    EditModal(pNand, [&](CPropertySheet& sheet) { bHelpEnabled = sheet.GetDlgItem(IDHELP)->IsWindowEnabled(); }, IDCANCEL);
    EXPECT_FALSE(bHelpEnabled);
}

}  // namespace
