// The symbols of the counters, registers, analog, Modbus, message-text and WiFi blocks: short
// names for the plain ones, and pictograms of signal, trigger and arrow for the analog family.
#include "blocks/BlockSymbol.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockMR.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockWIFI.h"

using namespace symbol;

namespace {

// A short name centred by the nominal size of the 12 x 6 font.
void Name(CDC* pDC, const Body& k, LPCTSTR pszText)
{
    SelectedFont font(pDC, Fixed(12, 6, _T("")));
    const int n = CString(pszText).GetLength();
    Text(pDC, k.x + (k.w - 6 * n) / 2, k.y + (k.h - 12) / 2, pszText);
}

// The arrow of the analog blocks: a shaft to the right with its tip at (tipX, y).
void Arrow(CDC* pDC, int fromX, int tipX, int y, int barbX)
{
    Stroke(pDC, {{fromX, y}, {tipX, y}, {barbX, y - 4}});
    Stroke(pDC, {{tipX, y}, {barbX, y + 4}});
}

// The output pulse of the threshold triggers.
void TriggerPulse(CDC* pDC, const Body& k)
{
    const int low = k.b - k.h / 4;
    const int high = k.b - k.h / 2;
    Stroke(pDC, {{k.x + k.w / 10, low}, {k.x + 3 * k.w / 10, low}, {k.x + 3 * k.w / 10, high},
                 {k.x + 7 * k.w / 10, high}, {k.x + 7 * k.w / 10, low}, {k.x + 9 * k.w / 10, low}});
}

void Counter(CDC* pDC, const Body& k)
{
    const int ax = k.x + (k.w - 15) / 2;
    Stroke(pDC, {{ax, k.b - 24}, {ax, k.b - 36}, {ax - 3, k.b - 30}});
    Stroke(pDC, {{ax, k.b - 36}, {ax + 3, k.b - 30}});
    Text(pDC, k.x + (k.w - 18) / 2, k.b - 12, _T("U/D"));
}

void ThresholdTrigger(CDC* pDC, const Body& k)
{
    const int base = k.b - 3 * k.h / 5 - 1;
    const int peak = k.b - 3 * k.h / 5 - k.h / 5 - 1;
    Stroke(pDC, {{k.x + k.w / 10, base}, {k.x + 4 * k.w / 10, peak},
                 {k.x + 5 * k.w / 10, k.b - 3 * k.h / 5 - k.h / 5 + k.h / 10 - 1},
                 {k.x + 6 * k.w / 10, peak}, {k.x + 9 * k.w / 10, base}});
    TriggerPulse(pDC, k);
}

void AnalogComparator(CDC* pDC, const Body& k)
{
    const int base = k.b - 9 * k.h / 16;
    Stroke(pDC, {{k.x + k.w / 10, base}, {k.x + 4 * k.w / 10, base},
                 {k.x + 5 * k.w / 20, k.b - 12 * k.h / 16}, {k.x + k.w / 10, base}});
    Text(pDC, k.x + 5 * k.w / 10, k.b - 15 * k.h / 16, _T("A"));
    const int low = k.b - k.h / 4;
    const int high = k.b - k.h / 2;
    Stroke(pDC, {{k.x + k.w / 10, low}, {k.x + 5 * k.w / 10, low}, {k.x + 5 * k.w / 10, high},
                 {k.x + 7 * k.w / 10, high}, {k.x + 7 * k.w / 10, low}, {k.x + 9 * k.w / 10, low}});
}

void AnalogThresholdTrigger(CDC* pDC, const Body& k)
{
    Stroke(pDC, {{k.x + 3 * k.w / 10, k.b - 3 * k.h / 5 - 1},
                 {k.x + 6 * k.w / 10, k.b - 3 * k.h / 5 - 3 * k.h / 10 - 1}});
    Text(pDC, k.x + 6 * k.w / 10 + 2, k.b - 15 * k.h / 16, _T("A"));
    TriggerPulse(pDC, k);
}

void AnalogAmplifier(CDC* pDC, const Body& k)
{
    const int x0 = k.x + (k.w - 12) / 2;
    Text(pDC, x0 - 3, k.y + (k.h - 12) / 2, _T("A"));
    Arrow(pDC, x0 + 6, x0 + 15, k.y + k.h / 2, x0 + 9);
}

void AnalogWatchdog(CDC* pDC, const Body& k)
{
    const int mid = k.x + k.w / 2;
    const int ya = k.y + k.h / 3;
    pDC->MoveTo(k.x + 3, ya);
    pDC->SetArcDirection(AD_CLOCKWISE);
    pDC->ArcTo(k.x + 3, k.y + k.h / 6, mid, k.y + k.h / 2, k.x + 3, ya + 2, mid, ya);
    pDC->SetArcDirection(AD_COUNTERCLOCKWISE);
    pDC->ArcTo(mid, k.y + k.h / 6, k.r - 3, k.y + k.h / 2, mid, ya, k.r - 3, ya - 3);
    const int low = k.b - k.h / 5;
    const int high = k.b - 2 * k.h / 5;
    const auto at = [&](int n) { return k.x + n * k.w / 20; };
    Stroke(pDC, {{at(1), low}, {at(3), low}, {at(3), high}, {at(5), high}, {at(5), low},
                 {at(15), low}, {at(15), high}, {at(17), high}, {at(17), low}, {at(19), low}});
}

void AnalogDifferentialTrigger(CDC* pDC, const Body& k)
{
    const auto at = [&](int n) { return k.x + n * k.w / 14; };
    const int base = k.b - 5 * k.h / 8;
    Stroke(pDC, {{at(4), base}, {at(10), base}, {at(7), k.b - 7 * k.h / 8}, {at(4), base}});
    const int low = k.b - k.h / 4;
    const int high = k.b - 2 * (k.h / 4);
    Stroke(pDC, {{at(1), low}, {at(3), low}, {at(3), high}, {at(11), high}, {at(11), low},
                 {at(13), low}});
}

void AnalogMath(CDC* pDC, const Body& k)
{
    SelectedFont font(pDC, Fixed(12, 7, _T("")));
    Text(pDC, k.x + 6, k.y, _T("+="));
    Text(pDC, k.x + 6, k.b - 24, _T("A"));
    Arrow(pDC, k.x + 15, k.x + 22, k.b - 18, k.x + 18);
}

void AnalogMultiplexer(CDC* pDC, const Body& k)
{
    for (int n = 6; n <= 12; n += 2)
        Stroke(pDC, {{k.x + 7, k.y + n}, {k.x + 12, k.y + n}});
    Stroke(pDC, {{k.x + 14, k.y + 7}, {k.x + 18, k.y + 7}});
    Stroke(pDC, {{k.x + 14, k.y + 11}, {k.x + 18, k.y + 11}});
    Stroke(pDC, {{k.x + 19, k.y + 9}, {k.x + 24, k.y + 9}});
    Text(pDC, k.x + 6, k.b - 24, _T("A"));
    Arrow(pDC, k.x + 14, k.x + 24, k.b - 18, k.x + 20);
}

// The arrow that the ramp, the PI controller and the error detection share.
void RampArrow(CDC* pDC, const Body& k)
{
    Arrow(pDC, k.x + 12, k.x + 22, k.b - 18, k.x + 18);
}

void AnalogRamp(CDC* pDC, const Body& k)
{
    SelectedFont font(pDC, Fixed(12, 7, _T("")));
    Stroke(pDC, {{k.x + 3, k.b - 25}, {k.x + 7, k.b - 30}, {k.x + 10, k.b - 30},
                 {k.x + 10, k.b - 25}, {k.x + 20, k.b - 25}});
    Text(pDC, k.x + 3, k.b - 24, _T("A"));
    RampArrow(pDC, k);
}

void PiController(CDC* pDC, const Body& k)
{
    SelectedFont font(pDC, Fixed(12, 7, _T("")));
    Stroke(pDC, {{k.x + 3, k.b - 25}, {k.x + 7, k.b - 30}, {k.x + 10, k.b - 27},
                 {k.x + 18, k.b - 27}});
    Text(pDC, k.x + 3, k.b - 24, _T("A"));
    RampArrow(pDC, k);
}

void PulseWidthModulator(CDC* pDC, const Body& k)
{
    SelectedFont font(pDC, Fixed(12, 7));
    Text(pDC, k.x + 6, k.b - 30, _T("~"));
    Arrow(pDC, k.x + 16, k.x + 23, k.b - 22, k.x + 19);
    const int low = k.b - 7;
    const int high = k.b - 14;
    Stroke(pDC, {{k.x + 3, low}, {k.x + 6, low}, {k.x + 6, high}, {k.x + 9, high},
                 {k.x + 9, low}, {k.r - 9, low}, {k.r - 9, high}, {k.r - 6, high},
                 {k.r - 6, low}, {k.r - 3, low}});
}

void AnalogFilter(CDC* pDC, const Body& k)
{
    SelectedFont font(pDC, Fixed(12, 7, _T("")));
    Stroke(pDC, {{k.x + 6, k.b - 25}, {k.x + 6, k.b - 28}, {k.x + 9, k.b - 31}});
    Stroke(pDC, {{k.x + 10, k.b - 31}, {k.x + 16, k.b - 31}});
    Text(pDC, k.x + 6, k.b - 24, _T("Ax"));
}

void MaxMin(CDC* pDC, const Body& k)
{
    SelectedFont font(pDC, Fixed(12, 7, _T("")));
    Text(pDC, k.x + 8, k.b - 40, _T("_"));
    Text(pDC, k.x + 15, k.b - 35, _T("_"));
    Text(pDC, k.x + 6, k.b - 24, _T("Ax"));
}

void AverageValue(CDC* pDC, const Body& k)
{
    SelectedFont font(pDC, Fixed(12, 7, _T("")));
    Stroke(pDC, {{k.x + 8, k.b - 26}, {k.x + 21, k.b - 26}});
    Text(pDC, k.x + 6, k.b - 24, _T("Ax"));
}

void MathError(CDC* pDC, const Body& k)
{
    SelectedFont font(pDC, Fixed(12, 7, _T("")));
    Text(pDC, k.x + 3, k.y, _T("+="));
    Text(pDC, k.x + 3, k.b - 24, _T("E"));
    RampArrow(pDC, k);
}

// An antenna over the kind of point the WiFi block carries.
void Wifi(CDC* pDC, const Body& k, LPCTSTR pszPrefix)
{
    const int ax = k.x + 2 * k.w / 5;
    {
        SelectedPen dotted(pDC, PS_DOT, 1, kBlack);
        Stroke(pDC, {{ax, k.b - 29}, {ax, k.b - 25}});
        Stroke(pDC, {{k.x + 3, k.b - 25}, {k.x + 23, k.b - 25}});
    }
    {
        SelectedPen dot(pDC, PS_SOLID, 4, kBlack);
        Stroke(pDC, {{ax, k.b - 25}, {ax, k.b - 25}});
    }
    Text(pDC, ax - 2, k.b - 21, pszPrefix);
}

// The pen and the 12 x 6 font every symbol of these blocks starts from, and the body it is
// drawn in.
void Paint(CDC* pDC, const CBlockObj& block, void (*pfnPaint)(CDC*, const Body&))
{
    SelectedPen pen(pDC, PS_SOLID, 1, kBlack);
    SelectedFont font(pDC, Fixed(12, 6, _T("")));
    pfnPaint(pDC, Body(block));
}

}  // namespace

