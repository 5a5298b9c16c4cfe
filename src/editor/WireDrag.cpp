// Dragging a wire's end or one of its segments, and the segments of selected wires that follow
// a move of the selection; the route is tidied and the junction dots worked out again when the
// drag ends.
#include "editor/WireDrag.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/Junctions.h"
#include "document/LineEnds.h"
#include "document/LineRoute.h"
#include "document/PinHits.h"
#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "platform/core/PtrArray.h"
#include "platform/ui/KeyState.h"

namespace {

// A vertical segment may not come closer than this to the pin its row leads to.
constexpr int PIN_ROW_CLEARANCE = 6;

// Route shapes whose segments a block drag or an arrow key moves.
constexpr INT_PTR ROUTE_FOUR = 4;
constexpr INT_PTR ROUTE_SIX = 6;
constexpr int SECOND_SEGMENT = 2;
constexpr int THIRD_SEGMENT = 3;
constexpr int FOURTH_SEGMENT = 4;

// Segment directions of the wire hit test.
constexpr int SEGMENT_VERTICAL = 0;
constexpr int SEGMENT_HORIZONTAL = 1;
constexpr int SEGMENT_AT_END = -1;
constexpr int SEGMENT_NONE = -2;

// Which end of the wire a press on the block's pin grabs: 1 the end, -1 the start, 0 neither
// (the wire merely passes the pin). A wire with both ends at the block goes by the pin.
int WireEndAtPin(const CConnectLineObj& line, const CBlockObj* pBlock, int nPin)
{
    const bool bEnd = line.m_pEndBlock == pBlock;
    const bool bStart = line.m_pStartBlock == pBlock;
    if (bEnd && bStart)
        return line.m_nStartPin == nPin && line.m_nEndPin != nPin ? -1 : 1;
    return bEnd ? 1 : (bStart ? -1 : 0);
}

BOOL IsSegmentIndex(const CConnectLineObj& line, int k) { return k >= 1 && k < line.m_arrVertices.GetSize(); }

// A horizontal segment k moves up or down: its first vertex by dy, its second to the same level.
void MoveHorizontalSegment(CConnectLineObj& line, int k, int dy)
{
    if (!IsSegmentIndex(line, k))
        return;
    line.m_arrVertices[k - 1].y += dy;
    line.m_arrVertices[k].y = line.m_arrVertices[k - 1].y;
}

void OffsetVertices(CConnectLineObj& line, INT_PTR nFirst, INT_PTR nLast, int dx, int dy)
{
    for (INT_PTR i = nFirst; i <= nLast && i < line.m_arrVertices.GetSize(); ++i)
        line.m_arrVertices[i].Offset(dx, dy);
}

// Dragging a segment at either end of the wire bends the wire instead of tearing its ends off
// their pins: a straight wire gets a middle vertex, the inner vertices of the standard routes
// move with the step.
void BendAtEnd(CConnectLineObj& line, int dx, int dy)
{
    switch (line.m_arrVertices.GetSize()) {
    case 2: {
        const CPoint& a = line.m_arrVertices[0];
        const CPoint& b = line.m_arrVertices[1];
        line.m_arrVertices.InsertAt(1, CPoint((a.x + b.x) / 2, (a.y + b.y) / 2));
        break;
    }
    case 3:
        OffsetVertices(line, 1, 1, dx, dy);
        break;
    case 4:
        OffsetVertices(line, 1, 2, dx, dy);
        break;
    case 6:
        OffsetVertices(line, 1, 4, dx, dy);
        break;
    default:
        break;
    }
}

// The segment direction an arrow key moves: Up and Down move horizontal segments, Left and
// Right vertical ones.
int DirectionOfKey(UINT nKey)
{
    if (nKey == UINT(VK_UP) || nKey == UINT(VK_DOWN))
        return SEGMENT_HORIZONTAL;
    if (nKey == UINT(VK_LEFT) || nKey == UINT(VK_RIGHT))
        return SEGMENT_VERTICAL;
    return SEGMENT_NONE;
}

// The direction a step of the whole selection gives: a vertical step moves horizontal
// segments, a horizontal step vertical ones, a slanted step bends the ends.
int DirectionOfStep(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return SEGMENT_NONE;
    if (dx == 0)
        return SEGMENT_HORIZONTAL;
    return dy == 0 ? SEGMENT_VERTICAL : SEGMENT_AT_END;
}

void ReleaseCaptureOf(const CWnd* pWnd)
{
    if (CWnd::GetCapture() == pWnd)
        CWnd::ReleaseCapture();
}

} // namespace

