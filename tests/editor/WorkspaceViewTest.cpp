// The block palette page: which items a tab offers for the active document, the hit test of the
// symbol boxes, the click that selects a type for the main window, the cursor, and the drawing
// (boxes, highlight frame, symbols and names) through the recording surface.
#include "support/ActiveDocument.h"
#include "editor/SimulationFrame.h"

#include "blocks/BlockTypes.h"
#include "document/ModelSettings.h"
#include "editor/ActiveDiagram.h"
#include "editor/PaletteHost.h"
#include "editor/PaletteTypes.h"
#include "editor/SimulationBarDlg.h"
#include "editor/WorkspaceView.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/NativeWindow.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/Wnd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using Codes = std::vector<UINT>;
using Record = RecordingSurface::Record;
using Kind = RecordingSurface::Kind;

constexpr COLORREF kBoxFill = RGB(245, 217, 129);
constexpr COLORREF kFrame = RGB(200, 0, 0);

Codes Range(UINT nFirst, UINT nLast)
{
    Codes codes;
    for (UINT n = nFirst; n <= nLast; ++n)
        codes.push_back(n);
    return codes;
}

// A main window that records the palette's messages and answers as palette host.
class MainWindowStub : public CWnd, public IPaletteHost {
public:
    int GetPaletteFlag() const override { return 0; }
    int GetPaletteTypeCode() const override { return 0; }
    COLORREF GetPaletteBackground() const override { return RGB(10, 20, 30); }

    std::vector<std::pair<WPARAM, LPARAM>> m_selections;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PALETTE_SELECT) {
            m_selections.emplace_back(wParam, lParam);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class WorkspaceViewTest : public ::testing::Test {
protected:
    explicit WorkspaceViewTest(int nDocType = DOC_TYPE_FBD) : m_active(nDocType)
    {
        InitPaletteTypeLists();
        Doc().m_wHardwareCode = 0x5188;
        m_thread.m_pMainWnd = &m_main;
        m_view.OnInitialUpdate();
    }
    ~WorkspaceViewTest() override { m_thread.m_pMainWnd = nullptr; }

    CVetlaDoc& Doc() { return m_active.Doc(); }

    Codes ItemsOf(int nCategory)
    {
        m_view.m_nCategory = nCategory;
        return m_view.GetItems();
    }

    int HitAt(int x, int y)
    {
        WPARAM wParam = 0;
        int nType = 0;
        if (!m_view.HitTestItem(&wParam, &nType, x, y))
            return 0;
        EXPECT_EQ(wParam, 1u);
        return nType;
    }

    void Click(int x, int y) { m_view.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }

    std::vector<Record> Draw()
    {
        RecordingSurface surface(SIZE{200, 1400});
        CDC dc(surface);
        m_view.OnDraw(&dc);
        return surface.Records();
    }

    CWinThread m_thread;
    MainWindowStub m_main;
    ActiveDocument m_active;
    CWorkspaceView m_view;
};

TEST_F(WorkspaceViewTest, InitialUpdateSetsThePaletteScrollExtent)
{
    EXPECT_EQ(m_view.GetTotalSize(), CSize(30, 1300));
}

TEST_F(WorkspaceViewTest, OnlyTheSymbolBoxesAreHit)
{
    m_view.m_nCategory = PALETTE_TAB_BSC;
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(HitAt(10, 46 * i + 15), int(300 + i)) << "top left corner of box " << i;
        EXPECT_EQ(HitAt(34, 46 * i + 50), int(300 + i)) << "bottom right pixel of box " << i;
        for (int y = 46 * i + 51; y <= 46 * i + 60; ++y)
            EXPECT_EQ(HitAt(20, y), 0) << "between boxes at y " << y;
        EXPECT_EQ(HitAt(9, 46 * i + 30), 0);
        EXPECT_EQ(HitAt(35, 46 * i + 30), 0);
        EXPECT_EQ(HitAt(60, 46 * i + 30), 0) << "on the name";
    }
    EXPECT_EQ(HitAt(20, 46 * 8 + 30), 0) << "below the last item";
}

