#include "controller/SummerTimeDlg.h"

#include "controller/DeviceDialogPlacement.h"
#include "controller/DeviceDialogTemplate.h"
#include "controller/SettingMask.h"
#include "pages/controls/DateSelectDlg.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "platform/ui/Static.h"
#include "platform/ui/WndMessageMap.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CSummerTimeDlg, CDeviceToolDialog)

BEGIN_MESSAGE_MAP(CSummerTimeDlg, CDeviceToolDialog)
    ON_BN_CLICKED(CSummerTimeDlg::IDC_ACTIVE, OnActiveClicked)
    ON_CBN_SELCHANGE(CSummerTimeDlg::IDC_RULE, OnRuleChange)
    ON_BN_CLICKED(CSummerTimeDlg::IDC_START_PICK, OnStartPick)
    ON_BN_CLICKED(CSummerTimeDlg::IDC_END_PICK, OnEndPick)
    ON_BN_CLICKED(CSummerTimeDlg::IDC_HELP_BUTTON, OnHelpButton)
    ON_EN_UPDATE(CSummerTimeDlg::IDC_START_MONTH, OnStartMonthUpdate)
    ON_EN_UPDATE(CSummerTimeDlg::IDC_END_MONTH, OnEndMonthUpdate)
    ON_EN_UPDATE(CSummerTimeDlg::IDC_START_DAY, OnStartDayUpdate)
    ON_EN_UPDATE(CSummerTimeDlg::IDC_END_DAY, OnEndDayUpdate)
    ON_EN_UPDATE(CSummerTimeDlg::IDC_DIFFERENCE, OnDifferenceUpdate)
END_MESSAGE_MAP()

namespace {

using namespace DeviceTemplate;

constexpr DWORD kEdit = DeviceTemplate::kEdit | WS_GROUP;

constexpr LPCTSTR kRules[DST_RULE_COUNT] = {_T("EU"),       _T("UK"),          _T("US"),
                                            _T("Australia"), _T("Tasmania"), _T("New Zealand"),
                                            _T("Freely adjustable")};

// The controls that only the freely adjustable rule uses.
constexpr UINT kRuleDateControls[] = {
    CSummerTimeDlg::IDC_START_MONTH, CSummerTimeDlg::IDC_START_MONTH_SPIN, CSummerTimeDlg::IDC_START_DAY,
    CSummerTimeDlg::IDC_START_DAY_SPIN, CSummerTimeDlg::IDC_END_MONTH, CSummerTimeDlg::IDC_END_MONTH_SPIN,
    CSummerTimeDlg::IDC_END_DAY, CSummerTimeDlg::IDC_END_DAY_SPIN, CSummerTimeDlg::IDC_DIFFERENCE,
    CSummerTimeDlg::IDC_DIFFERENCE_SPIN, CSummerTimeDlg::IDC_START_PICK, CSummerTimeDlg::IDC_END_PICK};

// One month/day pair: month edit and spin, ":", day edit and spin, the "Month.Day" label and
// the date selection button, on one row at nTop.
void AddDatePair(DialogTemplate& dlg, int nTop, UINT nMonth, UINT nMonthSpin, UINT nDay, UINT nDaySpin, UINT nPick)
{
    dlg.items.push_back(DialogItem(nMonth, WC_EDIT, kEdit, CRect(16, nTop, 40, nTop + 12)));
    dlg.items.push_back(DialogItem(nMonthSpin, UPDOWN_CLASS, kSpin, CRect(40, nTop, 50, nTop + 12)));
    dlg.items.push_back(DialogItem(kStatic, WC_STATIC, SS_CENTER, CRect(50, nTop + 2, 56, nTop + 11), _T(":")));
    dlg.items.push_back(DialogItem(nDay, WC_EDIT, kEdit, CRect(56, nTop, 80, nTop + 12)));
    dlg.items.push_back(DialogItem(nDaySpin, UPDOWN_CLASS, kSpin, CRect(80, nTop, 90, nTop + 12)));
    dlg.items.push_back(DialogItem(kStatic, WC_STATIC, SS_LEFT, CRect(94, nTop + 2, 140, nTop + 11), _T("Month.Day")));
    dlg.items.push_back(DialogItem(nPick, WC_BUTTON, kButton, CRect(142, nTop, 162, nTop + 12), _T("...")));
}

void RegisterSummerTimeTemplate()
{
    if (AfxFindDialogTemplate(CSummerTimeDlg::IDD))
        return;
    using D = CSummerTimeDlg;
    DialogTemplate dlg = DeviceTemplate::ModelessDialog(D::IDD, _T("SummerTime/WinterTime"), CSize(240, 172));
    dlg.items.push_back(DialogItem(D::IDC_ACTIVE, WC_BUTTON, WS_TABSTOP | BS_AUTOCHECKBOX, CRect(7, 7, 200, 19),
                                   _T("Active summertime/wintertime conversion")));
    dlg.items.push_back(DialogItem(kStatic, WC_STATIC, SS_LEFT, CRect(7, 26, 110, 35), _T("Daylight Saving Time")));
    DialogItemTemplate rule = DialogItem(D::IDC_RULE, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                                         CRect(112, 24, 204, 110));
    dlg.items.push_back(rule);
    AddDatePair(dlg, 56, D::IDC_START_MONTH, D::IDC_START_MONTH_SPIN, D::IDC_START_DAY, D::IDC_START_DAY_SPIN,
                D::IDC_START_PICK);
    AddDatePair(dlg, 92, D::IDC_END_MONTH, D::IDC_END_MONTH_SPIN, D::IDC_END_DAY, D::IDC_END_DAY_SPIN, D::IDC_END_PICK);
    dlg.items.push_back(DialogItem(D::IDC_DIFFERENCE, WC_EDIT, kEdit, CRect(16, 128, 50, 140)));
    dlg.items.push_back(DialogItem(D::IDC_DIFFERENCE_SPIN, UPDOWN_CLASS, kSpin, CRect(50, 128, 60, 140)));
    dlg.items.push_back(DialogItem(kStatic, WC_STATIC, SS_LEFT, CRect(64, 130, 110, 139), _T("Minutes")));
    dlg.items.push_back(DialogItem(IDOK, WC_BUTTON, WS_TABSTOP | BS_DEFPUSHBUTTON, CRect(180, 44, 232, 58), _T("OK")));
    dlg.items.push_back(DialogItem(IDCANCEL, WC_BUTTON, kButton, CRect(180, 62, 232, 76), _T("Cancel")));
    dlg.items.push_back(DialogItem(D::IDC_HELP_BUTTON, WC_BUTTON, kButton, CRect(180, 80, 232, 94), _T("Help")));
    // The frames last, so that they stay below the controls they surround.
    dlg.items.push_back(DialogItem(kStatic, WC_BUTTON, BS_GROUPBOX, CRect(7, 42, 170, 74), _T("Start")));
    dlg.items.push_back(DialogItem(kStatic, WC_BUTTON, BS_GROUPBOX, CRect(7, 78, 170, 110), _T("End")));
    dlg.items.push_back(DialogItem(kStatic, WC_BUTTON, BS_GROUPBOX, CRect(7, 114, 170, 146), _T("Time difference")));
    AfxRegisterDialogTemplate(std::move(dlg));
}

}  // namespace

