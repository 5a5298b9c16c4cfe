// CLcdCanvas: the LCD canvas of the message-text editor, a grid (controls/GridCtrl.h) in which
// every cell is one LCD character position and the message-text elements of each LCD line lie
// over the cells. It takes the LCD's characters (double-width ones as wide cells, extended ones
// only where the controller and the shown character set take them), keeps text from under the
// elements, and selects, drags, edits and draws the elements. The two message-text pages, the
// simulation display and the I/O status name dialog host it; what differs between them the
// canvas asks its owner through ILcdGridHost (LcdGridHost.h).
#pragma once

#include "controls/GridCtrl.h"
#include "messagetext/LcdGridHost.h"

#include "platform/core/ObArray.h"

class CInPlaceParamDlg;
class CWidget;
struct InPlaceEntry;

// LCD lines of a message text.
constexpr int LCD_LINE_COUNT = 4;

class CLcdCanvas : public CGridCtrl {
    DECLARE_DYNCREATE(CLcdCanvas)

public:
    CLcdCanvas(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);
    ~CLcdCanvas() override;

    // The owner's side of the canvas, null for a plain table.
    ILcdGridHost* GetHost() const;
    LcdGridHostKind GetHostKind() const;

    // ---- typing and pasting by the LCD's rules (LcdCanvasEdit.cpp) ----
    // The class of extended characters this canvas takes (CHARCLASS_DOUBLE_WIDTH or
    // CHARCLASS_EXTENDED), or 0 when it takes none: only the newer message-text page on a
    // controller of the newer generation, by the class of the character set it shows.
    int GetAcceptedCharClass() const;
    // Whether an element covers the cell.
    BOOL IsCoveredByWidget(int nRow, int nCol) const;
    // Whether an element covers one of the nColumns cells a character would take from the cell
    // on (the header row is never covered).
    BOOL IsCoveredFor(int nRow, int nCol, int nColumns) const;
    void TypeIntoCell(CGridCell& cell, int nRow, int nCol, UINT nChar) override;

    // ---- elements and the clipboard (LcdCanvasWidgets.cpp) ----
    // Selects the element under the point (the last hit of lines 1 to 4), or none.
    void SelectWidgetAt(CPoint point);
    // Opens the settings dialog of the selected element (bar graph, scope, pointer, scale
    // time, I/O status name, graph) and applies what it changed where the element may lie.
    void EditSelectedWidget();
    // The columns sized to their cells, and the elements following their cells.
    void AutoSizeColumns() override;

    // ---- dragging elements (LcdCanvasDrag.cpp) ----
    // Elements move by dragging only with m_bAllowDragAndDrop on (the message-text pages
    // switch it on). Drags the selected element under the point; the drop's copy replaces it
    // when the drop was accepted; elsewhere the selected text is dragged.
    void OnBeginDrag(CPoint point) override;
    // Element drags of this canvas move whatever the keys say; text copies with Ctrl.
    DROPEFFECT OnDragOver(const COleDataObject& data, DWORD dwKeyState, CPoint point) override;
    void OnDragLeave() override;
    // The drop: an element of this canvas's own drag where it may lie, or text by the paste
    // rules; FALSE when refused.
    BOOL OnDrop(const COleDataObject& data, DROPEFFECT effect, CPoint point) override;
    // The clipboard format of an element drag.
    static UINT GetWidgetDragFormat();
    // Where the dashed outline of a dragged element is drawn; empty when no drag shows one.
    const CRect& GetDragOutline() const { return m_rcDragOutline; }

    // ---- drawing (LcdCanvas.cpp) ----
    // The cells, then the elements, then a dragged element's outline.
    void DrawGrid(CDC* pDC) override;
    // A double-width character's glyph fitted to its two cells.
    LOGFONT WideCellFont(CDC& dc, const CString& strText, int nWidth, const LOGFONT& cellFont) const override;
    // A character's glyph narrowed to its cell when the font (or the fallback font that has
    // the character) draws it wider, so that it never gives way to an ellipsis.
    LOGFONT NarrowCellFont(CDC& dc, const CString& strChar, int nWidth, const LOGFONT& cellFont) const override;

