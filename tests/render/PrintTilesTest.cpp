// A diagram of 2 x 2 pages printed into pictures of the page: four pages in order, each the
// quarter of the diagram that the view itself draws there, drawn at the page's resolution and
// centred where the page's proportions differ. The pages are compared with the view's own
// drawing of the same region, not with stored files.
#include "support/ActiveDocument.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "editor/VetlaView.h"
#include "platform/core/MessageBox.h"
#include "platform/gdi/DisplayDevice.h"
#include "platform/gdi/ImagePrinter.h"
#include "platform/qt/OffscreenImage.h"
#include "platform/qt/QPainterSurface.h"
#include "platform/ui/PrintDialog.h"
#include "support/QtTestApp.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr CSize kPage(400, 300);

class PrintTiles : public ::testing::Test {
protected:
    PrintTiles()
    {
        QtTestApp();
        m_display = GetDisplayDevice();
        // The pictures are painted as on the screen, so that their pixels can be compared.
        SetDisplayDevice(m_display.caps, &QPainterSurface::ForPixels);
        CVetlaDoc& doc = m_active.Doc();
        doc.m_sizeScreen = {kPage.cx, kPage.cy};
        m_active.View().SetPageLayout(2, 2);
        // One block in each quarter, at different places within its page.
        const CPoint positions[] = {{60, 40}, {kPage.cx + 150, 90}, {100, kPage.cy + 160}, {kPage.cx + 40, kPage.cy + 30}};
        const int types[] = {BT_AND, BT_OR, BT_IN, BT_OUT};
        for (int i = 0; i < 4; ++i) {
            CBlockObj* pBlock = m_active.Add(CreateBlockForType(types[i], nullptr, &doc));
            pBlock->m_ptPos = pBlock->m_ptPos2 = positions[i];
            pBlock->m_nNumber = 9000 + i;
        }
        m_previous = AfxSetPrintBackend(PrintBackend{
            [] { return true; },
            [this](PrintDialogSettings&) { return std::make_unique<CImagePrinter>(kPage.cx, kPage.cy, 96, m_pages); },
            nullptr,
        });
    }
    ~PrintTiles() override
    {
        AfxSetPrintBackend(m_previous);
        SetDisplayDevice(m_display.caps, m_display.pMaker);
    }

    // The view's own drawing of the page's region of the diagram, as the screen shows it at
    // the zoom with the window scrolled there.
    void DrawView(int nPage, COffscreenImage& image, float fZoom = 1.0f)
    {
        CVetlaView& view = m_active.View();
        CDC& dc = image.GetDC();
        dc.m_bPrinting = TRUE;  // as printed: no selection marks
        view.SetZoom(fZoom);
        view.ApplyZoomMapping(&dc);
        const int nZoom = int(fZoom);
        dc.SetViewportOrg(-((nPage - 1) % 2) * kPage.cx * nZoom, -((nPage - 1) / 2) * kPage.cy * nZoom);
        view.DrawDiagram(&dc, FALSE);
        view.SetZoom(1.0f);
        dc.m_bPrinting = FALSE;
    }
    int CountDifferencesFromView(const PixelBuffer& page, int nPage)
    {
        COffscreenImage image(kPage.cx, kPage.cy);
        DrawView(nPage, image);
        return CountDifferences(page, image);
    }

    static int CountDifferences(const PixelBuffer& page, const COffscreenImage& image)
    {
        int nDifferent = 0;
        for (int y = 0; y < kPage.cy; ++y)
            for (int x = 0; x < kPage.cx; ++x)
                nDifferent += page.GetPixel(x, y) != image.GetPixel(x, y);
        return nDifferent;
    }

    static int CountInk(const PixelBuffer& page)
    {
        int nInk = 0;
        for (int y = 0; y < page.Height(); ++y)
            for (int x = 0; x < page.Width(); ++x)
                nInk += page.GetPixel(x, y) != RGB(255, 255, 255);
        return nInk;
    }

    // What the Print command does once Print Setup has been answered.
    void Print() { ASSERT_TRUE(m_active.View().DoFilePrint()); }

    void UsePages(CSize size, int nDpi)
    {
        m_pages.pages.clear();
        AfxSetPrintBackend(PrintBackend{
            [] { return true; },
            [this, size, nDpi](PrintDialogSettings&) { return std::make_unique<CImagePrinter>(size.cx, size.cy, nDpi, m_pages); },
            nullptr,
        });
    }

