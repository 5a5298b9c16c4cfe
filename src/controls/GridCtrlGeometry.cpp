// Sizes, cell positions and scrolling. The scroll positions are in pixels of the non-fixed
// area; the first visible non-fixed cell follows from them.
#include "controls/GridCtrl.h"

int CGridCtrl::GetRowHeight(int nRow) const
{
    if (nRow < 0 || nRow >= GetRowCount())
        return -1;
    return int(m_rowHeights[size_t(nRow)]);
}

int CGridCtrl::GetColumnWidth(int nCol) const
{
    if (nCol < 0 || nCol >= GetColumnCount())
        return -1;
    return int(m_colWidths[size_t(m_arColOrder[size_t(nCol)])]);
}

BOOL CGridCtrl::SetRowHeight(int nRow, int nHeight)
{
    if (nRow < 0 || nRow >= GetRowCount() || nHeight < 0)
        return FALSE;
    m_rowHeights[size_t(nRow)] = UINT(nHeight);
    ResetScrollBars();
    return TRUE;
}

BOOL CGridCtrl::SetColumnWidth(int nCol, int nWidth)
{
    if (nCol < 0 || nCol >= GetColumnCount() || nWidth < 0)
        return FALSE;
    m_colWidths[size_t(m_arColOrder[size_t(nCol)])] = UINT(nWidth);
    ResetScrollBars();
    return TRUE;
}

int CGridCtrl::GetFixedRowHeight() const
{
    int nHeight = 0;
    for (int r = 0; r < m_nFixedRows; ++r)
        nHeight += GetRowHeight(r);
    return nHeight;
}

int CGridCtrl::GetFixedColumnWidth() const
{
    int nWidth = 0;
    for (int c = 0; c < m_nFixedCols; ++c)
        nWidth += GetColumnWidth(c);
    return nWidth;
}

int CGridCtrl::GetVirtualHeight() const
{
    int nHeight = 0;
    for (UINT h : m_rowHeights)
        nHeight += int(h);
    return nHeight;
}

int CGridCtrl::GetVirtualWidth() const
{
    int nWidth = 0;
    for (UINT w : m_colWidths)
        nWidth += int(w);
    return nWidth;
}

int CGridCtrl::GetScrollPos32(int nBar, BOOL bGetTrackPos) const
{
    SCROLLINFO si{sizeof(SCROLLINFO), 0, 0, 0, 0, 0, 0};
    const UINT nMask = bGetTrackPos ? SIF_TRACKPOS : SIF_POS;
    if (!m_hWnd || !GetScrollInfo(nBar, &si, nMask))
        return 0;
    return bGetTrackPos ? si.nTrackPos : si.nPos;
}

BOOL CGridCtrl::SetScrollPos32(int nBar, int nPos, BOOL bRedraw)
{
    if (!m_hWnd)
        return FALSE;
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, nPos, 0};
    SetScrollInfo(nBar, &si, bRedraw);
    return TRUE;
}

void CGridCtrl::EnableScrollBars(int nBar, BOOL bEnable)
{
    if (!m_hWnd)
        return;
    ShowScrollBar(UINT(nBar), bEnable);
}

CCellID CGridCtrl::GetTopleftNonFixedCell() const
{
    CCellID cell(m_nFixedRows, m_nFixedCols);
    int nRight = 0;
    const int nHorz = GetScrollPos32(SB_HORZ);
    while (cell.col < GetColumnCount() - 1 && nRight + GetColumnWidth(cell.col) <= nHorz)
        nRight += GetColumnWidth(cell.col++);
    int nBottom = 0;
    const int nVert = GetScrollPos32(SB_VERT);
    while (cell.row < GetRowCount() - 1 && nBottom + GetRowHeight(cell.row) <= nVert)
        nBottom += GetRowHeight(cell.row++);
    return cell;
}

