#include "document/HardwareSeries.h"

namespace {

struct HardwareSeries {
    BYTE byModel;
    LPCTSTR pszName;
    WORD wFirmware;
    int nResult;
};

constexpr HardwareSeries kSeries[] = {
    {0x11, u"3X Series B1.XX", 0xB100, 1},
    {0x21, u"4X Series B1.XX", 0xB100, 3},
    {0x51, u"75X Series C1.XX", 0xC100, 5},
    {0x52, u"77X Series C1.XX", 0xC100, 7},
    {0x61, u"8X Series C1.XX", 0xC100, 9},
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
        return series.nResult;
    }
    return -1;
}
