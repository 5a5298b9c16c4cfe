#include "platform/comm/SerialPortNames.h"

#include "support/PtyPair.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <termios.h>
#include <unistd.h>

namespace {

TEST(SerialPortNames, NumbersAreGivenOnceAndKept)
{
    ResetSerialPortNumbers();
    EXPECT_EQ(SerialPortNumberOf(_T("/dev/ttyUSB0")), 1);
    EXPECT_EQ(SerialPortNumberOf(_T("/dev/pts/7")), 2);
    EXPECT_EQ(SerialPortNumberOf(_T("/dev/ttyUSB0")), 1);
    EXPECT_EQ(SerialPortNumberOf(_T("")), 0);
    EXPECT_EQ(SerialPortPath(2).ToUtf8(), "/dev/pts/7");
    EXPECT_TRUE(SerialPortPath(0).IsEmpty());
    EXPECT_TRUE(SerialPortPath(3).IsEmpty());
    ASSERT_EQ(NumberedSerialPorts().size(), 2U);
    for (int i = 3; i <= SERIAL_PORT_NUMBER_MAX; ++i)
        EXPECT_EQ(SerialPortNumberOf(CString::FromUtf8("/dev/x" + std::to_string(i))), i);
    EXPECT_EQ(SerialPortNumberOf(_T("/dev/one-too-many")), 0);
    ResetSerialPortNumbers();
    EXPECT_TRUE(NumberedSerialPorts().empty());
}

TEST(SerialPortNames, DevicesAreFoundByFamilyInUnitOrder)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("serial-names-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    for (const char* pszName : {"ttyUSB1", "ttyS10", "ttyACM0", "ttyS2", "ttyUSB0", "tty5", "ttySx", "console"})
        std::ofstream(folder / pszName).put('\n');
    std::vector<std::string> names;
    for (const CString& strPath : FindSerialDevices(CString::FromUtf8(folder.string())))
        names.push_back(std::filesystem::path(strPath.ToUtf8()).filename().string());
    std::filesystem::remove_all(folder);
    EXPECT_EQ(names, (std::vector<std::string>{"ttyS2", "ttyS10", "ttyUSB0", "ttyUSB1", "ttyACM0"}));
    EXPECT_TRUE(FindSerialDevices(_T("/nonexistent-folder")).empty());
}

TEST(SerialPortNames, OnlyTerminalsThatOpenCount)
{
    PtyPair pty;
    // A look at the device leaves its line settings as they were.
    termios tio{};
    ASSERT_EQ(tcgetattr(pty.ProgramSideFd(), &tio), 0);
    tio.c_lflag |= ICANON | ECHO;
    cfsetspeed(&tio, B2400);
    ASSERT_EQ(tcsetattr(pty.ProgramSideFd(), TCSANOW, &tio), 0);
    EXPECT_TRUE(CanOpenSerialDevice(CString::FromUtf8(pty.Path())));
    termios after{};
    ASSERT_EQ(tcgetattr(pty.ProgramSideFd(), &after), 0);
    EXPECT_EQ(after.c_lflag & (ICANON | ECHO), tcflag_t(ICANON | ECHO));
    EXPECT_EQ(cfgetospeed(&after), speed_t(B2400));
    EXPECT_FALSE(CanOpenSerialDevice(_T("/dev/null")));
    EXPECT_FALSE(CanOpenSerialDevice(_T("/nonexistent/ttyS0")));
    EXPECT_FALSE(CanOpenSerialDevice(_T("")));
}

}  // namespace
