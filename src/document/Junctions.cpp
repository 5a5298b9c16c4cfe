#include "document/Junctions.h"

#include "blocks/ConnectLineObj.h"
#include "document/VetlaDoc.h"
#include "document/WiringRules.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <functional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

bool SamePoint(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }

bool StartsAt(const CConnectLineObj& line, const CBlockObj* pBlock, int nPin)
{
    return line.m_pStartBlock == pBlock && line.m_nStartPin == nPin;
}

// A wire's vertices read from its end at the pin: index i of the walk is vertex Own(i).
struct PinWalk {
    CConnectLineObj* pLine;
    bool bForward;

    INT_PTR Count() const { return pLine->m_arrVertices.GetSize(); }
    INT_PTR Own(INT_PTR i) const { return bForward ? i : Count() - 1 - i; }
    const CPoint& At(INT_PTR i) const { return pLine->m_arrVertices[Own(i)]; }
    void Mark(INT_PTR i) const { pLine->m_arrJunctions[Own(i)] = At(i); }
};

// The pair of wires read from their shared pin: where they run on together along one line and
// one turns off, the vertex where it parts gets the dot; where they leave in opposite
// directions, the shared vertex does.
void MarkPair(const PinWalk& l, const PinWalk& m)
{
    for (INT_PTR i = 1; i < l.Count() && i < m.Count(); ++i) {
        if (!SamePoint(l.At(i - 1), m.At(i - 1)))
            continue;
        const CPoint& base = l.At(i - 1);
        const CPoint& pl = l.At(i);
        const CPoint& pm = m.At(i);
        long long dL = 0;
        long long dM = 0;
        if (pl.x == base.x && pm.x == base.x) {
            dL = pl.y - base.y;
            dM = pm.y - base.y;
        } else if (pl.y == base.y && pm.y == base.y) {
            dL = pl.x - base.x;
            dM = pm.x - base.x;
        } else {
            continue;
        }
        if (dL * dM < 1)
            l.Mark(i - 1);
        else if (std::llabs(dL) > std::llabs(dM))
            m.Mark(i);
        else if (std::llabs(dL) < std::llabs(dM))
            l.Mark(i);
    }
}

struct PinKey {
    const CBlockObj* pBlock;
    int nPin;
    bool operator==(const PinKey&) const = default;
};

struct PinKeyHash {
    std::size_t operator()(const PinKey& key) const
    {
        return std::hash<const void*>()(key.pBlock) * 31 + std::size_t(key.nPin);
    }
};

// How far a wire's hit band reaches past its vertices (the 1-unit margin and the widening of
// the runs next to the pins).
constexpr int kBandReach = 2;

} // namespace

void FitJunctions(CConnectLineObj& line)
{
    const INT_PTR nVertices = line.m_arrVertices.GetSize();
    const INT_PTR nOld = line.m_arrJunctions.GetSize();
    line.m_arrJunctions.SetSize(nVertices);
    for (INT_PTR i = nOld; i < nVertices; ++i)
        line.m_arrJunctions[i] = CPoint(LINE_NO_JUNCTION, LINE_NO_JUNCTION);
}

void MarkJunctionsAtPin(CConnectLineObj& line, const CBlockObj* pBlock, int nPin,
                        std::span<CConnectLineObj* const> atPin)
{
    FitJunctions(line);
    const PinWalk walk{&line, StartsAt(line, pBlock, nPin)};
    for (CConnectLineObj* pOther : atPin) {
        if (pOther == &line)
            continue;
        FitJunctions(*pOther);
        MarkPair(walk, PinWalk{pOther, StartsAt(*pOther, pBlock, nPin)});
    }
}

