// Dragging on the LCD grid: an element moves to where it is dropped when it may lie there, and
// text dropped from elsewhere is placed by the paste rules. An element drag carries the
// 20-byte "Widget" record (8 reserved bytes, the grab offset from the element's top-left
// corner, its colour); only the grid that started the drag takes it.
#include "messagetext/GridCtrl.h"

#include "blocks/Widget.h"
#include "messagetext/WidgetPlacement.h"
#include "platform/core/MessageBox.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"

namespace {

constexpr std::size_t kWidgetRecordSize = 20;
constexpr std::size_t kOffsetXAt = 8;
constexpr std::size_t kOffsetYAt = 12;
constexpr std::size_t kColorAt = 16;

void PutInt(std::vector<BYTE>& bytes, std::size_t nAt, DWORD dwValue)
{
    for (int i = 0; i < 4; ++i)
        bytes[nAt + i] = BYTE(dwValue >> (8 * i));
}

void RefuseDrop() { AfxMessageBox(_T("Can't insert the selected Object at this position"), MB_ICONEXCLAMATION); }

}  // namespace

UINT CGridCtrl::GetWidgetDragFormat() { return RegisterClipboardFormat(_T("Widget")); }

CCellID CGridCtrl::TextCellAt(CPoint point) const
{
    const CCellID cell = GetCellFromPt(point, FALSE);
    if (!IsValid(cell) || cell.row < m_nFixedRows || cell.col < m_nFixedCols)
        return CCellID();
    CRect rect;
    GetCellRect(cell.row, cell.col, &rect);
    return point.x <= rect.right && point.y <= rect.bottom ? cell : CCellID();
}

void CGridCtrl::OnBeginDrag(CPoint point)
{
    CWidget* pWidget = m_pSelectedWidget;
    m_bLMouseButtonDown = FALSE;
    m_MouseMode = MOUSE_NOTHING;
    if (!m_bAllowDragAndDrop)
        return;
    if (!pWidget || !pWidget->HitTest(point)) {
        BeginTextDrag();
        return;
    }
    std::vector<BYTE> record(kWidgetRecordSize, 0);
    const CRect rect = pWidget->GetRect();
    PutInt(record, kOffsetXAt, DWORD(point.x - rect.left));
    PutInt(record, kOffsetYAt, DWORD(point.y - rect.top));
    PutInt(record, kColorAt, pWidget->GetColor());
    COleDataSource source;
    source.CacheData(GetWidgetDragFormat(), std::move(record));
    m_bWidgetDrag = TRUE;
    m_MouseMode = MOUSE_DRAGGING;
    const DROPEFFECT effect = source.DoDragDrop(*this, DROPEFFECT_COPY | DROPEFFECT_MOVE);
    m_bWidgetDrag = FALSE;
    m_MouseMode = MOUSE_NOTHING;
    EraseDragOutline();
    CWidget* pCopy = m_pDropCopy;
    m_pDropCopy = nullptr;
    if (!pCopy)
        return;
    if (effect == DROPEFFECT_NONE) {
        delete pCopy;
        return;
    }
    // The copy takes the dragged element's place in the line lists.
    for (CObArray& list : m_arrWidgets) {
        for (INT_PTR i = 0; i < list.GetSize(); ++i) {
            if (list.GetAt(i) == pWidget) {
                delete pWidget;
                list.RemoveAt(i);
                break;
            }
        }
    }
    pCopy->m_bSelected = TRUE;
    m_arrWidgets[pCopy->m_nLine - 1].Add(pCopy);
    m_pSelectedWidget = pCopy;
    Invalidate();
}

void CGridCtrl::BeginTextDrag()
{
    const CCellRange range = GetSelectedCellRange();
    if (!range.IsValid())
        return;
    if (SelectionTouchesWidget()) {
        AfxMessageBox(_T("Copy/paste of parameters is not supported."), MB_ICONEXCLAMATION);
        return;
    }
    COleDataSource source;
    source.CacheText(GetSelectionText());
    SendMessageToParent(range.nMinRow, range.nMinCol, GVN_BEGINDRAG);
    m_textDragSource = range;
    m_MouseMode = MOUSE_DRAGGING;
    const DROPEFFECT effect = source.DoDragDrop(*this, DROPEFFECT_COPY | (m_bEditable ? DROPEFFECT_MOVE : 0));
    m_MouseMode = MOUSE_NOTHING;
    m_textDragSource = CCellRange();
    // A drop here clears the selection; the move empties the cells the text came from.
    if (effect == DROPEFFECT_MOVE) {
        SetSelectedRange(range);
        CutSelectedText();
    }
}

bool CGridCtrl::DropOverlapsTextSource(CCellID cell) const
{
    const CCellRange& src = m_textDragSource;
    if (!src.IsValid())
        return false;
    const CCellRange dropped(cell.row, cell.col, cell.row + src.nMaxRow - src.nMinRow,
                             cell.col + src.nMaxCol - src.nMinCol);
    return dropped.nMinRow <= src.nMaxRow && src.nMinRow <= dropped.nMaxRow && dropped.nMinCol <= src.nMaxCol &&
           src.nMinCol <= dropped.nMaxCol;
}

