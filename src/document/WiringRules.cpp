#include "document/WiringRules.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/LoopRules.h"
#include "document/VetlaDoc.h"
#include "document/WireKinds.h"

namespace {

bool IsInputPin(int nPin) { return nPin >= 0 && nPin < BLOCK_FIRST_OUTPUT; }
bool IsOutputPin(int nPin) { return nPin >= BLOCK_FIRST_OUTPUT && nPin < BLOCK_PIN_COUNT; }
bool IsPowerBus(const CBlockObj* pBlock) { return pBlock && pBlock->m_nType == BT_POWERBUS; }
bool IsMale(const CBlockObj* pBlock) { return pBlock && pBlock->m_nType == BT_MALE; }
bool IsFemale(const CBlockObj* pBlock) { return pBlock && pBlock->m_nType == BT_FEMALE; }

// An input whose source is something other than the open code.
bool IsFedInput(const CBlockObj& block, int nPin)
{
    return IsInputPin(nPin) && block.m_nPinSource[nPin] != LINK_OPEN;
}

// The wire into the connector that partners pConnector (its number plus nOffset), else null.
const CConnectLineObj* PartnerWire(const CVetlaDoc& doc, const CBlockObj& connector, int nOffset)
{
    return doc.FindLineToConnector(doc.FindBlockByNumber(connector.m_nNumber + nOffset));
}

// A connector stands for the block behind it: a Male for the start of the wire into its
// Female (whose pin may become the pin that decides the kind), a Female for the start of the
// wire into its Male. Without such a wire the connector stays.
const CBlockObj& BlockBehindConnector(const CVetlaDoc& doc, const CBlockObj& block, int* pPin)
{
    const CConnectLineObj* pLine = nullptr;
    if (IsMale(&block))
        pLine = PartnerWire(doc, block, NUM_FEMALE_OFFSET);
    else if (IsFemale(&block))
        pLine = PartnerWire(doc, block, -NUM_FEMALE_OFFSET);
    if (!pLine || !pLine->m_pStartBlock)
        return block;
    if (IsMale(&block) && pPin && KindByStartPin(pLine->m_pStartBlock->m_nType))
        *pPin = pLine->m_nStartPin;
    return *pLine->m_pStartBlock;
}

bool JoinsPins(const CConnectLineObj& line, const CBlockObj* pA, int nPinA, const CBlockObj* pB, int nPinB)
{
    return line.m_pStartBlock == pA && line.m_nStartPin == nPinA && line.m_pEndBlock == pB &&
           line.m_nEndPin == nPinB;
}

// A ladder wire that would repeat a wire of the document between the two pins, either way.
bool DuplicatesWire(const CVetlaDoc& doc, const CBlockObj* pStart, int nStartPin, const CBlockObj* pEnd, int nEndPin)
{
    for (POSITION pos = doc.m_lineList.GetHeadPosition(); pos;) {
        const auto& line = *static_cast<const CConnectLineObj*>(doc.m_lineList.GetNext(pos));
        if (JoinsPins(line, pStart, nStartPin, pEnd, nEndPin) || JoinsPins(line, pEnd, nEndPin, pStart, nStartPin))
            return true;
    }
    return false;
}

// The ladder walk reads the wire as if it were finished: its open side at the target and the
// wire among the document's wires. Both are put back afterwards, and so are the marks the walk
// leaves on the blocks.
int CheckLadderWire(CVetlaDoc& doc, CConnectLineObj& line, bool bFixedIsEnd, CBlockObj& target, int nPin)
{
    CBlockObj*& pOpen = bFixedIsEnd ? line.m_pStartBlock : line.m_pEndBlock;
    int& nOpenPin = bFixedIsEnd ? line.m_nStartPin : line.m_nEndPin;
    int& nOpenNumber = bFixedIsEnd ? line.m_nStartBlock : line.m_nEndBlock;
    CBlockObj* const pSavedBlock = pOpen;
    const int nSavedPin = nOpenPin;
    const int nSavedNumber = nOpenNumber;
    pOpen = &target;
    nOpenPin = nPin;
    nOpenNumber = target.m_nNumber;
    CObList& lines = doc.m_lineList;
    const bool bListed = lines.Find(&line) != nullptr;
    if (!bListed)
        lines.AddTail(&line);
    const int nLoop = CheckLadLoop(doc, line);
    if (!bListed)
        lines.RemoveAt(lines.Find(&line));
    pOpen = pSavedBlock;
    nOpenPin = nSavedPin;
    nOpenNumber = nSavedNumber;
    ClearLoopMarks(doc);
    ClearPathMarks(doc);
    return nLoop ? HOVER_RECURSION : HOVER_ALLOWED;
}

} // namespace

