// The view's print loop: the printer comes from the print dialog (or the default printer), the
// pages of the chosen range are printed in order, each prepared and drawn by the view.
#include "platform/core/Document.h"
#include "platform/core/MessageBox.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/ImagePrinter.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/PrintInfo.h"
#include "platform/ui/PrintPreviewDlg.h"
#include "platform/ui/View.h"

#include <algorithm>
#include <cstdint>

namespace {

bool IsDirectPrint()
{
    const MSG* pMsg = CWnd::GetCurrentMessage();
    return pMsg && pMsg->message == WM_COMMAND && LOWORD(pMsg->wParam) == ID_FILE_PRINT_DIRECT;
}

// Without a printer the preview shows A4, at screen resolution, in the orientation and with the
// margins of the printer settings.
constexpr int kPreviewDpi = 96;
constexpr int kA4ShortSide = 794;
constexpr int kA4LongSide = 1123;
constexpr int kMarginUnitsPerInch = 2540;  // the settings keep margins in hundredths of a millimetre

// The paper the preview shows: the whole sheet of the default printer (its pixels at its
// resolution) or A4, and the part of it the printer draws in.
struct PreviewPaper {
    CSize size;
    CRect rcPrintable;
    int nDpi;
};

PreviewPaper PreviewPaperOf(CPrintDialog& dlg)
{
    CDC dcPrinter;
    if (dlg.HasPrinter() && dlg.CreatePrinterDC(dcPrinter)) {
        const CSize sizePrintable(std::max(1, dcPrinter.GetDeviceCaps(HORZRES)),
                                  std::max(1, dcPrinter.GetDeviceCaps(VERTRES)));
        const CPoint ptOffset(dcPrinter.GetDeviceCaps(PHYSICALOFFSETX), dcPrinter.GetDeviceCaps(PHYSICALOFFSETY));
        const CSize sizeSheet(std::max(sizePrintable.cx + ptOffset.x, dcPrinter.GetDeviceCaps(PHYSICALWIDTH)),
                              std::max(sizePrintable.cy + ptOffset.y, dcPrinter.GetDeviceCaps(PHYSICALHEIGHT)));
        return PreviewPaper{sizeSheet, CRect(ptOffset, sizePrintable), std::max(1, dcPrinter.GetDeviceCaps(LOGPIXELSX))};
    }
    const PrinterSettings& settings = AfxGetPrinterSettings();
    const CSize sizeA4 = settings.bLandscape ? CSize(kA4LongSide, kA4ShortSide) : CSize(kA4ShortSide, kA4LongSide);
    auto pixels = [](int nMargin) { return int(std::int64_t(std::max(0, nMargin)) * kPreviewDpi / kMarginUnitsPerInch); };
    CRect rcPrintable(CPoint(0, 0), sizeA4);
    rcPrintable.DeflateRect(pixels(settings.rectMargins.left), pixels(settings.rectMargins.top),
                            pixels(settings.rectMargins.right), pixels(settings.rectMargins.bottom));
    if (rcPrintable.Width() <= 0 || rcPrintable.Height() <= 0)
        rcPrintable = CRect(CPoint(0, 0), sizeA4);
    return PreviewPaper{sizeA4, rcPrintable, kPreviewDpi};
}

// The printable part of a sheet shown in a picture of that size.
CRect ScaledToPicture(const CRect& rcOnSheet, CSize sizeSheet, CSize sizePicture)
{
    auto x = [&](int n) { return int(std::int64_t(n) * sizePicture.cx / sizeSheet.cx); };
    auto y = [&](int n) { return int(std::int64_t(n) * sizePicture.cy / sizeSheet.cy); };
    return CRect(x(rcOnSheet.left), y(rcOnSheet.top), x(rcOnSheet.right), y(rcOnSheet.bottom));
}

CString JobTitle(const CView& view)
{
    CString strTitle;
    if (view.m_pDocument)
        strTitle = view.m_pDocument->GetTitle();
    else
        view.GetWindowText(strTitle);
    return strTitle;
}

}  // namespace

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    CPrintDialog& dlg = *pInfo->m_pPD;
    dlg.m_pd.pOwner = this;
    dlg.m_pd.nFromPage = static_cast<WORD>(pInfo->GetMinPage());
    dlg.m_pd.nToPage = static_cast<WORD>(pInfo->GetMaxPage());
    if (pInfo->m_bPreview) {
        // The preview takes its page from the default printer when there is one.
        dlg.GetDefaults();
        return TRUE;
    }
    if (pInfo->m_bDirect) {
        // Without a default printer a direct print still lets the user choose one.
        if (!dlg.GetDefaults() && dlg.DoModal() != IDOK)
            return FALSE;
        return TRUE;
    }
    return dlg.DoModal() == IDOK;
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrint(CDC* pDC, CPrintInfo*) { OnDraw(pDC); }

void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

