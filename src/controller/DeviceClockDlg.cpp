#include "controller/DeviceClockDlg.h"

#include "controller/DeviceDialogPlacement.h"
#include "controller/DeviceDialogTemplate.h"
#include "controller/SettingMask.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Runtime.h"
#include "platform/ui/Button.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/Edit.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "platform/ui/Static.h"
#include "platform/ui/WndMessageMap.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CDeviceClockDlg, CDeviceToolDialog)

BEGIN_MESSAGE_MAP(CDeviceClockDlg, CDeviceToolDialog)
    ON_BN_CLICKED(CDeviceClockDlg::IDC_READ, OnRead)
    ON_BN_CLICKED(CDeviceClockDlg::IDC_WRITE, OnWrite)
    ON_BN_CLICKED(CDeviceClockDlg::IDC_CURRENT_TIME, OnCurrentTime)
    ON_BN_CLICKED(CDeviceClockDlg::IDC_GET, OnGet)
    ON_BN_CLICKED(CDeviceClockDlg::IDC_SET, OnSet)
    ON_BN_CLICKED(CDeviceClockDlg::IDC_HELP_BUTTON, OnHelpButton)
    ON_NOTIFY(DTN_DATETIMECHANGE, CDeviceClockDlg::IDC_DATE, OnDateChange)
    ON_EN_UPDATE(CDeviceClockDlg::IDC_HOUR, OnHourUpdate)
    ON_EN_UPDATE(CDeviceClockDlg::IDC_MINUTE, OnMinuteUpdate)
    ON_EN_UPDATE(CDeviceClockDlg::IDC_SECOND, OnSecondUpdate)
END_MESSAGE_MAP()

namespace {

using namespace DeviceTemplate;

// The controller's clock runs from 2010 to 2036.
constexpr SYSTEMTIME kFirstDate = {2010, 1, 5, 1, 0, 0, 1, 0};
constexpr SYSTEMTIME kLastDate = {2036, 12, 3, 31, 23, 59, 59, 0};
// "The date read from the device (%04d-%02d-%02d) cannot be shown ...".
constexpr UINT IDS_DATE_NOT_SHOWN = 653;

void RegisterDeviceClockTemplate()
{
    if (AfxFindDialogTemplate(CDeviceClockDlg::IDD))
        return;
    using D = CDeviceClockDlg;
    DialogTemplate dlg = DeviceTemplate::ModelessDialog(D::IDD, _T("Set Clock"), CSize(250, 150));
    dlg.items = {
        DialogItem(D::IDC_DATE, DATETIMEPICK_CLASS, WS_TABSTOP | WS_GROUP | DTS_SHORTDATEFORMAT, CRect(14, 20, 114, 34)),
        DialogItem(D::IDC_HOUR, WC_EDIT, kEdit | WS_GROUP, CRect(14, 68, 40, 80)),
        DialogItem(D::IDC_HOUR_SPIN, UPDOWN_CLASS, kSpin, CRect(40, 68, 50, 80)),
        DialogItem(D::IDC_MINUTE, WC_EDIT, kEdit | WS_GROUP, CRect(54, 68, 80, 80)),
        DialogItem(D::IDC_MINUTE_SPIN, UPDOWN_CLASS, kSpin, CRect(80, 68, 90, 80)),
        DialogItem(D::IDC_SECOND, WC_EDIT, kEdit | WS_GROUP, CRect(94, 68, 120, 80)),
        DialogItem(D::IDC_SECOND_SPIN, UPDOWN_CLASS, kSpin, CRect(120, 68, 130, 80)),
        DialogItem(kStatic, WC_STATIC, SS_LEFT, CRect(14, 58, 50, 67), _T("Hour")),
        DialogItem(kStatic, WC_STATIC, SS_LEFT, CRect(54, 58, 90, 67), _T("Minute")),
        DialogItem(kStatic, WC_STATIC, SS_LEFT, CRect(94, 58, 130, 67), _T("Second")),
        DialogItem(D::IDC_READ, WC_BUTTON, kButton, CRect(140, 10, 240, 24), _T("Read")),
        DialogItem(D::IDC_WRITE, WC_BUTTON, kButton, CRect(140, 28, 240, 42), _T("Write")),
        DialogItem(D::IDC_CURRENT_TIME, WC_BUTTON, kButton, CRect(140, 46, 240, 60), _T("Current Time")),
        DialogItem(IDCANCEL, WC_BUTTON, kButton, CRect(140, 64, 240, 78), _T("Cancel")),
        DialogItem(D::IDC_HELP_BUTTON, WC_BUTTON, kButton, CRect(140, 82, 240, 96), _T("Help")),
        DialogItem(D::IDC_CALIBRATION, WC_EDIT, kEdit | WS_GROUP, CRect(14, 116, 50, 128)),
        DialogItem(D::IDC_CALIBRATION_SPIN, UPDOWN_CLASS, kSpin, CRect(50, 116, 60, 128)),
        DialogItem(D::IDC_CALIBRATION_UNIT, WC_STATIC, SS_LEFT, CRect(64, 118, 104, 127), _T("Sec/Week")),
        DialogItem(D::IDC_GET, WC_BUTTON, kButton, CRect(140, 104, 240, 118), _T("Get")),
        DialogItem(D::IDC_SET, WC_BUTTON, kButton, CRect(140, 122, 240, 136), _T("Set")),
        // The frames last, so that they stay below the controls they surround.
        DialogItem(kStatic, WC_BUTTON, BS_GROUPBOX, CRect(7, 7, 130, 42), _T("Date")),
        DialogItem(kStatic, WC_BUTTON, BS_GROUPBOX, CRect(7, 44, 134, 88), _T("Time")),
        DialogItem(D::IDC_CALIBRATION_GROUP, WC_BUTTON, BS_GROUPBOX, CRect(7, 94, 134, 140), _T("Calibration")),
    };
    AfxRegisterDialogTemplate(std::move(dlg));
}

}  // namespace

