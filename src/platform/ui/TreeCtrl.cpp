#include "platform/ui/TreeCtrl.h"

#include "platform/ui/KeyState.h"

#include <algorithm>
#include <utility>

IMPLEMENT_DYNAMIC(CTreeCtrl, CControlWnd)

namespace {

bool IsSpecial(HTREEITEM hItem)
{
    return hItem == TVI_ROOT || hItem == TVI_FIRST || hItem == TVI_LAST || hItem == TVI_SORT;
}

std::uintptr_t KeyOf(HTREEITEM hItem) { return reinterpret_cast<std::uintptr_t>(hItem); }

}  // namespace

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_TREEVIEW, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

CTreeCtrl::Node* CTreeCtrl::Find(HTREEITEM hItem)
{
    if (!hItem || IsSpecial(hItem))
        return nullptr;
    auto it = m_nodes.find(KeyOf(hItem));
    return it == m_nodes.end() ? nullptr : &it->second;
}

const CTreeCtrl::Node* CTreeCtrl::Find(HTREEITEM hItem) const
{
    return const_cast<CTreeCtrl*>(this)->Find(hItem);
}

BOOL CTreeCtrl::IsItem(HTREEITEM hItem) const { return Find(hItem) != nullptr; }

std::vector<HTREEITEM>& CTreeCtrl::ChildrenOf(HTREEITEM hParent)
{
    Node* pNode = Find(hParent);
    return pNode ? pNode->children : m_roots;
}

