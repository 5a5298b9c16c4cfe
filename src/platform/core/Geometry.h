// Points, sizes and rectangles with the classic class-library semantics the drawing and hit-test
// code relies on: rectangles are half-open (left/top inside, right/bottom outside), rectangles
// that only touch do not intersect, and a CRect is the 16 raw bytes of a RECT when written.
#pragma once

#include "platform/core/Types.h"

#include <type_traits>

class CPoint;
class CRect;

class CSize : public SIZE {
public:
    constexpr CSize() : SIZE{0, 0} {}
    constexpr CSize(int x, int y) : SIZE{x, y} {}
    constexpr CSize(SIZE size) : SIZE(size) {}
    constexpr explicit CSize(POINT point) : SIZE{point.x, point.y} {}

    constexpr bool operator==(SIZE other) const { return cx == other.cx && cy == other.cy; }
    // Two objects of the class compare through this one, not through the structure's either way.
    constexpr bool operator==(const CSize& other) const { return *this == static_cast<const SIZE&>(other); }
    constexpr bool operator!=(SIZE other) const { return !(*this == other); }
    constexpr void operator+=(SIZE other) { cx += other.cx; cy += other.cy; }
    constexpr void operator-=(SIZE other) { cx -= other.cx; cy -= other.cy; }
    constexpr void SetSize(int x, int y) { cx = x; cy = y; }

    constexpr CSize operator+(SIZE other) const { return CSize(cx + other.cx, cy + other.cy); }
    constexpr CSize operator-(SIZE other) const { return CSize(cx - other.cx, cy - other.cy); }
    constexpr CSize operator-() const { return CSize(-cx, -cy); }
    constexpr CPoint operator+(POINT point) const;
    constexpr CPoint operator-(POINT point) const;
    CRect operator+(const RECT* rect) const;
    CRect operator-(const RECT* rect) const;
};

class CPoint : public POINT {
public:
    constexpr CPoint() : POINT{0, 0} {}
    constexpr CPoint(int x, int y) : POINT{x, y} {}
    constexpr CPoint(POINT point) : POINT(point) {}
    constexpr explicit CPoint(SIZE size) : POINT{size.cx, size.cy} {}

    constexpr void Offset(int dx, int dy) { x += dx; y += dy; }
    constexpr void Offset(POINT point) { Offset(point.x, point.y); }
    constexpr void Offset(SIZE size) { Offset(size.cx, size.cy); }
    constexpr void SetPoint(int newX, int newY) { x = newX; y = newY; }

    constexpr bool operator==(POINT other) const { return x == other.x && y == other.y; }
    constexpr bool operator==(const CPoint& other) const { return *this == static_cast<const POINT&>(other); }
    constexpr bool operator!=(POINT other) const { return !(*this == other); }
    constexpr void operator+=(SIZE size) { Offset(size); }
    constexpr void operator-=(SIZE size) { Offset(-size.cx, -size.cy); }
    constexpr void operator+=(POINT point) { Offset(point); }
    constexpr void operator-=(POINT point) { Offset(-point.x, -point.y); }

    constexpr CPoint operator+(SIZE size) const { return CPoint(x + size.cx, y + size.cy); }
    constexpr CPoint operator-(SIZE size) const { return CPoint(x - size.cx, y - size.cy); }
    constexpr CPoint operator-() const { return CPoint(-x, -y); }
    constexpr CPoint operator+(POINT point) const { return CPoint(x + point.x, y + point.y); }
    // The difference of two points is the distance between them.
    constexpr CSize operator-(POINT point) const { return CSize(x - point.x, y - point.y); }
    CRect operator+(const RECT* rect) const;
    CRect operator-(const RECT* rect) const;
};

constexpr CPoint CSize::operator+(POINT point) const { return CPoint(cx + point.x, cy + point.y); }
constexpr CPoint CSize::operator-(POINT point) const { return CPoint(cx - point.x, cy - point.y); }

