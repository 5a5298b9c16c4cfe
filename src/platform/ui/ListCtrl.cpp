#include "platform/ui/ListCtrl.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/ui/ImageList.h"

#include <algorithm>
#include <utility>

IMPLEMENT_DYNAMIC(CListCtrl, CControlWnd)

namespace {

constexpr int kTextMargin = 6;

}  // namespace

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_LISTVIEW, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    const DWORD dwOld = std::exchange(m_dwExStyle, dwNewStyle);
    Invalidate();
    StateChanged();
    return dwOld;
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const
{
    for (CWnd* pChild = GetWindow(GW_CHILD); pChild; pChild = pChild->GetWindow(GW_HWNDNEXT)) {
        if (auto* pHeader = dynamic_cast<CHeaderCtrl*>(pChild))
            return pHeader;
    }
    return nullptr;
}

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    if (nImageListType < LVSIL_NORMAL || nImageListType > LVSIL_STATE)
        return nullptr;
    CImageList* pOld = std::exchange(m_pImageLists[nImageListType], pImageList);
    Invalidate();
    return pOld;
}

CImageList* CListCtrl::GetImageList(int nImageListType) const
{
    return nImageListType >= LVSIL_NORMAL && nImageListType <= LVSIL_STATE
               ? m_pImageLists[nImageListType]
               : nullptr;
}

// ---- columns ----

int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* pColumn)
{
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    if (!pHeader || !pColumn || nCol < 0)
        return -1;
    HDITEM item = {};
    item.mask = HDI_FORMAT | HDI_WIDTH;
    item.fmt = HDF_STRING | ((pColumn->mask & LVCF_FMT) ? pColumn->fmt & LVCFMT_JUSTIFYMASK : 0);
    // Column 0 stays left-aligned, as on the classic control.
    if (nCol == 0)
        item.fmt &= ~HDF_JUSTIFYMASK;
    item.cxy = (pColumn->mask & LVCF_WIDTH) ? std::max(0, pColumn->cx) : 0;
    if (pColumn->mask & LVCF_TEXT) {
        item.mask |= HDI_TEXT;
        item.pszText = pColumn->pszText;
    }
    if (pColumn->mask & LVCF_IMAGE) {
        item.mask |= HDI_IMAGE;
        item.fmt |= HDF_IMAGE;
        item.iImage = pColumn->iImage;
    }
    const int nIndex = pHeader->InsertItem(nCol, &item);
    if (nIndex < 0)
        return -1;
    // The subitems keep their columns: texts to the right of the new column move along.
    for (Row& row : m_rows) {
        if (std::size_t(nIndex) < row.texts.size())
            row.texts.insert(row.texts.begin() + nIndex, CString());
    }
    Invalidate();
    StateChanged();
    return nIndex;
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int)
{
    LVCOLUMN column = {};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.fmt = nFormat;
    column.pszText = const_cast<LPTSTR>(lpszColumnHeading);
    if (nWidth >= 0) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    return InsertColumn(nCol, &column);
}

BOOL CListCtrl::DeleteColumn(int nCol)
{
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    if (!pHeader || !pHeader->DeleteItem(nCol))
        return FALSE;
    for (Row& row : m_rows) {
        if (std::size_t(nCol) < row.texts.size())
            row.texts.erase(row.texts.begin() + nCol);
    }
    Invalidate();
    StateChanged();
    return TRUE;
}

int CListCtrl::GetColumnCount() const
{
    const CHeaderCtrl* pHeader = GetHeaderCtrl();
    return pHeader ? pHeader->GetItemCount() : 0;
}

