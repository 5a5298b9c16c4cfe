// CHeaderCtrl: the row of column captions above a report list. Items (text, width, format,
// image, data and display order) and the image list live in the object. The header paints
// itself (a class that draws it differently overrides the paint), reports a click on an item
// to its owner with HDN_ITEMCLICK and lets the user drag a divider to resize the item on its
// left, reporting HDN_ITEMCHANGED.
#pragma once

#include "platform/ui/ControlWnd.h"

#include <vector>

class CImageList;

inline constexpr LPCTSTR WC_HEADER = _T("SysHeader32");

constexpr UINT HDI_WIDTH = 0x0001;
constexpr UINT HDI_HEIGHT = HDI_WIDTH;
constexpr UINT HDI_TEXT = 0x0002;
constexpr UINT HDI_FORMAT = 0x0004;
constexpr UINT HDI_LPARAM = 0x0008;
constexpr UINT HDI_BITMAP = 0x0010;
constexpr UINT HDI_IMAGE = 0x0020;
constexpr UINT HDI_ORDER = 0x0080;

constexpr int HDF_LEFT = 0x0000;
constexpr int HDF_RIGHT = 0x0001;
constexpr int HDF_CENTER = 0x0002;
constexpr int HDF_JUSTIFYMASK = 0x0003;
constexpr int HDF_IMAGE = 0x0800;
constexpr int HDF_BITMAP_ON_RIGHT = 0x1000;
constexpr int HDF_BITMAP = 0x2000;
constexpr int HDF_STRING = 0x4000;
constexpr int HDF_OWNERDRAW = 0x8000;

constexpr UINT HDM_FIRST = 0x1200;
constexpr UINT HDM_GETITEMCOUNT = HDM_FIRST + 0;
constexpr UINT HDM_DELETEITEM = HDM_FIRST + 2;
constexpr UINT HDM_HITTEST = HDM_FIRST + 6;
constexpr UINT HDM_GETITEMRECT = HDM_FIRST + 7;
constexpr UINT HDM_SETIMAGELIST = HDM_FIRST + 8;
constexpr UINT HDM_GETIMAGELIST = HDM_FIRST + 9;
constexpr UINT HDM_INSERTITEM = HDM_FIRST + 10;
constexpr UINT HDM_GETITEM = HDM_FIRST + 11;
constexpr UINT HDM_SETITEM = HDM_FIRST + 12;
constexpr UINT HDM_ORDERTOINDEX = HDM_FIRST + 15;

constexpr UINT HDN_FIRST = UINT(-300);
constexpr UINT HDN_ITEMCHANGING = HDN_FIRST - 20;
constexpr UINT HDN_ITEMCHANGED = HDN_FIRST - 21;
constexpr UINT HDN_ITEMCLICK = HDN_FIRST - 22;
constexpr UINT HDN_DIVIDERDBLCLICK = HDN_FIRST - 25;

constexpr UINT HHT_NOWHERE = 0x0001;
constexpr UINT HHT_ONHEADER = 0x0002;
constexpr UINT HHT_ONDIVIDER = 0x0004;

struct HDITEM {
    UINT mask;
    int cxy;
    LPTSTR pszText;
    void* hbm;
    int cchTextMax;
    int fmt;
    LPARAM lParam;
    int iImage;
    int iOrder;
};
using LPHDITEM = HDITEM*;

struct NMHEADER {
    NMHDR hdr;
    int iItem;
    int iButton;  // 0 left, 1 right, 2 middle
    HDITEM* pitem;
};
using LPNMHEADER = NMHEADER*;

struct HDHITTESTINFO {
    POINT pt;
    UINT flags;
    int iItem;
};

class CHeaderCtrl : public CControlWnd {
    DECLARE_DYNAMIC(CHeaderCtrl)

public:
    // What one item holds.
    struct Item {
        CString strText;
        int cxy = 0;
        int fmt = HDF_LEFT | HDF_STRING;
        LPARAM lParam = 0;
        int iImage = 0;
    };
    // A list creates its header this high.
    static constexpr int kDefaultHeight = 20;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetItemCount() const { return int(m_items.size()); }
    // Returns the new item's index (nPos past the end appends), -1 without a valid record.
    int InsertItem(int nPos, const HDITEM* phdi);
    BOOL DeleteItem(int nPos);
    // Fills the fields the mask names (the text into pszText, at most cchTextMax units with NUL).
    BOOL GetItem(int nPos, HDITEM* pHeaderItem) const;
    BOOL SetItem(int nPos, const HDITEM* pHeaderItem);
    const Item* GetItemState(int nPos) const;
    // The item's rectangle in client coordinates, by display order.
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetImageList() const { return m_pImageList; }
    // The display order: item indexes left to right.
    BOOL GetOrderArray(int* piArray, int iCount) const;
    BOOL SetOrderArray(int iCount, const int* piArray);
    int OrderToIndex(int nOrder) const;
    // Fills flags and iItem for pt; returns the item or -1.
    int HitTest(HDHITTESTINFO* pHitTestInfo) const;
    // Takes the items, order and image list of another header (a list taking another's place).
    void CopyItemsFrom(const CHeaderCtrl& other);

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CopyStateFrom(CWnd& other) override;
    // The header's own drawing of every item.
    void DrawHeader(CDC& dc);

private:
    LRESULT Notify(UINT nCode, int nItem, HDITEM* pItem = nullptr);
    void OnButtonDown(CPoint point);
    void OnButtonUp(CPoint point);
    void OnMouseMove(CPoint point);
    void DrawItem(CDC& dc, int nItem, const CRect& rect);

    std::vector<Item> m_items;
    std::vector<int> m_order;
    CImageList* m_pImageList = nullptr;
    int m_nPressed = -1;   // the item a click began on
    int m_nTracking = -1;  // the item whose right divider the user drags
    int m_nTrackOffset = 0;
};
