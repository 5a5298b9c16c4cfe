// The line speed of an open serial device by the kernel's free-rate form, for the rates that have
// no classic speed constant (14400, 28800). Kept apart because the kernel's own termios header
// cannot be included beside the C library's.
#pragma once

#include "platform/core/Types.h"

// 0, or the errno.
int SetBaudRate(int fd, DWORD dwBaud);
