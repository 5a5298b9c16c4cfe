// The message texts of a running simulation without windows: their order by priority, which
// change of the last scan the display hears of, and which page it shows then.
#include "blocks/BlockFactory.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "document/SimMessageTexts.h"
#include "document/SimScan.h"
#include "document/VetlaDoc.h"

#include <gtest/gtest.h>

namespace {

class SimMessageTexts : public ::testing::Test {
protected:
    CBlockMSGTEXT* Text(int nPriority)
    {
        auto* pText = static_cast<CBlockMSGTEXT*>(CreateBlockForType(BT_MSGTEXT, m_slots, &m_doc));
        m_doc.AddBlock(pText);
        pText->m_nParamEx[MSGTEXT_SLOT_PARAMEX] = nPriority;
        return pText;
    }
    // The state a scan leaves: the output and whether the enable input changed in it.
    static void Scanned(CBlockMSGTEXT* pText, int nState, bool bChanged)
    {
        pText->m_nPinValue[BLOCK_FIRST_OUTPUT] = nState;
        pText->m_nPinValue[0] = nState;
        pText->m_bPinChanged[0] = bChanged ? 1 : 0;
    }
    std::vector<int> Pages() const
    {
        std::vector<int> pages;
        for (const CBlockMSGTEXT* pText : MessageTextsByPriority(m_doc))
            pages.push_back(pText->m_nNumber);
        return pages;
    }
    int Choose(int nActive, const CBlockMSGTEXT* pText, int nEvent) const
    {
        return ChooseShownMessagePage(m_doc, Pages(), nActive, pText->m_nNumber, nEvent);
    }

