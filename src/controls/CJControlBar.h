// CCJControlBar: a docking bar with a gripper and one sizing border, on the side that faces the
// middle of the frame (the right side of a bar docked at the left, and so on). Dragging that
// border changes the bar's thickness; the bar keeps one size for lying along the top or bottom,
// one for the left or right and one for floating.
//
// The window layer has no non-client area, so the bar's frame (the border strip and the margins
// around the content) lies inside its window: CalcNcLayout gives the border strip and the
// rectangle left for the content, and derived classes place their children in that rectangle.
// While the border is dragged the frame lays out at every move, so the user sees the new size at
// once; the drag is settled when the button is released, and undone when the mouse capture goes
// to another window.
//
// The class library's caption buttons (hide, minimise) and context menu are switched on by flags
// that this program never sets, so the bar has neither.
#pragma once

#include "platform/ui/ControlBar.h"
#include "platform/ui/FrameIds.h"

class CCJControlBar : public CControlBar {
    DECLARE_DYNAMIC(CCJControlBar)

public:
    // The hit-test code of the sizing border.
    static constexpr UINT HTSIZE = 4;
    static constexpr CSize kDefaultSize{200, 200};

    // Where the bar's frame puts things, in window coordinates.
    struct NcLayout {
        CRect rcBorder;  // the sizing border; empty when floating
        CRect rcClient;  // the room for the content
    };
    // The frame of a bar of that window size at that dock bar (AFX_IDW_DOCKBAR_TOP, _LEFT,
    // _RIGHT, _BOTTOM; any other id is floating) with a border nBorder thick.
    static NcLayout CalcNcLayout(CSize sizeWindow, UINT nDockBarID, int nBorder);

    CCJControlBar();

    // The three sizes become sizeDefault; of dwStyle only the CBRS_ bits (the bar style),
    // WS_CHILD and WS_VISIBLE count.
    virtual BOOL Create(CWnd* pParentWnd, UINT nID, LPCTSTR lpszWindowName,
                        CSize sizeDefault = kDefaultSize,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_LEFT);
    // Neither docked along the top or bottom nor along the left or right.
    virtual BOOL IsFloating() const;
    BOOL IsHorzDocked() const;
    BOOL IsVertDocked() const;
    UINT GetDockBarID() const { return m_nDockBarID; }

    // With bStretch the bar claims its whole side; its thickness is the horizontal size's cy
    // along the top or bottom and the vertical size's cx along the left or right.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;

    // The three sizes in the profile, as the sizing bars keep theirs (controls/BarSizeProfile.h):
    // loading holds each between the minimum and the screen's size and lays the frame out
    // again. FALSE without an application, or (SaveState) when the profile cannot be written.
    BOOL LoadState(LPCTSTR lpszProfileName);
    BOOL SaveState(LPCTSTR lpszProfileName);

    // HTSIZE on the sizing border of a docked bar, else HTCLIENT (HTNOWHERE outside the bar).
    UINT HitTest(CPoint point) const;
    // The room for the content, in client coordinates.
    CRect GetContentRect() const;
    CRect GetBorderRect() const { return m_rcBorder; }
    BOOL IsTracking() const { return m_bTracking; }

    BOOL m_bGripper = TRUE;
    int m_iTrackBorderSize = 6;
    CSize m_sizeMin{32, 32};
    CSize m_sizeHorz = kDefaultSize;
    CSize m_sizeVert = kDefaultSize;
    CSize m_sizeFloat = kDefaultSize;

protected:
    // Places the content for the bar's present window size and dock bar.
    virtual void LayoutContent() {}

    void OnSize(UINT nType, int cx, int cy) override;
    void OnPaint() override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnCaptureChanged(CWnd* pWnd) override;
    DECLARE_MESSAGE_MAP()

private:
    // The dock bar the bar's side stands for; AFX_IDW_DOCKBAR_FLOAT when it has no side.
    UINT DockBarFromStyle() const;
    // Re-reads the dock bar and the border for the present window size; lays out the content
    // again when anything changed or bAlways.
    void UpdateFrame(BOOL bAlways);
    void DrawGripper(CDC* pDC, const CRect& rcClient) const;
    int GetThickness() const;
    void SetThickness(int nThickness);
    // The thickness the drag asks for with the cursor at ptScreen, held between the minimum and
    // the frame's client extent plus the thickness the drag started from.
    int TrackedThickness(CPoint ptScreen) const;
    void StopTracking(BOOL bApply, CPoint ptScreen);

    BOOL m_bTracking = FALSE;
    UINT m_nDockBarID = AFX_IDW_DOCKBAR_FLOAT;
    CRect m_rcBorder;
    CPoint m_ptTrackStart;
    int m_nTrackThickness = 0;
};
