// The list's painting: the rows below the header, each stage offered to the owner first.
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"

namespace {

constexpr int kTextMargin = 6;
constexpr COLORREF kInactiveSelection = RGB(217, 217, 217);

UINT AlignmentOf(int fmt)
{
    switch (fmt & HDF_JUSTIFYMASK) {
    case HDF_CENTER:
        return DT_CENTER;
    case HDF_RIGHT:
        return DT_RIGHT;
    default:
        return DT_LEFT;
    }
}

}  // namespace

void CListCtrl::DrawCell(CDC& dc, const Row& row, int nSubItem, const CRect& rect,
                         const NMLVCUSTOMDRAW& colours)
{
    dc.FillSolidRect(rect, colours.clrTextBk);
    dc.SetTextColor(colours.clrText);
    CRect rectText = rect;
    CImageList* pImages = m_pImageLists[LVSIL_SMALL];
    if (nSubItem == 0 && pImages && row.iImage >= 0) {
        const CSize size = pImages->GetImageSize();
        pImages->Draw(&dc, row.iImage, CPoint(rect.left + 2, rect.top + (rect.Height() - size.cy) / 2),
                      ILD_TRANSPARENT);
        rectText.left += size.cx + 2;
    }
    rectText.DeflateRect(kTextMargin, 0);
    if (rectText.right <= rectText.left || std::size_t(nSubItem) >= row.texts.size())
        return;
    const CHeaderCtrl::Item* pColumn = GetHeaderCtrl()->GetItemState(nSubItem);
    dc.DrawText(row.texts[std::size_t(nSubItem)], rectText,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS |
                    AlignmentOf(pColumn ? pColumn->fmt : HDF_LEFT));
}

void CListCtrl::DrawRows(CDC& dc)
{
    CRect rectClient;
    GetClientRect(rectClient);
    NMLVCUSTOMDRAW cd = {};
    cd.nmcd.dwDrawStage = CDDS_PREPAINT;
    cd.nmcd.hdc = &dc;
    cd.nmcd.rc = rectClient;
    cd.clrText = m_crText;
    cd.clrTextBk = m_crTextBk;
    const LRESULT lPaint = Notify(cd.nmcd.hdr, NM_CUSTOMDRAW);
    if (!IsWindow(this) || (lPaint & CDRF_SKIPDEFAULT))
        return;
    CRect rectRows = rectClient;
    rectRows.top = HeaderHeight();
    dc.FillSolidRect(rectRows, m_crBk);
    CFont* pOldFont = GetFont() ? dc.SelectObject(GetFont()) : nullptr;
    dc.SetBkMode(TRANSPARENT);
    const bool bFocused = GetFocus() == this;
    for (int nItem = m_nTopIndex; IsWindow(this) && nItem < GetItemCount(); ++nItem) {
        const CRect rectRow = RowRect(nItem);
        if (rectRow.top >= rectClient.bottom)
            break;
        const UINT nState = m_rows[std::size_t(nItem)].state;
        NMLVCUSTOMDRAW item = {};
        item.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
        item.nmcd.hdc = &dc;
        item.nmcd.rc = rectRow;
        item.nmcd.dwItemSpec = UINT_PTR(nItem);
        item.nmcd.uItemState = ((nState & LVIS_SELECTED) ? CDIS_SELECTED : 0) |
                               ((nState & LVIS_FOCUSED) && bFocused ? CDIS_FOCUS : 0);
        item.nmcd.lItemlParam = m_rows[std::size_t(nItem)].lParam;
        item.clrText = m_crText;
        item.clrTextBk = m_crTextBk;
        const LRESULT lItem = (lPaint & CDRF_NOTIFYITEMDRAW) ? Notify(item.nmcd.hdr, NM_CUSTOMDRAW)
                                                             : CDRF_DODEFAULT;
        for (int nCol = 0; !(lItem & CDRF_SKIPDEFAULT) && nCol < std::max(1, GetColumnCount());
             ++nCol) {
            // The owner may change the list from a notification: look again each time.
            if (!IsWindow(this) || nItem >= GetItemCount())
                break;
            NMLVCUSTOMDRAW sub = item;
            sub.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
            sub.iSubItem = nCol;
            CRect rectCell;
            GetSubItemRect(nItem, nCol, LVIR_LABEL, rectCell);
            sub.nmcd.rc = rectCell;
            const bool bHighlight = (nState & LVIS_SELECTED) &&
                                    (nCol == 0 || (m_dwExStyle & LVS_EX_FULLROWSELECT));
            if (bHighlight && bFocused) {
                sub.clrText = kHighlightTextColour;
                sub.clrTextBk = kHighlightColour;
            } else if (bHighlight && (GetStyle() & LVS_SHOWSELALWAYS)) {
                sub.clrTextBk = kInactiveSelection;
            }
            const LRESULT lSub = (lItem & CDRF_NOTIFYSUBITEMDRAW)
                                     ? Notify(sub.nmcd.hdr, NM_CUSTOMDRAW)
                                     : CDRF_DODEFAULT;
            if (!IsWindow(this) || nItem >= GetItemCount())
                break;
            if (!(lSub & CDRF_SKIPDEFAULT))
                DrawCell(dc, m_rows[std::size_t(nItem)], nCol, rectCell, sub);
            if (lSub & CDRF_NOTIFYPOSTPAINT) {
                sub.nmcd.dwDrawStage = CDDS_ITEMPOSTPAINT | CDDS_SUBITEM;
                Notify(sub.nmcd.hdr, NM_CUSTOMDRAW);
            }
        }
        if ((lItem & CDRF_NOTIFYPOSTPAINT) && IsWindow(this)) {
            item.nmcd.dwDrawStage = CDDS_ITEMPOSTPAINT;
            Notify(item.nmcd.hdr, NM_CUSTOMDRAW);
        }
    }
    if (!IsWindow(this))
        return;
    if (m_dwExStyle & LVS_EX_GRIDLINES) {
        for (int y = rectRows.top + kRowHeight - 1; y < rectClient.bottom; y += kRowHeight)
            dc.FillSolidRect(0, y, rectClient.Width(), 1, kGridColour);
        for (int nCol = 0; nCol < GetColumnCount(); ++nCol) {
            CRect rect;
            GetHeaderCtrl()->GetItemRect(nCol, rect);
            dc.FillSolidRect(rect.right - 1, rectRows.top, 1, rectRows.Height(), kGridColour);
        }
    }
    if (pOldFont)
        dc.SelectObject(pOldFont);
    if (lPaint & CDRF_NOTIFYPOSTPAINT) {
        cd.nmcd.dwDrawStage = CDDS_POSTPAINT;
        Notify(cd.nmcd.hdr, NM_CUSTOMDRAW);
    }
}
