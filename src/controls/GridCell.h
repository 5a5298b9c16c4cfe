// The cells of the grid control. A wide cell takes two neighbouring cells of a row
// (CELLSTATE_WIDE_FIRST on the left one, which holds the text, CELLSTATE_WIDE_SECOND on the
// right one, which stays empty); its text is drawn over both.
#pragma once

#include "controls/GridTypes.h"

#include "platform/core/Geometry.h"
#include "platform/core/Object.h"
#include "platform/core/String.h"
#include "platform/gdi/GdiTypes.h"

#include <memory>

class CDC;
class CFont;
class CGridCtrl;
class CGridDefaultCell;

class CGridCellBase : public CObject {
    DECLARE_DYNAMIC(CGridCellBase)

public:
    virtual void SetText(LPCTSTR pszText) = 0;
    // The index of the cell's image in the grid's image list; -1 for none.
    virtual void SetImage(int nImage) = 0;
    virtual void SetData(LPARAM lParam) = 0;
    virtual void SetState(DWORD nState) { m_nState = nState; }
    virtual void SetFormat(DWORD nFormat) = 0;
    virtual void SetTextClr(COLORREF clr) = 0;
    virtual void SetBackClr(COLORREF clr) = 0;
    virtual void SetFont(const LOGFONT* pLogFont) = 0;
    virtual void SetMargin(UINT nMargin) = 0;
    virtual void SetGrid(CGridCtrl* pGrid) = 0;

    virtual CString GetText() const = 0;
    virtual int GetImage() const = 0;
    virtual LPARAM GetData() const = 0;
    virtual DWORD GetState() const { return m_nState; }
    virtual DWORD GetFormat() const = 0;
    virtual COLORREF GetTextClr() const = 0;
    virtual COLORREF GetBackClr() const = 0;
    virtual const LOGFONT* GetFont() const = 0;
    virtual UINT GetMargin() const = 0;
    virtual CGridCtrl* GetGrid() const = 0;
    // The grid's default cell of this cell's kind (fixed row, fixed column, both, ordinary).
    virtual const CGridDefaultCell* GetDefaultCell() const;

    bool IsFocused() const { return (GetState() & GVIS_FOCUSED) != 0; }
    bool IsSelected() const { return (GetState() & GVIS_SELECTED) != 0; }
    bool IsFixed() const { return (GetState() & GVIS_FIXED) != 0; }
    bool IsFixedRow() const { return (GetState() & GVIS_FIXEDROW) != 0; }
    bool IsFixedCol() const { return (GetState() & GVIS_FIXEDCOL) != 0; }
    bool IsDropHighlighted() const { return (GetState() & GVIS_DROPHILITED) != 0; }
    bool IsWideFirst() const { return (GetState() & CELLSTATE_WIDE_FIRST) != 0; }
    bool IsWideSecond() const { return (GetState() & CELLSTATE_WIDE_SECOND) != 0; }
    bool IsModified() const { return (GetState() & GVIS_MODIFIED) != 0; }
    virtual bool IsEditing() const = 0;
    // Whether the cell takes its font from the default cell.
    virtual bool IsDefaultFont() const = 0;

    // Takes over another cell's grid, text, data, state, format, colours, font (none when the
    // other uses the default font) and margin, each through this cell's setters.
    void Assign(const CGridCellBase& other);
    virtual void Reset() = 0;

    // Draws the cell in rect; FALSE when it cannot (no grid, no default cell, empty rect).
    virtual BOOL Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd = TRUE);
    // Prints the cell in rect: its background (with shaded printing, where the cell has a
    // colour of its own) and its text, in the cell's font and colours or black with shaded
    // printing off; a fixed cell with its raised edge. FALSE when it cannot.
    virtual BOOL PrintCell(CDC* pDC, int nRow, int nCol, CRect rect);
    // Where the text goes in the cell's rectangle: right of the cell's image, when the grid's
    // image list holds it.
    virtual void GetTextRect(CRect& rect) const;
    // The size the text takes in the cell's font with the margin on both sides; the default
    // cell's size for no text or no device context.
    CSize GetTextExtent(const CString& strText, CDC* pDC) const;
    // The size the cell's own text and image take: what sizing a column to its contents
    // measures.
    CSize GetCellExtent(CDC* pDC) const;
    // Typing reaches the cell here (character 1: an edit started by the mouse); the grid writes
    // the character (CGridCtrl::TypeIntoCell).
    virtual BOOL Edit(int nRow, int nCol, CRect rect, CPoint point, UINT nID, UINT nChar) = 0;
    virtual BOOL ValidateEdit(LPCTSTR) { return TRUE; }
    virtual void OnEndEdit() = 0;
    // The mouse over the cell while no button mode runs; nothing here.
    virtual void OnMouseOver() {}
    // A click released on the cell, the point relative to its origin; nothing here.
    virtual void OnClick(CPoint /*pointCellRelative*/) {}
    // The cursor over the cell: the arrow. TRUE when the cell set one.
    virtual BOOL OnSetCursor();

