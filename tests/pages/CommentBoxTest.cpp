// Comment boxes: inserted by a click in comment mode, edited in their own sheet (text, and font
// and colour through the font dialog, committed only by OK), deleted by emptying the text, and
// each edit a step of Undo.
#include "SheetFixture.h"

#include "blocks/BlockComment.h"
#include "pages/sheet/InsComments.h"
#include "pages/sheet/PageIds.h"
#include "platform/core/FaceName.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/ui/Button.h"
#include "platform/ui/FontDialog.h"

#include <string>

namespace {

class CommentBox : public SheetFixture {
protected:
    CBlockComment* Insert(CPoint pt)
    {
        Command(ID_INSERT_COMMENTS);
        V().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(WORD(pt.x), WORD(pt.y)));
        V().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(WORD(pt.x), WORD(pt.y)));
        Command(ID_INSERT_COMMENTS);
        return Doc().m_commentList.IsEmpty() ? nullptr : static_cast<CBlockComment*>(Doc().m_commentList.GetTail());
    }
    void Edit(CBlockComment* pBox)
    {
        V().SetCurrentObjects(nullptr, nullptr, pBox);
        Command(ID_EDIT_BLOCK_PROPERTIES);
    }
    // The comment sheet's text and button; a font dialog on the way takes size and bold.
    void OnCommentSheet(LPCTSTR lpszText, bool bChooseFont, int nButton)
    {
        CDialog::SetDialogHook([=](CDialog& dlg) {
            if (auto* pFont = dynamic_cast<CFontDialog*>(&dlg)) {
                SetText(*pFont, IDC_FONT_SIZE, _T("20"));
                pFont->CheckDlgButton(IDC_FONT_BOLD, 1);
                pFont->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                return;
            }
            auto& sheet = static_cast<CPropertySheet&>(dlg);
            CPropertyPage* pPage = sheet.GetActivePage();
            if (lpszText)
                SetText(*pPage, IDC_COMMENT_EDIT, lpszText);
            if (bChooseFont)
                pPage->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FONT_BUTTON, BN_CLICKED), 0);
            sheet.SendMessage(WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED), 0);
        });
    }
};

TEST_F(CommentBox, AClickInCommentModeInsertsABoxWithOneSnapshot)
{
    const int nBefore = Snapshots();
    CBlockComment* pBox = Insert(CPoint(300, 200));
    ASSERT_NE(pBox, nullptr);
    EXPECT_EQ(pBox->m_strBoxText, CString(_T("Comment")));
    EXPECT_EQ(pBox->m_nLineCount, 1);
    EXPECT_EQ(CString(pBox->m_logFont.lfFaceName), CString(_T("Arial")));
    EXPECT_EQ(Snapshots(), nBefore + 1);
}

TEST_F(CommentBox, OkTakesTheTextItsWidestLineAndItsLines)
{
    CBlockComment* pBox = Insert(CPoint(300, 200));
    ASSERT_NE(pBox, nullptr);
    const int nBefore = Snapshots();
    const LPCTSTR lpszText = _T("ab\r\nthe longest line of all\r\ncd");
    OnCommentSheet(lpszText, false, IDOK);
    Edit(pBox);
    EXPECT_EQ(pBox->m_strBoxText, CString(lpszText));
    EXPECT_EQ(pBox->m_nLineCount, 3);
    const CSize sizeLong = CInsComments::MeasureText(_T("the longest line of all"), pBox->m_logFont, 1);
    EXPECT_EQ(pBox->m_nBoxWidth, sizeLong.cx);
    EXPECT_EQ(pBox->m_nBoxHeight, 3 * sizeLong.cy);
    EXPECT_EQ(Snapshots(), nBefore + 1);
    // A short word is as wide as "Comment".
    OnCommentSheet(_T("x"), false, IDOK);
    Edit(pBox);
    EXPECT_EQ(pBox->m_nBoxWidth, CInsComments::MeasureText(_T("Comment"), pBox->m_logFont, 1).cx);
}

TEST_F(CommentBox, TheFontDialogsChoiceCountsOnlyWithOk)
{
    CBlockComment* pBox = Insert(CPoint(300, 200));
    ASSERT_NE(pBox, nullptr);
    const LOGFONT lfBefore = pBox->m_logFont;
    OnCommentSheet(nullptr, true, IDCANCEL);
    Edit(pBox);
    EXPECT_EQ(pBox->m_logFont.lfHeight, lfBefore.lfHeight);
    EXPECT_EQ(pBox->m_logFont.lfWeight, lfBefore.lfWeight);
    OnCommentSheet(nullptr, true, IDOK);
    Edit(pBox);
    EXPECT_EQ(pBox->m_logFont.lfHeight, MulDiv(20, 96, 72));
    EXPECT_EQ(pBox->m_logFont.lfWeight, FW_BOLD);
    // A face from a file that the list lacks, all 32 units without an end: read to the array's
    // end, kept, and stored with its end.
    for (WCHAR& ch : pBox->m_logFont.lfFaceName)
        ch = u'A';
    Edit(pBox);
    EXPECT_EQ(CString(FaceNameOf(pBox->m_logFont)), CString(std::u16string(LF_FACESIZE - 1, u'A')));
}

TEST_F(CommentBox, AnEmptiedBoxIsDeletedAsAStepThatUndoBringsBack)
{
    CBlockComment* pBox = Insert(CPoint(300, 200));
    ASSERT_NE(pBox, nullptr);
    const int nBefore = Snapshots();
    OnCommentSheet(_T(""), false, IDOK);
    Edit(pBox);
    EXPECT_TRUE(Doc().m_commentList.IsEmpty());
    EXPECT_EQ(V().CurrentComment(), nullptr);
    EXPECT_EQ(Snapshots(), nBefore + 1);
    Command(ID_EDIT_UNDO);
    ASSERT_EQ(Doc().m_commentList.GetCount(), 1) << "Undo stays in step with the deletion";
    EXPECT_EQ(static_cast<CBlockComment*>(Doc().m_commentList.GetHead())->m_strBoxText, CString(_T("Comment")));
}

TEST_F(CommentBox, ABoxPastThePageAddsPagesAcross)
{
    CBlockComment* pBox = Insert(CPoint(300, 200));
    ASSERT_NE(pBox, nullptr);
    const int nPageWidth = Doc().m_sizeScreen.cx;
    ASSERT_GT(nPageWidth, 0);
    pBox->m_nLeft = nPageWidth - 20;
    OnCommentSheet(_T("a rather long comment that reaches past the page"), false, IDOK);
    Edit(pBox);
    EXPECT_EQ(Doc().m_nPagesAcross, 2);
    EXPECT_EQ(Doc().m_nPagesDown, 1);
    // No more than a hundred pages in all, as the Page Layout dialog allows.
    V().SetPageLayout(2, 50);
    pBox->m_nLeft = 2 * nPageWidth - 20;
    Edit(pBox);
    EXPECT_EQ(Doc().m_nPagesAcross, 2);
    EXPECT_EQ(Doc().m_nPagesDown, 50);
}

}  // namespace
