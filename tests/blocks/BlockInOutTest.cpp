// Input, output and constant blocks in a running simulation: what reaches the Inputs and
// Outputs bars and when, the values the outputs copy, and the constants.
#include "SimDriver.h"

#include "blocks/BlockIn.h"
#include "blocks/BlockLow.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// One refresh of a bar: the block and the changed flags the bar saw while it ran.
struct BarCall {
    CBlockObj* pBlock;
    int bInputChanged;
    int bOutputChanged;
};

// The bars of a simulation run: records their refreshes.
class BarRecorder : public ISimBars {
public:
    explicit BarRecorder(SimDriver& sim) { sim.Sim().pBars = this; }

    void RefreshInputs(CBlockObj* pBlock) override { Record(m_inputs, pBlock); }
    void RefreshOutputs(CBlockObj* pBlock) override { Record(m_outputs, pBlock); }

    std::vector<BarCall> m_inputs;
    std::vector<BarCall> m_outputs;

private:
    static void Record(std::vector<BarCall>& calls, CBlockObj* pBlock)
    {
        calls.push_back({pBlock, pBlock->m_bPinChanged[0], pBlock->m_bPinChanged[BLOCK_FIRST_OUTPUT]});
    }
};

// An unconnected output stays off and never refreshes the bar; a connected one refreshes it
// only in the scan its state changes.
TEST(BlockInOut, OutputRefreshesTheBarOnlyInTheScanItsStateChanges)
{
    SimDriver sim;
    BarRecorder bars(sim);
    auto* pHigh = sim.Add(new CBlockHigh(BT_HIGH), NUM_HIGH);
    auto* pOut = sim.Add(new CBlockOut(BT_OUT), NUM_OUTPUT);
    auto* pUnconnected = sim.Add(new CBlockOut(BT_OUT), NUM_OUTPUT + 1);
    SimDriver::Connect(pHigh, pOut, 0);
    sim.Start();
    sim.Run(250);
    EXPECT_EQ(SimDriver::State(pOut), 1);
    EXPECT_EQ(SimDriver::State(pUnconnected), 0);
    ASSERT_EQ(bars.m_outputs.size(), 1u);
    EXPECT_EQ(bars.m_outputs[0].pBlock, pOut);
    EXPECT_EQ(bars.m_outputs[0].bInputChanged, 1) << "pin 0 is flagged while the bar runs";
    EXPECT_EQ(pOut->m_bPinChanged[0], 0) << "and cleared after";
}

// The output copies the source's state; the negation flag of its own pin does not enter, and
// a link that names no block reads 0.
TEST(BlockInOut, OutputsAndFlagsCopyTheSourceState)
{
    SimDriver sim;
    auto* pIn = sim.Add(new CBlockIn(BT_IN), NUM_INPUT);
    auto* pOut = sim.Add(new CBlockOut(BT_OUT), NUM_OUTPUT);
    auto* pMissing = sim.Add(new CBlockOut(BT_OUT), NUM_OUTPUT + 1);
    auto* pFlag = sim.Add(new CBlockFlag(BT_FLAG), NUM_FLAG);
    auto* pOpen = sim.Add(new CBlockOpenX(BT_OPENX), NUM_OPENX);
    SimDriver::Connect(pIn, pOut, 0);
    SimDriver::Connect(pIn, pFlag, 0);
    SimDriver::Connect(pIn, pOpen, 0);
    pOut->m_bPinInvert[0] = 1;
    pMissing->m_nPinSource[0] = NUM_INPUT + 7;
    sim.Start();
    SimDriver::SetInput(pIn, 1);
    sim.Run(25);
    EXPECT_EQ(SimDriver::State(pOut), 1);
    EXPECT_EQ(SimDriver::State(pMissing), 0);
    EXPECT_EQ(SimDriver::State(pFlag), 1);
    EXPECT_EQ(pOpen->m_nPinValue[0], 1);
    EXPECT_EQ(pOpen->m_nOutputs, 0);
    SimDriver::SetInput(pIn, 0);
    sim.Run(25);
    EXPECT_EQ(SimDriver::State(pOut), 0);
    EXPECT_EQ(SimDriver::State(pFlag), 0);
    EXPECT_EQ(pOpen->m_nPinValue[0], 0);
}

TEST(BlockInOut, ClickedInputIsEchoedToTheInputsBarOnce)
{
    SimDriver sim;
    BarRecorder bars(sim);
    auto* pIn = sim.Add(new CBlockIn(BT_IN), NUM_INPUT);
    auto* pKey = sim.Add(new CBlockFKey(BT_FKEY), NUM_FKEY);
    sim.Start();
    sim.Run(100);
    EXPECT_TRUE(bars.m_inputs.empty());
    SimDriver::SetInput(pIn, 1);
    SimDriver::SetInput(pKey, 1);
    sim.Run(100);
    ASSERT_EQ(bars.m_inputs.size(), 2u);
    EXPECT_EQ(bars.m_inputs[0].pBlock, pIn);
    EXPECT_EQ(bars.m_inputs[1].pBlock, pKey);
    EXPECT_EQ(pIn->m_bPinChanged[BLOCK_FIRST_OUTPUT], 0);
}

