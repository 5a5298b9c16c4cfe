// What other blocks keep of a block that goes: parameter references with the words they fed,
// the data log's items, and the message-text elements that show a block.
#include "document/RuleDiagram.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockDataLog.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/Widget.h"
#include "document/BlockReferences.h"
#include "document/MsgTextReferences.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

// ---- references of a deleted block ----

// A parameter word as the reference table names it: P0-P4, Q0-Q8, A0/A1 of an analog block.
enum class W { P0, P1, P2, P3, P4, Q0, Q1, Q2, Q3, Q4, Q5, Q6, Q7, Q8, A0, A1 };

int& WordOf(CBlockObj* pBlock, W w)
{
    const int n = int(w);
    if (w <= W::P4)
        return pBlock->m_nParam[8 + n];
    if (w <= W::Q8)
        return pBlock->m_nParamEx[n - int(W::Q0)];
    auto* pAnalog = dynamic_cast<CBlockAnalog*>(pBlock);
    EXPECT_NE(pAnalog, nullptr);
    return w == W::A0 ? pAnalog->m_nThreshold1 : pAnalog->m_nThreshold2;
}

constexpr W kAllWords[] = {W::P0, W::P1, W::P2, W::P3, W::P4, W::Q0, W::Q1, W::Q2, W::Q3,
                           W::Q4, W::Q5, W::Q6, W::Q7, W::Q8};

class ReferenceTest : public RuleDiagram {
protected:
    static constexpr int kMark = 77;

    // A block of the type whose reference k names the source, every word kMark.
    CBlockObj* Referring(int nType, int k, CBlockObj* pSource)
    {
        CBlockObj* pBlock = Block(nType);
        for (W w : kAllWords)
            WordOf(pBlock, w) = kMark;
        if (dynamic_cast<CBlockAnalog*>(pBlock)) {
            WordOf(pBlock, W::A0) = kMark;
            WordOf(pBlock, W::A1) = kMark;
        }
        pBlock->m_pRefBlock[k] = pSource;
        pBlock->m_nRefBlock[k] = pSource->m_nNumber;
        pBlock->m_nParam[BLOCK_REF_USED_PARAM + k] = 1;
        return pBlock;
    }
};

struct ReferenceCase {
    int nType;
    int k;
    std::vector<std::pair<W, int>> resets;
};

// The words each kind of block falls back to when the block feeding reference k goes; every
// other word keeps its value.
TEST_F(ReferenceTest, DeletingTheSourceResetsTheWordsItFed)
{
    const ReferenceCase cases[] = {
        {BT_MFS, 3, {{W::Q8, 0}, {W::Q7, 0}}},
        {BT_DPR, 0, {{W::P3, 0}, {W::P1, 0}, {W::P0, 0}, {W::P2, 2}}},
        {BT_DDR, 1, {{W::P4, 0}, {W::Q1, 0}, {W::Q0, 0}, {W::Q2, 2}}},
        {BT_SLS, 2, {{W::Q6, 0}, {W::Q5, 0}}},
        {BT_COUNTER, 1, {{W::Q1, 0}}},
        {BT_ENCODER, 0, {{W::P1, 0}}},
        {BT_HCOUNTER, 0, {{W::P1, 0}, {W::P0, 0}}},
        {BT_THTRG, 0, {{W::Q1, 0}, {W::Q0, 0}}},
        {BT_PWM, 0, {{W::P3, 0}, {W::P1, 0}, {W::P0, 0}, {W::P2, 2}}},
        {BT_AMUX, 1, {{W::Q1, 0}}},
        {BT_AMATH, 3, {{W::Q8, 0}}},
        {BT_MAXMIN, 0, {{W::P1, 0}}},
        {BT_MAXMIN, 1, {{W::A1, 0}}},
        {BT_ACOMP, 0, {{W::A0, 0}}},
        {BT_PI, 2, {{W::Q6, 0}}},
        {BT_XORM, 0, {{W::P1, 0}}},
        {BT_WORD2BIT, 0, {{W::P1, 0}}},
        {BT_MEM, 0, {{W::P0, 0}, {W::P1, 0}}},
        {BT_SHR, 0, {{W::P1, 1}}},
        {BT_RAND, 0, {{W::P1, 1}}},
        {BT_PTOE, 0, {{W::Q6, 0}}},
        {BT_SMC, 1, {{W::Q1, 250}}},
        {BT_REM, 0, {{W::P1, 10}}},
        {BT_ROUND, 0, {{W::P2, 0}}},
        {BT_ARRMXIV, 1, {{W::Q1, 0}}},
    };
    auto [pSource, pOther] = Blocks(BT_COUNTER, BT_COUNTER);
    for (const ReferenceCase& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.nType) + " reference " + std::to_string(c.k));
        CBlockObj* pBlock = Referring(c.nType, c.k, pSource);
        const int kOther = (c.k + 1) % BLOCK_REF_COUNT;
        pBlock->m_pRefBlock[kOther] = pOther;
        ClearReferencesTo(Doc(), pSource);
        EXPECT_EQ(pBlock->m_pRefBlock[c.k], nullptr);
        EXPECT_EQ(pBlock->m_nParam[BLOCK_REF_USED_PARAM + c.k], 0);
        EXPECT_EQ(pBlock->m_pRefBlock[kOther], pOther) << "a reference to another block stays";
        for (W w : kAllWords) {
            const auto reset = std::find_if(c.resets.begin(), c.resets.end(), [w](const auto& r) { return r.first == w; });
            EXPECT_EQ(WordOf(pBlock, w), reset == c.resets.end() ? kMark : reset->second) << "word " << int(w);
        }
        for (const auto& [word, nValue] : c.resets)  // the analog thresholds too
            EXPECT_EQ(WordOf(pBlock, word), nValue) << "word " << int(word);
    }
}

