#include "controls/GridDropTarget.h"

#include "controls/GridCtrl.h"

CGridOleDropTarget::~CGridOleDropTarget() { Revoke(); }

BOOL CGridOleDropTarget::Register(CGridCtrl* pGrid)
{
    if (m_pGrid || !pGrid)
        return FALSE;
    m_pGrid = pGrid;
    AfxRegisterDropTarget(*pGrid, this);
    return TRUE;
}

void CGridOleDropTarget::Revoke()
{
    if (m_pGrid)
        AfxRevokeDropTarget(*m_pGrid);
    m_pGrid = nullptr;
}

DROPEFFECT CGridOleDropTarget::OnDragEnter(const COleDataObject& data, DWORD dwKeyState, CPoint point)
{
    return m_pGrid ? m_pGrid->OnDragEnter(data, dwKeyState, point) : DROPEFFECT_NONE;
}

DROPEFFECT CGridOleDropTarget::OnDragOver(const COleDataObject& data, DWORD dwKeyState, CPoint point)
{
    return m_pGrid ? m_pGrid->OnDragOver(data, dwKeyState, point) : DROPEFFECT_NONE;
}

void CGridOleDropTarget::OnDragLeave()
{
    if (m_pGrid)
        m_pGrid->OnDragLeave();
}

BOOL CGridOleDropTarget::OnDrop(const COleDataObject& data, DROPEFFECT effect, CPoint point)
{
    return m_pGrid && m_pGrid->OnDrop(data, effect, point);
}
