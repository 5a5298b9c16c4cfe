#include "shell/VetlaApp.h"

#include <iterator>

int g_bChineseUI = 0;
int g_bShowAtNewFile = 1;
CMap<int, int, CString, LPCTSTR> g_mapBlockNames;

namespace {

struct HardwareSeries {
    BYTE byModel;
    LPCTSTR pszName;
    WORD wFirmware;
    int nTreeItem;
};

constexpr HardwareSeries kSeries[] = {
    {0x11, _T("3X Series B1.XX"), 0xB100, 1},
    {0x21, _T("4X Series B1.XX"), 0xB100, 3},
    {0x51, _T("75X Series C1.XX"), 0xC100, 5},
    {0x52, _T("77X Series C1.XX"), 0xC100, 7},
    {0x61, _T("8X Series C1.XX"), 0xC100, 9},
};

} // namespace

int GetHardwareSeries(WORD wHardwareCode, CString* pName, WORD* pFirmware)
{
    for (const HardwareSeries& series : kSeries) {
        if (series.byModel != HIBYTE(wHardwareCode))
            continue;
        if (pName)
            *pName = series.pszName;
        if (pFirmware)
            *pFirmware = series.wFirmware;
        return series.nTreeItem;
    }
    return -1;
}