    CVetlaDoc m_doc;
    int m_slots[16] = {};
};

TEST_F(SimMessageTexts, PagesGoByPriorityAndEqualPrioritiesKeepTheDocumentOrder)
{
    CBlockMSGTEXT* p7 = Text(7);
    CBlockMSGTEXT* p3 = Text(3);
    CBlockMSGTEXT* p3b = Text(3);
    CBlockMSGTEXT* p0 = Text(0);
    EXPECT_EQ(Pages(), (std::vector<int>{p0->m_nNumber, p3->m_nNumber, p3b->m_nNumber, p7->m_nNumber}));
}

TEST_F(SimMessageTexts, TitlesAreTheSlotAndASlotOutsideTheTableIsNoIndex)
{
    for (const auto& [nSlot, pszTitle] : {std::pair(0, "0"), std::pair(15, "15"), std::pair(-1, "-"),
                                          std::pair(16, "-"), std::pair(9000, "-")})
        EXPECT_EQ(MessageTextPageTitle(nSlot).ToUtf8(), pszTitle) << nSlot;
}

TEST_F(SimMessageTexts, TheHigherOfTwoActiveMessagesIsShownAndTheLowerTakesOverWhenItGoes)
{
    CBlockMSGTEXT* p3 = Text(3);
    CBlockMSGTEXT* p7 = Text(7);
    Scanned(p3, 1, true);
    EXPECT_EQ(Choose(-1, p3, MSGTEXT_EVENT_ON), 0);
    Scanned(p7, 1, true);
    EXPECT_EQ(Choose(0, p7, MSGTEXT_EVENT_ON), 1);
    // The lower message coming on again does not push the higher one away.
    EXPECT_EQ(Choose(1, p3, MSGTEXT_EVENT_ON), 1);
    Scanned(p7, 0, true);
    EXPECT_EQ(Choose(1, p7, MSGTEXT_EVENT_OFF), 0);
}

TEST_F(SimMessageTexts, AMessageGoingOffWhileAnotherIsShownChangesNothing)
{
    CBlockMSGTEXT* p3 = Text(3);
    CBlockMSGTEXT* p5 = Text(5);
    CBlockMSGTEXT* p7 = Text(7);
    Scanned(p3, 1, false);
    Scanned(p7, 1, false);
    Scanned(p5, 0, true);
    // The user looks at page 0 (priority 3): the message of priority 5 going off keeps it.
    EXPECT_EQ(Choose(0, p5, MSGTEXT_EVENT_OFF), 0);
}

TEST_F(SimMessageTexts, EqualPrioritiesShowTheLaterPageAndAShownAckMessageHoldsItsPage)
{
    CBlockMSGTEXT* pFirst = Text(4);
    CBlockMSGTEXT* pSecond = Text(4);
    Scanned(pFirst, 1, false);
    Scanned(pSecond, 1, true);
    EXPECT_EQ(Choose(0, pSecond, MSGTEXT_EVENT_ON), 1);
    // A message that waits for its acknowledgement keeps its page when its input goes off.
    pSecond->m_bShown = 1;
    Scanned(pSecond, 0, true);
    EXPECT_EQ(Choose(1, pSecond, MSGTEXT_EVENT_OFF), 1);
    // Nothing active at all: the shown page stays.
    Scanned(pFirst, 0, false);
    pSecond->m_bShown = 0;
    EXPECT_EQ(Choose(1, pSecond, MSGTEXT_EVENT_OFF), 1);
}

TEST_F(SimMessageTexts, TheScansChangeNamesTheFirstMessageOnOrElseTheLastOneOff)
{
    CBlockMSGTEXT* pA = Text(1);
    CBlockMSGTEXT* pB = Text(2);
    CBlockMSGTEXT* pC = Text(3);
    Scanned(pA, 0, true);
    Scanned(pB, 0, true);
    Scanned(pC, 0, false);
    MessageTextChange change = TakeMessageTextChange(m_doc);
    EXPECT_EQ(change.pCameOn, nullptr);
    EXPECT_EQ(change.nWentOff, pB->m_nNumber);
    EXPECT_FALSE(AnyMessageTextActive(m_doc));

    pC->m_nParamEx[MSGTEXT_ACK_PARAMEX] = 1;
    for (int& bRefresh : pC->m_bRefresh)
        bRefresh = 0;
    Scanned(pC, 1, true);
    change = TakeMessageTextChange(m_doc);
    EXPECT_EQ(change.pCameOn, pC);
    EXPECT_EQ(change.nWentOff, -1);
    EXPECT_EQ(pC->m_bAwaitingAck, 1);
    for (int bRefresh : pC->m_bRefresh)
        EXPECT_EQ(bRefresh, 1);
    EXPECT_TRUE(AnyMessageTextActive(m_doc));

    Scanned(pA, 0, false);
    Scanned(pB, 0, false);
    Scanned(pC, 1, false);
    change = TakeMessageTextChange(m_doc);
    EXPECT_EQ(change.pCameOn, nullptr);
    EXPECT_EQ(change.nWentOff, -1);
}

// A message that asked for acknowledgement in one run is not active in the next while its
// input stays off: the run's mark goes with the run.
TEST_F(SimMessageTexts, AMessageShownInOneRunIsNotActiveInTheNext)
{
    CBlockObj* pInput = CreateBlockForType(BT_IN, nullptr, &m_doc);
    m_doc.AddBlock(pInput);
    pInput->m_nNumber = NUM_INPUT;
    CBlockMSGTEXT* pText = Text(2);
    pText->m_nParamEx[MSGTEXT_ACK_PARAMEX] = 1;
    pText->m_nPinSource[0] = NUM_INPUT;
    CSimContext sim;
    sim.stScan = sim.stNow = SYSTEMTIME{2024, 3, 1, 4, 8, 0, 0, 0};
    StartSimulationRun(m_doc, sim.stScan);
    pInput->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    ScanDocument(m_doc, sim);
    ASSERT_TRUE(IsMessageTextActive(*pText));
    EndSimulationRun(m_doc);

    StartSimulationRun(m_doc, sim.stScan);
    ScanDocument(m_doc, sim);
    EXPECT_FALSE(IsMessageTextActive(*pText));
    EXPECT_FALSE(AnyMessageTextActive(m_doc));
}

}  // namespace
