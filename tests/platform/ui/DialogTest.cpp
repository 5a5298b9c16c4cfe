#include "DialogTestSupport.h"

#include "platform/core/MessageBox.h"
#include "platform/core/StringTable.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"

#include <functional>

namespace {

constexpr UINT IDD_TEST = 9001;
constexpr int IDC_VALUE = 1001;
constexpr int IDC_KIND = 1002;
constexpr int IDC_ENABLE = 1003;
constexpr int IDC_NAME = 1004;
constexpr int IDC_RADIO1 = 1005;
constexpr int IDC_RADIO2 = 1006;
constexpr int IDC_CUSTOM = 1007;

void RegisterTestTemplate()
{
    DialogTemplate t;
    t.nID = IDD_TEST;
    t.strCaption = _T("Test");
    t.size = CSize(200, 120);
    t.items = {
        Item(IDC_VALUE, WC_EDIT, WS_TABSTOP | WS_BORDER, CRect(10, 10, 60, 22)),
        Item(IDC_KIND, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_TABSTOP, CRect(10, 30, 90, 90), _T(""),
             {CString(_T("Alpha")), CString(_T("beta")), CString(_T("Gamma"))}),
        Item(IDC_ENABLE, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP, CRect(10, 50, 90, 60),
             _T("Enable")),
        Item(IDC_NAME, WC_EDIT, WS_TABSTOP, CRect(100, 10, 190, 22)),
        Item(IDC_RADIO1, WC_BUTTON, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP,
             CRect(100, 30, 190, 40), _T("One")),
        Item(IDC_RADIO2, WC_BUTTON, BS_AUTORADIOBUTTON, CRect(100, 42, 190, 52), _T("Two")),
        Item(IDC_CUSTOM, _T("SomeGridClass"), WS_GROUP, CRect(100, 60, 190, 80)),
        Item(IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, CRect(40, 100, 90, 114),
             _T("OK")),
        Item(IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(110, 100, 160, 114),
             _T("Cancel")),
    };
    AfxRegisterDialogTemplate(t);
}

class CTestDlg : public CDialog {
public:
    CTestDlg() : CDialog(IDD_TEST) {}

    int m_nValue = 42;
    int m_nKind = 1;
    int m_bEnable = 0;
    int m_nRadio = 1;
    CString m_strName = _T("abc");
    CComboBox m_comboKind;
    // The exchange the test wants; the default one covers every kind once.
    std::function<void(CDataExchange*)> m_exchange;
    int m_nInitCalls = 0;

protected:
    BOOL OnInitDialog() override
    {
        ++m_nInitCalls;
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        if (m_exchange) {
            m_exchange(pDX);
            return;
        }
        DDX_Control(pDX, IDC_KIND, m_comboKind);
        DDX_Text(pDX, IDC_VALUE, m_nValue);
        DDV_MinMaxInt(pDX, m_nValue, 0, 100);
        DDX_CBIndex(pDX, IDC_KIND, m_nKind);
        DDX_Check(pDX, IDC_ENABLE, m_bEnable);
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 8);
        DDX_Radio(pDX, IDC_RADIO1, m_nRadio);
    }
};

class DialogTest : public MainWindowTest<CNotifyLog> {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        RegisterTestTemplate();
    }

    CMessageBoxRecorder m_boxes;
};