BOOL CListCtrl::GetColumn(int nCol, LVCOLUMN* pColumn) const
{
    const CHeaderCtrl* pHeader = GetHeaderCtrl();
    const CHeaderCtrl::Item* pItem = pHeader ? pHeader->GetItemState(nCol) : nullptr;
    if (!pItem || !pColumn)
        return FALSE;
    if (pColumn->mask & LVCF_FMT)
        pColumn->fmt = pItem->fmt & HDF_JUSTIFYMASK;
    if (pColumn->mask & LVCF_WIDTH)
        pColumn->cx = pItem->cxy;
    if (pColumn->mask & LVCF_SUBITEM)
        pColumn->iSubItem = nCol;
    if (pColumn->mask & LVCF_IMAGE)
        pColumn->iImage = pItem->iImage;
    if ((pColumn->mask & LVCF_TEXT) && pColumn->pszText && pColumn->cchTextMax > 0) {
        const int nCopy = std::min(pItem->strText.GetLength(), pColumn->cchTextMax - 1);
        std::copy_n(pItem->strText.GetString(), nCopy, pColumn->pszText);
        pColumn->pszText[nCopy] = 0;
    }
    return TRUE;
}

BOOL CListCtrl::SetColumn(int nCol, const LVCOLUMN* pColumn)
{
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    const CHeaderCtrl::Item* pItem = pHeader ? pHeader->GetItemState(nCol) : nullptr;
    if (!pItem || !pColumn)
        return FALSE;
    HDITEM item = {};
    if (pColumn->mask & LVCF_FMT) {
        item.mask |= HDI_FORMAT;
        item.fmt = (pItem->fmt & ~HDF_JUSTIFYMASK) | (pColumn->fmt & LVCFMT_JUSTIFYMASK);
    }
    if (pColumn->mask & LVCF_WIDTH) {
        item.mask |= HDI_WIDTH;
        item.cxy = pColumn->cx;
    }
    if (pColumn->mask & LVCF_TEXT) {
        item.mask |= HDI_TEXT;
        item.pszText = pColumn->pszText;
    }
    if (pColumn->mask & LVCF_IMAGE) {
        item.mask |= HDI_IMAGE;
        item.iImage = pColumn->iImage;
    }
    pHeader->SetItem(nCol, &item);
    Invalidate();
    return TRUE;
}

int CListCtrl::GetColumnWidth(int nCol) const
{
    const CHeaderCtrl* pHeader = GetHeaderCtrl();
    const CHeaderCtrl::Item* pItem = pHeader ? pHeader->GetItemState(nCol) : nullptr;
    return pItem ? pItem->cxy : 0;
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx)
{
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    const CHeaderCtrl::Item* pItem = pHeader ? pHeader->GetItemState(nCol) : nullptr;
    if (!pItem)
        return FALSE;
    if (cx == LVSCW_AUTOSIZE || cx == LVSCW_AUTOSIZE_USEHEADER) {
        CDC dc;
        if (GetFont())
            dc.SelectObject(GetFont());
        int nWidest = cx == LVSCW_AUTOSIZE_USEHEADER ? dc.GetTextExtent(pItem->strText).cx : 0;
        for (int i = 0; i < GetItemCount(); ++i)
            nWidest = std::max(nWidest, int(dc.GetTextExtent(GetItemText(i, nCol)).cx));
        cx = nWidest + 2 * kTextMargin;
    }
    HDITEM item = {};
    item.mask = HDI_WIDTH;
    item.cxy = cx;
    pHeader->SetItem(nCol, &item);
    Invalidate();
    StateChanged();
    return TRUE;
}

// ---- rows ----

const CListCtrl::Row* CListCtrl::GetRow(int nItem) const
{
    return nItem >= 0 && nItem < GetItemCount() ? &m_rows[std::size_t(nItem)] : nullptr;
}

