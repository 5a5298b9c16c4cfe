// The connection upkeep of the diagram view: what other blocks keep of a deleted block
// (parameter references, data-log items, message-text elements), the page margins of a moved
// selection, the wires and junction dots at a pin, re-attaching a dragged wire end and tidying
// a wire after a segment drag.
#include "editor/VetlaView.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockClock.h"
#include "blocks/BlockComment.h"
#include "blocks/BlockConnector.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockDataLog.h"
#include "blocks/BlockExtended.h"
#include "blocks/BlockFunction.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockMath.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWord.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/Widget.h"
#include "document/Junctions.h"
#include "document/LineRoute.h"
#include "document/VetlaDoc.h"
#include "document/WiringRules.h"

#include <array>
#include <cstdlib>
#include <initializer_list>
#include <set>
#include <vector>

namespace {

// ---- parameter references of a deleted block ----

// The parameter words a reference feeds: P0-P4 are m_nParam[8..12], Q0-Q8 m_nParamEx[0..8],
// A0 and A1 the two values an analog block compares or watches.
enum class Word { P0, P1, P2, P3, P4, Q0, Q1, Q2, Q3, Q4, Q5, Q6, Q7, Q8, A0, A1 };

constexpr int kFirstPWord = 8;
// 2 in a time base word is seconds with hundredths.
constexpr int kSecondsBase = 2;

int* WordOf(CBlockObj& block, Word word)
{
    const int n = int(word);
    if (word <= Word::P4)
        return &block.m_nParam[kFirstPWord + n];
    if (word <= Word::Q8)
        return &block.m_nParamEx[n - int(Word::Q0)];
    auto* pAnalog = dynamic_cast<CBlockAnalog*>(&block);
    if (!pAnalog)
        return nullptr;
    return word == Word::A0 ? &pAnalog->m_nThreshold1 : &pAnalog->m_nThreshold2;
}

struct WordReset {
    Word word;
    int nValue;
};
using Resets = std::vector<WordReset>;

// One row of the reference table: the classes it applies to and, per reference, the words
// that fall back to their defaults when the reference goes.
struct ReferenceRow {
    std::vector<const CRuntimeClass*> classes;
    std::array<Resets, BLOCK_REF_COUNT> resets;

