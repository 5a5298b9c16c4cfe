// A palette page as a real widget under Qt's offscreen platform: its off-screen paint reaches
// the window's pixels (the host's background, the filled boxes, the selection frame), and a
// click on a box reaches the main window.
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "editor/PaletteHost.h"
#include "editor/PaletteTypes.h"
#include "editor/WorkspaceView.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/Wnd.h"
#include "support/QtTestInput.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kBackground = RGB(10, 20, 30);

// The main window: the palette's host, recording what the palette selects.
class HostFrame : public CWnd, public IPaletteHost {
public:
    int GetPaletteFlag() const override { return m_nFlag; }
    int GetPaletteTypeCode() const override { return m_nType; }
    COLORREF GetPaletteBackground() const override { return kBackground; }

    int m_nFlag = -1;
    int m_nType = -1;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PALETTE_SELECT) {
            m_nFlag = int(wParam);
            m_nType = int(lParam);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

QColor Colour(COLORREF cr) { return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr)); }

class WorkspaceViewQtTest : public QtBackendSuite {
protected:
    void SetUp() override
    {
        CMessageQueue::Get().Reset();
        InitPaletteTypeLists();
        m_wSavedHardware = g_wHardwareCode;
        g_wHardwareCode = 0x5188;
        ASSERT_TRUE(m_host.Create(nullptr, u"main", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 300, 500), nullptr, 0));
        m_thread.m_pMainWnd = &m_host;
        // A view deletes itself when its window goes.
        m_pView = new CWorkspaceView;
        ASSERT_TRUE(m_pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 400), &m_host, 0));
        m_pView->OnInitialUpdate();
        m_pWidget = QtWidgetOf(*m_pView);
        ASSERT_NE(m_pWidget, nullptr);
    }
    void TearDown() override
    {
        m_thread.m_pMainWnd = nullptr;
        m_host.DestroyWindow();
        g_wHardwareCode = m_wSavedHardware;
        CMessageQueue::Get().Reset();
    }

    QImage Grab() const { return m_pWidget->grab().toImage(); }

    CWinThread m_thread;
    HostFrame m_host;
    CWorkspaceView* m_pView = nullptr;
    QWidget* m_pWidget = nullptr;
    WORD m_wSavedHardware = 0;
};

TEST_F(WorkspaceViewQtTest, TheOffScreenPaintReachesTheWindow)
{
    m_pView->m_nCategory = PALETTE_TAB_BSC;
    m_pView->m_nSelectedType = BT_NAND;  // item 2: box (10, 107) - (35, 143)
    const QImage image = Grab();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixelColor(150, 5), Colour(kBackground));
    EXPECT_EQ(image.pixelColor(13, 20), Colour(RGB(245, 217, 129))) << "inside the first box";
    EXPECT_EQ(image.pixelColor(22, 15), Colour(RGB(0, 0, 0))) << "the first box's top edge";
    EXPECT_EQ(image.pixelColor(22, 103), Colour(RGB(200, 0, 0))) << "the frame above the selected box";
    EXPECT_EQ(image.pixelColor(22, 57), Colour(kBackground)) << "no frame round the others";
}

TEST_F(WorkspaceViewQtTest, AClickOnABoxSelectsItsType)
{
    m_pView->m_nCategory = PALETTE_TAB_MATH;
    const QPointF local(20, 46 * 2 + 25);
    QMouseEvent press(QEvent::MouseButtonPress, local, m_pWidget->mapToGlobal(local), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_pWidget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, m_pWidget->mapToGlobal(local), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(m_pWidget, &release);
    EXPECT_EQ(m_host.m_nFlag, 1);
    EXPECT_EQ(m_host.m_nType, BT_MOD);
    EXPECT_EQ(m_pView->m_nSelectedType, BT_MOD);
    EXPECT_EQ(Grab().pixelColor(22, 46 * 2 + 11), Colour(RGB(200, 0, 0)));
}

} // namespace