TEST_F(DialogTest, ModalDialogFromTemplateEndedByOkReadsItsControls)
{
    CTestDlg dlg;
    bool bParentDisabled = false;
    CDialog::SetDialogHook([&](CDialog& d) {
        bParentDisabled = !m_main.IsWindowEnabled();
        // The controls exist by id with their template kinds and the members' values.
        ASSERT_NE(dynamic_cast<CEdit*>(d.GetDlgItem(IDC_VALUE)), nullptr);
        EXPECT_EQ(d.GetDlgItem(IDC_KIND), &dlg.m_comboKind);
        EXPECT_EQ(dlg.m_comboKind.GetCount(), 3);
        EXPECT_EQ(dlg.m_comboKind.GetCurSel(), 1);
        EXPECT_EQ(WindowText(*d.GetDlgItem(IDC_VALUE)), CString(_T("42")));
        EXPECT_EQ(d.GetDlgItem(IDC_CUSTOM)->GetClassName(), CString(_T("SomeGridClass")));
        EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_VALUE));
        d.GetDlgItem(IDC_VALUE)->SetWindowText(_T("77"));
        static_cast<CButton*>(d.GetDlgItem(IDC_ENABLE))->Click();
        static_cast<CButton*>(d.GetDlgItem(IDC_RADIO2))->Click();
        d.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(bParentDisabled);
    EXPECT_TRUE(m_main.IsWindowEnabled());
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dlg.m_nInitCalls, 1);
    EXPECT_EQ(dlg.m_nValue, 77);
    EXPECT_EQ(dlg.m_bEnable, 1);
    EXPECT_EQ(dlg.m_nRadio, 1);
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(DialogTest, KeysOfTheDialog)
{
    struct Case {
        const char* name;
        UINT nKey;
        int nFocus;   // the control with the focus when the key comes
        INT_PTR nResult;
    };
    const Case cases[] = {
        {"Enter in an edit presses the default button", VK_RETURN, IDC_VALUE, IDOK},
        {"Enter on a push button presses it", VK_RETURN, IDCANCEL, IDCANCEL},
        {"Esc cancels", VK_ESCAPE, IDC_VALUE, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CTestDlg dlg;
        CDialog::SetDialogHook([&](CDialog& d) {
            d.GetDlgItem(c.nFocus)->SetFocus();
            KeyDown(d.GetDlgItem(c.nFocus), c.nKey);
        });
        EXPECT_EQ(dlg.DoModal(), c.nResult);
    }
}

TEST_F(DialogTest, TabMovesThroughTabStopsAndSkipsDisabledOnes)
{
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST, &m_main));
    EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(IDC_VALUE));
    dlg.GetDlgItem(IDC_KIND)->EnableWindow(FALSE);
    KeyDown(CWnd::GetFocus(), VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(IDC_ENABLE));
    AfxSetKeyState(VK_SHIFT, true);
    KeyDown(CWnd::GetFocus(), VK_TAB);
    AfxSetKeyState(VK_SHIFT, false);
    EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(IDC_VALUE));
    // Wrapping round from the first control backwards reaches the last.
    dlg.PrevDlgCtrl();
    EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(IDCANCEL));
    // An arrow moves within the radio group and checks the button it reaches.
    dlg.GotoDlgCtrl(dlg.GetDlgItem(IDC_RADIO1));
    KeyDown(CWnd::GetFocus(), VK_DOWN);
    EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(IDC_RADIO2));
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RADIO2), UINT(BST_CHECKED));
    dlg.DestroyWindow();
}

TEST_F(DialogTest, ModalLoopWithNothingToEndItReturnsMinusOne)
{
    CTestDlg dlg;
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_TRUE(m_main.IsWindowEnabled());
}

TEST_F(DialogTest, UnknownTemplateGivesMinusOne)
{
    CDialog dlg(4242);
    EXPECT_EQ(dlg.DoModal(), -1);
}

TEST_F(DialogTest, ModalLoopEndsOnATimer)
{
    CTestDlg dlg;
    // Headless, the loop waits for the timer on the queue's clock.
    CDialog::SetDialogHook([&](CDialog& d) {
        d.SetTimer(7, 50, [](HWND hWnd, UINT, UINT_PTR, DWORD) {
            static_cast<CDialog*>(hWnd)->EndDialog(5);
        });
    });
    EXPECT_EQ(dlg.DoModal(), 5);
}

// ---- data exchange ----

