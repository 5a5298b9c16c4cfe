#include "protocol/ModBus.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

struct CrcCase {
    const char* pszName;
    std::vector<BYTE> bytes;
    WORD wExpected;
};

// The result carries the CRC's low byte, the one sent first, in its high byte.
TEST(ModBusTest, CrcOfKnownFramesComesInWireOrder)
{
    const CrcCase cases[] = {
        {"check string", {'1', '2', '3', '4', '5', '6', '7', '8', '9'}, 0x374B},
        {"read one holding register of slave 1", {0x01, 0x03, 0x00, 0x00, 0x00, 0x01}, 0x840A},
        {"single zero byte", {0x00}, 0xBF40},
        {"no bytes", {}, 0xFFFF},
    };
    const CModBus modbus;
    for (const CrcCase& c : cases)
        EXPECT_EQ(modbus.CalcCRC(c.bytes.data(), int(c.bytes.size())), c.wExpected) << c.pszName;
}

TEST(ModBusTest, CrcOfNoUsableBytesIsTheStartValue)
{
    const CModBus modbus;
    const BYTE data[] = {1, 2, 3};
    EXPECT_EQ(modbus.CalcCRC(data, -1), 0xFFFF);
    EXPECT_EQ(modbus.CalcCRC(data, -65536), 0xFFFF);
    EXPECT_EQ(modbus.CalcCRC(nullptr, 3), 0xFFFF);
}

TEST(ModBusTest, CrcCountIsTakenAsSixteenBits)
{
    std::vector<BYTE> data(65536 + 9, 0xAA);
    std::memcpy(data.data(), "123456789", 9);
    const CModBus modbus;
    EXPECT_EQ(modbus.CalcCRC(data.data(), 65536 + 9), 0x374B);
}

}  // namespace
