// CListCtrl: the list view in report mode. Columns live in the header control (a child window
// along the top of the list), rows with their subitem texts, image, data and states in the
// list. The list paints itself row by row below the header, offering each stage of the
// drawing to its owner through NM_CUSTOMDRAW (per item and per subitem when asked), so an owner
// can change colours or draw a cell itself. Clicks and keys select as the classic control does
// and report NM_CLICK, NM_DBLCLK, NM_RCLICK and LVN_ITEMCHANGED (for program changes too); a
// click on a column caption reports LVN_COLUMNCLICK.
//
// Every notification first passes OnReflectNotify, so that a derived list can handle its own
// notifications (what message reflection gives a control on the classic system).
#pragma once

#include "platform/core/Position.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/ui/ControlWnd.h"
#include "platform/ui/HeaderCtrl.h"

#include <cstdint>
#include <vector>

class CImageList;

using DWORD_PTR = std::uintptr_t;

constexpr DWORD LVS_ICON = 0x0000;
constexpr DWORD LVS_REPORT = 0x0001;
constexpr DWORD LVS_SMALLICON = 0x0002;
constexpr DWORD LVS_LIST = 0x0003;
constexpr DWORD LVS_TYPEMASK = 0x0003;
constexpr DWORD LVS_SINGLESEL = 0x0004;
constexpr DWORD LVS_SHOWSELALWAYS = 0x0008;
constexpr DWORD LVS_NOCOLUMNHEADER = 0x4000;
constexpr DWORD LVS_NOSORTHEADER = 0x8000;

constexpr DWORD LVS_EX_GRIDLINES = 0x0001;
constexpr DWORD LVS_EX_CHECKBOXES = 0x0004;
constexpr DWORD LVS_EX_TRACKSELECT = 0x0008;
constexpr DWORD LVS_EX_FULLROWSELECT = 0x0020;
constexpr DWORD LVS_EX_INFOTIP = 0x0400;

constexpr UINT LVIF_TEXT = 0x0001;
constexpr UINT LVIF_IMAGE = 0x0002;
constexpr UINT LVIF_PARAM = 0x0004;
constexpr UINT LVIF_STATE = 0x0008;

constexpr UINT LVIS_FOCUSED = 0x0001;
constexpr UINT LVIS_SELECTED = 0x0002;

constexpr int LVNI_ALL = 0x0000;
constexpr int LVNI_FOCUSED = 0x0001;
constexpr int LVNI_SELECTED = 0x0002;
constexpr int LVNI_ABOVE = 0x0100;
constexpr int LVNI_BELOW = 0x0200;

constexpr UINT LVCF_FMT = 0x0001;
constexpr UINT LVCF_WIDTH = 0x0002;
constexpr UINT LVCF_TEXT = 0x0004;
constexpr UINT LVCF_SUBITEM = 0x0008;
constexpr UINT LVCF_IMAGE = 0x0010;
constexpr UINT LVCF_ORDER = 0x0020;

constexpr int LVCFMT_LEFT = 0x0000;
constexpr int LVCFMT_RIGHT = 0x0001;
constexpr int LVCFMT_CENTER = 0x0002;
constexpr int LVCFMT_JUSTIFYMASK = 0x0003;
constexpr int LVCFMT_IMAGE = 0x0800;

constexpr int LVSCW_AUTOSIZE = -1;
constexpr int LVSCW_AUTOSIZE_USEHEADER = -2;

constexpr int LVSIL_NORMAL = 0;
constexpr int LVSIL_SMALL = 1;
constexpr int LVSIL_STATE = 2;

constexpr UINT LVHT_NOWHERE = 0x0001;
constexpr UINT LVHT_ONITEMICON = 0x0002;
constexpr UINT LVHT_ONITEMLABEL = 0x0004;
constexpr UINT LVHT_ONITEMSTATEICON = 0x0008;
constexpr UINT LVHT_ONITEM = LVHT_ONITEMICON | LVHT_ONITEMLABEL | LVHT_ONITEMSTATEICON;
constexpr UINT LVHT_ABOVE = 0x0008;
constexpr UINT LVHT_BELOW = 0x0010;

constexpr int LVIR_BOUNDS = 0;
constexpr int LVIR_ICON = 1;
constexpr int LVIR_LABEL = 2;
constexpr int LVIR_SELECTBOUNDS = 3;

constexpr UINT LVM_FIRST = 0x1000;
constexpr UINT LVM_GETITEMCOUNT = LVM_FIRST + 4;
constexpr UINT LVM_DELETEITEM = LVM_FIRST + 8;
constexpr UINT LVM_DELETEALLITEMS = LVM_FIRST + 9;
constexpr UINT LVM_GETNEXTITEM = LVM_FIRST + 12;
constexpr UINT LVM_ENSUREVISIBLE = LVM_FIRST + 19;
constexpr UINT LVM_GETHEADER = LVM_FIRST + 31;
constexpr UINT LVM_GETTOPINDEX = LVM_FIRST + 39;
constexpr UINT LVM_GETCOUNTPERPAGE = LVM_FIRST + 40;
constexpr UINT LVM_SETITEMSTATE = LVM_FIRST + 43;
constexpr UINT LVM_GETITEMSTATE = LVM_FIRST + 44;
constexpr UINT LVM_GETSELECTEDCOUNT = LVM_FIRST + 50;
constexpr UINT LVM_SETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 54;
constexpr UINT LVM_GETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 55;
constexpr UINT LVM_SUBITEMHITTEST = LVM_FIRST + 57;

