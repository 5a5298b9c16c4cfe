// Lets GoogleTest show a CString as readable UTF-8 in failure messages.
#pragma once

#include "platform/core/String.h"

#include <ostream>

inline void PrintTo(const CString& s, std::ostream* os)
{
    *os << '"' << s.ToUtf8() << '"';
}
