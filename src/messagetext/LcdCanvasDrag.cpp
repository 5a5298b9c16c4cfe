// Dragging elements on the LCD canvas: an element moves to where it is dropped when it may lie
// there. An element drag carries the 20-byte "Widget" record (8 reserved bytes, the grab offset
// from the element's top-left corner, its colour); only the canvas that started the drag takes
// it. Text drags are the grid's.
#include "messagetext/LcdCanvas.h"

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

// The older page takes one element a line, as its insert button does: the download has room
// for no second one.
bool HostRefusesSpan(const CLcdCanvas& grid, const WidgetSpan& span, const CWidget* pMoved)
{
    return grid.GetHostKind() == LcdGridHostKind::MessageTexts && !LinesHoldNoOtherWidget(grid, span, pMoved);
}

void RefuseDrop() { AfxMessageBox(_T("Can't insert the selected Object at this position"), MB_ICONEXCLAMATION); }

}  // namespace

UINT CLcdCanvas::GetWidgetDragFormat() { return RegisterClipboardFormat(_T("Widget")); }

void CLcdCanvas::OnBeginDrag(CPoint point)
{
    CWidget* pWidget = m_pSelectedWidget;
    if (!m_bAllowDragAndDrop || !pWidget || !pWidget->HitTest(point)) {
        CGridCtrl::OnBeginDrag(point);
        return;
    }
    m_bLMouseButtonDown = FALSE;
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

void CLcdCanvas::MoveDragOutline(CPoint point)
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

void CLcdCanvas::EraseDragOutline()
{
    if (m_rcDragOutline.IsRectEmpty())
        return;
    InvalidateRect(m_rcDragOutline, FALSE);
    m_rcDragOutline.SetRectEmpty();
}

void CLcdCanvas::DrawDragOutline(CDC* pDC) const
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

// A copy of an element would need its own count and place checks; Ctrl moves it as well.
DROPEFFECT CLcdCanvas::OnDragOver(const COleDataObject& data, DWORD dwKeyState, CPoint point)
{
    if (m_bWidgetDrag) {
        if (!data.IsDataAvailable(GetWidgetDragFormat()))
            return DROPEFFECT_NONE;
        MoveDragOutline(point);
        return DROPEFFECT_MOVE;
    }
    return CGridCtrl::OnDragOver(data, dwKeyState, point);
}

void CLcdCanvas::OnDragLeave()
{
    CGridCtrl::OnDragLeave();
    EraseDragOutline();
}

BOOL CLcdCanvas::OnDrop(const COleDataObject& data, DROPEFFECT effect, CPoint point)
{
    if (!m_bWidgetDrag)
        return CGridCtrl::OnDrop(data, effect, point);
    EraseDragOutline();
    std::vector<BYTE> record;
    if (effect == DROPEFFECT_NONE || !m_pSelectedWidget || !data.GetData(GetWidgetDragFormat(), record) ||
        record.size() < kWidgetRecordSize)
        return FALSE;
    const CCellID cell = TextCellAt(point);
    const WidgetSpan span{cell.row, cell.col, WidgetLineCount(m_pSelectedWidget->m_nKind), m_pSelectedWidget->m_nWidth};
    if (!IsValid(cell) || !CanPlaceWidget(*this, span, m_pSelectedWidget) ||
        HostRefusesSpan(*this, span, m_pSelectedWidget)) {
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
