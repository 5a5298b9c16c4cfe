// Every reply check as a table of replies: a good one and one for each field that can fail, and
// random replies of every length that must never make a check read past what was received.
#include "protocol/ModBus.h"

#include "support/ReplyBuilder.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

Bytes ReadReply() { return WithCrc({0x00, 0x03, 0x06, 0x51, 0x01, 0xC1, 0x00, 0x00, 0x01}); }

struct ReadCase {
    const char* pszName;
    Bytes reply;
    int nLength;   // -1: the reply's size
    DWORD dwExpected;
};

TEST(ModBusReplies, ReadReplyChecksLengthThenSlaveFunctionAndCrc)
{
    Bytes badCrc = ReadReply();
    badCrc.back() ^= 0x01;
    Bytes otherSlave = ReadReply();
    otherSlave[0] = 1;
    Bytes otherFunction = ReadReply();
    otherFunction[1] = 4;
    Bytes countTooLarge = ReadReply();
    countTooLarge[2] = 0xFF;
    const ReadCase cases[] = {
        {"good", ReadReply(), -1, PLC_RESULT_OK},
        {"one byte short", ReadReply(), 10, PLC_RESULT_LENGTH},
        {"count beyond the bytes received", countTooLarge, -1, PLC_RESULT_LENGTH},
        {"other slave", WithCrc({0x01, 0x03, 0x06, 0x51, 0x01, 0xC1, 0x00, 0x00, 0x01}), -1, PLC_RESULT_DEVICE_ID},
        {"other slave, old crc", otherSlave, -1, PLC_RESULT_DEVICE_ID},
        {"other function", otherFunction, -1, PLC_RESULT_FUNCTION_CODE},
        {"crc", badCrc, -1, PLC_RESULT_CHECKSUM},
        {"exception reply", WithCrc({0x00, 0x83, 0x02}), -1, PLC_RESULT_LENGTH},
        {"nothing", {}, 0, PLC_RESULT_LENGTH},
    };
    const CModBus modbus;
    for (const ReadCase& c : cases) {
        const int nLength = c.nLength < 0 ? int(c.reply.size()) : c.nLength;
        EXPECT_EQ(modbus.CheckReadReply(c.reply.data(), nLength, FC_READ_HOLDING_REGISTERS), c.dwExpected)
            << c.pszName;
    }
}

Bytes F9Reply(DWORD dwAddress)
{
    Bytes reply = {0x00, 0xF9, BYTE(dwAddress >> 24), BYTE(dwAddress >> 16), BYTE(dwAddress >> 8), BYTE(dwAddress), 12};
    for (int i = 0; i < 12; ++i)
        reply.push_back(BYTE(i));
    return WithCrc(reply);
}

TEST(ModBusReplies, MemoryReadReplyChecksLengthAddressAndCrc)
{
    const CModBus modbus;
    const Bytes good = F9Reply(MEMORY_ADDRESS_DST);
    EXPECT_EQ(modbus.CheckF9Reply(good.data(), int(good.size()), 12), PLC_RESULT_OK);
    const Bytes alternative = F9Reply(MEMORY_ADDRESS_ALT);
    EXPECT_EQ(modbus.CheckF9Reply(alternative.data(), int(alternative.size()), 12), PLC_RESULT_OK);
    const Bytes other = F9Reply(0x20000000);
    EXPECT_EQ(modbus.CheckF9Reply(other.data(), int(other.size()), 12), PLC_RESULT_ADDRESS);
    EXPECT_EQ(modbus.CheckF9Reply(good.data(), int(good.size()) - 1, 12), PLC_RESULT_LENGTH);
    EXPECT_EQ(modbus.CheckF9Reply(good.data(), 5, 12), PLC_RESULT_LENGTH);
    Bytes badCrc = good;
    badCrc[10] ^= 0x40;
    EXPECT_EQ(modbus.CheckF9Reply(badCrc.data(), int(badCrc.size()), 12), PLC_RESULT_CHECKSUM);
    Bytes otherFunction = good;
    otherFunction[1] = 0x03;
    EXPECT_EQ(modbus.CheckF9Reply(otherFunction.data(), int(otherFunction.size()), 12), PLC_RESULT_FUNCTION_CODE);
}