// What each page lists is the block-type table's; which list a page shows follows the
// document's controller.
TEST_F(WorkspaceViewTest, ListsFollowTheDocumentsController)
{
    Doc().m_wHardwareCode = 0x5188;
    EXPECT_EQ(ItemsOf(PALETTE_TAB_TMR).size(), 14u);
    EXPECT_EQ(ItemsOf(PALETTE_TAB_IO).size(), 11u);
    EXPECT_EQ(ItemsOf(PALETTE_TAB_MISC).size(), 23u);

    Doc().m_wHardwareCode = 0x2188;
    EXPECT_EQ(ItemsOf(PALETTE_TAB_TMR).size(), 12u);
    EXPECT_EQ(ItemsOf(PALETTE_TAB_IO).size(), 10u);
    EXPECT_EQ(ItemsOf(PALETTE_TAB_MISC).size(), 14u);

    // Below model byte 17 the I/O and Misc pages stay empty.
    Doc().m_wHardwareCode = 0x1088;
    EXPECT_TRUE(ItemsOf(PALETTE_TAB_IO).empty());
    EXPECT_TRUE(ItemsOf(PALETTE_TAB_MISC).empty());
    EXPECT_EQ(HitAt(20, 30), 0);
}

TEST_F(WorkspaceViewTest, WifiBlocksOnlyForTheWifiModel)
{
    for (WORD wHardware : {0x2188, 0x5188, 0x5288, 0x6188}) {
        Doc().m_wHardwareCode = wHardware;
        const Codes misc = ItemsOf(PALETTE_TAB_MISC);
        const bool bWifi = std::find(misc.begin(), misc.end(), UINT(BT_WIFI_IN)) != misc.end();
        EXPECT_EQ(bWifi, wHardware == 0x5288) << std::hex << wHardware;
    }
    Doc().m_wHardwareCode = 0x5288;
    const Codes misc = ItemsOf(PALETTE_TAB_MISC);
    ASSERT_EQ(misc.size(), 27u);
    EXPECT_EQ(Codes(misc.end() - 4, misc.end()), Range(824, 827));
    EXPECT_EQ(HitAt(20, 46 * 26 + 20), BT_WIFI_AOUT);
}

TEST(WorkspaceView, WithoutADiagramTheStartHardwareAndFbdListsApply)
{
    InitPaletteTypeLists();
    ASSERT_EQ(GetActiveVetlaDoc(), nullptr);
    const WORD wSaved = g_wHardwareCode;
    CWorkspaceView view;
    for (WORD wHardware : {WORD(0x2188), WORD(0x5188)}) {
        g_wHardwareCode = wHardware;
        view.m_nCategory = PALETTE_TAB_TMR;
        EXPECT_EQ(view.GetItems().size(), wHardware == 0x5188 ? 14u : 12u);
        view.m_nCategory = PALETTE_TAB_IO;
        EXPECT_EQ(view.GetItems().front(), UINT(BT_IN)) << "the FBD page";
    }
    g_wHardwareCode = wSaved;
}

class WorkspaceViewLadderTest : public WorkspaceViewTest {
protected:
    WorkspaceViewLadderTest() : WorkspaceViewTest(DOC_TYPE_LAD) {}
};

TEST_F(WorkspaceViewLadderTest, ALadderDocumentOffersEdgeGatesAndLadderElements)
{
    EXPECT_EQ(ItemsOf(PALETTE_TAB_BSC), (Codes{BT_AND_EDGE, BT_NAND_EDGE}));
    EXPECT_EQ(HitAt(20, 46 + 20), BT_NAND_EDGE);
    EXPECT_EQ(HitAt(20, 2 * 46 + 20), 0);
    EXPECT_EQ(ItemsOf(PALETTE_TAB_IO), Range(700, 705));
    Doc().m_wHardwareCode = 0x1088;
    EXPECT_EQ(ItemsOf(PALETTE_TAB_IO), Range(700, 705)) << "the ladder page does not depend on the model";
}

