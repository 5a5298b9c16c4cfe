// CChildFrame: the MDI frame of one diagram view, the frame class of both document templates.
// It keeps the simulated clock that every timer and clock block reads, and the run state of the
// simulation that the Simulation bar will drive. Without a window (headless runs and tests) it is
// a plain object that is handed its view directly and whose clock is advanced by hand.
#pragma once

#include "blocks/SimContext.h"
#include "blocks/SimTime.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"
#include "platform/ui/MDIChildWnd.h"

#include <memory>
#include <vector>

class CBlockObj;
class CControlBar;
class CInputsBar;
class COutputsBar;
class CSimulationBar;
class CSimulationBarDlg;
class CVetlaView;
class IPeriodicTimer;

// The simulation tick, posted by the timer's thread to the frame: the clock is only ever
// written on the UI thread, which also scans and paints.
constexpr UINT WM_SIM_TICK = WM_APP + 0x110;
// Control-bar ids of the three simulation bars.
constexpr UINT ID_SIMULATION_BAR = 59424;
constexpr UINT ID_OUTPUTS_BAR = 59425;
constexpr UINT ID_INPUTS_BAR = 59426;


class CChildFrame : public CMDIChildWnd, public ISimBars {
    DECLARE_DYNCREATE(CChildFrame)

public:
    // The clock starts at the PC's local time.
    CChildFrame();
    ~CChildFrame() override;

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

    // The step reference takes the clock (stepping begins).
    void ResetStepReference() { m_stStepRef = m_stClock; }

    // The run state, step state and step unit of the Simulation bar while its window exists,
    // else the frame's own fields below.
    int GetSimRunState() const;
    int GetSimStepState() const;
    int GetSimStepUnit() const;

    // ---- the simulation's timer and bars ----
    // The clock jumps to the PC's time and, when the frame has a window, the 25 ms timer
    // starts; its ticks arrive as WM_SIM_TICK.
    void StartSimTimer();
    void StopSimTimer();
    BOOL IsSimTimerRunning() const;
    // One tick, on the UI thread: nothing without a Simulation bar; otherwise the clock
    // advances, a cycle step is counted, the view is invalidated and the bars are redrawn
    // once after they were made.
    void OnSimTick();
    // Allocates the three bars (unless the caller already did), creates their windows and
    // docks them in one row at the bottom: Inputs, Outputs, Simulation. 1, or -1 when a bar
    // could not be created (always without a window).
    int CreateSimBars();
    // Hides and deletes the bars (Simulation, Outputs, Inputs) and clears the pointers.
    void DestroySimBars();
    // Docks pBar right after pAfter in pAfter's row.
    void DockBarAfter(CControlBar* pBar, CControlBar* pAfter);
    CSimulationBarDlg* GetSimulationBarDlg() const;
    // The input and output blocks report a changed state to the bars while they exist.
    void RefreshInputs(CBlockObj* pBlock) override;
    void RefreshOutputs(CBlockObj* pBlock) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // A bar of the frame's own row stays in it: let go over the row, it takes the place there
    // that DropPlaceInRow gives; docked without a place, it keeps its own.
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr) override;
    // A bar of the frame's own row: the bars of its line, so that it offers the edges toward
    // its neighbours there.
    std::vector<CControlBar*> GetDockRow(const CControlBar* pBar) const override;

    CSimulationBar* m_pSimulationBar = nullptr;
    COutputsBar* m_pOutputsBar = nullptr;
    CInputsBar* m_pInputsBar = nullptr;
    // 0 when the bars are made; the first tick redraws them and sets it.
    int m_bBarsRedrawn = 0;

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
    void OnDestroy() override;
    LRESULT OnSimTickMessage(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // The bars of the bottom row, left to right; the frame lays them out itself, wrapping
    // onto a further row a bar the frame is too narrow for.
    void LayOutBarRow(CRect& rectPane);
    // The bars of m_barRow in the line of the row under a point of the screen, in order.
    std::vector<CControlBar*> BarLineAt(CPoint ptScreen) const;

    SYSTEMTIME m_stClock = {};
    SYSTEMTIME m_stPrevClock = {};
    SYSTEMTIME m_stStepRef = {};
    std::unique_ptr<IPeriodicTimer> m_pSimTimer;
    std::vector<CControlBar*> m_barRow;
};

// The frame as a diagram's child frame; null for another kind of frame (or none).
CChildFrame* AsChildFrame(CWnd* pWnd);
