// CRecordReader: reads one record's fields and texts with the archive's position held in
// registers. The archive keeps its position in itself, and as far as the compiler knows every
// store into a loaded field may overwrite it, so that each of the archive's own reads loads
// the position again and stores it back; the reader takes it over for the record, hands it
// back when it ends and around any read it leaves to the archive.
//
// Fields stand one after another in a record and are read as runs with one bound check, the
// mirror of CArchive::WriteFields with the same list of fields: each field is one load and one
// store at a constant offset, whole arrays move in vector copies. The bytes are the stored
// little-endian fields, as the archive's own operators read them.
#pragma once

#include "platform/core/Archive.h"
#include "platform/core/ObjectArena.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <bit>
#include <cstddef>
#include <cstring>
#include <memory>
#include <type_traits>

// A WORD field held in an int member (the writer passes WORD(member)).
struct CWordField {
    int& nValue;
};
inline CWordField AsWord(int& nValue)
{
    return {nValue};
}

// Slots<First, Count>(array): Count neighbouring elements of an array from First on, which the
// record stores one after another in the same order, as one field that moves in one copy.
// Listed one by one they would move one by one, as the compiler cannot tell that the record's
// bytes never overlap them.
template <class T, std::size_t Count>
struct CSlotRun {
    static constexpr std::size_t kCount = Count;
    T* pFirst;
};
template <std::size_t First, std::size_t Count, class T, std::size_t N>
CSlotRun<T, Count> Slots(T (&array)[N])
{
    static_assert(First + Count <= N, "Slots: beyond the array");
    return {array + First};
}

namespace field_run {

static_assert(std::endian::native == std::endian::little && sizeof(int) == 4);

template <class Field>
struct SlotRunOf : std::false_type {};
template <class T, std::size_t Count>
struct SlotRunOf<CSlotRun<T, Count>> : std::true_type {};

template <class Field>
constexpr std::size_t StoredBytes()
{
    if constexpr (std::is_same_v<Field, CWordField>) {
        return sizeof(WORD);
    } else if constexpr (SlotRunOf<Field>::value) {
        return sizeof(Field::pFirst[0]) * Field::kCount;
    } else {
        static_assert(IsStoredField<Field>(), "CRecordReader: not a stored field type");
        return sizeof(Field);
    }
}

template <class Field>
void Take(const BYTE* pBytes, Field& field)
{
    std::memcpy(static_cast<void*>(&field), pBytes, sizeof field);
}
template <class T, std::size_t Count>
void Take(const BYTE* pBytes, CSlotRun<T, Count> slots)
{
    static_assert(IsStoredField<T>(), "CRecordReader: not a stored field type");
    std::memcpy(static_cast<void*>(slots.pFirst), pBytes, sizeof(T) * Count);
}
inline void Take(const BYTE* pBytes, CWordField field)
{
    WORD w;
    std::memcpy(&w, pBytes, sizeof w);
    field.nValue = w;
}

template <class... Fields>
[[gnu::always_inline]] inline void TakeAll(const BYTE* pRun, Fields&&... fields)
{
    std::size_t nAt = 0;
    ((Take(pRun + nAt, fields), nAt += StoredBytes<std::remove_cvref_t<Fields>>()), ...);
}

}  // namespace field_run

// While a reader lives, read its archive through it only.
class CRecordReader {
public:
    [[gnu::always_inline]] explicit CRecordReader(CArchive& ar) : m_ar(ar) { TakeOver(); }
    [[gnu::always_inline]] ~CRecordReader() { HandBack(); }
    CRecordReader(const CRecordReader&) = delete;
    CRecordReader& operator=(const CRecordReader&) = delete;

    // Reads the fields' bytes and sets the fields in order; data that ends within them throws
    // end-of-file, as a field-by-field read would, and sets none of them.
    template <class... Stored>
    [[gnu::always_inline]] CRecordReader& Fields(Stored&&... fields)
    {
        constexpr std::size_t nBytes =
            (field_run::StoredBytes<std::remove_cvref_t<Stored>>() + ...);
        if (nBytes <= m_nEnd - m_nPos) [[likely]] {
            const BYTE* pRun = m_pBytes + m_nPos;
            m_nPos += nBytes;
            field_run::TakeAll(pRun, fields...);
        } else {
            BYTE run[nBytes];
            Through([&run](CArchive& ar) { ar.EnsureRead(run, UINT(nBytes)); });
            field_run::TakeAll(run, fields...);
        }
        return *this;
    }
    template <class T>
        requires std::is_arithmetic_v<T>
    [[gnu::always_inline]] CRecordReader& operator>>(T& value)
    {
        return Fields(value);
    }
    // The empty text, most of a record's texts, and the text of one unit, a message text's
    // cell, are taken here and any other short wide text from the bytes at hand; the other
    // forms go to the archive.
    [[gnu::always_inline]] CRecordReader& operator>>(CString& str)
    {
        static constexpr BYTE kEmptyWideString[4] = {0xFF, 0xFE, 0xFF, 0x00};
        static constexpr BYTE kOneUnitWideString[4] = {0xFF, 0xFE, 0xFF, 0x01};
        const BYTE* pBytes = m_pBytes + m_nPos;
        const std::size_t nLeft = m_nEnd - m_nPos;
        if (sizeof kEmptyWideString <= nLeft &&
            std::memcmp(pBytes, kEmptyWideString, sizeof kEmptyWideString) == 0) {
            m_nPos += sizeof kEmptyWideString;
            str.Empty();
        } else if (sizeof kOneUnitWideString + sizeof(TCHAR) <= nLeft &&
                   std::memcmp(pBytes, kOneUnitWideString, sizeof kOneUnitWideString) == 0) {
            TCHAR ch;
            std::memcpy(&ch, pBytes + sizeof kOneUnitWideString, sizeof ch);
            m_nPos += sizeof kOneUnitWideString + sizeof ch;
            str = ch;
        } else if (const std::size_t nTaken = CArchive::TakeShortWideString(pBytes, nLeft, str)) {
            m_nPos += nTaken;
        } else {
            Through([&str](CArchive& ar) { ReadStringRecord(ar, str); });
        }
        return *this;
    }

