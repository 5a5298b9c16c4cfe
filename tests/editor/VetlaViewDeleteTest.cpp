#include "editor/EditDocuments.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockDataLog.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/Widget.h"
#include "document/ConnectorSearch.h"
#include "platform/core/CmdTarget.h"

#include <gtest/gtest.h>

namespace {

class DeleteTest : public EditingTest {
protected:
    static CWidget* ShowBlock(CBlockObj* pText, CBlockObj* pShown)
    {
        auto* pWidget = new CWidget;
        pWidget->m_pBlock = pShown;
        pWidget->m_nBlockNumber = pShown->m_nNumber;
        static_cast<CBlockMSGTEXT*>(pText)->WidgetArray(0).Add(pWidget);
        return pWidget;
    }
    // The objects selected in d and deleted as Edit > Delete deletes them.
    template <class... T>
    static void Delete(EditDocument& d, T*... pObjects)
    {
        (d.Select(pObjects), ...);
        d.View().OnEditDelete();
    }
};

TEST_F(DeleteTest, DeletingAFunctionBlockRenumbersTheRestAndEveryoneFollows)
{
    EditDocument& d = NewDocument();
    CBlockObj* pFirst = d.Block(BT_DPR, 100, 100);
    CBlockObj* pAnd = d.Block(BT_AND, 200, 100);
    CBlockObj* pCounter = d.Block(BT_COUNTER, 300, 100);
    CBlockObj* pOut = d.Block(BT_OUT, 450, 100);
    CBlockObj* pText = d.Block(BT_MSGTEXT, 100, 300);
    d.Wire(pAnd, 10, pCounter, 0);
    d.Wire(pCounter, 10, pOut, 0);
    auto* pLog = static_cast<CBlockDataLog*>(d.Block(BT_DATALOG, 100, 400));
    DataLogItem item;
    item.strItem = _T("B2");
    item.nValue1 = pCounter->m_nNumber;
    item.nSpare = pCounter;
    pLog->m_arrLogItems.Add(item);
    pLog->m_nParam[DATALOG_COUNT_PARAM] = 1;
    CWidget* pWidget = ShowBlock(pText, pCounter);
    ASSERT_EQ(pCounter->m_nNumber, 9002);

    Delete(d, pFirst);

    EXPECT_EQ(pAnd->m_nNumber, 9000);
    EXPECT_EQ(pCounter->m_nNumber, 9001);
    EXPECT_EQ(pText->m_nNumber, 9002);
    EXPECT_EQ(pOut->m_nPinSource[0], 9001);
    CString strName;
    g_mapBlockNames.Lookup(BT_COUNTER, strName);
    EXPECT_EQ(pLog->m_arrLogItems[0].nValue1, 9001);
    EXPECT_EQ(pLog->m_arrLogItems[0].strItem, CString(_T("B1")) + strName);
    EXPECT_EQ(pWidget->m_nBlockNumber, 9001);
    EXPECT_TRUE(d.View().Selection().Blocks().IsEmpty());
    EXPECT_TRUE(d.Doc().m_undo.CanUndo());
    EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &d.View()));

    // The counter goes: the data log and the message text let go of it.
    Delete(d, pCounter);
    EXPECT_EQ(pLog->m_arrLogItems.GetSize(), 0);
    EXPECT_EQ(pLog->m_nParam[DATALOG_COUNT_PARAM], 0);
    EXPECT_EQ(static_cast<CBlockMSGTEXT*>(pText)->WidgetArray(0).GetSize(), 0);
    EXPECT_EQ(pOut->m_nPinSource[0], LINK_OPEN);
    EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &d.View()));
}

TEST_F(DeleteTest, AnInputLeftWithoutWiresIsOpenAgain)
{
    EditDocument& d = NewDocument();
    CBlockObj* pIn = d.Block(BT_IN, 100, 100);
    CBlockObj* pAnd = d.Block(BT_AND, 300, 100);
    CBlockObj* pOr = d.Block(BT_OR, 300, 300);
    CConnectLineObj* pToAnd = d.Wire(pIn, 10, pAnd, 0);
    d.Wire(pIn, 10, pOr, 1);
    ASSERT_FALSE(JunctionsOf(pToAnd).empty() && JunctionsOf(d.Lines()[1]).empty());

    Delete(d, pToAnd);
    EXPECT_EQ(pAnd->m_nPinSource[0], LINK_OPEN);
    // The output still feeds the OR; the remaining wire has no dot left.
    EXPECT_EQ(pIn->m_nPinSource[10], pOr->m_nNumber);
    ASSERT_EQ(d.Lines().size(), 1u);
    EXPECT_TRUE(JunctionsOf(d.Lines()[0]).empty());
    EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &d.View()));

    Delete(d, d.Lines()[0]);
    EXPECT_EQ(pOr->m_nPinSource[1], LINK_OPEN);
    EXPECT_EQ(pIn->m_nPinSource[10], LINK_OUTPUT);
}

