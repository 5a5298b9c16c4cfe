// The simulation script of the golden corpus and the trace it leaves: a fixed sequence of input
// clicks, analog values, a pause, a clock jump and a stretch of stepping by cycles, played
// against a document scan by scan, with one line per scan of what every block outputs. How a
// scan is run and how an input is set is left to a GoldenSimulator, so that the same script
// drives the view's paint today and any other scan function later; the traces must not differ.
#pragma once

#include "blocks/BlockAnalog.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "platform/core/Runtime.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace golden {

// Monday 4 March 2024, 08:00:55: a weekly timer set for Monday 08:01 switches within the run.
constexpr SYSTEMTIME kStartClock = {2024, 3, 1, 4, 8, 0, 55, 0};
// The clock the script sets at kJumpScan: seconds before midnight, so that a yearly timer
// ending on 5 March switches off within the run.
constexpr SYSTEMTIME kJumpClock = {2024, 3, 1, 4, 23, 59, 57, 0};

constexpr int kScans = 400;
constexpr int kSuspendScan = 181;  // first suspended scan
constexpr int kResumeScan = 201;   // first scan running again
constexpr int kJumpScan = 261;     // the clock is set before this scan
constexpr int kStepFirstScan = 321;  // scans 321..340 are cycles stepped one by one
constexpr int kStepLastScan = 340;
// Digital input k toggles when scan % period == its phase; the periods are primes so that the
// inputs drift against each other, long enough for timers of a second to run out.
constexpr int kTogglePeriods[] = {13, 29, 47, 61, 83, 97, 113, 131};
constexpr int kAnalogPeriod = 50;
constexpr int kAnalogValues[] = {0, 250, 600, 999, 120, 480};

// One way of simulating a document: the view's paint, or the model's scan.
class GoldenSimulator {
public:
    virtual ~GoldenSimulator() = default;
    // Enters simulation with the simulated clock at kStartClock, running freely, and runs the
    // first scan.
    virtual void Start() = 0;
    // Advances the clock by one tick (25 ms) and runs one scan.
    virtual void Tick() = 0;
    // A click on a digital input block or a contact on an input operand; FALSE when the click
    // did not reach that block.
    virtual bool ToggleInput(CBlockObj& input) = 0;
    // The value popup of an analog input moved to nValue.
    virtual void SetAnalogInput(CBlockObj& input, int nValue) = 0;
    // The Simulation bar's Suspend, and its Resume.
    virtual void Suspend() = 0;
    virtual void Resume() = 0;
    // The Set Clock dialog applied.
    virtual void SetClock(const SYSTEMTIME& st) = 0;
    // One tick while stepping by cycles: the clock, every timer one cycle on, one scan.
    virtual void StepCycle() = 0;
    // Stepping ends; the simulation runs freely again.
    virtual void EndStepping() = 0;
    // Leaves the simulation.
    virtual void Stop() = 0;
};

inline std::vector<CBlockObj*> BlocksByNumber(const CVetlaDoc& doc)
{
    std::vector<CBlockObj*> blocks;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;)
        blocks.push_back(static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos)));
    std::stable_sort(blocks.begin(), blocks.end(), [](const CBlockObj* a, const CBlockObj* b) {
        if (a->m_nNumber != b->m_nNumber)
            return a->m_nNumber < b->m_nNumber;
        if (a->m_nType != b->m_nType)
            return a->m_nType < b->m_nType;
        return a->m_ptPos.x != b->m_ptPos.x ? a->m_ptPos.x < b->m_ptPos.x : a->m_ptPos.y < b->m_ptPos.y;
    });
    return blocks;
}

// The inputs the script operates: input blocks in switch mode and, in a ladder diagram, the
// first make contact of each input operand (a click on one moves all contacts of its operand).
inline std::vector<CBlockObj*> DigitalInputs(const CVetlaDoc& doc)
{
    std::vector<CBlockObj*> inputs;
    std::vector<int> operands;
    for (CBlockObj* pBlock : BlocksByNumber(doc)) {
        if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockIn)) && pBlock->m_nParamEx[12] == SIM_INPUT_SWITCH) {
            inputs.push_back(pBlock);
        } else if (pBlock->m_nType == BT_MAKE && pBlock->m_nOperand >= NUM_INPUT && pBlock->m_nOperand < NUM_OUTPUT &&
                   std::find(operands.begin(), operands.end(), pBlock->m_nOperand) == operands.end()) {
            operands.push_back(pBlock->m_nOperand);
            inputs.push_back(pBlock);
        }
    }
    return inputs;
}

inline std::vector<CBlockObj*> AnalogInputs(const CVetlaDoc& doc)
{
    std::vector<CBlockObj*> inputs;
    for (CBlockObj* pBlock : BlocksByNumber(doc)) {
        if (pBlock->m_nType == BT_ANALOG_IN)
            inputs.push_back(pBlock);
    }
    return inputs;
}

inline std::string Number(double d)
{
    char sz[32];
    std::snprintf(sz, sizeof sz, "%.6g", d);
    return sz;
}

