// CDiagramPrinting: the diagram view's printing: the Print Setup dialog, and the pages of the
// page layout drawn straight onto the printer at its own resolution. Page n shows tile n of the
// base (left to right, then top to bottom) as the view draws it, as large as the printable area
// holds it in proportion, centred. The view owns one and hands it the print commands and the
// loop's steps.
//
// Printing leaves the view's zoom and scroll position as they were; once a job has been printed
// or previewed nothing is selected. A cancelled dialog or a failing printer changes nothing.
#pragma once

#include "controls/PrintSetupDlg.h"
#include "platform/core/Geometry.h"
#include "platform/core/Types.h"

class CDC;
class CVetlaView;
struct CPrintInfo;

// The Print Setup choices of the last accepted dialog.
struct PrintSetupChoices {
    BOOL bLandscape = FALSE;
    int nPageSize = PRINT_PAGE_A4;
    int nScaleMode = PRINT_SCALE_TO_PAGE;
    double dScale = 1.0;
};

class CDiagramPrinting {
public:
    explicit CDiagramPrinting(CVetlaView& view) : m_view(view) {}

    // Print asks for the Print Setup first, except right after a preview's; Preview always
    // does. A direct print (from the command line) asks nothing.
    void Print();
    void Preview();
    void PrintDirect();
    // TRUE when a printer is installed; else the user is told that none is.
    static BOOL CheckPrinterInstalled();
    // The print loop: the page layout taken for the job, then each page's tile.
    void BeginPrinting(CPrintInfo* pInfo);
    void PrintPage(CDC* pDC, const CPrintInfo* pInfo);

    // How many pages a layout of nAcross x nDown prints (at least one).
    static UINT PageCount(int nAcross, int nDown);
    // The part of a base of sizeBase printed on page nPage (from 1): the base cut into nAcross x
    // nDown tiles of whole units.
    static CRect TileRect(CSize sizeBase, int nAcross, int nDown, UINT nPage);
    // Where a tile lies on a printable area: as large as the area holds it in proportion, centred.
    static CRect FitTile(CSize sizeTile, CSize sizeArea);

private:
    // Print Setup; on OK its choices are kept.
    BOOL AskSetup();
    // What a printed or previewed job leaves: nothing selected.
    void AfterJob();

    CVetlaView& m_view;
    PrintSetupChoices m_setup;
    int m_nPagesAcross = 1;
    int m_nPagesDown = 1;
    int m_bAskSetup = 1;
};
