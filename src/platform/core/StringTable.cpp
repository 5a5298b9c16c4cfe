#include "platform/core/StringTable.h"

#include <algorithm>
#include <atomic>

namespace {

std::atomic<UiLanguage> g_uiLanguage{UiLanguage::English};

} // namespace

void SetUiLanguage(UiLanguage language)
{
    g_uiLanguage.store(language);
}

UiLanguage GetUiLanguage()
{
    return g_uiLanguage.load();
}

UiLanguage UiLanguageFromCode(std::u16string_view code)
{
    return code == u"zh_CN" ? UiLanguage::SimplifiedChinese : UiLanguage::English;
}

LPCTSTR CStringTable::Lookup(UINT nID, UiLanguage language) const
{
    const auto it = std::lower_bound(m_entries.begin(), m_entries.end(), nID,
                                     [](const StringTableEntry& e, UINT id) { return e.id < id; });
    if (it == m_entries.end() || it->id != nID)
        return nullptr;
    const LPCTSTR preferred = language == UiLanguage::SimplifiedChinese ? it->chinese : it->english;
    const LPCTSTR other = language == UiLanguage::SimplifiedChinese ? it->english : it->chinese;
    return preferred ? preferred : other;
}

const CStringTable& CStringTable::Program()
{
    static const CStringTable table(ProgramStringEntries());
    return table;
}

void AfxFormatStrings(CString& rString, LPCTSTR lpszFormat, std::span<const LPCTSTR> args)
{
    CString result;
    for (const TCHAR* p = lpszFormat; p && *p; ++p) {
        const bool marker = p[0] == u'%' && p[1] >= u'1' && p[1] <= u'9';
        const std::size_t index = marker ? std::size_t(p[1] - u'1') : 0;
        if (marker && index < args.size()) {
            result += args[index];
            ++p;
        } else {
            result += *p;
        }
    }
    rString = result;
}

void AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1)
{
    CString format;
    format.LoadString(nIDS);
    const LPCTSTR args[] = {lpsz1};
    AfxFormatStrings(rString, format, args);
}

void AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2)
{
    CString format;
    format.LoadString(nIDS);
    const LPCTSTR args[] = {lpsz1, lpsz2};
    AfxFormatStrings(rString, format, args);
}
