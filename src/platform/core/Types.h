// Basic types, constants and macros of the framework the program is written against.
// Sizes are fixed on every platform: LONG is 32 bits, text units are UTF-16.
#pragma once

#include <cstddef>
#include <cstdint>

using BOOL = int;
constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using SHORT = std::int16_t;
using USHORT = std::uint16_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LPVOID = void*;
using LPCVOID = const void*;

// Text is UTF-16 throughout: wchar_t is 32 bits on Linux, so it is never used for text.
using WCHAR = char16_t;
using TCHAR = char16_t;
using LPTSTR = TCHAR*;
using LPCTSTR = const TCHAR*;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;
using LPSTR = char*;
using LPCSTR = const char*;
#define _T(x) u##x

using COLORREF = DWORD;
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b)
{
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return BYTE(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return BYTE((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return BYTE((c >> 16) & 0xFF); }
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
constexpr COLORREF CLR_DEFAULT = 0xFF000000;

constexpr WORD LOWORD(DWORD v) { return WORD(v & 0xFFFF); }
constexpr WORD HIWORD(DWORD v) { return WORD((v >> 16) & 0xFFFF); }
constexpr BYTE LOBYTE(WORD v) { return BYTE(v & 0xFF); }
constexpr BYTE HIBYTE(WORD v) { return BYTE((v >> 8) & 0xFF); }
constexpr WORD MAKEWORD(BYTE lo, BYTE hi) { return WORD(lo | (WORD(hi) << 8)); }
constexpr LONG MAKELONG(WORD lo, WORD hi) { return LONG(DWORD(lo) | (DWORD(hi) << 16)); }

struct POINT {
    LONG x;
    LONG y;
};

struct SIZE {
    LONG cx;
    LONG cy;
};

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

using LPPOINT = POINT*;
using LPRECT = RECT*;
using LPCRECT = const RECT*;

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};
static_assert(sizeof(SYSTEMTIME) == 16);

constexpr int LF_FACESIZE = 32;

// The wide font description; written raw into files it takes 92 bytes.
struct LOGFONT {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    WCHAR lfFaceName[LF_FACESIZE];
};
static_assert(sizeof(LOGFONT) == 92);
using LOGFONTW = LOGFONT;

// a * b / c computed in 64 bits and rounded half away from zero; -1 when c is 0 or the result
// does not fit in 32 bits.
int MulDiv(int a, int b, int c);

constexpr int MAX_PATH = 260;

// Dialog and message-box results.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr int IDCLOSE = 8;
constexpr int IDHELP = 9;
constexpr int ID_APPLY_NOW = 12321;
