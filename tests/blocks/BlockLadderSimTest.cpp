// Ladder elements simulated from end to end in a LAD diagram: contacts on a function block and
// on coils, coils and inverted outputs, an analog contact feeding an analog block and a LAD
// analog output, and connector pairs in both document types; then the contacts' and
// connectors' own drawing.
#include "SimDriver.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockConnector.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockOut.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/PowerBusObj.h"
#include "document/BlockNumberIndex.h"
#include "document/SimScan.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace {

using Kind = RecordingSurface::Kind;

// A wire from pin nStartPin of pStart to pin nEndPin of pEnd, as the view records it.
void AddLine(CVetlaDoc& doc, CBlockObj* pStart, int nStartPin, CBlockObj* pEnd, int nEndPin)
{
    auto* pLine = new CConnectLineObj;
    pLine->m_nStartBlock = pStart->m_nNumber;
    pLine->m_pStartBlock = pStart;
    pLine->m_nStartPin = nStartPin;
    pLine->m_nEndBlock = pEnd->m_nNumber;
    pLine->m_pEndBlock = pEnd;
    pLine->m_nEndPin = nEndPin;
    doc.AddLine(pLine);
}

// A wire from the output of pSource to input nPin of pDest, connected for the simulation.
void AddWire(CVetlaDoc& doc, CBlockObj* pSource, CBlockObj* pDest, int nPin)
{
    AddLine(doc, pSource, BLOCK_FIRST_OUTPUT, pDest, nPin);
    SimDriver::Connect(pSource, pDest, nPin);
}

template <class T>
T* AddElement(SimDriver& sim, int nType, int nNumber, int nOperand, const CBlockObj* pSource)
{
    T* pElement = sim.Add(new T(nType), nNumber);
    pElement->m_nOperand = nOperand;
    if (pSource)
        SimDriver::Connect(pSource, pElement, 0);
    return pElement;
}