TEST_F(WorkspaceViewTest, AClickSelectsTheTypeForTheMainWindow)
{
    m_view.m_nCategory = PALETTE_TAB_TMR;
    Click(20, 46 * 3 + 20);
    EXPECT_EQ(m_view.m_nSelectedType, BT_PLR);
    ASSERT_EQ(m_main.m_selections.size(), 1u);
    EXPECT_EQ(m_main.m_selections[0], (std::pair<WPARAM, LPARAM>(1, BT_PLR)));

    // Between boxes and on a name nothing happens; the selection stays.
    Click(20, 46 * 4 + 55);
    Click(80, 46 * 5 + 30);
    EXPECT_EQ(m_main.m_selections.size(), 1u);
    EXPECT_EQ(m_view.m_nSelectedType, BT_PLR);
}

// The boxes a click hits are those drawn last: between a change of the active document and
// the repaint it asks for, the page still shows the other generation's list.
TEST_F(WorkspaceViewTest, AClickHitsTheListDrawnLastWhileTheActiveDocumentChanged)
{
    m_view.m_nCategory = PALETTE_TAB_IO;
    EXPECT_TRUE(m_view.ShowsCurrentItems()) << "nothing drawn yet";
    Doc().m_wHardwareCode = 0x5188;
    Draw();
    EXPECT_TRUE(m_view.ShowsCurrentItems());
    // Box 5 shows the output; in the older list it is the open connector's, and box 1, the
    // function key's, is the shift register bit's.
    Doc().m_wHardwareCode = 0x2188;
    EXPECT_FALSE(m_view.ShowsCurrentItems());
    EXPECT_EQ(HitAt(20, 46 * 5 + 30), BT_OUT);
    EXPECT_EQ(HitAt(20, 46 * 1 + 30), 0) << "the older generation has no function key";
    m_view.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 46 * 1 + 30));
    EXPECT_EQ(GetCursor(), AfxLoadStandardCursor(IDC_ARROW));
    Click(20, 46 * 1 + 30);
    EXPECT_TRUE(m_main.m_selections.empty());
    Click(20, 46 * 5 + 30);
    ASSERT_EQ(m_main.m_selections.size(), 1u);
    EXPECT_EQ(m_main.m_selections[0], (std::pair<WPARAM, LPARAM>(1, BT_OUT)));

    // Drawn again, the page shows and hits the older list.
    Draw();
    EXPECT_TRUE(m_view.ShowsCurrentItems());
    EXPECT_EQ(HitAt(20, 46 * 5 + 30), BT_OPENX);
    EXPECT_EQ(HitAt(20, 46 * 4 + 30), BT_OUT);
}

TEST_F(WorkspaceViewTest, AClickCountsTheScrollPosition)
{
    m_view.m_nCategory = PALETTE_TAB_AUX;
    m_view.ScrollToPosition(CPoint(0, 460));
    ASSERT_EQ(m_view.GetScrollPosition(), CPoint(0, 460));
    Click(20, 20);  // y 480 in the list: item 10
    EXPECT_EQ(m_view.m_nSelectedType, 840);
}

TEST_F(WorkspaceViewTest, TheItemCursorShowsOverItemsOnly)
{
    m_view.m_nCategory = PALETTE_TAB_BSC;
    m_view.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 30));
    EXPECT_EQ(GetCursor(), AfxLoadCursor(4509));
    m_view.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 56));
    EXPECT_EQ(GetCursor(), AfxLoadStandardCursor(IDC_ARROW));
}

