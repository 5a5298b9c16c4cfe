// Template and control ids shared by the block property sheets and their pages.
#pragma once

#include "platform/core/Types.h"

// Templates.
constexpr UINT IDD_COMMENT_PAGE = 106;
constexpr UINT IDD_BASIC_FUN_PAR = 4566;
constexpr UINT IDD_BOOLEAN = 4589;
constexpr UINT IDD_INS_COMMENTS = 4578;

// Controls that many pages share.
constexpr int IDC_COMMENT_EDIT = 1000;
constexpr int IDC_PROTECTION = 1025;
constexpr int IDC_BLOCK_NAME = 1266;
constexpr int IDC_BLOCK_NAME_LABEL = 1371;
constexpr int IDC_RETENTIVE_BOX = 1024;
constexpr int IDC_REFERENCE_BUTTON1 = 1546;
constexpr int IDC_REFERENCE_BUTTON2 = 1547;
constexpr int IDC_PAGE_PROTECTION_BOX = 1269;
constexpr int IDC_PAGE_RETENTIVE_BOX = 1276;
constexpr int IDC_HEX_NOTE = 1330;
constexpr int IDC_CURRENT_VALUE_BOX = 109;
constexpr int IDC_FONT_BUTTON = 1322;
// The Boolean page's sixteen output combos, bit k in IDC_TRUTH_FIRST + k.
constexpr int IDC_TRUTH_FIRST = 1302;
constexpr int TRUTH_TABLE_ROWS = 16;

// Keys of the Chinese texts of tab titles.
constexpr WORD TEXT_KEY_MAIN_PAGE = 1423;
constexpr WORD TEXT_KEY_COMMENT_PAGE = 170;
constexpr WORD TEXT_KEY_SIMULATION_PAGE = 32802;