// A handshake reply of 17 or 19 bytes: type word at 3-4, version at 7-8, password at 11-12,
// program size in words at 13-14, message-text size at 15-16 (19 bytes only).
Bytes HandshakeReply(BYTE byFunction, WORD wType, WORD wVersion, WORD wPassword, WORD wWords, bool bLong)
{
    Bytes reply = {0x00, byFunction, BYTE(bLong ? 14 : 12), BYTE(wType >> 8), BYTE(wType), 0, 0,
                   BYTE(wVersion >> 8), BYTE(wVersion), 0, 0, BYTE(wPassword >> 8), BYTE(wPassword),
                   BYTE(wWords >> 8), BYTE(wWords)};
    if (bLong) {
        reply.push_back(0x02);
        reply.push_back(0x80);
    }
    return WithCrc(reply);
}

struct HandshakeCase {
    const char* pszName;
    Bytes reply;
    DownloadExpectation expect;
    DWORD dwExpected;
};

TEST(ModBusReplies, DownloadHandshakeByMachineTypeVersionAndCrc)
{
    const DownloadExpectation download{0x5188, 0, 0xC100, HANDSHAKE_DOWNLOAD};
    const DownloadExpectation oldDownload{0x2188, 0, 0xB100, HANDSHAKE_DOWNLOAD};
    const DownloadExpectation clear{0, 0, 0, HANDSHAKE_CLEAR};
    Bytes anyBadCrc = HandshakeReply(FC_DOWNLOAD_START, MACHINE_TYPE_ANY, 0, 0, 0, false);
    anyBadCrc.back() ^= 0xFF;
    Bytes badCrc = HandshakeReply(FC_DOWNLOAD_START, 0x5188, 0xC100, 0, 0, true);
    badCrc[16] ^= 0xFF;
    Bytes wrongCount = HandshakeReply(FC_DOWNLOAD_START, 0x5188, 0xC100, 0, 0, true);
    wrongCount[2] = 0x80;   // a signed byte that would put the CRC before the reply
    const HandshakeCase cases[] = {
        {"good", HandshakeReply(FC_DOWNLOAD_START, 0x5188, 0xC100, 0, 0, true), download, PLC_RESULT_OK},
        {"newer version", HandshakeReply(FC_DOWNLOAD_START, 0x5101, 0xC205, 0, 0, true), download, PLC_RESULT_OK},
        {"other model", HandshakeReply(FC_DOWNLOAD_START, 0x2188, 0xC100, 0, 0, true), download, PLC_RESULT_MACHINE_TYPE},
        {"older version", HandshakeReply(FC_DOWNLOAD_START, 0x5188, 0xC0FF, 0, 0, true), download, PLC_RESULT_MACHINE_VERSION},
        {"crc", badCrc, download, PLC_RESULT_CHECKSUM},
        {"byte count", wrongCount, download, PLC_RESULT_LENGTH},
        {"any machine, clear, bad crc", anyBadCrc, clear, PLC_RESULT_OK},
        {"any machine, new project", HandshakeReply(FC_DOWNLOAD_START, MACHINE_TYPE_ANY, 0, 0, 0, false), download,
         PLC_RESULT_CARD_VERSION},
        {"any machine, old project", HandshakeReply(FC_DOWNLOAD_START, MACHINE_TYPE_ANY, 0, 0, 0, false), oldDownload,
         PLC_RESULT_OK},
        {"any machine, old project, bad crc", anyBadCrc, oldDownload, PLC_RESULT_CHECKSUM},
        {"other function", HandshakeReply(FC_UPLOAD_START, 0x5188, 0xC100, 0, 0, true), download, PLC_RESULT_FUNCTION_CODE},
    };
    const CModBus modbus;
    for (const HandshakeCase& c : cases)
        EXPECT_EQ(modbus.CheckDownloadStartReply(c.reply.data(), int(c.reply.size()), c.expect), c.dwExpected)
            << c.pszName;
}

