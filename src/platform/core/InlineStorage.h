// CInlineStorage: the element storage of an array of plain records (trivially copyable
// elements) that keeps up to N elements inside the array object itself and moves to the heap
// only beyond them. An array that mostly holds a handful of elements, such as a wire's route,
// then costs no allocation at all. The interface is the part of std::vector's that CArray uses,
// so that CArray can hold either. New elements from resize are zeros.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <type_traits>

template <class T, std::size_t N>
class CInlineStorage {
    static_assert(N > 0, "CInlineStorage: no inline elements; use std::vector");
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>,
                  "CInlineStorage: elements are copied as bytes");

public:
    using value_type = T;
    using iterator = T*;
    using const_iterator = const T*;

    CInlineStorage() noexcept = default;
    CInlineStorage(const CInlineStorage& other) { assign(other.begin(), other.end()); }
    // Heap elements change hands; inline ones are copied, as they live in the object.
    CInlineStorage(CInlineStorage&& other) noexcept { TakeFrom(other); }
    CInlineStorage& operator=(const CInlineStorage& other)
    {
        if (this != &other)
            assign(other.begin(), other.end());
        return *this;
    }
    CInlineStorage& operator=(CInlineStorage&& other) noexcept
    {
        if (this != &other) {
            FreeHeap();
            TakeFrom(other);
        }
        return *this;
    }
    ~CInlineStorage() { FreeHeap(); }

    std::size_t size() const { return m_nSize; }
    std::size_t capacity() const { return m_nCapacity; }
    bool empty() const { return m_nSize == 0; }
    // TRUE while the elements live inside the object.
    bool IsInline() const { return m_pData == Inline(); }

    T* data() { return m_pData; }
    const T* data() const { return m_pData; }
    T* begin() { return m_pData; }
    const T* begin() const { return m_pData; }
    T* end() { return m_pData + m_nSize; }
    const T* end() const { return m_pData + m_nSize; }
    T& operator[](std::size_t i) { return m_pData[i]; }
    const T& operator[](std::size_t i) const { return m_pData[i]; }
    T& front() { return m_pData[0]; }
    const T& front() const { return m_pData[0]; }

    void reserve(std::size_t nCapacity)
    {
        if (nCapacity > m_nCapacity)
            MoveTo(nCapacity);
    }
    void resize(std::size_t nSize)
    {
        if (nSize > m_nSize) {
            reserve(std::max(nSize, m_nSize * 2));
            std::memset(static_cast<void*>(m_pData + m_nSize), 0, (nSize - m_nSize) * sizeof(T));
        }
        m_nSize = nSize;
    }
    void clear() { m_nSize = 0; }
    // Back inside the object when the elements fit there, else a heap block of their size.
    void shrink_to_fit()
    {
        if (!IsInline() && m_nSize < m_nCapacity)
            MoveTo(std::max(m_nSize, N));
    }

    // The elements of [first, last), which must not lie in this storage.
    void assign(const T* first, const T* last)
    {
        const auto nCount = std::size_t(last - first);
        m_nSize = 0;
        reserve(nCount);
        CopyElements(m_pData, first, nCount);
        m_nSize = nCount;
    }
    // nCount elements copied from their bytes (which may be unaligned and must not lie in this
    // storage), with no zeros written first. When nReadable bytes at pBytes may be read and the
    // elements fit the inline room, the whole room's worth is copied in one move of a fixed
    // size (the room is never smaller than that), which costs less than a copy of nCount.
    void assign_bytes(const void* pBytes, std::size_t nCount, std::size_t nReadable = 0)
    {
        if (nCount <= N && nReadable >= N * sizeof(T)) {
            std::memcpy(static_cast<void*>(m_pData), pBytes, N * sizeof(T));
            m_nSize = nCount;
            return;
        }
        m_nSize = 0;
        reserve(nCount);
        if (nCount > 0)
            std::memcpy(static_cast<void*>(m_pData), pBytes, nCount * sizeof(T));
        m_nSize = nCount;
    }
    T* insert(const T* pos, std::size_t nCount, const T& value)
    {
        const T copy(value); // value may be an element that the growth moves
        T* pAt = OpenGap(pos, nCount);
        std::fill_n(pAt, nCount, copy);
        return pAt;
    }
    // The elements of [first, last), which must not lie in this storage.
    T* insert(const T* pos, const T* first, const T* last)
    {
        const auto nCount = std::size_t(last - first);
        T* pAt = OpenGap(pos, nCount);
        CopyElements(pAt, first, nCount);
        return pAt;
    }
    T* erase(const T* first, const T* last)
    {
        const auto nAt = std::size_t(first - m_pData);
        const auto nCount = std::size_t(last - first);
        MoveElements(m_pData + nAt, last, m_nSize - nAt - nCount);
        m_nSize -= nCount;
        return m_pData + nAt;
    }

private:
    T* Inline() { return reinterpret_cast<T*>(m_inline); }
    const T* Inline() const { return reinterpret_cast<const T*>(m_inline); }

    // memcpy and memmove with a count of zero still need valid pointers; a null source is
    // what an empty range may bring.
    static void CopyElements(T* pTo, const T* pFrom, std::size_t nCount)
    {
        if (nCount > 0)
            std::memcpy(static_cast<void*>(pTo), pFrom, nCount * sizeof(T));
    }
    static void MoveElements(T* pTo, const T* pFrom, std::size_t nCount)
    {
        if (nCount > 0)
            std::memmove(static_cast<void*>(pTo), pFrom, nCount * sizeof(T));
    }

    // Makes room for nCount elements at pos, growing at least geometrically when they do not
    // fit, and returns where they go.
    T* OpenGap(const T* pos, std::size_t nCount)
    {
        const auto nAt = std::size_t(pos - m_pData);
        if (m_nSize + nCount > m_nCapacity)
            MoveTo(std::max(m_nSize + nCount, m_nCapacity * 2));
        MoveElements(m_pData + nAt + nCount, m_pData + nAt, m_nSize - nAt);
        m_nSize += nCount;
        return m_pData + nAt;
    }

    // The elements move to storage of nCapacity elements: inside the object when that is
    // N, else a heap block.
    void MoveTo(std::size_t nCapacity)
    {
        T* pNew = nCapacity <= N ? Inline() : std::allocator<T>().allocate(nCapacity);
        if (pNew == m_pData)
            return;
        CopyElements(pNew, m_pData, m_nSize);
        FreeHeap();
        m_pData = pNew;
        m_nCapacity = std::max(nCapacity, N);
    }
    void FreeHeap()
    {
        if (!IsInline())
            std::allocator<T>().deallocate(m_pData, m_nCapacity);
    }
    void TakeFrom(CInlineStorage& other) noexcept
    {
        if (other.IsInline()) {
            m_pData = Inline();
            m_nCapacity = N;
            CopyElements(m_pData, other.m_pData, other.m_nSize);
        } else {
            m_pData = other.m_pData;
            m_nCapacity = other.m_nCapacity;
        }
        m_nSize = other.m_nSize;
        other.m_pData = other.Inline();
        other.m_nCapacity = N;
        other.m_nSize = 0;
    }

    T* m_pData = Inline();
    std::size_t m_nSize = 0;
    std::size_t m_nCapacity = N;
    alignas(T) unsigned char m_inline[N * sizeof(T)];
};
