// CTabCtrl: a row of tabs. Items, their images and data, and the selected tab live in the
// object. A selection the program sets notifies nobody; the user's asks the parent first with
// TCN_SELCHANGING (a nonzero answer refuses it) and then reports TCN_SELCHANGE.
#pragma once

#include "platform/ui/ControlWnd.h"

#include <vector>

class CImageList;
class CToolTipCtrl;

constexpr DWORD TCS_BOTTOM = 0x0002;
constexpr DWORD TCS_MULTILINE = 0x0200;
constexpr DWORD TCS_TOOLTIPS = 0x4000;

constexpr UINT TCN_FIRST = UINT(-550);
constexpr UINT TCN_SELCHANGE = TCN_FIRST - 1;
constexpr UINT TCN_SELCHANGING = TCN_FIRST - 2;

constexpr UINT TCM_GETITEMCOUNT = 0x1304;
constexpr UINT TCM_GETCURSEL = 0x130B;
constexpr UINT TCM_SETCURSEL = 0x130C;

class CTabCtrl : public CControlWnd {
    DECLARE_DYNAMIC(CTabCtrl)

public:
    struct Item {
        CString strText;
        int nImage = -1;
        LPARAM lParam = 0;
        // Shown while the mouse rests on the tab, with TCS_TOOLTIPS; empty for none.
        CString strTip;
    };

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Returns the index of the new tab, -1 for an index past the end.
    LONG InsertItem(int nItem, LPCTSTR lpszItem, int nImage = -1);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    int GetItemCount() const { return int(m_items.size()); }
    const Item* GetItem(int nItem) const;
    BOOL SetItemText(int nItem, LPCTSTR lpszText);
    BOOL SetItemTip(int nItem, LPCTSTR lpszTip);
    int GetCurSel() const { return m_nCurSel; }
    // Returns the previous selection; -1 for a bad index (nothing changes).
    int SetCurSel(int nItem);
    // The tab headers are a row of this height at the top (TCS_BOTTOM: at the bottom).
    static constexpr int kHeaderHeight = 24;
    // bLarger FALSE: the display area inside a window rectangle; TRUE: the window rectangle
    // around a display area.
    void AdjustRect(BOOL bLarger, LPRECT lpRect) const;
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetImageList() const { return m_pImageList; }
    // The room around each tab's picture and title: cx at either side, cy above and below.
    // (-1, -1), the first value, leaves the look's own room.
    void SetPadding(CSize size);
    CSize GetPadding() const { return m_sizePadding; }
    void SetToolTips(CToolTipCtrl* pToolTip) { m_pToolTip = pToolTip; }
    CToolTipCtrl* GetToolTips() const { return m_pToolTip; }

    // The user clicked a tab in the native view.
    void UserSelect(int nItem);

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<Item> m_items;
    int m_nCurSel = -1;
    CImageList* m_pImageList = nullptr;
    CToolTipCtrl* m_pToolTip = nullptr;
    CSize m_sizePadding{-1, -1};
};
