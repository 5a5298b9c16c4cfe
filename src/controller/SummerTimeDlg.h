// CSummerTimeDlg: the modeless "SummerTime/WinterTime" dialog (template 211). It opens after
// the controller's rule was read into this object's values; OK posts the write. The dates and
// the difference can be edited only for the freely adjustable rule; with a fixed rule they show
// what was read or kept, disabled, and travel with it unchanged.
#pragma once

#include "controller/DeviceSettingRecords.h"
#include "controller/DeviceToolDialog.h"

class CSummerTimeDlg : public CDeviceToolDialog, public SummerTimeValues {
    DECLARE_DYNAMIC(CSummerTimeDlg)

public:
    enum { IDD = 211 };
    static constexpr UINT IDC_START_MONTH = 1161;
    static constexpr UINT IDC_START_MONTH_SPIN = 1162;
    static constexpr UINT IDC_START_DAY = 1163;
    static constexpr UINT IDC_START_DAY_SPIN = 1164;
    static constexpr UINT IDC_END_MONTH = 1165;
    static constexpr UINT IDC_END_MONTH_SPIN = 1166;
    static constexpr UINT IDC_END_DAY = 1167;
    static constexpr UINT IDC_END_DAY_SPIN = 1168;
    static constexpr UINT IDC_ACTIVE = 1169;
    static constexpr UINT IDC_DIFFERENCE = 1170;
    static constexpr UINT IDC_DIFFERENCE_SPIN = 1171;
    static constexpr UINT IDC_RULE = 1208;
    static constexpr UINT IDC_START_PICK = 1322;
    static constexpr UINT IDC_END_PICK = 1323;
    static constexpr UINT IDC_HELP_BUTTON = 9;
    static constexpr int kMaxDifference = 180;

    CSummerTimeDlg();

    BOOL Create(CWnd* pParentWnd);

    // The last day of the month as the rule takes it (no leap day); a month outside 1..12
    // counts as December.
    static int DaysInMonth(int nMonth);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;
    void RegisterTemplate() override;
    void OnActiveClicked() { UpdateEnabledState(); }
    // The fields keep what was read or typed: a fixed rule's dates are the controller's to
    // apply. The rule, as every value, becomes the dialog's at OK only: Cancel keeps the old one.
    void OnRuleChange() { UpdateEnabledState(); }
    void OnStartPick() { PickDates(TRUE); }
    void OnEndPick() { PickDates(FALSE); }
    void OnStartMonthUpdate() { ClampMonth(IDC_START_MONTH, IDC_START_DAY); }
    void OnEndMonthUpdate() { ClampMonth(IDC_END_MONTH, IDC_END_DAY); }
    void OnStartDayUpdate() { ClampDay(IDC_START_MONTH, IDC_START_DAY); }
    void OnEndDayUpdate() { ClampDay(IDC_END_MONTH, IDC_END_DAY); }
    void OnDifferenceUpdate();
    void OnHelpButton() {}
    DECLARE_MESSAGE_MAP()

private:
    int FieldValue(UINT nID) const;
    void SetField(UINT nID, int nValue);
    void ClampMonth(UINT nMonthID, UINT nDayID);
    void ClampDay(UINT nMonthID, UINT nDayID);
    void UpdateEnabledState();
    void PickDates(BOOL bStart);
    void SetupSpin(UINT nID, int nLower, int nUpper, int nPos);
};
