#include "document/Junctions.h"

#include "blocks/ConnectLineObj.h"
#include "document/VetlaDoc.h"
#include "document/WiringRules.h"

#include <algorithm>
#include <array>
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

// How a wire leaves the vertex it shares with others: not at all, along one line (up or down,
// left or right), or slanted, which MarkPair never pairs.
enum class Step { Zero, Down, Up, Right, Left, Slanted };

Step StepOf(const CPoint& base, const CPoint& pt)
{
    if (SamePoint(base, pt))
        return Step::Zero;
    if (pt.x == base.x)
        return pt.y > base.y ? Step::Down : Step::Up;
    if (pt.y == base.y)
        return pt.x > base.x ? Step::Right : Step::Left;
    return Step::Slanted;
}

// MarkPair's first rule: l marks the shared vertex where the other wire stands still with it
// or leaves along the same line the other way.
bool Parts(Step l, Step m)
{
    if (l == Step::Slanted || m == Step::Slanted)
        return false;
    if (l == Step::Zero || m == Step::Zero)
        return true;
    switch (l) {
    case Step::Down: return m == Step::Up;
    case Step::Up: return m == Step::Down;
    case Step::Right: return m == Step::Left;
    default: return m == Step::Right;
    }
}

bool Runs(Step step) { return step != Step::Zero && step != Step::Slanted; }

// One wire of a pin: its walk, whether the caller marks it against the others, its step.
struct PinWire {
    PinWalk walk;
    bool bMarking;
    Step step = Step::Zero;
    long long nLength = 0;
};

// Which pairs of a pin's wires are marked: each later wire against the earlier ones (every pair
// once), or each marking wire against every other.
enum class Pairs { LaterOnEarlier, MarkingOnAll };

constexpr std::size_t kSteps = 6;

std::size_t Index(Step step) { return std::size_t(step); }

// The wires of a pin whose vertex i - 1 is the same point, in the pin's order.
void MarkShared(std::vector<PinWire>& wires, std::span<const std::size_t> shared, INT_PTR i, Pairs pairs)
{
    std::array<int, kSteps> nWires{};
    std::array<long long, kSteps> nLongest{};
    std::array<long long, kSteps> nLongestMarking{};
    for (std::size_t k : shared) {
        PinWire& wire = wires[k];
        const CPoint& base = wire.walk.At(i - 1);
        const CPoint& pt = wire.walk.At(i);
        wire.step = StepOf(base, pt);
        wire.nLength = std::llabs(static_cast<long long>(pt.x) - base.x) + std::llabs(static_cast<long long>(pt.y) - base.y);
        const std::size_t s = Index(wire.step);
        ++nWires[s];
        nLongest[s] = std::max(nLongest[s], wire.nLength);
        if (wire.bMarking)
            nLongestMarking[s] = std::max(nLongestMarking[s], wire.nLength);
    }
    // The first rule: against the earlier wires, or against all the others.
    std::array<int, kSteps> nSeen{};
    for (std::size_t k : shared) {
        PinWire& wire = wires[k];
        const std::size_t own = Index(wire.step);
        if (pairs == Pairs::LaterOnEarlier || wire.bMarking) {
            for (std::size_t s = 0; s < kSteps; ++s) {
                const int nOthers = pairs == Pairs::LaterOnEarlier ? nSeen[s] : nWires[s] - (s == own ? 1 : 0);
                if (nOthers > 0 && Parts(wire.step, Step(s))) {
                    wire.walk.Mark(i - 1);
                    break;
                }
            }
        }
        ++nSeen[own];
    }
    // The second rule: the shorter of two wires that run on together turns off at its end.
    for (std::size_t k : shared) {
        const PinWire& wire = wires[k];
        if (!Runs(wire.step))
            continue;
        const bool bAny = pairs == Pairs::LaterOnEarlier || wire.bMarking;
        if (wire.nLength < (bAny ? nLongest : nLongestMarking)[Index(wire.step)])
            wire.walk.Mark(i);
    }
}

// What MarkPair does for the pairs of one pin's wires, vertex index by vertex index, the wires
// that share the vertex before the index taken together: the same marks as pair by pair, with
// work that grows with the wires and not with their pairs (a source that feeds thousands of
// pins).
void MarkPinPairs(std::vector<PinWire>& wires, Pairs pairs)
{
    INT_PTR nMost = 0;
    for (const PinWire& wire : wires)
        nMost = std::max(nMost, wire.walk.Count());
    std::vector<std::size_t> group;
    for (INT_PTR i = 1; i < nMost; ++i) {
        group.clear();
        for (std::size_t k = 0; k < wires.size(); ++k) {
            if (wires[k].walk.Count() > i)
                group.push_back(k);
        }
        std::ranges::stable_sort(group, [&](std::size_t a, std::size_t b) {
            const CPoint& pa = wires[a].walk.At(i - 1);
            const CPoint& pb = wires[b].walk.At(i - 1);
            return pa.x != pb.x ? pa.x < pb.x : pa.y < pb.y;
        });
        for (auto first = group.begin(); first != group.end();) {
            const CPoint base = wires[*first].walk.At(i - 1);
            auto last = std::find_if(first, group.end(), [&](std::size_t k) {
                return !SamePoint(wires[k].walk.At(i - 1), base);
            });
            if (last - first > 1)
                MarkShared(wires, std::span(first, last), i, pairs);
            first = last;
        }
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
    std::unordered_map<PinKey, std::vector<PinWire>, PinKeyHash> atPin;
    for (CConnectLineObj* pLine : lines) {
        FitJunctions(*pLine);
        for (const PinKey key : {PinKey{pLine->m_pStartBlock, pLine->m_nStartPin},
                                 PinKey{pLine->m_pEndBlock, pLine->m_nEndPin}}) {
            if (!key.pBlock)
                continue;
            std::vector<PinWire>& wires = atPin[key];
            // A wire with both ends at the pin is one wire of it.
            if (wires.empty() || wires.back().walk.pLine != pLine)
                wires.push_back({PinWalk{pLine, StartsAt(*pLine, key.pBlock, key.nPin)}, true});
        }
    }
    for (auto& [key, wires] : atPin) {
        if (wires.size() > 1)
            MarkPinPairs(wires, Pairs::LaterOnEarlier);
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
    // The pins of the lines that other wires share, with the lines that are marked there.
    std::unordered_map<PinKey, std::unordered_set<const CConnectLineObj*>, PinKeyHash> marking;
    for (CConnectLineObj* pLine : lines) {
        FitJunctions(*pLine);
        for (const PinKey key : {PinKey{pLine->m_pStartBlock, pLine->m_nStartPin},
                                 PinKey{pLine->m_pEndBlock, pLine->m_nEndPin}}) {
            const auto it = atPin.find(key);
            if (key.pBlock && it != atPin.end() && it->second.size() >= 2)
                marking[key].insert(pLine);
        }
    }
    std::vector<CConnectLineObj*> touched;
    std::unordered_set<const CConnectLineObj*> seen;
    for (const auto& [key, marked] : marking) {
        std::vector<PinWire> wires;
        std::unordered_set<const CConnectLineObj*> taken;
        for (CConnectLineObj* pShared : atPin.at(key)) {
            if (!taken.insert(pShared).second)
                continue;
            FitJunctions(*pShared);
            wires.push_back({PinWalk{pShared, StartsAt(*pShared, key.pBlock, key.nPin)}, marked.contains(pShared)});
            if (seen.insert(pShared).second)
                touched.push_back(pShared);
        }
        MarkPinPairs(wires, Pairs::MarkingOnAll);
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
