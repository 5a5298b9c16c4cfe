// What the in-place parameter popup of the simulation's message-text display may change in a
// running block, which controls it shows for that, and how a typed value is checked and written.
// No windows here: the popup (InPlaceParamDlg.h) reads its controls into an InPlaceValue and
// hands it to ApplyInPlaceValue, so that the checks and the writes are the same for a test.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <vector>

class CBlockObj;

enum class InPlaceControls {
    None,
    TimePair,      // two numbers with spins and the time base "h", "m", "s"
    WeekdayBoxes,  // seven day boxes of one weekly cam
    CamTime,       // the no-time box, hour and minute of one weekly cam's on or off time
    MonthDay,      // month and day of a yearly timer
    Unsigned,      // digits with a spin
    Signed,        // digits and a minus sign with a spin
    Plain,         // digits, no spin
    Hex,           // hexadecimal digits of a 16-bit mask
    Real,          // a number with two decimal places and a spin of 0.01
    Choice,        // a drop-down list
};

// What the popup shows for one element.
struct InPlaceEdit {
    InPlaceControls controls = InPlaceControls::None;
    // The spin's range, and the range a Real spin stays in.
    int nMin = 0;
    int nMax = 0;
    // The items of a Choice list (and of the time pair's base list).
    std::vector<CString> choices;
};

// The popup's controls as values. Which fields count depends on the controls: the time pair
// uses first, second and base; the cam time first (hour), second (minute) and bNoTime; the
// month and day first and second; a number, a list's selection or a yearly month nFirst.
struct InPlaceValue {
    int nFirst = 0;
    int nSecond = 0;
    int nBase = 0;
    BOOL bNoTime = FALSE;
    // The day boxes as they stand on the LCD: Monday first, Sunday last.
    BOOL bDays[7] = {};
    CString strHex;
    double dValue = 0.0;
};

// The outcome of applying: whether the value was written, the refusal to show the user when it
// was refused, and whether an open property sheet of the block should show the new value. A list
// without a selection writes nothing and refuses nothing.
struct InPlaceResult {
    BOOL bWritten = FALSE;
    CString strRefusal;
    BOOL bRefresh = FALSE;
};

// Whether a double click on an element of parameter nParamId opens the popup in the display:
// the type and parameter must be editable in place, and the parameter must not be taken from
// another block.
BOOL OffersInPlaceEdit(const CBlockObj& block, int nParamId);
// The controls for the element; None where the block type has none.
InPlaceEdit DescribeInPlaceEdit(const CBlockObj& block, int nParamId);
// The controls' initial values from the block. nKind is the element's kind (its parameter-list
// index), which names the weekly timer's cam.
InPlaceValue ReadInPlaceValue(const CBlockObj& block, int nParamId, int nKind);
// Checks the value and writes it into the block; a refused value writes nothing.
InPlaceResult ApplyInPlaceValue(CBlockObj& block, int nParamId, int nKind, const InPlaceValue& value);

// A time pair's duration in milliseconds by its base (0 hours:minutes, 1 minutes:seconds,
// 2 seconds:hundredths); 0 for another base.
double TimePairMs(int nFirst, int nSecond, int nBase);
// The hours counter's time to go, in minutes, once a maintenance interval of nInterval hours is
// set after nOperating hours: the rest of the current interval. No interval means nothing to go.
int HoursCounterToGo(int nInterval, int nOperating);
