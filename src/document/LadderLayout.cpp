// The layout of a converted ladder and its wires. The walk from the outputs towards the sources
// runs on an explicit stack, so that a long chain of gates lays out like a short one.
#include "document/LadderLayout.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/Junctions.h"
#include "document/LineRoute.h"
#include "document/PageLayout.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace {

// The kinds that end a path through the diagram, laid out as rows of their own even when they
// feed other blocks.
bool IsPathEnd(int nType)
{
    return nType == BT_OUT || nType == BT_OPENX || nType == BT_FLAG || nType == BT_ANALOG_OUT ||
           nType == BT_ANALOG_FLAG;
}

struct Cell {
    int nColumn = 0;
    int nRow = 0;
};

// One block being laid out, and the next of its inputs whose source is still to be placed.
struct Frame {
    CBlockObj* pBlock;
    int nPin;
};

class ColumnLayout {
public:
    explicit ColumnLayout(CVetlaDoc& doc) : m_doc(doc)
    {
        for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
            auto* pBlock = static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos));
            m_blocks.push_back(pBlock);
            m_byNumber.emplace(pBlock->m_nNumber, pBlock);
        }
    }

    void Run()
    {
        for (CBlockObj* pRoot : Roots())
            PlaceRow(pRoot);
        // What no row reached (a closed loop of gates) gets rows of its own.
        for (CBlockObj* pBlock : m_blocks)
            PlaceRow(pBlock);
        MoveBlocks();
        GrowPages();
    }

private:
    std::vector<CBlockObj*> Roots() const
    {
        std::unordered_map<int, bool> feeds;
        for (const CBlockObj* pBlock : m_blocks) {
            for (int nPin = 0; nPin < pBlock->m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin)
                feeds[pBlock->m_nPinSource[nPin]] = true;
        }
        std::vector<CBlockObj*> roots;
        for (CBlockObj* pBlock : m_blocks) {
            if (IsPathEnd(pBlock->m_nType) || !feeds.count(pBlock->m_nNumber))
                roots.push_back(pBlock);
        }
        std::stable_sort(roots.begin(), roots.end(),
                         [](const CBlockObj* a, const CBlockObj* b) { return a->m_nNumber < b->m_nNumber; });
        return roots;
    }

    int FirstFedInput(const CBlockObj& block) const
    {
        for (int nPin = 0; nPin < block.m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin) {
            if (m_byNumber.count(block.m_nPinSource[nPin]))
                return nPin;
        }
        return -1;
    }

    CBlockObj* UnplacedSource(const CBlockObj& block, int nPin) const
    {
        const auto it = m_byNumber.find(block.m_nPinSource[nPin]);
        if (it == m_byNumber.end() || m_cells.count(it->second))
            return nullptr;
        return it->second;
    }

    void Place(CBlockObj* pBlock, int nColumn, int nRow)
    {
        m_cells.emplace(pBlock, Cell{nColumn, nRow});
        m_nLastColumn = std::max(m_nLastColumn, nColumn);
    }

    void PlaceRow(CBlockObj* pRoot)
    {
        if (m_cells.count(pRoot))
            return;
        Place(pRoot, 1, ++m_nLastRow);
        std::vector<Frame> stack{{pRoot, 0}};
        while (!stack.empty()) {
            Frame& frame = stack.back();
            const CBlockObj& block = *frame.pBlock;
            const int nLast = std::min(block.m_nInputs, BLOCK_FIRST_OUTPUT);
            CBlockObj* pSource = nullptr;
            while (frame.nPin < nLast && !(pSource = UnplacedSource(block, frame.nPin)))
                ++frame.nPin;
            if (!pSource) {
                stack.pop_back();
                continue;
            }
            const Cell cell = m_cells.at(frame.pBlock);
            const int nRow = frame.nPin == FirstFedInput(block) ? cell.nRow : ++m_nLastRow;
            ++frame.nPin;
            Place(pSource, cell.nColumn + 1, nRow);
            stack.push_back({pSource, 0});
        }
    }

    void MoveBlocks()
    {
        for (auto& [pBlock, cell] : m_cells) {
            pBlock->m_ptPos = CPoint((m_nLastColumn - cell.nColumn + 1) * CONVERTED_COLUMN_WIDTH,
                                     cell.nRow * CONVERTED_ROW_HEIGHT);
        }
    }

    void GrowPages()
    {
        const SIZE page = m_doc.m_sizeScreen;
        if (page.cx <= 0 || page.cy <= 0)
            return;
        int nRight = 0;
        int nBottom = 0;
        for (const CBlockObj* pBlock : m_blocks) {
            nRight = std::max(nRight, int(pBlock->m_ptPos.x + pBlock->m_nWidth));
            nBottom = std::max(nBottom, int(pBlock->m_ptPos.y + pBlock->m_nHeight));
        }
        if (nRight <= page.cx * m_doc.m_nPagesAcross && nBottom <= page.cy * m_doc.m_nPagesDown)
            return;
        std::tie(m_doc.m_nPagesAcross, m_doc.m_nPagesDown) =
            GrownPageCounts(m_doc.m_nPagesAcross, m_doc.m_nPagesDown, nRight / int(page.cx) + 1, nBottom / int(page.cy) + 1);
        m_doc.m_rcExtent.right = m_doc.m_nPagesAcross * page.cx;
        m_doc.m_rcExtent.bottom = m_doc.m_nPagesDown * page.cy;
        m_doc.SetModifiedFlag(TRUE);
    }

    CVetlaDoc& m_doc;
    std::vector<CBlockObj*> m_blocks;
    std::unordered_map<int, CBlockObj*> m_byNumber;
    std::unordered_map<CBlockObj*, Cell> m_cells;
    int m_nLastRow = 0;
    int m_nLastColumn = 1;
};

