// The start-up logo: a 108 x 64 monochrome BMP file turned into the controller's 960-byte
// logo image (8 pages of 120 columns; bit n of byte 120 p + c is the pixel at row 8 p + n,
// column c, row 0 at the top). The download sends that image; the Properties sheet checks a
// chosen file with the same reader before it takes it.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <span>

constexpr int LOGO_WIDTH = 108;
constexpr int LOGO_HEIGHT = 64;
constexpr int LOGO_PAGE_COLUMNS = 120;
constexpr int LOGO_IMAGE_SIZE = 960;
// Larger files are refused unread: a logo with its headers and palette is about 1 KB.
constexpr int LOGO_MAX_FILE_SIZE = 64 * 1024;

enum class LogoLoad {
    Ok = 0,          // accepted; the image is filled when one was asked for
    CannotOpen = 1,  // there is no such file
    ReadFailed = 2,  // the file is there but cannot be read (a folder, no permission, an I/O error)
    BadFormat = 3,   // not a 108 x 64, 1-bit, uncompressed BMP, or damaged
};

// Reads the file's bytes by its header fields, every size and offset checked against the
// bytes there are; pOut (LOGO_IMAGE_SIZE bytes) may be null to check the file only. A file
// whose palette entry 0 is black gives the inverted image, so that a black pixel is a lit one.
// The columns past the picture (108-119 of each page) stay unlit, whatever the rows' padding
// bits hold.
LogoLoad ConvertLogoBitmap(std::span<const BYTE> file, BYTE* pOut);
// The picture shown inversely: its columns inverted, those past it still unlit.
void InvertLogoImage(BYTE* pImage);
// The same for a file on disk.
LogoLoad LoadLogoBitmap(const CString& strPath, BYTE* pOut);

// The format refusal shown for strPath; the download's text also says where the file is set.
CString LogoFormatMessage(const CString& strPath, BOOL bForDownload);
// The refusal the Properties sheet shows for a file it cannot take.
CString LogoNotFoundMessage(const CString& strPath);
