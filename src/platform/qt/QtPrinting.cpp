#include "platform/qt/QtPrinting.h"

#include "platform/core/FileSystem.h"
#include "platform/core/SafeFileWrite.h"
#include "platform/qt/QPainterSurface.h"
#include "platform/qt/QtControlViews.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/Wnd.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>
#include <cstddef>

namespace {

// The printable area as GetDeviceCaps reports it: a QPainter on the printer has its origin at
// the area's top-left corner, as a printer context's drawing has.
DeviceCaps CapsOf(const QPrinter& printer)
{
    const int nDpi = printer.resolution();
    const QPageLayout layout = printer.pageLayout();
    const QRect paint = layout.paintRectPixels(nDpi);
    const QRect full = layout.fullRectPixels(nDpi);
    const QRectF paintMm = layout.paintRect(QPageLayout::Millimeter);
    DeviceCaps caps;
    caps.nHorzRes = paint.width();
    caps.nVertRes = paint.height();
    caps.nLogPixelsX = caps.nLogPixelsY = nDpi;
    caps.nBitsPixel = 24;
    caps.nHorzSizeMm = static_cast<int>(std::lround(paintMm.width()));
    caps.nVertSizeMm = static_cast<int>(std::lround(paintMm.height()));
    caps.nPhysicalWidth = full.width();
    caps.nPhysicalHeight = full.height();
    caps.nPhysicalOffsetX = paint.left();
    caps.nPhysicalOffsetY = paint.top();
    return caps;
}

class QtPrinterDevice : public PrinterDevice {
public:
    explicit QtPrinterDevice(std::unique_ptr<QPrinter> pPrinter)
        : m_pPrinter(std::move(pPrinter)), m_caps(CapsOf(*m_pPrinter))
    {
    }
    ~QtPrinterDevice() override
    {
        if (m_painter.isActive())
            AbortDoc();
    }

    const DeviceCaps& GetDeviceCaps() const override { return m_caps; }

    DrawingSurface* StartDoc(const CString& strDocName) override
    {
        m_pPrinter->setDocName(ToQString(strDocName));
        DraftPdfFile();
        if (!m_painter.begin(m_pPrinter.get())) {
            DropPdfDraft();
            return nullptr;
        }
        m_nPages = 0;
        m_pSurface = std::make_unique<QPainterSurface>(m_painter, SIZE{m_caps.nHorzRes, m_caps.nVertRes},
                                                       m_caps);
        return m_pSurface.get();
    }
    // Qt's document starts on its first page; every later page is a new one.
    bool StartPage() override { return m_nPages++ == 0 || m_pPrinter->newPage(); }
    bool EndPage() override { return true; }
    bool EndDoc() override
    {
        if (m_nPages == 0) {
            // A job without pages would still come out as one blank sheet.
            AbortDoc();
            return true;
        }
        m_pSurface.reset();
        if (!m_painter.end()) {
            DropPdfDraft();
            return false;
        }
        return DeliverPdfFile();
    }
    void AbortDoc() override
    {
        m_pSurface.reset();
        m_pPrinter->abort();
        m_painter.end();
        DropPdfDraft();
    }

private:
    // A PDF file is printed as a draft in the user's temporary folder and written over the chosen
    // file only when complete, as every file the user sees is written (WriteFileSafely): a job
    // that fails leaves the file as it was, and the file keeps its permissions and links.
    void DraftPdfFile()
    {
        static int s_nDrafts = 0;
        const CString strTemp = GetTempPath();
        m_strPdfFile = m_pPrinter->outputFileName();
        if (m_strPdfFile.isEmpty() || strTemp.IsEmpty())
            return;
        m_strPdfDraft = ToQString(strTemp) + QStringLiteral("print-%1-%2.pdf")
                                                 .arg(QCoreApplication::applicationPid())
                                                 .arg(++s_nDrafts);
        m_pPrinter->setOutputFileName(m_strPdfDraft);
    }
    bool DeliverPdfFile()
    {
        if (m_strPdfDraft.isEmpty())
            return true;
        QFile draft(m_strPdfDraft);
        const bool bRead = draft.open(QIODevice::ReadOnly);
        const QByteArray bytes = draft.readAll();
        const bool bDelivered = bRead && draft.error() == QFileDevice::NoError &&
                                WriteFileSafely(FromQString(m_strPdfFile),
                                                {bytes.constData(), std::size_t(bytes.size())}) == 0;
        DropPdfDraft();
        return bDelivered;
    }
    void DropPdfDraft()
    {
        if (m_strPdfDraft.isEmpty())
            return;
        QFile::remove(m_strPdfDraft);
        m_strPdfDraft.clear();
        m_pPrinter->setOutputFileName(m_strPdfFile);
    }

