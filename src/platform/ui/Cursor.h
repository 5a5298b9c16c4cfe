// Cursors by id. A cursor handle names either a standard system cursor (IDC_ARROW ...) or a cursor
// resource of the program; the native backend turns it into its own cursor shape.
#pragma once

#include "platform/core/Types.h"

struct CursorResource {
    bool bStandard;   // a system cursor (nID is an IDC_ value) or a program resource
    UINT nID;
};
using HCURSOR = const CursorResource*;

constexpr UINT IDC_ARROW = 32512;
constexpr UINT IDC_IBEAM = 32513;
constexpr UINT IDC_WAIT = 32514;
constexpr UINT IDC_CROSS = 32515;
constexpr UINT IDC_UPARROW = 32516;
constexpr UINT IDC_SIZENWSE = 32642;
constexpr UINT IDC_SIZENESW = 32643;
constexpr UINT IDC_SIZEWE = 32644;
constexpr UINT IDC_SIZENS = 32645;
constexpr UINT IDC_SIZEALL = 32646;
constexpr UINT IDC_NO = 32648;
constexpr UINT IDC_HAND = 32649;
constexpr UINT IDC_APPSTARTING = 32650;
constexpr UINT IDC_HELP = 32651;

// The same id always gives the same handle; handles live for the whole run.
HCURSOR AfxLoadStandardCursor(UINT nIDCursor);
HCURSOR AfxLoadCursor(UINT nIDResource);

// The cursor shown now; SetCursor hands it to the backend and returns the previous one.
HCURSOR SetCursor(HCURSOR hCursor);
HCURSOR GetCursor();

// The mouse pointer's position in screen coordinates. The backend reads and moves the real
// pointer; without one the layer keeps the position itself, so that headless runs and tests see
// where the program last put it. GetCursorPos fails only for a null pointer.
BOOL GetCursorPos(LPPOINT lpPoint);
BOOL SetCursorPos(int x, int y);