void CWireDrag::Begin(CPoint pt)
{
    m_nSegmentDir = NO_SEGMENT_DIRECTION;
    const CConnectLineObj* pLine = m_view.m_pCurLine;
    int nSegment = 0;
    int nDir = 0;
    if (pLine && pLine->HitTest(pt.x, pt.y, &nSegment, &nDir, nullptr))
        Hold(nSegment, nDir);
}

void CWireDrag::GrabEndAt(CConnectLineObj& line, int x, int y, bool bFromSelection)
{
    CBlockObj* pBlock = bFromSelection ? m_view.Selection().BlockPinsAt(x, y) : nullptr;
    if (!pBlock)
        pBlock = m_view.m_pDocument->BlockAtPointWithPins(x, y);
    int nPin = -1;
    if (pBlock) {
        nPin = PinAt(pBlock, x, y);
    } else if (bFromSelection && (pBlock = PowerBusAt(*m_view.m_pDocument, x, y)) != nullptr) {
        // The rail has no stubs: anywhere on it is its one output.
        nPin = BLOCK_FIRST_OUTPUT;
    }
    if (nPin < 0)
        return;
    const int nEnd = WireEndAtPin(line, pBlock, nPin);
    if (nEnd == 0)
        return;
    line.m_bEndDrag = 1;
    line.m_nDragEnd = nEnd;
}

void CWireDrag::Follow(CPoint pt, CSize step)
{
    CConnectLineObj* pCurLine = m_view.m_pCurLine;
    if (m_view.Selection().Lines().IsEmpty() || !pCurLine)
        return;
    if (pCurLine->m_bEndDrag) {
        CArray<CPoint>& vertices = pCurLine->m_arrVertices;
        if (vertices.GetSize() > 0)
            vertices[pCurLine->m_nDragEnd == -1 ? 0 : vertices.GetSize() - 1] = pt;
        m_view.InvalidateAll();
        return;
    }
    if (!m_view.Selection().Contains(pCurLine))
        return;
    // A fast move can leave the segment behind the hit margin: the segment last grabbed goes on
    // following the mouse.
    int nSegment = 0;
    int nDir = 0;
    int stepFlags[2] = {step.cx, step.cy};
    if (pCurLine->HitTest(pt.x, pt.y, &nSegment, &nDir, stepFlags))
        Hold(nSegment, nDir);
    if (m_nSegmentDir == SEGMENT_VERTICAL || m_nSegmentDir == SEGMENT_HORIZONTAL)
        DragSegment(step.cx, step.cy, *pCurLine, nullptr, m_view.m_nEditMode == EDIT_MODE_DRAG_LINE);
    else if (m_nSegmentDir == SEGMENT_AT_END)
        m_view.MoveSelection(step.cx, step.cy, nullptr);
    else
        return;
    m_view.KeepSelectionOnPage(pt.x, pt.y);
    m_view.InvalidateAll();
}

void CWireDrag::End(CPoint pt)
{
    m_view.m_nEditMode = EDIT_MODE_SELECT;
    ReleaseCaptureOf(&m_view);
    if (!m_view.Selection().Lines().IsEmpty() && m_view.m_pCurLine) {
        if (m_view.m_pCurLine->m_bEndDrag)
            ReattachDraggedEnd(pt);
        else
            TidyMovedLines(TRUE);
    }
    m_view.FinishMove();
    m_view.InvalidateAll();
}

void CWireDrag::TidyMovedLines(BOOL bSelected)
{
    CVetlaDoc& doc = *m_view.m_pDocument;
    CPtrArray lines;
    for (POSITION pos = doc.m_lineList.GetHeadPosition(); pos;) {
        auto* pLine = static_cast<CConnectLineObj*>(doc.m_lineList.GetNext(pos));
        if (pLine->m_bMoved || (bSelected && pLine->m_bLineSelected))
            lines.Add(pLine);
    }
    for (INT_PTR i = 0; i < lines.GetSize(); ++i)
        TidyDraggedRoute(*static_cast<CConnectLineObj*>(lines[i]));
    m_view.InvalidateAll();
    for (INT_PTR i = 0; i < lines.GetSize(); ++i) {
        auto* pLine = static_cast<CConnectLineObj*>(lines[i]);
        RefreshJunctionsAtPin(doc, pLine->m_pStartBlock, pLine->m_nStartPin);
        RefreshJunctionsAtPin(doc, pLine->m_pEndBlock, pLine->m_nEndPin);
    }
    ClearLineMoveMarks(doc);
}

