#include "document/HardwareSeries.h"

#include <gtest/gtest.h>

namespace {

TEST(HardwareSeries, NamesTheSeriesByTheModelByte)
{
    const struct {
        WORD wCode;
        const char* pszName;
        WORD wFirmware;
        int nItem;
    } cases[] = {
        {0x1188, "3X Series B1.XX", 0xB100, 1},
        {0x5288, "77X Series C1.XX", 0xC100, 7},
        {0x52FF, "77X Series C1.XX", 0xC100, 7},  // the low byte plays no part
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wCode);
        CString strName;
        WORD wFirmware = 0;
        EXPECT_EQ(GetHardwareSeries(c.wCode, &strName, &wFirmware), c.nItem);
        EXPECT_EQ(strName.ToUtf8(), c.pszName);
        EXPECT_EQ(wFirmware, c.wFirmware);
    }
}

TEST(HardwareSeries, UnknownModelLeavesBothOutputsAlone)
{
    for (WORD wCode : {0x3188, 0x0000, 0x1088, 0x5388, 0x6088, 0xFF88}) {
        CString strName(_T("before"));
        WORD wFirmware = 0x1234;
        EXPECT_EQ(GetHardwareSeries(wCode, &strName, &wFirmware), -1) << wCode;
        EXPECT_EQ(strName.ToUtf8(), "before");
        EXPECT_EQ(wFirmware, 0x1234);
    }
}

TEST(HardwareSeries, OutputsMayBeLeftOut)
{
    EXPECT_EQ(GetHardwareSeries(0x5188, nullptr, nullptr), 5);
    CString strName;
    EXPECT_EQ(GetHardwareSeries(0x6188, &strName, nullptr), 9);
    EXPECT_EQ(strName.ToUtf8(), "8X Series C1.XX");
}

} // namespace
