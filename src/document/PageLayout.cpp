#include "document/PageLayout.h"

#include "blocks/DiagramLimits.h"
#include "document/VetlaDoc.h"

#include <algorithm>

bool SetPagesOfBase(CVetlaDoc& doc, int nAcross, int nDown)
{
    if (nAcross < 1 || nDown < 1)
        return false;
    doc.m_rcExtent.right = nAcross * doc.m_sizeScreen.cx;
    doc.m_rcExtent.bottom = nDown * doc.m_sizeScreen.cy;
    doc.m_nPagesAcross = nAcross;
    doc.m_nPagesDown = nDown;
    doc.SetModifiedFlag(TRUE);
    return true;
}

bool IsSoundBase(const RECT& rcBase, int nAcross, int nDown)
{
    for (const LONG nEdge : {rcBase.left, rcBase.top, rcBase.right, rcBase.bottom}) {
        if (!IsDiagramCoord(nEdge))
            return false;
    }
    return nAcross >= 1 && nDown >= 1 && rcBase.right - rcBase.left >= nAcross && rcBase.bottom - rcBase.top >= nDown;
}

void SettleLoadedPageLayout(CVetlaDoc& doc)
{
    for (int* pPages : {&doc.m_nPagesAcross, &doc.m_nPagesDown}) {
        if (!IsLayoutPageCount(*pPages))
            *pPages = 1;
    }
    if (!IsLayoutPageCounts(doc.m_nPagesAcross, doc.m_nPagesDown)) {
        doc.m_nPagesAcross = 1;
        doc.m_nPagesDown = 1;
    }
    if (IsSoundBase(doc.m_rcExtent, doc.m_nPagesAcross, doc.m_nPagesDown))
        return;
    doc.m_rcExtent = CRect(0, 0, doc.m_nPagesAcross * doc.m_sizeScreen.cx, doc.m_nPagesDown * doc.m_sizeScreen.cy);
}

std::pair<int, int> GrownPageCounts(int nAcross, int nDown, int nWantAcross, int nWantDown)
{
    nAcross = std::max(nAcross, 1);
    nDown = std::max(nDown, 1);
    const int nNewAcross = std::max(nAcross, std::min(nWantAcross, LAYOUT_PAGES_MAX / nDown));
    const int nNewDown = std::max(nDown, std::min(nWantDown, LAYOUT_PAGES_MAX / nNewAcross));
    return {nNewAcross, nNewDown};
}
