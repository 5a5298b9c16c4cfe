// The connection upkeep of the diagram view: the page margins of a moved selection and
// re-attaching a dragged wire end.
#include "editor/VetlaView.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/Junctions.h"
#include "document/LineEnds.h"
#include "document/LineRoute.h"
#include "document/ListWalks.h"
#include "document/VetlaDoc.h"
#include "document/WiringRules.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <vector>

namespace {

// ---- the page margins of the selection ----

// The rectangles that must stay inside the page: a block or a comment with its margins, each
// vertex of a wire with 2 units around it.
CRect BlockMarginRect(const CBlockObj& b)
{
    const int nLeftMargin = b.m_nInputs > 0 ? 5 : 4;
    const int nRightMargin = b.m_nOutputs > 0 ? 5 : 4;
    return CRect(b.m_ptPos.x - nLeftMargin, b.m_ptPos.y - 12, b.m_ptPos.x + b.m_nWidth + nRightMargin,
                 b.m_ptPos.y + b.m_nHeight + 4);
}

CRect CommentMarginRect(const CBlockComment& c)
{
    return CRect(c.m_nLeft - 4, c.m_nTop - 12, c.m_nLeft + c.m_nBoxWidth + 4, c.m_nTop + c.m_nBoxHeight + 4);
}

// How far the selection reaches past each margin of the page (0 where it stays inside): the
// page is the rectangle from 1 to the width and height less 1.
struct PageOvershoot {
    int nLeft = 0;
    int nTop = 0;
    int nRight = 0;
    int nBottom = 0;

    void Add(const CRect& rc, int nWidth, int nHeight)
    {
        nLeft = std::max(nLeft, 1 - rc.left);
        nTop = std::max(nTop, 1 - rc.top);
        nRight = std::max(nRight, rc.right - nWidth + 1);
        nBottom = std::max(nBottom, rc.bottom - nHeight + 1);
    }
    // Past some margin by more than before.
    bool FurtherThan(const PageOvershoot& before) const
    {
        return nLeft > before.nLeft || nTop > before.nTop || nRight > before.nRight || nBottom > before.nBottom;
    }
};

// The overshoot of the selection moved by (dx, dy) from where it stands.
PageOvershoot SelectionOvershoot(const CDiagramSelection& selection, int nWidth, int nHeight, int dx, int dy)
{
    PageOvershoot overshoot;
    const auto add = [&](CRect rc) {
        rc.OffsetRect(dx, dy);
        overshoot.Add(rc, nWidth, nHeight);
    };
    ForEachListed<const CBlockObj>(selection.Blocks(), [&](const CBlockObj& b) { add(BlockMarginRect(b)); });
    ForEachListed<const CConnectLineObj>(selection.Lines(), [&](const CConnectLineObj& line) {
        for (INT_PTR i = 0; i < line.m_arrVertices.GetSize(); ++i) {
            const CPoint& pt = line.m_arrVertices[i];
            add(CRect(pt.x - 2, pt.y - 2, pt.x + 2, pt.y + 2));
        }
    });
    ForEachListed<const CBlockComment>(selection.Comments(), [&](const CBlockComment& c) { add(CommentMarginRect(c)); });
    return overshoot;
}

// ---- junction dots ----

bool StartsAt(const CConnectLineObj& line, const CBlockObj* pBlock, int nPin)
{
    return line.m_pStartBlock == pBlock && line.m_nStartPin == nPin;
}

void ClearJunctions(CConnectLineObj& line)
{
    line.m_arrJunctions.SetSize(0);
    FitJunctions(line);
}

// ---- re-attaching a dragged wire end ----

// The side of a wire that is dragged, or fixed: its block, pin, number and point.
struct LineSide {
    CBlockObj*& pBlock;
    int& nPin;
    int& nNumber;
    CPoint& pt;
};

LineSide StartSide(CConnectLineObj& line)
{
    return {line.m_pStartBlock, line.m_nStartPin, line.m_nStartBlock, line.m_ptStart};
}

LineSide EndSide(CConnectLineObj& line)
{
    return {line.m_pEndBlock, line.m_nEndPin, line.m_nEndBlock, line.m_ptEnd};
}

bool IsRail(const CVetlaDoc& doc, const CBlockObj* pBlock)
{
    return pBlock && !doc.m_powerBusList.IsEmpty() && doc.m_powerBusList.GetHead() == pBlock;
}

// The route a new wire takes: an elbow half way across, then both ends re-laid on their pins.
// A rung to or from the ladder's rail keeps its two end points.
void RouteLine(CVetlaDoc& doc, CConnectLineObj& line)
{
    line.m_arrVertices.RemoveAll();
    line.m_arrVertices.Add(line.m_ptStart);
    if (doc.IsLadder() && (IsRail(doc, line.m_pStartBlock) || IsRail(doc, line.m_pEndBlock))) {
        line.m_arrVertices.Add(line.m_ptEnd);
        return;
    }
    const int m = (line.m_ptStart.x + line.m_ptEnd.x) / 2;
    line.m_arrVertices.Add(CPoint(m, line.m_ptStart.y));
    line.m_arrVertices.Add(CPoint(m, line.m_ptEnd.y));
    line.m_arrVertices.Add(line.m_ptEnd);
    doc.MoveLineEnd(&line, line.m_ptStart.x, line.m_ptStart.y, TRUE, LinePinSideOf(line.m_nStartPin));
    doc.MoveLineEnd(&line, line.m_ptEnd.x, line.m_ptEnd.y, FALSE, LinePinSideOf(line.m_nEndPin));
}

// The pin a dragged end has left: open again when no wire is left there; a ladder input that
// keeps other wires names the block at the far end of the first of them, and the dots of the
// wires left are recomputed.
void ReleaseOldPin(const CVetlaDoc& doc, CBlockObj* pBlock, int nPin)
{
    const std::vector<CConnectLineObj*> atPin = LinesAtPin(doc, pBlock, nPin);
    if (atPin.empty()) {
        pBlock->m_nPinSource[nPin] = nPin < BLOCK_FIRST_OUTPUT ? LINK_OPEN : LINK_OUTPUT;
        return;
    }
    CConnectLineObj* pFirst = atPin.front();
    const CBlockObj* pFar = StartsAt(*pFirst, pBlock, nPin) ? pFirst->m_pEndBlock : pFirst->m_pStartBlock;
    if (nPin < BLOCK_FIRST_OUTPUT && pFar)
        pBlock->m_nPinSource[nPin] = pFar->m_nNumber;
    UpdateJunctionsAtPin(doc, *pFirst, pBlock, nPin, TRUE);
}

} // namespace

