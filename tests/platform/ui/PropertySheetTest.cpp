#include "DialogTestSupport.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PropertySheet.h"
#include "platform/ui/TabCtrl.h"
#include "platform/ui/WndMessageMap.h"

#include <cstdlib>

namespace {

constexpr UINT IDD_PAGE = 9101;
constexpr int IDC_FIELD = 1201;

EventLog g_log;

class CTestPage : public CPropertyPage {
public:
    CTestPage(std::string name, LRESULT lSiblingAnswer = 0)
        : CPropertyPage(IDD_PAGE), m_name(std::move(name)), m_lSiblingAnswer(lSiblingAnswer)
    {
        m_psp.dwFlags |= PSP_USETITLE | PSP_HASHELP;
        m_title = CString(m_name.c_str());
        m_psp.pszTitle = m_title;
    }
    int m_nValue = 5;

    void OnOK() override
    {
        g_log.push_back(m_name + ":ok");
        CPropertyPage::OnOK();
    }
    void OnCancel() override { g_log.push_back(m_name + ":cancel"); }

protected:
    BOOL OnInitDialog() override
    {
        g_log.push_back(m_name + ":init");
        return CPropertyPage::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_FIELD, m_nValue);
        DDV_MinMaxInt(pDX, m_nValue, 0, 255);
    }
    LRESULT OnQuerySiblings(WPARAM wParam, LPARAM)
    {
        g_log.push_back(m_name + ":query:" + std::to_string(wParam));
        return m_lSiblingAnswer;
    }
    DECLARE_MESSAGE_MAP()

private:
    std::string m_name;
    CString m_title;
    LRESULT m_lSiblingAnswer;
};

BEGIN_MESSAGE_MAP(CTestPage, CPropertyPage)
    ON_MESSAGE(PSM_QUERYSIBLINGS, OnQuerySiblings)
END_MESSAGE_MAP()

class PropertySheetTest : public MainWindowTest<CNotifyLog> {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        DialogTemplate t;
        t.nID = IDD_PAGE;
        t.strCaption = _T("Page");
        t.dwStyle = WS_CHILD | DS_SETFONT;
        t.size = CSize(180, 100);
        t.items = {Item(IDC_FIELD, WC_EDIT, WS_TABSTOP | WS_BORDER, CRect(10, 10, 80, 22))};
        AfxRegisterDialogTemplate(t);
        g_log.clear();
        m_sheet.AddPage(&m_page0);
        m_sheet.AddPage(&m_page1);
        m_sheet.AddPage(&m_page2);
    }
    void TearDown() override
    {
        if (IsWindow(&m_sheet))
            m_sheet.DestroyWindow();
        MainWindowTest::TearDown();
    }

    CMessageBoxRecorder m_boxes;
    CPropertySheet m_sheet{_T("Sheet"), nullptr, 0};
    CTestPage m_page0{"p0"};
    CTestPage m_page1{"p1", 0};
    CTestPage m_page2{"p2", 77};
};

