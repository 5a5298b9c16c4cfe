// The grid control's small types: a cell's coordinates, a rectangle of cells, the cell state
// bits, the notifications the grid sends its owner, and the record they carry.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"
#include "platform/ui/Msg.h"

#include <algorithm>

// State bits of a cell.
constexpr UINT GVIS_FOCUSED = 0x0001;
constexpr UINT GVIS_SELECTED = 0x0002;
constexpr UINT GVIS_DROPHILITED = 0x0004;
constexpr UINT GVIS_READONLY = 0x0008;
constexpr UINT GVIS_FIXED = 0x0010;
constexpr UINT GVIS_FIXEDROW = 0x0020;
constexpr UINT GVIS_FIXEDCOL = 0x0040;
constexpr UINT GVIS_MODIFIED = 0x0080;
// The two cells of a wide cell: the left one holds the text, the right one stays empty. Only
// WidePairs.h sets or clears them.
constexpr UINT CELLSTATE_WIDE_FIRST = 0x0100;
constexpr UINT CELLSTATE_WIDE_SECOND = 0x0200;
constexpr UINT CELLSTATE_WIDE_MASK = CELLSTATE_WIDE_FIRST | CELLSTATE_WIDE_SECOND;

// Notification codes the grid sends its owner in WM_NOTIFY.
constexpr int GVN_CLICK = -2;
constexpr int GVN_SELCHANGING = -100;
constexpr int GVN_SELCHANGED = -101;
constexpr int GVN_BEGINDRAG = -109;
constexpr int GVN_BEGINLABELEDIT = -175;
constexpr int GVN_ENDLABELEDIT = -176;
// Asks the owner of a grid in virtual mode for a cell's text (GV_DISPINFO).
constexpr int GVN_GETDISPINFO = -177;

// The grid lines drawn.
constexpr int GVL_NONE = 0;
constexpr int GVL_HORZ = 1;
constexpr int GVL_VERT = 2;
constexpr int GVL_BOTH = 3;

struct NM_GRIDVIEW {
    NMHDR hdr;
    int iRow;
    int iColumn;
};

// Which fields of a GV_ITEM count.
constexpr UINT GVIF_TEXT = 0x0001;
constexpr UINT GVIF_PARAM = 0x0004;
constexpr UINT GVIF_STATE = 0x0008;
constexpr UINT GVIF_BKCLR = 0x0010;
constexpr UINT GVIF_FGCLR = 0x0020;
constexpr UINT GVIF_FORMAT = 0x0040;
constexpr UINT GVIF_FONT = 0x0080;
constexpr UINT GVIF_MARGIN = 0x0200;

// One cell's fields, those named by the mask.
struct GV_ITEM {
    int row = -1;
    int col = -1;
    UINT mask = 0;
    UINT nState = 0;
    UINT nFormat = 0;
    COLORREF crBkClr = CLR_DEFAULT;
    COLORREF crFgClr = CLR_DEFAULT;
    LPARAM lParam = 0;
    LOGFONT lfFont{};
    UINT nMargin = 0;
    CString strText;
};

// The record of GVN_GETDISPINFO and of the virtual mode's data callback.
struct GV_DISPINFO {
    NMHDR hdr{};
    GV_ITEM item;
};
using GRIDCALLBACK = BOOL (*)(GV_DISPINFO* pDispInfo, LPARAM lParam);

struct CCellID {
    int row = -1;
    int col = -1;

    CCellID() = default;
    CCellID(int nRow, int nCol) : row(nRow), col(nCol) {}
    bool IsValid() const { return row >= 0 && col >= 0; }
    bool operator==(const CCellID&) const = default;
};

struct CCellRange {
    int nMinRow = -1;
    int nMinCol = -1;
    int nMaxRow = -1;
    int nMaxCol = -1;

    CCellRange() = default;
    CCellRange(int nMinRowIn, int nMinColIn, int nMaxRowIn, int nMaxColIn)
        : nMinRow(nMinRowIn), nMinCol(nMinColIn), nMaxRow(nMaxRowIn), nMaxCol(nMaxColIn) {}
    // The rectangle between two cells, whichever corner each is.
    static CCellRange Between(CCellID a, CCellID b)
    {
        return CCellRange(std::min(a.row, b.row), std::min(a.col, b.col), std::max(a.row, b.row),
                          std::max(a.col, b.col));
    }
    bool IsValid() const
    {
        return nMinRow >= 0 && nMinCol >= 0 && nMaxRow >= nMinRow && nMaxCol >= nMinCol;
    }
    bool InRange(int nRow, int nCol) const
    {
        return nRow >= nMinRow && nRow <= nMaxRow && nCol >= nMinCol && nCol <= nMaxCol;
    }
    CCellID GetTopLeft() const { return CCellID(nMinRow, nMinCol); }
    bool operator==(const CCellRange&) const = default;
};
