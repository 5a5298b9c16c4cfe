#include "document/LineEnds.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/BlockNumbering.h"
#include "document/VetlaDoc.h"

namespace {

bool IsPowerBus(const CBlockObj* pBlock) { return pBlock && pBlock->m_nType == BT_POWERBUS; }

bool HasPinTable(const CBlockObj* pBlock, int nPin)
{
    return pBlock && nPin >= 0 && nPin < BLOCK_PIN_COUNT && !IsPowerBus(pBlock);
}

// What the block at the other end of a wire records for the moved block: its number, or for a
// function block its own entry of the pin the wire leaves.
int SourceFor(const CBlockObj* pMoved, int nMovedPin)
{
    const int nNumber = pMoved->m_nNumber;
    if (!IsFunctionBlockNumber(nNumber) || nMovedPin < 0 || nMovedPin >= BLOCK_PIN_COUNT)
        return nNumber;
    return pMoved->m_nPinSource[nMovedPin];
}

template <class Fn>
void ForEachLine(const CVetlaDoc& doc, Fn fn)
{
    for (POSITION pos = doc.m_lineList.GetHeadPosition(); pos;)
        fn(*static_cast<CConnectLineObj*>(doc.m_lineList.GetNext(pos)));
}

} // namespace

void WritePinSources(CConnectLineObj& line)
{
    if (!line.m_pStartBlock || !line.m_pEndBlock)
        return;
    if (HasPinTable(line.m_pStartBlock, line.m_nStartPin))
        line.m_pStartBlock->m_nPinSource[line.m_nStartPin] = line.m_pEndBlock->m_nNumber;
    if (HasPinTable(line.m_pEndBlock, line.m_nEndPin))
        line.m_pEndBlock->m_nPinSource[line.m_nEndPin] = line.m_pStartBlock->m_nNumber;
}

void RefreshLineEnds(CVetlaDoc& doc)
{
    ForEachLine(doc, [](CConnectLineObj& line) {
        if (!line.m_pStartBlock || !line.m_pEndBlock)
            return;
        line.m_nStartBlock = line.m_pStartBlock->m_nNumber;
        line.m_nEndBlock = line.m_pEndBlock->m_nNumber;
        WritePinSources(line);
    });
}

void RenumberLineEnds(CVetlaDoc& doc, int nOldNumber)
{
    ForEachLine(doc, [nOldNumber](CConnectLineObj& line) {
        if (line.m_nStartBlock == nOldNumber && line.m_pStartBlock) {
            line.m_nStartBlock = line.m_pStartBlock->m_nNumber;
            if (HasPinTable(line.m_pEndBlock, line.m_nEndPin))
                line.m_pEndBlock->m_nPinSource[line.m_nEndPin] = SourceFor(line.m_pStartBlock, line.m_nStartPin);
        }
        if (line.m_nEndBlock == nOldNumber && line.m_pEndBlock) {
            line.m_nEndBlock = line.m_pEndBlock->m_nNumber;
            if (HasPinTable(line.m_pStartBlock, line.m_nStartPin))
                line.m_pStartBlock->m_nPinSource[line.m_nStartPin] = SourceFor(line.m_pEndBlock, line.m_nEndPin);
        }
    });
}

BOOL IsPinConnected(const CVetlaDoc& doc, const CBlockObj* pBlock, const CConnectLineObj* pExcept, int nPin)
{
    if (!pBlock)
        return FALSE;
    for (POSITION pos = doc.m_lineList.GetHeadPosition(); pos;) {
        const auto* pLine = static_cast<const CConnectLineObj*>(doc.m_lineList.GetNext(pos));
        if (pLine == pExcept)
            continue;
        if ((pLine->m_pStartBlock == pBlock && pLine->m_nStartPin == nPin) ||
            (pLine->m_pEndBlock == pBlock && pLine->m_nEndPin == nPin))
            return TRUE;
    }
    return FALSE;
}

std::vector<CConnectLineObj*> LinesOfBlock(const CVetlaDoc& doc, const CBlockObj* pBlock)
{
    std::vector<CConnectLineObj*> lines;
    if (!pBlock)
        return lines;
    ForEachLine(doc, [&](CConnectLineObj& line) {
        if (line.m_pStartBlock == pBlock || line.m_pEndBlock == pBlock)
            lines.push_back(&line);
    });
    return lines;
}

void ClearLineMoveMarks(const CVetlaDoc& doc)
{
    ForEachLine(doc, [](CConnectLineObj& line) { line.m_bMoved = 0; });
}
