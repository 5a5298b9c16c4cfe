// Connector pairs: a long wire cut into a Male beside the block that drives it and a Female
// beside the block it feeds, each on the first free spot of a fixed outward search; joining a
// pair back into one wire; going to a connector's partner; the Cut/Join Connection mode; and
// cutting every wire that crosses a block (after an upload or a ladder conversion).
#include "editor/VetlaView.h"

#include "blocks/BlockConnector.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/VetlaDoc.h"
#include "editor/DiagramEditHelpers.h"
#include "platform/core/CmdTarget.h"
#include "platform/ui/Cursor.h"

#include <array>
#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr int CONNECTOR_WIDTH = 15;
constexpr int CONNECTOR_HEIGHT = 10;
// A Female stands this far left of the input it feeds, a Male this far right of the output
// that drives it, both raised to centre their pin on the wire's row.
constexpr int FEMALE_GAP = 35;
constexpr int MALE_GAP = 20;
constexpr int CONNECTOR_RAISE = 5;
constexpr int SEARCH_STEP = 20;
constexpr int SEARCH_OFFSET_COUNT = 136;

// The outward search around a connector's first spot, in grid steps: the spot itself, then
// eight rings, each ring k the cells (dx, -k), (dx, +k) for dx = 0 .. k-2, then (k-1, -j),
// (k-1, +j) for j = 1 .. k, then (k, 0), which the last ring leaves out. Males search to the
// right; a Female takes dx negated and searches to the left.
using SearchOffsets = std::array<std::pair<int, int>, SEARCH_OFFSET_COUNT>;

constexpr SearchOffsets BuildSearchOffsets()
{
    SearchOffsets offsets{};
    std::size_t i = 1;
    for (int k = 1; k <= 8; ++k) {
        for (int dx = 0; dx <= k - 2; ++dx) {
            offsets[i++] = {dx, -k};
            offsets[i++] = {dx, k};
        }
        for (int j = 1; j <= k; ++j) {
            offsets[i++] = {k - 1, -j};
            offsets[i++] = {k - 1, j};
        }
        if (k < 8)
            offsets[i++] = {k, 0};
    }
    return offsets;
}

constexpr SearchOffsets kSearchOffsets = BuildSearchOffsets();
static_assert(kSearchOffsets[3] == std::pair(1, 0) && kSearchOffsets[10] == std::pair(2, 0) &&
              kSearchOffsets[SEARCH_OFFSET_COUNT - 1] == std::pair(7, 8));

// One end of a wire: its block, pin and point.
struct LineEnd {
    CBlockObj* pBlock = nullptr;
    int nPin = -1;
    CPoint pt;
};

// The wire's end on an input pin (bInput) or on an output pin; FALSE when it has none.
BOOL FindLineEnd(const CConnectLineObj& line, BOOL bInput, LineEnd* pEnd)
{
    const auto isWanted = [bInput](int nPin) { return (nPin < BLOCK_FIRST_OUTPUT) == bool(bInput); };
    if (isWanted(line.m_nStartPin))
        *pEnd = {line.m_pStartBlock, line.m_nStartPin, line.m_ptStart};
    else if (isWanted(line.m_nEndPin))
        *pEnd = {line.m_pEndBlock, line.m_nEndPin, line.m_ptEnd};
    else
        return FALSE;
    return TRUE;
}

// The rectangle a wire segment takes: 2 units to each side of its run.
CRect SegmentRect(const CPoint& a, const CPoint& b)
{
    CRect rc(a.x, a.y, b.x, b.y);
    rc.NormalizeRect();
    if (a.x == b.x)
        rc.InflateRect(2, 0);
    else if (a.y == b.y)
        rc.InflateRect(0, 2);
    else
        rc.InflateRect(2, 2);
    return rc;
}

BOOL LineTouches(const CConnectLineObj& line, const CRect& rc)
{
    for (INT_PTR i = 1; i < line.m_arrVertices.GetSize(); ++i) {
        CRect rcCommon;
        const CRect rcSegment = SegmentRect(line.m_arrVertices[i - 1], line.m_arrVertices[i]);
        if (rcCommon.IntersectRect(&rcSegment, &rc))
            return TRUE;
    }
    return FALSE;
}

CRect BlockRect(const CBlockObj& block)
{
    return CRect(block.m_ptPos.x, block.m_ptPos.y, block.m_ptPos.x + block.m_nWidth, block.m_ptPos.y + block.m_nHeight);
}

