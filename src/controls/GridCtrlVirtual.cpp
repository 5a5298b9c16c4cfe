// Virtual mode: the owner keeps the cells' data and the grid asks for a cell's text each time
// it needs one, through the data callback or GVN_GETDISPINFO. Rows are shown in the row order,
// which sorting rearranges instead of moving data the grid does not hold.
#include "controls/GridCtrl.h"

void CGridCtrl::SetVirtualMode(BOOL bVirtual)
{
    if (bool(bVirtual) == bool(m_bVirtualMode))
        return;
    // The cells of the one mode mean nothing in the other.
    DeleteAllItems();
    m_bVirtualMode = bVirtual;
    if (m_bVirtualMode)
        m_bEditable = FALSE;
    ResetRowOrder();
}

void CGridCtrl::SetCallbackFunc(GRIDCALLBACK pCallback, LPARAM lParam)
{
    m_pfnCallback = pCallback;
    m_lParamCallback = lParam;
}

void CGridCtrl::UpdateRowOrder(int nRow, int nDelta)
{
    if (!m_bVirtualMode || nRow < 0)
        return;
    if (nDelta >= 1) {
        for (int& nEntry : m_arRowOrder)
            if (nEntry >= nRow)
                nEntry += nDelta;
        const size_t nAt = std::min(size_t(nRow), m_arRowOrder.size());
        m_arRowOrder.insert(m_arRowOrder.begin() + std::ptrdiff_t(nAt), nRow);
        return;
    }
    if (size_t(nRow) >= m_arRowOrder.size())
        return;
    m_arRowOrder.erase(m_arRowOrder.begin() + nRow);
    for (int& nEntry : m_arRowOrder)
        if (nEntry > nRow)
            nEntry += nDelta;
}

int CGridCtrl::DataRow(int nRow) const
{
    return nRow >= 0 && nRow < int(m_arRowOrder.size()) ? m_arRowOrder[size_t(nRow)] : nRow;
}

void CGridCtrl::FillVirtualCell(CGridCell& cell, int nRow, int nCol, int nDataRow) const
{
    cell.Reset();
    cell.SetGrid(const_cast<CGridCtrl*>(this));
    DWORD nState = m_idCurrentCell == CCellID(nRow, nCol) ? GVIS_FOCUSED : 0;
    if (nRow < m_nFixedRows)
        nState |= GVIS_FIXED | GVIS_FIXEDROW;
    if (nCol < m_nFixedCols)
        nState |= GVIS_FIXED | GVIS_FIXEDCOL;
    cell.SetState(nState);

    GV_DISPINFO dispInfo;
    dispInfo.hdr.hwndFrom = m_hWnd;
    dispInfo.hdr.idFrom = m_hWnd ? UINT_PTR(GetDlgCtrlID()) : 0;
    dispInfo.hdr.code = UINT(GVN_GETDISPINFO);
    dispInfo.item.row = nDataRow;
    dispInfo.item.col = nCol;
    dispInfo.item.mask = GVIF_TEXT;
    if (m_pfnCallback) {
        m_pfnCallback(&dispInfo, m_lParamCallback);
    } else {
        CWnd* pOwner = m_hWnd ? GetOwner() : nullptr;
        if (pOwner && IsWindow(pOwner->GetSafeHwnd()))
            pOwner->SendMessage(WM_NOTIFY, dispInfo.hdr.idFrom, reinterpret_cast<LPARAM>(&dispInfo));
    }
    cell.SetText(dispInfo.item.strText);
}
