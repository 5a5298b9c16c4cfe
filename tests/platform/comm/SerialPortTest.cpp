#include "platform/comm/SerialPort.h"

#include "support/PtyPair.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <chrono>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// A read time-out no busy machine reaches by delay alone: what a test sees come within it came
// because it was there, and what it must not wait for shows as a wait this long.
constexpr int kPatientReadMs = 5000;

long MsSince(Clock::time_point start)
{
    return long(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

TEST(SerialPort, OpenFailsByStepWithTheSystemsError)
{
    CSerialPort port;
    SerialOpenStep step = SerialOpenStep::None;
    EXPECT_EQ(port.Open("/nonexistent/ttyUSB9", SerialLineSettings{}, &step), ENOENT);
    EXPECT_EQ(step, SerialOpenStep::Open);
    EXPECT_FALSE(port.IsOpen());
    // A file that is no terminal.
    EXPECT_EQ(port.Open("/dev/null", SerialLineSettings{}, &step), ENOTTY);
    EXPECT_FALSE(port.IsOpen());

    PtyPair pty;
    SerialLineSettings settings;
    settings.nDataBits = 6;
    EXPECT_EQ(port.Open(pty.Path(), settings, &step), EINVAL);
    EXPECT_EQ(step, SerialOpenStep::SetState);
    EXPECT_FALSE(port.IsOpen());
    settings = SerialLineSettings{};
    settings.dwBaud = 600;
    EXPECT_EQ(port.Open(pty.Path(), settings, &step), EINVAL);
}

TEST(SerialPort, EveryLineSettingOfTheControllerOpens)
{
    PtyPair pty;
    for (DWORD dwBaud : {1200U, 9600U, 14400U, 28800U, 115200U, 230400U, 921600U}) {
        for (SerialParity parity : {SerialParity::None, SerialParity::Odd, SerialParity::Even}) {
            CSerialPort port;
            SerialLineSettings settings{dwBaud, parity == SerialParity::None ? 8 : 7, parity,
                                        parity == SerialParity::Even ? 2 : 1};
            EXPECT_EQ(port.Open(pty.Path(), settings), 0) << dwBaud;
        }
    }
}

TEST(SerialPort, DeviceIsHeldExclusivelyWhileOpen)
{
    PtyPair pty;
    int nExclusive = -1;
    CSerialPort port;
    ASSERT_EQ(port.Open(pty.Path(), SerialLineSettings{}), 0);
    ASSERT_EQ(ioctl(pty.ProgramSideFd(), TIOCGEXCL, &nExclusive), 0);
    EXPECT_EQ(nExclusive, 1);
    termios tio{};
    ASSERT_EQ(tcgetattr(pty.ProgramSideFd(), &tio), 0);
    EXPECT_EQ(tio.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t(0));
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO), tcflag_t(0));
    port.Close();
    // Released with the port, though the terminal stays open elsewhere.
    ASSERT_EQ(ioctl(pty.ProgramSideFd(), TIOCGEXCL, &nExclusive), 0);
    EXPECT_EQ(nExclusive, 0);

    // A pseudo-terminal keeps 8 bits without parity whatever it is told; the parity's sense,
    // the stop bits and the speed it keeps.
    ASSERT_EQ(port.Open(pty.Path(), SerialLineSettings{9600, 7, SerialParity::Odd, 2}), 0);
    ASSERT_EQ(tcgetattr(pty.ProgramSideFd(), &tio), 0);
    EXPECT_EQ(tio.c_cflag & (PARODD | CSTOPB), tcflag_t(PARODD | CSTOPB));
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B9600));
    port.Close();
    ASSERT_EQ(port.Open(pty.Path(), SerialLineSettings{14400, 8, SerialParity::Even, 1}), 0);
    ASSERT_EQ(tcgetattr(pty.ProgramSideFd(), &tio), 0);
    EXPECT_EQ(tio.c_cflag & (PARODD | CSTOPB), tcflag_t(0));
}

TEST(SerialPort, SecondOpenOfTheSameDeviceIsRefused)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the exclusive mode does not hold for root";
    PtyPair pty;
    CSerialPort first;
    ASSERT_EQ(first.Open(pty.Path(), SerialLineSettings{}), 0);
    CSerialPort second;
    EXPECT_EQ(second.Open(pty.Path(), SerialLineSettings{}), EBUSY);
    first.Close();
    EXPECT_EQ(second.Open(pty.Path(), SerialLineSettings{}), 0);
}

TEST(SerialPort, WrittenBytesArriveAndRepliesAreRead)
{
    PtyPair pty;
    CSerialPort port;
    ASSERT_EQ(port.Open(pty.Path(), SerialLineSettings{}), 0);
    const BYTE frame[] = {0x00, 0x03, 0x00, 0xD2, 0x00, 0x03, 0xA4, 0x23};
    ASSERT_EQ(port.Write(frame, 8), 0);
    BYTE got[8] = {};
    ASSERT_EQ(read(pty.ControllerFd(), got, 8), 8);
    EXPECT_EQ(0, memcmp(got, frame, 8));

    const BYTE reply[] = {1, 2, 3, 4, 5};
    ASSERT_EQ(write(pty.ControllerFd(), reply, 5), 5);
    BYTE in[5] = {};
    int nRead = 0;
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(port.Read(in, 5, &nRead, kPatientReadMs), 0);
    EXPECT_EQ(nRead, 5);
    // Everything asked for was there: no waiting for the time-out.
    EXPECT_LT(MsSince(start), kPatientReadMs);
    EXPECT_EQ(in[4], 5);
}

TEST(SerialPort, ReadReturnsWhatCameWithinTheReadTimeOut)
{
    PtyPair pty;
    CSerialPort port;
    ASSERT_EQ(port.Open(pty.Path(), SerialLineSettings{}), 0);
    BYTE in[16] = {};
    int nRead = -1;
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(port.Read(in, 16, &nRead), 0);
    EXPECT_EQ(nRead, 0);
    EXPECT_GE(MsSince(start), CSerialPort::kReadTimeoutMs - 1);
    EXPECT_LT(MsSince(start), kPatientReadMs);

    // Pieces within the time-out are gathered into one read.
    std::thread sender([&pty] {
        const BYTE piece[] = {7, 8, 9};
        for (int i = 0; i < 3; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            (void)!write(pty.ControllerFd(), piece, 3);
        }
    });
    EXPECT_EQ(port.Read(in, 9, &nRead, kPatientReadMs), 0);
    sender.join();
    EXPECT_EQ(nRead, 9);
}

TEST(SerialPort, PurgeDropsStaleBytes)
{
    PtyPair pty;
    CSerialPort port;
    ASSERT_EQ(port.Open(pty.Path(), SerialLineSettings{}), 0);
    const BYTE stale[] = {0xEE, 0xEE};
    ASSERT_EQ(write(pty.ControllerFd(), stale, 2), 2);
    pollfd arrived{pty.ProgramSideFd(), POLLIN, 0};
    ASSERT_EQ(poll(&arrived, 1, kPatientReadMs), 1);
    EXPECT_EQ(port.Purge(), 0);
    BYTE in[2] = {};
    int nRead = -1;
    EXPECT_EQ(port.Read(in, 2, &nRead), 0);
    EXPECT_EQ(nRead, 0);
}

TEST(SerialPort, ClosedPortReportsBadDescriptor)
{
    CSerialPort port;
    BYTE in[1];
    int nRead = 0;
    EXPECT_EQ(port.Read(in, 1, &nRead), EBADF);
    EXPECT_EQ(port.Write(in, 1), EBADF);
    port.Close();
}

}  // namespace
