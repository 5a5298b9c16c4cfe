// Walks over the document's object lists by the kind of object they hold.
#pragma once

#include "platform/core/ObList.h"

#include <cstddef>
#include <vector>

// The entries of an object list that are objects of the kind, in list order; null entries and
// entries of another class are passed over.
template <class T, class Visit>
void ForEachListed(const CObList& list, Visit visit)
{
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        if (T* pObject = dynamic_cast<T*>(list.GetNext(pos)))
            visit(*pObject);
    }
}

template <class T, class Match>
T* FindListed(const CObList& list, Match match)
{
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        T* pObject = dynamic_cast<T*>(list.GetNext(pos));
        if (pObject && match(*pObject))
            return pObject;
    }
    return nullptr;
}

// The list's objects as a typed snapshot, safe to walk while the list changes.
template <class T>
std::vector<T*> ListSnapshot(const CObList& list)
{
    std::vector<T*> items;
    items.reserve(std::size_t(list.GetCount()));
    for (POSITION pos = list.GetHeadPosition(); pos;)
        items.push_back(static_cast<T*>(list.GetNext(pos)));
    return items;
}
