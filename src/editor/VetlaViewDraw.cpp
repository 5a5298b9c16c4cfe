// Drawing the diagram. In simulation mode every paint is one scan of the document (the model's
// ScanDocument) followed by the drawing of each block in the colour of its state; the wires
// follow in the colour of their source pin. The 25 ms tick only asks for the paint.
#include "editor/VetlaView.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/PowerBusObj.h"
#include "blocks/SimContext.h"
#include "document/BlockNumberIndex.h"
#include "document/BlockNumbering.h"
#include "document/SimScan.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/SimulationBarDlg.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Pen.h"


namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kPageLine = RGB(0, 200, 0);
constexpr COLORREF kPageSeparator = 0x62C400;
constexpr COLORREF kBandFrame = RGB(128, 0, 0);
// How far a block's labels, pin texts and value box may reach beyond its body.
constexpr int kBlockDrawingMargin = 200;

// Black while stopped, blue while the Power button holds the supply off.
COLORREF StoppedColour(const SimBarState& bar)
{
    return !bar.bPowerOn && bar.bPowerPressed ? SIM_COLOUR_OFF : kBlack;
}

// Wide pens and junction dots reach a few units beyond a route.
constexpr int kWireDrawingMargin = 8;

bool RouteMayShow(const CConnectLineObj& line, const CRect& rcVisible)
{
    for (INT_PTR i = 0; i < line.m_arrVertices.GetSize(); ++i) {
        const CPoint pt = line.m_arrVertices[i];
        if (rcVisible.PtInRect(pt))
            return true;
        if (i > 0) {
            CRect rcSegment(line.m_arrVertices[i - 1], pt);
            rcSegment.NormalizeRect();
            rcSegment.InflateRect(0, 0, 1, 1);
            CRect rcCommon;
            if (rcCommon.IntersectRect(rcSegment, rcVisible))
                return true;
        }
    }
    return false;
}

template <class T, class Fn>
void ForEach(CObList& list, Fn fn)
{
    for (POSITION pos = list.GetHeadPosition(); pos;)
        fn(*static_cast<T*>(list.GetNext(pos)));
}

} // namespace

SimBarState CVetlaView::GetSimBarState() const
{
    const CChildFrame* pFrame = GetParentFrame();
    if (const CSimulationBarDlg* pBar = pFrame ? pFrame->GetSimulationBarDlg() : nullptr)
        return {pBar->m_nSimRunState, pBar->m_nSimPowerOn, pBar->IsPowerPressed()};
    return {pFrame ? pFrame->GetSimRunState() : SIM_RUN_RUNNING, TRUE, FALSE};
}

void CVetlaView::DrawPageBackground(CDC* pDC)
{
    const CSize sizePage = m_pDocument->m_sizeScreen;
    const CSize extent = GetTotalSize();
    CPen pen(PS_SOLID, 1, kPageLine);
    CPen* pOldPen = pDC->SelectObject(&pen);
    for (int x = sizePage.cx; sizePage.cx > 0 && x < extent.cx; x += sizePage.cx) {
        pDC->MoveTo(x, 0);
        pDC->LineTo(x, extent.cy);
    }
    for (int y = sizePage.cy; sizePage.cy > 0 && y < extent.cy; y += sizePage.cy) {
        pDC->MoveTo(0, y);
        pDC->LineTo(extent.cx, y);
    }
    pDC->SelectObject(pOldPen);
    pDC->FillSolidRect(m_pDocument->m_rcExtent, m_crBackground);
    DrawPageFrame(pDC, m_pDocument->m_rcExtent);
    if (!m_pDocument->IsLadder())
        return;
    if (m_pDocument->m_powerBusList.IsEmpty()) {
        auto* pRail = new CPowerBusObj(BT_POWERBUS);
        pRail->InitForDocument(m_pDocument);
        pRail->m_nWidth = 4;
        pRail->m_nHeight = extent.cy - 4;
        m_pDocument->m_powerBusList.AddTail(pRail);
    }
    static_cast<CBlockObj*>(m_pDocument->m_powerBusList.GetHead())->Draw(nullptr, pDC, FALSE, kBlack);
}

