// The grid control's small types: a cell's coordinates, a rectangle of cells, the cell state
// bits, the notifications the grid sends its owner, and the record they carry.
#pragma once

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
