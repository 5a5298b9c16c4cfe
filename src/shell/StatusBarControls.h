// CStatusBarControls: the two controls the main frame shows in its status bar while documents
// are open: the picture button (pane 59581) and the hardware series text (pane 115). Clicking
// either sends its command (110, 131) through the bar to the frame. The frame owns one of these
// beside its CCtrlStatusBar and calls Add with the kind and pane index it was given, Remove with
// which control to take away.
//
// Each control is taken away with its own pane, found by the pane's id: whatever panes were
// inserted or removed meanwhile, the zoom and key panes stay.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

class CCtrlStatusBar;
class CStatusBitmapButton;
class CStatusSeriesLabel;

class CStatusBarControls {
public:
    // Kinds for Add.
    static constexpr int kButton = 4;
    static constexpr int kSeries = 6;
    // Which control Remove takes away.
    static constexpr int kRemoveButton = 1;
    static constexpr int kRemoveSeries = 2;
    // Controls go into panes 0 .. kLastPaneIndex.
    static constexpr int kLastPaneIndex = 20;

    static constexpr UINT ID_STATUS_MODEL_BUTTON = 110;
    static constexpr UINT ID_STATUS_MODEL_TEXT = 131;
    static constexpr UINT ID_PANE_MODEL_BUTTON = 59581;
    static constexpr UINT ID_PANE_MODEL_TEXT = 115;
    static constexpr int kButtonPaneWidth = 12;
    static constexpr int kSeriesPaneWidth = 120;

    explicit CStatusBarControls(CCtrlStatusBar& bar) : m_bar(bar) {}
    // The controls' windows belong to the bar, which destroys them with itself.
    ~CStatusBarControls() = default;
    CStatusBarControls(const CStatusBarControls&) = delete;
    CStatusBarControls& operator=(const CStatusBarControls&) = delete;

    // Creates the control of that kind in a new pane at nPaneIndex, unless it exists already;
    // the series text is the series of wHardwareCode (empty for an unknown model). A pane that
    // cannot be inserted is reported with a stop message box.
    void Add(int nKind, int nPaneIndex, WORD wHardwareCode);
    // Destroys the control and removes its pane; a pane that is not there is reported.
    void Remove(int nWhich);

    CStatusBitmapButton* GetButton() const { return m_pStatusButton; }
    CStatusSeriesLabel* GetSeriesLabel() const { return m_pSeriesLabel; }
    void SetSeriesText(const CString& strText);

private:
    BOOL InsertPane(UINT nPaneID, int nPaneIndex, int cxWidth);
    void AddButton(int nPaneIndex);
    void AddSeriesLabel(int nPaneIndex, WORD wHardwareCode);

    CCtrlStatusBar& m_bar;
    CStatusBitmapButton* m_pStatusButton = nullptr;
    CStatusSeriesLabel* m_pSeriesLabel = nullptr;
};
