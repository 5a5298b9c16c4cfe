// CCtrlStatusBar: the main frame's status bar. Panes can be inserted and removed while the
// program runs, and child windows can be hosted over panes: the bar keeps each over its pane,
// found by the pane's id, whenever the bar changes size or its panes or controls change. Commands
// from hosted controls go on to the bar's owner (the frame), as every control bar passes them.
#pragma once

#include "platform/ui/StatusBar.h"

#include <vector>

// One pane as AddIndicator and RemoveIndicator carry it over a change of indicators.
struct PaneInfo {
    UINT nID = 0;
    int cxWidth = 0;
    UINT nStyle = 0;
    CString strText;
};

class CCtrlStatusBar : public CStatusBar {
    DECLARE_DYNAMIC(CCtrlStatusBar)

public:
    // The edge inside a pane that a hosted control keeps clear (the system's 3-D edge width).
    static constexpr int kEdge = 2;
    // The width of a small icon, which the size grip takes at the bar's end.
    static constexpr int kSmallIcon = 16;

    // Hides every hosted window and destroys those the bar was to destroy.
    ~CCtrlStatusBar() override;

    // Inserts a pane at nIndex (0 .. pane count); FALSE when nIndex is outside that range or
    // the id already names a pane.
    BOOL AddIndicator(UINT nPaneID, int nIndex);
    // Removes the pane and the control it hosts; FALSE when no pane has the id or it is the
    // only pane.
    BOOL RemoveIndicator(UINT nPaneID);
    // Hosts the window over the pane; FALSE when no pane has the id or the window is gone.
    BOOL AddPaneControl(HWND hWnd, UINT nPaneID, BOOL bAutoDestroy);
    // FALSE when nIndex is not 0 .. count-1.
    BOOL GetPaneInfoEx(int nIndex, PaneInfo& info) const;
    // Also enables the pane's hosted controls, or disables them with SBPS_DISABLED.
    BOOL SetPaneInfoEx(int nIndex, const PaneInfo& info);
    // The window hosted over the pane, null when none.
    CWnd* GetPaneControl(UINT nPaneID) const;
    void PositionControls();

protected:
    void OnSize(UINT nType, int cx, int cy) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()

private:
    struct PaneControl {
        HWND hWnd;
        UINT nPaneID;
        BOOL bAutoDestroy;
    };
    std::vector<PaneInfo> ReadPanes() const;
    // Sets the indicators from the records and gives every pane but the new one (-1: none)
    // its record back.
    void ApplyPanes(const std::vector<PaneInfo>& panes, int nNewIndex);
    // Drops the records of windows destroyed from outside.
    void ForgetDeadControls();

    std::vector<PaneControl> m_controls;
};
