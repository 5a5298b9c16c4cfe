// The main window as a user meets it, under Qt's offscreen platform: maximised to the screen's
// work area, its menu bar above the toolbar, keyboard shortcuts typed anywhere in it reaching the
// accelerator table and followed by idle-time updates, and areas Qt repaints showing the window's
// background rather than stale pixels; on a desktop, restored, maximised, moved and sized by the
// window manager.
#include "platform/qt/QtMenus.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/MenuBarWnd.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/ToolBar.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/WndMessageMap.h"
#include "support/QtTestInput.h"
#include "WindowManagerRequests.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

constexpr UINT IDR_QT_MAINWND = 720;
constexpr UINT ID_QT_SHORTCUT = 42001;

std::vector<UINT> g_commands;

class CShortcutFrame : public CFrameWnd {
public:
    int m_nUpdates = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        g_commands.push_back(LOWORD(DWORD(wParam)));
        return CFrameWnd::OnCommand(wParam, lParam);
    }
    void OnUpdateShortcut(CCmdUI* pCmdUI)
    {
        ++m_nUpdates;
        pCmdUI->Enable(TRUE);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CShortcutFrame, CFrameWnd)
    ON_UPDATE_COMMAND_UI(ID_QT_SHORTCUT, OnUpdateShortcut)
END_MESSAGE_MAP()

// A view that draws only a small mark: everything else must be its erased background.
class CMarkView : public CWnd {
protected:
    void OnPaint() override
    {
        CPaintDC dc(this);
        dc.FillSolidRect(CRect(0, 0, 4, 4), RGB(0, 0, 255));
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CMarkView, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

class QtMainWindowTest : public QtMenusSuite {
protected:
    static void SetUpTestSuite()
    {
        QtMenusSuite::SetUpTestSuite();
        AfxRegisterMenuResource(IDR_QT_MAINWND, {
            {MF_POPUP, 0, _T("&File")},
            {MF_END, ID_QT_SHORTCUT, _T("&New\tCtrl+N")},
            {MF_POPUP | MF_END, 0, _T("&Help")},
            {MF_END, ID_APP_ABOUT, _T("&About")},
        });
        AfxRegisterToolBarResource(IDR_QT_MAINWND, {16, 15, {ID_QT_SHORTCUT, 0, ID_APP_ABOUT}, nullptr});
    }

    void SetUp() override
    {
        // The previous test's main window posted its WM_QUIT when it went.
        CMessageQueue::Get().Reset();
        g_commands.clear();
        m_pFrame = new CShortcutFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_QT_MAINWND));
        m_app.m_pMainWnd = m_pFrame;
        ASSERT_TRUE(m_toolBar.CreateEx(m_pFrame));
        ASSERT_TRUE(m_toolBar.LoadToolBar(IDR_QT_MAINWND));
        ASSERT_TRUE(m_view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(), m_pFrame,
                                  AFX_IDW_PANE_FIRST));
        m_pFrame->m_hAccelTable = &m_accelerators;
        m_pFrame->RecalcLayout();
    }
    void TearDown() override
    {
        if (IsWindow(m_pFrame))
            m_pFrame->DestroyWindow();
    }

    QWidget* FrameWidget() const { return QtWidgetOf(*m_pFrame); }
    // The layer's window rectangle of the frame.
    QRect FrameRect() const
    {
        CRect rect;
        m_pFrame->GetWindowRect(rect);
        return QRect(rect.left, rect.top, rect.Width(), rect.Height());
    }

    // Events are taken as they come until the condition holds once the window manager has done
    // what it was asked: it may still frame or move the window after the condition first holds.
    void Settle(const std::function<bool()>& bDone) const
    {
        ProcessEventsUntil(bDone);
        ASSERT_TRUE(WaitForWindowManager(*FrameWidget()));
        ProcessEventsUntil(bDone);
    }
    // Shown maximised by the window manager, which then frames the window.
    void ShowMaximised() const
    {
        m_pFrame->ShowWindow(SW_SHOWMAXIMIZED);
        QWidget* pWidget = FrameWidget();
        Settle([pWidget] { return pWidget->isMaximized() && pWidget->frameGeometry() != pWidget->geometry(); });
    }

    CWinApp m_app{_T("QtMainWindow")};
    CShortcutFrame* m_pFrame = nullptr;   // deletes itself with its window
    CToolBar m_toolBar;
    CMarkView m_view;
    CAcceleratorTable m_accelerators{{FVIRTKEY | FCONTROL, 'N', WORD(ID_QT_SHORTCUT)}};
};

}  // namespace

