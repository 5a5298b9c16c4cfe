// The tab control's view under the offscreen platform: the tabs' tips.
#include "platform/ui/TabCtrl.h"
#include "support/QtTestInput.h"

#include <QTabBar>

namespace {

using QtTabViewTest = QtControlsSuite;

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
        QTabBar* pShown = nullptr;
        for (QTabBar* pBar : QtWidgetOf(tab)->findChildren<QTabBar*>()) {
            if (!pBar->isHidden())
                pShown = pBar;
        }
        ASSERT_NE(pShown, nullptr);
        ASSERT_EQ(pShown->count(), 2);
        EXPECT_EQ(pShown->tabToolTip(0).toStdString(), dwTips ? "BSC" : "");
        EXPECT_EQ(pShown->tabToolTip(1).toStdString(), dwTips ? "TMR" : "");
        tab.DestroyWindow();
    }
}

}  // namespace
