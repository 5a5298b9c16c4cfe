#include "document/LadderConversion.h"

#include "DocTestSupport.h"
#include "LadderSamples.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockDataLog.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/Widget.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWIFI.h"
#include "blocks/ConnectLineObj.h"
#include "document/BlockNumbering.h"
#include "document/LadderLayout.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

namespace {

constexpr int LADDER_INPUTS = 6;

int CountOfType(const CVetlaDoc& doc, int nType)
{
    int nCount = 0;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;)
        nCount += static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos))->m_nType == nType;
    return nCount;
}

class LadderConversionTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterBlockClasses(); }

    // The ladder converted into a new FBD document.
    CVetlaDoc& Convert(LadderSample& ladder, CSize sizePage = CSize())
    {
        CLadderConversion conversion(ladder.Doc());
        EXPECT_FALSE(conversion.IsRefused()) << conversion.GetRefusal().ToUtf8();
        m_fbds.push_back(std::make_unique<CVetlaDoc>());
        if (sizePage.cx > 0)
            m_fbds.back()->m_sizeScreen = sizePage;
        conversion.PutInto(*m_fbds.back());
        return *m_fbds.back();
    }

    // The block of the number; a block of no type, after a failure, when there is none.
    static const CBlockObj& Found(const CVetlaDoc& doc, int nNumber)
    {
        const CBlockObj* pBlock = doc.FindBlockByNumber(nNumber);
        EXPECT_NE(pBlock, nullptr) << "block " << nNumber;
        static CBlockObj s_none;
        return pBlock ? *pBlock : s_none;
    }

    static const CBlockObj& Source(const CVetlaDoc& doc, const CBlockObj& block, int nPin)
    {
        return Found(doc, block.m_nPinSource[nPin]);
    }

    std::vector<std::unique_ptr<CVetlaDoc>> m_fbds;
};

