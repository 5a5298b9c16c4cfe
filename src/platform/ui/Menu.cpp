#include "platform/ui/Menu.h"

#include "platform/ui/Msg.h"
#include "platform/ui/Wnd.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

std::map<UINT, std::vector<MenuResourceItem>>& MenuResources()
{
    static std::map<UINT, std::vector<MenuResourceItem>> s_resources;
    return s_resources;
}

TrackPopupMenuHandler& PopupHandler()
{
    static TrackPopupMenuHandler s_handler;
    return s_handler;
}

constexpr UINT kStateBits = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_OWNERDRAW | MF_SEPARATOR |
                            MF_MENUBARBREAK | MF_MENUBREAK | MF_DEFAULT | MF_BITMAP;

}  // namespace

void AfxRegisterMenuResource(UINT nID, std::initializer_list<MenuResourceItem> items)
{
    AfxRegisterMenuResource(nID, std::vector<MenuResourceItem>(items));
}

void AfxRegisterMenuResource(UINT nID, std::vector<MenuResourceItem> items)
{
    MenuResources()[nID] = std::move(items);
}

BOOL AfxHasMenuResource(UINT nID) { return MenuResources().contains(nID); }

CString AfxFindMenuResourceString(UINT nCmd)
{
    for (const auto& [nID, items] : MenuResources()) {
        const auto it = std::find_if(items.begin(), items.end(), [nCmd](const MenuResourceItem& item) {
            return item.nID == nCmd && !(item.nFlags & (MF_POPUP | MF_SEPARATOR)) && item.lpszText;
        });
        if (it != items.end())
            return CString(it->lpszText);
    }
    return CString();
}

TrackPopupMenuHandler AfxSetTrackPopupMenuHandler(TrackPopupMenuHandler handler)
{
    return std::exchange(PopupHandler(), std::move(handler));
}

CMenu::CMenu() = default;
CMenu::~CMenu() = default;

void CMenu::Touch()
{
    for (CMenu* p = this; p; p = p->m_pParentMenu)
        ++p->m_nRevision;
}

unsigned CMenu::GetRevision() const { return m_nRevision; }

BOOL CMenu::CreateMenu()
{
    if (m_hMenu)
        return FALSE;
    m_hMenu = this;
    return TRUE;
}

BOOL CMenu::CreatePopupMenu() { return CreateMenu(); }

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    m_items.clear();
    m_hMenu = nullptr;
    Touch();
    return TRUE;
}

void CMenu::MoveFrom(CMenu& other)
{
    m_items = std::move(other.m_items);
    other.m_items.clear();
    for (Item& item : m_items) {
        if (item.pPopup)
            item.pPopup->m_pParentMenu = this;
    }
    m_hMenu = this;
    other.m_hMenu = nullptr;
    Touch();
    other.Touch();
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    const auto it = MenuResources().find(nIDResource);
    if (m_hMenu || it == MenuResources().end())
        return FALSE;
    CreateMenu();
    // The resource is a pre-order walk; a stack of the menus being filled follows its nesting.
    std::vector<CMenu*> stack = {this};
    for (const MenuResourceItem& res : it->second) {
        if (stack.empty())
            break;
        CMenu* pMenu = stack.back();
        if (res.nFlags & MF_POPUP) {
            auto pPopup = std::make_unique<CMenu>();
            pPopup->CreatePopupMenu();
            CMenu* pRaw = pPopup.get();
            pMenu->AppendMenu(res.nFlags & ~MF_END, reinterpret_cast<UINT_PTR>(pPopup.release()),
                              res.lpszText);
            if (res.nFlags & MF_END)
                // The popup is its parent's last item: once it is done, so is the parent.
                stack.back() = nullptr;
            stack.push_back(pRaw);
            continue;
        }
        pMenu->AppendMenu((res.nFlags & ~MF_END) | (res.lpszText ? 0 : MF_SEPARATOR), res.nID,
                          res.lpszText);
        if (res.nFlags & MF_END) {
            stack.pop_back();
            while (!stack.empty() && !stack.back())
                stack.pop_back();
        }
    }
    return TRUE;
}

UINT CMenu::GetMenuItemCount() const { return m_hMenu ? UINT(m_items.size()) : UINT(-1); }

UINT CMenu::GetMenuItemID(int nPos) const
{
    if (nPos < 0 || nPos >= int(m_items.size()) || m_items[nPos].pPopup)
        return UINT(-1);
    return m_items[nPos].nID;
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    if (nPos < 0 || nPos >= int(m_items.size()))
        return nullptr;
    return m_items[nPos].pPopup.get();
}

CMenu::Item* CMenu::FindByCommand(UINT nID, CMenu** ppOwner)
{
    for (Item& item : m_items) {
        if (item.pPopup) {
            if (Item* pFound = item.pPopup->FindByCommand(nID, ppOwner))
                return pFound;
        } else if (item.nID == nID && !(item.nFlags & MF_SEPARATOR)) {
            if (ppOwner)
                *ppOwner = this;
            return &item;
        }
    }
    return nullptr;
}

