// The numeric and masked boxes by keystroke tables: digits, sign, the locale's decimal point,
// the digit budget, paste, text set by the program, leaving the box, and the "##:##" mask with
// Backspace; on Qt, the editing keys as the widgets deliver them.
#include "SheetFixture.h"

#include "pages/controls/MaskedEdit.h"
#include "pages/controls/NumericEdit.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/Clipboard.h"
#include "support/QtTestInput.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>

#include <string>
#include <vector>

namespace {

class EditControls : public SheetFixture {
protected:
    template <class TEdit>
    void Make(TEdit& edit)
    {
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 150, 30), Frame(), 4001));
    }
    // The keys typed into the box; the box's text after them.
    static CString Type(CEdit& edit, const std::u16string& keys)
    {
        for (char16_t ch : keys)
            edit.SendMessage(WM_CHAR, WPARAM(ch), 1);
        return Text(edit);
    }
    static CString Text(const CEdit& edit)
    {
        CString str;
        edit.GetWindowText(str);
        return str;
    }
    static int Caret(const CEdit& edit)
    {
        int nStart = 0;
        int nEnd = 0;
        edit.GetSel(nStart, nEnd);
        return nEnd;
    }
};

TEST_F(EditControls, AnIntegerBoxKeepsItsDigitBudgetAndRefusesWhatIsNoDigit)
{
    CIntegerEdit edit(9);
    Make(edit);
    edit.AllowNegative(false);
    EXPECT_EQ(Type(edit, u"-12.5a"), CString(_T("125")));
    edit.SetWindowText(_T("123456789"));
    edit.SetSel(9, 9);
    EXPECT_EQ(Type(edit, u"7"), CString(_T("123456789"))) << "a tenth digit at the end is dropped";
    edit.SetSel(2, 2);
    EXPECT_EQ(Type(edit, u"0"), CString(_T("120456789"))) << "inside a full box a digit overwrites";
    edit.SetWindowText(_T("12a"));
    EXPECT_EQ(Text(edit), CString(_T("12"))) << "text set by the program is filtered too";
}

TEST_F(EditControls, TheSignTogglesAwayFromTheStart)
{
    CIntegerEdit edit(9);
    Make(edit);
    Type(edit, u"12");
    edit.SetSel(1, 1);
    EXPECT_EQ(Type(edit, u"-"), CString(_T("-12")));
    EXPECT_EQ(Type(edit, u"-"), CString(_T("12")));
}

TEST_F(EditControls, ADecimalBoxPutsThePointBeforeADigitTheWholePartHasNoRoomFor)
{
    CNumericEdit edit(9, 4);
    Make(edit);
    edit.SetLocaleMarks('-', '.', ',');
    edit.SetMaxWholeDigits(3);
    edit.ModifyFlags(NUM_POINT_BEFORE_EXTRA_DIGIT, 0);
    EXPECT_EQ(Type(edit, u"1234"), CString(_T("123.4")));
    EXPECT_EQ(Type(edit, u"567"), CString(_T("123.4567")));
    EXPECT_EQ(Type(edit, u"8"), CString(_T("123.4567"))) << "a fifth decimal at the end is dropped";
    edit.SetSel(5, 5);
    EXPECT_EQ(Type(edit, u"9"), CString(_T("123.4967"))) << "inside the decimals it overwrites";
}

TEST_F(EditControls, TheLocalesDecimalPointAndADoubleBackAndForth)
{
    CNumericEdit edit(9, 4);
    Make(edit);
    edit.SetLocaleMarks('-', ',', ',');
    edit.SetGrouping(3);
    edit.SetDouble(1234.5);
    EXPECT_EQ(Text(edit), CString(_T("1.234,5"))) << "the group separator gave way to the point";
    EXPECT_DOUBLE_EQ(edit.GetDouble(), 1234.5);
    edit.SetGrouping(0);
    edit.SetDouble(2.5);
    EXPECT_EQ(Text(edit), CString(_T("2,5")));
    edit.SetDouble(3.0);
    EXPECT_EQ(Text(edit), CString(_T("3")));
    edit.SetDouble(3.0, false);
    EXPECT_EQ(Text(edit), CString(_T("3,0000"))) << "six decimals cut to the budget";
}