struct UploadCase {
    const char* pszName;
    Bytes reply;
    DWORD dwExpected;
    BOOL bPassword;
};

TEST(ModBusReplies, UploadHandshakeGivesResultAndPasswordApart)
{
    Bytes otherSlave = HandshakeReply(FC_UPLOAD_START, 0x5188, 0xC100, 0x1234, 64, true);
    otherSlave[0] = 0x07;
    otherSlave = WithCrc(Bytes(otherSlave.begin(), otherSlave.end() - 2));
    Bytes badCrc = HandshakeReply(FC_UPLOAD_START, 0x5188, 0xC100, 0, 64, true);
    badCrc[13] ^= 0x01;
    const UploadCase cases[] = {
        {"no password", HandshakeReply(FC_UPLOAD_START, 0x5188, 0xC100, 0, 64, true), PLC_RESULT_OK, FALSE},
        {"no password, FFFF", HandshakeReply(FC_UPLOAD_START, 0x2188, 0xB100, 0xFFFF, 64, false), PLC_RESULT_OK, FALSE},
        {"password", HandshakeReply(FC_UPLOAD_START, 0x5188, 0xC100, 0x4142, 128, true), PLC_RESULT_OK, TRUE},
        {"other slave is not a password", otherSlave, PLC_RESULT_DEVICE_ID, FALSE},
        {"model below the oldest", HandshakeReply(FC_UPLOAD_START, 0x1088, 0xC100, 0, 64, false), PLC_RESULT_MACHINE_TYPE, FALSE},
        {"new model, old firmware", HandshakeReply(FC_UPLOAD_START, 0x5188, 0xB100, 0, 64, true), PLC_RESULT_MACHINE_VERSION, FALSE},
        {"old model, older firmware", HandshakeReply(FC_UPLOAD_START, 0x2188, 0xB0FF, 0, 64, false), PLC_RESULT_MACHINE_VERSION, FALSE},
        {"no program", HandshakeReply(FC_UPLOAD_START, 0x5188, 0xC100, 0, 0, true), PLC_RESULT_NO_PROGRAM, FALSE},
        {"erased program", HandshakeReply(FC_UPLOAD_START, 0x5188, 0xC100, 0, 0xFFFF, true), PLC_RESULT_NO_PROGRAM, FALSE},
        {"100 words", HandshakeReply(FC_UPLOAD_START, 0x5188, 0xC100, 0, 100, true), PLC_RESULT_INVALID_PASSWORD, FALSE},
        {"any machine skips model and version", HandshakeReply(FC_UPLOAD_START, MACHINE_TYPE_ANY, 0, 0, 64, false),
         PLC_RESULT_OK, FALSE},
        {"any machine keeps the size test", HandshakeReply(FC_UPLOAD_START, MACHINE_TYPE_ANY, 0, 0, 0, false),
         PLC_RESULT_NO_PROGRAM, FALSE},
        {"crc", badCrc, PLC_RESULT_CHECKSUM, FALSE},
    };
    const CModBus modbus;
    for (const UploadCase& c : cases) {
        BOOL bPassword = 7;
        EXPECT_EQ(modbus.CheckUploadStartReply(c.reply.data(), int(c.reply.size()), &bPassword), c.dwExpected)
            << c.pszName;
        EXPECT_EQ(bPassword, c.bPassword) << c.pszName;
    }
    const Bytes good = HandshakeReply(FC_UPLOAD_START, 0x5188, 0xC100, 0, 64, true);
    EXPECT_EQ(modbus.CheckUploadStartReply(good.data(), 17, nullptr), PLC_RESULT_LENGTH);
    EXPECT_EQ(modbus.GetResultText(PLC_RESULT_INVALID_PASSWORD).ToUtf8(), "Invalid password Error!");
}

