// CMapStringToString: the map of strings to strings. Strings hash over their UTF-16 units
// (HashKey<LPCTSTR>); stored as the count and then key and value strings of each association.
#pragma once

#include "platform/core/Map.h"
#include "platform/core/String.h"

class CMapStringToString : public CMap<CString, LPCTSTR, CString, LPCTSTR> {
public:
    using CMap::CMap;
};
