// CPointerIndexMap: the store map of an archive, the index each object and class already written
// has. Open addressing in one array: a project file holds thousands of objects, and a node
// allocated per entry cost more than writing the objects' bytes.
#pragma once

#include "platform/core/Types.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

class CPointerIndexMap {
public:
    // The index stored for p; 0 (no index is 0) when p has none.
    DWORD Find(const void* p) const
    {
        if (m_slots.empty())
            return 0;
        for (std::size_t i = SlotOf(p);; i = (i + 1) & (m_slots.size() - 1)) {
            if (m_slots[i].p == p)
                return m_slots[i].dwIndex;
            if (!m_slots[i].p)
                return 0;
        }
    }

    // Gives p, which has no index yet and is not null, the index dwIndex (not 0).
    void Insert(const void* p, DWORD dwIndex)
    {
        if (2 * (m_nCount + 1) > m_slots.size())
            Grow();
        std::size_t i = SlotOf(p);
        while (m_slots[i].p)
            i = (i + 1) & (m_slots.size() - 1);
        m_slots[i] = {p, dwIndex};
        ++m_nCount;
    }

    // The index of p (not null) as a place to fill in, found or entered in one walk of the
    // table: 0 when p had none, and p then stands in the table with that 0 (which Find reports
    // as no index) until the caller stores the index. The reference holds until the next entry.
    DWORD& FindOrAdd(const void* p)
    {
        if (2 * (m_nCount + 1) > m_slots.size())
            Grow();
        std::size_t i = SlotOf(p);
        for (; m_slots[i].p; i = (i + 1) & (m_slots.size() - 1)) {
            if (m_slots[i].p == p)
                return m_slots[i].dwIndex;
        }
        m_slots[i] = {p, 0};
        ++m_nCount;
        return m_slots[i].dwIndex;
    }

    // Makes room for nMore entries beyond the present ones, so that adding them moves none:
    // a table grown step by step while a long list is written enters every entry twice.
    void Reserve(std::size_t nMore)
    {
        if (2 * (m_nCount + nMore) <= m_slots.size())
            return;
        std::size_t nSize = std::max(kInitialSlots, m_slots.size());
        while (2 * (m_nCount + nMore) > nSize)
            nSize *= 2;
        Rehash(nSize);
    }

private:
    struct Slot {
        const void* p;
        DWORD dwIndex;
    };

    // Fibonacci hashing of the address: objects lie at regular distances, which the
    // multiplication spreads over the table.
    std::size_t SlotOf(const void* p) const
    {
        const auto nKey = std::uint64_t(reinterpret_cast<std::uintptr_t>(p));
        return std::size_t((nKey * 0x9E3779B97F4A7C15ull) >> m_nShift);
    }

    void Grow() { Rehash(m_slots.empty() ? kInitialSlots : m_slots.size() * 2); }

    void Rehash(std::size_t nSize)
    {
        // Value-initialised, so that the empty table is one block of zeros.
        std::vector<Slot> old = std::exchange(m_slots, std::vector<Slot>(nSize));
        m_nShift = 64 - std::countr_zero(nSize);
        m_nCount = 0;
        for (const Slot& slot : old) {
            if (slot.p)
                Insert(slot.p, slot.dwIndex);
        }
    }

    static constexpr std::size_t kInitialSlots = 1024;

    std::vector<Slot> m_slots;
    std::size_t m_nCount = 0;
    int m_nShift = 64;
};
