// CXListCtrl: a report list that draws every cell itself, so that a cell can hold a check box,
// its own text and background colours, or grey text when disabled. Each row gets one cell
// record per column when it is inserted; the list keeps the records and finds a row's through
// its item data, so the rows may be inserted, deleted and reordered by any of the list's
// operations.
//
// A click on a check box toggles it and sends WM_XLISTCTRL_CHECKBOX_CLICKED (row, column) to
// the parent (else the owner); a row whose first cell is disabled ignores clicks altogether. A
// column whose header item has image 1 or 2 has a check box in its header (XHeaderCtrl.h) that
// shows whether every row's box in the column is checked, and that sets them all when clicked.
// An empty list says so under its header.
#pragma once

#include "controls/XHeaderCtrl.h"
#include "platform/ui/ListCtrl.h"

#include <memory>
#include <unordered_map>
#include <vector>

// Registered when the program starts; both carry (row, column).
extern const UINT WM_XLISTCTRL_CHECKBOX_CLICKED;
// Reserved for combo cells, which this list does not offer: nothing sends it yet.
extern const UINT WM_XLISTCTRL_COMBO_SELECTION;

class CXListCtrl : public CListCtrl {
    DECLARE_DYNAMIC(CXListCtrl)

public:
    // What a cell holds besides its text.
    struct XCell {
        BOOL bEnabled = TRUE;
        int nCheckedState = -1;  // -1 no check box, 0 unchecked, 1 checked
        COLORREF crText = 0;
        COLORREF crBackground = 0;
        CString strToolTip;
        // A progress cell shows a bar filled to its percent instead of its text, with its
        // message (the percent when it has none) on it.
        BOOL bProgress = FALSE;
        int nProgressPercent = 0;
        CString strProgressText;
        BOOL bShowProgressMessage = TRUE;
        DWORD dwItemData = 0;
    };
    static constexpr LPCTSTR kEmptyText = _T("There are no items to show in this view.");
    // The tip of a cell is cut to this many characters.
    static constexpr int kMaxToolTip = 80;

    CXListCtrl() = default;
    ~CXListCtrl() override;

    // Inserts the row with its cell records in the default colours; -1 when the row is negative
    // or the row cannot be inserted.
    int InsertItem(int nItem, LPCTSTR lpszItem);
    // Also sets the cell's colours.
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText, COLORREF crText,
                     COLORREF crBackground);
    using CListCtrl::SetItemText;

    // State -1, 0 or 1; FALSE out of range, for a row without records or another state. Keeps
    // the column's header check box in step.
    BOOL SetCheckbox(int nItem, int nSubItem, int nCheckedState);
    // -1 also out of range.
    int GetCheckbox(int nItem, int nSubItem) const;
    // Every cell of the row; a disabled row draws grey and ignores clicks.
    BOOL SetEnabled(int nItem, BOOL bEnable);
    BOOL GetEnabled(int nItem) const;
    BOOL SetItemToolTipText(int nItem, int nSubItem, LPCTSTR lpszToolTipText);
    CString GetItemToolTipText(int nItem, int nSubItem) const;
    // The data of the row's first cell (the list's own item data finds the records).
    BOOL SetItemData(int nItem, DWORD dwData);
    DWORD GetItemData(int nItem) const;
    // The cell under the point as a tool: its id column + row * 1000 + 1 and its tip; -1 where
    // there is no cell or the cell has no tip.
    int CellToolHitTest(CPoint point, CString& strTip) const;
    // The tip of the cell under the mouse.
    CString ToolTipTextAt(CPoint ptClient) const override;

    // Makes the cell a progress cell at 0 percent; FALSE for a cell that does not exist.
    BOOL SetProgress(int nItem, int nSubItem, BOOL bShowProgressText = TRUE, LPCTSTR lpszProgressText = nullptr);
    // The percent (held to 0..100) of a progress cell; FALSE for any other cell.
    BOOL UpdateProgress(int nItem, int nSubItem, int nPercent);
    // The cell shows its text again.
    void DeleteProgress(int nItem, int nSubItem);

    // Selects and focuses the row.
    BOOL SetCurSel(int nItem);
    // The first selected row, or -1.
    int GetCurSel() const;

    // The header once the list has taken it over (while the list's window exists).
    CXHeaderCtrl* GetXHeaderCtrl() { return m_HeaderCtrl.GetSafeHwnd() ? &m_HeaderCtrl : nullptr; }
    const XCell* GetCell(int nItem, int nSubItem) const;

protected:
    BOOL OnReflectNotify(NMHDR* pNMHDR, LRESULT* pResult) override;
    void CopyStateFrom(CWnd& other) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;

    DECLARE_MESSAGE_MAP()

private:
    using CellRow = std::vector<XCell>;

    CellRow* CellsOf(int nItem);
    const CellRow* CellsOf(int nItem) const;
    XCell* CellOf(int nItem, int nSubItem);
    void SubclassHeader();
    void UpdateHeaderCheckbox(int nSubItem);
    void OnHeaderCheckboxClicked(int nSubItem);
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW& cd);
    void DrawCell(CDC& dc, int nItem, int nSubItem, CRect rect);
    void DrawCheckbox(CDC& dc, const CRect& rectBox, BOOL bChecked) const;
    void DrawProgress(CDC& dc, const XCell& cell, const CRect& rect) const;
    void DrawEmptyText(CDC& dc);

    CXHeaderCtrl m_HeaderCtrl;
    // The records of every row, by the row's item data.
    std::unordered_map<LPARAM, std::unique_ptr<CellRow>> m_records;
};
