// Runs that remember nothing of the run before. The newer catalogue, run with random input
// changes and left at several points, by leaving the simulation or by the Simulation bar's Stop
// then Start, then fed the input changes of a run from a fresh open, steps every block of every
// type through the same outputs and states, scan by scan, as that fresh run does. Where a type
// keeps a state of the run before on purpose, the table names it.
#include "DocTestSupport.h"
#include "ModelSimulator.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTime.h"
#include "document/SimStopStart.h"

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Every run enters at golden::kStartClock, so that the calendar blocks and the captured times
// of a run entered again read what the fresh run reads.
constexpr int kScans = 100;
constexpr int kLeavePoints[] = {23, 58, 97};
// The first run's changes and the changes both compared runs are fed.
constexpr unsigned kFirstRunSeed = 7;
constexpr unsigned kComparedSeed = 11;

enum class Leaving { Leave, StopStart };

// The inputs' levels before each scan: each digital input flips now and then, each analog input
// takes a new value now and then; all start off (and the analog inputs at 0) as a fresh run's do.
struct InputScript {
    std::vector<std::vector<int>> digital;  // [scan][input]
    std::vector<std::vector<int>> analog;

    InputScript(unsigned nSeed, std::size_t nDigital, std::size_t nAnalog)
    {
        std::mt19937 random(nSeed);
        std::vector<int> levels(nDigital, 0);
        std::vector<int> values(nAnalog, 0);
        for (int nScan = 0; nScan <= kScans; ++nScan) {
            for (int& nLevel : levels) {
                if (nScan > 0 && random() % 7 == 0)
                    nLevel = 1 - nLevel;
            }
            for (int& nValue : values) {
                if (nScan > 0 && random() % 11 == 0)
                    nValue = int(random() % 1001);
            }
            digital.push_back(levels);
            analog.push_back(values);
        }
    }
};

// What a block holds after a scan: its pins, running times, stamps (from the clock), the text it
// shows, and the working fields of its family.
std::string BlockState(const CBlockObj& block, const SYSTEMTIME& stClock)
{
    std::ostringstream out;
    for (int nPin = 0; nPin < BLOCK_PIN_COUNT; ++nPin) {
        if (block.IsPinUsed(nPin))
            out << nPin << '=' << block.m_nPinValue[nPin] << '/' << block.m_dPinValue[nPin] << ' ';
    }
    const auto since = [&](const SYSTEMTIME& st) { return SystemTimeToMs(&stClock) - SystemTimeToMs(&st); };
    out << "run " << block.m_dRunTime << " carried " << block.m_dCarried << " held " << block.m_nHeldValue
        << " stamps " << since(block.m_stStart) << ',' << since(block.m_stStart2) << " contact "
        << block.m_nContactState << " text '" << block.m_strTimeText.ToUtf8() << '\'';
    if (const auto* pTimer = dynamic_cast<const CBlockTime*>(&block)) {
        out << " timing " << pTimer->m_bTiming << " work";
        for (int nWork : pTimer->m_nWork)
            out << ' ' << nWork;
    }
    if (const auto* pSwitch = dynamic_cast<const CBlockMFS*>(&block))
        out << " phase " << pSwitch->m_nPhase << " warning " << pSwitch->m_nWarning;
    if (const auto* pStairway = dynamic_cast<const CBlockSLS*>(&block))
        out << " warning " << pStairway->m_nWarning;
    if (const auto* pRegister = dynamic_cast<const CBlockSREG*>(&block))
        out << " register " << pRegister->m_wShiftReg;
    if (const auto* pAnalog = dynamic_cast<const CBlockAnalog*>(&block))
        out << " value " << pAnalog->m_nValue << " ax " << pAnalog->m_nAx << " ay " << pAnalog->m_nAy;
    if (const auto* pHours = dynamic_cast<const CBlockHCOUNTER*>(&block))
        out << " MN " << pHours->m_nMNMinutes << " OT " << pHours->m_nOTMinutes << " from " << pHours->m_nOTStart;
    if (const auto* pTrigger = dynamic_cast<const CBlockTHTRG*>(&block))
        out << " fa " << pTrigger->m_nMeasured << " pulses " << pTrigger->m_nPulseCount << " gate "
            << pTrigger->m_bGateRunning;
    return out.str();
}

// Every block's state after each scan of a run, by block number and type.
using Trace = std::vector<std::map<std::pair<int, int>, std::string>>;

// The model's simulation as the view and the Simulation bar drive it.
class Simulator : public ModelSimulator {
public:
    explicit Simulator(CVetlaDoc& doc)
        : ModelSimulator(doc), m_digital(golden::DigitalInputs(doc)), m_analog(golden::AnalogInputs(doc))
    {
    }

    InputScript Script(unsigned nSeed) const { return InputScript(nSeed, m_digital.size(), m_analog.size()); }

    // Stop, a stopped scan, the clock set back to the entry's while stopped (the next stopped
    // scan stamps every block with it), and Start.
    void StopThenStart()
    {
        StopSimulationRun(m_doc);
        m_sim.nRunState = SIM_RUN_STOPPED;
        Scan();
        m_clock = golden::kStartClock;
        Scan();
        StartAgainSimulationRun(m_doc, m_clock);
        m_sim.nRunState = SIM_RUN_RUNNING;
    }

    // The script's levels before scan nScan, a tick, and the scan.
    void Step(const InputScript& script, int nScan)
    {
        for (std::size_t k = 0; k < m_digital.size(); ++k) {
            if (m_digital[k]->m_nPinValue[BLOCK_FIRST_OUTPUT] != script.digital[size_t(nScan)][k])
                ToggleSimulatedInput(m_doc, *m_digital[k]);
        }
        for (std::size_t k = 0; k < m_analog.size(); ++k)
            SetAnalogInput(*m_analog[k], script.analog[size_t(nScan)][k]);
        Tick();
    }