CDeviceClockDlg::CDeviceClockDlg() : CDeviceToolDialog(IDD) {}

BOOL CDeviceClockDlg::Create(CWnd* pParentWnd) { return CreateTool(pParentWnd); }

void CDeviceClockDlg::RegisterTemplate() { RegisterDeviceClockTemplate(); }

CDateTimeCtrl* CDeviceClockDlg::DateCtrl() const
{
    return m_hWnd ? dynamic_cast<CDateTimeCtrl*>(GetDlgItem(int(IDC_DATE))) : nullptr;
}

void CDeviceClockDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    if (!pDX->m_bSaveAndValidate || m_saving != Fields::Calibration) {
        DDX_Text(pDX, int(IDC_HOUR), m_nHour);
        DDX_Text(pDX, int(IDC_MINUTE), m_nMinute);
        DDX_Text(pDX, int(IDC_SECOND), m_nSecond);
    }
    if (!pDX->m_bSaveAndValidate || m_saving != Fields::Time) {
        DDX_Text(pDX, int(IDC_CALIBRATION), m_nCalibration);
        // The controller takes the magnitude in 16 bits: a larger one would arrive wrapped.
        DDV_MinMaxIntSent(pDX, m_nCalibration, -kCalibrationLimit, kCalibrationLimit);
    }
}

// Write sends the clock and Set the calibration: each takes and checks only its own fields, so
// that a calibration read from the controller outside the range does not stop a clock write.
BOOL CDeviceClockDlg::SaveFields(Fields fields)
{
    m_saving = fields;
    const BOOL bSaved = UpdateData(TRUE);
    m_saving = Fields::All;
    return bSaved;
}

BOOL CDeviceClockDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(_T("Clock Setting/Calibration"));
    UpdateData(FALSE);
    SetupSpin(IDC_HOUR_SPIN, 0, 23, m_nHour);
    SetupSpin(IDC_MINUTE_SPIN, 0, 59, m_nMinute);
    SetupSpin(IDC_SECOND_SPIN, 0, 59, m_nSecond);
    SetupSpin(IDC_CALIBRATION_SPIN, -kCalibrationLimit, kCalibrationLimit, m_nCalibration);
    PlaceDeviceDialogMiddle(*this);
    if (CDateTimeCtrl* pDate = DateCtrl())
        pDate->SetRange(&kFirstDate, &kLastDate);
    OnCurrentTime();
    for (UINT nID : {IDC_HOUR, IDC_MINUTE, IDC_SECOND}) {
        if (auto* pEdit = dynamic_cast<CEdit*>(GetDlgItem(int(nID))))
            pEdit->LimitText(2);
    }
    return TRUE;
}

