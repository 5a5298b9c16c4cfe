// CByteArray: an array of bytes, stored as its count and the raw bytes.
#pragma once

#include "platform/core/Array.h"

class CByteArray : public CArray<BYTE, BYTE> {};
