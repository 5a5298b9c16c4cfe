#include "RecordTestSupport.h"
#include "SimDriver.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTypes.h"
#include "blocks/MessageTextClasses.h"
#include "blocks/Widget.h"

#include <gtest/gtest.h>

namespace {


class BlockMSGTEXTTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RegisterBlockClasses();
        RegisterMessageTextClasses();
    }
    void SetUp() override { m_active.Doc().m_wHardwareCode = kNewHardware; }

    TestDocument m_active;
};

CWidget* NewWidget(int nBlockNumber)
{
    auto* pWidget = new CWidget(10, 10, 60, 16, RGB(128, 128, 128));
    pWidget->m_nBlockNumber = nBlockNumber;
    // A placed element: a load refuses one off the LCD.
    pWidget->m_nLine = 1;
    pWidget->m_nColumn = 1;
    pWidget->m_nKind = 0;
    pWidget->m_nParamId = 0;
    pWidget->m_nWidth = 6;
    return pWidget;
}

void LoadWidgets(const Bytes& bytes, CVetlaDoc& doc, CBlockMSGTEXT& text, bool bOldStyle)
{
    LoadWith(bytes, &doc, [&](CArchive& ar) {
        if (bOldStyle)
            text.LoadOldStyleWidgets(ar);
        else
            text.SerializeWidgets(ar);
    });
}

int BlockNumberAt(CBlockMSGTEXT& text, int nArray, INT_PTR i)
{
    const auto* pWidget = static_cast<const CWidget*>(text.WidgetArray(nArray)[i]);
    return pWidget ? pWidget->m_nBlockNumber : -1;
}

TEST_F(BlockMSGTEXTTest, NewMessageTakesTheDefaultCharacterSetOnNewerModels)
{
    struct Case {
        WORD wModel;
        int nDefaultSet;
        int nExpected[3];
    };
    const Case cases[] = {{kNewHardware, 2, {2, 0, 1}}, {kNewHardware, 0, {0, 1, 0}},
                          {kOldHardware, 2, {0, 1, 0}}};
    for (const Case& c : cases) {
        m_active.Doc().m_wHardwareCode = c.wModel;
        m_active.Doc().m_nDefaultCharSet = c.nDefaultSet;
        CBlockMSGTEXT text(BT_MSGTEXT);
        text.InitForDocument(&m_active.Doc());
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(text.m_nMsgSettings[i], c.nExpected[i]) << c.wModel << " " << i;
        EXPECT_EQ(text.m_nMsgSettings[13], 0);
    }
}

TEST_F(BlockMSGTEXTTest, RecordInterleavesTheTwoPlanesCellByCell)
{
    CBlockMSGTEXT text(BT_MSGTEXT);
    for (auto& row : text.m_strCells1)
        for (CString& cell : row)
            cell.Empty();
    for (auto& row : text.m_strCells2)
        for (CString& cell : row)
            cell.Empty();
    text.m_strCells1[0][0] = _T("a");
    text.m_strCells2[0][0] = _T("b");
    text.m_strCells1[0][1] = _T("c");
    text.m_nMsgSettings[0] = 5;
    text.m_nMsgSettings[13] = 6;
    const Bytes bytes = StoreObject(&text);
    const std::size_t n = ClassHeaderLength(&text) + kCommonShortLength + kCommonTailLength;
    const Bytes head(bytes.begin() + std::ptrdiff_t(n), bytes.begin() + std::ptrdiff_t(n + 18));
    const Bytes expected = {0xFF, 0xFE, 0xFF, 1, 'a', 0, 0xFF, 0xFE, 0xFF, 1, 'b', 0,
                            0xFF, 0xFE, 0xFF, 1, 'c', 0};
    EXPECT_EQ(head, expected);
    // 250 cells, three of one character, then fourteen ints.
    ASSERT_EQ(bytes.size(), n + 250 * 4 + 3 * 2 + 14 * 4);
    EXPECT_EQ(ReadI32(bytes, bytes.size() - 56), 5);
    EXPECT_EQ(ReadI32(bytes, bytes.size() - 4), 6);
}