    bool Matches(const CBlockObj& block) const
    {
        for (const CRuntimeClass* pClass : classes)
            if (block.IsKindOf(pClass))
                return true;
        return false;
    }
};

const Resets kTimerFirst = {{Word::P3, 0}, {Word::P1, 0}, {Word::P0, 0}, {Word::P2, kSecondsBase}};

// Tested in this order; the first row whose classes match applies. The counter row and the
// timer row (last) also serve the older generation.
const std::vector<ReferenceRow>& ReferenceRows()
{
    static const std::vector<ReferenceRow> rows = {
        {{RUNTIME_CLASS(CBlockCOUNTER), RUNTIME_CLASS(CBlockARRMXIV), RUNTIME_CLASS(CBlockENCODER)},
         {Resets{{Word::P1, 0}}, Resets{{Word::Q1, 0}}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockHCOUNTER)}, {Resets{{Word::P1, 0}, {Word::P0, 0}}, Resets{}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockTHTRG)}, {Resets{{Word::Q1, 0}, {Word::Q0, 0}}, Resets{}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockPWM)}, {kTimerFirst, Resets{}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockAMUX), RUNTIME_CLASS(CBlockAMATH)},
         {Resets{{Word::P1, 0}}, Resets{{Word::Q1, 0}}, Resets{{Word::Q6, 0}}, Resets{{Word::Q8, 0}}}},
        {{RUNTIME_CLASS(CBlockMAXMIN)},
         {Resets{{Word::P1, 0}}, Resets{{Word::A1, 0}}, Resets{{Word::Q6, 0}}, Resets{{Word::Q8, 0}}}},
        {{RUNTIME_CLASS(CBlockACOMP), RUNTIME_CLASS(CBlockATHTRG), RUNTIME_CLASS(CBlockAWDOG),
          RUNTIME_CLASS(CBlockARAMP), RUNTIME_CLASS(CBlockPI)},
         {Resets{{Word::A0, 0}}, Resets{{Word::A1, 0}}, Resets{{Word::Q6, 0}}, Resets{{Word::Q8, 0}}}},
        {{RUNTIME_CLASS(CBlockMATHERR), RUNTIME_CLASS(CBlockANDM), RUNTIME_CLASS(CBlockORM),
          RUNTIME_CLASS(CBlockNOTM), RUNTIME_CLASS(CBlockNANDM), RUNTIME_CLASS(CBlockNORM),
          RUNTIME_CLASS(CBlockXORM), RUNTIME_CLASS(CBlockACMXIV), RUNTIME_CLASS(CBlockLOG),
          RUNTIME_CLASS(CBlockWORD2BIT)},
         {Resets{{Word::P1, 0}}, Resets{}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockMEM)}, {Resets{{Word::P0, 0}, {Word::P1, 0}}, Resets{}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockROL), RUNTIME_CLASS(CBlockROR), RUNTIME_CLASS(CBlockSHL),
          RUNTIME_CLASS(CBlockSHR), RUNTIME_CLASS(CBlockRAND)},
         {Resets{{Word::P1, 1}}, Resets{}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockPTO), RUNTIME_CLASS(CBlockPTOE)},
         {Resets{{Word::Q6, 0}}, Resets{{Word::Q1, 0}}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockSMC), RUNTIME_CLASS(CBlockSMCE)},
         {Resets{{Word::Q6, 0}}, Resets{{Word::Q1, 250}}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockMOD), RUNTIME_CLASS(CBlockREM)}, {Resets{{Word::P1, 10}}, Resets{}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockFIX), RUNTIME_CLASS(CBlockROUND)}, {Resets{{Word::P2, 0}}, Resets{}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockTime)},
         {kTimerFirst, Resets{{Word::P4, 0}, {Word::Q1, 0}, {Word::Q0, 0}, {Word::Q2, kSecondsBase}},
          Resets{{Word::Q6, 0}, {Word::Q5, 0}}, Resets{{Word::Q8, 0}, {Word::Q7, 0}}}},
    };
    return rows;
}

bool IsClockTimer(const CBlockObj& block)
{
    return block.IsKindOf(RUNTIME_CLASS(CBlockWT)) || block.IsKindOf(RUNTIME_CLASS(CBlockYT)) ||
           block.IsKindOf(RUNTIME_CLASS(CBlockAC)) || block.IsKindOf(RUNTIME_CLASS(CBlockSW));
}

// The row of a block and how many of its references the row covers. The older generation
// keeps references only on the on- and off-delay and pulse timers (one) and the counter (two);
// its other blocks have no row.
const ReferenceRow* FindReferenceRow(const CBlockObj& block, BOOL bNewGeneration, int* pRefCount)
{
    const std::vector<ReferenceRow>& rows = ReferenceRows();
    if (!bNewGeneration) {
        *pRefCount = block.m_nType == BT_COUNTER ? 2 : 1;
        if (block.m_nType == BT_COUNTER)
            return &rows.front();
        if (block.m_nType == BT_DPR || block.m_nType == BT_DDR || block.m_nType == BT_PLR)
            return &rows.back();
        return nullptr;
    }
    *pRefCount = BLOCK_REF_COUNT;
    if (IsClockTimer(block))
        return nullptr;
    for (const ReferenceRow& row : rows)
        if (row.Matches(block))
            return &row;
    return nullptr;
}

void DropReference(CBlockObj& block, int k)
{
    block.m_pRefBlock[k] = nullptr;
    block.m_nRefBlock[k] = -1;
}

// Reference k of the block fed from the deleted block: the reference goes, its use flag is
// cleared and the words it fed fall back to the row's values.
void ClearReference(CBlockObj& block, int k, const Resets& resets)
{
    DropReference(block, k);
    block.m_nParam[BLOCK_REF_USED_PARAM + k] = 0;
    for (const WordReset& reset : resets)
        if (int* pWord = WordOf(block, reset.word))
            *pWord = reset.nValue;
}

