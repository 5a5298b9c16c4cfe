// CObList: the list of object pointers that documents keep their elements in. It does not own
// the objects; the owner deletes them before it empties the list.
#pragma once

#include "platform/core/List.h"

class CArchive;
class CObject;

class CObList : public CList<CObject*, CObject*> {
public:
    using CList::CList;

    // Stores the count and one object record per element. Loading appends the objects read to
    // the list without emptying it first. When a load fails part way the archive has deleted
    // the object it was reading, and the objects read before it stay in the list: the owner
    // deletes them with the rest of its elements, as it would after a successful load.
    void Serialize(CArchive& ar);
};
