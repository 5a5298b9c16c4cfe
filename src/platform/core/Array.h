// CArray: the growable array template of the classic class library, indexed from 0.
// CObArray, CPtrArray, CByteArray and CUIntArray are this template
// over their element types. New elements are value-initialised: zeros for numbers and plain
// records.
#pragma once

#include "platform/core/CollectionHelpers.h"
#include "platform/core/InlineStorage.h"
#include "platform/core/Types.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <type_traits>
#include <vector>

// How many elements an array of TYPE keeps inside itself before it allocates; 0 for a plain
// heap block. Point arrays are wire routes and their junction entries, six of each on a
// standard route: held inline, loading or copying a wire allocates nothing for them.
template <class TYPE>
inline constexpr std::size_t kArrayInlineElements = 0;
class CPoint;
template <>
inline constexpr std::size_t kArrayInlineElements<CPoint> = 6;

// The capacity the array moves to when nNewSize exceeds nCapacity: the array's own grow-by,
// or without one (0) an eighth of the current size kept between 4 and 1024 elements, as the
// classic library grows its arrays. A first allocation takes exactly what is asked for, or
// the grow-by when that is larger.
constexpr INT_PTR ArrayCapacityFor(INT_PTR nSize, INT_PTR nCapacity, INT_PTR nGrowBy,
                                   INT_PTR nNewSize)
{
    if (nNewSize <= nCapacity)
        return nCapacity;
    if (nCapacity == 0)
        return std::max(nNewSize, nGrowBy);
    const INT_PTR grow = nGrowBy > 0 ? nGrowBy : std::clamp<INT_PTR>(nSize / 8, 4, 1024);
    return std::max(nNewSize, nCapacity + grow);
}

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : private CCollectionNoCopy {
public:
    CArray() = default;

    INT_PTR GetSize() const { return INT_PTR(m_data.size()); }
    INT_PTR GetCount() const { return INT_PTR(m_data.size()); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }

    // Elements beyond the new size are destroyed; new ones are zeros. nGrowBy -1 keeps the
    // array's grow-by.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1)
    {
        if (nNewSize < 0)
            ThrowInvalidCollectionAccess("CArray::SetSize: negative size");
        if (nGrowBy >= 0)
            m_nGrowBy = nGrowBy;
        Reserve(nNewSize);
        m_data.resize(std::size_t(nNewSize));
    }
    // Replaces the contents with nCount elements copied from their bytes: plain records such as
    // a run taken from an archive, which may be unaligned and must not lie in this array.
    // nReadable, when given, is how many bytes at pBytes may be read (at least the elements'):
    // an array that keeps its elements inside itself may then copy its whole room at once.
    void SetFromBytes(const void* pBytes, INT_PTR nCount, std::size_t nReadable = 0)
    {
        static_assert(std::is_trivially_copyable_v<TYPE>, "SetFromBytes: not a plain record");
        if (nCount < 0)
            ThrowInvalidCollectionAccess("CArray::SetFromBytes: negative count");
        m_data.clear();
        Reserve(nCount);
        if constexpr (kArrayInlineElements<TYPE> > 0) {
            m_data.assign_bytes(pBytes, std::size_t(nCount), nReadable);
        } else {
            m_data.resize(std::size_t(nCount));
            if (nCount > 0)
                std::memcpy(static_cast<void*>(m_data.data()), pBytes,
                            std::size_t(nCount) * sizeof(TYPE));
        }
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data = Storage(); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data[Checked(nIndex)] = newElement; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

    // The elements in one block, null when the array is empty.
    const TYPE* GetData() const { return m_data.empty() ? nullptr : m_data.data(); }
    TYPE* GetData() { return m_data.empty() ? nullptr : m_data.data(); }

    // Grows the array to reach nIndex when needed; the elements in between are zeros.
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
    {
        if (nIndex < 0)
            ThrowInvalidCollectionAccess("CArray::SetAtGrow: negative index");
        TYPE value(newElement);  // newElement may be an element of this array
        if (nIndex >= GetSize())
            SetSize(nIndex + 1);
        m_data[std::size_t(nIndex)] = std::move(value);
    }
    INT_PTR Add(ARG_TYPE newElement)
    {
        const INT_PTR nIndex = GetSize();
        SetAtGrow(nIndex, newElement);
        return nIndex;
    }
    // Appends the elements of src (which may be this array); returns the index of the first.
    INT_PTR Append(const CArray& src)
    {
        const INT_PTR nOldSize = GetSize();
        const Storage copyOfSelf = &src == this ? m_data : Storage();
        const Storage& from = &src == this ? copyOfSelf : src.m_data;
        Reserve(nOldSize + INT_PTR(from.size()));
        m_data.insert(m_data.end(), from.begin(), from.end());
        return nOldSize;
    }
    void Copy(const CArray& src)
    {
        if (&src != this)
            m_data.assign(src.m_data.begin(), src.m_data.end());
    }

    // Inserts nCount copies of newElement at nIndex, growing the array when nIndex lies
    // beyond its end.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0)
            ThrowInvalidCollectionAccess("CArray::InsertAt: negative index or count");
        TYPE value(newElement);  // newElement may be an element of this array
        if (nIndex >= GetSize()) {
            SetSize(nIndex + nCount);
        } else {
            Reserve(GetSize() + nCount);
            m_data.insert(m_data.begin() + nIndex, std::size_t(nCount), TYPE());
        }
        std::fill_n(m_data.begin() + nIndex, nCount, value);
    }
    // Inserts the elements of pNewArray (which may be this array) at nStartIndex.
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
    {
        if (pNewArray->IsEmpty())
            return;
        const Storage inserted(pNewArray->m_data);
        InsertAt(nStartIndex, inserted.front(), INT_PTR(inserted.size()));
        std::copy(inserted.begin(), inserted.end(), m_data.begin() + nStartIndex);
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0 || nIndex + nCount > GetSize())
            ThrowInvalidCollectionAccess("CArray::RemoveAt: range outside the array");
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }

    // Stores the count, then the elements through SerializeElements. Loading replaces the
    // contents, keeping the storage the array has for the elements that arrive; the array
    // grows as they arrive, so a count larger than the data fails at the end of the archive
    // instead of reserving memory for elements that are not there.
    void Serialize(CArchive& ar)
    {
        if (ar.IsStoring()) {
            ar.WriteCount(GetCount());
            SerializeElements<TYPE>(ar, GetData(), GetSize());
            return;
        }
        m_data.clear();
        constexpr INT_PTR kChunk = std::max<INT_PTR>(1, 65536 / INT_PTR(sizeof(TYPE)));
        for (auto nLeft = ar.ReadCount(); nLeft > 0;) {
            const INT_PTR nOld = GetSize();
            const INT_PTR n = nLeft < decltype(nLeft)(kChunk) ? INT_PTR(nLeft) : kChunk;
            SetSize(nOld + n);
            SerializeElements<TYPE>(ar, GetData() + nOld, n);
            nLeft -= decltype(nLeft)(n);
        }
    }

private:
    using Storage = std::conditional_t<(kArrayInlineElements<TYPE> > 0),
                                       CInlineStorage<TYPE, kArrayInlineElements<TYPE>>,
                                       std::vector<TYPE>>;

    std::size_t Checked(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= GetSize())
            ThrowInvalidCollectionAccess("CArray: index outside the array");
        return std::size_t(nIndex);
    }
    void Reserve(INT_PTR nNewSize)
    {
        m_data.reserve(std::size_t(
            ArrayCapacityFor(GetSize(), INT_PTR(m_data.capacity()), m_nGrowBy, nNewSize)));
    }

    Storage m_data;
    INT_PTR m_nGrowBy = 0;
};