BOOL CView::DoFilePrint()
{
    CPrintInfo printInfo;
    printInfo.m_bDirect = IsDirectPrint();
    if (!OnPreparePrinting(&printInfo))
        return FALSE;
    CDC dcPrint;
    if (!printInfo.m_pPD->CreatePrinterDC(dcPrint))
        return FALSE;
    switch (RunPrintJob(dcPrint, printInfo)) {
    case PrintJobResult::NotStarted:
        AfxMessageBox(_T("Failed to start the print job."), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    case PrintJobResult::Failed:
        AfxMessageBox(_T("The printer failed; the document was not printed."), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    case PrintJobResult::Printed:
        break;
    }
    return TRUE;
}

BOOL CView::DoFilePrintPreview()
{
    CPrintInfo printInfo;
    printInfo.m_bPreview = TRUE;
    if (!OnPreparePrinting(&printInfo))
        return FALSE;
    const PreviewPaper paper = PreviewPaperOf(*printInfo.m_pPD);
    // The job begins on a context of the printable area; each page is drawn when the preview
    // shows it, on the whole sheet, where the printer puts it.
    ImagePages noPages;
    CDC dcPaper;
    dcPaper.CreatePrinterDC(std::make_unique<CImagePrinter>(paper.rcPrintable.Width(), paper.rcPrintable.Height(),
                                                            paper.nDpi, noPages));
    OnBeginPrinting(&dcPaper, &printInfo);
    const UINT nFirstPage = printInfo.GetFromPage();
    const UINT nPages = printInfo.GetToPage() >= nFirstPage ? printInfo.GetToPage() - nFirstPage + 1 : 0;
    const PreviewPageDrawer drawPage = [&](UINT nPage, CSize sizePicture, PixelBuffer& picture) {
        printInfo.m_nCurPage = nFirstPage + nPage - 1;
        const int nDpi = std::max(1, int(std::int64_t(paper.nDpi) * sizePicture.cx / paper.size.cx));
        return DrawPreviewPage(printInfo, sizePicture, ScaledToPicture(paper.rcPrintable, paper.size, sizePicture),
                               nDpi, picture);
    };
    CPrintPreviewDlg dlg(drawPage, nPages, paper.size, JobTitle(*this), m_hWnd ? GetParentFrame() : nullptr);
    const INT_PTR nResult = dlg.DoModal();
    OnEndPrinting(&dcPaper, &printInfo);
    if (nResult == INT_PTR(ID_FILE_PRINT))
        SendMessage(WM_COMMAND, ID_FILE_PRINT);
    return TRUE;
}

BOOL CView::DrawPreviewPage(CPrintInfo& printInfo, CSize sizePicture, const CRect& rcPrintable, int nDpi,
                            PixelBuffer& picture)
{
    if (rcPrintable.IsRectEmpty() || !PixelBuffer::IsValidSize(sizePicture.cx, sizePicture.cy))
        return FALSE;
    ImagePages pages;
    CDC dcPreview;
    dcPreview.CreatePrinterDC(std::make_unique<CImagePrinter>(rcPrintable.Width(), rcPrintable.Height(), nDpi, pages));
    if (dcPreview.StartDoc(JobTitle(*this)) == SP_ERROR)
        return FALSE;
    if (PrintOnePage(dcPreview, printInfo) != PageResult::Printed) {
        dcPreview.AbortDoc();
        return FALSE;
    }
    if (dcPreview.EndDoc() == SP_ERROR || pages.pages.empty())
        return FALSE;
    const PixelBuffer& printed = pages.pages.front();
    PixelBuffer sheet(sizePicture.cx, sizePicture.cy);
    const RECT all{0, 0, sizePicture.cx, sizePicture.cy};
    sheet.Fill(all, all, RGB(255, 255, 255));
    sheet.Blit(rcPrintable, printed, RECT{0, 0, printed.Width(), printed.Height()}, all);
    picture = std::move(sheet);
    return TRUE;
}

CView::PageResult CView::PrintOnePage(CDC& dcPrint, CPrintInfo& printInfo)
{
    OnPrepareDC(&dcPrint, &printInfo);
    if (!printInfo.m_bContinuePrinting)
        return PageResult::Stopped;
    printInfo.m_rectDraw.SetRect(0, 0, dcPrint.GetDeviceCaps(HORZRES), dcPrint.GetDeviceCaps(VERTRES));
    dcPrint.DPtoLP(&printInfo.m_rectDraw);
    if (dcPrint.StartPage() == SP_ERROR)
        return PageResult::Failed;
    OnPrint(&dcPrint, &printInfo);
    return dcPrint.EndPage() == SP_ERROR ? PageResult::Failed : PageResult::Printed;
}

CView::PrintJobResult CView::RunPrintJob(CDC& dcPrint, CPrintInfo& printInfo)
{
    OnBeginPrinting(&dcPrint, &printInfo);
    if (dcPrint.StartDoc(JobTitle(*this)) == SP_ERROR) {
        OnEndPrinting(&dcPrint, &printInfo);
        return PrintJobResult::NotStarted;
    }

    const UINT nFirstPage = printInfo.GetFromPage();
    const UINT nLastPage = printInfo.GetToPage();
    PageResult result = PageResult::Printed;
    for (printInfo.m_nCurPage = nFirstPage; printInfo.m_nCurPage <= nLastPage && result == PageResult::Printed;
         ++printInfo.m_nCurPage)
        result = PrintOnePage(dcPrint, printInfo);
    bool bError = result == PageResult::Failed;
    if (bError)
        dcPrint.AbortDoc();
    else if (dcPrint.EndDoc() == SP_ERROR)
        bError = true;
    OnEndPrinting(&dcPrint, &printInfo);
    return bError ? PrintJobResult::Failed : PrintJobResult::Printed;
}