TEST_F(QtMainWindowTest, AMaximisedTopLevelWindowFillsTheScreensWorkArea)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    m_pFrame->ShowWindow(SW_SHOWMAXIMIZED);
    EXPECT_TRUE(m_pFrame->IsZoomed());
    // The layer sizes the window itself, as no window manager may be there to do it. (The
    // offscreen platform then shifts the widget by the frame it pretends to draw.)
    EXPECT_EQ(FrameRect(), available);
    EXPECT_EQ(FrameWidget()->size(), available.size());
    // The bars follow the new size at once.
    CRect rectView;
    m_view.GetWindowRect(rectView);
    EXPECT_EQ(rectView.Width(), available.width());
}

// A window shown maximised from the start and then restored (the title bar's button, through
// the window manager where there is one) gets a place that fits the work area with a frame
// around it, not the whole work area with its title bar off the screen.
TEST_F(QtMainWindowTest, RestoringTheMaximisedWindowGivesItAPlaceInsideTheWorkArea)
{
    if (!QtTestOnDesktop())
        GTEST_SKIP() << "Qt's offscreen platform reports no maximised state back";
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    ShowMaximised();
    QWidget* pWidget = FrameWidget();
    pWidget->showNormal();
    // The window manager and the layer may trade a few sizes before the window settles.
    Settle([this, pWidget, available] {
        return !m_pFrame->IsZoomed() && pWidget->width() < available.width() &&
               available.contains(pWidget->frameGeometry());
    });

    EXPECT_FALSE(m_pFrame->IsZoomed());
    const QRect frame = pWidget->frameGeometry();
    EXPECT_TRUE(available.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
    EXPECT_LT(pWidget->width(), available.width());
    EXPECT_LT(pWidget->height(), available.height());
    EXPECT_EQ(FrameRect().size(), pWidget->size()) << "the layer follows";
}

// The window manager maximises, restores, moves and sizes the window in an order of its own: one
// sends the new size before the new state (xfwm4), another after it (openbox). After each step
// the layer's window is the one on the screen and its layout fills it, so that a popup opens at
// its place and nothing is cut off or left grey.
TEST_F(QtMainWindowTest, TheLayerFollowsTheWindowManagersMaximiseRestoreMoveAndSize)
{
    if (!QtTestOnDesktop())
        GTEST_SKIP() << "a window manager's own order of events is the matter";
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    ShowMaximised();
    QWidget* pWidget = FrameWidget();
    const auto moved = [pWidget](int dx, int dy, int dWidth, int dHeight) {
        const QRect frame = pWidget->frameGeometry();
        return QRect(frame.topLeft() + QPoint(dx, dy), frame.size() + QSize(dWidth, dHeight));
    };
    // A restored window stands inside the work area: where it stood before, or moved there. One
    // that had a size of its own before it was maximised gets it back, even when its frame stood
    // partly off the work area.
    struct Step {
        const char* pszName;
        bool bMaximised;
        bool bInsideWorkArea;
        bool bKeepsSize;
        std::function<void()> ask;
    };
    const auto maximise = [pWidget](bool bMaximise) {
        return [pWidget, bMaximise] { AskWindowManagerToMaximise(*pWidget, bMaximise); };
    };
    const auto place = [&](int dx, int dy, int dWidth, int dHeight) {
        return [&, dx, dy, dWidth, dHeight] { AskWindowManagerToPlace(*pWidget, moved(dx, dy, dWidth, dHeight)); };
    };
    const Step steps[] = {
        {"restore", false, true, false, maximise(false)},
        {"maximise again", true, false, false, maximise(true)},
        {"restore again", false, true, true, maximise(false)},
        {"move 400 px, past the screen's edge", false, false, false, place(400, 0, 0, 0)},
        {"size", false, false, false, place(0, 0, -200, -100)},
        {"move the bottom off the screen", false, false, false, place(-200, 250, 0, 0)},
        {"maximise after the move", true, false, false, maximise(true)},
        {"restore after the move", false, true, true, maximise(false)},
    };
    QSize sizeNormal;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.pszName);
        const QRect before = pWidget->geometry();
        step.ask();
        Settle([&] { return pWidget->isMaximized() == step.bMaximised && pWidget->geometry() != before; });

        ASSERT_EQ(bool(m_pFrame->IsZoomed()), step.bMaximised);
        const QRect frame = pWidget->frameGeometry();
        // Maximised: across the whole work area (a frame may reach past it).
        if (step.bMaximised) {
            EXPECT_TRUE(frame.left() <= available.left() && frame.right() >= available.right())
                << frame.x() << "+" << frame.width();
        }
        if (step.bInsideWorkArea) {
            EXPECT_TRUE(available.contains(frame))
                << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
        }
        if (step.bKeepsSize) {
            EXPECT_EQ(pWidget->size(), sizeNormal);
        }
        if (!step.bMaximised)
            sizeNormal = pWidget->size();
        EXPECT_EQ(FrameRect(), pWidget->geometry())
            << "the layer's window is the one on the screen";
        // The view reaches to the window's edges, and lies on the screen where the layer says.
        auto* pView = static_cast<QtPeerWidget*>(QtWidgetOf(m_view));
        EXPECT_EQ(pView->width(), pWidget->width());
        EXPECT_EQ(pView->geometry().bottom(), pWidget->height() - 1);
        CPoint ptOrigin(0, 0);
        m_view.ClientToScreen(&ptOrigin);
        EXPECT_EQ(QPoint(ptOrigin.x, ptOrigin.y), pView->mapToGlobal(pView->ClientRect().topLeft()));
    }
}

