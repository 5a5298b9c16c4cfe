// CMiniDockFrameWnd: the small tool window a floating control bar lies in. It holds one bar,
// which fills it and keeps its own caption or gripper and close button: those move the bar, dock
// it again and hide it, and the caption is the window's only title (the window has none of its
// own). A thin sizing frame around the bar, drawn by the layer, sizes the window. Closing the
// window hides the bar; the bar's frame destroys the window when it docks the bar again.
#pragma once

#include "platform/ui/Wnd.h"

class CControlBar;

class CMiniDockFrameWnd : public CWnd {
    DECLARE_DYNAMIC(CMiniDockFrameWnd)

public:
    // A window whose client area is sizeClient at ptScreen, moved onto the screen where it would
    // reach past it, owned by the bar's frame, titled as the bar, with the bar moved into it.
    BOOL Create(CControlBar* pBar, CPoint ptScreen, CSize sizeClient);
    CControlBar* GetBar() const { return m_pBar; }
    // Gives the bar up (to its frame, which docks it) and destroys the window.
    void ReleaseBar();
    // The bar's window is going: the tool window closes after it.
    void OnBarDestroyed();

protected:
    void OnSize(UINT nType, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI) override;
    void OnClose() override;
    void PostNcDestroy() override;
    // A press on the sizing frame drags the edges under it until the button is let go.
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnCaptureChanged(CWnd* pWnd) override;
    DECLARE_MESSAGE_MAP()

private:
    // The edges of the sizing frame at a client point (kEdge bits); 0 inside the client area.
    UINT EdgesAt(CPoint point) const;
    CSize GetMinWindowSize() const;

    CControlBar* m_pBar = nullptr;
    // While the frame is dragged: its edges, and where the cursor and the window were at the press.
    UINT m_nSizingEdges = 0;
    CPoint m_ptSizingStart;
    CRect m_rectSizingStart;
};
