// The list's mouse and keyboard: selection as the classic control makes it, and its messages.
#include "platform/gdi/Font.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/PaintDC.h"

#include <algorithm>

namespace {

constexpr int kWheelRows = 3;

}  // namespace

void CListCtrl::NotifyActivate(UINT nCode, CPoint point)
{
    LVHITTESTINFO hit = {point, 0, -1, -1};
    SubItemHitTest(&hit);
    NMITEMACTIVATE nm = {};
    nm.iItem = HitTest(point);
    nm.iSubItem = nm.iItem >= 0 ? hit.iSubItem : 0;
    nm.ptAction = point;
    if (const Row* pRow = GetRow(nm.iItem))
        nm.lParam = pRow->lParam;
    nm.uKeyFlags = (GetKeyState(VK_CONTROL) < 0 ? 0x0001u : 0u) |
                   (GetKeyState(VK_SHIFT) < 0 ? 0x0002u : 0u);
    Notify(nm.hdr, nCode);
}

void CListCtrl::OnButtonDown(CPoint point, UINT nFlags, bool bRight)
{
    if (GetFocus() != this)
        SetFocus();
    if (!IsWindow(this))
        return;
    const int nItem = HitTest(point);
    const bool bMulti = !(GetStyle() & LVS_SINGLESEL);
    if (nItem < 0) {
        if (!(nFlags & MK_CONTROL))
            DeselectAllBut(-1);
        return;
    }
    if (bMulti && (nFlags & MK_CONTROL) && !bRight) {
        ChangeState(nItem, GetItemState(nItem, LVIS_SELECTED) ^ LVIS_SELECTED, LVIS_SELECTED);
        ChangeState(nItem, LVIS_FOCUSED, LVIS_FOCUSED);
        m_nSelectionMark = nItem;
    } else if (bMulti && (nFlags & MK_SHIFT) && m_nSelectionMark >= 0 && !bRight) {
        SelectRange(m_nSelectionMark, nItem);
        ChangeState(nItem, LVIS_FOCUSED, LVIS_FOCUSED);
    } else if (bRight && GetItemState(nItem, LVIS_SELECTED)) {
        // A right click on the selection keeps it for the context menu.
        ChangeState(nItem, LVIS_FOCUSED, LVIS_FOCUSED);
    } else {
        DeselectAllBut(nItem);
        ChangeState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        m_nSelectionMark = nItem;
    }
}

void CListCtrl::MoveFocusTo(int nItem)
{
    if (!GetRow(nItem))
        return;
    DeselectAllBut(nItem);
    ChangeState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_nSelectionMark = nItem;
    EnsureVisible(nItem, FALSE);
}

void CListCtrl::OnKey(UINT nVirtKey)
{
    NMLVKEYDOWN nm = {};
    nm.wVKey = WORD(nVirtKey);
    Notify(nm.hdr, LVN_KEYDOWN);
    if (!IsWindow(this) || GetItemCount() == 0)
        return;
    const int nFocus = GetNextItem(-1, LVNI_FOCUSED);
    const int nPage = std::max(1, GetCountPerPage());
    const int nLast = GetItemCount() - 1;
    int nNext = -1;
    switch (int(nVirtKey)) {
    case VK_DOWN:
        nNext = nFocus < 0 ? 0 : std::min(nFocus + 1, nLast);
        break;
    case VK_UP:
        nNext = nFocus < 0 ? 0 : std::max(nFocus - 1, 0);
        break;
    case VK_HOME:
        nNext = 0;
        break;
    case VK_END:
        nNext = nLast;
        break;
    case VK_NEXT:
        nNext = std::min(std::max(nFocus, 0) + nPage - 1, nLast);
        break;
    case VK_PRIOR:
        nNext = std::max(std::max(nFocus, 0) - nPage + 1, 0);
        break;
    default:
        return;
    }
    MoveFocusTo(nNext);
}

