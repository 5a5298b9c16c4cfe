#include "editor/PageLayoutFit.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockObj.h"
#include "blocks/ConnectLineObj.h"
#include "document/VetlaDoc.h"

PageLayoutFit CheckPageLayoutFit(const CVetlaDoc& doc, int nAcross, int nDown)
{
    if (nAcross >= doc.m_nPagesAcross && nDown >= doc.m_nPagesDown)
        return PageLayoutFit::Fits;
    const int nWidth = nAcross * doc.m_sizeScreen.cx;
    const int nHeight = nDown * doc.m_sizeScreen.cy;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos));
        if (pBlock->m_ptPos.x + pBlock->m_nWidth >= nWidth || pBlock->m_ptPos.y + pBlock->m_nHeight >= nHeight)
            return PageLayoutFit::BlockOutside;
    }
    for (POSITION pos = doc.m_lineList.GetHeadPosition(); pos;) {
        const auto* pLine = static_cast<const CConnectLineObj*>(doc.m_lineList.GetNext(pos));
        for (INT_PTR i = 0; i < pLine->m_arrVertices.GetSize(); ++i) {
            const CPoint& pt = pLine->m_arrVertices[i];
            if (pt.y >= nHeight)
                return PageLayoutFit::WireBelow;
            if (pt.x >= nWidth)
                return PageLayoutFit::WireRight;
        }
    }
    // A comment box left off the smaller base could be neither seen nor reached again: it is
    // refused like a block.
    for (POSITION pos = doc.m_commentList.GetHeadPosition(); pos;) {
        const CRect box = static_cast<const CBlockComment*>(doc.m_commentList.GetNext(pos))->GetBoxRect();
        if (box.right >= nWidth || box.bottom >= nHeight)
            return PageLayoutFit::BlockOutside;
    }
    return PageLayoutFit::Fits;
}
