// Ladder diagrams for the conversion tests, built as the editor leaves them: elements numbered
// in their ranges, each input pin naming one of its feeds and a wire from every feed (the rail
// included), and a runner that simulates a ladder and its converted diagram side by side on the
// manual tick clock with the model's own scan.
#pragma once

#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/PowerBusObj.h"
#include "blocks/SimContext.h"
#include "blocks/SimTime.h"
#include "document/SimScan.h"
#include "document/VetlaDoc.h"

#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// How many scans the converted diagram may take longer (or shorter) than the ladder to pass on
// a change, and the longest pulse that the two scan orders make of changes that meet (see
// Mismatches): the smallest that hold for the random ladders of the test with nine seeds.
constexpr int SETTLE_SCANS = 6;
constexpr int PULSE_SCANS = 4;

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

    // Each coil's changes against those of the block that stands for it: the same states in the
    // same order, each change at most SETTLE_SCANS scans apart. The two scans pass a change on
    // in different orders (the ladder: contacts by number, then function blocks, then coils in
    // list order, each coil passing its state to the contacts that name it at once; the
    // diagram: gates and function blocks, then outputs, then flags), so a change may arrive a
    // few scans later in one of them, and a pulse of at most PULSE_SCANS scans that one of them
    // shows while two inputs of a gate change one after the other is no state of the program.
    // One line per coil that differs.
    std::vector<std::string> Mismatches() const
    {
        std::vector<std::string> mismatches;
        for (const auto& [nOperand, traces] : m_traces) {
            const Trace ladder = WithoutPulses(traces.first);
            const Trace fbd = WithoutPulses(traces.second);
            bool bSame = ladder.size() == fbd.size();
            for (std::size_t i = 0; bSame && i < ladder.size(); ++i)
                bSame = ladder[i].second == fbd[i].second && std::abs(ladder[i].first - fbd[i].first) <= SETTLE_SCANS;
            if (!bSame)
                mismatches.push_back(std::to_string(nOperand) + ": ladder " + TraceText(ladder) + " / diagram " +
                                     TraceText(fbd));
        }
        return mismatches;
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

    static Trace WithoutPulses(const Trace& trace)
    {
        Trace steady;
        for (std::size_t i = 0; i < trace.size(); ++i) {
            if (i + 1 < trace.size() && trace[i + 1].first - trace[i].first <= PULSE_SCANS) {
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
            Note(traces.first, m_nScan, pCoil->m_nPinValue[BLOCK_FIRST_OUTPUT]);
            Note(traces.second, m_nScan, pOutput ? pOutput->m_nPinValue[BLOCK_FIRST_OUTPUT] : -1);
        }
    }

    std::map<int, std::pair<Trace, Trace>> m_traces;
    int m_nScan = 0;

    CVetlaDoc& m_ladder;
    CVetlaDoc& m_fbd;
    CSimContext m_sim;
    SYSTEMTIME m_clock = {};
};
