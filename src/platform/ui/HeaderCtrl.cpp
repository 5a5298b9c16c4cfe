#include "platform/ui/HeaderCtrl.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/PaintDC.h"

#include <algorithm>
#include <utility>

IMPLEMENT_DYNAMIC(CHeaderCtrl, CControlWnd)

namespace {

constexpr COLORREF kFace = RGB(240, 240, 240);
constexpr COLORREF kShadow = RGB(160, 160, 160);
constexpr COLORREF kHighlight = RGB(255, 255, 255);
constexpr COLORREF kText = RGB(0, 0, 0);
// How far from a divider a press still grabs it.
constexpr int kDividerGrip = 3;
constexpr int kTextMargin = 6;

}  // namespace

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_HEADER, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

int CHeaderCtrl::InsertItem(int nPos, const HDITEM* phdi)
{
    if (!phdi || nPos < 0)
        return -1;
    nPos = std::min(nPos, GetItemCount());
    m_items.insert(m_items.begin() + nPos, Item{});
    for (int& nIndex : m_order) {
        if (nIndex >= nPos)
            ++nIndex;
    }
    m_order.insert(m_order.begin() + nPos, nPos);
    HDITEM item = *phdi;
    item.mask &= ~HDI_ORDER;
    SetItem(nPos, &item);
    return nPos;
}

BOOL CHeaderCtrl::DeleteItem(int nPos)
{
    if (!GetItemState(nPos))
        return FALSE;
    m_items.erase(m_items.begin() + nPos);
    m_order.erase(std::find(m_order.begin(), m_order.end(), nPos));
    for (int& nIndex : m_order) {
        if (nIndex > nPos)
            --nIndex;
    }
    Invalidate();
    StateChanged();
    return TRUE;
}

const CHeaderCtrl::Item* CHeaderCtrl::GetItemState(int nPos) const
{
    return nPos >= 0 && nPos < GetItemCount() ? &m_items[std::size_t(nPos)] : nullptr;
}

BOOL CHeaderCtrl::GetItem(int nPos, HDITEM* pHeaderItem) const
{
    const Item* pItem = GetItemState(nPos);
    if (!pItem || !pHeaderItem)
        return FALSE;
    const UINT mask = pHeaderItem->mask;
    if (mask & HDI_WIDTH)
        pHeaderItem->cxy = pItem->cxy;
    if (mask & HDI_FORMAT)
        pHeaderItem->fmt = pItem->fmt;
    if (mask & HDI_LPARAM)
        pHeaderItem->lParam = pItem->lParam;
    if (mask & HDI_IMAGE)
        pHeaderItem->iImage = pItem->iImage;
    if (mask & HDI_ORDER)
        pHeaderItem->iOrder = int(std::find(m_order.begin(), m_order.end(), nPos) - m_order.begin());
    if ((mask & HDI_TEXT) && pHeaderItem->pszText && pHeaderItem->cchTextMax > 0) {
        const int nCopy = std::min(pItem->strText.GetLength(), pHeaderItem->cchTextMax - 1);
        std::copy_n(pItem->strText.GetString(), nCopy, pHeaderItem->pszText);
        pHeaderItem->pszText[nCopy] = 0;
    }
    return TRUE;
}

BOOL CHeaderCtrl::SetItem(int nPos, const HDITEM* pHeaderItem)
{
    if (!GetItemState(nPos) || !pHeaderItem)
        return FALSE;
    Item& item = m_items[std::size_t(nPos)];
    const UINT mask = pHeaderItem->mask;
    if (mask & HDI_WIDTH)
        item.cxy = std::max(0, pHeaderItem->cxy);
    if (mask & HDI_FORMAT)
        item.fmt = pHeaderItem->fmt;
    if (mask & HDI_LPARAM)
        item.lParam = pHeaderItem->lParam;
    if (mask & HDI_IMAGE)
        item.iImage = pHeaderItem->iImage;
    if (mask & HDI_TEXT)
        item.strText = pHeaderItem->pszText ? CString(pHeaderItem->pszText) : CString();
    if ((mask & HDI_ORDER) && pHeaderItem->iOrder >= 0 && pHeaderItem->iOrder < GetItemCount()) {
        m_order.erase(std::find(m_order.begin(), m_order.end(), nPos));
        m_order.insert(m_order.begin() + pHeaderItem->iOrder, nPos);
    }
    Invalidate();
    StateChanged();
    return TRUE;
}

