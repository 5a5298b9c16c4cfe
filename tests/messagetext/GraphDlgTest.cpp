// The Graph dialog shows the graphs as their pictures: every graph has a picture of its own,
// each button paints the picture of its number, and the preview the graph clicked last.
#include "messagetext/GraphDlg.h"
#include "messagetext/GraphPictures.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"
#include "platform/qt/QtPeerWidget.h"
#include "support/QtTestInput.h"

#include <QImage>

#include <set>
#include <string>

namespace {

std::string PictureRecords(int nGraph)
{
    RecordingSurface surface(SIZE{100, 50});
    CDC dc(surface);
    DrawGraphPicture(dc, nGraph, CRect(0, 0, 64, 32));
    return surface.Dump();
}

TEST(GraphPictures, EveryGraphHasAPictureOfItsOwnAndOtherNumbersNone)
{
    std::set<std::string> pictures;
    for (int i = 0; i < GRAPH_COUNT; ++i)
        pictures.insert(PictureRecords(i));
    EXPECT_EQ(pictures.size(), size_t(GRAPH_COUNT));
    EXPECT_EQ(PictureRecords(GRAPH_COUNT), PictureRecords(-1));
    EXPECT_EQ(pictures.count(PictureRecords(-1)), 0u);
}

class GraphDlgTest : public QtBackendSuite {
protected:
    static QImage Grab(CDialog& dlg, int nID)
    {
        QWidget* pWidget = QtWidgetOf(*dlg.GetDlgItem(nID));
        QApplication::processEvents();
        return pWidget->grab().toImage();
    }
};

TEST_F(GraphDlgTest, TheButtonsShowTheGraphsAndThePreviewTheOneClicked)
{
    CGraphDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_GRAPH));
    dlg.ShowWindow(SW_SHOW);
    std::set<size_t> seen;
    for (int i = 0; i < GRAPH_COUNT; ++i) {
        const QImage image = Grab(dlg, IDC_GRAPH_FIRST + i);
        // The picture lies on the LCD's green inside the button's border.
        EXPECT_EQ(image.pixelColor(4, 4), QColor(85, 157, 85)) << i;
        seen.insert(qHashBits(image.constBits(), size_t(image.sizeInBytes())));
    }
    EXPECT_EQ(seen.size(), size_t(GRAPH_COUNT));
    const QImage first = Grab(dlg, IDC_GRAPH_PREVIEW);
    QtClick(QtWidgetOf(*dlg.GetDlgItem(IDC_GRAPH_FIRST + 29)));
    const QImage clicked = Grab(dlg, IDC_GRAPH_PREVIEW);
    dlg.DestroyWindow();

    CGraphDlg editing;
    editing.m_bEdit = TRUE;
    editing.m_nGraph = 29;
    ASSERT_TRUE(editing.Create(IDD_GRAPH));
    editing.ShowWindow(SW_SHOW);
    EXPECT_NE(clicked, first);
    EXPECT_EQ(clicked, Grab(editing, IDC_GRAPH_PREVIEW));
    editing.DestroyWindow();
}

// The graph buttons have the standard look: the one Tab reaches shows a black frame and a dotted
// focus rectangle three pixels inside its edge; disabling it hands the focus on.
TEST_F(GraphDlgTest, TabShowsTheFocusOnAGraphButtonAndDisablingItMovesTheFocusOn)
{
    CWinThread thread;  // keys pass the dialog's own handling first
    CGraphDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_GRAPH));
    dlg.ShowWindow(SW_SHOW);
    CWnd* pFirst = dlg.GetDlgItem(IDC_GRAPH_FIRST);
    CWnd* pSecond = dlg.GetDlgItem(IDC_GRAPH_FIRST + 1);
    ASSERT_EQ(dlg.GetNextDlgTabItem(pFirst), pSecond);
    dlg.GotoDlgCtrl(pFirst);
    // Black pixels down the column of the focus rectangle's left side.
    const auto focusDots = [&](int nID) {
        const QImage image = Grab(dlg, nID);
        int n = 0;
        for (int y = 3; y < image.height() - 3; ++y)
            n += image.pixelColor(3, y) == QColor(0, 0, 0) ? 1 : 0;
        return n;
    };
    EXPECT_GT(focusDots(IDC_GRAPH_FIRST), 0);
    QWidget* pFocus = QtWidgetOf(*pFirst);
    QtTypeText(pFocus->focusProxy() ? pFocus->focusProxy() : pFocus, "\t");
    ASSERT_EQ(CWnd::GetFocus(), pSecond);
    EXPECT_EQ(focusDots(IDC_GRAPH_FIRST), 0);
    EXPECT_GT(focusDots(IDC_GRAPH_FIRST + 1), 0);
    EXPECT_EQ(Grab(dlg, IDC_GRAPH_FIRST + 1).pixelColor(0, 10), QColor(0, 0, 0));

    pSecond->EnableWindow(FALSE);
    EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(IDC_GRAPH_FIRST + 2));
    dlg.DestroyWindow();
}

}  // namespace
