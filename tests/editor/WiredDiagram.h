// A diagram built by hand for the connection and loop tests: blocks of any type made by the
// view's factory, numbered as the document numbers them, and wires laid from pin centre to pin
// centre with both pin tables written, as a finished wire leaves them.
#pragma once

#include "support/ActiveDocument.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/PowerBusObj.h"
#include "document/VetlaDoc.h"
#include "support/DiagramPoints.h"
#include "editor/VetlaView.h"
#include "platform/core/CmdTarget.h"
#include "platform/core/Geometry.h"
#include "platform/core/PtrArray.h"

#include <gtest/gtest.h>

#include <vector>

class WiredDiagram : public ::testing::Test {
protected:
    explicit WiredDiagram(int nDocType = DOC_TYPE_FBD) : m_active(nDocType)
    {
        Doc().m_rcExtent = CRect(0, 0, 2000, 1400);
        Doc().m_wHardwareCode = 0x5100;
        if (nDocType == DOC_TYPE_LAD) {
            m_pRail = new CPowerBusObj(BT_POWERBUS);
            m_pRail->m_nWidth = 4;
            m_pRail->m_nHeight = 1200;
            Doc().m_powerBusList.AddTail(m_pRail);
        }
    }

    CVetlaDoc& Doc() { return m_active.Doc(); }
    CVetlaView& View() { return m_active.View(); }

    // A block of the type at (x, y), numbered by the document (function blocks 9000 on, the
    // others from their number range); nNumber, when given, replaces that number.
    CBlockObj* Block(int nType, int x, int y, int nNumber = 0)
    {
        CBlockObj* pBlock = View().CreateBlockObject(nType);
        pBlock->m_ptPos = CPoint(x, y);
        pBlock->m_ptPos2 = pBlock->m_ptPos;
        Doc().AddBlock(pBlock);
        if (nNumber)
            pBlock->m_nNumber = nNumber;
        return pBlock;
    }

    // Whether the view offers the command, as a menu asks before it opens.
    BOOL Enabled(UINT nID)
    {
        CCmdUI cmdUI;
        cmdUI.m_nID = nID;
        cmdUI.DoUpdate(&View(), FALSE);
        return cmdUI.m_bEnabled;
    }
    // As a menu item sends it: a disabled command does nothing.
    void Command(UINT nID) { View().SendMessage(WM_COMMAND, nID); }

    // A comment box of the size at (x, y).
    CBlockComment* Comment(int x, int y, int w = 60, int h = 20)
    {
        auto* pComment = new CBlockComment;
        pComment->m_nLeft = x;
        pComment->m_nTop = y;
        pComment->m_nBoxWidth = w;
        pComment->m_nBoxHeight = h;
        Doc().m_commentList.AddTail(pComment);
        return pComment;
    }

    template <class T>
    T* Select(T* pObject)
    {
        View().Selection().Add(pObject);
        return pObject;
    }

    // A finished wire from (pFrom, nFromPin) to (pTo, nToPin) routed start, (m, start y),
    // (m, end y), end; the rail as either end takes the other end's y.
    CConnectLineObj* Wire(CBlockObj* pFrom, int nFromPin, CBlockObj* pTo, int nToPin)
    {
        auto* pLine = new CConnectLineObj;
        pLine->m_pDoc = &Doc();
        pLine->m_pStartBlock = pFrom;
        pLine->m_pEndBlock = pTo;
        pLine->m_nStartBlock = pFrom->m_nNumber;
        pLine->m_nEndBlock = pTo->m_nNumber;
        pLine->m_nStartPin = nFromPin;
        pLine->m_nEndPin = nToPin;
        const bool bRailStart = pFrom == m_pRail;
        const bool bRailEnd = pTo == m_pRail;
        pLine->m_ptStart = bRailStart ? CPoint() : PinCentre(pFrom, nFromPin);
        pLine->m_ptEnd = bRailEnd ? CPoint() : PinCentre(pTo, nToPin);
        if (bRailStart)
            pLine->m_ptStart = CPoint(m_pRail->m_ptPos.x, pLine->m_ptEnd.y);
        if (bRailEnd)
            pLine->m_ptEnd = CPoint(m_pRail->m_ptPos.x, pLine->m_ptStart.y);
        pLine->m_arrVertices.RemoveAll();
        pLine->m_arrVertices.Add(pLine->m_ptStart);
        if (!bRailStart && !bRailEnd) {
            const int m = (pLine->m_ptStart.x + pLine->m_ptEnd.x) / 2;
            pLine->m_arrVertices.Add(CPoint(m, pLine->m_ptStart.y));
            pLine->m_arrVertices.Add(CPoint(m, pLine->m_ptEnd.y));
        }
        pLine->m_arrVertices.Add(pLine->m_ptEnd);
        ResetJunctions(pLine);
        Doc().m_lineList.AddTail(pLine);
        pFrom->m_nPinSource[nFromPin] = pTo->m_nNumber;
        pTo->m_nPinSource[nToPin] = pFrom->m_nNumber;
        return pLine;
    }

    // A wire with its own vertices (first and last are its end points).
    CConnectLineObj* RoutedWire(CBlockObj* pFrom, int nFromPin, CBlockObj* pTo, int nToPin,
                                const std::vector<CPoint>& inner)
    {
        CConnectLineObj* pLine = Wire(pFrom, nFromPin, pTo, nToPin);
        pLine->m_arrVertices.RemoveAll();
        pLine->m_arrVertices.Add(pLine->m_ptStart);
        for (const CPoint& pt : inner)
            pLine->m_arrVertices.Add(pt);
        pLine->m_arrVertices.Add(pLine->m_ptEnd);
        ResetJunctions(pLine);
        return pLine;
    }

    static void ResetJunctions(CConnectLineObj* pLine)
    {
        pLine->m_arrJunctions.RemoveAll();
        for (INT_PTR i = 0; i < pLine->m_arrVertices.GetSize(); ++i)
            pLine->m_arrJunctions.Add(CPoint(LINE_NO_JUNCTION, LINE_NO_JUNCTION));
    }

    ActiveDocument m_active;
    CBlockObj* m_pRail = nullptr;
};

// The same in a ladder diagram, with its power rail.
class LadderDiagram : public WiredDiagram {
protected:
    LadderDiagram() : WiredDiagram(DOC_TYPE_LAD) {}
};
