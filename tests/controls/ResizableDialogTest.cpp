// The resizable dialogs' engine at work: the sizes a dialog may take, the size grip, the
// declarative control table, and the update handlers that reach a bar dialog's controls.
#include "controls/DialogBar.h"
#include "controls/SizeIconCtrl.h"

#include "BarFixture.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/WndMessageMap.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kTopTemplate = 4800;
constexpr UINT kBarTemplate = 4801;
constexpr UINT kButton = 101;
constexpr UINT kEdit = 102;
constexpr UINT kStatic = 103;
constexpr UINT kCheck = 104;
constexpr UINT kPlainButton = 105;
// 100 x 40 dialog units at 6 x 13 base units.
constexpr CSize kFirstSize(150, 65);

void RegisterTemplates()
{
    DialogTemplate top;
    top.nID = kTopTemplate;
    top.dwStyle = WS_POPUP | WS_CAPTION | WS_THICKFRAME | DS_SETFONT;
    top.size = CSize(100, 40);
    top.items = {DialogItem(kButton, WC_BUTTON, BS_PUSHBUTTON, CRect(5, 5, 45, 19), _T("Go")),
                 DialogItem(kEdit, WC_EDIT, WS_BORDER, CRect(55, 5, 95, 19)),
                 DialogItem(kStatic, WC_STATIC, 0, CRect(5, 25, 45, 35), _T("Note"))};
    AfxRegisterDialogTemplate(top);
    DialogTemplate bar = top;
    bar.nID = kBarTemplate;
    bar.dwStyle = WS_CHILD | DS_SETFONT;
    bar.items = {DialogItem(kButton, WC_BUTTON, BS_PUSHBUTTON, CRect(5, 5, 45, 19), _T("Go")),
                 DialogItem(kCheck, WC_BUTTON, BS_AUTOCHECKBOX, CRect(55, 5, 95, 19), _T("On")),
                 DialogItem(kPlainButton, WC_BUTTON, BS_PUSHBUTTON, CRect(5, 22, 45, 36), _T("Plain"))};
    AfxRegisterDialogTemplate(bar);
}

class TableDlg : public cdxCDynamicDialog {
public:
    using cdxCDynamicDialog::cdxCDynamicDialog;

protected:
    const cdxCDynamicControlTableEntry* GetControlTable() const override
    {
        static const cdxCDynamicControlTableEntry table[] = {
            {cdxCDynamicControlTableEntry::kPercent, kButton, {0, 0, 100, 0}},
            {cdxCDynamicControlTableEntry::kMode, kEdit, {cdxRepos, cdxNone}},
            {cdxCDynamicControlTableEntry::kMode, 999, {cdxResize, cdxResize}},  // no such child
            {cdxCDynamicControlTableEntry::kMode, 0, {cdxRelative, cdxRelative}},
            {cdxCDynamicControlTableEntry::kEnd, 0, {}},
        };
        return table;
    }
};