void ClearBlockReferences(CBlockObj& block, const CBlockObj* pDeleted, BOOL bNewGeneration)
{
    int nRefCount = 0;
    if (const ReferenceRow* pRow = FindReferenceRow(block, bNewGeneration, &nRefCount)) {
        for (int k = 0; k < nRefCount; ++k)
            if (block.m_pRefBlock[k] == pDeleted)
                ClearReference(block, k, pRow->resets[k]);
    }
    // A reference that no row covers keeps its words, but never the deleted block's address.
    for (int k = 0; k < BLOCK_REF_COUNT; ++k)
        if (block.m_pRefBlock[k] == pDeleted)
            DropReference(block, k);
}

void DropLogItems(CBlockDataLog& log, const CBlockObj* pDeleted)
{
    for (INT_PTR i = log.m_arrLogItems.GetSize() - 1; i >= 0; --i)
        if (log.m_arrLogItems[i].nSpare == pDeleted)
            log.m_arrLogItems.RemoveAt(i);
    log.m_nParam[DATALOG_COUNT_PARAM] = int(log.m_arrLogItems.GetSize());
}

// ---- message-text elements ----

template <class Pred>
void DeleteWidgetsIf(CBlockMSGTEXT& text, Pred shouldGo)
{
    for (int a = 0; a < MSGTEXT_WIDGET_ARRAYS; ++a) {
        CObArray& arr = text.WidgetArray(a);
        for (INT_PTR i = arr.GetSize() - 1; i >= 0; --i) {
            auto* pWidget = static_cast<CWidget*>(arr[i]);
            if (pWidget && shouldGo(*pWidget)) {
                delete pWidget;
                arr.RemoveAt(i);
            }
        }
    }
}

template <class Fn>
void ForEachMsgText(CVetlaDoc* pDoc, Fn fn)
{
    if (!pDoc)
        return;
    for (POSITION pos = pDoc->m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(pDoc->m_blockList.GetNext(pos));
        if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockMSGTEXT)))
            fn(*static_cast<CBlockMSGTEXT*>(pBlock));
    }
}

// ---- the page margins of the selection ----

bool BlockLeavesPage(const CBlockObj& b, int nWidth, int nHeight)
{
    const int nLeftMargin = b.m_nInputs > 0 ? 5 : 4;
    const int nRightMargin = b.m_nOutputs > 0 ? 5 : 4;
    return b.m_ptPos.x - nLeftMargin < 1 || b.m_ptPos.y - 12 < 1 ||
           b.m_ptPos.x + b.m_nWidth + nRightMargin >= nWidth || b.m_ptPos.y + b.m_nHeight + 4 >= nHeight;
}

bool LineLeavesPage(const CConnectLineObj& line, int nWidth, int nHeight)
{
    for (INT_PTR i = 0; i < line.m_arrVertices.GetSize(); ++i) {
        const CPoint& pt = line.m_arrVertices[i];
        if (pt.x - 2 < 1 || pt.y - 2 < 1 || pt.x + 2 >= nWidth || pt.y + 2 >= nHeight)
            return true;
    }
    return false;
}

bool CommentLeavesPage(const CBlockComment& c, int nWidth, int nHeight)
{
    return c.m_nLeft - 4 < 1 || c.m_nTop - 12 < 1 || c.m_nLeft + c.m_nBoxWidth + 4 >= nWidth ||
           c.m_nTop + c.m_nBoxHeight + 4 >= nHeight;
}

template <class T, class Test>
bool AnyListed(const CObList& list, Test leaves)
{
    for (POSITION pos = list.GetHeadPosition(); pos;)
        if (leaves(*static_cast<const T*>(list.GetNext(pos))))
            return true;
    return false;
}

// ---- junction dots ----

bool StartsAt(const CConnectLineObj& line, const CBlockObj* pBlock, int nPin)
{
    return line.m_pStartBlock == pBlock && line.m_nStartPin == nPin;
}

void ClearJunctions(CConnectLineObj& line)
{
    line.m_arrJunctions.SetSize(0);
    FitJunctions(line);
}

// ---- re-attaching a dragged wire end ----

// The side of a wire that is dragged, or fixed: its block, pin, number and point.
struct LineSide {
    CBlockObj*& pBlock;
    int& nPin;
    int& nNumber;
    CPoint& pt;
};

LineSide StartSide(CConnectLineObj& line)
{
    return {line.m_pStartBlock, line.m_nStartPin, line.m_nStartBlock, line.m_ptStart};
}

