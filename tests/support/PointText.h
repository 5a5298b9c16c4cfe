// A point as the tests print it in their messages: "(x, y)".
#pragma once

#include "platform/core/Types.h"

#include <string>

inline std::string PointText(POINT point)
{
    // Appended: a literal joined to a string with + sets off a false overlap warning in the
    // optimised build.
    std::string str = "(";
    str += std::to_string(point.x);
    str += ", ";
    str += std::to_string(point.y);
    str += ')';
    return str;
}
