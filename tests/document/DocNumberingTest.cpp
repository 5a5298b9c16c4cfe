#include "DocTestSupport.h"

#include "blocks/BlockIn.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/TypeCodeList.h"
#include "document/RangeNumbering.h"

#include <set>
#include <utility>
#include <vector>

namespace {

class DocNumberingTest : public DocTest {
protected:
    // A block of the type carrying the number, put in the list as a loaded file puts it.
    CBlockObj* AddNumbered(int nType, int nNumber)
    {
        CBlockObj* pBlock = CreateBlockForType(nType, nullptr, nullptr);
        pBlock->m_nNumber = nNumber;
        m_doc.m_blockList.AddTail(pBlock);
        return pBlock;
    }

    CVetlaDoc m_doc;
};

TEST_F(DocNumberingTest, InputsSkipTheUpperHalfOfEachModule)
{
    std::vector<int> numbers;
    for (int i = 0; i < 17; ++i)
        numbers.push_back(AddNew(m_doc, BT_IN)->m_nNumber);
    EXPECT_EQ((std::vector<int>{numbers[0], numbers[1], numbers[2], numbers[15], numbers[16]}),
              (std::vector<int>{100, 101, 102, 115, 132}));
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(DocNumberingTest, FbdOperandIsTheIndexInTheRange)
{
    AddNew(m_doc, BT_FLAG);
    EXPECT_EQ(AddNew(m_doc, BT_FLAG)->m_nOperand, 1);
    EXPECT_EQ(AddNew(m_doc, BT_IN)->m_nOperand, 0);
}

TEST_F(DocNumberingTest, InputLimitIs128)
{
    for (int i = 0; i < 127; ++i)
        AddNew(m_doc, BT_IN);
    EXPECT_TRUE(m_doc.HasRoomForBlock(BT_IN, nullptr));
    EXPECT_EQ(AddNew(m_doc, BT_IN)->m_nNumber, 100 + 7 * 32 + 15);
    EXPECT_FALSE(m_doc.HasRoomForBlock(BT_IN, nullptr));
}

TEST_F(DocNumberingTest, NinthOutputGetsTheNextModuleAndTheSixtyFifthIsRefused)
{
    for (int i = 0; i < 8; ++i)
        AddNew(m_doc, BT_OUT);
    EXPECT_EQ(AddNew(m_doc, BT_OUT)->m_nNumber, 616);
    for (int i = 9; i < 64; ++i)
        AddNew(m_doc, BT_OUT);
    EXPECT_FALSE(m_doc.HasRoomForBlock(BT_OUT, nullptr));
}

TEST_F(DocNumberingTest, AFullRangeLeavesTheNumberAlone)
{
    for (int i = 0; i < 5; ++i)
        AddNew(m_doc, BT_FKEY);
    CBlockObj* pSixth = CreateBlockForType(BT_FKEY, nullptr, nullptr);
    pSixth->m_nNumber = 4242;
    m_doc.AddBlock(pSixth);
    EXPECT_EQ(pSixth->m_nNumber, 4242);
}

TEST_F(DocNumberingTest, FunctionBlocksTakeNineThousandPlusTheirCount)
{
    for (int i = 0; i < 5; ++i)
        AddNew(m_doc, BT_AND);
    EXPECT_EQ(AddNew(m_doc, BT_DPR)->m_nNumber, 9005);
    EXPECT_EQ(AddNew(m_doc, BT_CURSOR_KEY)->m_nNumber, 9006);
    EXPECT_EQ(m_doc.CountFunctionBlocks(), 7);
}

TEST_F(DocNumberingTest, StoredNumbersOutsideTheRangeAreIgnored)
{
    AddNumbered(BT_FLAG, 99999);
    AddNumbered(BT_FLAG, -7);
    EXPECT_EQ(AddNew(m_doc, BT_FLAG)->m_nNumber, 1316);
}

TEST_F(DocNumberingTest, ShiftBitsAndShiftRegistersByGeneration)
{
    HardwareCodeScope hw(0x2188);
    CVetlaDoc oldDoc;
    for (int i = 0; i < 16; ++i)
        AddNew(oldDoc, BT_SHIFT);
    EXPECT_FALSE(oldDoc.HasRoomForBlock(BT_SHIFT, nullptr));
    EXPECT_TRUE(oldDoc.HasRoomForBlock(BT_SREG, nullptr));
    AddNew(oldDoc, BT_SREG);
    EXPECT_FALSE(oldDoc.HasRoomForBlock(BT_SREG, nullptr));

    oldDoc.m_wHardwareCode = 0x5188;
    EXPECT_TRUE(oldDoc.HasRoomForBlock(BT_SHIFT, nullptr));
    EXPECT_EQ(AddNew(oldDoc, BT_SHIFT)->m_nNumber, 1016);
    for (int i = 1; i < 4; ++i)
        AddNew(oldDoc, BT_SREG);
    EXPECT_FALSE(oldDoc.HasRoomForBlock(BT_SREG, nullptr));
}

TEST_F(DocNumberingTest, RoomRequestCountsTheBlocksAboutToBeAdded)
{
    for (int i = 0; i < 60; ++i)
        AddNew(m_doc, BT_OUT);
    BlockRoomRequest request;
    request.nCount = 4;
    EXPECT_TRUE(m_doc.HasRoomForBlock(BT_OUT, &request));
    request.nCount = 5;
    EXPECT_FALSE(m_doc.HasRoomForBlock(BT_OUT, &request));
}

TEST_F(DocNumberingTest, TypesWithoutALimitHaveNoRoom)
{
    EXPECT_FALSE(m_doc.HasRoomForBlock(BT_CURSOR_KEY, nullptr));
    EXPECT_FALSE(m_doc.HasRoomForBlock(BT_AND, nullptr));
}

TEST_F(DocNumberingTest, LowAndHighLevelsAndMakeAndBreakContactsAreCountedApart)
{
    AddNew(m_doc, BT_HIGH);
    AddNew(m_doc, BT_BREAK);
    BlockRoomRequest request;
    request.nCount = 1000;
    EXPECT_TRUE(m_doc.HasRoomForBlock(BT_LOW, &request));
    EXPECT_FALSE(m_doc.HasRoomForBlock(BT_HIGH, &request));
    request.nCount = 2560;
    EXPECT_TRUE(m_doc.HasRoomForBlock(BT_MAKE, &request));
    EXPECT_FALSE(m_doc.HasRoomForBlock(BT_BREAK, &request));
}

class LadderNumberingTest : public DocNumberingTest {
protected:
    LadderNumberingTest() { m_doc.m_nDocType = DOC_TYPE_LAD; }
};

TEST_F(LadderNumberingTest, CoilsTakeOutputsThenFlagsThenOpenConnectors)
{
    EXPECT_EQ(AddNew(m_doc, BT_RELAY_COIL)->m_nOperand, 600);
    for (int i = 1; i < 128; ++i)
        AddNew(m_doc, i % 2 ? BT_INV_OUT : BT_RELAY_COIL);
    CBlockObj* pCoil = AddNew(m_doc, BT_RELAY_COIL);
    EXPECT_EQ(pCoil->m_nNumber, 21128);
    EXPECT_EQ(pCoil->m_nOperand, 1316);

    BlockRoomRequest request;
    request.nCount = 1;
    EXPECT_TRUE(m_doc.HasRoomForBlock(BT_INV_OUT, &request));
    EXPECT_EQ(request.nOutCount[0], 128);
    EXPECT_EQ(request.nOutCount[1], 1);
    EXPECT_EQ(request.nOutCount[2], 0);
}

TEST_F(LadderNumberingTest, ContactsAndAnalogElementsGetTheirOperands)
{
    EXPECT_EQ(AddNew(m_doc, BT_MAKE)->m_nOperand, 100);
    EXPECT_EQ(AddNew(m_doc, BT_BREAK)->m_nOperand, 100);
    EXPECT_EQ(AddNew(m_doc, BT_ACONTACT)->m_nOperand, 4000);
    EXPECT_EQ(AddNew(m_doc, BT_AOUT_LAD)->m_nOperand, 4230);
    EXPECT_EQ(AddNew(m_doc, BT_FLAG)->m_nOperand, 0);
    EXPECT_EQ(m_doc.FindBlockByOperand(4230, BT_AOUT_LAD)->m_nNumber, 22000);
    EXPECT_EQ(m_doc.FindBlockByOperand(4230, BT_FLAG), nullptr);
}

TEST_F(LadderNumberingTest, AnalogOutputsMoveOnToAnalogFlags)
{
    for (int i = 0; i < 32; ++i)
        AddNew(m_doc, BT_AOUT_LAD);
    EXPECT_EQ(AddNew(m_doc, BT_AOUT_LAD)->m_nOperand, 4288);
    BlockRoomRequest request;
    request.nOutCount[2] = 77;
    m_doc.HasRoomForBlock(BT_AOUT_LAD, &request);
    EXPECT_EQ(request.nOutCount[0], 32);
    EXPECT_EQ(request.nOutCount[1], 1);
    EXPECT_EQ(request.nOutCount[2], 77);
}

// A run of additions numbered by one kept numbering gets the numbers and operands that adding
// each block on its own gives, past the filled tables of a range and of the operands.
TEST_F(DocNumberingTest, AKeptNumberingNumbersAsEachAdditionOnItsOwn)
{
    for (const auto& [nType, nCount] : {std::pair{BT_RELAY_COIL, 140}, {BT_AOUT_LAD, 40}, {BT_IN, 20}, {BT_MALE, 5}}) {
        CVetlaDoc kept, alone;
        for (CVetlaDoc* pDoc : {&kept, &alone}) {
            pDoc->m_nDocType = DOC_TYPE_LAD;
            AddNew(*pDoc, nType);
            AddNew(*pDoc, nType == BT_RELAY_COIL ? BT_INV_OUT : nType);
        }
        RangeNumbering numbering(kept, nType);
        for (int i = 0; i < nCount; ++i) {
            CBlockObj* pKept = CreateBlockForType(nType, nullptr, nullptr);
            kept.AddBlock(pKept, numbering);
            const CBlockObj* pAlone = AddNew(alone, nType);
            ASSERT_EQ(std::pair(pKept->m_nNumber, pKept->m_nOperand), std::pair(pAlone->m_nNumber, pAlone->m_nOperand))
                << nType << " #" << i;
        }
    }
}

class PasteNumberingTest : public DocNumberingTest {
protected:
    CBlockObj* Paste(int nType, int nNumber)
    {
        CBlockObj* pBlock = CreateBlockForType(nType, nullptr, nullptr);
        pBlock->m_nNumber = nNumber;
        m_doc.AddPastedBlock(pBlock);
        return pBlock;
    }
};

// The high-speed attribute goes with the input's point: kept with a free number, lost with a new one.
TEST_F(PasteNumberingTest, InputsKeepAFreeNumberAndLoseTheirAttributeOnlyWithIt)
{
    for (const int nExpected : {105, 100}) {
        CBlockObj* pIn = CreateBlockForType(BT_IN, nullptr, nullptr);
        pIn->m_nNumber = 105;
        static_cast<CBlockIn*>(pIn)->m_bHighSpeed = 1;
        m_doc.AddPastedBlock(pIn);
        EXPECT_EQ(pIn->m_nNumber, nExpected);
        EXPECT_EQ(static_cast<CBlockIn*>(pIn)->m_bHighSpeed, nExpected == 105);
    }
}

TEST_F(PasteNumberingTest, FunctionBlocksAreRenumberedButTheDataLogKeepsItsNumber)
{
    EXPECT_EQ(Paste(BT_AND, 9100)->m_nNumber, 9000);
    EXPECT_EQ(Paste(BT_OR, 9000)->m_nNumber, 9001);
    EXPECT_EQ(Paste(BT_DATALOG, 8950)->m_nNumber, 8950);
}

TEST_F(PasteNumberingTest, ConnectorPairsStayPairs)
{
    // Free numbers are kept.
    EXPECT_EQ(Paste(BT_MALE, 5003)->m_nNumber, 5003);
    EXPECT_EQ(Paste(BT_FEMALE, 7003)->m_nNumber, 7003);
    // Pasting the same pair again: the male takes the lowest free pair and the female follows.
    EXPECT_EQ(Paste(BT_MALE, 5003)->m_nNumber, 5000);
    EXPECT_EQ(Paste(BT_FEMALE, 7003)->m_nNumber, 7000);
    // The female first this time.
    EXPECT_EQ(Paste(BT_FEMALE, 7003)->m_nNumber, 7001);
    EXPECT_EQ(Paste(BT_MALE, 5003)->m_nNumber, 5001);
}

using DocLookupTest = DocNumberingTest;

TEST_F(DocLookupTest, BlockAtPointTakesTheBodyAndWithPinsTheStubsToo)
{
    CBlockObj* pBlock = AddNew(m_doc, BT_AND, 100, 100);
    EXPECT_EQ(m_doc.BlockAtPoint(100, 100), pBlock);
    EXPECT_EQ(m_doc.BlockAtPoint(124, 139), pBlock);
    EXPECT_EQ(m_doc.BlockAtPoint(125, 120), nullptr);
    EXPECT_EQ(m_doc.BlockAtPoint(91, 120), nullptr);
    EXPECT_EQ(m_doc.BlockAtPointWithPins(91, 120), pBlock);
    EXPECT_EQ(m_doc.BlockAtPointWithPins(133, 120), pBlock);
    EXPECT_EQ(m_doc.BlockAtPointWithPins(134, 120), nullptr);
}

TEST_F(DocLookupTest, FindBlockByNumberTakesTheFirstOfANumber)
{
    CBlockObj* pFirst = AddNew(m_doc, BT_AND);
    AddNumbered(BT_OR, pFirst->m_nNumber);
    EXPECT_EQ(m_doc.FindBlockByNumber(9000), pFirst);
    EXPECT_EQ(m_doc.FindBlockByNumber(9001), nullptr);
}

TEST_F(DocLookupTest, NumberIndexAnswersLikeTheListWhileItLives)
{
    CBlockObj* pFirst = AddNew(m_doc, BT_AND);
    AddNumbered(BT_OR, pFirst->m_nNumber);
    CBlockObj* pLater = nullptr;
    {
        CBlockNumberIndex index(m_doc);
        pLater = AddNew(m_doc, BT_XOR);
        EXPECT_EQ(m_doc.FindBlockByNumber(9000), pFirst);
        // Blocks added while an index lives are not in it: such stretches add none.
        EXPECT_EQ(m_doc.FindBlockByNumber(pLater->m_nNumber), nullptr);
        {
            CBlockNumberIndex inner(m_doc);
            EXPECT_EQ(m_doc.FindBlockByNumber(pLater->m_nNumber), pLater);
        }
        EXPECT_EQ(m_doc.FindBlockByNumber(pLater->m_nNumber), nullptr);
    }
    EXPECT_EQ(m_doc.FindBlockByNumber(pLater->m_nNumber), pLater);
}

TEST_F(DocLookupTest, LadderRailIsFoundFirst)
{
    m_doc.m_nDocType = DOC_TYPE_LAD;
    auto* pRail = CreateBlockForType(BT_AND, nullptr, nullptr);
    pRail->m_nNumber = -1;
    m_doc.m_powerBusList.AddTail(pRail);
    AddNumbered(BT_OR, -1);
    EXPECT_EQ(m_doc.FindBlockByNumber(-1), pRail);
    CBlockNumberIndex index(m_doc);
    EXPECT_EQ(m_doc.FindBlockByNumber(-1), pRail);
}

TEST_F(DocLookupTest, CountsByKind)
{
    CBlockObj* pNamed = AddNew(m_doc, BT_AND);
    pNamed->m_strLabelSuffix = _T("Pump");
    AddNew(m_doc, BT_XOR);
    AddNew(m_doc, BT_IN);
    AddNew(m_doc, BT_MALE);
    AddNew(m_doc, BT_FEMALE);
    EXPECT_EQ(m_doc.CountNamedBlocks(), 1);
    EXPECT_EQ(m_doc.CountNonConnectorBlocks(), 3);
    EXPECT_EQ(m_doc.GetProgramSize(), pNamed->m_wProgramBytes + 8);
}

TEST_F(DocLookupTest, ReferenceBlocksByGeneration)
{
    AddNew(m_doc, BT_AND);
    CBlockObj* pCounter = AddNew(m_doc, BT_COUNTER);
    AddNew(m_doc, BT_ACOMP);
    m_doc.m_wHardwareCode = 0x2188;
    EXPECT_EQ(m_doc.CountReferenceBlocks(-1), 2);
    EXPECT_EQ(m_doc.CountReferenceBlocks(pCounter->m_nNumber), 1);
    m_doc.m_wHardwareCode = 0x5188;
    for (POSITION pos = m_doc.m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(m_doc.m_blockList.GetNext(pos));
        pBlock->m_nCapFlags = pBlock == pCounter ? 0x00 : 0x01;
    }
    // The AND offers no reference whatever its flags; the comparator does.
    EXPECT_EQ(m_doc.CountReferenceBlocks(-1), 1);
}

// The older controllers' reference blocks are one list: the count and the page's lines give
// the same blocks, of the up/down counter and the three comparing analog blocks only.
TEST_F(DocLookupTest, OlderControllersOfferOneListOfReferenceBlocks)
{
    m_doc.m_wHardwareCode = 0x2188;
    std::set<int> expected;
    for (const BlockTypeRow& row : FactoryTypeRows()) {
        if (!IsFunctionBlockType(row.nType))
            continue;
        const CBlockObj* pBlock = AddNew(m_doc, row.nType);
        if (ListsType({BT_COUNTER, BT_ACOMP, BT_ATHTRG, BT_AAMP}, pBlock->m_nType))
            expected.insert(pBlock->m_nNumber - 9000);
    }
    ASSERT_EQ(expected.size(), 4U);
    CStringArray lines;
    m_doc.GetBlockChoiceLines(CVetlaDoc::BlockChoice::Reference, -1, lines);
    std::set<int> listed;
    for (int i = 0; i < int(lines.GetSize()); ++i) {
        int nNumber = 0;
        for (LPCTSTR p = lines[i].GetString() + 1; *p >= '0' && *p <= '9'; ++p)
            nNumber = nNumber * 10 + (*p - '0');
        listed.insert(nNumber);
    }
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(m_doc.CountReferenceBlocks(-1), 4);
}

TEST_F(DocLookupTest, SpecialBlockSizesFollowTheHardware)
{
    CBlockObj* pYearly = AddNew(m_doc, BT_YT);
    CBlockObj* pModbus = AddNew(m_doc, BT_MW);
    m_doc.m_wHardwareCode = 0x2188;
    m_doc.UpdateSpecialBlockSizes();
    EXPECT_EQ(pYearly->m_wProgramBytes, 8);
    EXPECT_EQ(pModbus->m_wProgramBytes, 18);
    m_doc.m_wHardwareCode = 0x6188;
    m_doc.UpdateSpecialBlockSizes();
    EXPECT_EQ(pYearly->m_wProgramBytes, 14);
    EXPECT_EQ(pModbus->m_wProgramBytes, 22);
}

TEST_F(DocLookupTest, PinRectOnlyForUsedPinsWithAKind)
{
    CBlockObj* pBlock = AddNew(m_doc, BT_NOT, 100, 100);
    CRect rect;
    EXPECT_TRUE(GetBlockPinRect(&rect, pBlock, 0));
    EXPECT_FALSE(GetBlockPinRect(&rect, pBlock, 1));
    EXPECT_FALSE(GetBlockPinRect(&rect, pBlock, 20));
    EXPECT_FALSE(GetBlockPinRect(&rect, pBlock, -1));
    EXPECT_FALSE(GetBlockPinRect(&rect, nullptr, 0));
}

} // namespace
