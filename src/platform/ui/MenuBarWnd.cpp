#include "platform/ui/MenuBarWnd.h"

#include "platform/gdi/DC.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/Menu.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WndMessageMap.h"

#include <utility>

IMPLEMENT_DYNAMIC(CMenuBarWnd, CWnd)

BEGIN_MESSAGE_MAP(CMenuBarWnd, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

namespace {

MenuBarHandler& Handler()
{
    static MenuBarHandler s_handler;
    return s_handler;
}

}  // namespace

MenuBarHandler AfxSetMenuBarHandler(MenuBarHandler handler)
{
    return std::exchange(Handler(), std::move(handler));
}

BOOL CMenuBarWnd::Create(CWnd* pFrame)
{
    return CWnd::Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, m_nHeight), pFrame,
                        AFX_IDW_MENU_BAR);
}

void CMenuBarWnd::SetBarHeight(int nHeight)
{
    if (nHeight <= 0 || nHeight == m_nHeight)
        return;
    m_nHeight = nHeight;
    if (CWnd* pParent = GetParent(); pParent && pParent->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        static_cast<CFrameWnd*>(pParent)->RecalcLayout();
}

void CMenuBarWnd::SetMenu(CMenu* pMenu)
{
    if (pMenu == m_pMenu)
        return;
    m_pMenu = pMenu;
    Announce();
}

void CMenuBarWnd::SyncIfChanged()
{
    if (m_pMenu && m_pMenu->GetRevision() != m_nShownRevision)
        Announce();
}

void CMenuBarWnd::Announce()
{
    m_nShownRevision = m_pMenu ? m_pMenu->GetRevision() : 0;
    Invalidate();
    if (Handler())
        Handler()(*this);
}

LRESULT CMenuBarWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    // The popups' items are brought up to date at idle time as well as when they open, so that a
    // native menu (whose shortcuts work without opening it) never offers a disabled command.
    if (m_pMenu && GetParent()) {
        for (UINT i = 0; i < m_pMenu->GetMenuItemCount(); ++i) {
            if (CMenu* pPopup = m_pMenu->GetSubMenu(int(i)))
                GetParent()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pPopup), i);
        }
    }
    SyncIfChanged();
    return 0;
}

void CMenuBarWnd::OnPaint()
{
    // Without a native menu the captions are drawn here, so that the bar is not blank.
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(rect);
    dc.FillSolidRect(rect, RGB(240, 240, 240));
    if (!m_pMenu)
        return;
    dc.SetBkMode(TRANSPARENT);
    int x = 6;
    for (const CMenu::Item& item : m_pMenu->Items()) {
        CString strText = item.strText;
        strText.Remove(_T('&'));
        dc.TextOut(x, 3, strText);
        x += dc.GetTextExtent(strText).cx + 14;
    }
}
