// Shared tools of the block symbol painters (BlockSymbol*.cpp): the two kinds of font the
// symbols are written in, selections that put the context's previous object back, and strokes
// written as point lists. Every painter makes its pens, brushes and fonts per call, so a
// symbol never depends on what another block left selected.
#pragma once

#include "platform/gdi/DC.h"

#include <initializer_list>

class CBlockObj;

namespace symbol {

// The body as the symbol geometry names it: top left x, y, size w x h, bottom b, right r.
struct Body {
    explicit Body(const CBlockObj& block);
    int x;
    int y;
    int w;
    int h;
    int b;
    int r;
};

struct FontSpec {
    int nHeight;
    int nWidth;
    bool bSwiss;
    int nWeight;
    LPCTSTR pszFace;
};

// "h x w, fixed": default character set, TrueType output precision, fixed pitch.
constexpr FontSpec Fixed(int nHeight, int nWidth, LPCTSTR pszFace = _T("Arial"))
{
    return {nHeight, nWidth, false, FW_NORMAL, pszFace};
}

// "h x w, swiss": ANSI character set, default precisions, the Swiss family.
constexpr FontSpec Swiss(int nHeight, int nWidth, int nWeight = FW_NORMAL)
{
    return {nHeight, nWidth, true, nWeight, _T("Arial")};
}

// Selects an object for the lifetime of the selection and then puts the previous one back.
template <class T>
class Selection {
public:
    Selection(CDC* pDC, T* pObject) : m_pDC(pDC), m_pOld(pDC->SelectObject(pObject)) {}
    ~Selection()
    {
        if (m_pOld)
            m_pDC->SelectObject(m_pOld);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    CDC* m_pDC;
    T* m_pOld;
};

class SelectedPen {
public:
    SelectedPen(CDC* pDC, int nStyle, int nWidth, COLORREF crColour)
        : m_pen(nStyle, nWidth, crColour), m_selection(pDC, &m_pen)
    {
    }

private:
    CPen m_pen;
    Selection<CPen> m_selection;
};

class SelectedBrush {
public:
    SelectedBrush(CDC* pDC, COLORREF crColour) : m_brush(crColour), m_selection(pDC, &m_brush) {}

private:
    CBrush m_brush;
    Selection<CBrush> m_selection;
};

class SelectedFont {
public:
    SelectedFont(CDC* pDC, const FontSpec& style);

private:
    CFont m_font;
    Selection<CFont> m_selection;
};

constexpr COLORREF kBlack = RGB(0, 0, 0);
// The body fill of the drawing frame; the analog contact and output fill their box with it.
constexpr COLORREF kBodyFill = RGB(255, 222, 140);
// The clock faces of the clock timers: one step off the body fill, as they have always been.
constexpr COLORREF kClockFill = RGB(255, 223, 140);

// A polyline drawn from the first point with line segments.
void Stroke(CDC* pDC, std::initializer_list<POINT> points);
// Separate segments from one point to each of the others, as arrow heads are drawn.
void Spokes(CDC* pDC, POINT from, std::initializer_list<POINT> to);
// A text with its top left corner at (x, y).
void Text(CDC* pDC, int x, int y, LPCTSTR pszText);
// The extent of a text in the context's current font.
CSize Extent(CDC* pDC, LPCTSTR pszText);

}  // namespace symbol
