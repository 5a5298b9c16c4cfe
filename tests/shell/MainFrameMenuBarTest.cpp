// The menu bar while the user works on a diagram: the idle pass after every key, mouse move and
// scan of the simulation finds the menu as it was and leaves the native menus alone, so that the
// program's menus stay as many as they were over minutes of work.
#include "editor/VetlaView.h"
#include "platform/qt/QtMenus.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuBarWnd.h"
#include "shell/MainFrame.h"
#include "shell/Resource.h"
#include "shell/VetlaApp.h"
#include "support/QtTestInput.h"
#include "support/RunningApp.h"

#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <string>

namespace {

class MainFrameMenuBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_bShowAtNewFile = g_bShowAtNewFile;
        g_bShowAtNewFile = 0;
        ASSERT_TRUE(m_app.Start());
        const std::string strFile = std::string(QARVO_GOLDEN_DIR) + "/fbd-newer-catalogue.dfb";
        ASSERT_NE(m_app->OpenDocumentFile(CString::FromUtf8(strFile)), nullptr);
        ASSERT_NE(View(), nullptr);
        Idle();
    }
    void TearDown() override
    {
        m_app.Close();
        g_bShowAtNewFile = m_bShowAtNewFile;
    }

    static CMainFrame* Frame() { return AfxGetMainFrame(); }
    static CVetlaView* View() { return Frame() ? Frame()->GetActiveView() : nullptr; }
    static unsigned MenuRevision() { return Frame()->GetMenu()->GetRevision(); }
    // What the program's loop does after each message: the posted ones, then the idle pass.
    void Idle()
    {
        m_app->PumpPending();
        m_app->OnIdle(0);
    }
    // One scan of the simulation: its timer's time passes, then the loop as after any message.
    void Scan()
    {
        m_clock.Advance(25);
        Idle();
    }

    CManualTickSource m_clock;
    RunningApp m_app{"qarvo-menubar", RunningApp::BackendOfTheRun(), &m_clock};
    int m_bShowAtNewFile = 0;
};

}  // namespace

// 300 keys and 300 mouse moves as Qt delivers them to the diagram, then a minute of simulation
// started with F3: 2400 scans of 25 ms, each followed by the idle pass, which finds the menu as
// it was.
TEST_F(MainFrameMenuBarTest, TheProgramsMenusStayAsManyOverKeysMovesAndAMinuteOfSimulation)
{
    if (!RunningApp::OnQt())
        GTEST_SKIP() << "needs the Qt backend";
    auto* pStrip = static_cast<CMenuBarWnd*>(Frame()->GetDlgItem(AFX_IDW_MENU_BAR));
    QMenuBar* pMenuBar = QtMenuBarOf(*pStrip);
    ASSERT_NE(pMenuBar, nullptr);
    QWidget* pView = QtWidgetOf(*View());
    const auto menus = [pMenuBar] { return pMenuBar->findChildren<QObject*>().size(); };
    const qsizetype nMenus = menus();
    qsizetype nWidgets = QApplication::allWidgets().size();

    for (int i = 0; i < 300; ++i) {
        QtType(pView, Qt::Key_Shift, QString(), Qt::ShiftModifier);
        Idle();
    }
    for (int i = 0; i < 300; ++i) {
        const QPointF point(100 + i % 200, 100 + i % 150);
        QMouseEvent move(QEvent::MouseMove, point, pView->mapToGlobal(point), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(pView, &move);
        Idle();
    }
    EXPECT_EQ(menus(), nMenus);
    EXPECT_EQ(QApplication::allWidgets().size(), nWidgets);

    QtType(pView, Qt::Key_F3, QString());
    Idle();
    ASSERT_EQ(View()->EditMode(), EDIT_MODE_SIMULATE);
    // The simulation's own bars come with its first scan.
    Scan();
    nWidgets = QApplication::allWidgets().size();
    const unsigned nRevision = MenuRevision();
    for (int i = 0; i < 2400; ++i)
        Scan();
    EXPECT_EQ(MenuRevision(), nRevision);
    EXPECT_EQ(menus(), nMenus);
    EXPECT_EQ(QApplication::allWidgets().size(), nWidgets);
}
