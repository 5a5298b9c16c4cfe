// The cause of the framework exception (thrown by pointer) that a call throws, so that a test
// can compare causes without a try block of its own.
#pragma once

#include <utility>

// The cause of the E that fn throws, or E::none when it throws none.
template <class E, class Fn>
int ExceptionCause(Fn&& fn)
{
    try {
        std::forward<Fn>(fn)();
    } catch (E* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return E::none;
}