// Contacts are found by walking the block list, or through the scan's number index when one
// lives: both must give the same rungs.
class LadderRun : public testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        m_pRail = new CPowerBusObj(BT_POWERBUS);
        m_sim.Doc().m_powerBusList.AddTail(m_pRail);
        // An analog input read through an analog contact drives a threshold trigger (on above
        // 50, off at 10 and below); contact K1 reads the trigger.
        m_pAnalog = AddElement<CBlockAContact>(m_sim, BT_ACONTACT, 18000, 4000, m_pRail);
        m_pTrigger = m_sim.Add(new CBlockATHTRG(BT_ATHTRG), 9000);
        SimDriver::Connect(m_pAnalog, m_pTrigger, 0);
        m_pTrigger->m_nThreshold1 = 50;
        m_pTrigger->m_nThreshold2 = 10;
        m_pK1 = AddElement<CBlockMake>(m_sim, BT_MAKE, 12000, 9000, m_pRail);
        // K1 drives coil Q0 and an inverted output Q1, and a coil on an open connector X.
        m_pCoil = AddElement<CBlockRelayCoil>(m_sim, BT_RELAY_COIL, 21000, 600, m_pK1);
        m_pInverted = AddElement<CBlockInvOut>(m_sim, BT_INV_OUT, 21001, 601, m_pK1);
        m_pOpenX = AddElement<CBlockRelayCoil>(m_sim, BT_RELAY_COIL, 21002, 4800, m_pK1);
        // A make and a break contact on coil Q0 drive flags M0 and M1.
        m_pFollow = AddElement<CBlockMake>(m_sim, BT_MAKE, 12001, 21000, m_pRail);
        m_pOpposite = AddElement<CBlockBreak>(m_sim, BT_BREAK, 15000, 21000, m_pRail);
        m_pFlag0 = AddElement<CBlockRelayCoil>(m_sim, BT_RELAY_COIL, 21003, 1316, m_pFollow);
        m_pFlag1 = AddElement<CBlockRelayCoil>(m_sim, BT_RELAY_COIL, 21004, 1317, m_pOpposite);
        // The trigger's value goes to analog output AQ0.
        m_pOutput = AddElement<CBlockAOutLAD>(m_sim, BT_AOUT_LAD, 22000, 4230, m_pTrigger);
        // K1's signal also crosses a connector pair to coil Q2.
        auto* pMale = m_sim.Add(new CBlockMale(BT_MALE), 5000);
        auto* pFemale = m_sim.Add(new CBlockFemale(BT_FEMALE), 7000);
        AddWire(m_sim.Doc(), m_pK1, pMale, 0);
        m_pRemote = AddElement<CBlockRelayCoil>(m_sim, BT_RELAY_COIL, 21005, 602, pFemale);
        pFemale->m_nPinSource[BLOCK_FIRST_OUTPUT] = m_pRemote->m_nNumber;
        m_sim.Start();
        // The view switches the rail on when the simulation starts.
        m_pRail->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    }

    void RunWith(int nAnalog)
    {
        m_pAnalog->m_nHeldValue = nAnalog;
        std::optional<CBlockNumberIndex> index;
        if (GetParam())
            index.emplace(m_sim.Doc());
        // Connector ends are stepped last: what crosses them arrives a scan later.
        m_sim.Scan();
        m_sim.Scan();
    }

    struct Expected {
        int nK1, nCoil, nInverted, nFollow, nOpposite, nFlag0, nFlag1, nRemote;
    };
    void ExpectStates(const Expected& e, const char* pszWhen)
    {
        EXPECT_EQ(SimDriver::State(m_pK1), e.nK1) << pszWhen;
        EXPECT_EQ(SimDriver::State(m_pCoil), e.nCoil) << pszWhen;
        EXPECT_EQ(SimDriver::State(m_pInverted), e.nInverted) << pszWhen;
        EXPECT_EQ(SimDriver::State(m_pFollow), e.nFollow) << pszWhen;
        EXPECT_EQ(SimDriver::State(m_pOpposite), e.nOpposite) << pszWhen;
        EXPECT_EQ(SimDriver::State(m_pFlag0), e.nFlag0) << pszWhen;
        EXPECT_EQ(SimDriver::State(m_pFlag1), e.nFlag1) << pszWhen;
        EXPECT_EQ(SimDriver::State(m_pRemote), e.nRemote) << pszWhen;
        EXPECT_EQ(SimDriver::State(m_pOpenX), 0) << pszWhen << ": a coil on X is not simulated";
    }

    SimDriver m_sim{DOC_TYPE_LAD};
    CPowerBusObj* m_pRail = nullptr;
    CBlockAContact* m_pAnalog = nullptr;
    CBlockATHTRG* m_pTrigger = nullptr;
    CBlockMake* m_pK1 = nullptr;
    CBlockRelayCoil* m_pCoil = nullptr;
    CBlockInvOut* m_pInverted = nullptr;
    CBlockRelayCoil* m_pOpenX = nullptr;
    CBlockMake* m_pFollow = nullptr;
    CBlockBreak* m_pOpposite = nullptr;
    CBlockRelayCoil* m_pFlag0 = nullptr;
    CBlockRelayCoil* m_pFlag1 = nullptr;
    CBlockAOutLAD* m_pOutput = nullptr;
    CBlockRelayCoil* m_pRemote = nullptr;
};

TEST_P(LadderRun, RungsFollowTheTriggerThroughContactsCoilsAndAConnectorPair)
{
    RunWith(0);
    // The inverted output is on from the start and the break contact on the coil closed;
    // nothing else is on.
    ExpectStates({0, 0, 1, 0, 1, 0, 1, 0}, "analog 0");
    EXPECT_EQ(m_pK1->m_nContactState, 0);

    RunWith(60);
    ExpectStates({1, 1, 0, 1, 0, 1, 0, 1}, "analog 60: trigger on");
    EXPECT_EQ(m_pK1->m_nContactState, 1);
    EXPECT_EQ(m_pFollow->m_nContactState, 1);
    EXPECT_EQ(m_pOpposite->m_nContactState, 0);

    RunWith(30);
    ExpectStates({1, 1, 0, 1, 0, 1, 0, 1}, "analog 30: inside the hysteresis");

    RunWith(5);
    ExpectStates({0, 0, 1, 0, 1, 0, 1, 0}, "analog 5: trigger off");
}

