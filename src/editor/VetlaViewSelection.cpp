// What lies under the mouse and moving what is selected: the pin hit test with its tolerances,
// the press of select mode, moving blocks with the wires attached to them, dragging wire
// segments, and the checks that keep blocks and comments on the base.
#include "editor/VetlaView.h"

#include <vector>

#include "blocks/BlockComment.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/Junctions.h"
#include "document/LineEnds.h"
#include "document/LineRoute.h"
#include "document/StraightWire.h"
#include "document/VetlaDoc.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/Msg.h"

namespace {

constexpr UINT IDS_PLACED_OFF_BASE = 339;

// Pin stubs are tested with a little slack: an input is reached from its wire's side and a
// little into the body, an output only from outside the body.
constexpr int INPUT_SLACK_LEFT = 2;
constexpr int INPUT_SLACK_RIGHT = 1;
constexpr int OUTPUT_SLACK_RIGHT = 2;
constexpr int PIN_SLACK_VERTICAL = 1;
constexpr int PIN_STUB_SIZE = 5;
// The power rail is thin; a band around it takes the press.
constexpr int POWER_BUS_REACH = 7;

// The margins a placement is pulled into when no block size is known yet.
constexpr int PLACE_MARGIN = 25;
constexpr int PLACE_MARGIN_BOTTOM = 50;
constexpr int PLACE_MARGIN_BOTTOM_BLOCK = 10;

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

CRect BodyRect(const CBlockObj& block)
{
    CRect rect;
    block.GetRect(&rect);
    return rect;
}

BOOL IsSelectedBlock(const CBlockObj* pBlock) { return pBlock && pBlock->m_bSelected; }

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

// A rung from the power rail stays horizontal: the end at the moved block goes along with it,
// the end at the rail follows in y only.
void MoveRungEnd(CConnectLineObj& line, BOOL bStart, int dx, int dy)
{
    CPoint& moved = bStart ? line.m_ptStart : line.m_ptEnd;
    CPoint& atBus = bStart ? line.m_ptEnd : line.m_ptStart;
    moved.Offset(dx, dy);
    atBus.y = moved.y;
    const INT_PTR n = line.m_arrVertices.GetSize();
    if (n == 0)
        return;
    CPoint& movedVertex = line.m_arrVertices[bStart ? 0 : n - 1];
    CPoint& busVertex = line.m_arrVertices[bStart ? n - 1 : 0];
    movedVertex.Offset(dx, dy);
    busVertex.y = movedVertex.y;
}

// Moves the end of the wire that sits on the moved block by the step.
void FollowMovedBlock(CVetlaDoc& doc, CConnectLineObj& line, const CBlockObj* pBlock, int dx, int dy)
{
    const BOOL bStart = line.m_pStartBlock == pBlock;
    const CBlockObj* pOther = bStart ? line.m_pEndBlock : line.m_pStartBlock;
    if (doc.IsLadder() && pOther && pOther->m_nType == BT_POWERBUS) {
        MoveRungEnd(line, bStart, dx, dy);
        return;
    }
    const CPoint end = bStart ? line.m_ptStart : line.m_ptEnd;
    const int nPin = bStart ? line.m_nStartPin : line.m_nEndPin;
    doc.MoveLineEnd(&line, end.x + dx, end.y + dy, bStart, LinePinSideOf(nPin));
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

// Clamps a coordinate that lies on the base but outside the inner area onto the inner edge.
int PullInside(int v, int nBaseLow, int nInnerLow, int nInnerHigh, int nBaseHigh)
{
    if (v >= nBaseLow && v < nInnerLow)
        return nInnerLow;
    if (v >= nInnerHigh && v < nBaseHigh)
        return nInnerHigh;
    return v;
}

void ReportOffBase(UINT nType)
{
    MessageBeep(MB_ICONEXCLAMATION);
    AfxMessageBox(IDS_PLACED_OFF_BASE, nType);
}

// Both corners of the rectangle on the base (its right and bottom edges are off it).
BOOL LiesOnBase(const CRect& base, const CRect& rect)
{
    return base.PtInRect(rect.TopLeft()) && base.PtInRect(rect.BottomRight());
}

// A press on a pin at an end of the selected wire starts dragging that end. bFromSelection: the
// press hit an already selected wire, whose end may also sit on the ladder's power rail.
void GrabLineEndAt(CVetlaView& view, CConnectLineObj& line, int x, int y, bool bFromSelection)
{
    CBlockObj* pBlock = bFromSelection ? view.Selection().BlockPinsAt(x, y) : nullptr;
    if (!pBlock)
        pBlock = view.m_pDocument->BlockAtPointWithPins(x, y);
    int nPin = -1;
    if (pBlock) {
        nPin = view.PinAt(pBlock, x, y);
    } else if (bFromSelection && (pBlock = view.PowerBusAt(x, y)) != nullptr) {
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

// Every moved wire gets a fresh junction list, then the dots at its crowded pins again.
void RefreshJunctionsOfMovedLines(CVetlaView& view)
{
    std::vector<CConnectLineObj*> moved;
    ForEachListed<CConnectLineObj>(view.m_pDocument->m_lineList, [&moved](CConnectLineObj& line) {
        if (!line.m_bMoved)
            return;
        ResetJunctions(line);
        moved.push_back(&line);
    });
    if (!moved.empty())
        RemarkJunctions(*view.m_pDocument, moved);
}

// A vertical segment k moves sideways, unless that brings it too close to a pin on its row.
void MoveVerticalSegment(CVetlaView& view, CConnectLineObj& line, int k, int dx)
{
    if (!IsSegmentIndex(line, k))
        return;
    CPoint& first = line.m_arrVertices[k - 1];
    CPoint& second = line.m_arrVertices[k];
    const int x = first.x + dx;
    view.m_nDragSegment = k;
    if (view.IsSegmentAtPinRow(x, (first.y + second.y) / 2, &line))
        return;
    first.x = x;
    second.x = x;
}

} // namespace

// ---- hit tests ----

int CVetlaView::PinAt(const CBlockObj* pBlock, int x, int y) const
{
    if (!pBlock)
        return -1;
    const CPoint point(x, y);
    // A pin of kind 0 has no stub to hit.
    auto hits = [&](int nPin, int nLeft, int nRight) {
        CRect stub;
        if (pBlock->m_nPinKind[nPin] == PINKIND_NONE || !pBlock->GetPinRect(&stub, nPin, PIN_STUB_SIZE))
            return false;
        stub.InflateRect(nLeft, PIN_SLACK_VERTICAL, nRight, PIN_SLACK_VERTICAL);
        return stub.PtInRect(point) != FALSE;
    };
    for (int i = 0; i < pBlock->m_nInputs && i < BLOCK_FIRST_OUTPUT; ++i) {
        if (hits(i, INPUT_SLACK_LEFT, INPUT_SLACK_RIGHT))
            return i;
    }
    for (int i = BLOCK_FIRST_OUTPUT; i < BLOCK_FIRST_OUTPUT + pBlock->m_nOutputs && i < BLOCK_PIN_COUNT; ++i) {
        if (hits(i, 0, OUTPUT_SLACK_RIGHT))
            return i;
    }
    return -1;
}

CBlockObj* CVetlaView::PowerBusAt(int x, int y) const
{
    if (!m_pDocument || !m_pDocument->IsLadder())
        return nullptr;
    const CPoint point(x, y);
    return FindListed<CBlockObj>(m_pDocument->m_powerBusList, [&](const CBlockObj& rail) {
        CRect rect = BodyRect(rail);
        rect.InflateRect(POWER_BUS_REACH, 0);
        return rect.PtInRect(point);
    });
}

// ---- selection ----

int CVetlaView::PressInSelectMode(int x, int y, UINT nFlags)
{
    if (!m_pDocument)
        return EDIT_MODE_SELECT;
    const bool bToggle = (nFlags & MK_CONTROL) != 0;

    if (CBlockObj* pBlock = m_selection.BlockAt(x, y)) {
        if (bToggle) {
            m_selection.Remove(pBlock);
            m_pCurBlock = nullptr;
        }
        m_selection.SaveDragStarts();
        SetCapture();
        return EDIT_MODE_DRAG_BLOCKS;
    }
    if (CConnectLineObj* pLine = m_selection.LineAt(x, y)) {
        m_pCurLine = pLine;
        if (bToggle) {
            m_selection.Remove(pLine);
            m_pCurLine = nullptr;
        } else {
            GrabLineEndAt(*this, *pLine, x, y, true);
        }
        SetCapture();
        return EDIT_MODE_DRAG_LINE;
    }
    if (CBlockComment* pComment = m_selection.CommentAt(x, y)) {
        if (bToggle) {
            m_selection.Remove(pComment);
            m_pCurComment = nullptr;
        }
        m_selection.SaveDragStarts();
        SetCapture();
        return EDIT_MODE_DRAG_COMMENTS;
    }
    if (CBlockObj* pBlock = m_pDocument->BlockAtPoint(x, y)) {
        m_pCurLine = nullptr;
        m_pCurComment = nullptr;
        InvalidateAll();
        if (bToggle) {
            m_pCurBlock = m_selection.Toggle(pBlock) ? pBlock : nullptr;
            return EDIT_MODE_SELECT;
        }
        if (!m_selection.Contains(pBlock)) {
            m_selection.Clear(SELECTION_ALL);
            m_selection.Add(pBlock);
            m_pCurBlock = pBlock;
        }
        m_selection.SaveDragStarts();
        SetCapture();
        return EDIT_MODE_DRAG_BLOCKS;
    }
    if (CConnectLineObj* pLine = m_pDocument->LineAtPoint(x, y)) {
        m_pCurLine = pLine;
        if (bToggle) {
            if (!m_pDocument->BlockAtPointWithPins(x, y))
                m_selection.Toggle(pLine);
            return EDIT_MODE_SELECT;
        }
        if (!m_selection.Contains(pLine)) {
            m_selection.Clear(SELECTION_ALL);
            m_selection.Add(pLine);
            m_pCurBlock = nullptr;
        } else {
            GrabLineEndAt(*this, *pLine, x, y, false);
        }
        SetCapture();
        return EDIT_MODE_DRAG_LINE;
    }
    if (CBlockComment* pComment = m_pDocument->CommentAtPoint(x, y)) {
        m_pCurComment = pComment;
        m_pCurLine = nullptr;
        m_pCurBlock = nullptr;
        if (bToggle) {
            m_selection.Toggle(pComment);
            return EDIT_MODE_SELECT;
        }
        if (!m_selection.Contains(pComment)) {
            m_selection.Clear(SELECTION_ALL);
            m_selection.Add(pComment);
        }
        m_selection.SaveDragStarts();
        SetCapture();
        return EDIT_MODE_DRAG_COMMENTS;
    }
    m_pCurBlock = nullptr;
    m_pCurLine = nullptr;
    m_pCurComment = nullptr;
    m_selection.Clear(SELECTION_ALL);
    m_selection.StartBand(CPoint(x, y));
    InvalidateAll();
    SetCapture();
    return EDIT_MODE_BAND;
}

// ---- moving ----

void CVetlaView::MoveSelection(int dx, int dy, const UINT* pKey)
{
    if ((dx == 0 && dy == 0) || !m_pDocument)
        return;
    CVetlaDoc& doc = *m_pDocument;
    ClearLineMoveMarks(doc);

    ForEachListed<CBlockObj>(doc.m_blockList, [&](CBlockObj& block) {
        if (!block.m_bSelected)
            return;
        block.m_ptPos.Offset(dx, dy);
        for (CConnectLineObj* pLine : LinesOfBlock(doc, &block)) {
            if (IsSelectedBlock(pLine->m_pStartBlock) && IsSelectedBlock(pLine->m_pEndBlock)) {
                if (!pLine->m_bMoved)
                    OffsetLine(*pLine, dx, dy);
            } else {
                FollowMovedBlock(doc, *pLine, &block, dx, dy);
            }
            pLine->m_bMoved = 1;
        }
    });

    ForEachListed<CConnectLineObj>(doc.m_lineList, [&](CConnectLineObj& line) {
        if (!line.m_bLineSelected || line.m_bMoved)
            return;
        line.m_bMoved = 1;
        DragSegment(dx, dy, &line, pKey);
    });

    RefreshJunctionsOfMovedLines(*this);

    ForEachListed<CBlockComment>(doc.m_commentList, [&](CBlockComment& comment) {
        if (!comment.m_bCommentSelected)
            return;
        comment.m_nLeft += dx;
        comment.m_nTop += dy;
    });
    InvalidateAll();
}

void CVetlaView::DragSegment(int dx, int dy, CConnectLineObj* pLine, const UINT* pKey)
{
    if (!pLine)
        return;
    CConnectLineObj& line = *pLine;
    // Only the wire drag of mode 4 has a segment of its own under the mouse; a key or a drag of
    // the whole selection moves the segments the route's shape offers.
    const bool bByShape = pKey || m_nEditMode != EDIT_MODE_DRAG_LINE;
    int nDirection = m_nDragSegmentDir;
    if (pKey)
        nDirection = DirectionOfKey(*pKey);
    else if (bByShape)
        nDirection = DirectionOfStep(dx, dy);
    const INT_PTR n = line.m_arrVertices.GetSize();

    switch (nDirection) {
    case SEGMENT_HORIZONTAL:
        if (!bByShape)
            MoveHorizontalSegment(line, m_nDragSegment, dy);
        else if (n == ROUTE_SIX)
            MoveHorizontalSegment(line, THIRD_SEGMENT, dy);
        break;
    case SEGMENT_VERTICAL:
        if (!bByShape) {
            MoveVerticalSegment(*this, line, m_nDragSegment, dx);
        } else if (n == ROUTE_FOUR) {
            MoveVerticalSegment(*this, line, SECOND_SEGMENT, dx);
        } else if (n == ROUTE_SIX) {
            MoveVerticalSegment(*this, line, FOURTH_SEGMENT, dx);
            MoveVerticalSegment(*this, line, SECOND_SEGMENT, dx);
        }
        break;
    case SEGMENT_AT_END:
        BendAtEnd(line, dx, dy);
        break;
    default:
        return;
    }
    InvalidateAll();
}

BOOL CVetlaView::IsSegmentAtPinRow(int x, int /*y*/, const CConnectLineObj* pLine) const
{
    if (!pLine || !IsSegmentIndex(*pLine, m_nDragSegment))
        return FALSE;
    // Too close to a pin whose row the segment reaches: left of an output's clearance, right of
    // an input's.
    auto blocked = [x](const CPoint& pin, int nPin) {
        return nPin >= BLOCK_FIRST_OUTPUT ? x < pin.x + PIN_ROW_CLEARANCE : x > pin.x - PIN_ROW_CLEARANCE;
    };
    for (int k : {m_nDragSegment - 1, m_nDragSegment}) {
        const CPoint& vertex = pLine->m_arrVertices[k];
        if (vertex.y == pLine->m_ptStart.y && blocked(pLine->m_ptStart, pLine->m_nStartPin))
            return TRUE;
        if (vertex.y == pLine->m_ptEnd.y && blocked(pLine->m_ptEnd, pLine->m_nEndPin))
            return TRUE;
    }
    return FALSE;
}

// ---- staying on the base ----

BOOL CVetlaView::CheckPlacement(POINT* pPoint, const CBlockObj* pObject)
{
    if (!pPoint || !m_pDocument)
        return FALSE;
    const CRect base = m_pDocument->m_rcExtent;
    if (!base.PtInRect(*pPoint)) {
        ReportOffBase(MB_ICONSTOP);
        return FALSE;
    }
    CRect inner(base.left + PLACE_MARGIN, base.top + PLACE_MARGIN, base.right - PLACE_MARGIN,
                base.bottom - PLACE_MARGIN_BOTTOM);
    if (pObject) {
        const int w = pObject->m_nWidth;
        const int h = pObject->m_nHeight;
        inner.SetRect(base.left + w / 2, base.top + h, base.right - w, base.bottom - PLACE_MARGIN_BOTTOM_BLOCK - h);
    }
    if (inner.PtInRect(*pPoint))
        return TRUE;
    pPoint->x = PullInside(pPoint->x, base.left, inner.left, inner.right, base.right);
    pPoint->y = PullInside(pPoint->y, base.top, inner.top, inner.bottom, base.bottom);
    return TRUE;
}

int CVetlaView::CheckDragEnd()
{
    if (!m_pDocument)
        return 0;
    const CRect base = m_pDocument->m_rcExtent;
    const bool bBlocksOff = FindListed<CBlockObj>(m_selection.Blocks(), [&](const CBlockObj& block) {
                                return !LiesOnBase(base, BodyRect(block));
                            }) != nullptr;
    if (bBlocksOff) {
        CObList blocks;
        blocks.AddTail(&m_selection.Blocks());
        ForEachListed<CBlockObj>(blocks, [this](CBlockObj& block) {
            block.m_ptPos = block.m_ptDragStart;
            PutLineEndsOnPins(*m_pDocument, block);
        });
        RerouteAllLines(*m_pDocument);
        m_selection.Clear(SELECTION_ALL);
        ForEachListed<CBlockObj>(blocks, [this](CBlockObj& block) { m_selection.Add(&block); });
        ReportOffBase(MB_OK);
        InvalidateAll();
        return 1;
    }
    const bool bCommentsOff = FindListed<CBlockComment>(m_selection.Comments(), [&](const CBlockComment& comment) {
                                  return !LiesOnBase(base, comment.GetBoxRect());
                              }) != nullptr;
    if (bCommentsOff) {
        CObList comments;
        comments.AddTail(&m_selection.Comments());
        ForEachListed<CBlockComment>(comments, [](CBlockComment& comment) {
            comment.m_nLeft = comment.m_ptDragStart.x;
            comment.m_nTop = comment.m_ptDragStart.y;
        });
        m_selection.Clear(SELECTION_ALL);
        ForEachListed<CBlockComment>(comments, [this](CBlockComment& comment) { m_selection.Add(&comment); });
        ReportOffBase(MB_OK);
        InvalidateAll();
        return 1;
    }
    return 0;
}