// Copies, so that a drawing's records may be taken straight from Draw().
std::vector<Record> OfKind(const std::vector<Record>& records, Kind kind)
{
    std::vector<Record> found;
    for (const Record& record : records) {
        if (record.kind == kind)
            found.push_back(record);
    }
    return found;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(WorkspaceViewTest, BoxesAreBlackOutlinesFilledInTheItemColour)
{
    m_view.m_nCategory = PALETTE_TAB_MATH;
    const std::vector<Record> records = Draw();
    const auto rectangles = OfKind(records, Kind::Rectangle);
    ASSERT_EQ(rectangles.size(), 20u) << "no frame without a selection";
    for (int i = 0; i < 20; ++i) {
        const Record& box = rectangles[std::size_t(i)];
        EXPECT_TRUE(SameRect(box.rect, CRect(10, 46 * i + 15, 35, 46 * i + 51))) << box.ToString();
        EXPECT_EQ(box.state.pen.crColour, RGB(0, 0, 0));
        EXPECT_EQ(box.state.pen.nStyle, PS_SOLID);
        EXPECT_FALSE(box.state.brush.bHollow);
        EXPECT_EQ(box.state.brush.crColour, kBoxFill);
    }
}

TEST_F(WorkspaceViewTest, TheSelectedItemIsFramedFourPixelsOutItsBox)
{
    m_view.m_nCategory = PALETTE_TAB_BSC;
    m_view.m_nSelectedType = BT_XOR;  // item 6
    const std::vector<Record> records = Draw();
    std::vector<Record> frames;
    for (const Record& record : OfKind(records, Kind::Rectangle)) {
        if (record.state.pen.crColour == kFrame)
            frames.push_back(record);
    }
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_TRUE(SameRect(frames[0].rect, CRect(6, 46 * 6 + 11, 39, 46 * 6 + 55))) << frames[0].ToString();
    EXPECT_EQ(frames[0].state.pen.nWidth, 1);
    EXPECT_EQ(frames[0].state.pen.nStyle, PS_SOLID);
    EXPECT_TRUE(frames[0].state.brush.bHollow);

    m_view.m_nSelectedType = 0;  // after a tab change
    for (const Record& record : OfKind(Draw(), Kind::Rectangle))
        EXPECT_NE(record.state.pen.crColour, kFrame);
}

// Symbol texts centred in their boxes, names beside them, in 14 x 8 Arial on a clear background.
TEST_F(WorkspaceViewTest, SymbolsAndNamesByPage)
{
    struct Case {
        int nCategory;
        WORD wHardware;
        std::vector<std::u16string> symbols;
        std::u16string firstName;
    };
    const Case cases[] = {
        {PALETTE_TAB_BSC, 0x5188, {u"&", u"&", u"&", u"&", u">1", u">1", u"=1", u"1"}, u"AND"},
        {PALETTE_TAB_TMR, 0x5188, {u"ON-D", u"OFF-D", u"ON/OFF", u"R-ON-D", u"W-R", u"ETWR", u"A-P-G", u"R-G",
                                   u"S-L-S", u"M-F-S", u"W-T", u"Y-T", u"AC", u"SW"}, u"On-Delay"},
        {PALETTE_TAB_IO, 0x5188, {u"I", u"F", u"S", u"lo", u"hi", u"Q", u"X", u"M", u"AI", u"AQ", u"AM"}, u"Input"},
    };
    for (const Case& c : cases) {
        Doc().m_wHardwareCode = c.wHardware;
        m_view.m_nCategory = c.nCategory;
        const auto texts = OfKind(Draw(), Kind::Text);
        ASSERT_EQ(texts.size(), 2 * c.symbols.size()) << c.nCategory;
        for (std::size_t i = 0; i < c.symbols.size(); ++i) {
            const Record& symbol = texts[2 * i];
            EXPECT_EQ(symbol.text, c.symbols[i]);
            // A symbol wider than the box less a unit each side takes the narrow 11 x 4 font,
            // and one still too wide ("ON/OFF", "R-ON-D") the next smaller size, 10 x 3.
            const int nLetters = int(c.symbols[i].size());
            const bool bNarrow = nLetters * 8 > 23;
            const bool bSmaller = nLetters * 4 > 23;
            const int nLetterWidth = bSmaller ? 3 : bNarrow ? 4 : 8;
            const int nHeight = bSmaller ? 10 : bNarrow ? 11 : 14;
            EXPECT_EQ(symbol.points[0].x, 10 + (25 - nLetters * nLetterWidth) / 2) << "centred: " << symbol.ToString();
            EXPECT_EQ(symbol.points[0].y, int(46 * i + 15) + (36 - nHeight) / 2);
            EXPECT_EQ(symbol.state.nBkMode, TRANSPARENT);
            EXPECT_EQ(symbol.state.font.lfHeight, nHeight);
            EXPECT_EQ(symbol.state.font.lfWidth, nLetterWidth);
            EXPECT_EQ(symbol.state.font.lfWeight, 400);
            EXPECT_EQ(std::u16string(symbol.state.font.lfFaceName), u"Arial");
            const Record& name = texts[2 * i + 1];
            EXPECT_EQ(name.points[0].x, 40);
            EXPECT_EQ(name.points[0].y, int(46 * i + 15) + (36 - 14) / 2);
        }
        EXPECT_EQ(texts[1].text, c.firstName);
    }
}

// A screen whose fonts come out wider than asked for: every letter one and a half of the
// requested width.
class WideTextSurface : public RecordingSurface {
public:
    using RecordingSurface::RecordingSurface;
    SIZE MeasureText(const LOGFONT& font, std::u16string_view text) override
    {
        const SIZE size = RecordingSurface::MeasureText(font, text);
        return {size.cx * 3 / 2, size.cy};
    }
};

TEST_F(WorkspaceViewTest, ASymbolStillTooWideShrinksUntilItFitsItsBox)
{
    Doc().m_wHardwareCode = 0x5188;
    m_view.m_nCategory = PALETTE_TAB_TMR;
    WideTextSurface surface(SIZE{200, 1400});
    CDC dc(surface);
    m_view.OnDraw(&dc);
    const auto texts = OfKind(surface.Records(), Kind::Text);
    ASSERT_EQ(texts.size(), 28u);
    for (std::size_t i = 0; i < texts.size(); i += 2) {
        const Record& symbol = texts[i];
        const int cx = int(symbol.text.size()) * symbol.state.font.lfWidth * 3 / 2;
        EXPECT_LE(cx, 23) << symbol.ToString();
        EXPECT_GE(symbol.points[0].x, 11) << symbol.ToString();
        EXPECT_GE(symbol.state.font.lfHeight, 7) << symbol.ToString();
    }
    // Names keep their font.
    EXPECT_EQ(texts[7].state.font.lfHeight, 14);
}

TEST_F(WorkspaceViewLadderTest, LadderElementsReadAsInputsAndOutputs)
{
    m_view.m_nCategory = PALETTE_TAB_IO;
    const auto texts = OfKind(Draw(), Kind::Text);
    ASSERT_EQ(texts.size(), 12u);
    const std::vector<std::u16string> symbols = {u"NI", u"NI", u"AI", u"NQ", u"NQ", u"AQ"};
    const std::vector<std::u16string> names = {u"Make Contact", u"Break contact", u"Analog contact",
                                               u"Relay coil", u"Inverted output", u"Analog output"};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(texts[2 * i].text, symbols[i]);
        EXPECT_EQ(texts[2 * i + 1].text, names[i]);
    }
    // The break contact and the inverted output carry a negation circle.
    EXPECT_EQ(OfKind(Draw(), Kind::Ellipse).size(), 2u);
}

