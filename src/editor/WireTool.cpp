// Drawing a wire by two clicks (a press and a release), routing and recording it in both
// blocks' pin tables; what may be joined is decided by the model's wiring rules.
#include "editor/WireTool.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/Junctions.h"
#include "document/LineEnds.h"
#include "document/LineRoute.h"
#include "document/PinHits.h"
#include "document/StraightWire.h"
#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/WindowStyles.h"

#include <cstdlib>

namespace {

const TCHAR kIncompatibleText[] = _T("Incompatible connectors!");
const TCHAR kRecursionText[] = _T("Recursions only allowed via outputs and flags!");

bool IsPowerBus(const CBlockObj* pBlock) { return pBlock && pBlock->m_nType == BT_POWERBUS; }

// The block is one of the diagram's, or its power rail. Only its address is compared: a block
// the diagram no longer holds is freed, and reading it is not allowed.
bool IsInDiagram(const CVetlaDoc& doc, CBlockObj* pBlock)
{
    return pBlock && (doc.m_blockList.Find(pBlock) || doc.m_powerBusList.Find(pBlock));
}

// The centre of a pin's stub rectangle; false for a pin without one.
bool PinCentre(CBlockObj* pBlock, int nPin, CPoint& ptCentre)
{
    CRect rect;
    if (!GetBlockPinRect(&rect, pBlock, nPin))
        return false;
    ptCentre = CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    return true;
}

void RouteTwoPoints(CConnectLineObj& line)
{
    line.m_arrVertices.SetSize(2);
    line.m_arrVertices[0] = line.m_ptStart;
    line.m_arrVertices[1] = line.m_ptEnd;
}

// One rubber segment along the dominant axis of the step (inverting what lies below, so that
// drawing it twice erases it); returns the point reached, ptFrom when the points are equal.
CPoint DrawRubberSegment(CDC* pDC, CPoint ptFrom, CPoint ptTo)
{
    if (ptFrom == ptTo)
        return ptFrom;
    const CPoint ptReached = std::abs(ptTo.x - ptFrom.x) > std::abs(ptTo.y - ptFrom.y) ? CPoint(ptTo.x, ptFrom.y)
                                                                                      : CPoint(ptFrom.x, ptTo.y);
    pDC->MoveTo(ptFrom);
    pDC->LineTo(ptReached);
    return ptReached;
}

} // namespace

// ---- the hover check ----

void CWireTool::ShowPinTip(int x, int y, CPoint ptClient)
{
    // A verdict belongs to the pin it was found at; anywhere else nothing is refused.
    m_nHoverVerdict = HOVER_ALLOWED;
    CVetlaDoc* pDoc = m_view.m_pDocument;
    if (!pDoc)
        return;
    CBlockObj* pBlock = pDoc->BlockAtPointWithPins(x, y);
    if (!pBlock && pDoc->IsLadder())
        pBlock = PowerBusAt(*m_view.m_pDocument, x, y);
    const int nRow = pBlock ? BlockTextRow(pBlock->m_nType) : -1;
    if (nRow < 0) {
        m_balloonTip.Show(CString(), nullptr);
        return;
    }
    const int nPin = pBlock->HitTest(CPoint(x, y));
    const BOOL bBus = IsPowerBus(pBlock);
    const int nRulePin = bBus ? BLOCK_FIRST_OUTPUT : nPin;
    // A body counts as a target only on the power rail; off every pin nothing is joined.
    const BOOL bTarget = nPin != -1 && (nPin != BLOCK_TEXT_NAME || bBus);

    const BOOL bDrawing = (m_view.EditMode() == EDIT_MODE_CONNECT || m_bFromInsert) && m_nState > 0;
    CConnectLineObj* pCurLine = m_view.CurrentLine();
    CConnectLineObj* pDragged =
        m_view.EditMode() == EDIT_MODE_DRAG_LINE && pCurLine && pCurLine->m_bEndDrag ? pCurLine : nullptr;
    CBlockObj* pStart = m_wire.m_pStartBlock;
    if (bDrawing && bTarget && IsInDiagram(*pDoc, pStart)) {
        m_nHoverVerdict = CheckWireInProgress(*pDoc, m_wire, *pBlock, nPin);
    } else if (pDragged && bTarget) {
        m_nHoverVerdict = CheckConnectionRules(*pDoc, *pDragged, *pBlock, nRulePin);
    }

    CString strText;
    if (m_nHoverVerdict == HOVER_INCOMPATIBLE) {
        // Back over the wire's own start, or the pin the dragged end sits on, nothing is wrong
        // enough to say.
        BOOL bOwnPin = bDrawing && pBlock == pStart;
        if (pDragged) {
            const BOOL bEnd = pDragged->m_nDragEnd == 1;
            bOwnPin = pBlock == (bEnd ? pDragged->m_pEndBlock : pDragged->m_pStartBlock) &&
                      nRulePin == (bEnd ? pDragged->m_nEndPin : pDragged->m_nStartPin);
        }
        if (!bOwnPin)
            strText = kIncompatibleText;
    } else if (m_nHoverVerdict == HOVER_RECURSION) {
        strText = kRecursionText;
    } else if (nPin != -1) {
        strText = m_strBlockText[nRow][nPin];
    }
    CPoint ptScreen = ptClient;
    if (m_view.m_hWnd)
        m_view.ClientToScreen(&ptScreen);
    m_balloonTip.Show(strText, &ptScreen);
}

