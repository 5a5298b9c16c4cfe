// A pause of the simulation and a clock the user sets are no running time. Every block type of
// the catalogue, run across a 10-minute Suspend, across a Set Clock one day forward and across
// one a day back, shows the same output, running time and value box as the same run without
// them, at every half second of running. Only the blocks that read the calendar by design are
// left out, each named with its reason.
#include "SimDriver.h"

#include "blocks/BlockCounter.h"
#include "blocks/BlockExtended.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/TypeCodeList.h"
#include "platform/core/Runtime.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The types that show the simulated calendar, which a pause and a clock set move on purpose: the
// weekly and yearly timers show the date (and switch at dates and times of day), and the
// time/date capture keeps the clock as it stood at its trigger.
constexpr TypeCodeList kFollowsTheCalendar = {BT_WT, BT_YT, BT_TDT};

constexpr int kRunMs = 100000;
// The interruptions fall inside intervals: the timers' ON times from 1 s and their OFF times
// from 40 s, the hours counter's first minute, the pulse runs.
constexpr int kInterruptAtMs[] = {10000, 55000};
constexpr int kPauseMs = 10 * 60 * 1000;
constexpr int kDayMs = 24 * 60 * 60 * 1000;

enum class Interruption { None, Suspend, ClockForward, ClockBack };

// How the script drives the block's input: on from 1 s to 40 s and from 70 s to 95 s; held on
// from 1 s; or pulses of 100 ms from 1 s.
enum class Drive { Steps, Held, Pulses };

Drive DriveOf(int nType)
{
    if (nType == BT_HCOUNTER)
        return Drive::Held;
    return nType == BT_THTRG ? Drive::Pulses : Drive::Steps;
}

int LevelAt(Drive drive, int nMs)
{
    if (nMs < 1000)
        return 0;
    switch (drive) {
    case Drive::Held:
        return 1;
    case Drive::Pulses:
        return (nMs / 100) % 2;
    default:
        return nMs < 40000 || (nMs >= 70000 && nMs < 95000) ? 1 : 0;
    }
}

// Settings whose intervals reach across the interruptions.
void SetUpTiming(CBlockObj& block)
{
    if (block.IsKindOf(RUNTIME_CLASS(CBlockTime))) {
        SetOn(block, {1, 0, 20});
        SetOff(block, {1, 0, 15});
    }
    if (block.m_nType == BT_HCOUNTER)
        block.m_nParam[HCOUNTER_MI_HOURS_PARAM] = 1;
    if (block.m_nType == BT_THTRG)
        block.m_nParamEx[THTRG_GATE_SECONDS_PARAMEX] = 2;
    if (ListsType({BT_SMCE, BT_PTOE}, block.m_nType)) {
        block.m_nParamEx[PULSE_RATE_PARAMEX] = 100;
        block.m_nParamEx[PULSE_LENGTH_PARAMEX] = 20000;
    }
}

// The state, the running time and the value box's text.
std::string Moment(CBlockObj& block, const CSimContext& sim)
{
    RecordingSurface surface;
    CDC dc(surface);
    block.DrawValue(&sim, &dc);
    std::string str = "state " + std::to_string(SimDriver::State(&block)) + " run " + std::to_string(block.m_dRunTime);
    for (const RecordingSurface::Record& record : surface.Records()) {
        if (record.kind == RecordingSurface::Kind::Text)
            str += " |" + std::string(record.text.begin(), record.text.end());
    }
    return str;
}

void Interrupt(SimDriver& sim, Interruption how)
{
    switch (how) {
    case Interruption::Suspend:
        // The view scans on while suspended; its first suspended scan is a tick later.
        sim.Suspend();
        sim.Tick();
        sim.Scan();
        for (int nPaused = SIM_TICK_MS; nPaused < kPauseMs; nPaused += 1000) {
            sim.Pass(std::min(1000, kPauseMs - nPaused));
            sim.Scan();
        }
        sim.Resume();
        break;
    case Interruption::ClockForward:
    case Interruption::ClockBack: {
        // The dialog's Apply repaints the view at once.
        SYSTEMTIME st = sim.Clock();
        AddMsToSystemTime(&st, how == Interruption::ClockForward ? kDayMs : -kDayMs, &st);
        sim.SetClock(st);
        sim.Scan();
        break;
    }
    default:
        break;
    }
}

// The block's moments at every half second of running time.
std::vector<std::string> RunType(int nType, Interruption how)
{
    crt::srand(1);  // the random blocks draw the same in every run
    SimDriver sim;
    CBlockObj* pBlock = sim.Add(CreateBlockForType(nType, nullptr, nullptr), NUM_FUNCTION_BLOCK);
    SetUpTiming(*pBlock);
    const Drive drive = DriveOf(nType);
    const int nPin = drive == Drive::Held ? 1 : 0;
    CBlockObj* pInput = pBlock->m_nInputs > nPin ? sim.FeedPin(pBlock, nPin) : nullptr;
    sim.Start();
    std::vector<std::string> moments;
    for (int nRun = 0; nRun < kRunMs;) {
        for (int nAt : kInterruptAtMs) {
            if (nRun == nAt)
                Interrupt(sim, how);
        }
        sim.Tick();
        nRun += SIM_TICK_MS;
        if (pInput && SimDriver::State(pInput) != LevelAt(drive, nRun))
            SimDriver::SetInput(pInput, LevelAt(drive, nRun));
        sim.Scan();
        if (nRun % 1000 == 500)
            moments.push_back(std::to_string(nRun) + " ms: " + Moment(*pBlock, sim.Sim()));
    }
    return moments;
}

const char* NameOf(Interruption how)
{
    switch (how) {
    case Interruption::Suspend:
        return "a 10-minute Suspend";
    case Interruption::ClockForward:
        return "a Set Clock a day forward";
    default:
        return "a Set Clock a day back";
    }
}

TEST(PauseAndClockSet, EveryTypeRunsAsWithoutThem)
{
    for (const BlockTypeRow& row : FactoryTypeRows()) {
        if (ListsType(kFollowsTheCalendar, row.nType))
            continue;
        const std::vector<std::string> plain = RunType(row.nType, Interruption::None);
        for (Interruption how : {Interruption::Suspend, Interruption::ClockForward, Interruption::ClockBack}) {
            const std::vector<std::string> interrupted = RunType(row.nType, how);
            ASSERT_EQ(interrupted.size(), plain.size());
            for (std::size_t i = 0; i < plain.size(); ++i) {
                if (interrupted[i] != plain[i]) {
                    ADD_FAILURE() << "type " << row.nType << " across " << NameOf(how) << ":\n  without: " << plain[i]
                                  << "\n  with:    " << interrupted[i];
                    break;
                }
            }
        }
    }
}

} // namespace