// A wire at a connector is already half of a pair.
BOOL IsPairHalf(const CConnectLineObj& line)
{
    return IsConnectorBlock(line.m_pStartBlock) || IsConnectorBlock(line.m_pEndBlock);
}

// A wire runs through a block: a segment meets the block widened by 2 at the sides and 5 on
// top (the wire's own pins lie just outside that).
BOOL CrossesBlock(const CVetlaDoc& doc, const CConnectLineObj& line)
{
    for (const CBlockObj* pBlock : ListSnapshot<CBlockObj>(doc.m_blockList)) {
        CRect rc = BlockRect(*pBlock);
        rc.InflateRect(2, 5, 2, 0);
        if (LineTouches(line, rc))
            return TRUE;
    }
    return FALSE;
}

// Draws one wire of a pair with the wire tool, from the far pin to the connector's pin, as a
// hand-drawn wire is drawn. The wire only replaces one the rules allowed, so should the tool
// still refuse it, it is laid without them.
void LayPairWire(CVetlaView& view, const LineEnd& far, CBlockObj* pConnector, CPoint ptPin, int nPin, BOOL bUndo)
{
    CVetlaDoc& doc = *view.m_pDocument;
    const INT_PTR nBefore = doc.m_lineList.GetCount();
    if (view.m_nWireState != 0)
        view.EndConnectMode();
    view.m_nHoverVerdict = HOVER_ALLOWED;
    view.WireClickAt(far.pt.x, far.pt.y);
    view.m_bUndoOnWire = bUndo;
    view.m_nHoverVerdict = HOVER_ALLOWED;
    view.WireClickAt(ptPin.x, ptPin.y);
    view.m_bUndoOnWire = 1;
    if (doc.m_lineList.GetCount() > nBefore)
        return;
    if (view.m_nWireState != 0)
        view.EndConnectMode();
    view.ConnectPins(far.pt, far.pBlock, far.nPin, ptPin, pConnector, nPin);
    if (bUndo)
        doc.m_undo.SaveState(&doc);
}

// The current wire or connector becomes the only selection.
template <class T>
void SelectOnly(CVetlaView& view, CObList& selection, T* pObject)
{
    view.ClearSelection(SELECTION_ALL);
    AddToSelection(selection, pObject);
}

} // namespace

CBlockObj* CVetlaView::CreateConnector(int nType, POINT* pWireEnd)
{
    CBlockObj* pConnector = nType == BT_FEMALE ? new CBlockFemale(BT_FEMALE)
                            : nType == BT_MALE ? static_cast<CBlockObj*>(new CBlockMale(BT_MALE))
                                               : new CBlockObj(nType, 4);
    pConnector->InitForDocument(m_pDocument);
    pConnector->m_nWidth = CONNECTOR_WIDTH;
    pConnector->m_nHeight = CONNECTOR_HEIGHT;
    LineEnd end;
    const BOOL bFemale = nType == BT_FEMALE;
    if ((bFemale || nType == BT_MALE) && m_pCurLine && FindLineEnd(*m_pCurLine, bFemale, &end)) {
        pConnector->m_ptPos = CPoint(end.pt.x + (bFemale ? -FEMALE_GAP : MALE_GAP), end.pt.y - CONNECTOR_RAISE);
        if (pWireEnd)
            *pWireEnd = end.pt;
    }
    pConnector->m_ptPos2 = pConnector->m_ptPos;
    return pConnector;
}

void CVetlaView::LookupSearchOffset(CBlockObj* pConnector, POINT* pOffset, BYTE nIndex)
{
    if (nIndex >= SEARCH_OFFSET_COUNT) {
        *pOffset = {0, 0};
        return;
    }
    const auto [dx, dy] = kSearchOffsets[nIndex];
    const BOOL bFemale = pConnector && pConnector->IsKindOf(RUNTIME_CLASS(CBlockFemale));
    *pOffset = {bFemale ? -dx : dx, dy};
}