TEST_F(LadderConversionTest, EdgeCases)
{
    // A make contact with nothing at its input becomes a constant lo feeding the same block.
    {
        LadderSample ladder;
        const CBlockObj* pContact = ladder.Element(BT_MAKE, 100, {});
        ladder.Element(BT_RELAY_COIL, 600, {pContact});
        CVetlaDoc& fbd = Convert(ladder);
        EXPECT_EQ(Found(fbd, 600).m_nType, BT_OUT);
        EXPECT_EQ(Source(fbd, Found(fbd, 600), 0).m_nType, BT_LOW);
    }
    // An inverted output fed by the rail becomes an output fed by a NOT fed by a hi constant.
    {
        LadderSample ladder;
        ladder.Element(BT_INV_OUT, 601, {RAIL});
        CVetlaDoc& fbd = Convert(ladder);
        const CBlockObj& gate = Source(fbd, Found(fbd, 601), 0);
        EXPECT_EQ(gate.m_nType, BT_NOT);
        EXPECT_EQ(Source(fbd, gate, 0).m_nType, BT_HIGH);
    }
    // A break contact between an input and a block becomes a negated input of the block, fed
    // by the input block of the contact's operand.
    {
        LadderSample ladder;
        const CBlockObj* pBreak = ladder.Element(BT_BREAK, 102, {RAIL});
        CBlockObj* pTimer = ladder.Function(BT_DPR);
        ladder.Feed(pTimer, 0, {pBreak});
        CVetlaDoc& fbd = Convert(ladder);
        const CBlockObj& copy = Found(fbd, pTimer->m_nNumber);
        EXPECT_EQ(copy.m_nType, BT_DPR);
        EXPECT_EQ(copy.m_bPinInvert[0], 1);
        const CBlockObj& input = Source(fbd, copy, 0);
        EXPECT_EQ(input.m_nType, BT_IN);
        EXPECT_EQ(input.m_nNumber, 102);
        EXPECT_EQ(input.m_nOperand, 2);
    }
    // A connector pair passes on what feeds it; a function block's input on the rail is fed by
    // a hi constant.
    {
        LadderSample ladder;
        const CBlockObj* pFemale = ladder.Connector(ladder.Element(BT_MAKE, 103, {RAIL}));
        ladder.Element(BT_RELAY_COIL, 602, {pFemale});
        CBlockObj* pTimer = ladder.Function(BT_DPR);
        ladder.Feed(pTimer, 0, {RAIL});
        CVetlaDoc& fbd = Convert(ladder);
        EXPECT_EQ(Found(fbd, 602).m_nPinSource[0], 103);
        EXPECT_EQ(Source(fbd, Found(fbd, pTimer->m_nNumber), 0).m_nType, BT_HIGH);
        EXPECT_EQ(CountOfType(fbd, BT_MALE) + CountOfType(fbd, BT_FEMALE), 0);
    }
    // A contact on an output no coil drives, or on a function block that is not there, reads 0
    // as in the ladder: the output's block (its input open) or a lo constant stands for it,
    // never a number without a block, which an AND would read as 1.
    {
        LadderSample ladder;
        const CBlockObj* pOnOutput = ladder.Element(BT_MAKE, 605, {ladder.Element(BT_MAKE, 100, {RAIL})});
        ladder.Element(BT_RELAY_COIL, 1317, {ladder.Element(BT_MAKE, 9123, {pOnOutput})});
        CVetlaDoc& fbd = Convert(ladder);
        const CBlockObj& gate = Source(fbd, Found(fbd, 1317), 0);
        ASSERT_EQ(gate.m_nType, BT_AND);
        std::set<int> types;
        for (int nPin = 0; nPin < 3; ++nPin)
            types.insert(Source(fbd, gate, nPin).m_nType);
        EXPECT_EQ(types, (std::set<int>{BT_IN, BT_OUT, BT_LOW}));
        EXPECT_EQ(Found(fbd, 605).m_nPinSource[0], LINK_OPEN);
    }
    // Six parallel branches into one coil: an OR of four branches, then an OR of that one and
    // the other two.
    {
        LadderSample ladder;
        std::vector<const CBlockObj*> branches;
        for (int i = 0; i < 6; ++i)
            branches.push_back(ladder.Element(BT_MAKE, 100 + i, {RAIL}));
        ladder.Element(BT_RELAY_COIL, 1316, branches);
        CVetlaDoc& fbd = Convert(ladder);
        EXPECT_EQ(Found(fbd, 1316).m_nType, BT_FLAG);
        const CBlockObj& last = Source(fbd, Found(fbd, 1316), 0);
        ASSERT_EQ(last.m_nType, BT_OR);
        const CBlockObj& first = Source(fbd, last, 0);
        ASSERT_EQ(first.m_nType, BT_OR);
        std::set<int> inputs;
        for (int nPin = 0; nPin < 4; ++nPin)
            inputs.insert(first.m_nPinSource[nPin]);
        EXPECT_EQ(inputs, (std::set<int>{100, 101, 102, 103}));
        EXPECT_EQ(std::set<int>({last.m_nPinSource[1], last.m_nPinSource[2]}), (std::set<int>{104, 105}));
        EXPECT_EQ(last.m_nPinSource[3], LINK_OPEN);
        EXPECT_EQ(CountOfType(fbd, BT_OR), 2);
    }
}

