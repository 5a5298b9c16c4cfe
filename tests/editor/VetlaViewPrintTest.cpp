// Printing from the diagram window: Print Setup asked once per print (not again when the
// preview's Print follows it), the pages of the page layout, what a job leaves (the zoom as it
// was, nothing selected), what a cancelled dialog or a failing printer leaves (nothing changed),
// the missing printer, and the Page Layout command with the diagram's own limits.
#include "DiagramWindow.h"

#include "blocks/BlockComment.h"
#include "blocks/ConnectLineObj.h"
#include "controls/PageLayoutDlg.h"
#include "controls/PrintSetupDlg.h"
#include "editor/PageLayoutFit.h"
#include "platform/gdi/ImagePrinter.h"
#include "platform/ui/Edit.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/PrintPreviewDlg.h"

#include <climits>
#include <functional>
#include <string>
#include <vector>

namespace {

// A printer that gives up on its first page, as one out of paper does.
class CFailingPrinter : public PrinterDevice {
public:
    CFailingPrinter(ImagePages& pages) : m_inner(200, 150, 96, pages) {}
    const DeviceCaps& GetDeviceCaps() const override { return m_inner.GetDeviceCaps(); }
    DrawingSurface* StartDoc(const CString& strDocName) override { return m_inner.StartDoc(strDocName); }
    bool StartPage() override { return false; }
    bool EndPage() override { return true; }
    bool EndDoc() override { return m_inner.EndDoc(); }
    void AbortDoc() override { m_inner.AbortDoc(); }

private:
    CImagePrinter m_inner;
};

class ViewPrintTest : public DiagramWindow {
protected:
    enum class Printer { Pages, Cancelled, Failing };

    void SetUp() override
    {
        DiagramWindow::SetUp();
        m_previous = AfxSetPrintBackend(PrintBackend{
            [this] { return m_bInstalled; },
            [this](PrintDialogSettings&) -> std::unique_ptr<PrinterDevice> {
                ++m_nPrintDialogs;
                switch (m_printer) {
                case Printer::Pages:
                    return std::make_unique<CImagePrinter>(200, 150, 96, m_pages);
                case Printer::Failing:
                    return std::make_unique<CFailingPrinter>(m_pages);
                case Printer::Cancelled:
                    break;
                }
                return nullptr;
            },
            nullptr,
        });
        CDialog::SetDialogHook([this](CDialog& dlg) { OnDialogShown(dlg); });
    }
    void TearDown() override
    {
        AfxSetPrintBackend(m_previous);
        DiagramWindow::TearDown();
    }

