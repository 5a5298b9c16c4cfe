// The dialog templates of the message-text pages and their dialogs.
#include "messagetext/MessageTextIds.h"

#include "pages/sheet/PageIds.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "platform/ui/Static.h"

namespace {

constexpr DWORD kEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kCombo = WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr DWORD kList = WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY;
constexpr DWORD kPush = WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kCheck = WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;
constexpr DWORD kSpin = UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS;

DialogItemTemplate Label(LPCTSTR lpszText, CRect rect, UINT nID = UINT(-1))
{
    return DialogItem(nID, WC_STATIC, 0, rect, lpszText);
}

DialogItemTemplate Combo(UINT nID, CRect rect, std::vector<CString> items = {})
{
    DialogItemTemplate item = DialogItem(nID, WC_COMBOBOX, kCombo, rect);
    item.items = std::move(items);
    return item;
}

void AddOkCancel(DialogTemplate& t, int x, int y)
{
    t.items.push_back(DialogItem(IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, CRect(x, y, x + 50, y + 14), _T("OK")));
    t.items.push_back(DialogItem(IDCANCEL, WC_BUTTON, kPush, CRect(x + 56, y, x + 106, y + 14), _T("Cancel")));
}

DialogTemplate Dialog(UINT nID, LPCTSTR lpszCaption, CSize size)
{
    DialogTemplate t;
    t.nID = nID;
    t.strCaption = lpszCaption;
    t.size = size;
    return t;
}

DialogTemplate Page(UINT nID, CSize size)
{
    DialogTemplate t = Dialog(nID, _T("Parameter"), size);
    t.dwStyle = WS_CHILD | DS_SETFONT;
    return t;
}

// The rows both pages share: name, priority, acknowledgement, protection; the block and
// parameter lists and the Insert button at nListTop.
void AddCommonRows(DialogTemplate& t, int nListTop, int nInsertLeft)
{
    t.items.push_back(Label(_T("Block name"), CRect(10, 9, 60, 19), IDC_BLOCK_NAME_LABEL));
    t.items.push_back(DialogItem(IDC_BLOCK_NAME, WC_EDIT, kEdit, CRect(62, 7, 118, 19)));
    t.items.push_back(Label(_T("Priority"), CRect(124, 9, 154, 19), IDC_MT_PRIORITY_LABEL));
    t.items.push_back(Combo(IDC_MT_PRIORITY, CRect(156, 7, 188, 90)));
    t.items.push_back(DialogItem(IDC_MT_ACKNOWLEDGE, WC_BUTTON, kCheck, CRect(194, 8, 302, 18), _T("Acknowledge Message")));
    t.items.push_back(DialogItem(IDC_PROTECTION, WC_BUTTON, kCheck, CRect(306, 8, 392, 18), _T("Protection Active")));
    t.items.push_back(Label(_T("Block"), CRect(10, nListTop, 60, nListTop + 10), IDC_MT_BLOCK_LABEL));
    t.items.push_back(DialogItem(IDC_MT_BLOCK_LIST, WC_LISTBOX, kList, CRect(10, nListTop + 11, 120, nListTop + 95)));
    t.items.push_back(Label(_T("Parameter"), CRect(126, nListTop, 200, nListTop + 10), IDC_MT_PARAM_LABEL));
    t.items.push_back(DialogItem(IDC_MT_PARAM_LIST, WC_LISTBOX, kList, CRect(126, nListTop + 11, 236, nListTop + 95)));
    t.items.push_back(DialogItem(IDC_MT_GENERAL_LIST, WC_LISTBOX, kList, CRect(242, nListTop + 11, 340, nListTop + 95)));
    t.items.push_back(DialogItem(IDC_MT_INSERT, WC_BUTTON, kPush | WS_DISABLED, CRect(nInsertLeft, nListTop + 11, nInsertLeft + 80, nListTop + 25),
                                 _T("Insert Parameter")));
}

DialogTemplate MessageTextsNew()
{
    DialogTemplate t = Page(IDD_MESSAGE_TEXTS_NEW, CSize(444, 262));
    AddCommonRows(t, 152, 346);
    t.items.push_back(DialogItem(IDC_MT_SHOW_SET1, WC_BUTTON, kRadio | WS_GROUP | WS_TABSTOP, CRect(10, 24, 186, 34), _T("Character set1: ")));
    t.items.push_back(DialogItem(IDC_MT_SHOW_SET2, WC_BUTTON, kRadio, CRect(236, 24, 392, 34), _T("Character set2: ")));
    t.items.push_back(DialogItem(IDC_MT_ENABLE_SET1, WC_BUTTON, kCheck | WS_GROUP, CRect(188, 24, 232, 34), _T("Enable")));
    t.items.push_back(DialogItem(IDC_MT_ENABLE_SET2, WC_BUTTON, kCheck, CRect(394, 24, 438, 34), _T("Enable")));
    t.items.push_back(DialogItem(IDC_MT_TICKER_CHAR, WC_BUTTON, kRadio | WS_GROUP | WS_TABSTOP, CRect(10, 38, 118, 48),
                                 _T("Character by character")));
    t.items.push_back(DialogItem(IDC_MT_TICKER_LINE, WC_BUTTON, kRadio, CRect(120, 38, 182, 48), _T("Line by line")));
    const int lineIds[] = {IDC_MT_LINE1, IDC_MT_LINE2, IDC_MT_LINE3, IDC_MT_LINE4};
    for (int i = 0; i < 4; ++i) {
        CString strText;
        strText.Format(_T("Line%d"), i + 1);
        t.items.push_back(DialogItem(UINT(lineIds[i]), WC_BUTTON, kCheck | (i == 0 ? WS_GROUP : 0),
                                     CRect(186 + 38 * i, 38, 222 + 38 * i, 48), strText));
    }
    t.items.push_back(DialogItem(IDC_MT_DETAILS, WC_BUTTON, kCheck, CRect(10, 52, 200, 62), _T("Show message information in details")));
    t.items.push_back(Label(_T("Message Text"), CRect(10, 63, 80, 73), IDC_MT_TEXT_LABEL));
    struct Tool {
        int nID;
        LPCTSTR lpszText;
    };
    const Tool tools[] = {{IDC_MT_SPECIAL, _T("")},        {IDC_MT_BAR, _T("Bar")},    {IDC_MT_SCOPE, _T("Scope")},
                          {IDC_MT_POINTER, _T("Pointer")}, {IDC_MT_AI, _T("AI")},      {IDC_MT_AM, _T("AM")},
                          {IDC_MT_ONOFF, _T("ON/OFF")},    {IDC_MT_SCALE_TIME, _T("00:00")}, {IDC_MT_GRAPH, _T("Graph")}};
    for (int i = 0; i < int(std::size(tools)); ++i) {
        const int x = 340 + 44 * (i % 2);
        const int y = 74 + 15 * (i / 2);
        t.items.push_back(DialogItem(UINT(tools[i].nID), WC_BUTTON, kPush, CRect(x, y, x + 40, y + 13), tools[i].lpszText));
    }
    return t;
}

DialogTemplate MessageTexts()
{
    DialogTemplate t = Page(IDD_MESSAGE_TEXTS, CSize(430, 222));
    AddCommonRows(t, 112, 346);
    t.items.push_back(Label(_T("Message Text"), CRect(10, 23, 80, 33), IDC_MT_TEXT_LABEL));
    return t;
}

DialogTemplate BarGraphSetting()
{
    DialogTemplate t = Dialog(IDD_BAR_GRAPH_SETTING, _T("Bar Graph Setting"), CSize(220, 150));
    t.items.push_back(Label(_T("Block:"), CRect(10, 10, 60, 20)));
    t.items.push_back(Combo(IDC_BG_BLOCK, CRect(70, 8, 210, 100)));
    t.items.push_back(Label(_T("Actual value:"), CRect(10, 28, 68, 38)));
    t.items.push_back(Combo(IDC_BG_ACTUAL, CRect(70, 26, 210, 100)));
    t.items.push_back(Label(_T("MinValue:"), CRect(10, 46, 60, 56)));
    t.items.push_back(DialogItem(IDC_BG_MIN, WC_EDIT, kEdit, CRect(70, 44, 130, 56)));
    t.items.push_back(DialogItem(IDC_BG_MIN_SPIN, UPDOWN_CLASS, kSpin, CRect(130, 44, 140, 56)));
    t.items.push_back(Label(_T("MaxValue:"), CRect(10, 64, 60, 74)));
    t.items.push_back(DialogItem(IDC_BG_MAX, WC_EDIT, kEdit, CRect(70, 62, 130, 74)));
    t.items.push_back(DialogItem(IDC_BG_MAX_SPIN, UPDOWN_CLASS, kSpin, CRect(130, 62, 140, 74)));
    t.items.push_back(Label(_T("Width:"), CRect(10, 98, 60, 108), IDC_BG_WIDTH_LABEL));
    t.items.push_back(DialogItem(IDC_BG_WIDTH, WC_EDIT, kEdit, CRect(70, 96, 110, 108)));
    t.items.push_back(DialogItem(IDC_BG_WIDTH_SPIN, UPDOWN_CLASS, kSpin, CRect(110, 96, 120, 108)));
    t.items.push_back(DialogControl(IDC_BG_UNIT, WC_STATIC, 0, CRect(124, 98, 160, 108), _T("(10ms)")));
    // After the controls it frames: earlier items lie above later ones.
    t.items.push_back(DialogItem(IDC_BG_GROUP, WC_BUTTON, BS_GROUPBOX, CRect(5, 82, 215, 118), _T("Bar Property Setting")));
    AddOkCancel(t, 104, 128);
    return t;
}

DialogTemplate ScaleTime()
{
    DialogTemplate t = Dialog(IDD_SCALE_TIME, _T("Scale time setting"), CSize(220, 90));
    t.items.push_back(Label(_T("Block:"), CRect(10, 10, 60, 20)));
    t.items.push_back(Combo(IDC_BG_BLOCK, CRect(70, 8, 210, 100)));
    t.items.push_back(Label(_T("Actual value:"), CRect(10, 28, 68, 38)));
    t.items.push_back(Combo(IDC_BG_ACTUAL, CRect(70, 26, 210, 100)));
    t.items.push_back(Label(_T("Time base:"), CRect(10, 46, 60, 56)));
    t.items.push_back(Combo(IDC_ST_TIME_BASE, CRect(70, 44, 210, 100)));
    AddOkCancel(t, 104, 68);
    return t;
}

DialogTemplate IoStatusName()
{
    DialogTemplate t = Dialog(IDD_IO_STATUS_NAME, _T("I/O status name"), CSize(240, 150));
    t.items.push_back(Label(_T("Select an input or output:"), CRect(10, 10, 115, 20)));
    t.items.push_back(Combo(IDC_IOSN_TYPE, CRect(117, 8, 230, 100)));
    t.items.push_back(Label(_T("Select an I/O:"), CRect(10, 28, 115, 38)));
    t.items.push_back(Combo(IDC_IOSN_ITEM, CRect(117, 26, 230, 120)));
    t.items.push_back(Label(_T("Input name for status FALSE"), CRect(10, 46, 230, 56)));
    t.items.push_back(Label(_T("Input name for status TRUE"), CRect(10, 100, 230, 110)));
    AddOkCancel(t, 124, 128);
    return t;
}

DialogTemplate Graph()
{
    DialogTemplate t = Dialog(IDD_GRAPH, _T("Graph"), CSize(250, 160));
    for (int i = 0; i < GRAPH_COUNT; ++i) {
        const int x = 8 + 24 * (i % 6);
        const int y = 8 + 22 * (i / 6);
        t.items.push_back(DialogItem(UINT(IDC_GRAPH_FIRST + i), WC_BUTTON, kPush, CRect(x, y, x + 22, y + 20)));
    }
    t.items.push_back(DialogItem(IDC_GRAPH_PREVIEW, WC_BUTTON, BS_PUSHBUTTON, CRect(160, 8, 240, 80)));
    AddOkCancel(t, 134, 138);
    return t;
}

DialogTemplate SpecialChar()
{
    DialogTemplate t = Dialog(IDD_SPECIAL_CHAR, _T(""), CSize(170, 20));
    t.dwStyle = WS_POPUP | WS_BORDER | DS_SETFONT;
    for (int i = 0; i < SPECIAL_CHAR_COUNT; ++i) {
        CString strText;
        strText.Format(_T("SC%d"), i + 1);
        t.items.push_back(DialogItem(UINT(IDC_SPECIAL_FIRST + i), WC_BUTTON, kPush, CRect(2 + 17 * i, 2, 18 + 17 * i, 18), strText));
    }
    return t;
}

DialogTemplate AiFilter()
{
    DialogTemplate t = Dialog(IDD_AI_FILTER, _T("AI filter"), CSize(160, 60));
    t.items.push_back(Label(_T("Select AI:"), CRect(10, 10, 60, 20), IDC_AIF_LABEL));
    t.items.push_back(Combo(IDC_AIF_LIST, CRect(64, 8, 150, 100)));
    AddOkCancel(t, 44, 38);
    return t;
}

DialogTemplate MsgTextSetting()
{
    DialogTemplate t = Dialog(IDD_MSG_TEXT_SETTING, _T("Message Text Setting"), CSize(260, 170));
    const std::vector<CString> sets = {_T("SC"), _T("TC"), _T("Others")};
    t.items.push_back(Label(_T("Character set1"), CRect(10, 10, 70, 20)));
    t.items.push_back(Combo(IDC_MTS_CHARSET1, CRect(72, 8, 122, 60), sets));
    t.items.push_back(Label(_T(""), CRect(126, 10, 250, 20), IDC_MTS_LABEL1));
    t.items.push_back(Label(_T("Character set2"), CRect(10, 26, 70, 36)));
    t.items.push_back(Combo(IDC_MTS_CHARSET2, CRect(72, 24, 122, 76), sets));
    t.items.push_back(Label(_T(""), CRect(126, 26, 250, 36), IDC_MTS_LABEL2));
    t.items.push_back(Label(_T("Default"), CRect(10, 42, 60, 52)));
    t.items.push_back(DialogItem(IDC_MTS_DEFAULT1, WC_BUTTON, kRadio | WS_GROUP | WS_TABSTOP, CRect(72, 42, 120, 52), _T("CS1")));
    t.items.push_back(DialogItem(IDC_MTS_DEFAULT2, WC_BUTTON, kRadio, CRect(124, 42, 172, 52), _T("CS2")));
    t.items.push_back(Label(_T("Analog input filter timer"), CRect(10, 60, 110, 70)));
    t.items.push_back(Combo(IDC_MTS_FILTER, CRect(112, 58, 160, 120), {_T("100"), _T("200"), _T("400"), _T("800"), _T("1000")}));
    t.items.push_back(Label(_T("Scope time setting"), CRect(10, 78, 110, 88)));
    t.items.push_back(DialogItem(IDC_MTS_SCOPE_TIME, WC_EDIT, kEdit, CRect(112, 76, 160, 88)));
    t.items.push_back(DialogItem(IDC_MTS_SCOPE_SPIN, UPDOWN_CLASS, kSpin, CRect(160, 76, 170, 88)));
    t.items.push_back(Label(_T("Ticker time character by character (ms)"), CRect(10, 91, 150, 109)));
    t.items.push_back(DialogItem(IDC_MTS_TICKER_CHAR, WC_EDIT, kEdit, CRect(152, 94, 200, 106)));
    t.items.push_back(DialogItem(IDC_MTS_TICKER_SPIN, UPDOWN_CLASS, kSpin, CRect(200, 94, 210, 106)));
    t.items.push_back(Label(_T("Ticker time line by line (ms)"), CRect(10, 114, 150, 124)));
    t.items.push_back(DialogItem(IDC_MTS_TICKER_LINE, WC_EDIT, kEdit, CRect(152, 112, 200, 124)));
    AddOkCancel(t, 144, 148);
    return t;
}

}  // namespace

void RegisterMessageTextTemplates()
{
    static const bool bRegistered = [] {
        for (DialogTemplate t : {MessageTextsNew(), MessageTexts(), BarGraphSetting(), ScaleTime(), IoStatusName(), Graph(),
                                 SpecialChar(), AiFilter(), MsgTextSetting()})
            AfxRegisterDialogTemplate(std::move(t));
        return true;
    }();
    (void)bRegistered;
}
