#include "pages/blocks/TimerTemplates.h"

#include "pages/blocks/TimerPageIds.h"
#include "pages/sheet/PageIds.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "platform/ui/Static.h"

#include <algorithm>

namespace {

constexpr DWORD kPageStyle = WS_CHILD | DS_SETFONT;
constexpr DWORD kEditStyle = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kNumberStyle = kEditStyle | ES_NUMBER;
constexpr DWORD kSpinStyle = UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_AUTOBUDDY | UDS_NOTHOUSANDS;
constexpr DWORD kCheckStyle = WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kListStyle = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

DialogTemplate Page(UINT nID, LPCTSTR lpszCaption, CSize size)
{
    DialogTemplate t;
    t.nID = nID;
    t.strCaption = lpszCaption;
    t.dwStyle = kPageStyle;
    t.size = size;
    return t;
}

void Add(DialogTemplate& t, UINT nID, LPCTSTR lpszClass, DWORD dwStyle, CRect rect, LPCTSTR lpszText = _T(""))
{
    t.items.push_back(DialogItem(nID, lpszClass, dwStyle, rect, lpszText));
}

void Label(DialogTemplate& t, LPCTSTR lpszText, CRect rect, UINT nID = UINT(-1))
{
    Add(t, nID, WC_STATIC, 0, rect, lpszText);
}

void Group(DialogTemplate& t, UINT nID, LPCTSTR lpszText, CRect rect)
{
    Add(t, nID, WC_BUTTON, BS_GROUPBOX, rect, lpszText);
}

void Check(DialogTemplate& t, UINT nID, LPCTSTR lpszText, CRect rect)
{
    Add(t, nID, WC_BUTTON, kCheckStyle, rect, lpszText);
}

// A number edit at x, y with its spin right of it.
void SpinEdit(DialogTemplate& t, UINT nEdit, UINT nSpin, int x, int y, int nWidth = 24)
{
    Add(t, nEdit, WC_EDIT, kNumberStyle, CRect(x, y, x + nWidth, y + 12));
    Add(t, nSpin, UPDOWN_CLASS, kSpinStyle, CRect(x + nWidth, y, x + nWidth + 10, y + 12));
}

void AddNameRow(DialogTemplate& t)
{
    Label(t, _T("Block name"), CRect(10, 12, 60, 22), IDC_BLOCK_NAME_LABEL);
    Add(t, IDC_BLOCK_NAME, WC_EDIT, kEditStyle, CRect(62, 10, 120, 22));
}

struct TimeRowIds {
    UINT nGroup, nHigh, nHighSpin, nColon, nLow, nLowSpin, nBase, nReference;
};

// The right edge of a time row's group box. A referenced time shows the block list where the
// edits stand and the unit list at the base list's right end; the base list reaches far enough
// that a block named by a long type ("B87[Fixed-point arithmetic]") shows whole beside the unit.
constexpr int kTimeRowRight = 272;
constexpr int kTimePageWidth = kTimeRowRight + 7;

// "high : low  base  Reference" in a group box whose top is y.
void AddTimeRow(DialogTemplate& t, const TimeRowIds& ids, LPCTSTR lpszCaption, int y)
{
    Group(t, ids.nGroup, lpszCaption, CRect(7, y, kTimeRowRight, y + 34));
    SpinEdit(t, ids.nHigh, ids.nHighSpin, 14, y + 14);
    Label(t, _T(":"), CRect(50, y + 16, 54, y + 26), ids.nColon);
    SpinEdit(t, ids.nLow, ids.nLowSpin, 56, y + 14);
    Add(t, ids.nBase, WC_COMBOBOX, kListStyle, CRect(93, y + 14, kTimeRowRight - 52, y + 74));
    Add(t, ids.nReference, WC_BUTTON, WS_TABSTOP | BS_PUSHBUTTON,
        CRect(kTimeRowRight - 49, y + 13, kTimeRowRight - 3, y + 27), _T("Reference"));
}

constexpr TimeRowIds kTime1 = {IDC_TIME1_GROUP, IDC_TIME1_HIGH, IDC_TIME1_HIGH_SPIN, IDC_TIME1_COLON, IDC_TIME1_LOW,
                               IDC_TIME1_LOW_SPIN, IDC_TIME1_BASE, IDC_TIME1_REFERENCE};
constexpr TimeRowIds kTime2 = {IDC_TIME2_GROUP, IDC_TIME2_HIGH, IDC_TIME2_HIGH_SPIN, IDC_TIME2_COLON, IDC_TIME2_LOW,
                               IDC_TIME2_LOW_SPIN, IDC_TIME2_BASE, IDC_TIME2_REFERENCE};

DialogTemplate SpecialFunPar()
{
    DialogTemplate t = Page(IDD_SPECIAL_FUN_PAR, _T("Parameter"), CSize(kTimePageWidth, 120));
    AddNameRow(t);
    AddTimeRow(t, kTime1, _T("On-Delay"), 30);
    Check(t, IDC_RETENTIVE, _T("Retentivity"), CRect(10, 74, 120, 86));
    Check(t, IDC_PROTECTION, _T("Protection Active"), CRect(10, 90, 120, 102));
    return t;
}

DialogTemplate SpecialFunPar2()
{
    DialogTemplate t = Page(IDD_SPECIAL_FUN_PAR2, _T("Parameter"), CSize(kTimePageWidth, 160));
    AddNameRow(t);
    AddTimeRow(t, kTime1, _T("Pulse width"), 30);
    AddTimeRow(t, kTime2, _T("Interpulse width"), 68);
    Label(t, _T("Number of pulse cycle"), CRect(10, 110, 100, 120), IDC_PULSE_CYCLES_LABEL);
    DialogItemTemplate cycles = DialogItem(IDC_PULSE_CYCLES, WC_COMBOBOX, kListStyle, CRect(104, 108, 134, 188));
    for (LPCTSTR lpszItem : {_T("1"), _T("2"), _T("3"), _T("4"), _T("5"), _T("6"), _T("7"), _T("8"), _T("9")})
        cycles.items.push_back(lpszItem);
    t.items.push_back(cycles);
    Check(t, IDC_RETENTIVE, _T("Retentivity"), CRect(10, 126, 120, 138));
    Check(t, IDC_PROTECTION, _T("Protection Active"), CRect(10, 142, 120, 154));
    return t;
}

// A pre-warning value: "high : low  unit  Reference" in a group box whose top is y.
void AddWarningRow(DialogTemplate& t, const TimeRowIds& ids, UINT nUnitLabel, LPCTSTR lpszCaption, int y)
{
    Group(t, ids.nGroup, lpszCaption, CRect(7, y, kTimeRowRight, y + 34));
    SpinEdit(t, ids.nHigh, ids.nHighSpin, 14, y + 14);
    Label(t, _T(":"), CRect(50, y + 16, 54, y + 26), ids.nColon);
    SpinEdit(t, ids.nLow, ids.nLowSpin, 56, y + 14);
    Label(t, _T(""), CRect(96, y + 16, kTimeRowRight - 54, y + 26), nUnitLabel);
    Add(t, ids.nReference, WC_BUTTON, WS_TABSTOP | BS_PUSHBUTTON,
        CRect(kTimeRowRight - 49, y + 13, kTimeRowRight - 3, y + 27), _T("Reference"));
}

constexpr TimeRowIds kSwitchOff = {IDC_SW_T_GROUP, IDC_TIME2_HIGH, IDC_TIME2_HIGH_SPIN, IDC_SW_T_COLON, IDC_TIME2_LOW,
                                   IDC_TIME2_LOW_SPIN, IDC_TIME2_BASE, IDC_TIME2_REFERENCE};
constexpr TimeRowIds kSwitchLight = {IDC_SW_TL_GROUP, IDC_TIME1_HIGH, IDC_TIME1_HIGH_SPIN, IDC_TIME1_COLON, IDC_TIME1_LOW,
                                     IDC_TIME1_LOW_SPIN, IDC_TIME1_BASE, IDC_TIME1_REFERENCE};
constexpr TimeRowIds kWarn = {IDC_SW_WARN_GROUP, IDC_SW_WARN_HIGH, IDC_SW_WARN_HIGH_SPIN, IDC_SW_WARN_COLON,
                              IDC_SW_WARN_LOW, IDC_SW_WARN_LOW_SPIN, 0, IDC_SW_WARN_REFERENCE};
constexpr TimeRowIds kPeriod = {IDC_SW_PERIOD_GROUP, IDC_SW_PERIOD_HIGH, IDC_SW_PERIOD_HIGH_SPIN, IDC_SW_PERIOD_COLON,
                                IDC_SW_PERIOD_LOW, IDC_SW_PERIOD_LOW_SPIN, 0, IDC_SW_PERIOD_REFERENCE};

// The stairway switch's page, with the permanent light between T and the pre-warning for the
// multi-function switch.
DialogTemplate SwitchPage(UINT nID, bool bLight)
{
    const int nLight = bLight ? 38 : 0;
    DialogTemplate t = Page(nID, _T("Parameter"), CSize(kTimePageWidth, 218 + nLight));
    AddNameRow(t);
    TimeRowIds off = kSwitchOff;
    off.nGroup = bLight ? IDC_SW_T_GROUP : IDC_SW_TL_GROUP;
    AddTimeRow(t, off, bLight ? _T("Off Delay Time (T)") : _T("Off-Delay"), 30);
    if (bLight)
        AddTimeRow(t, kSwitchLight, _T("Permanent Light (TL)"), 68);
    Check(t, IDC_SW_STANDARD, _T("Use standard values for the pre-warning"), CRect(10, 70 + nLight, 230, 82 + nLight));
    AddWarningRow(t, kWarn, IDC_SW_WARN_UNIT, _T("Pre-warning time (T!)"), 88 + nLight);
    AddWarningRow(t, kPeriod, IDC_SW_PERIOD_UNIT, _T("Pre-warning period (T!L)"), 126 + nLight);
    Check(t, IDC_RETENTIVE, _T("Retentivity"), CRect(10, 168 + nLight, 120, 180 + nLight));
    Check(t, IDC_PROTECTION, _T("Protection Active"), CRect(10, 184 + nLight, 120, 196 + nLight));
    return t;
}

DialogTemplate WeeklyGeneral()
{
    DialogTemplate t = Page(IDD_WEEKLY_GENERAL, _T("General"), CSize(200, 90));
    AddNameRow(t);
    Check(t, IDC_PROTECTION, _T("Protection Active"), CRect(10, 34, 120, 46));
    Check(t, IDC_PULSE_OUTPUT, _T("Pulse Output"), CRect(10, 50, 120, 62));
    return t;
}

// A cam's "hour : minute" and its "Disable" check in a group box whose top is y.
void AddCamTime(DialogTemplate& t, UINT nGroup, LPCTSTR lpszCaption, UINT nHour, UINT nHourSpin, UINT nColon,
                UINT nMinute, UINT nMinuteSpin, UINT nDisable, int y)
{
    Group(t, nGroup, lpszCaption, CRect(100, y, 240, y + 34));
    SpinEdit(t, nHour, nHourSpin, 106, y + 14, 20);
    Label(t, _T(":"), CRect(138, y + 16, 142, y + 26), nColon);
    SpinEdit(t, nMinute, nMinuteSpin, 144, y + 14, 20);
    Check(t, nDisable, _T("Disable"), CRect(180, y + 15, 236, y + 27));
}

DialogTemplate WeeklyCams()
{
    DialogTemplate t = Page(IDD_WEEKLY_CAMS, _T("Cams"), CSize(247, 130));
    Group(t, IDC_WEEKDAY_GROUP, _T("Weekday"), CRect(7, 7, 92, 124));
    LPCTSTR days[] = {_T("Monday"), _T("Tuesday"), _T("Wednesday"), _T("Thursday"),
                      _T("Friday"), _T("Saturday"), _T("Sunday")};
    for (int i = 0; i < 7; ++i)
        Check(t, UINT(IDC_MONDAY + i), days[i], CRect(14, 20 + 14 * i, 88, 32 + 14 * i));
    AddCamTime(t, IDC_CAM_ON_GROUP, _T("On Time"), IDC_CAM_ON_HOUR, IDC_CAM_ON_HOUR_SPIN, 1186, IDC_CAM_ON_MINUTE,
               IDC_CAM_ON_MINUTE_SPIN, IDC_CAM_ON_DISABLE, 7);
    AddCamTime(t, IDC_CAM_OFF_GROUP, _T("Off Time"), IDC_CAM_OFF_HOUR, IDC_CAM_OFF_HOUR_SPIN, 1187, IDC_CAM_OFF_MINUTE,
               IDC_CAM_OFF_MINUTE_SPIN, IDC_CAM_OFF_DISABLE, 48);
    return t;
}

// A date "month . day  ..." in a group box whose top is y.
void AddDate(DialogTemplate& t, UINT nGroup, LPCTSTR lpszCaption, UINT nMonth, UINT nMonthSpin, UINT nColon, UINT nDay,
             UINT nDaySpin, UINT nCalendar, UINT nLabel, int y)
{
    Group(t, nGroup, lpszCaption, CRect(7, y, 150, y + 34));
    SpinEdit(t, nMonth, nMonthSpin, 14, y + 14, 20);
    Label(t, _T(":"), CRect(46, y + 16, 50, y + 26), nColon);
    SpinEdit(t, nDay, nDaySpin, 52, y + 14, 20);
    Add(t, nCalendar, WC_BUTTON, WS_TABSTOP | BS_PUSHBUTTON, CRect(84, y + 13, 96, y + 27), _T("..."));
    Label(t, _T("Month.Day"), CRect(100, y + 16, 148, y + 26), nLabel);
}

void AddYear(DialogTemplate& t, UINT nGroup, LPCTSTR lpszCaption, UINT nYear, UINT nSpin, UINT nLabel, int y)
{
    Group(t, nGroup, lpszCaption, CRect(156, y, 240, y + 34));
    SpinEdit(t, nYear, nSpin, 162, y + 14, 30);
    Label(t, _T("Year"), CRect(206, y + 16, 236, y + 26), nLabel);
}

DialogTemplate YearlyTimer()
{
    DialogTemplate t = Page(IDD_YEARLY_TIMER, _T("Parameter"), CSize(247, 150));
    AddNameRow(t);
    AddDate(t, IDC_CAM_ON_GROUP, _T("On Time"), IDC_YT_ON_MONTH, IDC_YT_ON_MONTH_SPIN, 1186, IDC_YT_ON_DAY,
            IDC_YT_ON_DAY_SPIN, IDC_YT_ON_CALENDAR, IDC_YT_ON_DATE_LABEL, 30);
    AddYear(t, IDC_YT_ON_YEAR_GROUP, _T("On Year"), IDC_YT_ON_YEAR, IDC_YT_ON_YEAR_SPIN, IDC_YT_ON_YEAR_LABEL, 30);
    AddDate(t, IDC_CAM_OFF_GROUP, _T("Off Time"), IDC_YT_OFF_MONTH, IDC_YT_OFF_MONTH_SPIN, 1187, IDC_YT_OFF_DAY,
            IDC_YT_OFF_DAY_SPIN, IDC_YT_OFF_CALENDAR, IDC_YT_OFF_DATE_LABEL, 68);
    AddYear(t, IDC_YT_OFF_YEAR_GROUP, _T("Off Year"), IDC_YT_OFF_YEAR, IDC_YT_OFF_YEAR_SPIN, IDC_YT_OFF_YEAR_LABEL, 68);
    Check(t, IDC_YT_MONTHLY, _T("Monthly"), CRect(10, 108, 80, 120));
    Check(t, IDC_YT_YEARLY, _T("Yearly"), CRect(90, 108, 160, 120));
    Check(t, IDC_PULSE_OUTPUT, _T("Pulse Output"), CRect(10, 124, 80, 136));
    Check(t, IDC_PROTECTION, _T("Protection Active"), CRect(90, 124, 180, 136));
    return t;
}

DialogTemplate Avgval()
{
    DialogTemplate t = Page(IDD_AVGVAL, _T("Parameter"), CSize(239, 155));
    AddNameRow(t);
    Label(t, _T("Sampling time"), CRect(10, 34, 90, 44));
    SpinEdit(t, IDC_AVG_TIME, IDC_AVG_TIME_SPIN, 92, 32, 30);
    DialogItemTemplate unit = DialogItem(IDC_AVG_UNIT, WC_COMBOBOX, kListStyle, CRect(134, 32, 194, 92));
    unit.items = {_T("Days"), _T("Hours"), _T("Minutes"), _T("Seconds")};
    t.items.push_back(unit);
    Check(t, IDC_AVG_REFERENCE, _T("Reference"), CRect(134, 48, 194, 60));
    Label(t, _T("Number of samples"), CRect(10, 66, 90, 76));
    SpinEdit(t, IDC_AVG_SAMPLES, IDC_AVG_SAMPLES_SPIN, 92, 64, 30);
    Check(t, IDC_AVG_RETENTIVE, _T("Retentivity"), CRect(10, 84, 120, 96));
    Check(t, IDC_AVG_PROTECTION, _T("Protection Active"), CRect(10, 100, 120, 112));
    Label(t, _T("When Enable=0,the calculation stops and the outputs hold the current value."), CRect(10, 118, 232, 136),
          1281);
    Label(t, _T("When Reset=1,all actual  values are reset to 0."), CRect(10, 138, 232, 148), 1282);
    return t;
}

DialogTemplate ThresholdTrigger()
{
    DialogTemplate t = Page(IDD_THRESHOLD_TRIGGER, _T("Parameter"), CSize(267, 189));
    AddNameRow(t);
    Group(t, IDC_TT_THRESHOLD_GROUP, _T("Threshold"), CRect(7, 30, 260, 64));
    Label(t, _T("On"), CRect(14, 46, 30, 56), IDC_TT_ON_LABEL);
    SpinEdit(t, IDC_TT_ON, IDC_TT_ON_SPIN, 32, 44, 30);
    Label(t, _T("Off"), CRect(100, 46, 116, 56), IDC_TT_OFF_LABEL);
    SpinEdit(t, IDC_TT_OFF, IDC_TT_OFF_SPIN, 118, 44, 30);
    Group(t, IDC_TT_TIME_GROUP, _T("Time Parameter"), CRect(7, 70, 260, 104));
    SpinEdit(t, IDC_TT_SECONDS, IDC_TT_SECONDS_SPIN, 14, 84);
    Label(t, _T(":"), CRect(50, 86, 54, 96), IDC_TT_COLON);
    SpinEdit(t, IDC_TT_HUNDREDTHS, IDC_TT_HUNDREDTHS_SPIN, 56, 84);
    Label(t, _T("Seconds (s:1/100s)"), CRect(96, 86, 176, 96), IDC_TT_UNIT_LABEL);
    Add(t, IDC_TT_REFERENCE, WC_BUTTON, WS_TABSTOP | BS_PUSHBUTTON, CRect(182, 83, 232, 97), _T("Reference"));
    Check(t, IDC_PROTECTION, _T("Protection Active"), CRect(10, 112, 120, 124));
    return t;
}

DialogTemplate HoursCounter()
{
    DialogTemplate t = Page(IDD_HOURS_COUNTER, _T("Parameter"), CSize(247, 150));
    AddNameRow(t);
    Group(t, IDC_HC_MI_GROUP, _T("Maintenance Interval(MI)"), CRect(7, 30, 240, 64));
    SpinEdit(t, IDC_HC_MI_HOURS, IDC_HC_MI_HOURS_SPIN, 14, 44, 30);
    Label(t, _T(":"), CRect(56, 46, 60, 56), IDC_HC_MI_COLON);
    SpinEdit(t, IDC_HC_MI_MINUTES, IDC_HC_MI_MINUTES_SPIN, 62, 44);
    Label(t, _T("Hours(h:m)"), CRect(100, 46, 176, 56), IDC_HC_MI_UNIT);
    Add(t, IDC_HC_REFERENCE, WC_BUTTON, WS_TABSTOP | BS_PUSHBUTTON, CRect(182, 43, 232, 57), _T("Reference"));
    Group(t, IDC_HC_OT_GROUP, _T("Start time for OT"), CRect(7, 70, 240, 104));
    SpinEdit(t, IDC_HC_OT_HOURS, IDC_HC_OT_HOURS_SPIN, 14, 84, 30);
    Label(t, _T(":"), CRect(56, 86, 60, 96), IDC_HC_OT_COLON);
    SpinEdit(t, IDC_HC_OT_MINUTES, IDC_HC_OT_MINUTES_SPIN, 62, 84);
    Label(t, _T("Hours(h:m)"), CRect(100, 86, 176, 96), IDC_HC_OT_UNIT);
    Check(t, IDC_HC_OUTPUT_NOT_ZERO, _T("Output is not 0,If En=0"), CRect(10, 110, 160, 122));
    Check(t, IDC_RETENTIVE, _T("Retentivity"), CRect(10, 126, 90, 138));
    Check(t, IDC_PROTECTION, _T("Protection Active"), CRect(100, 126, 200, 138));
    return t;
}

// Group boxes go last, so that each frame stays below the controls it surrounds.
void Register(DialogTemplate t)
{
    std::stable_partition(t.items.begin(), t.items.end(),
                          [](const DialogItemTemplate& item) { return (item.dwStyle & 0xF) != BS_GROUPBOX || item.strClass != WC_BUTTON; });
    AfxRegisterDialogTemplate(std::move(t));
}

}  // namespace

void RegisterTimerTemplates()
{
    Register(SpecialFunPar());
    Register(SpecialFunPar2());
    Register(WeeklyGeneral());
    Register(WeeklyCams());
    Register(YearlyTimer());
    Register(SwitchPage(IDD_SPECIAL_PAR3, false));
    Register(SwitchPage(IDD_SPECIAL_PAR4, true));
    Register(Avgval());
    Register(HoursCounter());
    Register(ThresholdTrigger());
}