TEST_F(EditControls, PasteIsCutToTheValidText)
{
    CIntegerEdit edit(4);
    Make(edit);
    CClipboard::Empty();
    CClipboard::SetText(_T("9x8"));
    edit.SendMessage(WM_PASTE);
    EXPECT_EQ(Text(edit), CString(_T("98"))) << "the letter dropped";
    CClipboard::SetText(_T("98x7654"));
    edit.SendMessage(EM_SETSEL, 0, -1);
    edit.SendMessage(WM_PASTE);
    EXPECT_EQ(Text(edit), CString(_T("9876"))) << "past the four digits: cut to them, as typing them would";
}

TEST_F(EditControls, LeavingTheBoxClampsIntoTheRangeOrReportsIt)
{
    CIntegerEdit edit(9);
    Make(edit);
    edit.SetRange(0, 100);
    edit.ModifyFlags(NUM_CLAMP_INVALID, 0);
    edit.SetWindowText(_T("150"));
    edit.SendMessage(WM_KILLFOCUS);
    EXPECT_EQ(Text(edit), CString(_T("100")));
    edit.SetWindowText(_T(""));
    edit.SendMessage(WM_KILLFOCUS);
    EXPECT_EQ(Text(edit), CString()) << "an empty box is left alone without NUM_CLAMP_EMPTY";
    edit.ModifyFlags(NUM_FOCUS_INVALID | NUM_MESSAGE_INVALID, NUM_CLAMP_INVALID);
    edit.SetWindowText(_T("-5"));
    edit.SendMessage(WM_KILLFOCUS);
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, CString(_T("Please specify a numeric value between 0 and 100.")));
    EXPECT_EQ(CWnd::GetFocus(), &edit);
}

TEST_F(EditControls, ATimeMaskStepsOverItsColonAndBackspaceClearsToZero)
{
    CMaskedEdit edit(_T("##:##"));
    Make(edit);
    edit.SetWindowText(_T("01:00"));
    edit.SetSel(2, 2);
    EXPECT_EQ(Type(edit, u"2"), CString(_T("01:20")));
    EXPECT_EQ(Type(edit, u"3"), CString(_T("01:23")));
    EXPECT_EQ(Type(edit, u"\b"), CString(_T("01:20")));
    EXPECT_EQ(Caret(edit), 4);
    edit.SetSel(3, 3);
    EXPECT_EQ(Type(edit, u"\b"), CString(_T("01:20"))) << "behind the colon Backspace only moves";
    EXPECT_EQ(Caret(edit), 2);
    EXPECT_EQ(Type(edit, u"x"), CString(_T("01:20")));
    edit.SetWindowText(_T("1234567"));
    EXPECT_EQ(Text(edit), CString(_T("12:34"))) << "literals put in, the rest cut";
    EXPECT_EQ(edit.GetNumericText(), CString(_T("1234")));
}

TEST_F(EditControls, EditingKeysFromTheWidgetsKeepTheBoxesWellFormed)
{
    if (!RunningApp::OnQt())
        GTEST_SKIP() << "keys through the Qt widgets";
    InitQtControls();
    CIntegerEdit number(9);
    CIntegerEdit five(5);
    CNumericEdit decimal(2, 2);
    decimal.SetLocaleMarks('-', '.', ',');
    CMaskedEdit time(_T("##:##"));
    constexpr QtKey kCut{Qt::Key_X, Qt::ControlModifier, u"\x18"};
    constexpr QtKey kShiftDelete{Qt::Key_Delete, Qt::ShiftModifier, u"\x7f"};
    constexpr QtKey kNine{Qt::Key_9, Qt::NoModifier, u"9"};
    // A cut copies the selection and then removes it as Delete would, or leaves it as Delete does.
    const struct {
        CFilterEdit* pEdit;
        const char16_t* before;
        std::vector<QtKey> keys;
        const char16_t* after;
        int nCaret;
        const char16_t* clipboard = u"";
    } cases[] = {
        {&number, u"1234", {kQtHome, kQtRight, kQtDelete}, u"134", 1},
        {&number, u"1234", {kQtEnd, kQtBackspace, kQtBackspace}, u"12", 2},
        {&number, u"1234", {kQtEnd, kQtShiftHome, kQtDelete}, u"", 0},
        {&time, u"01:23", {kQtEnd, kQtLeft, kQtDelete}, u"01:2", 4},
        {&time, u"01:23", {kQtEnd, kQtBackspace}, u"01:20", 4},
        {&time, u"01:23", {kQtHome, kQtDelete}, u"01:23", 0},
        {&decimal, u"12.34", {kQtHome, kQtRight, kQtRight, kQtShiftRight, kCut}, u"12", 2, u"."},
        {&decimal, u"12.34", {kQtHome, kQtRight, kQtRight, kQtShiftRight, kShiftDelete}, u"12", 2, u"."},
        {&time, u"12:34", {kQtHome, kQtRight, kQtShiftRight, kQtShiftRight, kQtShiftRight, kCut}, u"12:34", 4, u"2:3"},
        {&time, u"12:34", {kQtEnd, kQtShiftLeft, kQtShiftLeft, kShiftDelete}, u"12:", 3, u"34"},
        {&five, u"-12345", {kQtHome, kNine}, u"-92345", 2},
    };
    Make(number);
    Make(five);
    Make(decimal);
    Make(time);
    for (const auto& c : cases) {
        CClipboard::Empty();
        c.pEdit->SetWindowText(c.before);
        c.pEdit->SetFocus();
        for (const QtKey& key : c.keys)
            key.TypeInto(QtWidgetOf(*c.pEdit));
        EXPECT_EQ(Text(*c.pEdit), CString(c.after)) << CString(c.before).ToUtf8() << " " << c.keys.size();
        EXPECT_EQ(Caret(*c.pEdit), c.nCaret) << CString(c.before).ToUtf8() << " " << c.keys.size();
        CString strClipboard;
        CClipboard::GetText(strClipboard);
        EXPECT_EQ(strClipboard, CString(c.clipboard)) << CString(c.before).ToUtf8() << " " << c.keys.size();
    }
}

