// The timer symbols: small pictograms of the timing behaviour (an arrow and a
// step for the delays, pulse trains for the generators, a clock face for the clock timers) with
// a short name. Sizes follow the body, so a resized timer keeps its picture inside.
#include "blocks/BlockSymbol.h"

#include "blocks/BlockClock.h"
#include "blocks/BlockDelay.h"
#include "blocks/BlockGenerator.h"

using namespace symbol;

namespace {

// The arrow of the generators: a shaft to the right with a barbed tip.
void GeneratorArrow(CDC* pDC, const Body& k, int x0)
{
    const int ya = k.b - 5 * k.h / 6;
    Stroke(pDC, {{x0, ya}, {x0 + 5 * k.w / 8, ya}, {x0 + k.w / 2 - 5, ya - 3}});
    Stroke(pDC, {{x0 + k.w / 2, ya}, {x0 + k.w / 2 - 5, ya + 3}});
}

// The clock face of the weekly and yearly timers, sized by the body.
void ClockFace(CDC* pDC, const Body& k)
{
    const int inset = (k.w - k.h / 2) / 2;
    {
        SelectedBrush brush(pDC, kClockFill);
        pDC->Ellipse(k.x + inset, k.y + 2, k.r - inset, k.y + k.h / 2 + 2);
    }
    const POINT centre = {(2 * k.x + k.w) / 2, (2 * k.y + k.h / 2 + 4) / 2};
    const int s = (k.w - 2 * inset) / 2;
    Spokes(pDC, centre, {{centre.x, centre.y - s}, {centre.x + s, centre.y}});
}

// The small clock of the astronomical clock and the stopwatch, at the default size.
void SmallClock(CDC* pDC, const Body& k)
{
    {
        SelectedBrush brush(pDC, kClockFill);
        pDC->Ellipse(k.x + 11, k.y + 4, k.x + 24, k.y + 17);
    }
    Spokes(pDC, {k.x + 17, k.y + 10}, {{k.x + 17, k.y + 4}, {k.x + 23, k.y + 10}});
}

// The name of the astronomical clock and the stopwatch, measured and centred on the default
// block width.
void MeasuredName(CDC* pDC, const Body& k, LPCTSTR pszText)
{
    const CSize size = Extent(pDC, pszText);
    Text(pDC, k.x + (25 - size.cx) / 2 + 1, k.b - 15, pszText);
}

void OnDelay(CDC* pDC, const Body& k)
{
    SelectedFont font(pDC, Swiss(10, 5));
    const int ax = k.x + (k.w - 12) / 2;
    const POINT tip = {ax, k.b - 15 * k.h / 16};
    Stroke(pDC, {{ax, k.b - 5 * k.h / 8}, tip, {ax - 3, tip.y + 4}});
    Stroke(pDC, {tip, {ax + 3, tip.y + 4}});
    const int x0 = k.x + (k.w - 17) / 2;
    const int low = k.b - 3 * k.h / 8 - 2;
    const int high = k.b - 5 * k.h / 8 - 1;
    const int step = 5 * k.w / 12;
    Stroke(pDC, {{x0, low}, {x0 + step, low}, {x0 + step, high}, {x0 + 2 * step, high}});
    Text(pDC, k.x + (k.w - 20) / 2 - 2, k.b - k.h / 4 - 2, _T("ON-D"));
}

void OffDelay(CDC* pDC, const Body& k)
{
    SelectedFont font(pDC, Fixed(10, 3));
    const int ax = k.x + (k.w - 7) / 2;
    const POINT tip = {ax, k.b - 12 * k.h / 16};
    Stroke(pDC, {{ax, k.b - 15 * k.h / 16}, tip, {ax - 3, tip.y - 4}});
    Stroke(pDC, {tip, {ax + 3, tip.y - 4}});
    const int x0 = k.x + (k.w - 10) / 2;
    const int high = k.b - 5 * k.h / 8 - 1;
    const int low = k.b - 3 * k.h / 8 - 2;
    const int step = 5 * k.w / 12;
    Stroke(pDC, {{x0, high}, {x0 + step, high}, {x0 + step, low}, {x0 + 2 * step, low}});
    Text(pDC, k.x + (k.w - 15) / 2, k.b - k.h / 4 - 2, _T("OFF-D"));
}

void OnOffDelay(CDC* pDC, const Body& k)
{
    SelectedFont font(pDC, Fixed(10, 3));
    const int ax = k.x + (k.w - 7) / 2;
    const POINT tip = {ax, k.b - 15 * k.h / 16};
    const POINT foot = {ax, k.b - 5 * k.h / 8};
    Stroke(pDC, {foot, tip, {ax - 3, tip.y + 4}});
    Stroke(pDC, {tip, {ax + 3, tip.y + 4}});
    Spokes(pDC, foot, {{ax - 3, foot.y - 4}, {ax + 3, foot.y - 4}});
    const int x0 = k.x + (k.w - 12) / 2;
    const int low = k.b - 3 * k.h / 8 - 2;
    const int high = k.b - 5 * k.h / 8 - 1;
    Stroke(pDC, {{x0, low}, {x0 + k.w / 2, low}, {x0 + k.w / 2, high}});
    Stroke(pDC, {{x0 + k.w / 4, low}, {x0 + k.w / 4, high}, {x0 + k.w / 2 + k.w / 4, high}});
    Text(pDC, k.x + (k.w - 18) / 2, k.b - k.h / 4 - 2, _T("ON/OFF"));
}

void RetentiveOnDelay(CDC* pDC, const Body& k)
{
    SelectedFont font(pDC, Swiss(9, 3));
    const int ax = k.x + (k.w - 7) / 2;
    const POINT tip = {ax, k.b - 7 * k.h / 8};
    Stroke(pDC, {{ax, k.b - 5 * k.h / 8}, tip});
    Spokes(pDC, tip, {{ax - 3, tip.y + 6}, {ax + 3, tip.y + 6}});
    const int low = k.b - 3 * k.h / 8 - 2;
    const int high = k.b - 5 * k.h / 8 - 1;
    const POINT end = {k.x + 7 * k.w / 8, high};
    Stroke(pDC, {{ax, low}, {k.x + k.w / 2, low}, {k.x + k.w / 2, high}, end,
                 {end.x - 6, high - 3}});
    Stroke(pDC, {end, {end.x - 6, high + 3}});
    Text(pDC, k.x + (k.w - 18) / 2 - 2, k.b - k.h / 4 - 2, _T("R-ON-D"));
}

void WipingRelay(CDC* pDC, const Body& k)
{
    SelectedFont font(pDC, Swiss(12, 6));
    const int l = k.x + k.w / 10;
    const int a = k.x + k.w / 4;
    const int top = k.y + 3 * k.h / 10;
    Stroke(pDC, {{l, top}, {a, top}, {a, k.y + k.h / 10}, {k.r - k.w / 3, k.y + k.h / 10},
                 {k.r - k.w / 3, top}, {k.r - k.w / 10, top}});
    const int low = k.b - 13;
    const int high = k.y + 2 * k.h / 5;
    Stroke(pDC, {{l, low}, {a, low}, {a, high}, {a + k.w / 6, high}, {a + k.w / 6, low},
                 {k.r - k.w / 3, low}});
    Text(pDC, k.x + (k.w - 18) / 2, k.b - 12, _T("W-R"));
}

void EdgeWipingRelay(CDC* pDC, const Body& k)
{
    SelectedFont font(pDC, Swiss(10, 4));
    const int l = k.x + k.w / 10;
    const int a = k.x + k.w / 4;
    const int low1 = k.y + 2 * k.h / 5 - 2;
    const int high1 = k.y + k.h / 5 - 2;
    Stroke(pDC, {{l, low1}, {a, low1}, {a, high1}, {k.r - k.w / 3, high1}, {k.r - k.w / 3, low1},
                 {k.r - k.w / 10, low1}});
    Spokes(pDC, {a, high1}, {{a - k.w / 6, k.y + k.h / 3 - 2}, {a + k.w / 6, k.y + k.h / 3 - 2}});
    const int low2 = k.y + 2 * k.h / 3 - 2;
    const int high2 = k.y + k.h / 2 - 2;
    Stroke(pDC, {{l, low2}, {a, low2}, {a, high2}, {k.r - k.w / 4, high2}, {k.r - k.w / 4, low2},
                 {k.r - k.w / 10, low2}});
    Text(pDC, k.x + (k.w - 16) / 2 - 2, k.b - k.h / 4 - 2, _T("ETWR"));
}

void AsyncPulseGenerator(CDC* pDC, const Body& k)
{
    SelectedFont font(pDC, Fixed(10, 4, _T("")));
    GeneratorArrow(pDC, k, k.x + (k.w - 10) / 2);
    // Four pulses over the width, edges at every odd twentieth.
    const int low = k.b - 12;
    const int high = k.b - 20;
    pDC->MoveTo(k.x + k.w / 20, low);
    for (int n = 3; n <= 17; n += 4) {
        const int rise = k.x + n * k.w / 20;
        const int fall = k.x + (n + 2) * k.w / 20;
        pDC->LineTo(rise, low);
        pDC->LineTo(rise, high);
        pDC->LineTo(fall, high);
        pDC->LineTo(fall, low);
    }
    pDC->LineTo(k.x + 19 * k.w / 20, low);
    Text(pDC, k.x + (k.w - 20) / 2, k.b - 10, _T("A-P-G"));
}

void RandomGenerator(CDC* pDC, const Body& k)
{
    SelectedFont font(pDC, Swiss(12, 7));
    const int x0 = k.x + (k.w - 17) / 2;
    GeneratorArrow(pDC, k, x0);
    const int low = k.b - 7 * k.h / 16;
    const int high = low - k.h / 4;
    Stroke(pDC, {{x0, low}, {x0 + 7, low}, {x0 + 7, high}, {x0 + 14, high}, {x0 + 14, low},
                 {x0 + 21, low}});
    Text(pDC, k.x + (k.w - 21) / 2, k.b - k.h / 4 - 3, _T("R-G"));
}

void Switch(CDC* pDC, const Body& k, LPCTSTR pszText)
{
    SelectedFont font(pDC, Fixed(10, 4, _T("")));
    Text(pDC, k.x + (k.w - 20) / 2, k.y + (k.h - 10) / 2, pszText);
}

void CalendarTimer(CDC* pDC, const Body& k, LPCTSTR pszText)
{
    ClockFace(pDC, k);
    Text(pDC, k.x + (k.w - 21) / 2, k.b - 12, pszText);
}

void AstronomicalClock(CDC* pDC, const Body& k)
{
    {
        SelectedFont star(pDC, Swiss(20, 12));
        Text(pDC, k.x + 1, k.y + 4, _T("*"));
    }
    SmallClock(pDC, k);
    MeasuredName(pDC, k, _T("AC"));
}

void Stopwatch(CDC* pDC, const Body& k)
{
    Stroke(pDC, {{k.x + 2, k.y + 14}, {k.x + 5, k.y + 14}, {k.x + 5, k.y + 5}, {k.x + 8, k.y + 5},
                 {k.x + 8, k.y + 14}, {k.x + 11, k.y + 14}});
    SmallClock(pDC, k);
    MeasuredName(pDC, k, _T("SW"));
}

// The pen and the 12 x 7 font every timer symbol starts from, and the body it is drawn in.
void Paint(CDC* pDC, const CBlockObj& block, void (*pfnPaint)(CDC*, const Body&))
{
    SelectedPen pen(pDC, PS_SOLID, 1, kBlack);
    SelectedFont font(pDC, Swiss(12, 7));
    pfnPaint(pDC, Body(block));
}

}  // namespace

void CBlockDPR::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, OnDelay);
}

void CBlockDDR::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, OffDelay);
}

void CBlockMPLR::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, OnOffDelay);
}

void CBlockPLR::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, RetentiveOnDelay);
}

void CBlockCPG::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, WipingRelay);
}

void CBlockRPR::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, EdgeWipingRelay);
}

void CBlockAPG::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, AsyncPulseGenerator);
}

void CBlockRG::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, RandomGenerator);
}

void CBlockSLS::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, [](CDC* p, const Body& k) { Switch(p, k, _T("S-L-S")); });
}

void CBlockMFS::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, [](CDC* p, const Body& k) { Switch(p, k, _T("M-F-S")); });
}

void CBlockWT::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, [](CDC* p, const Body& k) { CalendarTimer(p, k, _T("W-T")); });
}

void CBlockYT::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, [](CDC* p, const Body& k) { CalendarTimer(p, k, _T("Y-T")); });
}

void CBlockAC::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, AstronomicalClock);
}

void CBlockSW::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, Stopwatch);
}
