// Placing a block from the palette: the program's limits and their messages, the new block's
// defaults and geometry, every palette type in an FBD and a LAD document, and the palette's
// selection reaching the view as command ID_PALETTE_REFRESH.
#include "editor/DiagramConsistency.h"
#include "support/ActiveDocument.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/PowerBusObj.h"
#include "document/DocTestSupport.h"
#include "document/VetlaDoc.h"
#include "editor/PaletteHost.h"
#include "editor/PaletteTypes.h"
#include "editor/PlacementRules.h"
#include "editor/VetlaView.h"
#include "platform/core/CmdTarget.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/Wnd.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr WORD kOlderHardware = 0x2188;
constexpr WORD kNewerHardware = 0x5188;
constexpr WORD kWifiHardware = 0x5288;

std::u16string Text(const CMessageBoxRecorder::Box& box) { return std::u16string(box.text.GetString()); }

class PlaceNewBlock : public ::testing::Test {
protected:
    explicit PlaceNewBlock(int nDocType = DOC_TYPE_FBD) : m_active(nDocType)
    {
        Doc().m_wHardwareCode = kNewerHardware;
    }

    CVetlaDoc& Doc() { return m_active.Doc(); }
    CVetlaView& View() { return m_active.View(); }

    CBlockObj* Place(int nType, int x = 200, int y = 100)
    {
        POINT pt{x, y};
        return View().PlaceNewBlock(nType, &pt);
    }

    // Places the block and adds it to the document as the press handler does.
    CBlockObj* PlaceAndAdd(int nType, int x = 200, int y = 100)
    {
        CBlockObj* pBlock = Place(nType, x, y);
        if (pBlock)
            Doc().AddBlock(pBlock);
        return pBlock;
    }

    // Function blocks of the given program size each, numbered from 9000 on.
    void AddFunctionBlocks(int nCount, WORD wBytesEach)
    {
        for (int i = 0; i < nCount; ++i) {
            const int nNumber = NUM_FUNCTION_BLOCK + Doc().CountFunctionBlocks();
            CBlockObj* pBlock = m_active.Add(CreateBlockForType(BT_NOT, nullptr, nullptr));
            pBlock->m_nNumber = nNumber;
            pBlock->m_wProgramBytes = wBytesEach;
        }
    }

    std::vector<std::u16string> Messages() const
    {
        std::vector<std::u16string> texts;
        for (const auto& box : m_boxes.Boxes())
            texts.push_back(Text(box));
        return texts;
    }

    ActiveDocument m_active;
    CMessageBoxRecorder m_boxes;
};

TEST_F(PlaceNewBlock, TheThousandTwentyFourthFunctionBlockIsTheLast)
{
    AddFunctionBlocks(1023, 0);
    CBlockObj* pBlock = PlaceAndAdd(BT_OR);
    ASSERT_NE(pBlock, nullptr);
    EXPECT_EQ(pBlock->m_nNumber, NUM_FUNCTION_BLOCK + 1023);
    EXPECT_TRUE(m_boxes.Boxes().empty());

    // Refused whatever the memory: a block of no bytes at all.
    EXPECT_EQ(Place(BT_ROL), nullptr);
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(Text(m_boxes.Boxes()[0]), u"your program has taken 1024 blocks,can't  add new block");
    EXPECT_EQ(m_boxes.Boxes()[0].type & MB_ICONMASK, UINT(MB_ICONSTOP));
    // I/O blocks are not function blocks and still fit.
    EXPECT_NE(PlaceAndAdd(BT_IN), nullptr);
}

