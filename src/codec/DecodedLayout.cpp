// The layout of a decoded diagram: each output point (and each other block no block reads) in a
// row of its own in column 1 at the right, its sources one column further left per level, a
// source that feeds a block's first wired input in that block's row and every other in a new
// row. Then the sheet grows to hold the blocks, and every link becomes a wire.
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "codec/DecodeContext.h"
#include "document/Junctions.h"
#include "document/PageLayout.h"
#include "document/StraightWire.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

constexpr int kColumnStep = 75;
constexpr int kRowStep = 55;

// The kinds a layout walk ends at when it reaches them as a source: they have a row of their
// own as outputs.
bool IsOutputKind(int nType)
{
    switch (nType) {
    case BT_OUT: case BT_FLAG: case BT_ANALOG_OUT: case BT_ANALOG_FLAG: case BT_WIFI_OUT: case BT_WIFI_AOUT:
        return true;
    default:
        return false;
    }
}

bool IsLinked(const CBlockObj& block, int nPin)
{
    return block.m_nPinSource[nPin] >= NUM_INPUT;
}

// The input pins a walk follows: the first wired one, then every later one that is linked.
template <class Visit>
void ForEachWiredInput(const CBlockObj& block, Visit visit)
{
    if (block.m_nFirstInput < 0)
        return;
    const int nLast = std::min(block.m_nInputs, BLOCK_FIRST_OUTPUT);
    for (int nPin = block.m_nFirstInput; nPin < nLast; ++nPin) {
        if (IsLinked(block, nPin))
            visit(nPin);
    }
}

struct PinRef {
    CBlockObj* pBlock;
    int nPin;
};

struct Cell {
    int nColumn;
    int nRow;
};

class Layout {
public:
    explicit Layout(DecodeContext& ctx) : m_ctx(ctx) {}

    void Place()
    {
        for (CBlockObj* pRoot : m_ctx.Roots())
            PlaceRoot(*pRoot);
        // Blocks no output reaches (a message text, a chain that ends in no output) get rows
        // of their own after the others, those that feed nothing first.
        const std::vector<CBlockObj*> rest = Unplaced();
        std::unordered_set<int> fed;
        for (const CBlockObj* pBlock : rest)
            ForEachWiredInput(*pBlock, [&](int nPin) { fed.insert(pBlock->m_nPinSource[nPin]); });
        for (bool bSinks : {true, false}) {
            for (CBlockObj* pBlock : rest) {
                if (!m_cells.contains(pBlock) && fed.contains(pBlock->m_nNumber) != bSinks)
                    PlaceRoot(*pBlock);
            }
        }
    }

    void Position()
    {
        CVetlaDoc& doc = m_ctx.Doc();
        CSize extent(0, 0);
        for (const auto& [pBlock, cell] : m_cells) {
            const CPoint pt((m_nMaxColumn - cell.nColumn + 1) * kColumnStep, cell.nRow * kRowStep);
            pBlock->m_ptPos = pt;
            pBlock->m_ptPos2 = pt;
            extent.cx = std::max<LONG>(extent.cx, pt.x + pBlock->m_nWidth);
            extent.cy = std::max<LONG>(extent.cy, pt.y + pBlock->m_nHeight);
        }
        const CSize page = doc.m_sizeScreen;
        if (page.cx <= 0 || page.cy <= 0)
            return;
        const int nWide = std::max<int>(extent.cx, m_nMaxColumn * kColumnStep);
        const int nHigh = std::max<int>(extent.cy, m_nRows * kRowStep);
        if (nWide < page.cx && nHigh < page.cy)
            return;
        const auto [nAcross, nDown] =
            GrownPageCounts(doc.m_nPagesAcross, doc.m_nPagesDown, nWide / int(page.cx) + 1, nHigh / int(page.cy) + 1);
        doc.m_nPagesAcross = nAcross;
        doc.m_nPagesDown = nDown;
        doc.m_rcExtent.right = doc.m_rcExtent.left + nAcross * page.cx;
        doc.m_rcExtent.bottom = doc.m_rcExtent.top + nDown * page.cy;
        doc.SetModifiedFlag(TRUE);
    }

private:
    std::vector<CBlockObj*> Unplaced() const
    {
        std::vector<CBlockObj*> blocks;
        for (POSITION pos = m_ctx.Doc().m_blockList.GetHeadPosition(); pos;) {
            auto* pBlock = static_cast<CBlockObj*>(m_ctx.Doc().m_blockList.GetNext(pos));
            if (!m_cells.contains(pBlock))
                blocks.push_back(pBlock);
        }
        std::ranges::stable_sort(blocks, {}, &CBlockObj::m_nNumber);
        return blocks;
    }