void CDeviceClockDlg::SetupSpin(UINT nID, int nLower, int nUpper, int nPos)
{
    if (auto* pSpin = dynamic_cast<CSpinButtonCtrl*>(GetDlgItem(int(nID)))) {
        pSpin->SetRange32(nLower, nUpper);
        pSpin->SetPos32(nPos);
    }
}

void CDeviceClockDlg::TakeDate(const SYSTEMTIME& st)
{
    m_nYear = st.wYear;
    m_nMonth = st.wMonth;
    m_nDay = st.wDay;
    m_nDayOfWeek = st.wDayOfWeek;
}

void CDeviceClockDlg::OnCurrentTime()
{
    SYSTEMTIME st = {};
    GetLocalTime(&st);
    TakeDate(st);
    m_nHour = st.wHour;
    m_nMinute = st.wMinute;
    m_nSecond = st.wSecond;
    if (CDateTimeCtrl* pDate = DateCtrl())
        pDate->SetTime(&st);
    if (m_hWnd)
        UpdateData(FALSE);
}

void CDeviceClockDlg::ShowReadClock()
{
    if (!m_hWnd)
        return;
    // The control shows the date alone. At noon a day at either end of its range lies inside
    // it, and a time of day the fields hold to their bounds cannot make a date look wrong.
    SYSTEMTIME st = {};
    st.wYear = WORD(m_nYear);
    st.wMonth = WORD(m_nMonth);
    st.wDay = WORD(m_nDay);
    st.wHour = 12;
    CDateTimeCtrl* pDate = DateCtrl();
    CString strRefused;
    if (pDate && !pDate->SetTime(&st))
        strRefused.Format(IDS_DATE_NOT_SHOWN, m_nYear, m_nMonth, m_nDay);
    // The values take the date the control shows, with the day of the week it works out: Write
    // sends what the dialog shows, also when the controller's date could not be shown.
    if (pDate && pDate->GetTime(&st) == GDT_VALID)
        TakeDate(st);
    UpdateData(FALSE);
    if (!strRefused.IsEmpty())
        AfxMessageBox(strRefused, MB_ICONEXCLAMATION);
}

void CDeviceClockDlg::RefreshFields()
{
    if (m_hWnd)
        UpdateData(FALSE);
}

void CDeviceClockDlg::OnDateChange(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* pChange = reinterpret_cast<const NMDATETIMECHANGE*>(pNMHDR);
    if (pChange->dwFlags == GDT_VALID)
        TakeDate(pChange->st);
    *pResult = 0;
}

int CDeviceClockDlg::ClampedTimeField(const CString& strText, int nLimit)
{
    CString strTrimmed = strText;
    strTrimmed.Trim();
    if (strTrimmed.IsEmpty())
        return 0;
    const long nValue = std::strtol(strTrimmed.ToUtf8().c_str(), nullptr, 10);
    if (nValue >= 0 && nValue < nLimit)
        return -1;
    return nValue >= nLimit ? nLimit - 1 : 0;
}

void CDeviceClockDlg::ClampField(UINT nID, int nLimit)
{
    CString strText;
    GetDlgItemText(int(nID), strText);
    const int nValue = ClampedTimeField(strText, nLimit);
    if (nValue >= 0)
        SetDlgItemInt(int(nID), UINT(nValue));
}

void CDeviceClockDlg::OnRead() { PostSettingsRequest(SETTING_CLOCK_READ); }

void CDeviceClockDlg::OnWrite()
{
    if (SaveFields(Fields::Time))
        PostSettingsRequest(SETTING_CLOCK_WRITE);
}

void CDeviceClockDlg::OnGet() { PostSettingsRequest(SETTING_CALIB_READ); }

void CDeviceClockDlg::OnSet()
{
    if (SaveFields(Fields::Calibration))
        PostSettingsRequest(SETTING_CALIB_WRITE);
}

void CDeviceClockDlg::OnOK()
{
    if (UpdateData(TRUE))
        CloseLater();
}

void CDeviceClockDlg::OnCancel() { CloseLater(); }
