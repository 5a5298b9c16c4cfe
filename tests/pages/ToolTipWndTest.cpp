// The pages' tooltip window under a hand-driven clock and mouse: the delay before it shows, the
// five seconds it stays, the move to another control, the two-part text a click turns over,
// keys and clicks that hide it, tools removed, a hidden control's tip kept off the control that
// took its place, and the tip kept inside the screen; texts the owner gives when asked, the font,
// each tool's width and colours, and the focus a click on the tip gives back.
#include "SheetFixture.h"

#include "pages/controls/ToolTipWnd.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ToolBar.h"

#include <QImage>
#include <QWidget>

namespace {

// An owner that answers the tip's text requests with the ids it was asked for.
class AnsweringOwner : public CWnd {
public:
    CString m_strAnswer = _T("asked");
    std::vector<std::pair<WPARAM, UINT_PTR>> m_requests;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        auto* pInfo = reinterpret_cast<NMTTDISPINFO*>(lParam);
        if (pInfo->hdr.code != UINT(TTN_NEEDTEXT))
            return CWnd::OnNotify(wParam, lParam, pResult);
        m_requests.emplace_back(wParam, pInfo->hdr.idFrom);
        pInfo->strText = m_strAnswer;
        return TRUE;
    }
};

class ToolTip : public SheetFixture {
protected:
    void SetUp() override
    {
        SheetFixture::SetUp();
        ASSERT_TRUE(m_owner.CreateEx(0, nullptr, _T("owner"), WS_POPUP | WS_VISIBLE, CRect(100, 100, 500, 400),
                                     nullptr, 0));
        ASSERT_TRUE(m_first.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 110, 30), &m_owner, 1001));
        ASSERT_TRUE(m_second.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 50, 110, 70), &m_owner, 1002));
        ASSERT_TRUE(m_tip.Create(&m_owner));
        m_tip.AddTool(&m_first, _T("0 .. 100"));
        m_tip.AddTool(&m_second, _T("Short\rThe long explanation"));
    }
    void TearDown() override
    {
        m_tip.DestroyWindow();
        m_owner.DestroyWindow();
        SheetFixture::TearDown();
    }
    void MoveOver(CWnd& control)
    {
        MSG msg = MouseRestingOn(control);
        m_tip.RelayEvent(&msg);
    }
    // The mouse comes to rest on the control and stays there a while.
    void RestOn(CWnd& control, UINT nMilliseconds = 500)
    {
        MoveOver(control);
        Wait(nMilliseconds);
    }

    CSize ShownSize()
    {
        CRect rect;
        m_tip.GetWindowRect(rect);
        return rect.Size();
    }

    AnsweringOwner m_owner;
    CEdit m_first;
    CEdit m_second;
    CToolTipWnd m_tip;
};

TEST_F(ToolTip, ShowsAfterTheDelayAndGoesAfterFiveSeconds)
{
    RestOn(m_first, 400);
    EXPECT_FALSE(m_tip.IsTipShown());
    Wait(100);
    ASSERT_TRUE(m_tip.IsTipShown());
    EXPECT_EQ(m_tip.GetShownText(), CString(_T("0 .. 100")));
    CPoint ptMouse;
    GetCursorPos(&ptMouse);
    CRect rcTip;
    m_tip.GetWindowRect(rcTip);
    EXPECT_EQ(rcTip.TopLeft(), ptMouse + CPoint(0, CToolTipWnd::OFFSET_Y));
    Wait(4400);
    EXPECT_TRUE(m_tip.IsTipShown());
    Wait(600);
    EXPECT_FALSE(m_tip.IsTipShown()) << "five seconds over the control";
    RestOn(m_first, 1000);
    EXPECT_FALSE(m_tip.IsTipShown()) << "not again over the same control";
    RestOn(m_second);
    EXPECT_TRUE(m_tip.IsTipShown()) << "another control starts anew";
}