TEST_F(QtMainWindowTest, TheMenuBarIsVisibleAndLaidOutAboveTheToolBar)
{
    // Laid out while the frame was still hidden; shown afterwards without another layout.
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    auto* pStrip = static_cast<CMenuBarWnd*>(m_pFrame->GetDlgItem(AFX_IDW_MENU_BAR));
    ASSERT_NE(pStrip, nullptr);
    QMenuBar* pMenuBar = QtMenuBarOf(*pStrip);
    ASSERT_NE(pMenuBar, nullptr);
    EXPECT_TRUE(pMenuBar->isVisible());
    const QRect menuRect(pMenuBar->mapTo(FrameWidget(), QPoint(0, 0)), pMenuBar->size());
    EXPECT_EQ(menuRect.top(), 0);
    EXPECT_EQ(menuRect.width(), FrameWidget()->width());
    // The strip is as tall as the native bar wants, so its captions are never cut.
    EXPECT_EQ(menuRect.height(), pMenuBar->sizeHint().height());
    const QWidget* pToolBar = QtWidgetOf(m_toolBar);
    EXPECT_TRUE(pToolBar->isVisible());
    EXPECT_EQ(pToolBar->geometry().top(), menuRect.bottom() + 1);
    ASSERT_EQ(pMenuBar->actions().size(), 2);
    EXPECT_EQ(pMenuBar->actions()[0]->text(), QStringLiteral("&File"));
    EXPECT_GT(pMenuBar->actionGeometry(pMenuBar->actions()[1]).right(), 0);
}