CPoint PinCentre(CBlockObj* pBlock, int nPin)
{
    CRect rcPin;
    GetBlockPinRect(&rcPin, pBlock, nPin);
    return rcPin.CenterPoint();
}

CConnectLineObj* AddWire(CVetlaDoc& doc, CBlockObj* pSource, CBlockObj* pDest, int nPin)
{
    auto* pLine = new CConnectLineObj;
    pLine->m_pDoc = &doc;
    pLine->m_pStartBlock = pSource;
    pLine->m_pEndBlock = pDest;
    pLine->m_nStartBlock = pSource->m_nNumber;
    pLine->m_nEndBlock = pDest->m_nNumber;
    pLine->m_nStartPin = BLOCK_FIRST_OUTPUT;
    pLine->m_nEndPin = nPin;
    pLine->m_ptStart = PinCentre(pSource, BLOCK_FIRST_OUTPUT);
    pLine->m_ptEnd = PinCentre(pDest, nPin);
    const int xMiddle = (pLine->m_ptStart.x + pLine->m_ptEnd.x) / 2;
    pLine->m_arrVertices.SetSize(4);
    pLine->m_arrVertices[0] = pLine->m_ptStart;
    pLine->m_arrVertices[1] = CPoint(xMiddle, pLine->m_ptStart.y);
    pLine->m_arrVertices[2] = CPoint(xMiddle, pLine->m_ptEnd.y);
    pLine->m_arrVertices[3] = pLine->m_ptEnd;
    doc.AddLine(pLine);
    // A wire that would leave its output to the left or enter its input from the right gets
    // the detours of a hand-drawn one.
    doc.MoveLineEnd(pLine, pLine->m_ptStart.x, pLine->m_ptStart.y, TRUE, LinePinSideOf(BLOCK_FIRST_OUTPUT));
    doc.MoveLineEnd(pLine, pLine->m_ptEnd.x, pLine->m_ptEnd.y, FALSE, LinePinSideOf(nPin));
    pLine->m_arrJunctions.SetSize(pLine->m_arrVertices.GetSize());
    for (INT_PTR i = 0; i < pLine->m_arrJunctions.GetSize(); ++i)
        pLine->m_arrJunctions[i] = CPoint(LINE_NO_JUNCTION, LINE_NO_JUNCTION);
    pSource->m_nPinSource[BLOCK_FIRST_OUTPUT] = pDest->m_nNumber;
    return pLine;
}

} // namespace

void LayOutConvertedDiagram(CVetlaDoc& doc)
{
    ColumnLayout(doc).Run();
}

void WireFromPinSources(CVetlaDoc& doc)
{
    std::unordered_map<int, CBlockObj*> byNumber;
    std::vector<CBlockObj*> blocks;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos));
        blocks.push_back(pBlock);
        byNumber.emplace(pBlock->m_nNumber, pBlock);
    }
    std::vector<CConnectLineObj*> wires;
    for (CBlockObj* pBlock : blocks) {
        for (int nPin = 0; nPin < pBlock->m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin) {
            const auto it = byNumber.find(pBlock->m_nPinSource[nPin]);
            if (it != byNumber.end() && (pBlock->m_nPinKind[nPin] == PINKIND_DIGITAL || pBlock->m_nPinKind[nPin] == PINKIND_ANALOG))
                wires.push_back(AddWire(doc, it->second, pBlock, nPin));
        }
    }
    // A source feeding several inputs: its wires part with dots, as drawn ones do.
    MarkJunctionsOfWires(wires);
}
