#include "blocks/ConnectLineObj.h"

#include "blocks/BlockDocument.h"
#include "blocks/BlockNumberLookup.h"
#include "blocks/BlockObj.h"
#include "platform/core/Archive.h"
#include "platform/core/Exception.h"
#include "platform/core/FieldRun.h"
#include "platform/gdi/DC.h"

#include <algorithm>

IMPLEMENT_SERIAL(CConnectLineObj, CObject, 0)

namespace {

constexpr int kHitMargin = 4;
constexpr int kDotWidth = 8;
constexpr int kGripHalf = 4;
// The middle segment of a standard 6-vertex route, the one a drag of a wire end may move.
constexpr int kRouteVertices = 6;
constexpr int kMiddleSegment = 3;

// A pin kind of an end block, or 0 when the block or the pin is not there.
int EndPinKind(const CBlockObj* pBlock, int nPin)
{
    if (!pBlock || nPin < 0 || nPin >= BLOCK_PIN_COUNT)
        return 0;
    return pBlock->m_nPinKind[nPin];
}

// A point array in CArray's stored form, the count and then the points' raw ints, written
// inline: every wire stores two short arrays, and the array's own Serialize (which serves
// loading too) costs more per call than their bytes.
void StorePoints(CArchive& ar, const CArray<CPoint>& points)
{
    ar.WriteCount(points.GetCount());
    if (!points.IsEmpty())
        ar.Write(points.GetData(), UINT(std::size_t(points.GetCount()) * sizeof(CPoint)));
}

// The same form read back by the array's own load: a long array, one at a buffer's edge, an
// escaped count or a count beyond the data. Out of line, as it is rare.
[[gnu::noinline]] void LoadPointsPieceByPiece(CArchive& ar, CArray<CPoint>& points)
{
    points.Serialize(ar);
}

// A route the data holds whole is taken in one step. Inline, so that the reader's position
// stays in registers.
[[gnu::always_inline]] inline void LoadPoints(CRecordReader& in, CArray<CPoint>& points)
{
    std::size_t nCount = 0;
    const BYTE* pRun = in.TakeCountedRun(sizeof(CPoint), nCount);
    if (!pRun) [[unlikely]] {
        in.Through([&points](CArchive& ar) { LoadPointsPieceByPiece(ar, points); });
        return;
    }
    points.SetFromBytes(pRun, INT_PTR(nCount), in.ReadableFrom(pRun));
}

// The wire record. Storing and loading stay apart, so that a store does not pay for the
// registers the load keeps its position in.
[[gnu::noinline]] void StoreLine(const CConnectLineObj& line, CArchive& ar)
{
    ar.WriteFields(line.m_ptStart, line.m_ptEnd, line.m_nStartBlock, line.m_nEndBlock,
                   line.m_nStartPin, line.m_nEndPin, line.m_nLineAux, line.m_bEndDrag,
                   line.m_nDragEnd);
    StorePoints(ar, line.m_arrVertices);
    StorePoints(ar, line.m_arrJunctions);
}

// Inline in both of its callers, so that the reader's position stays in registers.
[[gnu::always_inline]] inline void LoadLine(CConnectLineObj& line, CRecordReader& in, IBlockDocument* pDoc)
{
    // The fixed fields in one piece: the wire record is mostly them.
    in.Fields(line.m_ptStart, line.m_ptEnd, line.m_nStartBlock, line.m_nEndBlock,
              line.m_nStartPin, line.m_nEndPin, line.m_nLineAux, line.m_bEndDrag, line.m_nDragEnd);
    // Pin indexes index the end blocks' pin tables wherever the wire is drawn or followed.
    const auto bPinOk = [](int nPin) { return nPin >= 0 && nPin < BLOCK_PIN_COUNT; };
    if (!bPinOk(line.m_nStartPin) || !bPinOk(line.m_nEndPin))
        AfxThrowArchiveException(CArchiveException::generic);
    line.m_pDoc = pDoc;
    // The ends stay unresolved: the lists this wire's blocks belong to may still be being read,
    // and only their owner knows when they are complete and checked.
    line.m_pStartBlock = line.m_pEndBlock = nullptr;
    LoadPoints(in, line.m_arrVertices);
    LoadPoints(in, line.m_arrJunctions);
}

[[gnu::noinline]] void LoadLine(CConnectLineObj& line, CArchive& ar)
{
    CRecordReader in(ar);
    LoadLine(line, in, ArchiveBlockDocument(ar));
}

}  // namespace