void CVetlaView::DrawPageFrame(CDC* pDC, const CRect& rcArea)
{
    CPen framePen(PS_SOLID, 2, kBlack);
    CPen* pOldPen = pDC->SelectObject(&framePen);
    const POINT frame[] = {{rcArea.left, rcArea.top},
                           {rcArea.right, rcArea.top},
                           {rcArea.right, rcArea.bottom - 2},
                           {rcArea.left, rcArea.bottom - 2},
                           {rcArea.left, rcArea.top}};
    pDC->Polyline(frame, 5);
    CPen separatorPen(PS_SOLID, 1, kPageSeparator);
    pDC->SelectObject(&separatorPen);
    const CSize sizePage = m_pDocument->m_sizeScreen;
    for (int i = 1; i < m_pDocument->m_nPagesAcross; ++i) {
        pDC->MoveTo(rcArea.left + i * sizePage.cx, rcArea.top);
        pDC->LineTo(rcArea.left + i * sizePage.cx, rcArea.bottom);
    }
    for (int i = 1; i < m_pDocument->m_nPagesDown; ++i) {
        pDC->MoveTo(rcArea.left, rcArea.top + i * sizePage.cy);
        pDC->LineTo(rcArea.right, rcArea.top + i * sizePage.cy);
    }
    pDC->SelectObject(pOldPen);
}

void CVetlaView::DrawDiagram(CDC* pDC, BOOL bScreen)
{
    if (!m_pDocument)
        return;
    CChildFrame* pFrame = GetParentFrame();
    CSimulationBarDlg* pBar = pFrame ? pFrame->GetSimulationBarDlg() : nullptr;
    if (m_nEditMode == EDIT_MODE_SIMULATE && pBar) {
        pBar->UpdateStepTimeText(pFrame, FALSE);
        pBar->UpdateClockText();
    }
    const SimBarState bar = GetSimBarState();
    if (pFrame)
        pFrame->GetSimTime(&m_simulation.Clock());
    // Block numbers and the list stand still for the scan and the drawing: every input and every
    // wire's source is found by number.
    const CBlockNumberIndex index(*m_pDocument);
    const CSimContext sim = MakeSimContext();
    if (sim.bSimulating) {
        ScanDocument(*m_pDocument, sim);
        m_openSheets.RefreshAll(*m_pDocument, sim);
        OpenMessageTexts();
        if (pFrame)
            pFrame->m_bClockSet = 0;
        if (pBar)
            pBar->OnScanned();
    }
    DrawBlocks(pDC, bScreen, bar, sim);
    DrawWires(pDC, bScreen, bar);
    const BOOL bSimulating = m_nEditMode == EDIT_MODE_SIMULATE;
    if (bSimulating && m_pDocument->IsLadder() && !m_pDocument->m_powerBusList.IsEmpty())
        static_cast<CBlockObj*>(m_pDocument->m_powerBusList.GetHead())->Draw(nullptr, pDC, FALSE, SIM_COLOUR_ON);
    ForEach<CBlockComment>(m_pDocument->m_commentList, [pDC](CBlockComment& comment) {
        if (comment.m_bCommentSelected && !pDC->IsPrinting())
            comment.DrawSelected(pDC);
        else
            comment.Draw(pDC);
    });
    if (!pDC->IsPrinting())
        DrawEditMarks(pDC);
}

// What the edit in progress shows over the diagram: the rubber band of a selection, the wire
// being drawn.
void CVetlaView::DrawEditMarks(CDC* pDC)
{
    if (m_nEditMode == EDIT_MODE_BAND) {
        CRect rcBand = m_selection.Band();
        rcBand.NormalizeRect();
        CBrush brush(kBandFrame);
        pDC->FrameRect(rcBand, &brush);
    } else if (m_nEditMode == EDIT_MODE_CONNECT || m_wireTool.IsFromInsert()) {
        m_wireTool.DrawRubberBand(pDC, m_crWire);
    }
}

