// CSimClockDlg: the simulated Set Clock dialog (template 195), opened modeless by the Simulation
// bar's Set date/time button while that button is checked. Its date and time pickers start at
// the child frame's simulated clock; Apply and OK set the clock from them (the frame then shifts
// the running timers by the jump at the next scan), and with "Apply values immediately" every
// picker change sets it at once. OK and Cancel close the dialog and release the button.
#pragma once

#include "platform/ui/Dialog.h"

class CButton;
class CChildFrame;
class CDateTimeCtrl;

constexpr UINT IDD_SIM_CLOCK = 195;
constexpr UINT IDC_SIM_CLOCK_DATE = 1050;
constexpr UINT IDC_SIM_CLOCK_TIME = 1020;
constexpr UINT IDC_SIM_CLOCK_IMMEDIATE = 1215;
constexpr UINT IDC_SIM_CLOCK_APPLY = 3;
constexpr UINT IDC_SIM_CLOCK_SHOWN = 1154;

class CSimClockDlg : public CDialog {
    DECLARE_DYNAMIC(CSimClockDlg)

public:
    explicit CSimClockDlg(CChildFrame* pFrame);

    // Makes the modeless window. pButton is un-checked when the dialog closes itself;
    // pApplyImmediately is the bar's flag, shown by the check box and kept across openings.
    BOOL Create(CButton* pButton, int* pApplyImmediately, CWnd* pParentWnd);

    // The date of the date picker with the time of day of the time picker; FALSE (and nothing
    // set) when the pickers hold no valid date inside the clock's range.
    BOOL GetPickedTime(SYSTEMTIME* pOut) const;
    // The first and last moments the clock may be set to.
    static SYSTEMTIME RangeMin();
    static SYSTEMTIME RangeMax();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnApply();
    void OnImmediateClicked();
    void OnDateChange(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTimeChange(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    CDateTimeCtrl* Picker(UINT nID) const;
    // Sets the frame's clock from the pickers and shows it; FALSE when they hold no valid time.
    BOOL ApplyPickedTime();
    void ShowClock();
    // The dialog closes: its window goes and the Set date/time button pops out.
    void Close();

    CChildFrame* m_pFrame;
    CButton* m_pButton = nullptr;
    int* m_pApplyImmediately = nullptr;
};

// Registers template 195.
void RegisterSimClockTemplate();