CConnectLineObj::CConnectLineObj()
{
    // One allocation, which a load then reuses for the junctions it reads.
    m_arrJunctions.SetSize(LINE_DEFAULT_JUNCTIONS);
    for (INT_PTR i = 0; i < LINE_DEFAULT_JUNCTIONS; ++i)
        m_arrJunctions[i] = CPoint(LINE_NO_JUNCTION, LINE_NO_JUNCTION);
}

void CConnectLineObj::LoadRecord(CRecordReader& in, IBlockDocument* pDoc)
{
    LoadLine(*this, in, pDoc);
}

void CConnectLineObj::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        StoreLine(*this, ar);
    else
        LoadLine(*this, ar);
}

void CConnectLineObj::ResolveEnds()
{
    if (!m_pDoc) {
        m_pStartBlock = m_pEndBlock = nullptr;
        return;
    }
    m_pStartBlock = m_pDoc->FindBlockByNumber(m_nStartBlock);
    m_pEndBlock = m_pDoc->FindBlockByNumber(m_nEndBlock);
    HangOnRail();
}

void CConnectLineObj::ResolveEnds(const IBlockNumberIndex& index)
{
    m_pStartBlock = index.Find(m_nStartBlock);
    m_pEndBlock = index.Find(m_nEndBlock);
    if (m_pDoc)
        HangOnRail();
}

// Every rung of a ladder starts at the power rail, so a ladder wire that names no block at one
// end hangs on the rail there.
void CConnectLineObj::HangOnRail()
{
    if (!m_pDoc->IsLadder() || m_pDoc->PowerRails().IsEmpty())
        return;
    auto* pRail = static_cast<CBlockObj*>(m_pDoc->PowerRails().GetHead());
    if (!m_pStartBlock)
        m_pStartBlock = pRail;
    else if (!m_pEndBlock)
        m_pEndBlock = pRail;
}

int CConnectLineObj::GetPenWidth() const
{
    if (!m_pStartBlock && !m_pEndBlock)
        return 1;
    return std::max(EndPinKind(m_pStartBlock, m_nStartPin), EndPinKind(m_pEndBlock, m_nEndPin));
}

BOOL CConnectLineObj::IsJunction(INT_PTR i) const
{
    if (i < 0 || i >= m_arrJunctions.GetSize() || i >= m_arrVertices.GetSize())
        return FALSE;
    const CPoint& pt = m_arrJunctions[i];
    return pt.x != LINE_NO_JUNCTION || pt.y != LINE_NO_JUNCTION;
}

void CConnectLineObj::Draw(CDC* pDC, COLORREF crColor, int /*nUnused*/)
{
    CPen pen(PS_SOLID, GetPenWidth(), crColor);
    CPen* pOldPen = pDC->SelectObject(&pen);
    const INT_PTR nVertices = m_arrVertices.GetSize();
    if (nVertices > 0) {
        pDC->MoveTo(m_arrVertices[0]);
        for (INT_PTR i = 1; i < nVertices; ++i)
            pDC->LineTo(m_arrVertices[i]);
    }
    // A zero-length line with a wide pen is a round dot.
    CPen dotPen(PS_SOLID, kDotWidth, RGB(0, 0, 0));
    pDC->SelectObject(&dotPen);
    for (INT_PTR i = 0; i < m_arrJunctions.GetSize(); ++i) {
        if (!IsJunction(i))
            continue;
        pDC->MoveTo(m_arrVertices[i]);
        pDC->LineTo(m_arrVertices[i]);
    }
    pDC->SelectObject(pOldPen);
}