TEST_F(LadderConversionTest, LatchWithTimerSimulatesAlike)
{
    // Start I1 sets and stop I2 resets a latching relay that holds Q1; Q1 starts an on-delay
    // whose output sets M1, and M1 through a break contact keeps Q2 on until the delay is over.
    LadderSample ladder;
    CBlockObj* pLatch = ladder.Function(BT_LR);
    ladder.Feed(pLatch, 0, {ladder.Element(BT_MAKE, 100, {RAIL})});
    ladder.Feed(pLatch, 1, {ladder.Element(BT_MAKE, 101, {RAIL})});
    CBlockObj* pQ1 = ladder.Element(BT_RELAY_COIL, 600, {ladder.Element(BT_MAKE, pLatch->m_nNumber, {RAIL})});
    CBlockObj* pTimer = ladder.Function(BT_DPR);
    pTimer->m_nParam[TIMER_ON_LOW_PARAM] = 100;
    ladder.Feed(pTimer, 0, {ladder.Element(BT_MAKE, pQ1->m_nNumber, {RAIL})});
    CBlockObj* pM1 = ladder.Element(BT_RELAY_COIL, 1316, {ladder.Element(BT_MAKE, pTimer->m_nNumber, {RAIL})});
    ladder.Element(BT_RELAY_COIL, 601,
                   {ladder.Element(BT_BREAK, pM1->m_nNumber, {ladder.Element(BT_MAKE, pQ1->m_nNumber, {RAIL})})});
    CVetlaDoc& fbd = Convert(ladder);

    SideBySide run(ladder.Doc(), fbd);
    const std::vector<std::pair<int, int>> script = {{100, 1}, {100, 0}, {101, 1}, {101, 0}, {100, 1}};
    for (const auto& [nInput, nState] : script) {
        run.SetInput(nInput, nState);
        run.Run(200);
    }
    EXPECT_EQ(run.Mismatches(), std::vector<std::string>{});
    // The run did latch, time and reset: Q1 on twice, M1 and Q2 followed.
    EXPECT_EQ(run.Changes(600), 3);
    EXPECT_EQ(run.Changes(1316), 3);
    EXPECT_EQ(run.Changes(601), 4);
}

// The ladder of the blocks benchmark: at the coil limit, rungs of a make contact on an input
// and a break contact on the previous rung's coil into a flag, and analog rungs.
void BuildLongLadder(LadderSample& ladder, int nContactsPerRung)
{
    const CBlockObj* pPrevious = nullptr;
    for (int i = 0; i < 768; ++i) {
        const CBlockObj* pFeed = ladder.Element(BT_MAKE, NUM_INPUT + i % 256, {RAIL});
        for (int k = 1; k < nContactsPerRung; ++k)
            pFeed = ladder.Element(BT_BREAK, pPrevious ? pPrevious->m_nNumber : NUM_LOW, {pFeed});
        pPrevious = ladder.Element(BT_RELAY_COIL, NUM_FLAG + i % 512, {pFeed});
    }
    for (int i = 0; i < 256; ++i)
        ladder.Element(BT_AOUT_LAD, NUM_ANALOG_OUT + i % 32, {ladder.Element(BT_ACONTACT, NUM_ANALOG_IN + i % 64, {RAIL})});
}

void BuildRandomLadder(LadderSample& ladder, int nRungs, std::mt19937& random);

