#include "controls/IconImages.h"

#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

namespace {

constexpr COLORREF kInk = RGB(32, 32, 32);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kBlue = RGB(0, 70, 200);
constexpr COLORREF kLampLit = RGB(255, 220, 0);
constexpr COLORREF kLampDark = RGB(150, 150, 150);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Draws in the icon's 16 x 16 grid; a disabled icon has every colour turned grey.
class IconPainter {
public:
    IconPainter(CDC* pDC, CPoint ptOrigin, BOOL bDisabled) : m_pDC(pDC), m_ptOrigin(ptOrigin), m_bGrey(bDisabled) {}

    void Polygon(std::initializer_list<CPoint> points, COLORREF crFill)
    {
        std::vector<POINT> pts;
        for (const CPoint& pt : points)
            pts.push_back(POINT{m_ptOrigin.x + pt.x, m_ptOrigin.y + pt.y});
        Shape(crFill, [&] { m_pDC->Polygon(pts.data(), int(pts.size())); });
    }
    void Rect(int l, int t, int r, int b, COLORREF crFill)
    {
        m_pDC->FillSolidRect(CRect(m_ptOrigin.x + l, m_ptOrigin.y + t, m_ptOrigin.x + r, m_ptOrigin.y + b), Tone(crFill));
    }
    void Circle(int l, int t, int r, int b, COLORREF crFill)
    {
        Shape(crFill, [&] { m_pDC->Ellipse(m_ptOrigin.x + l, m_ptOrigin.y + t, m_ptOrigin.x + r, m_ptOrigin.y + b); });
    }
    void Line(int x1, int y1, int x2, int y2, COLORREF crPen)
    {
        CPen pen(PS_SOLID, 1, Tone(crPen));
        CPen* pOld = m_pDC->SelectObject(&pen);
        m_pDC->MoveTo(m_ptOrigin.x + x1, m_ptOrigin.y + y1);
        m_pDC->LineTo(m_ptOrigin.x + x2, m_ptOrigin.y + y2);
        m_pDC->SelectObject(pOld);
    }

private:
    COLORREF Tone(COLORREF cr) const
    {
        if (!m_bGrey)
            return cr;
        const int nGrey = 128 + (GetRValue(cr) + GetGValue(cr) + GetBValue(cr)) / 6;
        return RGB(nGrey, nGrey, nGrey);
    }
    template <class Fn>
    void Shape(COLORREF crFill, Fn draw)
    {
        CPen pen(PS_SOLID, 1, Tone(kInk));
        CBrush brush(Tone(crFill));
        CPen* pOldPen = m_pDC->SelectObject(&pen);
        CBrush* pOldBrush = m_pDC->SelectObject(&brush);
        draw();
        m_pDC->SelectObject(pOldBrush);
        m_pDC->SelectObject(pOldPen);
    }