// One scan's line: every block by number with its used output pins (state, and the value
// when it is not 0) or, for a block without outputs (a coil), its input states, the values the analog inputs read from it when not 0 (the analog value of
// an analog block, the value field of the analog inputs and outputs, the running value of the
// others), and the text it shows when it has one.
inline std::string TraceLine(int nScan, const CVetlaDoc& doc)
{
    std::ostringstream line;
    line << 's' << nScan;
    for (const CBlockObj* pBlock : BlocksByNumber(doc)) {
        line << ' ' << pBlock->m_nNumber << ':';
        for (int nPin = BLOCK_FIRST_OUTPUT; nPin < BLOCK_FIRST_OUTPUT + pBlock->m_nOutputs && nPin < BLOCK_PIN_COUNT;
             ++nPin) {
            if (nPin > BLOCK_FIRST_OUTPUT)
                line << ',';
            line << pBlock->m_nPinValue[nPin];
            if (pBlock->m_dPinValue[nPin] != 0.0)
                line << '/' << Number(pBlock->m_dPinValue[nPin]);
        }
        for (int nPin = 0; pBlock->m_nOutputs < 1 && nPin < pBlock->m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin)
            line << (nPin > 0 ? "," : "i") << pBlock->m_nPinValue[nPin];
        if (const auto* pAnalog = dynamic_cast<const CBlockAnalog*>(pBlock); pAnalog && pAnalog->m_nValue != 0)
            line << " v" << pAnalog->m_nValue;
        if (pBlock->m_nHeldValue != 0)
            line << " a" << pBlock->m_nHeldValue;
        if (pBlock->m_dRunTime != 0.0)
            line << " r" << Number(pBlock->m_dRunTime);
        if (!pBlock->m_strTimeText.IsEmpty())
            line << " '" << pBlock->m_strTimeText.ToUtf8() << '\'';
    }
    return line.str();
}

inline bool RunsFreely(int nScan)
{
    const bool bSuspended = nScan >= kSuspendScan && nScan < kResumeScan;
    const bool bStepping = nScan >= kStepFirstScan && nScan <= kStepLastScan;
    return !bSuspended && !bStepping;
}

// The changes the script makes before scan nScan; clicks only while the simulation runs
// freely, as the view takes no clicks otherwise. Returns the inputs a click did not reach.
inline int ApplyInputs(int nScan, const std::vector<CBlockObj*>& digital, const std::vector<CBlockObj*>& analog,
                       GoldenSimulator& sim)
{
    int nMissed = 0;
    if (!RunsFreely(nScan))
        return nMissed;
    for (std::size_t k = 0; k < digital.size(); ++k) {
        const int nPeriod = kTogglePeriods[k % std::size(kTogglePeriods)];
        if (nScan % nPeriod == int(3 * k) % nPeriod && !sim.ToggleInput(*digital[k]))
            ++nMissed;
    }
    if (nScan % kAnalogPeriod == kAnalogPeriod / 2) {
        for (std::size_t j = 0; j < analog.size(); ++j) {
            const std::size_t nValue = (std::size_t(nScan / kAnalogPeriod) + j) % std::size(kAnalogValues);
            sim.SetAnalogInput(*analog[j], kAnalogValues[nValue]);
        }
    }
    return nMissed;
}

// Plays the script and gives the trace, one line per scan from the first (s0) to kScans. The
// random blocks draw from the runtime's generator, reseeded here so that every run draws the
// same numbers.
inline std::string RecordTrace(CVetlaDoc& doc, GoldenSimulator& sim)
{
    crt::srand(1);
    const std::vector<CBlockObj*> digital = DigitalInputs(doc);
    const std::vector<CBlockObj*> analog = AnalogInputs(doc);
    std::string trace;
    sim.Start();
    trace += TraceLine(0, doc) + '\n';
    for (int nScan = 1; nScan <= kScans; ++nScan) {
        if (nScan == kSuspendScan)
            sim.Suspend();
        if (nScan == kResumeScan)
            sim.Resume();
        if (nScan == kJumpScan)
            sim.SetClock(kJumpClock);
        if (ApplyInputs(nScan, digital, analog, sim) != 0)
            trace += "missed click before s" + std::to_string(nScan) + '\n';
        if (nScan >= kStepFirstScan && nScan <= kStepLastScan)
            sim.StepCycle();
        else
            sim.Tick();
        if (nScan == kStepLastScan)
            sim.EndStepping();
        trace += TraceLine(nScan, doc) + '\n';
    }
    sim.Stop();
    return trace;
}

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The first difference of two traces ("line N: expected ... got ..."), or nothing when equal.
inline std::optional<std::string> FirstDifference(const std::string& expected, const std::string& actual)
{
    const std::vector<std::string> want = Lines(expected);
    const std::vector<std::string> got = Lines(actual);
    for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
        const std::string a = i < want.size() ? want[i] : "<none>";
        const std::string b = i < got.size() ? got[i] : "<none>";
        if (a == b)
            continue;
        // Point at the first differing block entry of the line.
        std::size_t nAt = 0;
        while (nAt < a.size() && nAt < b.size() && a[nAt] == b[nAt])
            ++nAt;
        const std::size_t nFrom = a.rfind(' ', nAt == 0 ? 0 : nAt - 1);
        const std::size_t nStart = nFrom == std::string::npos ? 0 : nFrom + 1;
        return "line " + std::to_string(i + 1) + " (scan " + a.substr(0, a.find(' ')) + "), from column " +
               std::to_string(nStart) + ":\n  expected: " + a.substr(nStart, 160) + "\n  actual:   " +
               b.substr(nStart, 160);
    }
    return std::nullopt;
}

// How many block entries change from one scan to the next over the trace: a trace where
// nothing changes proves nothing.
inline int CountChanges(const std::string& trace)
{
    const std::vector<std::string> lines = Lines(trace);
    int nChanges = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::istringstream before(lines[i - 1].substr(lines[i - 1].find(' ') + 1));
        std::istringstream after(lines[i].substr(lines[i].find(' ') + 1));
        std::string a;
        std::string b;
        while (before >> a && after >> b)
            nChanges += a != b;
    }
    return nChanges;
}

} // namespace golden
