// A wire cut into a connector pair is still one wire: a pin fed through a pair takes its
// source's value in the same scan, digital or analog, as the pin of a drawn wire does.
#include "DocTestSupport.h"
#include "RuleDiagram.h"

#include "blocks/BlockIn.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "document/AnalogRanges.h"
#include "document/SimScan.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace {

enum class Link { Wire, Pair };

struct PairCase;
void PrintTo(const PairCase& pairCase, std::ostream* pOut);

// Each case runs twice, its diagram built with a drawn wire and with a connector pair.
class ConnectorPairScan : public RuleDiagram, public testing::WithParamInterface<std::tuple<PairCase, Link>> {
public:
    using RuleDiagram::Block;
    using RuleDiagram::Blocks;

    ConnectorPairScan();

    // Output pin 10 of pFrom into input nPin of pTo, drawn or cut as the upload cuts it: the
    // source wired into a Male, the Female wired on to the input.
    void Join(CBlockObj* pFrom, CBlockObj* pTo, int nPin, Link link)
    {
        if (link == Link::Wire) {
            Wire(pFrom, BLOCK_FIRST_OUTPUT, pTo, nPin);
            return;
        }
        const auto [pMale, pFemale] = ConnectorPair();
        pMale->SetDocument(&m_doc);
        pFemale->SetDocument(&m_doc);
        Wire(pFrom, BLOCK_FIRST_OUTPUT, pMale, 0);
        Wire(pTo, nPin, pFemale, BLOCK_FIRST_OUTPUT);
    }

    void Start()
    {
        BuildSimulationOrder(m_doc);
        StartSimulationRun(m_doc, m_sim.stScan);
    }
    void Scan() { ScanDocument(m_doc, m_sim); }
    // The value popup of an analog input moved to nValue.
    void SetAnalog(CBlockObj* pInput, int nValue)
    {
        pInput->m_nAux[INPUT_SIM_VALUE_AUX] = nValue;
        UpdateSimInputSettings(m_doc, pInput, TRUE);
    }
    void Toggle(CBlockObj* pInput)
    {
        ToggleSimulatedInput(m_doc, *pInput);
        Scan();
    }

private:
    CSimContext m_sim;
};

// A diagram built with the link under test, run through its script, gives one value per step.
struct PairCase {
    const char* pszName;
    int nDocType;
    std::function<std::vector<int>(ConnectorPairScan&, Link)> run;
    std::vector<int> expected;
};

ConnectorPairScan::ConnectorPairScan() : RuleDiagram(std::get<0>(GetParam()).nDocType)
{
    RegisterBlockClasses();
    m_sim.bSimulating = TRUE;
    m_sim.nRunState = SIM_RUN_RUNNING;
}

const PairCase kCases[] = {
    {"NotSwitchesInTheScanOfItsInput", DOC_TYPE_FBD,
     [](ConnectorPairScan& t, Link link) {
         auto [pIn, pNot] = t.Blocks(BT_IN, BT_NOT);
         t.Join(pIn, pNot, 0, link);
         t.Start();
         std::vector<int> states;
         t.Scan();
         states.push_back(pNot->m_nPinValue[BLOCK_FIRST_OUTPUT]);
         for (int i = 0; i < 3; ++i) {
             t.Toggle(pIn);
             states.push_back(pNot->m_nPinValue[BLOCK_FIRST_OUTPUT]);
         }
         return states;
     },
     {1, 0, 1, 0}},
    {"XorOfAnInputWithItselfNeverPulses", DOC_TYPE_FBD,
     [](ConnectorPairScan& t, Link link) {
         auto [pIn, pXor, pCounter] = t.Blocks(BT_IN, BT_XOR, BT_COUNTER);
         t.Join(pIn, pXor, 0, Link::Wire);
         t.Join(pIn, pXor, 1, link);
         t.Join(pXor, pCounter, 1, Link::Wire);
         t.Start();
         t.Scan();
         std::vector<int> counts;
         for (int i = 0; i < 4; ++i) {
             t.Toggle(pIn);
             t.Scan();
             counts.push_back(int(pCounter->m_dRunTime));
         }
         return counts;
     },
     {0, 0, 0, 0}},
    {"AnAnalogValueCrossesThePair", DOC_TYPE_FBD,
     [](ConnectorPairScan& t, Link link) {
         auto [pIn, pOut] = t.Blocks(BT_ANALOG_IN, BT_ANALOG_OUT);
         t.Join(pIn, pOut, 0, link);
         t.Start();
         t.SetAnalog(pIn, 500);
         t.Scan();
         return std::vector<int>{pOut->m_nHeldValue};
     },
     {500}},
    // A ladder input with parallel branches is on while any branch is, one through the pair.
    {"ALadderBranchThroughThePairSwitchesWithItsSource", DOC_TYPE_LAD,
     [](ConnectorPairScan& t, Link link) {
         auto [pOff, pIn, pCoil] = t.Blocks(BT_IN, BT_IN, BT_RELAY_COIL);
         t.Join(pOff, pCoil, 0, Link::Wire);
         t.Join(pIn, pCoil, 0, link);
         t.Start();
         t.Scan();
         std::vector<int> states;
         for (int i = 0; i < 3; ++i) {
             t.Toggle(pIn);
             states.push_back(pCoil->m_nPinValue[BLOCK_FIRST_OUTPUT]);
         }
         return states;
     },
     {1, 0, 1}},
};

void PrintTo(const PairCase& pairCase, std::ostream* pOut) { *pOut << pairCase.pszName; }

TEST_P(ConnectorPairScan, APairReadsAsTheWireItCut)
{
    const auto& [pairCase, link] = GetParam();
    EXPECT_EQ(pairCase.run(*this, link), pairCase.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ConnectorPairScan, testing::Combine(testing::ValuesIn(kCases),
                                                                    testing::Values(Link::Wire, Link::Pair)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).pszName) +
                                    (std::get<1>(info.param) == Link::Wire ? "Wire" : "Pair");
                         });

} // namespace