constexpr UINT LVN_FIRST = UINT(-100);
constexpr UINT LVN_ITEMCHANGING = LVN_FIRST - 0;
constexpr UINT LVN_ITEMCHANGED = LVN_FIRST - 1;
constexpr UINT LVN_INSERTITEM = LVN_FIRST - 2;
constexpr UINT LVN_DELETEITEM = LVN_FIRST - 3;
constexpr UINT LVN_DELETEALLITEMS = LVN_FIRST - 4;
constexpr UINT LVN_COLUMNCLICK = LVN_FIRST - 8;
constexpr UINT LVN_KEYDOWN = LVN_FIRST - 55;

// Custom draw: the drawing stages and the answers that steer them.
constexpr DWORD CDDS_PREPAINT = 0x00000001;
constexpr DWORD CDDS_POSTPAINT = 0x00000002;
constexpr DWORD CDDS_PREERASE = 0x00000003;
constexpr DWORD CDDS_POSTERASE = 0x00000004;
constexpr DWORD CDDS_ITEM = 0x00010000;
constexpr DWORD CDDS_ITEMPREPAINT = CDDS_ITEM | CDDS_PREPAINT;
constexpr DWORD CDDS_ITEMPOSTPAINT = CDDS_ITEM | CDDS_POSTPAINT;
constexpr DWORD CDDS_SUBITEM = 0x00020000;

constexpr LRESULT CDRF_DODEFAULT = 0x00000000;
constexpr LRESULT CDRF_NEWFONT = 0x00000002;
constexpr LRESULT CDRF_SKIPDEFAULT = 0x00000004;
constexpr LRESULT CDRF_NOTIFYPOSTPAINT = 0x00000010;
constexpr LRESULT CDRF_NOTIFYITEMDRAW = 0x00000020;
constexpr LRESULT CDRF_NOTIFYSUBITEMDRAW = 0x00000020;
constexpr LRESULT CDRF_NOTIFYPOSTERASE = 0x00000040;

constexpr UINT CDIS_SELECTED = 0x0001;
constexpr UINT CDIS_GRAYED = 0x0002;
constexpr UINT CDIS_DISABLED = 0x0004;
constexpr UINT CDIS_CHECKED = 0x0008;
constexpr UINT CDIS_FOCUS = 0x0010;
constexpr UINT CDIS_HOT = 0x0040;

struct NMCUSTOMDRAW {
    NMHDR hdr;
    DWORD dwDrawStage;
    HDC hdc;
    RECT rc;
    UINT_PTR dwItemSpec;  // the row
    UINT uItemState;      // CDIS_*
    LPARAM lItemlParam;   // the row's item data
};
using LPNMCUSTOMDRAW = NMCUSTOMDRAW*;

struct NMLVCUSTOMDRAW {
    NMCUSTOMDRAW nmcd;
    COLORREF clrText;
    COLORREF clrTextBk;
    int iSubItem;
};
using LPNMLVCUSTOMDRAW = NMLVCUSTOMDRAW*;

struct LVCOLUMN {
    UINT mask;
    int fmt;
    int cx;
    LPTSTR pszText;
    int cchTextMax;
    int iSubItem;
    int iImage;
    int iOrder;
};
using LPLVCOLUMN = LVCOLUMN*;

struct LVITEM {
    UINT mask;
    int iItem;
    int iSubItem;
    UINT state;
    UINT stateMask;
    LPTSTR pszText;
    int cchTextMax;
    int iImage;
    LPARAM lParam;
    int iIndent;
};
using LPLVITEM = LVITEM*;

struct LVHITTESTINFO {
    POINT pt;
    UINT flags;
    int iItem;
    int iSubItem;
};
using LPLVHITTESTINFO = LVHITTESTINFO*;

struct NMLISTVIEW {
    NMHDR hdr;
    int iItem;
    int iSubItem;
    UINT uNewState;
    UINT uOldState;
    UINT uChanged;
    POINT ptAction;
    LPARAM lParam;
};
using LPNMLISTVIEW = NMLISTVIEW*;

// NM_CLICK, NM_DBLCLK and NM_RCLICK of a list.
struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem;
    int iSubItem;
    UINT uNewState;
    UINT uOldState;
    UINT uChanged;
    POINT ptAction;
    LPARAM lParam;
    UINT uKeyFlags;
};
using LPNMITEMACTIVATE = NMITEMACTIVATE*;

struct NMLVKEYDOWN {
    NMHDR hdr;
    WORD wVKey;
    UINT flags;
};

