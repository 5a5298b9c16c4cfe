// A message-text grid printed through a printer context into a PDF file, read back as text.
#include "messagetext/LcdCanvas.h"

#include "platform/gdi/DC.h"
#include "platform/qt/QtPrinting.h"
#include "platform/ui/PrintInfo.h"
#include "support/QtTestInput.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <regex>
#include <string>

#include <unistd.h>

namespace {

constexpr int kLines = 60;
constexpr int kColumns = 12;

// What pdftotext makes of the PDF with the option.
std::string PdfToText(const std::filesystem::path& path, const std::string& strOption)
{
    std::string strText;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(
        popen(("pdftotext " + strOption + " '" + path.string() + "' -").c_str(), "r"), pclose);
    std::array<char, 4096> buffer{};
    for (std::size_t n; pipe && (n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0;)
        strText.append(buffer.data(), n);
    return strText;
}

// The PDF's text as pdftotext reads it, pages split by form feeds, blanks left out.
std::string PdfText(const std::filesystem::path& path)
{
    std::string strText = PdfToText(path, "-layout");
    std::erase(strText, ' ');
    return strText;
}

// For each page of the PDF, where each of its words starts across the page.
std::vector<std::map<std::string, double>> PdfPageWords(const std::filesystem::path& path)
{
    const std::string strHtml = PdfToText(path, "-bbox");
    std::vector<std::map<std::string, double>> pages;
    static const std::regex kTag(R"re(<page |<word xMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
    for (std::sregex_iterator it(strHtml.begin(), strHtml.end(), kTag), end; it != end; ++it) {
        if (!(*it)[1].matched)
            pages.emplace_back();
        else if (!pages.empty())
            pages.back()[(*it)[2].str()] = std::stod((*it)[1].str());
    }
    return pages;
}

// "L07" for line 7; other letters name headings, cells and row labels alike.
std::string LineName(int nLine, char chLetter = 'L')
{
    char szName[8];
    std::snprintf(szName, sizeof szName, "%c%02d", chLetter, nLine);
    return szName;
}

class GridPrintQtTest : public QtControlsSuite {
protected:
    void SetUp() override
    {
        QtControlsSuite::SetUp();
        // A file of the test's own: ctest runs the tests of this suite side by side.
        m_path = std::filesystem::temp_directory_path() /
                 ("qarvo-grid-print-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                  "-" + std::to_string(::getpid()) + ".pdf");
        std::filesystem::remove(m_path);
        // The page's frame has no title of its own: the header takes the nearest titled one.
        ASSERT_TRUE(m_page.Create(nullptr, u"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 290, 190), &m_top, 1));
        m_top.SetWindowText(_T("Message text 7"));
        ASSERT_TRUE(m_grid.Create(CRect(0, 0, 280, 180), &m_page, 1000));
        m_grid.SetRowHeight(0, 0);
        m_grid.SetColumnWidth(0, 0);
        for (int nCol = 1; nCol <= kColumns; ++nCol)
            m_grid.SetColumnWidth(nCol, 20);
        // Line n spells "Ln" and its number in its first cells, one character a cell.
        for (int nRow = 1; nRow <= kLines; ++nRow) {
            m_grid.SetRowHeight(nRow, 30);
            const CString strLine(LineName(nRow).c_str());
            for (int i = 0; i < strLine.GetLength(); ++i)
                m_grid.SetItemText(nRow, i + 1, CString(strLine[i]));
        }
    }
    void TearDown() override
    {
        m_grid.DestroyWindow();
        m_page.DestroyWindow();
        std::filesystem::remove(m_path);
        QtControlsSuite::TearDown();
    }

    // The print job as a view's print loop runs it; the number of pages printed.
    UINT Print()
    {
        CDC dc;
        EXPECT_TRUE(dc.CreatePrinterDC(MakeQtPdfPrinter(CString(m_path.string().c_str()))));
        CPrintInfo info;
        m_grid.OnBeginPrinting(&dc, &info);
        EXPECT_GT(dc.StartDoc(_T("grid")), 0);
        UINT nPrinted = 0;
        for (info.m_nCurPage = 1; info.m_nCurPage <= info.GetMaxPage(); ++info.m_nCurPage, ++nPrinted) {
            info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
            dc.StartPage();
            m_grid.OnPrint(&dc, &info);
            dc.EndPage();
        }
        dc.EndDoc();
        m_grid.OnEndPrinting(&dc, &info);
        return nPrinted;
    }

    CWnd m_page;
    CLcdCanvas m_grid{kLines + 1, kColumns + 1, 1, 1};
    std::filesystem::path m_path;
};

TEST_F(GridPrintQtTest, PrintsEveryLineOnceOverSeveralNumberedPages)
{
    const UINT nPages = Print();
    ASSERT_GE(nPages, 2u);
    const std::string strText = PdfText(m_path);
    std::vector<std::string> pages;
    for (std::size_t nStart = 0, nEnd; (nEnd = strText.find('\f', nStart)) != std::string::npos; nStart = nEnd + 1)
        pages.push_back(strText.substr(nStart, nEnd - nStart));
    ASSERT_EQ(pages.size(), nPages);
    for (UINT nPage = 1; nPage <= nPages; ++nPage) {
        const std::string& strPage = pages[nPage - 1];
        EXPECT_NE(strPage.find("Page" + std::to_string(nPage) + "of" + std::to_string(nPages)), std::string::npos);
        EXPECT_NE(strPage.find("Messagetext7"), std::string::npos);
        EXPECT_NE(strPage.find("QARVOEditor"), std::string::npos);
    }
    // Every line once, in order, the last one on the last page.
    for (std::size_t nLine = 1, nPos = 0; nLine <= kLines; ++nLine) {
        const std::string strLine = LineName(int(nLine));
        nPos = strText.find(strLine, nPos);
        ASSERT_NE(nPos, std::string::npos) << strLine;
        EXPECT_EQ(strText.find(strLine, nPos + 1), std::string::npos) << strLine;
    }
    EXPECT_NE(pages.back().find(LineName(kLines)), std::string::npos);
}

TEST_F(GridPrintQtTest, ARowTallerThanAPagePrintsAloneOnItsPage)
{
    m_grid.SetRowHeight(5, 400);  // some 330 units of a page hold rows
    Print();
    const std::string strText = PdfText(m_path);
    for (const char* pszLine : {"L04", "L05", "L06"})
        EXPECT_NE(strText.find(pszLine), std::string::npos) << pszLine;
}

TEST_F(GridPrintQtTest, WysiwygPagesSplitTheColumnsToo)
{
    m_grid.SetWysiwygPrinting(TRUE);
    for (int nCol = 1; nCol <= kColumns; ++nCol)
        m_grid.SetColumnWidth(nCol, 200);
    // Two columns of 200 fit across 3/4 of A4 or Letter at 96 dpi: each page of rows takes six.
    const UINT nPages = Print();
    EXPECT_GE(nPages, 12u);
    EXPECT_EQ(nPages % (kColumns / 2), 0u);
}

// With the headings and the row labels shown, a page of the later columns heads its own
// columns, each heading over its column, and the corner heading stands over the row labels.
TEST_F(GridPrintQtTest, EachColumnPageHeadsItsOwnColumns)
{
    m_grid.SetWysiwygPrinting(TRUE);
    m_grid.SetRowHeight(0, 30);
    m_grid.SetColumnWidth(0, 60);
    m_grid.SetItemText(0, 0, _T("K"));
    for (int nCol = 1; nCol <= kColumns; ++nCol) {
        m_grid.SetColumnWidth(nCol, 200);
        m_grid.SetItemText(0, nCol, CString(LineName(nCol, 'H').c_str()));
    }
    for (int nRow = 1; nRow <= kLines; ++nRow) {
        m_grid.SetItemText(nRow, 0, _T("R"));
        for (int nCol = 1; nCol <= kColumns; ++nCol)
            m_grid.SetItemText(nRow, nCol, CString(LineName(nCol, 'C').c_str()));
    }
    ASSERT_GE(Print(), 12u);
    const auto pages = PdfPageWords(m_path);
    ASSERT_GE(pages.size(), 12u);
    for (std::size_t nPage = 0; nPage < pages.size(); ++nPage) {
        const auto& x = pages[nPage];
        ASSERT_TRUE(x.contains("K") && x.contains("R")) << nPage;
        // A heading's raised edge moves its text by a unit or so.
        EXPECT_NEAR(x.at("K"), x.at("R"), 3.0) << nPage;
        int nColumns = 0;
        for (int nCol = 1; nCol <= kColumns; ++nCol) {
            const std::string strHeading = LineName(nCol, 'H');
            const std::string strCell = LineName(nCol, 'C');
            ASSERT_EQ(x.contains(strHeading), x.contains(strCell)) << nPage << " " << nCol;
            if (!x.contains(strCell))
                continue;
            EXPECT_NEAR(x.at(strHeading), x.at(strCell), 3.0) << nPage << " " << nCol;
            ++nColumns;
        }
        EXPECT_GT(nColumns, 0) << nPage;
    }
}

}  // namespace
