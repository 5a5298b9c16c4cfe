// The astronomical clock's places: entry 0 "User-defined", the eleven built-in places after it,
// and from ASTRO_FIRST_USER_CITY on the places the user saved on the clock's page. The list
// lives as long as the program; the main frame reads the user's places from their file when it
// is made and writes them back when it goes.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <functional>
#include <string>
#include <vector>

constexpr int ASTRO_FIRST_USER_CITY = 12;
// The time-zone index of a place: 0-12 are GMT+0 to GMT+12, 13-23 GMT-1 to GMT-11.
constexpr int ASTRO_TIME_ZONES = 24;

struct AstroCity {
    CString name;
    int lonDir = 0;   // 0 east, 1 west
    int lonDeg = 0;
    int lonMin = 0;
    int lonSec = 0;
    int latDir = 0;   // 0 north, 1 south
    int latDeg = 0;
    int latMin = 0;
    int latSec = 0;
    int zone = 0;

    bool operator==(const AstroCity&) const = default;
};

extern std::vector<AstroCity> g_astroCities;

// The twelve fixed entries, in list order.
std::vector<AstroCity> BuiltInAstroCities();

// The user places' file: UTF-16LE without byte-order mark, one 44-character line per place:
// the name padded with spaces to 25 characters, the nine values as two upper-case hexadecimal
// digits each, a line feed.
constexpr int ASTRO_NAME_CHARS = 25;
constexpr int ASTRO_LINE_CHARS = ASTRO_NAME_CHARS + 9 * 2 + 1;

// The value of a hexadecimal digit (either case); any other character counts 0. Times 16 when
// bHigh is set.
int HexDigitValue(char16_t ch, BOOL bHigh);
// The places of a file's bytes. Only complete lines of exactly 44 characters are places: a
// hand-edited line of another length is skipped without disturbing the lines after it, an odd
// last byte and a last line without its line feed are dropped.
std::vector<AstroCity> ParseAstroCityFile(const BYTE* pBytes, std::size_t nLength);
// The file's bytes for the places; a longer name is cut to the field.
std::string FormatAstroCityFile(const std::vector<AstroCity>& places);

// The index of the place named strName without regard to letter case (the rule that keeps
// the names apart); -1 for none.
int FindAstroCityIgnoringCase(const CString& strName);
// Edits of the user places, each found by its name (letter case counts) in the one list that
// every clock page shows; each tells the listeners. Add appends the place; Update gives the
// user place of city's name city's values, FALSE when there is none; Remove takes the user
// place out, FALSE when there is none.
void AddUserAstroCity(const AstroCity& city);
BOOL UpdateUserAstroCity(const AstroCity& city);
BOOL RemoveUserAstroCity(const CString& strName);

// Told after every change of the list, for as long as the subscription lives, so that every
// page that shows the list follows it.
class AstroCitiesSubscription {
public:
    AstroCitiesSubscription() = default;
    explicit AstroCitiesSubscription(std::function<void()> onChange);
    ~AstroCitiesSubscription();
    AstroCitiesSubscription(const AstroCitiesSubscription&) = delete;
    AstroCitiesSubscription& operator=(const AstroCitiesSubscription&) = delete;
    AstroCitiesSubscription& operator=(AstroCitiesSubscription&& other) noexcept;

private:
    int m_nId = 0;
};

// The places to write when this program's user places (mine) started from what the file held
// (base) and the file now holds theirs, written meanwhile by another copy of the program:
// theirs, less the places removed here, with the places added or changed here put in by name
// (letter case aside), new ones at the end.
std::vector<AstroCity> MergeAstroCities(const std::vector<AstroCity>& base, const std::vector<AstroCity>& mine,
                                        const std::vector<AstroCity>& theirs);

// Sets the list to the built-in entries and appends the file's places. A missing, empty or
// unreadable file leaves the twelve.
void LoadAstroCities(const CString& strFilePath);
// Writes the user places (entry 12 on) into the file, creating its folder when missing, or
// deletes the file when there are none. The file is read again first and merged with the list
// (MergeAstroCities), which then holds the places written: another copy of the program may have
// saved places since this one read it. The text goes into a temporary file that then replaces
// the old one, so a failed write leaves the old places as they were. FALSE on failure, with the
// system's reason in *pReason.
BOOL SaveAstroCities(const CString& strFilePath, CString* pReason);

// The file the user places are kept in while the program runs, named by the program when it
// reads them; empty (the start) keeps them in memory alone.
void SetAstroCityStore(const CString& strFilePath);
// Writes the user places into that file at once, so that a saved place outlives a program that
// ends without closing; TRUE, writing nothing, when no file is named.
BOOL StoreAstroCities(CString* pReason);
// What the user is told when the places could not be written, before the system's reason.
constexpr LPCTSTR ASTRO_SAVE_FAILED = _T("The astronomical clock's places could not be saved: ");
