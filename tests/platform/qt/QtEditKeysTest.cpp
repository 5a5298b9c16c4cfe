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

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char16_t* text;   // what Qt gives the key on X11
};

constexpr Key kDelete{Qt::Key_Delete, Qt::NoModifier, u"\x7f"};
constexpr Key kBackspace{Qt::Key_Backspace, Qt::NoModifier, u"\b"};
constexpr Key kHome{Qt::Key_Home, Qt::NoModifier, u""};
constexpr Key kEnd{Qt::Key_End, Qt::NoModifier, u""};
constexpr Key kLeft{Qt::Key_Left, Qt::NoModifier, u""};
constexpr Key kRight{Qt::Key_Right, Qt::NoModifier, u""};
constexpr Key kUp{Qt::Key_Up, Qt::NoModifier, u""};
constexpr Key kDown{Qt::Key_Down, Qt::NoModifier, u""};
constexpr Key kShiftHome{Qt::Key_Home, Qt::ShiftModifier, u""};
constexpr Key kShiftEnd{Qt::Key_End, Qt::ShiftModifier, u""};
constexpr Key kShiftLeft{Qt::Key_Left, Qt::ShiftModifier, u""};
constexpr Key kX{Qt::Key_X, Qt::NoModifier, u"x"};

void Press(QWidget* pWidget, const Key& key)
{
    const QString strText = QString::fromUtf16(key.text);
    QKeyEvent press(QEvent::KeyPress, key.key, key.modifiers, strText);
    QApplication::sendEvent(pWidget, &press);
    QKeyEvent release(QEvent::KeyRelease, key.key, key.modifiers, strText);
    QApplication::sendEvent(pWidget, &release);
}

class QtEditKeysTest : public QtBackendSuite {
protected:
    void SetUp() override
    {
        InitQtControls();
        CMessageQueue::Get().Reset();
        AfxResetKeyState();
        ASSERT_TRUE(m_top.Create(nullptr, u"top", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 300, 200),
                                 nullptr, 0));
    }
    void TearDown() override
    {
        m_top.DestroyWindow();
        AfxResetKeyState();
    }

    CWinThread m_thread;
    CWnd m_top;
};

TEST_F(QtEditKeysTest, EditingKeysEditTheTextAndMoveTheCaretOfEveryEdit)
{
    constexpr DWORD kSingle = ES_AUTOHSCROLL;
    constexpr DWORD kMulti = ES_MULTILINE | ES_WANTRETURN;
    const struct {
        DWORD dwStyle;
        const char16_t* before;
        int nCaret;
        std::vector<Key> keys;
        const char16_t* after;
        int nSelStart;
        int nSelEnd;
    } cases[] = {
        {kSingle, u"abcd", 2, {kDelete}, u"abd", 2, 2},
        {kSingle, u"abcd", 2, {kBackspace}, u"acd", 1, 1},
        {kSingle, u"abcd", 2, {kHome, kDelete}, u"bcd", 0, 0},
        {kSingle, u"abcd", 2, {kEnd, kBackspace, kX}, u"abcx", 4, 4},
        {kSingle, u"abcd", 2, {kLeft, kRight, kRight, kDelete}, u"abc", 3, 3},
        {kSingle, u"abcd", 2, {kShiftHome}, u"abcd", 0, 2},
        {kSingle, u"abcd", 2, {kShiftEnd, kDelete}, u"ab", 2, 2},
        {kSingle, u"abcd", 2, {kShiftLeft, kShiftLeft, kDelete}, u"cd", 0, 0},
        {ES_NUMBER, u"1234", 1, {kDelete, kDelete}, u"14", 1, 1},
        // A line break is one step for the caret, Delete and Backspace.
        {kMulti, u"ab\r\ncd", 2, {kDelete}, u"abcd", 2, 2},
        {kMulti, u"ab\r\ncd", 4, {kBackspace}, u"abcd", 2, 2},
        {kMulti, u"ab\r\ncd", 2, {kRight, kX}, u"ab\r\nxcd", 5, 5},
        {kMulti, u"ab\r\ncd", 4, {kLeft, kX}, u"abx\r\ncd", 3, 3},
        // Home, End, Up and Down keep to the lines.
        {kMulti, u"ab\r\ncd", 5, {kHome}, u"ab\r\ncd", 4, 4},
        {kMulti, u"ab\r\ncd", 1, {kEnd}, u"ab\r\ncd", 2, 2},
        {kMulti, u"ab\r\ncd", 5, {kUp}, u"ab\r\ncd", 1, 1},
        {kMulti, u"abc\r\nd", 2, {kDown}, u"abc\r\nd", 6, 6},
        {kMulti, u"ab\r\ncd", 6, {kShiftHome, kDelete}, u"ab\r\n", 4, 4},
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
        for (const Key& key : c.keys)
            Press(pView, key);
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
        std::vector<Key> keys;
        const char16_t* after;
        int nCursor;
    } cases[] = {
        {{kHome, kDelete}, u"dev/ttyS1", 0},
        {{kHome, kRight, kDelete}, u"/ev/ttyS1", 1},
        {{kShiftHome, kX}, u"x", 1},
        {{kLeft, kBackspace}, u"/dev/tty1", 8},
        {{kEnd, kDelete, kX}, u"/dev/ttyS1x", 11},
        // Up and Down still choose from the list.
        {{kUp}, u"/dev/ttyS0", 10},
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
        for (const Key& key : c.keys)
            Press(pBox, key);
        CString strText;
        combo.GetWindowText(strText);
        EXPECT_EQ(strText, CString(c.after)) << strCase;
        EXPECT_EQ(pBox->lineEdit()->text(), QString::fromUtf16(c.after)) << strCase;
        EXPECT_EQ(pBox->lineEdit()->cursorPosition(), c.nCursor) << strCase;
        combo.DestroyWindow();
    }
}

}  // namespace
