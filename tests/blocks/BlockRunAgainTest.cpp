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

// The ways a run goes on anew, as the view and the Simulation bar make it go on.
struct Again {
    const char* pszName;
    void (*pfnRestart)(SimDriver& sim);
};

const Again kReenter{"left and entered again", [](SimDriver& sim) {
                         EndSimulationRun(sim.Doc());
                         sim.Start();
                     }};
const Again kStopStart{"stopped and started again", [](SimDriver& sim) {
                           StopSimulationRun(sim.Doc());
                           sim.Sim().nRunState = SIM_RUN_STOPPED;
                           sim.Scan();
                           StartAgainSimulationRun(sim.Doc(), sim.Clock());
                           sim.Sim().nRunState = SIM_RUN_RUNNING;
                       }};
// The Power button held while the run goes on, and let go.
const Again kPowerFailure{"through a power failure", [](SimDriver& sim) {
                              sim.Sim().nRunState = SIM_RUN_STOPPED;
                              sim.Scan();
                              RestoreSupplyAfterPowerFailure(sim.Doc(), sim.Clock());
                              sim.Sim().nRunState = SIM_RUN_RUNNING;
                          }};

// The run goes on anew; a tick's scan follows.
void RunAgain(SimDriver& sim, const Again& again)
{
    again.pfnRestart(sim);
    sim.Run(SIM_TICK_MS);
}

// The input pressed and let go, a tick's scan after each.
void Press(SimDriver& sim, CBlockObj* pInput)
{
    for (int nLevel : {1, 0}) {
        SimDriver::SetInput(pInput, nLevel);
        sim.Run(SIM_TICK_MS);
    }
}

// A multiple function switch left in its staircase time, with its light on, starts the next
// run off: the first press switches the light on.
TEST(BlockRunAgain, AMultipleFunctionSwitchLeftInItsStaircaseSwitchesOnAtTheFirstPress)
{
    for (const Again& again : {kReenter, kStopStart}) {
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
        EXPECT_EQ(SimDriver::State(pSwitch), 0) << again.pszName;
        SimDriver::SetInput(pTrg, 1);
        sim.Run(SIM_TICK_MS);
        EXPECT_EQ(SimDriver::State(pSwitch), 1) << again.pszName << ": the first press switches the light on";
    }
}

// A trigger date-time block shows no captured time in a new run, until it is triggered again.
TEST(BlockRunAgain, ATriggerDateTimeShowsNoCapturedTimeInANewRun)
{
    for (const Again& again : {kReenter, kStopStart}) {
        SimDriver sim;
        CBlockObj* pCapture = sim.Add(CreateBlockForType(BT_TDT, nullptr, nullptr), NUM_FUNCTION_BLOCK);
        CBlockObj* pTrg = sim.FeedPin(pCapture, 0);
        sim.Start();
        Press(sim, pTrg);
        ASSERT_FALSE(pCapture->m_strTimeText.IsEmpty());
        RunAgain(sim, again);
        EXPECT_EQ(SimDriver::State(pCapture), 0) << again.pszName;
        EXPECT_TRUE(pCapture->m_strTimeText.IsEmpty()) << again.pszName << ": " << pCapture->m_strTimeText.ToUtf8();
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
        for (const Again& again : {kStopStart, kPowerFailure}) {
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
                    << relay.nType << (nRetentive ? " retentive " : " ") << again.pszName;
            }
        }
    }
}

} // namespace