LineSide EndSide(CConnectLineObj& line)
{
    return {line.m_pEndBlock, line.m_nEndPin, line.m_nEndBlock, line.m_ptEnd};
}

bool IsRail(const CVetlaDoc& doc, const CBlockObj* pBlock)
{
    return pBlock && !doc.m_powerBusList.IsEmpty() && doc.m_powerBusList.GetHead() == pBlock;
}

// The route a new wire takes: an elbow half way across, then both ends re-laid on their pins.
// A rung to or from the ladder's rail keeps its two end points.
void RouteLine(CVetlaDoc& doc, CConnectLineObj& line)
{
    line.m_arrVertices.RemoveAll();
    line.m_arrVertices.Add(line.m_ptStart);
    if (doc.IsLadder() && (IsRail(doc, line.m_pStartBlock) || IsRail(doc, line.m_pEndBlock))) {
        line.m_arrVertices.Add(line.m_ptEnd);
        return;
    }
    const int m = (line.m_ptStart.x + line.m_ptEnd.x) / 2;
    line.m_arrVertices.Add(CPoint(m, line.m_ptStart.y));
    line.m_arrVertices.Add(CPoint(m, line.m_ptEnd.y));
    line.m_arrVertices.Add(line.m_ptEnd);
    doc.MoveLineEnd(&line, line.m_ptStart.x, line.m_ptStart.y, TRUE, LinePinSideOf(line.m_nStartPin));
    doc.MoveLineEnd(&line, line.m_ptEnd.x, line.m_ptEnd.y, FALSE, LinePinSideOf(line.m_nEndPin));
}

// The pin a dragged end has left: open again when no wire is left there; a ladder input that
// keeps other wires names the block at the far end of the first of them, and the dots of the
// wires left are recomputed.
void ReleaseOldPin(CVetlaView& view, CBlockObj* pBlock, int nPin)
{
    CPtrArray arrLines;
    if (view.GetLinesAtPin(arrLines, pBlock, nPin) == 0) {
        pBlock->m_nPinSource[nPin] = nPin < BLOCK_FIRST_OUTPUT ? LINK_OPEN : LINK_OUTPUT;
        return;
    }
    auto* pFirst = static_cast<CConnectLineObj*>(arrLines[0]);
    const CBlockObj* pFar = StartsAt(*pFirst, pBlock, nPin) ? pFirst->m_pEndBlock : pFirst->m_pStartBlock;
    if (nPin < BLOCK_FIRST_OUTPUT && pFar)
        pBlock->m_nPinSource[nPin] = pFar->m_nNumber;
    view.UpdateJunctionsAtPin(pFirst, pBlock, TRUE, nPin);
}

// ---- tidying a wire after a segment drag ----

// A 4-vertex wire whose middle run lies beyond either end is pulled 5 units inside that end.
void TidyFourVertices(CArray<CPoint>& v)
{
    const CPoint s = v[0];
    const CPoint e = v[3];
    int x1 = v[1].x;
    int x2 = v[2].x;
    if (static_cast<long long>(x1 - s.x) * (x1 - e.x) >= 1) {
        if (s.x > e.x) {
            if (x1 > s.x)
                x1 = x2 = s.x - 5;
            else if (x1 < e.x)
                x1 = x2 = e.x + 5;
        } else {
            if (x1 < s.x)
                x1 = x2 = s.x + 5;
            else if (x1 > e.x)
                x1 = x2 = e.x - 5;
        }
    }
    v[1] = CPoint(x1, s.y);
    v[2] = CPoint(x2, e.y);
}