int CListCtrl::InsertItem(const LVITEM* pItem)
{
    if (!pItem || pItem->iItem < 0 || pItem->iSubItem != 0)
        return -1;
    const int nItem = std::min(pItem->iItem, GetItemCount());
    Row row;
    if ((pItem->mask & LVIF_TEXT) && pItem->pszText)
        row.texts.emplace_back(pItem->pszText);
    if (pItem->mask & LVIF_PARAM)
        row.lParam = pItem->lParam;
    if (pItem->mask & LVIF_IMAGE)
        row.iImage = pItem->iImage;
    m_rows.insert(m_rows.begin() + nItem, std::move(row));
    if (m_nSelectionMark >= nItem)
        ++m_nSelectionMark;
    NMLISTVIEW nm = {};
    nm.iItem = nItem;
    Notify(nm.hdr, LVN_INSERTITEM);
    if (IsWindow(this) && (pItem->mask & LVIF_STATE) && GetRow(nItem))
        SetItemState(nItem, pItem->state, pItem->stateMask);
    Invalidate();
    StateChanged();
    return nItem;
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    LVITEM item = {};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    return InsertItem(&item);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
{
    LVITEM item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = nItem;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    item.iImage = nImage;
    return InsertItem(&item);
}

BOOL CListCtrl::DeleteItem(int nItem)
{
    if (!GetRow(nItem))
        return FALSE;
    NMLISTVIEW nm = {};
    nm.iItem = nItem;
    nm.lParam = m_rows[std::size_t(nItem)].lParam;
    Notify(nm.hdr, LVN_DELETEITEM);
    // The owner may have emptied the list meanwhile.
    if (!IsWindow(this) || !GetRow(nItem))
        return FALSE;
    m_rows.erase(m_rows.begin() + nItem);
    if (m_nSelectionMark == nItem)
        m_nSelectionMark = -1;
    else if (m_nSelectionMark > nItem)
        --m_nSelectionMark;
    m_nTopIndex = ClampTop(m_nTopIndex);
    Invalidate();
    StateChanged();
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems()
{
    NMLISTVIEW nm = {};
    nm.iItem = -1;
    // A nonzero answer to LVN_DELETEALLITEMS spares the owner one LVN_DELETEITEM per row.
    const bool bPerItem = Notify(nm.hdr, LVN_DELETEALLITEMS) == 0;
    for (int nItem = 0; bPerItem && IsWindow(this) && nItem < GetItemCount(); ++nItem) {
        NMLISTVIEW nmItem = {};
        nmItem.iItem = nItem;
        nmItem.lParam = m_rows[std::size_t(nItem)].lParam;
        Notify(nmItem.hdr, LVN_DELETEITEM);
    }
    if (!IsWindow(this))
        return FALSE;
    m_rows.clear();
    m_nSelectionMark = -1;
    m_nTopIndex = 0;
    Invalidate();
    StateChanged();
    return TRUE;
}

BOOL CListCtrl::GetItem(LVITEM* pItem) const
{
    const Row* pRow = pItem ? GetRow(pItem->iItem) : nullptr;
    if (!pRow)
        return FALSE;
    if ((pItem->mask & LVIF_TEXT) && pItem->pszText)
        GetItemText(pItem->iItem, pItem->iSubItem, pItem->pszText, pItem->cchTextMax);
    if (pItem->mask & LVIF_STATE)
        pItem->state = pRow->state & pItem->stateMask;
    if (pItem->mask & LVIF_PARAM)
        pItem->lParam = pRow->lParam;
    if (pItem->mask & LVIF_IMAGE)
        pItem->iImage = pRow->iImage;
    return TRUE;
}

BOOL CListCtrl::SetItem(const LVITEM* pItem)
{
    if (!pItem || !GetRow(pItem->iItem) || pItem->iSubItem < 0 ||
        pItem->iSubItem >= std::max(1, GetColumnCount()))
        return FALSE;
    Row& row = m_rows[std::size_t(pItem->iItem)];
    if (pItem->mask & LVIF_TEXT) {
        if (row.texts.size() <= std::size_t(pItem->iSubItem))
            row.texts.resize(std::size_t(pItem->iSubItem) + 1);
        row.texts[std::size_t(pItem->iSubItem)] = pItem->pszText ? CString(pItem->pszText) : CString();
    }
    if (pItem->mask & LVIF_PARAM)
        row.lParam = pItem->lParam;
    if (pItem->mask & LVIF_IMAGE)
        row.iImage = pItem->iImage;
    if (pItem->mask & LVIF_STATE)
        SetItemState(pItem->iItem, pItem->state, pItem->stateMask);
    RedrawItems(pItem->iItem, pItem->iItem);
    StateChanged();
    return TRUE;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    LVITEM item = {};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPTSTR>(lpszText);
    return SetItem(&item);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    const Row* pRow = GetRow(nItem);
    if (!pRow || nSubItem < 0 || std::size_t(nSubItem) >= pRow->texts.size())
        return CString();
    return pRow->texts[std::size_t(nSubItem)];
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const
{
    if (!lpszText || nLen <= 0)
        return 0;
    const CString strText = GetItemText(nItem, nSubItem);
    const int nCopy = std::min(strText.GetLength(), nLen - 1);
    std::copy_n(strText.GetString(), nCopy, lpszText);
    lpszText[nCopy] = 0;
    return nCopy;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    if (!GetRow(nItem))
        return FALSE;
    m_rows[std::size_t(nItem)].lParam = LPARAM(dwData);
    return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    const Row* pRow = GetRow(nItem);
    return pRow ? DWORD_PTR(pRow->lParam) : 0;
}

// ---- states and selection ----

LRESULT CListCtrl::Notify(NMHDR& hdr, UINT nCode)
{
    hdr.hwndFrom = this;
    hdr.idFrom = UINT_PTR(GetDlgCtrlID());
    hdr.code = nCode;
    LRESULT lResult = 0;
    if (OnReflectNotify(&hdr, &lResult))
        return lResult;
    return NotifyOwner(hdr, nCode);
}

BOOL CListCtrl::OnReflectNotify(NMHDR*, LRESULT*) { return FALSE; }

void CListCtrl::NotifyItemChanged(int nItem, UINT nOldState, UINT nNewState)
{
    NMLISTVIEW nm = {};
    nm.iItem = nItem;
    nm.uOldState = nOldState;
    nm.uNewState = nNewState;
    nm.uChanged = LVIF_STATE;
    nm.lParam = m_rows[std::size_t(nItem)].lParam;
    Notify(nm.hdr, LVN_ITEMCHANGED);
}

void CListCtrl::ChangeState(int nItem, UINT nState, UINT nMask)
{
    if (!GetRow(nItem))
        return;
    const UINT nOld = m_rows[std::size_t(nItem)].state;
    const UINT nNew = (nOld & ~nMask) | (nState & nMask);
    if (nNew == nOld)
        return;
    // Only one row holds the focus, and one selection in a single-selection list.
    if ((nNew & ~nOld & LVIS_FOCUSED)) {
        for (int i = 0; i < GetItemCount(); ++i) {
            if (i != nItem && (m_rows[std::size_t(i)].state & LVIS_FOCUSED))
                ChangeState(i, 0, LVIS_FOCUSED);
        }
    }
    if ((nNew & ~nOld & LVIS_SELECTED) && (GetStyle() & LVS_SINGLESEL))
        DeselectAllBut(nItem);
    if (!IsWindow(this) || !GetRow(nItem))
        return;
    NMLISTVIEW nm = {};
    nm.iItem = nItem;
    nm.uOldState = nOld;
    nm.uNewState = nNew;
    nm.uChanged = LVIF_STATE;
    nm.lParam = m_rows[std::size_t(nItem)].lParam;
    if (Notify(nm.hdr, LVN_ITEMCHANGING) != 0 || !IsWindow(this) || !GetRow(nItem))
        return;
    m_rows[std::size_t(nItem)].state = nNew;
    RedrawItems(nItem, nItem);
    StateChanged();
    NotifyItemChanged(nItem, nOld, nNew);
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    if (nItem == -1) {
        for (int i = 0; IsWindow(this) && i < GetItemCount(); ++i)
            ChangeState(i, nState, nMask);
        return TRUE;
    }
    if (!GetRow(nItem))
        return FALSE;
    ChangeState(nItem, nState, nMask);
    return TRUE;
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const
{
    const Row* pRow = GetRow(nItem);
    return pRow ? pRow->state & nMask : 0;
}

void CListCtrl::DeselectAllBut(int nKeep)
{
    for (int i = 0; IsWindow(this) && i < GetItemCount(); ++i) {
        if (i != nKeep && (m_rows[std::size_t(i)].state & LVIS_SELECTED))
            ChangeState(i, 0, LVIS_SELECTED);
    }
}

void CListCtrl::SelectRange(int nFrom, int nTo)
{
    const int nLow = std::min(nFrom, nTo);
    const int nHigh = std::max(nFrom, nTo);
    for (int i = 0; IsWindow(this) && i < GetItemCount(); ++i)
        ChangeState(i, (i >= nLow && i <= nHigh) ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
    const UINT nWanted = ((nFlags & LVNI_FOCUSED) ? LVIS_FOCUSED : 0) |
                         ((nFlags & LVNI_SELECTED) ? LVIS_SELECTED : 0);
    const int nStep = (nFlags & LVNI_ABOVE) ? -1 : 1;
    // Without a direction, -1 starts at the first row and a row searches from the next one.
    for (int i = nItem < 0 && nStep > 0 ? 0 : nItem + nStep; i >= 0 && i < GetItemCount();
         i += nStep) {
        if ((m_rows[std::size_t(i)].state & nWanted) == nWanted)
            return i;
    }
    return -1;
}

UINT CListCtrl::GetSelectedCount() const
{
    return UINT(std::count_if(m_rows.begin(), m_rows.end(),
                              [](const Row& row) { return (row.state & LVIS_SELECTED) != 0; }));
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    const int nFirst = GetNextItem(-1, LVNI_SELECTED);
    return nFirst < 0 ? nullptr : reinterpret_cast<POSITION>(std::uintptr_t(nFirst) + 1);
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const
{
    const int nItem = int(reinterpret_cast<std::uintptr_t>(pos)) - 1;
    const int nNext = GetNextItem(nItem, LVNI_SELECTED);
    pos = nNext < 0 ? nullptr : reinterpret_cast<POSITION>(std::uintptr_t(nNext) + 1);
    return nItem;
}

int CListCtrl::SetSelectionMark(int iIndex) { return std::exchange(m_nSelectionMark, iIndex); }

// ---- geometry and scrolling ----

int CListCtrl::HeaderHeight() const
{
    const CHeaderCtrl* pHeader = GetHeaderCtrl();
    if (!pHeader || !(pHeader->GetStyle() & WS_VISIBLE))
        return 0;
    CRect rect;
    pHeader->GetWindowRect(rect);
    return rect.Height();
}

CRect CListCtrl::RowRect(int nItem) const
{
    int nWidth = 0;
    for (int nCol = 0; nCol < GetColumnCount(); ++nCol)
        nWidth += GetColumnWidth(nCol);
    const int nTop = HeaderHeight() + (nItem - m_nTopIndex) * kRowHeight;
    return CRect(0, nTop, nWidth, nTop + kRowHeight);
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
{
    if (!GetRow(nItem) || !lpRect)
        return FALSE;
    CRect rect = RowRect(nItem);
    if (nCode == LVIR_LABEL || nCode == LVIR_ICON) {
        CRect rectCell;
        GetSubItemRect(nItem, 0, LVIR_LABEL, rectCell);
        rect = rectCell;
    }
    *lpRect = rect;
    return TRUE;
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const
{
    const CHeaderCtrl* pHeader = GetHeaderCtrl();
    if (!GetRow(iItem) || !pHeader || iSubItem < 0 || iSubItem >= std::max(1, GetColumnCount()))
        return FALSE;
    const CRect rectRow = RowRect(iItem);
    // Subitem 0's bounds are the whole row, as on the classic control.
    if (iSubItem == 0 && nArea == LVIR_BOUNDS) {
        ref = rectRow;
        return TRUE;
    }
    CRect rectColumn;
    if (!pHeader->GetItemRect(iSubItem, rectColumn))
        rectColumn = CRect(0, 0, 0, 0);
    ref = CRect(rectColumn.left, rectRow.top, rectColumn.right, rectRow.bottom);
    return TRUE;
}

int CListCtrl::SubItemHitTest(LPLVHITTESTINFO pInfo) const
{
    pInfo->flags = LVHT_NOWHERE;
    pInfo->iItem = -1;
    pInfo->iSubItem = -1;
    const CPoint pt(pInfo->pt);
    const int nHeader = HeaderHeight();
    if (pt.y < nHeader) {
        pInfo->flags = LVHT_ABOVE;
        return -1;
    }
    const int nItem = m_nTopIndex + (pt.y - nHeader) / kRowHeight;
    if (nItem >= GetItemCount()) {
        pInfo->flags = LVHT_BELOW;
        return -1;
    }
    const CHeaderCtrl* pHeader = GetHeaderCtrl();
    for (int nCol = 0; pHeader && nCol < GetColumnCount(); ++nCol) {
        CRect rect;
        pHeader->GetItemRect(nCol, rect);
        if (pt.x >= rect.left && pt.x < rect.right) {
            pInfo->flags = LVHT_ONITEMLABEL;
            pInfo->iItem = nItem;
            pInfo->iSubItem = nCol;
            break;
        }
    }
    return pInfo->iItem;
}

int CListCtrl::HitTest(LVHITTESTINFO* pHitTestInfo) const
{
    SubItemHitTest(pHitTestInfo);
    if (pHitTestInfo->iItem >= 0 && pHitTestInfo->iSubItem != 0 &&
        !(m_dwExStyle & LVS_EX_FULLROWSELECT)) {
        pHitTestInfo->flags = LVHT_NOWHERE;
        pHitTestInfo->iItem = -1;
    }
    return pHitTestInfo->iItem;
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    LVHITTESTINFO info = {pt, 0, -1, -1};
    const int nItem = HitTest(&info);
    if (pFlags)
        *pFlags = info.flags;
    return nItem;
}

int CListCtrl::GetCountPerPage() const
{
    CRect rect;
    GetClientRect(rect);
    return std::max(0, (rect.Height() - HeaderHeight()) / kRowHeight);
}

int CListCtrl::ClampTop(int nTop) const
{
    return std::clamp(nTop, 0, std::max(0, GetItemCount() - std::max(1, GetCountPerPage())));
}

BOOL CListCtrl::Scroll(CSize size)
{
    const int nTop = ClampTop(m_nTopIndex + size.cy / kRowHeight);
    if (nTop != m_nTopIndex) {
        m_nTopIndex = nTop;
        Invalidate();
        StateChanged();
    }
    return TRUE;
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK)
{
    if (!GetRow(nItem))
        return FALSE;
    const int nPage = std::max(1, GetCountPerPage());
    if (bPartialOK && nItem == m_nTopIndex + nPage)
        return TRUE;  // the partly shown row below the last whole one
    if (nItem < m_nTopIndex)
        return Scroll(CSize(0, (nItem - m_nTopIndex) * kRowHeight));
    if (nItem >= m_nTopIndex + nPage)
        return Scroll(CSize(0, (nItem - nPage + 1 - m_nTopIndex) * kRowHeight));
    return TRUE;
}

BOOL CListCtrl::RedrawItems(int nFirst, int nLast)
{
    if (!GetRow(nFirst) || !GetRow(nLast))
        return FALSE;
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rect(0, RowRect(nFirst).top, rectClient.right, RowRect(nLast).bottom);
    InvalidateRect(rect, TRUE);
    return TRUE;
}

BOOL CListCtrl::SetBkColor(COLORREF cr)
{
    m_crBk = cr;
    Invalidate();
    return TRUE;
}

BOOL CListCtrl::SetTextColor(COLORREF cr)
{
    m_crText = cr;
    Invalidate();
    return TRUE;
}

BOOL CListCtrl::SetTextBkColor(COLORREF cr)
{
    m_crTextBk = cr;
    Invalidate();
    return TRUE;
}

// ---- the header ----

void CListCtrl::CreateHeader()
{
    auto* pHeader = new CHeaderCtrl;
    pHeader->SetAutoDelete(TRUE);
    const bool bShown = (GetStyle() & LVS_TYPEMASK) == LVS_REPORT && !(GetStyle() & LVS_NOCOLUMNHEADER);
    CRect rect;
    GetClientRect(rect);
    rect.bottom = CHeaderCtrl::kDefaultHeight;
    if (!pHeader->Create(bShown ? WS_VISIBLE : 0, rect, this, 0))
        delete pHeader;
    else if (GetFont())
        pHeader->SetFont(GetFont(), FALSE);
}

void CListCtrl::LayoutHeader()
{
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    if (!pHeader)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rect;
    pHeader->GetWindowRect(rect);
    pHeader->SetWindowPos(nullptr, 0, 0, rectClient.Width(), rect.Height(),
                          SWP_NOZORDER | SWP_NOACTIVATE);
}
