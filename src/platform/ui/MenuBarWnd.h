// CMenuBarWnd: the strip at the top of a frame that shows the frame's menu bar. The menu itself
// is data (CMenu); a native backend draws it and reports the user's choices to the frame as
// WM_INITMENUPOPUP (before a popup opens) and WM_COMMAND. The strip checks at idle time whether
// the menu changed, so that ModifyMenu and the like reach the native menu without a call of
// their own.
#pragma once

#include "platform/ui/Wnd.h"

#include <functional>

class CMenu;

class CMenuBarWnd : public CWnd {
    DECLARE_DYNAMIC(CMenuBarWnd)

public:
    // The height until a native menu bar tells its own.
    static constexpr int kHeight = 22;

    BOOL Create(CWnd* pFrame);
    int GetBarHeight() const { return m_nHeight; }
    // The native menu bar needs nHeight pixels (its font decides): the frame lays out its bars
    // again when that changed.
    void SetBarHeight(int nHeight);
    CMenu* GetMenu() const { return m_pMenu; }
    // The bar now shows pMenu (not owned; null for none).
    void SetMenu(CMenu* pMenu);
    // Tells the backend when the menu changed since it was last shown.
    void SyncIfChanged();

protected:
    void OnPaint() override;
    LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void Announce();

    CMenu* m_pMenu = nullptr;
    unsigned m_nShownRevision = 0;
    int m_nHeight = kHeight;
};

// Shows a bar's menu natively (the Qt backend installs one); called whenever the bar's menu is
// replaced or changed. Returns the previous handler.
using MenuBarHandler = std::function<void(CMenuBarWnd& bar)>;
MenuBarHandler AfxSetMenuBarHandler(MenuBarHandler handler);
