// Printing through QPrinter under the offscreen platform, to PDF files instead of a printer.
#include "platform/core/MessageBox.h"
#include "platform/qt/QtPrinting.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/PrintInfo.h"
#include "platform/ui/View.h"
#include "support/QtTestInput.h"

#include <QDoubleSpinBox>
#include <QWindow>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

class CPagesView : public CView {
public:
    // A shape, text and a picture stretched from a memory context, as diagrams are printed.
    void OnDraw(CDC* pDC) override
    {
        pDC->Rectangle(100, 100, 1000, 600);
        pDC->TextOut(120, 120, CString(_T("Page")));
        CDC memDC;
        CBitmap bitmap;
        ASSERT_TRUE(memDC.CreateCompatibleDC(pDC));
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(pDC, 40, 30));
        CBitmap* pOld = memDC.SelectObject(&bitmap);
        memDC.FillSolidRect(0, 0, 40, 30, RGB(0, 128, 255));
        EXPECT_TRUE(pDC->StretchBlt(0, 700, 400, 300, &memDC, 0, 0, 40, 30, SRCCOPY));
        memDC.SelectObject(pOld);
    }

protected:
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        pInfo->SetMaxPage(2);
        return DoPreparePrinting(pInfo);
    }
};

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Page objects of a PDF ("/Type /Page", not the page tree's "/Type /Pages").
int CountPdfPages(const std::string& strPdf)
{
    int nPages = 0;
    const std::string strKey = "/Type /Page";
    for (std::size_t pos = strPdf.find(strKey); pos != std::string::npos;
         pos = strPdf.find(strKey, pos + 1)) {
        if (strPdf.compare(pos + strKey.size(), 1, "s") != 0)
            ++nPages;
    }
    return nPages;
}

class QtPrintingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QtTestApp(); }
    void SetUp() override
    {
        m_path = std::filesystem::temp_directory_path() /
                 ("qarvo-print-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".pdf");
        std::filesystem::remove(m_path);
        m_previous = AfxSetPrintBackend(PrintBackend{
            [] { return true; },
            [this](PrintDialogSettings&) { return MakeQtPdfPrinter(CString(m_path.string().c_str())); },
            nullptr,
        });
    }
    void TearDown() override
    {
        AfxSetPrintBackend(m_previous);
        std::filesystem::remove(m_path);
    }

    std::filesystem::path m_path;
    PrintBackend m_previous;
    CMessageBoxRecorder m_boxes;
};

TEST_F(QtPrintingTest, PrintsTheViewsPagesToAPdfFile)
{
    CPagesView view;
    view.OnFilePrint();

    ASSERT_TRUE(std::filesystem::exists(m_path));
    const std::string strPdf = ReadFile(m_path);
    EXPECT_EQ(strPdf.rfind("%PDF", 0), 0u);
    EXPECT_EQ(CountPdfPages(strPdf), 2);
    EXPECT_NE(strPdf.find("/Subtype /Image"), std::string::npos);
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(QtPrintingTest, APrinterContextReportsThePrintablePage)
{
    CDC dc;
    ASSERT_TRUE(dc.CreatePrinterDC(MakeQtPdfPrinter(CString(m_path.string().c_str()))));
    EXPECT_TRUE(dc.IsPrinting());
    const int nDpi = dc.GetDeviceCaps(LOGPIXELSX);
    EXPECT_GE(nDpi, 300);
    // Some paper size between A5 and A3 whatever the locale's default is, in pixels.
    EXPECT_GT(dc.GetDeviceCaps(HORZRES), nDpi * 5);
    EXPECT_LT(dc.GetDeviceCaps(HORZRES), nDpi * 12);
    EXPECT_GT(dc.GetDeviceCaps(VERTRES), dc.GetDeviceCaps(HORZRES));
    EXPECT_LE(dc.GetDeviceCaps(HORZRES) + dc.GetDeviceCaps(PHYSICALOFFSETX),
              dc.GetDeviceCaps(PHYSICALWIDTH));
}

TEST_F(QtPrintingTest, APrinterThatCannotStartTheJobIsReported)
{
    m_path = "/nonexistent-qarvo-dir/out.pdf";
    CPagesView view;
    view.OnFilePrint();

    EXPECT_FALSE(std::filesystem::exists(m_path));
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);
}

