// Analog value ranges of simulated inputs. An analog input is driven by hand during a
// simulation, and the range that makes sense for it is the measuring range of the analog
// function blocks it feeds; its raw level is its value in per mille of that range. These
// functions trace those blocks downstream of an input, normalise an input's simulated settings
// against them, and after a function block changed walk upstream to the input that feeds it.
// Every walk keeps the blocks it has seen, so that a feedback loop of the diagram ends it.
#pragma once

#include "platform/core/Types.h"

#include <algorithm>
#include <vector>

class CBlockAnalog;
class CBlockObj;
class CVetlaDoc;

// The range GetAnalogRange gives when the sources disagree or there are none.
constexpr int ANALOG_RANGE_OPEN = 32767;

// A simulated input's value or range end as a file brings it (the block's words or a ladder
// operand's record), held within what the Simulation page offers, so that the differences the
// raw level and the value popup take of them stay ints.
constexpr int BoundedSimValue(int nValue) { return std::clamp(nValue, -ANALOG_RANGE_OPEN, ANALOG_RANGE_OPEN); }

// The analog function blocks reached first downstream of the block (with bThrough, every one
// on the paths), across connector pairs; a block that is no analog input, output, flag or
// function block gives none.
std::vector<CBlockAnalog*> TraceAnalogSources(const CVetlaDoc& doc, CBlockObj* pBlock, BOOL bThrough);

// The measuring range the sources of an analog input (or analog contact) agree on; -32767 ..
// 32767 without sources or when they disagree. Other blocks leave *pMax and *pMin alone.
void GetAnalogRange(const CVetlaDoc& doc, CBlockObj* pBlock, int* pMax, int* pMin);

// An input's simulated settings made consistent: the range ordered (digital inputs in automatic
// mode 0 .. 9999; analog ones fitted to their sources), the value inside it, and while
// simulating an analog input's raw level.
void UpdateSimInputSettings(CVetlaDoc& doc, CBlockObj* pBlock, BOOL bSimulating);

// The analog comparator, triggers, amplifier, watchdog, PI and PWM blocks: they measure a value
// against a range of their own, which the analog inputs that feed them are fitted to.
bool MeasuresAnalogRange(int nType);

// After the measuring range of an analog comparator, trigger, amplifier, watchdog, PI or PWM
// block changed: the analog input that feeds it, found upstream, is normalised again.
void RefreshAnalogSources(CVetlaDoc& doc, CBlockObj* pBlock, BOOL bSimulating);

// The raw level of x per mille: a first decimal of 5 or more rounds away from zero, then the
// fraction is cut; kept within the range of an int.
int RoundRawLevel(double x);
