// CSimulationRun: the diagram view's side of a simulation run: entering it (the simulation
// order, every block's start state, the frame's step timer and bars) and leaving it (the value
// popup, the open sheets and the message-text display closed, the timer stopped and the bars
// gone), the copy of the simulated clock that a scan steps the blocks against, and the value
// popup of an analog or frequency input, one at a time. The view owns one and hands it the
// Simulation command and the clicks on simulated inputs.
#pragma once

#include "platform/core/Types.h"

class CAnalogSliderDlg;
class CBlockObj;
class CVetlaView;
class CWnd;

class CSimulationRun {
public:
    explicit CSimulationRun(CVetlaView& view) : m_view(view) {}

    // Nothing when a run is in progress already: entering again would start its blocks over.
    void Enter();
    void Leave();
    // A run is in progress in this view, whatever its edit mode shows.
    BOOL IsRunning() const;
    // The view goes away: the run ends without touching any window.
    void EndOnClose();

    // The simulated clock as the last scan took it from the child frame.
    const SYSTEMTIME& Clock() const { return m_simClock; }
    SYSTEMTIME& Clock() { return m_simClock; }

    // The value popup (AnalogSliderDlg.cpp): opened for pBlock (nothing when it is open for
    // that block already), placed by the block's position less the offset; closing destroys it.
    void OpenValuePopup(CBlockObj* pBlock, int nOffsetX, int nOffsetY);
    void CloseValuePopup();
    // The view scrolled, the main window moved or changed its size: an open popup goes along
    // with its block, or closes when the block went out of sight.
    void PlaceValuePopup();
    BOOL IsValuePopup(const CWnd* pWnd) const;
    CAnalogSliderDlg* ValuePopup() const { return m_pValuePopup; }
    CBlockObj* PopupBlock() const { return m_pPopupBlock; }
    // The popup's window went by itself: the run forgets it.
    void OnPopupGone(const CAnalogSliderDlg* pPopup);

private:
    CVetlaView& m_view;
    SYSTEMTIME m_simClock = {};
    CBlockObj* m_pPopupBlock = nullptr;
    CAnalogSliderDlg* m_pValuePopup = nullptr;
};
