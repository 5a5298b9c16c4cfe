// CDC: mapping between logical and device coordinates, and clipping.
//
// A logical coordinate maps as  device = (logical - windowOrg) * viewportExt / windowExt +
// viewportOrg, each axis on its own, rounded half away from zero like MulDiv; the arithmetic is
// wide enough that no intermediate overflows, and results are clamped to the LONG range.
#include "platform/gdi/DC.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

LONG Clamp(__int128 value)
{
    constexpr __int128 kMin = std::numeric_limits<LONG>::min();
    constexpr __int128 kMax = std::numeric_limits<LONG>::max();
    return LONG(std::clamp(value, kMin, kMax));
}

// value * numerator / denominator, rounded half away from zero; the denominator is never 0.
__int128 ScaleRounded(__int128 value, __int128 numerator, __int128 denominator)
{
    __int128 product = value * numerator;
    const bool bNegative = (product < 0) != (denominator < 0);
    if (product < 0)
        product = -product;
    if (denominator < 0)
        denominator = -denominator;
    const __int128 magnitude = (product + denominator / 2) / denominator;
    return bNegative ? -magnitude : magnitude;
}

// Equal extents (the text mapping, a view at 100 %) scale by one, which the wide division
// would give too: a paint maps some hundred thousand points.
LONG Map(LONG value, LONG fromOrg, LONG fromExt, LONG toExt, LONG toOrg)
{
    if (fromExt == toExt)
        return Clamp(std::int64_t(value) - fromOrg + toOrg);
    return Clamp(ScaleRounded(__int128(value) - fromOrg, toExt, fromExt) + toOrg);
}

LONG Length(LONG length, LONG fromExt, LONG toExt)
{
    const std::int64_t nTo = std::abs(std::int64_t(toExt));
    const std::int64_t nFrom = std::abs(std::int64_t(fromExt));
    if (nTo == nFrom)
        return length;
    return Clamp(ScaleRounded(length, nTo, nFrom));
}

bool IsScalable(int nMapMode) { return nMapMode == MM_ISOTROPIC || nMapMode == MM_ANISOTROPIC; }

// Shrinks the larger of two positive extents so that both give the same device length per
// logical unit, the pixel aspect taken into account; the sign is kept.
void ShrinkToMatch(LONG& extent, LONG otherExtent, LONG window, LONG otherWindow, int nLogPixels,
                   int nOtherLogPixels)
{
    const long double scaled = (long double)(std::abs(otherExtent)) * std::abs(window) *
                               nLogPixels / ((long double)(std::abs(otherWindow)) * nOtherLogPixels);
    const LONG magnitude = std::max<LONG>(1, LONG(std::floor(scaled + 0.5L)));
    extent = extent < 0 ? -magnitude : magnitude;
}

}  // namespace

POINT CDC::ToDevice(POINT point) const
{
    const State& s = m_state;
    return {Map(point.x, s.ptWindowOrg.x, s.szWindowExt.cx, s.szViewportExt.cx, s.ptViewportOrg.x),
            Map(point.y, s.ptWindowOrg.y, s.szWindowExt.cy, s.szViewportExt.cy, s.ptViewportOrg.y)};
}

POINT CDC::ToLogical(POINT point) const
{
    const State& s = m_state;
    return {Map(point.x, s.ptViewportOrg.x, s.szViewportExt.cx, s.szWindowExt.cx, s.ptWindowOrg.x),
            Map(point.y, s.ptViewportOrg.y, s.szViewportExt.cy, s.szWindowExt.cy, s.ptWindowOrg.y)};
}

RECT CDC::ToDeviceRect(const RECT& rect) const
{
    CRect device(CPoint(ToDevice({rect.left, rect.top})), CPoint(ToDevice({rect.right, rect.bottom})));
    device.NormalizeRect();
    return device;
}

LONG CDC::ToDeviceLengthX(LONG length) const
{
    return Length(length, m_state.szWindowExt.cx, m_state.szViewportExt.cx);
}

LONG CDC::ToDeviceLengthY(LONG length) const
{
    return Length(length, m_state.szWindowExt.cy, m_state.szViewportExt.cy);
}

LONG CDC::ToLogicalLengthX(LONG length) const
{
    return Length(length, m_state.szViewportExt.cx, m_state.szWindowExt.cx);
}

LONG CDC::ToLogicalLengthY(LONG length) const
{
    return Length(length, m_state.szViewportExt.cy, m_state.szWindowExt.cy);
}

bool CDC::IsMirrored() const
{
    const State& s = m_state;
    return ((s.szWindowExt.cx < 0) != (s.szViewportExt.cx < 0)) !=
           ((s.szWindowExt.cy < 0) != (s.szViewportExt.cy < 0));
}

int CDC::SetMapMode(int nMapMode)
{
    if (nMapMode != MM_TEXT && !IsScalable(nMapMode))
        return 0;
    const int nPrevious = std::exchange(m_state.nMapMode, nMapMode);
    if (nMapMode == MM_TEXT) {
        m_state.szWindowExt = {1, 1};
        m_state.szViewportExt = {1, 1};
    }
    AdjustIsotropic();
    return nPrevious;
}

