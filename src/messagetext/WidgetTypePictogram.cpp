#include "messagetext/WidgetTypePictogram.h"

#include "blocks/BlockTypes.h"
#include "platform/gdi/DC.h"

#include <algorithm>
#include <vector>

namespace {

using P = POINT;
using S = PictogramShape;

// Shared parts.
constexpr P kUpArrow1[] = {{4, 12}, {4, 2}, {1, 6}};
constexpr P kUpArrow2[] = {{4, 2}, {7, 6}};
constexpr P kDownArrow1[] = {{4, 2}, {4, 12}, {1, 8}};
constexpr P kDownArrow2[] = {{4, 12}, {7, 8}};
constexpr P kClockHands[] = {{11, 5}, {11, 9}, {14, 9}};

// 401: off-delay, a falling arrow and a delayed falling step.
constexpr P k401Step[] = {{6, 8}, {16, 8}, {16, 16}, {21, 16}};
// 402: on/off delay, a rising arrow, a delayed pulse and a falling mark.
constexpr P k402Pulse[] = {{2, 18}, {8, 18}, {8, 10}, {16, 10}, {16, 18}, {21, 18}};
constexpr P k402Mark[] = {{12, 2}, {12, 7}};
// 403: retentive on-delay, a rising arrow, a step and a reset bar.
constexpr P k403Step[] = {{8, 18}, {12, 18}, {12, 10}, {21, 10}};
constexpr P k403Reset[] = {{16, 2}, {20, 2}};
constexpr P k403Stem[] = {{18, 2}, {18, 7}};
// 404: wiping relay, a rising arrow, a pulse and a cross in it.
constexpr P k404Pulse[] = {{2, 18}, {6, 18}, {6, 10}, {14, 10}, {14, 18}, {21, 18}};
constexpr P k404Cross1[] = {{8, 12}, {12, 16}};
constexpr P k404Cross2[] = {{8, 16}, {12, 12}};
// 405: edge-triggered wiping relay, both arrows, a pulse and a width mark.
constexpr P k405Down1[] = {{18, 2}, {18, 12}, {15, 8}};
constexpr P k405Down2[] = {{18, 12}, {21, 8}};
constexpr P k405Width[] = {{10, 6}, {13, 6}};
// 406: asynchronous pulse generator, a pulse train with its period marks.
constexpr P k406Train[] = {{1, 18}, {3, 18}, {3, 10}, {6, 10}, {6, 18}, {9, 18}, {9, 10},
                           {12, 10}, {12, 18}, {15, 18}, {15, 10}, {18, 10}, {18, 18}, {21, 18}};
constexpr P k406Mark1[] = {{8, 4}, {12, 4}};
constexpr P k406Mark2[] = {{14, 4}, {18, 4}};
constexpr P k406Tick1[] = {{8, 2}, {8, 6}};
constexpr P k406Tick2[] = {{18, 2}, {18, 6}};
// 407: random generator, pulses of random widths.
constexpr P k407Pulses[] = {{1, 18}, {4, 18}, {4, 10}, {6, 10}, {6, 18}, {13, 18}, {13, 10}, {16, 10}, {16, 18}};
// 410, 411: the time switches' clock face.
constexpr P kClockFace[] = {{6, 1}, {17, 14}};
// 412: the astronomical clock's small face beside the star.
constexpr P k412Face[] = {{1, 1}, {8, 8}};
constexpr P k412Hands[] = {{4, 2}, {4, 5}, {6, 5}};
// 413: a clock face over a switch.
constexpr P k413Switch1[] = {{2, 21}, {7, 21}, {15, 17}};
constexpr P k413Switch2[] = {{15, 21}, {21, 21}};
constexpr P k413Stop[] = {{15, 19}, {15, 21}};
constexpr P k413Pivot[] = {{7, 20}, {7, 22}};
// 800: up/down counter, a rising arrow.
constexpr P k800Arrow[] = {{4, 14}, {4, 2}, {1, 5}};
constexpr P k800Head[] = {{4, 2}, {7, 5}};
// 802, 804: threshold triggers, a frequency's pulses.
constexpr P k802Pulses[] = {{1, 18}, {4, 18}, {4, 8}, {7, 8}, {7, 18}, {10, 18}, {10, 8}, {13, 8}, {13, 18}, {16, 18}};
// 803: analog threshold, a curve across a threshold.
constexpr P k803Curve[] = {{1, 14}, {5, 6}, {9, 4}, {13, 10}, {17, 16}, {21, 12}};
constexpr P k803Level[] = {{1, 9}, {21, 9}};
constexpr P k803Tick[] = {{11, 2}, {11, 4}};
// 805: analog comparator.
constexpr P k805Greater[] = {{8, 4}, {16, 10}, {8, 16}};
// 806: analog watchdog, a band around a value with the arcs of its swing.
constexpr P k806Bounds[] = {{3, 3}, {19, 19}, {19, 11}, {3, 11}};
constexpr P k806Upper[] = {{1, 6}, {21, 6}};
constexpr P k806Lower[] = {{1, 16}, {21, 16}};
constexpr P k806Up[] = {{9, 4}, {11, 2}, {13, 4}};
constexpr P k806UpStem[] = {{11, 2}, {11, 6}};
constexpr P k806Down[] = {{9, 18}, {11, 20}, {13, 18}};
constexpr P k806DownStem[] = {{11, 16}, {11, 20}};
// 807: analog amplifier.
constexpr P k807Body[] = {{3, 3}, {3, 17}, {17, 10}, {3, 3}};
constexpr P k807In1[] = {{0, 7}, {3, 7}};
constexpr P k807In2[] = {{0, 13}, {3, 13}};
constexpr P k807Out[] = {{17, 10}, {22, 10}};
constexpr P k807Gain[] = {{8, 8}, {8, 12}};
// 815: an integral mark beside the texts.
constexpr P k815Mark[] = {{19, 2}, {21, 2}};
constexpr P k815Stem[] = {{20, 2}, {20, 12}};
constexpr P k815Foot[] = {{19, 12}, {21, 12}};
// 816: analog multiplexer.
constexpr P k816Body[] = {{6, 2}, {14, 5}, {14, 15}, {6, 18}, {6, 2}};
constexpr P k816In1[] = {{1, 5}, {6, 5}};
constexpr P k816In2[] = {{1, 8}, {6, 8}};
constexpr P k816In3[] = {{1, 12}, {6, 12}};
constexpr P k816In4[] = {{1, 15}, {6, 15}};
constexpr P k816Out[] = {{14, 10}, {21, 10}};
constexpr P k816Select[] = {{10, 17}, {10, 21}};
// 817: analog ramp.
constexpr P k817Ramp[] = {{1, 18}, {5, 18}, {11, 6}, {17, 6}, {21, 18}};
constexpr P k817Axes[] = {{1, 2}, {1, 20}, {21, 20}};
constexpr P k817Level[] = {{15, 2}, {15, 6}};
// 818: PI controller, a step response under its set point.
constexpr P k818Response[] = {{1, 18}, {5, 18}, {5, 10}, {21, 4}};
constexpr P k818Axes[] = {{1, 2}, {1, 20}, {21, 20}};
constexpr P k818SetPoint[] = {{1, 6}, {21, 6}};
// 819: pulse width modulator.
constexpr P k819Wave[] = {{1, 18}, {3, 18}, {3, 8}, {8, 8}, {8, 18}, {10, 18}, {10, 8},
                          {13, 8}, {13, 18}, {15, 18}, {15, 8}, {21, 8}, {21, 18}};
// 820-822: the arithmetic blocks' operator marks.
constexpr P k820Plus1[] = {{4, 10}, {12, 10}};
constexpr P k820Plus2[] = {{8, 6}, {8, 14}};
constexpr P k820Bar[] = {{14, 10}, {20, 10}};
constexpr P k821Times1[] = {{4, 6}, {12, 14}};
constexpr P k821Times2[] = {{12, 6}, {4, 14}};
constexpr P k822Minus[] = {{4, 10}, {12, 10}};
// 823: arithmetic error detection, a small warning sign beside the texts with a scale.
constexpr P k823Sign[] = {{18, 1}, {22, 9}, {14, 9}, {18, 1}};
constexpr P k823Bang[] = {{18, 3}, {18, 6}};
constexpr P k823Dot[] = {{18, 7}, {18, 8}};
constexpr P k823Scale[] = {{14, 12}, {22, 12}};
constexpr P k823Tick1[] = {{14, 11}, {14, 13}};
constexpr P k823Tick2[] = {{16, 11}, {16, 13}};
constexpr P k823Tick3[] = {{18, 11}, {18, 13}};
constexpr P k823Tick4[] = {{20, 11}, {20, 13}};
constexpr P k823Tick5[] = {{22, 11}, {22, 13}};
constexpr P k823Tick6[] = {{15, 12}, {15, 13}};
// 839-842: the gate marks of the masked word gates.
constexpr P kGateBar[] = {{4, 3}, {20, 3}};
constexpr P kGateNot[] = {{17, 7}, {21, 7}};

constexpr S L(std::span<const P> points) { return {S::Lines, points}; }

constexpr S k401[] = {L(kDownArrow1), L(kDownArrow2), L(k401Step)};
constexpr S k402[] = {L(kUpArrow1), L(kUpArrow2), L(k402Pulse), L(k402Mark)};
constexpr S k403[] = {L(kUpArrow1), L(kUpArrow2), L(k403Step), L(k403Reset), L(k403Stem)};
constexpr S k404[] = {L(kUpArrow1), L(kUpArrow2), L(k404Pulse), L(k404Cross1), L(k404Cross2)};
constexpr S k405[] = {L(kUpArrow1), L(kUpArrow2), L(k405Down1), L(k405Down2), L(k404Pulse), L(k405Width)};
constexpr S k406[] = {L(kUpArrow1), L(kUpArrow2), L(k406Train), L(k406Mark1), L(k406Mark2), L(k406Tick1), L(k406Tick2)};
constexpr S k407[] = {L(k407Pulses)};
constexpr S kClock[] = {{S::Ellipse, kClockFace}, L(kClockHands)};
constexpr S k412[] = {{S::Ellipse, k412Face}, L(k412Hands)};
constexpr S k413[] = {{S::Ellipse, kClockFace}, L(kClockHands), L(k413Switch1), L(k413Switch2), L(k413Stop), L(k413Pivot)};
constexpr S k800[] = {L(k800Arrow), L(k800Head)};
constexpr S k802[] = {L(k802Pulses)};
constexpr S k803[] = {L(k803Curve), L(k803Level), L(k803Tick)};
constexpr S k805[] = {L(k805Greater)};
constexpr S k806[] = {{S::ArcCounterClockwise, k806Bounds}, {S::ArcClockwise, k806Bounds}, L(k806Upper), L(k806Lower),
                      L(k806Up), L(k806UpStem), L(k806Down), L(k806DownStem)};
constexpr S k807[] = {L(k807Body), L(k807In1), L(k807In2), L(k807Out), L(k807Gain)};
constexpr S k815[] = {L(k815Mark), L(k815Stem), L(k815Foot)};
constexpr S k816[] = {L(k816Body), L(k816In1), L(k816In2), L(k816In3), L(k816In4), L(k816Out), L(k816Select)};
constexpr S k817[] = {L(k817Ramp), L(k817Axes), L(k817Level)};
constexpr S k818[] = {L(k818Response), L(k818Axes), L(k818SetPoint)};
constexpr S k819[] = {L(k819Wave)};
constexpr S k820[] = {L(k820Plus1), L(k820Plus2), L(k820Bar)};
constexpr S k821[] = {L(k821Times1), L(k821Times2)};
constexpr S k822[] = {L(k822Minus)};
constexpr S k823[] = {L(k823Sign), L(k823Bang), L(k823Dot), L(k823Scale), L(k823Tick6), L(k823Tick1), L(k823Tick2), L(k823Tick3),
                      L(k823Tick4), L(k823Tick5)};
constexpr S k839[] = {L(kGateBar)};
constexpr S k840[] = {L(kGateNot)};
constexpr S k842[] = {L(kGateNot), L(kGateBar)};

struct PictogramRow {
    int nType;
    std::span<const S> shapes;
};

constexpr PictogramRow kPictograms[] = {
    {BT_DDR, k401}, {BT_MPLR, k402}, {BT_PLR, k403}, {BT_CPG, k404}, {BT_RPR, k405}, {BT_APG, k406},
    {BT_RG, k407}, {BT_WT, kClock}, {BT_YT, kClock}, {BT_AC, k412}, {BT_SW, k413}, {BT_COUNTER, k800},
    {BT_THTRG, k802}, {BT_ACOMP, k803}, {BT_ATHTRG, k802}, {BT_AAMP, k805}, {BT_AWDOG, k806},
    {BT_ADTRG, k807}, {BT_AMATH, k815}, {BT_AMUX, k816}, {BT_ARAMP, k817}, {BT_PI, k818}, {BT_PWM, k819},
    {BT_AFILTER, k820}, {BT_MAXMIN, k821}, {BT_AVGVAL, k822}, {BT_MATHERR, k823}, {BT_ORM, k839},
    {BT_NOTM, k840}, {BT_NANDM, k839}, {BT_NORM, k842},
};

POINT At(const CRect& box, POINT point) { return {box.left + point.x, box.top + point.y}; }

}  // namespace

