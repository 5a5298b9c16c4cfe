#include "platform/ui/TabCtrl.h"

#include <utility>

IMPLEMENT_DYNAMIC(CTabCtrl, CControlWnd)

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_TABCONTROL, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
{
    if (nItem < 0 || nItem > GetItemCount())
        return -1;
    m_items.insert(m_items.begin() + nItem, Item{CString(lpszItem), nImage, 0, CString()});
    if (m_nCurSel >= nItem)
        ++m_nCurSel;
    else if (m_nCurSel < 0)
        m_nCurSel = 0;
    StateChanged();
    return nItem;
}

BOOL CTabCtrl::DeleteItem(int nItem)
{
    if (nItem < 0 || nItem >= GetItemCount())
        return FALSE;
    m_items.erase(m_items.begin() + nItem);
    if (m_nCurSel == nItem)
        m_nCurSel = -1;
    else if (m_nCurSel > nItem)
        --m_nCurSel;
    StateChanged();
    return TRUE;
}

BOOL CTabCtrl::DeleteAllItems()
{
    m_items.clear();
    m_nCurSel = -1;
    StateChanged();
    return TRUE;
}

const CTabCtrl::Item* CTabCtrl::GetItem(int nItem) const
{
    return nItem >= 0 && nItem < GetItemCount() ? &m_items[std::size_t(nItem)] : nullptr;
}

BOOL CTabCtrl::SetItemText(int nItem, LPCTSTR lpszText)
{
    if (!GetItem(nItem))
        return FALSE;
    m_items[std::size_t(nItem)].strText = lpszText;
    StateChanged();
    return TRUE;
}

BOOL CTabCtrl::SetItemTip(int nItem, LPCTSTR lpszTip)
{
    if (!GetItem(nItem))
        return FALSE;
    m_items[std::size_t(nItem)].strTip = lpszTip;
    StateChanged();
    return TRUE;
}

int CTabCtrl::SetCurSel(int nItem)
{
    if (!GetItem(nItem))
        return -1;
    const int nOld = std::exchange(m_nCurSel, nItem);
    StateChanged();
    return nOld;
}

void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT lpRect) const
{
    const int nSign = bLarger ? -1 : 1;
    const int nBorder = 2;
    if (GetStyle() & TCS_BOTTOM) {
        lpRect->top += nSign * nBorder;
        lpRect->bottom -= nSign * (kHeaderHeight + nBorder);
    } else {
        lpRect->top += nSign * (kHeaderHeight + nBorder);
        lpRect->bottom -= nSign * nBorder;
    }
    lpRect->left += nSign * nBorder;
    lpRect->right -= nSign * nBorder;
}

CImageList* CTabCtrl::SetImageList(CImageList* pImageList)
{
    CImageList* pPrevious = std::exchange(m_pImageList, pImageList);
    StateChanged();
    return pPrevious;
}

void CTabCtrl::SetPadding(CSize size)
{
    m_sizePadding = size;
    StateChanged();
}

void CTabCtrl::UserSelect(int nItem)
{
    if (!GetItem(nItem) || nItem == m_nCurSel)
        return;
    NMHDR hdr = {};
    if (NotifyOwner(hdr, TCN_SELCHANGING) != 0 || !IsWindow(this)) {
        // Refused: the view goes back to the selected tab.
        StateChanged();
        return;
    }
    m_nCurSel = nItem;
    StateChanged();
    NotifyOwner(hdr, TCN_SELCHANGE);
}

LRESULT CTabCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case TCM_GETITEMCOUNT:
        return GetItemCount();
    case TCM_GETCURSEL:
        return m_nCurSel;
    case TCM_SETCURSEL:
        return SetCurSel(int(wParam));
    default:
        return CControlWnd::DefWindowProc(message, wParam, lParam);
    }
}