TEST_F(LadderConversionTest, LargeLaddersConvertOrAreRefusedWhole)
{
    // 768 rungs: 512 flags (the first coil of a flag is the flag; the later ones are left
    // out), each fed by an AND with a negated input; 32 analog outputs fed straight from their
    // analog inputs.
    {
        LadderSample ladder;
        BuildLongLadder(ladder, 2);
        CVetlaDoc& fbd = Convert(ladder);
        EXPECT_EQ(CountOfType(fbd, BT_AND), 512);
        EXPECT_EQ(CountOfType(fbd, BT_FLAG), 512);
        EXPECT_EQ(CountOfType(fbd, BT_ANALOG_OUT), 32);
        EXPECT_EQ(Source(fbd, Found(fbd, NUM_ANALOG_OUT), 0).m_nType, BT_ANALOG_IN);
        EXPECT_EQ(fbd.m_lineList.GetCount(), 512 * 3 + 32);
    }
    // One rung of 2000 contacts in series: a chain of 667 ANDs, walked without recursion.
    {
        LadderSample ladder;
        const CBlockObj* pFeed = RAIL;
        for (int i = 0; i < 2000; ++i)
            pFeed = ladder.Element(BT_MAKE, NUM_INPUT + i % 256, {pFeed});
        ladder.Element(BT_RELAY_COIL, NUM_OUTPUT, {pFeed});
        CVetlaDoc& fbd = Convert(ladder);
        EXPECT_EQ(CountOfType(fbd, BT_AND), 667);
    }
    // Four ANDs of a ladder's rungs over the program's limit of 1024 function blocks: refused
    // with the limit's message, nothing made, the document left alone.
    {
        LadderSample ladder;
        BuildLongLadder(ladder, 6);
        CLadderConversion conversion(ladder.Doc());
        ASSERT_TRUE(conversion.IsRefused());
        EXPECT_EQ(conversion.GetRefusal(), CString(_T("your program has taken 1024 blocks,can't  add new block")));
        EXPECT_TRUE(conversion.Blocks().empty());
        CVetlaDoc fbd;
        EXPECT_FALSE(conversion.PutInto(fbd));
        EXPECT_TRUE(fbd.m_blockList.IsEmpty());
        EXPECT_TRUE(fbd.m_lineList.IsEmpty());
    }
    // Wires in a circle (a damaged file): refused, not walked round for ever.
    {
        LadderSample ladder;
        CBlockObj* pFirst = ladder.Element(BT_MAKE, NUM_INPUT, {});
        CBlockObj* pSecond = ladder.Element(BT_MAKE, NUM_INPUT + 1, {pFirst});
        ladder.Feed(pFirst, 0, {pSecond});
        ladder.Element(BT_RELAY_COIL, NUM_OUTPUT, {pSecond});
        CLadderConversion conversion(ladder.Doc());
        EXPECT_TRUE(conversion.IsRefused());
        EXPECT_TRUE(conversion.Blocks().empty());
    }
}

TEST_F(LadderConversionTest, ConvertedDiagramIsLaidOutSavedAndLoaded)
{
    LadderSample ladder;
    ladder.Doc().m_wHardwareCode = 0x5188;
    ladder.Doc().m_strHardwareName = _T("series five");
    std::mt19937 random(7);
    BuildRandomLadder(ladder, 30, random);
    CVetlaDoc& fbd = Convert(ladder);
    EXPECT_EQ(fbd.m_nDocType, DOC_TYPE_FBD);
    EXPECT_EQ(fbd.m_wHardwareCode, 0x5188);
    EXPECT_EQ(fbd.m_strHardwareName, CString(_T("series five")));
    EXPECT_TRUE(fbd.IsModified());
    // Every block in a cell of its own, on the grid of the columns and rows; the first output
    // in the rightmost column, every gate left of a block it feeds, unless it reads that block
    // too (a loop, as a timer that resets itself through a break contact on it).
    std::set<std::pair<int, int>> cells;
    int nRight = 0;
    int nBottom = 0;
    for (POSITION pos = fbd.m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(fbd.m_blockList.GetNext(pos));
        nBottom = std::max(nBottom, int(pBlock->m_ptPos.y));
        EXPECT_TRUE(cells.emplace(pBlock->m_ptPos.x, pBlock->m_ptPos.y).second) << pBlock->m_nNumber;
        EXPECT_EQ(pBlock->m_ptPos.x % CONVERTED_COLUMN_WIDTH, 0);
        EXPECT_EQ(pBlock->m_ptPos.y % CONVERTED_ROW_HEIGHT, 0);
        nRight = std::max(nRight, int(pBlock->m_ptPos.x));
    }
    EXPECT_EQ(Found(fbd, NUM_OUTPUT).m_ptPos.x, nRight);
    for (POSITION pos = fbd.m_blockList.GetHeadPosition(); pos;) {
        const auto* pGate = static_cast<const CBlockObj*>(fbd.m_blockList.GetNext(pos));
        if (pGate->m_nType != BT_AND && pGate->m_nType != BT_OR && pGate->m_nType != BT_NOT)
            continue;
        bool bLeftOfReader = false;
        for (POSITION posReader = fbd.m_blockList.GetHeadPosition(); posReader;) {
            const auto* pReader = static_cast<const CBlockObj*>(fbd.m_blockList.GetNext(posReader));
            bool bLoop = false;
            for (int nPin = 0; nPin < pGate->m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin)
                bLoop |= pGate->m_nPinSource[nPin] == pReader->m_nNumber;
            for (int nPin = 0; nPin < pReader->m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin)
                bLeftOfReader |= pReader->m_nPinSource[nPin] == pGate->m_nNumber && (bLoop || pReader->m_ptPos.x > pGate->m_ptPos.x);
        }
        EXPECT_TRUE(bLeftOfReader) << pGate->m_nNumber;
    }
    // The pages hold the layout.
    EXPECT_GT(fbd.m_nPagesDown * fbd.m_sizeScreen.cy, nBottom);
    EXPECT_GT(fbd.m_nPagesAcross * fbd.m_sizeScreen.cx, nRight);

    // Loaded again it is the same diagram, byte for byte.
    const Bytes saved = SaveToBytes(fbd);
    CVetlaDoc loaded;
    LoadFromBytes(loaded, saved);
    EXPECT_EQ(loaded.m_blockList.GetCount(), fbd.m_blockList.GetCount());
    EXPECT_EQ(SaveToBytes(loaded), saved);

    // On small pages the sheet stops at the hundred pages the Page Layout dialog allows, and
    // opens as it was saved.
    CVetlaDoc& small = Convert(ladder, CSize(20, 20));
    EXPECT_LE(small.m_nPagesAcross * small.m_nPagesDown, 100);
    CVetlaDoc reopened;
    LoadFromBytes(reopened, SaveToBytes(small));
    EXPECT_EQ(reopened.m_nPagesAcross, small.m_nPagesAcross);
    EXPECT_EQ(reopened.m_nPagesDown, small.m_nPagesDown);
}

