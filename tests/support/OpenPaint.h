// A project file opened and shown, for its fuzzer and the replay of the open corpora: any bytes
// are opened as File > Open opens them (support/OpenRoundTrip.h); when they open, the diagram's
// view paints them at the file's zoom into an offscreen surface of a window's size, and the
// first page of the print preview is drawn into a picture, by the steps the preview takes for a
// page. Then a run starts, as F3 starts it, and scans a few hundred cycles; the value popup of
// every analog input and analog contact opens and closes, and the run ends. Values that only the
// painting, the printing, a run or the popup walk (the page layout, the zoom, the elements'
// places, the simulated inputs' ranges) show here.
#pragma once

#include "support/GoldenCorpus.h"
#include "support/OpenRoundTrip.h"

#include "blocks/SimTime.h"
#include "document/SimScan.h"
#include "editor/AnalogSliderDlg.h"
#include "platform/core/MessageBox.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/ImagePrinter.h"
#include "platform/gdi/RecordingSurface.h"
#include "platform/ui/PrintInfo.h"

#include <cstdint>
#include <memory>

namespace open_paint {

enum class Outcome { Refused, Painted };

// The view's window, and the preview's picture of an A4 page's printable part at half the
// screen's resolution.
constexpr SIZE kWindow = {800, 600};
constexpr int kPreviewWidth = 360;
constexpr int kPreviewHeight = 520;
constexpr int kPreviewDpi = 48;

// A paint of the view as its window shows it, from the scroll origin.
inline void PaintView(CVetlaView& view)
{
    view.UpdateScrollSizes();
    RecordingSurface surface(kWindow);
    CDC dc(surface);
    view.OnPrepareDC(&dc);
    view.ApplyZoomMapping(&dc);
    view.OnDraw(&dc);
}

// Page 1 of the print preview: the job begun as the preview begins it, the page prepared and
// printed into a picture.
inline void PreviewFirstPage(CVetlaView& view)
{
    CPrintInfo info;
    info.m_bPreview = TRUE;
    if (!view.OnPreparePrinting(&info))
        return;
    ImagePages pages;
    CDC dc;
    dc.CreatePrinterDC(std::make_unique<CImagePrinter>(kPreviewWidth, kPreviewHeight, kPreviewDpi, pages));
    view.OnBeginPrinting(&dc, &info);
    if (dc.StartDoc(_T("preview")) == SP_ERROR)
        return;
    info.m_nCurPage = info.GetFromPage();
    view.OnPrepareDC(&dc, &info);
    if (dc.StartPage() != SP_ERROR) {
        view.OnPrint(&dc, &info);
        dc.EndPage();
    }
    dc.EndDoc();
}

constexpr int kScans = 300;

// A run as F3 starts it: the first scan painted, the others scanned with the clock going on, the
// value popup of each block that has one opened and closed, the last scan painted.
inline void SimulateAndOpenPopups(CVetlaView& view)
{
    view.OnSimulation();
    if (view.EditMode() != EDIT_MODE_SIMULATE)
        return;
    PaintView(view);
    CVetlaDoc& doc = *view.GetDocument();
    CSimContext sim = view.MakeSimContext();
    for (int nScan = 0; nScan < kScans; ++nScan) {
        AdvanceSimClock(&sim.stNow);
        sim.stScan = sim.stNow;
        ScanDocument(doc, sim);
    }
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos));
        if (CAnalogSliderDlg::OpensFor(view, *pBlock)) {
            view.Simulation().OpenValuePopup(pBlock, 0, 0);
            view.CloseValuePopup();
        }
    }
    PaintView(view);
    view.OnSimulation();
}

inline Outcome Run(const std::uint8_t* pData, std::size_t nSize)
{
    CMessageBoxRecorder quiet;
    golden::GoldenHost host;
    CVetlaDoc& doc = host.NewDocument(DOC_TYPE_FBD, golden::kNewerHardware);
    if (!open_round_trip::Open(doc, pData, nSize))
        return Outcome::Refused;
    g_wHardwareCode = doc.m_wHardwareCode;
    PaintView(host.View());
    PreviewFirstPage(host.View());
    SimulateAndOpenPopups(host.View());
    return Outcome::Painted;
}

} // namespace open_paint