// ---- the wire tool ----

void CWireTool::End()
{
    m_bFromInsert = 0;
    m_nState = 0;
    m_wire.m_pStartBlock = nullptr;
    m_wire.m_pEndBlock = nullptr;
    m_nHoverVerdict = HOVER_ALLOWED;
    m_balloonTip.Show(CString(), nullptr);
    if (CWnd::GetCapture() == &m_view)
        CWnd::ReleaseCapture();
    m_view.InvalidateAll();
}

// The first click: the wire in progress starts at the pin (or, in a ladder document, at the
// power rail) under the point.
CWireTool::StartResult CWireTool::Start(int x, int y)
{
    CVetlaDoc& doc = *m_view.m_pDocument;
    CBlockObj* pBlock = doc.BlockAtPointWithPins(x, y);
    if (!pBlock && doc.IsLadder()) {
        if (CBlockObj* pBus = PowerBusAt(*m_view.m_pDocument, x, y)) {
            // A rung starts at the rail, level with the click.
            m_wire.m_ptStart = m_wire.m_ptEnd = CPoint(pBus->m_ptPos.x, y);
            RouteTwoPoints(m_wire);
            m_wire.m_pStartBlock = pBus;
            m_wire.m_nStartPin = BLOCK_FIRST_OUTPUT;
            m_wire.m_nStartBlock = pBus->m_nNumber;
            m_wire.m_pEndBlock = nullptr;
            m_nState = 1;
            return StartResult::Started;
        }
    }
    const int nPin = PinAt(pBlock, x, y);
    if (!pBlock || nPin < 0)
        return StartResult::Refused;
    if (!MayStartWire(doc, *pBlock, nPin))
        return StartResult::Refused;
    CPoint ptCentre;
    if (!PinCentre(pBlock, nPin, ptCentre))
        return StartResult::NoCentre;
    m_wire.m_ptStart = m_wire.m_ptEnd = ptCentre;
    m_wire.m_arrVertices.SetSize(4);
    for (INT_PTR i = 0; i < 4; ++i)
        m_wire.m_arrVertices[i] = ptCentre;
    m_wire.m_pStartBlock = pBlock;
    m_wire.m_nStartPin = nPin;
    m_wire.m_nStartBlock = pBlock->m_nNumber;
    m_wire.m_pEndBlock = nullptr;
    m_nState = 1;
    return StartResult::Started;
}

void CWireTool::ClickAt(int x, int y)
{
    if (!m_view.m_pDocument)
        return;
    if (m_nHoverVerdict != HOVER_ALLOWED) {
        End();
        return;
    }
    if (m_nState != 0) {
        Finish(x, y);
        return;
    }
    switch (Start(x, y)) {
    case StartResult::Refused:
        End();
        return;
    case StartResult::NoCentre:
        return;
    case StartResult::Started:
        m_view.InvalidateAll();
        return;
    }
}

