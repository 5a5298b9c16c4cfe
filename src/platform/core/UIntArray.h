// CUIntArray: an array of unsigned ints (4 bytes each when stored).
#pragma once

#include "platform/core/Array.h"

class CUIntArray : public CArray<UINT, UINT> {};