// A PDF file printed over an old one is written as a saved file is: through a link to the file
// the link names, keeping its permissions; a read-only one is left as it was, and the job fails.
TEST_F(QtPrintingTest, PrintingOverAFileKeepsWhatTheFileWas)
{
    namespace fs = std::filesystem;
    const fs::path target = m_path.string() + ".target";
    std::ofstream(target) << "old";
    fs::create_symlink(target, m_path);
    for (const fs::perms mode : {fs::perms(0444), fs::perms(0600)}) {
        fs::permissions(target, mode);
        CPagesView view;
        view.OnFilePrint();
        EXPECT_TRUE(fs::is_symlink(m_path));
        EXPECT_EQ(fs::status(target).permissions(), mode);
        EXPECT_EQ(ReadFile(target).rfind("%PDF", 0), mode == fs::perms(0600) ? 0u : std::string::npos);
        EXPECT_EQ(m_boxes.Boxes().size(), 1u);
    }
    EXPECT_EQ(m_boxes.Boxes()[0].text.ToUtf8(), "The printer failed; the document was not printed.");
    fs::remove(target);
}

// The page setup of the PDF printer, a machine's only one without a print system: the top margin
// typed (20 mm) is what the next opening shows.
TEST(QtPageSetupTest, ThePdfPrintersPageSetupKeepsTheTypedMargin)
{
    QtTestApp();
    InitQtPrinting();
    double dShown = 0;
    for (const char16_t* pszTyped : {u"20\r", u"\x1b"}) {
        QTimer::singleShot(0, [&, pszTyped] {
            auto* pTop = QApplication::activeModalWidget()->findChild<QDoubleSpinBox*>("topMargin");
            dShown = pTop->value();
            QtType(pTop, Qt::Key_A, QString(), Qt::ControlModifier);
            for (const QChar ch : QString::fromUtf16(pszTyped))
                QtType(pTop, ch == u'\r' ? Qt::Key_Return : ch == u'\x1b' ? Qt::Key_Escape : Qt::Key(ch.unicode()), ch);
        });
        AfxDoPageSetup();
    }
    ShutdownQtPrinting();
    EXPECT_DOUBLE_EQ(dShown, 20.0);
}

// The print dialog of a window stands over that window's top-level window, whichever window Qt
// has active just then: the window manager keeps it above the main window, not above the
// application as a whole.
class QtPrintDialogTest : public QtControlsSuite {};

TEST_F(QtPrintDialogTest, ThePrintDialogIsTransientForItsOwnersWindow)
{
    const PrintBackend previous = AfxSetPrintBackend(PrintBackend{});
    InitQtPrinting();
    CWnd owner;
    ASSERT_TRUE(owner.Create(nullptr, u"owner", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &m_top, 1));
    CWnd other;
    ASSERT_TRUE(other.Create(nullptr, u"other", WS_OVERLAPPED | WS_VISIBLE, CRect(400, 0, 600, 200), nullptr, 0));
    QApplication::setActiveWindow(QtWidgetOf(other));
    QWindow* pTransientParent = nullptr;
    QTimer::singleShot(0, [&] {
        if (QWidget* pDialog = QApplication::activeModalWidget()) {
            pTransientParent = pDialog->windowHandle()->transientParent();
            pDialog->close();
        }
    });
    CPrintDialog dlg(FALSE, 0, &owner);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(pTransientParent, QtWidgetOf(m_top)->windowHandle());
    other.DestroyWindow();
    AfxSetPrintBackend(previous);
}

}  // namespace