TEST_F(LadderConversionTest, WiresFromOneSourcePartWithJunctionDots)
{
    // One contact on I1 driving three coils: I1 feeds Q1, Q2 and Q3, whose wires leave it
    // together and part at mid-way (Q2 and Q3 turning down) and at Q2's row.
    LadderSample ladder;
    const CBlockObj* pContact = ladder.Element(BT_MAKE, NUM_INPUT, {RAIL});
    for (int i = 0; i < 3; ++i)
        ladder.Element(BT_RELAY_COIL, NUM_OUTPUT + i, {pContact});
    CVetlaDoc& fbd = Convert(ladder);
    std::set<std::pair<int, int>> dots;
    int nWires = 0;
    for (POSITION pos = fbd.m_lineList.GetHeadPosition(); pos; ++nWires) {
        const auto* pLine = static_cast<const CConnectLineObj*>(fbd.m_lineList.GetNext(pos));
        EXPECT_EQ(pLine->m_nStartBlock, NUM_INPUT);
        for (INT_PTR i = 0; i < pLine->m_arrJunctions.GetSize(); ++i) {
            if (pLine->IsJunction(i))
                dots.insert({pLine->m_arrVertices[i].x, pLine->m_arrVertices[i].y});
        }
    }
    EXPECT_EQ(nWires, 3);
    ASSERT_EQ(dots.size(), 2U);
    EXPECT_EQ(dots.begin()->first, std::next(dots.begin())->first);
}

