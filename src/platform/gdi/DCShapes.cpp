// CDC: lines, shapes, fills, pixels and block transfers, converted to device pixels and handed to
// the surface with the state they are drawn in.
#include "platform/gdi/DC.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// A logical length at least one unit long stays at least one device pixel long.
LONG AtLeastOne(LONG logical, LONG device)
{
    if (logical == 0)
        return 0;
    const LONG magnitude = std::max<LONG>(1, std::abs(device));
    return logical < 0 ? -magnitude : magnitude;
}

// Where the ray from the centre of the ellipse in bounds towards a point meets the ellipse.
POINT PointOnEllipse(const RECT& bounds, POINT toward)
{
    const double cx = (bounds.left + bounds.right) / 2.0;
    const double cy = (bounds.top + bounds.bottom) / 2.0;
    const double rx = std::abs(bounds.right - bounds.left) / 2.0;
    const double ry = std::abs(bounds.bottom - bounds.top) / 2.0;
    if (rx == 0 || ry == 0)
        return {LONG(std::lround(cx)), LONG(std::lround(cy))};
    const double dx = toward.x - cx;
    const double dy = toward.y - cy;
    const double angle = (dx == 0 && dy == 0) ? 0.0 : std::atan2(dy / ry, dx / rx);
    return {LONG(std::lround(cx + rx * std::cos(angle))), LONG(std::lround(cy + ry * std::sin(angle)))};
}

}  // namespace

const LOGPEN& CDC::CurrentPen() const { return std::get<LOGPEN>(m_state.pPen->value); }

LOGFONT CDC::DeviceFont() const
{
    LOGFONT font = std::get<LOGFONT>(m_state.pFont->value);
    font.lfHeight = AtLeastOne(font.lfHeight, ToDeviceLengthY(std::abs(font.lfHeight)));
    font.lfWidth = AtLeastOne(font.lfWidth, ToDeviceLengthX(std::abs(font.lfWidth)));
    return font;
}

DrawState CDC::MakeDrawState() const
{
    const LOGPEN& pen = CurrentPen();
    const LOGBRUSH& brush = std::get<LOGBRUSH>(m_state.pBrush->value);
    // A pen of width 0 is one pixel whatever the mapping; wider pens scale with it.
    const int nPenWidth = pen.lopnWidth.x <= 0 ? 1 : std::max<LONG>(1, ToDeviceLengthX(pen.lopnWidth.x));
    return DrawState{SurfacePen{int(pen.lopnStyle), nPenWidth, pen.lopnColor},
                     SurfaceBrush{brush.lbStyle == BS_NULL, brush.lbColor},
                     DeviceFont(),
                     m_state.crText,
                     m_state.crBk,
                     m_state.nBkMode,
                     m_state.nRop2,
                     m_state.nPolyFillMode,
                     m_state.nStretchBltMode,
                     DeviceClip()};
}

CPoint CDC::MoveTo(int x, int y) { return std::exchange(m_state.ptCurrent, POINT{x, y}); }

BOOL CDC::LineTo(int x, int y)
{
    const POINT from = ToDevice(m_state.ptCurrent);
    const POINT to = ToDevice({x, y});
    m_state.ptCurrent = {x, y};
    if (!m_pSurface)
        return FALSE;
    const DrawState state = MakeDrawState();
    if (from.x != to.x || from.y != to.y) {
        const POINT points[] = {from, to};
        m_pSurface->Polyline(state, points, 2);
    } else if (state.pen.nStyle != PS_NULL && state.pen.nWidth > 1) {
        // The round ends of a wide pen meet: what remains is a dot.
        m_pSurface->Dot(state, from);
    }
    return TRUE;
}

void CDC::BeginLineRun()
{
    if (m_pSurface)
        m_pSurface->BeginLineRun();
}

void CDC::EndLineRun()
{
    if (m_pSurface)
        m_pSurface->EndLineRun();
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
    if (!m_pSurface || !lpPoints || nCount < 2)
        return FALSE;
    std::vector<POINT> device(lpPoints, lpPoints + nCount);
    LPtoDP(device.data(), nCount);
    m_pSurface->Polyline(MakeDrawState(), device.data(), nCount);
    return TRUE;
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount)
{
    if (!m_pSurface || !lpPoints || nCount < 2)
        return FALSE;
    std::vector<POINT> device(lpPoints, lpPoints + nCount);
    LPtoDP(device.data(), nCount);
    m_pSurface->Polygon(MakeDrawState(), device.data(), nCount);
    return TRUE;
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    if (!m_pSurface)
        return FALSE;
    m_pSurface->Rectangle(MakeDrawState(), ToDeviceRect({x1, y1, x2, y2}));
    return TRUE;
}

BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    if (!m_pSurface)
        return FALSE;
    m_pSurface->Ellipse(MakeDrawState(), ToDeviceRect({x1, y1, x2, y2}));
    return TRUE;
}

BOOL CDC::Ellipse(LPCRECT lpRect)
{
    return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::DrawArc(const RECT& bounds, POINT ptStart, POINT ptEnd, bool bMoveTo)
{
    if (!m_pSurface)
        return FALSE;
    const DrawState state = MakeDrawState();
    if (bMoveTo) {
        const POINT from = ToDevice(m_state.ptCurrent);
        const POINT arcStart = ToDevice(PointOnEllipse(bounds, ptStart));
        if (from.x != arcStart.x || from.y != arcStart.y) {
            const POINT points[] = {from, arcStart};
            m_pSurface->Polyline(state, points, 2);
        }
        m_state.ptCurrent = PointOnEllipse(bounds, ptEnd);
    }
    // The direction is given in logical space; a mapping that mirrors one axis reverses it.
    const bool bClockwise = (m_state.nArcDirection == AD_CLOCKWISE) != IsMirrored();
    m_pSurface->Arc(state, ToDeviceRect(bounds), ToDevice(ptStart), ToDevice(ptEnd), bClockwise);
    return TRUE;
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return DrawArc({x1, y1, x2, y2}, {x3, y3}, {x4, y4}, false);
}

BOOL CDC::Arc(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
    return DrawArc(*lpRect, ptStart, ptEnd, false);
}

BOOL CDC::ArcTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return DrawArc({x1, y1, x2, y2}, {x3, y3}, {x4, y4}, true);
}

BOOL CDC::ArcTo(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
    return DrawArc(*lpRect, ptStart, ptEnd, true);
}

// --- Fills -----------------------------------------------------------------------------------

void CDC::FillDeviceRect(const RECT& rect, COLORREF colour)
{
    if (m_pSurface)
        m_pSurface->FillRect(MakeDrawState(), rect, colour);
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    LOGBRUSH brush;
    if (lpRect && pBrush && pBrush->GetLogBrush(&brush) && brush.lbStyle != BS_NULL)
        FillDeviceRect(ToDeviceRect(*lpRect), brush.lbColor);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF crColor)
{
    SetBkColor(crColor);
    if (lpRect)
        FillDeviceRect(ToDeviceRect(*lpRect), crColor);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor)
{
    const RECT rect{x, y, x + cx, y + cy};
    FillSolidRect(&rect, crColor);
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    LOGBRUSH brush;
    if (!lpRect || !pBrush || !pBrush->GetLogBrush(&brush) || brush.lbStyle == BS_NULL)
        return;
    const RECT& r = *lpRect;
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    const RECT edges[] = {{r.left, r.top, r.right, r.top + 1},
                          {r.left, r.bottom - 1, r.right, r.bottom},
                          {r.left, r.top + 1, r.left + 1, r.bottom - 1},
                          {r.right - 1, r.top + 1, r.right, r.bottom - 1}};
    for (const RECT& edge : edges)
        FillDeviceRect(ToDeviceRect(edge), brush.lbColor);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, clrTopLeft, clrBottomRight);
}

// The top and left edges stop one unit short of the far corners, which belong to the bottom
// and right edges.
void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

// --- Pixels and block transfers ----------------------------------------------------------------

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    const POINT device = ToDevice({x, y});
    if (!m_pSurface || !CRect(DeviceClip()).PtInRect(device))
        return CLR_INVALID;
    m_pSurface->SetPixel(MakeDrawState(), device, crColor);
    return crColor;
}

const PixelBuffer* CDC::ReadablePixels() const
{
    return m_pSurface ? m_pSurface->GetPixels() : nullptr;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    const POINT device = ToDevice({x, y});
    const PixelBuffer* pPixels = ReadablePixels();
    if (!pPixels || !CRect(DeviceClip()).PtInRect(device))
        return CLR_INVALID;
    return pPixels->GetPixel(device.x, device.y);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop)
{
    return StretchBlt(x, y, nWidth, nHeight, pSrcDC, xSrc, ySrc, nWidth, nHeight, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, DWORD dwRop)
{
    if (dwRop != SRCCOPY || !m_pSurface || !pSrcDC)
        return FALSE;
    const PixelBuffer* pSource = pSrcDC->ReadablePixels();
    if (!pSource)
        return FALSE;
    const RECT dst = ToDeviceRect({x, y, x + nWidth, y + nHeight});
    const RECT src = pSrcDC->ToDeviceRect({xSrc, ySrc, xSrc + nSrcWidth, ySrc + nSrcHeight});
    m_pSurface->DrawImage(MakeDrawState(), dst, *pSource, src);
    return TRUE;
}
