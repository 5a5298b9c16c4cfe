// CChildFrame: the MDI frame of one diagram view, the frame class of both document templates.
// It keeps the simulated clock that every timer and clock block reads, and the run state of the
// simulation that the Simulation bar will drive. Without a window (headless runs and tests) it is
// a plain object that is handed its view directly and whose clock is advanced by hand.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"
#include "platform/ui/MDIChildWnd.h"

class CVetlaView;

// Simulation run states and step states as the Simulation bar reports them.
constexpr int SIM_RUN_STOPPED = 0;
constexpr int SIM_RUN_SUSPENDED = 1;
constexpr int SIM_RUN_RUNNING = 2;
constexpr int SIM_STEP_NONE = 0;
constexpr int SIM_STEP_STEPPING = 2;
// Step units of the Simulation bar's unit combo.
constexpr int SIM_STEP_UNIT_CYCLES = 0;

constexpr int SIM_TICK_MS = 25;

// FormatSimTime modes.
constexpr int SIMTIME_FULL = 0;        // "Tuesday, March 5, 2024 8:7:6 AM"
constexpr int SIMTIME_DATE = 1;        // "March 5, 2024" / "Mar 5, 2024"
constexpr int SIMTIME_CLOCK = 2;       // "8:07:06 AM"
constexpr int SIMTIME_DIGITS = 3;      // "240305080706"

class CChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CChildFrame)

public:
    // The clock starts at the PC's local time.
    CChildFrame();

    CChildFrame(const CChildFrame&) = delete;
    CChildFrame& operator=(const CChildFrame&) = delete;

    // The active view when it is a diagram view.
    CVetlaView* GetActiveView() const;
    // Makes pView the frame's active view; a diagram view also learns that this frame holds
    // it, which is all a windowless view has to go by.
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);

    SYSTEMTIME* GetSimTime(SYSTEMTIME* pOut) const;
    void GetPrevSimTime(SYSTEMTIME* pOut) const;
    // Sets the clock as the Set Clock dialog does: the old value becomes the previous clock and
    // the next scan shifts the timers by the jump.
    void SetSimTime(const SYSTEMTIME* pTime);
    // One 25 ms tick of the clock: a full second carries without loss of a second and the date
    // is normalised.
    void AdvanceSimTime();
    void FormatSimTime(CString& strOut, BOOL bShortMonth, int nMode) const;

    int GetSimRunState() const { return m_nSimRunState; }
    int GetSimStepState() const { return m_nSimStepState; }
    int GetSimStepUnit() const { return m_nSimStepUnit; }

    // Set by SetSimTime; the scan that shifts the timers clears it.
    int m_bClockSet = 0;
    // The simulation's run state, step state and step unit; the Simulation bar writes them.
    int m_nSimRunState = SIM_RUN_STOPPED;
    int m_nSimStepState = SIM_STEP_NONE;
    int m_nSimStepUnit = SIM_STEP_UNIT_CYCLES;

protected:
    // Save, Save As and Close of the frame's document.
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileClose();

    DECLARE_MESSAGE_MAP()

private:
    SYSTEMTIME m_stClock = {};
    SYSTEMTIME m_stPrevClock = {};
};

// The frame as a diagram's child frame; null for another kind of frame (or none).
CChildFrame* AsChildFrame(CWnd* pWnd);

// English day names by wDayOfWeek (0 = Sunday) and month names by wMonth (1 = January, index
// 0 empty).
extern const LPCTSTR g_astrDayNames[7];
extern const LPCTSTR g_astrMonthNames[13];
