// The process-wide naming tables of the editor: the caption of every block type (its name in
// square brackets, English or Chinese by the interface language, from the block-type table's
// caption column) and the 145 parameter names
// that message-text elements, the data log and the program image refer to by index. The
// document fills them (CVetlaDoc::InitBlockCaptions, CVetlaDoc::InitParameterNames); everyone
// else only reads them.
#pragma once

#include "blocks/BlockTypeTable.h"
#include "platform/core/Map.h"
#include "platform/core/String.h"
#include "platform/core/StringArray.h"
#include "platform/core/Types.h"

#include <span>

constexpr int PARAMETER_NAME_COUNT = 145;

// Block type code -> caption, 116 keys once filled. A key once written stays.
extern CMap<int, int, CString, LPCTSTR> g_mapBlockCaption;
// Parameter-name id -> name; PARAMETER_NAME_COUNT entries once filled, ids 131-137 empty.
extern CStringArray g_arrParameterNames;

// The caption of a type in the given interface language (from its row of the block-type
// table); empty for a caption that the Chinese interface does not write. A Chinese block name
// missing from the string table gives the English caption rather than empty brackets.
CString BlockCaptionText(const BlockCaption& caption, BOOL bChinese);
// The type's Chinese block name from the string table, without the brackets; nullptr where
// the type has none.
LPCTSTR ChineseBlockName(const BlockCaption& caption);

// The names in id order.
std::span<const LPCTSTR> ParameterNameTable();