class CRect : public RECT {
public:
    constexpr CRect() : RECT{0, 0, 0, 0} {}
    constexpr CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    constexpr CRect(const RECT& rect) : RECT(rect) {}
    constexpr explicit CRect(const RECT* rect) : RECT(*rect) {}
    constexpr CRect(POINT point, SIZE size)
        : RECT{point.x, point.y, point.x + size.cx, point.y + size.cy} {}
    constexpr CRect(POINT topLeft, POINT bottomRight)
        : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    // Lets a CRect go wherever the drawing and window calls take a rectangle pointer.
    constexpr operator RECT*() { return this; }
    constexpr operator const RECT*() const { return this; }

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr CSize Size() const { return CSize(Width(), Height()); }
    // Corners are returned by value: a reference into the RECT would alias it through another type.
    constexpr CPoint TopLeft() const { return CPoint(left, top); }
    constexpr CPoint BottomRight() const { return CPoint(right, bottom); }
    constexpr CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    constexpr BOOL IsRectEmpty() const { return Width() <= 0 || Height() <= 0; }
    constexpr BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    constexpr BOOL PtInRect(POINT point) const
    {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }
    constexpr BOOL EqualRect(const RECT* rect) const
    {
        return left == rect->left && top == rect->top && right == rect->right &&
               bottom == rect->bottom;
    }

    constexpr void SetRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    constexpr void SetRect(POINT topLeft, POINT bottomRight)
    {
        SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    }
    constexpr void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    constexpr void CopyRect(const RECT* rect) { *static_cast<RECT*>(this) = *rect; }
    constexpr void MoveToXY(int x, int y) { OffsetRect(x - left, y - top); }
    constexpr void MoveToXY(POINT point) { MoveToXY(point.x, point.y); }

    constexpr void InflateRect(int l, int t, int r, int b)
    {
        left -= l; top -= t; right += r; bottom += b;
    }
    constexpr void InflateRect(int x, int y) { InflateRect(x, y, x, y); }
    constexpr void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
    constexpr void InflateRect(const RECT* rect)
    {
        InflateRect(rect->left, rect->top, rect->right, rect->bottom);
    }
    constexpr void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    constexpr void DeflateRect(int x, int y) { InflateRect(-x, -y); }
    constexpr void DeflateRect(SIZE size) { InflateRect(-size.cx, -size.cy); }
    constexpr void DeflateRect(const RECT* rect)
    {
        DeflateRect(rect->left, rect->top, rect->right, rect->bottom);
    }

    constexpr void OffsetRect(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
    constexpr void OffsetRect(POINT point) { OffsetRect(point.x, point.y); }
    constexpr void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }

    // Swaps the edges so that left <= right and top <= bottom.
    void NormalizeRect();
    // The common part of both; rectangles that only touch, or an empty one, give FALSE and an
    // all-zero rectangle.
    BOOL IntersectRect(const RECT* a, const RECT* b);
    // The smallest rectangle holding both; an empty rectangle adds nothing, and two empty ones
    // give FALSE and an all-zero rectangle.
    BOOL UnionRect(const RECT* a, const RECT* b);

    constexpr bool operator==(const RECT& other) const { return EqualRect(&other) != FALSE; }
    constexpr bool operator==(const CRect& other) const { return *this == static_cast<const RECT&>(other); }
    constexpr bool operator!=(const RECT& other) const { return !(*this == other); }
    constexpr void operator+=(POINT point) { OffsetRect(point); }
    constexpr void operator+=(SIZE size) { OffsetRect(size); }
    constexpr void operator+=(const RECT* rect) { InflateRect(rect); }
    constexpr void operator-=(POINT point) { OffsetRect(-point.x, -point.y); }
    constexpr void operator-=(SIZE size) { OffsetRect(-size.cx, -size.cy); }
    constexpr void operator-=(const RECT* rect) { DeflateRect(rect); }
    void operator&=(const RECT& rect) { IntersectRect(this, &rect); }
    void operator|=(const RECT& rect) { UnionRect(this, &rect); }

    CRect operator+(POINT point) const;
    CRect operator-(POINT point) const;
    CRect operator+(SIZE size) const;
    CRect operator-(SIZE size) const;
    CRect operator+(const RECT* rect) const;
    CRect operator-(const RECT* rect) const;
    CRect operator&(const RECT& rect) const;
    CRect operator|(const RECT& rect) const;
};

static_assert(std::is_standard_layout_v<CPoint> && sizeof(CPoint) == 8);
static_assert(std::is_standard_layout_v<CSize> && sizeof(CSize) == 8);
static_assert(std::is_standard_layout_v<CRect> && sizeof(CRect) == 16);
