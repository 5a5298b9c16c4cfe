// The loop checks a new connection must pass. In a function-block diagram the rule searches
// upstream from the output side of the new connection for its input side and, when the
// connection closes a loop, lets the kinds of the two blocks decide. In a ladder diagram two
// walks over the nets around the new wire's input pin look for a path that comes back to it:
// one over the wires fanning into the pin, one from the function blocks that end a rung back
// to a contact of their own. Both treat a connector pair (Male 900, Female 901 numbered the
// Male's plus 2000) as one wire.
#include "editor/VetlaView.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/BlockNumbering.h"
#include "document/VetlaDoc.h"
#include "editor/DiagramEditHelpers.h"

#include <algorithm>
#include <deque>
#include <set>
#include <utility>
#include <vector>

namespace {

// One end of a wire.
struct PinEnd {
    CBlockObj* pBlock = nullptr;
    int nPin = -1;

    bool operator==(const PinEnd& other) const { return pBlock == other.pBlock && nPin == other.nPin; }
};

bool Touches(const CConnectLineObj& line, const CBlockObj* pBlock, int nPin)
{
    return (line.m_pStartBlock == pBlock && line.m_nStartPin == nPin) ||
           (line.m_pEndBlock == pBlock && line.m_nEndPin == nPin);
}

bool TouchesBlock(const CConnectLineObj& line, const CBlockObj* pBlock)
{
    return line.m_pStartBlock == pBlock || line.m_pEndBlock == pBlock;
}

// The end of the wire away from (pBlock, nPin).
PinEnd FarEnd(const CConnectLineObj& line, const CBlockObj* pBlock, int nPin)
{
    if (line.m_pStartBlock == pBlock && line.m_nStartPin == nPin)
        return {line.m_pEndBlock, line.m_nEndPin};
    return {line.m_pStartBlock, line.m_nStartPin};
}

// The wiring of one document as the walks see it: the wires at a pin, and connector pairs
// crossed as if they were one wire.
class Net {
public:
    explicit Net(CVetlaView& view) : m_view(view), m_doc(*view.GetDocument()) {}

    CVetlaDoc& Doc() const { return m_doc; }

    std::vector<CConnectLineObj*> LinesAt(const CBlockObj* pBlock, int nPin) const
    {
        std::vector<CConnectLineObj*> lines;
        if (!pBlock)
            return lines;
        CPtrArray arr;
        m_view.GetLinesAtPin(arr, pBlock, nPin);
        for (INT_PTR i = 0; i < arr.GetSize(); ++i)
            lines.push_back(static_cast<CConnectLineObj*>(arr[i]));
        return lines;
    }

    CBlockObj* Rail() const
    {
        return m_doc.m_powerBusList.IsEmpty() ? nullptr : static_cast<CBlockObj*>(m_doc.m_powerBusList.GetHead());
    }

    // The input pins of a block and its output pins (the rail's one is pin 10).
    static std::vector<int> InputPins(const CBlockObj& block)
    {
        std::vector<int> pins;
        for (int k = 0; k < block.m_nInputs && k < BLOCK_FIRST_OUTPUT; ++k)
            pins.push_back(k);
        return pins;
    }
    std::vector<int> OutputPins(const CBlockObj& block) const
    {
        if (&block == Rail())
            return {BLOCK_FIRST_OUTPUT};
        std::vector<int> pins;
        for (int k = 0; k < block.m_nOutputs && k < BLOCK_FIRST_OUTPUT; ++k)
            pins.push_back(BLOCK_FIRST_OUTPUT + k);
        return pins;
    }

    // The partner of a connector: Female = Male + 2000.
    CBlockObj* Partner(const CBlockObj& connector) const
    {
        const bool bMale = connector.m_nType == BT_MALE;
        const int nNumber = connector.m_nNumber + (bMale ? NUM_FEMALE_OFFSET : -NUM_FEMALE_OFFSET);
        CBlockObj* pPartner = m_doc.FindBlockByNumber(nNumber);
        return pPartner && pPartner->m_nType == (bMale ? BT_FEMALE : BT_MALE) ? pPartner : nullptr;
    }

