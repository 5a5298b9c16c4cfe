// A running simulation keeps the number index from one scan to the next; a change of the blocks
// between two scans (a number, a block added, a contact's operand) is seen by the next scan.
#include "DocTestSupport.h"

#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "document/SimScan.h"

#include <gtest/gtest.h>

namespace {

class ScanIndexTest : public ::testing::Test {
protected:
    ScanIndexTest()
    {
        RegisterBlockClasses();
        m_sim.bSimulating = TRUE;
        m_sim.nRunState = SIM_RUN_RUNNING;
    }

    CVetlaDoc m_doc;
    CSimContext m_sim;
};

TEST_F(ScanIndexTest, TheNextScanReadsBlocksRenumberedOrAddedBetweenScans)
{
    CBlockObj* pNot = AddNew(m_doc, BT_NOT);
    CBlockObj* pOff = AddNew(m_doc, BT_IN);
    CBlockObj* pOn = AddNew(m_doc, BT_IN);
    ToggleSimulatedInput(m_doc, *pOn);
    pNot->m_nPinSource[0] = pOff->m_nNumber;
    ScanDocument(m_doc, m_sim);
    ASSERT_EQ(pNot->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);

    std::swap(pOff->m_nNumber, pOn->m_nNumber);
    ScanDocument(m_doc, m_sim);
    EXPECT_EQ(pNot->m_nPinValue[0], 1);
    EXPECT_EQ(pNot->m_nPinValue[BLOCK_FIRST_OUTPUT], 0);

    CBlockObj* pAdded = AddNew(m_doc, BT_IN);
    pNot->m_nPinSource[0] = pAdded->m_nNumber;
    ScanDocument(m_doc, m_sim);
    EXPECT_EQ(pNot->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);
    EXPECT_EQ(m_doc.GetNumberIndex(), nullptr);
}

TEST_F(ScanIndexTest, TheNextScanReadsAContactWhoseOperandChangedBetweenScans)
{
    m_doc.m_nDocType = DOC_TYPE_LAD;
    CBlockObj* pCoil = AddNew(m_doc, BT_RELAY_COIL);
    CBlockObj* pContact = AddNew(m_doc, BT_MAKE);
    pCoil->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    pContact->m_nOperand = pCoil->m_nNumber + 1;
    ScanDocument(m_doc, m_sim);
    ASSERT_EQ(pContact->m_nContactState, 0);

    pContact->m_nOperand = pCoil->m_nNumber;
    ScanDocument(m_doc, m_sim);
    EXPECT_EQ(pContact->m_nContactState, 1);
}

} // namespace