class HandlerBarDlg : public cdxCDynamicBarDlg {
public:
    HandlerBarDlg() : cdxCDynamicBarDlg(kBarTemplate) {}

protected:
    void OnUpdateButton(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnUpdateCheck(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(HandlerBarDlg, cdxCDynamicBarDlg)
    ON_UPDATE_COMMAND_UI(kButton, OnUpdateButton)
    ON_UPDATE_COMMAND_UI(kCheck, OnUpdateCheck)
END_MESSAGE_MAP()

class ResizableDialogTest : public BarTest {
protected:
    void SetUp() override
    {
        BarTest::SetUp();
        RegisterTemplates();
    }
    static CRect ChildRect(CWnd& dlg, UINT nID)
    {
        CRect rc = WindowRectOf(*dlg.GetDlgItem(int(nID)));
        dlg.ScreenToClient(rc);
        return rc;
    }
    static CSize SizeAfter(CWnd& dlg, CSize sizeAsked)
    {
        dlg.SetWindowPos(nullptr, 0, 0, sizeAsked.cx, sizeAsked.cy, SWP_NOMOVE | SWP_NOZORDER);
        return WindowRectOf(dlg).Size();
    }
};

TEST_F(ResizableDialogTest, ADialogStaysBetweenItsFirstSizeAndItsMaximumAndKeepsAFixedAxis)
{
    const struct {
        DWORD dwFreedom;
        CSize sizeMax;
        CSize sizeAsked;
        CSize sizeExpected;
    } cases[] = {
        {cdxCDynamicLayoutEngine::fdAll, CSize(0, 0), CSize(50, 20), kFirstSize},
        {cdxCDynamicLayoutEngine::fdAll, CSize(0, 0), CSize(500, 400), CSize(500, 400)},
        {cdxCDynamicLayoutEngine::fdAll, CSize(200, 0), CSize(500, 400), CSize(200, 400)},
        {cdxCDynamicLayoutEngine::fdVert, CSize(0, 0), CSize(500, 400), CSize(kFirstSize.cx, 400)},
    };
    for (const auto& c : cases) {
        cdxCDynamicDialog dlg(kTopTemplate, nullptr, c.dwFreedom);
        ASSERT_TRUE(dlg.Create(kTopTemplate, nullptr));
        dlg.SetMaxSize(c.sizeMax);
        EXPECT_EQ(SizeAfter(dlg, c.sizeAsked), c.sizeExpected) << c.sizeAsked.cx << " x " << c.sizeAsked.cy;
        dlg.DestroyWindow();
    }
}

TEST_F(ResizableDialogTest, TheSizeGripStaysInTheCornerAndDraggingItSizesTheDialog)
{
    cdxCDynamicDialog dlg(kTopTemplate, nullptr, cdxCDynamicLayoutEngine::fdAll,
                          cdxCDynamicLayoutEngine::flSizeIcon);
    ASSERT_TRUE(dlg.Create(kTopTemplate, nullptr));
    CWnd* pGrip = dlg.GetDlgItem(int(cdxCDynamicLayoutEngine::kSizeIconID));
    ASSERT_NE(pGrip, nullptr);
    EXPECT_TRUE(pGrip->GetStyle() & WS_VISIBLE);
    dlg.MoveWindow(0, 0, 300, 200);
    EXPECT_EQ(ChildRect(dlg, cdxCDynamicLayoutEngine::kSizeIconID), CRect(284, 184, 300, 200));

    pGrip->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(pGrip), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), AfxLoadStandardCursor(IDC_SIZENWSE));
    Press(*pGrip, CPoint(8, 8));
    MoveTo(*pGrip, CPoint(28, 18));
    EXPECT_EQ(WindowRectOf(dlg).Size(), CSize(320, 210));
    MoveTo(*pGrip, CPoint(-400, -400));
    EXPECT_EQ(WindowRectOf(dlg).Size(), kFirstSize) << "no smaller than at first";
    Release(*pGrip, CPoint(-400, -400));
    dlg.DestroyWindow();
    EXPECT_FALSE(IsWindow(pGrip));
}

TEST_F(ResizableDialogTest, TheControlTableRegistersItsControlsAndEveryOtherChildForIdZero)
{
    TableDlg dlg(kTopTemplate, nullptr);
    ASSERT_TRUE(dlg.Create(kTopTemplate, nullptr));
    dlg.MoveWindow(0, 0, kFirstSize.cx, kFirstSize.cy);
    const CRect rcButton = ChildRect(dlg, kButton);
    const CRect rcEdit = ChildRect(dlg, kEdit);
    const CRect rcStatic = ChildRect(dlg, kStatic);
    dlg.MoveWindow(0, 0, kFirstSize.cx + 100, kFirstSize.cy + 50);
    EXPECT_EQ(ChildRect(dlg, kButton), CRect(rcButton.left, rcButton.top, rcButton.right + 100, rcButton.bottom));
    EXPECT_EQ(ChildRect(dlg, kEdit), CRect(rcEdit) + CPoint(100, 0));
    EXPECT_EQ(ChildRect(dlg, kStatic), CRect(rcStatic) + CPoint(50, 25));
    dlg.DestroyWindow();
}

TEST_F(ResizableDialogTest, ADestroyedControlTakesItsRecordAndOneMadeAtItsAddressStartsFresh)
{
    cdxCDynamicDialog dlg(kTopTemplate, nullptr);
    ASSERT_TRUE(dlg.Create(kTopTemplate, nullptr));
    const CRect rcFirst(10, 40, 50, 60);
    CButton button;
    ASSERT_TRUE(button.Create(_T("Late"), WS_CHILD, rcFirst, &dlg, 200));
    dlg.AddSzControl(&button, cdxRepos, cdxRepos);
    button.DestroyWindow();
    EXPECT_EQ(dlg.FindSzControl(&button), nullptr);
    ASSERT_TRUE(button.Create(_T("Again"), WS_CHILD, rcFirst, &dlg, 200));
    dlg.MoveWindow(0, 0, kFirstSize.cx + 100, kFirstSize.cy + 50);
    EXPECT_EQ(ChildRect(dlg, 200), rcFirst);
    dlg.DestroyWindow();
}

TEST_F(ResizableDialogTest, UpdateHandlersReachTheControlsOfABarDialog)
{
    cdxCDynamicBar bar(new HandlerBarDlg);
    ASSERT_TRUE(bar.Create(_T("Bar"), m_pFrame, 0xE900, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    m_pFrame->ShowWindow(SW_SHOW);
    CWnd& dlg = *bar.GetBarDlg();
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(dlg.GetDlgItem(int(kButton))->IsWindowEnabled());
    EXPECT_EQ(dlg.GetDlgItem(int(kCheck))->SendMessage(BM_GETCHECK), 1);
    EXPECT_TRUE(dlg.GetDlgItem(int(kPlainButton))->IsWindowEnabled()) << "the dialog handles its own buttons";
    bar.DestroyWindow();
}

}  // namespace
