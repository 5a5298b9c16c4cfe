// CWidget: one live element of an LCD message text: a block parameter or value, an I/O state
// name, a time field, a bar graph, a scope, a pointer or a graph. The element names its block
// by number; the block pointer is a cache resolved through the document when it is loaded.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/Object.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

class CArchive;
class CBlockObj;
class IBlockDocument;

// Kinds below zero (m_nKind); 0 and above index the block's parameter list.
constexpr int WIDGET_KIND_BARGRAPH = -99;
constexpr int WIDGET_KIND_SCALETIME = -100;
constexpr int WIDGET_KIND_IOSTATUSNAME = -101;
constexpr int WIDGET_KIND_SCOPE = -102;
constexpr int WIDGET_KIND_POINTER = -103;
constexpr int WIDGET_KIND_GRAPH = -104;

// The LCD that elements lie on: 4 lines of at most 24 columns.
constexpr int WIDGET_LCD_LINES = 4;
constexpr int WIDGET_LCD_COLUMNS = 24;

// One of the kinds above or a parameter-list index.
bool IsKnownWidgetKind(int nKind);
// LCD lines an element of the kind covers: a graph 4, a scope or pointer 3, others 1.
int WidgetLineCount(int nKind);

// The I/O status name grid: row 0 and column 0 stand for the dialog's header cells.
constexpr int WIDGET_NAME_ROWS = 3;
constexpr int WIDGET_NAME_COLUMNS = 9;

class CWidget : public CObject {
    DECLARE_SERIAL(CWidget)

public:
    // An empty element: not placed, no block, default name cells.
    CWidget();
    // An element being placed: its pixel rectangle and the colour of its kind; the placing
    // page fills in the rest.
    CWidget(int nLeft, int nTop, int nWidth, int nHeight, COLORREF crColor);

    // The element record. A load takes the document from the archive, fits a parameter
    // element to its table width on the older controllers and, for a schema-1 record, reads
    // the name cells and the settings. The block stays unresolved until ResolveBlock.
    void Serialize(CArchive& ar) override;
    // Finds the element's block by number in its document; a load calls it once the
    // document's lists are read and checked.
    void ResolveBlock();
    // Every field but the document pointer; nothing for a null destination.
    void CopyTo(CWidget* pDst) const;

    CRect GetRect() const { return m_rect; }
    COLORREF GetColor() const { return m_crColor; }
    // Left and top edges inclusive, right and bottom exclusive.
    BOOL HitTest(CPoint point) const;

    CString m_strNames[WIDGET_NAME_ROWS][WIDGET_NAME_COLUMNS];
    CRect m_rect;
    COLORREF m_crColor = 0;
    int m_nLine = -1;
    int m_nColumn = -1;
    CBlockObj* m_pBlock = nullptr;
    int m_nBlockNumber = -1;
    int m_nParamId = -1;
    CString m_strCaption;
    int m_nKind = -1;
    int m_nWidth = 0;
    IBlockDocument* m_pDoc = nullptr;
    BOOL m_bSelected = FALSE;
    int m_nValueIndex = 0;
    int m_nMinValue = 0;
    int m_nMaxValue = 0;
    int m_nOption = 0;

    // Line, column, width and kind name a place on the LCD, or an element not placed yet.
    bool IsPlausiblePlacement() const;

private:
    void InitNames();
    void FitToOldModelWidth();
};
