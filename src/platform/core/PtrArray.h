// CPtrArray: an array of untyped pointers; it never owns what they point to.
#pragma once

#include "platform/core/Array.h"

class CPtrArray : public CArray<void*, void*> {};