BOOL CGridCtrl::GetCellOrigin(int nRow, int nCol, LPPOINT pPoint) const
{
    if (!IsValid(nRow, nCol))
        return FALSE;
    const CCellID topLeft = GetTopleftNonFixedCell();
    if ((nRow >= m_nFixedRows && nRow < topLeft.row) || (nCol >= m_nFixedCols && nCol < topLeft.col))
        return FALSE;
    pPoint->x = 0;
    if (nCol < m_nFixedCols) {
        for (int c = 0; c < nCol; ++c)
            pPoint->x += GetColumnWidth(c);
    } else {
        pPoint->x = GetFixedColumnWidth();
        for (int c = topLeft.col; c < nCol; ++c)
            pPoint->x += GetColumnWidth(c);
    }
    pPoint->y = 0;
    if (nRow < m_nFixedRows) {
        for (int r = 0; r < nRow; ++r)
            pPoint->y += GetRowHeight(r);
    } else {
        pPoint->y = GetFixedRowHeight();
        for (int r = topLeft.row; r < nRow; ++r)
            pPoint->y += GetRowHeight(r);
    }
    return TRUE;
}

BOOL CGridCtrl::GetCellRect(int nRow, int nCol, LPRECT pRect) const
{
    POINT origin;
    if (!GetCellOrigin(nRow, nCol, &origin))
        return FALSE;
    pRect->left = origin.x;
    pRect->top = origin.y;
    pRect->right = origin.x + GetColumnWidth(nCol) - 1;
    pRect->bottom = origin.y + GetRowHeight(nRow) - 1;
    return TRUE;
}

BOOL CGridCtrl::GetCellRangeRect(const CCellRange& range, LPRECT pRect) const
{
    CRect first;
    CRect last;
    if (!range.IsValid() || !GetCellRect(range.nMinRow, range.nMinCol, &first) ||
        !GetCellRect(range.nMaxRow, range.nMaxCol, &last))
        return FALSE;
    *pRect = CRect(first.left, first.top, last.right, last.bottom);
    return TRUE;
}

BOOL CGridCtrl::InvalidateCellRect(int nRow, int nCol)
{
    return InvalidateCellRect(CCellRange(nRow, nCol, nRow, nCol));
}

BOOL CGridCtrl::InvalidateCellRect(const CCellRange& range)
{
    CRect rect;
    if (!m_hWnd || !GetCellRangeRect(range, &rect))
        return FALSE;
    rect.right++;
    rect.bottom++;
    InvalidateRect(&rect, FALSE);
    return TRUE;
}

CCellID CGridCtrl::GetCellFromPt(CPoint point, BOOL bAllowFixed) const
{
    const CCellID topLeft = GetTopleftNonFixedCell();
    CCellID cell;
    const int nFixedWidth = GetFixedColumnWidth();
    if (point.x < 0 || (!bAllowFixed && point.x < nFixedWidth)) {
        cell.col = -1;
    } else if (point.x < nFixedWidth) {
        int x = 0;
        for (int c = 0; c < m_nFixedCols; ++c) {
            x += GetColumnWidth(c);
            if (x > point.x) {
                cell.col = c;
                break;
            }
        }
    } else {
        int x = nFixedWidth;
        for (int c = topLeft.col; c < GetColumnCount(); ++c) {
            x += GetColumnWidth(c);
            if (x > point.x) {
                cell.col = c;
                break;
            }
        }
    }
    const int nFixedHeight = GetFixedRowHeight();
    if (point.y < 0 || (!bAllowFixed && point.y < nFixedHeight)) {
        cell.row = -1;
    } else if (point.y < nFixedHeight) {
        int y = 0;
        for (int r = 0; r < m_nFixedRows; ++r) {
            y += GetRowHeight(r);
            if (y > point.y) {
                cell.row = r;
                break;
            }
        }
    } else {
        int y = nFixedHeight;
        for (int r = topLeft.row; r < GetRowCount(); ++r) {
            y += GetRowHeight(r);
            if (y > point.y) {
                cell.row = r;
                break;
            }
        }
    }
    return cell;
}

CPoint CGridCtrl::GetPointClicked(int nRow, int nCol, CPoint point) const
{
    POINT origin;
    if (!GetCellOrigin(nRow, nCol, &origin))
        return CPoint(0, 0);
    return CPoint(point.x - origin.x, point.y - origin.y);
}