    std::unique_ptr<QPrinter> m_pPrinter;
    DeviceCaps m_caps;
    QPainter m_painter;
    std::unique_ptr<QPainterSurface> m_pSurface;
    int m_nPages = 0;
    // The file chosen to print into, and the draft printed first; empty for a printer.
    QString m_strPdfFile;
    QString m_strPdfDraft;
};

QAbstractPrintDialog::PrintRange RangeOf(DWORD dwFlags)
{
    if (dwFlags & PD_PAGENUMS)
        return QAbstractPrintDialog::PageRange;
    if (dwFlags & PD_SELECTION)
        return QAbstractPrintDialog::Selection;
    return QAbstractPrintDialog::AllPages;
}

DWORD FlagsOf(QAbstractPrintDialog::PrintRange range)
{
    switch (range) {
    case QAbstractPrintDialog::PageRange:
        return PD_PAGENUMS;
    case QAbstractPrintDialog::Selection:
        return PD_SELECTION;
    default:
        return PD_ALLPAGES;
    }
}

void SetUpDialog(QPrintDialog& dlg, const PrintDialogSettings& settings)
{
    // Printing to a PDF file is always offered, as the system's dialog offers a file.
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintCollateCopies |
                                                       QAbstractPrintDialog::PrintShowPageSize |
                                                       QAbstractPrintDialog::PrintToFile;
    if (!(settings.Flags & PD_NOPAGENUMS))
        options |= QAbstractPrintDialog::PrintPageRange;
    if (!(settings.Flags & PD_NOSELECTION))
        options |= QAbstractPrintDialog::PrintSelection;
    dlg.setOptions(options);
    // Qt insists on an ordered range inside the limits.
    if (settings.nMinPage <= settings.nMaxPage) {
        dlg.setMinMax(settings.nMinPage, settings.nMaxPage);
        if (settings.nMinPage <= settings.nFromPage && settings.nFromPage <= settings.nToPage &&
            settings.nToPage <= settings.nMaxPage)
            dlg.setFromTo(settings.nFromPage, settings.nToPage);
    }
    dlg.setPrintRange(RangeOf(settings.Flags));
}

void ReadBack(const QPrintDialog& dlg, const QPrinter& printer, PrintDialogSettings& settings)
{
    settings.Flags &= ~(PD_PAGENUMS | PD_SELECTION | PD_COLLATE);
    settings.Flags |= FlagsOf(dlg.printRange());
    if (printer.collateCopies())
        settings.Flags |= PD_COLLATE;
    if (settings.Flags & PD_PAGENUMS) {
        settings.nFromPage = static_cast<WORD>(printer.fromPage());
        settings.nToPage = static_cast<WORD>(printer.toPage());
    }
    settings.nCopies = static_cast<WORD>(printer.copyCount());
}

// Hundredths of a millimetre, as the settings keep the margins.
constexpr double kMarginUnitsPerMm = 100.0;

// The paper of that name among Qt's standard sizes; an invalid size for any other name.
QPageSize PageSizeNamed(const QString& strName)
{
    for (int nId = 0; nId <= int(QPageSize::LastPageSize); ++nId) {
        const QPageSize size(static_cast<QPageSize::PageSizeId>(nId));
        if (size.name() == strName)
            return size;
    }
    return QPageSize();
}

// The page as the application's settings have it: paper, orientation and margins.
void ApplyPageLayout(QPrinter& printer, const PrinterSettings& settings)
{
    if (const QPageSize size = PageSizeNamed(ToQString(settings.strPaperName)); size.isValid())
        printer.setPageSize(size);
    printer.setPageOrientation(settings.bLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const CRect& rect = settings.rectMargins;
    printer.setPageMargins(QMarginsF(rect.left, rect.top, rect.right, rect.bottom) / kMarginUnitsPerMm,
                           QPageLayout::Millimeter);
}

// Every job starts from the application's printer settings: its page, and its printer when
// that is one of the system's.
void ApplySettings(QPrinter& printer, const PrinterSettings& settings)
{
    const QString strName = ToQString(settings.strPrinterName);
    if (!strName.isEmpty() && QPrinterInfo::availablePrinterNames().contains(strName))
        printer.setPrinterName(strName);
    ApplyPageLayout(printer, settings);
}

void ReadSettings(const QPrinter& printer, PrinterSettings& settings)
{
    const QPageLayout layout = printer.pageLayout();
    settings.strPrinterName = FromQString(printer.printerName());
    settings.strPaperName = FromQString(layout.pageSize().name());
    settings.bLandscape = layout.orientation() == QPageLayout::Landscape;
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter) * kMarginUnitsPerMm;
    settings.rectMargins = CRect(int(std::lround(margins.left())), int(std::lround(margins.top())),
                                 int(std::lround(margins.right())), int(std::lround(margins.bottom())));
}

void ReadDefaults(PrinterSettings& settings)
{
    const BOOL bLandscape = settings.bLandscape;
    QPrinter printer(QPrinter::HighResolution);
    ReadSettings(printer, settings);
    settings.bLandscape = bLandscape;
}

QtMessageHandler& PreviousMessageHandler()
{
    static QtMessageHandler s_pfnPrevious = nullptr;
    return s_pfnPrevious;
}

// Qt's page setup says it "cannot be used on non-native printers" when the printer writes a PDF
// file, the one printer of a machine without a print system, and then sets that printer's page
// up all the same: the warning would only mislead whoever reads the program's output.
void DropNonNativePrinterWarning(QtMsgType type, const QMessageLogContext& context, const QString& strMessage)
{
    if (!strMessage.contains(QLatin1String("non-native printers")))
        PreviousMessageHandler()(type, context, strMessage);
}

// The window a printing dialog stands over: its owner's top-level window, else the program's
// active window. Qt's own active window may be none just then (the window manager has not yet
// handed the activation back after the dialog before), and a dialog without a parent is made
// transient for the whole application rather than for the window it belongs to.
QWidget* DialogParent(CWnd* pOwner)
{
    const CWnd* pWnd = pOwner && IsWindow(pOwner) ? pOwner->GetTopLevelParent() : CWnd::GetActiveWindow();
    QWidget* pWidget = pWnd ? QtWidgetOf(*pWnd) : nullptr;
    return pWidget ? pWidget->window() : QApplication::activeWindow();
}

bool RunPageSetup(PrinterSettings& settings)
{
    QPrinter printer(QPrinter::HighResolution);
    ApplySettings(printer, settings);
    PreviousMessageHandler() = qInstallMessageHandler(DropNonNativePrinterWarning);
    QPageSetupDialog dlg(&printer, DialogParent(nullptr));
    qInstallMessageHandler(PreviousMessageHandler());
    if (dlg.exec() != QDialog::Accepted)
        return false;
    ReadSettings(printer, settings);
    return true;
}

std::unique_ptr<PrinterDevice> RunDialog(PrintDialogSettings& settings)
{
    auto pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    ApplySettings(*pPrinter, AfxGetPrinterSettings());
    pPrinter->setCopyCount(settings.nCopies);
    QPrintDialog dlg(pPrinter.get(), DialogParent(settings.pOwner));
    SetUpDialog(dlg, settings);
    if (dlg.exec() != QDialog::Accepted)
        return nullptr;
    ReadBack(dlg, *pPrinter, settings);
    return std::make_unique<QtPrinterDevice>(std::move(pPrinter));
}

std::unique_ptr<PrinterDevice> DefaultPrinter(const PrintDialogSettings& settings)
{
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
        if (printers.isEmpty())
            return nullptr;
        info = printers.front();
    }
    auto pPrinter = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    ApplyPageLayout(*pPrinter, AfxGetPrinterSettings());
    pPrinter->setCopyCount(settings.nCopies);
    return std::make_unique<QtPrinterDevice>(std::move(pPrinter));
}

}  // namespace

void InitQtPrinting()
{
    AfxSetPrintBackend(PrintBackend{
        // Qt's print dialog always offers printing to a PDF file, printers or not.
        [] { return true; },
        &RunDialog,
        &DefaultPrinter,
        &RunPageSetup,
        &ReadDefaults,
    });
}

void ShutdownQtPrinting() { AfxSetPrintBackend(PrintBackend{}); }

std::unique_ptr<PrinterDevice> MakeQtPdfPrinter(const CString& strPath)
{
    auto pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pPrinter->setOutputFormat(QPrinter::PdfFormat);
    pPrinter->setPageOrientation(AfxGetPrinterSettings().bLandscape ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait);
    pPrinter->setOutputFileName(ToQString(strPath));
    return std::make_unique<QtPrinterDevice>(std::move(pPrinter));
}
