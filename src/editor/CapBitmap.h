// CCapBitmap: the diagram as one picture, drawn at zoom 1 before a print or a preview, and cut
// into the pages of the page layout as they are printed: page 1 is the top-left tile, then left
// to right, then top to bottom, each stretched over the printer's whole printable area. It also
// keeps the Print Setup choices the picture was taken with.
#pragma once

#include "controls/PrintSetupDlg.h"
#include "platform/core/Geometry.h"
#include "platform/gdi/Bitmap.h"

class CDC;
struct CPrintInfo;

class CCapBitmap : public CBitmap {
    DECLARE_DYNAMIC(CCapBitmap)

public:
    // Replaces the picture by a copy of area of pSrc; FALSE when the area is empty or too large
    // for a picture (the old picture is gone either way).
    BOOL Capture(CDC* pSrc, const CRect& area);
    BOOL HasPicture() const { return GetSafeHandle() != nullptr; }
    // The part of area printed on page nPage (from 1): area cut into m_nPagesAcross x
    // m_nPagesDown tiles of whole pixels.
    CRect TileRect(const CRect& area, UINT nPage) const;
    // Prints the tile of pInfo's current page over the printer's printable area; nothing
    // without print information or a picture.
    void PrintPage(CDC* pPrinter, const CRect& area, const CPrintInfo* pInfo);
    // Takes the choices of an accepted Print Setup dialog.
    void KeepSetup(const CPrintSetupDlg& dlg);

    int m_nCapWidth = 0;
    int m_nCapHeight = 0;
    int m_nPagesAcross = 1;
    int m_nPagesDown = 1;
    BOOL m_bLandscape = FALSE;
    int m_nPageSize = PRINT_PAGE_A4;
    int m_nScaleMode = PRINT_SCALE_TO_PAGE;
    double m_dScale = 1.0;
};
