// CTreeCtrl: a tree of text items. Items (text, data, images, expanded state), their order and
// the caret (the selected item) live in the object; handles are never reused, so a handle of a
// deleted item stays invalid. A selection change, whoever makes it, asks the owner first with
// TVN_SELCHANGING (a nonzero answer refuses it) and then reports TVN_SELCHANGED with the old and
// the new item. The view feeds the user's clicks, double clicks and expansions back through the
// User* operations; arrow keys arrive as WM_KEYDOWN and move the caret over the visible items.
#pragma once

#include "platform/ui/ControlWnd.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

class CImageList;

using DWORD_PTR = std::uintptr_t;

struct TreeItemTag;
using HTREEITEM = TreeItemTag*;

inline const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(-0x10000);
inline const HTREEITEM TVI_FIRST = reinterpret_cast<HTREEITEM>(-0x0FFFF);
inline const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(-0x0FFFE);
inline const HTREEITEM TVI_SORT = reinterpret_cast<HTREEITEM>(-0x0FFFD);

constexpr DWORD TVS_HASBUTTONS = 0x0001;
constexpr DWORD TVS_HASLINES = 0x0002;
constexpr DWORD TVS_LINESATROOT = 0x0004;
constexpr DWORD TVS_SHOWSELALWAYS = 0x0020;

constexpr UINT TVGN_ROOT = 0x0000;
constexpr UINT TVGN_NEXT = 0x0001;
constexpr UINT TVGN_PREVIOUS = 0x0002;
constexpr UINT TVGN_PARENT = 0x0003;
constexpr UINT TVGN_CHILD = 0x0004;
constexpr UINT TVGN_FIRSTVISIBLE = 0x0005;
constexpr UINT TVGN_NEXTVISIBLE = 0x0006;
constexpr UINT TVGN_PREVIOUSVISIBLE = 0x0007;
constexpr UINT TVGN_CARET = 0x0009;

constexpr UINT TVE_COLLAPSE = 0x0001;
constexpr UINT TVE_EXPAND = 0x0002;
constexpr UINT TVE_TOGGLE = 0x0003;

constexpr UINT TVIS_SELECTED = 0x0002;
constexpr UINT TVIS_EXPANDED = 0x0020;

constexpr UINT TVIF_TEXT = 0x0001;
constexpr UINT TVIF_IMAGE = 0x0002;
constexpr UINT TVIF_PARAM = 0x0004;
constexpr UINT TVIF_STATE = 0x0008;
constexpr UINT TVIF_HANDLE = 0x0010;
constexpr UINT TVIF_SELECTEDIMAGE = 0x0020;

// How a selection change came about (NMTREEVIEW::action).
constexpr UINT TVC_UNKNOWN = 0x0000;
constexpr UINT TVC_BYMOUSE = 0x0001;
constexpr UINT TVC_BYKEYBOARD = 0x0002;

constexpr UINT TVN_FIRST = UINT(-400);
constexpr UINT TVN_SELCHANGING = TVN_FIRST - 50;
constexpr UINT TVN_SELCHANGED = TVN_FIRST - 51;
constexpr UINT TVN_ITEMEXPANDING = TVN_FIRST - 54;
constexpr UINT TVN_ITEMEXPANDED = TVN_FIRST - 55;
constexpr UINT TVN_DELETEITEM = TVN_FIRST - 58;

struct TVITEM {
    UINT mask;
    HTREEITEM hItem;
    UINT state;
    UINT stateMask;
    LPTSTR pszText;
    int cchTextMax;
    int iImage;
    int iSelectedImage;
    int cChildren;
    LPARAM lParam;
};

struct NMTREEVIEW {
    NMHDR hdr;
    UINT action;
    TVITEM itemOld;
    TVITEM itemNew;
    POINT ptDrag;
};
using LPNMTREEVIEW = NMTREEVIEW*;

class CTreeCtrl : public CControlWnd {
    DECLARE_DYNAMIC(CTreeCtrl)

public:
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // hInsertAfter: TVI_FIRST, TVI_LAST, TVI_SORT (by text, without regard to case) or a child
    // of hParent. Returns null for a parent or a sibling that is not there.
    HTREEITEM InsertItem(LPCTSTR lpszItem, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage,
                         HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    // Deletes the item and everything below it, each reported with TVN_DELETEITEM. A deleted
    // caret hands the selection to its next sibling, else its previous one, else its parent.
    BOOL DeleteItem(HTREEITEM hItem);
    BOOL DeleteAllItems();
    UINT GetCount() const { return UINT(m_nodes.size()); }
    BOOL IsItem(HTREEITEM hItem) const;

    CString GetItemText(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, LPCTSTR lpszItem);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
    BOOL ItemHasChildren(HTREEITEM hItem) const;

    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const;
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUS); }
    HTREEITEM GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
    HTREEITEM GetNextVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXTVISIBLE); }
    HTREEITEM GetPrevVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUSVISIBLE); }
    HTREEITEM GetSelectedItem() const { return m_hCaret; }

    // TVGN_CARET selects (null clears the selection); the other codes are accepted and ignored.
    BOOL Select(HTREEITEM hItem, UINT nCode);
    BOOL SelectItem(HTREEITEM hItem) { return Select(hItem, TVGN_CARET); }
    BOOL Expand(HTREEITEM hItem, UINT nCode);
    // Expands the item's ancestors.
    BOOL EnsureVisible(HTREEITEM hItem);
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    CImageList* GetImageList(int nImageListType) const;

    // ---- the view's input ----
    void UserSelect(HTREEITEM hItem);
    void UserClick(HTREEITEM hItem);
    void UserDoubleClick(HTREEITEM hItem);
    void UserExpand(HTREEITEM hItem, bool bExpand);

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Node {
        CString strText;
        LPARAM lParam = 0;
        int iImage = 0;
        int iSelectedImage = 0;
        bool bExpanded = false;
        HTREEITEM hParent = nullptr;
        std::vector<HTREEITEM> children;
    };

    Node* Find(HTREEITEM hItem);
    const Node* Find(HTREEITEM hItem) const;
    std::vector<HTREEITEM>& ChildrenOf(HTREEITEM hParent);
    const std::vector<HTREEITEM>& ChildrenOf(HTREEITEM hParent) const;
    HTREEITEM LastVisibleBelow(HTREEITEM hItem) const;
    TVITEM Describe(HTREEITEM hItem) const;
    BOOL ChangeSelection(HTREEITEM hItem, UINT nAction);
    void NotifyDeleted(HTREEITEM hItem);
    void EraseSubtree(HTREEITEM hItem);
    BOOL DoExpand(HTREEITEM hItem, UINT nCode, bool bNotify);
    void OnKey(UINT nVirtKey);

    std::unordered_map<std::uintptr_t, Node> m_nodes;
    std::vector<HTREEITEM> m_roots;
    HTREEITEM m_hCaret = nullptr;
    std::uintptr_t m_nNextHandle = 1;
    CImageList* m_pImageList = nullptr;
};