void CBlockCOUNTER::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, Counter);
}

void CBlockHCOUNTER::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, [](CDC* p, const Body& k) { Name(p, k, _T("H-C")); });
}

void CBlockTHTRG::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, ThresholdTrigger);
}

void CBlockACOMP::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, AnalogComparator);
}

void CBlockATHTRG::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, AnalogThresholdTrigger);
}

void CBlockAAMP::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, AnalogAmplifier);
}

void CBlockAWDOG::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, AnalogWatchdog);
}

void CBlockADTRG::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, AnalogDifferentialTrigger);
}

void CBlockLR::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, [](CDC* p, const Body& k) { Name(p, k, _T("L-R")); });
}

void CBlockPR::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, [](CDC* p, const Body& k) { Name(p, k, _T("P-R")); });
}

void CBlockMSGTEXT::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, [](CDC* p, const Body& k) { Name(p, k, _T("Text")); });
}

void CBlockSREG::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, [](CDC* p, const Body& k) { Name(p, k, _T(">>")); });
}

void CBlockMR::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, [](CDC* p, const Body& k) { Name(p, k, _T("MR")); });
}

void CBlockMW::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, [](CDC* p, const Body& k) { Name(p, k, _T("MW")); });
}

void CBlockAMATH::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, AnalogMath);
}

void CBlockAMUX::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, AnalogMultiplexer);
}

void CBlockARAMP::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, AnalogRamp);
}

void CBlockPI::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, PiController);
}

void CBlockPWM::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, PulseWidthModulator);
}

void CBlockAFILTER::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, AnalogFilter);
}

void CBlockMAXMIN::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, MaxMin);
}

void CBlockAVGVAL::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, AverageValue);
}

void CBlockMATHERR::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, MathError);
}

void CBlockWIFIIn::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, [](CDC* p, const Body& k) { Wifi(p, k, _T("I")); });
}

void CBlockWIFIOut::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, [](CDC* p, const Body& k) { Wifi(p, k, _T("Q")); });
}

void CBlockWIFIAI::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, [](CDC* p, const Body& k) { Wifi(p, k, _T("AI")); });
}

void CBlockWIFIAOut::DrawSymbol(CDC* pDC) const
{
    Paint(pDC, *this, [](CDC* p, const Body& k) { Wifi(p, k, _T("AQ")); });
}