void CWireDrag::ReattachDraggedEnd(CPoint pt)
{
    CVetlaDoc& doc = *m_view.m_pDocument;
    CWireTool& wireTool = m_view.WireTool();
    CConnectLineObj* pLine = m_view.m_pCurLine;
    const BOOL bEnd = pLine->m_nDragEnd == 1;
    CBlockObj* pOld = bEnd ? pLine->m_pEndBlock : pLine->m_pStartBlock;
    const int nOldPin = bEnd ? pLine->m_nEndPin : pLine->m_nStartPin;
    CBlockObj* pTarget = doc.BlockAtPointWithPins(pt.x, pt.y);
    int nPin = PinAt(pTarget, pt.x, pt.y);
    if (!pTarget && doc.IsLadder()) {
        pTarget = PowerBusAt(*m_view.m_pDocument, pt.x, pt.y);
        nPin = pTarget ? BLOCK_FIRST_OUTPUT : -1;
    }
    BOOL bRestore = nPin < 0 || wireTool.HoverVerdict() != HOVER_ALLOWED || IsConnectorBlock(pOld);
    if (!bRestore && !(pTarget == pOld && nPin == nOldPin)) {
        m_view.ReattachLineEnd(pt, pTarget, nPin);
        if (wireTool.HoverVerdict() != HOVER_ALLOWED) {
            wireTool.SetHoverVerdict(HOVER_ALLOWED);
            bRestore = TRUE;
        } else {
            RefreshJunctionsAtPin(doc, pOld, nOldPin);
        }
    } else {
        bRestore = TRUE;
    }
    if (bRestore && pLine->m_arrVertices.GetSize() > 0) {
        if (bEnd)
            pLine->m_arrVertices[pLine->m_arrVertices.GetSize() - 1] = pLine->m_ptEnd;
        else
            pLine->m_arrVertices[0] = pLine->m_ptStart;
    }
    pLine->m_bEndDrag = 0;
    pLine->m_nDragEnd = 0;
    m_view.InvalidateAll();
}

void CWireDrag::DragSegment(int dx, int dy, CConnectLineObj& line, const UINT* pKey, bool bHeld)
{
    // Only the wire drag has a segment of its own under the mouse; a key or a drag of the whole
    // selection moves the segments the route's shape offers.
    const bool bByShape = pKey || !bHeld;
    int nDirection = m_nSegmentDir;
    if (pKey)
        nDirection = DirectionOfKey(*pKey);
    else if (bByShape)
        nDirection = DirectionOfStep(dx, dy);
    const INT_PTR n = line.m_arrVertices.GetSize();

    switch (nDirection) {
    case SEGMENT_HORIZONTAL:
        if (!bByShape)
            MoveHorizontalSegment(line, m_nSegment, dy);
        else if (n == ROUTE_SIX)
            MoveHorizontalSegment(line, THIRD_SEGMENT, dy);
        break;
    case SEGMENT_VERTICAL:
        if (!bByShape) {
            MoveVerticalSegment(line, m_nSegment, dx);
        } else if (n == ROUTE_FOUR) {
            MoveVerticalSegment(line, SECOND_SEGMENT, dx);
        } else if (n == ROUTE_SIX) {
            MoveVerticalSegment(line, FOURTH_SEGMENT, dx);
            MoveVerticalSegment(line, SECOND_SEGMENT, dx);
        }
        break;
    case SEGMENT_AT_END:
        BendAtEnd(line, dx, dy);
        break;
    default:
        break;
    }
}

// A vertical segment k moves sideways, unless that brings it too close to a pin on its row.
void CWireDrag::MoveVerticalSegment(CConnectLineObj& line, int k, int dx)
{
    if (!IsSegmentIndex(line, k))
        return;
    CPoint& first = line.m_arrVertices[k - 1];
    CPoint& second = line.m_arrVertices[k];
    const int x = first.x + dx;
    m_nSegment = k;
    if (IsSegmentAtPinRow(x, &line))
        return;
    first.x = x;
    second.x = x;
}

BOOL CWireDrag::IsSegmentAtPinRow(int x, const CConnectLineObj* pLine) const
{
    if (!pLine || !IsSegmentIndex(*pLine, m_nSegment))
        return FALSE;
    // Too close to a pin whose row the segment reaches: left of an output's clearance, right of
    // an input's.
    auto blocked = [x](const CPoint& pin, int nPin) {
        return nPin >= BLOCK_FIRST_OUTPUT ? x < pin.x + PIN_ROW_CLEARANCE : x > pin.x - PIN_ROW_CLEARANCE;
    };
    for (int k : {m_nSegment - 1, m_nSegment}) {
        const CPoint& vertex = pLine->m_arrVertices[k];
        if (vertex.y == pLine->m_ptStart.y && blocked(pLine->m_ptStart, pLine->m_nStartPin))
            return TRUE;
        if (vertex.y == pLine->m_ptEnd.y && blocked(pLine->m_ptEnd, pLine->m_nEndPin))
            return TRUE;
    }
    return FALSE;
}
