#include "document/AstroCities.h"

#include "platform/core/FileSystem.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

std::vector<AstroCity> BuiltInAstroCities()
{
    return {
        {_T("User-defined"), 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {_T("Germany - Berlin"), 0, 13, 24, 41, 0, 52, 31, 24, 1},
        {_T("US - Washington"), 1, 77, 2, 10, 0, 38, 53, 42, 17},
        {_T("UK - London"), 1, 0, 7, 34, 0, 51, 30, 1, 0},
        {_T("France - Paris"), 0, 2, 21, 4, 0, 48, 51, 24, 1},
        {_T("Russia - Moscow"), 0, 37, 37, 3, 0, 55, 45, 21, 3},
        {_T("Netherland - Amsterdam"), 0, 4, 53, 32, 0, 52, 22, 23, 1},
        {_T("China - Beijing"), 0, 116, 24, 27, 0, 39, 54, 15, 8},
        {_T("Japan - Tokyo"), 0, 139, 41, 30, 0, 35, 41, 22, 9},
        {_T("Turkey - Ankara"), 0, 32, 51, 15, 0, 39, 55, 15, 2},
        {_T("Italy - Rome"), 0, 12, 28, 56, 0, 41, 53, 44, 1},
        {_T("Spain - Madrid"), 1, 3, 42, 1, 0, 40, 25, 0, 1},
    };
}

std::vector<AstroCity> g_astroCities = BuiltInAstroCities();

namespace {

// The nine values in their order on a line.
constexpr int AstroCity::*kFields[] = {
    &AstroCity::lonDir, &AstroCity::lonDeg, &AstroCity::lonMin, &AstroCity::lonSec, &AstroCity::latDir,
    &AstroCity::latDeg, &AstroCity::latMin, &AstroCity::latSec, &AstroCity::zone,
};

AstroCity ParseLine(std::u16string_view line)
{
    AstroCity city;
    city.name = CString(line.substr(0, ASTRO_NAME_CHARS));
    city.name.TrimRight(_T(' '));
    for (std::size_t j = 0; j < std::size(kFields); ++j) {
        const std::size_t nAt = ASTRO_NAME_CHARS + 2 * j;
        city.*kFields[j] = HexDigitValue(line[nAt], TRUE) + HexDigitValue(line[nAt + 1], FALSE);
    }
    return city;
}

void AppendUtf16Le(std::string& bytes, char16_t ch)
{
    bytes.push_back(char(ch & 0xFF));
    bytes.push_back(char(ch >> 8));
}

} // namespace

int HexDigitValue(char16_t ch, BOOL bHigh)
{
    int nValue = 0;
    if (ch >= u'0' && ch <= u'9')
        nValue = ch - u'0';
    else if (ch >= u'A' && ch <= u'F')
        nValue = ch - u'A' + 10;
    else if (ch >= u'a' && ch <= u'f')
        nValue = ch - u'a' + 10;
    return bHigh ? nValue << 4 : nValue;
}

std::vector<AstroCity> ParseAstroCityFile(const BYTE* pBytes, std::size_t nLength)
{
    std::u16string text;
    text.reserve(nLength / 2);
    for (std::size_t i = 0; i + 1 < nLength; i += 2)
        text.push_back(char16_t(pBytes[i] | (pBytes[i + 1] << 8)));
    std::vector<AstroCity> places;
    const std::u16string_view view(text);
    constexpr std::size_t kLineBody = ASTRO_LINE_CHARS - 1;
    for (std::size_t nStart = 0;;) {
        const std::size_t nEnd = view.find(u'\n', nStart);
        if (nEnd == std::u16string_view::npos)
            break;
        if (nEnd - nStart == kLineBody)
            places.push_back(ParseLine(view.substr(nStart, kLineBody)));
        nStart = nEnd + 1;
    }
    return places;
}

std::string FormatAstroCityFile(const std::vector<AstroCity>& places)
{
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    std::string bytes;
    bytes.reserve(places.size() * ASTRO_LINE_CHARS * 2);
    for (const AstroCity& city : places) {
        const std::u16string_view name = city.name.View().substr(0, ASTRO_NAME_CHARS);
        for (char16_t ch : name)
            AppendUtf16Le(bytes, ch);
        for (std::size_t i = name.size(); i < ASTRO_NAME_CHARS; ++i)
            AppendUtf16Le(bytes, u' ');
        // "%02X" of a value outside a byte would widen the line; the page keeps them in range.
        for (int AstroCity::*field : kFields) {
            const unsigned nValue = unsigned(city.*field) & 0xFF;
            AppendUtf16Le(bytes, kHex[nValue >> 4]);
            AppendUtf16Le(bytes, kHex[nValue & 0xF]);
        }
        AppendUtf16Le(bytes, u'\n');
    }
    return bytes;
}

void LoadAstroCities(const CString& strFilePath)
{
    g_astroCities = BuiltInAstroCities();
    std::ifstream file(strFilePath.ToUtf8(), std::ios::binary);
    if (!file)
        return;
    const std::vector<BYTE> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    for (AstroCity& city : ParseAstroCityFile(bytes.data(), bytes.size()))
        g_astroCities.push_back(std::move(city));
    g_astroCities.shrink_to_fit();
}

BOOL SaveAstroCities(const CString& strFilePath, CString* pReason)
{
    auto fail = [pReason](int nError) {
        if (pReason)
            *pReason = CString::FromUtf8(std::strerror(nError));
        return FALSE;
    };
    if (g_astroCities.size() <= std::size_t(ASTRO_FIRST_USER_CITY)) {
        if (PathFileExists(strFilePath) && !DeleteFile(strFilePath))
            return fail(errno);
        return TRUE;
    }
    const std::vector<AstroCity> userPlaces(g_astroCities.begin() + ASTRO_FIRST_USER_CITY, g_astroCities.end());
    if (const int nError = WriteWholeFile(strFilePath, FormatAstroCityFile(userPlaces)))
        return fail(nError);
    return TRUE;
}

namespace {

CString& AstroCityStore()
{
    static CString s_strFilePath;
    return s_strFilePath;
}

}  // namespace

void SetAstroCityStore(const CString& strFilePath) { AstroCityStore() = strFilePath; }

BOOL StoreAstroCities(CString* pReason)
{
    return AstroCityStore().IsEmpty() || SaveAstroCities(AstroCityStore(), pReason);
}