const CMenu::Item* CMenu::FindByCommand(UINT nID) const
{
    return const_cast<CMenu*>(this)->FindByCommand(nID, nullptr);
}

CMenu::Item* CMenu::Locate(UINT nPosition, UINT nFlags, CMenu** ppOwner)
{
    if (nFlags & MF_BYPOSITION) {
        if (nPosition >= m_items.size())
            return nullptr;
        if (ppOwner)
            *ppOwner = this;
        return &m_items[nPosition];
    }
    return FindByCommand(nPosition, ppOwner);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    const Item* pItem = const_cast<CMenu*>(this)->Locate(nIDItem, nFlags);
    rString = pItem ? pItem->strText : CString();
    return rString.GetLength();
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    const Item* pItem = const_cast<CMenu*>(this)->Locate(nID, nFlags);
    if (!pItem)
        return UINT(-1);
    return pItem->nFlags | (pItem->pPopup ? MF_POPUP : 0);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return InsertMenu(UINT(m_items.size()), nFlags | MF_BYPOSITION, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    if (!m_hMenu)
        return FALSE;
    CMenu* pOwner = this;
    std::size_t nIndex = m_items.size();
    if (nFlags & MF_BYPOSITION) {
        nIndex = std::min<std::size_t>(nPosition, m_items.size());
    } else {
        Item* pAt = FindByCommand(nPosition, &pOwner);
        if (!pAt)
            return FALSE;
        nIndex = std::size_t(pAt - pOwner->m_items.data());
    }
    Item item;
    item.nFlags = nFlags & kStateBits;
    if (nFlags & MF_POPUP) {
        item.pPopup.reset(reinterpret_cast<CMenu*>(nIDNewItem));
        if (!item.pPopup)
            return FALSE;
        item.pPopup->m_pParentMenu = pOwner;
    } else {
        item.nID = UINT(nIDNewItem);
    }
    if (lpszNewItem && !(nFlags & MF_SEPARATOR))
        item.strText = lpszNewItem;
    pOwner->m_items.insert(pOwner->m_items.begin() + std::ptrdiff_t(nIndex), std::move(item));
    pOwner->Touch();
    return TRUE;
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    CMenu* pOwner = nullptr;
    Item* pItem = Locate(nPosition, nFlags, &pOwner);
    if (!pItem)
        return FALSE;
    pItem->nFlags = nFlags & kStateBits;
    if (nFlags & MF_POPUP) {
        if (auto* pNew = reinterpret_cast<CMenu*>(nIDNewItem); pNew && pNew != pItem->pPopup.get()) {
            pItem->pPopup.reset(pNew);
            pNew->m_pParentMenu = pOwner;
        }
    } else if (pItem->pPopup && (nFlags & MF_BYPOSITION)) {
        // Re-captioning a popup by position keeps its submenu.
    } else {
        pItem->pPopup.reset();
        pItem->nID = UINT(nIDNewItem);
    }
    pItem->strText = (lpszNewItem && !(nFlags & MF_SEPARATOR)) ? CString(lpszNewItem) : CString();
    pOwner->Touch();
    return TRUE;
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    CMenu* pOwner = nullptr;
    Item* pItem = Locate(nPosition, nFlags, &pOwner);
    if (!pItem)
        return FALSE;
    pOwner->m_items.erase(pOwner->m_items.begin() + (pItem - pOwner->m_items.data()));
    pOwner->Touch();
    return TRUE;
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    CMenu* pOwner = nullptr;
    Item* pItem = Locate(nIDEnableItem, nEnable, &pOwner);
    if (!pItem)
        return UINT(-1);
    const UINT nOld = pItem->nFlags & (MF_GRAYED | MF_DISABLED);
    const UINT nNew = nEnable & (MF_GRAYED | MF_DISABLED);
    if (nOld != nNew) {
        pItem->nFlags = (pItem->nFlags & ~(MF_GRAYED | MF_DISABLED)) | nNew;
        pOwner->Touch();
    }
    return nOld;
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    CMenu* pOwner = nullptr;
    Item* pItem = Locate(nIDCheckItem, nCheck, &pOwner);
    if (!pItem)
        return UINT(-1);
    const UINT nOld = pItem->nFlags & MF_CHECKED;
    if (nOld != (nCheck & MF_CHECKED)) {
        pItem->nFlags = (pItem->nFlags & ~MF_CHECKED) | (nCheck & MF_CHECKED);
        pOwner->Touch();
    }
    return nOld;
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT)
{
    if (!m_hMenu)
        return FALSE;
    // The owner gets its chance to bring the items up to date first, as with a menu-bar popup.
    if (IsWindow(pWnd))
        pWnd->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(this), 0);
    const TrackPopupMenuHandler& handler = PopupHandler();
    const UINT nCmd = handler ? handler(*this, nFlags, CPoint(x, y), pWnd) : 0;
    if (nFlags & TPM_RETURNCMD)
        return BOOL(nCmd);
    if (nCmd == 0)
        return FALSE;
    if (IsWindow(pWnd))
        pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(WORD(nCmd), 0), 0);
    return TRUE;
}