CPoint CDC::SetWindowOrg(int x, int y) { return std::exchange(m_state.ptWindowOrg, POINT{x, y}); }

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    const POINT previous = m_state.ptWindowOrg;
    m_state.ptWindowOrg = {previous.x + nWidth, previous.y + nHeight};
    return previous;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    return std::exchange(m_state.ptViewportOrg, POINT{x, y});
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    const POINT previous = m_state.ptViewportOrg;
    m_state.ptViewportOrg = {previous.x + nWidth, previous.y + nHeight};
    return previous;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    const SIZE previous = m_state.szWindowExt;
    if (IsScalable(m_state.nMapMode) && cx != 0 && cy != 0) {
        m_state.szWindowExt = {cx, cy};
        AdjustIsotropic();
    }
    return previous;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    const SIZE previous = m_state.szViewportExt;
    if (IsScalable(m_state.nMapMode) && cx != 0 && cy != 0) {
        m_state.szViewportExt = {cx, cy};
        AdjustIsotropic();
    }
    return previous;
}

void CDC::AdjustIsotropic()
{
    if (m_state.nMapMode != MM_ISOTROPIC)
        return;
    SIZE& viewport = m_state.szViewportExt;
    const SIZE& window = m_state.szWindowExt;
    const int nPixelsX = std::max(1, m_caps.nLogPixelsX);
    const int nPixelsY = std::max(1, m_caps.nLogPixelsY);
    // Physical length of one logical unit on each axis, compared without dividing.
    const long double lengthX = (long double)(std::abs(viewport.cx)) * std::abs(window.cy) * nPixelsY;
    const long double lengthY = (long double)(std::abs(viewport.cy)) * std::abs(window.cx) * nPixelsX;
    if (lengthX < lengthY)
        ShrinkToMatch(viewport.cy, viewport.cx, window.cy, window.cx, nPixelsY, nPixelsX);
    else if (lengthY < lengthX)
        ShrinkToMatch(viewport.cx, viewport.cy, window.cx, window.cy, nPixelsX, nPixelsY);
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
    for (int i = 0; i < nCount; ++i)
        lpPoints[i] = ToDevice(lpPoints[i]);
}

void CDC::LPtoDP(LPRECT lpRect) const
{
    const POINT topLeft = ToDevice({lpRect->left, lpRect->top});
    const POINT bottomRight = ToDevice({lpRect->right, lpRect->bottom});
    *lpRect = {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void CDC::LPtoDP(SIZE* lpSize) const
{
    *lpSize = {ToDeviceLengthX(lpSize->cx), ToDeviceLengthY(lpSize->cy)};
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
    for (int i = 0; i < nCount; ++i)
        lpPoints[i] = ToLogical(lpPoints[i]);
}

void CDC::DPtoLP(LPRECT lpRect) const
{
    const POINT topLeft = ToLogical({lpRect->left, lpRect->top});
    const POINT bottomRight = ToLogical({lpRect->right, lpRect->bottom});
    *lpRect = {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void CDC::DPtoLP(SIZE* lpSize) const
{
    *lpSize = {ToLogicalLengthX(lpSize->cx), ToLogicalLengthY(lpSize->cy)};
}

// --- Clipping --------------------------------------------------------------------------------

SIZE CDC::DeviceSize() const
{
    if (m_pSurface)
        return m_pSurface->GetSize();
    return {m_caps.nHorzRes, m_caps.nVertRes};
}

RECT CDC::DeviceClip() const
{
    const SIZE size = DeviceSize();
    CRect clip(0, 0, size.cx, size.cy);
    if (m_rcSystemClip)
        clip &= *m_rcSystemClip;
    if (m_state.rcClip)
        clip &= *m_state.rcClip;
    return clip;
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    CRect device(ToDeviceRect({x1, y1, x2, y2}));
    if (m_state.rcClip)
        device &= *m_state.rcClip;
    m_state.rcClip = device;
    return CRect(DeviceClip()).IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

int CDC::IntersectClipRect(LPCRECT lpRect)
{
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::SelectClipRgn(std::nullptr_t)
{
    m_state.rcClip.reset();
    return CRect(DeviceClip()).IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

int CDC::GetClipBox(LPRECT lpRect) const
{
    const CRect clip(DeviceClip());
    if (clip.IsRectEmpty()) {
        *lpRect = CRect();
        return NULLREGION;
    }
    CRect logical(CPoint(ToLogical(clip.TopLeft())), CPoint(ToLogical(clip.BottomRight())));
    logical.NormalizeRect();
    *lpRect = logical;
    return SIMPLEREGION;
}

BOOL CDC::RectVisible(LPCRECT lpRect) const
{
    CRect visible;
    const CRect device(ToDeviceRect(*lpRect));
    const CRect clip(DeviceClip());
    return visible.IntersectRect(device, clip);
}
