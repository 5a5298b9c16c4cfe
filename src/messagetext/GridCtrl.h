// CGridCtrl: a grid window of cells with fixed header rows and columns, selection, scrolling
// and typing, used as the LCD canvas of the message-text editor: every cell is one LCD
// character position, and the message-text elements of each LCD line lie over the cells.
// The two message-text pages, the simulation display, the I/O status name dialog and the
// online I/O status monitor host it; what differs between them the grid asks its owner
// through ILcdGridHost (LcdGridHost.h).
#pragma once

#include "messagetext/GridCell.h"
#include "messagetext/GridDropTarget.h"
#include "messagetext/GridTypes.h"
#include "messagetext/LcdGridHost.h"
#include "messagetext/WidePairs.h"

#include "platform/core/ObArray.h"
#include "platform/ui/Wnd.h"

#include <memory>
#include <vector>

class CInPlaceParamDlg;
class CWidget;

// LCD lines of a message text.
constexpr int LCD_LINE_COUNT = 4;

class CGridCtrl : public CWnd {
    DECLARE_DYNCREATE(CGridCtrl)

public:
    CGridCtrl(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);
    ~CGridCtrl() override;

    BOOL Create(const RECT& rect, CWnd* pParentWnd, UINT nID,
                DWORD dwStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | WS_VISIBLE);

