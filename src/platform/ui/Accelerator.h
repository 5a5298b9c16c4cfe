// Keyboard accelerators: a table of (key, modifiers) -> command id. TranslateAccelerator turns a
// matching key message into WM_COMMAND (HIWORD of wParam 1) sent to the given window.
#pragma once

#include "platform/ui/Msg.h"

#include <initializer_list>
#include <vector>

constexpr BYTE FVIRTKEY = 0x01;   // key is a virtual-key code (else a character code)
constexpr BYTE FNOINVERT = 0x02;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

struct ACCEL {
    BYTE fVirt;
    WORD key;
    WORD cmd;
};

class CAcceleratorTable {
public:
    CAcceleratorTable() = default;
    CAcceleratorTable(std::initializer_list<ACCEL> entries) : m_entries(entries) {}

    void Add(const ACCEL& entry) { m_entries.push_back(entry); }
    // The command of the first entry that matches the key message and the modifier state;
    // 0 when none does.
    WORD Find(const MSG& msg) const;
    const std::vector<ACCEL>& Entries() const { return m_entries; }

private:
    std::vector<ACCEL> m_entries;
};
using HACCEL = const CAcceleratorTable*;

// Non-zero when the message was an accelerator and its command was sent to hWnd.
int TranslateAccelerator(HWND hWnd, HACCEL hAccTable, LPMSG lpMsg);
