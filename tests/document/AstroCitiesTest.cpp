#include "document/AstroCities.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

std::string Utf16Le(std::u16string_view text)
{
    std::string bytes;
    for (char16_t ch : text) {
        bytes.push_back(char(ch & 0xFF));
        bytes.push_back(char(ch >> 8));
    }
    return bytes;
}

std::vector<AstroCity> Parse(const std::string& bytes)
{
    return ParseAstroCityFile(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size());
}

// A line as the program writes it, with the name padded to its 25 characters.
std::u16string Line(std::u16string name, std::u16string_view digits)
{
    name.resize(ASTRO_NAME_CHARS, u' ');
    return name + std::u16string(digits) + u"\n";
}

const AstroCity kHome{_T("Home"), 0, 8, 30, 0, 0, 47, 0, 0, 1};

void ExpectPlace(const AstroCity& got, const AstroCity& want)
{
    EXPECT_EQ(got.name, want.name);
    EXPECT_EQ((std::vector<int>{got.lonDir, got.lonDeg, got.lonMin, got.lonSec, got.latDir, got.latDeg, got.latMin,
                                got.latSec, got.zone}),
              (std::vector<int>{want.lonDir, want.lonDeg, want.lonMin, want.lonSec, want.latDir, want.latDeg,
                                want.latMin, want.latSec, want.zone}));
}