std::span<const PictogramShape> PictogramOf(int nType)
{
    const auto* pEnd = std::end(kPictograms);
    const auto* pRow = std::find_if(std::begin(kPictograms), pEnd, [nType](const PictogramRow& row) { return row.nType == nType; });
    return pRow == pEnd ? std::span<const PictogramShape>() : pRow->shapes;
}

void DrawPictogram(CDC& dc, const CRect& box, int nType)
{
    for (const PictogramShape& shape : PictogramOf(nType)) {
        const auto& pts = shape.points;
        if (shape.kind == PictogramShape::Lines) {
            std::vector<POINT> points;
            for (const POINT& point : pts)
                points.push_back(At(box, point));
            dc.Polyline(points.data(), int(points.size()));
        } else if (shape.kind == PictogramShape::Ellipse) {
            const CRect rect(At(box, pts[0]), At(box, pts[1]));
            CGdiObject* pOldBrush = dc.SelectStockObject(HOLLOW_BRUSH);
            dc.Ellipse(&rect);
            dc.SelectObject(pOldBrush);
        } else {
            // The swing of the watched value: the same arc drawn once in each direction.
            const int nOldDirection = dc.SetArcDirection(
                shape.kind == PictogramShape::ArcClockwise ? AD_CLOCKWISE : AD_COUNTERCLOCKWISE);
            const CRect rect(At(box, pts[0]), At(box, pts[1]));
            dc.Arc(&rect, At(box, pts[2]), At(box, pts[3]));
            dc.SetArcDirection(nOldDirection);
        }
    }
}