TEST_F(BlockMSGTEXTTest, SchemaZeroRecordHoldsThirteenColumnsOfPlaneOne)
{
    CBlockMSGTEXT text(BT_MSGTEXT);
    for (int nRow = 0; nRow < MSGTEXT_ROWS; ++nRow) {
        for (int nCol = 0; nCol < MSGTEXT_COLUMNS; ++nCol) {
            text.m_strCells1[nRow][nCol] = _T("x");
            text.m_strCells2[nRow][nCol] = _T("y");
        }
    }
    // The short record: the common part without its tail, then 5 x 13 cells.
    Bytes shortForm = ToSchema0(StoreObject(&text), &text, 0);
    const std::size_t nCells = ClassHeaderLength(&text) + kCommonShortLength;
    shortForm.resize(nCells);
    const Bytes cell = {0xFF, 0xFE, 0xFF, 1, 'q', 0};
    for (int i = 0; i < MSGTEXT_ROWS * MSGTEXT_OLD_COLUMNS; ++i)
        shortForm.insert(shortForm.end(), cell.begin(), cell.end());
    auto pLoaded = LoadObjectAs<CBlockMSGTEXT>(shortForm, &m_active.Doc());
    ASSERT_TRUE(pLoaded);
    EXPECT_EQ(pLoaded->m_strCells1[4][12], _T("q"));
    EXPECT_EQ(pLoaded->m_strCells1[0][13], _T("W"));
    EXPECT_TRUE(pLoaded->m_strCells1[1][13].IsEmpty());
    EXPECT_TRUE(pLoaded->m_strCells2[1][1].IsEmpty());
}

TEST_F(BlockMSGTEXTTest, StoredSlotOutsideTheSixteenSlotsIsRefused)
{
    for (int nSlot : {-1, 0, 15, 16, -2, 1000}) {
        CBlockMSGTEXT text(BT_MSGTEXT);
        text.m_nParamEx[MSGTEXT_SLOT_PARAMEX] = nSlot;
        const Bytes bytes = StoreObject(&text);
        const bool bValid = nSlot >= -1 && nSlot < 16;
        EXPECT_EQ(ArchiveFailure([&] { LoadObjectAs<CBlockMSGTEXT>(bytes, &m_active.Doc()); }),
                  bValid ? -1 : CArchiveException::generic)
            << nSlot;
    }
}

TEST_F(BlockMSGTEXTTest, ElementArraysRoundTripWithNullEntriesInPlace)
{
    CBlockMSGTEXT text(BT_MSGTEXT);
    text.m_arrWidgets1[0].Add(NewWidget(9001));
    text.m_arrWidgets1[0].Add(nullptr);
    text.m_arrWidgets1[0].Add(NewWidget(9002));
    text.m_arrWidgets2[3].Add(NewWidget(9003));
    const Bytes bytes = StoreWith([&](CArchive& ar) { text.SerializeWidgets(ar); });

    CBlockMSGTEXT loaded(BT_MSGTEXT);
    loaded.m_arrWidgets1[1].Add(NewWidget(1));  // replaced by the load
    LoadWidgets(bytes, m_active.Doc(), loaded, false);
    ASSERT_EQ(loaded.m_arrWidgets1[0].GetSize(), 3);
    EXPECT_EQ(BlockNumberAt(loaded, 0, 0), 9001);
    EXPECT_EQ(BlockNumberAt(loaded, 0, 1), -1);
    EXPECT_EQ(BlockNumberAt(loaded, 0, 2), 9002);
    EXPECT_TRUE(loaded.m_arrWidgets1[1].IsEmpty());
    ASSERT_EQ(loaded.m_arrWidgets2[3].GetSize(), 1);
    EXPECT_EQ(BlockNumberAt(loaded, 7, 0), 9003);
    EXPECT_EQ(StoreWith([&](CArchive& ar) { loaded.SerializeWidgets(ar); }), bytes);
}

