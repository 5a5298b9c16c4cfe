// CMiniDockFrameWnd: the small tool window a floating control bar lies in. It holds one bar,
// which fills it and keeps its own caption or gripper and close button: those move the bar, dock
// it again and hide it. Closing the window hides the bar; the bar's frame destroys the window
// when it docks the bar again.
#pragma once

#include "platform/ui/Wnd.h"

class CControlBar;

class CMiniDockFrameWnd : public CWnd {
    DECLARE_DYNAMIC(CMiniDockFrameWnd)

public:
    // A window of sizeClient at ptScreen, owned by the bar's frame, titled as the bar, with the
    // bar moved into it.
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
    DECLARE_MESSAGE_MAP()

private:
    CControlBar* m_pBar = nullptr;
};