CCellRange CGridCtrl::GetVisibleNonFixedCellRange(LPRECT pRect) const
{
    CRect client(0, 0, 0, 0);
    if (m_hWnd)
        GetClientRect(&client);
    const CCellID topLeft = GetTopleftNonFixedCell();
    int nBottom = GetFixedRowHeight();
    int nRow = topLeft.row;
    for (; nRow < GetRowCount(); ++nRow) {
        nBottom += GetRowHeight(nRow);
        if (nBottom >= client.bottom)
            break;
    }
    int nRight = GetFixedColumnWidth();
    int nCol = topLeft.col;
    for (; nCol < GetColumnCount(); ++nCol) {
        nRight += GetColumnWidth(nCol);
        if (nRight >= client.right)
            break;
    }
    const int nMaxRow = std::min(nRow, GetRowCount() - 1);
    const int nMaxCol = std::min(nCol, GetColumnCount() - 1);
    if (pRect) {
        pRect->left = pRect->top = 0;
        pRect->right = nRight;
        pRect->bottom = nBottom;
    }
    return CCellRange(topLeft.row, topLeft.col, nMaxRow, nMaxCol);
}

CCellRange CGridCtrl::GetVisibleFixedCellRange(LPRECT pRect) const
{
    CRect visible;
    const CCellRange range = GetVisibleNonFixedCellRange(&visible);
    if (pRect) {
        pRect->left = pRect->top = 0;
        pRect->right = GetFixedColumnWidth();
        pRect->bottom = visible.bottom;
    }
    return CCellRange(range.nMinRow, 0, range.nMaxRow, m_nFixedCols - 1);
}

BOOL CGridCtrl::IsCellVisible(int nRow, int nCol) const
{
    if (!IsValid(nRow, nCol))
        return FALSE;
    if (nRow < m_nFixedRows && nCol < m_nFixedCols)
        return TRUE;
    const CCellRange visible = GetVisibleNonFixedCellRange();
    const bool bRowIn = nRow < m_nFixedRows || (nRow >= visible.nMinRow && nRow <= visible.nMaxRow);
    const bool bColIn = nCol < m_nFixedCols || (nCol >= visible.nMinCol && nCol <= visible.nMaxCol);
    return bRowIn && bColIn;
}

void CGridCtrl::EnsureVisible(int nRow, int nCol)
{
    if (!m_hWnd || !IsValid(nRow, nCol))
        return;
    // Scrolls line by line; a grid too small for one cell gives up after a full pass.
    for (int nGuard = GetRowCount() + GetColumnCount(); nGuard > 0; --nGuard) {
        const CCellRange visible = GetVisibleNonFixedCellRange();
        if (nRow >= m_nFixedRows && nRow < visible.nMinRow)
            SendMessage(WM_VSCROLL, SB_LINEUP, 0);
        else if (nRow >= m_nFixedRows && nRow > visible.nMaxRow && visible.nMaxRow > visible.nMinRow)
            SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
        else if (nCol >= m_nFixedCols && nCol < visible.nMinCol)
            SendMessage(WM_HSCROLL, SB_LINELEFT, 0);
        else if (nCol >= m_nFixedCols && nCol > visible.nMaxCol && visible.nMaxCol > visible.nMinCol)
            SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
        else
            return;
    }
}

void CGridCtrl::ResetScrollBars()
{
    // Showing or hiding a bar resizes the window, whose size handler comes back here: the
    // outer call decides, with the sizes as they end up.
    if (!m_hWnd || m_bResettingScrollBars)
        return;
    m_bResettingScrollBars = TRUE;
    ResetScrollBarsNow();
    m_bResettingScrollBars = FALSE;
}

