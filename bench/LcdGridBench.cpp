// Painting the LCD grid through the QPainter surface into an offscreen image: the newer
// message-text page's 25 x 5 grid with a full LCD of text, a Chinese word and elements (aim:
// under 2 ms a paint), and the simulation display's 13 x 5 grid in the LCD style, which its
// page repaints every 53 ms (aim: under 5 % of one core, so under 2.65 ms a paint).
#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/Widget.h"
#include "document/VetlaDoc.h"
#include "messagetext/LcdCanvas.h"
#include "controls/WidePairs.h"
#include "platform/qt/OffscreenImage.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kCellWidth = 20;
constexpr int kCellHeight = 30;

QApplication& App()
{
    static int argc = 1;
    static char name[] = "lcd-bench";
    static char* argv[] = {name, nullptr};
    static QApplication* pApp = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *pApp;
}

class CBenchHost : public CWnd, public ILcdGridHost {
public:
    LcdGridHostKind m_kind = LcdGridHostKind::MessageTextsNew;
    CVetlaDoc* m_pDoc = nullptr;
    LcdGridHostKind GetGridHostKind() const override { return m_kind; }
    CVetlaDoc* GetGridDocument() const override { return m_pDoc; }
};

struct LcdPage {
    CVetlaDoc doc;
    CBenchHost host;
    std::unique_ptr<CLcdCanvas> grid;

    LcdPage(int nColumns, LcdGridHostKind kind)
    {
        App();
        doc.m_wHardwareCode = 0x5188;
        host.m_pDoc = &doc;
        host.m_kind = kind;
        host.CreateEx(0, _T("Host"), _T("host"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 800, 300), nullptr, 0);
        grid = std::make_unique<CLcdCanvas>(5, nColumns + 1, 1, 1);
        grid->Create(CRect(0, 0, nColumns * kCellWidth + 8, 4 * kCellHeight + 8), &host, 1000);
        grid->SetRowHeight(0, 0);
        grid->SetColumnWidth(0, 0);
        for (int r = 1; r <= 4; ++r) {
            grid->SetRowHeight(r, kCellHeight);
            for (int c = 1; c <= nColumns; ++c) {
                grid->SetItemBkColour(r, c, RGB(85, 157, 85));
                grid->SetItemText(r, c, CString(TCHAR('A' + (r * 7 + c) % 26)));
            }
        }
        for (int c = 1; c <= nColumns; ++c)
            grid->SetColumnWidth(c, kCellWidth);
        grid->SetItemText(1, 3, CString(TCHAR(0x6C34)));
        WidePairs::Join(*grid, 1, 3);

        CBlockObj* pCounter = CreateBlockForType(800, nullptr, &doc);
        doc.AddBlock(pCounter);
        pCounter->m_nNumber = 9001;
        AddElement(2, 2, 6, 0, pCounter);
        AddElement(3, 1, 12, WIDGET_KIND_BARGRAPH, pCounter);
        AddElement(4, 3, 8, 0, pCounter);
    }
    ~LcdPage()
    {
        grid.reset();
        host.DestroyWindow();
    }
    void AddElement(int nLine, int nColumn, int nWidth, int nKind, CBlockObj* pBlock)
    {
        auto* pWidget = new CWidget((nColumn - 1) * kCellWidth, (nLine - 1) * kCellHeight,
                                    nWidth * kCellWidth - 1, kCellHeight - 1, RGB(128, 128, 128));
        pWidget->m_nLine = nLine;
        pWidget->m_nColumn = nColumn;
        pWidget->m_nWidth = nWidth;
        pWidget->m_nKind = nKind;
        pWidget->m_pBlock = pBlock;
        pWidget->m_nBlockNumber = pBlock->m_nNumber;
        pWidget->m_nParamId = 16;
        pWidget->m_strCaption = _T("Counter");
        grid->m_arrWidgets[nLine - 1].Add(pWidget);
    }
};

void PaintLcd(benchmark::State& state, int nColumns, LcdGridHostKind kind)
{
    LcdPage page(nColumns, kind);
    g_bShowMsgTextDetails = kind != LcdGridHostKind::MsgTxtDisplay;
    COffscreenImage image(nColumns * kCellWidth + 8, 4 * kCellHeight + 8);
    for (auto _ : state)
        page.grid->DrawGrid(&image.GetDC());
    g_bShowMsgTextDetails = TRUE;
}

void BM_EditorGrid25x5(benchmark::State& state) { PaintLcd(state, 24, LcdGridHostKind::MessageTextsNew); }
void BM_DisplayGrid13x5(benchmark::State& state) { PaintLcd(state, 12, LcdGridHostKind::MsgTxtDisplay); }

BENCHMARK(BM_EditorGrid25x5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DisplayGrid13x5)->Unit(benchmark::kMillisecond);

}  // namespace