const std::vector<HTREEITEM>& CTreeCtrl::ChildrenOf(HTREEITEM hParent) const
{
    return const_cast<CTreeCtrl*>(this)->ChildrenOf(hParent);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    return InsertItem(lpszItem, 0, 0, hParent, hInsertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage,
                                HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    if (!hParent)
        hParent = TVI_ROOT;
    if (hParent != TVI_ROOT && !Find(hParent))
        return nullptr;
    std::vector<HTREEITEM>& siblings = ChildrenOf(hParent);
    const CString strText = lpszItem ? CString(lpszItem) : CString();
    auto where = siblings.end();
    if (hInsertAfter == TVI_FIRST) {
        where = siblings.begin();
    } else if (hInsertAfter == TVI_SORT) {
        where = std::find_if(siblings.begin(), siblings.end(), [&](HTREEITEM hSibling) {
            return Find(hSibling)->strText.CompareNoCase(strText) > 0;
        });
    } else if (hInsertAfter && hInsertAfter != TVI_LAST) {
        where = std::find(siblings.begin(), siblings.end(), hInsertAfter);
        if (where == siblings.end())
            return nullptr;
        ++where;
    }
    const auto hItem = reinterpret_cast<HTREEITEM>(m_nNextHandle++);
    Node node;
    node.strText = strText;
    node.iImage = nImage;
    node.iSelectedImage = nSelectedImage;
    node.hParent = hParent == TVI_ROOT ? nullptr : hParent;
    siblings.insert(where, hItem);
    m_nodes.emplace(KeyOf(hItem), std::move(node));
    StateChanged();
    return hItem;
}

void CTreeCtrl::NotifyDeleted(HTREEITEM hItem)
{
    for (HTREEITEM hChild : std::vector<HTREEITEM>(Find(hItem)->children))
        NotifyDeleted(hChild);
    NMTREEVIEW nm = {};
    nm.itemOld = Describe(hItem);
    NotifyOwner(nm.hdr, TVN_DELETEITEM);
}

void CTreeCtrl::EraseSubtree(HTREEITEM hItem)
{
    for (HTREEITEM hChild : Find(hItem)->children)
        EraseSubtree(hChild);
    m_nodes.erase(KeyOf(hItem));
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem)
{
    if (hItem == TVI_ROOT)
        return DeleteAllItems();
    const Node* pNode = Find(hItem);
    if (!pNode)
        return FALSE;
    // A caret inside the subtree moves out of it first, with the usual notifications.
    for (HTREEITEM h = m_hCaret; h; h = GetParentItem(h)) {
        if (h != hItem)
            continue;
        HTREEITEM hNext = GetNextSiblingItem(hItem);
        if (!hNext)
            hNext = GetPrevSiblingItem(hItem);
        if (!hNext)
            hNext = pNode->hParent;
        ChangeSelection(hNext, TVC_UNKNOWN);
        break;
    }
    if (!Find(hItem))
        return FALSE;
    NotifyDeleted(hItem);
    pNode = Find(hItem);
    if (!IsWindow(this) || !pNode)
        return FALSE;
    std::vector<HTREEITEM>& siblings = ChildrenOf(pNode->hParent ? pNode->hParent : TVI_ROOT);
    siblings.erase(std::find(siblings.begin(), siblings.end(), hItem));
    // A refused move leaves the caret inside: it goes with the items.
    for (HTREEITEM h = m_hCaret; h; h = GetParentItem(h)) {
        if (h == hItem) {
            m_hCaret = nullptr;
            break;
        }
    }
    EraseSubtree(hItem);
    StateChanged();
    return TRUE;
}

BOOL CTreeCtrl::DeleteAllItems()
{
    for (HTREEITEM hRoot : std::vector<HTREEITEM>(m_roots)) {
        if (Find(hRoot))
            NotifyDeleted(hRoot);
    }
    m_nodes.clear();
    m_roots.clear();
    m_hCaret = nullptr;
    StateChanged();
    return TRUE;
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
    const Node* pNode = Find(hItem);
    return pNode ? pNode->strText : CString();
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCTSTR lpszItem)
{
    Node* pNode = Find(hItem);
    if (!pNode)
        return FALSE;
    pNode->strText = lpszItem ? CString(lpszItem) : CString();
    StateChanged();
    return TRUE;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const
{
    const Node* pNode = Find(hItem);
    return pNode ? DWORD_PTR(pNode->lParam) : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
{
    Node* pNode = Find(hItem);
    if (!pNode)
        return FALSE;
    pNode->lParam = LPARAM(dwData);
    return TRUE;
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const
{
    const Node* pNode = Find(hItem);
    if (!pNode)
        return FALSE;
    nImage = pNode->iImage;
    nSelectedImage = pNode->iSelectedImage;
    return TRUE;
}

UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const
{
    const Node* pNode = Find(hItem);
    if (!pNode)
        return 0;
    const UINT nState = (hItem == m_hCaret ? TVIS_SELECTED : 0) |
                        (pNode->bExpanded ? TVIS_EXPANDED : 0);
    return nState & nStateMask;
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const
{
    const Node* pNode = Find(hItem);
    return pNode && !pNode->children.empty();
}

HTREEITEM CTreeCtrl::LastVisibleBelow(HTREEITEM hItem) const
{
    const Node* pNode = Find(hItem);
    while (pNode && pNode->bExpanded && !pNode->children.empty()) {
        hItem = pNode->children.back();
        pNode = Find(hItem);
    }
    return hItem;
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const
{
    switch (nCode) {
    case TVGN_ROOT:
    case TVGN_FIRSTVISIBLE:
        return m_roots.empty() ? nullptr : m_roots.front();
    case TVGN_CARET:
        return m_hCaret;
    case TVGN_CHILD: {
        const std::vector<HTREEITEM>& children = ChildrenOf(hItem ? hItem : TVI_ROOT);
        return (hItem && !Find(hItem)) || children.empty() ? nullptr : children.front();
    }
    default:
        break;
    }
    const Node* pNode = Find(hItem);
    if (!pNode)
        return nullptr;
    const std::vector<HTREEITEM>& siblings = ChildrenOf(pNode->hParent ? pNode->hParent : TVI_ROOT);
    const auto it = std::find(siblings.begin(), siblings.end(), hItem);
    switch (nCode) {
    case TVGN_PARENT:
        return pNode->hParent;
    case TVGN_NEXT:
        return it + 1 == siblings.end() ? nullptr : *(it + 1);
    case TVGN_PREVIOUS:
        return it == siblings.begin() ? nullptr : *(it - 1);
    case TVGN_NEXTVISIBLE: {
        if (pNode->bExpanded && !pNode->children.empty())
            return pNode->children.front();
        for (HTREEITEM h = hItem; h; h = GetParentItem(h)) {
            if (HTREEITEM hNext = GetNextSiblingItem(h))
                return hNext;
        }
        return nullptr;
    }
    case TVGN_PREVIOUSVISIBLE: {
        HTREEITEM hPrev = GetPrevSiblingItem(hItem);
        return hPrev ? LastVisibleBelow(hPrev) : pNode->hParent;
    }
    default:
        return nullptr;
    }
}

TVITEM CTreeCtrl::Describe(HTREEITEM hItem) const
{
    TVITEM item = {};
    if (const Node* pNode = Find(hItem)) {
        item.mask = TVIF_HANDLE | TVIF_PARAM | TVIF_STATE;
        item.hItem = hItem;
        item.state = GetItemState(hItem, TVIS_SELECTED | TVIS_EXPANDED);
        item.stateMask = TVIS_SELECTED | TVIS_EXPANDED;
        item.lParam = pNode->lParam;
        item.iImage = pNode->iImage;
        item.iSelectedImage = pNode->iSelectedImage;
    }
    return item;
}

BOOL CTreeCtrl::ChangeSelection(HTREEITEM hItem, UINT nAction)
{
    if (hItem && !Find(hItem))
        return FALSE;
    if (hItem == m_hCaret)
        return TRUE;
    const HTREEITEM hOld = m_hCaret;
    NMTREEVIEW nm = {};
    nm.action = nAction;
    nm.itemOld = Describe(hOld);
    nm.itemNew = Describe(hItem);
    if (NotifyOwner(nm.hdr, TVN_SELCHANGING) != 0 || !IsWindow(this) || (hItem && !Find(hItem))) {
        StateChanged();  // the view goes back to the caret
        return FALSE;
    }
    m_hCaret = hItem;
    EnsureVisible(hItem);
    nm.itemOld = Describe(hOld);
    nm.itemNew = Describe(hItem);
    StateChanged();
    NotifyOwner(nm.hdr, TVN_SELCHANGED);
    return TRUE;
}

BOOL CTreeCtrl::Select(HTREEITEM hItem, UINT nCode)
{
    return nCode == TVGN_CARET ? ChangeSelection(hItem, TVC_UNKNOWN) : IsItem(hItem);
}

BOOL CTreeCtrl::DoExpand(HTREEITEM hItem, UINT nCode, bool bNotify)
{
    Node* pNode = Find(hItem);
    if (!pNode)
        return FALSE;
    bool bExpand = pNode->bExpanded;
    if (nCode == TVE_EXPAND)
        bExpand = true;
    else if (nCode == TVE_COLLAPSE)
        bExpand = false;
    else if (nCode == TVE_TOGGLE)
        bExpand = !bExpand;
    if (bExpand == pNode->bExpanded)
        return TRUE;
    NMTREEVIEW nm = {};
    nm.action = bExpand ? TVE_EXPAND : TVE_COLLAPSE;
    nm.itemNew = Describe(hItem);
    if (bNotify && (NotifyOwner(nm.hdr, TVN_ITEMEXPANDING) != 0 || !IsWindow(this) || !Find(hItem))) {
        StateChanged();
        return FALSE;
    }
    Find(hItem)->bExpanded = bExpand;
    StateChanged();
    if (bNotify) {
        nm.itemNew = Describe(hItem);
        NotifyOwner(nm.hdr, TVN_ITEMEXPANDED);
    }
    return TRUE;
}

// Expand does not notify, as on the classic control; the user's expansions do.
BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode) { return DoExpand(hItem, nCode, false); }

BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem)
{
    if (!Find(hItem))
        return FALSE;
    for (HTREEITEM h = GetParentItem(hItem); h; h = GetParentItem(h))
        Find(h)->bExpanded = true;
    StateChanged();
    return TRUE;
}

CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int)
{
    StateChanged();
    return std::exchange(m_pImageList, pImageList);
}

CImageList* CTreeCtrl::GetImageList(int) const { return m_pImageList; }

void CTreeCtrl::UserSelect(HTREEITEM hItem)
{
    if (GetFocus() != this)
        SetFocus();
    if (IsWindow(this))
        ChangeSelection(hItem, TVC_BYMOUSE);
}

void CTreeCtrl::UserClick(HTREEITEM)
{
    NMHDR hdr = {};
    NotifyOwner(hdr, UINT(NM_CLICK));
}

void CTreeCtrl::UserDoubleClick(HTREEITEM)
{
    NMHDR hdr = {};
    NotifyOwner(hdr, UINT(NM_DBLCLK));
}

void CTreeCtrl::UserExpand(HTREEITEM hItem, bool bExpand)
{
    DoExpand(hItem, bExpand ? TVE_EXPAND : TVE_COLLAPSE, true);
}

void CTreeCtrl::OnKey(UINT nVirtKey)
{
    HTREEITEM hCaret = m_hCaret;
    HTREEITEM hNext = nullptr;
    switch (int(nVirtKey)) {
    case VK_DOWN:
        hNext = hCaret ? GetNextVisibleItem(hCaret) : GetRootItem();
        break;
    case VK_UP:
        hNext = hCaret ? GetPrevVisibleItem(hCaret) : GetRootItem();
        break;
    case VK_HOME:
        hNext = GetRootItem();
        break;
    case VK_END:
        hNext = m_roots.empty() ? nullptr : LastVisibleBelow(m_roots.back());
        break;
    case VK_RIGHT:
        // Opens a closed item, else goes to its first child.
        if (hCaret && ItemHasChildren(hCaret) && !GetItemState(hCaret, TVIS_EXPANDED))
            DoExpand(hCaret, TVE_EXPAND, true);
        else if (hCaret)
            hNext = GetChildItem(hCaret);
        break;
    case VK_LEFT:
        if (hCaret && GetItemState(hCaret, TVIS_EXPANDED))
            DoExpand(hCaret, TVE_COLLAPSE, true);
        else if (hCaret)
            hNext = GetParentItem(hCaret);
        break;
    default:
        return;
    }
    if (hNext && IsWindow(this))
        ChangeSelection(hNext, TVC_BYKEYBOARD);
}

LRESULT CTreeCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
        OnKey(UINT(wParam));
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    default:
        return CControlWnd::DefWindowProc(message, wParam, lParam);
    }
}
