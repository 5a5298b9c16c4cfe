#include "platform/ui/SysColors.h"

#include <array>

namespace {

constexpr int kColorCount = COLOR_GRAYTEXT + 1;

std::array<COLORREF, kColorCount>& Colors()
{
    static std::array<COLORREF, kColorCount> s_colors = [] {
        std::array<COLORREF, kColorCount> colors{};
        colors[COLOR_MENU] = RGB(240, 240, 240);
        colors[COLOR_WINDOW] = RGB(255, 255, 255);
        colors[COLOR_WINDOWTEXT] = RGB(0, 0, 0);
        colors[COLOR_HIGHLIGHT] = RGB(0, 120, 215);
        colors[COLOR_HIGHLIGHTTEXT] = RGB(255, 255, 255);
        colors[COLOR_3DFACE] = RGB(240, 240, 240);
        colors[COLOR_3DSHADOW] = RGB(160, 160, 160);
        colors[COLOR_GRAYTEXT] = RGB(109, 109, 109);
        return colors;
    }();
    return s_colors;
}

}  // namespace

COLORREF GetSysColor(int nIndex)
{
    return nIndex >= 0 && nIndex < kColorCount ? Colors()[std::size_t(nIndex)] : RGB(0, 0, 0);
}

void AfxSetSysColor(int nIndex, COLORREF crColor)
{
    if (nIndex >= 0 && nIndex < kColorCount)
        Colors()[std::size_t(nIndex)] = crColor;
}