    // A counted run of fixed-size elements taken in one step, as CArchive::TakeCountedRun
    // takes it: the elements' bytes, with their count in nCount, to be copied before the next
    // read; null, with nothing taken, where the archive would refuse it.
    [[gnu::always_inline]] const BYTE* TakeCountedRun(std::size_t nElementSize,
                                                      std::size_t& nCount)
    {
        const BYTE* pBytes = m_pBytes + m_nPos;
        const std::size_t nRun =
            CArchive::CountedRunBytes(pBytes, m_nEnd - m_nPos, nElementSize, nCount);
        if (nRun == 0)
            return nullptr;
        m_nPos += nRun;
        return pBytes + sizeof(WORD);
    }

    // Loading a list whose records are mostly new objects of one class, as a document's wires
    // are: once ReadObject has made a T under a short class tag, the records that follow while
    // each carries that tag, up to nMost of them. Each is what ReadObject would make of it,
    // without the general decoding and the calls through the class: a T made in the load's
    // arena, entered in the archive's table, read by load(T&, CRecordReader&) with its class's
    // schema as the archive's object schema, then handed to taken(T*). A T whose load throws
    // is deleted and lost to later references, as ReadObject's is. The number of records read;
    // any other record ends the run, to be read by ReadObject.
    template <class T, class Load, class Taken>
    DWORD_PTR ReadRunOf(DWORD_PTR nMost, Load load, Taken taken)
    {
        // T's own class is the one that makes its objects with T's creator.
        const CRuntimeClass* pRunClass = m_ar.m_pRunClass;
        if (!pRunClass || pRunClass->m_pfnCreateObject != &T::CreateObject || m_ar.m_wRunClassTag == 0)
            return 0;
        const WORD wTag = m_ar.m_wRunClassTag;
        const UINT nSchema = m_ar.m_nRunSchema;
        DWORD_PTR nRead = 0;
        for (; nRead < nMost && TakeTag(wTag); ++nRead) {
            std::unique_ptr<T> pObject(NewInScope<T>());
            m_ar.ReadEnteredObject(pObject.get(), nSchema, [&] { load(*pObject, *this); });
            taken(pObject.release());
        }
        return nRead;
    }

    // How many of the bytes at hand, from pBytes on (taken by the reader), may still be read.
    std::size_t ReadableFrom(const BYTE* pBytes) const
    {
        return std::size_t(m_pBytes + m_nEnd - pBytes);
    }

    // Any other read, done by the archive at the reader's position.
    template <class Read>
    void Through(Read&& read)
    {
        HandBack();
        m_pBytes = nullptr; // handed back: a read that throws leaves the archive where it is
        read(m_ar);
        TakeOver();
    }

private:
    // Takes the next record's tag when it is wTag.
    bool TakeTag(WORD wTag)
    {
        WORD wNext;
        if (m_nEnd - m_nPos < sizeof wNext)
            return false;
        std::memcpy(&wNext, m_pBytes + m_nPos, sizeof wNext);
        if (wNext != wTag)
            return false;
        m_nPos += sizeof wNext;
        return true;
    }

    // Loading, the bytes at hand: a memory file's rest, or what the archive's buffer holds.
    // A storing archive offers none, and every read goes to it (and fails there).
    void TakeOver()
    {
        if (m_ar.m_bLoading) {
            m_pBytes = m_ar.m_pLoadBytes;
            m_nPos = m_ar.m_nBufCur;
            m_nEnd = m_ar.m_nBufMax;
        } else {
            m_pBytes = nullptr;
            m_nPos = m_nEnd = 0;
        }
    }
    // With no bytes at hand nothing was taken, and the archive's position stands.
    void HandBack()
    {
        if (m_pBytes)
            m_ar.m_nBufCur = m_nPos;
    }

    CArchive& m_ar;
    const BYTE* m_pBytes = nullptr;
    std::size_t m_nPos = 0;
    std::size_t m_nEnd = 0;
};

// A record that is one run of fields.
template <class... Fields>
[[gnu::always_inline]] inline void ReadFields(CArchive& ar, Fields&&... fields)
{
    CRecordReader(ar).Fields(fields...);
}