// The Chinese interface names every block in Chinese, also those whose sheet captions stay
// English.
TEST_F(WorkspaceViewTest, ChineseNamesInTheChineseInterface)
{
    g_bChineseUI = 1;
    for (const auto& [nCategory, pszName] :
         {std::pair{PALETTE_TAB_BSC, u"与"}, std::pair{PALETTE_TAB_IO, u"输入"}, std::pair{PALETTE_TAB_AUX, u"布尔函数"},
          std::pair{PALETTE_TAB_MATH, u"奇数"}, std::pair{PALETTE_TAB_PROFILE, u"数据记录"}}) {
        m_view.m_nCategory = nCategory;
        const auto texts = OfKind(Draw(), Kind::Text);
        EXPECT_EQ(texts.size() > 1 ? texts[1].text : u"", pszName) << nCategory;
    }
    g_bChineseUI = 0;
}

// The newer generation's Misc page writes its names level with the lower part of the boxes.
TEST_F(WorkspaceViewTest, NewerMiscNamesSitLow)
{
    m_view.m_nCategory = PALETTE_TAB_MISC;
    for (WORD wHardware : {0x2188, 0x5188}) {
        Doc().m_wHardwareCode = wHardware;
        const auto texts = OfKind(Draw(), Kind::Text);
        ASSERT_FALSE(texts.empty());
        const int nNameY = texts[1].points[0].y;
        EXPECT_EQ(nNameY, wHardware == 0x5188 ? 51 - 20 : 15 + (36 - 14) / 2);
        EXPECT_EQ(texts[1].text, u"Up/Down Counter");
    }
}