TEST_F(BlockMSGTEXTTest, ElementArraysRefuseForeignObjectsAndSharedElements)
{
    // An element listed twice comes back as a reference to the one already read.
    CBlockMSGTEXT shared(BT_MSGTEXT);
    CWidget* pWidget = NewWidget(9001);
    shared.m_arrWidgets1[0].Add(pWidget);
    shared.m_arrWidgets1[2].Add(pWidget);
    const Bytes twice = StoreWith([&](CArchive& ar) { shared.SerializeWidgets(ar); });
    shared.m_arrWidgets1[2].RemoveAll();

    CBlockMSGTEXT loaded(BT_MSGTEXT);
    EXPECT_EQ(ArchiveFailure([&] { LoadWidgets(twice, m_active.Doc(), loaded, false); }),
              CArchiveException::badIndex);

    const Bytes foreign = StoreWith([&](CArchive& ar) {
        CBlockComment comment;
        ar.WriteCount(1);
        ar.WriteObject(&comment);
    });
    CBlockMSGTEXT other(BT_MSGTEXT);
    EXPECT_EQ(ArchiveFailure([&] { LoadWidgets(foreign, m_active.Doc(), other, false); }),
              CArchiveException::badClass);
}

// Files of the oldest program hold one array per message: element i is line list i's only
// element. Here element i names block 9000 + i; the second is null where asked.
Bytes OldStyleArray(int nCount, bool bSecondNull)
{
    return StoreWith([&](CArchive& ar) {
        CObArray old;
        for (int i = 0; i < nCount; ++i)
            old.Add(bSecondNull && i == 1 ? nullptr : NewWidget(9000 + i));
        old.Serialize(ar);
        for (INT_PTR i = 0; i < old.GetSize(); ++i)
            delete old[i];
    });
}

TEST_F(BlockMSGTEXTTest, OldStyleArrayFillsOneListPerElement)
{
    CBlockMSGTEXT text(BT_MSGTEXT);
    LoadWidgets(OldStyleArray(MSGTEXT_WIDGET_ARRAYS, true), m_active.Doc(), text, true);
    EXPECT_EQ(BlockNumberAt(text, 0, 0), 9000);
    EXPECT_TRUE(text.m_arrWidgets1[1].IsEmpty());
    EXPECT_EQ(BlockNumberAt(text, 2, 0), 9002);
    EXPECT_EQ(BlockNumberAt(text, 7, 0), 9007);
    for (int i = 0; i < MSGTEXT_WIDGET_ARRAYS; ++i)
        EXPECT_LE(text.WidgetArray(i).GetSize(), 1);
}

TEST_F(BlockMSGTEXTTest, OldStyleArrayLongerThanTheEightListsIsCutThere)
{
    CBlockMSGTEXT text(BT_MSGTEXT);
    LoadWidgets(OldStyleArray(MSGTEXT_WIDGET_ARRAYS + 2, false), m_active.Doc(), text, true);
    for (int i = 0; i < MSGTEXT_WIDGET_ARRAYS; ++i) {
        ASSERT_EQ(text.WidgetArray(i).GetSize(), 1) << i;
        EXPECT_EQ(BlockNumberAt(text, i, 0), 9000 + i);
    }
    // A damaged array that names a cut element twice is refused, the element freed once.
    const Bytes twice = StoreWith([](CArchive& ar) {
        CObArray old;
        for (int i = 0; i <= MSGTEXT_WIDGET_ARRAYS; ++i)
            old.Add(NewWidget(9000 + i));
        old.Add(old[MSGTEXT_WIDGET_ARRAYS]);
        old.Serialize(ar);
        for (int i = 0; i <= MSGTEXT_WIDGET_ARRAYS; ++i)
            delete old[i];
    });
    CBlockMSGTEXT damaged(BT_MSGTEXT);
    EXPECT_EQ(ArchiveFailure([&] { LoadWidgets(twice, m_active.Doc(), damaged, true); }), CArchiveException::badIndex);
}