    // A walk in depth from the root's inputs, each source's inputs before the next input of
    // its consumer, on a stack of its own: a chain of a thousand blocks is no deep recursion.
    void PlaceRoot(CBlockObj& root)
    {
        if (m_cells.contains(&root))
            return;
        m_cells[&root] = {1, ++m_nRows};
        std::vector<PinRef> pending;
        PushInputs(root, pending);
        while (!pending.empty()) {
            const PinRef pin = pending.back();
            pending.pop_back();
            if (CBlockObj* pSource = PlaceSource(*pin.pBlock, pin.nPin))
                PushInputs(*pSource, pending);
        }
    }

    // The block's wired inputs, the first on top.
    static void PushInputs(CBlockObj& block, std::vector<PinRef>& pending)
    {
        const std::size_t nFirst = pending.size();
        ForEachWiredInput(block, [&](int nPin) { pending.push_back({&block, nPin}); });
        std::reverse(pending.begin() + std::ptrdiff_t(nFirst), pending.end());
    }

    // The source of the pin takes its place; null when it had one or takes none.
    CBlockObj* PlaceSource(CBlockObj& block, int nPin)
    {
        CBlockObj* pSource = m_ctx.Find(block.m_nPinSource[nPin]);
        if (!pSource || IsOutputKind(pSource->m_nType) || m_cells.contains(pSource))
            return nullptr;
        const Cell at = m_cells.at(&block);
        const bool bSameRow = block.m_nPinSource[block.m_nFirstInput] == pSource->m_nNumber;
        m_cells[pSource] = {at.nColumn + 1, bSameRow ? at.nRow : ++m_nRows};
        m_nMaxColumn = std::max(m_nMaxColumn, at.nColumn + 1);
        return pSource;
    }

    DecodeContext& m_ctx;
    std::unordered_map<CBlockObj*, Cell> m_cells;
    int m_nRows = 0;
    int m_nMaxColumn = 1;
};

CPoint PinCentre(CBlockObj& block, int nPin)
{
    CRect rect;
    if (!GetBlockPinRect(&rect, &block, nPin))
        return block.m_ptPos;
    return CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

// Every link becomes one wire drawn without the wire tool's rules: the image is what the
// controller runs, so a link the editor would refuse to draw (a loop through a flag) still
// stands, and no link is lost to a refused click.
class Wiring {
public:
    explicit Wiring(DecodeContext& ctx) : m_ctx(ctx) {}

    void Build()
    {
        for (CBlockObj* pRoot : m_ctx.Roots()) {
            if (!m_reached.contains(pRoot))
                WireFrom(*pRoot);
        }
        for (POSITION pos = m_ctx.Doc().m_blockList.GetHeadPosition(); pos;)
            WireFrom(*static_cast<CBlockObj*>(m_ctx.Doc().m_blockList.GetNext(pos)));
        // Where a source feeds several pins, its wires part with dots as drawn ones do.
        MarkJunctionsOfWires(m_wires);
    }

private:
    // The block's links and, through each new wire, its source's links, on a stack of its own.
    void WireFrom(CBlockObj& block)
    {
        std::vector<PinRef> pending;
        ForEachWiredInput(block, [&](int nPin) { pending.push_back({&block, nPin}); });
        while (!pending.empty()) {
            const PinRef pin = pending.back();
            pending.pop_back();
            CBlockObj* pSource = WireSource(*pin.pBlock, pin.nPin);
            if (pSource)
                ForEachWiredInput(*pSource, [&](int nPin) { pending.push_back({pSource, nPin}); });
        }
    }

    // The wire of one link; the source, or null when the pin had its wire or names no block.
    CBlockObj* WireSource(CBlockObj& block, int nPin)
    {
        CBlockObj* pSource = m_ctx.Find(block.m_nPinSource[nPin]);
        if (!pSource || !m_wired.insert(&block.m_nPinSource[nPin]).second)
            return nullptr;
        if (CConnectLineObj* pWire = AddStraightWire(m_ctx.Doc(), PinCentre(block, nPin), &block, nPin,
                                                     PinCentre(*pSource, BLOCK_FIRST_OUTPUT), pSource,
                                                     BLOCK_FIRST_OUTPUT))
            m_wires.push_back(pWire);
        if (IsOutputKind(pSource->m_nType))
            m_reached.insert(pSource);
        return pSource;
    }

    DecodeContext& m_ctx;
    std::unordered_set<const int*> m_wired;
    std::unordered_set<const CBlockObj*> m_reached;
    std::vector<CConnectLineObj*> m_wires;
};

} // namespace

void LayOutDecodedDiagram(DecodeContext& ctx)
{
    Layout layout(ctx);
    layout.Place();
    layout.Position();
    Wiring(ctx).Build();
}