LRESULT CListCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateHeader();
        return CControlWnd::DefWindowProc(message, wParam, lParam);
    case WM_SIZE:
        LayoutHeader();
        m_nTopIndex = ClampTop(m_nTopIndex);
        StateChanged();
        return 0;
    case WM_PAINT: {
        CPaintDC dc(this);
        DrawRows(dc);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
        const bool bRight = message == WM_RBUTTONDOWN;
        OnButtonDown(PointFromLParam(lParam), UINT(wParam), bRight);
        if (IsWindow(this))
            NotifyActivate(bRight ? UINT(NM_RCLICK) : UINT(NM_CLICK), PointFromLParam(lParam));
        return 0;
    }
    case WM_LBUTTONDBLCLK:
        OnButtonDown(PointFromLParam(lParam), UINT(wParam), false);
        if (IsWindow(this))
            NotifyActivate(UINT(NM_DBLCLK), PointFromLParam(lParam));
        return 0;
    case WM_KEYDOWN:
        OnKey(UINT(wParam));
        return 0;
    case WM_MOUSEWHEEL: {
        const int nNotches = SHORT(HIWORD(DWORD(wParam))) / WHEEL_DELTA;
        Scroll(CSize(0, -nNotches * kWheelRows * kRowHeight));
        return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // The selection shows differently with and without the focus.
        Invalidate();
        return CControlWnd::DefWindowProc(message, wParam, lParam);
    case WM_SETFONT:
        if (CHeaderCtrl* pHeader = GetHeaderCtrl())
            pHeader->SendMessage(WM_SETFONT, wParam, lParam);
        return CControlWnd::DefWindowProc(message, wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_NOTIFY: {
        auto* pHdr = reinterpret_cast<NMHDR*>(lParam);
        if (!pHdr || pHdr->hwndFrom != GetHeaderCtrl())
            return 0;
        if (pHdr->code == HDN_ITEMCLICK) {
            NMLISTVIEW nm = {};
            nm.iItem = -1;
            nm.iSubItem = reinterpret_cast<NMHEADER*>(pHdr)->iItem;
            Notify(nm.hdr, LVN_COLUMNCLICK);
        } else if (pHdr->code == HDN_ITEMCHANGED) {
            Invalidate();
            StateChanged();
        }
        return 0;
    }
    case LVM_GETITEMCOUNT:
        return GetItemCount();
    case LVM_DELETEITEM:
        return DeleteItem(int(wParam));
    case LVM_DELETEALLITEMS:
        return DeleteAllItems();
    case LVM_GETNEXTITEM:
        return GetNextItem(int(wParam), int(LOWORD(DWORD(lParam))));
    case LVM_ENSUREVISIBLE:
        return EnsureVisible(int(wParam), BOOL(lParam));
    case LVM_GETHEADER:
        return reinterpret_cast<LRESULT>(GetHeaderCtrl());
    case LVM_GETTOPINDEX:
        return m_nTopIndex;
    case LVM_GETCOUNTPERPAGE:
        return GetCountPerPage();
    case LVM_SETITEMSTATE: {
        const auto* pItem = reinterpret_cast<const LVITEM*>(lParam);
        return pItem ? SetItemState(int(wParam), pItem->state, pItem->stateMask) : FALSE;
    }
    case LVM_GETITEMSTATE:
        return LRESULT(GetItemState(int(wParam), UINT(lParam)));
    case LVM_GETSELECTEDCOUNT:
        return LRESULT(GetSelectedCount());
    case LVM_SETEXTENDEDLISTVIEWSTYLE: {
        // wParam masks the styles that change; 0 changes all.
        const DWORD dwMask = wParam ? DWORD(wParam) : ~DWORD(0);
        return SetExtendedStyle((m_dwExStyle & ~dwMask) | (DWORD(lParam) & dwMask));
    }
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return m_dwExStyle;
    case LVM_SUBITEMHITTEST:
        return SubItemHitTest(reinterpret_cast<LPLVHITTESTINFO>(lParam));
    default:
        return CControlWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CListCtrl::CopyStateFrom(CWnd& other)
{
    auto* pList = dynamic_cast<CListCtrl*>(&other);
    if (!pList)
        return;
    m_rows = pList->m_rows;
    m_dwExStyle = pList->m_dwExStyle;
    m_nTopIndex = pList->m_nTopIndex;
    m_nSelectionMark = pList->m_nSelectionMark;
    std::copy(std::begin(pList->m_pImageLists), std::end(pList->m_pImageLists), m_pImageLists);
    m_crBk = pList->m_crBk;
    m_crText = pList->m_crText;
    m_crTextBk = pList->m_crTextBk;
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    if (const CHeaderCtrl* pOtherHeader = pList->GetHeaderCtrl(); pHeader && pOtherHeader)
        pHeader->CopyItemsFrom(*pOtherHeader);
    StateChanged();
}
