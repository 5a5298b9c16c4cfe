#include "RecordTestSupport.h"
#include "SimDriver.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockMR.h"
#include "blocks/BlockTypes.h"

#include <gtest/gtest.h>

namespace {

class BlockMRTest : public testing::Test {
protected:
    static void SetUpTestSuite() { RegisterBlockClasses(); }

    TestDocument m_active;
};

TEST_F(BlockMRTest, ModbusFieldsAreStoredInTheirMixedOrderAndWidths)
{
    CBlockMR block(BT_MR);
    block.m_bySlave = 0x11;
    block.m_byCommand = 2;
    block.m_byFunction = 0x03;
    block.m_byMode = 1;
    block.m_nPort = 2;
    block.m_wRegister = 0x1234;
    block.m_wCount = 0x0020;
    block.m_wFirstData = 0x0254;
    block.m_wSecondData = 0xBEEF;
    block.m_wDataNumber = 0x0007;
    block.m_nDataKind = 1;
    block.m_strFirstData = _T("A");
    block.m_strSecondData = _T("BC");
    const Bytes bytes = StoreObject(&block);
    const std::size_t n = ClassHeaderLength(&block) + kCommonShortLength + kCommonTailLength;
    const Bytes tail(bytes.begin() + std::ptrdiff_t(n), bytes.end());
    const Bytes expected = {0x11, 0x02, 0x03,                          // slave, command, code
                            0x34, 0x12, 0x20, 0x00, 0x54, 0x02, 0xEF, 0xBE,  // four words
                            0x02, 0x00, 0x00, 0x00,                    // port
                            0x01,                                      // writing mode
                            0x01, 0x00, 0x00, 0x00,                    // data kind
                            0x07, 0x00,                                // last word
                            0xFF, 0xFE, 0xFF, 0x01, 'A', 0x00,
                            0xFF, 0xFE, 0xFF, 0x02, 'B', 0x00, 'C', 0x00};
    EXPECT_EQ(tail, expected);
    auto pLoaded = LoadObjectAs<CBlockMR>(bytes, &m_active.Doc());
    ASSERT_TRUE(pLoaded);
    EXPECT_EQ(pLoaded->m_wSecondData, 0xBEEF);
    EXPECT_EQ(pLoaded->m_strSecondData, _T("BC"));
}

// The port indexes the project's three COM settings or is "No Setting" (-1), the command the
// page's four function codes, the data kind its lists of at most three kinds.
TEST_F(BlockMRTest, StoredIndexesOutsideTheirListsAreRefused)
{
    struct Case {
        int nPort;
        BYTE byCommand;
        int nKind;
        bool bAccepted;
    };
    const Case cases[] = {
        {0, 0, 0, true},   {2, 3, 2, true},   {3, 0, 0, false}, {-1, 0, 0, true}, {-2, 0, 0, false},
        {0, 4, 0, false},  {0, 255, 0, false}, {0, 0, 3, false}, {0, 0, -1, false},
    };
    for (const Case& c : cases) {
        CBlockMW block(BT_MW);
        block.m_nPort = c.nPort;
        block.m_byCommand = c.byCommand;
        block.m_nDataKind = c.nKind;
        const Bytes bytes = StoreObject(&block);
        const int nCause = ArchiveFailure([&] { LoadObjectAs<CBlockMR>(bytes, &m_active.Doc()); });
        EXPECT_EQ(nCause, c.bAccepted ? -1 : CArchiveException::generic)
            << c.nPort << " " << int(c.byCommand) << " " << c.nKind;
    }
}

TEST(BlockMRSim, InputOneHoldsTheBlockOffWhateverInputZeroIs)
{
    struct Case {
        int nInput0;
        int nInput1;
        int nState;
    };
    const Case cases[] = {{1, 0, 1}, {0, 0, 0}, {1, 1, 0}, {0, 1, 0}, {1, 0, 1}};
    SimDriver sim;
    auto* pIn0 = sim.Add(new CBlockObj(BT_IN, 0), 100);
    auto* pIn1 = sim.Add(new CBlockObj(BT_IN, 0), 101);
    auto* pRead = sim.Add(new CBlockMR(BT_MR), 9000);
    auto* pWrite = sim.Add(new CBlockMW(BT_MW), 9001);
    for (CBlockObj* pBlock : std::initializer_list<CBlockObj*>{pRead, pWrite}) {
        SimDriver::Connect(pIn0, pBlock, 0);
        SimDriver::Connect(pIn1, pBlock, 1);
    }
    sim.Start();
    for (const Case& c : cases) {
        SimDriver::SetInput(pIn0, c.nInput0);
        sim.Switch(pIn1, c.nInput1);
        EXPECT_EQ(SimDriver::State(pRead), c.nState) << c.nInput0 << c.nInput1;
        EXPECT_EQ(SimDriver::State(pWrite), c.nState) << c.nInput0 << c.nInput1;
    }
}

}  // namespace
