// Ladder diagrams for the conversion tests, built as the editor leaves them: elements numbered
// in their ranges, each input pin naming one of its feeds and a wire from every feed (the rail
// included), and a runner that simulates a ladder and its converted diagram side by side on the
// manual tick clock with the model's own scan.
#pragma once

#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/LadderFeed.h"
#include "blocks/PowerBusObj.h"
#include "blocks/SimContext.h"
#include "blocks/SimTime.h"
#include "document/SimScan.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// How many scans a test lets both diagrams run after an input change before the next one.
constexpr int SETTLE_SCANS = 6;

// The power rail, where a feed list names it.
inline const CBlockObj* const RAIL = nullptr;

class LadderSample {
public:
    LadderSample() : m_pDoc(std::make_unique<CVetlaDoc>())
    {
        m_pDoc->m_nDocType = DOC_TYPE_LAD;
        m_pRail = new CPowerBusObj(BT_POWERBUS);
        m_pDoc->m_powerBusList.AddTail(m_pRail);
    }

    CVetlaDoc& Doc() { return *m_pDoc; }

    // A contact or coil on the operand, its input fed by every block of feeds (RAIL for the
    // rail).
    CBlockObj* Element(int nType, int nOperand, const std::vector<const CBlockObj*>& feeds)
    {
        CBlockObj* pElement = Add(nType, NextNumber(nType));
        pElement->m_nOperand = nOperand;
        Feed(pElement, 0, feeds);
        return pElement;
    }

    // A function block, numbered from 9000; its inputs are fed with Feed.
    CBlockObj* Function(int nType) { return Add(nType, NextNumber(nType)); }

    // A connector pair standing for a wire from pFeed: the male half fed by it, the female half
    // (its number 2000 higher) returned to feed what the wire fed.
    CBlockObj* Connector(const CBlockObj* pFeed)
    {
        CBlockObj* pMale = Add(BT_MALE, NUM_MALE + m_nConnectors);
        CBlockObj* pFemale = Add(BT_FEMALE, NUM_FEMALE + m_nConnectors++);
        Feed(pMale, 0, {pFeed});
        return pFemale;
    }

    // The pin names the first feed, as the wire tool leaves it; a wire comes from every feed.
    void Feed(CBlockObj* pDest, int nPin, const std::vector<const CBlockObj*>& feeds)
    {
        for (const CBlockObj* pFeed : feeds) {
            auto* pLine = new CConnectLineObj;
            pLine->m_pDoc = m_pDoc.get();
            pLine->m_nStartBlock = pFeed ? pFeed->m_nNumber : NUM_POWERBUS;
            pLine->m_pStartBlock = pFeed ? const_cast<CBlockObj*>(pFeed) : m_pRail;
            pLine->m_nStartPin = BLOCK_FIRST_OUTPUT;
            pLine->m_nEndBlock = pDest->m_nNumber;
            pLine->m_pEndBlock = pDest;
            pLine->m_nEndPin = nPin;
            m_pDoc->m_lineList.AddTail(pLine);
        }
        if (!feeds.empty())
            pDest->m_nPinSource[nPin] = feeds.front() ? feeds.front()->m_nNumber : NUM_POWERBUS;
    }

private:
    CBlockObj* Add(int nType, int nNumber)
    {
        CBlockObj* pBlock = CreateBlockForType(nType, nullptr, m_pDoc.get());
        pBlock->m_nNumber = nNumber;
        m_pDoc->m_blockList.AddTail(pBlock);
        return pBlock;
    }

    int NextNumber(int nType)
    {
        static const std::map<int, int> kFirst = {{BT_MAKE, NUM_MAKE},         {BT_BREAK, NUM_BREAK},
                                                  {BT_ACONTACT, NUM_ACONTACT}, {BT_RELAY_COIL, NUM_COIL},
                                                  {BT_INV_OUT, NUM_COIL},      {BT_AOUT_LAD, NUM_AOUT_LAD}};
        const auto it = kFirst.find(nType);
        const int nFirst = it == kFirst.end() ? NUM_FUNCTION_BLOCK : it->second;
        return nFirst + m_next[nFirst]++;
    }

    std::unique_ptr<CVetlaDoc> m_pDoc;
    CPowerBusObj* m_pRail = nullptr;
    std::map<int, int> m_next;
    int m_nConnectors = 0;
};