    // Across the pair from a connector: a Female's driver is at the far end of the wire into
    // its Male, a Male's consumer at the far end of the first wire at its Female. Null when
    // the partner or its wire is missing.
    const CConnectLineObj* PartnerLine(const CBlockObj& connector) const
    {
        CBlockObj* pPartner = Partner(connector);
        if (!pPartner)
            return nullptr;
        const int nPin = pPartner->m_nType == BT_MALE ? 0 : BLOCK_FIRST_OUTPUT;
        const std::vector<CConnectLineObj*> lines = LinesAt(pPartner, nPin);
        return lines.empty() ? nullptr : lines.front();
    }
    PinEnd Across(const PinEnd& end) const
    {
        const CConnectLineObj* pLine = end.pBlock ? PartnerLine(*end.pBlock) : nullptr;
        if (!pLine)
            return end;
        const CBlockObj* pPartner = Partner(*end.pBlock);
        return FarEnd(*pLine, pPartner, pPartner->m_nType == BT_MALE ? 0 : BLOCK_FIRST_OUTPUT);
    }
    // A Female stands for the block that drives its pair; anything else for itself.
    PinEnd FollowFemale(const PinEnd& end) const
    {
        return end.pBlock && end.pBlock->m_nType == BT_FEMALE ? Across(end) : end;
    }
    // A Male stands for the consumer behind its pair.
    PinEnd FollowMale(const PinEnd& end) const
    {
        return end.pBlock && end.pBlock->m_nType == BT_MALE ? Across(end) : end;
    }

    // The loop-trace marks of every block and the rail, the visited flags of a walk.
    void ClearVisited() const
    {
        for (POSITION pos = m_doc.m_blockList.GetHeadPosition(); pos;)
            static_cast<CBlockObj*>(m_doc.m_blockList.GetNext(pos))->m_bLoopFound = 0;
        if (CBlockObj* pRail = Rail())
            pRail->m_bLoopFound = 0;
    }
    // The per-pin path marks of the function blocks.
    void ClearPathMarks() const
    {
        for (POSITION pos = m_doc.m_blockList.GetHeadPosition(); pos;) {
            auto* pBlock = static_cast<CBlockObj*>(m_doc.m_blockList.GetNext(pos));
            if (IsFunctionBlockNumber(pBlock->m_nNumber))
                for (int k = 0; k < BLOCK_FIRST_OUTPUT; ++k)
                    pBlock->m_bPinChanged[k] = 0;
        }
    }

private:
    CVetlaView& m_view;
    CVetlaDoc& m_doc;
};

// ---- FBD rule ----

// Source class of the fixed end's block and target class of the target block by type code;
// a target of no listed kind takes the last column.
int SourceClass(int nType)
{
    if ((nType >= 300 && nType <= 307) || (nType >= 400 && nType <= 409) || (nType >= 800 && nType <= 802) ||
        (nType >= 808 && nType <= 814) || nType == 823 || nType == 830 || nType == 831 || (nType >= 848 && nType <= 855))
        return 0;
    if (nType == BT_OUT || nType == BT_FLAG)
        return 1;
    if (nType == BT_ANALOG_OUT || nType == BT_ANALOG_FLAG)
        return 2;
    if (nType == 805 || nType == 820 || (nType >= 832 && nType <= 846) || nType == 856 || (nType >= 862 && nType <= 879))
        return 3;
    if (nType == 803 || nType == 804 || nType == 806 || nType == 807 || nType == 819 || nType == 860 || nType == 861)
        return 4;
    if (nType == 413 || (nType >= 815 && nType <= 818) || nType == 821 || nType == 822 || nType == 847)
        return 5;
    return 3;
}

constexpr int kNoTargetClass = 5;

int TargetClass(int nType)
{
    if ((nType >= 300 && nType <= 307) || (nType >= 400 && nType <= 409) || nType == 413 ||
        (nType >= 800 && nType <= 802) || (nType >= 808 && nType <= 817) || nType == 823 || nType == 830 ||
        nType == 831 || (nType >= 847 && nType <= 855))
        return 0;
    if (nType == BT_OUT || nType == BT_FLAG)
        return 1;
    if (nType == BT_ANALOG_OUT || nType == BT_ANALOG_FLAG)
        return 2;
    if (nType == 803 || nType == 804 || nType == 805 || nType == 807 || nType == 820 || (nType >= 832 && nType <= 843) ||
        nType == 845 || nType == 846 || nType == 856 || (nType >= 860 && nType <= 868))
        return 3;
    if (nType == 806 || nType == 818 || nType == 819 || nType == 821 || nType == 822 || nType == 879)
        return 4;
    return kNoTargetClass;
}

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

// The search upstream from Y for X's output. Each (block, arrival pin) is expanded once, so a
// diagram that already holds a cycle ends the search; expanding it again would find nothing new.
class UpstreamSearch {
public:
    UpstreamSearch(CVetlaView& view, const Net& net, PinEnd x, PinEnd y) : m_view(view), m_net(net), m_x(x), m_y(y) {}

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
        CPtrArray arrLines;
        m_view.GetDistinctInputLines(arrLines, current.pBlock);
        for (INT_PTR i = 0; i < arrLines.GetSize() && !m_bFound; ++i)
            Follow(*static_cast<const CConnectLineObj*>(arrLines[i]), current);
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
        if (IsConnectorBlock(far.pBlock)) {
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
        From(IsConnectorBlock(far.pBlock) ? m_net.Across(far) : far);
    }

