#include "editor/DiagramSelection.h"

#include "document/VetlaDoc.h"

namespace {

// A selected block's pins reach this far beside its body.
constexpr int PIN_STUB_REACH = 9;

BOOL IsListed(const CObList& list, const CObject* pObject)
{
    return pObject && list.Find(const_cast<CObject*>(pObject)) != nullptr;
}

// Clears the flag of every object of the kind in the document (when there is one) and empties
// the list.
template <class T>
void ClearKind(const CObList* pDocumentList, CObList& selection)
{
    if (pDocumentList)
        ForEachListed<T>(*pDocumentList, [](T& object) { SelectedFlagOf(object) = 0; });
    selection.RemoveAll();
}

CRect BodyRect(const CBlockObj& block)
{
    CRect rect;
    block.GetRect(&rect);
    return rect;
}

} // namespace

BOOL CDiagramSelection::Contains(const CBlockObj* pBlock, BOOL bByNumber) const
{
    if (!pBlock)
        return FALSE;
    if (IsListed(m_blocks, pBlock))
        return TRUE;
    if (!bByNumber)
        return FALSE;
    const int nNumber = pBlock->m_nNumber;
    return FindListed<CBlockObj>(m_blocks, [nNumber](const CBlockObj& block) { return block.m_nNumber == nNumber; })
           != nullptr;
}

BOOL CDiagramSelection::Contains(const CConnectLineObj* pLine) const { return IsListed(m_lines, pLine); }

BOOL CDiagramSelection::Contains(const CBlockComment* pComment) const { return IsListed(m_comments, pComment); }

void CDiagramSelection::Clear(BYTE nWhat)
{
    auto clears = [nWhat](BYTE nKind) { return nWhat == SELECTION_ALL || nWhat == nKind; };
    const CVetlaDoc* pDoc = m_pDocument;
    if (clears(SELECTION_LINES))
        ClearKind<CConnectLineObj>(pDoc ? &pDoc->m_lineList : nullptr, m_lines);
    if (clears(SELECTION_BLOCKS))
        ClearKind<CBlockObj>(pDoc ? &pDoc->m_blockList : nullptr, m_blocks);
    if (clears(SELECTION_COMMENTS))
        ClearKind<CBlockComment>(pDoc ? &pDoc->m_commentList : nullptr, m_comments);
}

void CDiagramSelection::Forget()
{
    m_blocks.RemoveAll();
    m_lines.RemoveAll();
    m_comments.RemoveAll();
}

void CDiagramSelection::StretchBand(CPoint pt)
{
    m_rcBand.right = pt.x;
    m_rcBand.bottom = pt.y;
    SelectBand();
}

void CDiagramSelection::SelectBand()
{
    Forget();
    if (!m_pDocument)
        return;
    ForEachListed<CConnectLineObj>(m_pDocument->m_lineList, [](CConnectLineObj& line) { line.m_bLineSelected = 0; });
    CRect band = m_rcBand;
    band.NormalizeRect();
    auto inBand = [&band](CRect rect) {
        rect.NormalizeRect();
        CRect common;
        return common.IntersectRect(&rect, &band) != FALSE;
    };
    ForEachListed<CBlockObj>(m_pDocument->m_blockList, [&](CBlockObj& block) {
        const bool bIn = inBand(BodyRect(block));
        Set(m_blocks, &block, bIn);
        if (bIn)
            SelectLinesOfBlock(&block);
    });
    ForEachListed<CBlockComment>(m_pDocument->m_commentList, [&](CBlockComment& comment) {
        Set(m_comments, &comment, inBand(comment.GetBoxRect()));
    });
}

void CDiagramSelection::SelectLinesOfBlock(const CBlockObj* pBlock)
{
    if (!m_pDocument || !pBlock)
        return;
    // The other end counts as selected by its listing: while the band rebuilds the selection,
    // the flags of blocks not yet visited still tell the previous band.
    ForEachListed<CConnectLineObj>(m_pDocument->m_lineList, [&](CConnectLineObj& line) {
        const CBlockObj* pOther = nullptr;
        if (line.m_pStartBlock == pBlock)
            pOther = line.m_pEndBlock;
        else if (line.m_pEndBlock == pBlock)
            pOther = line.m_pStartBlock;
        else
            return;
        Set(m_lines, &line, IsListed(m_blocks, pOther) != FALSE);
    });
}

CBlockObj* CDiagramSelection::BlockAt(int x, int y) const
{
    const CPoint point(x, y);
    return FindListed<CBlockObj>(m_blocks, [&](const CBlockObj& block) { return BodyRect(block).PtInRect(point); });
}

CBlockObj* CDiagramSelection::BlockPinsAt(int x, int y) const
{
    const CPoint point(x, y);
    return FindListed<CBlockObj>(m_blocks, [&](const CBlockObj& block) {
        CRect rect = BodyRect(block);
        rect.InflateRect(PIN_STUB_REACH, 0);
        return rect.PtInRect(point);
    });
}

CConnectLineObj* CDiagramSelection::LineAt(int x, int y) const
{
    return FindListed<CConnectLineObj>(m_lines, [&](const CConnectLineObj& line) {
        return line.HitTest(x, y, nullptr, nullptr, nullptr);
    });
}

CBlockComment* CDiagramSelection::CommentAt(int x, int y) const
{
    const CPoint point(x, y);
    return FindListed<CBlockComment>(m_comments, [&](const CBlockComment& comment) { return comment.HitTest(point); });
}

void CDiagramSelection::SaveDragStarts()
{
    ForEachListed<CBlockObj>(m_blocks, [](CBlockObj& block) { block.m_ptDragStart = block.m_ptPos; });
    ForEachListed<CBlockComment>(m_comments, [](CBlockComment& comment) {
        comment.m_ptDragStart = CPoint(comment.m_nLeft, comment.m_nTop);
    });
}
