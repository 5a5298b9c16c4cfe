#include "messagetext/WidgetPlacement.h"

#include "blocks/Widget.h"
#include "messagetext/LcdCanvas.h"
#include "controls/WidePairs.h"
#include "platform/core/MessageBox.h"

#include <algorithm>

namespace {

// Block numbers of function blocks start here; the message names the block by the rest.
constexpr int kFirstBlockNumber = 9000;

bool SpansOverlap(const WidgetSpan& a, const WidgetSpan& b)
{
    return a.nLine <= b.LastLine() && b.nLine <= a.LastLine() && a.nColumn <= b.LastColumn() &&
           b.nColumn <= a.LastColumn();
}

template <class TFn>
void ForEachWidget(const CLcdCanvas& grid, TFn fn)
{
    for (const CObArray& list : grid.m_arrWidgets) {
        for (INT_PTR i = 0; i < list.GetSize(); ++i) {
            if (const auto* pWidget = static_cast<const CWidget*>(list.GetAt(i)))
                fn(*pWidget);
        }
    }
}

// A cell's rectangle, also of a cell past the grid's last line or column: the LCD's cells are
// all of one size, so such a cell continues the last one. An element of a text longer than the
// grid shows (the simulation display shows 12 of 24 columns) so lies where the editor puts it,
// and the grid's window cuts it at its edge.
CRect CellRect(const CLcdCanvas& grid, int nRow, int nCol)
{
    const int nShownRow = std::min(nRow, grid.GetRowCount() - 1);
    const int nShownCol = std::min(nCol, grid.GetColumnCount() - 1);
    CRect rect;
    grid.GetCellRect(nShownRow, nShownCol, &rect);
    rect.OffsetRect((nCol - nShownCol) * grid.GetColumnWidth(nShownCol),
                    (nRow - nShownRow) * grid.GetRowHeight(nShownRow));
    return rect;
}

}  // namespace

WidgetSpan SpanOfWidget(const CWidget& widget)
{
    return WidgetSpan{widget.m_nLine, widget.m_nColumn, WidgetLineCount(widget.m_nKind), widget.m_nWidth};
}

CRect SpanRect(const CLcdCanvas& grid, const WidgetSpan& span)
{
    const CRect first = CellRect(grid, span.nLine, span.nColumn);
    const CRect last = CellRect(grid, span.LastLine(), span.LastColumn());
    // The grid's cell rectangles end on their last pixel; an element's ends past it.
    return CRect(first.left, first.top, last.right + 1, last.bottom + 1);
}

bool CanPlaceWidget(const CLcdCanvas& grid, const WidgetSpan& span, const CWidget* pIgnore)
{
    // The grid's own text cells: the header row and column are not part of the LCD.
    if (span.nWidth < 1 || span.nLine < grid.GetFixedRowCount() || span.LastLine() >= grid.GetRowCount() ||
        span.nColumn < grid.GetFixedColumnCount() || span.LastColumn() >= grid.GetColumnCount() ||
        span.LastLine() > LCD_LINE_COUNT)
        return false;
    bool bOverlap = false;
    ForEachWidget(grid, [&](const CWidget& widget) {
        if (&widget != pIgnore && SpansOverlap(span, SpanOfWidget(widget)))
            bOverlap = true;
    });
    if (bOverlap)
        return false;
    for (int nLine = span.nLine; nLine <= span.LastLine(); ++nLine) {
        if (WidePairs::IsFirst(grid, nLine, span.LastColumn()) || WidePairs::IsSecond(grid, nLine, span.nColumn))
            return false;
    }
    return true;
}

bool LinesHoldNoOtherWidget(const CLcdCanvas& grid, const WidgetSpan& span, const CWidget* pIgnore)
{
    for (int nLine = std::max(span.nLine, 1); nLine <= std::min(span.LastLine(), LCD_LINE_COUNT); ++nLine) {
        const CObArray& list = grid.m_arrWidgets[nLine - 1];
        for (INT_PTR i = 0; i < list.GetSize(); ++i) {
            if (list.GetAt(i) && list.GetAt(i) != pIgnore)
                return false;
        }
    }
    return true;
}

void ClearCellsUnder(CLcdCanvas& grid, const CWidget& widget)
{
    for (int nCol = widget.m_nColumn; nCol < widget.m_nColumn + widget.m_nWidth; ++nCol)
        WidePairs::Clear(grid, widget.m_nLine, nCol);
}

void PlaceWidget(CLcdCanvas& grid, CWidget* pWidget)
{
    ForEachWidget(grid, [](const CWidget& widget) { const_cast<CWidget&>(widget).m_bSelected = FALSE; });
    pWidget->m_bSelected = TRUE;
    RefitWidgetRect(grid, *pWidget);
    grid.m_arrWidgets[pWidget->m_nLine - 1].Add(pWidget);
    grid.m_pSelectedWidget = pWidget;
    ClearCellsUnder(grid, *pWidget);
    grid.Refresh();
}

int CountWidgetsOfKind(const CLcdCanvas& grid, int nKind)
{
    int nCount = 0;
    ForEachWidget(grid, [&](const CWidget& widget) { nCount += widget.m_nKind == nKind ? 1 : 0; });
    return nCount;
}

void RefitWidgetRect(const CLcdCanvas& grid, CWidget& widget)
{
    if (widget.m_nLine >= 1 && widget.m_nColumn >= 1 && widget.m_nWidth >= 1)
        widget.m_rect = SpanRect(grid, SpanOfWidget(widget));
}

void DeleteWidgetList(CObArray& list)
{
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        delete list.GetAt(i);
    list.RemoveAll();
}

void AppendWidgetCopies(const CObArray& src, CObArray& dst, bool (*pKeep)(const CWidget&))
{
    for (INT_PTR i = 0; i < src.GetSize(); ++i) {
        const auto* pWidget = static_cast<const CWidget*>(src.GetAt(i));
        if (!pWidget || (pKeep && !pKeep(*pWidget)))
            continue;
        auto* pCopy = new CWidget;
        pWidget->CopyTo(pCopy);
        pCopy->m_bSelected = FALSE;
        dst.Add(pCopy);
    }
}

void ShowPlacementRefusal(int nBlockNumber)
{
    CString strText;
    strText.Format(_T("Can't insert the selected Object at this position B%d [Message Texts]"),
                   nBlockNumber - kFirstBlockNumber);
    AfxMessageBox(strText, MB_ICONEXCLAMATION);
}

COLORREF WidgetKindColor(int nKind)
{
    switch (nKind) {
    case WIDGET_KIND_BARGRAPH:
    case WIDGET_KIND_SCOPE:
    case WIDGET_KIND_POINTER:
    case WIDGET_KIND_GRAPH: return RGB(128, 128, 255);
    case WIDGET_KIND_SCALETIME: return RGB(128, 192, 192);
    case WIDGET_KIND_IOSTATUSNAME: return RGB(192, 192, 192);
    default: return RGB(128, 128, 128);
    }
}
