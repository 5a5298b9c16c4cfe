// Sample documents of the document tests: an FBD diagram with blocks, wires, a comment box, a
// data log and message-text elements (optionally one block of every catalogue type), and a
// LAD diagram with its power rail, contacts, coils and operand maps.
#pragma once

#include "DocTestSupport.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockDataLog.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/PowerBusObj.h"
#include "blocks/Widget.h"

inline CConnectLineObj* AddWire(CVetlaDoc& doc, CBlockObj* pFrom, int nFromPin, CBlockObj* pTo, int nToPin)
{
    auto* pLine = new CConnectLineObj;
    pLine->m_nStartBlock = pFrom->m_nNumber;
    pLine->m_nStartPin = nFromPin;
    pLine->m_nEndBlock = pTo->m_nNumber;
    pLine->m_nEndPin = nToPin;
    pLine->m_pStartBlock = pFrom;
    pLine->m_pEndBlock = pTo;
    pLine->m_ptStart = CPoint(pFrom->m_ptPos.x + 30, pFrom->m_ptPos.y + 18);
    pLine->m_ptEnd = CPoint(pTo->m_ptPos.x - 5, pTo->m_ptPos.y + 10);
    pLine->m_arrVertices.Add(pLine->m_ptStart);
    pLine->m_arrVertices.Add(CPoint(pLine->m_ptStart.x, pLine->m_ptEnd.y));
    pLine->m_arrVertices.Add(pLine->m_ptEnd);
    pTo->m_nPinSource[nToPin] = pFrom->m_nNumber;
    doc.AddLine(pLine);
    return pLine;
}

inline void AddCommentBox(CVetlaDoc& doc, int x, int y, LPCTSTR pszText)
{
    auto* pComment = new CBlockComment;
    pComment->m_nLeft = pComment->m_nAuxX = x;
    pComment->m_nTop = pComment->m_nAuxY = y;
    pComment->m_nBoxWidth = 80;
    pComment->m_nBoxHeight = 20;
    pComment->m_strBoxText = pszText;
    doc.AddComment(pComment);
}

inline void FillFbdSample(CVetlaDoc& doc, BOOL bEveryType)
{
    CBlockObj* pIn1 = AddNew(doc, BT_IN, 20, 20);
    CBlockObj* pIn2 = AddNew(doc, BT_IN, 20, 80);
    CBlockObj* pAnd = AddNew(doc, BT_AND, 100, 40);
    CBlockObj* pTimer = AddNew(doc, BT_DPR, 160, 40);
    CBlockObj* pOut = AddNew(doc, BT_OUT, 240, 40);
    AddWire(doc, pIn1, 10, pAnd, 0);
    AddWire(doc, pIn2, 10, pAnd, 1);
    AddWire(doc, pAnd, 10, pTimer, 0);
    AddWire(doc, pTimer, 10, pOut, 0);
    pTimer->m_pRefBlock[0] = pAnd;
    pTimer->m_strLabelSuffix = _T("Delay");
    AddCommentBox(doc, 10, 200, _T("Pump\r\ncontrol"));

    auto* pText = static_cast<CBlockMSGTEXT*>(AddNew(doc, BT_MSGTEXT, 300, 40));
    auto* pWidget = new CWidget;
    pWidget->m_nBlockNumber = pTimer->m_nNumber;
    pWidget->m_nKind = 0;
    pWidget->m_strCaption = _T("T");
    pText->m_arrWidgets1[1].Add(pWidget);

    auto* pLog = static_cast<CBlockDataLog*>(AddNew(doc, BT_DATALOG, 300, 120));
    DataLogItem item;
    item.strItem = _T("B4");
    item.nValue1 = pTimer->m_nNumber;
    pLog->m_arrLogItems.Add(item);

    CBlockObj* pMale = AddNew(doc, BT_MALE, 400, 40);
    CBlockObj* pFemale = CreateBlockForType(BT_FEMALE, nullptr, nullptr);
    doc.AddBlock(pFemale);
    pFemale->m_nNumber = pMale->m_nNumber + NUM_FEMALE_OFFSET;

    if (!bEveryType)
        return;
    int x = 0;
    for (const BlockTypeRow& entry : FactoryTypeRows()) {
        x += 40;
        if (entry.nType == BT_MSGTEXT || entry.nType == BT_DATALOG)
            continue;
        AddNew(doc, entry.nType, x, 400);
    }
}

inline void FillLadSample(CVetlaDoc& doc)
{
    doc.m_nDocType = DOC_TYPE_LAD;
    auto* pRail = new CPowerBusObj(BT_POWERBUS);
    pRail->m_nHeight = 700;
    doc.m_powerBusList.AddTail(pRail);
    CBlockObj* pMake = AddNew(doc, BT_MAKE, 60, 40);
    CBlockObj* pBreak = AddNew(doc, BT_BREAK, 120, 40);
    CBlockObj* pCoil = AddNew(doc, BT_RELAY_COIL, 200, 40);
    AddNew(doc, BT_AOUT_LAD, 200, 100);
    AddWire(doc, pRail, 10, pMake, 0);
    AddWire(doc, pMake, 10, pBreak, 0);
    AddWire(doc, pBreak, 10, pCoil, 0);
    doc.m_mapOperandComment.SetAt(100, _T("Start button"));
    doc.m_mapOperandComment.SetAt(600, _T("Motor"));
    doc.m_mapOperandSim.SetAt(100, OperandSimRecord{1, 0, 0, 9999, 2});
    AddCommentBox(doc, 10, 300, _T("Rung 1"));
}
