// A diagram for the tests of the document's wiring functions, built on a document alone: blocks
// made by the factory and numbered by the document, connector pairs, the ladder power rail, and
// wires that join two pins with both pin tables written, as a finished wire leaves them.
#pragma once

#include "blocks/BlockConnector.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/PowerBusObj.h"
#include "document/StraightWire.h"
#include "document/VetlaDoc.h"
#include "support/DiagramPoints.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

class RuleDiagram : public testing::Test {
protected:
    explicit RuleDiagram(int nDocType = DOC_TYPE_FBD)
    {
        m_doc.m_nDocType = nDocType;
        m_doc.m_wHardwareCode = 0x5100;
        if (nDocType == DOC_TYPE_LAD) {
            m_pRail = new CPowerBusObj(BT_POWERBUS);
            m_doc.m_powerBusList.AddTail(m_pRail);
        }
    }

    CVetlaDoc& Doc() { return m_doc; }

    CBlockObj* Block(int nType, int x = 0, int y = 0)
    {
        CBlockObj* pBlock = CreateBlockForType(nType, nullptr, &m_doc);
        pBlock->m_ptPos = pBlock->m_ptPos2 = CPoint(x, y);
        m_doc.AddBlock(pBlock);
        return pBlock;
    }
    // One block of each type, in order: auto [pAnd, pOr] = Blocks(BT_AND, BT_OR).
    template <class... Types>
    std::array<CBlockObj*, sizeof...(Types)> Blocks(Types... nTypes)
    {
        return {Block(nTypes)...};
    }

    // A Male and its Female, numbered as a pair.
    std::pair<CBlockObj*, CBlockObj*> ConnectorPair()
    {
        auto* pMale = new CBlockMale(BT_MALE);
        auto* pFemale = new CBlockFemale(BT_FEMALE);
        pMale->m_nNumber = NUM_MALE + m_nPairs;
        pFemale->m_nNumber = pMale->m_nNumber + NUM_FEMALE_OFFSET;
        ++m_nPairs;
        m_doc.m_blockList.AddTail(pMale);
        m_doc.m_blockList.AddTail(pFemale);
        return {pMale, pFemale};
    }

    CConnectLineObj* Wire(CBlockObj* pFrom, int nFromPin, CBlockObj* pTo, int nToPin)
    {
        auto* pLine = new CConnectLineObj;
        pLine->m_pDoc = &m_doc;
        pLine->m_pStartBlock = pFrom;
        pLine->m_pEndBlock = pTo;
        pLine->m_nStartBlock = pFrom->m_nNumber;
        pLine->m_nEndBlock = pTo->m_nNumber;
        pLine->m_nStartPin = nFromPin;
        pLine->m_nEndPin = nToPin;
        m_doc.m_lineList.AddTail(pLine);
        if (pFrom != m_pRail)
            pFrom->m_nPinSource[nFromPin] = pTo->m_nNumber;
        if (pTo != m_pRail)
            pTo->m_nPinSource[nToPin] = pFrom->m_nNumber;
        return pLine;
    }

    // A wire from pin centre to pin centre over the inner vertices, marking no junction.
    CConnectLineObj* RoutedWire(CBlockObj* pFrom, int nFromPin, CBlockObj* pTo, int nToPin,
                                const std::vector<CPoint>& inner)
    {
        CConnectLineObj* pLine = Wire(pFrom, nFromPin, pTo, nToPin);
        pLine->m_ptStart = PinCentre(pFrom, nFromPin);
        pLine->m_ptEnd = PinCentre(pTo, nToPin);
        pLine->m_arrVertices.RemoveAll();
        pLine->m_arrVertices.Add(pLine->m_ptStart);
        for (const CPoint& pt : inner)
            pLine->m_arrVertices.Add(pt);
        pLine->m_arrVertices.Add(pLine->m_ptEnd);
        ResetJunctions(*pLine);
        return pLine;
    }

    // A wire in progress from the pin, as the wire tool holds it before its second click.
    static void StartAt(CConnectLineObj& wire, CBlockObj* pFrom, int nFromPin)
    {
        wire.m_pStartBlock = pFrom;
        wire.m_nStartPin = nFromPin;
        wire.m_nStartBlock = pFrom->m_nNumber;
    }

    // The walks' marks of every block: loop-trace marks and the path marks of pins 0-9.
    std::vector<int> Marks()
    {
        std::vector<int> marks;
        for (POSITION pos = m_doc.m_blockList.GetHeadPosition(); pos;) {
            const auto* pBlock = static_cast<const CBlockObj*>(m_doc.m_blockList.GetNext(pos));
            marks.push_back(pBlock->m_bLoopFound);
            for (int k = 0; k < BLOCK_FIRST_OUTPUT; ++k)
                marks.push_back(pBlock->m_bPinChanged[k]);
        }
        if (m_pRail)
            marks.push_back(m_pRail->m_bLoopFound);
        return marks;
    }

    CVetlaDoc m_doc;
    CBlockObj* m_pRail = nullptr;
    int m_nPairs = 0;
};