    // ---- the LCD's elements: list k holds those of line k + 1; the canvas owns them ----
    CWidget* m_pSelectedWidget = nullptr;
    CObArray m_arrWidgetsSet1[LCD_LINE_COUNT];
    CObArray m_arrWidgetsSet2[LCD_LINE_COUNT];
    CObArray m_arrWidgets[LCD_LINE_COUNT];
    BOOL m_bDisplayMode = FALSE;
    // The simulation display's in-place parameter popup over the selected element
    // (LcdCanvasPopup.cpp): at most one; it deletes itself when its window goes.
    CInPlaceParamDlg* m_pParamPopup = nullptr;
    // Opens the popup over the selected element unless one is open; TRUE when one is open now.
    BOOL ShowObjectPopup();
    // Closes an open popup; with bApply its value is then checked and written into its block.
    // A refused value is told last, in a box whose message loop the scans go on under.
    void CloseObjectPopup(BOOL bApply);
    // A double click in the display: the popup when the selected element's parameter may be
    // changed in place.
    void OpenParamPopupOnSelected();

protected:
    // No typing onto an element: neither of the cells a double-width character takes, nor the
    // one cell any other character takes.
    BOOL RefusesTypingAt(int nRow, int nCol, UINT nChar) const override;
    // A double-width character takes two columns.
    int PastedUnitColumns(const CString& strUnit) const override;
    // A field goes where typing its first character would: not under an element, not over half
    // of a pair, extended characters by the accepted class, double-width ones as pairs.
    BOOL PlacePastedUnit(int nRow, int nCol, const CString& strUnit, CCellRange& pasted, bool& bStop) override;
    // Not while a selected element shares a column with the selection: the user is told.
    BOOL MayCopySelection() override;
    // A press on an element keeps the cells' selection.
    BOOL KeepsSelectionOnRelease() const override { return m_pSelectedWidget != nullptr; }

    // Delete removes the selected elements (not in the simulation display) before the cells'
    // text.
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // A press selects the element under the mouse; on an element it may start dragging it.
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;

    DECLARE_MESSAGE_MAP()

private:
    // A box of the canvas, its host told while the box's loop runs.
    int ShowBox(LPCTSTR pszText, UINT nType);
    // The closed popup's value into its block, the host told of a write, a refusal shown.
    void WriteEntry(const InPlaceEntry& entry);
    void DeleteWidgets();
    BOOL DeleteSelectedWidgets();
    // The edited element's new settings from its dialog; FALSE when it was cancelled.
    BOOL EditBarGraph(CWidget& widget);
    BOOL EditScaleTime(CWidget& widget);
    BOOL EditIoStatusName(CWidget& widget);
    BOOL EditGraph(CWidget& widget);
    // Whether the edited element still fits over nWidth columns from its first; a refusal shown.
    BOOL FitsAfterEdit(const CWidget& widget, int nWidth);
    BOOL SelectionTouchesWidget() const;
    // A character of the extended sets: refused unless the host's character set takes it.
    void TypeExtended(CGridCell& cell, int nRow, int nCol, UINT nChar);
    void DrawWidgets(CDC* pDC);

    // The running element drag: an element of this canvas, its accepted copy.
    BOOL m_bWidgetDrag = FALSE;
    CWidget* m_pDropCopy = nullptr;
    // The dashed outline of the dragged element where it would land (empty when none), and
    // its colour.
    CRect m_rcDragOutline;
    COLORREF m_crDragOutline = 0;
    // The outline follows the mouse: the element's lines and width from the cell under the
    // point, kept within the last column.
    void MoveDragOutline(CPoint point);
    void EraseDragOutline();
    void DrawDragOutline(CDC* pDC) const;
};
