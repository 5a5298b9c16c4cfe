#include "platform/comm/SerialBaud.h"

#include <asm/termbits.h>
#include <cerrno>
#include <sys/ioctl.h>

int SetBaudRate(int fd, DWORD dwBaud)
{
    struct termios2 tio {};
    if (::ioctl(fd, TCGETS2, &tio) != 0)
        return errno;
    tio.c_cflag &= ~tcflag_t(CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    tio.c_ispeed = dwBaud;
    tio.c_ospeed = dwBaud;
    return ::ioctl(fd, TCSETS2, &tio) == 0 ? 0 : errno;
}
