// CStatusBar: the panes along the bottom of a frame. Pane 0 (normally ID_SEPARATOR, the message
// pane) stretches; every other pane is as wide as its id's string resource (0 without one) until
// SetPaneInfo says otherwise. Panes are updated through the routing at idle time (enabled state
// as SBPS_DISABLED, texts). Child windows may be placed over panes (GetItemRect).
#pragma once

#include "platform/ui/ControlBar.h"
#include "platform/ui/FrameIds.h"

#include <vector>

constexpr UINT SBPS_NORMAL = 0x0000;
constexpr UINT SBPS_NOBORDERS = 0x0100;
constexpr UINT SBPS_POPOUT = 0x0200;
constexpr UINT SBPS_OWNERDRAW = 0x1000;
constexpr UINT SBPS_DISABLED = 0x04000000;
constexpr UINT SBPS_STRETCH = 0x08000000;
constexpr DWORD SBARS_SIZEGRIP = 0x0100;

class CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)

public:
    static constexpr int kHeight = 20;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                  UINT nID = AFX_IDW_STATUS_BAR);
    // Replaces the panes; null lpIDArray gives nIDCount separators.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int GetCount() const { return int(m_panes.size()); }
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    CString GetPaneText(int nIndex) const;
    void GetPaneText(int nIndex, CString& rString) const { rString = GetPaneText(nIndex); }
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    void OnPaint() override;
    void OnSize(UINT nType, int cx, int cy) override;
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    struct Pane {
        UINT nID = ID_SEPARATOR;
        UINT nStyle = SBPS_NORMAL;
        int cxText = 0;
        CString strText;
    };
    // The pixel width of a text in the bar's font.
    int TextWidth(const CString& strText) const;

    std::vector<Pane> m_panes;
};
