// CToolTipWnd: the hint window of the property pages. A page registers its controls with texts
// (typically a value box's valid range) and relays every message it sees; half a second after
// the mouse stopped over a control its text shows under the pointer, and it goes after five
// seconds, when the mouse leaves the control, or on a click or key. A text of two parts split by
// a carriage return shows the first part and a small triangle; a click on the tip shows the
// other part. A tool registered with LPSTR_TEXTCALLBACK asks its owner for the text each time it
// shows: the owner gets WM_NOTIFY (TTN_NEEDTEXT, wParam the tool's id) and fills strText.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/String.h"
#include "platform/gdi/Font.h"
#include "platform/ui/Wnd.h"

#include <vector>

inline const LPCTSTR LPSTR_TEXTCALLBACK = reinterpret_cast<LPCTSTR>(-1);

class CToolTipWnd : public CWnd {
    DECLARE_DYNAMIC(CToolTipWnd)

public:
    static constexpr UINT SHOW_DELAY = 500;
    static constexpr UINT POLL_INTERVAL = 500;
    static constexpr UINT VISIBLE_TIME = 5000;
    static constexpr int OFFSET_Y = 20;
    // A tool colour that stands for the system's tooltip colours.
    static constexpr COLORREF SYSTEM_COLOR = 0xFF000000;

    CToolTipWnd() = default;
    ~CToolTipWnd() override;
    CToolTipWnd(const CToolTipWnd&) = delete;
    CToolTipWnd& operator=(const CToolTipWnd&) = delete;

    // The hidden popup, owned by the page or dialog.
    BOOL Create(CWnd* pOwner);
    // A control with its text (LPSTR_TEXTCALLBACK: asked from the owner when shown); its area is
    // pRect (in the control's client coordinates) or its window. The tool takes the default
    // width and colours set at the time. FALSE for no control.
    BOOL AddTool(CWnd* pControl, LPCTSTR lpszText, const RECT* pRect = nullptr, UINT nID = 0);
    // The first tool of that control and id; hides the tip when it was the one shown.
    void RemoveTool(CWnd* pControl, UINT nID);
    // Every message the owner pretranslates.
    void RelayEvent(const MSG* pMsg);
    void Hide();

    // The wrapping width of tools added from now on; 0 fits the widest line.
    void SetDefaultWidth(int nWidth) { m_nDefaultWidth = nWidth; }
    // The colours of tools added from now on; SYSTEM_COLOR for the system's.
    void SetDefaultColors(COLORREF crText, COLORREF crBack);
    // The tip's font; it counts as the system's when it matches the status-bar font, and then
    // follows that font when the system settings change.
    void SetFont(const LOGFONT& logFont, BOOL bRedraw = TRUE);
    using CWnd::SetFont;
    BOOL UsesSystemFont() const { return m_bSystemFont; }
    // The system's status-bar font, which a new tip takes.
    static const LOGFONT& GetSystemStatusFont();

    BOOL IsTipShown() const { return m_hWnd && IsWindowVisible(); }
    // The text on show (with the two leading blanks of a two-part text).
    const CString& GetShownText() const { return m_strShown; }
    int GetToolCount() const { return int(m_tools.size()); }

    // Part n (from 0) of the text between separators; empty when it has fewer parts.
    static CString GetTextLine(const CString& strText, int n, TCHAR chSeparator);
    // Where a tip of that size shows for the point: moved inside the screen's right and left
    // edges, and above the control when it would pass the bottom. An empty screen moves nothing.
    static CRect PositionRect(CPoint pt, CSize size, const CRect& rcScreen, const CRect& rcControl);

protected:
    void OnPaint() override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    // The window that had the focus before a click on the tip took it gets it back.
    void OnSetFocus(CWnd* pOldWnd) override;
    LRESULT OnSetFontMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFontMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    struct Tool {
        CWnd* pWnd;
        UINT nID;
        CRect rect;  // owner client coordinates
        bool bAskOwner;
        CString strText;
        int nWidth;
        COLORREF crText;
        COLORREF crBack;
    };

    // The tool under the screen point, or -1.
    int ToolAt(CPoint ptScreen) const;
    bool MouseInTip(CPoint ptScreen) const;
    void ShowAt(CPoint ptScreen, bool bSecondPart);
    // The stored text, or the owner's answer for a tool that asks.
    CString ToolText(const Tool& tool) const;
    CSize CalcWindowSize(const CString& strText, int nWidth) const;
    void StopTimers();

    CWnd* m_pOwner = nullptr;
    std::vector<Tool> m_tools;
    int m_nCurrent = -1;
    bool m_bHidden = false;
    bool m_bTwoPart = false;
    bool m_bSecondPart = false;
    UINT m_nElapsed = 0;
    CString m_strShown;
    int m_nDefaultWidth = 0;
    COLORREF m_crDefaultText = SYSTEM_COLOR;
    COLORREF m_crDefaultBack = SYSTEM_COLOR;
    LOGFONT m_logFont = GetSystemStatusFont();
    CFont m_font;
    BOOL m_bSystemFont = TRUE;
    HWND m_hWndFocusBefore = nullptr;
};