TEST_P(LadderRun, AnalogOutputTakesTheValueAndMarksOnlyChanges)
{
    RunWith(-40);
    EXPECT_EQ(m_pOutput->m_nHeldValue, -40);
    m_pOutput->m_bPinChanged[0] = 0;
    RunWith(-40);
    EXPECT_EQ(m_pOutput->m_bPinChanged[0], 0) << "the same value again";
    RunWith(70000);
    EXPECT_EQ(m_pOutput->m_nHeldValue, 4464) << "the contact's word, read signed";
    EXPECT_EQ(m_pOutput->m_bPinChanged[0], 1);
}

INSTANTIATE_TEST_SUITE_P(ListWalkAndIndex, LadderRun, testing::Bool());

// Three parallel branches into one coil, the pin naming the first only (as the wire tool
// leaves it), the third wire drawn from the coil's end: the coil is on while any branch is.
// An inverted output on the same branches is the opposite. The rungs are read by walking the
// wires and through the scan's index alike.
class LadderParallel : public testing::TestWithParam<bool> {};

TEST_P(LadderParallel, CoilIsOnWhileAnyBranchIs)
{
    SimDriver sim(DOC_TYPE_LAD);
    auto* pRail = new CPowerBusObj(BT_POWERBUS);
    sim.Doc().m_powerBusList.AddTail(pRail);
    std::vector<CBlockMake*> branches;
    for (int i = 0; i < 3; ++i)
        branches.push_back(AddElement<CBlockMake>(sim, BT_MAKE, 12000 + i, 100 + i, pRail));
    auto* pCoil = AddElement<CBlockRelayCoil>(sim, BT_RELAY_COIL, 21000, 600, nullptr);
    auto* pInverted = AddElement<CBlockInvOut>(sim, BT_INV_OUT, 21001, 601, nullptr);
    for (CBlockObj* pReader : std::initializer_list<CBlockObj*>{pCoil, pInverted}) {
        AddWire(sim.Doc(), branches[0], pReader, 0);
        AddWire(sim.Doc(), branches[1], pReader, 0);
        AddLine(sim.Doc(), pReader, 0, branches[2], BLOCK_FIRST_OUTPUT);
        SimDriver::Connect(branches[0], pReader, 0);
    }
    sim.Start();
    pRail->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;

    const std::vector<std::vector<int>> cases = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1},
                                                 {0, 1, 1}, {1, 1, 1}, {0, 0, 0}};
    for (const std::vector<int>& closed : cases) {
        for (std::size_t i = 0; i < closed.size(); ++i) {
            if (branches[i]->m_nContactState != closed[i])
                ToggleSimulatedInput(sim.Doc(), *branches[i]);
        }
        std::optional<CBlockNumberIndex> index;
        if (GetParam())
            index.emplace(sim.Doc());
        sim.Scan();
        const int nAny = *std::max_element(closed.begin(), closed.end());
        const std::string when = std::to_string(closed[0]) + std::to_string(closed[1]) + std::to_string(closed[2]);
        EXPECT_EQ(SimDriver::State(pCoil), nAny) << when;
        EXPECT_EQ(SimDriver::State(pInverted), 1 - nAny) << when;
    }
}

INSTANTIATE_TEST_SUITE_P(ListWalkAndIndex, LadderParallel, testing::Bool());

