// CDeviceClockDlg: the modeless "Clock Setting/Calibration" dialog (template 172). It never
// talks to the controller: Read, Write, Get and Set post a settings request with one mask bit
// to the main window, whose settings operation takes the clock and calibration from this
// object's values or stores what it read into them. The main frame keeps one object for its
// whole life, so values persist between openings.
#pragma once

#include "controller/DeviceSettingRecords.h"
#include "controller/DeviceToolDialog.h"

class CDateTimeCtrl;

class CDeviceClockDlg : public CDeviceToolDialog, public DeviceClockValues {
    DECLARE_DYNAMIC(CDeviceClockDlg)

public:
    enum { IDD = 172 };
    static constexpr UINT IDC_DATE = 1056;
    static constexpr UINT IDC_HOUR = 1321;
    static constexpr UINT IDC_MINUTE = 1325;
    static constexpr UINT IDC_SECOND = 1332;
    static constexpr UINT IDC_HOUR_SPIN = 1075;
    static constexpr UINT IDC_MINUTE_SPIN = 1069;
    static constexpr UINT IDC_SECOND_SPIN = 1070;
    static constexpr UINT IDC_READ = 1071;
    static constexpr UINT IDC_WRITE = 1067;
    static constexpr UINT IDC_CURRENT_TIME = 1068;
    static constexpr UINT IDC_CALIBRATION_GROUP = 1289;
    static constexpr UINT IDC_CALIBRATION = 1322;
    static constexpr UINT IDC_CALIBRATION_SPIN = 1073;
    static constexpr UINT IDC_CALIBRATION_UNIT = 1330;
    static constexpr UINT IDC_GET = 1074;
    static constexpr UINT IDC_SET = 1072;
    static constexpr UINT IDC_HELP_BUTTON = 9;
    static constexpr int kCalibrationLimit = 30;

    CDeviceClockDlg();

    // Makes the window (it opens showing the PC's time); TRUE when it exists afterwards.
    BOOL Create(CWnd* pParentWnd);

    // After a clock read: the date control shows the read date and the fields the read time of
    // day. A date the control cannot show (outside its range, or no date at all) is reported,
    // and the values keep the date the control shows.
    void ShowReadClock();
    // After a calibration read: the fields show the values.
    void RefreshFields();

    // The PC's local time into the values, the date control and the fields.
    void OnCurrentTime();

    // What a field's text becomes so that it holds 0..nLimit-1: empty or negative text 0, too
    // large a value nLimit - 1; -1 when the text may stay.
    static int ClampedTimeField(const CString& strText, int nLimit);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;
    void RegisterTemplate() override;
    void OnRead();
    void OnWrite();
    void OnGet();
    void OnSet();
    void OnHelpButton() {}
    void OnDateChange(NMHDR* pNMHDR, LRESULT* pResult);
    void OnHourUpdate() { ClampField(IDC_HOUR, 24); }
    void OnMinuteUpdate() { ClampField(IDC_MINUTE, 60); }
    void OnSecondUpdate() { ClampField(IDC_SECOND, 60); }
    DECLARE_MESSAGE_MAP()

private:
    enum class Fields { All, Time, Calibration };

    CDateTimeCtrl* DateCtrl() const;
    BOOL SaveFields(Fields fields);
    void ClampField(UINT nID, int nLimit);
    void SetupSpin(UINT nID, int nLower, int nUpper, int nPos);
    void TakeDate(const SYSTEMTIME& st);

    // What a save of the data exchange takes: Write and Set each take their own fields.
    Fields m_saving = Fields::All;
};