CSummerTimeDlg::CSummerTimeDlg() : CDeviceToolDialog(IDD) {}

BOOL CSummerTimeDlg::Create(CWnd* pParentWnd) { return CreateTool(pParentWnd); }

void CSummerTimeDlg::RegisterTemplate() { RegisterSummerTimeTemplate(); }

int CSummerTimeDlg::DaysInMonth(int nMonth)
{
    switch (nMonth) {
    case 2:
        return 28;
    case 4: case 6: case 9: case 11:
        return 30;
    default:
        return 31;
    }
}

void CSummerTimeDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, int(IDC_ACTIVE), m_bActive);
    ExchangeChoice(pDX, int(IDC_RULE), m_nRule);
    DDX_Text(pDX, int(IDC_END_DAY), m_nEndDay);
    DDV_MinMaxInt(pDX, m_nEndDay, 1, 31);
    DDX_Text(pDX, int(IDC_END_MONTH), m_nEndMonth);
    DDV_MinMaxInt(pDX, m_nEndMonth, 1, 12);
    DDX_Text(pDX, int(IDC_START_DAY), m_nStartDay);
    DDV_MinMaxInt(pDX, m_nStartDay, 1, 31);
    DDX_Text(pDX, int(IDC_START_MONTH), m_nStartMonth);
    DDV_MinMaxInt(pDX, m_nStartMonth, 1, 12);
    DDX_Text(pDX, int(IDC_DIFFERENCE), m_nTimeDiff);
    DDV_MinMaxInt(pDX, m_nTimeDiff, 0, kMaxDifference);
}

