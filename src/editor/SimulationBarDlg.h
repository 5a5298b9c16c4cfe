// CSimulationBarDlg: the control panel of a running simulation (template 4569), inside its
// docking bar CSimulationBar. Its buttons switch the simulated supply (held down: a power
// failure), start, stop, suspend and resume, step by cycles or by a span of simulated time, and
// open the Set Clock dialog. The scan and the tick read its state fields; everything here runs
// on the UI thread.
#pragma once

#include "controls/DialogBar.h"
#include "controls/IconButton.h"
#include "editor/SimClockDlg.h"
#include "pages/controls/MaskedEdit.h"

#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class CBlockObj;
class CChildFrame;
class CVetlaDoc;

constexpr UINT IDD_SIMULATION_BAR = 4569;
constexpr UINT IDC_SIM_POWER = 1147;
constexpr UINT IDC_SIM_START = 1148;
constexpr UINT IDC_SIM_STOP = 1149;
constexpr UINT IDC_SIM_SUSPEND = 1150;
constexpr UINT IDC_SIM_STEP = 1151;
constexpr UINT IDC_SIM_STEP_UNIT = 1152;
constexpr UINT IDC_SIM_CLOCK_TEXT = 1153;
constexpr UINT IDC_SIM_SET_CLOCK = 1154;
constexpr UINT IDC_SIM_STEP_COUNTER = 1155;
constexpr UINT IDC_SIM_STEP_CYCLES = 1040;
constexpr UINT IDC_SIM_STEP_SPAN = 1041;
// Step units of the unit combo.
constexpr int SIM_STEP_UNIT_SECONDS = 1;
constexpr int SIM_STEP_UNIT_MINUTES = 2;
constexpr int SIM_STEP_UNIT_HOURS = 3;
constexpr int SIM_STEP_ENABLED = 1;

class CSimulationBarDlg : public cdxCDynamicBarDlg {
    DECLARE_DYNAMIC(CSimulationBarDlg)

public:
    explicit CSimulationBarDlg(CChildFrame* pFrame);

    // ---- state read by the scan and the tick ----
    int m_nSimStarted = 1;
    int m_nSimPowerOn = 1;
    int m_nSimRunState = 2;
    int m_nSimStepState = 0;
    int m_nSavedRunState = 2;
    int m_nSavedStepState = 0;
    int m_nStepCount = 1;
    SYSTEMTIME m_stStepStart = {};
    SYSTEMTIME m_stAnimation = {};
    SYSTEMTIME m_stClockText = {};
    int m_nAnimationFrame = 0;

    BOOL IsPowerPressed() const { return m_btnPower.IsPressed(); }
    // The unit combo's selection (0 "Cycles" when it has none).
    int GetStepUnit() const;

    // ---- buttons ----
    void OnStart();
    void OnStop();
    void OnSuspend();
    void OnStep();
    void OnStepUnitChange();
    // The Set date/time button: checked opens the Set Clock dialog, un-checked closes it.
    void OnSetClock();
    CSimClockDlg* GetClockDlg() const { return m_pClockDlg.get(); }
    // The Power button held down and let go (the bar's mouse filter calls them).
    void PressPower();
    void UpdatePowerState();
    // The Power button let go wherever the mouse is released: the interruption ends.
    void ReleasePower();

    // ---- from the tick and the scan ----
    // One cycle of stepping by cycles (the tick, unit "Cycles", stepping).
    void StepCyclesTick(CChildFrame* pFrame);
    // The view has scanned the diagram: a step whose amount has run out ends.
    void OnScanned();
    // Counts a time-unit step down (each scan, unit not "Cycles"); bInitial shows the start.
    void UpdateStepTimeText(CChildFrame* pFrame, BOOL bInitial);
    void UpdateClockText();
    void UpdateStepControls();
    // Every output's lamp or value on the Outputs bar as the blocks now hold it.
    void RefreshOutputsBar() const;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    DECLARE_MESSAGE_MAP()

private:
    CVetlaDoc* GetDocument() const;
    SYSTEMTIME Clock() const;
    // StepCount from the span edit: seconds' hundredths, or minutes'/hours' whole units.
    void ReadStepAmount();
    // Shows or hides the step counter; the controls right of it move by its width.
    void ShowCounter(BOOL bShow);
    void SetButtonIcon(CIconButton& button, int nIcon);
    // The Step button's next picture, at most every 300 ms of the clock.
    void AnimateStep();
    // A step whose amount is counted down ends: the run is suspended.
    void EndStepWhenCounted();
    void UpdateButtons();
    // Posts a command to the frame's view (or, with bMain, to the main window).
    void PostCommand(UINT nID, BOOL bMain = FALSE) const;

    CChildFrame* m_pFrame;
    CIconButton m_btnPower;
    CIconButton m_btnStart;
    CIconButton m_btnStop;
    CIconButton m_btnSuspend;
    CIconButton m_btnStep;
    CIconButton m_btnSetClock;
    // The step span: two pairs of digits, minutes and seconds or hours and minutes.
    CMaskedEdit m_editSpan{_T("##:##")};
    // Saved pin values of a stopped simulation's power press, per block and pin; a pin the
    // press left alone has none.
    std::vector<std::pair<CBlockObj*, std::array<std::optional<double>, 20>>> m_savedPins;
    std::unique_ptr<CSimClockDlg> m_pClockDlg;
    // "Apply values immediately" of the Set Clock dialog, kept across its openings.
    int m_bApplyClockImmediately = 0;
};

class CSimulationBar : public cdxCDynamicBar {
    DECLARE_DYNAMIC(CSimulationBar)

public:
    explicit CSimulationBar(CChildFrame* pFrame) : cdxCDynamicBar(new CSimulationBarDlg(pFrame)) {}
    CSimulationBarDlg* GetDlg() const { return static_cast<CSimulationBarDlg*>(GetBarDlg()); }
};

// Registers the templates of the three bars (4569, 4570, 4571).
void RegisterSimBarTemplates();