// A Frequency input shows its value, not clicks: the bar is refreshed in the scan in which the
// value changed, never on every scan.
TEST(BlockInOut, FrequencyInputRefreshesOnlyWhenItsValueChanges)
{
    SimDriver sim;
    BarRecorder bars(sim);
    auto* pIn = sim.Add(new CBlockIn(BT_IN), NUM_INPUT);
    pIn->m_nParamEx[INPUT_SIM_MODE_PARAMEX] = SIM_INPUT_FREQUENCY;
    pIn->m_nAux[INPUT_SIM_START_AUX] = 50;  // the value a run starts from, shown from the start
    sim.Start();
    sim.Run(250);
    EXPECT_TRUE(bars.m_inputs.empty());
    EXPECT_EQ(pIn->m_nShownValue, 50);
    SimDriver::SetInput(pIn, 1);
    sim.Run(100);
    EXPECT_TRUE(bars.m_inputs.empty()) << "a click does not refresh a Frequency input";
    pIn->m_nAux[INPUT_SIM_VALUE_AUX] = 60;
    sim.Run(250);
    ASSERT_EQ(bars.m_inputs.size(), 1u);
    EXPECT_EQ(pIn->m_nShownValue, 60);
}

// Whatever the last run or the stored words left, a run starts an analog input at 0 fitted
// into its range.
TEST(BlockInOut, AnalogInputStartsAtZeroFittedIntoItsRange)
{
    const struct {
        int nAuto, nMin, nMax, nStart;
    } cases[] = {{1, 0, 1000, 0}, {0, 200, 1000, 200}, {0, -500, -100, -100}, {0, -300, 300, 0}};
    for (const auto& c : cases) {
        SimDriver sim;
        CBlockAnalogIn* pIn = sim.AddAnalogIn(NUM_ANALOG_IN);
        pIn->m_nParamEx[INPUT_SIM_AUTO_RANGE_PARAMEX] = c.nAuto;
        pIn->m_nAux[BLOCK_VALUE_MIN_AUX] = c.nMin;
        pIn->m_nAux[BLOCK_VALUE_MAX_AUX] = c.nMax;
        pIn->m_nAux[INPUT_SIM_VALUE_AUX] = 700;
        sim.Start();
        EXPECT_EQ(pIn->m_nAux[INPUT_SIM_VALUE_AUX], c.nStart) << c.nMin << ".." << c.nMax;
    }
}

// The value the bar writes together with the shown value is not echoed back.
TEST(BlockInOut, AnalogInputEchoesOnlyValuesTheBarDidNotWrite)
{
    SimDriver sim;
    BarRecorder bars(sim);
    auto* pAi = sim.Add(new CBlockAnalogIn(BT_ANALOG_IN), NUM_ANALOG_IN);
    sim.Start();
    pAi->m_nAux[INPUT_SIM_VALUE_AUX] = 300;
    pAi->m_nShownValue = 300;
    sim.Run(100);
    EXPECT_TRUE(bars.m_inputs.empty());
    pAi->m_nAux[INPUT_SIM_VALUE_AUX] = 420;
    sim.Run(100);
    ASSERT_EQ(bars.m_inputs.size(), 1u);
    EXPECT_EQ(bars.m_inputs[0].bOutputChanged, 1) << "the output pin is flagged while the bar runs";
    EXPECT_EQ(pAi->m_bPinChanged[BLOCK_FIRST_OUTPUT], 0);
    EXPECT_EQ(pAi->m_nShownValue, 420);
}

// AQ and AM keep the low 16 bits of their input, signed.
TEST(BlockInOut, AnalogOutputsKeepTheSigned16BitInputValue)
{
    SimDriver sim;
    BarRecorder bars(sim);
    // A plain block keeps the value the test gives it: no step recomputes it.
    auto* pSource = sim.Add(new CBlockObj(BT_ABS, 1), NUM_FUNCTION_BLOCK);
    auto* pAq = sim.Add(new CBlockAnalogOut(BT_ANALOG_OUT), NUM_ANALOG_OUT);
    auto* pAm = sim.Add(new CBlockAnalogFlag(BT_ANALOG_FLAG), NUM_ANALOG_FLAG);
    SimDriver::Connect(pSource, pAq, 0);
    SimDriver::Connect(pSource, pAm, 0);
    sim.Start();
    pSource->m_dRunTime = 32768.0;
    sim.Run(25);
    EXPECT_EQ(pAq->m_nHeldValue, -32768);
    EXPECT_EQ(pAm->m_nHeldValue, -32768);
    ASSERT_EQ(bars.m_outputs.size(), 1u) << "only AQ has a bar";
    EXPECT_EQ(bars.m_outputs[0].bInputChanged, 1);
    EXPECT_EQ(pAq->m_bPinChanged[0], 0);
    EXPECT_EQ(pAm->m_bPinChanged[0], 1) << "AM leaves its changed flag set";
    sim.Run(100);
    EXPECT_EQ(bars.m_outputs.size(), 1u) << "an unchanged value is not shown again";
    pSource->m_dRunTime = 70000.0;
    sim.Run(25);
    EXPECT_EQ(pAq->m_nHeldValue, 70000 - 65536);
}

TEST(BlockInOut, ConstantsKeepTheirLevelInEveryScan)
{
    SimDriver sim;
    auto* pHigh = sim.Add(new CBlockHigh(BT_HIGH), NUM_HIGH);
    auto* pLow = sim.Add(new CBlockLow(BT_LOW), NUM_LOW);
    sim.Start();
    for (int nScan = 0; nScan < 5; ++nScan) {
        sim.Run(25);
        EXPECT_EQ(SimDriver::State(pHigh), 1);
        EXPECT_EQ(SimDriver::State(pLow), 0);
    }
}

// A hi block read back from a record is 1 before any simulation resets it.
TEST(BlockInOut, LoadedHighBlockIsOne)
{
    TestDocument active;
    CBlockHigh high(BT_HIGH);
    auto pLoaded = LoadObject(StoreObject(&high));
    EXPECT_EQ(static_cast<CBlockObj*>(pLoaded.get())->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);
}

} // namespace