TEST_F(LadderConversionTest, CopiedBlocksPointAtTheConvertedDiagram)
{
    LadderSample ladder;
    CBlockObj* pContact = ladder.Element(BT_MAKE, 100, {RAIL});
    CBlockObj* pFirst = ladder.Function(BT_DPR);
    ladder.Feed(pFirst, 0, {pContact});
    CBlockObj* pSecond = ladder.Function(BT_DPR);
    pSecond->m_nRefBlock[0] = pFirst->m_nNumber;
    pSecond->m_pRefBlock[0] = pFirst;
    pSecond->m_nParam[BLOCK_REF_USED_PARAM] = 1;
    CBlockObj* pLog = CreateBlockForType(BT_DATALOG, nullptr, &ladder.Doc());
    pLog->m_nNumber = NUM_DATALOG;
    static_cast<CBlockDataLog*>(pLog)->m_arrLogItems.Add(DataLogItem{_T("B9000"), _T("T"), pFirst->m_nNumber, 0, pFirst});
    pLog->m_nParam[DATALOG_COUNT_PARAM] = 1;
    ladder.Doc().m_blockList.AddTail(pLog);
    auto* pText = static_cast<CBlockMSGTEXT*>(ladder.Function(BT_MSGTEXT));
    auto addWidget = [&](int nNumber, CBlockObj* pBlock, int nKind) {
        auto* pWidget = new CWidget;
        pWidget->m_nBlockNumber = nNumber;
        pWidget->m_pBlock = pBlock;
        pWidget->m_nKind = nKind;
        pText->WidgetArray(0).Add(pWidget);
    };
    addWidget(pContact->m_nNumber, pContact, 0);  // a contact: now its input
    addWidget(9999, nullptr, 0);                   // no such block: dropped
    addWidget(0, nullptr, -104);                   // names no block: kept

    CVetlaDoc& fbd = Convert(ladder);
    const CBlockObj* pFirstCopy = &Found(fbd, pFirst->m_nNumber);
    EXPECT_EQ(Found(fbd, pSecond->m_nNumber).m_pRefBlock[0], pFirstCopy);
    const auto* pLogCopy = dynamic_cast<const CBlockDataLog*>(fbd.FindBlockByNumber(NUM_DATALOG));
    ASSERT_NE(pLogCopy, nullptr);
    ASSERT_EQ(pLogCopy->m_arrLogItems.GetSize(), 1);
    EXPECT_EQ(pLogCopy->m_nParam[DATALOG_COUNT_PARAM], 1);
    EXPECT_EQ(pLogCopy->m_arrLogItems[0].nSpare, pFirstCopy);
    auto* pTextCopy = dynamic_cast<CBlockMSGTEXT*>(fbd.FindBlockByNumber(pText->m_nNumber));
    ASSERT_NE(pTextCopy, nullptr);
    CObArray& widgets = pTextCopy->WidgetArray(0);
    ASSERT_EQ(widgets.GetSize(), 2);
    const auto* pToInput = static_cast<const CWidget*>(widgets[0]);
    EXPECT_EQ(pToInput->m_nBlockNumber, 100);
    EXPECT_EQ(pToInput->m_pBlock, fbd.FindBlockByNumber(100));
    EXPECT_EQ(pToInput->m_pDoc, &fbd);
    EXPECT_EQ(static_cast<const CWidget*>(widgets[1])->m_nKind, -104);
}

