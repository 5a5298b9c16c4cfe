// The view's print loop on a recording printer: the dialog is answered by the test, the pages
// reach the printer in order, each prepared and drawn by the view.
#include "platform/core/MessageBox.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"
#include "platform/ui/PrintInfo.h"
#include "platform/ui/PrintPreviewDlg.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/View.h"
#include "platform/ui/WndMessageMap.h"
#include "WindowFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

DeviceCaps PrinterCaps()
{
    DeviceCaps caps;
    caps.nHorzRes = caps.nPhysicalWidth = 2000;
    caps.nVertRes = caps.nPhysicalHeight = 3000;
    caps.nLogPixelsX = caps.nLogPixelsY = 300;
    return caps;
}

// Logs what the print loop asks of it; a page call fails when told to.
class CRecordingPrinter : public PrinterDevice {
public:
    CRecordingPrinter(Log& log, RecordingSurface& surface) : m_log(log), m_surface(surface) {}

    const DeviceCaps& GetDeviceCaps() const override { return m_caps; }
    DrawingSurface* StartDoc(const CString& strDocName) override
    {
        m_log.push_back("startdoc:" + strDocName.ToUtf8());
        return &m_surface;
    }
    bool StartPage() override
    {
        m_log.push_back("startpage");
        return !m_bFailPages;
    }
    bool EndPage() override
    {
        m_log.push_back("endpage");
        return true;
    }
    bool EndDoc() override
    {
        m_log.push_back("enddoc");
        return !m_bFailEnd;
    }
    void AbortDoc() override { m_log.push_back("abortdoc"); }

    bool m_bFailPages = false;
    bool m_bFailEnd = false;

private:
    Log& m_log;
    RecordingSurface& m_surface;
    DeviceCaps m_caps = PrinterCaps();
};

// Its document is "Report".
class CPrintView : public CView {
public:
    explicit CPrintView(Log& log) : m_log(log) { SetWindowText(_T("Report")); }

    UINT m_nMaxPage = 3;        // 0: unknown, printing stops after m_nLastPage
    UINT m_nLastPage = 2;
    UINT m_nMaxPageAtBegin = 0;  // set in OnBeginPrinting when not 0
    BOOL m_bDirect = FALSE;
    CRect m_rectDrawSeen;

    void OnDraw(CDC* pDC) override
    {
        pDC->Rectangle(0, 0, 10, 10);
        m_log.push_back("draw");
    }
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override
    {
        ASSERT_NE(pInfo, nullptr);
        m_log.push_back("prepare:" + std::to_string(pInfo->m_nCurPage));
        pDC->SetWindowOrg(100, 50);
        if (m_nMaxPage == 0 && pInfo->m_nCurPage > m_nLastPage)
            pInfo->m_bContinuePrinting = FALSE;
    }

protected:
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        if (m_bDirect)
            pInfo->m_bDirect = TRUE;
        if (m_nMaxPage != 0)
            pInfo->SetMaxPage(m_nMaxPage);
        return DoPreparePrinting(pInfo);
    }
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override
    {
        if (m_nMaxPageAtBegin != 0)
            pInfo->SetMaxPage(m_nMaxPageAtBegin);
        m_log.push_back("begin:printing=" + std::to_string(pDC->IsPrinting()) +
                        ",res=" + std::to_string(pDC->GetDeviceCaps(HORZRES)) + "x" +
                        std::to_string(pDC->GetDeviceCaps(VERTRES)));
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        m_rectDrawSeen = pInfo->m_rectDraw;
        CView::OnPrint(pDC, pInfo);
    }
    void OnEndPrinting(CDC*, CPrintInfo*) override { m_log.push_back("end"); }

private:
    Log& m_log;
};

// Printing as a program's view maps it.
class CMappedPrintView : public CPrintView {
public:
    using CPrintView::CPrintView;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMappedPrintView, CPrintView)
    ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrint)
END_MESSAGE_MAP()

class ViewPrintTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_previous = AfxSetPrintBackend(PrintBackend{
            [this] { return m_bInstalled; },
            [this](PrintDialogSettings& settings) -> std::unique_ptr<PrinterDevice> {
                m_log.push_back("dialog:" + std::to_string(settings.nMinPage) + "-" +
                                std::to_string(settings.nMaxPage));
                if (!m_bAnswerOk)
                    return nullptr;
                settings.Flags = m_dwChosenFlags;
                settings.nFromPage = m_nChosenFrom;
                settings.nToPage = m_nChosenTo;
                return MakePrinter();
            },
            [this](const PrintDialogSettings&) -> std::unique_ptr<PrinterDevice> {
                m_log.push_back("default");
                return m_bHasDefault ? MakePrinter() : nullptr;
            },
        });
    }
    void TearDown() override
    {
        AfxSetPrintBackend(m_previous);
        WindowTest::TearDown();
    }

    std::unique_ptr<PrinterDevice> MakePrinter()
    {
        auto pPrinter = std::make_unique<CRecordingPrinter>(m_log, m_surface);
        pPrinter->m_bFailPages = m_bFailPages;
        pPrinter->m_bFailEnd = m_bFailEnd;
        return pPrinter;
    }

    Log m_log;
    RecordingSurface m_surface{SIZE{2000, 3000}, PrinterCaps()};
    CMessageBoxRecorder m_boxes;
    PrintBackend m_previous;
    bool m_bInstalled = true;
    bool m_bAnswerOk = true;
    bool m_bHasDefault = true;
    bool m_bFailPages = false;
    bool m_bFailEnd = false;
    DWORD m_dwChosenFlags = PD_ALLPAGES;
    WORD m_nChosenFrom = 1;
    WORD m_nChosenTo = 1;
};

Log PageCalls(std::initializer_list<int> pages)
{
    Log log;
    for (int nPage : pages)
        log.insert(log.end(), {"prepare:" + std::to_string(nPage), "startpage", "draw", "endpage"});
    return log;
}

Log Job(const Log& pages, const std::string& strEnd = "enddoc")
{
    Log log{"dialog:1-3", "begin:printing=1,res=2000x3000", "startdoc:Report"};
    log.insert(log.end(), pages.begin(), pages.end());
    log.insert(log.end(), {strEnd, "end"});
    return log;
}

TEST_F(ViewPrintTest, PrintsEveryPageInOrderOnThePrinter)
{
    CPrintView view(m_log);
    view.OnFilePrint();

    EXPECT_EQ(m_log, Job(PageCalls({1, 2, 3})));
    EXPECT_EQ(m_surface.Records().size(), 3u);
    // The printable area in the logical units of the prepared context.
    EXPECT_EQ(view.m_rectDrawSeen, CRect(100, 50, 2100, 3050));
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(ViewPrintTest, PrintsTheChosenRangeWithinTheDocument)
{
    struct Case {
        WORD nFrom, nTo;
        std::initializer_list<int> pages;
    };
    const Case cases[] = {{2, 3, {2, 3}}, {2, 2, {2}}, {0, 9, {1, 2, 3}}, {3, 1, {3}}};
    for (const Case& c : cases) {
        m_log.clear();
        m_dwChosenFlags = PD_PAGENUMS;
        m_nChosenFrom = c.nFrom;
        m_nChosenTo = c.nTo;
        CPrintView view(m_log);
        view.OnFilePrint();
        EXPECT_EQ(m_log, Job(PageCalls(c.pages))) << c.nFrom << ".." << c.nTo;
    }
}

// A job of unknown length ends where the view stops it, or at a page count the view learns only
// once the printer is chosen.
TEST_F(ViewPrintTest, AJobOfUnknownLengthEndsWhereTheViewSays)
{
    Log stopped = PageCalls({1, 2});
    stopped.push_back("prepare:3");
    const struct {
        UINT nLastPage, nMaxPageAtBegin;
        Log pages;
    } cases[] = {{2, 0, stopped}, {9, 2, PageCalls({1, 2})}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nLastPage);
        m_log.clear();
        CPrintView view(m_log);
        view.m_nMaxPage = 0;
        view.m_nLastPage = c.nLastPage;
        view.m_nMaxPageAtBegin = c.nMaxPageAtBegin;
        view.OnFilePrint();
        Log job = Job(c.pages);
        job[0] = "dialog:1-65535";
        EXPECT_EQ(m_log, job);
    }
}