// A 6-vertex wire keeps its middle segment clear of the ends by 5 units.
void TidySixVertices(CArray<CPoint>& v)
{
    const CPoint s = v[0];
    const CPoint e = v[5];
    int x1 = v[1].x;
    int x2 = v[2].x;
    int y2 = v[2].y;
    int x3 = v[3].x;
    int y3 = v[3].y;
    int x4 = v[4].x;
    const auto pullStart = [&](int x) {
        x1 = x;
        x2 = x1;
        y3 = y2;
        x3 = x4;
    };
    const auto pullEnd = [&](int x) {
        x4 = x;
        x3 = x4;
        x2 = x1;
        y2 = y3;
    };
    if (s.x >= e.x) {
        if (x1 <= s.x + 5)
            pullStart(s.x + 5);
        else if (x4 >= e.x - 5)
            pullEnd(e.x - 5);
    } else {
        if (x4 > e.x + 5 && x1 >= s.x - 5)
            pullStart(s.x - 5);
        if (x4 <= e.x + 5)
            pullEnd(e.x + 5);
    }
    v[1] = CPoint(x1, s.y);
    v[2] = CPoint(x2, y2);
    v[3] = CPoint(x3, y3);
    v[4] = CPoint(x4, e.y);
}

void TidyLineRoute(CConnectLineObj& line)
{
    CArray<CPoint>& v = line.m_arrVertices;
    switch (v.GetSize()) {
    case 3:
        v.RemoveAt(1);
        break;
    case 4:
        TidyFourVertices(v);
        break;
    case 6:
        TidySixVertices(v);
        break;
    default:
        break;
    }
}

} // namespace

void CVetlaView::ClearReferencesTo(CBlockObj* pDeleted)
{
    if (!m_pDocument || !pDeleted)
        return;
    const BOOL bNewGeneration = m_pDocument->IsNewGenerationDoc();
    for (POSITION pos = m_pDocument->m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(m_pDocument->m_blockList.GetNext(pos));
        if (auto* pLog = dynamic_cast<CBlockDataLog*>(pBlock)) {
            if (bNewGeneration)
                DropLogItems(*pLog, pDeleted);
            else
                for (INT_PTR i = 0; i < pLog->m_arrLogItems.GetSize(); ++i)
                    if (pLog->m_arrLogItems[i].nSpare == pDeleted)
                        pLog->m_arrLogItems[i].nSpare = nullptr;
        }
        ClearBlockReferences(*pBlock, pDeleted, bNewGeneration);
    }
}

void CVetlaView::RemoveMsgTextRefsByNumber(int nNumber)
{
    ForEachMsgText(m_pDocument, [nNumber](CBlockMSGTEXT& text) {
        DeleteWidgetsIf(text, [nNumber](const CWidget& w) { return !w.m_pBlock && w.m_nBlockNumber == nNumber; });
    });
}

void CVetlaView::RemoveMsgTextRefsByBlock(CBlockObj* pBlock)
{
    ForEachMsgText(m_pDocument, [pBlock](CBlockMSGTEXT& text) {
        if (&text != pBlock)
            DeleteWidgetsIf(text, [pBlock](const CWidget& w) { return w.m_pBlock == pBlock; });
    });
}

void CVetlaView::RefreshMsgTextRefNumbers()
{
    if (!m_pDocument)
        return;
    std::set<const CBlockObj*> blocks;
    for (POSITION pos = m_pDocument->m_blockList.GetHeadPosition(); pos;)
        blocks.insert(static_cast<const CBlockObj*>(m_pDocument->m_blockList.GetNext(pos)));
    ForEachMsgText(m_pDocument, [&blocks](CBlockMSGTEXT& text) {
        for (int a = 0; a < MSGTEXT_WIDGET_ARRAYS; ++a) {
            CObArray& arr = text.WidgetArray(a);
            for (INT_PTR i = 0; i < arr.GetSize(); ++i) {
                auto* pWidget = static_cast<CWidget*>(arr[i]);
                if (pWidget && pWidget->m_pBlock && blocks.count(pWidget->m_pBlock))
                    pWidget->m_nBlockNumber = pWidget->m_pBlock->m_nNumber;
            }
        }
    });
}

void CVetlaView::KeepSelectionOnPage(int x, int y)
{
    if (!m_pDocument)
        return;
    const int w = m_pDocument->m_rcExtent.Width();
    const int h = m_pDocument->m_rcExtent.Height();
    const bool bLeaves =
        AnyListed<CBlockObj>(m_selBlocks, [w, h](const CBlockObj& b) { return BlockLeavesPage(b, w, h); }) ||
        AnyListed<CConnectLineObj>(m_selLines, [w, h](const CConnectLineObj& l) { return LineLeavesPage(l, w, h); }) ||
        AnyListed<CBlockComment>(m_selComments, [w, h](const CBlockComment& c) { return CommentLeavesPage(c, w, h); });
    if (bLeaves)
        MoveSelection(m_ptLastMouse.x - x, m_ptLastMouse.y - y, nullptr);
}

