#include "editor/CapBitmap.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/PixelBuffer.h"
#include "platform/ui/PrintInfo.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CCapBitmap, CBitmap)

// The display's pictures are true colour, so the capture needs no palette: a palette of
// 2^(bits per pixel) entries is only meant for displays of 8 bits or fewer.
BOOL CCapBitmap::Capture(CDC* pSrc, const CRect& area)
{
    DeleteObject();
    m_nCapWidth = m_nCapHeight = 0;
    if (!pSrc || area.Width() <= 0 || area.Height() <= 0 || !PixelBuffer::IsValidSize(area.Width(), area.Height()))
        return FALSE;
    CDC memDC;
    memDC.CreateCompatibleDC(nullptr);
    if (!CreateCompatibleBitmap(&memDC, area.Width(), area.Height()))
        return FALSE;
    CBitmap* pOld = memDC.SelectObject(this);
    const BOOL bCopied = memDC.BitBlt(0, 0, area.Width(), area.Height(), pSrc, area.left, area.top, SRCCOPY);
    memDC.SelectObject(pOld);
    if (!bCopied) {
        DeleteObject();
        return FALSE;
    }
    m_nCapWidth = area.Width();
    m_nCapHeight = area.Height();
    return TRUE;
}

CRect CCapBitmap::TileRect(const CRect& area, UINT nPage) const
{
    const int nAcross = std::max(1, m_nPagesAcross);
    const int nDown = std::max(1, m_nPagesDown);
    const int nTileWidth = area.Width() / nAcross;
    const int nTileHeight = area.Height() / nDown;
    const int nIndex = std::clamp(int(nPage) - 1, 0, nAcross * nDown - 1);
    const int x = area.left + (nIndex % nAcross) * nTileWidth;
    const int y = area.top + (nIndex / nAcross) * nTileHeight;
    return CRect(x, y, x + nTileWidth, y + nTileHeight);
}

void CCapBitmap::PrintPage(CDC* pPrinter, const CRect& area, const CPrintInfo* pInfo)
{
    if (!pPrinter || !pInfo || !HasPicture())
        return;
    const CRect rcTile = TileRect(area, pInfo->m_nCurPage);
    CDC memDC;
    memDC.CreateCompatibleDC(nullptr);
    CBitmap* pOld = memDC.SelectObject(this);
    const int nOldMode = pPrinter->SetStretchBltMode(HALFTONE);
    pPrinter->StretchBlt(0, 0, pPrinter->GetDeviceCaps(HORZRES), pPrinter->GetDeviceCaps(VERTRES), &memDC,
                         rcTile.left, rcTile.top, rcTile.Width(), rcTile.Height(), SRCCOPY);
    pPrinter->SetStretchBltMode(nOldMode);
    memDC.SelectObject(pOld);
}

void CCapBitmap::KeepSetup(const CPrintSetupDlg& dlg)
{
    m_bLandscape = dlg.m_bLandscape;
    m_nPageSize = dlg.m_nPageSize;
    m_nScaleMode = dlg.m_nScaleMode;
    m_dScale = dlg.m_dScale;
}