void RefreshJunctions(const CVetlaDoc& doc, std::span<CConnectLineObj* const> lines)
{
    // The dots to check, by x, each with the number of wires through it.
    struct Dot {
        CPoint pt;
        int nWires = 0;
        const CConnectLineObj* pLastWire = nullptr;
    };
    std::vector<Dot> dots;
    for (CConnectLineObj* pLine : lines) {
        const INT_PTR n = std::min(pLine->m_arrJunctions.GetSize(), pLine->m_arrVertices.GetSize());
        for (INT_PTR i = 0; i < n; ++i) {
            if (pLine->IsJunction(i))
                dots.push_back({pLine->m_arrVertices[i]});
        }
    }
    if (dots.empty())
        return;
    const auto byPoint = [](const Dot& a, const Dot& b) {
        return a.pt.x != b.pt.x ? a.pt.x < b.pt.x : a.pt.y < b.pt.y;
    };
    std::sort(dots.begin(), dots.end(), byPoint);
    dots.erase(std::unique(dots.begin(), dots.end(), [](const Dot& a, const Dot& b) { return SamePoint(a.pt, b.pt); }),
               dots.end());
    for (POSITION pos = doc.m_lineList.GetHeadPosition(); pos;) {
        const auto* pWire = static_cast<const CConnectLineObj*>(doc.m_lineList.GetNext(pos));
        if (!pWire || pWire->m_arrVertices.GetSize() < 2)
            continue;
        CRect rcReach(pWire->m_arrVertices[0], pWire->m_arrVertices[0]);
        for (INT_PTR i = 1; i < pWire->m_arrVertices.GetSize(); ++i) {
            const CPoint& pt = pWire->m_arrVertices[i];
            rcReach.SetRect(std::min(rcReach.left, pt.x), std::min(rcReach.top, pt.y), std::max(rcReach.right, pt.x),
                            std::max(rcReach.bottom, pt.y));
        }
        const auto first = std::lower_bound(dots.begin(), dots.end(), Dot{CPoint(rcReach.left - kBandReach, INT_MIN)},
                                            byPoint);
        for (auto it = first; it != dots.end() && it->pt.x <= rcReach.right + kBandReach; ++it) {
            if (it->pt.y < rcReach.top - kBandReach || it->pt.y > rcReach.bottom + kBandReach ||
                it->pLastWire == pWire)
                continue;
            int nSegment = 0;
            int nOrientation = 0;
            if (pWire->HitTestMargin(it->pt.x, it->pt.y, &nSegment, &nOrientation, 1)) {
                ++it->nWires;
                it->pLastWire = pWire;
            }
        }
    }
    for (CConnectLineObj* pLine : lines) {
        const INT_PTR n = std::min(pLine->m_arrJunctions.GetSize(), pLine->m_arrVertices.GetSize());
        for (INT_PTR i = 0; i < n; ++i) {
            if (!pLine->IsJunction(i))
                continue;
            const CPoint& pt = pLine->m_arrVertices[i];
            const auto it = std::lower_bound(dots.begin(), dots.end(), Dot{pt}, byPoint);
            const bool bShared = it != dots.end() && SamePoint(it->pt, pt) && it->nWires >= 2;
            pLine->m_arrJunctions[i] = bShared ? pt : CPoint(LINE_NO_JUNCTION, LINE_NO_JUNCTION);
        }
    }
}

void MarkJunctionsOfWires(std::span<CConnectLineObj* const> lines)
{
    std::unordered_map<PinKey, std::vector<CConnectLineObj*>, PinKeyHash> atPin;
    for (CConnectLineObj* pLine : lines) {
        FitJunctions(*pLine);
        for (const PinKey key : {PinKey{pLine->m_pStartBlock, pLine->m_nStartPin},
                                 PinKey{pLine->m_pEndBlock, pLine->m_nEndPin}}) {
            if (!key.pBlock)
                continue;
            std::vector<CConnectLineObj*>& earlier = atPin[key];
            if (!earlier.empty())
                MarkJunctionsAtPin(*pLine, key.pBlock, key.nPin, earlier);
            earlier.push_back(pLine);
        }
    }
}

void RemarkJunctions(const CVetlaDoc& doc, std::span<CConnectLineObj* const> lines)
{
    std::unordered_map<PinKey, std::vector<CConnectLineObj*>, PinKeyHash> atPin;
    for (POSITION pos = doc.m_lineList.GetHeadPosition(); pos;) {
        auto* pLine = static_cast<CConnectLineObj*>(doc.m_lineList.GetNext(pos));
        atPin[PinKey{pLine->m_pStartBlock, pLine->m_nStartPin}].push_back(pLine);
        atPin[PinKey{pLine->m_pEndBlock, pLine->m_nEndPin}].push_back(pLine);
    }
    std::vector<CConnectLineObj*> touched;
    std::unordered_set<const CConnectLineObj*> seen;
    for (CConnectLineObj* pLine : lines) {
        FitJunctions(*pLine);
        for (const PinKey key : {PinKey{pLine->m_pStartBlock, pLine->m_nStartPin},
                                 PinKey{pLine->m_pEndBlock, pLine->m_nEndPin}}) {
            const auto it = atPin.find(key);
            if (!key.pBlock || it == atPin.end() || it->second.size() < 2)
                continue;
            MarkJunctionsAtPin(*pLine, key.pBlock, key.nPin, it->second);
            for (CConnectLineObj* pShared : it->second) {
                if (seen.insert(pShared).second)
                    touched.push_back(pShared);
            }
        }
    }
    RefreshJunctions(doc, touched);
}

void UpdateJunctionsAtPin(const CVetlaDoc& doc, CConnectLineObj& line, const CBlockObj* pBlock, int nPin,
                          BOOL bRefresh)
{
    const std::vector<CConnectLineObj*> atPin = LinesAtPin(doc, pBlock, nPin);
    MarkJunctionsAtPin(line, pBlock, nPin, atPin);
    if (bRefresh)
        RefreshJunctions(doc, atPin);
}

void RefreshJunctionsAtPin(const CVetlaDoc& doc, const CBlockObj* pBlock, int nPin)
{
    if (!pBlock)
        return;
    const std::vector<CConnectLineObj*> atPin = LinesAtPin(doc, pBlock, nPin);
    if (atPin.size() < 2)
        return;
    for (CConnectLineObj* pLine : atPin)
        UpdateJunctionsAtPin(doc, *pLine, pBlock, nPin, TRUE);
}
