// Connector pairs: a long wire cut into a Male beside the block that drives it and a Female
// beside the block it feeds, each on the first free spot of a fixed outward search; joining a
// pair back into one wire; going to a connector's partner; the Cut/Join Connection mode; and
// cutting every wire that crosses a block (after an upload or a ladder conversion).
#include "editor/VetlaView.h"

#include "blocks/BlockConnector.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/ConnectorSearch.h"
#include "document/Junctions.h"
#include "document/PinHits.h"
#include "document/RangeNumbering.h"
#include "document/StraightWire.h"
#include "document/VetlaDoc.h"
#include "document/WireKinds.h"
#include "editor/DiagramEditHelpers.h"
#include "platform/core/CmdTarget.h"
#include "platform/ui/Cursor.h"

#include <algorithm>
#include <climits>
#include <map>
#include <memory>
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

// A wire at a connector is already half of a pair.
BOOL IsPairHalf(const CConnectLineObj& line)
{
    return IsConnectorBlock(line.m_pStartBlock) || IsConnectorBlock(line.m_pEndBlock);
}

// The centre of the pin's stub, as the wire tool ends a wire there.
CPoint PinCentreOf(CBlockObj* pBlock, int nPin, CPoint ptElse)
{
    CRect rc;
    if (!GetBlockPinRect(&rc, pBlock, nPin))
        return ptElse;
    return CPoint((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
}

// Draws one wire of a pair with the wire tool, from the far pin to the connector's pin, as a
// hand-drawn wire is drawn. The wire only replaces one the rules allowed, so should the tool
// still refuse it, it is laid without them.
void LayPairWire(CVetlaView& view, const WireEnd& far, CBlockObj* pConnector, CPoint ptPin, int nPin, BOOL bUndo)
{
    CVetlaDoc& doc = *view.GetDocument();
    const INT_PTR nBefore = doc.m_lineList.GetCount();
    view.WireTool().DrawWire(far.pt, ptPin, bUndo);
    if (doc.m_lineList.GetCount() > nBefore)
        return;
    if (view.WireTool().IsDrawing())
        view.WireTool().End();
    // The wire still ends on the connector's pin, not on the point pressed at its edge.
    view.WireTool().ConnectPins(far.pt, far.pBlock, far.nPin, PinCentreOf(pConnector, nPin, ptPin), pConnector, nPin);
    if (bUndo)
        doc.m_undo.SaveState(&doc);
}

// ---- cutting every wire that crosses a block ----

// Things that lie along one line of the diagram, each over a span of it, ordered by where the
// span begins: a question about a span looks only at those that begin within the longest span
// before it, not at every one.
template <class T>
class SpanIndex {
public:
    void Add(int nBegin, int nEnd, const T& item)
    {
        m_byBegin.emplace(nBegin, Entry{nEnd, item});
        m_nLongest = std::max(m_nLongest, static_cast<long long>(nEnd) - nBegin);
    }

    // Whether test(item) holds for an item whose span meets nFrom .. nTo.
    template <class Test>
    bool Any(int nFrom, int nTo, Test test) const
    {
        const long long nLow = std::max<long long>(INT_MIN, nFrom - m_nLongest);
        for (auto it = m_byBegin.lower_bound(int(nLow)); it != m_byBegin.end() && it->first <= nTo; ++it) {
            if (it->second.nEnd >= nFrom && test(it->second.item))
                return true;
        }
        return false;
    }

private:
    struct Entry {
        int nEnd;
        T item;
    };
    std::multimap<int, Entry> m_byBegin;
    long long m_nLongest = 0;
};

// Where the blocks and the wire segments of a diagram lie. The blocks are kept by the strips of
// the diagram they cover, down and across, so that a long segment is compared only with the
// blocks of the one strip it runs in and of its span; the wire segments by the line they lie on.
// A block too large for the strips (damaged coordinates) is kept aside and looked at by every
// question.
class DiagramGrid {
public:
    void AddBlock(const CBlockObj* pBlock)
    {
        const CRect rc = BlockRect(*pBlock);
        if (IsBig(rc)) {
            m_bigBlocks.push_back(pBlock);
            return;
        }
        for (long long cx = CellOf(rc.left); cx <= CellOf(rc.right); ++cx)
            m_columns[cx].Add(rc.top, rc.bottom, pBlock);
        for (long long cy = CellOf(rc.top); cy <= CellOf(rc.bottom); ++cy)
            m_rows[cy].Add(rc.left, rc.right, pBlock);
    }
    // A wire is known by the number it was added under: a new wire may take the place in
    // memory of one removed.
    void AddLine(const CConnectLineObj* pLine)
    {
        const std::size_t nId = m_alive.size();
        m_alive.push_back(true);
        m_ids[pLine] = nId;
        for (INT_PTR i = 1; i < pLine->m_arrVertices.GetSize(); ++i) {
            const CPoint& a = pLine->m_arrVertices[i - 1];
            const CPoint& b = pLine->m_arrVertices[i];
            const Segment segment{nId, SegmentRect(a, b)};
            if (a.x == b.x)
                m_vertical[a.x].Add(segment.rc.top, segment.rc.bottom, segment);
            else if (a.y == b.y)
                m_horizontal[a.y].Add(segment.rc.left, segment.rc.right, segment);
            else
                m_slanted.push_back(segment);
        }
    }
    void RemoveLine(const CConnectLineObj* pLine)
    {
        if (const auto it = m_ids.find(pLine); it != m_ids.end()) {
            m_alive[it->second] = false;
            m_ids.erase(it);
        }
    }

    // Whether test(block) holds for a block whose rectangle comes within nReach of rc.
    template <class Test>
    bool AnyBlockNear(const CRect& rc, int nReach, Test test) const
    {
        CRect rcNear = rc;
        rcNear.InflateRect(nReach, nReach);
        if (std::ranges::any_of(m_bigBlocks, test))
            return true;
        // The strips across the rectangle's narrower side.
        const bool bColumns = CellOf(rcNear.right) - CellOf(rcNear.left) <= CellOf(rcNear.bottom) - CellOf(rcNear.top);
        const auto& strips = bColumns ? m_columns : m_rows;
        const long long nLast = bColumns ? CellOf(rcNear.right) : CellOf(rcNear.bottom);
        const int nFrom = bColumns ? rcNear.top : rcNear.left;
        const int nTo = bColumns ? rcNear.bottom : rcNear.right;
        for (auto it = strips.lower_bound(bColumns ? CellOf(rcNear.left) : CellOf(rcNear.top));
             it != strips.end() && it->first <= nLast; ++it) {
            if (it->second.Any(nFrom, nTo, test))
                return true;
        }
        return false;
    }

    // Every block whose rectangle comes within nReach of rc (a block may be visited twice).
    template <class Visit>
    void ForEachBlockNear(const CRect& rc, int nReach, Visit visit) const
    {
        AnyBlockNear(rc, nReach, [&](const CBlockObj* pBlock) {
            visit(pBlock);
            return false;
        });
    }

    // Whether a segment of a wire, as wide as the connector search sees it, meets rc.
    bool AnySegmentMeets(const CRect& rc) const
    {
        const auto meets = [&](const Segment& segment) {
            CRect rcCommon;
            return m_alive[segment.nId] && rcCommon.IntersectRect(&segment.rc, &rc);
        };
        // A run's band reaches 2 to each side of its line.
        const auto anyAt = [&](const Runs& runs, int nFirst, int nLast, int nFrom, int nTo) {
            const auto atLine = [&](const SpanIndex<Segment>& line) { return line.Any(nFrom, nTo, meets); };
            if (static_cast<long long>(nLast) - nFirst > static_cast<long long>(runs.size()))
                return std::ranges::any_of(runs, [&](const auto& run) { return atLine(run.second); });
            for (int v = nFirst; v <= nLast; ++v) {
                const auto it = runs.find(v);
                if (it != runs.end() && atLine(it->second))
                    return true;
            }
            return false;
        };
        return std::ranges::any_of(m_slanted, meets) ||
               anyAt(m_vertical, rc.left - 2, rc.right + 2, rc.top - 2, rc.bottom + 2) ||
               anyAt(m_horizontal, rc.top - 2, rc.bottom + 2, rc.left - 2, rc.right + 2);
    }

private:
    struct Segment {
        std::size_t nId;
        CRect rc;
    };
    // Narrower than the gap between two columns of an uploaded diagram, so that a wire's run
    // between them finds a strip without blocks.
    static constexpr int kCell = 16;
    static constexpr long long kMaxCellsAcross = 16384;

    static long long CellOf(int v) { return v >= 0 ? v / kCell : -((-static_cast<long long>(v) + kCell - 1) / kCell); }
    static bool IsBig(const CRect& rc)
    {
        return CellOf(rc.right) - CellOf(rc.left) > kMaxCellsAcross || CellOf(rc.bottom) - CellOf(rc.top) > kMaxCellsAcross;
    }

    std::map<long long, SpanIndex<const CBlockObj*>> m_columns;
    std::map<long long, SpanIndex<const CBlockObj*>> m_rows;
    std::vector<const CBlockObj*> m_bigBlocks;
    // The runs of the wires by the line they lie on: vertical ones by x, horizontal ones by y.
    using Runs = std::unordered_map<int, SpanIndex<Segment>>;
    Runs m_vertical;
    Runs m_horizontal;
    std::vector<Segment> m_slanted;
    std::unordered_map<const CConnectLineObj*, std::size_t> m_ids;
    std::vector<bool> m_alive;
};

// The cut of every wire that crosses a block, one after the other in the order of the wire list,
// each as Separate would make it: the wire goes, a Female is placed before its input and a Male
// after its output on the first free spot of the search, and the pair is wired with the wire
// tool's route. The diagram's blocks and wires are looked up through a grid and the wires at a
// pin through an index, and the junction dots of the pins the cuts touched are made once at the
// end, so that the work grows with the wires cut and not with the diagram times the cuts. The
// document's history is the caller's: no snapshot is taken per cut.
class CrossingCut {
    static constexpr int kMaxConnectorRoom = 1 << 16;

public:
    explicit CrossingCut(CVetlaView& view)
        : m_view(view), m_doc(*view.GetDocument()), m_females(m_doc, BT_FEMALE), m_males(m_doc, BT_MALE)
    {
        for (POSITION pos = m_doc.m_blockList.GetHeadPosition(); pos;)
            AddBlock(static_cast<CBlockObj*>(m_doc.m_blockList.GetNext(pos)));
        for (POSITION pos = m_doc.m_lineList.GetHeadPosition(); pos;) {
            const POSITION at = pos;
            auto* pLine = static_cast<CConnectLineObj*>(m_doc.m_lineList.GetNext(pos));
            m_positions[pLine] = at;
            Index(pLine);
        }
    }

    int Run()
    {
        int nCut = 0;
        const int nRoom = std::min(RoomFor(BT_FEMALE), RoomFor(BT_MALE));
        for (CConnectLineObj* pLine : ListSnapshot<CConnectLineObj>(m_doc.m_lineList)) {
            if (IsPowerBusLine(m_doc, pLine) || IsPairHalf(*pLine) || !Crosses(*pLine))
                continue;
            WireEnd input;
            WireEnd output;
            if (!FindWireEnd(*pLine, true, &input) || !FindWireEnd(*pLine, false, &output))
                continue;
            if (nCut >= nRoom) {
                m_view.ResetEditMode();
                break;
            }
            Cut(pLine, input, output);
            ++nCut;
        }
        RemarkTouchedPins();
        if (nCut > 0)
            m_doc.SetModifiedFlag(TRUE);
        return nCut;
    }

private:
    struct PinKey {
        const CBlockObj* pBlock;
        int nPin;
        auto operator<=>(const PinKey&) const = default;
    };

    // How many more connectors of the type the document takes.
    int RoomFor(int nType) const
    {
        if (!m_doc.HasRoomForBlock(nType, nullptr))
            return 0;
        int nLow = 1;
        int nHigh = kMaxConnectorRoom;
        while (nLow < nHigh) {
            BlockRoomRequest request;
            request.nCount = (nLow + nHigh + 1) / 2;
            if (m_doc.HasRoomForBlock(nType, &request))
                nLow = request.nCount;
            else
                nHigh = request.nCount - 1;
        }
        return nLow;
    }

    void AddBlock(CBlockObj* pBlock)
    {
        m_grid.AddBlock(pBlock);
        m_order.emplace(pBlock, m_order.size());
        if (IsConnectorBlock(pBlock))
            m_connectors.emplace(pBlock->m_nNumber, pBlock);
    }

    void Index(CConnectLineObj* pLine)
    {
        m_grid.AddLine(pLine);
        m_atPin[{pLine->m_pStartBlock, pLine->m_nStartPin}].push_back(pLine);
        m_atPin[{pLine->m_pEndBlock, pLine->m_nEndPin}].push_back(pLine);
    }

    // A segment meets the block widened by 2 at the sides and 5 on top.
    bool Crosses(const CConnectLineObj& line) const
    {
        for (INT_PTR i = 1; i < line.m_arrVertices.GetSize(); ++i) {
            const CRect rcSegment = SegmentRect(line.m_arrVertices[i - 1], line.m_arrVertices[i]);
            const bool bMeets = m_grid.AnyBlockNear(rcSegment, 5, [&](const CBlockObj* pBlock) {
                CRect rc = BlockRect(*pBlock);
                rc.InflateRect(2, 5, 2, 0);
                CRect rcCommon;
                return rcCommon.IntersectRect(&rcSegment, &rc) != FALSE;
            });
            if (bMeets)
                return true;
        }
        return false;
    }

    // The connector's rectangle moved by offset grid steps leaves the diagram or touches a
    // block (widened by 5, a connector by 2, at the sides and on top) or a wire.
    bool Collides(const CBlockObj& connector, POINT offset) const
    {
        CRect rc = BlockRect(connector);
        rc.OffsetRect(CONNECTOR_SEARCH_STEP * offset.x, CONNECTOR_SEARCH_STEP * offset.y);
        const CSize extent = m_view.GetTotalSize();
        if (rc.left <= 0 || rc.top <= 0 || rc.left >= extent.cx || rc.right >= extent.cx || rc.top >= extent.cy ||
            rc.bottom >= extent.cy)
            return true;
        const bool bBlock = m_grid.AnyBlockNear(rc, 5, [&](const CBlockObj* pOther) {
            CRect rcOther = BlockRect(*pOther);
            const int nSide = IsConnectorBlock(pOther) ? 2 : 5;
            rcOther.InflateRect(nSide, 5, nSide, 0);
            CRect rcCommon;
            return rcCommon.IntersectRect(&rc, &rcOther) != FALSE;
        });
        return bBlock || m_grid.AnySegmentMeets(rc);
    }

    void PlaceFree(CBlockObj& connector)
    {
        POINT offset = {0, 0};
        bool bFree = !Collides(connector, offset);
        for (int i = 1; !bFree && i < CONNECTOR_SEARCH_SPOTS; ++i) {
            offset = ConnectorSearchOffset(&connector, i);
            bFree = !Collides(connector, offset);
        }
        if (!bFree)
            offset = {0, 0};
        connector.m_ptPos.Offset(CONNECTOR_SEARCH_STEP * offset.x, CONNECTOR_SEARCH_STEP * offset.y);
        connector.m_ptPos2 = connector.m_ptPos;
    }

    void Cut(CConnectLineObj* pLine, const WireEnd& input, const WireEnd& output)
    {
        std::unique_ptr<CBlockObj> pFemale(NewConnector(m_doc, BT_FEMALE, pLine, nullptr));
        std::unique_ptr<CBlockObj> pMale(NewConnector(m_doc, BT_MALE, pLine, nullptr));
        Remove(pLine);
        for (CBlockObj* pConnector : {pFemale.get(), pMale.get()}) {
            PlaceFree(*pConnector);
            m_doc.AddBlock(pConnector, pConnector == pFemale.get() ? m_females : m_males);
            AddBlock(pConnector);
        }
        CBlockObj* pF = pFemale.release();
        CBlockObj* pM = pMale.release();
        Lay(input, pF, CPoint(pF->m_ptPos.x + pF->m_nWidth, pF->m_ptPos.y + pF->m_nHeight / 2), BLOCK_FIRST_OUTPUT);
        Lay(output, pM, CPoint(pM->m_ptPos.x, pM->m_ptPos.y + pM->m_nHeight / 2), 0);
    }

    // The block the wire tool finds at a point is the first of the list whose rectangle, widened
    // by the pins' reach, holds it; the pin is the one whose stub takes the point.
    bool ToolFinds(CPoint pt, const CBlockObj* pBlock, int nPin) const
    {
        constexpr int PIN_STUB_REACH = 9;
        const CBlockObj* pFirst = nullptr;
        m_grid.ForEachBlockNear(CRect(pt.x, pt.y, pt.x, pt.y), PIN_STUB_REACH + 1, [&](const CBlockObj* pCandidate) {
            CRect rc = BlockRect(*pCandidate);
            rc.InflateRect(PIN_STUB_REACH, 0);
            if (rc.PtInRect(pt) && (!pFirst || m_order.at(pCandidate) < m_order.at(pFirst)))
                pFirst = pCandidate;
        });
        return pFirst == pBlock && PinAt(pBlock, pt.x, pt.y) == nPin;
    }

    // The wire goes as Delete takes it: a pin left without wires is open again.
    void Remove(CConnectLineObj* pLine)
    {
        for (const PinKey key : {PinKey{pLine->m_pStartBlock, pLine->m_nStartPin},
                                 PinKey{pLine->m_pEndBlock, pLine->m_nEndPin}}) {
            std::vector<CConnectLineObj*>& lines = m_atPin[key];
            std::erase(lines, pLine);
            m_touched.insert(key);
            auto* pBlock = const_cast<CBlockObj*>(key.pBlock);
            if (lines.empty() && pBlock && key.nPin >= 0 && key.nPin < BLOCK_PIN_COUNT)
                pBlock->m_nPinSource[key.nPin] = key.nPin < BLOCK_FIRST_OUTPUT ? LINK_OPEN : LINK_OUTPUT;
        }
        m_grid.RemoveLine(pLine);
        if (const auto it = m_positions.find(pLine); it != m_positions.end()) {
            m_doc.m_lineList.RemoveAt(it->second);
            m_positions.erase(it);
        }
        delete pLine;
    }

    // One wire of the pair, as Separate lays it with the wire tool pressed on the far pin and
    // released on the connector's pin: between the two pin centres. Where the tool would not
    // take the press or the release (another block or pin under the point, such as a connector
    // placed close to another, or pins of kinds that do not fit), the wire is laid without it
    // from the far end's point, and always to this connector's pin.
    void Lay(const WireEnd& far, CBlockObj* pConnector, CPoint ptPin, int nPin)
    {
        const bool bTool = ToolFinds(far.pt, far.pBlock, far.nPin) && ToolFinds(ptPin, pConnector, nPin) &&
                           KindsFit(*far.pBlock, far.nPin, *pConnector, nPin);
        const CPoint ptStart = bTool ? PinCentreOf(far.pBlock, far.nPin, far.pt) : far.pt;
        const CPoint ptEnd = PinCentreOf(pConnector, nPin, ptPin);
        CConnectLineObj* pWire = AddStraightWire(m_doc, ptStart, far.pBlock, far.nPin, ptEnd, pConnector, nPin);
        if (!pWire)
            return;
        Index(pWire);
        m_touched.insert({far.pBlock, far.nPin});
    }

    // The pin kinds as the wire tool checks them from the fixed pin to the pin released on
    // (IsPinCompatible, with the connectors' wires found through the index).
    bool KindsFit(const CBlockObj& fixed, int nFixedPin, const CBlockObj& target, int nPin) const
    {
        const bool bToInput = nPin < BLOCK_FIRST_OUTPUT;
        const CBlockObj& source = bToInput ? fixed : target;
        const CBlockObj& dest = bToInput ? target : fixed;
        int nDestPin = bToInput ? nPin : nFixedPin;
        const CBlockObj& behindSource = Behind(source, source.m_nType == BT_MALE ? &nDestPin : nullptr);
        const CBlockObj& behindDest = Behind(dest, dest.m_nType == BT_MALE ? &nDestPin : nullptr);
        return WireKindsFit(SourceKindOf(behindSource.m_nType), DestKindOf(behindDest.m_nType, nDestPin));
    }

    // A connector stands for the block at the start of the wire into its partner; a Male takes
    // that wire's pin for the blocks whose kind it decides.
    const CBlockObj& Behind(const CBlockObj& block, int* pPin) const
    {
        if (block.m_nType != BT_MALE && block.m_nType != BT_FEMALE)
            return block;
        const int nPartner = block.m_nNumber + (block.m_nType == BT_MALE ? NUM_FEMALE_OFFSET : -NUM_FEMALE_OFFSET);
        const auto itPartner = m_connectors.find(nPartner);
        const CConnectLineObj* pLine = itPartner == m_connectors.end() ? nullptr : LineInto(itPartner->second);
        if (!pLine || !pLine->m_pStartBlock)
            return block;
        if (block.m_nType == BT_MALE && pPin) {
            switch (pLine->m_pStartBlock->m_nType) {
            case BT_AWDOG:
            case BT_PI:
            case BT_MAXMIN:
            case BT_AVGVAL:
                *pPin = pLine->m_nStartPin;
                break;
            default:
                break;
            }
        }
        return *pLine->m_pStartBlock;
    }

    // The wire whose far end is the connector.
    const CConnectLineObj* LineInto(const CBlockObj* pConnector) const
    {
        for (int nPin : {0, BLOCK_FIRST_OUTPUT}) {
            const auto it = m_atPin.find({pConnector, nPin});
            if (it == m_atPin.end())
                continue;
            for (const CConnectLineObj* pLine : it->second)
                if (pLine->m_pEndBlock == pConnector)
                    return pLine;
        }
        return nullptr;
    }

    // The dots of every wire at a pin a cut changed, made again from the wires there now.
    void RemarkTouchedPins()
    {
        std::vector<CConnectLineObj*> lines;
        std::unordered_set<const CConnectLineObj*> seen;
        for (const PinKey& key : m_touched) {
            const auto it = m_atPin.find(key);
            if (it == m_atPin.end())
                continue;
            for (CConnectLineObj* pLine : it->second) {
                if (seen.insert(pLine).second)
                    lines.push_back(pLine);
            }
        }
        for (CConnectLineObj* pLine : lines)
            ResetJunctions(*pLine);
        if (!lines.empty())
            RemarkJunctions(m_doc, lines);
    }

    CVetlaView& m_view;
    CVetlaDoc& m_doc;
    // The connectors are numbered as AddBlock numbers them; only the cut adds blocks meanwhile.
    RangeNumbering m_females;
    RangeNumbering m_males;
    DiagramGrid m_grid;
    std::unordered_map<const CConnectLineObj*, POSITION> m_positions;
    std::unordered_map<const CBlockObj*, std::size_t> m_order;
    std::unordered_map<int, const CBlockObj*> m_connectors;
    std::map<PinKey, std::vector<CConnectLineObj*>> m_atPin;
    std::set<PinKey> m_touched;
};

} // namespace

BOOL CVetlaView::IsConnectorPairInSelection(CBlockObj* pConnector)
{
    if (!m_pDocument || m_selection.Blocks().IsEmpty() || !IsConnectorBlock(pConnector))
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
    WireEnd input;
    WireEnd output;
    if (IsPowerBusLine(doc, pLine) || IsPairHalf(*pLine) || !FindWireEnd(*pLine, true, &input) ||
        !FindWireEnd(*pLine, false, &output))
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
    std::unique_ptr<CBlockObj> pFemale(NewConnector(doc, BT_FEMALE, pLine, &ptFemaleEnd));
    std::unique_ptr<CBlockObj> pMale(NewConnector(doc, BT_MALE, pLine, &ptMaleEnd));

    m_pCurBlock = nullptr;
    m_pCurComment = nullptr;
    m_selection.Only(pLine);
    DeleteSelection();

    for (CBlockObj* pConnector : {pFemale.get(), pMale.get()}) {
        PlaceConnectorFree(doc, *pConnector, GetTotalSize());
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
    const WireEnd a = {pNear->m_pStartBlock, pNear->m_nStartPin, pNear->m_ptStart};
    const WireEnd b = {pFar->m_pStartBlock, pFar->m_nStartPin, pFar->m_ptStart};
    m_pCurLine = nullptr;
    m_pCurBlock = nullptr;
    m_pCurComment = nullptr;
    m_selection.Only(pConnector);
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
            m_selection.Remove(pLine);
            InvalidateAll();
            return;
        }
        m_pCurBlock = nullptr;
        m_pCurComment = nullptr;
        m_pCurLine = pLine;
        m_selection.Only(pLine);
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
        m_selection.Only(pBlock);
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
    m_selection.Only(pPartner);
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
    if (m_wireTool.IsDrawing())
        m_wireTool.End();
    m_nEditMode = EDIT_MODE_CUT_JOIN;
    if (HCURSOR hCursor = m_cursors.Get(EditCursor::CutJoin))
        SetCursor(hCursor);
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
    ForgetObjects();
    CrossingCut(*this).Run();
    InvalidateAll();
    return 0;
}