    DisplayDevice m_display;
    ActiveDocument m_active;
    ImagePages m_pages;
    PrintBackend m_previous;
    CMessageBoxRecorder m_boxes;
};

TEST_F(PrintTiles, FourPagesInReadingOrderEachItsQuarterOfTheDiagram)
{
    Print();

    ASSERT_EQ(m_pages.pages.size(), 4u);
    EXPECT_TRUE(m_boxes.Boxes().empty());
    for (int nPage = 1; nPage <= 4; ++nPage) {
        const PixelBuffer& page = m_pages.pages[std::size_t(nPage - 1)];
        EXPECT_GT(CountInk(page), 100) << "page " << nPage;
        EXPECT_EQ(CountDifferencesFromView(page, nPage), 0) << "page " << nPage;
    }
    // The quarters differ from each other: no page is another's copy.
    for (std::size_t i = 0; i < 4; ++i) {
        for (std::size_t j = i + 1; j < 4; ++j) {
            int nDifferent = 0;
            for (int y = 0; y < kPage.cy; ++y)
                for (int x = 0; x < kPage.cx; ++x)
                    nDifferent += m_pages.pages[i].GetPixel(x, y) != m_pages.pages[j].GetPixel(x, y);
            EXPECT_GT(nDifferent, 100) << "pages " << i + 1 << " and " << j + 1;
        }
    }
}

TEST_F(PrintTiles, AZoomedAndSelectedViewPrintsAtBaseSizeUnselected)
{
    CVetlaView& view = m_active.View();
    CBlockObj* pBlock = static_cast<CBlockObj*>(m_active.Doc().m_blockList.GetHead());
    view.Selection().Add(pBlock);
    pBlock->m_bSelected = TRUE;
    view.SetZoom(2.0f);
    view.UpdateScrollSizes();
    Print();

    ASSERT_EQ(m_pages.pages.size(), 4u);
    pBlock->m_bSelected = FALSE;
    view.SetZoom(1.0f);
    EXPECT_EQ(CountDifferencesFromView(m_pages.pages[0], 1), 0);
}

// A printer of twice the resolution gets the diagram drawn at twice the scale, as the view draws
// it at zoom 2: sharp, not a stretched picture.
TEST_F(PrintTiles, APageTwiceTheTileIsTheDiagramDrawnAtTwiceTheScale)
{
    UsePages(CSize(kPage.cx * 2, kPage.cy * 2), 192);
    Print();

    ASSERT_EQ(m_pages.pages.size(), 4u);
    COffscreenImage zoomed(kPage.cx * 2, kPage.cy * 2);
    DrawView(2, zoomed, 2.0f);
    int nDifferent = 0;
    for (int y = 0; y < kPage.cy * 2; ++y)
        for (int x = 0; x < kPage.cx * 2; ++x)
            nDifferent += m_pages.pages[1].GetPixel(x, y) != zoomed.GetPixel(x, y);
    EXPECT_EQ(nDifferent, 0);
}

// A page wider than the tile's proportions shows the tile at the page's height, centred: white
// bands left and right, the view's drawing between them.
TEST_F(PrintTiles, APageOfOtherProportionsShowsTheTileCentredUndistorted)
{
    UsePages(CSize(kPage.cx + 200, kPage.cy), 96);
    Print();

    ASSERT_EQ(m_pages.pages.size(), 4u);
    const PixelBuffer& page = m_pages.pages[0];
    COffscreenImage tile(kPage.cx, kPage.cy);
    DrawView(1, tile);
    int nBandInk = 0, nDifferent = 0;
    for (int y = 0; y < kPage.cy; ++y) {
        for (int x = 0; x < 100; ++x)
            nBandInk += (page.GetPixel(x, y) != RGB(255, 255, 255)) + (page.GetPixel(kPage.cx + 100 + x, y) != RGB(255, 255, 255));
        for (int x = 0; x < kPage.cx; ++x)
            nDifferent += page.GetPixel(100 + x, y) != tile.GetPixel(x, y);
    }
    EXPECT_EQ(nBandInk, 0);
    EXPECT_EQ(nDifferent, 0);
}

}  // namespace
