// The check-box list's painting: every cell by the list itself through custom draw, and the
// note of an empty list.
#include "controls/BarColors.h"
#include "controls/XListCtrl.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"

namespace {

constexpr int kTextMargin = 2;
constexpr int kCheckboxIndent = 9;
constexpr int kEmptyTextGap = 10;
constexpr int kArrowHalfWidth = 3;
constexpr COLORREF kColorDarkShadow = RGB(105, 105, 105);
constexpr COLORREF kColorLight = RGB(227, 227, 227);

UINT AlignmentOf(const CHeaderCtrl::Item* pColumn)
{
    switch (pColumn ? pColumn->fmt & HDF_JUSTIFYMASK : HDF_LEFT) {
    case HDF_CENTER:
        return DT_CENTER;
    case HDF_RIGHT:
        return DT_RIGHT;
    default:
        return DT_LEFT;
    }
}

}  // namespace

LRESULT CXListCtrl::OnCustomDraw(NMLVCUSTOMDRAW& cd)
{
    switch (cd.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPREPAINT:
        return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        DrawCell(*cd.nmcd.hdc, int(cd.nmcd.dwItemSpec), cd.iSubItem, cd.nmcd.rc);
        return CDRF_SKIPDEFAULT;
    case CDDS_POSTPAINT:
        if (GetItemCount() == 0)
            DrawEmptyText(*cd.nmcd.hdc);
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

void CXListCtrl::DrawCell(CDC& dc, int nItem, int nSubItem, CRect rect)
{
    const XCell* pCell = GetCell(nItem, nSubItem);
    COLORREF crText = pCell ? pCell->crText : kColorWindowText;
    COLORREF crBackground = pCell ? pCell->crBackground : kColorWindow;
    if (pCell && !pCell->bEnabled)
        crText = kColorGrayText;
    const int nCheck = pCell ? pCell->nCheckedState : -1;
    if (nCheck < 0 && GetItemState(nItem, LVIS_SELECTED)) {
        crText = kColorHighlightText;
        crBackground = kColorHighlight;
    }
    dc.FillSolidRect(rect, crBackground);
    if (pCell && pCell->bProgress) {
        DrawProgress(dc, *pCell, rect);
        return;
    }
    const CString strText = GetItemText(nItem, nSubItem);
    CRect rectText = rect;
    if (CRect rectButton; GetComboButtonRect(nItem, nSubItem, rectButton)) {
        DrawComboButton(dc, rectButton, m_bComboIsClicked && nItem == m_nComboItem && nSubItem == m_nComboSubItem);
        rectText.right = rectButton.left;
    }
    if (nCheck >= 0) {
        const int nSize = rect.Height() - 1;
        CRect rectBox(rect.left + kCheckboxIndent, rect.top, rect.left + kCheckboxIndent + nSize,
                      rect.top + nSize);
        if (strText.IsEmpty())
            rectBox.MoveToXY(rect.left + (rect.Width() - nSize) / 2, rectBox.top);
        DrawCheckbox(dc, rectBox, nCheck == 1);
        rectText.left = rectBox.right;
    }
    rectText.DeflateRect(kTextMargin, 0);
    if (strText.IsEmpty() || rectText.right <= rectText.left)
        return;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(crText);
    const CHeaderCtrl* pHeader = GetHeaderCtrl();
    dc.DrawText(strText, rectText,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS |
                    AlignmentOf(pHeader ? pHeader->GetItemState(nSubItem) : nullptr));
}

void CXListCtrl::DrawCheckbox(CDC& dc, const CRect& rectBox, BOOL bChecked) const
{
    dc.FillSolidRect(rectBox, kColorWindow);
    // A sunken edge: the outer and inner shadows above and to the left.
    dc.Draw3dRect(rectBox, kColorBtnShadow, kColorBtnHighlight);
    CRect rectInner = rectBox;
    rectInner.DeflateRect(1, 1);
    dc.Draw3dRect(rectInner, kColorDarkShadow, kColorLight);
    if (!bChecked)
        return;
    // Two strokes, three pixels thick: down to the foot, then up to the right.
    CPen pen(PS_SOLID, 1, kColorWindowText);
    CPen* pOldPen = dc.SelectObject(&pen);
    const int x = rectBox.left + 3;
    const int y = rectBox.top + rectBox.Height() / 2 - 1;
    for (int i = 0; i < 3; ++i) {
        dc.MoveTo(x, y + i);
        dc.LineTo(x + 2, y + 2 + i);
        dc.LineTo(x + 7, y - 3 + i);
    }
    dc.SelectObject(pOldPen);
}

CRect CXListCtrl::CellRect(int nItem, int nSubItem) const
{
    CRect rect;
    if (!GetSubItemRect(nItem, nSubItem, LVIR_BOUNDS, rect))
        return CRect(0, 0, 0, 0);
    if (CRect rectNext; nSubItem == 0 && GetColumnCount() > 1 && GetSubItemRect(nItem, 1, LVIR_BOUNDS, rectNext))
        rect.right = rectNext.left;
    return rect;
}

void CXListCtrl::DrawComboButton(CDC& dc, const CRect& rectButton, BOOL bPressed) const
{
    dc.FillSolidRect(rectButton, kColorBtnFace);
    if (bPressed)
        dc.Draw3dRect(rectButton, kColorBtnShadow, kColorBtnHighlight);
    else
        dc.Draw3dRect(rectButton, kColorBtnHighlight, kColorDarkShadow);
    // A small arrow pointing down, one pixel lower while pressed.
    CPen pen(PS_SOLID, 1, kColorWindowText);
    CPen* pOldPen = dc.SelectObject(&pen);
    const CPoint ptCentre = rectButton.CenterPoint() + CSize(bPressed ? 1 : 0, bPressed ? 1 : 0);
    for (int i = 0; i < kArrowHalfWidth + 1; ++i) {
        dc.MoveTo(ptCentre.x - kArrowHalfWidth + i, ptCentre.y - 1 + i);
        dc.LineTo(ptCentre.x + kArrowHalfWidth - i + 1, ptCentre.y - 1 + i);
    }
    dc.SelectObject(pOldPen);
}

// A framed bar inside the cell, its left part in the highlight colour up to the percent, and the
// message centred on it.
void CXListCtrl::DrawProgress(CDC& dc, const XCell& cell, const CRect& rect) const
{
    CRect rectBar = rect;
    rectBar.DeflateRect(1, 1);
    if (rectBar.IsRectEmpty())
        return;
    dc.Draw3dRect(rectBar, kColorBtnShadow, kColorBtnHighlight);
    CRect rectInside = rectBar;
    rectInside.DeflateRect(1, 1);
    CRect rectDone = rectInside;
    rectDone.right = rectInside.left + rectInside.Width() * cell.nProgressPercent / 100;
    dc.FillSolidRect(rectDone, kColorHighlight);
    if (!cell.bShowProgressMessage)
        return;
    CString strText = cell.strProgressText;
    if (strText.IsEmpty())
        strText.Format(_T("%d%%"), cell.nProgressPercent);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kColorWindowText);
    dc.DrawText(strText, rectInside, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void CXListCtrl::DrawEmptyText(CDC& dc)
{
    CRect rect;
    GetClientRect(rect);
    if (const CHeaderCtrl* pHeader = GetHeaderCtrl(); pHeader && (pHeader->GetStyle() & WS_VISIBLE)) {
        CRect rectHeader;
        pHeader->GetWindowRect(rectHeader);
        rect.top += rectHeader.Height();
    }
    rect.top += kEmptyTextGap;
    if (rect.IsRectEmpty())
        return;
    dc.FillSolidRect(rect, kColorWindow);
    CGdiObject* pOldFont = dc.SelectStockObject(ANSI_VAR_FONT);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(kColorWindow);
    dc.SetTextColor(kColorWindowText);
    dc.DrawText(CString(kEmptyText), rect, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    dc.SelectObject(pOldFont);
}
