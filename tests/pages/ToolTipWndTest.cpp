// The pages' tooltip window under a hand-driven clock and mouse: the delay before it shows, the
// five seconds it stays, the move to another control, the two-part text a click turns over,
// keys and clicks that hide it, tools removed, a hidden control's tip kept off the control that
// took its place, and the tip kept inside the screen.
#include "SheetFixture.h"

#include "pages/controls/ToolTipWnd.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"

namespace {

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

    CWnd m_owner;
    CEdit m_first;
    CEdit m_second;
    CToolTipWnd m_tip;
};

TEST_F(ToolTip, ShowsAfterTheDelayAndGoesAfterFiveSeconds)
{
    MoveOver(m_first);
    Wait(400);
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
    MoveOver(m_first);
    Wait(1000);
    EXPECT_FALSE(m_tip.IsTipShown()) << "not again over the same control";
    MoveOver(m_second);
    Wait(500);
    EXPECT_TRUE(m_tip.IsTipShown()) << "another control starts anew";
}

TEST_F(ToolTip, AClickTurnsATwoPartTextAndAKeyHidesIt)
{
    MoveOver(m_second);
    Wait(500);
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
    MoveOver(m_first);
    Wait(500);
    EXPECT_TRUE(m_tip.IsTipShown());
    m_tip.AddTool(&m_first, _T("twin"));
    EXPECT_EQ(m_tip.GetToolCount(), 3);
    m_tip.RemoveTool(&m_first, 0);
    EXPECT_EQ(m_tip.GetToolCount(), 2);
    EXPECT_FALSE(m_tip.IsTipShown()) << "the tool shown went";
    MoveOver(m_second);
    MoveOver(m_first);
    Wait(500);
    EXPECT_EQ(m_tip.GetShownText(), CString(_T("twin")));
}

// A list put in place of a value box (which is hidden, its tip still registered) shows no tip of
// the box's; a group box made before the control it surrounds does not hide the control's tip.
TEST_F(ToolTip, AHiddenControlsTipStaysOffTheControlInItsPlace)
{
    CComboBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 110, 30), &m_owner, 1003));
    m_first.ShowWindow(SW_HIDE);
    MoveOver(list);
    Wait(1000);
    EXPECT_FALSE(m_tip.IsTipShown());

    CButton frame;
    ASSERT_TRUE(frame.Create(_T("Frame"), WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(5, 90, 150, 140), &m_owner, 1004));
    CEdit framed;
    ASSERT_TRUE(framed.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 105, 110, 125), &m_owner, 1005));
    m_tip.AddTool(&framed, _T("framed"));
    MoveOver(framed);
    Wait(500);
    EXPECT_EQ(m_tip.GetShownText(), CString(_T("framed")));

    // The box shown again in the list's place has its tip back.
    list.ShowWindow(SW_HIDE);
    m_first.ShowWindow(SW_SHOW);
    MoveOver(m_first);
    Wait(500);
    EXPECT_EQ(m_tip.GetShownText(), CString(_T("0 .. 100")));
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