// A ladder and its converted diagram run side by side: the same simulated clock, the same
// input changes (a ladder input is switched through its contacts, a diagram input through its
// input block), one scan of each per 25 ms tick.
class SideBySide {
public:
    SideBySide(CVetlaDoc& ladder, CVetlaDoc& fbd) : m_ladder(ladder), m_fbd(fbd)
    {
        m_clock = {2024, 3, 1, 4, 8, 0, 0, 0};
        for (CVetlaDoc* pDoc : {&m_ladder, &m_fbd}) {
            BuildSimulationOrder(*pDoc);
            StartSimulationRun(*pDoc, m_clock);
        }
        m_sim.bSimulating = TRUE;
        m_sim.nRunState = SIM_RUN_RUNNING;
        for (POSITION pos = m_ladder.m_lineList.GetHeadPosition(); pos;) {
            const LadderFeed feed = FeedOfLine(*static_cast<const CConnectLineObj*>(m_ladder.m_lineList.GetNext(pos)));
            if (feed.pReader && feed.pFeed)
                m_feeds.emplace(std::make_pair(feed.pReader, feed.nPin), feed.pFeed);
        }
        // A ladder contact on an input takes its switch position from the first click: each
        // input is switched on and off once, so that every contact agrees that it is off.
        std::set<int> inputs;
        for (POSITION pos = m_ladder.m_blockList.GetHeadPosition(); pos;) {
            const auto* pContact = static_cast<const CBlockObj*>(m_ladder.m_blockList.GetNext(pos));
            if (IsOperableContact(*pContact))
                inputs.insert(pContact->m_nOperand);
        }
        for (int nInput : inputs) {
            SetInput(nInput, 1);
            SetInput(nInput, 0);
        }
    }

    void Tick()
    {
        AdvanceSimClock(&m_clock);
        m_sim.stScan = m_sim.stNow = m_clock;
        ScanDocument(m_ladder, m_sim);
        ScanDocument(m_fbd, m_sim);
    }

    // Switches digital input nInput (its block number) on or off in both diagrams.
    void SetInput(int nInput, int nState)
    {
        for (POSITION pos = m_ladder.m_blockList.GetHeadPosition(); pos;) {
            auto* pContact = static_cast<CBlockObj*>(m_ladder.m_blockList.GetNext(pos));
            if (IsOperableContact(*pContact) && pContact->m_nOperand == nInput) {
                const int nOn = pContact->m_nType == BT_MAKE ? pContact->m_nContactState : !pContact->m_nContactState;
                if (nOn != nState)
                    ToggleSimulatedInput(m_ladder, *pContact);
                break;
            }
        }
        if (CBlockObj* pInput = m_fbd.FindBlockByNumber(nInput); pInput && pInput->m_nPinValue[BLOCK_FIRST_OUTPUT] != nState)
            ToggleSimulatedInput(m_fbd, *pInput);
    }

    // One tick after another, nScans of them, the states of every coil recorded.
    void Run(int nScans)
    {
        for (int i = 0; i < nScans; ++i) {
            Tick();
            Record();
        }
    }

    // Each coil's changes against those of the block that stands for it: the same states at
    // the same scans, but for the lag the two scan orders allow on the coil's rungs (Lag).
    // A ladder coil or function block hands its state to the contacts on it during its own
    // step: a later coil of the list takes it in the same scan, while the diagram's gates,
    // stepped before the outputs and flags, read the flag or output in the next; and a contact
    // after it on the rung, stepped before it, takes it only in the next scan, while the
    // diagram's gate after a function block takes it at once. Contacts are stepped once per
    // scan in number order, break contacts numbered after all make contacts: a make contact
    // after a break contact on a rung takes its change a scan late, which a gate does not.
    // So a coil whose rungs read only inputs through contacts in step order must change at
    // the very scan; a deeper one may change up to Lag scans apart, and while two of its
    // branches change one after the other either diagram may show a pulse of at most Lag
    // scans that is no state of the program. One line per coil that differs.
    std::vector<std::string> Mismatches() const
    {
        std::vector<std::string> mismatches;
        std::map<const CBlockObj*, int> lags;
        for (const auto& [nOperand, traces] : m_traces) {
            std::set<const CBlockObj*> path;
            const int nLag = Lag(*m_coils.at(nOperand), path, lags);
            const Trace ladder = WithoutPulses(traces.first, nLag);
            const Trace fbd = WithoutPulses(traces.second, nLag);
            bool bSame = ladder.size() == fbd.size();
            for (std::size_t i = 0; bSame && i < ladder.size(); ++i)
                bSame = ladder[i].second == fbd[i].second && std::abs(ladder[i].first - fbd[i].first) <= nLag;
            if (!bSame)
                mismatches.push_back(std::to_string(nOperand) + " (lag " + std::to_string(nLag) + "): ladder " +
                                     TraceText(ladder) + " / diagram " + TraceText(fbd));
        }
        return mismatches;
    }