TEST_F(DeleteTest, DeletingACoilTakesTheContactsThatReadIt)
{
    EditDocument& d = NewDocument(DOC_TYPE_LAD);
    CBlockObj* pCoil = d.Block(BT_RELAY_COIL, 300, 100);
    CBlockObj* pReads = d.Block(BT_MAKE, 100, 300);
    CBlockObj* pBreak = d.Block(BT_BREAK, 100, 400);
    CBlockObj* pOther = d.Block(BT_MAKE, 100, 500);
    pReads->m_nOperand = pCoil->m_nNumber;
    pBreak->m_nOperand = pCoil->m_nNumber;
    d.Wire(d.Rail(), 10, pReads, 0);
    Delete(d, pCoil);
    ASSERT_EQ(d.Blocks().size(), 1u);
    EXPECT_EQ(d.Blocks()[0], pOther);
    EXPECT_TRUE(d.Lines().empty());
    EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &d.View()));
}

TEST_F(DeleteTest, AConnectorTakesItsPartnerAndThePairsWires)
{
    for (const bool bByWire : {false, true}) {
        EditDocument& d = NewDocument();
        Activate(d);
        CBlockObj* pIn = d.Block(BT_IN, 100, 100);
        CBlockObj* pOut = d.Block(BT_OUT, 600, 300);
        d.View().SetCurrentObjects(nullptr, d.Wire(pIn, 10, pOut, 0), nullptr);
        d.View().SeparateLine();
        ASSERT_EQ(d.Blocks().size(), 4u);
        CBlockObj* pMale = d.Doc().FindBlockByNumber(NUM_MALE);
        ASSERT_NE(pMale, nullptr);
        d.View().Selection().Clear(SELECTION_ALL);
        if (bByWire)
            Delete(d, d.Doc().FindLineToConnector(pMale));
        else
            Delete(d, pMale);
        EXPECT_EQ(d.Blocks().size(), 2u) << bByWire;
        EXPECT_TRUE(d.Lines().empty()) << bByWire;
        EXPECT_EQ(pOut->m_nPinSource[0], LINK_OPEN);
        EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &d.View()));
    }
}

TEST_F(DeleteTest, ReferencesAndMessageTextSlotsAreReleased)
{
    EditDocument& d = NewDocument();
    CBlockObj* pCounter = d.Block(BT_COUNTER, 100, 100);
    CBlockObj* pTimer = d.Block(BT_DPR, 300, 100);
    CBlockObj* pText = d.Block(BT_MSGTEXT, 100, 300);
    pTimer->m_pRefBlock[0] = pCounter;
    pTimer->m_nRefBlock[0] = pCounter->m_nNumber;
    pTimer->m_nParam[BLOCK_REF_USED_PARAM] = 1;
    Delete(d, pCounter, pText);
    EXPECT_EQ(pTimer->m_pRefBlock[0], nullptr);
    EXPECT_EQ(pTimer->m_nParam[BLOCK_REF_USED_PARAM], 0);
    EXPECT_EQ(pTimer->m_nNumber, 9000);
    EXPECT_FALSE(d.View().IsMsgTextSlotUsed(0));
}

TEST_F(DeleteTest, UndoBringsTheDeletedDiagramBack)
{
    EditDocument& d = NewDocument();
    CBlockObj* pIn = d.Block(BT_IN, 100, 100);
    CBlockObj* pAnd = d.Block(BT_AND, 300, 100);
    d.Wire(pIn, 10, pAnd, 0);
    auto* pComment = new CBlockComment;
    d.Doc().AddComment(pComment);
    d.Doc().m_undo.SaveState(&d.Doc());
    const Bytes before = d.Saved();
    d.View().SelectAll();
    EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &d.View()));
    EXPECT_EQ(d.View().Selection().Comments().GetCount(), 1);
    d.View().OnEditDelete();
    EXPECT_TRUE(d.Blocks().empty());
    EXPECT_TRUE(d.Doc().m_commentList.IsEmpty());
    ASSERT_TRUE(d.Doc().m_undo.Undo());
    EXPECT_EQ(d.Saved(), before);
}

TEST_F(DeleteTest, SelectAllIsOfferedForMoreThanConnectors)
{
    EditDocument& d = NewDocument();
    const auto offered = [&d] {
        CCmdUI ui;
        d.View().OnUpdateEditSelectAll(&ui);
        return ui.m_bEnabled;
    };
    EXPECT_FALSE(offered());
    d.Doc().m_blockList.AddTail(NewConnector(d.Doc(), BT_MALE, nullptr, nullptr));
    EXPECT_FALSE(offered()) << "connectors only";
    d.Doc().AddComment(new CBlockComment);
    EXPECT_TRUE(offered());
}

} // namespace
