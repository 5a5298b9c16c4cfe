// CObArray: an array of object pointers, null entries allowed. It does not own the objects.
#pragma once

#include "platform/core/Array.h"

class CArchive;
class CObject;

class CObArray : public CArray<CObject*, CObject*> {
public:
    // Stores the count and one object record per element (a null entry as the null record).
    // Loading replaces the entries with the objects read, without deleting the old ones. When
    // a load fails part way the archive has deleted the object it was reading, and the array
    // holds the objects read before it for the owner to delete.
    void Serialize(CArchive& ar);
};
