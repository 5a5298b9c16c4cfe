// How a message-text element draws itself on the LCD grid: in the detailed style (a coloured
// box with the block-type label, the block's reference and the parameter's text) or as the
// controller's LCD shows it (the value right-aligned, one character a cell, on the LCD's green).
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

class CDC;
class CVetlaDoc;
class CWidget;
struct CSimContext;

// pDoc is the document the host shows (for elements whose number has no block of its own),
// pSim the simulation the values come from (null outside one).
void DrawWidget(CWidget& widget, CDC& dc, CVetlaDoc* pDoc, const CSimContext* pSim, BOOL bDetails);
// DrawWidget and then the red selection frame.
void DrawWidgetSelected(CWidget& widget, CDC& dc, CVetlaDoc* pDoc, const CSimContext* pSim, BOOL bDetails);
void DrawWidgetSelectionFrame(const CWidget& widget, CDC& dc);
// The inverted outline of the element's size with its top-left corner at the point; drawn
// twice at the same point it is gone again.
void DrawWidgetDragOutline(const CWidget& widget, CDC& dc, CPoint topLeft);
// "AI" or "AM" in the type box of an analog input or flag.
void DrawAnalogLabel(const CWidget& widget, CDC& dc, const CRect& box);
// The reference that names the element's block or I/O point ("I001", "B12 - Counter", ...).
CString WidgetReference(const CWidget& widget);
