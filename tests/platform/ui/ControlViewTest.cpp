// Which controls a backend's view factory is asked for: every standard control, except one whose
// class paints itself, which must stay visible with its own drawing and still take clicks.
#include "platform/ui/Button.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Static.h"
#include "platform/ui/WndMessageMap.h"

#include "platform/ui/WindowFixture.h"

namespace {

class CPaintedLabel : public CStatic {
protected:
    void OnPaint() override { CPaintDC dc(this); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPaintedLabel, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

class CPaintedButton : public CButton {
protected:
    void OnPaint() override { CPaintDC dc(this); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPaintedButton, CButton)
    ON_WM_PAINT()
END_MESSAGE_MAP()

class CClickParent : public CWnd {
public:
    int m_nClicks = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (HIWORD(DWORD(wParam)) == BN_CLICKED)
            ++m_nClicks;
        return CWnd::OnCommand(wParam, lParam);
    }
};

class NoView : public IControlView {
public:
    void Refresh() override {}
};

class ControlViewTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_previous = AfxSetControlViewFactory([this](CWnd&) {
            ++m_nViews;
            return std::make_unique<NoView>();
        });
        ASSERT_TRUE(m_parent.Create(nullptr, u"parent", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 300, 200),
                                    nullptr, 0));
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
        AfxSetControlViewFactory(m_previous);
        WindowTest::TearDown();
    }

    ControlViewFactory m_previous;
    int m_nViews = 0;
    CClickParent m_parent;
};

}  // namespace

TEST_F(ControlViewTest, AControlWhoseClassPaintsItselfGetsNoNativeView)
{
    CStatic plain;
    CPaintedLabel painted;
    ASSERT_TRUE(plain.Create(_T("plain"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &m_parent, 1));
    ASSERT_TRUE(painted.Create(_T("painted"), WS_CHILD | WS_VISIBLE, CRect(0, 30, 50, 50), &m_parent, 2));
    EXPECT_FALSE(plain.PaintsItself());
    EXPECT_TRUE(painted.PaintsItself());
    EXPECT_NE(plain.GetView(), nullptr);
    EXPECT_EQ(painted.GetView(), nullptr);
    EXPECT_EQ(m_nViews, 1);

    // Without a view the layer's own input handling still makes a click of it.
    CPaintedButton button;
    ASSERT_TRUE(button.Create(_T("go"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 60, 50, 80), &m_parent, 3));
    EXPECT_EQ(button.GetView(), nullptr);
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(CPoint(5, 5)));
    button.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(CPoint(5, 5)));
    EXPECT_EQ(m_parent.m_nClicks, 1);
}

// The control draws a new text itself, as a native view would show it.
TEST_F(ControlViewTest, AControlThatPaintsItselfIsPaintedAgainForANewText)
{
    CPaintedLabel painted;
    ASSERT_TRUE(painted.Create(_T("3X Series"), WS_CHILD | WS_VISIBLE, CRect(0, 30, 50, 50), &m_parent, 2));
    painted.UpdateWindow();
    ASSERT_FALSE(painted.GetUpdateRect(nullptr));
    painted.SetWindowText(_T("8X Series"));
    EXPECT_TRUE(painted.GetUpdateRect(nullptr));
}