void CGridCtrl::ResetScrollBarsNow()
{
    CRect client;
    GetClientRect(&client);
    // The space of bars shown now is the grid's too when it turns out not to need them.
    if (GetStyle() & WS_VSCROLL)
        client.right += kScrollBarThickness;
    if (GetStyle() & WS_HSCROLL)
        client.bottom += kScrollBarThickness;
    const int nScrollHeight = GetVirtualHeight() - GetFixedRowHeight();
    const int nScrollWidth = GetVirtualWidth() - GetFixedColumnWidth();
    const int nViewHeight = std::max(0, int(client.Height()) - GetFixedRowHeight());
    const int nViewWidth = std::max(0, int(client.Width()) - GetFixedColumnWidth());
    const bool bVert = nScrollHeight > nViewHeight;
    const bool bHorz = nScrollWidth > nViewWidth;
    EnableScrollBars(SB_VERT, bVert);
    EnableScrollBars(SB_HORZ, bHorz);
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
    if (bVert) {
        si.nMax = nScrollHeight - 1;
        si.nPage = UINT(nViewHeight - (bHorz ? kScrollBarThickness : 0));
        SetScrollInfo(SB_VERT, &si);
    }
    if (bHorz) {
        si.nMax = nScrollWidth - 1;
        si.nPage = UINT(nViewWidth - (bVert ? kScrollBarThickness : 0));
        SetScrollInfo(SB_HORZ, &si);
    }
}

void CGridCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    EndEditing();
    ResetScrollBars();
}

void CGridCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    const int nOld = GetScrollPos32(SB_VERT);
    const CCellID topLeft = GetTopleftNonFixedCell();
    int nNew = nOld;
    switch (nSBCode) {
    case SB_LINEDOWN: nNew += std::max(0, GetRowHeight(topLeft.row)); break;
    case SB_LINEUP: nNew -= std::max(0, GetRowHeight(topLeft.row - 1 >= m_nFixedRows ? topLeft.row - 1 : topLeft.row)); break;
    case SB_PAGEDOWN: nNew += std::max(1, GetVisibleNonFixedCellRange().nMaxRow - topLeft.row) * std::max(1, GetRowHeight(topLeft.row)); break;
    case SB_PAGEUP: nNew -= std::max(1, GetVisibleNonFixedCellRange().nMaxRow - topLeft.row) * std::max(1, GetRowHeight(topLeft.row)); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        SCROLLINFO si{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        nNew = GetScrollInfo(SB_VERT, &si) ? si.nTrackPos : int(nPos);
        break;
    }
    case SB_TOP: nNew = 0; break;
    case SB_BOTTOM: nNew = GetVirtualHeight(); break;
    default: return;
    }
    SetScrollPos32(SB_VERT, std::max(0, nNew));
    if (GetScrollPos32(SB_VERT) != nOld)
        Invalidate();
}

void CGridCtrl::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    const int nOld = GetScrollPos32(SB_HORZ);
    const CCellID topLeft = GetTopleftNonFixedCell();
    int nNew = nOld;
    switch (nSBCode) {
    case SB_LINERIGHT: nNew += std::max(0, GetColumnWidth(topLeft.col)); break;
    case SB_LINELEFT: nNew -= std::max(0, GetColumnWidth(topLeft.col - 1 >= m_nFixedCols ? topLeft.col - 1 : topLeft.col)); break;
    case SB_PAGERIGHT: nNew += std::max(1, GetVisibleNonFixedCellRange().nMaxCol - topLeft.col) * std::max(1, GetColumnWidth(topLeft.col)); break;
    case SB_PAGELEFT: nNew -= std::max(1, GetVisibleNonFixedCellRange().nMaxCol - topLeft.col) * std::max(1, GetColumnWidth(topLeft.col)); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        SCROLLINFO si{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        nNew = GetScrollInfo(SB_HORZ, &si) ? si.nTrackPos : int(nPos);
        break;
    }
    case SB_LEFT: nNew = 0; break;
    case SB_RIGHT: nNew = GetVirtualWidth(); break;
    default: return;
    }
    SetScrollPos32(SB_HORZ, std::max(0, nNew));
    if (GetScrollPos32(SB_HORZ) != nOld)
        Invalidate();
}

BOOL CGridCtrl::OnMouseWheel(UINT, short zDelta, CPoint)
{
    // Posted rather than sent, one line message per row, as a wheel notch is on the system.
    const int nLines = zDelta * m_nRowsPerWheelNotch / 120;
    const UINT nCode = nLines > 0 ? SB_LINEUP : SB_LINEDOWN;
    for (int i = 0; i < std::abs(nLines); ++i)
        PostMessage(WM_VSCROLL, nCode, 0);
    return TRUE;
}
