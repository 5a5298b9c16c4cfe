#include "document/AstroCities.h"

#include "platform/core/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <utility>

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

namespace {

// What the places' file held when this program last read or wrote it: the base of the merge.
struct AstroFileState {
    CString strPath;
    std::vector<AstroCity> places;
};

AstroFileState& LastFileState()
{
    static AstroFileState s_state;
    return s_state;
}

std::map<int, std::function<void()>>& Listeners()
{
    static std::map<int, std::function<void()>> s_listeners;
    return s_listeners;
}

void NotifyAstroCitiesChanged()
{
    // A listener may end its own or another's subscription while it is told.
    std::vector<int> ids;
    for (const auto& [nId, onChange] : Listeners())
        ids.push_back(nId);
    for (int nId : ids) {
        const auto it = Listeners().find(nId);
        if (it != Listeners().end())
            it->second();
    }
}

// The file's places; nothing when it cannot be opened.
std::optional<std::vector<AstroCity>> ReadAstroCityFile(const CString& strFilePath)
{
    std::ifstream file(strFilePath.ToUtf8(), std::ios::binary);
    if (!file)
        return std::nullopt;
    const std::vector<BYTE> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return ParseAstroCityFile(bytes.data(), bytes.size());
}

std::vector<AstroCity> UserPlaces()
{
    if (g_astroCities.size() <= std::size_t(ASTRO_FIRST_USER_CITY))
        return {};
    return {g_astroCities.begin() + ASTRO_FIRST_USER_CITY, g_astroCities.end()};
}

// The last user place named strName exactly, or the list's end.
std::vector<AstroCity>::iterator FindUserPlace(const CString& strName)
{
    const auto first = g_astroCities.begin() + std::min<std::ptrdiff_t>(ASTRO_FIRST_USER_CITY, g_astroCities.size());
    const auto found = std::find_if(std::make_reverse_iterator(g_astroCities.end()), std::make_reverse_iterator(first),
                                    [&](const AstroCity& city) { return city.name == strName; });
    return found.base() == first ? g_astroCities.end() : std::prev(found.base());
}

bool SameName(const AstroCity& a, const AstroCity& b) { return a.name.CompareNoCase(b.name) == 0; }

} // namespace

int FindAstroCityIgnoringCase(const CString& strName)
{
    for (std::size_t i = 0; i < g_astroCities.size(); ++i) {
        if (g_astroCities[i].name.CompareNoCase(strName) == 0)
            return int(i);
    }
    return -1;
}

void AddUserAstroCity(const AstroCity& city)
{
    g_astroCities.push_back(city);
    g_astroCities.shrink_to_fit();
    NotifyAstroCitiesChanged();
}

BOOL UpdateUserAstroCity(const AstroCity& city)
{
    const auto it = FindUserPlace(city.name);
    if (it == g_astroCities.end())
        return FALSE;
    *it = city;
    NotifyAstroCitiesChanged();
    return TRUE;
}

BOOL RemoveUserAstroCity(const CString& strName)
{
    const auto it = FindUserPlace(strName);
    if (it == g_astroCities.end())
        return FALSE;
    g_astroCities.erase(it);
    g_astroCities.shrink_to_fit();
    NotifyAstroCitiesChanged();
    return TRUE;
}

AstroCitiesSubscription::AstroCitiesSubscription(std::function<void()> onChange)
{
    static int s_nLastId = 0;
    m_nId = ++s_nLastId;
    Listeners().emplace(m_nId, std::move(onChange));
}

AstroCitiesSubscription::~AstroCitiesSubscription()
{
    if (m_nId)
        Listeners().erase(m_nId);
}

AstroCitiesSubscription& AstroCitiesSubscription::operator=(AstroCitiesSubscription&& other) noexcept
{
    if (this != &other) {
        if (m_nId)
            Listeners().erase(m_nId);
        m_nId = std::exchange(other.m_nId, 0);
    }
    return *this;
}

std::vector<AstroCity> MergeAstroCities(const std::vector<AstroCity>& base, const std::vector<AstroCity>& mine,
                                        const std::vector<AstroCity>& theirs)
{
    const auto contains = [](const std::vector<AstroCity>& places, const AstroCity& city, auto same) {
        return std::any_of(places.begin(), places.end(), [&](const AstroCity& other) { return same(other, city); });
    };
    std::vector<AstroCity> merged = theirs;
    for (const AstroCity& removed : base) {
        if (!contains(mine, removed, SameName))
            std::erase_if(merged, [&](const AstroCity& city) { return SameName(city, removed); });
    }
    for (const AstroCity& city : mine) {
        if (contains(base, city, std::equal_to<AstroCity>()))
            continue;
        const auto it = std::find_if(merged.begin(), merged.end(), [&](const AstroCity& other) { return SameName(other, city); });
        if (it == merged.end())
            merged.push_back(city);
        else
            *it = city;
    }
    return merged;
}

void LoadAstroCities(const CString& strFilePath)
{
    g_astroCities = BuiltInAstroCities();
    std::vector<AstroCity> places = ReadAstroCityFile(strFilePath).value_or(std::vector<AstroCity>());
    g_astroCities.insert(g_astroCities.end(), places.begin(), places.end());
    g_astroCities.shrink_to_fit();
    LastFileState() = {strFilePath, std::move(places)};
    NotifyAstroCitiesChanged();
}

BOOL SaveAstroCities(const CString& strFilePath, CString* pReason)
{
    auto fail = [pReason](int nError) {
        if (pReason)
            *pReason = CString::FromUtf8(std::strerror(nError));
        return FALSE;
    };
    // Nothing was read from another file: every place here is this program's own. A file that
    // is there but cannot be read tells nothing of what another copy did.
    const std::vector<AstroCity> base =
        LastFileState().strPath == strFilePath ? LastFileState().places : std::vector<AstroCity>();
    const std::vector<AstroCity> theirs = ReadAstroCityFile(strFilePath).value_or(
        PathFileExists(strFilePath) ? base : std::vector<AstroCity>());
    const std::vector<AstroCity> mine = UserPlaces();
    std::vector<AstroCity> merged = MergeAstroCities(base, mine, theirs);
    if (merged.empty()) {
        if (PathFileExists(strFilePath) && !DeleteFile(strFilePath))
            return fail(errno);
    } else if (const int nError = WriteWholeFile(strFilePath, FormatAstroCityFile(merged))) {
        return fail(nError);
    }
    LastFileState() = {strFilePath, merged};
    if (merged != mine) {
        g_astroCities.erase(g_astroCities.begin() + std::min<std::ptrdiff_t>(ASTRO_FIRST_USER_CITY, g_astroCities.size()),
                            g_astroCities.end());
        g_astroCities.insert(g_astroCities.end(), merged.begin(), merged.end());
        g_astroCities.shrink_to_fit();
        NotifyAstroCitiesChanged();
    }
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
