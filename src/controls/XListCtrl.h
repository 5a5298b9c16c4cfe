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
//
// A combo cell shows a drop button at its right end; pressing it opens a drop-down list of the
// cell's strings under the cell (XComboList.h). Enter or a click there takes the selected text
// into the cell and sends WM_XLISTCTRL_COMBO_SELECTION (row, column); a navigation key shows the
// selected text while the list stays open; Escape, leaving the drop-down list or a click
// elsewhere in the list puts the earlier text back.
#pragma once

#include "controls/XComboList.h"
#include "controls/XHeaderCtrl.h"
#include "platform/ui/ListCtrl.h"

#include <memory>
#include <unordered_map>
#include <vector>

// Registered when the program starts; both carry (row, column).
extern const UINT WM_XLISTCTRL_CHECKBOX_CLICKED;
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
        BOOL bCombo = FALSE;
        std::vector<CString> comboStrings;
        int nComboListHeight = 10;  // rows the drop-down list shows
        int nInitialComboSel = 0;   // selected when the cell's text is none of the strings
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
    // The delay after a report of the drop-down list before the list acts on it.
    static constexpr UINT_PTR kComboTimer = 0x7C01;
    static constexpr UINT kComboDelay = 50;

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

    // Makes the cell a combo cell offering the strings (or, with bEnableCombo FALSE, a plain
    // cell again). FALSE out of range.
    BOOL SetComboBox(int nItem, int nSubItem, BOOL bEnableCombo, const std::vector<CString>& strings,
                     int nComboListHeight = 10, int nInitialComboSel = 0);
    CString GetComboText(int nItem, int nSubItem) const { return GetItemText(nItem, nSubItem); }
    // The open drop-down list, null when none is.
    CXComboList* GetComboList() const { return m_pListBox.get(); }
    // The drop button of a combo cell: a square as high as the row at the cell's right end.
    BOOL GetComboButtonRect(int nItem, int nSubItem, CRect& rect) const;

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
    void OnTimer(UINT_PTR nIDEvent) override;
    LRESULT OnComboReturn(WPARAM, LPARAM);
    LRESULT OnComboEscape(WPARAM, LPARAM);
    LRESULT OnComboKeyDown(WPARAM, LPARAM);
    LRESULT OnComboLButtonUp(WPARAM, LPARAM);

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
    // The cell's rectangle, column 0's ending where column 1 begins.
    CRect CellRect(int nItem, int nSubItem) const;
    void DrawComboButton(CDC& dc, const CRect& rectButton, BOOL bPressed) const;

    // The combo cell's drop-down list opens under it, the cell's text kept for an Escape.
    void OpenComboList(int nItem, int nSubItem);
    // Closes it; bRestore puts the earlier text back.
    void CloseComboList(BOOL bRestore);
    void SendToParent(UINT nMessage, int nItem, int nSubItem);
    // What the list does when the delay after the drop-down list's report ends.
    enum class ComboAction { None, Take, Restore, Show };
    LRESULT ScheduleComboAction(ComboAction action);

    CXHeaderCtrl m_HeaderCtrl;
    // The records of every row, by the row's item data.
    std::unordered_map<LPARAM, std::unique_ptr<CellRow>> m_records;

    BOOL m_bComboIsClicked = FALSE;
    int m_nComboItem = -1;
    int m_nComboSubItem = -1;
    std::unique_ptr<CXComboList> m_pListBox;
    CString m_strInitialString;
    ComboAction m_comboAction = ComboAction::None;
};
