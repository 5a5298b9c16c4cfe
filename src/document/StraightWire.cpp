#include "document/StraightWire.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/LineRoute.h"
#include "document/VetlaDoc.h"

namespace {

bool IsPowerBus(const CBlockObj* pBlock) { return pBlock && pBlock->m_nType == BT_POWERBUS; }

void WritePinSource(CBlockObj* pBlock, int nPin, int nSource)
{
    // The power rail keeps no pin table.
    if (nPin >= 0 && nPin < BLOCK_PIN_COUNT && !IsPowerBus(pBlock))
        pBlock->m_nPinSource[nPin] = nSource;
}

} // namespace

void RouteStraightAcross(CConnectLineObj& line)
{
    const CPoint ptStart = line.m_ptStart;
    const CPoint ptEnd = line.m_ptEnd;
    const int m = (ptStart.x + ptEnd.x) / 2;
    line.m_arrVertices.SetSize(4);
    line.m_arrVertices[0] = ptStart;
    line.m_arrVertices[1] = CPoint(m, ptStart.y);
    line.m_arrVertices[2] = CPoint(m, ptEnd.y);
    line.m_arrVertices[3] = ptEnd;
}

void ResetJunctions(CConnectLineObj& line)
{
    const INT_PTR nCount = line.m_arrVertices.GetSize();
    line.m_arrJunctions.SetSize(nCount);
    for (INT_PTR i = 0; i < nCount; ++i)
        line.m_arrJunctions[i] = CPoint(LINE_NO_JUNCTION, LINE_NO_JUNCTION);
}

CConnectLineObj* AddStraightWire(CVetlaDoc& doc, CPoint ptStart, CBlockObj* pStart, int nStartPin, CPoint ptEnd,
                                 CBlockObj* pEnd, int nEndPin)
{
    if (!pStart || !pEnd)
        return nullptr;
    auto* pLine = new CConnectLineObj;
    pLine->m_pDoc = &doc;
    pLine->m_ptStart = ptStart;
    pLine->m_ptEnd = ptEnd;
    pLine->m_pStartBlock = pStart;
    pLine->m_pEndBlock = pEnd;
    pLine->m_nStartBlock = pStart->m_nNumber;
    pLine->m_nEndBlock = pEnd->m_nNumber;
    pLine->m_nStartPin = nStartPin;
    pLine->m_nEndPin = nEndPin;
    RouteStraightAcross(*pLine);
    doc.AddLine(pLine);
    doc.MoveLineEnd(pLine, ptStart.x, ptStart.y, TRUE, LinePinSideOf(nStartPin));
    doc.MoveLineEnd(pLine, ptEnd.x, ptEnd.y, FALSE, LinePinSideOf(nEndPin));
    WritePinSource(pStart, nStartPin, pEnd->m_nNumber);
    WritePinSource(pEnd, nEndPin, pStart->m_nNumber);
    ResetJunctions(*pLine);
    return pLine;
}