    CDC* m_pDC;
    CPoint m_ptOrigin;
    BOOL m_bGrey;
};

void Lamp(IconPainter& p, COLORREF crGlass)
{
    p.Circle(3, 1, 13, 11, crGlass);
    p.Rect(5, 11, 11, 15, RGB(120, 120, 120));
    p.Line(5, 13, 11, 13, kInk);
}

// The footprints of the Step button's animation: a dot walking round the step arrow.
void StepFrame(IconPainter& p, int nFrame)
{
    p.Polygon({{2, 3}, {9, 8}, {2, 13}}, kBlue);
    p.Rect(11, 3, 14, 13, kBlue);
    static constexpr std::array<CPoint, 4> kDots = {CPoint(12, 0), CPoint(14, 14), CPoint(1, 14), CPoint(0, 0)};
    p.Rect(kDots[size_t(nFrame)].x, kDots[size_t(nFrame)].y, kDots[size_t(nFrame)].x + 2,
           kDots[size_t(nFrame)].y + 2, kRed);
}

void Clock(IconPainter& p, COLORREF crFace)
{
    p.Circle(1, 1, 15, 15, crFace);
    p.Line(8, 8, 8, 3, kInk);
    p.Line(8, 8, 12, 8, kInk);
}

void Power(IconPainter& p, COLORREF crRing)
{
    p.Circle(2, 2, 14, 14, crRing);
    p.Circle(5, 5, 11, 11, kWhite);
    p.Rect(7, 0, 9, 8, kInk);
}

// A scope: a trace over a time axis in a screen.
void Scope(IconPainter& p)
{
    p.Rect(1, 2, 15, 14, kInk);
    p.Rect(2, 3, 14, 13, RGB(0, 60, 0));
    p.Line(2, 10, 5, 10, kLampLit);
    p.Line(5, 10, 7, 5, kLampLit);
    p.Line(7, 5, 10, 11, kLampLit);
    p.Line(10, 11, 12, 7, kLampLit);
    p.Line(12, 7, 14, 7, kLampLit);
}

// A pointer: a needle over a half-round scale.
void Pointer(IconPainter& p)
{
    p.Circle(1, 3, 15, 17, kWhite);
    p.Rect(1, 12, 15, 16, RGB(192, 192, 192));
    p.Line(8, 11, 12, 5, kRed);
    p.Rect(7, 10, 10, 13, kInk);
}

struct IconEntry {
    int nId;
    void (*draw)(IconPainter&);
};

const IconEntry kIcons[] = {
    {176, [](IconPainter& p) { p.Polygon({{3, 1}, {14, 8}, {3, 15}}, kGreen); }},   // start
    {177, [](IconPainter& p) { p.Rect(2, 2, 14, 14, kRed); }},                      // stop
    {184, [](IconPainter& p) {                                                      // resume
         p.Rect(2, 2, 5, 14, kBlue);
         p.Polygon({{7, 2}, {14, 8}, {7, 14}}, kGreen);
     }},
    {186, [](IconPainter& p) {                                                      // suspend
         p.Rect(3, 2, 7, 14, kBlue);
         p.Rect(9, 2, 13, 14, kBlue);
     }},
    {187, [](IconPainter& p) { Power(p, kRed); }},       // power, pressed: supply off
    {188, [](IconPainter& p) { Power(p, kGreen); }},     // power, released: supply on
    {191, [](IconPainter& p) { Clock(p, kLampLit); }},   // set clock, dialog open
    {192, [](IconPainter& p) { Clock(p, kWhite); }},     // set clock
    {196, [](IconPainter& p) { StepFrame(p, 1); }},
    {197, [](IconPainter& p) { StepFrame(p, 0); }},
    {198, [](IconPainter& p) { StepFrame(p, 3); }},
    {199, [](IconPainter& p) { StepFrame(p, 2); }},
    {200, [](IconPainter& p) {                                                      // step
         p.Polygon({{2, 3}, {9, 8}, {2, 13}}, kBlue);
         p.Rect(11, 3, 14, 13, kBlue);
     }},
    {IDI_LAMP_ON, [](IconPainter& p) {
         Lamp(p, kLampLit);
         p.Line(0, 6, 2, 6, kRed);
         p.Line(14, 6, 16, 6, kRed);
         p.Line(8, 0, 8, 0, kRed);
     }},
    {IDI_LAMP_OFF, [](IconPainter& p) { Lamp(p, kLampDark); }},
    {IDI_POINTER, Pointer},
    {IDI_SCOPE, Scope},
};

const IconEntry* FindIcon(int nIconId)
{
    const auto* it = std::find_if(std::begin(kIcons), std::end(kIcons),
                                  [nIconId](const IconEntry& e) { return e.nId == nIconId; });
    return it == std::end(kIcons) ? nullptr : it;
}

} // namespace

BOOL IsKnownIconImage(int nIconId) { return FindIcon(nIconId) != nullptr; }

BOOL DrawIconImage(CDC* pDC, int nIconId, CPoint ptTopLeft, BOOL bDisabled)
{
    const IconEntry* pEntry = FindIcon(nIconId);
    if (!pDC || !pEntry)
        return FALSE;
    IconPainter painter(pDC, ptTopLeft, bDisabled);
    pEntry->draw(painter);
    return TRUE;
}
