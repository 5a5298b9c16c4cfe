#include "platform/ui/Msg.h"

#include <map>
#include <string>

UINT RegisterWindowMessage(LPCTSTR lpString)
{
    if (!lpString || !*lpString)
        return 0;
    // Names compare without regard to case, as the window system's atoms do.
    std::u16string key(lpString);
    for (char16_t& ch : key) {
        if (ch >= u'a' && ch <= u'z')
            ch = char16_t(ch - u'a' + u'A');
    }
    static std::map<std::u16string, UINT> s_registered;
    auto [it, inserted] = s_registered.try_emplace(key, 0);
    if (inserted) {
        const UINT nNext = REGISTERED_MESSAGE_FIRST + UINT(s_registered.size() - 1);
        if (nNext > 0xFFFF) {
            s_registered.erase(it);
            return 0;
        }
        it->second = nNext;
    }
    return it->second;
}
