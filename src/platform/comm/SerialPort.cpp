#include "platform/comm/SerialPort.h"

#include "platform/comm/SerialBaud.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

using SteadyClock = std::chrono::steady_clock;

// A write that makes no progress for this long has lost its line (a stuck adapter).
constexpr int kWriteStallMs = 1000;

int RemainingMs(SteadyClock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now());
    return left.count() > 0 ? int(left.count()) : 0;
}

void SetCharacterSize(termios& tio, const SerialLineSettings& settings)
{
    tio.c_cflag &= ~tcflag_t(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    tio.c_cflag |= (settings.nDataBits == 7 ? CS7 : CS8) | CLOCAL | CREAD;
    if (settings.parity != SerialParity::None)
        tio.c_cflag |= PARENB;
    if (settings.parity == SerialParity::Odd)
        tio.c_cflag |= PARODD;
    if (settings.nStopBits == 2)
        tio.c_cflag |= CSTOPB;
}

// The classic speed constants; other rates go through the kernel's free-rate form.
speed_t ClassicSpeed(DWORD dwBaud)
{
    static constexpr struct {
        DWORD dwBaud;
        speed_t speed;
    } kSpeeds[] = {
        {1200, B1200},     {2400, B2400},     {4800, B4800},     {9600, B9600},
        {19200, B19200},   {38400, B38400},   {57600, B57600},   {115200, B115200},
        {230400, B230400}, {460800, B460800}, {921600, B921600},
    };
    for (const auto& entry : kSpeeds) {
        if (entry.dwBaud == dwBaud)
            return entry.speed;
    }
    return B0;
}

bool IsValidLine(const SerialLineSettings& settings)
{
    return IsSupportedBaudRate(settings.dwBaud) && (settings.nDataBits == 7 || settings.nDataBits == 8) &&
           (settings.nStopBits == 1 || settings.nStopBits == 2);
}

}  // namespace

BOOL IsSupportedBaudRate(DWORD dwBaud) { return dwBaud >= 1200 && dwBaud <= 921600; }

int CSerialPort::Open(const std::string& strPath, const SerialLineSettings& settings, SerialOpenStep* pFailedStep)
{
    Close();
    if (pFailedStep)
        *pFailedStep = SerialOpenStep::Open;
    const int fd = ::open(strPath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    // Without sharing: a second open of the device (by anyone but root) fails with EBUSY.
    if (::ioctl(fd, TIOCEXCL) != 0 && errno != ENOTTY) {
        const int nError = errno;
        ::close(fd);
        return nError;
    }
    if (!::isatty(fd)) {
        ::close(fd);
        return ENOTTY;
    }
    m_fd = fd;
    const int nError = Configure(settings, pFailedStep);
    if (nError != 0) {
        ::ioctl(m_fd, TIOCNXCL);
        ::close(m_fd);
        m_fd = -1;
        return nError;
    }
    Purge();
    SetDtr(TRUE);
    if (pFailedStep)
        *pFailedStep = SerialOpenStep::None;
    return 0;
}

int CSerialPort::Configure(const SerialLineSettings& settings, SerialOpenStep* pFailedStep)
{
    termios tio{};
    if (pFailedStep)
        *pFailedStep = SerialOpenStep::GetState;
    if (::tcgetattr(m_fd, &tio) != 0)
        return errno;
    // Raw bytes, no echo, no flow control, reads that never wait (the time-out is ours).
    if (pFailedStep)
        *pFailedStep = SerialOpenStep::Timeouts;
    ::cfmakeraw(&tio);
    tio.c_iflag &= ~tcflag_t(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(m_fd, TCSANOW, &tio) != 0)
        return errno;
    if (pFailedStep)
        *pFailedStep = SerialOpenStep::SetState;
    if (!IsValidLine(settings))
        return EINVAL;
    SetCharacterSize(tio, settings);
    const speed_t speed = ClassicSpeed(settings.dwBaud);
    if (speed != B0)
        ::cfsetspeed(&tio, speed);
    if (::tcsetattr(m_fd, TCSANOW, &tio) != 0)
        return errno;
    return speed != B0 ? 0 : SetBaudRate(m_fd, settings.dwBaud);
}

void CSerialPort::Close()
{
    if (m_fd < 0)
        return;
    SetDtr(FALSE);
    Purge();
    // The exclusive mode belongs to the terminal, not to this descriptor: it would outlive the
    // close while anyone else (a pseudo-terminal's owner) still holds the device.
    ::ioctl(m_fd, TIOCNXCL);
    ::close(m_fd);
    m_fd = -1;
}

int CSerialPort::Purge()
{
    if (m_fd < 0)
        return EBADF;
    return ::tcflush(m_fd, TCIOFLUSH) == 0 ? 0 : errno;
}

void CSerialPort::SetDtr(BOOL bRaise)
{
    if (m_fd < 0)
        return;
    int nBits = TIOCM_DTR;
    ::ioctl(m_fd, bRaise ? TIOCMBIS : TIOCMBIC, &nBits);
}

int CSerialPort::Write(const BYTE* pData, int n)
{
    if (m_fd < 0)
        return EBADF;
    int nDone = 0;
    while (nDone < n) {
        const ssize_t nWritten = ::write(m_fd, pData + nDone, std::size_t(n - nDone));
        if (nWritten > 0) {
            nDone += int(nWritten);
            continue;
        }
        if (nWritten < 0 && errno != EAGAIN && errno != EINTR)
            return errno;
        pollfd pfd{m_fd, POLLOUT, 0};
        const int nReady = ::poll(&pfd, 1, kWriteStallMs);
        if (nReady == 0)
            return ETIMEDOUT;
        if (nReady < 0 && errno != EINTR)
            return errno;
        if (pfd.revents & (POLLERR | POLLHUP | POLLNVAL))
            return EIO;
    }
    return 0;
}

int CSerialPort::Read(BYTE* pData, int n, int* pnRead, int nTimeoutMs)
{
    *pnRead = 0;
    if (m_fd < 0)
        return EBADF;
    const SteadyClock::time_point deadline = SteadyClock::now() + std::chrono::milliseconds(nTimeoutMs);
    while (*pnRead < n) {
        pollfd pfd{m_fd, POLLIN, 0};
        const int nReady = ::poll(&pfd, 1, RemainingMs(deadline));
        if (nReady < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (nReady == 0)
            return 0;
        const ssize_t nGot = ::read(m_fd, pData + *pnRead, std::size_t(n - *pnRead));
        if (nGot > 0) {
            *pnRead += int(nGot);
            continue;
        }
        if (nGot < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        // Readable with nothing to read, or an error: the other end has gone.
        return nGot < 0 ? errno : EIO;
    }
    return 0;
}