void CGridCtrl::MoveDragOutline(CPoint point)
{
    const CCellID cell = GetCellFromPt(point, TRUE);
    CRect rcNew;
    if (m_pSelectedWidget && IsValid(cell)) {
        WidgetSpan span{std::max(cell.row, 1), std::max(cell.col, 1), WidgetLineCount(m_pSelectedWidget->m_nKind),
                        m_pSelectedWidget->m_nWidth};
        span.nColumn = std::max(1, std::min(span.nColumn, GetColumnCount() - span.nWidth));
        rcNew = SpanRect(*this, span);
        m_crDragOutline = m_pSelectedWidget->GetColor();
    }
    if (rcNew == m_rcDragOutline)
        return;
    EraseDragOutline();
    m_rcDragOutline = rcNew;
    InvalidateRect(m_rcDragOutline, FALSE);
}

void CGridCtrl::EraseDragOutline()
{
    if (m_rcDragOutline.IsRectEmpty())
        return;
    InvalidateRect(m_rcDragOutline, FALSE);
    m_rcDragOutline.SetRectEmpty();
}

void CGridCtrl::DrawDragOutline(CDC* pDC) const
{
    if (m_rcDragOutline.IsRectEmpty())
        return;
    CPen pen(PS_DOT, 1, m_crDragOutline);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = static_cast<CBrush*>(pDC->SelectStockObject(NULL_BRUSH));
    pDC->Rectangle(m_rcDragOutline);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

void CGridCtrl::SetDropHighlight(CCellID cell)
{
    if (IsValid(m_LastDragOverCell) && !(cell == m_LastDragOverCell)) {
        SetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col,
                     GetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col) & ~GVIS_DROPHILITED);
        RedrawCell(m_LastDragOverCell.row, m_LastDragOverCell.col);
    }
    m_LastDragOverCell = cell;
    if (IsValid(cell)) {
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GVIS_DROPHILITED);
        RedrawCell(cell.row, cell.col);
    }
}

DROPEFFECT CGridCtrl::TextDropEffect(const COleDataObject& data, DWORD dwKeyState, CPoint point)
{
    const CCellID cell = TextCellAt(point);
    if (!m_bAllowDragAndDrop || !data.IsDataAvailable(CF_UNICODETEXT) || !IsValid(cell) ||
        !IsCellEditable(cell.row, cell.col) || DropOverlapsTextSource(cell)) {
        SetDropHighlight(CCellID());
        return DROPEFFECT_NONE;
    }
    SetDropHighlight(cell);
    return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

DROPEFFECT CGridCtrl::OnDragEnter(const COleDataObject& data, DWORD dwKeyState, CPoint point)
{
    return OnDragOver(data, dwKeyState, point);
}

// A copy of an element would need its own count and place checks; Ctrl moves it as well.
DROPEFFECT CGridCtrl::OnDragOver(const COleDataObject& data, DWORD dwKeyState, CPoint point)
{
    if (m_bWidgetDrag) {
        if (!data.IsDataAvailable(GetWidgetDragFormat()))
            return DROPEFFECT_NONE;
        MoveDragOutline(point);
        return DROPEFFECT_MOVE;
    }
    return TextDropEffect(data, dwKeyState, point);
}

void CGridCtrl::OnDragLeave()
{
    SetDropHighlight(CCellID());
    EraseDragOutline();
}

BOOL CGridCtrl::DropWidgetAt(const COleDataObject& data, DROPEFFECT effect, CPoint point)
{
    if (!m_bWidgetDrag) {
        CString strText;
        const CCellID cell = TextCellAt(point);
        SetDropHighlight(CCellID());
        if (!m_bAllowDragAndDrop || !IsValid(cell) || !IsCellEditable(cell.row, cell.col) ||
            DropOverlapsTextSource(cell) || !data.GetText(strText))
            return FALSE;
        return PasteText(cell, strText, FALSE);
    }
    EraseDragOutline();
    std::vector<BYTE> record;
    if (effect == DROPEFFECT_NONE || !m_pSelectedWidget || !data.GetData(GetWidgetDragFormat(), record) ||
        record.size() < kWidgetRecordSize)
        return FALSE;
    const CCellID cell = TextCellAt(point);
    const WidgetSpan span{cell.row, cell.col, WidgetLineCount(m_pSelectedWidget->m_nKind), m_pSelectedWidget->m_nWidth};
    if (!IsValid(cell) || !CanPlaceWidget(*this, span, m_pSelectedWidget)) {
        RefuseDrop();
        return FALSE;
    }
    delete m_pDropCopy;
    m_pDropCopy = new CWidget;
    m_pSelectedWidget->CopyTo(m_pDropCopy);
    m_pDropCopy->m_nLine = span.nLine;
    m_pDropCopy->m_nColumn = span.nColumn;
    RefitWidgetRect(*this, *m_pDropCopy);
    ClearCellsUnder(*this, *m_pDropCopy);
    Invalidate();
    return TRUE;
}
