// The request frames byte for byte, against frames taken from the controller's own traces.
#include "protocol/ModBus.h"

#include "support/ReplyBuilder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

Bytes Sent(const BYTE* pBuf, int n) { return Bytes(pBuf, pBuf + n); }

TEST(ModBusFrames, HandshakeAndQueryFramesMatchTheControllersTraces)
{
    const CModBus modbus;
    BYTE buf[160] = {};
    EXPECT_EQ(Sent(buf, modbus.BuildDownloadStart(buf)), (Bytes{0x00, 0x64, 0, 0, 0, 1, 0xB0, 0x13}));
    const int nEnd = modbus.BuildDownloadEnd(1, buf);
    ASSERT_EQ(nEnd, 8);
    EXPECT_EQ(buf[1], 0x65);
    EXPECT_EQ(buf[5], 1);
    EXPECT_EQ(buf[6], 0x8D);
    EXPECT_EQ(buf[7], 0xD3);
    EXPECT_EQ(Sent(buf, modbus.BuildUploadStart(buf)), (Bytes{0x00, 0x66, 0, 0, 0, 1, 0xC9, 0xD3}));
    EXPECT_EQ(Sent(buf, modbus.BuildReadRequest(210, 3, buf, FC_READ_HOLDING_REGISTERS)),
              (Bytes{0x00, 0x03, 0x00, 0xD2, 0x00, 0x03, 0xA4, 0x23}));
    EXPECT_EQ(Sent(buf, modbus.BuildF9Request(MEMORY_ADDRESS_DST, 12, buf)),
              (Bytes{0x00, 0xF9, 0x20, 0x00, 0x04, 0xB8, 0x0C, 0xBD, 0x6A}));
    EXPECT_EQ(Sent(buf, modbus.BuildReadRequest(301, 6, buf, FC_READ_HOLDING_REGISTERS)),
              (Bytes{0x00, 0x03, 0x01, 0x2D, 0x00, 0x06, 0x55, 0xEC}));
    const BYTE calibration[] = {0x00, 0x01, 0x00, 0x07};
    EXPECT_EQ(Sent(buf, modbus.BuildSettingFrame(calibration, 4, buf, FC_SET_CALIBRATION, 0)),
              (Bytes{0x00, 0xEA, 0x00, 0x01, 0x00, 0x07, 0x09, 0xCE}));
}

TEST(ModBusFrames, PasswordGoesAsSwappedPairsPaddedWithFF)
{
    BYTE password[8];
    CModBus::MakePasswordBytes(_T("ABC"), password);
    EXPECT_EQ(Bytes(password, password + 8), (Bytes{'B', 'A', 0xFF, 'C', 0xFF, 0xFF, 0xFF, 0xFF}));
    const CModBus modbus;
    BYTE buf[32] = {};
    const int n = modbus.BuildPassword(password, buf);
    ASSERT_EQ(n, 17);
    const Bytes expected = WithCrc({0x00, 0x6E, 0, 0, 0, 4, 8, 'B', 'A', 0xFF, 'C', 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(Sent(buf, n), expected);
    // Eight letters fill it, a ninth is not sent.
    CModBus::MakePasswordBytes(_T("ABCDEFGHI"), password);
    EXPECT_EQ(Bytes(password, password + 8), (Bytes{'B', 'A', 'D', 'C', 'F', 'E', 'H', 'G'}));
}

TEST(ModBusFrames, WriteOfSixtyFourRegistersIsOneFrameOf137Bytes)
{
    CModBus modbus;
    Bytes data(128);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = BYTE(i * 7);
    BYTE buf[160] = {};
    const int n = modbus.BuildWriteMultiple(0x8C00, 64, data.data(), buf, FC_WRITE_MULTIPLE_REGISTERS);
    ASSERT_EQ(n, 137);
    Bytes expected = {0x00, 0x10, 0x8C, 0x00, 0x00, 0x40, 0x80};
    expected.insert(expected.end(), data.begin(), data.end());
    EXPECT_EQ(Sent(buf, n), WithCrc(expected));
    // The longest frame the controller takes: 74 registers; 77 do not fit.
    EXPECT_EQ(modbus.BuildWriteMultiple(0, 74, Bytes(148).data(), buf, FC_WRITE_MULTIPLE_REGISTERS), 157);
    BYTE untouched[200] = {0xEE};
    EXPECT_EQ(modbus.BuildWriteMultiple(0, 77, Bytes(154).data(), untouched, FC_WRITE_MULTIPLE_REGISTERS), 0);
    EXPECT_EQ(untouched[0], 0xEE);
}

TEST(ModBusFrames, SettingFramesByFunctionCode)
{
    const CModBus modbus;
    const BYTE clock[] = {0, 1, 0x07, 0xEA, 0, 3, 0, 8, 0, 12, 0, 30, 0, 15};
    BYTE buf[64] = {};
    const int n = modbus.BuildSettingFrame(clock, 14, buf, FC_SET_CLOCK, 0x5101);
    ASSERT_EQ(n, 23);
    Bytes expected = {0x00, 0xDC, 0x51, 0x01, 0x00, 7, 14};
    expected.insert(expected.end(), clock, clock + 14);
    EXPECT_EQ(Sent(buf, n), WithCrc(expected));
    const BYTE dst[12] = {4, 0, 0, 0, 0x0B, 0x01, 0x03, 0x08, 0x3C, 0, 0, 0};
    EXPECT_EQ(Sent(buf, modbus.BuildSettingFrame(dst, 12, buf, FC_WRITE_CONFIG, 0)),
              WithCrc({0x00, 0xE9, 4, 0, 0, 0, 0x0B, 0x01, 0x03, 0x08, 0x3C, 0, 0, 0}));
    EXPECT_EQ(modbus.BuildSettingFrame(dst, 12, buf, FC_WRITE_SINGLE_REGISTER, 0), 0);
    const BYTE value[] = {0x12, 0x34};
    EXPECT_EQ(Sent(buf, modbus.BuildWriteSingle(9160, value, buf, FC_WRITE_SINGLE_REGISTER)),
              WithCrc({0x00, 0x06, 0x23, 0xC8, 0x12, 0x34}));
}

TEST(ModBusFrames, AppendCrcStopsAtTheFrameLimit)
{
    const CModBus modbus;
    BYTE buf[170];
    for (int i = 0; i < 170; ++i)
        buf[i] = BYTE(i);
    EXPECT_EQ(modbus.AppendCRC(buf, 159), 0);
    const WORD wCrc = ReferenceCrc(Bytes(buf, buf + 159));
    EXPECT_EQ(buf[159], BYTE(wCrc & 0xFF));
    EXPECT_EQ(buf[160], BYTE(wCrc >> 8));
    EXPECT_EQ(buf[161], 161);
    EXPECT_EQ(modbus.AppendCRC(buf, 160), -1);
    EXPECT_EQ(buf[160], BYTE(wCrc >> 8));
    EXPECT_EQ(buf[162], 162);
    // n counts modulo 256: 256 + 6 is a frame of 6 bytes.
    EXPECT_EQ(modbus.AppendCRC(buf, 262), 0);
    EXPECT_EQ(buf[6], BYTE(ReferenceCrc(Bytes(buf, buf + 6)) & 0xFF));
}

TEST(ModBusFrames, CrcOfCheckStringAgreesWithTheBitwiseForm)
{
    const CModBus modbus;
    const BYTE check[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(modbus.CalcCRC(check, 9), 0x374B);
    EXPECT_EQ(ReferenceCrc(Bytes(check, check + 9)), 0x4B37);
}

}  // namespace