// What a ladder element holds when a run starts: a make contact on "High" and a break contact on
// anything else are closed, an inverted output is on unless it drives an open connector, an
// analog contact without input passes 1, and the operands' simulated values start at their
// minimum (contacts: only those that start there).
TEST(LadderStart, ElementsStartAsTheirOperandsAre)
{
    SimDriver sim(DOC_TYPE_LAD);
    auto* pOnHigh = sim.Add(new CBlockMake(BT_MAKE), 8950);
    pOnHigh->m_nOperand = NUM_HIGH;
    auto* pOnInput = sim.Add(new CBlockMake(BT_MAKE), 8951);
    pOnInput->m_nOperand = NUM_INPUT;
    auto* pBreak = sim.Add(new CBlockBreak(BT_BREAK), 8952);
    pBreak->m_nOperand = NUM_INPUT + 1;
    auto* pBreakOnHigh = sim.Add(new CBlockBreak(BT_BREAK), 8953);
    pBreakOnHigh->m_nOperand = NUM_HIGH + 1;
    auto* pInverted = sim.Add(new CBlockInvOut(BT_INV_OUT), 8954);
    pInverted->m_nOperand = NUM_OUTPUT;
    auto* pInvertedOnX = sim.Add(new CBlockInvOut(BT_INV_OUT), 8955);
    pInvertedOnX->m_nOperand = NUM_OPENX;
    auto* pAnalog = sim.Add(new CBlockAContact(BT_ACONTACT), 8956);
    pAnalog->m_nOperand = NUM_ANALOG_IN;
    pAnalog->m_nPinSource[0] = 52;
    pAnalog->m_nHeldValue = 77;
    sim.Doc().m_mapOperandSim.SetAt(NUM_INPUT + 1, OperandSimRecord{0, 40, 5, 90, SIM_INPUT_FREQUENCY});
    sim.Doc().m_mapOperandSim.SetAt(NUM_INPUT, OperandSimRecord{0, 40, 5, 90, SIM_INPUT_SWITCH});
    sim.Doc().m_mapOperandSim.SetAt(NUM_ANALOG_IN, OperandSimRecord{0, 400, 20, 900, SIM_INPUT_SWITCH});
    sim.Start();

    EXPECT_EQ(pOnHigh->m_nContactState, 1);
    EXPECT_EQ(pOnInput->m_nContactState, 0);
    EXPECT_EQ(pBreak->m_nContactState, 1);
    EXPECT_EQ(pBreakOnHigh->m_nContactState, 0);
    EXPECT_EQ(pInverted->m_nContactState, 1);
    EXPECT_EQ(pInverted->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);
    EXPECT_EQ(pInvertedOnX->m_nPinValue[BLOCK_FIRST_OUTPUT], 0);
    EXPECT_EQ(pAnalog->m_nPinValue[0], 1);
    EXPECT_EQ(pAnalog->m_nHeldValue, 0);
    OperandSimRecord record;
    sim.Doc().m_mapOperandSim.Lookup(NUM_INPUT + 1, record);
    EXPECT_EQ(record.nValue, 5);
    sim.Doc().m_mapOperandSim.Lookup(NUM_INPUT, record);
    EXPECT_EQ(record.nValue, 40) << "a switch keeps its value";
    sim.Doc().m_mapOperandSim.Lookup(NUM_ANALOG_IN, record);
    EXPECT_EQ(record.nValue, 20);
}

TEST(ConnectorPair, FemaleGivesTheStateOfWhatFeedsItsPartnerInAFunctionBlockDiagram)
{
    SimDriver sim;
    auto* pInput = sim.Add(new CBlockIn(BT_IN), 100);
    auto* pMale = sim.Add(new CBlockMale(BT_MALE), 5000);
    auto* pFemale = sim.Add(new CBlockFemale(BT_FEMALE), 7000);
    auto* pOutput = sim.Add(new CBlockOut(BT_OUT), 600);
    AddWire(sim.Doc(), pInput, pMale, 0);
    SimDriver::Connect(pFemale, pOutput, 0);
    pFemale->m_nPinSource[BLOCK_FIRST_OUTPUT] = pOutput->m_nNumber;
    sim.Start();
    for (int nState : {1, 0, 1}) {
        SimDriver::SetInput(pInput, nState);
        sim.Run(50);
        EXPECT_EQ(pMale->m_nPinValue[0], nState);
        EXPECT_EQ(SimDriver::State(pOutput), nState);
    }
    // Without the wire to its partner the female gives 0.
    auto* pLine = static_cast<CConnectLineObj*>(sim.Doc().m_lineList.GetHead());
    sim.Doc().RemoveLine(pLine);
    delete pLine;
    sim.Scan();
    EXPECT_EQ(SimDriver::State(pFemale), 0);
}

