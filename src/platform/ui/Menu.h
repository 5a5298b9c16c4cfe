// CMenu: a menu as data. A menu is a list of items (a command with its caption, a separator, or
// a popup holding a menu of its own); the menu bar of a frame and every popup are CMenu objects,
// and a native backend only mirrors them. Menu resources are registered as data under their
// resource ids (captions with '&' mnemonics and accelerator texts after '\t'), and LoadMenu
// builds a fresh copy, so that changes to one loaded menu never reach another.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

class CWnd;

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_BITMAP = 0x0004;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_MENUBARBREAK = 0x0020;
constexpr UINT MF_MENUBREAK = 0x0040;
// In a menu resource: the last item of its (sub)menu.
constexpr UINT MF_END = 0x0080;
constexpr UINT MF_OWNERDRAW = 0x0100;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_DEFAULT = 0x1000;

constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_CENTERALIGN = 0x0004;
constexpr UINT TPM_RIGHTALIGN = 0x0008;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

// One item of a menu resource, in the resource script's order: a popup's items follow it and
// its last item carries MF_END, as does the last item of the top level.
struct MenuResourceItem {
    UINT nFlags;
    UINT nID;         // 0 for popups and separators
    LPCTSTR lpszText; // null for separators
};

// Registers (or replaces) menu resource nID.
void AfxRegisterMenuResource(UINT nID, std::initializer_list<MenuResourceItem> items);
void AfxRegisterMenuResource(UINT nID, std::vector<MenuResourceItem> items);
BOOL AfxHasMenuResource(UINT nID);
// The text of command nCmd in the first registered menu resource that has it; empty when none
// has it. Lets a control name a command whose menu is not loaded at the moment.
CString AfxFindMenuResourceString(UINT nCmd);

class CMenu {
public:
    CMenu();
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // The handle: this object while it holds a menu, null before LoadMenu/CreateMenu.
    CMenu* m_hMenu = nullptr;
    CMenu* GetSafeHmenu() const { return m_hMenu; }
    operator CMenu*() { return m_hMenu; }

    BOOL LoadMenu(UINT nIDResource);
    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL DestroyMenu();
    // Takes over another menu's items (pOther is left empty).
    void MoveFrom(CMenu& other);

    UINT GetMenuItemCount() const;
    // The command of the item at nPos; -1 (as UINT) for a popup or a position past the end;
    // 0 for a separator.
    UINT GetMenuItemID(int nPos) const;
    CMenu* GetSubMenu(int nPos) const;
    // MF_BYCOMMAND searches the popups too. The caption with its mnemonics and accelerator text.
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    // MF_ flags of the item (MF_POPUP, MF_SEPARATOR, MF_GRAYED, MF_CHECKED ...); -1 when none.
    UINT GetMenuState(UINT nID, UINT nFlags) const;

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    // Inserts before the item at nPosition (MF_BYPOSITION; past the end appends) or before the
    // item with that command. For MF_POPUP, nIDNewItem is the CMenu* to take over.
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                    LPCTSTR lpszNewItem = nullptr);
    // Changes an item in place. By position an existing popup stays unless a new one is given;
    // by command the popups are searched.
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                    LPCTSTR lpszNewItem = nullptr);
    // Removes the item (a popup's menu is destroyed with it); by command the popups are
    // searched.
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    BOOL DeleteMenu(UINT nPosition, UINT nFlags) { return RemoveMenu(nPosition, nFlags); }
    // Return the previous state (MF_GRAYED/MF_DISABLED, MF_CHECKED); -1 when no item matches.
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);

    // Shows the popup at (x, y) in screen coordinates for pWnd. With TPM_RETURNCMD the chosen
    // command is returned; otherwise it is sent to pWnd as WM_COMMAND and TRUE is returned when
    // one was chosen. 0 when the menu was dismissed.
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);

    // Bumped on every change, so that a native menu knows when to rebuild itself.
    unsigned GetRevision() const;

    struct Item {
        UINT nFlags = 0;       // MF_ bits; MF_POPUP when pPopup is set
        UINT nID = 0;
        CString strText;
        std::unique_ptr<CMenu> pPopup;
    };
    const std::vector<Item>& Items() const { return m_items; }

private:
    Item* FindByCommand(UINT nID, CMenu** ppOwner = nullptr);
    const Item* FindByCommand(UINT nID) const;
    Item* Locate(UINT nPosition, UINT nFlags, CMenu** ppOwner = nullptr);
    void Touch();

    std::vector<Item> m_items;
    unsigned m_nRevision = 0;
    CMenu* m_pParentMenu = nullptr;  // the menu holding this one as a popup
};

using HMENU = CMenu*;

// How popups are shown. The Qt backend installs a native one; tests install a function that
// picks a command; without one a popup is dismissed at once (0).
using TrackPopupMenuHandler =
    std::function<UINT(CMenu& menu, UINT nFlags, CPoint ptScreen, CWnd* pOwner)>;
TrackPopupMenuHandler AfxSetTrackPopupMenuHandler(TrackPopupMenuHandler handler);
