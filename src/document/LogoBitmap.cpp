#include "document/LogoBitmap.h"

#include "platform/core/Exception.h"
#include "platform/core/File.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr int FILE_HEADER_SIZE = 14;
constexpr int INFO_HEADER_MIN = 40;
constexpr int PALETTE_ENTRY_SIZE = 4;
constexpr int MONO_COLOURS = 2;
constexpr int ROW_STRIDE = 16;  // 108 bits padded to whole 32-bit words
constexpr int BI_RGB = 0;

DWORD ReadU32(std::span<const BYTE> bytes, size_t nAt)
{
    return DWORD(bytes[nAt]) | DWORD(bytes[nAt + 1]) << 8 | DWORD(bytes[nAt + 2]) << 16 | DWORD(bytes[nAt + 3]) << 24;
}

WORD ReadU16(std::span<const BYTE> bytes, size_t nAt) { return WORD(bytes[nAt] | bytes[nAt + 1] << 8); }

// Where the palette and the pixel rows of an accepted file lie.
struct LogoLayout {
    size_t nPalette = 0;
    size_t nPixels = 0;
};

std::optional<LogoLayout> CheckHeaders(std::span<const BYTE> file)
{
    const size_t nLength = file.size();
    if (nLength < FILE_HEADER_SIZE + INFO_HEADER_MIN || nLength > size_t(LOGO_MAX_FILE_SIZE))
        return std::nullopt;
    if (file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    const DWORD dwInfoSize = ReadU32(file, 14);
    const bool bShape = LONG(ReadU32(file, 18)) == LOGO_WIDTH && LONG(ReadU32(file, 22)) == LOGO_HEIGHT &&
                        ReadU16(file, 26) == 1 && ReadU16(file, 28) == 1 && ReadU32(file, 30) == BI_RGB;
    if (!bShape || dwInfoSize < DWORD(INFO_HEADER_MIN) || dwInfoSize > nLength)
        return std::nullopt;
    const DWORD dwColours = ReadU32(file, 46);
    if (dwColours > DWORD(MONO_COLOURS))
        return std::nullopt;
    const size_t nColours = dwColours == 0 ? MONO_COLOURS : dwColours;
    LogoLayout layout;
    layout.nPalette = FILE_HEADER_SIZE + size_t(dwInfoSize);
    const size_t nPaletteEnd = layout.nPalette + nColours * PALETTE_ENTRY_SIZE;
    layout.nPixels = ReadU32(file, 10);
    const size_t nPixelBytes = size_t(ROW_STRIDE) * LOGO_HEIGHT;
    if (nPaletteEnd > nLength || layout.nPixels < nPaletteEnd || layout.nPixels > nLength ||
        nLength - layout.nPixels < nPixelBytes)
        return std::nullopt;
    return layout;
}

bool PixelSet(std::span<const BYTE> file, const LogoLayout& layout, int nRow, int nColumn)
{
    // The rows are stored bottom row first.
    const size_t nRowStart = layout.nPixels + size_t(LOGO_HEIGHT - 1 - nRow) * ROW_STRIDE;
    return (file[nRowStart + size_t(nColumn / 8)] >> (7 - nColumn % 8)) & 1;
}

} // namespace

LogoLoad ConvertLogoBitmap(std::span<const BYTE> file, BYTE* pOut)
{
    const std::optional<LogoLayout> layout = CheckHeaders(file);
    if (!layout)
        return LogoLoad::BadFormat;
    if (!pOut)
        return LogoLoad::Ok;
    // A black first palette entry means a set bit is a white pixel; the controller lights set
    // bits, so the image is inverted to light the black ones.
    const bool bInvert = ReadU32(file, layout->nPalette) == 0;
    std::fill_n(pOut, LOGO_IMAGE_SIZE, BYTE(0));
    for (int nPage = 0; nPage < LOGO_HEIGHT / 8; ++nPage) {
        for (int nColumn = 0; nColumn < LOGO_WIDTH; ++nColumn) {
            BYTE byColumn = 0;
            for (int n = 0; n < 8; ++n) {
                if (PixelSet(file, *layout, 8 * nPage + n, nColumn))
                    byColumn |= BYTE(1 << n);
            }
            pOut[LOGO_PAGE_COLUMNS * nPage + nColumn] = bInvert ? BYTE(~byColumn) : byColumn;
        }
    }
    return LogoLoad::Ok;
}

void InvertLogoImage(BYTE* pImage)
{
    for (int nPage = 0; nPage < LOGO_HEIGHT / 8; ++nPage) {
        for (int nColumn = 0; nColumn < LOGO_WIDTH; ++nColumn)
            pImage[LOGO_PAGE_COLUMNS * nPage + nColumn] ^= 0xFF;
    }
}

LogoLoad LoadLogoBitmap(const CString& strPath, BYTE* pOut)
{
    if (strPath.IsEmpty())
        return LogoLoad::CannotOpen;
    CFile file;
    CFileException error;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyNone, &error)) {
        const bool bMissing = error.m_cause == CFileException::fileNotFound || error.m_cause == CFileException::badPath;
        return bMissing ? LogoLoad::CannotOpen : LogoLoad::ReadFailed;
    }
    std::vector<BYTE> bytes;
    try {
        const ULONGLONG nLength = file.GetLength();
        if (nLength > ULONGLONG(LOGO_MAX_FILE_SIZE))
            return LogoLoad::BadFormat;
        bytes.resize(size_t(nLength));
        if (file.Read(bytes.data(), UINT(bytes.size())) != bytes.size())
            return LogoLoad::ReadFailed;
    } catch (CException* e) {
        e->Delete();
        return LogoLoad::ReadFailed;
    }
    return ConvertLogoBitmap(bytes, pOut);
}

CString LogoFormatMessage(const CString& strPath, BOOL bForDownload)
{
    CString strText;
    if (bForDownload)
        strText.Format(_T("%s is not a 108(Width) x 64(Height) pixels and Monochrone Bitmap File Format,Please Check ")
                       _T("Options->Properties->General's [Company logo] Field!"),
                       strPath.GetString());
    else
        strText.Format(_T("%s is not a 108(Width) x 64(Height) pixels and Monochrone Bitmap File Format!"),
                       strPath.GetString());
    return strText;
}

CString LogoNotFoundMessage(const CString& strPath)
{
    CString strText;
    strText.Format(_T("%s is not a valid bitmap file or File not Found!"), strPath.GetString());
    return strText;
}