struct FailureCase {
    const char* name;
    int nControl;
    const char16_t* text;
    std::function<void(CDataExchange*, int nControl)> exchange;
    const char16_t* prompt;
};

TEST_F(DialogTest, EveryFailingExchangeShowsItsPromptAndKeepsTheFocus)
{
    int nInt = 0;
    UINT nUInt = 0;
    BYTE nByte = 0;
    double dValue = 0;
    CString strText;
    const auto text = [](auto& value) {
        return [&value](CDataExchange* pDX, int nControl) { DDX_Text(pDX, nControl, value); };
    };
    // The text exchange, then the value's check.
    const auto checked = [](auto& value, auto check) {
        return [&value, check](CDataExchange* pDX, int nControl) {
            DDX_Text(pDX, nControl, value);
            check(pDX, value);
        };
    };
    const FailureCase cases[] = {
        {"int not a number", IDC_VALUE, u"12a", text(nInt), u"Please enter an integer."},
        {"int overflow", IDC_VALUE, u"2147483648", text(nInt), u"Please enter an integer."},
        {"uint negative", IDC_VALUE, u"-1", text(nUInt), u"Please enter a positive integer."},
        {"byte too big", IDC_VALUE, u"256", text(nByte),
         u"Please enter an integer between 0 and 255."},
        {"double not a number", IDC_VALUE, u"1.5x", text(dValue), u"Please enter a number."},
        {"double out of range of the type", IDC_VALUE, u"1e999", text(dValue),
         u"Please enter a number."},
        {"int range", IDC_NAME, u"3600001",
         checked(nInt, [](auto* pDX, int n) { DDV_MinMaxInt(pDX, n, 1000, 3600000); }),
         u"Please enter an integer between 1000 and 3600000."},
        {"uint range", IDC_VALUE, u"70000",
         checked(nUInt, [](auto* pDX, UINT n) { DDV_MinMaxUInt(pDX, n, 200, 65535); }),
         u"Please enter an integer between 200 and 65535."},
        {"double range", IDC_VALUE, u"-0.5",
         checked(dValue, [](auto* pDX, double d) { DDV_MinMaxDouble(pDX, d, 0.0, 9.5); }),
         u"Please enter a number between 0 and 9.5."},
        {"max chars", IDC_NAME, u"ABCDEFGHI",
         checked(strText, [](auto* pDX, const CString& str) { DDV_MaxChars(pDX, str, 8); }),
         u"Enter no more than 8 characters."},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_boxes.Clear();
        CTestDlg dlg;
        ASSERT_TRUE(dlg.Create(IDD_TEST, &m_main));
        dlg.GetDlgItem(c.nControl)->SetWindowText(c.text);
        dlg.GetDlgItem(IDCANCEL)->SetFocus();
        dlg.m_exchange = [&](CDataExchange* pDX) {
            c.exchange(pDX, c.nControl);
            // Nothing after a failure runs.
            ADD_FAILURE() << "exchange went on after the failure";
        };
        EXPECT_FALSE(dlg.UpdateData(TRUE));
        ASSERT_EQ(m_boxes.Boxes().size(), 1u);
        EXPECT_EQ(m_boxes.Boxes()[0].text, CString(c.prompt));
        EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(c.nControl));
        // The edit's whole text is selected so that typing replaces it.
        auto* pEdit = static_cast<CEdit*>(dlg.GetDlgItem(c.nControl));
        int nStart = -1, nEnd = -1;
        pEdit->GetSel(nStart, nEnd);
        EXPECT_EQ(nStart, 0);
        EXPECT_EQ(nEnd, pEdit->GetWindowTextLength());
        dlg.DestroyWindow();
    }
}

