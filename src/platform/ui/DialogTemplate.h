// Dialog templates: what a dialog resource holds (caption, style, size in dialog units, font, and
// for every control its id, window class, styles, rectangle in dialog units, caption and the
// initial items of combo and list boxes), kept in a registry by the template's numeric id. The
// program's resource data registers its templates at start-up; CDialog and CPropertyPage build
// their windows from them.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/String.h"
#include "platform/ui/ControlWnd.h"
#include "platform/ui/WindowStyles.h"

#include <vector>

// Dialog styles.
constexpr DWORD DS_ABSALIGN = 0x01;
constexpr DWORD DS_SYSMODAL = 0x02;
constexpr DWORD DS_SETFONT = 0x40;
constexpr DWORD DS_MODALFRAME = 0x80;
constexpr DWORD DS_NOIDLEMSG = 0x100;
constexpr DWORD DS_SETFOREGROUND = 0x200;
constexpr DWORD DS_3DLOOK = 0x0004;
constexpr DWORD DS_FIXEDSYS = 0x0008;
constexpr DWORD DS_CONTROL = 0x0400;
constexpr DWORD DS_CENTER = 0x0800;
constexpr DWORD DS_SHELLFONT = DS_SETFONT | DS_FIXEDSYS;

// The class of dialog windows.
inline constexpr LPCTSTR WC_DIALOG = _T("#32770");

struct DialogItemTemplate {
    UINT nID = 0;
    CString strClass;          // one of the classes above, or a class the program registers
    DWORD dwStyle = 0;         // WS_CHILD is implied
    DWORD dwExStyle = 0;
    CRect rect;                // dialog units
    CString strText;
    std::vector<CString> items;  // initial strings of a combo or list box, in order
};

// A control of a template: WS_CHILD is added, and WS_VISIBLE only when the style has it.
DialogItemTemplate DialogControl(UINT nID, LPCTSTR lpszClass, DWORD dwStyle, CRect rect, LPCTSTR lpszText = _T(""));
// A control of a template that shows from the start.
inline DialogItemTemplate DialogItem(UINT nID, LPCTSTR lpszClass, DWORD dwStyle, CRect rect, LPCTSTR lpszText = _T(""))
{
    return DialogControl(nID, lpszClass, WS_VISIBLE | dwStyle, rect, lpszText);
}

struct DialogTemplate {
    UINT nID = 0;
    CString strCaption;
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    DWORD dwExStyle = 0;
    CSize size;                // dialog units
    CString strFontFace = _T("MS Shell Dlg");
    int nPointSize = 8;
    std::vector<DialogItemTemplate> items;  // in tab (z) order
};

// Registers (or replaces) the template under its nID.
void AfxRegisterDialogTemplate(DialogTemplate dialogTemplate);
// The registered template, or null.
const DialogTemplate* AfxFindDialogTemplate(UINT nIDTemplate);

// Dialog units: a horizontal unit is a quarter of the dialog font's average character width, a
// vertical unit an eighth of its height. The font's metrics are fixed numbers rather than a
// measurement, so that a layout does not change with the fonts a machine has: at 96 pixels per
// inch the cell height is pt * 96 * 1.22 / 72 (rounded down; 1.22 the line height of the classic
// dialog fonts over their size) and the average width (height * 6 + 6) / 13. An 8-point font
// gives the classic 6 x 13 base units, 9 points 6 x 14, 10 points 7 x 16.
CSize AfxGetDialogBaseUnits(int nPointSize);
// Converts dialog units to pixels in place, as MapDialogRect does.
void AfxMapDialogRect(LPRECT lpRect, int nPointSize);