void CVetlaView::DrawBlocks(CDC* pDC, BOOL bScreen, const SimBarState& bar, const CSimContext& sim)
{
    // A block the paint cannot show draws into a context without a device: painting the
    // invisible would cost most of the tick.
    CRect rcVisible;
    const BOOL bClipped = pDC->GetClipBox(rcVisible) != ERROR && !pDC->IsPrinting();
    rcVisible.InflateRect(kBlockDrawingMargin, kBlockDrawingMargin);
    ForEach<CBlockObj>(m_pDocument->m_blockList, [&](CBlockObj& block) {
        CRect rcBlock(block.m_ptPos, CSize(block.m_nWidth, block.m_nHeight));
        rcBlock.NormalizeRect();
        rcBlock.InflateRect(0, 0, 1, 1);
        CRect rcShown;
        CDC* pBlockDC = !bClipped || rcShown.IntersectRect(rcBlock, rcVisible) ? pDC : &m_hiddenDC;
        if (!sim.bSimulating) {
            if (block.m_bSelected && !pDC->IsPrinting())
                block.DrawSelected(&sim, pBlockDC);
            else
                block.Draw(&sim, pBlockDC, bScreen, kBlack);
        } else if (bar.nRunState == SIM_RUN_STOPPED) {
            block.Draw(&sim, pBlockDC, bScreen, StoppedColour(bar));
        } else {
            block.DrawSim(&sim, pBlockDC);
        }
    });
    if (!m_pCurBlock)
        return;
    if (sim.bSimulating && bar.nRunState == SIM_RUN_STOPPED) {
        m_pCurBlock->Draw(&sim, pDC, bScreen, kBlack);
        m_pCurBlock->DrawSelectionHandles(pDC);
    } else {
        m_pCurBlock->DrawSelected(&sim, pDC);
    }
}

COLORREF CVetlaView::WireColour(const CConnectLineObj& line, const SimBarState& bar) const
{
    if (m_nEditMode != EDIT_MODE_SIMULATE)
        return m_crWire;
    if (bar.nRunState == SIM_RUN_STOPPED)
        return StoppedColour(bar);
    // A wire drawn from an input pin has its source at the other end.
    const bool bStartIsSource = line.m_nStartPin >= BLOCK_FIRST_OUTPUT;
    const int nNumber = bStartIsSource ? line.m_nStartBlock : line.m_nEndBlock;
    const int nPin = bStartIsSource ? line.m_nStartPin : line.m_nEndPin;
    const CBlockObj* pSource = m_pDocument->FindBlockByNumber(nNumber);
    const bool bOn = pSource && nPin >= 0 && nPin < BLOCK_PIN_COUNT && pSource->m_nPinValue[nPin] == 1;
    return bOn ? SIM_COLOUR_ON : SIM_COLOUR_OFF;
}

void CVetlaView::DrawWires(CDC* pDC, BOOL bScreen, const SimBarState& bar)
{
    CRect rcVisible;
    const BOOL bClipped = pDC->GetClipBox(rcVisible) != ERROR && !pDC->IsPrinting();
    rcVisible.InflateRect(kWireDrawingMargin, kWireDrawingMargin);
    const CLineRun lineRun(pDC);
    ForEach<CConnectLineObj>(m_pDocument->m_lineList, [&](CConnectLineObj& line) {
        if (bClipped && !RouteMayShow(line, rcVisible))
            return;
        if (line.m_bLineSelected && !pDC->IsPrinting())
            line.DrawSelected(pDC, WireColour(line, bar));
        else
            line.Draw(pDC, WireColour(line, bar), bScreen);
    });
}
