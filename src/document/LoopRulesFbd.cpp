// The function-block diagram's loop rule: the search upstream from the output side of the new
// connection for its input side, and the verdict by the classes of the two blocks.
#include "document/LoopRules.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/VetlaDoc.h"
#include "document/WireNet.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

// The verdict on a loop by source class (rows) and target class (columns); 0 allows it.
constexpr int kLoopVerdict[6][6] = {
    {1, 0, 2, 2, 1, 0}, {0, 0, 2, 2, 0, 2}, {2, 2, 0, 0, 0, 2},
    {2, 2, 0, 1, 1, 0}, {1, 0, 2, 2, 1, 2}, {2, 2, 0, 1, 1, 0},
};

bool IsOutputOrFlag(const CBlockObj* pBlock)
{
    return pBlock && (pBlock->IsKindOf(RUNTIME_CLASS(CBlockOut)) || pBlock->IsKindOf(RUNTIME_CLASS(CBlockFlag)) ||
                      pBlock->IsKindOf(RUNTIME_CLASS(CBlockAnalogOut)) ||
                      pBlock->IsKindOf(RUNTIME_CLASS(CBlockAnalogFlag)));
}

bool IsConnector(const CBlockObj* pBlock)
{
    return pBlock && (pBlock->m_nType == BT_MALE || pBlock->m_nType == BT_FEMALE);
}

// The search upstream from Y for X's output. Each (block, arrival pin) is expanded once, so a
// diagram that already holds a cycle ends the search; expanding it again would find nothing new.
class UpstreamSearch {
public:
    UpstreamSearch(const WireNet& net, PinEnd x, PinEnd y) : m_net(net), m_x(x), m_y(y) {}

    bool Run()
    {
        From(m_y);
        return m_bFound;
    }

private:
    void From(const PinEnd& current)
    {
        if (m_bFound || !current.pBlock || !m_expanded.insert({current.pBlock, current.nPin}).second)
            return;
        for (const CConnectLineObj* pLine : GetDistinctInputLines(m_net.Doc(), *current.pBlock)) {
            Follow(*pLine, current);
            if (m_bFound)
                return;
        }
    }

    bool AtYOnItsSide(const CConnectLineObj& line) const
    {
        const auto sameSide = [this](int nPin) { return (nPin - 9) * (m_y.nPin - 9) > 0; };
        return (line.m_pStartBlock == m_y.pBlock && sameSide(line.m_nStartPin)) ||
               (line.m_pEndBlock == m_y.pBlock && sameSide(line.m_nEndPin));
    }

    // The pins of the wire, read from its X end, run against the new connection's.
    bool LeavesXAgainstTheNewWire(const CConnectLineObj& line) const
    {
        int nDiff = 0;
        if (line.m_pStartBlock == m_x.pBlock)
            nDiff = line.m_nStartPin - line.m_nEndPin;
        else if (line.m_pEndBlock == m_x.pBlock)
            nDiff = line.m_nEndPin - line.m_nStartPin;
        else
            return false;
        return nDiff * (m_x.nPin - m_y.nPin) < 0;
    }

    void Follow(const CConnectLineObj& wire, const PinEnd& current)
    {
        if (Touches(wire, current.pBlock, current.nPin) || AtYOnItsSide(wire) ||
            IsOutputOrFlag(wire.m_pStartBlock) || IsOutputOrFlag(wire.m_pEndBlock))
            return;
        const CBlockObj* pC = current.pBlock;
        const CConnectLineObj* pLine = &wire;
        const PinEnd far = FarFrom(wire, pC);
        if (IsConnector(far.pBlock)) {
            const CConnectLineObj* pPartnerLine = m_net.PartnerLine(*far.pBlock);
            if (pPartnerLine && TouchesBlock(*pPartnerLine, m_x.pBlock))
                pLine = pPartnerLine;
        }
        if (LeavesXAgainstTheNewWire(*pLine)) {
            m_bFound = true;
            return;
        }
        if (!TouchesBlock(*pLine, pC))
            return;
        From(IsConnector(far.pBlock) ? m_net.Across(far) : far);
    }

    // The end of a wire at the block's input away from it.
    static PinEnd FarFrom(const CConnectLineObj& line, const CBlockObj* pBlock)
    {
        if (line.m_pEndBlock == pBlock && line.m_nEndPin < BLOCK_FIRST_OUTPUT)
            return {line.m_pStartBlock, line.m_nStartPin};
        return {line.m_pEndBlock, line.m_nEndPin};
    }

    const WireNet& m_net;
    PinEnd m_x;
    PinEnd m_y;
    std::set<std::pair<const CBlockObj*, int>> m_expanded;
    bool m_bFound = false;
};

// The side of the wire that stays put: its start, or while one end is dragged the other end.
PinEnd FixedEnd(const CConnectLineObj& line)
{
    if (line.m_bEndDrag && line.m_nDragEnd == -1)
        return {line.m_pEndBlock, line.m_nEndPin};
    return {line.m_pStartBlock, line.m_nStartPin};
}

} // namespace

std::vector<CConnectLineObj*> GetDistinctInputLines(const CVetlaDoc& doc, const CBlockObj& block)
{
    const WireNet net(doc);
    std::vector<CConnectLineObj*> lines;
    std::set<const CBlockObj*> farBlocks;
    for (POSITION pos = doc.m_lineList.GetHeadPosition(); pos;) {
        auto* pLine = static_cast<CConnectLineObj*>(doc.m_lineList.GetNext(pos));
        PinEnd far;
        if (pLine->m_pEndBlock == &block && pLine->m_nEndPin < BLOCK_FIRST_OUTPUT)
            far = {pLine->m_pStartBlock, pLine->m_nStartPin};
        else if (pLine->m_pStartBlock == &block && pLine->m_nStartPin < BLOCK_FIRST_OUTPUT)
            far = {pLine->m_pEndBlock, pLine->m_nEndPin};
        else
            continue;
        if (farBlocks.insert(net.FollowFemale(far).pBlock).second)
            lines.push_back(pLine);
    }
    return lines;
}

int CheckLoopRule(const CVetlaDoc& doc, const CConnectLineObj& line, CBlockObj& target, int nPin)
{
    const WireNet net(doc);
    PinEnd s = FixedEnd(line);
    if (line.m_bEndDrag && IsConnector(s.pBlock))
        s = net.Across(s);
    if (!s.pBlock)
        return 0;
    const PinEnd t{&target, nPin};
    if (s.pBlock != &target) {
        const bool bFixedIsInput = s.nPin < BLOCK_FIRST_OUTPUT;
        const PinEnd x = bFixedIsInput ? s : t;
        const PinEnd y = bFixedIsInput ? t : s;
        if (!UpstreamSearch(net, x, y).Run())
            return 0;
    }
    const int nSourceClass = LoopSourceClass(s.pBlock->m_nType);
    const int nTargetClass = LoopTargetClass(target.m_nType);
    return kLoopVerdict[nSourceClass][nTargetClass];
}
