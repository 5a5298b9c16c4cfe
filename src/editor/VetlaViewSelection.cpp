// Moving what is selected: the press of select mode, moving blocks with the wires attached to
// them, dragging wire segments, and the checks that keep blocks and comments on the base.
#include "editor/VetlaView.h"

#include <vector>

#include "blocks/BlockComment.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/DiagramPlaces.h"
#include "document/Junctions.h"
#include "document/LineEnds.h"
#include "document/LineRoute.h"
#include "document/PinHits.h"
#include "document/Placement.h"
#include "document/StraightWire.h"
#include "document/VetlaDoc.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Msg.h"

namespace {

constexpr UINT IDS_PLACED_OFF_BASE = 339;

CRect BodyRect(const CBlockObj& block)
{
    CRect rect;
    block.GetRect(&rect);
    return rect;
}

BOOL IsSelectedBlock(const CBlockObj* pBlock) { return pBlock && pBlock->m_bSelected; }

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

// Every moved wire gets a fresh junction list, then the dots at its crowded pins again.
void RefreshJunctionsOfMovedLines(CVetlaView& view)
{
    std::vector<CConnectLineObj*> moved;
    ForEachListed<CConnectLineObj>(view.GetDocument()->m_lineList, [&moved](CConnectLineObj& line) {
        if (!line.m_bMoved)
            return;
        ResetJunctions(line);
        moved.push_back(&line);
    });
    if (!moved.empty())
        RemarkJunctions(*view.GetDocument(), moved);
}

} // namespace

// ---- selection ----

int CVetlaView::PressInSelectMode(int x, int y, UINT nFlags)
{
    m_nEditMode = SelectAtPress(x, y, nFlags);
    if (m_nEditMode == EDIT_MODE_DRAG_LINE)
        m_wireDrag.Begin(CPoint(x, y));
    if (m_nEditMode == EDIT_MODE_DRAG_BLOCKS || m_nEditMode == EDIT_MODE_DRAG_COMMENTS ||
        m_nEditMode == EDIT_MODE_DRAG_LINE)
        StartMove();
    return m_nEditMode;
}

int CVetlaView::SelectAtPress(int x, int y, UINT nFlags)
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
            m_wireDrag.GrabEndAt(*pLine, x, y, true);
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
            m_wireDrag.GrabEndAt(*pLine, x, y, false);
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
        m_wireDrag.DragSegment(dx, dy, line, pKey, m_nEditMode == EDIT_MODE_DRAG_LINE);
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

// ---- staying on the base ----

BOOL CVetlaView::CheckPlacement(POINT* pPoint, const CBlockObj* pObject)
{
    if (!pPoint || !m_pDocument)
        return FALSE;
    if (!PullOntoBase(*m_pDocument, *pPoint, pObject)) {
        ReportOffBase(MB_ICONSTOP);
        return FALSE;
    }
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
    const bool bCommentsOff = !bBlocksOff && FindListed<CBlockComment>(m_selection.Comments(), [&](const CBlockComment& comment) {
                                                 return !LiesOnBase(base, comment.GetBoxRect());
                                             }) != nullptr;
    if (!bBlocksOff && !bCommentsOff)
        return 0;
    // A refused move leaves the diagram as it was: the selection goes back to where the drag
    // started, and the wires, which followed it, to the routes and dots they had.
    CObList blocks;
    CObList comments;
    blocks.AddTail(&m_selection.Blocks());
    comments.AddTail(&m_selection.Comments());
    ForEachListed<CBlockObj>(blocks, [](CBlockObj& block) { block.m_ptPos = block.m_ptDragStart; });
    ForEachListed<CBlockComment>(comments, [](CBlockComment& comment) {
        comment.m_nLeft = comment.m_ptDragStart.x;
        comment.m_nTop = comment.m_ptDragStart.y;
    });
    PutBack(*m_pDocument, m_movePlaces);
    // The kind that was refused stays selected.
    m_selection.Clear(SELECTION_ALL);
    if (bBlocksOff)
        ForEachListed<CBlockObj>(blocks, [this](CBlockObj& block) { m_selection.Add(&block); });
    else
        ForEachListed<CBlockComment>(comments, [this](CBlockComment& comment) { m_selection.Add(&comment); });
    ReportOffBase(MB_OK);
    InvalidateAll();
    return 1;
}
