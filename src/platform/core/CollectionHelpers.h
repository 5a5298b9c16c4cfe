// The element helpers shared by the collection templates: how elements are compared, hashed
// and written to an archive. A collection of a type of its own specialises the helper
// it needs (SerializeElements<CMyRecord>, HashKey<const CMyKey&>) before it first uses the
// collection's operation, as with the classic class library.
#pragma once

#include "platform/core/Archive.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <bit>
#include <type_traits>

// Collections are non-owning containers of plain C++ objects: they are not CObjects and they
// are not copied by accident.
class CCollectionNoCopy {
public:
    CCollectionNoCopy() = default;
    CCollectionNoCopy(const CCollectionNoCopy&) = delete;
    CCollectionNoCopy& operator=(const CCollectionNoCopy&) = delete;
};

// A bad index or position is a programming error; it throws std::out_of_range rather than
// touching memory that is not the collection's.
[[noreturn]] void ThrowInvalidCollectionAccess(const char* what);

template <class TYPE, class ARG_TYPE>
BOOL CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// Integer keys hash as the classic library does ((UINT)key >> 4): the order in which a map's
// associations are iterated, and so written to files, depends on it.
template <class ARG_KEY>
UINT HashKey(ARG_KEY key)
{
    using K = std::remove_cvref_t<ARG_KEY>;
    if constexpr (std::is_integral_v<K> || std::is_enum_v<K>)
        return UINT(key) >> 4;
    else if constexpr (std::is_pointer_v<K>)
        return UINT(reinterpret_cast<UINT_PTR>(key)) >> 4;
    else
        static_assert(!sizeof(K), "HashKey: specialise HashKey for this key type");
}

// Strings hash over their UTF-16 units with hash * 33 + unit.
template <>
UINT HashKey<LPCTSTR>(LPCTSTR key);
template <>
UINT HashKey<const CString&>(const CString& key);

// Raw element bytes are the little-endian file layout only on a little-endian machine.
static_assert(std::endian::native == std::endian::little);

// Plain trivially-copyable elements (numbers, BYTE, points, fixed records) are written as their
// raw bytes and CStrings as archive strings; any other element type needs a specialisation.
// Pointers are refused: their bytes mean nothing in a file.
template <class TYPE>
void SerializeElements(CArchive& ar, TYPE* pElements, INT_PTR nCount)
{
    static_assert((std::is_trivially_copyable_v<TYPE> && !std::is_pointer_v<TYPE>) ||
                      std::is_same_v<TYPE, CString>,
                  "SerializeElements: specialise SerializeElements for this element type");
    if (nCount <= 0)
        return;
    if constexpr (std::is_same_v<TYPE, CString>) {
        for (INT_PTR i = 0; i < nCount; ++i) {
            if (ar.IsStoring())
                ar << pElements[i];
            else
                ar >> pElements[i];
        }
    } else if (ar.IsStoring()) {
        ar.Write(pElements, UINT(std::size_t(nCount) * sizeof(TYPE)));
    } else {
        // A short archive throws end-of-file rather than leaving elements half read.
        ar.EnsureRead(pElements, UINT(std::size_t(nCount) * sizeof(TYPE)));
    }
}
