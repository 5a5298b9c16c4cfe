#include "controls/GridCtrl.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "support/QtTestInput.h"

namespace {

using GridTabQtTest = QtControlsSuite;

TEST_F(GridTabQtTest, TabStepsThroughTheCellsOrLeavesForTheNextControl)
{
    DialogTemplate t;
    t.nID = 9321;
    t.items = {DialogItem(1001, WC_EDIT, WS_TABSTOP, CRect(10, 95, 80, 107))};
    AfxRegisterDialogTemplate(t);
    CDialog dlg(t.nID);
    ASSERT_TRUE(dlg.Create(t.nID, nullptr));
    CGridCtrl grid(3, 4, 1, 1);
    ASSERT_TRUE(grid.Create(CRect(5, 5, 250, 100), &dlg, 1002));
    grid.SetHandleTabKey(TRUE);
    grid.SetFocus();
    grid.SetFocusCell(CCellID(1, 1));
    QtTypeText(QtWidgetOf(grid), "\t");
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 2));
    grid.SetQuitFocusOnTab(TRUE);
    QtTypeText(QtWidgetOf(grid), "\t");
    EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(1001));
    dlg.DestroyWindow();
}

}  // namespace