    // ---- counts and cells (GridCtrl.cpp) ----
    int GetRowCount() const { return int(m_rowHeights.size()); }
    int GetColumnCount() const { return int(m_colWidths.size()); }
    int GetFixedRowCount() const { return m_nFixedRows; }
    int GetFixedColumnCount() const { return m_nFixedCols; }
    BOOL SetRowCount(int nRows);
    BOOL SetColumnCount(int nCols);
    BOOL SetFixedRowCount(int nFixedRows);
    BOOL SetFixedColumnCount(int nFixedCols);
    CGridCellBase* GetCell(int nRow, int nCol) const;
    BOOL IsValid(int nRow, int nCol) const;
    BOOL IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }
    void DeleteAllItems();

    BOOL SetItemText(int nRow, int nCol, LPCTSTR pszText);
    // Empty outside the grid.
    CString GetItemText(int nRow, int nCol) const;
    // The double-width bits are kept as they are: only WidePairs changes them.
    BOOL SetItemState(int nRow, int nCol, UINT nState);
    UINT GetItemState(int nRow, int nCol) const;
    BOOL SetItemBkColour(int nRow, int nCol, COLORREF cr);
    BOOL SetItemFgColour(int nRow, int nCol, COLORREF cr);
    CGridDefaultCell* GetDefaultCell(BOOL bFixedRow, BOOL bFixedCol) const;

    // ---- geometry (GridCtrlGeometry.cpp) ----
    // -1 outside the grid.
    int GetRowHeight(int nRow) const;
    int GetColumnWidth(int nCol) const;
    BOOL SetRowHeight(int nRow, int nHeight);
    BOOL SetColumnWidth(int nCol, int nWidth);
    int GetFixedRowHeight() const;
    int GetFixedColumnWidth() const;
    int GetVirtualHeight() const;
    int GetVirtualWidth() const;
    // FALSE for a non-fixed cell scrolled above or left of the view.
    BOOL GetCellOrigin(int nRow, int nCol, LPPOINT pPoint) const;
    BOOL GetCellRect(int nRow, int nCol, LPRECT pRect) const;
    CCellID GetCellFromPt(CPoint point, BOOL bAllowFixed = TRUE) const;
    CCellID GetTopleftNonFixedCell() const;
    CCellRange GetVisibleNonFixedCellRange(LPRECT pRect = nullptr) const;
    BOOL IsCellVisible(int nRow, int nCol) const;
    void EnsureVisible(int nRow, int nCol);
    void ResetScrollBars();
    // Rows scrolled per wheel notch.
    int GetWheelScrollLines() const { return m_nRowsPerWheelNotch; }

    // ---- selection and focus (GridCtrlSelection.cpp) ----
    CCellID GetFocusCell() const { return m_idCurrentCell; }
    CCellID SetFocusCell(CCellID cell);
    CCellID GetSelectionStart() const { return m_SelectionStartCell; }
    // The smallest range holding every selected cell; invalid when none is.
    CCellRange GetSelectedCellRange() const;
    void SetSelectedRange(const CCellRange& range, BOOL bForceRepaint = FALSE);
    void ResetSelectedRange();
    BOOL IsCellSelected(int nRow, int nCol) const;
    BOOL IsCellEditable(int nRow, int nCol) const;
    // Extends the selection from its start to the cell, by the mouse mode (cells, rows,
    // columns, all).
    void OnSelecting(const CCellID& currentCell);
    // Widens an end cell so that the selection from the start cell cuts no double-width
    // character.
    void ExtendSelectionOverWideChars(CCellID& endCell);

    // ---- options ----
    void SetGridLines(int nWhichLines) { m_nGridLines = nWhichLines; }
    int GetGridLines() const { return m_nGridLines; }
    void SetEditable(BOOL bEditable) { m_bEditable = bEditable; }
    BOOL IsEditable() const { return m_bEditable; }
    void SetListMode(BOOL bList) { m_bListMode = bList; }
    void SetFrameFocusCell(BOOL bFrame) { m_bFrameFocus = bFrame; }
    BOOL GetFrameFocusCell() const { return m_bFrameFocus; }
    void SetTrackFocusCell(BOOL bTrack) { m_bTrackFocusCell = bTrack; }
    BOOL GetTrackFocusCell() const { return m_bTrackFocusCell; }
    void SetHeaderSort(BOOL bSort) { m_bSortOnClick = bSort; }
    void SetFixedRowSelection(BOOL b) { m_bFixedRowSelection = b; }
    void SetFixedColumnSelection(BOOL b) { m_bFixedColumnSelection = b; }
    COLORREF GetGridLineColor() const { return m_crGridLineColour; }

    // ---- editing (GridCtrlEdit.cpp) ----
    // Typing reaches the focus cell here: refused on a cell that an element covers or that the
    // owner refuses, else the cell's Edit writes the character and moves on.
    virtual void OnEditCell(int nRow, int nCol, CPoint point, UINT nChar);
    // Applies an edited text: TRUE when the cell now holds it, FALSE when the validation or the
    // owner refused it and the old text is back.
    virtual BOOL OnEndEditCell(int nRow, int nCol, CString str);
    virtual BOOL ValidateEdit(int nRow, int nCol, LPCTSTR pszText);
    virtual void EndEditing();
    // The class of extended characters this grid takes (CHARCLASS_DOUBLE_WIDTH or
    // CHARCLASS_EXTENDED), or 0 when it takes none: only the newer message-text page on a
    // controller of the newer generation, by the class of the character set it shows.
    int GetAcceptedCharClass() const;
    // Empties every selected cell; a pair goes as a whole.
    void CutSelectedText();
    // The selected cells' texts, cells split by tabs and rows by CR LF.
    CString GetSelectionText() const;
    // Places a text from the cell on by the LCD's rules (one character a cell, or tab- and
    // comma-separated fields); FALSE when a character was refused (what was placed stays).
    BOOL PasteText(CCellID startCell, const CString& strText, BOOL bSelectPasted);
    // Whether an element covers the cell.
    BOOL IsCoveredByWidget(int nRow, int nCol) const;

    // ---- elements and the clipboard (GridCtrlWidgets.cpp) ----
    // Selects the element under the point (the last hit of lines 1 to 4), or none.
    void SelectWidgetAt(CPoint point);
    // Opens the settings dialog of the selected element (bar graph, scope, pointer, scale
    // time, I/O status name, graph) and applies what it changed where the element may lie.
    void EditSelectedWidget();
    // The selection's text onto the clipboard; FALSE, with the message, when an element is
    // selected and the selection shares a column with an element of its lines.
    BOOL CopySelectionToClipboard();
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    void OnEditSelectAll();
    // The Edit menu's states while the grid has the focus: Copy with a selection, Cut also
    // only when editable, Paste with an editable focus cell and text on the clipboard, Select
    // All when cells may be selected.
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    void OnUpdateEditCut(CCmdUI* pCmdUI);
    void OnUpdateEditPaste(CCmdUI* pCmdUI);
    void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
    // Every column as wide as its widest cell (Ctrl with the keypad's plus); the elements
    // follow their cells.
    void AutoSizeColumns();

    // ---- drag-and-drop (GridCtrlDrag.cpp) ----
    // Elements move by dragging and dropped text pastes only with this on (the message-text
    // pages switch it on).
    BOOL m_bAllowDragAndDrop = FALSE;
    // Drags the selected element under the point; the drop's copy replaces it when the drop
    // was accepted.
    void OnBeginDrag(CPoint point);
    // Element drags of this grid move whatever the keys say; text copies with Ctrl.
    DROPEFFECT OnDragEnter(const COleDataObject& data, DWORD dwKeyState, CPoint point);
    DROPEFFECT OnDragOver(const COleDataObject& data, DWORD dwKeyState, CPoint point);
    void OnDragLeave();
    // The drop: an element of this grid's own drag where it may lie, or text by the paste
    // rules; FALSE when refused.
    BOOL DropWidgetAt(const COleDataObject& data, DROPEFFECT effect, CPoint point);
    // The clipboard format of an element drag.
    static UINT GetWidgetDragFormat();
    // Where the dashed outline of a dragged element is drawn; empty when no drag shows one.
    const CRect& GetDragOutline() const { return m_rcDragOutline; }

    // ---- header clicks, sorting, row order (GridCtrlHeader.cpp) ----
    virtual void OnFixedRowClick(CCellID& cell);
    virtual void OnFixedColumnClick(CCellID& cell);
    BOOL SortTextItems(int nCol, BOOL bAscending);
    int GetSortColumn() const { return m_nSortColumn; }
    BOOL GetSortAscending() const { return m_bAscending; }
    void ResetRowOrder();
    // Moves row-order entry nFrom to just after entry nTo.
    void Reorder(int nFrom, int nTo);
    const std::vector<int>& GetRowOrder() const { return m_arRowOrder; }

    // ---- drawing (GridCtrlPaint.cpp) ----
    virtual void DrawGrid(CDC* pDC);
    void RedrawCell(int nRow, int nCol, CDC* pDC = nullptr);
    void Refresh() { Invalidate(); }

    // WM_NOTIFY with the cell to the owner; its reply, 0 when there is no owner.
    LRESULT SendMessageToParent(int nRow, int nCol, int nMessage);
    // The owner's side of the grid, null for a plain table.
    ILcdGridHost* GetHost() const;
    LcdGridHostKind GetHostKind() const;

    // ---- the LCD's elements: list k holds those of line k + 1; the grid owns them ----
    CWidget* m_pSelectedWidget = nullptr;
    CObArray m_arrWidgetsSet1[LCD_LINE_COUNT];
    CObArray m_arrWidgetsSet2[LCD_LINE_COUNT];
    CObArray m_arrWidgets[LCD_LINE_COUNT];
    BOOL m_bDisplayMode = FALSE;
    // The simulation display's in-place parameter popup over the selected element (GridCtrlPopup.cpp):
    // at most one; it deletes itself when its window goes.
    CInPlaceParamDlg* m_pParamPopup = nullptr;
    // Opens the popup over the selected element unless one is open; TRUE when one is open now.
    BOOL ShowObjectPopup();
    // Closes an open popup, writing its value first with bApply.
    void CloseObjectPopup(BOOL bApply);
    // A double click in the display: the popup when the selected element's parameter may be
    // changed in place.
    void OpenParamPopupOnSelected();
    // A typed character started a cell edit: the next cursor move restarts the selection.
    BOOL m_bCharTyped = FALSE;

    // Mouse modes.
    enum MouseMode {
        MOUSE_NOTHING = 0,
        MOUSE_SELECT_ALL = 1,
        MOUSE_SELECT_COL = 2,
        MOUSE_SELECT_ROW = 3,
        MOUSE_SELECT_CELLS = 4,
        MOUSE_OVER_ROW_DIVIDE = 6,
        MOUSE_SIZING_ROW = 7,
        MOUSE_OVER_COL_DIVIDE = 8,
        MOUSE_SIZING_COL = 9,
        MOUSE_PREPARE_DRAG = 10,
        MOUSE_DRAGGING = 11,
    };
    // Whether the header dividers resize rows and columns.
    void SetRowResize(BOOL bResize) { m_bAllowRowResize = bResize; }
    void SetColumnResize(BOOL bResize) { m_bAllowColumnResize = bResize; }
    int GetMouseMode() const { return m_MouseMode; }
    // The timer that scrolls while a selection is dragged out of the window.
    static constexpr UINT_PTR kAutoScrollTimer = 513;
    static constexpr UINT kAutoScrollInterval = 50;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) override;
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
    void OnCaptureChanged(CWnd* pWnd) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;
    LRESULT OnImeChar(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    friend BOOL WidePairs::Join(CGridCtrl&, int, int);
    friend void WidePairs::Break(CGridCtrl&, int, int);
    void SetWideBits(int nRow, int nCol, UINT nBits);

    std::unique_ptr<CGridCellBase> CreateCell();
    void ApplyFixedBits(int nRow, int nCol);
    // Every cell takes the fixed bits of the current counts, and the grid shows them.
    void ReapplyFixedBits();
    void ClearCellStates(UINT nMask);
    void DeleteWidgets();
    void TypeCharacter(UINT nChar);
    // The keyboard's target column moving by nStep from nCol, skipping hidden columns; the
    // same column when there is none.
    int NextVisibleColumn(int nRow, int nCol, int nStep) const;
    int NextVisibleRow(int nRow, int nStep) const;
    void MoveFocusByKey(UINT nChar, CCellID next);
    BOOL DeleteSelectedWidgets();
    // The edited element's new settings from its dialog; FALSE when it was cancelled.
    BOOL EditBarGraph(CWidget& widget);
    BOOL EditScaleTime(CWidget& widget);
    BOOL EditIoStatusName(CWidget& widget);
    BOOL EditGraph(CWidget& widget);
    BOOL SelectionTouchesWidget() const;
    BOOL PlacePastedUnit(int nRow, int nCol, const CString& strUnit, CCellRange& pasted,
                         bool& bStop);
    void DrawWidgets(CDC* pDC);
    void DrawGridLines(CDC* pDC, const CCellRange& visible, const CRect& visRect);
    int ScrollPos(int nBar) const;
    void ResetScrollBarsNow();
    BOOL m_bResettingScrollBars = FALSE;

    std::vector<UINT> m_rowHeights;
    std::vector<UINT> m_colWidths;
    int m_nFixedRows = 0;
    int m_nFixedCols = 0;
    std::vector<std::vector<std::unique_ptr<CGridCellBase>>> m_rows;
    std::unique_ptr<CGridDefaultCell> m_cellDefault;
    std::unique_ptr<CGridDefaultCell> m_cellFixedColDef;
    std::unique_ptr<CGridDefaultCell> m_cellFixedRowDef;
    std::unique_ptr<CGridDefaultCell> m_cellFixedRowColDef;
    std::unique_ptr<CFont> m_pGridFont;

    COLORREF m_crGridBkColour;
    COLORREF m_crGridLineColour = RGB(192, 192, 192);
    int m_nGridLines = GVL_BOTH;
    BOOL m_bEditable = TRUE;
    BOOL m_bListMode = FALSE;
    BOOL m_bFrameFocus = TRUE;
    BOOL m_bTrackFocusCell = TRUE;
    BOOL m_bSortOnClick = FALSE;
    BOOL m_bFixedRowSelection = TRUE;
    BOOL m_bFixedColumnSelection = TRUE;
    BOOL m_bAscending = TRUE;
    int m_nSortColumn = -1;
    int m_nRowsPerWheelNotch = 3;

    // The divider mode for a point: over a column divider in the header row, over a row
    // divider in the header column, else nothing; the divided row or column in nIndex.
    int DividerModeAt(CPoint point, int& nIndex) const;
    void FinishResize(CPoint point);

    int m_MouseMode = MOUSE_NOTHING;
    BOOL m_bAllowRowResize = TRUE;
    BOOL m_bAllowColumnResize = TRUE;
    int m_nResizeIndex = -1;
    BOOL m_bLMouseButtonDown = FALSE;
    CPoint m_LastMousePoint;
    CCellID m_LeftClickDownCell;
    CCellID m_SelectionStartCell;
    CCellID m_idCurrentCell;
    std::vector<CCellID> m_PrevSelection;
    std::vector<int> m_arRowOrder;

    // The running drag: an element of this grid, its accepted copy, the cell under text.
    BOOL m_bWidgetDrag = FALSE;
    CWidget* m_pDropCopy = nullptr;
    CCellID m_LastDragOverCell;
    CGridOleDropTarget m_dropTarget;
    // The dashed outline of the dragged element where it would land (empty when none), and
    // its colour.
    CRect m_rcDragOutline;
    COLORREF m_crDragOutline = 0;
    // The cells a text drag of this grid came from, while it runs.
    CCellRange m_textDragSource;
    // The text cell under a drop point; invalid on the header or outside the cells.
    CCellID TextCellAt(CPoint point) const;
    void SetDropHighlight(CCellID cell);
    DROPEFFECT TextDropEffect(const COleDataObject& data, DWORD dwKeyState, CPoint point);
    // The selected cells' text dragged out (to another window or another place here); a
    // move clears the cells it came from.
    void BeginTextDrag();
    // Whether text from this grid's own drag dropped at the cell would cover cells it came from.
    bool DropOverlapsTextSource(CCellID cell) const;
    // The outline follows the mouse: the element's lines and width from the cell under the
    // point, kept within the last column.
    void MoveDragOutline(CPoint point);
    void EraseDragOutline();
    void DrawDragOutline(CDC* pDC) const;
};
