// CInfoWindowBar: the "Infomation Window" bar at the bottom of the main frame: a sizing bar with
// a caption that holds one multi-line edit box, the log of the controller link. The frame
// creates it hidden, shows it with the first open document and hides it with the last; what it
// shows stays for the whole run.
//
// The frame makes it with Create(_T("Infomation Window"), this, CInfoWindowBar::kID,
// WS_CHILD | WS_VISIBLE | CBRS_TOP), EnableDocking(CBRS_ALIGN_ANY), DockControlBar(&bar,
// AFX_IDW_DOCKBAR_BOTTOM) and ShowControlBar(&bar, FALSE, FALSE); its LogMessage formats the
// line and hands it to AppendLog.
#pragma once

#include "controls/SizingControlBarCF.h"
#include "platform/gdi/Font.h"
#include "platform/ui/Edit.h"

class CInfoWindowBar : public CSizingControlBarCF {
    DECLARE_DYNAMIC(CInfoWindowBar)

public:
    // The bar's id and its edit box's.
    static constexpr UINT kID = 0xE823;
    // How many lines, the empty one after the last line feed included, stay in view at the
    // top after a log line.
    static constexpr int kLinesInView = 4;

    // Appends the text at the end of the log, every line feed shown as a line break, and
    // scrolls so that the last lines stand at the top of the box.
    void AppendLog(const CString& strText);
    CString GetLogText() const;

    // Called when the mouse is released over the bar's caption or close button, before the
    // close button acts: the editor ends a simulated power failure that a press on the
    // Simulation bar's Power button began. Returns the previous handler.
    using PowerReleaseHandler = void (*)();
    static PowerReleaseHandler SetPowerReleaseHandler(PowerReleaseHandler pfnHandler);

    CEdit m_wndEdit;
    CFont m_font;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnNcLButtonUp(UINT nHitTest, CPoint point) override;
    DECLARE_MESSAGE_MAP()
};