TEST_F(WorkspaceViewTest, EdgeGatesShowTheirEdgeMark)
{
    m_view.m_nCategory = PALETTE_TAB_BSC;
    const std::vector<Record> records = Draw();
    int nEdgeMarks = 0;
    for (const Record& record : OfKind(records, Kind::Polyline)) {
        if (record.points.size() == 4)
            ++nEdgeMarks;
    }
    EXPECT_EQ(nEdgeMarks, 2) << "AND(Edge) and NAND(Edge)";
    // NAND, NAND(Edge), NOR and NOT negate their output.
    EXPECT_EQ(OfKind(records, Kind::Ellipse).size(), 4u);
}

// The lists follow the active document, so a diagram that becomes active repaints the palette.
TEST(PaletteRedraw, ActivatingADiagramRepaintsThePalettePages)
{
    AfxSetWindowBackend(nullptr);
    CWinThread thread;
    CWnd top;
    ASSERT_TRUE(top.Create(nullptr, u"top", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 300, 400), nullptr, 0));
    auto* pPalette = new CWorkspaceView;  // deletes itself with its window
    ASSERT_TRUE(pPalette->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 300), &top, 0));
    pPalette->ValidateRect(nullptr);
    ASSERT_FALSE(pPalette->GetUpdateRect(nullptr, FALSE));

    CVetlaView view;
    view.OnActivateView(FALSE, nullptr, &view);
    EXPECT_FALSE(pPalette->GetUpdateRect(nullptr, FALSE)) << "deactivation changes nothing";
    view.OnActivateView(TRUE, &view, nullptr);
    EXPECT_TRUE(pPalette->GetUpdateRect(nullptr, FALSE));
    top.DestroyWindow();
}

// A release on the palette's border while the Simulation bar's Power button is held ends the
// simulated power failure of the simulating view; otherwise the button stays held.
class PaletteBorderRelease : public SimulationFrameTest {
protected:
    void SetUp() override
    {
        SimulationFrameTest::SetUp();
        AfxSetMainFrame(&m_main);
        ASSERT_TRUE(CreateFrame());
        ASSERT_EQ(m_pFrame->CreateSimBars(), 1);
        m_main.MDIActivate(m_pFrame);
    }
    void TearDown() override
    {
        m_main.MDIActivate(nullptr);
        if (IsWindow(m_pFrame))
            m_pFrame->DestroyWindow();
        AfxSetMainFrame(nullptr);
        SimulationFrameTest::TearDown();
    }

    void PressPower()
    {
        MSG down{Bar().GetDlgItem(IDC_SIM_POWER), WM_LBUTTONDOWN, MK_LBUTTON, 0, 0, {0, 0}};
        AfxGetThread()->RouteMessage(down);
        ASSERT_TRUE(Bar().IsPowerPressed());
    }

    CMainFrame m_main;
    CWorkspaceView m_palette;
};

TEST_F(PaletteBorderRelease, EndsThePowerFailureOfTheSimulatingView)
{
    m_view.OnSimulation();
    ASSERT_EQ(m_view.EditMode(), EDIT_MODE_SIMULATE);
    PressPower();
    m_palette.SendMessage(WM_NCLBUTTONUP, 0, 0);
    EXPECT_FALSE(Bar().IsPowerPressed());
}

TEST_F(PaletteBorderRelease, LeavesTheButtonAloneWhenTheViewDoesNotSimulate)
{
    ASSERT_EQ(m_view.EditMode(), EDIT_MODE_SELECT);
    PressPower();
    m_palette.SendMessage(WM_NCLBUTTONUP, 0, 0);
    EXPECT_TRUE(Bar().IsPowerPressed());
}

} // namespace
