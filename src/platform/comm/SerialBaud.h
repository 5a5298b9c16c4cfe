// The line speed of an open serial device, any rate from 1200 to 921600 (14400 and 28800 have
// no classic speed constant and go through the kernel's free-rate form). Kept apart because the
// kernel's own termios header cannot be included beside the C library's.
#pragma once

#include "platform/core/Types.h"

// 0, or the errno.
int SetBaudRate(int fd, DWORD dwBaud);
