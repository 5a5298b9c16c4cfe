#include "platform/core/ObArray.h"

#include "platform/core/Archive.h"
#include "platform/core/Object.h"

void CObArray::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(GetCount());
        ar.ReserveObjects(std::size_t(GetCount()));
        for (INT_PTR i = 0; i < GetSize(); ++i)
            ar.WriteObject(GetAt(i));
        return;
    }
    // Grown one object at a time: a count larger than the data fails at the end of the
    // archive rather than reserving room for objects that are not there.
    RemoveAll();
    for (auto n = ar.ReadCount(); n > 0; --n)
        Add(ar.ReadObject(nullptr));
}