protected:
    DWORD m_nState = 0;

private:
    // The room the cell's image takes left of the text (with a pixel and the margin after
    // it); 0 without one.
    int ImageRoom() const;
};

class CGridCell : public CGridCellBase {
    DECLARE_DYNCREATE(CGridCell)

public:
    CGridCell();
    ~CGridCell() override;

    void SetText(LPCTSTR pszText) override { m_strText = pszText; }
    void SetImage(int nImage) override { m_nImage = nImage; }
    void SetData(LPARAM lParam) override { m_lParam = lParam; }
    void SetFormat(DWORD nFormat) override { m_nFormat = nFormat; }
    void SetTextClr(COLORREF clr) override { m_crFgClr = clr; }
    void SetBackClr(COLORREF clr) override { m_crBkClr = clr; }
    void SetFont(const LOGFONT* pLogFont) override;
    void SetMargin(UINT nMargin) override { m_nMargin = nMargin; }
    void SetGrid(CGridCtrl* pGrid) override { m_pGrid = pGrid; }

    CString GetText() const override { return m_strText; }
    int GetImage() const override { return m_nImage; }
    LPARAM GetData() const override { return m_lParam; }
    DWORD GetFormat() const override;
    COLORREF GetTextClr() const override;
    COLORREF GetBackClr() const override;
    const LOGFONT* GetFont() const override;
    UINT GetMargin() const override;
    CGridCtrl* GetGrid() const override { return m_pGrid; }
    bool IsEditing() const override { return m_bEditing; }
    bool IsDefaultFont() const override { return !m_pLogFont; }

    void Reset() override;
    BOOL Edit(int nRow, int nCol, CRect rect, CPoint point, UINT nID, UINT nChar) override;
    void OnEndEdit() override { m_bEditing = FALSE; }

protected:
    DWORD m_nFormat = DWORD(-1);

private:
    CString m_strText;
    int m_nImage = -1;
    LPARAM m_lParam = 0;
    COLORREF m_crFgClr = CLR_DEFAULT;
    COLORREF m_crBkClr = CLR_DEFAULT;
    std::unique_ptr<LOGFONT> m_pLogFont;
    UINT m_nMargin = UINT(-1);
    BOOL m_bEditing = FALSE;
    CGridCtrl* m_pGrid = nullptr;
};

// One per cell kind in every grid: the format, colours, font, margin and size that cells
// without their own take.
class CGridDefaultCell : public CGridCell {
    DECLARE_DYNCREATE(CGridDefaultCell)

public:
    CGridDefaultCell();

    // Default cells take no data and no state; they always read as read-only.
    void SetData(LPARAM) override {}
    void SetState(DWORD) override {}
    DWORD GetState() const override { return CGridCell::GetState() | GVIS_READONLY; }
    DWORD GetFormat() const override;
    COLORREF GetTextClr() const override;
    COLORREF GetBackClr() const override;
    const LOGFONT* GetFont() const override { return &m_logFont; }
    UINT GetMargin() const override { return m_nDefaultMargin; }
    const CGridDefaultCell* GetDefaultCell() const override { return this; }

    // Keeps the font and measures the default size from it: margin 2, the extent of a
    // 14-character text with the height times 1.5.
    void SetFont(const LOGFONT* pLogFont) override;
    void SetTextClr(COLORREF clr) override { m_crText = clr; }
    void SetBackClr(COLORREF clr) override { m_crBack = clr; }
    void SetMargin(UINT nMargin) override { m_nDefaultMargin = nMargin; }

    int GetWidth() const { return m_size.cx; }
    int GetHeight() const { return m_size.cy; }

private:
    LOGFONT m_logFont{};
    COLORREF m_crText = CLR_DEFAULT;
    COLORREF m_crBack = CLR_DEFAULT;
    UINT m_nDefaultMargin = 2;
    CSize m_size{30, 10};
};
