#include "platform/core/StringTable.h"

#include "platform/core/StringPrinter.h"

#include <gtest/gtest.h>

namespace {

// Restores the interface language a test changes.
class LanguageGuard {
public:
    explicit LanguageGuard(UiLanguage language) : m_previous(GetUiLanguage()) { SetUiLanguage(language); }
    ~LanguageGuard() { SetUiLanguage(m_previous); }

private:
    UiLanguage m_previous;
};

constexpr StringTableEntry kTestEntries[] = {
    {10, u"English only", nullptr},
    {20, nullptr, u"只有中文"},
    {30, u"Both", u"两者"},
};
static_assert(IsSortedUniqueById(kTestEntries));

TEST(StringTable, LookupPrefersTheLanguageAndFallsBack)
{
    const CStringTable table(kTestEntries);
    struct Row {
        UINT id;
        UiLanguage language;
        const char16_t* want;
    };
    const Row rows[] = {
        {10, UiLanguage::English, u"English only"},
        {10, UiLanguage::SimplifiedChinese, u"English only"},
        {20, UiLanguage::English, u"只有中文"},
        {20, UiLanguage::SimplifiedChinese, u"只有中文"},
        {30, UiLanguage::English, u"Both"},
        {30, UiLanguage::SimplifiedChinese, u"两者"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(CString(table.Lookup(r.id, r.language)), r.want) << r.id;
    for (const UINT unknown : {0u, 15u, 31u, 0xFFFFFFFFu})
        EXPECT_EQ(table.Lookup(unknown, UiLanguage::English), nullptr) << unknown;
}

TEST(StringTable, SortedCheckRejectsDisorderAndRepeats)
{
    constexpr StringTableEntry unsorted[] = {{2, u"b", nullptr}, {1, u"a", nullptr}};
    constexpr StringTableEntry repeated[] = {{1, u"a", nullptr}, {1, u"b", nullptr}};
    EXPECT_FALSE(IsSortedUniqueById(unsorted));
    EXPECT_FALSE(IsSortedUniqueById(repeated));
    EXPECT_TRUE(IsSortedUniqueById({}));
}

TEST(StringTable, LanguageCodes)
{
    EXPECT_EQ(UiLanguageFromCode(u"zh_CN"), UiLanguage::SimplifiedChinese);
    EXPECT_EQ(UiLanguageFromCode(u"en_US"), UiLanguage::English);
    EXPECT_EQ(UiLanguageFromCode(u""), UiLanguage::English);
    EXPECT_EQ(UiLanguageFromCode(u"zh_TW"), UiLanguage::English);
}

TEST(StringTable, FrameworkPromptsAreEnglishInEitherLanguage)
{
    CString s;
    for (UiLanguage language : {UiLanguage::English, UiLanguage::SimplifiedChinese}) {
        LanguageGuard guard(language);
        EXPECT_TRUE(s.LoadString(AFX_IDP_PARSE_REAL));
        EXPECT_EQ(s, u"Please enter a number.");
    }
}

TEST(StringTable, LoadStringOfUnknownIdFailsAndEmpties)
{
    CString s(u"previous");
    EXPECT_FALSE(s.LoadString(1));
    EXPECT_TRUE(s.IsEmpty());
}

TEST(StringTable, FormatStringSubstitutesNumberedMarkers)
{
    LanguageGuard english(UiLanguage::English);
    CString s;
    AfxFormatString2(s, AFX_IDP_PARSE_INT_RANGE, u"-32768", u"32767");
    EXPECT_EQ(s, u"Please enter an integer between -32768 and 32767.");
    AfxFormatString1(s, AFX_IDP_PARSE_STRING_SIZE, u"8");
    EXPECT_EQ(s, u"Enter no more than 8 characters.");
    AfxFormatString1(s, 1, u"x");
    EXPECT_EQ(s, u"");

    const LPCTSTR args[] = {u"A", u"B"};
    AfxFormatStrings(s, u"%2%1 %3 %x 100% %", args);
    EXPECT_EQ(s, u"BA %3 %x 100% %");
    AfxFormatStrings(s, u"%1%1", std::span<const LPCTSTR>(args, 1));
    EXPECT_EQ(s, u"AA");
}

} // namespace
