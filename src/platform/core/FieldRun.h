// CFieldRun: fixed-size fields that stand one after another in a record, read from an archive
// in one piece (one bound check, at most one copy: none when the archive reads a memory file in
// place) and then taken apart in the record's order. A record
// of a few dozen ints read one by one spends more on the archive's bookkeeping than on the
// bytes. The bytes are the stored little-endian fields, as the archive's own operators read
// them.
#pragma once

#include "platform/core/Archive.h"
#include "platform/core/CollectionHelpers.h"
#include "platform/core/Types.h"

#include <bit>
#include <cstddef>
#include <cstring>
#include <type_traits>

template <std::size_t N>
class CFieldRun {
public:
    // Reads the N bytes; a short archive throws end-of-file as a field-by-field read would.
    explicit CFieldRun(CArchive& ar) : m_pBytes(ar.TakeInPlace(N))
    {
        if (!m_pBytes) {
            ar.EnsureRead(m_bytes, UINT(N));
            m_pBytes = m_bytes;
        }
        // Set after the read, which had the run's address: the compiler knows the position
        // from here on and the offsets of the fields become constants.
        m_nTaken = 0;
    }

    template <class T>
        requires std::is_arithmetic_v<T>
    CFieldRun& operator>>(T& value)
    {
        value = Take<T>();
        return *this;
    }
    CFieldRun& operator>>(POINT& pt) { return *this >> pt.x >> pt.y; }
    // nCount ints stored one after another.
    CFieldRun& Ints(int* pValues, std::size_t nCount)
    {
        const BYTE* pBytes = Skip(nCount * sizeof(int));
        for (std::size_t i = 0; i < nCount; ++i)
            pValues[i] = Load<int>(pBytes + i * sizeof(int));
        return *this;
    }
    // A WORD field held in an int member.
    int WordAsInt()
    {
        return Take<WORD>();
    }
    // TRUE when every byte of the run has been taken: a run sized wrongly for its record.
    bool IsComplete() const { return m_nTaken == N; }

private:
    static_assert(std::endian::native == std::endian::little && sizeof(int) == 4);

    // Each field is copied into a value of its type and then assigned: a typed store cannot
    // change the run's own position, so the compiler keeps it in a register and folds the
    // checks of a run whose fields it can count.
    template <class T>
    T Take()
    {
        return Load<T>(Skip(sizeof(T)));
    }
    // The next nBytes of the run. Taking more than the run holds is a fault of the record's
    // code, not of the file.
    const BYTE* Skip(std::size_t nBytes)
    {
        if (nBytes > N - m_nTaken)
            ThrowInvalidCollectionAccess("CFieldRun: a field beyond the run");
        const BYTE* pBytes = m_pBytes + m_nTaken;
        m_nTaken += nBytes;
        return pBytes;
    }
    template <class T>
    static T Load(const BYTE* pBytes)
    {
        T value;
        std::memcpy(&value, pBytes, sizeof value);
        return value;
    }

    // The run: in the memory file the archive reads, or copied into m_bytes.
    const BYTE* m_pBytes;
    BYTE m_bytes[N];
    std::size_t m_nTaken;
};
