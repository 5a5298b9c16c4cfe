#include "platform/core/CollectionHelpers.h"

#include <stdexcept>

void ThrowInvalidCollectionAccess(const char* what)
{
    throw std::out_of_range(what);
}

template <>
UINT HashKey<LPCTSTR>(LPCTSTR key)
{
    UINT nHash = 0;
    while (*key)
        nHash = (nHash << 5) + nHash + *key++;
    return nHash;
}

template <>
UINT HashKey<const CString&>(const CString& key)
{
    return HashKey<LPCTSTR>(key.GetString());
}