void CConnectLineObj::DrawSelected(CDC* pDC, COLORREF crColor)
{
    Draw(pDC, crColor, 0);
    CPen thinPen(PS_SOLID, 1, crColor);
    CPen* pOldPen = pDC->SelectObject(&thinPen);
    const INT_PTR nVertices = m_arrVertices.GetSize();
    if (nVertices > 0) {
        pDC->MoveTo(m_arrVertices[0]);
        for (INT_PTR i = 1; i < nVertices; ++i)
            pDC->LineTo(m_arrVertices[i]);
    }
    // The ends are blue, the bends red.
    CPen gripPen(PS_SOLID, 1, RGB(0, 0, 0));
    CBrush endBrush(RGB(0, 0, 255));
    CBrush bendBrush(RGB(255, 0, 0));
    pDC->SelectObject(&gripPen);
    CBrush* pOldBrush = pDC->GetCurrentBrush();
    for (INT_PTR i = 0; i < nVertices; ++i) {
        const bool bEnd = i == 0 || i == nVertices - 1;
        pDC->SelectObject(bEnd ? &endBrush : &bendBrush);
        const CPoint& pt = m_arrVertices[i];
        pDC->Rectangle(pt.x - kGripHalf, pt.y - kGripHalf, pt.x + kGripHalf, pt.y + kGripHalf);
    }
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

void CConnectLineObj::CopyFrom(CConnectLineObj* pSrc)
{
    if (!pSrc || pSrc == this)
        return;
    m_ptStart = pSrc->m_ptStart;
    m_ptEnd = pSrc->m_ptEnd;
    m_pStartBlock = pSrc->m_pStartBlock;
    m_pEndBlock = pSrc->m_pEndBlock;
    m_nStartBlock = pSrc->m_nStartBlock;
    m_nEndBlock = pSrc->m_nEndBlock;
    m_nStartPin = pSrc->m_nStartPin;
    m_nEndPin = pSrc->m_nEndPin;
    m_nLineAux[0] = pSrc->m_nLineAux[0];
    m_arrVertices.Copy(pSrc->m_arrVertices);
}

BOOL CConnectLineObj::HitTest(int x, int y, int* pSegment, int* pOrientation, int* pFlags) const
{
    return HitSegments(x, y, pSegment, pOrientation, kHitMargin, pFlags);
}

BOOL CConnectLineObj::HitTestMargin(int x, int y, int* pSegment, int* pOrientation,
                                    int nMargin) const
{
    return HitSegments(x, y, pSegment, pOrientation, nMargin, nullptr);
}

BOOL CConnectLineObj::HitSegments(int x, int y, int* pSegment, int* pOrientation, int nMargin,
                                  const int* pFlags) const
{
    const INT_PTR n = m_arrVertices.GetSize();
    if (n < 2)
        return FALSE;
    // While an end of a standard route is dragged only its middle segment is grabbed.
    const bool bMiddleOnly = pFlags && n == kRouteVertices && pFlags[0] == 0 && pFlags[1] != 0;
    const CPoint point(x, y);
    for (INT_PTR s = 1; s < n; ++s) {
        const CPoint& p = m_arrVertices[s - 1];
        const CPoint& q = m_arrVertices[s];
        CRect band;
        int nOrientation = 0;
        if (q.x == p.x) {
            band.SetRect(p.x - nMargin, p.y, p.x + nMargin, q.y);
            nOrientation = 0;
        } else if (q.y == p.y) {
            band.SetRect(std::min(p.x, q.x), p.y - nMargin, std::max(p.x, q.x), p.y + nMargin);
            // The horizontal runs next to the pins reach a little past their ends.
            if (n == 2 || s == 1 || s == 3 || s == n - 1)
                band.InflateRect(nMargin, 0);
            nOrientation = 1;
        } else {
            // A slanted segment (never made by the editor) has no band.
            continue;
        }
        if (p == m_ptStart || q == m_ptEnd)
            nOrientation = -1;
        if (pOrientation)
            *pOrientation = nOrientation;
        band.NormalizeRect();
        if (!band.PtInRect(point))
            continue;
        if (pSegment)
            *pSegment = int(s);
        if (!bMiddleOnly || s == kMiddleSegment)
            return TRUE;
    }
    return FALSE;
}

CConnectLineObj* FindLineAtPoint(IBlockDocument* pDoc, int x, int y)
{
    if (!pDoc)
        return nullptr;
    for (POSITION pos = pDoc->Lines().GetHeadPosition(); pos;) {
        auto* pLine = static_cast<CConnectLineObj*>(pDoc->Lines().GetNext(pos));
        int nSegment = 0;
        int nOrientation = 0;
        if (pLine && pLine->HitTest(x, y, &nSegment, &nOrientation, nullptr))
            return pLine;
    }
    return nullptr;
}

int CountLinesAtPoint(IBlockDocument* pDoc, int x, int y)
{
    if (!pDoc)
        return 0;
    int nCount = 0;
    for (POSITION pos = pDoc->Lines().GetHeadPosition(); pos;) {
        auto* pLine = static_cast<CConnectLineObj*>(pDoc->Lines().GetNext(pos));
        int nSegment = 0;
        int nOrientation = 0;
        if (pLine && pLine->HitTestMargin(x, y, &nSegment, &nOrientation, 1))
            ++nCount;
    }
    return nCount;
}