TEST_F(ToolTip, AClickTurnsATwoPartTextAndAKeyHidesIt)
{
    RestOn(m_second);
    ASSERT_TRUE(m_tip.IsTipShown());
    EXPECT_EQ(m_tip.GetShownText(), CString(_T("  Short")));
    m_tip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(m_tip.GetShownText(), CString(_T("  The long explanation")));
    EXPECT_TRUE(m_tip.IsTipShown());
    m_tip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(m_tip.GetShownText(), CString(_T("  Short")));
    MSG key = {&m_second, WM_KEYDOWN, 'A', 1, 0, {0, 0}};
    m_tip.RelayEvent(&key);
    EXPECT_FALSE(m_tip.IsTipShown());
}

TEST_F(ToolTip, ADisabledControlShowsItsTipAndRemovingATakesTheFirstOfTwins)
{
    m_first.EnableWindow(FALSE);
    RestOn(m_first);
    EXPECT_TRUE(m_tip.IsTipShown());
    m_tip.AddTool(&m_first, _T("twin"));
    EXPECT_EQ(m_tip.GetToolCount(), 3);
    m_tip.RemoveTool(&m_first, 0);
    EXPECT_EQ(m_tip.GetToolCount(), 2);
    EXPECT_FALSE(m_tip.IsTipShown()) << "the tool shown went";
    MoveOver(m_second);
    RestOn(m_first);
    EXPECT_EQ(m_tip.GetShownText(), CString(_T("twin")));
}

// A list put in place of a value box (which is hidden, its tip still registered) shows no tip of
// the box's; a group box made before the control it surrounds does not hide the control's tip.
TEST_F(ToolTip, AHiddenControlsTipStaysOffTheControlInItsPlace)
{
    CComboBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 110, 30), &m_owner, 1003));
    m_first.ShowWindow(SW_HIDE);
    RestOn(list, 1000);
    EXPECT_FALSE(m_tip.IsTipShown());

    CButton frame;
    ASSERT_TRUE(frame.Create(_T("Frame"), WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(5, 90, 150, 140), &m_owner, 1004));
    CEdit framed;
    ASSERT_TRUE(framed.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 105, 110, 125), &m_owner, 1005));
    m_tip.AddTool(&framed, _T("framed"));
    RestOn(framed);
    EXPECT_EQ(m_tip.GetShownText(), CString(_T("framed")));

    // The box shown again in the list's place has its tip back.
    list.ShowWindow(SW_HIDE);
    m_first.ShowWindow(SW_SHOW);
    RestOn(m_first);
    EXPECT_EQ(m_tip.GetShownText(), CString(_T("0 .. 100")));
}

TEST_F(ToolTip, AToolWithoutTextAsksItsOwnerEachTimeItShows)
{
    CEdit third;
    ASSERT_TRUE(third.Create(WS_CHILD | WS_VISIBLE, CRect(10, 90, 110, 110), &m_owner, 1003));
    m_tip.AddTool(&third, LPSTR_TEXTCALLBACK, nullptr, 7);
    RestOn(third);
    ASSERT_TRUE(m_tip.IsTipShown());
    EXPECT_EQ(m_tip.GetShownText(), CString(_T("asked")));
    ASSERT_EQ(m_owner.m_requests.size(), 1U);
    EXPECT_EQ(m_owner.m_requests[0], std::make_pair(WPARAM(7), UINT_PTR(1003)));
    m_owner.m_strAnswer = _T("Short\rLong");
    MoveOver(m_first);
    RestOn(third);
    EXPECT_EQ(m_tip.GetShownText(), CString(_T("  Short"))) << "the answer of the moment";
    m_owner.m_strAnswer.Empty();
    MoveOver(m_first);
    RestOn(third);
    EXPECT_FALSE(m_tip.IsTipShown()) << "no answer, no tip";
}

