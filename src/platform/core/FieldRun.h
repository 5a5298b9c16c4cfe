// ReadFields: the fixed-size fields that stand one after another in a record, read from an
// archive in one piece (one bound check, no copy when the archive reads a memory file in place)
// and handed to their members: the mirror of CArchive::WriteFields, taking the same list of
// fields. A record of a few dozen ints read one by one spends more on the archive's bookkeeping
// than on the bytes. The bytes are the stored little-endian fields, as the archive's own
// operators read them.
#pragma once

#include "platform/core/Archive.h"
#include "platform/core/Types.h"

#include <bit>
#include <cstddef>
#include <cstring>
#include <type_traits>

// A WORD field held in an int member (the writer passes WORD(member)).
struct CWordField {
    int& nValue;
};
inline CWordField AsWord(int& nValue)
{
    return {nValue};
}

namespace field_run {

static_assert(std::endian::native == std::endian::little && sizeof(int) == 4);

// The types whose memory is their stored form, as WriteFields takes them.
template <class Field>
constexpr bool IsStoredField()
{
    using T = std::remove_all_extents_t<Field>;
    return std::is_same_v<T, BYTE> || std::is_same_v<T, WORD> || std::is_same_v<T, short> ||
           std::is_same_v<T, int> || std::is_same_v<T, UINT> || std::is_same_v<T, float> ||
           std::is_same_v<T, double> ||
           (std::is_base_of_v<POINT, T> && sizeof(T) == sizeof(POINT)) ||
           (std::is_base_of_v<SIZE, T> && sizeof(T) == sizeof(SIZE)) ||
           (std::is_base_of_v<RECT, T> && sizeof(T) == sizeof(RECT));
}

template <class Field>
constexpr std::size_t StoredBytes()
{
    if constexpr (std::is_same_v<Field, CWordField>) {
        return sizeof(WORD);
    } else {
        static_assert(IsStoredField<Field>(), "ReadFields: not a stored field type");
        return sizeof(Field);
    }
}

template <class Field>
void Take(const BYTE* pBytes, Field& field)
{
    std::memcpy(static_cast<void*>(&field), pBytes, sizeof field);
}
inline void Take(const BYTE* pBytes, CWordField field)
{
    WORD w;
    std::memcpy(&w, pBytes, sizeof w);
    field.nValue = w;
}

// Every field's offset is a constant: each field is one load from the run and one store, and
// nothing of the archive is read again between them.
template <class... Fields>
[[gnu::always_inline]] inline void TakeAll(const BYTE* pRun, Fields&&... fields)
{
    std::size_t nAt = 0;
    ((Take(pRun + nAt, fields), nAt += StoredBytes<std::remove_cvref_t<Fields>>()), ...);
}

}  // namespace field_run

// Reads the fields' bytes and sets the fields in order; a short archive throws end-of-file, as a
// field-by-field read would, and sets none of them.
template <class... Fields>
[[gnu::always_inline]] inline void ReadFields(CArchive& ar, Fields&&... fields)
{
    constexpr std::size_t nBytes =
        (field_run::StoredBytes<std::remove_cvref_t<Fields>>() + ...);
    if (const BYTE* pRun = ar.TakeInPlace(nBytes)) {
        field_run::TakeAll(pRun, fields...);
        return;
    }
    BYTE run[nBytes];
    ar.EnsureRead(run, UINT(nBytes));
    field_run::TakeAll(run, fields...);
}