TEST_F(BlockMSGTEXTTest, CopyDuplicatesElementsAndTakesWhatTheGenerationShows)
{
    for (WORD wModel : {kOldHardware, kNewHardware}) {
        m_active.Doc().m_wHardwareCode = wModel;
        const bool bNew = wModel == kNewHardware;
        CBlockMSGTEXT source(BT_MSGTEXT);
        source.SetDocument(&m_active.Doc());
        source.m_arrWidgets1[1].Add(nullptr);
        source.m_arrWidgets1[1].Add(NewWidget(9001));
        source.m_arrWidgets2[0].Add(NewWidget(9002));
        source.m_strCells1[1][12] = _T("a");
        source.m_strCells1[1][13] = _T("b");
        source.m_strCells2[1][1] = _T("c");
        source.m_nMsgSettings[5] = 7;

        CBlockMSGTEXT copy(BT_MSGTEXT);
        copy.m_arrWidgets1[1].Add(NewWidget(1));  // replaced by the copy
        source.CopyTo(&copy, FALSE);
        ASSERT_EQ(copy.m_arrWidgets1[1].GetSize(), 2) << wModel;
        EXPECT_EQ(copy.m_arrWidgets1[1][0], nullptr);
        EXPECT_NE(copy.m_arrWidgets1[1][1], source.m_arrWidgets1[1][1]);
        EXPECT_EQ(BlockNumberAt(copy, 1, 1), 9001);
        EXPECT_EQ(copy.m_strCells1[1][12], _T("a"));
        EXPECT_EQ(copy.m_strCells1[1][13], bNew ? _T("b") : _T(""));
        EXPECT_EQ(copy.m_strCells2[1][1], bNew ? _T("c") : _T(""));
        EXPECT_EQ(copy.m_arrWidgets2[0].GetSize(), bNew ? 1 : 0);
        EXPECT_EQ(copy.m_nMsgSettings[5], bNew ? 7 : 0);
    }
}

class BlockMSGTEXTSim : public testing::Test {
protected:
    void SetUp() override
    {
        m_pEnable = m_sim.Add(new CBlockObj(BT_IN, 0), 100);
        m_pText = m_sim.Add(new CBlockMSGTEXT(BT_MSGTEXT), 9000);
        SimDriver::Connect(m_pEnable, m_pText, 0);
        m_sim.Start();
    }

    struct Step {
        int nEnable;
        int nAwaitingAck;
        int nState;
    };
    void ExpectStates(std::initializer_list<Step> steps)
    {
        for (const Step& step : steps) {
            SimDriver::SetInput(m_pEnable, step.nEnable);
            m_pText->m_bAwaitingAck = step.nAwaitingAck;
            m_sim.Scan();
            EXPECT_EQ(SimDriver::State(m_pText), step.nState)
                << "enable " << step.nEnable << " awaiting " << step.nAwaitingAck;
        }
    }

    SimDriver m_sim;
    CBlockObj* m_pEnable = nullptr;
    CBlockMSGTEXT* m_pText = nullptr;
};

TEST_F(BlockMSGTEXTSim, MessageFollowsItsEnableUnlessItAwaitsAcknowledgement)
{
    m_pText->m_nParamEx[MSGTEXT_ACK_PARAMEX] = 1;
    ExpectStates({{1, 0, 1}, {1, 0, 1}, {0, 0, 0}, {0, 0, 0}});
    EXPECT_EQ(m_pText->m_bShown, 1) << "a message asking for acknowledgement is marked";
    EXPECT_EQ(m_pText->m_nParam[BLOCK_RETENTIVE_PARAM], 0) << "in the run, not in its stored words";
    // Shown and awaiting: the falling enable and the scans after it keep the message on.
    ExpectStates({{1, 0, 1}, {1, 1, 1}, {0, 1, 1}, {0, 1, 1}});
    // Acknowledged: the next scan follows the enable again.
    ExpectStates({{0, 0, 0}});
}

}  // namespace
