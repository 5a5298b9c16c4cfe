// A font's face name as LOGFONT holds it: a file may fill all of its units with no terminator.
#pragma once

#include "platform/core/Types.h"

#include <string_view>

// The face name up to its terminator or the end of its array.
inline std::u16string_view FaceNameOf(const LOGFONT& font)
{
    const std::u16string_view whole(font.lfFaceName, LF_FACESIZE);
    return whole.substr(0, whole.find(u'\0'));
}
