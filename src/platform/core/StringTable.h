// The string table: texts by numeric id, in English and, where one exists, Simplified Chinese.
// The interface language chosen at start-up decides which text LoadString returns.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <span>
#include <string_view>

enum class UiLanguage { English, SimplifiedChinese };

// The language switch is process-wide; the shell sets it from the stored setting at start-up.
void SetUiLanguage(UiLanguage language);
UiLanguage GetUiLanguage();
// "zh_CN" selects Simplified Chinese; every other code ("en_US", unknown, empty) English.
UiLanguage UiLanguageFromCode(std::u16string_view code);

struct StringTableEntry {
    UINT id;
    LPCTSTR english; // nullptr when the id has no English text
    LPCTSTR chinese; // nullptr when the id has no Chinese text
};

class CStringTable {
public:
    // The entries must be sorted by id without repeats (checked at compile time for the
    // program's table, see StringTableData.cpp).
    constexpr explicit CStringTable(std::span<const StringTableEntry> entries) : m_entries(entries) {}

    // The text in the given language, else the text the id has in the other language;
    // nullptr for an unknown id.
    LPCTSTR Lookup(UINT nID, UiLanguage language) const;

    // The table behind CString::LoadString.
    static const CStringTable& Program();

private:
    std::span<const StringTableEntry> m_entries;
};

// The program's entries, defined in StringTableData.cpp.
std::span<const StringTableEntry> ProgramStringEntries();

constexpr bool IsSortedUniqueById(std::span<const StringTableEntry> entries)
{
    for (std::size_t i = 1; i < entries.size(); ++i) {
        if (entries[i - 1].id >= entries[i].id)
            return false;
    }
    return true;
}

// Prompts of the dialog data exchange; %1 and %2 are filled by AfxFormatString1/2.
constexpr UINT AFX_IDP_PARSE_INT = 0xF110;
constexpr UINT AFX_IDP_PARSE_REAL = 0xF111;
constexpr UINT AFX_IDP_PARSE_INT_RANGE = 0xF112;
constexpr UINT AFX_IDP_PARSE_REAL_RANGE = 0xF113;
constexpr UINT AFX_IDP_PARSE_STRING_SIZE = 0xF114;
constexpr UINT AFX_IDP_PARSE_RADIO_BUTTON = 0xF115;
constexpr UINT AFX_IDP_PARSE_BYTE = 0xF116;
constexpr UINT AFX_IDP_PARSE_UINT = 0xF117;

// Replaces %1..%9 in the format by the matching argument; a marker without an argument, and
// every other '%', is kept as it stands.
void AfxFormatStrings(CString& rString, LPCTSTR lpszFormat, std::span<const LPCTSTR> args);
// The same with the text of a string-table id as the format (empty when the id is unknown).
void AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1);
void AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2);
