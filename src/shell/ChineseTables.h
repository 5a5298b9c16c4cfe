// The Simplified Chinese texts of the interface. Menus and dialog templates carry English
// texts; in the Chinese interface the menu bar is rewritten (MenuTranslation.h) and each page
// or dialog replaces its English texts, after its controls exist, by the texts kept here under
// the same numbers, keeping the English text where there is none.
#pragma once

#include "platform/core/Map.h"
#include "platform/core/MapStringToString.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <span>

// English caption of a top-level menu or of the "New" and "Transfer" popups -> Chinese caption.
extern CMapStringToString g_mapMenuText;
// Menu command, dialog control or page text number -> Chinese text.
extern CMap<WORD, WORD, CString, LPCTSTR> g_mapIdText;

constexpr UINT MENU_TEXT_HASH_SIZE = 13;
constexpr UINT ID_TEXT_HASH_SIZE = 241;
constexpr int ID_TEXT_COUNT = 208;
// Every Chinese text fits a 32-unit buffer with its terminator.
constexpr int CHINESE_TEXT_MAX_LENGTH = 31;

// One text of the id map with the English text it stands for. Where one number stands at
// several places with slightly different wordings, the wordings are separated by '|'.
struct ChineseTextPair {
    WORD nKey;
    LPCTSTR pszEnglish;
    LPCTSTR pszChinese;
};
// Every pair of the id map.
std::span<const ChineseTextPair> ChineseTextPairs();

// Builds both maps from nothing. The application calls it once at start-up in the Chinese
// interface; in the English one both maps stay empty.
void InitChineseTexts();

// The text a page or dialog shows under nKey: TRUE and the Chinese text when the interface is
// Chinese and the map has the key; otherwise FALSE with rText unchanged, so that the caller
// keeps its English text.
BOOL LookupChineseText(UINT nKey, CString& rText);