TEST_F(DialogTest, OkWithABadValueKeepsTheDialogOpen)
{
    CTestDlg dlg;
    int nAttempts = 0;
    CDialog::SetDialogHook([&](CDialog& d) {
        d.GetDlgItem(IDC_VALUE)->SetWindowText(_T("101"));
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        ++nAttempts;
        EXPECT_TRUE(IsWindow(&d));
        d.GetDlgItem(IDC_VALUE)->SetWindowText(_T("100"));
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(nAttempts, 1);
    EXPECT_EQ(dlg.m_nValue, 100);
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].type, MB_ICONEXCLAMATION);
}

TEST_F(DialogTest, LoadingFillsEveryKindOfControl)
{
    CTestDlg dlg;
    dlg.m_nValue = -7;
    dlg.m_nKind = 2;
    dlg.m_bEnable = 1;
    dlg.m_nRadio = 0;
    ASSERT_TRUE(dlg.Create(IDD_TEST, &m_main));
    EXPECT_EQ(WindowText(*dlg.GetDlgItem(IDC_VALUE)), CString(_T("-7")));
    EXPECT_EQ(WindowText(*dlg.GetDlgItem(IDC_KIND)), CString(_T("Gamma")));
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_ENABLE), 1u);
    EXPECT_EQ(dlg.GetCheckedRadioButton(IDC_RADIO1, IDC_RADIO2), IDC_RADIO1);
    // DDV_MaxChars limits the edit while loading.
    EXPECT_EQ(static_cast<CEdit*>(dlg.GetDlgItem(IDC_NAME))->GetLimitText(), 8u);
    // Doubles come back as they went in; strings select combo items by prefix.
    double dValue = 0.1;
    CString strKind = _T("BE");
    dlg.m_exchange = [&](CDataExchange* pDX) {
        DDX_Text(pDX, IDC_VALUE, dValue);
        DDX_CBString(pDX, IDC_KIND, strKind);
    };
    dlg.UpdateData(FALSE);
    EXPECT_EQ(WindowText(*dlg.GetDlgItem(IDC_VALUE)), CString(_T("0.1")));
    EXPECT_EQ(static_cast<CComboBox*>(dlg.GetDlgItem(IDC_KIND))->GetCurSel(), 1);
    dValue = 0;
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dValue, 0.1);
    EXPECT_EQ(strKind, CString(_T("beta")));
    dlg.DestroyWindow();
}

TEST(DataExchangeParse, IntegersAndDoubles)
{
    struct Case {
        const char16_t* text;
        bool bOk;
        long long value;
    };
    const Case ints[] = {{u" 12 ", true, 12},   {u"-2147483648", true, -2147483648LL},
                         {u"+5", true, 5},       {u"2147483648", false, 0},
                         {u"", false, 0},        {u"-", false, 0},
                         {u"1 2", false, 0},     {u"0x10", false, 0}};
    for (const Case& c : ints) {
        long long v = 0;
        EXPECT_EQ(AfxParseInteger(CString(c.text), -2147483648LL, 2147483647LL, v), c.bOk)
            << CString(c.text).ToUtf8();
        if (c.bOk) {
            EXPECT_EQ(v, c.value);
        }
    }
    double d = 0;
    EXPECT_TRUE(AfxParseDouble(CString(u" -1.25e2 "), d));
    EXPECT_EQ(d, -125.0);
    EXPECT_FALSE(AfxParseDouble(CString(u"inf"), d));
    EXPECT_FALSE(AfxParseDouble(CString(u"0x1p3"), d));
    EXPECT_FALSE(AfxParseDouble(CString(u"1,5"), d));
}

TEST(DialogTemplateUnits, BaseUnitsFollowTheFontSize)
{
    EXPECT_EQ(AfxGetDialogBaseUnits(8), CSize(6, 13));
    EXPECT_EQ(AfxGetDialogBaseUnits(9), CSize(6, 14));
    EXPECT_EQ(AfxGetDialogBaseUnits(10), CSize(7, 16));
    CRect rect(4, 8, 204, 108);
    AfxMapDialogRect(rect, 8);
    EXPECT_EQ(rect, CRect(6, 13, 306, 176));
}

}  // namespace
