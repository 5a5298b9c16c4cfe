// A list of type codes named one by one (their BT_ names). A table row or a predicate that
// serves several types lists them instead of taking a range of codes, so that a code added
// between two of them is never taken in without an entry of its own.
#pragma once

#include <algorithm>
#include <initializer_list>

using TypeCodeList = std::initializer_list<int>;

constexpr bool ListsType(TypeCodeList types, int nType)
{
    return std::find(types.begin(), types.end(), nType) != types.end();
}
