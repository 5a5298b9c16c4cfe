// The editing keys as Qt delivers them (Delete with its DEL text, Backspace, Home, End and the
// arrows, with and without Shift) reaching each kind of edit box: the text and the caret after
// them, read back from the control the program reads.
#include "platform/qt/QtControlView.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/WinThread.h"
#include "support/QtTestInput.h"

#include <QComboBox>
#include <QLineEdit>

#include <string>
#include <vector>

namespace {

constexpr QtKey kX{Qt::Key_X, Qt::NoModifier, u"x"};

using QtEditKeysTest = QtControlsSuite;

TEST_F(QtEditKeysTest, EditingKeysEditTheTextAndMoveTheCaretOfEveryEdit)
{
    constexpr DWORD kSingle = ES_AUTOHSCROLL;
    constexpr DWORD kMulti = ES_MULTILINE | ES_WANTRETURN;
    const struct {
        DWORD dwStyle;
        const char16_t* before;
        int nCaret;
        std::vector<QtKey> keys;
        const char16_t* after;
        int nSelStart;
        int nSelEnd;
    } cases[] = {
        {kSingle, u"abcd", 2, {kQtDelete}, u"abd", 2, 2},
        {kSingle, u"abcd", 2, {kQtBackspace}, u"acd", 1, 1},
        {kSingle, u"abcd", 2, {kQtHome, kQtDelete}, u"bcd", 0, 0},
        {kSingle, u"abcd", 2, {kQtEnd, kQtBackspace, kX}, u"abcx", 4, 4},
        {kSingle, u"abcd", 2, {kQtLeft, kQtRight, kQtRight, kQtDelete}, u"abc", 3, 3},
        {kSingle, u"abcd", 2, {kQtShiftHome}, u"abcd", 0, 2},
        {kSingle, u"abcd", 2, {kQtShiftEnd, kQtDelete}, u"ab", 2, 2},
        {kSingle, u"abcd", 2, {kQtShiftLeft, kQtShiftLeft, kQtDelete}, u"cd", 0, 0},
        {ES_NUMBER, u"1234", 1, {kQtDelete, kQtDelete}, u"14", 1, 1},
        // A line break is one step for the caret, Delete and Backspace.
        {kMulti, u"ab\r\ncd", 2, {kQtDelete}, u"abcd", 2, 2},
        {kMulti, u"ab\r\ncd", 4, {kQtBackspace}, u"abcd", 2, 2},
        {kMulti, u"ab\r\ncd", 2, {kQtRight, kX}, u"ab\r\nxcd", 5, 5},
        {kMulti, u"ab\r\ncd", 4, {kQtLeft, kX}, u"abx\r\ncd", 3, 3},
        // Home, End, Up and Down keep to the lines.
        {kMulti, u"ab\r\ncd", 5, {kQtHome}, u"ab\r\ncd", 4, 4},
        {kMulti, u"ab\r\ncd", 1, {kQtEnd}, u"ab\r\ncd", 2, 2},
        {kMulti, u"ab\r\ncd", 5, {kQtUp}, u"ab\r\ncd", 1, 1},
        {kMulti, u"abc\r\nd", 2, {kQtDown}, u"abc\r\nd", 6, 6},
        {kMulti, u"ab\r\ncd", 6, {kQtShiftHome, kQtDelete}, u"ab\r\n", 4, 4},
    };
    for (const auto& c : cases) {
        const std::string strCase = CString(c.before).ToUtf8() + " style " + std::to_string(c.dwStyle) +
                                    " keys " + std::to_string(c.keys.size());
        CEdit edit;
        ASSERT_TRUE(edit.Create(c.dwStyle | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 80), &m_top, 5));
        edit.SetWindowText(c.before);
        edit.SetSel(c.nCaret, c.nCaret);
        edit.SetFocus();
        QWidget* pPeer = QtWidgetOf(edit);
        ASSERT_NE(pPeer, nullptr);
        QWidget* pView = pPeer->focusProxy();
        ASSERT_NE(pView, nullptr);
        for (const QtKey& key : c.keys)
            key.TypeInto(pView);
        CString strText;
        edit.GetWindowText(strText);
        EXPECT_EQ(strText, CString(c.after)) << strCase;
        int nStart = -1, nEnd = -1;
        edit.GetSel(nStart, nEnd);
        EXPECT_EQ(nStart, c.nSelStart) << strCase;
        EXPECT_EQ(nEnd, c.nSelEnd) << strCase;
        edit.DestroyWindow();
    }
}

TEST_F(QtEditKeysTest, TheComboBoxsEditFieldMovesItsCaretAndDeletesWithoutAGlyph)
{
    const struct {
        std::vector<QtKey> keys;
        const char16_t* after;
        int nCursor;
    } cases[] = {
        {{kQtHome, kQtDelete}, u"dev/ttyS1", 0},
        {{kQtHome, kQtRight, kQtDelete}, u"/ev/ttyS1", 1},
        {{kQtShiftHome, kX}, u"x", 1},
        {{kQtLeft, kQtBackspace}, u"/dev/tty1", 8},
        {{kQtEnd, kQtDelete, kX}, u"/dev/ttyS1x", 11},
        // Up and Down still choose from the list.
        {{kQtUp}, u"/dev/ttyS0", 10},
    };
    for (const auto& c : cases) {
        const std::string strCase = CString(c.after).ToUtf8();
        CComboBox combo;
        ASSERT_TRUE(combo.Create(CBS_DROPDOWN | WS_VISIBLE, CRect(10, 10, 200, 120), &m_top, 6));
        combo.AddString(_T("/dev/ttyS0"));
        combo.AddString(_T("/dev/ttyS1"));
        combo.SetCurSel(1);
        combo.SetFocus();
        auto* pBox = QtWidgetOf(combo)->findChild<QComboBox*>();
        ASSERT_NE(pBox, nullptr);
        pBox->lineEdit()->end(false);
        for (const QtKey& key : c.keys)
            key.TypeInto(pBox);
        CString strText;
        combo.GetWindowText(strText);
        EXPECT_EQ(strText, CString(c.after)) << strCase;
        EXPECT_EQ(pBox->lineEdit()->text(), QString::fromUtf16(c.after)) << strCase;
        EXPECT_EQ(pBox->lineEdit()->cursorPosition(), c.nCursor) << strCase;
        combo.DestroyWindow();
    }
}

}  // namespace
