#include "platform/ui/Accelerator.h"

#include "platform/ui/KeyState.h"
#include "platform/ui/Wnd.h"

WORD CAcceleratorTable::Find(const MSG& msg) const
{
    const bool bKeyMessage = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    const bool bCharMessage = msg.message == WM_CHAR || msg.message == WM_SYSCHAR;
    if (!bKeyMessage && !bCharMessage)
        return 0;
    // Alt shows in the message itself (bit 29, the context code), as the keyboard driver sets it.
    const bool bAlt = (msg.lParam & (LPARAM(1) << 29)) != 0 || GetKeyState(VK_MENU) < 0;
    BYTE fModifiers = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        fModifiers |= FSHIFT;
    if (GetKeyState(VK_CONTROL) < 0)
        fModifiers |= FCONTROL;
    if (bAlt)
        fModifiers |= FALT;
    for (const ACCEL& entry : m_entries) {
        if (entry.key != WORD(msg.wParam))
            continue;
        if (entry.fVirt & FVIRTKEY) {
            if (bKeyMessage && (entry.fVirt & (FSHIFT | FCONTROL | FALT)) == fModifiers)
                return entry.cmd;
        } else if (bCharMessage && bool(entry.fVirt & FALT) == bAlt) {
            // A character accelerator: the character already carries Shift and Ctrl.
            return entry.cmd;
        }
    }
    return 0;
}

int TranslateAccelerator(HWND hWnd, HACCEL hAccTable, LPMSG lpMsg)
{
    if (!hAccTable || !lpMsg || !IsWindow(hWnd))
        return 0;
    const WORD nCommand = hAccTable->Find(*lpMsg);
    if (!nCommand)
        return 0;
    hWnd->SendMessage(WM_COMMAND, MAKEWPARAM(nCommand, 1), 0);
    return 1;
}
