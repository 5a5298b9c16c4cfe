// CUserException: an operation stopped at the user's request or after the user was already told
// why (a failed data-exchange check); whoever catches it shows nothing more.
#pragma once

#include "platform/core/Exception.h"

class CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
};

[[noreturn]] void AfxThrowUserException();
