// The tables of block parameters that message-text elements can show, shared by the element,
// the message-text pages, the display and the program-image codec.
#pragma once

// Parameter-name ids run from 0 to PARAM_NAME_COUNT - 1.
constexpr int PARAM_NAME_COUNT = 145;

// The width in LCD cells of each parameter-name id.
extern const int g_arrParamWidth[PARAM_NAME_COUNT];

// The displayable parameters of each block type, one row of 30 numbers per type and two rows
// of zeros at the end: [0] type code; [1] entries offered on the older controllers (0: a type
// they lack), [2] on the newer ones; [3]-[14] the parameter list's ids (-1 empty; type 806 on
// the newer controllers starts at [4]); [15] count and [16]-[23] ids of the loggable values;
// [24] count and [25]-[29] ids of the actual values that bar graphs, scopes, pointers and scale
// times show.
constexpr int BLOCK_PARAM_ROWS = 85;
constexpr int BLOCK_PARAM_COLUMNS = 30;
extern const int g_arrBlockParamIds[BLOCK_PARAM_ROWS][BLOCK_PARAM_COLUMNS];

// The row of a type code; null for a type without parameters to show.
const int* FindBlockParamRow(int nType);
// Entries of the parameter list offered on a generation; 0 for a null row.
int BlockParamCount(const int* pRow, bool bNewGeneration);
// The id of entry i of the parameter list; -1 outside the offered entries.
int BlockParamId(const int* pRow, int i, bool bNewGeneration);
// The id in the list's first column, whatever the generation; -1 for a null row.
int FirstBlockParamId(const int* pRow);
// The actual values: their count (0 for a null row) and the id of entry i (-1 outside them).
int ActualValueCount(const int* pRow);
int ActualValueId(const int* pRow, int i);