std::vector<CConnectLineObj*> LinesAtPin(const CVetlaDoc& doc, const CBlockObj* pBlock, int nPin)
{
    std::vector<CConnectLineObj*> lines;
    for (POSITION pos = doc.m_lineList.GetHeadPosition(); pos;) {
        auto* pLine = static_cast<CConnectLineObj*>(doc.m_lineList.GetNext(pos));
        if ((pLine->m_pStartBlock == pBlock && pLine->m_nStartPin == nPin) ||
            (pLine->m_pEndBlock == pBlock && pLine->m_nEndPin == nPin))
            lines.push_back(pLine);
    }
    return lines;
}

bool IsPinCompatible(const CVetlaDoc& doc, const CBlockObj& source, const CBlockObj& dest, int nDestPin)
{
    const CBlockObj& behindSource = BlockBehindConnector(doc, source, IsMale(&source) ? &nDestPin : nullptr);
    const CBlockObj& behindDest = BlockBehindConnector(doc, dest, IsMale(&dest) ? &nDestPin : nullptr);
    return WireKindsFit(SourceKindOf(behindSource.m_nType), DestKindOf(behindDest.m_nType, nDestPin));
}

int CheckConnectionRules(CVetlaDoc& doc, CConnectLineObj& line, CBlockObj& target, int nPin)
{
    const bool bFixedIsEnd = line.m_bEndDrag && line.m_nDragEnd == -1;
    CBlockObj* pFixed = bFixedIsEnd ? line.m_pEndBlock : line.m_pStartBlock;
    const int nFixedPin = bFixedIsEnd ? line.m_nEndPin : line.m_nStartPin;
    if (IsPowerBus(&target))
        nPin = BLOCK_FIRST_OUTPUT;
    if (!pFixed || nPin < 0 || nPin >= BLOCK_PIN_COUNT)
        return HOVER_INCOMPATIBLE;
    const BOOL bLadder = doc.IsLadder();

    if (IsInputPin(nFixedPin) && IsInputPin(nPin))
        return HOVER_INCOMPATIBLE;
    if (IsOutputPin(nFixedPin) && IsOutputPin(nPin))
        return HOVER_INCOMPATIBLE;
    if (IsFedInput(target, nPin) && (!bLadder || IsRoleCode(target.m_nPinSource[nPin])))
        return HOVER_INCOMPATIBLE;
    const bool bFits = IsInputPin(nPin) ? IsPinCompatible(doc, *pFixed, target, nPin)
                                        : IsPinCompatible(doc, target, *pFixed, nFixedPin);
    if (!bFits)
        return HOVER_INCOMPATIBLE;

    if (!bLadder)
        return CheckLoopRule(doc, line, target, nPin) ? HOVER_RECURSION : HOVER_ALLOWED;
    return CheckLadderWire(doc, line, bFixedIsEnd, target, nPin);
}

int CheckWireInProgress(CVetlaDoc& doc, CConnectLineObj& wire, CBlockObj& target, int nPin)
{
    const int nVerdict = CheckConnectionRules(doc, wire, target, nPin);
    if (nVerdict == HOVER_ALLOWED && IsMale(wire.m_pStartBlock) && !IsFedInput(target, nPin))
        return HOVER_INCOMPATIBLE;
    return nVerdict;
}

bool MayStartWire(const CVetlaDoc& doc, const CBlockObj& block, int nPin)
{
    return !IsFedInput(block, nPin) || (doc.IsLadder() && !RefusesSecondWire(block.m_nType, nPin));
}

bool IsRefusedWireEnd(CVetlaDoc& doc, CConnectLineObj& wire, CBlockObj& end, int nEndPin)
{
    const CBlockObj* pStart = wire.m_pStartBlock;
    if ((IsFemale(pStart) && IsMale(&end)) || (IsMale(pStart) && IsFemale(&end)))
        return true;
    if (doc.IsLadder()) {
        if (pStart == &end || DuplicatesWire(doc, pStart, wire.m_nStartPin, &end, nEndPin))
            return true;
        // Nothing ends at the rail that did not start at an input, and never a connector's.
        if (IsPowerBus(&end) && IsMale(pStart))
            return true;
    }
    return CheckConnectionRules(doc, wire, end, nEndPin) != HOVER_ALLOWED;
}

bool IsRefusedDrop(const CVetlaDoc& doc, CConnectLineObj& line, CBlockObj& target, int nPin)
{
    const bool bDragStart = line.m_nDragEnd == -1;
    const int nFixedPin = bDragStart ? line.m_nEndPin : line.m_nStartPin;
    const bool bInput = nPin < BLOCK_FIRST_OUTPUT;
    return (bInput && target.m_nPinSource[nPin] != LINK_OPEN) || bInput == (nFixedPin < BLOCK_FIRST_OUTPUT) ||
           (bDragStart && IsMale(line.m_pEndBlock) && IsFemale(&target)) ||
           doc.IsDuplicateLine(&line, &target, nPin);
}