BOOL CHeaderCtrl::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!GetItemState(nIndex) || !lpRect)
        return FALSE;
    CRect rectClient;
    GetClientRect(rectClient);
    int nLeft = 0;
    for (int nItem : m_order) {
        const int nWidth = m_items[std::size_t(nItem)].cxy;
        if (nItem == nIndex) {
            *lpRect = CRect(nLeft, 0, nLeft + nWidth, rectClient.bottom);
            return TRUE;
        }
        nLeft += nWidth;
    }
    return FALSE;
}

CImageList* CHeaderCtrl::SetImageList(CImageList* pImageList)
{
    CImageList* pOld = std::exchange(m_pImageList, pImageList);
    Invalidate();
    StateChanged();
    return pOld;
}

BOOL CHeaderCtrl::GetOrderArray(int* piArray, int iCount) const
{
    if (!piArray || iCount != GetItemCount())
        return FALSE;
    std::copy(m_order.begin(), m_order.end(), piArray);
    return TRUE;
}

BOOL CHeaderCtrl::SetOrderArray(int iCount, const int* piArray)
{
    if (!piArray || iCount != GetItemCount())
        return FALSE;
    std::vector<int> order(piArray, piArray + iCount);
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < iCount; ++i) {
        if (sorted[std::size_t(i)] != i)
            return FALSE;  // not a permutation of the items
    }
    m_order = std::move(order);
    Invalidate();
    StateChanged();
    return TRUE;
}

int CHeaderCtrl::OrderToIndex(int nOrder) const
{
    return nOrder >= 0 && nOrder < GetItemCount() ? m_order[std::size_t(nOrder)] : nOrder;
}

int CHeaderCtrl::HitTest(HDHITTESTINFO* pHitTestInfo) const
{
    pHitTestInfo->flags = HHT_NOWHERE;
    pHitTestInfo->iItem = -1;
    const CPoint pt(pHitTestInfo->pt);
    for (int nItem : m_order) {
        CRect rect;
        GetItemRect(nItem, rect);
        if (std::abs(pt.x - rect.right) <= kDividerGrip && pt.y >= rect.top && pt.y < rect.bottom) {
            pHitTestInfo->flags = HHT_ONDIVIDER;
            pHitTestInfo->iItem = nItem;
        } else if (rect.PtInRect(pt) && pHitTestInfo->flags == HHT_NOWHERE) {
            pHitTestInfo->flags = HHT_ONHEADER;
            pHitTestInfo->iItem = nItem;
        }
    }
    return pHitTestInfo->iItem;
}

LRESULT CHeaderCtrl::Notify(UINT nCode, int nItem, HDITEM* pItem)
{
    NMHEADER nm = {};
    nm.iItem = nItem;
    nm.pitem = pItem;
    return NotifyOwner(nm.hdr, nCode);
}

void CHeaderCtrl::OnButtonDown(CPoint point)
{
    HDHITTESTINFO hit = {point, 0, -1};
    HitTest(&hit);
    if (hit.flags == HHT_ONDIVIDER) {
        CRect rect;
        GetItemRect(hit.iItem, rect);
        m_nTracking = hit.iItem;
        m_nTrackOffset = point.x - rect.right;
        SetCapture();
    } else {
        m_nPressed = hit.iItem;
    }
}

void CHeaderCtrl::OnMouseMove(CPoint point)
{
    if (m_nTracking < 0 || !GetItemState(m_nTracking))
        return;
    CRect rect;
    GetItemRect(m_nTracking, rect);
    HDITEM item = {};
    item.mask = HDI_WIDTH;
    item.cxy = std::max(0, point.x - m_nTrackOffset - rect.left);
    if (item.cxy == rect.Width() || Notify(HDN_ITEMCHANGING, m_nTracking, &item) != 0)
        return;
    SetItem(m_nTracking, &item);
    Notify(HDN_ITEMCHANGED, m_nTracking, &item);
}