class CListCtrl : public CControlWnd {
    DECLARE_DYNAMIC(CListCtrl)

public:
    // Each row is this high; the first row starts below the header.
    static constexpr int kRowHeight = 17;
    // The classic default colours.
    static constexpr COLORREF kWindowColour = RGB(255, 255, 255);
    static constexpr COLORREF kWindowTextColour = RGB(0, 0, 0);
    static constexpr COLORREF kHighlightColour = RGB(0, 120, 215);
    static constexpr COLORREF kHighlightTextColour = RGB(255, 255, 255);
    static constexpr COLORREF kGridColour = RGB(224, 224, 224);

    struct Row {
        std::vector<CString> texts;  // by subitem; missing ones are empty
        UINT state = 0;
        LPARAM lParam = 0;
        int iImage = -1;
    };

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    DWORD SetExtendedStyle(DWORD dwNewStyle);
    DWORD GetExtendedStyle() const { return m_dwExStyle; }
    // The header window (a derived header takes its place by subclassing it).
    CHeaderCtrl* GetHeaderCtrl() const;
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    CImageList* GetImageList(int nImageListType) const;

    // ---- columns ----
    int InsertColumn(int nCol, const LVCOLUMN* pColumn);
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT,
                     int nWidth = -1, int nSubItem = -1);
    BOOL DeleteColumn(int nCol);
    int GetColumnCount() const;
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const;
    BOOL SetColumn(int nCol, const LVCOLUMN* pColumn);
    int GetColumnWidth(int nCol) const;
    // LVSCW_AUTOSIZE fits the widest text of the column, LVSCW_AUTOSIZE_USEHEADER also its
    // caption.
    BOOL SetColumnWidth(int nCol, int cx);

    // ---- rows ----
    int InsertItem(const LVITEM* pItem);
    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    int GetItemCount() const { return int(m_rows.size()); }
    const Row* GetRow(int nItem) const;
    BOOL GetItem(LVITEM* pItem) const;
    BOOL SetItem(const LVITEM* pItem);
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;

    // ---- states and selection ----
    // Changes the masked states; nItem -1 changes every row. Each row that changes reports
    // LVN_ITEMCHANGED with its old and new states.
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetItemState(int nItem, UINT nMask) const;
    int GetNextItem(int nItem, int nFlags) const;
    UINT GetSelectedCount() const;
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;
    int GetSelectionMark() const { return m_nSelectionMark; }
    int SetSelectionMark(int iIndex);

    // ---- geometry and scrolling ----
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
    // Only column 0's text counts as the item unless rows select whole (LVS_EX_FULLROWSELECT).
    int HitTest(LVHITTESTINFO* pHitTestInfo) const;
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    // The row and column under the point, whatever the styles.
    int SubItemHitTest(LPLVHITTESTINFO pInfo) const;
    int GetTopIndex() const { return m_nTopIndex; }
    int GetCountPerPage() const;
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    // Scrolls by size.cy pixels, in whole rows.
    BOOL Scroll(CSize size);
    BOOL RedrawItems(int nFirst, int nLast);
    BOOL Update(int nItem) { return RedrawItems(nItem, nItem); }

    // ---- colours ----
    COLORREF GetBkColor() const { return m_crBk; }
    BOOL SetBkColor(COLORREF cr);
    COLORREF GetTextColor() const { return m_crText; }
    BOOL SetTextColor(COLORREF cr);
    COLORREF GetTextBkColor() const { return m_crTextBk; }
    BOOL SetTextBkColor(COLORREF cr);

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CopyStateFrom(CWnd& other) override;
    // A notification of this list before it goes to the owner. Returning TRUE keeps it from
    // the owner, *pResult being the answer.
    virtual BOOL OnReflectNotify(NMHDR* pNMHDR, LRESULT* pResult);
    // The list's drawing of its rows, with the custom-draw stages.
    void DrawRows(CDC& dc);

private:
    LRESULT Notify(NMHDR& hdr, UINT nCode);
    void NotifyItemChanged(int nItem, UINT nOldState, UINT nNewState);
    void NotifyActivate(UINT nCode, CPoint point);
    void ChangeState(int nItem, UINT nState, UINT nMask);
    void DeselectAllBut(int nKeep);
    void SelectRange(int nFrom, int nTo);
    void OnButtonDown(CPoint point, UINT nFlags, bool bRight);
    void OnKey(UINT nVirtKey);
    void MoveFocusTo(int nItem);
    void CreateHeader();
    void LayoutHeader();
    int HeaderHeight() const;
    int ClampTop(int nTop) const;
    CRect RowRect(int nItem) const;
    void DrawCell(CDC& dc, const Row& row, int nSubItem, const CRect& rect,
                  const NMLVCUSTOMDRAW& colours);

    std::vector<Row> m_rows;
    DWORD m_dwExStyle = 0;
    int m_nTopIndex = 0;
    int m_nSelectionMark = -1;
    CImageList* m_pImageLists[3] = {};
    COLORREF m_crBk = kWindowColour;
    COLORREF m_crText = kWindowTextColour;
    COLORREF m_crTextBk = kWindowColour;
};
