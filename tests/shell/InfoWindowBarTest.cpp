// The information window: created as the main frame creates it, its log lines, its visibility
// and the release over its caption that ends a simulated power failure first.
#include "shell/InfoWindowBar.h"

#include "controls/BarFixture.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"
#include "platform/qt/QtDialogServices.h"
#include "platform/qt/QtPeerWidget.h"
#include "shell/MainFrame.h"
#include "support/RunningApp.h"

#include <QPlainTextEdit>
#include <QTextBlock>

namespace {

// The bar whose caption the test paints as the bar's frame painting does.
class PaintedInfoBar : public CInfoWindowBar {
public:
    std::u16string PaintedTitle()
    {
        RecordingSurface surface(SIZE{800, 600});
        CDC dc(surface);
        CRect rcClient;
        GetClientRect(rcClient);
        NcPaintGripper(&dc, rcClient);
        for (const RecordingSurface::Record& record : surface.Records()) {
            if (record.kind == RecordingSurface::Kind::Text)
                return record.text;
        }
        return {};
    }
};

class InfoWindowBarTest : public BarTest {
protected:
    void SetUp() override
    {
        BarTest::SetUp();
        ASSERT_TRUE(m_bar.Create(_T("Infomation Window"), m_pFrame, CInfoWindowBar::kID,
                                 WS_CHILD | WS_VISIBLE | CBRS_TOP));
        m_bar.EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(&m_bar, AFX_IDW_DOCKBAR_BOTTOM);
        m_pFrame->ShowControlBar(&m_bar, FALSE, FALSE);
    }
    PaintedInfoBar m_bar;
};

int g_nPowerReleases = 0;
void CountPowerRelease() { ++g_nPowerReleases; }

}  // namespace

TEST_F(InfoWindowBarTest, TheEditFillsTheBarAndTakesTheUsersTyping)
{
    EXPECT_FALSE(m_bar.IsVisible());
    m_pFrame->ShowControlBar(&m_bar, TRUE, FALSE);
    ASSERT_TRUE(IsWindow(&m_bar.m_wndEdit));
    EXPECT_EQ(m_bar.m_wndEdit.GetDlgCtrlID(), int(CInfoWindowBar::kID));
    EXPECT_EQ(m_bar.GetDockBarID(), UINT(AFX_IDW_DOCKBAR_BOTTOM));
    CRect rcInside, rcEdit;
    m_bar.GetInsideRect(rcInside);
    m_bar.m_wndEdit.GetWindowRect(rcEdit);
    m_bar.ScreenToClient(rcEdit);
    EXPECT_EQ(rcEdit, rcInside);
    EXPECT_GT(rcEdit.Height(), 50);
}