    // The end of a wire at the block's input away from it.
    static PinEnd FarFrom(const CConnectLineObj& line, const CBlockObj* pBlock)
    {
        if (line.m_pEndBlock == pBlock && line.m_nEndPin < BLOCK_FIRST_OUTPUT)
            return {line.m_pStartBlock, line.m_nStartPin};
        return {line.m_pEndBlock, line.m_nEndPin};
    }

    CVetlaView& m_view;
    const Net& m_net;
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

// ---- LAD check ----

using BlockQueue = std::deque<CBlockObj*>;

// The next block of the queue without a loop-trace mark; null when the queue runs out.
CBlockObj* NextUnvisited(BlockQueue& queue)
{
    while (!queue.empty()) {
        CBlockObj* pBlock = queue.front();
        queue.pop_front();
        if (pBlock && !pBlock->m_bLoopFound)
            return pBlock;
    }
    return nullptr;
}

// A walk over the net around the wires fanning into (B, P): each time a path comes back to
// that pin, or to B, counts.
void WalkFanNet(const Net& net, BlockQueue& queue, int& nCount, const PinEnd& target)
{
    while (CBlockObj* pV = NextUnvisited(queue)) {
        for (int k : Net::InputPins(*pV))
            for (const CConnectLineObj* pLine : net.LinesAt(pV, k))
                queue.push_back(net.FollowFemale(FarEnd(*pLine, pV, k)).pBlock);
        for (int nOut : net.OutputPins(*pV)) {
            for (const CConnectLineObj* pLine : net.LinesAt(pV, nOut)) {
                const PinEnd pin = net.FollowMale(FarEnd(*pLine, pV, nOut));
                if (pin == target) {
                    ++nCount;
                    continue;
                }
                for (const CConnectLineObj* pAtPin : net.LinesAt(pin.pBlock, pin.nPin)) {
                    CBlockObj* pFar = net.FollowFemale(FarEnd(*pAtPin, pin.pBlock, pin.nPin)).pBlock;
                    if (pFar == target.pBlock)
                        ++nCount;
                    else
                        queue.push_back(pFar);
                }
            }
        }
        pV->m_bLoopFound = 1;
    }
}

// Step 1 of the ladder check: more returns to the input pin than wires at it.
bool CountFanReturns(const Net& net, const PinEnd& input)
{
    const std::vector<CConnectLineObj*> lines = net.LinesAt(input.pBlock, input.nPin);
    const int n = int(lines.size());
    int nCount = 0;
    for (const CConnectLineObj* pLine : lines) {
        CBlockObj* pFar = net.FollowFemale(FarEnd(*pLine, input.pBlock, input.nPin)).pBlock;
        net.ClearVisited();
        BlockQueue queue{pFar};
        if (pFar == input.pBlock)
            ++nCount;
        WalkFanNet(net, queue, nCount, input);
        if (nCount > n)
            return true;
    }
    return false;
}

bool IsFunctionBlock(const CBlockObj* pBlock)
{
    return pBlock && IsFunctionBlockNumber(pBlock->m_nNumber);
}

// An input pin the ladder walks follow: not a role, and on a function block only a marked one.
bool FollowsInput(const CBlockObj& block, int k)
{
    if (IsRoleCode(block.m_nPinSource[k]))
        return false;
    return !IsFunctionBlock(&block) || block.m_bPinChanged[k];
}

bool HasOutputWire(const Net& net, const CBlockObj& block)
{
    for (int nOut : net.OutputPins(block))
        if (!net.LinesAt(&block, nOut).empty())
            return true;
    return false;
}

// Gathers the function blocks of the net around the queue's blocks whose output has no wire,
// marking the input pins by which the net reaches them.
std::vector<CBlockObj*> CollectNet(const Net& net, BlockQueue queue)
{
    std::vector<CBlockObj*> ends;
    CBlockObj* pRail = net.Rail();
    while (CBlockObj* pV = NextUnvisited(queue)) {
        for (int k : Net::InputPins(*pV)) {
            if (!FollowsInput(*pV, k))
                continue;
            for (const CConnectLineObj* pLine : net.LinesAt(pV, k)) {
                CBlockObj* pO = net.FollowFemale(FarEnd(*pLine, pV, k)).pBlock;
                if (!pO || pO == pRail)
                    continue;
                for (int nOut : net.OutputPins(*pO)) {
                    for (const CConnectLineObj* pOut : net.LinesAt(pO, nOut)) {
                        const PinEnd z = net.FollowMale(FarEnd(*pOut, pO, nOut));
                        if (!z.pBlock)
                            continue;
                        if (IsFunctionBlock(z.pBlock) && z.nPin >= 0 && z.nPin < BLOCK_FIRST_OUTPUT)
                            z.pBlock->m_bPinChanged[z.nPin] = 1;
                        queue.push_back(z.pBlock);
                    }
                }
            }
        }
        pV->m_bLoopFound = 1;
        if (IsFunctionBlock(pV) && !HasOutputWire(net, *pV) && std::find(ends.begin(), ends.end(), pV) == ends.end())
            ends.push_back(pV);
    }
    return ends;
}

// Searches the net upstream of K's marked inputs for a contact that reads K.
bool SearchNet(const Net& net, BlockQueue& queue, const CBlockObj& k)
{
    CBlockObj* pRail = net.Rail();
    const auto push = [&queue, pRail](CBlockObj* pBlock) {
        if (pBlock && pBlock != pRail)
            queue.push_back(pBlock);
    };
    while (CBlockObj* pV = NextUnvisited(queue)) {
        if (pV->m_nOperand == k.m_nNumber)
            return true;
        for (int nIn : Net::InputPins(*pV)) {
            if (!FollowsInput(*pV, nIn))
                continue;
            for (const CConnectLineObj* pLine : net.LinesAt(pV, nIn))
                push(net.FollowFemale(FarEnd(*pLine, pV, nIn)).pBlock);
        }
        for (int nOut : net.OutputPins(*pV)) {
            for (const CConnectLineObj* pLine : net.LinesAt(pV, nOut)) {
                const PinEnd pin = net.FollowMale(FarEnd(*pLine, pV, nOut));
                for (const CConnectLineObj* pAtPin : net.LinesAt(pin.pBlock, pin.nPin))
                    push(net.FollowFemale(FarEnd(*pAtPin, pin.pBlock, pin.nPin)).pBlock);
            }
        }
        pV->m_bLoopFound = 1;
        if (IsFunctionBlockNumber(pV->m_nOperand)) {
            if (CBlockObj* pOperand = net.Doc().FindBlockByNumber(pV->m_nOperand)) {
                queue.push_back(pOperand);
                for (int nIn : Net::InputPins(*pOperand))
                    if (!IsRoleCode(pOperand->m_nPinSource[nIn]))
                        pOperand->m_bPinChanged[nIn] = 1;
            }
        }
    }
    return false;
}

// Step 2 of the ladder check: a function block at the end of the net around the input pin
// whose own contact feeds one of its marked inputs.
bool FindPathLoop(const Net& net, const PinEnd& input)
{
    net.ClearVisited();
    net.ClearPathMarks();
    if (IsFunctionBlock(input.pBlock) && input.nPin >= 0 && input.nPin < BLOCK_FIRST_OUTPUT)
        input.pBlock->m_bPinChanged[input.nPin] = 1;
    CBlockObj* pRail = net.Rail();
    for (CBlockObj* pK : CollectNet(net, BlockQueue{input.pBlock})) {
        for (int k : Net::InputPins(*pK)) {
            if (!pK->m_bPinChanged[k] || IsRoleCode(pK->m_nPinSource[k]))
                continue;
            net.ClearVisited();
            pK->m_bLoopFound = 1;
            BlockQueue queue;
            for (const CConnectLineObj* pLine : net.LinesAt(pK, k)) {
                CBlockObj* pFar = net.FollowFemale(FarEnd(*pLine, pK, k)).pBlock;
                if (pFar && pFar != pRail && std::find(queue.begin(), queue.end(), pFar) == queue.end())
                    queue.push_back(pFar);
            }
            if (SearchNet(net, queue, *pK))
                return true;
        }
    }
    return false;
}

} // namespace

int CVetlaView::GetDistinctInputLines(CPtrArray& arrLines, CBlockObj* pBlock)
{
    arrLines.RemoveAll();
    if (!m_pDocument || !pBlock)
        return 0;
    const Net net(*this);
    std::set<const CBlockObj*> farBlocks;
    for (POSITION pos = m_pDocument->m_lineList.GetHeadPosition(); pos;) {
        auto* pLine = static_cast<CConnectLineObj*>(m_pDocument->m_lineList.GetNext(pos));
        PinEnd far;
        if (pLine->m_pEndBlock == pBlock && pLine->m_nEndPin < BLOCK_FIRST_OUTPUT)
            far = {pLine->m_pStartBlock, pLine->m_nStartPin};
        else if (pLine->m_pStartBlock == pBlock && pLine->m_nStartPin < BLOCK_FIRST_OUTPUT)
            far = {pLine->m_pEndBlock, pLine->m_nEndPin};
        else
            continue;
        if (farBlocks.insert(net.FollowFemale(far).pBlock).second)
            arrLines.Add(pLine);
    }
    return int(arrLines.GetSize());
}

int CVetlaView::CheckLoopRule(CConnectLineObj* pLine, CBlockObj* pTarget, int nPin)
{
    if (!m_pDocument || !pLine || !pTarget)
        return 0;
    const Net net(*this);
    PinEnd s = FixedEnd(*pLine);
    if (pLine->m_bEndDrag && IsConnectorBlock(s.pBlock))
        s = net.Across(s);
    if (!s.pBlock)
        return 0;
    const PinEnd t{pTarget, nPin};
    if (s.pBlock != pTarget) {
        const bool bFixedIsInput = s.nPin < BLOCK_FIRST_OUTPUT;
        const PinEnd x = bFixedIsInput ? s : t;
        const PinEnd y = bFixedIsInput ? t : s;
        if (!UpstreamSearch(*this, net, x, y).Run())
            return 0;
    }
    return kLoopVerdict[SourceClass(s.pBlock->m_nType)][TargetClass(pTarget->m_nType)];
}

int CVetlaView::CheckLadLoop(CConnectLineObj* pLine)
{
    if (!m_pDocument || !pLine)
        return 0;
    const Net net(*this);
    const PinEnd input = pLine->m_nEndPin < BLOCK_FIRST_OUTPUT ? PinEnd{pLine->m_pEndBlock, pLine->m_nEndPin}
                                                                 : PinEnd{pLine->m_pStartBlock, pLine->m_nStartPin};
    if (!input.pBlock)
        return 0;
    const bool bLoop = CountFanReturns(net, input) || FindPathLoop(net, input);
    net.ClearVisited();
    net.ClearPathMarks();
    return bLoop ? 1 : 0;
}