    void OnDialogShown(CDialog& dlg)
    {
        if (dynamic_cast<CPrintSetupDlg*>(&dlg)) {
            m_shown.push_back("setup");
            dlg.PostMessage(WM_COMMAND, MAKEWPARAM(m_nSetupAnswer, BN_CLICKED), 0);
        } else if (auto* pPreview = dynamic_cast<CPrintPreviewDlg*>(&dlg)) {
            m_shown.push_back("preview:" + std::to_string(pPreview->GetPageCount()));
            dlg.PostMessage(WM_COMMAND, MAKEWPARAM(m_nPreviewAnswer, BN_CLICKED), 0);
        } else if (m_layoutActions) {
            m_shown.push_back("layout");
            m_layoutActions(dlg);
        }
    }
    void TypeLayout(CDialog& dlg, LPCTSTR lpszAcross, LPCTSTR lpszDown)
    {
        for (auto [nID, lpszText] : {std::pair{CPageLayoutDlg::IDC_ACROSS, lpszAcross}, std::pair{CPageLayoutDlg::IDC_DOWN, lpszDown}})
            static_cast<CEdit*>(dlg.GetDlgItem(int(nID)))->UserEdit(lpszText, CString(lpszText).GetLength());
        dlg.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    void SelectBlock(CBlockObj* pBlock)
    {
        View()->Selection().Add(pBlock);
    }

    PrintBackend m_previous;
    ImagePages m_pages;
    Printer m_printer = Printer::Pages;
    bool m_bInstalled = true;
    int m_nPrintDialogs = 0;
    UINT m_nSetupAnswer = IDOK;
    UINT m_nPreviewAnswer = IDCANCEL;
    std::function<void(CDialog&)> m_layoutActions;
    std::vector<std::string> m_shown;
    CMessageBoxRecorder m_boxes;
};

TEST_F(ViewPrintTest, PrintingGivesOnePagePerPageOfTheLayout)
{
    const struct {
        int nAcross, nDown;
    } layouts[] = {{1, 1}, {2, 2}, {3, 1}};
    for (const auto& layout : layouts) {
        View()->SetPageLayout(layout.nAcross, layout.nDown);
        Command(ID_FILE_PRINT);
        EXPECT_EQ(m_pages.pages.size(), std::size_t(layout.nAcross * layout.nDown)) << layout.nAcross;
    }
    EXPECT_EQ(m_shown, (std::vector<std::string>{"setup", "setup", "setup"}));
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(ViewPrintTest, PrintSetupIsAskedOnceForAPreviewAndItsPrint)
{
    View()->SetPageLayout(2, 1);
    m_nPreviewAnswer = IDC_PREVIEW_PRINT;
    Command(ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(m_shown, (std::vector<std::string>{"setup", "preview:2"}));
    EXPECT_EQ(m_nPrintDialogs, 1);
    EXPECT_EQ(m_pages.pages.size(), 2u);

    // A later Print asks again.
    m_shown.clear();
    Command(ID_FILE_PRINT);
    EXPECT_EQ(m_shown, (std::vector<std::string>{"setup"}));

    // So does a Print after a preview closed without printing.
    m_shown.clear();
    m_nPreviewAnswer = IDCANCEL;
    Command(ID_FILE_PRINT_PREVIEW);
    Command(ID_FILE_PRINT);
    EXPECT_EQ(m_shown, (std::vector<std::string>{"setup", "preview:2", "setup"}));
}

TEST_F(ViewPrintTest, APrintedOrPreviewedDiagramKeepsItsZoomWithNothingSelected)
{
    View()->SetPageLayout(2, 2);
    for (UINT nCommand : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW}) {
        CBlockObj* pBlock = Block(BT_AND, 100, 100);
        SelectBlock(pBlock);
        View()->ZoomTo(0.25f);
        const CPoint ptScroll = View()->GetScrollPosition();
        Command(nCommand);
        EXPECT_FLOAT_EQ(View()->GetZoom(), 0.25f) << nCommand;
        EXPECT_EQ(View()->GetScrollPosition(), ptScroll) << nCommand;
        EXPECT_TRUE(View()->Selection().Blocks().IsEmpty()) << nCommand;
        EXPECT_FALSE(pBlock->m_bSelected) << nCommand;
    }
    EXPECT_EQ(m_shown, (std::vector<std::string>{"setup", "setup", "preview:4"}));
}

TEST_F(ViewPrintTest, ACancelledDialogOrAFailingPrinterChangesNothing)
{
    const struct {
        const char* name;
        UINT nSetupAnswer;
        Printer printer;
        std::size_t nBoxes;
    } cases[] = {
        {"print setup cancelled", IDCANCEL, Printer::Pages, 0},
        {"printer dialog cancelled", IDOK, Printer::Cancelled, 0},
        {"printer failing", IDOK, Printer::Failing, 1},
    };
    CBlockObj* pBlock = Block(BT_AND, 100, 100);
    SelectBlock(pBlock);
    View()->ZoomTo(2.0f);
    const CPoint ptScroll = View()->GetScrollPosition();
    Doc().SetModifiedFlag(FALSE);
    for (const auto& c : cases) {
        m_boxes.Clear();
        m_nSetupAnswer = c.nSetupAnswer;
        m_printer = c.printer;
        Command(ID_FILE_PRINT);
        EXPECT_TRUE(m_pages.pages.empty()) << c.name;
        EXPECT_FLOAT_EQ(View()->GetZoom(), 2.0f) << c.name;
        EXPECT_EQ(View()->GetScrollPosition(), ptScroll) << c.name;
        EXPECT_TRUE(pBlock->m_bSelected) << c.name;
        EXPECT_EQ(View()->Selection().Blocks().GetCount(), 1) << c.name;
        EXPECT_FALSE(Doc().IsModified()) << c.name;
        EXPECT_EQ(m_boxes.Boxes().size(), c.nBoxes) << c.name;
    }
}

TEST_F(ViewPrintTest, WithoutAPrinterPrintSaysSoAndAsksNothing)
{
    m_bInstalled = false;
    Command(ID_FILE_PRINT);
    EXPECT_TRUE(m_shown.empty());
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text.ToUtf8(),
              "No printer installed!\n\nSelect the Control Panel printer icon to install a printer.");
    EXPECT_EQ(m_boxes.Boxes()[0].type & MB_ICONMASK, UINT(MB_ICONINFORMATION));
}

// Setup... in Print Setup is the application's Page Setup: without a printer it says so and
// shows no dialog; with one, the margins chosen go into every open document.
TEST_F(ViewPrintTest, PrintSetupsSetupIsTheApplicationsPageSetup)
{
    CVetlaDoc& first = Doc();
    Command(ID_FILE_NEW);
    ASSERT_NE(&Doc(), &first);
    const CRect rectChosen(1000, 1500, 2000, 2500);
    int nPageSetups = 0;
    AfxSetPrintBackend(PrintBackend{
        [this] { return m_bInstalled; },
        nullptr,
        nullptr,
        [&](PrinterSettings& settings) {
            ++nPageSetups;
            settings.rectMargins = rectChosen;
            return true;
        },
    });
    for (const bool bInstalled : {false, true}) {
        m_bInstalled = bInstalled;
        m_boxes.Clear();
        CDialog::SetDialogHook([](CDialog& dlg) {
            dlg.SendMessage(WM_COMMAND, MAKEWPARAM(CPrintSetupDlg::IDC_SETUP, BN_CLICKED), 0);
            dlg.PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        CPrintSetupDlg dlg(View());
        dlg.DoModal();
        EXPECT_EQ(nPageSetups, bInstalled ? 1 : 0) << bInstalled;
        const CRect rectExpected = bInstalled ? rectChosen : CRect();
        for (CVetlaDoc* pDoc : {&first, &Doc()}) {
            EXPECT_EQ(pDoc->m_rcPageMargin, rectExpected) << bInstalled;
            EXPECT_EQ(pDoc->m_rcPrintMargin, rectExpected) << bInstalled;
        }
        ASSERT_EQ(m_boxes.Boxes().size(), bInstalled ? 0u : 1u);
        if (!bInstalled) {
            EXPECT_EQ(m_boxes.Boxes()[0].text.ToUtf8(),
                      "No printer installed!\n\nSelect the Control Panel printer icon to install a printer.");
            EXPECT_EQ(m_boxes.Boxes()[0].type & MB_ICONMASK, UINT(MB_ICONINFORMATION));
        }
    }
}

TEST_F(ViewPrintTest, PrintingDirectPrintsTheDiagramAsItStandsWithoutDialogs)
{
    View()->SetPageLayout(2, 1);
    // The fixture's TearDown puts the program's backend back.
    AfxSetPrintBackend(PrintBackend{
        [] { return true; },
        nullptr,
        [this](const PrintDialogSettings&) { return std::make_unique<CImagePrinter>(200, 150, 96, m_pages); },
    });
    Command(ID_FILE_PRINT_DIRECT);
    EXPECT_TRUE(m_shown.empty());
    EXPECT_EQ(m_pages.pages.size(), 2u);
}

TEST_F(ViewPrintTest, PageLayoutGrowsFreelyAndShrinksOnlyAroundTheDiagram)
{
    const CSize sizePage = Doc().m_sizeScreen;
    View()->SetPageLayout(2, 2);
    Block(BT_AND, sizePage.cx + 10, 10);  // on the second page across
    const struct {
        LPCTSTR across;
        LPCTSTR down;
        int nAcross, nDown;
        const char* box;
    } cases[] = {
        {_T("10"), _T("10"), 10, 10, nullptr},
        {_T("2"), _T("1"), 2, 1, nullptr},
        {_T("1"), _T("1"), 2, 1, "There are not enough pages to contain all Block(s),so size update fail!!!"},
    };
    for (const auto& c : cases) {
        m_boxes.Clear();
        m_layoutActions = [&](CDialog& dlg) { TypeLayout(dlg, c.across, c.down); };
        Command(ID_VIEW_PAGE_LAYOUT);
        EXPECT_EQ(Doc().m_nPagesAcross, c.nAcross) << CString(c.across).ToUtf8();
        EXPECT_EQ(Doc().m_nPagesDown, c.nDown) << CString(c.down).ToUtf8();
        EXPECT_EQ(Doc().m_rcExtent, CRect(0, 0, c.nAcross * sizePage.cx, c.nDown * sizePage.cy));
        ASSERT_EQ(m_boxes.Boxes().size(), c.box ? 1u : 0u);
        if (c.box) {
            EXPECT_EQ(m_boxes.Boxes()[0].text.ToUtf8(), c.box);
        }
    }
    // Each layout taken is an undo step: Undo gives back the one before the last.
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Doc().m_rcExtent, CRect(0, 0, 10 * sizePage.cx, 10 * sizePage.cy));
    EXPECT_EQ(Doc().m_nPagesDown, 10);
}

// Page counts beyond an int, whatever a layout holds: the count and the tiles are computed
// without overflow.
TEST(PrintTilesTest, LayoutsOfMorePagesThanAnIntHoldCountAndTileSoundly)
{
    const struct {
        int nAcross, nDown;
        UINT nPage;
        UINT nPages;
        CRect rcTile;
    } cases[] = {
        {2, 2, 4, 4, {1024, 768, 2048, 1536}},
        {INT_MAX, 2, 5, 2u * INT_MAX, {0, 0, 0, 768}},
        {INT_MAX, INT_MAX, UINT_MAX, UINT_MAX, {0, 0, 0, 0}},
        {0, -3, 7, 1, {0, 0, 2048, 1536}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CDiagramPrinting::PageCount(c.nAcross, c.nDown), c.nPages) << c.nAcross << "x" << c.nDown;
        EXPECT_EQ(CDiagramPrinting::TileRect(CSize(2048, 1536), c.nAcross, c.nDown, c.nPage), c.rcTile)
            << c.nAcross << "x" << c.nDown;
    }
}

TEST(PageLayoutFitTest, ASmallerLayoutMustHoldEveryBlockAndWireVertex)
{
    CVetlaDoc doc;
    doc.m_sizeScreen = {100, 50};
    doc.m_nPagesAcross = 3;
    doc.m_nPagesDown = 3;
    CBlockObj block(BT_AND, 2);
    block.m_ptPos = CPoint(20, 60);
    block.m_nWidth = 30;
    block.m_nHeight = 30;
    doc.m_blockList.AddTail(&block);
    CConnectLineObj line;
    line.m_arrVertices.Add(CPoint(10, 10));
    line.m_arrVertices.Add(CPoint(10, 120));  // below two pages down
    line.m_arrVertices.Add(CPoint(150, 120)); // right of one page across
    doc.m_lineList.AddTail(&line);

    const struct {
        int nAcross, nDown;
        PageLayoutFit fit;
    } cases[] = {
        {3, 3, PageLayoutFit::Fits},         // not smaller: nothing is checked
        {4, 9, PageLayoutFit::Fits},
        {3, 1, PageLayoutFit::BlockOutside}, // the block's bottom (90) reaches 50
        {1, 3, PageLayoutFit::WireRight},
        {3, 2, PageLayoutFit::WireBelow},    // 120 reaches 100; the block fits
        {1, 2, PageLayoutFit::WireBelow},    // the bottom is found at the vertex before the right
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckPageLayoutFit(doc, c.nAcross, c.nDown), c.fit) << c.nAcross << "x" << c.nDown;

    block.m_ptPos = CPoint(20, 10);
    block.m_nWidth = 80;  // its right edge reaches the page's
    EXPECT_EQ(CheckPageLayoutFit(doc, 1, 3), PageLayoutFit::BlockOutside);
    doc.m_blockList.RemoveAll();
    doc.m_lineList.RemoveAll();
}

// A comment box on a page the smaller layout drops could be neither seen nor reached again.
TEST(PageLayoutFitTest, ASmallerLayoutMustHoldEveryCommentBox)
{
    CVetlaDoc doc;
    doc.m_sizeScreen = {100, 50};
    doc.m_nPagesAcross = 2;
    doc.m_nPagesDown = 2;
    CBlockComment comment;  // on page 4
    comment.m_nLeft = 120;
    comment.m_nTop = 60;
    comment.m_nBoxWidth = 30;
    comment.m_nBoxHeight = 20;
    doc.m_commentList.AddTail(&comment);

    const struct {
        int nAcross, nDown;
        PageLayoutFit fit;
    } cases[] = {
        {2, 2, PageLayoutFit::Fits},
        {1, 1, PageLayoutFit::BlockOutside},
        {2, 1, PageLayoutFit::BlockOutside},  // the box's bottom (80) reaches 50
        {1, 2, PageLayoutFit::BlockOutside},  // its right edge (150) reaches 100
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckPageLayoutFit(doc, c.nAcross, c.nDown), c.fit) << c.nAcross << "x" << c.nDown;
    doc.m_commentList.RemoveAll();
}

}  // namespace