// Every type that takes references keeps each of them through the conversion, a save and an
// open: each slot names its own counter, and the unit a referenced off time is read in stays.
TEST_F(LadderConversionTest, EveryReferenceComesAlongThroughSaveAndOpen)
{
    constexpr int kOffUnit = 1;
    LadderSample ladder;
    ladder.Doc().m_wHardwareCode = 0x5188;
    std::vector<int> targets;
    for (int k = 0; k < BLOCK_REF_COUNT; ++k)
        targets.push_back(ladder.Function(BT_COUNTER)->m_nNumber);
    std::vector<int> referencing;
    for (const BlockTypeRow& row : FactoryTypeRows()) {
        if (!IsFunctionBlockType(row.nType) || !(row.byLanguages & LANG_LAD) || row.references.nNewer == 0)
            continue;
        CBlockObj* pBlock = ladder.Function(row.nType);
        for (int k = 0; k < row.references.nNewer; ++k) {
            pBlock->m_nParam[BLOCK_REF_USED_PARAM + k] = 1;
            pBlock->m_nRefBlock[k] = targets[std::size_t(k)];
            pBlock->m_pRefBlock[k] = ladder.Doc().FindBlockByNumber(targets[std::size_t(k)]);
        }
        pBlock->m_nParam[TIMER_OFF_REF_UNIT_PARAM] = kOffUnit;
        referencing.push_back(pBlock->m_nNumber);
    }
    CVetlaDoc loaded;
    LoadFromBytes(loaded, SaveToBytes(Convert(ladder)));
    for (const int nNumber : referencing) {
        const CBlockObj& block = Found(loaded, nNumber);
        EXPECT_EQ(block.m_nParam[TIMER_OFF_REF_UNIT_PARAM], kOffUnit) << block.m_nType;
        const int nRefs = FindBlockType(block.m_nType)->references.nNewer;
        for (int k = 0; k < nRefs; ++k) {
            EXPECT_NE(block.m_nParam[BLOCK_REF_USED_PARAM + k], 0) << block.m_nType << " slot " << k;
            EXPECT_EQ(block.m_pRefBlock[k] ? block.m_pRefBlock[k]->m_nNumber : -1, targets[std::size_t(k)])
                << block.m_nType << " slot " << k;
        }
    }
}

// A random ladder of nRungs rungs: each rung one to three parallel branches of one to three
// contacts in series (make or break, on an input, on the coil of an earlier rung or on a
// function block) into a new coil or inverted output, or into an input of an on-delay, an
// up/down counter or a latching relay. The rungs into a counter or relay read inputs only: the
// two scans pass a change on in different orders (LadderSamples.h), and a pulse that one of
// them makes while two of a rung's contacts change one after the other would be counted or
// latched by that one only. That leaves two such cases which the seeded scenario of
// RandomLaddersSimulateAlike happens to miss, and another scenario may meet: an on-delay's rungs
// read anything, and a pulse of one scan off, made while two of its branches change one after
// the other, starts its time again in one diagram only; and one input change may reach a
// counter's reset pin a scan after its count pin through a make contact fed by a break contact.
void BuildRandomLadder(LadderSample& ladder, int nRungs, std::mt19937& random)
{
    std::vector<int> operands;
    for (int i = 0; i < LADDER_INPUTS; ++i)
        operands.push_back(NUM_INPUT + i);
    std::vector<std::pair<CBlockObj*, int>> freePins;
    int nQ = 0;
    int nM = 0;
    auto pick = [&random](std::size_t nSize) { return std::size_t(random() % nSize); };
    for (int nRung = 0; nRung < nRungs; ++nRung) {
        const std::size_t nEnd = pick(6);
        const bool bToBlock = nEnd >= 3 && !freePins.empty();
        const std::size_t nPin = bToBlock ? pick(freePins.size()) : 0;
        const bool bInputsOnly = bToBlock && freePins[nPin].first->m_nType != BT_DPR;
        std::vector<const CBlockObj*> branches;
        const int nBranches = pick(3) == 0 ? 2 + int(pick(2)) : 1;
        for (int nBranch = 0; nBranch < nBranches; ++nBranch) {
            const CBlockObj* pFeed = RAIL;
            const int nContacts = 1 + int(pick(3));
            for (int i = 0; i < nContacts; ++i) {
                const int nOperand = operands[pick(bInputsOnly ? LADDER_INPUTS : operands.size())];
                pFeed = ladder.Element(pick(3) == 0 ? BT_BREAK : BT_MAKE, nOperand, {pFeed});
            }
            branches.push_back(pFeed);
        }
        if (bToBlock) {
            ladder.Feed(freePins[nPin].first, freePins[nPin].second, branches);
            freePins.erase(freePins.begin() + std::ptrdiff_t(nPin));
        } else {
            const int nOperand = pick(2) ? NUM_FLAG + nM++ : NUM_OUTPUT + nQ++;
            const int nType = pick(4) == 0 ? BT_INV_OUT : BT_RELAY_COIL;
            operands.push_back(ladder.Element(nType, nOperand, branches)->m_nNumber);
        }
        if (nEnd == 5) {
            static constexpr int kTypes[] = {BT_DPR, BT_COUNTER, BT_LR};
            CBlockObj* pBlock = ladder.Function(kTypes[pick(3)]);
            pBlock->m_nParam[TIMER_ON_LOW_PARAM] = 20 + int(pick(40));
            pBlock->m_nParam[COUNTER_ON_PARAM] = 2;
            for (int nBlockPin = 0; nBlockPin < pBlock->m_nInputs; ++nBlockPin) {
                if (pBlock->m_nPinKind[nBlockPin] == PINKIND_DIGITAL)
                    freePins.emplace_back(pBlock, nBlockPin);
            }
            operands.push_back(pBlock->m_nNumber);
        }
    }
}

