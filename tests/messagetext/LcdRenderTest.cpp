// A 24 x 4 LCD with Latin text, a Chinese word, a parameter, a bar graph and an I/O status
// name, painted with Qt into lcd-details.png (the editor's style) and lcd-display.png (as the
// controller's LCD shows it) in the test's working directory for a person to look at. The
// checks here are that the painting runs, the images are written, a Chinese glyph spreads over
// both of its cells, and every character of the LCD style stays whole beside its neighbours.
#include "GridTestSupport.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/Widget.h"
#include "messagetext/MessageTextIds.h"
#include "messagetext/SpecialCharDlg.h"
#include "platform/qt/OffscreenImage.h"
#include "support/QtTestApp.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kImageWidth = kLcdColumns * kCellWidth + 8;
constexpr int kImageHeight = 4 * kCellHeight + 8;

class LcdRender : public LcdGridTest {
protected:
    void SetUp() override
    {
        QtTestApp();
        LcdGridTest::SetUp();
        // As the message-text page sets its grid up: the LCD's green behind black text.
        for (int r = 1; r <= LCD_LINE_COUNT; ++r)
            for (int c = 1; c <= kLcdColumns; ++c)
                Grid().SetItemBkColour(r, c, RGB(85, 157, 85));
        Focus(1, 1);
        for (char ch : std::string("LEVEL"))
            Type(WCHAR(ch));
        PutChinese(1, 8, 0x6C34);   // "water level"
        PutChinese(1, 10, 0x4F4D);
        Focus(4, 1);
        for (char ch : std::string("OK"))
            Type(WCHAR(ch));
        Focus(4, 24);

        CBlockObj* pCounter = CreateBlockForType(800, nullptr, &m_doc);
        m_doc.AddBlock(pCounter);
        pCounter->m_nNumber = 9012;
        AddElement(2, 3, 8, 0, pCounter, _T("Counter"), RGB(128, 128, 128)).m_nParamId = 16;
        CWidget& bar = AddElement(3, 5, 10, WIDGET_KIND_BARGRAPH, pCounter, _T("Current"), RGB(128, 128, 255));
        bar.m_nParamId = 16;
        bar.m_nOption = 10;
        bar.m_bSelected = TRUE;

        // Q1 switched on, its I/O status name on line 2 from column 13 reading "ON".
        CBlockObj* pOutput = CreateBlockForType(BT_OUT, nullptr, &m_doc);
        m_doc.AddBlock(pOutput);
        pOutput->m_nNumber = NUM_OUTPUT + 1;
        pOutput->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
        m_pStatusName = &AddElement(2, kStatusColumn, 8, WIDGET_KIND_IOSTATUSNAME, pOutput, _T(""), RGB(255, 255, 255));
        for (int c = 1; c < WIDGET_NAME_COLUMNS; ++c) {
            m_pStatusName->m_strNames[1][c] = CString(_T("OFF     ")).Mid(c - 1, 1);
            m_pStatusName->m_strNames[2][c] = CString(_T("ON      ")).Mid(c - 1, 1);
        }
    }
    static constexpr int kStatusColumn = 13;
    CWidget* m_pStatusName = nullptr;
    CWidget& AddElement(int nLine, int nColumn, int nWidth, int nKind, CBlockObj* pBlock, LPCTSTR pszCaption,
                        COLORREF crColor)
    {
        auto* pWidget = new CWidget((nColumn - 1) * kCellWidth, (nLine - 1) * kCellHeight,
                                    nWidth * kCellWidth - 1, kCellHeight - 1, crColor);
        pWidget->m_nLine = nLine;
        pWidget->m_nColumn = nColumn;
        pWidget->m_nWidth = nWidth;
        pWidget->m_nKind = nKind;
        pWidget->m_pBlock = pBlock;
        pWidget->m_nBlockNumber = pBlock->m_nNumber;
        pWidget->m_strCaption = pszCaption;
        Grid().m_arrWidgets[nLine - 1].Add(pWidget);
        return *pWidget;
    }
    void Render(COffscreenImage& image, bool bDetails)
    {
        m_host.m_kind = bDetails ? LcdGridHostKind::MessageTextsNew : LcdGridHostKind::MsgTxtDisplay;
        g_bShowMsgTextDetails = bDetails;
        Grid().DrawGrid(&image.GetDC());
        g_bShowMsgTextDetails = TRUE;
    }
    // The columns of a cell range that hold dark (glyph) pixels.
    static std::pair<int, int> InkColumns(const COffscreenImage& image, const CRect& area)
    {
        int nLeft = area.right;
        int nRight = area.left - 1;
        for (int x = area.left; x < area.right; ++x)
            for (int y = area.top; y < area.bottom; ++y)
                if ((image.GetPixel(x, y) & 0xFF) < 96 && ((image.GetPixel(x, y) >> 8) & 0xFF) < 96) {
                    nLeft = std::min(nLeft, x);
                    nRight = std::max(nRight, x);
                }
        return {nLeft, nRight};
    }
};