TEST_F(ViewPrintTest, CancelInTheDialogPrintsNothing)
{
    m_bAnswerOk = false;
    CPrintView view(m_log);
    view.OnFilePrint();

    EXPECT_EQ(m_log, Log{"dialog:1-3"});
    EXPECT_TRUE(m_surface.Records().empty());
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(ViewPrintTest, NoPrinterInstalledSaysSoAndPrintsNothing)
{
    m_bInstalled = false;
    CPrintView view(m_log);
    view.OnFilePrint();

    EXPECT_TRUE(m_log.empty());
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_NE(m_boxes.Boxes()[0].text.Find(_T("No printers")), -1);
}

TEST_F(ViewPrintTest, DirectPrintingUsesTheDefaultPrinterWithoutTheDialog)
{
    CPrintView view(m_log);
    view.m_bDirect = TRUE;
    view.OnFilePrint();

    Log job = Job(PageCalls({1, 2, 3}));
    job[0] = "default";
    EXPECT_EQ(m_log, job);

    // Without a default printer the user still gets to choose one.
    m_log.clear();
    m_bHasDefault = false;
    view.OnFilePrint();
    EXPECT_EQ(m_log.at(0), "default");
    EXPECT_EQ(m_log.at(1), "dialog:1-3");
    EXPECT_EQ(m_log.back(), "end");
}

TEST_F(ViewPrintTest, PrintCommandsReachTheLoopThroughTheViewsMap)
{
    auto* pView = new CMappedPrintView(m_log);  // deletes itself with its window
    ASSERT_TRUE(pView->Create(nullptr, u"Report", WS_OVERLAPPED, kRect, nullptr, 0));

    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(m_log.at(0), "default");
    EXPECT_EQ(m_log.back(), "end");

    m_log.clear();
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    EXPECT_EQ(m_log, Job(PageCalls({1, 2, 3})));
    pView->DestroyWindow();
}

TEST_F(ViewPrintTest, APrinterFailureAbortsTheJobAndSaysSo)
{
    m_bFailPages = true;
    CPrintView view(m_log);
    view.OnFilePrint();

    EXPECT_EQ(m_log, (Log{"dialog:1-3", "begin:printing=1,res=2000x3000", "startdoc:Report",
                          "prepare:1", "startpage", "abortdoc", "end"}));
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);
}