TEST_F(PropertySheetTest, PagesAreMadeAtFirstShowAndOkReachesOnlyThose)
{
    CDialog::SetDialogHook([&](CDialog&) {
        EXPECT_NE(m_page0.GetSafeHwnd(), nullptr);
        EXPECT_EQ(m_page1.GetSafeHwnd(), nullptr);
        EXPECT_EQ(m_page2.GetSafeHwnd(), nullptr);
        EXPECT_EQ(CWnd::GetFocus(), m_page0.GetDlgItem(IDC_FIELD));
        EXPECT_TRUE(m_sheet.SetActivePage(2));
        EXPECT_EQ(m_page1.GetSafeHwnd(), nullptr);
        EXPECT_EQ(m_sheet.GetActivePage(), &m_page2);
        EXPECT_FALSE(m_page0.IsWindowVisible());
        EXPECT_TRUE(m_page2.IsWindowVisible());
        m_sheet.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(m_sheet.DoModal(), IDOK);
    EXPECT_EQ(g_log, (EventLog{"p0:init", "p2:init", "p0:ok", "p2:ok"}));
}

TEST_F(PropertySheetTest, OpensCentredOverItsOwnerAndOnTheScreen)
{
    m_main.MoveWindow(200, 100, 600, 500);
    ASSERT_TRUE(m_sheet.Create(&m_main));
    CRect rcMain, rcSheet;
    m_main.GetWindowRect(rcMain);
    m_sheet.GetWindowRect(rcSheet);
    EXPECT_LE(std::abs(rcSheet.CenterPoint().x - rcMain.CenterPoint().x), 1);
    EXPECT_LE(std::abs(rcSheet.CenterPoint().y - rcMain.CenterPoint().y), 1);
    m_sheet.DestroyWindow();

    // An owner partly off the screen still gives a sheet that lies wholly on it.
    m_main.MoveWindow(-900, -700, 1000, 800);
    ASSERT_TRUE(m_sheet.Create(&m_main));
    m_sheet.GetWindowRect(rcSheet);
    EXPECT_GE(rcSheet.left, 0);
    EXPECT_GE(rcSheet.top, 0);
}

TEST_F(PropertySheetTest, ASwitchIsRefusedWhileThePageHoldsABadValue)
{
    ASSERT_TRUE(m_sheet.Create(&m_main));
    m_page0.GetDlgItem(IDC_FIELD)->SetWindowText(_T("300"));
    EXPECT_FALSE(m_sheet.SetActivePage(1));
    EXPECT_EQ(m_sheet.GetActiveIndex(), 0);
    EXPECT_EQ(m_page1.GetSafeHwnd(), nullptr);
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, CString(_T("Please enter an integer between 0 and 255.")));
    EXPECT_EQ(CWnd::GetFocus(), m_page0.GetDlgItem(IDC_FIELD));
    // A click on another tab is refused the same way, and the tab stays.
    m_sheet.GetTabControl()->UserSelect(2);
    EXPECT_EQ(m_sheet.GetTabControl()->GetCurSel(), 0);
    EXPECT_EQ(m_page2.GetSafeHwnd(), nullptr);
    m_page0.GetDlgItem(IDC_FIELD)->SetWindowText(_T("200"));
    m_sheet.GetTabControl()->UserSelect(2);
    EXPECT_EQ(m_sheet.GetActivePage(), &m_page2);
    EXPECT_EQ(m_page0.m_nValue, 200);
}

TEST_F(PropertySheetTest, OkWithABadValueStaysOpen)
{
    CDialog::SetDialogHook([&](CDialog&) {
        m_page0.GetDlgItem(IDC_FIELD)->SetWindowText(_T("x"));
        m_sheet.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_TRUE(IsWindow(&m_sheet));
        EXPECT_EQ(g_log, (EventLog{"p0:init"}));
        KeyDown(CWnd::GetFocus(), VK_ESCAPE);
    });
    EXPECT_EQ(m_sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(g_log, (EventLog{"p0:init", "p0:cancel"}));
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);
}

TEST_F(PropertySheetTest, ButtonsByIdAndTheirVisibility)
{
    struct Case {
        const char* name;
        DWORD dwFlags;
        bool bApply;
        bool bHelp;
    };
    const Case cases[] = {
        {"default", 0, true, false},
        {"help, no apply", PSH_HASHELP | PSH_NOAPPLYNOW, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CPropertySheet sheet(_T("S"));
        CTestPage page("p");
        sheet.AddPage(&page);
        sheet.m_psh.dwFlags = c.dwFlags;
        CDialog::SetDialogHook([&](CDialog&) {
            for (UINT nID : {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP})
                ASSERT_NE(sheet.GetDlgItem(int(nID)), nullptr) << nID;
            EXPECT_TRUE(sheet.GetDlgItem(IDOK)->IsWindowVisible());
            EXPECT_EQ(bool(sheet.GetDlgItem(ID_APPLY_NOW)->IsWindowVisible()), c.bApply);
            EXPECT_EQ(bool(sheet.GetDlgItem(IDHELP)->IsWindowVisible()), c.bHelp);
            EXPECT_FALSE(sheet.GetDlgItem(ID_APPLY_NOW)->IsWindowEnabled());
            page.SetModified(TRUE);
            EXPECT_TRUE(sheet.GetDlgItem(ID_APPLY_NOW)->IsWindowEnabled());
            EXPECT_EQ(reinterpret_cast<CWnd*>(sheet.SendMessage(PSM_GETTABCONTROL)),
                      sheet.GetTabControl());
            sheet.EndDialog(IDCANCEL);
        });
        EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    }
}

TEST_F(PropertySheetTest, ModelessSheetHidesItsButtonsAndNamesItsTabs)
{
    m_sheet.SetActivePage(1);
    ASSERT_TRUE(m_sheet.Create(&m_main));
    EXPECT_EQ(m_sheet.GetActivePage(), &m_page1);
    EXPECT_EQ(m_page0.GetSafeHwnd(), nullptr);
    for (UINT nID : {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP})
        EXPECT_FALSE(m_sheet.GetDlgItem(int(nID))->IsWindowVisible()) << nID;
    CTabCtrl* pTab = m_sheet.GetTabControl();
    ASSERT_EQ(pTab->GetItemCount(), 3);
    EXPECT_EQ(pTab->GetItem(2)->strText, CString(_T("p2")));
}

TEST_F(PropertySheetTest, QuerySiblingsGoesToExistingPagesUntilOneAnswers)
{
    ASSERT_TRUE(m_sheet.Create(&m_main));
    EXPECT_EQ(m_page0.QuerySiblings(1, 0), 0);
    EXPECT_EQ(g_log, (EventLog{"p0:init", "p0:query:1"}));
    m_sheet.SetActivePage(2);
    g_log.clear();
    // Page 1 has no window yet and is not asked; page 2 answers.
    EXPECT_EQ(m_page0.QuerySiblings(2, 0), 77);
    EXPECT_EQ(g_log, (EventLog{"p0:query:2", "p2:query:2"}));
    m_sheet.SetActivePage(1);
    g_log.clear();
    EXPECT_EQ(m_page1.QuerySiblings(3, 0), 77);
    EXPECT_EQ(g_log, (EventLog{"p0:query:3", "p1:query:3", "p2:query:3"}));
}

}  // namespace
