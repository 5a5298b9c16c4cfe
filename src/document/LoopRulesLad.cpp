// The ladder diagram's loop check: two walks over the nets around the new wire's input pin.
#include "document/LoopRules.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/BlockNumbering.h"
#include "document/VetlaDoc.h"
#include "document/WireNet.h"

#include <algorithm>
#include <deque>

namespace {

using BlockQueue = std::deque<CBlockObj*>;

bool IsFunctionBlock(const CBlockObj* pBlock)
{
    return pBlock && IsFunctionBlockNumber(pBlock->m_nNumber);
}

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
void WalkFanNet(const WireNet& net, BlockQueue& queue, int& nCount, const PinEnd& target)
{
    while (CBlockObj* pV = NextUnvisited(queue)) {
        for (int k : WireNet::InputPins(*pV))
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
bool CountFanReturns(const WireNet& net, const PinEnd& input)
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

// An input pin the ladder walks follow: not a role, and on a function block only a marked one.
bool FollowsInput(const CBlockObj& block, int k)
{
    if (IsRoleCode(block.m_nPinSource[k]))
        return false;
    return !IsFunctionBlock(&block) || block.m_bPinChanged[k];
}

bool HasOutputWire(const WireNet& net, const CBlockObj& block)
{
    for (int nOut : net.OutputPins(block))
        if (!net.LinesAt(&block, nOut).empty())
            return true;
    return false;
}

// Gathers the function blocks of the net around the queue's blocks whose output has no wire,
// marking the input pins by which the net reaches them.
std::vector<CBlockObj*> CollectNet(const WireNet& net, BlockQueue queue)
{
    std::vector<CBlockObj*> ends;
    CBlockObj* pRail = net.Rail();
    while (CBlockObj* pV = NextUnvisited(queue)) {
        for (int k : WireNet::InputPins(*pV)) {
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
bool SearchNet(const WireNet& net, BlockQueue& queue, const CBlockObj& k)
{
    CBlockObj* pRail = net.Rail();
    const auto push = [&queue, pRail](CBlockObj* pBlock) {
        if (pBlock && pBlock != pRail)
            queue.push_back(pBlock);
    };
    while (CBlockObj* pV = NextUnvisited(queue)) {
        if (pV->m_nOperand == k.m_nNumber)
            return true;
        for (int nIn : WireNet::InputPins(*pV)) {
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
                for (int nIn : WireNet::InputPins(*pOperand))
                    if (!IsRoleCode(pOperand->m_nPinSource[nIn]))
                        pOperand->m_bPinChanged[nIn] = 1;
            }
        }
    }
    return false;
}

// Step 2 of the ladder check: a function block at the end of the net around the input pin
// whose own contact feeds one of its marked inputs.
bool FindPathLoop(CVetlaDoc& doc, const WireNet& net, const PinEnd& input)
{
    net.ClearVisited();
    ClearPathMarks(doc);
    if (IsFunctionBlock(input.pBlock) && input.nPin >= 0 && input.nPin < BLOCK_FIRST_OUTPUT)
        input.pBlock->m_bPinChanged[input.nPin] = 1;
    CBlockObj* pRail = net.Rail();
    for (CBlockObj* pK : CollectNet(net, BlockQueue{input.pBlock})) {
        for (int k : WireNet::InputPins(*pK)) {
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

int CheckLadLoop(CVetlaDoc& doc, const CConnectLineObj& line)
{
    const WireNet net(doc);
    const PinEnd input = line.m_nEndPin < BLOCK_FIRST_OUTPUT ? PinEnd{line.m_pEndBlock, line.m_nEndPin}
                                                               : PinEnd{line.m_pStartBlock, line.m_nStartPin};
    if (!input.pBlock)
        return 0;
    const bool bLoop = CountFanReturns(net, input) || FindPathLoop(doc, net, input);
    net.ClearVisited();
    ClearPathMarks(doc);
    return bLoop ? 1 : 0;
}

void ClearLoopMarks(CVetlaDoc& doc)
{
    for (const CObList* pList : {&doc.m_blockList, &doc.m_powerBusList}) {
        for (POSITION pos = pList->GetHeadPosition(); pos;)
            static_cast<CBlockObj*>(pList->GetNext(pos))->m_bLoopFound = 0;
    }
}

void ClearPathMarks(CVetlaDoc& doc)
{
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos));
        if (IsFunctionBlock(pBlock)) {
            for (int k = 0; k < BLOCK_FIRST_OUTPUT; ++k)
                pBlock->m_bPinChanged[k] = 0;
        }
    }
}
