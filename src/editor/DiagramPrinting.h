// CDiagramPrinting: the diagram view's printing: the Print Setup dialog, the picture of the
// whole base at zoom 1, its pages through the window layer's print loop and preview. The view
// owns one and hands it the print commands and the loop's steps.
//
// Nothing of the view or the diagram changes until a job has been printed or previewed: a
// cancelled dialog or a failing printer leaves the zoom, the scroll position and the selection
// as they were.
#pragma once

#include "editor/CapBitmap.h"
#include "platform/core/Types.h"

class CDC;
class CVetlaView;
struct CPrintInfo;

class CDiagramPrinting {
public:
    explicit CDiagramPrinting(CVetlaView& view) : m_view(view) {}

    // Print asks for the Print Setup first, except right after a preview's; Preview always
    // does. A direct print (from the command line) asks nothing but still prints the diagram as
    // it stands, not a picture from some earlier print or none at all. A job that was printed
    // or previewed leaves the view at zoom 1 with nothing selected.
    void Print();
    void Preview();
    void PrintDirect();
    // The whole base drawn at zoom 1, as printed, into the picture; FALSE when it cannot be.
    BOOL CaptureDiagram();
    // TRUE when a printer is installed; else the user is told that none is.
    static BOOL CheckPrinterInstalled();
    // The print loop: the page layout taken for the job, then each page's tile.
    void BeginPrinting(CPrintInfo* pInfo);
    void PrintPage(CDC* pDC, const CPrintInfo* pInfo);

private:
    // Print Setup; on OK its choices are kept for the next picture.
    BOOL AskSetup();
    // The picture, or the message that it cannot be taken.
    BOOL CaptureOrTell();
    void ShowAsPrinted();

    CVetlaView& m_view;
    CCapBitmap m_picture;
    int m_bAskSetup = 1;
};
