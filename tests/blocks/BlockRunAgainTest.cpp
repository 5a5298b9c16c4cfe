// What a block carries from one run into the next: nothing when the simulation is left and
// entered again or stopped and started again, but the value of a retentive block through Stop
// and Start and through a power failure.
#include "SimDriver.h"

#include "blocks/BlockGenerator.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTypes.h"
#include "document/SimStopStart.h"

#include <gtest/gtest.h>

namespace {

enum class Again { Reenter, StopStart, PowerFailure };

const char* Name(Again again)
{
    switch (again) {
    case Again::Reenter:
        return "left and entered again";
    case Again::StopStart:
        return "stopped and started again";
    default:
        return "through a power failure";
    }
}

// The run goes on anew, as the view and the Simulation bar make it go on; a scan follows.
void RunAgain(SimDriver& sim, Again again)
{
    switch (again) {
    case Again::Reenter:
        EndSimulationRun(sim.Doc());
        sim.Start();
        break;
    case Again::StopStart:
        StopSimulationRun(sim.Doc());
        sim.Sim().nRunState = SIM_RUN_STOPPED;
        sim.Scan();
        StartAgainSimulationRun(sim.Doc(), sim.Clock());
        sim.Sim().nRunState = SIM_RUN_RUNNING;
        break;
    case Again::PowerFailure:
        // The Power button held while the run goes on, and let go.
        sim.Sim().nRunState = SIM_RUN_STOPPED;
        sim.Scan();
        RestoreSupplyAfterPowerFailure(sim.Doc(), sim.Clock());
        sim.Sim().nRunState = SIM_RUN_RUNNING;
        break;
    }
    sim.Tick();
    sim.Scan();
}

void Press(SimDriver& sim, CBlockObj* pInput)
{
    for (int nLevel : {1, 0}) {
        SimDriver::SetInput(pInput, nLevel);
        sim.Tick();
        sim.Scan();
    }
}

// A multiple function switch left in its staircase time, with its light on, starts the next
// run off: the first press switches the light on.
TEST(BlockRunAgain, AMultipleFunctionSwitchLeftInItsStaircaseSwitchesOnAtTheFirstPress)
{
    for (Again again : {Again::Reenter, Again::StopStart}) {
        SimDriver sim;
        auto* pSwitch = sim.Add(static_cast<CBlockMFS*>(CreateBlockForType(BT_MFS, nullptr, nullptr)),
                                NUM_FUNCTION_BLOCK);
        SetOn(*pSwitch, {1, 0, 2});
        SetOff(*pSwitch, {1, 1, 0});
        CBlockObj* pTrg = sim.FeedPin(pSwitch, kTrg);
        sim.Start();
        Press(sim, pTrg);
        ASSERT_EQ(pSwitch->m_nPhase, MFS_STAIRCASE);
        ASSERT_EQ(SimDriver::State(pSwitch), 1);
        RunAgain(sim, again);
        EXPECT_EQ(SimDriver::State(pSwitch), 0) << Name(again);
        SimDriver::SetInput(pTrg, 1);
        sim.Tick();
        sim.Scan();
        EXPECT_EQ(SimDriver::State(pSwitch), 1) << Name(again) << ": the first press switches the light on";
    }
}

// A trigger date-time block shows no captured time in a new run, until it is triggered again.
TEST(BlockRunAgain, ATriggerDateTimeShowsNoCapturedTimeInANewRun)
{
    for (Again again : {Again::Reenter, Again::StopStart}) {
        SimDriver sim;
        CBlockObj* pCapture = sim.Add(CreateBlockForType(BT_TDT, nullptr, nullptr), NUM_FUNCTION_BLOCK);
        CBlockObj* pTrg = sim.FeedPin(pCapture, 0);
        sim.Start();
        Press(sim, pTrg);
        ASSERT_FALSE(pCapture->m_strTimeText.IsEmpty());
        RunAgain(sim, again);
        EXPECT_EQ(SimDriver::State(pCapture), 0) << Name(again);
        EXPECT_TRUE(pCapture->m_strTimeText.IsEmpty()) << Name(again) << ": " << pCapture->m_strTimeText.ToUtf8();
    }
}

// A latching or pulse relay with its retentive flag keeps its output through Stop and Start and
// through a power failure; without the flag it starts off.
TEST(BlockRunAgain, ARetentiveRelayKeepsItsOutput)
{
    const struct {
        int nType;
        int nSetPin;
    } relays[] = {{BT_LR, 0}, {BT_PR, 1}};
    for (const auto& relay : relays) {
        for (Again again : {Again::StopStart, Again::PowerFailure}) {
            for (int nRetentive : {0, 1}) {
                SimDriver sim;
                CBlockObj* pRelay = sim.Add(CreateBlockForType(relay.nType, nullptr, nullptr), NUM_FUNCTION_BLOCK);
                pRelay->m_nParam[BLOCK_RETENTIVE_PARAM] = nRetentive;
                CBlockObj* pSet = sim.FeedPin(pRelay, relay.nSetPin);
                sim.Start();
                Press(sim, pSet);
                ASSERT_EQ(SimDriver::State(pRelay), 1);
                RunAgain(sim, again);
                sim.Run(100);
                EXPECT_EQ(SimDriver::State(pRelay), nRetentive)
                    << relay.nType << (nRetentive ? " retentive " : " ") << Name(again);
            }
        }
    }
}

} // namespace