TEST(ModBusReplies, EndPasswordAndSettingRepliesAreTrueOrFalse)
{
    const CModBus modbus;
    const Bytes downloadEnd = WithCrc({0x00, 0x65, 0, 0, 0, 1});
    EXPECT_TRUE(modbus.CheckDownloadEndReply(downloadEnd.data(), 8, 1));
    EXPECT_FALSE(modbus.CheckDownloadEndReply(downloadEnd.data(), 8, 0));
    EXPECT_FALSE(modbus.CheckDownloadEndReply(downloadEnd.data(), 7, 1));
    EXPECT_FALSE(modbus.CheckUploadEndReply(downloadEnd.data(), 8, 1));
    const Bytes uploadEnd = WithCrc({0x00, 0x67, 0, 0, 0, 0});
    EXPECT_TRUE(modbus.CheckUploadEndReply(uploadEnd.data(), 8, 0));
    Bytes uploadEndBadCrc = uploadEnd;
    uploadEndBadCrc[7] ^= 1;
    EXPECT_FALSE(modbus.CheckUploadEndReply(uploadEndBadCrc.data(), 8, 0));

    // The password reply is taken without looking at its CRC.
    const Bytes accepted = {0x00, 0x6E, 2, 0, 0, 0x12, 0x34};
    EXPECT_TRUE(modbus.CheckPasswordReply(accepted.data(), 7));
    const Bytes refused = {0x00, 0x6E, 2, 0, 1, 0x12, 0x34};
    EXPECT_FALSE(modbus.CheckPasswordReply(refused.data(), 7));
    EXPECT_FALSE(modbus.CheckPasswordReply(accepted.data(), 6));

    const Bytes clockNew = WithCrc({0x00, 0xDC, 0x51, 0x01, 0, 7});
    EXPECT_TRUE(modbus.CheckSettingReply(FC_SET_CLOCK, clockNew.data(), 8));
    const Bytes clockNewSix = WithCrc({0x00, 0xDC, 0x51, 0x01, 0, 6});
    EXPECT_FALSE(modbus.CheckSettingReply(FC_SET_CLOCK, clockNewSix.data(), 8));
    const Bytes clockOld = WithCrc({0x00, 0xDC, 0x21, 0x01, 0, 6});
    EXPECT_TRUE(modbus.CheckSettingReply(FC_SET_CLOCK, clockOld.data(), 8));
    const Bytes clockOldest = WithCrc({0x00, 0xDC, 0x10, 0x01, 0, 0});
    EXPECT_TRUE(modbus.CheckSettingReply(FC_SET_CLOCK, clockOldest.data(), 8));
    const Bytes calibration = WithCrc({0x00, 0xEA, 0, 1, 0, 7});
    EXPECT_TRUE(modbus.CheckSettingReply(FC_SET_CALIBRATION, calibration.data(), 8));
    EXPECT_FALSE(modbus.CheckSettingReply(FC_SET_CLOCK, calibration.data(), 8));
    const Bytes config = WithCrc({0x00, 0xE9, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    EXPECT_TRUE(modbus.CheckSettingReply(FC_WRITE_CONFIG, config.data(), 16));
    EXPECT_FALSE(modbus.CheckSettingReply(FC_WRITE_CONFIG, config.data(), 8));
    EXPECT_FALSE(modbus.CheckSettingReply(FC_READ_HOLDING_REGISTERS, config.data(), 16));
}

TEST(ModBusReplies, ExceptionTextsAndResultTexts)
{
    const CModBus modbus;
    CString strText = _T("kept");
    const Bytes code3 = WithCrc({0x00, 0x83, 3});
    EXPECT_EQ(modbus.GetExceptionText(code3.data(), 5, strText), 3);
    EXPECT_EQ(strText.ToUtf8(), "No=3->ILLIGAL DATA VALUE");
    const Bytes code15 = WithCrc({0x00, 0x90, 15});
    EXPECT_EQ(modbus.GetExceptionText(code15.data(), 5, strText), 15);
    EXPECT_EQ(strText.ToUtf8(), "No=15->");
    const Bytes code11 = WithCrc({0x00, 0x83, 11});
    EXPECT_EQ(modbus.GetExceptionText(code11.data(), 5, strText), 11);
    EXPECT_EQ(strText.ToUtf8(), "No=11->GATEWAY TARGET DEVICE FAILED TO RESPOND");
    strText = _T("kept");
    const Bytes code0 = WithCrc({0x00, 0x83, 0});
    EXPECT_EQ(modbus.GetExceptionText(code0.data(), 5, strText), 0);
    const Bytes normal = WithCrc({0x00, 0x03, 2});
    EXPECT_EQ(modbus.GetExceptionText(normal.data(), 5, strText), 0);
    EXPECT_EQ(modbus.GetExceptionText(code3.data(), 2, strText), 0);
    EXPECT_EQ(strText.ToUtf8(), "kept");

    EXPECT_EQ(modbus.GetResultText(PLC_RESULT_OK).ToUtf8(), "OK!");
    EXPECT_EQ(modbus.GetResultText(PLC_RESULT_CARD_VERSION).ToUtf8(), "Memory Card version mismatch Error!");
    EXPECT_TRUE(modbus.GetResultText(13).IsEmpty());
    EXPECT_TRUE(modbus.GetResultText(ERR_TIMEOUT).IsEmpty());
}

// Random replies of every length up to 48 bytes, each in a buffer of exactly its size, so that
// the sanitizer catches any read beyond it. A few of them get a valid CRC and a plausible
// header so that the deeper fields are reached too.
TEST(ModBusReplies, RandomRepliesNeverReadPastTheBytesReceived)
{
    std::mt19937 random(20261207);
    CModBus modbus;
    const DownloadExpectation expect{0x5188, 0, 0xC100, HANDSHAKE_DOWNLOAD};
    const BYTE functions[] = {0x03, 0x64, 0x65, 0x66, 0x67, 0x6E, 0xDC, 0xE9, 0xEA, 0xF9, 0x83};
    for (int nRound = 0; nRound < 4000; ++nRound) {
        const int nLength = int(random() % 49);
        auto reply = std::make_unique<BYTE[]>(std::size_t(nLength ? nLength : 1));
        for (int i = 0; i < nLength; ++i)
            reply[i] = BYTE(random());
        if (nLength >= 5 && nRound % 2 == 0) {
            reply[0] = 0;
            reply[1] = functions[random() % std::size(functions)];
            if (nRound % 4 == 0)
                reply[2] = BYTE(nLength - 5);
            modbus.AppendCRC(reply.get(), nLength - 2);
        }
        const BYTE* p = reply.get();
        CString strText;
        BOOL bPassword = FALSE;
        EXPECT_LE(modbus.CheckReadReply(p, nLength, nLength > 1 ? reply[1] : FC_READ_HOLDING_REGISTERS), 6U);
        EXPECT_LE(modbus.CheckF9Reply(p, nLength, int(random() % 40)), 6U);
        EXPECT_LE(modbus.CheckDownloadStartReply(p, nLength, expect), 12U);
        EXPECT_LE(modbus.CheckUploadStartReply(p, nLength, &bPassword), 10U);
        modbus.CheckDownloadEndReply(p, nLength, 1);
        modbus.CheckUploadEndReply(p, nLength, 1);
        modbus.CheckPasswordReply(p, nLength);
        for (BYTE byFunction : {FC_SET_CLOCK, FC_WRITE_CONFIG, FC_SET_CALIBRATION})
            modbus.CheckSettingReply(byFunction, p, nLength);
        EXPECT_LE(modbus.GetExceptionText(p, nLength, strText), 255);
    }
}

}  // namespace
