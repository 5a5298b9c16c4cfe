#include "platform/gdi/ImagePrinter.h"

#include "platform/gdi/DisplayDevice.h"

#include <cmath>

namespace {

DeviceCaps PageCaps(int nWidth, int nHeight, int nDpi)
{
    DeviceCaps caps;
    caps.nHorzRes = caps.nPhysicalWidth = nWidth;
    caps.nVertRes = caps.nPhysicalHeight = nHeight;
    caps.nLogPixelsX = caps.nLogPixelsY = nDpi;
    caps.nHorzSizeMm = int(std::lround(nWidth * 25.4 / nDpi));
    caps.nVertSizeMm = int(std::lround(nHeight * 25.4 / nDpi));
    return caps;
}

}  // namespace

CImagePrinter::CImagePrinter(int nWidth, int nHeight, int nDpi, ImagePages& out)
    : m_caps(PageCaps(nWidth, nHeight, nDpi)), m_out(out), m_page(nWidth, nHeight)
{
}

DrawingSurface* CImagePrinter::StartDoc(const CString&)
{
    if (!PixelBuffer::IsValidSize(m_caps.nHorzRes, m_caps.nVertRes))
        return nullptr;
    m_done.clear();
    m_pSurface = GetDisplayDevice().pMaker(m_page, m_caps);
    return m_pSurface.get();
}

bool CImagePrinter::StartPage()
{
    if (!m_pSurface || m_bInPage)
        return false;
    const RECT all{0, 0, m_page.Width(), m_page.Height()};
    m_page.Fill(all, all, RGB(255, 255, 255));
    m_bInPage = true;
    return true;
}

bool CImagePrinter::EndPage()
{
    if (!m_bInPage)
        return false;
    m_bInPage = false;
    m_done.push_back(m_page);
    return true;
}

bool CImagePrinter::EndDoc()
{
    if (!m_pSurface)
        return false;
    m_pSurface.reset();
    m_out.pages = std::move(m_done);
    m_done.clear();
    return true;
}

void CImagePrinter::AbortDoc()
{
    m_pSurface.reset();
    m_done.clear();
    m_bInPage = false;
}