// A scratch folder of its own per test, removed afterwards.
class AstroCityFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = std::filesystem::temp_directory_path() /
                   ("astro-test-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_folder);
        // The settings folder itself is made by the save, in a parent that exists.
        std::filesystem::create_directories(m_folder);
        m_strPath = CString((m_folder / "settings" / "Astro.Property").string().c_str());
    }
    void TearDown() override
    {
        std::filesystem::remove_all(m_folder);
        g_astroCities = BuiltInAstroCities();
    }
    std::string ReadBytes() const
    {
        std::ifstream file(m_strPath.ToUtf8(), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    void WriteBytes(const std::string& bytes) const
    {
        std::filesystem::create_directories(m_folder / "settings");
        std::ofstream(m_strPath.ToUtf8(), std::ios::binary) << bytes;
    }

    std::filesystem::path m_folder;
    CString m_strPath;
};

TEST(AstroCities, LinesAreTheNamePaddedThenNineHexPairsAndALineFeed)
{
    const std::string bytes = FormatAstroCityFile({kHome});
    EXPECT_EQ(bytes, Utf16Le(Line(u"Home", u"00081E00002F000001")));
    ASSERT_EQ(bytes.size(), 88u);

    AstroCity far = kHome;
    far.lonDeg = 116;
    EXPECT_EQ(FormatAstroCityFile({far}).substr(2 * 27, 4), Utf16Le(u"74"));
    ExpectPlace(Parse(FormatAstroCityFile({far})).at(0), far);

    // A name of exactly 25 characters fills its field and reads back whole.
    AstroCity full = kHome;
    full.name = _T("Abcdefghijklmnopqrstuvwxy");
    const std::string fullBytes = FormatAstroCityFile({full});
    EXPECT_EQ(fullBytes.size(), 88u);
    ExpectPlace(Parse(fullBytes).at(0), full);
    // A longer one is cut to the field rather than widening the line.
    AstroCity longer = full;
    longer.name += _T("zz");
    ExpectPlace(Parse(FormatAstroCityFile({longer})).at(0), full);
}

TEST(AstroCities, HexDigitsOfEitherCaseAndAnythingElseZero)
{
    EXPECT_EQ(HexDigitValue(u'7', FALSE), 7);
    EXPECT_EQ(HexDigitValue(u'B', FALSE), 11);
    EXPECT_EQ(HexDigitValue(u'b', TRUE), 0xB0);
    EXPECT_EQ(HexDigitValue(u'G', TRUE), 0);
    EXPECT_EQ(HexDigitValue(u' ', FALSE), 0);
    EXPECT_EQ(HexDigitValue(u'\u0660', FALSE), 0);
}

TEST(AstroCities, DamagedFilesReadOnlyTheirCompleteLines)
{
    const std::u16string home = Line(u"Home", u"00081E00002F000001");
    const std::u16string work = Line(u"Work", u"0174020A00262A2A11");
    const struct {
        const char* what;
        std::string bytes;
        std::vector<CString> names;
    } cases[] = {
        {"empty", "", {}},
        {"two lines in order", Utf16Le(home + work), {_T("Home"), _T("Work")}},
        {"last line without its line feed", Utf16Le(home + work.substr(0, 43)), {_T("Home")}},
        {"a short line between two good ones", Utf16Le(home + u"Short\n" + work), {_T("Home"), _T("Work")}},
        {"a long line", Utf16Le(home + u"x" + home), {_T("Home")}},
        {"odd length", Utf16Le(home) + "\x41", {_T("Home")}},
        {"line feeds only", Utf16Le(u"\n\n\n\n"), {}},
        {"8-bit text", std::string(88, '\n'), {}},
        {"garbage", std::string("\xFF\xFE\x00\x0A\x0A\x00\x33", 7), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<AstroCity> places = Parse(c.bytes);
        std::vector<CString> names;
        for (const AstroCity& place : places)
            names.push_back(place.name);
        EXPECT_EQ(names, c.names);
    }
    // Hand-edited digits that are not hexadecimal read as 0.
    const std::vector<AstroCity> edited = Parse(Utf16Le(Line(u"Edited", u"0G7Z1E00002F0000x1")));
    ASSERT_EQ(edited.size(), 1u);
    ExpectPlace(edited[0], AstroCity{_T("Edited"), 0, 0x70, 30, 0, 0, 47, 0, 0, 1});
}

TEST_F(AstroCityFile, UserPlacesSurviveASaveAndLoadAfterTheBuiltInOnes)
{
    AstroCity work{_T("Work"), 1, 116, 2, 10, 0, 38, 42, 42, 17};
    g_astroCities.push_back(kHome);
    g_astroCities.push_back(work);
    CString strReason;
    ASSERT_TRUE(SaveAstroCities(m_strPath, &strReason)) << strReason.ToUtf8();
    EXPECT_EQ(ReadBytes().size(), 2 * 88u);

    g_astroCities.resize(3);
    LoadAstroCities(m_strPath);
    ASSERT_EQ(g_astroCities.size(), 14u);
    ExpectPlace(g_astroCities[7], BuiltInAstroCities()[7]);
    ExpectPlace(g_astroCities[12], kHome);
    ExpectPlace(g_astroCities[13], work);
}

TEST_F(AstroCityFile, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    WriteBytes(FormatAstroCityFile({kHome}));
    // Made read-only, the file cannot be written, not even by the superuser.
    std::filesystem::permissions(m_strPath.ToUtf8(), std::filesystem::perms::owner_read);
    g_astroCities.push_back(kHome);
    g_astroCities.push_back(kHome);
    CString strReason;
    EXPECT_FALSE(SaveAstroCities(m_strPath, &strReason));
    EXPECT_FALSE(strReason.IsEmpty());
    EXPECT_EQ(ReadBytes(), FormatAstroCityFile({kHome}));
}

// Two copies of the program share the file: a save reads it again and keeps what the other
// copy saved since, less what this one removed, with what this one added or changed.
TEST_F(AstroCityFile, ASaveKeepsWhatAnotherCopySavedMeanwhile)
{
    const AstroCity work{_T("Work"), 1, 77, 0, 0, 0, 38, 0, 0, 17};
    const AstroCity cabin{_T("Cabin"), 0, 116, 0, 0, 1, 12, 0, 0, 20};
    AstroCity movedWork = work;
    movedWork.latDeg = 39;
    AstroCity movedHome = kHome;
    movedHome.lonDeg = 9;
    const auto userPlaces = [] {
        return std::vector<AstroCity>(g_astroCities.begin() + ASTRO_FIRST_USER_CITY, g_astroCities.end());
    };
    WriteBytes(FormatAstroCityFile({kHome}));
    LoadAstroCities(m_strPath);
    // The other copy saves Work; this one Cabin.
    WriteBytes(FormatAstroCityFile({kHome, work}));
    g_astroCities.push_back(cabin);
    ASSERT_TRUE(SaveAstroCities(m_strPath, nullptr));
    EXPECT_EQ(ReadBytes(), FormatAstroCityFile({kHome, work, cabin}));
    EXPECT_EQ(FormatAstroCityFile(userPlaces()), ReadBytes()) << "the list shows what the file holds";
    // The other copy moves Work and removes Cabin; this one moves Home.
    WriteBytes(FormatAstroCityFile({kHome, movedWork}));
    g_astroCities[ASTRO_FIRST_USER_CITY] = movedHome;
    ASSERT_TRUE(SaveAstroCities(m_strPath, nullptr));
    EXPECT_EQ(ReadBytes(), FormatAstroCityFile({movedHome, movedWork}));
    // This copy removes every place it has; the other copy meanwhile saved Cabin again.
    WriteBytes(FormatAstroCityFile({movedHome, movedWork, cabin}));
    g_astroCities.resize(ASTRO_FIRST_USER_CITY);
    ASSERT_TRUE(SaveAstroCities(m_strPath, nullptr));
    EXPECT_EQ(ReadBytes(), FormatAstroCityFile({cabin}));
}

} // namespace
