// CConnectLineObj: a wire from an output pin of one block to an input pin of another, drawn as
// an orthogonal polyline with optional junction dots. The wire names its end blocks by number;
// the end pointers are caches resolved when the wire is loaded. Which source feeds which input
// is held by the destination block's pins: the wire is its drawing and editing handle.
#pragma once

#include "platform/core/Array.h"
#include "platform/core/Geometry.h"
#include "platform/core/Object.h"
#include "platform/core/Types.h"

class IBlockNumberIndex;
class CBlockObj;
class CDC;
class CRecordReader;
class IBlockDocument;

// A junction entry that marks no dot.
constexpr int LINE_NO_JUNCTION = -9999;
// A new wire carries this many junction entries.
constexpr int LINE_DEFAULT_JUNCTIONS = 6;

class CConnectLineObj : public CObject {
    DECLARE_SERIAL(CConnectLineObj)

public:
    CConnectLineObj();

    CConnectLineObj(const CConnectLineObj&) = delete;
    CConnectLineObj& operator=(const CConnectLineObj&) = delete;

    // The wire record. A load takes the archive's document, leaves both ends unresolved and
    // refuses a pin index outside 0..19 with the archive's generic error.
    void Serialize(CArchive& ar) override;
    // The wire record's load, for a wire of pDoc: what Serialize reads, from a reader that a
    // run of wires shares.
    void LoadRecord(CRecordReader& in, IBlockDocument* pDoc);
    // Finds both end blocks by number in the wire's document (in a ladder document a missing
    // start, else a missing end, becomes the power rail); a load calls it once the document's
    // lists are read and checked.
    void ResolveEnds();
    // The same through the document's number index, which the caller holds.
    void ResolveEnds(const IBlockNumberIndex& index);

    // The polyline in the given colour and its junction dots; the last argument is not used.
    void Draw(CDC* pDC, COLORREF crColor, int nUnused);
    // Draw, then the polyline again thin and a square at every vertex.
    void DrawSelected(CDC* pDC, COLORREF crColor);
    // Geometry, ends and the first aux word; nothing for a null source.
    void CopyFrom(CConnectLineObj* pSrc);

    // The segment (1 .. vertices-1) within 4 units of the point and its orientation (0
    // vertical, 1 horizontal, -1 a segment at either end of the wire). On a 6-vertex wire with
    // pFlags (0, 1) only the middle segment 3 counts. Out-values may be null.
    BOOL HitTest(int x, int y, int* pSegment, int* pOrientation, int* pFlags) const;
    // The same with nMargin units in place of 4 and no flags rule.
    BOOL HitTestMargin(int x, int y, int* pSegment, int* pOrientation, int nMargin) const;

    // The larger pin kind of the two ends (1 digital, 2 analog); an end whose block or pin is
    // missing gives nothing, and a wire with neither end is drawn 1 wide.
    int GetPenWidth() const;
    // TRUE when junction entry i marks vertex i with a dot; entries beyond the vertex list
    // mark nothing.
    BOOL IsJunction(INT_PTR i) const;

    CPoint m_ptStart;
    CPoint m_ptEnd;
    int m_nStartBlock = 0;
    int m_nEndBlock = 0;
    int m_nStartPin = 0;
    int m_nEndPin = 0;
    CArray<CPoint> m_arrVertices;
    CBlockObj* m_pStartBlock = nullptr;
    CBlockObj* m_pEndBlock = nullptr;
    IBlockDocument* m_pDoc = nullptr;
    // Editing state, not stored: the wire is in the view's selection; it was moved or tidied
    // once in the current drag step.
    int m_bLineSelected = 0;
    int m_bMoved = 0;
    int m_nLineAux[2] = {1, 0};
    CArray<CPoint> m_arrJunctions;
    int m_bEndDrag = 0;
    // 1 the end block is dragged, -1 the start block, 0 none.
    int m_nDragEnd = 0;

private:
    // In a ladder document, the power rail stands in for a missing start, else a missing end.
    void HangOnRail();
    BOOL HitSegments(int x, int y, int* pSegment, int* pOrientation, int nMargin,
                     const int* pFlags) const;
};

// The first wire of the document's wire list that HitTest finds at the point, else null.
CConnectLineObj* FindLineAtPoint(IBlockDocument* pDoc, int x, int y);
// The number of the document's wires within 1 unit of the point.
int CountLinesAtPoint(IBlockDocument* pDoc, int x, int y);