BOOL CVetlaView::KeepSelectionOnPage(int x, int y)
{
    if (!m_pDocument)
        return FALSE;
    const int w = m_pDocument->m_rcExtent.Width();
    const int h = m_pDocument->m_rcExtent.Height();
    // The step from the last point has been made. It is taken back when it brings the selection
    // further past a margin of the page; a selection already off the page (a connector put
    // beside the edge) may still move along it or back onto the page.
    const int dx = x - m_ptLastMouse.x;
    const int dy = y - m_ptLastMouse.y;
    const bool bFurther =
        SelectionOvershoot(m_selection, w, h, 0, 0).FurtherThan(SelectionOvershoot(m_selection, w, h, -dx, -dy));
    if (bFurther)
        MoveSelection(-dx, -dy, nullptr);
    return bFurther;
}

void CVetlaView::ReattachLineEnd(CPoint point, CBlockObj* pTarget, int nPin)
{
    (void)point;  // the end goes to the pin's centre, not to the drop point
    CConnectLineObj* pLine = m_pCurLine;
    if (!pLine || !pTarget || !m_pDocument)
        return;
    CVetlaDoc& doc = *m_pDocument;
    const bool bDragStart = pLine->m_nDragEnd == -1;
    const LineSide dragged = bDragStart ? StartSide(*pLine) : EndSide(*pLine);
    const LineSide fixed = bDragStart ? EndSide(*pLine) : StartSide(*pLine);
    if (IsRefusedDrop(doc, *pLine, *pTarget, nPin)) {
        m_wireTool.SetHoverVerdict(HOVER_INCOMPATIBLE);
        return;
    }
    const int nVerdict = CheckConnectionRules(doc, *pLine, *pTarget, nPin);
    if (nVerdict != HOVER_ALLOWED) {
        m_wireTool.SetHoverVerdict(nVerdict);
        return;
    }

    CBlockObj* pOldBlock = dragged.pBlock;
    const int nOldPin = dragged.nPin;
    if (IsRail(doc, pTarget)) {
        dragged.pt = CPoint(pTarget->m_ptPos.x, fixed.pt.y);
    } else {
        CRect rcPin;
        if (!GetBlockPinRect(&rcPin, pTarget, nPin))
            return;
        dragged.pt = rcPin.CenterPoint();
        // A rung from the rail stays level with the pin it now reaches.
        if (IsRail(doc, fixed.pBlock))
            fixed.pt.y = dragged.pt.y;
    }
    dragged.pBlock = pTarget;
    dragged.nPin = nPin;
    dragged.nNumber = pTarget->m_nNumber;
    WritePinSources(*pLine);
    RouteLine(doc, *pLine);
    ClearJunctions(*pLine);
    if (pOldBlock)
        ReleaseOldPin(doc, pOldBlock, nOldPin);
    if (LinesAtPin(doc, pLine->m_pStartBlock, pLine->m_nStartPin).size() > 1)
        UpdateJunctionsAtPin(doc, *pLine, pLine->m_pStartBlock, pLine->m_nStartPin, TRUE);
    if (LinesAtPin(doc, pLine->m_pEndBlock, pLine->m_nEndPin).size() > 1)
        UpdateJunctionsAtPin(doc, *pLine, pLine->m_pEndBlock, pLine->m_nEndPin, TRUE);
    // The drag ends with the drop; the snapshot must not keep the wire marked as dragged.
    pLine->m_bEndDrag = 0;
    pLine->m_nDragEnd = 0;
    doc.m_undo.SaveState(&doc);
    InvalidateAll();
}