BOOL CVetlaView::OffsetCollides(CBlockObj* pBlock, POINT* pOffset)
{
    CRect rc = BlockRect(*pBlock);
    rc.OffsetRect(SEARCH_STEP * pOffset->x, SEARCH_STEP * pOffset->y);
    // The extent is the scroll size, in view units, as the search has always measured it.
    if (rc.left <= 0 || rc.top <= 0 || rc.left >= m_sizeTotal.cx || rc.right >= m_sizeTotal.cx ||
        rc.top >= m_sizeTotal.cy || rc.bottom >= m_sizeTotal.cy)
        return TRUE;
    if (!m_pDocument)
        return FALSE;
    for (const CBlockObj* pOther : ListSnapshot<CBlockObj>(m_pDocument->m_blockList)) {
        CRect rcOther = BlockRect(*pOther);
        const int nSide = IsConnectorBlock(pOther) ? 2 : 5;
        rcOther.InflateRect(nSide, 5, nSide, 0);
        CRect rcCommon;
        if (rcCommon.IntersectRect(&rc, &rcOther))
            return TRUE;
    }
    for (const CConnectLineObj* pLine : ListSnapshot<CConnectLineObj>(m_pDocument->m_lineList)) {
        if (pLine->m_arrVertices.GetSize() >= 2 && LineTouches(*pLine, rc))
            return TRUE;
    }
    return FALSE;
}

void CVetlaView::PlaceConnectorFree(CBlockObj* pConnector)
{
    POINT offset = {0, 0};
    BOOL bFree = !OffsetCollides(pConnector, &offset);
    for (int i = 1; !bFree && i < SEARCH_OFFSET_COUNT; ++i) {
        LookupSearchOffset(pConnector, &offset, BYTE(i));
        bFree = !OffsetCollides(pConnector, &offset);
    }
    // Without a free spot the connector stays where it was made.
    if (!bFree)
        offset = {0, 0};
    pConnector->m_ptPos.Offset(SEARCH_STEP * offset.x, SEARCH_STEP * offset.y);
    pConnector->m_ptPos2 = pConnector->m_ptPos;
}

BOOL CVetlaView::IsConnectorPairInSelection(CBlockObj* pConnector)
{
    if (!m_pDocument || m_selBlocks.IsEmpty() || !IsConnectorBlock(pConnector))
        return FALSE;
    const CBlockObj* pNear = FarBlockOfConnector(*m_pDocument, pConnector);
    const CBlockObj* pFar = FarBlockOfConnector(*m_pDocument, FindPartner(*m_pDocument, pConnector));
    return pNear && pFar && pNear->m_bSelected && pFar->m_bSelected;
}

void CVetlaView::SeparateLine()
{
    if (!m_pDocument || !m_pCurLine)
        return;
    CVetlaDoc& doc = *m_pDocument;
    CConnectLineObj* pLine = m_pCurLine;
    LineEnd input;
    LineEnd output;
    if (IsPowerBusLine(doc, pLine) || IsPairHalf(*pLine) || !FindLineEnd(*pLine, TRUE, &input) ||
        !FindLineEnd(*pLine, FALSE, &output))
        return;
    // The room is checked before the wire goes, so that a refusal changes nothing.
    if (!doc.HasRoomForBlock(BT_FEMALE, nullptr) || !doc.HasRoomForBlock(BT_MALE, nullptr)) {
        m_nEditMode = EDIT_MODE_SELECT;
        if (GetCapture() == this)
            ReleaseCapture();
        return;
    }
    POINT ptFemaleEnd = {};
    POINT ptMaleEnd = {};
    std::unique_ptr<CBlockObj> pFemale(CreateConnector(BT_FEMALE, &ptFemaleEnd));
    std::unique_ptr<CBlockObj> pMale(CreateConnector(BT_MALE, &ptMaleEnd));

    m_pCurBlock = nullptr;
    m_pCurComment = nullptr;
    SelectOnly(*this, m_selLines, pLine);
    DeleteSelection();

    for (CBlockObj* pConnector : {pFemale.get(), pMale.get()}) {
        PlaceConnectorFree(pConnector);
        doc.AddBlock(pConnector);
    }
    CBlockObj* pF = pFemale.release();
    CBlockObj* pM = pMale.release();
    input.pt = ptFemaleEnd;
    output.pt = ptMaleEnd;
    LayPairWire(*this, input, pF, CPoint(pF->m_ptPos.x + pF->m_nWidth, pF->m_ptPos.y + pF->m_nHeight / 2),
                BLOCK_FIRST_OUTPUT, FALSE);
    LayPairWire(*this, output, pM, CPoint(pM->m_ptPos.x, pM->m_ptPos.y + pM->m_nHeight / 2), 0, FALSE);
    doc.m_undo.SaveState(&doc);
    InvalidateAll();
}