// The second click: the wire ends at the pin (or the power rail) under the point.
void CWireTool::Finish(int x, int y)
{
    CVetlaDoc& doc = *m_view.m_pDocument;
    const BOOL bLadder = doc.IsLadder();
    CBlockObj* pStart = m_wire.m_pStartBlock;
    CBlockObj* pEnd = doc.BlockAtPointWithPins(x, y);
    int nEndPin = -1;
    if (!pEnd && bLadder && (pEnd = PowerBusAt(*m_view.m_pDocument, x, y)) != nullptr)
        nEndPin = BLOCK_FIRST_OUTPUT;
    if (!pEnd || !IsInDiagram(doc, pStart)) {
        End();
        if (doc.m_blockList.IsEmpty()) {
            m_view.m_nEditMode = EDIT_MODE_SELECT;
            ::SetCursor(AfxLoadStandardCursor(IDC_ARROW));
            if (CWnd::GetCapture() == &m_view)
                CWnd::ReleaseCapture();
        }
        return;
    }
    if (!IsPowerBus(pEnd))
        nEndPin = PinAt(pEnd, x, y);
    if (nEndPin < 0 || IsRefusedWireEnd(doc, m_wire, *pEnd, nEndPin)) {
        End();
        return;
    }

    // The finished wire: a rung at the rail is one straight run level with the pin at its
    // other end; any other wire runs across at mid-way and has both ends laid out.
    const BOOL bRung = IsPowerBus(pStart) || IsPowerBus(pEnd);
    if (IsPowerBus(pEnd)) {
        m_wire.m_ptEnd = CPoint(pEnd->m_ptPos.x, m_wire.m_ptStart.y);
    } else {
        PinCentre(pEnd, nEndPin, m_wire.m_ptEnd);
        if (IsPowerBus(pStart))
            m_wire.m_ptStart.y = m_wire.m_ptEnd.y;
    }
    m_wire.m_pEndBlock = pEnd;
    m_wire.m_nEndPin = nEndPin;
    m_wire.m_nEndBlock = pEnd->m_nNumber;
    if (bRung)
        RouteTwoPoints(m_wire);
    else
        RouteStraightAcross(m_wire);

    auto* pLine = new CConnectLineObj;
    pLine->CopyFrom(&m_wire);
    pLine->m_pDoc = &doc;
    doc.AddLine(pLine);
    m_nState = 0;
    m_bFromInsert = 0;
    if (!bRung) {
        doc.MoveLineEnd(pLine, pLine->m_ptStart.x, pLine->m_ptStart.y, TRUE, LinePinSideOf(pLine->m_nStartPin));
        doc.MoveLineEnd(pLine, pLine->m_ptEnd.x, pLine->m_ptEnd.y, FALSE, LinePinSideOf(pLine->m_nEndPin));
    }
    WritePinSources(*pLine);
    ResetJunctions(*pLine);
    const BOOL bStartShared = !IsPowerBus(pStart) && LinesAtPin(doc, pStart, pLine->m_nStartPin).size() > 1;
    const BOOL bEndShared = !IsPowerBus(pEnd) && LinesAtPin(doc, pEnd, pLine->m_nEndPin).size() > 1;
    if (bStartShared)
        UpdateJunctionsAtPin(doc, *pLine, pStart, pLine->m_nStartPin, TRUE);
    // In a ladder document several wires may meet at an input too: both ends get their dots.
    if (bEndShared && (bLadder || !bStartShared))
        UpdateJunctionsAtPin(doc, *pLine, pEnd, pLine->m_nEndPin, TRUE);
    if (m_bUndoOnWire)
        doc.m_undo.SaveState(&doc);
    m_view.InvalidateAll();
}

void CWireTool::DrawWire(CPoint ptFrom, CPoint ptTo, BOOL bUndo)
{
    if (m_nState != 0)
        End();
    m_nHoverVerdict = HOVER_ALLOWED;
    ClickAt(ptFrom.x, ptFrom.y);
    m_bUndoOnWire = bUndo;
    m_nHoverVerdict = HOVER_ALLOWED;
    ClickAt(ptTo.x, ptTo.y);
    m_bUndoOnWire = 1;
}

void CWireTool::FollowMouse(CPoint pt)
{
    CArray<CPoint>& vertices = m_wire.m_arrVertices;
    if (vertices.GetSize() > 0)
        vertices[vertices.GetSize() - 1] = pt;
    m_wire.m_ptEnd = pt;
}

// The wire runs from its start through its corners and turns once more to reach the mouse, so
// that the line always keeps to the two axes a finished wire uses.
void CWireTool::DrawRubberBand(CDC* pDC, COLORREF crWire) const
{
    const CArray<CPoint>& vertices = m_wire.m_arrVertices;
    if (m_nState == 0 || vertices.GetSize() == 0)
        return;
    CPen pen(PS_SOLID, 1, crWire);
    CPen* pOldPen = pDC->SelectObject(&pen);
    const int nOldRop = pDC->SetROP2(R2_NOTXORPEN);
    CPoint pt = m_wire.m_ptStart;
    for (INT_PTR i = 1; i < vertices.GetSize(); ++i)
        pt = DrawRubberSegment(pDC, pt, vertices[i]);
    DrawRubberSegment(pDC, pt, vertices[vertices.GetSize() - 1]);
    pDC->SetROP2(nOldRop);
    pDC->SelectObject(pOldPen);
}

// ---- wires without the mouse ----

CConnectLineObj* CWireTool::ConnectPins(CPoint ptStart, CBlockObj* pStart, int nStartPin, CPoint ptEnd,
                                        CBlockObj* pEnd, int nEndPin)
{
    CVetlaDoc* pDoc = m_view.m_pDocument;
    if (!pDoc)
        return nullptr;
    CConnectLineObj* pLine = AddStraightWire(*pDoc, ptStart, pStart, nStartPin, ptEnd, pEnd, nEndPin);
    if (!pLine)
        return nullptr;
    if (LinesAtPin(*pDoc, pStart, nStartPin).size() > 1)
        UpdateJunctionsAtPin(*pDoc, *pLine, pStart, nStartPin, TRUE);
    else if (LinesAtPin(*pDoc, pEnd, nEndPin).size() > 1)
        UpdateJunctionsAtPin(*pDoc, *pLine, pEnd, nEndPin, TRUE);
    m_view.InvalidateAll();
    return pLine;
}

// ---- the balloon tip ----

void CWireTool::CreateTip()
{
    m_balloonTip.Create(&m_view);
    m_balloonTip.SetIcon(m_nTipIcon);
    m_pTipFont = std::make_unique<CFont>();
    m_pTipFont->CreateFont(12, 6, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH, _T(""));
    m_balloonTip.SetTipFont(m_pTipFont.get());
}
