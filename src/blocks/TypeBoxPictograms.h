// The pictograms of the message-text element's type box, as the rows of the block-type table
// name them: shared parts first, then each type's points and its shapes.
#pragma once

#include "blocks/TypeBoxLabel.h"

namespace pictogram {

using P = POINT;
using S = PictogramShape;

// Shared parts.
constexpr P kUpArrow1[] = {{4, 12}, {4, 2}, {1, 6}};
constexpr P kUpArrow2[] = {{4, 2}, {7, 6}};
constexpr P kDownArrow1[] = {{4, 2}, {4, 12}, {1, 8}};
constexpr P kDownArrow2[] = {{4, 12}, {7, 8}};
constexpr P kClockHands[] = {{11, 5}, {11, 9}, {14, 9}};

// The on-delay: an up arrow and a delayed step, the label's text starting under the step.
constexpr P kOnDelayArrow1[] = {{4, 12}, {4, 1}, {1, 5}};
constexpr P kOnDelayArrow2[] = {{4, 1}, {7, 5}};
constexpr P kOnDelayStep[] = {{2, 19}, {12, 19}, {12, 11}, {22, 11}};
// The off-delay: a falling arrow and a delayed falling step.
constexpr P kOffDelayStep[] = {{6, 8}, {16, 8}, {16, 16}, {21, 16}};
// The on/off delay: a rising arrow, a delayed pulse and a falling mark.
constexpr P kOnOffDelayPulse[] = {{2, 18}, {8, 18}, {8, 10}, {16, 10}, {16, 18}, {21, 18}};
constexpr P kOnOffDelayMark[] = {{12, 2}, {12, 7}};
// The retentive on-delay: a rising arrow, a step and a reset bar.
constexpr P kRetentiveStep[] = {{8, 18}, {12, 18}, {12, 10}, {21, 10}};
constexpr P kRetentiveReset[] = {{16, 2}, {20, 2}};
constexpr P kRetentiveStem[] = {{18, 2}, {18, 7}};
// The wiping relay: a rising arrow, a pulse and a cross in it.
constexpr P kWipingPulse[] = {{2, 18}, {6, 18}, {6, 10}, {14, 10}, {14, 18}, {21, 18}};
constexpr P kWipingCross1[] = {{8, 12}, {12, 16}};
constexpr P kWipingCross2[] = {{8, 16}, {12, 12}};
// The edge-triggered wiping relay: both arrows, a pulse and a width mark.
constexpr P kEdgeWipingDown1[] = {{18, 2}, {18, 12}, {15, 8}};
constexpr P kEdgeWipingDown2[] = {{18, 12}, {21, 8}};
constexpr P kEdgeWipingWidth[] = {{10, 6}, {13, 6}};
// The asynchronous pulse generator: a pulse train with its period marks.
constexpr P kPulseGeneratorTrain[] = {{1, 18}, {3, 18}, {3, 10}, {6, 10}, {6, 18}, {9, 18}, {9, 10}, {12, 10}, {12, 18},
                                      {15, 18}, {15, 10}, {18, 10}, {18, 18}, {21, 18}};
constexpr P kPulseGeneratorMark1[] = {{8, 4}, {12, 4}};
constexpr P kPulseGeneratorMark2[] = {{14, 4}, {18, 4}};
constexpr P kPulseGeneratorTick1[] = {{8, 2}, {8, 6}};
constexpr P kPulseGeneratorTick2[] = {{18, 2}, {18, 6}};
// The random generator: pulses of random widths.
constexpr P kRandomGeneratorPulses[] = {{1, 18}, {4, 18}, {4, 10}, {6, 10}, {6, 18}, {13, 18}, {13, 10}, {16, 10},
                                        {16, 18}};
// The weekly and yearly timers' clock face.
constexpr P kClockFace[] = {{6, 1}, {17, 14}};
// The astronomical clock's small face beside the star.
constexpr P kAstroClockFace[] = {{1, 1}, {8, 8}};
constexpr P kAstroClockHands[] = {{4, 2}, {4, 5}, {6, 5}};
// The stopwatch: a clock face over a switch.
constexpr P kStopwatchSwitch1[] = {{2, 21}, {7, 21}, {15, 17}};
constexpr P kStopwatchSwitch2[] = {{15, 21}, {21, 21}};
constexpr P kStopwatchStop[] = {{15, 19}, {15, 21}};
constexpr P kStopwatchPivot[] = {{7, 20}, {7, 22}};
// The up/down counter: a rising arrow.
constexpr P kCounterArrow[] = {{4, 14}, {4, 2}, {1, 5}};
constexpr P kCounterHead[] = {{4, 2}, {7, 5}};
// The threshold triggers, digital and analog: a frequency's pulses.
constexpr P kTriggerPulses[] = {{1, 18}, {4, 18}, {4, 8}, {7, 8}, {7, 18}, {10, 18}, {10, 8}, {13, 8}, {13, 18},
                                {16, 18}};
// The analog comparator: a curve across a threshold.
constexpr P kComparatorCurve[] = {{1, 14}, {5, 6}, {9, 4}, {13, 10}, {17, 16}, {21, 12}};
constexpr P kComparatorLevel[] = {{1, 9}, {21, 9}};
constexpr P kComparatorTick[] = {{11, 2}, {11, 4}};
// The analog amplifier: a greater-than sign.
constexpr P kAmplifierGreater[] = {{8, 4}, {16, 10}, {8, 16}};
// The analog watchdog: a band around a value with the arcs of its swing.
constexpr P kWatchdogBounds[] = {{3, 3}, {19, 19}, {19, 11}, {3, 11}};
constexpr P kWatchdogUpper[] = {{1, 6}, {21, 6}};
constexpr P kWatchdogLower[] = {{1, 16}, {21, 16}};
constexpr P kWatchdogUp[] = {{9, 4}, {11, 2}, {13, 4}};
constexpr P kWatchdogUpStem[] = {{11, 2}, {11, 6}};
constexpr P kWatchdogDown[] = {{9, 18}, {11, 20}, {13, 18}};
constexpr P kWatchdogDownStem[] = {{11, 16}, {11, 20}};
// The analog differential trigger: an amplifier with two inputs.
constexpr P kDifferentialBody[] = {{3, 3}, {3, 17}, {17, 10}, {3, 3}};
constexpr P kDifferentialIn1[] = {{0, 7}, {3, 7}};
constexpr P kDifferentialIn2[] = {{0, 13}, {3, 13}};
constexpr P kDifferentialOut[] = {{17, 10}, {22, 10}};
constexpr P kDifferentialGain[] = {{8, 8}, {8, 12}};
// The analog math block: an integral mark beside the texts.
constexpr P kMathMark[] = {{19, 2}, {21, 2}};
constexpr P kMathStem[] = {{20, 2}, {20, 12}};
constexpr P kMathFoot[] = {{19, 12}, {21, 12}};
// The analog multiplexer.
constexpr P kMuxBody[] = {{6, 2}, {14, 5}, {14, 15}, {6, 18}, {6, 2}};
constexpr P kMuxIn1[] = {{1, 5}, {6, 5}};
constexpr P kMuxIn2[] = {{1, 8}, {6, 8}};
constexpr P kMuxIn3[] = {{1, 12}, {6, 12}};
constexpr P kMuxIn4[] = {{1, 15}, {6, 15}};
constexpr P kMuxOut[] = {{14, 10}, {21, 10}};
constexpr P kMuxSelect[] = {{10, 17}, {10, 21}};
// The analog ramp.
constexpr P kRampRamp[] = {{1, 18}, {5, 18}, {11, 6}, {17, 6}, {21, 18}};
constexpr P kRampAxes[] = {{1, 2}, {1, 20}, {21, 20}};
constexpr P kRampLevel[] = {{15, 2}, {15, 6}};
// The PI controller: a step response under its set point.
constexpr P kPiResponse[] = {{1, 18}, {5, 18}, {5, 10}, {21, 4}};
constexpr P kPiAxes[] = {{1, 2}, {1, 20}, {21, 20}};
constexpr P kPiSetPoint[] = {{1, 6}, {21, 6}};
// The pulse width modulator.
constexpr P kPwmWave[] = {{1, 18}, {3, 18}, {3, 8}, {8, 8}, {8, 18}, {10, 18}, {10, 8}, {13, 8}, {13, 18}, {15, 18},
                          {15, 8}, {21, 8}, {21, 18}};
// The analog filter, max/min and average: operator marks.
constexpr P kFilterPlus1[] = {{4, 10}, {12, 10}};
constexpr P kFilterPlus2[] = {{8, 6}, {8, 14}};
constexpr P kFilterBar[] = {{14, 10}, {20, 10}};
constexpr P kMaxMinTimes1[] = {{4, 6}, {12, 14}};
constexpr P kMaxMinTimes2[] = {{12, 6}, {4, 14}};
constexpr P kAverageMinus[] = {{4, 10}, {12, 10}};
// The math error detection: a small warning sign beside the texts with a scale.
constexpr P kMathErrorSign[] = {{18, 1}, {22, 9}, {14, 9}, {18, 1}};
constexpr P kMathErrorBang[] = {{18, 3}, {18, 6}};
constexpr P kMathErrorDot[] = {{18, 7}, {18, 8}};
constexpr P kMathErrorScale[] = {{14, 12}, {22, 12}};
constexpr P kMathErrorTick1[] = {{14, 11}, {14, 13}};
constexpr P kMathErrorTick2[] = {{16, 11}, {16, 13}};
constexpr P kMathErrorTick3[] = {{18, 11}, {18, 13}};
constexpr P kMathErrorTick4[] = {{20, 11}, {20, 13}};
constexpr P kMathErrorTick5[] = {{22, 11}, {22, 13}};
constexpr P kMathErrorTick6[] = {{15, 12}, {15, 13}};
// The gate marks of the masked word gates.
constexpr P kGateBar[] = {{4, 3}, {20, 3}};
constexpr P kGateNot[] = {{17, 7}, {21, 7}};

constexpr S L(std::span<const P> points) { return {S::Lines, points}; }

constexpr S kOnDelay[] = {L(kOnDelayArrow1), L(kOnDelayArrow2), L(kOnDelayStep)};
constexpr S kOffDelay[] = {L(kDownArrow1), L(kDownArrow2), L(kOffDelayStep)};
constexpr S kOnOffDelay[] = {L(kUpArrow1), L(kUpArrow2), L(kOnOffDelayPulse), L(kOnOffDelayMark)};
constexpr S kRetentive[] = {L(kUpArrow1), L(kUpArrow2), L(kRetentiveStep), L(kRetentiveReset), L(kRetentiveStem)};
constexpr S kWiping[] = {L(kUpArrow1), L(kUpArrow2), L(kWipingPulse), L(kWipingCross1), L(kWipingCross2)};
constexpr S kEdgeWiping[] = {L(kUpArrow1), L(kUpArrow2), L(kEdgeWipingDown1), L(kEdgeWipingDown2), L(kWipingPulse),
                             L(kEdgeWipingWidth)};
constexpr S kPulseGenerator[] = {L(kUpArrow1), L(kUpArrow2), L(kPulseGeneratorTrain), L(kPulseGeneratorMark1),
                                 L(kPulseGeneratorMark2), L(kPulseGeneratorTick1), L(kPulseGeneratorTick2)};
constexpr S kRandomGenerator[] = {L(kRandomGeneratorPulses)};
constexpr S kClock[] = {{S::Ellipse, kClockFace}, L(kClockHands)};
constexpr S kAstroClock[] = {{S::Ellipse, kAstroClockFace}, L(kAstroClockHands)};
constexpr S kStopwatch[] = {{S::Ellipse, kClockFace}, L(kClockHands), L(kStopwatchSwitch1), L(kStopwatchSwitch2),
                            L(kStopwatchStop), L(kStopwatchPivot)};
constexpr S kCounter[] = {L(kCounterArrow), L(kCounterHead)};
constexpr S kTrigger[] = {L(kTriggerPulses)};
constexpr S kComparator[] = {L(kComparatorCurve), L(kComparatorLevel), L(kComparatorTick)};
constexpr S kAmplifier[] = {L(kAmplifierGreater)};
constexpr S kWatchdog[] = {{S::ArcCounterClockwise, kWatchdogBounds}, {S::ArcClockwise, kWatchdogBounds},
                           L(kWatchdogUpper), L(kWatchdogLower), L(kWatchdogUp), L(kWatchdogUpStem), L(kWatchdogDown),
                           L(kWatchdogDownStem)};
constexpr S kDifferential[] = {L(kDifferentialBody), L(kDifferentialIn1), L(kDifferentialIn2), L(kDifferentialOut),
                               L(kDifferentialGain)};
constexpr S kMath[] = {L(kMathMark), L(kMathStem), L(kMathFoot)};
constexpr S kMux[] = {L(kMuxBody), L(kMuxIn1), L(kMuxIn2), L(kMuxIn3), L(kMuxIn4), L(kMuxOut), L(kMuxSelect)};
constexpr S kRamp[] = {L(kRampRamp), L(kRampAxes), L(kRampLevel)};
constexpr S kPi[] = {L(kPiResponse), L(kPiAxes), L(kPiSetPoint)};
constexpr S kPwm[] = {L(kPwmWave)};
constexpr S kFilter[] = {L(kFilterPlus1), L(kFilterPlus2), L(kFilterBar)};
constexpr S kMaxMin[] = {L(kMaxMinTimes1), L(kMaxMinTimes2)};
constexpr S kAverage[] = {L(kAverageMinus)};
constexpr S kMathError[] = {L(kMathErrorSign), L(kMathErrorBang), L(kMathErrorDot), L(kMathErrorScale),
                            L(kMathErrorTick6), L(kMathErrorTick1), L(kMathErrorTick2), L(kMathErrorTick3),
                            L(kMathErrorTick4), L(kMathErrorTick5)};
constexpr S kMaskBar[] = {L(kGateBar)};
constexpr S kMaskNot[] = {L(kGateNot)};
constexpr S kMaskNotBar[] = {L(kGateNot), L(kGateBar)};

}  // namespace pictogram