void CVetlaView::JoinConnectorPair()
{
    if (!m_pDocument)
        return;
    CVetlaDoc& doc = *m_pDocument;
    CBlockObj* pConnector = nullptr;
    if (m_pCurLine && IsConnectorBlock(m_pCurLine->m_pEndBlock))
        pConnector = m_pCurLine->m_pEndBlock;
    else if (IsConnectorBlock(m_pCurBlock))
        pConnector = m_pCurBlock;
    CBlockObj* pPartner = FindPartner(doc, pConnector);
    const CConnectLineObj* pNear = doc.FindLineToConnector(pConnector);
    const CConnectLineObj* pFar = doc.FindLineToConnector(pPartner);
    // A pair missing a wire stands for no wire that could be drawn again.
    if (!pPartner || !pNear || !pFar)
        return;
    const LineEnd a = {pNear->m_pStartBlock, pNear->m_nStartPin, pNear->m_ptStart};
    const LineEnd b = {pFar->m_pStartBlock, pFar->m_nStartPin, pFar->m_ptStart};
    m_pCurLine = nullptr;
    m_pCurBlock = nullptr;
    m_pCurComment = nullptr;
    SelectOnly(*this, m_selBlocks, pConnector);
    DeleteSelection();
    LayPairWire(*this, a, b.pBlock, b.pt, b.nPin, TRUE);
    InvalidateAll();
}

void CVetlaView::OnWireSeparate()
{
    if (!m_pDocument || m_pDocument->m_bSimulating)
        return;
    CVetlaDoc& doc = *m_pDocument;
    const CPoint pt = m_ptContext;
    if (CConnectLineObj* pLine = doc.LineAtPoint(pt.x, pt.y)) {
        if (IsPowerBusLine(doc, pLine)) {
            RemoveFromSelection(m_selLines, pLine);
            InvalidateAll();
            return;
        }
        m_pCurBlock = nullptr;
        m_pCurComment = nullptr;
        m_pCurLine = pLine;
        SelectOnly(*this, m_selLines, pLine);
        if (IsConnectorBlock(pLine->m_pEndBlock))
            JoinConnectorPair();
        else
            SeparateLine();
        return;
    }
    if (CBlockObj* pBlock = doc.BlockAtPoint(pt.x, pt.y)) {
        m_pCurLine = nullptr;
        m_pCurComment = nullptr;
        m_pCurBlock = pBlock;
        SelectOnly(*this, m_selBlocks, pBlock);
        if (IsConnectorBlock(pBlock))
            JoinConnectorPair();
        InvalidateAll();
    }
}

void CVetlaView::OnWireJoin()
{
    if (m_pDocument && !m_pDocument->m_bSimulating)
        JoinConnectorPair();
}

void CVetlaView::OnGoToPartner()
{
    if (!m_pDocument)
        return;
    CBlockObj* pPartner = FindPartner(*m_pDocument, m_pCurBlock);
    if (!pPartner)
        return;
    m_pCurLine = nullptr;
    m_pCurComment = nullptr;
    m_pCurBlock = pPartner;
    SelectOnly(*this, m_selBlocks, pPartner);
    InvalidateAll();
}

void CVetlaView::OnCutJoinConnection()
{
    if (m_nEditMode == EDIT_MODE_CUT_JOIN) {
        m_nEditMode = EDIT_MODE_SELECT;
        return;
    }
    if (m_nEditMode == EDIT_MODE_SIMULATE)
        OnSimulation();
    if (m_nWireState != 0)
        EndConnectMode();
    m_nEditMode = EDIT_MODE_CUT_JOIN;
    if (m_hCursorCutJoin)
        SetCursor(m_hCursorCutJoin);
}

void CVetlaView::OnUpdateCutJoinConnection(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pDocument && !m_pDocument->m_lineList.IsEmpty());
    pCmdUI->SetCheck(m_nEditMode == EDIT_MODE_CUT_JOIN);
}

int CVetlaView::CutWiresCrossingBlocks()
{
    if (!m_pDocument)
        return 0;
    CVetlaDoc& doc = *m_pDocument;
    // Only the wires there were at the start: a cut adds the pair's wires at the end.
    for (CConnectLineObj* pLine : ListSnapshot<CConnectLineObj>(doc.m_lineList)) {
        if (!doc.m_lineList.Find(pLine) || IsPowerBusLine(doc, pLine) || IsPairHalf(*pLine) ||
            !CrossesBlock(doc, *pLine))
            continue;
        m_pCurBlock = nullptr;
        m_pCurComment = nullptr;
        m_pCurLine = pLine;
        SelectOnly(*this, m_selLines, pLine);
        SeparateLine();
    }
    return 0;
}