TEST_F(LcdRender, DetailsAndDisplayImagesAreWritten)
{
    for (bool bDetails : {true, false}) {
        COffscreenImage image(kImageWidth, kImageHeight);
        Render(image, bDetails);
        const char16_t* pszName = bDetails ? u"lcd-details.png" : u"lcd-display.png";
        std::filesystem::remove(std::filesystem::path(pszName));
        ASSERT_TRUE(image.SavePng(pszName));
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(pszName)));
    }
}

TEST_F(LcdRender, ChineseGlyphFillsItsDoubleCell)
{
    COffscreenImage image(kImageWidth, kImageHeight);
    Render(image, true);
    // The pair in columns 8 and 9 of line 1, inside the grid lines.
    const CRect pair(7 * kCellWidth, 1, 9 * kCellWidth - 1, kCellHeight - 1);
    const auto [nLeft, nRight] = InkColumns(image, pair);
    ASSERT_LE(nLeft, nRight) << "no glyph drawn";
    EXPECT_GE(nRight - nLeft + 1, kCellWidth * 2 * 3 / 4) << nLeft << ".." << nRight;
    // It reaches into the right half, over that cell's background.
    EXPECT_GT(nRight, 8 * kCellWidth + kCellWidth / 2);
}

TEST_F(LcdRender, EverySpecialCharacterShowsItsGlyphNotAnEllipsis)
{
    // The palette's ten characters on line 4 from column 5: an ellipsis's dots sit below the
    // middle of the cell, every glyph reaches above it.
    for (int i = 0; i < SPECIAL_CHAR_COUNT; ++i)
        Grid().SetItemText(4, 5 + i, CString(SpecialCharOfButton(i)));
    COffscreenImage image(kImageWidth, kImageHeight);
    Render(image, true);
    for (int i = 0; i < SPECIAL_CHAR_COUNT; ++i) {
        const auto [nLeft, nRight] = InkColumns(image, CRect((4 + i) * kCellWidth + 1, 3 * kCellHeight + 1,
                                                             (5 + i) * kCellWidth - 1, 3 * kCellHeight + 14));
        EXPECT_LE(nLeft, nRight) << "U+" << std::hex << int(SpecialCharOfButton(i));
    }
}

// The I/O status name in the LCD style: every printable ASCII character, in each of its eight
// cells at once, draws in each cell what it draws there alone, and alone it leaves the cells
// beside it as blank ones are. A character wider than its cell is cut by the next one's
// background, and "ON" reads "CN".
TEST_F(LcdRender, LcdStyleDrawsEveryCharacterWhole)
{
    constexpr int kAloneCell = 3;
    const CRect area((kStatusColumn - 1) * kCellWidth, kCellHeight, (kStatusColumn + 7) * kCellWidth, 2 * kCellHeight);
    // The pixels of the element's cells with the on-state name shown, cell by cell.
    const auto shot = [&](const std::u16string& str) {
        for (int c = 1; c < WIDGET_NAME_COLUMNS; ++c)
            m_pStatusName->m_strNames[2][c] = CString(str[size_t(c - 1)]);
        COffscreenImage image(kImageWidth, kImageHeight);
        Render(image, false);
        std::vector<std::vector<COLORREF>> cells(8);
        for (int x = area.left; x < area.right; ++x)
            for (int y = area.top; y < area.bottom; ++y)
                cells[size_t((x - area.left) / kCellWidth)].push_back(image.GetPixel(x, y));
        return cells;
    };
    const auto blank = shot(u"        ");
    std::u16string broken;
    for (char16_t ch = 0x21; ch < 0x7F; ++ch) {
        std::u16string strAlone(8, u' ');
        strAlone[kAloneCell] = ch;
        const auto alone = shot(strAlone);
        const auto full = shot(std::u16string(8, ch));
        bool bWhole = true;
        for (size_t k = 0; k < 8; ++k)
            bWhole = bWhole && full[k] == alone[kAloneCell] && (k == kAloneCell || alone[k] == blank[k]);
        if (!bWhole)
            broken += ch;
    }
    EXPECT_EQ(broken, u"");
}

}  // namespace