BOOL CSummerTimeDlg::OnInitDialog()
{
    if (auto* pRule = dynamic_cast<CComboBox*>(GetDlgItem(int(IDC_RULE)))) {
        for (LPCTSTR pszRule : kRules)
            pRule->AddString(pszRule);
    }
    // This object is also what the WiFi write sends the rule from, opened or not: a rule the
    // list does not offer changes only with this dialog's OK.
    CDialog::OnInitDialog();
    ShowFirstLineForUnoffered({IDC_RULE});
    SetupSpin(IDC_START_MONTH_SPIN, 1, 12, m_nStartMonth);
    SetupSpin(IDC_END_MONTH_SPIN, 1, 12, m_nEndMonth);
    SetupSpin(IDC_START_DAY_SPIN, 1, 31, m_nStartDay);
    SetupSpin(IDC_END_DAY_SPIN, 1, 31, m_nEndDay);
    SetupSpin(IDC_DIFFERENCE_SPIN, 0, kMaxDifference, m_nTimeDiff);
    PlaceDeviceDialogMiddle(*this);
    for (UINT nID : {IDC_START_MONTH, IDC_START_DAY, IDC_END_MONTH, IDC_END_DAY, IDC_DIFFERENCE}) {
        if (auto* pEdit = dynamic_cast<CEdit*>(GetDlgItem(int(nID))))
            pEdit->LimitText(nID == IDC_DIFFERENCE ? 3 : 2);
    }
    UpdateEnabledState();
    return TRUE;
}

void CSummerTimeDlg::SetupSpin(UINT nID, int nLower, int nUpper, int nPos)
{
    if (auto* pSpin = dynamic_cast<CSpinButtonCtrl*>(GetDlgItem(int(nID)))) {
        pSpin->SetRange32(nLower, nUpper);
        pSpin->SetPos32(nPos);
    }
}

void CSummerTimeDlg::UpdateEnabledState()
{
    const auto* pRule = dynamic_cast<const CComboBox*>(GetDlgItem(int(IDC_RULE)));
    const int nRule = pRule ? pRule->GetCurSel() : m_nRule;
    const BOOL bFree = IsDlgButtonChecked(int(IDC_ACTIVE)) == BST_CHECKED && nRule == DST_RULE_FREE;
    for (UINT nID : kRuleDateControls) {
        if (CWnd* pControl = GetDlgItem(int(nID)))
            pControl->EnableWindow(bFree);
    }
}


int CSummerTimeDlg::FieldValue(UINT nID) const
{
    CString strText;
    GetDlgItemText(int(nID), strText);
    return int(std::strtol(strText.ToUtf8().c_str(), nullptr, 10));
}

void CSummerTimeDlg::SetField(UINT nID, int nValue) { SetDlgItemInt(int(nID), UINT(nValue)); }

void CSummerTimeDlg::ClampMonth(UINT nMonthID, UINT nDayID)
{
    int nMonth = FieldValue(nMonthID);
    if (nMonth < 1 || nMonth > 12) {
        nMonth = nMonth < 1 ? 1 : 12;
        SetField(nMonthID, nMonth);
    }
    if (FieldValue(nDayID) > DaysInMonth(nMonth))
        SetField(nDayID, DaysInMonth(nMonth));
}

void CSummerTimeDlg::ClampDay(UINT nMonthID, UINT nDayID)
{
    const int nLimit = DaysInMonth(FieldValue(nMonthID));
    const int nDay = FieldValue(nDayID);
    if (nDay > nLimit)
        SetField(nDayID, nLimit);
    else if (nDay < 1)
        SetField(nDayID, 1);
}

void CSummerTimeDlg::OnDifferenceUpdate()
{
    const int nDifference = FieldValue(IDC_DIFFERENCE);
    if (nDifference > kMaxDifference)
        SetField(IDC_DIFFERENCE, kMaxDifference);
    else if (nDifference < 0)
        SetField(IDC_DIFFERENCE, 0);
}

void CSummerTimeDlg::PickDates(BOOL bStart)
{
    const UINT nMonthID = bStart ? IDC_START_MONTH : IDC_END_MONTH;
    const UINT nDayID = bStart ? IDC_START_DAY : IDC_END_DAY;
    CDateSelectDlg dlg(this);
    dlg.m_bFirstPair = bStart;
    dlg.m_bFeb29 = 0;
    (bStart ? dlg.m_nMonth1 : dlg.m_nMonth2) = FieldValue(nMonthID);
    (bStart ? dlg.m_nDay1 : dlg.m_nDay2) = FieldValue(nDayID);
    if (dlg.DoModal() != IDOK)
        return;
    SetField(nMonthID, bStart ? dlg.m_nMonth1 : dlg.m_nMonth2);
    SetField(nDayID, bStart ? dlg.m_nDay1 : dlg.m_nDay2);
}

void CSummerTimeDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    PostSettingsRequest(SETTING_DST_WRITE);
    CloseLater();
}

void CSummerTimeDlg::OnCancel() { CloseLater(); }