int CVetlaView::CountLinesAtPin(const CBlockObj* pBlock, int nPin) const
{
    CPtrArray arrLines;
    return GetLinesAtPin(arrLines, pBlock, nPin);
}

int CVetlaView::GetLinesAtPin(CPtrArray& arrLines, const CBlockObj* pBlock, int nPin) const
{
    arrLines.RemoveAll();
    if (!m_pDocument)
        return 0;
    for (CConnectLineObj* pLine : LinesAtPin(*m_pDocument, pBlock, nPin))
        arrLines.Add(pLine);
    return int(arrLines.GetSize());
}

void CVetlaView::UpdateJunctionsAtPin(CConnectLineObj* pLine, const CBlockObj* pBlock, BOOL bRefresh, int nPin)
{
    if (!pLine || !m_pDocument)
        return;
    const std::vector<CConnectLineObj*> atPin = LinesAtPin(*m_pDocument, pBlock, nPin);
    MarkJunctionsAtPin(*pLine, pBlock, nPin, atPin);
    if (bRefresh)
        RefreshJunctions(*m_pDocument, atPin);
}

void CVetlaView::ReattachLineEnd(CPoint point, CBlockObj* pTarget, int nPin)
{
    (void)point;  // the end goes to the pin's centre, not to the drop point
    CConnectLineObj* pLine = m_pCurLine;
    if (!pLine || !pTarget || !m_pDocument)
        return;
    CVetlaDoc& doc = *m_pDocument;
    const bool bDragStart = pLine->m_nDragEnd == -1;
    const LineSide dragged = bDragStart ? StartSide(*pLine) : EndSide(*pLine);
    const LineSide fixed = bDragStart ? EndSide(*pLine) : StartSide(*pLine);
    if (IsRefusedDrop(doc, *pLine, *pTarget, nPin)) {
        m_nHoverVerdict = HOVER_INCOMPATIBLE;
        return;
    }
    const int nVerdict = CheckConnectionRules(doc, *pLine, *pTarget, nPin);
    if (nVerdict != HOVER_ALLOWED) {
        m_nHoverVerdict = nVerdict;
        return;
    }

    CBlockObj* pOldBlock = dragged.pBlock;
    const int nOldPin = dragged.nPin;
    if (IsRail(doc, pTarget)) {
        dragged.pt = CPoint(pTarget->m_ptPos.x, fixed.pt.y);
    } else {
        CRect rcPin;
        if (!GetBlockPinRect(&rcPin, pTarget, nPin))
            return;
        dragged.pt = rcPin.CenterPoint();
        // A rung from the rail stays level with the pin it now reaches.
        if (IsRail(doc, fixed.pBlock))
            fixed.pt.y = dragged.pt.y;
    }
    dragged.pBlock = pTarget;
    dragged.nPin = nPin;
    dragged.nNumber = pTarget->m_nNumber;
    WritePinSources(pLine);
    RouteLine(doc, *pLine);
    ClearJunctions(*pLine);
    if (pOldBlock)
        ReleaseOldPin(*this, pOldBlock, nOldPin);
    if (CountLinesAtPin(pLine->m_pStartBlock, pLine->m_nStartPin) > 1)
        UpdateJunctionsAtPin(pLine, pLine->m_pStartBlock, TRUE, pLine->m_nStartPin);
    if (CountLinesAtPin(pLine->m_pEndBlock, pLine->m_nEndPin) > 1)
        UpdateJunctionsAtPin(pLine, pLine->m_pEndBlock, TRUE, pLine->m_nEndPin);
    // The drag ends with the drop; the snapshot must not keep the wire marked as dragged.
    pLine->m_bEndDrag = 0;
    pLine->m_nDragEnd = 0;
    doc.m_undo.SaveState(&doc);
    InvalidateAll();
}

void CVetlaView::TidyDraggedLine(CConnectLineObj* pLine)
{
    if (pLine)
        TidyLineRoute(*pLine);
    InvalidateAll();
}
