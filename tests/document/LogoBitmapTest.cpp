#include "document/LogoBitmap.h"

#include "DocTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>

namespace {

using Image = std::array<BYTE, LOGO_IMAGE_SIZE>;
// Whether the pixel at row, column (row 0 at the top) is black.
using Picture = std::function<bool(int nRow, int nColumn)>;

constexpr DWORD kBlack = 0x00000000;
constexpr DWORD kWhite = 0x00FFFFFF;

void PutU32(Bytes& bytes, size_t nAt, DWORD dw)
{
    for (int i = 0; i < 4; ++i)
        bytes[nAt + size_t(i)] = BYTE(dw >> (8 * i));
}

// A 108 x 64 BMP as painting programs write it: the headers, two palette entries, 64 rows of
// 16 bytes from offset 62, bottom row first; nBitsPerPixel other than 1 only changes the field.
Bytes MakeLogoFile(DWORD dwPalette0, DWORD dwPalette1, const Picture& isBlack, int nBitsPerPixel = 1)
{
    Bytes bytes(62 + 64 * 16, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutU32(bytes, 2, DWORD(bytes.size()));
    PutU32(bytes, 10, 62);
    PutU32(bytes, 14, 40);
    PutU32(bytes, 18, LOGO_WIDTH);
    PutU32(bytes, 22, LOGO_HEIGHT);
    bytes[26] = 1;
    bytes[28] = BYTE(nBitsPerPixel);
    PutU32(bytes, 54, dwPalette0);
    PutU32(bytes, 58, dwPalette1);
    const BYTE byBlackIndex = dwPalette0 == kBlack ? 0 : 1;
    for (int nRow = 0; nRow < LOGO_HEIGHT; ++nRow) {
        for (int nColumn = 0; nColumn < LOGO_WIDTH; ++nColumn) {
            const BYTE byIndex = isBlack(nRow, nColumn) ? byBlackIndex : BYTE(1 - byBlackIndex);
            if (byIndex)
                bytes[62 + size_t(63 - nRow) * 16 + size_t(nColumn / 8)] |= BYTE(0x80 >> (nColumn % 8));
        }
    }
    return bytes;
}

bool Bit(const Image& image, int nRow, int nColumn)
{
    return (image[size_t(LOGO_PAGE_COLUMNS * (nRow / 8) + nColumn)] >> (nRow % 8)) & 1;
}

// Black in the two corners the controller's layout puts furthest apart, and a diagonal.
bool Corners(int nRow, int nColumn)
{
    return (nRow == 0 && nColumn == 0) || (nRow == 63 && nColumn == 107) || nRow == nColumn;
}

// Checking a file without an image to write to is allowed too.
TEST(LogoBitmap, BlackWhitePaletteLightsTheBlackPixels)
{
    EXPECT_EQ(ConvertLogoBitmap(MakeLogoFile(kBlack, kWhite, Corners), nullptr), LogoLoad::Ok);
    Image image{};
    ASSERT_EQ(ConvertLogoBitmap(MakeLogoFile(kBlack, kWhite, Corners), image.data()), LogoLoad::Ok);
    EXPECT_EQ(image[0] & 0x01, 0x01);      // top-left pixel: bit 0 of byte 0
    EXPECT_EQ(image[947] & 0x80, 0x80);    // row 63, column 107: bit 7 of byte 947
    for (int nRow = 0; nRow < LOGO_HEIGHT; ++nRow) {
        for (int nColumn = 0; nColumn < LOGO_WIDTH; ++nColumn)
            ASSERT_EQ(Bit(image, nRow, nColumn), Corners(nRow, nColumn)) << nRow << "," << nColumn;
    }
}

// The columns past the picture stay unlit, whatever the palette and the rows' padding bits.
TEST(LogoBitmap, WhiteBlackPaletteGivesTheSamePictureWithoutInversion)
{
    Image inverted{};
    Image plain{};
    Bytes padded = MakeLogoFile(kWhite, kBlack, Corners);
    for (size_t nRow = 0; nRow < LOGO_HEIGHT; ++nRow)
        padded[62 + 16 * nRow + 14] = padded[62 + 16 * nRow + 15] = 0xFF;
    ASSERT_EQ(ConvertLogoBitmap(MakeLogoFile(kBlack, kWhite, Corners), inverted.data()), LogoLoad::Ok);
    ASSERT_EQ(ConvertLogoBitmap(padded, plain.data()), LogoLoad::Ok);
    for (int nPage = 0; nPage < 8; ++nPage) {
        for (int nColumn = 0; nColumn < LOGO_PAGE_COLUMNS; ++nColumn) {
            const size_t n = size_t(LOGO_PAGE_COLUMNS * nPage + nColumn);
            if (nColumn < LOGO_WIDTH)
                EXPECT_EQ(plain[n], inverted[n]) << n;
            else
                EXPECT_EQ(plain[n] | inverted[n], 0) << n;
        }
    }
}

// Files that are not a 108 x 64 monochrome BMP, or whose headers point outside the file.
TEST(LogoBitmap, RefusesOtherFormatsAndDamagedHeaders)
{
    const Bytes good = MakeLogoFile(kBlack, kWhite, Corners);
    struct Damage {
        const char* pszName;
        std::function<void(Bytes&)> apply;
    };
    const Damage damages[] = {
        {"4 bits per pixel", [](Bytes& b) { b[28] = 4; }},
        {"no BM mark", [](Bytes& b) { b[1] = 'A'; }},
        {"width 109", [](Bytes& b) { b[18] = 109; }},
        {"width 108 + 256", [](Bytes& b) { b[19] = 1; }},
        {"height 64 + 65536", [](Bytes& b) { b[24] = 1; }},
        {"top-down rows", [](Bytes& b) { PutU32(b, 22, DWORD(-64)); }},
        {"compressed", [](Bytes& b) { b[30] = 1; }},
        {"two planes", [](Bytes& b) { b[26] = 2; }},
        {"pixels past the end", [](Bytes& b) { PutU32(b, 10, 63); }},
        {"pixels far past the end", [](Bytes& b) { PutU32(b, 10, 0xFFFFFFF0); }},
        {"pixels inside the palette", [](Bytes& b) { PutU32(b, 10, 58); }},
        {"info header past the end", [](Bytes& b) { PutU32(b, 14, 0x7FFFFFFF); }},
        {"info header too short", [](Bytes& b) { PutU32(b, 14, 12); }},
        {"three palette colours", [](Bytes& b) { PutU32(b, 46, 3); }},
        {"huge palette count", [](Bytes& b) { PutU32(b, 46, 0xFFFFFFFF); }},
        {"oversized file", [](Bytes& b) { b.resize(LOGO_MAX_FILE_SIZE + 1); }},
    };
    for (const Damage& damage : damages) {
        Bytes bytes = good;
        damage.apply(bytes);
        Image image{};
        EXPECT_EQ(ConvertLogoBitmap(bytes, image.data()), LogoLoad::BadFormat) << damage.pszName;
    }
    for (size_t nLength = 0; nLength < good.size(); ++nLength) {
        Image image{};
        ASSERT_EQ(ConvertLogoBitmap(std::span(good.data(), nLength), image.data()), LogoLoad::BadFormat) << nLength;
    }
}

// Random damage never reads outside the file (the sanitizers watch) and either gives a whole
// image or a refusal.
TEST(LogoBitmap, FuzzedFilesAreReadSafely)
{
    const Bytes good = MakeLogoFile(kBlack, kWhite, Corners);
    std::mt19937 random(28);
    int nRefused = 0;
    for (int nRun = 0; nRun < 3000; ++nRun) {
        Bytes bytes = good;
        const int nFlips = 1 + int(random() % 6);
        for (int i = 0; i < nFlips; ++i)
            bytes[random() % 62] = BYTE(random());
        if (random() % 3 == 0)
            bytes.resize(random() % (bytes.size() + 64));
        Image image{};
        const LogoLoad result = ConvertLogoBitmap(bytes, image.data());
        ASSERT_TRUE(result == LogoLoad::Ok || result == LogoLoad::BadFormat);
        nRefused += result == LogoLoad::BadFormat;
    }
    EXPECT_GT(nRefused, 0);
    EXPECT_LT(nRefused, 3000);
}

TEST_F(DocTest, LogoFilesOnDiskAreReadOrReportedMissing)
{
    const CString strPath = UniqueTempPath(_T("logo.bmp"));
    WriteFileBytes(strPath, MakeLogoFile(kWhite, kBlack, Corners));
    Image image{};
    EXPECT_EQ(LoadLogoBitmap(strPath, image.data()), LogoLoad::Ok);
    EXPECT_TRUE(Bit(image, 63, 107));
    CFile::Remove(strPath);
    EXPECT_EQ(LoadLogoBitmap(strPath, image.data()), LogoLoad::CannotOpen);
    EXPECT_EQ(LoadLogoBitmap(CString(), image.data()), LogoLoad::CannotOpen);
}

} // namespace