TEST_F(ViewPrintTest, APrinterThatCannotFinishTheDocumentIsAFailure)
{
    // A document the printer could not write (a PDF file that could not be closed, say) is not
    // reported as printed.
    m_bFailEnd = true;
    CPrintView view(m_log);
    EXPECT_FALSE(view.DoFilePrint());
    EXPECT_EQ(m_log.back(), "end");
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);

    m_bFailEnd = false;
    m_boxes.Clear();
    EXPECT_TRUE(view.DoFilePrint());
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(ViewPrintTest, ThePreviewDrawsEachPageAsItShowsItInAWindowOfItsOwn)
{
    m_bHasDefault = false;  // the preview does without a printer: A4 at screen resolution
    CPrintView view(m_log);
    std::vector<std::string> shown;
    CDialog::SetDialogHook([&](CDialog& dlg) {
        auto* pPreview = dynamic_cast<CPrintPreviewDlg*>(&dlg);
        ASSERT_NE(pPreview, nullptr);
        shown.push_back(WindowText(dlg).ToUtf8());
        for (UINT nButton : {IDC_PREVIEW_NEXT, IDC_PREVIEW_NEXT, IDC_PREVIEW_NEXT, IDC_PREVIEW_PREV}) {
            dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED), 0);
            shown.push_back(WindowText(*dlg.GetDlgItem(int(IDC_PREVIEW_PAGE_TEXT))).ToUtf8());
        }
        shown.push_back("next:" + std::to_string(dlg.GetDlgItem(int(IDC_PREVIEW_NEXT))->IsWindowEnabled()));
        dlg.PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_TRUE(view.DoFilePrintPreview());
    CDialog::SetDialogHook(nullptr);

    // No print dialog (no default printer either); the job begins on the paper (A4 upright),
    // then each page shown is drawn into a picture of its own; it ends when the preview closes.
    Log expected{"default", "begin:printing=1,res=794x1123"};
    for (int nPage : {1, 2, 3, 2})
        expected.insert(expected.end(), {"prepare:" + std::to_string(nPage), "draw"});
    expected.push_back("end");
    EXPECT_EQ(m_log, expected);
    EXPECT_EQ(shown, (std::vector<std::string>{"Report - Print Preview", "Page 2 of 3", "Page 3 of 3",
                                               "Page 3 of 3", "Page 2 of 3", "next:1"}));
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

// A larger window shows a larger page, drawn anew at its new size rather than stretched.
TEST_F(ViewPrintTest, AResizedPreviewDrawsItsPageAtTheNewSize)
{
    m_bHasDefault = false;
    CPrintView view(m_log);
    std::vector<CSize> sizes;
    CDialog::SetDialogHook([&](CDialog& dlg) {
        const CPreviewPage& page = static_cast<CPrintPreviewDlg&>(dlg).GetPageArea();
        sizes.push_back(page.GetPictureSize());
        CRect rcWindow;
        dlg.GetWindowRect(rcWindow);
        dlg.MoveWindow(rcWindow.left, rcWindow.top, rcWindow.Width() * 2, rcWindow.Height() * 2);
        sizes.push_back(page.GetPictureSize());
        dlg.PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_TRUE(view.DoFilePrintPreview());
    CDialog::SetDialogHook(nullptr);

    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_GT(sizes[1].cy, sizes[0].cy * 3 / 2);
    // A4 upright: 794 x 1123, to within a pixel's rounding.
    EXPECT_NEAR(double(sizes[1].cx) / sizes[1].cy, 794.0 / 1123.0, 0.01);
    EXPECT_EQ(std::count(m_log.begin(), m_log.end(), "draw"), 2);
}

// The preview shows the whole sheet, the page drawn inside the margins of the page setup as a
// print puts it: A4 at 96 dpi less 20 mm (75 px) on each side.
TEST_F(ViewPrintTest, ThePreviewDrawsThePageInsideThePageSetupsMargins)
{
    m_bHasDefault = false;
    const PrinterSettings saved = AfxGetPrinterSettings();
    AfxGetPrinterSettings().rectMargins = CRect(2000, 2000, 2000, 2000);
    CPrintView view(m_log);
    CSize sizePicture;
    CDialog::SetDialogHook([&](CDialog& dlg) {
        sizePicture = static_cast<CPrintPreviewDlg&>(dlg).GetPageArea().GetPictureSize();
        dlg.PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_TRUE(view.DoFilePrintPreview());
    CDialog::SetDialogHook(nullptr);
    AfxGetPrinterSettings() = saved;

    EXPECT_EQ(m_log, (Log{"default", "begin:printing=1,res=644x973", "prepare:1", "draw", "end"}));
    EXPECT_NEAR(double(sizePicture.cx) / sizePicture.cy, 794.0 / 1123.0, 0.01);
    EXPECT_NEAR(double(view.m_rectDrawSeen.Width()) / sizePicture.cx, 644.0 / 794.0, 0.01);
}

TEST(PrintPreviewPageTest, ThePageFillsTheDeskInItsOwnProportion)
{
    const struct {
        CSize sizePage;
        CRect rcPage;
    } cases[] = {
        {CSize(200, 100), CRect(8, 108, 408, 308)},  // wide: as wide as the desk
        {CSize(100, 200), CRect(108, 8, 308, 408)},  // tall: as high as the desk
        {CSize(0, 100), CRect(8, 8, 8, 8)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CPreviewPage::FitPage(CRect(0, 0, 416, 416), c.sizePage), c.rcPage) << c.sizePage.cx;
}

TEST(PrinterDCTest, ReportsThePrinterAndKeepsThePageCallsInOrder)
{
    Log log;
    RecordingSurface surface{SIZE{2000, 3000}, PrinterCaps()};
    CDC dc;
    EXPECT_FALSE(dc.IsPrinting());
    EXPECT_EQ(dc.StartDoc(_T("x")), SP_ERROR);
    ASSERT_TRUE(dc.CreatePrinterDC(std::make_unique<CRecordingPrinter>(log, surface)));
    EXPECT_TRUE(dc.IsPrinting());
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 2000);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 300);

    EXPECT_EQ(dc.StartPage(), SP_ERROR);  // no document yet
    EXPECT_GT(dc.StartDoc(_T("doc")), 0);
    EXPECT_EQ(dc.StartDoc(_T("again")), SP_ERROR);
    EXPECT_EQ(dc.EndPage(), SP_ERROR);  // no page yet
    EXPECT_GT(dc.StartPage(), 0);
    EXPECT_TRUE(dc.LineTo(5, 5));
    EXPECT_GT(dc.EndDoc(), 0);  // ends the open page first
    EXPECT_EQ(log, (Log{"startdoc:doc", "startpage", "endpage", "enddoc"}));
    EXPECT_EQ(surface.Records().size(), 1u);

    // Deleting the context in the middle of a document abandons it.
    log.clear();
    EXPECT_GT(dc.StartDoc(_T("late")), 0);
    EXPECT_TRUE(dc.DeleteDC());
    EXPECT_FALSE(dc.IsPrinting());
    EXPECT_EQ(log, (Log{"startdoc:late", "abortdoc"}));
}

TEST(PrintInfoTest, KeepsThePageRangeInTheDialogSettings)
{
    CPrintInfo info;
    EXPECT_EQ(info.GetMinPage(), 1u);
    EXPECT_EQ(info.GetMaxPage(), 0xFFFFu);
    info.SetMinPage(2);
    info.SetMaxPage(7);
    EXPECT_EQ(info.m_pPD->m_pd.nMinPage, 2);
    EXPECT_EQ(info.m_pPD->m_pd.nMaxPage, 7);
    EXPECT_EQ(info.GetFromPage(), 2u);
    EXPECT_EQ(info.GetToPage(), 7u);
    EXPECT_EQ(info.m_nCurPage, 1u);
    EXPECT_TRUE(info.m_bContinuePrinting);
}

}  // namespace