std::vector<std::u16string> Texts(const RecordingSurface& surface)
{
    std::vector<std::u16string> texts;
    for (const auto& record : surface.Records()) {
        if (record.kind == Kind::Text)
            texts.push_back(record.text);
    }
    return texts;
}

class LadderDraw : public testing::Test {
protected:
    template <class T>
    T* Place(int nType, int nNumber)
    {
        T* pBlock = m_sim.Add(new T(nType), nNumber);
        pBlock->m_ptPos = CPoint(100, 100);
        pBlock->m_nWidth = 25;
        pBlock->m_nHeight = 36;
        return pBlock;
    }

    SimDriver m_sim{DOC_TYPE_LAD};
    RecordingSurface m_surface;
    CDC m_dc{m_surface};
};

TEST_F(LadderDraw, ContactLabelStandsJustAboveTheBodyByItsOperand)
{
    struct Case {
        int nOperand;
        const char16_t* pszLabel;
    };
    const Case cases[] = {{1000, u"S0.0"}, {1316, u"M0"}, {1900, u"Low"},
                          {101, u"I001"},  {2900, u"High"}, {9005, u"B5"}};
    auto* pContact = Place<CBlockMake>(BT_MAKE, 12000);
    pContact->m_bShowComment = 0;
    for (const Case& c : cases) {
        pContact->m_nOperand = c.nOperand;
        m_surface.Clear();
        pContact->Draw(&m_sim.Sim(), &m_dc, TRUE, RGB(0, 0, 0));
        const auto& records = m_surface.Records();
        const auto it = std::find_if(records.begin(), records.end(),
                                     [](const auto& r) { return r.kind == Kind::Text; });
        ASSERT_NE(it, records.end()) << c.nOperand;
        EXPECT_EQ(it->text, c.pszLabel);
        const int nLength = int(std::u16string(c.pszLabel).size());
        EXPECT_EQ(it->points[0].x, 100 + (25 - 6 * nLength) / 2) << c.nOperand;
        EXPECT_EQ(it->points[0].y, 88) << c.nOperand;
    }
}

TEST_F(LadderDraw, ConnectorsDrawTheirShapeAndNameTheFarSideOfTheirPartner)
{
    auto* pSource = m_sim.Add(new CBlockObj(BT_AND, 4), 9003);
    auto* pTarget = m_sim.Add(new CBlockObj(BT_OR, 4), 9004);
    auto* pMale = Place<CBlockMale>(BT_MALE, 5000);
    auto* pFemale = Place<CBlockFemale>(BT_FEMALE, 7000);
    AddWire(m_sim.Doc(), pSource, pMale, 0);
    // The wire from the female was drawn starting at the target's input pin 2.
    AddLine(m_sim.Doc(), pTarget, 2, pFemale, 0);

    pFemale->Draw(&m_sim.Sim(), &m_dc, TRUE, RGB(0, 0, 0));
    const auto& female = m_surface.Records();
    ASSERT_FALSE(female.empty());
    ASSERT_EQ(female[0].kind, Kind::Polygon);
    ASSERT_EQ(female[0].points.size(), 6u);
    EXPECT_EQ(female[0].points[1].x, 108);
    EXPECT_EQ(female[0].points[1].y, 118) << "the notch";
    EXPECT_EQ(female[0].state.brush.crColour, RGB(64, 192, 64));
    EXPECT_EQ(Texts(m_surface), std::vector<std::u16string>{u"B3"});

    m_surface.Clear();
    pMale->DrawSim(&m_sim.Sim(), &m_dc);
    const auto& male = m_surface.Records();
    ASSERT_GE(male.size(), 2u);
    EXPECT_EQ(male[0].points[3].x, 125);
    EXPECT_EQ(male[0].points[3].y, 118) << "the arrow's tip";
    EXPECT_EQ(male[1].state.pen.crColour, RGB(0, 0, 255)) << "input 0 is off";
    EXPECT_EQ(Texts(m_surface), std::vector<std::u16string>{u"B4/2"});
}

}  // namespace
