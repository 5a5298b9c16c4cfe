// Numbering the function blocks again after one went: wires, pin tables, data-log items,
// message-text elements and ladder contacts follow the new numbers.
#include "document/RuleDiagram.h"

#include "blocks/BlockDataLog.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/Widget.h"
#include "document/FunctionRenumbering.h"

#include <gtest/gtest.h>

namespace {

class FunctionRenumberingTest : public RuleDiagram {
protected:
    explicit FunctionRenumberingTest(int nDocType = DOC_TYPE_FBD) : RuleDiagram(nDocType) {}

    // Takes the block out of the document, as a delete does before the numbering.
    void Drop(CBlockObj* pBlock)
    {
        m_doc.m_blockList.RemoveAt(m_doc.m_blockList.Find(pBlock));
        delete pBlock;
    }
};

TEST_F(FunctionRenumberingTest, EverythingThatNamesAFunctionBlockTakesItsNewNumber)
{
    auto [pAnd, pOr, pOut] = Blocks(BT_AND, BT_OR, BT_OUT);
    CConnectLineObj* pLine = Wire(pOr, 10, pOut, 0);
    auto* pLog = static_cast<CBlockDataLog*>(Block(BT_DATALOG));
    DataLogItem item;
    item.strItem = _T("B1");
    item.nValue1 = pOr->m_nNumber;
    item.nSpare = pOr;
    pLog->m_arrLogItems.Add(item);
    auto* pText = static_cast<CBlockMSGTEXT*>(Block(BT_MSGTEXT));
    auto* pWidget = new CWidget(10, 10, 60, 16, RGB(0, 0, 0));
    pWidget->m_pBlock = pOr;
    pWidget->m_nBlockNumber = pOr->m_nNumber;
    pText->WidgetArray(0).Add(pWidget);
    Drop(pAnd);
    ASSERT_EQ(pOr->m_nNumber, NUM_FUNCTION_BLOCK + 1);
    m_doc.SetModifiedFlag(FALSE);

    RenumberFunctionBlocks(m_doc);
    EXPECT_EQ(pOr->m_nNumber, NUM_FUNCTION_BLOCK);
    EXPECT_EQ(pLine->m_nStartBlock, NUM_FUNCTION_BLOCK);
    EXPECT_EQ(pOut->m_nPinSource[0], NUM_FUNCTION_BLOCK);
    EXPECT_EQ(pLog->m_arrLogItems[0].nValue1, NUM_FUNCTION_BLOCK);
    EXPECT_EQ(pLog->m_arrLogItems[0].strItem.Left(2), CString(_T("B0")));
    EXPECT_EQ(pWidget->m_nBlockNumber, NUM_FUNCTION_BLOCK);
    EXPECT_TRUE(m_doc.IsModified());
}

class LadderRenumberingTest : public FunctionRenumberingTest {
protected:
    LadderRenumberingTest() : FunctionRenumberingTest(DOC_TYPE_LAD) {}
};

TEST_F(LadderRenumberingTest, AContactFollowsTheFunctionBlockItReads)
{
    auto [pAnd, pOr, pContact] = Blocks(BT_AND, BT_OR, BT_MAKE);
    pContact->m_nOperand = pOr->m_nNumber;
    CBlockObj* pOther = Block(BT_MAKE);
    pOther->m_nOperand = NUM_FUNCTION_BLOCK + 7;  // no block has it
    Drop(pAnd);
    ASSERT_EQ(pContact->m_nOperand, NUM_FUNCTION_BLOCK + 1);

    RenumberFunctionBlocks(m_doc);
    EXPECT_EQ(pContact->m_nOperand, NUM_FUNCTION_BLOCK);
    EXPECT_EQ(pOther->m_nOperand, NUM_FUNCTION_BLOCK + 7);
}

} // namespace
