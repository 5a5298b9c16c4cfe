#include "platform/ui/Accelerator.h"

#include "platform/ui/ControlWnd.h"
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

namespace {

// An edit box keeps its own editing keys (select all, copy, paste, cut, undo and their Insert
// and Delete forms) whatever the program's accelerators make of them elsewhere: Ctrl+X typed in
// a bar's or a dialog's edit box cuts its text, not the diagram's blocks.
bool IsEditBoxKey(const MSG& msg)
{
    if (!IsWindow(msg.hwnd))
        return false;
    const bool bCtrl = GetKeyState(VK_CONTROL) < 0;
    const bool bShift = GetKeyState(VK_SHIFT) < 0;
    bool bEditing = false;
    if (msg.message == WM_KEYDOWN) {
        switch (int(msg.wParam)) {
        case 'A':
        case 'C':
        case 'V':
        case 'X':
        case 'Z':
            bEditing = bCtrl && !bShift;
            break;
        case VK_INSERT:
            bEditing = bCtrl != bShift;
            break;
        case VK_DELETE:
            bEditing = bShift && !bCtrl;
            break;
        default:
            break;
        }
    } else if (msg.message == WM_CHAR) {
        const WPARAM ch = msg.wParam;
        bEditing = ch == 0x01 || ch == 0x03 || ch == 0x16 || ch == 0x18 || ch == 0x1A;
    }
    if (!bEditing)
        return false;
    MSG query = msg;
    const UINT nCode = UINT(msg.hwnd->SendMessage(WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&query)));
    return (nCode & DLGC_HASSETSEL) != 0;
}

}  // namespace

int TranslateAccelerator(HWND hWnd, HACCEL hAccTable, LPMSG lpMsg)
{
    if (!hAccTable || !lpMsg || !IsWindow(hWnd) || IsEditBoxKey(*lpMsg))
        return 0;
    const WORD nCommand = hAccTable->Find(*lpMsg);
    if (!nCommand)
        return 0;
    hWnd->SendMessage(WM_COMMAND, MAKEWPARAM(nCommand, 1), 0);
    return 1;
}