    // The compared script played from here: every block's state after each scan. The random
    // blocks draw from the runtime's generator, not from anything of the run: each compared run
    // draws the same numbers.
    Trace Play()
    {
        const InputScript script = Script(kComparedSeed);
        Trace trace;
        crt::srand(1);
        for (int nScan = 0; nScan <= kScans; ++nScan) {
            Step(script, nScan);
            auto& states = trace.emplace_back();
            for (POSITION pos = m_doc.m_blockList.GetHeadPosition(); pos;) {
                const auto* pBlock = static_cast<const CBlockObj*>(m_doc.m_blockList.GetNext(pos));
                states[{pBlock->m_nNumber, pBlock->m_nType}] = BlockState(*pBlock, m_clock);
            }
        }
        return trace;
    }

private:
    std::vector<CBlockObj*> m_digital;
    std::vector<CBlockObj*> m_analog;
};

// What a type keeps of a run on purpose, and how the run must have ended for it to keep it: a
// run entered again or started again goes on from it where a fresh open starts from nothing.
struct Kept {
    int nType;
    bool bAlsoLeaving;  // kept when the simulation is left too, not only through Stop
    const char* pszWhat;
};
const Kept kKept[] = {
    {BT_DPR, false, "Stop clears the timing flag of the off-delay, retentive on-delay, wiping relay and stairway "
                    "switch only"},
    {BT_MPLR, false, "Stop clears the on-/off-delay's second timer state, not its first"},
    {BT_RPR, false, "Stop clears the edge triggered wiping relay's second timer state, not its first"},
    {BT_APG, false, "Stop keeps the phase the pulse generator stopped in, which its value box's unit follows"},
    {BT_RG, false, "a random generator whose En is on keeps its timing and its draw through Stop"},
    {BT_MFS, false, "Stop clears the switch's phase only in its staircase time"},
    {BT_HCOUNTER, true, "Ral clears the operating-time parameter of the document itself"},
    {BT_THTRG, false, "Stop leaves the threshold trigger's gate running; Start clears only its pulse count"},
    {BT_ACOMP, false, "Stop leaves the analog classes alone"},
    {BT_AAMP, false, "Stop leaves the analog classes alone"},
    {BT_AWDOG, false, "Stop leaves the analog classes alone"},
    {BT_SREG, false, "Stop clears the shift register bits, not the register"},
    {BT_ARRMXIV, false, "the array's analog outputs and flags keep their values through Stop"},
    {BT_ACMXIV, false, "its analog inputs, outputs and flags keep their values through Stop"},
};

bool IsKept(int nType, Leaving leaving)
{
    return std::ranges::any_of(kKept, [&](const Kept& kept) {
        return kept.nType == nType && (leaving == Leaving::StopStart || kept.bAlsoLeaving);
    });
}

// The catalogue opened from its file. A retentive block keeps its value through Stop and Start
// on purpose (its own test shows it); here every block starts each run from nothing.
void OpenCatalogue(CVetlaDoc& doc)
{
    ASSERT_TRUE(doc.OnOpenDocument(CString::FromUtf8(std::string(QARVO_GOLDEN_DIR) + "/fbd-newer-catalogue.dfb")));
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;)
        static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos))->m_nParam[BLOCK_RETENTIVE_PARAM] = 0;
}

using RunAgain = DocTest;

TEST_F(RunAgain, EveryTypeRunsAgainAsFromAFreshOpen)
{
    HardwareCodeScope hardware(g_wHardwareCode);
    Trace fresh;
    {
        CVetlaDoc doc;
        ASSERT_NO_FATAL_FAILURE(OpenCatalogue(doc));
        Simulator sim(doc);
        sim.Enter();
        fresh = sim.Play();
    }
    std::set<std::string> faults;
    std::set<int> types;
    for (const Leaving leaving : {Leaving::Leave, Leaving::StopStart}) {
        for (const int nLeaveAt : kLeavePoints) {
            CVetlaDoc doc;
            ASSERT_NO_FATAL_FAILURE(OpenCatalogue(doc));
            Simulator sim(doc);
            sim.Enter();
            const InputScript first = sim.Script(kFirstRunSeed);
            crt::srand(5);
            for (int nScan = 0; nScan < nLeaveAt; ++nScan)
                sim.Step(first, nScan);
            if (leaving == Leaving::Leave) {
                sim.Stop();
                sim.Enter();
            } else {
                sim.StopThenStart();
            }
            const Trace again = sim.Play();
            for (const auto& [key, state0] : fresh.front()) {
                types.insert(key.second);
                if (IsKept(key.second, leaving))
                    continue;
                for (std::size_t nScan = 0; nScan < fresh.size(); ++nScan) {
                    const std::string& strFresh = fresh[nScan].at(key);
                    const std::string& strAgain = again[nScan].at(key);
                    if (strAgain == strFresh)
                        continue;
                    std::ostringstream fault;
                    fault << "type " << key.second << " (block " << key.first << ") after "
                          << (leaving == Leaving::Leave ? "leaving" : "Stop then Start")
                          << " at scan " << nLeaveAt << ", scan " << nScan << ":\n  fresh " << strFresh
                          << "\n  again " << strAgain;
                    faults.insert(fault.str());
                    break;
                }
            }
        }
    }
    for (const Kept& kept : kKept)
        EXPECT_TRUE(types.contains(kept.nType)) << kept.nType << " is no type of the catalogue";
    for (const std::string& strFault : faults)
        ADD_FAILURE() << strFault;
}

} // namespace
