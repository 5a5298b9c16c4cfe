#include "platform/core/ObList.h"

#include "platform/core/Archive.h"
#include "platform/core/Object.h"

void CObList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(DWORD_PTR(GetCount()));
        ar.ReserveObjects(std::size_t(GetCount()));
        for (POSITION pos = GetHeadPosition(); pos;)
            ar.WriteObject(GetNext(pos));
    } else {
        for (DWORD_PTR n = ar.ReadCount(); n > 0; --n)
            AddTail(ar.ReadObject(nullptr));
    }
}
