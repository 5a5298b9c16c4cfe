#include "platform/qt/OffscreenImage.h"

#include "platform/gdi/DisplayDevice.h"
#include "platform/qt/QPainterSurface.h"

#include <QImage>
#include <QString>

COffscreenImage::COffscreenImage(int nWidth, int nHeight)
{
    m_dc.CreateMemoryDC(&QPainterSurface::ForPixels, GetDisplayDevice().caps);
    if (!m_bitmap.CreateCompatibleBitmap(&m_dc, nWidth, nHeight))
        m_bitmap.CreateCompatibleBitmap(&m_dc, 1, 1);
    m_dc.SelectObject(&m_bitmap);
    m_dc.FillSolidRect(0, 0, Width(), Height(), RGB(255, 255, 255));
}

int COffscreenImage::Width() const { return m_bitmap.GetPixels()->Width(); }
int COffscreenImage::Height() const { return m_bitmap.GetPixels()->Height(); }

COLORREF COffscreenImage::GetPixel(int x, int y) const { return m_bitmap.GetPixels()->GetPixel(x, y); }

BOOL COffscreenImage::SavePng(LPCTSTR lpszPath) const
{
    if (!lpszPath)
        return FALSE;
    const PixelBuffer& pixels = *m_bitmap.GetPixels();
    const QImage image(reinterpret_cast<const uchar*>(pixels.Data()), pixels.Width(), pixels.Height(),
                       qsizetype(pixels.Width()) * 4, QImage::Format_RGB32);
    return image.save(QString::fromUtf16(lpszPath), "PNG");
}
