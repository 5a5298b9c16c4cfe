#include "document/PageLayout.h"

#include "blocks/BlockObj.h"
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

bool SettleLoadedPageLayout(CVetlaDoc& doc)
{
    const std::pair<int, int> stored(doc.m_nPagesAcross, doc.m_nPagesDown);
    for (int* pPages : {&doc.m_nPagesAcross, &doc.m_nPagesDown}) {
        if (!IsLayoutPageCount(*pPages))
            *pPages = 1;
    }
    if (!IsLayoutPageCounts(doc.m_nPagesAcross, doc.m_nPagesDown)) {
        doc.m_nPagesAcross = 1;
        doc.m_nPagesDown = 1;
    }
    // Counts the open resets take the base with them: the view scrolls and the print spreads
    // over the base, which kept for the stored counts would be all but empty.
    const bool bReset = stored != std::make_pair(doc.m_nPagesAcross, doc.m_nPagesDown);
    if (!bReset && IsSoundBase(doc.m_rcExtent, doc.m_nPagesAcross, doc.m_nPagesDown))
        return false;
    doc.m_rcExtent = CRect(0, 0, doc.m_nPagesAcross * doc.m_sizeScreen.cx, doc.m_nPagesDown * doc.m_sizeScreen.cy);
    return bReset;
}

void GrowBaseToHoldBlocks(CVetlaDoc& doc)
{
    const CSize page = doc.m_sizeScreen;
    if (page.cx <= 0 || page.cy <= 0)
        return;
    LONG nRight = 0;
    LONG nBottom = 0;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos));
        nRight = std::max<LONG>(nRight, pBlock->m_ptPos.x + pBlock->m_nWidth);
        nBottom = std::max<LONG>(nBottom, pBlock->m_ptPos.y + pBlock->m_nHeight);
    }
    const auto [nAcross, nDown] =
        GrownPageCounts(doc.m_nPagesAcross, doc.m_nPagesDown, int(nRight / page.cx) + 1, int(nBottom / page.cy) + 1);
    doc.m_nPagesAcross = nAcross;
    doc.m_nPagesDown = nDown;
    doc.m_rcExtent = CRect(0, 0, nAcross * page.cx, nDown * page.cy);
}

std::pair<int, int> GrownPageCounts(int nAcross, int nDown, int nWantAcross, int nWantDown)
{
    nAcross = std::max(nAcross, 1);
    nDown = std::max(nDown, 1);
    const int nNewAcross = std::max(nAcross, std::min(nWantAcross, LAYOUT_PAGES_MAX / nDown));
    const int nNewDown = std::max(nDown, std::min(nWantDown, LAYOUT_PAGES_MAX / nNewAcross));
    return {nNewAcross, nNewDown};
}
