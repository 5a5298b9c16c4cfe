#include "platform/core/Geometry.h"

#include <algorithm>
#include <utility>

namespace {

bool IsEmptyRect(const RECT& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

}  // namespace

CRect CSize::operator+(const RECT* rect) const { return CRect(rect) + *this; }
CRect CSize::operator-(const RECT* rect) const { return CRect(rect) - *this; }
CRect CPoint::operator+(const RECT* rect) const { return CRect(rect) + *this; }
CRect CPoint::operator-(const RECT* rect) const { return CRect(rect) - *this; }

void CRect::NormalizeRect()
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

BOOL CRect::IntersectRect(const RECT* a, const RECT* b)
{
    const CRect result(std::max(a->left, b->left), std::max(a->top, b->top),
                       std::min(a->right, b->right), std::min(a->bottom, b->bottom));
    if (IsEmptyRect(*a) || IsEmptyRect(*b) || result.IsRectEmpty()) {
        SetRectEmpty();
        return FALSE;
    }
    *this = result;
    return TRUE;
}

BOOL CRect::UnionRect(const RECT* a, const RECT* b)
{
    const bool aEmpty = IsEmptyRect(*a);
    const bool bEmpty = IsEmptyRect(*b);
    if (aEmpty && bEmpty) {
        SetRectEmpty();
        return FALSE;
    }
    if (aEmpty || bEmpty) {
        *this = CRect(aEmpty ? b : a);
        return TRUE;
    }
    *this = CRect(std::min(a->left, b->left), std::min(a->top, b->top),
                  std::max(a->right, b->right), std::max(a->bottom, b->bottom));
    return TRUE;
}

CRect CRect::operator+(POINT point) const
{
    CRect result(*this);
    result.OffsetRect(point);
    return result;
}

CRect CRect::operator-(POINT point) const
{
    CRect result(*this);
    result.OffsetRect(-point.x, -point.y);
    return result;
}

CRect CRect::operator+(SIZE size) const
{
    CRect result(*this);
    result.OffsetRect(size);
    return result;
}

CRect CRect::operator-(SIZE size) const
{
    CRect result(*this);
    result.OffsetRect(-size.cx, -size.cy);
    return result;
}

CRect CRect::operator+(const RECT* rect) const
{
    CRect result(*this);
    result.InflateRect(rect);
    return result;
}

CRect CRect::operator-(const RECT* rect) const
{
    CRect result(*this);
    result.DeflateRect(rect);
    return result;
}

CRect CRect::operator&(const RECT& rect) const
{
    CRect result;
    result.IntersectRect(this, &rect);
    return result;
}

CRect CRect::operator|(const RECT& rect) const
{
    CRect result;
    result.UnionRect(this, &rect);
    return result;
}
