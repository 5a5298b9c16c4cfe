// A Chinese caption that its control cuts widens the control, but never over the next control
// on its row.
#include "SheetFixture.h"

#include "pages/sheet/PageTexts.h"
#include "platform/ui/DialogTemplate.h"

namespace {

constexpr UINT kTemplate = 0x7E01;
constexpr int kLabel = 101;
constexpr int kButton = 102;
constexpr int kLoneLabel = 103;

using PageTexts = SheetFixture;

TEST_F(PageTexts, ACutCaptionWidensUpToTheNextControlOnItsRow)
{
    DialogTemplate t;
    t.nID = kTemplate;
    t.dwStyle = WS_POPUP | DS_SETFONT;
    t.size = CSize(200, 60);
    t.items = {DialogItem(kLabel, WC_STATIC, 0, CRect(10, 10, 20, 20), _T("A")),
               DialogItem(kButton, WC_BUTTON, BS_PUSHBUTTON, CRect(40, 8, 80, 22), _T("B")),
               DialogItem(kLoneLabel, WC_STATIC, 0, CRect(10, 30, 20, 40), _T("C"))};
    AfxRegisterDialogTemplate(t);
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(kTemplate, nullptr));
    const int nWasChinese = g_bChineseUI;
    g_bChineseUI = 1;
    SetPageTextLookup([](WORD, CString& str) {
        str = CString(u"\u5341\u516d\u8fdb\u5236\u5341\u516d\u8fdb\u5236");
        return TRUE;
    });
    const ControlTextKey keys[] = {{kLabel, 1}, {kLoneLabel, 1}};
    TranslateControls(dlg, keys);
    SetPageTextLookup(nullptr);
    g_bChineseUI = nWasChinese;

    auto rectOf = [&dlg](int nID) {
        CRect rect;
        dlg.GetDlgItem(nID)->GetWindowRect(rect);
        dlg.ScreenToClient(rect);
        return rect;
    };
    EXPECT_EQ(rectOf(kLabel).right, rectOf(kButton).left);
    EXPECT_GT(rectOf(kLoneLabel).right, rectOf(kButton).left) << "nothing stands beside it";
    dlg.DestroyWindow();
}

}  // namespace
