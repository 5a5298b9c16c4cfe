// CGridCtrl: a grid window of cells with fixed header rows and columns, selection, scrolling,
// typing, the text clipboard and text drag-and-drop, sorting, sizing to the contents, a column
// order, title tips and a virtual mode in which the owner keeps the cells' data. A cell may be
// wide, taking the room of its right neighbour as well (WidePairs.h); keys, the mouse, the
// selection and painting treat the two as one cell. What the cells mean and what lies over them
// is the business of the classes built on it (the LCD canvas of the message texts, the I/O
// status table); they adjust typing, pasting, copying, pressing and drawing through the virtual
// functions below.
#pragma once

#include "controls/GridCell.h"
#include "controls/GridDropTarget.h"
#include "controls/GridTitleTip.h"
#include "controls/GridTypes.h"
#include "controls/WidePairs.h"

#include "platform/ui/NativeWindow.h"
#include "platform/ui/Wnd.h"

#include <memory>
#include <utility>
#include <vector>

class CImageList;
struct CPrintInfo;

// How sorting orders two cells of the sort column: below 0, 0 or above 0.
using PFNGRIDCOMPARE = int (*)(const CGridCellBase* pCell1, const CGridCellBase* pCell2, LPARAM lParam);

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
    // In virtual mode one shared cell, filled anew on every call from the data callback or,
    // without one, from the owner's answer to GVN_GETDISPINFO; it holds until the next call.
    CGridCellBase* GetCell(int nRow, int nCol) const;
    // A new cell of the grid's cell class for the place, with the default cell's format; none
    // when the class cannot make one.
    virtual std::unique_ptr<CGridCellBase> CreateCell(int nRow, int nCol);
    virtual void DestroyCell(int nRow, int nCol);
    // The class new cells are made of; FALSE, keeping the old one, for a class that is no cell
    // or cannot be created.
    BOOL SetDefaultCellType(CRuntimeClass* pRuntimeClass);
    // Replaces the cell by one of the class holding the old one's contents.
    BOOL SetCellType(int nRow, int nCol, CRuntimeClass* pRuntimeClass);
    // Puts the cell in place (the grid owns it from now on).
    BOOL SetCell(int nRow, int nCol, std::unique_ptr<CGridCellBase> pCell);
    BOOL IsValid(int nRow, int nCol) const;
    BOOL IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }
    void DeleteAllItems();

    // The item accessors change nothing in virtual mode, where the owner holds the data.
    // The fields the item's mask names.
    BOOL SetItem(const GV_ITEM& item);
    BOOL SetItemText(int nRow, int nCol, LPCTSTR pszText);
    // Empty outside the grid.
    CString GetItemText(int nRow, int nCol) const;
    // The cell's image in the image list (SetImageList); -1 for none.
    BOOL SetItemImage(int nRow, int nCol, int nImage);
    int GetItemImage(int nRow, int nCol) const;
    // The wide-cell bits are kept as they are: only WidePairs changes them.
    BOOL SetItemState(int nRow, int nCol, UINT nState);
    UINT GetItemState(int nRow, int nCol) const;
    BOOL SetItemBkColour(int nRow, int nCol, COLORREF cr);
    BOOL SetItemFgColour(int nRow, int nCol, COLORREF cr);
    // A font of the cell's own; null gives it the default cell's again.
    BOOL SetItemFont(int nRow, int nCol, const LOGFONT* pLogFont);
    BOOL IsItemEditing(int nRow, int nCol) const;
    CGridDefaultCell* GetDefaultCell(BOOL bFixedRow, BOOL bFixedCol) const;
    // The font every cell draws in, whatever font a dialog gives the grid's control; it takes
    // effect when the window is made (or now, when it is there).
    void SetCellFont(const LOGFONT& lf);

    // ---- virtual mode (GridCtrlVirtual.cpp) ----
    // The owner keeps the cells' data: the grid holds no cells and does not edit. Switching
    // empties the grid.
    void SetVirtualMode(BOOL bVirtual);
    BOOL GetVirtualMode() const { return m_bVirtualMode; }
    // Where virtual mode takes the texts from instead of asking the owner.
    void SetCallbackFunc(GRIDCALLBACK pCallback, LPARAM lParam);
    // Rows inserted (nDelta >= 1) or removed at nRow: the row order follows.
    virtual void UpdateRowOrder(int nRow, int nDelta);

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
    // From the range's first cell's origin to its last cell's far corner.
    BOOL GetCellRangeRect(const CCellRange& range, LPRECT pRect) const;
    CCellID GetCellFromPt(CPoint point, BOOL bAllowFixed = TRUE) const;
    // The point relative to the cell's origin; (0, 0) for a cell without one.
    CPoint GetPointClicked(int nRow, int nCol, CPoint point) const;
    CCellID GetTopleftNonFixedCell() const;
    CCellRange GetVisibleNonFixedCellRange(LPRECT pRect = nullptr) const;
    // The fixed columns' cells of the rows shown.
    CCellRange GetVisibleFixedCellRange(LPRECT pRect = nullptr) const;
    BOOL IsCellVisible(int nRow, int nCol) const;
    void EnsureVisible(int nRow, int nCol);
    void ResetScrollBars();
    // Shows or hides SB_HORZ, SB_VERT or SB_BOTH.
    void EnableScrollBars(int nBar, BOOL bEnable = TRUE);
    int GetScrollPos32(int nBar, BOOL bGetTrackPos = FALSE) const;
    BOOL SetScrollPos32(int nBar, int nPos, BOOL bRedraw = TRUE);
    // Invalidates the cells (one pixel more right and down, where the grid lines are).
    BOOL InvalidateCellRect(int nRow, int nCol);
    BOOL InvalidateCellRect(const CCellRange& range);
    // Rows scrolled per wheel notch: the desktop's setting when the grid was made.
    int GetWheelScrollLines() const { return m_nRowsPerWheelNotch; }

    // ---- sizing to the contents (GridCtrlAutoSize.cpp) ----
    // A column as wide as its widest cell, a row as high as its highest; FALSE outside.
    BOOL AutoSizeColumn(int nCol);
    BOOL AutoSizeRow(int nRow);
    // Every column as wide as its widest cell (Ctrl with the keypad's plus).
    virtual void AutoSizeColumns();
    void AutoSizeRows();
    // Every column and row to its contents.
    void AutoSize();
    // The client area's room left right of or below the cells, spread equally over the shown
    // non-fixed columns or rows (the first ones take a pixel more of what does not divide).
    void ExpandColumnsToFit();
    void ExpandRowsToFit();
    void ExpandToFit();

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
    // Widens an end cell so that the selection from the start cell cuts no wide cell.
    void ExtendSelectionOverWideChars(CCellID& endCell);

    // A cell's modified bit, or with no cell the grid's own flag (clearing that clears every
    // cell's bit too).
    void SetModified(BOOL bModified = TRUE, int nRow = -1, int nCol = -1);
    BOOL GetModified(int nRow = -1, int nCol = -1) const;

    // The page layout of a printed grid: header and footer, top and bottom in lines, left,
    // right and the gap in characters.
    struct PrintMargins {
        int nHeader = 2;
        int nFooter = 2;
        int nLeft = 4;
        int nRight = 4;
        int nTop = 1;
        int nBottom = 1;
        int nGap = 1;
    };
    // -1 keeps a value.
    void SetPrintMarginInfo(int nHeader, int nFooter, int nLeft, int nRight, int nTop, int nBottom, int nGap);
    const PrintMargins& GetPrintMarginInfo() const { return m_printMargins; }

    // ---- printing (GridCtrlPrint.cpp) ----
    // A print job's steps, as a view's print loop calls them. The job is laid out in logical
    // units close to the screen's: the grid's width and the margins across the paper, or, in
    // WYSIWYG mode, the paper as large as the screen shows it (3/4 of it), where columns that do
    // not fit go on further pages. Each page carries a header (the nearest titled ancestor
    // window and the application title), the column headings, its rows and a footer ("Page %d
    // of %d" and the date and time).
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // The fixed rows' cells of columns nStartColumn up to nStopColumn on one printed row, right
    // of rect; a left grid line before the first cell printed while bFirst holds.
    virtual void PrintFixedRowCells(int nStartColumn, int nStopColumn, int& nRow, CRect& rect, CDC* pDC,
                                    BOOL& bFirst);
    virtual void PrintColumnHeadings(CDC* pDC, CPrintInfo* pInfo);
    virtual void PrintHeader(CDC* pDC, CPrintInfo* pInfo);
    virtual void PrintFooter(CDC* pDC, CPrintInfo* pInfo);
    // Nothing here: room for a printed row header of a class built on the grid.
    virtual void PrintRowButtons(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}
    void SetWysiwygPrinting(BOOL bWysiwyg) { m_bWysiwygPrinting = bWysiwyg; }
    BOOL GetWysiwygPrinting() const { return m_bWysiwygPrinting; }
    // With shaded printing cells print in their own colours, else black on white.
    void SetShadedPrintOut(BOOL bShaded) { m_bShadedPrintOut = bShaded; }
    BOOL GetShadedPrintOut() const { return m_bShadedPrintOut; }
    // An image of the focus cell as the grid draws it, its background transparent, with the hot
    // spot at its top-left corner; null without a window or when the focus cell is not shown.
    virtual std::unique_ptr<CImageList> CreateDragImage(CPoint* pHotSpot);

    // ---- options ----
    // The images the cells show at their left (the grid does not own them); the previous list.
    CImageList* SetImageList(CImageList* pImageList) { return std::exchange(m_pImageList, pImageList); }
    const CImageList* GetImageList() const { return m_pImageList; }
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
    // With this on, Tab and Shift+Tab (without Ctrl) step through the cells instead of the
    // dialog's controls.
    void SetHandleTabKey(BOOL bHandle) { m_bHandleTabKey = bHandle; }
    BOOL GetHandleTabKey() const { return m_bHandleTabKey; }
    // With this on too, Tab (without Shift) leaves the grid for the next control of its dialog.
    void SetQuitFocusOnTab(BOOL bQuit) { m_bQuitFocusOnTab = bQuit; }
    BOOL GetQuitFocusOnTab() const { return m_bQuitFocusOnTab; }
    COLORREF GetGridLineColor() const { return m_crGridLineColour; }
    // Text drops, and the dragging of selected text, only with this on.
    BOOL m_bAllowDragAndDrop = FALSE;

    // ---- editing (GridCtrlEdit.cpp) ----
    // Typing reaches the focus cell here: refused on a cell the grid does not take the
    // character at (RefusesTypingAt), else the cell's Edit hands it to TypeIntoCell.
    virtual void OnEditCell(int nRow, int nCol, CPoint point, UINT nChar);
    // A typed character (1: an edit started by the mouse) written into the cell: it replaces
    // the cell's text (a wide cell's text only by a character of its kind) and the focus moves
    // right.
    virtual void TypeIntoCell(CGridCell& cell, int nRow, int nCol, UINT nChar);
    // Applies an edited text: TRUE when the cell now holds it, FALSE when the validation or the
    // owner refused it and the old text is back.
    virtual BOOL OnEndEditCell(int nRow, int nCol, CString str);
    virtual BOOL ValidateEdit(int nRow, int nCol, LPCTSTR pszText);
    virtual void EndEditing();
    // Empties every selected cell; a wide cell goes as a whole.
    void CutSelectedText();
    // The selected cells' texts, cells split by tabs and rows by CR LF.
    CString GetSelectionText() const;
    // Places a text from the cell on: a text with tabs (or of one character) field by field,
    // tabs and, after the first field, commas ending a field; any other one character a cell.
    // Rows follow its lines. FALSE when a field was refused (what was placed stays).
    BOOL PasteText(CCellID startCell, const CString& strText, BOOL bSelectPasted);

    // ---- the clipboard (GridCtrlClipboard.cpp) ----
    // The selection's text onto the clipboard; FALSE when there is none or the selection may
    // not be copied (MayCopySelection).
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

    // ---- drag-and-drop (GridCtrlDrag.cpp) ----
    // Moving the mouse with the button down on the selection: the selected text is dragged.
    virtual void OnBeginDrag(CPoint point);
    // Text copies with Ctrl and moves without.
    virtual DROPEFFECT OnDragEnter(const COleDataObject& data, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(const COleDataObject& data, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave();
    // The drop: text by the paste rules at the cell under the point; FALSE when refused.
    virtual BOOL OnDrop(const COleDataObject& data, DROPEFFECT effect, CPoint point);

    // ---- header clicks, sorting, row order (GridCtrlHeader.cpp) ----
    virtual void OnFixedRowClick(CCellID& cell);
    virtual void OnFixedColumnClick(CCellID& cell);
    // Sorting orders the non-fixed rows by one column's cells (in virtual mode the row order)
    // and clears the selection and the focus cell; equal cells keep their order.
    BOOL SortTextItems(int nCol, BOOL bAscending, LPARAM lParam = 0);
    // By the comparison set with SetCompareFunction (the texts' when none is).
    BOOL SortItems(int nCol, BOOL bAscending, LPARAM lParam = 0);
    BOOL SortItems(PFNGRIDCOMPARE pfnCompare, int nCol, BOOL bAscending, LPARAM lParam = 0);
    void SetCompareFunction(PFNGRIDCOMPARE pfnCompare) { m_pfnCompare = pfnCompare; }
    static int CompareCellsText(const CGridCellBase* pCell1, const CGridCellBase* pCell2, LPARAM lParam);
    // The texts read as decimal integers.
    static int CompareCellsNumeric(const CGridCellBase* pCell1, const CGridCellBase* pCell2, LPARAM lParam);
    // The cells' grid's comparison, the other way round.
    static int CompareCellsDescending(const CGridCellBase* pCell1, const CGridCellBase* pCell2,
                                      LPARAM lParam);
    // The column whose header shows the sort arrow; both headers are redrawn.
    void SetSortColumn(int nCol);
    int GetSortColumn() const { return m_nSortColumn; }
    BOOL GetSortAscending() const { return m_bAscending; }
    // The column order: which stored column each shown column is. Changing the column count
    // resets it.
    void ResetColumnOrder();
    const std::vector<int>& GetColumnOrder() const { return m_arColOrder; }
    // Moves a non-fixed column to the place of another (a header dragged onto another's).
    BOOL MoveColumn(int nFrom, int nTo);
    // Whether a header dragged onto another's moves its column there.
    void SetColumnReorder(BOOL bReorder) { m_bAllowColumnReorder = bReorder; }
    void ResetRowOrder();
    // Moves row-order entry nFrom to just after entry nTo.
    void Reorder(int nFrom, int nTo);
    const std::vector<int>& GetRowOrder() const { return m_arRowOrder; }

    // ---- drawing (GridCtrlPaint.cpp) ----
    virtual void DrawGrid(CDC* pDC);
    void RedrawCell(int nRow, int nCol, CDC* pDC = nullptr);
    void Refresh() { Invalidate(); }
    // The font a wide cell's text draws in over its two cells, nWidth wide: a fixed-pitch Arial
    // 20 pixels high and 16 wide.
    virtual LOGFONT WideCellFont(CDC& dc, const CString& strText, int nWidth, const LOGFONT& cellFont) const;
    // The font a cell's single character draws in, nWidth wide: the cell's own.
    virtual LOGFONT NarrowCellFont(CDC& /*dc*/, const CString& /*strChar*/, int /*nWidth*/, const LOGFONT& cellFont) const
    {
        return cellFont;
    }

    // WM_NOTIFY with the cell to the owner; its reply, 0 when there is no owner.
    LRESULT SendMessageToParent(int nRow, int nCol, int nMessage);

    // While a typed character is being written: the caret's move past it restarts the
    // selection even with Shift held for a capital.
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
        // Never entered: a press does not prepare an edit.
        MOUSE_PREPARE_EDIT = 10,
        MOUSE_PREPARE_DRAG = 11,
        MOUSE_DRAGGING = 12,
    };
    // Whether the header dividers resize rows and columns.
    void SetRowResize(BOOL bResize) { m_bAllowRowResize = bResize; }
    void SetColumnResize(BOOL bResize) { m_bAllowColumnResize = bResize; }
    // Title tips: with the mouse over a cell too narrow for its text, the whole text shows in a
    // tip over the cell, in the tip colours (CLR_DEFAULT: the cell's own). Off until switched on.
    void EnableTitleTips(BOOL bEnable = TRUE);
    void SetTitleTipBackClr(COLORREF clr = CLR_DEFAULT) { m_crTTipBackClr = clr; }
    void SetTitleTipTextClr(COLORREF clr = CLR_DEFAULT) { m_crTTipTextClr = clr; }
    const CGridTitleTip& GetTitleTip() const { return m_titleTip; }
    // Whether sizing a column or row down to nothing hides it (else it keeps a pixel).
    void SetResizeMayHide(BOOL bHide) { m_bResizeMayHide = bHide; }
    int GetMouseMode() const { return m_MouseMode; }
    // The timer that scrolls while a selection is dragged out of the window.
    static constexpr UINT_PTR kAutoScrollTimer = 513;
    static constexpr UINT kAutoScrollInterval = 50;

protected:
    // What the classes built on the grid decide. TRUE when the character may not be typed at
    // the cell (before the owner is asked).
    virtual BOOL RefusesTypingAt(int /*nRow*/, int /*nCol*/, UINT /*nChar*/) const { return FALSE; }
    // How many columns a pasted unit of the one-character-a-cell rule takes.
    virtual int PastedUnitColumns(const CString& /*strUnit*/) const { return 1; }
    // Writes one pasted field at the cell and widens the pasted range over it; FALSE when the
    // cell refused it, with bStop when the paste ends there without clearing the selection.
    virtual BOOL PlacePastedUnit(int nRow, int nCol, const CString& strUnit, CCellRange& pasted, bool& bStop);
    // Whether the selection's text may leave the grid (copy, cut, drag); a refusal tells the
    // user why.
    virtual BOOL MayCopySelection() { return TRUE; }
    // Whether a press without a move leaves the selection (something over the cells took it).
    virtual BOOL KeepsSelectionOnRelease() const { return FALSE; }
    // The pasted field's cell: no longer selected, and inside the pasted range up to nLastCol.
    void AddPastedCell(int nRow, int nCol, int nLastCol, CCellRange& pasted);
    // The text cell under a drop point; invalid on the header or outside the cells.
    CCellID TextCellAt(CPoint point) const;
    void SetDropHighlight(CCellID cell);
    void ClearCellStates(UINT nMask);

    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) override;
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
    void OnCaptureChanged(CWnd* pWnd) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnSysColorChange() override;
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;
    LRESULT OnImeChar(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

    int m_MouseMode = MOUSE_NOTHING;
    BOOL m_bLMouseButtonDown = FALSE;

private:
    friend BOOL WidePairs::Join(CGridCtrl&, int, int);
    friend void WidePairs::Break(CGridCtrl&, int, int);
    void SetWideBits(int nRow, int nCol, UINT nBits);

    // The cell the grid holds at the place: none outside the grid or in virtual mode.
    CGridCellBase* StoredCell(int nRow, int nCol) const;
    // The fixed bits of a place for the fixed counts.
    DWORD FixedBits(int nRow, int nCol) const;
    // Makes the place's cell and gives it the fixed bits.
    void PlaceNewCell(int nRow, int nCol);
    // A cell of virtual mode filled for the place: focus and fixed bits, the owner's text.
    // nDataRow is the owner's row (the row order's entry for a shown row).
    void FillVirtualCell(CGridCell& cell, int nRow, int nCol, int nDataRow) const;
    int DataRow(int nRow) const;
    void ApplyFixedBits(int nRow, int nCol);
    // Every cell takes the fixed bits of the current counts, and the grid shows them.
    void ReapplyFixedBits();
    void ApplyCellFont();
    void TypeCharacter(UINT nChar);
    // The keyboard's target column moving by nStep from nCol, skipping hidden columns; the
    // same column when there is none.
    int NextVisibleColumn(int nRow, int nCol, int nStep) const;
    int NextVisibleRow(int nRow, int nStep) const;
    void MoveFocusByKey(UINT nChar, CCellID next);
    // The selection starts afresh at the cell: the cell alone (both halves of a wide cell, the
    // row in list mode).
    void RestartSelectionAt(CCellID cell);
    void DrawGridLines(CDC* pDC, const CCellRange& visible, const CRect& visRect);
    void ResetScrollBarsNow();
    BOOL m_bResettingScrollBars = FALSE;

    std::vector<UINT> m_rowHeights;
    std::vector<UINT> m_colWidths;
    int m_nFixedRows = 0;
    int m_nFixedCols = 0;
    std::vector<std::vector<std::unique_ptr<CGridCellBase>>> m_rows;
    CRuntimeClass* m_pRtcDefault = RUNTIME_CLASS(CGridCell);
    BOOL m_bVirtualMode = FALSE;
    GRIDCALLBACK m_pfnCallback = nullptr;
    LPARAM m_lParamCallback = 0;
    mutable CGridCell m_virtualCell;
    std::unique_ptr<CGridDefaultCell> m_cellDefault;
    std::unique_ptr<CGridDefaultCell> m_cellFixedColDef;
    std::unique_ptr<CGridDefaultCell> m_cellFixedRowDef;
    std::unique_ptr<CGridDefaultCell> m_cellFixedRowColDef;
    LOGFONT m_lfCell{};
    std::unique_ptr<CFont> m_pGridFont;

    // The system colours the grid's defaults were taken from, so that a change of them can
    // tell which colours were the system's.
    struct SystemColours {
        COLORREF crWindowText;
        COLORREF crWindow;
        COLORREF cr3DFace;
        COLORREF cr3DShadow;
    };
    static SystemColours CurrentSystemColours();
    SystemColours m_sysColours = CurrentSystemColours();
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
    BOOL m_bHandleTabKey = FALSE;
    BOOL m_bQuitFocusOnTab = FALSE;
    BOOL m_bAscending = TRUE;
    int m_nSortColumn = -1;
    PFNGRIDCOMPARE m_pfnCompare = nullptr;
    BOOL m_bModified = FALSE;
    PrintMargins m_printMargins;
    BOOL m_bWysiwygPrinting = FALSE;
    BOOL m_bShadedPrintOut = TRUE;
    // The layout OnBeginPrinting takes for the job: logical units, and the average character
    // size of the printer font in them.
    struct PrintLayout {
        CSize sizeChar;
        CSize sizePaper;
        CSize sizeLogicalPage;
        int nPageHeight = 0;
        int nPageWidth = 0;
        int nPageMultiplier = 1;
        int nPages = 1;
        int nCurrPrintRow = 0;
        int nPrintColumn = 0;
    };
    PrintLayout m_print;
    std::unique_ptr<CFont> m_pPrinterFont;
    CImageList* m_pImageList = nullptr;
    // Prints the cell in rect with the grid lines below and right of it (above it too on row 0,
    // and left of it with bLeftLine).
    void PrintCellWithLines(CDC* pDC, int nRow, int nCol, const CRect& rect, BOOL bLeftLine);
    // The bold version of the printer font, for the header and the footer.
    LOGFONT PrinterBoldFont() const;
    int m_nRowsPerWheelNotch = int(AfxGetWheelScrollLines());

    // The divider mode for a point: over a column divider in the header row, over a row
    // divider in the header column, else nothing; the divided row or column in nIndex.
    int DividerModeAt(CPoint point, int& nIndex) const;
    void FinishResize(CPoint point);

    // The tracking line of a column or row being sized, drawn inverted over the grid.
    void DrawTrackingLine(CDC* pDC) const;
    void InvalidateTrackingLine();
    // The release: the notifications, in the order the owner expects them, and the click.
    void NotifyRelease();

    // Shows the title tip over the cell at the point when its text is cut, else hides it.
    void UpdateTitleTip(CPoint point);
    BOOL m_bTitleTips = FALSE;
    COLORREF m_crTTipBackClr = CLR_DEFAULT;
    COLORREF m_crTTipTextClr = CLR_DEFAULT;
    CGridTitleTip m_titleTip;

    BOOL m_bAllowRowResize = TRUE;
    BOOL m_bResizeMayHide = FALSE;
    CPoint m_LeftClickDownPoint;
    CPoint m_ptTracking;
    BOOL m_bAllowColumnResize = TRUE;
    int m_nResizeIndex = -1;
    CPoint m_LastMousePoint;
    CCellID m_LeftClickDownCell;
    CCellID m_SelectionStartCell;
    CCellID m_idCurrentCell;
    std::vector<CCellID> m_PrevSelection;
    std::vector<int> m_arRowOrder;
    std::vector<int> m_arColOrder;
    BOOL m_bAllowColumnReorder = FALSE;
    // The column whose header is pressed for a column drag; -1 when none.
    int m_CurCol = -1;

    // The cell under a text drag, and the cells a text drag of this grid came from while it runs.
    CCellID m_LastDragOverCell;
    CGridOleDropTarget m_dropTarget;
    CCellRange m_textDragSource;
    DROPEFFECT TextDropEffect(const COleDataObject& data, DWORD dwKeyState, CPoint point);
    // The selected cells' text dragged out (to another window or another place here); a
    // move clears the cells it came from.
    void BeginTextDrag();
    // Whether text from this grid's own drag dropped at the cell would cover cells it came from.
    bool DropOverlapsTextSource(CCellID cell) const;
};