// The clock timers and analog blocks without references in their records keep their words;
// the deleted block's address does not stay behind in them either.
TEST_F(ReferenceTest, BlocksWithoutARowKeepTheirWordsButNotTheAddress)
{
    CBlockObj* pSource = Block(BT_COUNTER);
    for (int nType : {BT_WT, BT_AC, BT_AAMP, BT_AND}) {
        SCOPED_TRACE("type " + std::to_string(nType));
        CBlockObj* pBlock = Referring(nType, 0, pSource);
        ClearReferencesTo(Doc(), pSource);
        EXPECT_EQ(pBlock->m_pRefBlock[0], nullptr);
        EXPECT_EQ(pBlock->m_nParam[BLOCK_REF_USED_PARAM], 1) << "the use flag is the block's own";
        for (W w : kAllWords)
            EXPECT_EQ(WordOf(pBlock, w), kMark) << "word " << int(w);
    }
}

TEST_F(ReferenceTest, OlderGenerationExaminesOnlyTimersAndTheCounter)
{
    Doc().m_wHardwareCode = 0x2188;
    CBlockObj* pSource = Block(BT_COUNTER);
    CBlockObj* pTimer = Referring(BT_PLR, 0, pSource);
    CBlockObj* pCounter = Referring(BT_COUNTER, 1, pSource);
    CBlockObj* pPwm = Referring(BT_PWM, 0, pSource);
    CBlockObj* pTimer2 = Referring(BT_DPR, 1, pSource);
    ClearReferencesTo(Doc(), pSource);

    EXPECT_EQ(pTimer->m_pRefBlock[0], nullptr);
    EXPECT_EQ(WordOf(pTimer, W::P2), 2);
    EXPECT_EQ(WordOf(pTimer, W::P0), 0);
    EXPECT_EQ(WordOf(pCounter, W::Q1), 0);
    EXPECT_EQ(pCounter->m_nParam[BLOCK_REF_USED_PARAM + 1], 0);
    for (CBlockObj* pKept : {pPwm, pTimer2})
        for (W w : kAllWords)
            EXPECT_EQ(WordOf(pKept, w), kMark) << "word " << int(w);
    EXPECT_EQ(WordOf(pPwm, W::A0), kMark);
    EXPECT_EQ(pPwm->m_nParam[BLOCK_REF_USED_PARAM], 1) << "the PWM block is not examined";
    EXPECT_EQ(pTimer2->m_nParam[BLOCK_REF_USED_PARAM + 1], 1) << "a timer's second reference is not examined";
    EXPECT_NE(pPwm->m_pRefBlock[0], pSource) << "but no pointer to the deleted block stays";
    EXPECT_NE(pTimer2->m_pRefBlock[1], pSource);
}