TEST_F(ToolTip, TheFontSizesTheTipAndTheMessagesSetAndReadIt)
{
    RestOn(m_first);
    const CSize sizeSystem = ShownSize();
    LOGFONT big = CToolTipWnd::GetSystemStatusFont();
    big.lfHeight = -30;
    CFont font;
    font.CreateFontIndirect(&big);
    m_tip.CWnd::SetFont(&font);  // WM_SETFONT
    EXPECT_FALSE(m_tip.UsesSystemFont());
    LOGFONT read{};
    ASSERT_NE(m_tip.GetFont(), nullptr);  // WM_GETFONT
    m_tip.GetFont()->GetLogFont(&read);
    EXPECT_EQ(read.lfHeight, -30);
    MoveOver(m_second);
    RestOn(m_first);
    EXPECT_GT(ShownSize().cy, sizeSystem.cy);
    EXPECT_GT(ShownSize().cx, sizeSystem.cx);
    m_tip.SendMessage(WM_SETFONT, 0, TRUE);
    EXPECT_TRUE(m_tip.UsesSystemFont()) << "a font that cannot be read gives the system's back";
}

TEST_F(ToolTip, EachToolKeepsTheWidthAndColoursSetWhenItWasAdded)
{
    const LPCTSTR pszLong = _T("a text that is much wider than forty pixels");
    CEdit wide;
    CEdit narrow;
    ASSERT_TRUE(wide.Create(WS_CHILD | WS_VISIBLE, CRect(10, 90, 110, 110), &m_owner, 1003));
    ASSERT_TRUE(narrow.Create(WS_CHILD | WS_VISIBLE, CRect(10, 130, 110, 150), &m_owner, 1004));
    m_tip.AddTool(&wide, pszLong);
    m_tip.SetDefaultWidth(40);
    m_tip.SetDefaultColors(RGB(255, 255, 255), RGB(0, 0, 160));
    m_tip.AddTool(&narrow, pszLong);
    const auto backAtCorner = [this] {
        QWidget* pWidget = QtWidgetOf(m_tip);
        const QImage image = pWidget ? pWidget->grab().toImage() : QImage();
        return image.isNull() ? QColor() : image.pixelColor(image.width() - 2, image.height() - 2);
    };
    RestOn(narrow);
    ASSERT_TRUE(m_tip.IsTipShown());
    EXPECT_LE(ShownSize().cx, 40 + 2 + 3) << "wrapped at the width, plus the margins";
    const QColor crNarrow = backAtCorner();
    RestOn(wide);
    EXPECT_GT(ShownSize().cx, 100) << "a tool added before keeps the widest line";
    if (QtWidgetOf(m_tip)) {
        EXPECT_EQ(crNarrow, QColor(0, 0, 160));
        EXPECT_EQ(backAtCorner(), QColor(255, 255, 225)) << "the system's colours";
    }
}

TEST_F(ToolTip, AClickOnTheTipGivesTheFocusBack)
{
    m_first.SetFocus();
    RestOn(m_second);
    ASSERT_TRUE(m_tip.IsTipShown());
    m_tip.SetFocus();  // what the click on the popup does to the keyboard
    m_tip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(CWnd::GetFocus(), &m_first);
    EXPECT_TRUE(m_tip.IsTipShown());
}

TEST(ToolTipPosition, KeptInsideTheScreenAndAboveTheControlAtTheBottom)
{
    const CRect rcScreen(0, 0, 800, 600);
    const CRect rcControl(700, 560, 790, 580);
    const CRect rect = CToolTipWnd::PositionRect(CPoint(760, 590), CSize(100, 30), rcScreen, rcControl);
    EXPECT_EQ(rect.right, 800);
    EXPECT_EQ(rect.bottom, rcControl.top);
    EXPECT_EQ(CToolTipWnd::PositionRect(CPoint(-5, 10), CSize(50, 20), rcScreen, rcControl).left, 0);
    EXPECT_EQ(CToolTipWnd::GetTextLine(_T("a\rb"), 1, '\r'), CString(_T("b")));
    EXPECT_EQ(CToolTipWnd::GetTextLine(_T("a\rb"), 2, '\r'), CString());
}

}  // namespace
