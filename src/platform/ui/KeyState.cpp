#include "platform/ui/KeyState.h"

#include "platform/ui/Msg.h"

#include <array>

namespace {

struct KeyRecord {
    bool bDown = false;
    bool bToggled = false;
};

std::array<KeyRecord, 256>& Keys()
{
    static std::array<KeyRecord, 256> s_keys;
    return s_keys;
}

int GenericModifier(int nVirtKey)
{
    switch (nVirtKey) {
    case VK_LSHIFT:
    case VK_RSHIFT:
        return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL:
        return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU:
        return VK_MENU;
    default:
        return 0;
    }
}

void SetOne(int nVirtKey, bool bDown)
{
    KeyRecord& key = Keys()[size_t(nVirtKey)];
    if (bDown && !key.bDown)
        key.bToggled = !key.bToggled;
    key.bDown = bDown;
}

}  // namespace

SHORT GetKeyState(int nVirtKey)
{
    if (nVirtKey < 0 || nVirtKey > 0xFF)
        return 0;
    const KeyRecord& key = Keys()[size_t(nVirtKey)];
    return SHORT((key.bDown ? 0x8000 : 0) | (key.bToggled ? 1 : 0));
}

SHORT GetAsyncKeyState(int nVirtKey) { return SHORT(GetKeyState(nVirtKey) & 0x8000); }

void AfxSetKeyState(int nVirtKey, bool bDown)
{
    if (nVirtKey < 0 || nVirtKey > 0xFF)
        return;
    SetOne(nVirtKey, bDown);
    if (const int nGeneric = GenericModifier(nVirtKey))
        SetOne(nGeneric, bDown);
}

void AfxResetKeyState() { Keys().fill(KeyRecord{}); }

UINT AfxGetMouseKeyFlags()
{
    static constexpr struct {
        int nVirtKey;
        UINT nFlag;
    } kFlags[] = {{VK_LBUTTON, MK_LBUTTON}, {VK_RBUTTON, MK_RBUTTON}, {VK_MBUTTON, MK_MBUTTON},
                  {VK_SHIFT, MK_SHIFT},     {VK_CONTROL, MK_CONTROL}};
    UINT nFlags = 0;
    for (const auto& flag : kFlags) {
        if (GetKeyState(flag.nVirtKey) < 0)
            nFlags |= flag.nFlag;
    }
    return nFlags;
}
