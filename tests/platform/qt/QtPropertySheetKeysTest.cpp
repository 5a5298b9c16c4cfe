// A property sheet's page keys as Qt delivers them to the focused control of a page.
#include "platform/qt/QtDialogServices.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/PropertySheet.h"
#include "platform/ui/WinThread.h"
#include "support/QtTestInput.h"

#include <string>

namespace {

constexpr UINT IDD_KEY_PAGE = 9311;
constexpr int IDC_KEY_FIELD = 1411;

class QtPropertySheetKeysTest : public QtBackendSuite {
protected:
    void SetUp() override
    {
        InitQtDialogServices();
        CMessageQueue::Get().Reset();
        AfxResetKeyState();
        DialogTemplate t;
        t.nID = IDD_KEY_PAGE;
        t.strCaption = _T("Page");
        t.dwStyle = WS_CHILD | DS_SETFONT;
        t.size = CSize(180, 100);
        t.items = {DialogItem(IDC_KEY_FIELD, WC_EDIT, WS_TABSTOP | WS_BORDER, CRect(10, 10, 80, 22))};
        AfxRegisterDialogTemplate(t);
    }
    void TearDown() override
    {
        ShutdownQtDialogServices();
        CMessageQueue::Get().Reset();
        AfxResetKeyState();
    }

    CWinThread m_thread;
};

TEST_F(QtPropertySheetKeysTest, CtrlTabAndCtrlPageKeysStepThroughThePagesRoundTheEnds)
{
    CPropertyPage pages[3] = {CPropertyPage(IDD_KEY_PAGE), CPropertyPage(IDD_KEY_PAGE),
                              CPropertyPage(IDD_KEY_PAGE)};
    CPropertySheet sheet(_T("Sheet"));
    for (CPropertyPage& page : pages)
        sheet.AddPage(&page);
    ASSERT_TRUE(sheet.Create());
    pages[0].GetDlgItem(IDC_KEY_FIELD)->SetFocus();

    const struct {
        QtKey key;
        int nPage;
    } steps[] = {
        {{Qt::Key_Tab, Qt::ControlModifier, u"\t"}, 1},
        {{Qt::Key_PageDown, Qt::ControlModifier, u""}, 2},
        {{Qt::Key_Tab, Qt::ControlModifier, u"\t"}, 0},
        {{Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, u""}, 2},
        {{Qt::Key_PageUp, Qt::ControlModifier, u""}, 1},
        // Without Ctrl the keys stay the page's: Tab moves the focus only.
        {{Qt::Key_Tab, Qt::NoModifier, u"\t"}, 1},
    };
    for (const auto& step : steps) {
        QWidget* pFocus = QtWidgetOf(*CWnd::GetFocus());
        ASSERT_NE(pFocus, nullptr);
        step.key.TypeInto(pFocus->focusProxy() ? pFocus->focusProxy() : pFocus);
        EXPECT_EQ(sheet.GetActiveIndex(), step.nPage) << "key " << step.key.key;
        // The focus follows onto the page shown.
        if (step.key.modifiers & Qt::ControlModifier) {
            EXPECT_TRUE(sheet.GetActivePage()->IsChild(CWnd::GetFocus())) << "key " << step.key.key;
        }
    }
    sheet.DestroyWindow();
}

}  // namespace
