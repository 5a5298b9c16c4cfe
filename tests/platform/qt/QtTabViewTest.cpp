// The tab control's view under the offscreen platform: the tabs' tips and pictures.
#include "platform/gdi/PixelBuffer.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/TabCtrl.h"
#include "support/QtTestInput.h"

#include <QIcon>
#include <QImage>
#include <QTabBar>
#include <QToolButton>

namespace {

using QtTabViewTest = QtControlsSuite;

QTabBar* ShownTabBar(CTabCtrl& tab)
{
    for (QTabBar* pBar : QtWidgetOf(tab)->findChildren<QTabBar*>()) {
        if (!pBar->isHidden())
            return pBar;
    }
    return nullptr;
}

// With TCS_TOOLTIPS each tab shows its own tip; without it none.
TEST_F(QtTabViewTest, EachTabShowsItsTipWhenTheControlHasTips)
{
    for (const DWORD dwTips : {DWORD(TCS_TOOLTIPS), DWORD(0)}) {
        CTabCtrl tab;
        ASSERT_TRUE(tab.Create(WS_CHILD | WS_VISIBLE | TCS_BOTTOM | dwTips, CRect(0, 0, 280, 60), &m_top, 1000));
        tab.InsertItem(0, _T("BSC"));
        tab.InsertItem(1, _T("TMR"));
        tab.SetItemTip(0, _T("BSC"));
        tab.SetItemTip(1, _T("TMR"));
        QTabBar* pShown = ShownTabBar(tab);
        ASSERT_NE(pShown, nullptr);
        ASSERT_EQ(pShown->count(), 2);
        EXPECT_EQ(pShown->tabToolTip(0).toStdString(), dwTips ? "BSC" : "");
        EXPECT_EQ(pShown->tabToolTip(1).toStdString(), dwTips ? "TMR" : "");
        tab.DestroyWindow();
    }
}

// Tab n shows image n of the list, its mask colour transparent; a tab without an image none.
TEST_F(QtTabViewTest, EachTabShowsItsImageOfTheList)
{
    PixelBuffer strip(32, 16);
    strip.Fill(CRect(0, 0, 32, 16), CRect(0, 0, 32, 16), RGB(0, 255, 0));
    strip.Fill(CRect(0, 0, 8, 8), CRect(0, 0, 32, 16), RGB(255, 0, 0));
    strip.Fill(CRect(16, 0, 24, 8), CRect(0, 0, 32, 16), RGB(0, 0, 255));
    CImageList images;
    ASSERT_TRUE(images.Create(strip, 16, 1, RGB(0, 255, 0)));
    CTabCtrl tab;
    ASSERT_TRUE(tab.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 280, 60), &m_top, 1000));
    tab.InsertItem(0, _T("BSC"), 0);
    tab.InsertItem(1, _T("TMR"), 1);
    tab.InsertItem(2, _T("I/O"), 5);
    EXPECT_EQ(tab.SetImageList(&images), nullptr);
    QTabBar* pShown = ShownTabBar(tab);
    ASSERT_NE(pShown, nullptr);
    ASSERT_EQ(pShown->count(), 3);
    const QColor expected[] = {QColor(255, 0, 0), QColor(0, 0, 255)};
    for (int i = 0; i < 2; ++i) {
        const QImage image = pShown->tabIcon(i).pixmap(16, 16).toImage();
        EXPECT_EQ(image.pixelColor(2, 2), expected[i]) << i;
        EXPECT_EQ(image.pixelColor(12, 12).alpha(), 0) << i;
    }
    EXPECT_TRUE(pShown->tabIcon(2).isNull());
    tab.DestroyWindow();
}

// Tabs left out of a narrow strip are reached by an arrow at the end where they lie: at the first
// tab only the right one shows, at the last only the left one.
TEST_F(QtTabViewTest, AnArrowShowsAtEachEndWhereTabsAreLeftOut)
{
    CTabCtrl tab;
    ASSERT_TRUE(tab.Create(WS_CHILD | WS_VISIBLE | TCS_BOTTOM, CRect(0, 0, 140, 60), &m_top, 1000));
    for (int i = 0; i < 7; ++i)
        tab.InsertItem(i, _T("Tab"));
    QWidget* pStrip = ShownTabBar(tab)->parentWidget();
    const QList<QToolButton*> arrows = pStrip->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(arrows.size(), 2);
    EXPECT_EQ(std::pair(arrows[0]->isVisibleTo(pStrip), arrows[1]->isVisibleTo(pStrip)), std::pair(false, true));
    QtClick(arrows[1]);
    EXPECT_EQ(tab.GetCurSel(), 1);
    tab.SetCurSel(6);
    EXPECT_EQ(std::pair(arrows[0]->isVisibleTo(pStrip), arrows[1]->isVisibleTo(pStrip)), std::pair(true, false));
    tab.DestroyWindow();
}

}  // namespace