    // How many coils changed and had to change at the very scans of the ladder (lag 0), so
    // that a test can see that the exact comparison was made.
    int ExactCoils() const
    {
        int nExact = 0;
        std::map<const CBlockObj*, int> lags;
        for (const auto& [nOperand, traces] : m_traces) {
            std::set<const CBlockObj*> path;
            nExact += Lag(*m_coils.at(nOperand), path, lags) == 0 && !traces.first.empty() && traces.first == traces.second;
        }
        return nExact;
    }

    int Changes(int nOperand) const { return int(m_traces.at(nOperand).first.size()); }

    int TotalChanges() const
    {
        int nChanges = 0;
        for (const auto& [nOperand, traces] : m_traces)
            nChanges += int(traces.first.size());
        return nChanges;
    }

private:
    using Trace = std::vector<std::pair<int, int>>;  // (scan, new state)

    // The scans by which the two diagrams may differ at a ladder element: the most, on a way
    // from the rail through the wires to it, of contacts on a coil or function block, and of
    // contacts fed by a contact stepped after them. A way round a loop ends where it meets
    // itself.
    int Lag(const CBlockObj& element, std::set<const CBlockObj*>& path, std::map<const CBlockObj*, int>& lags) const
    {
        if (const auto it = lags.find(&element); it != lags.end())
            return it->second;
        if (!path.insert(&element).second)
            return 0;
        int nLag = 0;
        if (element.m_nType == BT_MAKE || element.m_nType == BT_BREAK) {
            if (const CBlockObj* pOperand = m_ladder.FindBlockByNumber(element.m_nOperand))
                nLag = 1 + Lag(*pOperand, path, lags);
        }
        for (int nPin = 0; nPin < element.m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin) {
            const auto [first, last] = m_feeds.equal_range({&element, nPin});
            for (auto it = first; it != last; ++it) {
                const CBlockObj* pFeed = it->second;
                if (pFeed->m_nType == BT_POWERBUS)
                    continue;
                const bool bSteppedLater = element.m_nType >= BT_MAKE && element.m_nType <= BT_BREAK &&
                                           pFeed->m_nNumber > element.m_nNumber;
                nLag = std::max(nLag, (bSteppedLater ? 1 : 0) + Lag(*pFeed, path, lags));
            }
        }
        path.erase(&element);
        lags[&element] = nLag;
        return nLag;
    }

    static Trace WithoutPulses(const Trace& trace, int nPulse)
    {
        Trace steady;
        for (std::size_t i = 0; i < trace.size(); ++i) {
            if (i + 1 < trace.size() && trace[i + 1].first - trace[i].first <= nPulse) {
                ++i;
                continue;
            }
            Note(steady, trace[i].first, trace[i].second);
        }
        return steady;
    }

    static std::string TraceText(const Trace& trace)
    {
        std::string text;
        for (const auto& [nScan, nState] : trace)
            text += std::to_string(nScan) + "=" + std::to_string(nState) + " ";
        return text;
    }

    static void Note(Trace& trace, int nScan, int nState)
    {
        if ((trace.empty() ? 0 : trace.back().second) != nState)
            trace.emplace_back(nScan, nState);
    }

    void Record()
    {
        ++m_nScan;
        for (POSITION pos = m_ladder.m_blockList.GetHeadPosition(); pos;) {
            const auto* pCoil = static_cast<const CBlockObj*>(m_ladder.m_blockList.GetNext(pos));
            if (pCoil->m_nType != BT_RELAY_COIL && pCoil->m_nType != BT_INV_OUT)
                continue;
            const CBlockObj* pOutput = m_fbd.FindBlockByNumber(pCoil->m_nOperand);
            auto& traces = m_traces[pCoil->m_nOperand];
            m_coils.try_emplace(pCoil->m_nOperand, pCoil);
            Note(traces.first, m_nScan, pCoil->m_nPinValue[BLOCK_FIRST_OUTPUT]);
            Note(traces.second, m_nScan, pOutput ? pOutput->m_nPinValue[BLOCK_FIRST_OUTPUT] : -1);
        }
    }

    std::map<int, std::pair<Trace, Trace>> m_traces;
    std::map<int, const CBlockObj*> m_coils;
    // The blocks at the far end of every wire into each ladder input.
    std::multimap<std::pair<const CBlockObj*, int>, const CBlockObj*> m_feeds;
    int m_nScan = 0;

    CVetlaDoc& m_ladder;
    CVetlaDoc& m_fbd;
    CSimContext m_sim;
    SYSTEMTIME m_clock = {};
};
