// CPtrList: a list of untyped pointers for work lists; it never owns what they point to.
#pragma once

#include "platform/core/List.h"

class CPtrList : public CList<void*, void*> {
public:
    using CList::CList;
};
