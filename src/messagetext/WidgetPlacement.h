// Where a message-text element may lie on the LCD grid, in one place for every road that puts
// one there (the page's insert commands, a dropped element, a changed element's new width):
// inside the grid's own text columns and lines, over no other element of the four line lists,
// and neither ending on the left half nor starting on the right half of a double-width
// character.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/ObArray.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

class CLcdCanvas;
class CWidget;

// The cells an element covers: lines nLine.. and columns nColumn.., 1-based LCD positions.
struct WidgetSpan {
    int nLine = 1;
    int nColumn = 1;
    int nLines = 1;
    int nWidth = 1;

    int LastLine() const { return nLine + nLines - 1; }
    int LastColumn() const { return nColumn + nWidth - 1; }
};

// The span an element covers as it stands.
WidgetSpan SpanOfWidget(const CWidget& widget);
// The pixel rectangle of the span's cells in the grid's client area.
CRect SpanRect(const CLcdCanvas& grid, const WidgetSpan& span);
// Whether an element may lie on the span; pIgnore (the element being moved or changed) is not
// counted as an obstacle.
bool CanPlaceWidget(const CLcdCanvas& grid, const WidgetSpan& span, const CWidget* pIgnore = nullptr);
// The older message-text page shows one element a line: whether the lines of the span hold no
// element but pIgnore (the element being moved).
bool LinesHoldNoOtherWidget(const CLcdCanvas& grid, const WidgetSpan& span, const CWidget* pIgnore = nullptr);
// Appends a new element to the grid's list of its line and selects it; the text under its first
// line goes (a pair it cuts goes as a whole) and the grid repaints. The grid owns the element.
void PlaceWidget(CLcdCanvas& grid, CWidget* pWidget);
// Empties the cells of the element's first line.
void ClearCellsUnder(CLcdCanvas& grid, const CWidget& widget);
// Elements of a kind in the grid's shown lists.
int CountWidgetsOfKind(const CLcdCanvas& grid, int nKind);
// The element's rectangle fitted to the grid's cells.
void RefitWidgetRect(const CLcdCanvas& grid, CWidget& widget);
// Deletes every element of the list and empties it.
void DeleteWidgetList(CObArray& list);
// Copies of every element of the source list appended to the destination list, each
// unselected; null entries are left out. When pKeep is given only the elements it accepts go.
void AppendWidgetCopies(const CObArray& src, CObArray& dst, bool (*pKeep)(const CWidget&) = nullptr);

// The refusal of a placement, naming the message-text block being edited.
void ShowPlacementRefusal(int nBlockNumber);
// The colour of an element of a kind.
COLORREF WidgetKindColor(int nKind);
