// The wire tool of the diagram view: the hover check with its balloon tip, drawing a wire by
// two clicks (a press and a release), routing and recording it in both blocks' pin tables,
// and wires built without the mouse. What may be joined is decided by the model's wiring rules (document/WiringRules.h).
#include "editor/VetlaView.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/Junctions.h"
#include "document/LineEnds.h"
#include "document/LineRoute.h"
#include "document/StraightWire.h"
#include "document/VetlaDoc.h"
#include "document/WiringRules.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/WindowStyles.h"

namespace {

const TCHAR kIncompatibleText[] = _T("Incompatible connectors!");
const TCHAR kRecursionText[] = _T("Recursions only allowed via outputs and flags!");

bool IsPowerBus(const CBlockObj* pBlock) { return pBlock && pBlock->m_nType == BT_POWERBUS; }

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

} // namespace

// ---- the hover check ----

void CVetlaView::ShowPinTip(int x, int y, CPoint ptClient)
{
    // A verdict belongs to the pin it was found at; anywhere else nothing is refused.
    m_nHoverVerdict = HOVER_ALLOWED;
    if (!m_pDocument)
        return;
    CBlockObj* pBlock = m_pDocument->BlockAtPointWithPins(x, y);
    if (!pBlock && m_pDocument->IsLadder())
        pBlock = PowerBusAt(x, y);
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

    const BOOL bDrawing = (m_nEditMode == EDIT_MODE_CONNECT || m_bWireFromInsert) && m_nWireState > 0;
    CConnectLineObj* pDragged =
        m_nEditMode == EDIT_MODE_DRAG_LINE && m_pCurLine && m_pCurLine->m_bEndDrag ? m_pCurLine : nullptr;
    CBlockObj* pStart = m_wireInProgress.m_pStartBlock;
    if (bDrawing && bTarget && pStart &&
        (IsPowerBus(pStart) || m_pDocument->m_blockList.Find(pStart))) {
        m_nHoverVerdict = CheckWireInProgress(*m_pDocument, m_wireInProgress, *pBlock, nPin);
    } else if (pDragged && bTarget) {
        m_nHoverVerdict = CheckConnectionRules(*m_pDocument, *pDragged, *pBlock, nRulePin);
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
    if (m_hWnd)
        ClientToScreen(&ptScreen);
    m_balloonTip.Show(strText, &ptScreen);
}

// ---- the wire tool ----

void CVetlaView::EndConnectMode()
{
    m_bWireFromInsert = 0;
    m_nWireState = 0;
    m_wireInProgress.m_pStartBlock = nullptr;
    m_wireInProgress.m_pEndBlock = nullptr;
    m_nHoverVerdict = HOVER_ALLOWED;
    m_balloonTip.Show(CString(), nullptr);
    if (GetCapture() == this)
        ReleaseCapture();
    InvalidateAll();
}

namespace {

// The first click: the wire in progress starts at the pin (or, in a ladder document, at the
// power rail) under the point. False when nothing may start there.
enum class StartResult { Started, Refused, NoCentre };

StartResult StartWire(CVetlaView& view, int x, int y)
{
    CVetlaDoc& doc = *view.m_pDocument;
    const BOOL bLadder = doc.IsLadder();
    CConnectLineObj& wire = view.m_wireInProgress;
    CBlockObj* pBlock = doc.BlockAtPointWithPins(x, y);
    if (!pBlock && bLadder) {
        if (CBlockObj* pBus = view.PowerBusAt(x, y)) {
            // A rung starts at the rail, level with the click.
            wire.m_ptStart = wire.m_ptEnd = CPoint(pBus->m_ptPos.x, y);
            RouteTwoPoints(wire);
            wire.m_pStartBlock = pBus;
            wire.m_nStartPin = BLOCK_FIRST_OUTPUT;
            wire.m_nStartBlock = pBus->m_nNumber;
            wire.m_pEndBlock = nullptr;
            view.m_ptWireStart = wire.m_ptStart;
            view.m_nWireState = 1;
            return StartResult::Started;
        }
    }
    const int nPin = view.PinAt(pBlock, x, y);
    if (!pBlock || nPin < 0)
        return StartResult::Refused;
    if (!MayStartWire(doc, *pBlock, nPin))
        return StartResult::Refused;
    CPoint ptCentre;
    if (!PinCentre(pBlock, nPin, ptCentre))
        return StartResult::NoCentre;
    wire.m_ptStart = wire.m_ptEnd = ptCentre;
    wire.m_arrVertices.SetSize(4);
    for (INT_PTR i = 0; i < 4; ++i)
        wire.m_arrVertices[i] = ptCentre;
    wire.m_pStartBlock = pBlock;
    wire.m_nStartPin = nPin;
    wire.m_nStartBlock = pBlock->m_nNumber;
    wire.m_pEndBlock = nullptr;
    view.m_ptWireStart = ptCentre;
    view.m_nWireState = 1;
    return StartResult::Started;
}

} // namespace

void CVetlaView::WireClickAt(int x, int y)
{
    if (!m_pDocument)
        return;
    if (m_nHoverVerdict != HOVER_ALLOWED) {
        EndConnectMode();
        return;
    }
    if (m_nWireState == 0) {
        switch (StartWire(*this, x, y)) {
        case StartResult::Refused:
            EndConnectMode();
            return;
        case StartResult::NoCentre:
            return;
        case StartResult::Started:
            InvalidateAll();
            return;
        }
        return;
    }

    CVetlaDoc& doc = *m_pDocument;
    const BOOL bLadder = doc.IsLadder();
    CBlockObj* pStart = m_wireInProgress.m_pStartBlock;
    CBlockObj* pEnd = doc.BlockAtPointWithPins(x, y);
    int nEndPin = -1;
    if (!pEnd && bLadder && (pEnd = PowerBusAt(x, y)) != nullptr)
        nEndPin = BLOCK_FIRST_OUTPUT;
    const BOOL bStartAlive = pStart && (IsPowerBus(pStart) || doc.m_blockList.Find(pStart));
    if (!pEnd || !bStartAlive) {
        EndConnectMode();
        if (doc.m_blockList.IsEmpty()) {
            m_nEditMode = EDIT_MODE_SELECT;
            ::SetCursor(AfxLoadStandardCursor(IDC_ARROW));
            if (GetCapture() == this)
                ReleaseCapture();
        }
        return;
    }
    if (!IsPowerBus(pEnd))
        nEndPin = PinAt(pEnd, x, y);
    if (nEndPin < 0 || IsRefusedWireEnd(doc, m_wireInProgress, *pEnd, nEndPin)) {
        EndConnectMode();
        return;
    }

    // The finished wire: a rung at the rail is one straight run level with the pin at its
    // other end; any other wire runs across at mid-way and has both ends laid out.
    CConnectLineObj& wire = m_wireInProgress;
    const BOOL bRung = IsPowerBus(pStart) || IsPowerBus(pEnd);
    if (IsPowerBus(pEnd)) {
        wire.m_ptEnd = CPoint(pEnd->m_ptPos.x, wire.m_ptStart.y);
    } else {
        PinCentre(pEnd, nEndPin, wire.m_ptEnd);
        if (IsPowerBus(pStart))
            wire.m_ptStart.y = wire.m_ptEnd.y;
    }
    wire.m_pEndBlock = pEnd;
    wire.m_nEndPin = nEndPin;
    wire.m_nEndBlock = pEnd->m_nNumber;
    if (bRung)
        RouteTwoPoints(wire);
    else
        RouteStraightAcross(wire);

    auto* pLine = new CConnectLineObj;
    pLine->CopyFrom(&wire);
    pLine->m_pDoc = &doc;
    doc.AddLine(pLine);
    m_nWireState = 0;
    m_bWireFromInsert = 0;
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
    InvalidateAll();
}

// ---- wires without the mouse ----

CConnectLineObj* CVetlaView::ConnectPins(CPoint ptStart, CBlockObj* pStart, int nStartPin, CPoint ptEnd,
                                         CBlockObj* pEnd, int nEndPin)
{
    if (!m_pDocument)
        return nullptr;
    CConnectLineObj* pLine = AddStraightWire(*m_pDocument, ptStart, pStart, nStartPin, ptEnd, pEnd, nEndPin);
    if (!pLine)
        return nullptr;
    if (LinesAtPin(*m_pDocument, pStart, nStartPin).size() > 1)
        UpdateJunctionsAtPin(*m_pDocument, *pLine, pStart, nStartPin, TRUE);
    else if (LinesAtPin(*m_pDocument, pEnd, nEndPin).size() > 1)
        UpdateJunctionsAtPin(*m_pDocument, *pLine, pEnd, nEndPin, TRUE);
    InvalidateAll();
    return pLine;
}

// ---- the balloon tip and its texts ----

void CVetlaView::CreateBalloonTip()
{
    m_balloonTip.Create(this);
    m_balloonTip.SetIcon(m_nTipIcon);
    m_pTipFont = std::make_unique<CFont>();
    m_pTipFont->CreateFont(12, 6, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH, _T(""));
    m_balloonTip.SetTipFont(m_pTipFont.get());
}

void CVetlaView::LoadBlockText() { LoadBlockTextTable(m_strBlockText); }

BOOL CVetlaView::PreTranslateMessage(MSG* pMsg)
{
    m_balloonTip.RelayEvent(pMsg);
    return CScrollView::PreTranslateMessage(pMsg);
}
