// The texts that message-text elements show for a block's parameters and values: the editor's
// text (long time-base words, placeholders of the graphic elements) and the simulated LCD's text
// (short unit letters, "B" numbers for parameters taken from another block). The families keep
// their texts in tables of their own (BlockWidgetText*.cpp); CBlockObj::GetWidgetText and
// CBlockObj::GetWidgetValueText look the block's type and parameter id up in them.
#pragma once

#include "blocks/TypeCodeList.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

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

// The text of one parameter id of the block types a row lists.
struct WidgetTextRow {
    TypeCodeList types;
    int nParamId;
    CString (*pText)(const WidgetTextRequest& req);
};

// Each family's rows.
std::span<const WidgetTextRow> TimerWidgetTextRows();
std::span<const WidgetTextRow> ClockWidgetTextRows();
std::span<const WidgetTextRow> CounterWidgetTextRows();
std::span<const WidgetTextRow> AnalogWidgetTextRows();
std::span<const WidgetTextRow> WordWidgetTextRows();

// The first row for a type and id in any family, null when none lists them.
const WidgetTextRow* FindWidgetTextRow(int nType, int nParamId);

// Helpers shared by the families.

template <class... Args>
CString WidgetFormat(LPCTSTR pszFormat, const Args&... args)
{
    CString str;
    str.Format(pszFormat, args...);
    return str;
}

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