TEST_F(ReferenceTest, DataLogDropsEveryItemOfTheDeletedBlock)
{
    auto [pSource, pKept] = Blocks(BT_COUNTER, BT_COUNTER);
    auto* pLog = static_cast<CBlockDataLog*>(Block(BT_DATALOG));
    for (CBlockObj* pItem : {pSource, pKept, pSource}) {
        DataLogItem item;
        item.strItem.Format(_T("B%d"), pItem->m_nNumber - NUM_FUNCTION_BLOCK);
        item.nValue1 = pItem->m_nNumber;
        item.nSpare = pItem;
        pLog->m_arrLogItems.Add(item);
    }
    pLog->m_nParam[DATALOG_COUNT_PARAM] = 3;
    ClearReferencesTo(Doc(), pSource);
    ASSERT_EQ(pLog->m_arrLogItems.GetSize(), 1);
    EXPECT_EQ(pLog->m_arrLogItems[0].nSpare, pKept);
    EXPECT_EQ(pLog->m_nParam[DATALOG_COUNT_PARAM], 1);
}

// ---- message-text elements ----

class MsgTextRefTest : public RuleDiagram {
protected:
    CWidget* AddWidget(CBlockMSGTEXT* pText, int nArray, CBlockObj* pBlock, int nNumber)
    {
        auto* pWidget = new CWidget(10, 10, 60, 16, RGB(0, 0, 0));
        pWidget->m_pBlock = pBlock;
        pWidget->m_nBlockNumber = nNumber;
        pText->WidgetArray(nArray).Add(pWidget);
        return pWidget;
    }
    static std::vector<CWidget*> Widgets(CBlockMSGTEXT* pText)
    {
        std::vector<CWidget*> widgets;
        for (int a = 0; a < MSGTEXT_WIDGET_ARRAYS; ++a)
            for (INT_PTR i = 0; i < pText->WidgetArray(a).GetSize(); ++i)
                widgets.push_back(static_cast<CWidget*>(pText->WidgetArray(a)[i]));
        return widgets;
    }
};

TEST_F(MsgTextRefTest, ElementsGoByNumberOrByBlockAndKeepTheirNumbersCurrent)
{
    auto [pCounter, pTimer] = Blocks(BT_COUNTER, BT_DPR);
    auto* pText = static_cast<CBlockMSGTEXT*>(Block(BT_MSGTEXT));
    auto* pText2 = static_cast<CBlockMSGTEXT*>(Block(BT_MSGTEXT));
    CWidget* pByNumber = AddWidget(pText, 0, nullptr, 9005);
    CWidget* pPointed = AddWidget(pText, 5, pCounter, 9005);
    CWidget* pTimerWidget = AddWidget(pText, 7, pTimer, pTimer->m_nNumber);
    pText->WidgetArray(2).Add(nullptr);
    CWidget* pOwn = AddWidget(pText2, 1, pText2, pText2->m_nNumber);
    CWidget* pOnText2 = AddWidget(pText, 3, pText2, pText2->m_nNumber);

    RemoveMsgTextRefsByNumber(Doc(), 9005);
    EXPECT_EQ(Widgets(pText), (std::vector<CWidget*>{nullptr, pOnText2, pPointed, pTimerWidget}))
        << "only the element without a block pointer goes";
    (void)pByNumber;

    RemoveMsgTextRefsByBlock(Doc(), pText2);
    EXPECT_EQ(Widgets(pText), (std::vector<CWidget*>{nullptr, pPointed, pTimerWidget}));
    EXPECT_EQ(Widgets(pText2), std::vector<CWidget*>{pOwn}) << "the block's own elements stay";

    // The counter leaves the list and the timer takes its number, as a delete renumbers.
    Doc().m_blockList.RemoveAt(Doc().m_blockList.Find(pCounter));
    pTimer->m_nNumber = NUM_FUNCTION_BLOCK;
    RefreshMsgTextRefNumbers(Doc());
    EXPECT_EQ(pTimerWidget->m_nBlockNumber, NUM_FUNCTION_BLOCK);
    EXPECT_EQ(pPointed->m_nBlockNumber, 9005) << "a block no longer listed is not read";
    delete pCounter;

    // The older controllers' texts keep the element of a deleted block, without its address.
    ForgetMsgTextBlock(Doc(), pTimer);
    EXPECT_EQ(pTimerWidget->m_pBlock, nullptr);
    EXPECT_EQ(pTimerWidget->m_nBlockNumber, NUM_FUNCTION_BLOCK);
    EXPECT_EQ(Widgets(pText), (std::vector<CWidget*>{nullptr, pPointed, pTimerWidget}));
}

} // namespace
