// The icon button's check mode, colours, remembered icon id and focus, the Enter-safe button, and
// the layout engine's placement rule.
#include "controls/EnterSafeButton.h"
#include "controls/IconButton.h"
#include "controls/IconImages.h"
#include "controls/ResizableDialogLayout.h"

#include "platform/ui/KeyState.h"
#include "platform/ui/WindowFixture.h"
#include "support/QtTestInput.h"

namespace {

class IconButtonTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(m_parent.Create(nullptr, _T("parent"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100), nullptr, 0));
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
        WindowTest::TearDown();
    }
    CWnd m_parent;
};

TEST_F(IconButtonTest, PushButtonIgnoresCheckAndShowsItsHoverIconOnlyUnderTheMouse)
{
    CIconButton button;
    ASSERT_TRUE(button.Create(_T("I1"), WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 27, 40), &m_parent, 600));
    EXPECT_EQ(button.ButtonType(), DWORD(BS_OWNERDRAW));
    button.SetIcon(IDI_LAMP_ON, IDI_LAMP_OFF);
    button.SetCheck(1);
    EXPECT_EQ(button.GetCheck(), 0);
    EXPECT_EQ(button.GetShownIcon(), IDI_LAMP_OFF);
    button.SendMessage(WM_MOUSEMOVE, 0, MakePointLParam(CPoint(5, 5)));
    EXPECT_EQ(button.GetShownIcon(), IDI_LAMP_ON);
    button.SendMessage(WM_MOUSEMOVE, 0, MakePointLParam(CPoint(50, 50)));
    EXPECT_EQ(button.GetShownIcon(), IDI_LAMP_OFF);
}

TEST_F(IconButtonTest, CheckBoxModeTogglesOnEveryClickAndAnswersBmGetCheck)
{
    CIconButton button;
    ASSERT_TRUE(button.Create(_T(""), WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 0, 20, 20), &m_parent, 1154));
    ASSERT_TRUE(button.IsCheckBoxMode());
    button.SetIcon(191, 192);
    button.Click();
    EXPECT_EQ(button.GetCheck(), 1);
    EXPECT_EQ(button.SendMessage(BM_GETCHECK), 1);
    EXPECT_EQ(button.GetShownIcon(), 191);
    button.Click();
    EXPECT_EQ(button.GetCheck(), 0);
    EXPECT_EQ(button.GetShownIcon(), 192);
}

TEST_F(IconButtonTest, IconIdIsOnlyRememberedAndUnknownIconsCountAsNone)
{
    CIconButton button;
    ASSERT_TRUE(button.Create(_T(""), WS_VISIBLE, CRect(0, 0, 20, 20), &m_parent, 1));
    button.SetIcon(IDI_LAMP_OFF, 0);
    button.SetIconId(IDI_LAMP_ON);
    EXPECT_EQ(button.GetIconId(), IDI_LAMP_ON);
    EXPECT_EQ(button.GetShownIcon(), IDI_LAMP_OFF);
    button.SetIcon(12345, 0);
    EXPECT_EQ(button.GetIconIn(), 0);
    EXPECT_FALSE(IsKnownIconImage(12345));
}

TEST_F(IconButtonTest, NewSystemColoursResetTheButtonsColours)
{
    CIconButton button;
    ASSERT_TRUE(button.Create(_T("I1"), WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 27, 40), &m_parent, 600));
    const COLORREF crFace = button.GetColor(CIconButton::BTNST_COLOR_BK_IN);
    const COLORREF crText = button.GetColor(CIconButton::BTNST_COLOR_FG_IN);
    button.SetColor(CIconButton::BTNST_COLOR_BK_IN, RGB(1, 2, 3));
    button.SetColor(CIconButton::BTNST_COLOR_FG_FOCUS, RGB(4, 5, 6));
    button.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(button.GetColor(CIconButton::BTNST_COLOR_BK_IN), crFace);
    EXPECT_EQ(button.GetColor(CIconButton::BTNST_COLOR_FG_FOCUS), crText);
}

// The user's click, as Qt delivers it, takes the focus (and the focused look) to the icon button.
using IconButtonQtTest = QtControlsSuite;

TEST_F(IconButtonQtTest, AClickGivesTheButtonTheFocus)
{
    CIconButton button;
    ASSERT_TRUE(button.Create(_T("I1"), WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 37, 50), &m_top, 600));
    m_top.SetFocus();
    QtClick(QtWidgetOf(button));
    EXPECT_EQ(CWnd::GetFocus(), &button);
}

TEST(IconButtonColors, OffsetKeepsThePartsApartAndRefusesBadArguments)
{
    CIconButton button;
    EXPECT_EQ(button.OffsetColor(1, 300, FALSE), CIconButton::BTNST_BADPARAM);
    EXPECT_EQ(button.OffsetColor(6, 10, FALSE), CIconButton::BTNST_INVALIDINDEX);
    button.SetColor(0, RGB(250, 100, 10), FALSE);
    EXPECT_EQ(button.OffsetColor(0, 20, FALSE), CIconButton::BTNST_OK);
    EXPECT_EQ(button.GetColor(0), RGB(255, 105, 15));
    button.SetColor(0, RGB(250, 100, 10), FALSE);
    button.OffsetColor(0, -30, FALSE);
    EXPECT_EQ(button.GetColor(0), RGB(240, 90, 0));
    EXPECT_EQ(button.SetAlign(4, FALSE), 4u);
}

TEST(EnterSafeButton, SwallowsEnterOnly)
{
    CEnterSafeButton button;
    MSG enter{nullptr, WM_KEYDOWN, WPARAM(VK_RETURN), 0, 0, {0, 0}};
    MSG space{nullptr, WM_KEYDOWN, WPARAM(VK_SPACE), 0, 0, {0, 0}};
    EXPECT_TRUE(button.PreTranslateMessage(&enter));
    EXPECT_FALSE(button.PreTranslateMessage(&space));
}

TEST(LayoutPlacement, MovesEdgesByTheirShareOfTheGrowth)
{
    const struct {
        BYTE percent[4];
        CSize delta;
        CSize minimum;
        CRect expected;
    } cases[] = {
        {{0, 0, 100, 0}, CSize(30, 8), CSize(), CRect(10, 10, 80, 30)},
        {{50, 50, 50, 50}, CSize(33, 7), CSize(), CRect(26, 13, 66, 33)},
        {{100, 100, 100, 100}, CSize(-5, -5), CSize(), CRect(5, 5, 45, 25)},
        // Shrunk below the control's width: out of sight, left of the window.
        {{0, 0, 100, 0}, CSize(-50, 0), CSize(4, 0), CRect(-14, 10, -10, 30)},
    };
    for (const auto& c : cases) {
        cdxCDynamicPosition pos;
        pos.rcFirst = CRect(10, 10, 50, 30);
        pos.byLeft = c.percent[0];
        pos.byTop = c.percent[1];
        pos.byRight = c.percent[2];
        pos.byBottom = c.percent[3];
        pos.szMin = c.minimum;
        cdxCDynamicLayoutInfo info;
        info.szDelta = c.delta;
        EXPECT_EQ(cdxCalcNewPosition(pos, info), c.expected);
    }
}

TEST(LayoutModes, ModesGiveTheirPercentages)
{
    BYTE byNear = 9, byFar = 9;
    cdxModeToPercent(cdxRepos, byNear, byFar);
    EXPECT_EQ(byNear, 100);
    EXPECT_EQ(byFar, 100);
    cdxModeToPercent(7, byNear, byFar);
    EXPECT_EQ(byNear, 0);
    EXPECT_EQ(byFar, 0);
}

} // namespace