void CHeaderCtrl::OnButtonUp(CPoint point)
{
    if (m_nTracking >= 0) {
        m_nTracking = -1;
        ReleaseCapture();
        return;
    }
    HDHITTESTINFO hit = {point, 0, -1};
    HitTest(&hit);
    const int nPressed = std::exchange(m_nPressed, -1);
    if (hit.flags == HHT_ONHEADER && hit.iItem == nPressed)
        Notify(HDN_ITEMCLICK, nPressed);
}

void CHeaderCtrl::DrawItem(CDC& dc, int nItem, const CRect& rect)
{
    const Item& item = m_items[std::size_t(nItem)];
    CRect rectText = rect;
    rectText.DeflateRect(kTextMargin, 0);
    if ((item.fmt & HDF_IMAGE) && m_pImageList && item.iImage >= 0 &&
        item.iImage < m_pImageList->GetImageCount()) {
        const CSize size = m_pImageList->GetImageSize();
        m_pImageList->Draw(&dc, item.iImage,
                           CPoint(rectText.left, rect.top + (rect.Height() - size.cy) / 2),
                           ILD_TRANSPARENT);
        rectText.left += size.cx + kTextMargin;
    }
    UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    if ((item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER)
        nFormat |= DT_CENTER;
    else if ((item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT)
        nFormat |= DT_RIGHT;
    if (rectText.right > rectText.left)
        dc.DrawText(item.strText, rectText, nFormat);
    dc.FillSolidRect(rect.right - 2, rect.top + 2, 1, rect.Height() - 4, kShadow);
    dc.FillSolidRect(rect.right - 1, rect.top + 2, 1, rect.Height() - 4, kHighlight);
}

void CHeaderCtrl::DrawHeader(CDC& dc)
{
    CRect rectClient;
    GetClientRect(rectClient);
    dc.FillSolidRect(rectClient, kFace);
    CFont* pOldFont = GetFont() ? dc.SelectObject(GetFont()) : nullptr;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kText);
    for (int nItem : m_order) {
        CRect rect;
        GetItemRect(nItem, rect);
        if (rect.Width() > 0)
            DrawItem(dc, nItem, rect);
    }
    dc.FillSolidRect(rectClient.left, rectClient.bottom - 1, rectClient.Width(), 1, kShadow);
    if (pOldFont)
        dc.SelectObject(pOldFont);
}

LRESULT CHeaderCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        CPaintDC dc(this);
        DrawHeader(dc);
        return 0;
    }
    case WM_LBUTTONDOWN:
        OnButtonDown(PointFromLParam(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(PointFromLParam(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(PointFromLParam(lParam));
        return 0;
    case HDM_GETITEMCOUNT:
        return GetItemCount();
    case HDM_INSERTITEM:
        return InsertItem(int(wParam), reinterpret_cast<const HDITEM*>(lParam));
    case HDM_DELETEITEM:
        return DeleteItem(int(wParam));
    case HDM_GETITEM:
        return GetItem(int(wParam), reinterpret_cast<HDITEM*>(lParam));
    case HDM_SETITEM:
        return SetItem(int(wParam), reinterpret_cast<const HDITEM*>(lParam));
    case HDM_GETITEMRECT:
        return GetItemRect(int(wParam), reinterpret_cast<LPRECT>(lParam));
    case HDM_SETIMAGELIST:
        return reinterpret_cast<LRESULT>(SetImageList(reinterpret_cast<CImageList*>(lParam)));
    case HDM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(m_pImageList);
    case HDM_HITTEST:
        return HitTest(reinterpret_cast<HDHITTESTINFO*>(lParam));
    case HDM_ORDERTOINDEX:
        return OrderToIndex(int(wParam));
    default:
        return CControlWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CHeaderCtrl::CopyItemsFrom(const CHeaderCtrl& other)
{
    m_items = other.m_items;
    m_order = other.m_order;
    m_pImageList = other.m_pImageList;
    Invalidate();
    StateChanged();
}

void CHeaderCtrl::CopyStateFrom(CWnd& other)
{
    if (auto* pHeader = dynamic_cast<CHeaderCtrl*>(&other))
        CopyItemsFrom(*pHeader);
}
