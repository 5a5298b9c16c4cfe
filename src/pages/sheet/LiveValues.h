// The live values that the sheets of several families show in simulation: the time or state
// text of timers and clocks, an analog value, a word's running value.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

class CBlockObj;
struct CSimContext;

// The time or state text of timers and clocks; nothing while it is empty.
BOOL TimeLiveValue(CBlockObj& block, const CSimContext& sim, CString& strText);
// The on- and off-delay timers keep their text from the drawing; an empty one clears the box.
BOOL KeptTimeLiveValue(CBlockObj& block, const CSimContext& sim, CString& strText);
// An analog block's value; nothing for another block.
BOOL AnalogLiveValue(CBlockObj& block, const CSimContext& sim, CString& strText);

// The running value of word, counter and math blocks, truncated.
int TruncatedValue(const CBlockObj& block);

// The running value in Format, masked by Mask unless it is 0.
template <const TCHAR* Format, int Mask = 0>
BOOL WordLiveValue(CBlockObj& block, const CSimContext&, CString& strText)
{
    strText.Format(Format, Mask ? TruncatedValue(block) & Mask : TruncatedValue(block));
    return TRUE;
}

inline constexpr TCHAR kWordRight6[] = _T("%6d");
inline constexpr TCHAR kWordRight4[] = _T("%4d");
inline constexpr TCHAR kWordLeft6[] = _T("%-6d");
inline constexpr TCHAR kWordPlain[] = _T("%d");
inline constexpr TCHAR kWordHex4[] = _T("0x%04X");
inline constexpr TCHAR kWordHex2[] = _T("0x%02X");