// The WiFi blocks' four settings come along with the blocks, as the Modbus blocks' do.
TEST_F(LadderConversionTest, WifiBlocksKeepTheirSettings)
{
    LadderSample ladder;
    std::vector<const CBlockWIFI*> sources;
    for (const int nType : {BT_WIFI_IN, BT_WIFI_OUT, BT_WIFI_AI, BT_WIFI_AOUT}) {
        auto* pWifi = dynamic_cast<CBlockWIFI*>(ladder.Function(nType));
        ASSERT_NE(pWifi, nullptr) << nType;
        pWifi->m_nWifiMode = 1;
        pWifi->m_nWifiId = 7;
        pWifi->m_nRemoteKind = 1;
        pWifi->m_nRemoteNumber = 5;
        sources.push_back(pWifi);
    }
    const CVetlaDoc& fbd = Convert(ladder);
    for (const CBlockWIFI* pSource : sources) {
        const auto* pCopy = dynamic_cast<const CBlockWIFI*>(&Found(fbd, pSource->m_nNumber));
        ASSERT_NE(pCopy, nullptr) << pSource->m_nType;
        EXPECT_EQ(std::vector({pCopy->m_nWifiMode, pCopy->m_nWifiId, pCopy->m_nRemoteKind, pCopy->m_nRemoteNumber}),
                  std::vector({1, 7, 1, 5}))
            << pSource->m_nType;
    }
}

TEST_F(LadderConversionTest, RandomLaddersSimulateAlike)
{
    // The seed of the generator, kept so that a failure can be repeated. Each coil may differ
    // by the lag that the two scan orders allow on its rungs (SideBySide::Mismatches).
    std::mt19937 random(31);
    int nExactCoils = 0;
    for (int nLadder = 0; nLadder < 12; ++nLadder) {
        LadderSample ladder;
        const int nRungs = 5 + int(random() % 46);
        BuildRandomLadder(ladder, nRungs, random);
        CVetlaDoc& fbd = Convert(ladder);
        SideBySide run(ladder.Doc(), fbd);
        for (int nChange = 0; nChange < 40; ++nChange) {
            // Drawn in statements of their own, the state before the input, so that every
            // compiler runs the same scenario (function arguments are evaluated in any order).
            const int nState = int(random() % 2);
            const int nInput = NUM_INPUT + int(random() % LADDER_INPUTS);
            run.SetInput(nInput, nState);
            run.Run(SETTLE_SCANS + int(random() % 40));
        }
        EXPECT_EQ(run.Mismatches(), std::vector<std::string>{}) << "ladder " << nLadder << " of " << nRungs << " rungs";
        EXPECT_GT(run.TotalChanges(), 0) << "ladder " << nLadder;
        nExactCoils += run.ExactCoils();
    }
    // The coils whose rungs read inputs alone were held to the very scan, and there were many.
    EXPECT_GE(nExactCoils, 30);
}

}  // namespace
