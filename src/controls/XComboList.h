// CXComboList: the drop-down list of a combo cell of the check-box list (XListCtrl.h), a
// borderless pop-up under the cell. The item under the mouse is selected as the mouse moves over
// it (looked at every 80 ms); Up, Down, Page Up, Page Down, Home, End and the letters (the next
// item starting with that letter) move the selection. While the strings do not all show, a
// scroll bar 11 pixels wide along the right edge scrolls them: its arrows by one, the track
// beside the thumb by a page, the thumb as it is dragged. The list it belongs to hears of Enter,
// Escape, a navigation key, a button release and a loss of the focus through four registered
// messages (all with 0, 0), and decides what follows; the drop-down list itself changes nothing
// in the cell.
#pragma once

#include "platform/ui/Wnd.h"

#include <algorithm>
#include <vector>

extern const UINT WM_XCOMBOLIST_VK_RETURN;
// Escape, and the focus leaving the drop-down list.
extern const UINT WM_XCOMBOLIST_VK_ESCAPE;
extern const UINT WM_XCOMBOLIST_KEYDOWN;
extern const UINT WM_XCOMBOLIST_LBUTTONUP;

class CXComboList : public CWnd {
    DECLARE_DYNAMIC(CXComboList)

public:
    static constexpr UINT_PTR kHoverTimer = 1;
    static constexpr UINT kHoverInterval = 80;
    static constexpr int kScrollBarWidth = 11;

    // pOwnerList hears of the keys and clicks.
    explicit CXComboList(CWnd* pOwnerList) : m_pOwnerList(pOwnerList) {}
    ~CXComboList() override;

    // Opens over rectScreen holding the strings, items nItemHeight high, nSel selected (none
    // when out of range), and takes the focus.
    BOOL Open(const CRect& rectScreen, const std::vector<CString>& strings, int nItemHeight, int nSel);

    int GetCurSel() const { return m_nSel; }
    // The selected item's text, empty when none is selected.
    CString GetSelectedText() const;
    int GetTopIndex() const { return m_nTop; }
    // The item at a client point; -1 where there is none.
    int ItemFromPoint(CPoint point) const;
    // The scroll bar's place in the client area, empty while every string shows.
    CRect ScrollBarRect() const;

protected:
    void OnPaint() override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnCaptureChanged(CWnd* pWnd) override;
    void OnKillFocus(CWnd* pNewWnd) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnDestroy() override;

    DECLARE_MESSAGE_MAP()

private:
    int RowsShown() const;
    int LastTop() const { return std::max(0, int(m_strings.size()) - RowsShown()); }
    CRect ThumbRect() const;
    void DrawScrollBar(CDC& dc) const;
    // A press on the scroll bar: an arrow, the track or the thumb.
    void PressScrollBar(CPoint point);
    // Selects the item and scrolls it into view.
    void Select(int nItem);
    void ScrollTo(int nTop);
    // The item after the selected one (wrapping round) whose text starts with the letter.
    int NextStartingWith(UINT nLetter) const;
    void Report(UINT nMessage);

    CWnd* m_pOwnerList;
    std::vector<CString> m_strings;
    int m_nItemHeight = 1;
    int m_nSel = -1;
    int m_nTop = 0;
    // Where the mouse was at the last look, in screen coordinates.
    CPoint m_ptLastCursor;
    // A press on the scroll bar runs until its release, which is no choice of an item.
    bool m_bScrollBarPressed = false;
    // While the thumb is dragged: where it was grasped, below its top; else -1.
    int m_nThumbGrip = -1;
};