// Each change to the menu shows it anew, and a menu fills itself anew each time it opens: the
// menus of the time before go, with their submenus.
TEST_F(QtMainWindowTest, AMenuShownAnewLeavesNoMenusOfTheTimeBeforeBehind)
{
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    CMenu* pFile = m_pFrame->GetMenu()->GetSubMenu(0);
    auto* pRecent = new CMenu;
    pRecent->CreatePopupMenu();
    pRecent->AppendMenu(MF_STRING, ID_QT_SHORTCUT + 1, _T("&1 first"));
    pFile->AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(pRecent), _T("&Recent"));
    auto* pStrip = static_cast<CMenuBarWnd*>(m_pFrame->GetDlgItem(AFX_IDW_MENU_BAR));
    pStrip->SyncIfChanged();
    QMenuBar* pMenuBar = QtMenuBarOf(*pStrip);
    ASSERT_NE(pMenuBar, nullptr);
    const qsizetype nMenus = pMenuBar->findChildren<QMenu*>().size();
    const qsizetype nWidgets = QApplication::allWidgets().size();

    for (int i = 0; i < 20; ++i) {
        CString strCaption;
        strCaption.Format(_T("&New %d"), i);
        pFile->ModifyMenu(0, MF_BYPOSITION | MF_STRING, ID_QT_SHORTCUT, strCaption);
        pStrip->SyncIfChanged();
        QAction* pFileAction = pMenuBar->actions()[0];
        QtClick(pMenuBar, QRectF(pMenuBar->actionGeometry(pFileAction)).center());
        QMenu* pFileMenu = pFileAction->menu();
        ASSERT_TRUE(pFileMenu->isVisible());
        EXPECT_EQ(pFileMenu->actions()[0]->text(), QStringLiteral("&New %1").arg(i));
        QtType(pFileMenu, Qt::Key_Escape, QString());
        ASSERT_FALSE(pFileMenu->isVisible());
    }
    EXPECT_EQ(pMenuBar->findChildren<QMenu*>().size(), nMenus);
    EXPECT_EQ(QApplication::allWidgets().size(), nWidgets);
}

TEST_F(QtMainWindowTest, CtrlNTypedIntoTheWindowReachesTheAcceleratorTableAsWmCommand)
{
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    // Qt hands a key to the window's focus object; with the layer's focus in a view or nowhere,
    // the shortcut arrives as the frame's command and types no character.
    for (bool bViewFocused : {true, false}) {
        g_commands.clear();
        if (bViewFocused)
            m_view.SetFocus();
        else
            ::SetFocus(nullptr);
        QKeyEvent ctrlN(QEvent::KeyPress, Qt::Key_N, Qt::ControlModifier, QStringLiteral("\x0e"));
        QApplication::sendEvent(FrameWidget()->windowHandle(), &ctrlN);
        EXPECT_EQ(g_commands, std::vector<UINT>{ID_QT_SHORTCUT}) << "view focused: " << bViewFocused;
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_N, Qt::ControlModifier);
        QApplication::sendEvent(FrameWidget()->windowHandle(), &release);
    }
    // The loop's idle time follows the key, as it follows every message: menus and bars ask
    // for their commands' state again although nothing was posted.
    m_pFrame->m_nUpdates = 0;
    QCoreApplication::processEvents();
    EXPECT_GT(m_pFrame->m_nUpdates, 0);

    // N without Ctrl is no shortcut.
    g_commands.clear();
    QKeyEvent plainN(QEvent::KeyPress, Qt::Key_N, Qt::NoModifier, QStringLiteral("n"));
    QApplication::sendEvent(FrameWidget()->windowHandle(), &plainN);
    EXPECT_TRUE(g_commands.empty());
}

TEST_F(QtMainWindowTest, AnAreaQtRepaintsShowsTheErasedBackgroundNotStalePixels)
{
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    QWidget* pView = QtWidgetOf(m_view);
    // The layer's own paint has run and been validated; Qt now asks for the pixels again.
    m_view.UpdateWindow();
    const QImage image = pView->grab().toImage();
    ASSERT_GT(image.width(), 40);
    // Inside the 1-pixel border: the mark, then the white background the window erased.
    EXPECT_EQ(image.pixelColor(2, 2), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(30, 30), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(128, 128, 128));
}
