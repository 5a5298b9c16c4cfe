// CStringStack: the fixed-size stack of strings with which the analog math block turns its
// formula into postfix order and evaluates it. Misuse (a push onto a full stack, a pop from an
// empty one) is reported to the user and changes nothing.
#pragma once

#include "platform/core/String.h"

#include <array>

class CStringStack {
public:
    static constexpr int kCapacity = 20;

    BOOL IsEmpty() const { return m_nTop == -1; }
    BOOL IsFull() const { return m_nTop == kCapacity - 1; }
    // "Full Stack" and the string dropped when full.
    void Push(const CString& str);
    // "Empty Stack" when empty.
    void Drop();
    // A copy of the top string; "Empty Stack" and an empty string when empty.
    CString Top() const;
    // Removes and returns the top string; "Empty Stack" and an empty string when empty.
    CString Pop();

private:
    int m_nTop = -1;
    std::array<CString, kCapacity> m_items;
};