// The bar starts thick enough for its title, whatever the screen's font makes of it.
TEST_F(InfoWindowBarTest, TheCaptionShowsTheWholeTitle)
{
    m_pFrame->ShowControlBar(&m_bar, TRUE, FALSE);
    EXPECT_EQ(m_bar.PaintedTitle(), u"Infomation Window");

    m_pFrame->ShowControlBar(&m_bar, FALSE, FALSE);
    const std::u16string strLong = u"Infomation Window of the controller link, twice as long";
    PaintedInfoBar bar;
    ASSERT_TRUE(bar.Create(strLong.c_str(), m_pFrame, CInfoWindowBar::kID + 1, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_BOTTOM);
    EXPECT_EQ(bar.PaintedTitle(), strLong);
}

TEST_F(InfoWindowBarTest, LogLinesAreAppendedAndTheLastOnesScrolledToTheTop)
{
    m_bar.AppendLog(_T("DownLoad Starts...\n"));
    m_bar.AppendLog(_T("Write Data Error!\nUpLoad Succeeds\n"));
    EXPECT_EQ(m_bar.GetLogText(),
              CString(_T("DownLoad Starts...\r\nWrite Data Error!\r\nUpLoad Succeeds\r\n")));
    // Four lines with the empty one after the last line feed: nothing to scroll yet.
    EXPECT_EQ(m_bar.m_wndEdit.GetFirstVisibleLine(), 0);
    m_bar.AppendLog(_T("a\r\nb\n"));
    EXPECT_EQ(m_bar.GetLogText().Right(6), CString(_T("a\r\nb\r\n")));
    EXPECT_EQ(m_bar.m_wndEdit.GetLineCount(), 6);
    EXPECT_EQ(m_bar.m_wndEdit.GetFirstVisibleLine(), 2);

    // Hiding and showing the bar keeps the log.
    m_pFrame->ShowControlBar(&m_bar, TRUE, FALSE);
    m_pFrame->ShowControlBar(&m_bar, FALSE, FALSE);
    m_pFrame->ShowControlBar(&m_bar, TRUE, FALSE);
    EXPECT_EQ(m_bar.m_wndEdit.GetLineCount(), 6);
}

TEST_F(InfoWindowBarTest, AReleaseOverTheCaptionEndsAPowerFailureBeforeTheCloseButtonActs)
{
    m_pFrame->ShowControlBar(&m_bar, TRUE, FALSE);
    const auto pfnOld = CInfoWindowBar::SetPowerReleaseHandler(&CountPowerRelease);
    g_nPowerReleases = 0;
    CRect rcClose = m_bar.GetCloseButtonRect();
    const CPoint ptCaption(rcClose.CenterPoint().x, rcClose.bottom + 20);
    ASSERT_EQ(m_bar.HitTest(ptCaption), UINT(HTCAPTION));
    m_bar.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(ptCaption));
    EXPECT_EQ(g_nPowerReleases, 1);
    EXPECT_TRUE(m_bar.IsVisible());

    // Releases over the log itself are the edit box's.
    CRect rcInside;
    m_bar.GetInsideRect(rcInside);
    m_bar.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(rcInside.CenterPoint()));
    EXPECT_EQ(g_nPowerReleases, 1);

    m_bar.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(rcClose.CenterPoint()));
    EXPECT_EQ(g_nPowerReleases, 2);
    EXPECT_FALSE(m_bar.IsVisible());
    CInfoWindowBar::SetPowerReleaseHandler(pfnOld);
}

// On screen, in the program's own window: after many log lines the newest ones are in view, not
// below the bottom of the box, whether the box was shown when they came or only later.
TEST(InfoWindowOnScreen, TheNewestLinesStandInViewAfterManyLines)
{
    if (!RunningApp::OnQt())
        GTEST_SKIP() << "needs the Qt backend";
    RunningApp app("qarvo-infowindow", RunningApp::Backend::Qt);
    // The controls' own widgets, as the program has them; gone before the backend.
    InitQtDialogServices();
    struct Services {
        RunningApp& app;
        ~Services()
        {
            app.Close();
            ShutdownQtDialogServices();
        }
    } services{app};
    ASSERT_TRUE(app.Start());
    CMainFrame* pFrame = AfxGetMainFrame();
    QWidget* pPeer = QtWidgetOf(pFrame->m_wndInfoBar.m_wndEdit);
    auto* pText = pPeer ? pPeer->findChild<QPlainTextEdit*>() : nullptr;
    ASSERT_NE(pText, nullptr);
    const auto expectNewestInView = [pText](const QString& strNewest) {
        QApplication::processEvents();
        EXPECT_GT(pText->cursorForPosition(QPoint(0, 0)).blockNumber(), 0);
        // The last line is the empty one after the final line feed.
        QTextCursor newest(pText->document()->findBlockByNumber(pText->document()->blockCount() - 2));
        ASSERT_EQ(newest.block().text(), strNewest);
        EXPECT_GE(pText->cursorRect(newest).top(), 0);
        EXPECT_LE(pText->cursorRect(newest).bottom(), pText->viewport()->height());
    };

    for (int i = 0; i < 5; ++i)
        pFrame->LogMessage(_T("DownLoad Starts...\nDownLoad Succeeds\n"));
    pFrame->OnViewInfoWindow();
    ASSERT_TRUE(pFrame->IsInfoWindowVisible());
    expectNewestInView(QStringLiteral("DownLoad Succeeds"));

    for (int i = 0; i < 5; ++i)
        pFrame->LogMessage(_T("UpLoad Starts...\nUpLoad Fails\n"));
    expectNewestInView(QStringLiteral("UpLoad Fails"));
}
