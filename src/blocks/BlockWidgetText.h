// The texts that message-text elements show for a block's parameters and values: the editor's
// text (long time-base words, placeholders of the graphic elements) and the simulated LCD's text
// (short unit letters, "B" numbers for parameters taken from another block). The families keep
// their texts in lists of their own (BlockWidgetText*.cpp), which the block-type rows name;
// CBlockObj::GetWidgetText and CBlockObj::GetWidgetValueText look the parameter id up in the
// list of the block's row.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <array>
#include <cstddef>
#include <span>

class CBlockObj;
struct CSimContext;

// One text asked for.
struct WidgetTextRequest {
    CBlockObj& block;
    const CSimContext* pSim;
    int nParamId;
    int nKind;        // the element's list index, or its negative kind code
    BOOL bDisplay;    // the LCD's text rather than the editor's
    BOOL bSimulating; // the view runs a simulation
};

// The text of one parameter id. A type's row in the block-type table names the function that
// gives its list (widgetTexts); types that show the same texts share one list.
struct WidgetTextRow {
    int nParamId = 0;
    CString (*pText)(const WidgetTextRequest& req) = nullptr;
};

// The lists, by the family file that keeps them.
std::span<const WidgetTextRow> DelayWidgetTexts();
std::span<const WidgetTextRow> OnOffDelayWidgetTexts();
std::span<const WidgetTextRow> ClockPulseWidgetTexts();
std::span<const WidgetTextRow> PulseRelayWidgetTexts();
std::span<const WidgetTextRow> PulseGeneratorWidgetTexts();
std::span<const WidgetTextRow> RandomWidgetTexts();
std::span<const WidgetTextRow> StairwayWidgetTexts();
std::span<const WidgetTextRow> MultipleFunctionWidgetTexts();

std::span<const WidgetTextRow> WeeklyTimerWidgetTexts();
std::span<const WidgetTextRow> YearlyTimerWidgetTexts();
std::span<const WidgetTextRow> AstroClockWidgetTexts();
std::span<const WidgetTextRow> StopwatchWidgetTexts();
std::span<const WidgetTextRow> MessageTextWidgetTexts();

std::span<const WidgetTextRow> CounterWidgetTexts();
std::span<const WidgetTextRow> HoursCounterWidgetTexts();
std::span<const WidgetTextRow> ThresholdTriggerWidgetTexts();

std::span<const WidgetTextRow> ComparingWidgetTexts();
std::span<const WidgetTextRow> AnalogWatchdogWidgetTexts();
std::span<const WidgetTextRow> DifferentialTriggerWidgetTexts();
std::span<const WidgetTextRow> AnalogOperandWidgetTexts();
std::span<const WidgetTextRow> AnalogRampWidgetTexts();
std::span<const WidgetTextRow> PiControllerWidgetTexts();
std::span<const WidgetTextRow> PwmWidgetTexts();
std::span<const WidgetTextRow> AnalogFilterWidgetTexts();
std::span<const WidgetTextRow> MaxMinWidgetTexts();
std::span<const WidgetTextRow> AverageWidgetTexts();
std::span<const WidgetTextRow> MathErrorWidgetTexts();
std::span<const WidgetTextRow> AnalogInputWidgetTexts();
std::span<const WidgetTextRow> AnalogFlagWidgetTexts();

std::span<const WidgetTextRow> BinWidgetTexts();
std::span<const WidgetTextRow> BcdWidgetTexts();
std::span<const WidgetTextRow> ShiftWidgetTexts();
std::span<const WidgetTextRow> MaskWidgetTexts();
std::span<const WidgetTextRow> ArrayMaxMinWidgetTexts();
std::span<const WidgetTextRow> AcMaxMinWidgetTexts();
std::span<const WidgetTextRow> WordParamWidgetTexts();
std::span<const WidgetTextRow> MathWidgetTexts();
std::span<const WidgetTextRow> LogarithmWidgetTexts();
std::span<const WidgetTextRow> EncoderWidgetTexts();
std::span<const WidgetTextRow> SteppingMotorWidgetTexts();
std::span<const WidgetTextRow> EdgeSteppingMotorWidgetTexts();
std::span<const WidgetTextRow> PulseTrainWidgetTexts();
std::span<const WidgetTextRow> EdgePulseTrainWidgetTexts();
std::span<const WidgetTextRow> SegmentWidgetTexts();
std::span<const WidgetTextRow> WordToBitWidgetTexts();
std::span<const WidgetTextRow> UpDownCycleWidgetTexts();
std::span<const WidgetTextRow> CrcWidgetTexts();

// The row of a type and id in the type's list, null when it has none.
const WidgetTextRow* FindWidgetTextRow(int nType, int nParamId);

// Helpers shared by the families.

// One list of the rows of several, for types that share part of their texts.
template <std::size_t... Counts>
constexpr auto JoinWidgetTexts(const WidgetTextRow (&... lists)[Counts])
{
    std::array<WidgetTextRow, (Counts + ...)> joined{};
    std::size_t nAt = 0;
    for (std::span<const WidgetTextRow> list : {std::span<const WidgetTextRow>(lists)...}) {
        for (const WidgetTextRow& row : list)
            joined[nAt++] = row;
    }
    return joined;
}

// Times the timer family gives the stopwatch and the PWM block (its period).
CString WidgetStopwatchTime(const WidgetTextRequest& req);
CString WidgetOnTimeSetpoint(const WidgetTextRequest& req);

// "B%d": a function block by its display number.
CString WidgetBlockNumber(const CBlockObj& block);

// The block's value as another block reads it (GetValueAsDouble), held to nLow .. nHigh and
// truncated toward zero; nStored when reference nRef names no block.
int WidgetParamValue(const WidgetTextRequest& req, int nRef, int nStored, int nLow, int nHigh);

// A parameter that reference nRef may take from another block: on the LCD the referenced
// block's "B%d", in the editor its value held to nLow .. nHigh; nStored without a reference.
// The value goes through pFormat.
CString WidgetParamText(const WidgetTextRequest& req, int nRef, int nStored, int nLow, int nHigh,
                        CString (*pFormat)(int nValue));

// The editor's name of a time base: 0 hours:minutes, 1 minutes:seconds, else
// seconds:hundredths.
LPCTSTR WidgetEditorBaseWord(int nBase);

CString WidgetDecimal(int nValue);
// The low 16 bits in four hexadecimal digits.
CString WidgetHexWord(int nValue);