TEST_F(PlaceNewBlock, ProgramMemoryRefusesAtTheLimitItself)
{
    AddFunctionBlocks(1, 24564);
    EXPECT_EQ(Place(BT_AND), nullptr);  // 24564 + 12 is not below 24576
    EXPECT_EQ(Messages(), (std::vector<std::u16string>{u"Insufficient Resources to create/paste the blocks."}));
    EXPECT_EQ(m_boxes.Boxes()[0].type & MB_ICONMASK, UINT(MB_ICONSTOP));
    m_boxes.Clear();

    static_cast<CBlockObj*>(Doc().m_blockList.GetHead())->m_wProgramBytes = 24563;
    const std::unique_ptr<CBlockObj> pBlock(Place(BT_AND));
    ASSERT_NE(pBlock, nullptr);
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

// The check counts the rotations and the quadratic equation with 0 bytes.
TEST_F(PlaceNewBlock, RotateAndQuadraticPassWheneverMemoryIsBelowTheLimit)
{
    AddFunctionBlocks(1, 24575);
    for (int nType : {BT_ROL, BT_ROR, BT_SHL, BT_SHR, BT_QUAD}) {
        const std::unique_ptr<CBlockObj> pBlock(Place(nType));
        ASSERT_NE(pBlock, nullptr) << nType;
        EXPECT_GT(pBlock->m_wProgramBytes, 0) << "the block itself carries its size";
    }
    EXPECT_EQ(Place(BT_NOT), nullptr);
    static_cast<CBlockObj*>(Doc().m_blockList.GetHead())->m_wProgramBytes = 24576;
    EXPECT_EQ(Place(BT_ROL), nullptr);
}

// A kind with a text of its own adds it after the memory message.
TEST_F(PlaceNewBlock, MemoryRefusalOfAKindWithItsOwnTextShowsBoth)
{
    AddFunctionBlocks(1, 24570);
    EXPECT_EQ(Place(BT_WT), nullptr);
    EXPECT_EQ(Messages(), (std::vector<std::u16string>{u"Insufficient Resources to create/paste the blocks.",
                                                       u"All available Weekly Timer Blocks are in use!"}));
    m_boxes.Clear();
    EXPECT_EQ(Place(BT_MSGTEXT), nullptr);
    EXPECT_EQ(Messages(), (std::vector<std::u16string>{u"Insufficient Resources to create/paste the blocks.",
                                                       u"All available Message Text Blocks are in use!"}));
    EXPECT_FALSE(View().IsMsgTextSlotUsed(0)) << "a refused message text claims no number";
}

TEST_F(PlaceNewBlock, SixteenMessageTextsTakeTheLowestFreeNumbers)
{
    std::vector<CBlockObj*> texts;
    for (int i = 0; i < MSGTEXT_SLOT_COUNT; ++i) {
        CBlockObj* pBlock = PlaceAndAdd(BT_MSGTEXT);
        ASSERT_NE(pBlock, nullptr) << i;
        EXPECT_EQ(pBlock->m_nParamEx[MSGTEXT_SLOT_PARAMEX], i);
        texts.push_back(pBlock);
    }
    EXPECT_EQ(Place(BT_MSGTEXT), nullptr);
    EXPECT_EQ(Messages(), (std::vector<std::u16string>{u"All available Message Text Blocks are in use!"}));

    // Number 3 goes; the next text takes it again.
    Doc().m_blockList.RemoveAt(Doc().m_blockList.Find(texts[3]));
    delete texts[3];
    View().RebuildMsgTextSlots();
    CBlockObj* pBlock = PlaceAndAdd(BT_MSGTEXT);
    ASSERT_NE(pBlock, nullptr);
    EXPECT_EQ(pBlock->m_nParamEx[MSGTEXT_SLOT_PARAMEX], 3);
}

TEST(PlaceNewBlockByGeneration, ShiftRegisters)
{
    struct Case {
        WORD wHardware;
        int nAllowed;
        WORD wBytes;
    };
    for (const Case& c : {Case{kOlderHardware, 1, 12}, Case{kNewerHardware, 4, 16}}) {
        ActiveDocument active;
        active.Doc().m_wHardwareCode = c.wHardware;
        for (int i = 0; i < c.nAllowed; ++i) {
            POINT pt{100, 100};
            CBlockObj* pBlock = active.View().PlaceNewBlock(BT_SREG, &pt);
            ASSERT_NE(pBlock, nullptr) << i;
            EXPECT_EQ(pBlock->m_wProgramBytes, c.wBytes);
            active.Doc().AddBlock(pBlock);
        }
        CMessageBoxRecorder boxes;
        POINT pt{100, 100};
        EXPECT_EQ(active.View().PlaceNewBlock(BT_SREG, &pt), nullptr);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(Text(boxes.Boxes()[0]), u"All available Shift Register Blocks are in use!");
    }
}

TEST_F(PlaceNewBlock, GenerationSizesFollowTheDocumentNotTheActiveOne)
{
    struct Case {
        int nType;
        WORD wOlder;
        WORD wNewer;
    };
    for (const Case& c : {Case{BT_YT, 8, 14}, Case{BT_SREG, 12, 16}, Case{BT_MW, 18, 22}}) {
        for (WORD wHardware : {kOlderHardware, kNewerHardware}) {
            // The active document is of the other generation.
            Doc().m_wHardwareCode = wHardware == kOlderHardware ? kNewerHardware : kOlderHardware;
            CVetlaDoc doc;
            doc.m_wHardwareCode = wHardware;
            CVetlaView view(&doc);
            POINT pt{100, 100};
            const std::unique_ptr<CBlockObj> pBlock(view.PlaceNewBlock(c.nType, &pt));
            ASSERT_NE(pBlock, nullptr);
            EXPECT_EQ(pBlock->m_wProgramBytes, wHardware == kOlderHardware ? c.wOlder : c.wNewer) << c.nType;
        }
    }
}

// A full kind shows its own text; the document stays as it was. The cursor key is always full.
TEST_F(PlaceNewBlock, KindLimitsRefuseWithTheirTexts)
{
    struct Case {
        int nType;
        int nLimit;
        const char16_t* pszText;
    };
    const Case cases[] = {
        {BT_CURSOR_KEY, 0, u"All available Cursors are in use!"},
        {BT_DATALOG, 1, u"All available Data Log Block is in use!"},
        {BT_FKEY, 5, u"All Available TD Function Keys are in use!"},
        {BT_AFILTER, 8, u"All available Analog filter Blocks are in use!"},
        {BT_ANALOG_OUT, 32, u"All available Analog Outputs are in use!"},
    };
    for (const Case& c : cases) {
        for (int i = 0; i < c.nLimit; ++i)
            ASSERT_NE(PlaceAndAdd(c.nType), nullptr) << c.nType << " #" << i;
        const INT_PTR nBlocks = Doc().m_blockList.GetCount();
        m_boxes.Clear();
        EXPECT_EQ(Place(c.nType), nullptr);
        ASSERT_EQ(Messages(), (std::vector<std::u16string>{c.pszText}));
        EXPECT_EQ(m_boxes.Boxes()[0].type & MB_ICONMASK, UINT(MB_ICONSTOP));
        EXPECT_EQ(Doc().m_blockList.GetCount(), nBlocks);
    }
}

TEST_F(PlaceNewBlock, CodesWithoutACaseGiveNothingAndNoMessage)
{
    for (int nType : {BT_SOFTKEY, 828, 829, 857, 858, 859, BT_MALE, BT_FEMALE})
        EXPECT_EQ(Place(nType), nullptr) << nType;
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(PlaceNewBlock, SizeComesFromTheInputCount)
{
    struct Case {
        int nType;
        int nHeight;
    };
    for (const Case& c : {Case{BT_AND, 40}, Case{BT_COUNTER, 40}, Case{BT_XOR, 36}, Case{BT_NOT, 36},
                          Case{BT_IN, 36}, Case{BT_DDR, 36}}) {
        const std::unique_ptr<CBlockObj> pBlock(Place(c.nType));
        ASSERT_NE(pBlock, nullptr);
        EXPECT_EQ(pBlock->m_nWidth, 25);
        EXPECT_EQ(pBlock->m_nHeight, c.nHeight) << c.nType;
    }
}

TEST_F(PlaceNewBlock, AnFbdBlockStandsUnderTheClickEvenAtTheLeftEdge)
{
    for (POINT pt : {POINT{0, 0}, POINT{5, 7}, POINT{300, 250}}) {
        const std::unique_ptr<CBlockObj> pBlock(Place(BT_AND, pt.x, pt.y));
        ASSERT_NE(pBlock, nullptr);
        EXPECT_EQ(pBlock->m_ptPos, CPoint(pt.x - 12, pt.y));
        EXPECT_EQ(pBlock->m_ptPos2, pBlock->m_ptPos);
    }
}

class PlaceInLadder : public PlaceNewBlock {
protected:
    PlaceInLadder() : PlaceNewBlock(DOC_TYPE_LAD)
    {
        auto* pRail = new CPowerBusObj;
        pRail->m_nWidth = 6;
        pRail->m_nHeight = 600;
        Doc().m_powerBusList.AddTail(pRail);
        m_nRailRight = pRail->m_ptPos.x + pRail->m_nWidth;
    }

    int m_nRailRight = 0;
};

TEST_F(PlaceInLadder, ABlockClickedNearTheRailStandsBesideIt)
{
    const int r = m_nRailRight;
    struct Case {
        int x;
        int nLeft;
    };
    for (const Case& c : {Case{r - 40, r + 7}, Case{r + 17, r + 7}, Case{r + 18, r + 6}, Case{r + 19, r + 7},
                          Case{r + 100, r + 88}}) {
        const std::unique_ptr<CBlockObj> pBlock(Place(BT_MAKE, c.x, 55));
        ASSERT_NE(pBlock, nullptr);
        EXPECT_EQ(pBlock->m_ptPos, CPoint(c.nLeft, 55)) << "click at R + " << c.x - r;
    }
}

// The palette's lists for a document: what PaletteTab offers it.
std::vector<int> PaletteCodes(BYTE byModel, BOOL bLadder)
{
    InitPaletteTypeLists();
    std::set<int> codes;
    for (int nTab = PALETTE_TAB_BSC; nTab <= PALETTE_TAB_PROFILE; ++nTab) {
        const int nList = PaletteListOfTab(nTab, byModel, bLadder);
        if (nList < 0)
            continue;
        for (INT_PTR i = 0; i < g_paletteTypeLists[nList].GetSize(); ++i)
            codes.insert(int(g_paletteTypeLists[nList][i]));
    }
    return {codes.begin(), codes.end()};
}

// Every type the palette offers is placed, of the class the factory names, and numbered by the
// document; the diagram stays consistent.
void PlaceEveryPaletteType(int nDocType, WORD wHardware)
{
    ActiveDocument active(nDocType);
    active.Doc().m_wHardwareCode = wHardware;
    if (nDocType == DOC_TYPE_LAD)
        active.Doc().m_powerBusList.AddTail(new CPowerBusObj);
    CMessageBoxRecorder boxes;
    int y = 20;
    for (int nType : PaletteCodes(HIBYTE(wHardware), nDocType == DOC_TYPE_LAD)) {
        POINT pt{200, y += 50};
        CBlockObj* pBlock = active.View().PlaceNewBlock(nType, &pt);
        ASSERT_NE(pBlock, nullptr) << nType;
        EXPECT_EQ(pBlock->m_nType, nType);
        EXPECT_STREQ(pBlock->GetRuntimeClass()->m_lpszClassName, FindBlockType(nType)->cls.pClass->m_lpszClassName);
        active.Doc().AddBlock(pBlock);
        EXPECT_NE(pBlock->m_nNumber, 0) << nType;
    }
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_TRUE(DiagramIsConsistent(active.Doc(), &active.View()));
}

TEST(PlaceEveryPaletteType, InAnFbdDocumentOfEachGeneration)
{
    PlaceEveryPaletteType(DOC_TYPE_FBD, kOlderHardware);
    PlaceEveryPaletteType(DOC_TYPE_FBD, kWifiHardware);
}

TEST(PlaceEveryPaletteType, InALadDocument)
{
    PlaceEveryPaletteType(DOC_TYPE_LAD, kNewerHardware);
}

// The memory table agrees with the sizes the block classes give themselves, except where the
// check counts a block otherwise: the rotations, shifts and the quadratic equation with nothing,
// the CRC block with 16 bytes where its record takes 12.
TEST(PlacementProgramBytes, AgreesWithTheClassesExceptWhereTheCheckCountsOtherwise)
{
    const std::map<int, WORD> counted = {{BT_ROL, 0}, {BT_ROR, 0}, {BT_SHL, 0}, {BT_SHR, 0}, {BT_QUAD, 0},
                                         {BT_CRC16, 16}};
    ActiveDocument active;
    for (WORD wHardware : {kOlderHardware, kNewerHardware}) {
        active.Doc().m_wHardwareCode = wHardware;
        for (const BlockTypeRow& entry : FactoryTypeRows()) {
            const int nType = entry.nType;
            if (!IsFunctionBlockType(nType) || !IsPlaceableType(nType))
                continue;
            POINT pt{100, 100};
            const std::unique_ptr<CBlockObj> pBlock(active.View().PlaceNewBlock(nType, &pt));
            ASSERT_NE(pBlock, nullptr) << nType;
            const auto found = counted.find(nType);
            const WORD wExpected = found != counted.end() ? found->second : pBlock->m_wProgramBytes;
            EXPECT_EQ(PlacementProgramBytes(nType, IsNewGeneration(wHardware)), wExpected) << nType;
        }
    }
}

TEST(PlacementRefusalId, KindsAndTheirTexts)
{
    EXPECT_EQ(PlacementRefusalId(BT_RELAY_COIL), PlacementRefusalId(BT_INV_OUT));
    EXPECT_EQ(PlacementRefusalId(BT_AOUT_LAD), 599u);
    EXPECT_EQ(PlacementRefusalId(BT_ANALOG_OUT), 586u);
    for (int nType : {BT_AND, BT_DPR, BT_MW, BT_MALE, BT_FEMALE, 999})
        EXPECT_EQ(PlacementRefusalId(nType), 0u) << nType;
}

// A main window that keeps a palette selection, as the main frame does.
class PaletteHostWnd : public CWnd, public IPaletteHost {
public:
    int GetPaletteFlag() const override { return m_nFlag; }
    int GetPaletteTypeCode() const override { return m_nType; }
    COLORREF GetPaletteBackground() const override { return RGB(255, 255, 255); }

    int m_nFlag = 0;
    int m_nType = 0;
};

class PaletteRefresh : public ::testing::Test {
protected:
    PaletteRefresh() { m_thread.m_pMainWnd = &m_host; }
    ~PaletteRefresh() override { m_thread.m_pMainWnd = nullptr; }

    // The command as the main frame's routing delivers it.
    void SendRefresh(int nFlag, int nType)
    {
        m_host.m_nFlag = nFlag;
        m_host.m_nType = nType;
        EXPECT_TRUE(View().OnCmdMsg(ID_PALETTE_REFRESH, CN_COMMAND, nullptr, nullptr));
    }

    CVetlaView& View() { return m_active.View(); }

    CWinThread m_thread;
    PaletteHostWnd m_host;
    ActiveDocument m_active;
};

TEST_F(PaletteRefresh, ABlockItemEntersInsertModeAndTheTabChangeLeavesIt)
{
    SendRefresh(1, BT_OR);
    EXPECT_EQ(View().EditMode(), EDIT_MODE_INSERT);
    EXPECT_EQ(View().PaletteType(), BT_OR);
    SendRefresh(0, 0);
    EXPECT_EQ(View().EditMode(), EDIT_MODE_SELECT);
    EXPECT_EQ(View().PaletteType(), BT_OR) << "the pointer item keeps the last type";
}

TEST_F(PaletteRefresh, ThePointerItemEndsARunningSimulation)
{
    View().OnSimulation();
    ASSERT_EQ(View().EditMode(), EDIT_MODE_SIMULATE);
    ASSERT_EQ(g_pSimulatingView, &View());
    SendRefresh(0, 0);
    EXPECT_EQ(View().EditMode(), EDIT_MODE_SELECT);
    EXPECT_EQ(g_pSimulatingView, nullptr);
    EXPECT_EQ(m_active.Doc().m_bSimulating, 0);
}

TEST_F(PaletteRefresh, ABlockItemAbandonsAHalfDrawnWire)
{
    View().OnConnect();
    CBlockObj* pAnd = AddNew(m_active.Doc(), BT_AND, 200, 100);
    CRect rcPin;
    ASSERT_TRUE(GetBlockPinRect(&rcPin, pAnd, 10));
    View().WireTool().ClickAt(rcPin.CenterPoint().x, rcPin.CenterPoint().y);
    ASSERT_TRUE(View().WireTool().IsDrawing());
    SendRefresh(1, BT_AND);
    EXPECT_EQ(View().WireTool().IsDrawing(), FALSE);
    EXPECT_EQ(View().EditMode(), EDIT_MODE_INSERT);
}

TEST_F(PaletteRefresh, WithoutAPaletteHostNothingChanges)
{
    m_thread.m_pMainWnd = nullptr;
    View().OnConnect();
    View().OnPaletteRefresh();
    EXPECT_EQ(View().EditMode(), EDIT_MODE_CONNECT);
}

} // namespace