// The line's own menu and an input method's committed text go through the box's rules as keys do.
TEST_F(EditControls, TheLinesMenuAndAnInputMethodKeepTheBoxesRules)
{
    if (!RunningApp::OnQt())
        GTEST_SKIP() << "the Qt widgets' menu and input method";
    InitQtControls();
    CNumericEdit decimal(2, 2);
    decimal.SetLocaleMarks('-', '.', ',');
    CMaskedEdit time(_T("##:##"));
    Make(decimal);
    Make(time);
    const struct {
        CFilterEdit* pEdit;
        const char16_t* before;
        int nStart;
        int nEnd;
        const char* menuEntry;   // else the committed text
        const char16_t* commit;
        const char16_t* after;
    } cases[] = {
        {&decimal, u"12.34", 2, 3, "Cu&t", nullptr, u"12"},
        {&decimal, u"12.34", 2, 3, "Delete", nullptr, u"12"},
        {&time, u"12:34", 1, 4, "Cu&t", nullptr, u"12:34"},
        {&time, u"12:34", 1, 4, "Delete", nullptr, u"12:34"},
        {&decimal, u"", 0, 0, nullptr, u"1x2.345", u"12.34"},
        {&time, u"12:34", 0, 0, nullptr, u"9a", u"92:34"},
    };
    for (const auto& c : cases) {
        c.pEdit->SetWindowText(c.before);
        c.pEdit->SetFocus();
        c.pEdit->SetSel(c.nStart, c.nEnd);
        QLineEdit* pLine = QtWidgetOf(*c.pEdit)->findChild<QLineEdit*>();
        if (c.menuEntry) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), pLine->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(pLine, &event);
            auto* pMenu = pLine->findChild<QMenu*>();
            ASSERT_NE(pMenu, nullptr);
            for (QAction* pAction : pMenu->actions()) {
                if (pAction->text().startsWith(QLatin1String(c.menuEntry)))
                    pAction->trigger();
            }
            delete pMenu;
        } else {
            QInputMethodEvent event;
            event.setCommitString(QString::fromUtf16(c.commit));
            QApplication::sendEvent(pLine, &event);
        }
        EXPECT_EQ(Text(*c.pEdit), CString(c.after)) << CString(c.before).ToUtf8() << " " << c.nStart;
    }
}

TEST_F(EditControls, ASecondPointTypedTakesTheCaretToTheDecimals)
{
    if (!RunningApp::OnQt())
        GTEST_SKIP() << "keys through the Qt widgets";
    CNumericEdit edit(9, 4);
    Make(edit);
    edit.SetLocaleMarks('-', '.', ',');
    const struct {
        const char* keys;
        const char16_t* after;
        int nCaret;
    } cases[] = {
        {"3.5.7", u"3.75", 3},
        {"12.34<<<<>.", u"12.34", 3},
        {"12.34<<<<>.5", u"12.534", 4},
    };
    for (const auto& c : cases) {
        edit.SetWindowText(_T(""));
        edit.SetFocus();
        QtTypeText(QtWidgetOf(edit), c.keys);
        EXPECT_EQ(Text(edit), CString(c.after)) << c.keys;
        EXPECT_EQ(Caret(edit), c.nCaret) << c.keys;
    }
}

}  // namespace
