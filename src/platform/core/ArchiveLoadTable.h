// CArchiveLoadTable: what each index of an archive being loaded names, in the order the records
// came (index 0 is the null object). A load enters one entry per object and per class and looks
// an entry up only for a record that names a class or an object read before.
//
// The entries lie in pages that never move: a table grown by re-allocation copied every entry
// again at each growth, thousands of them in a large project file, and the loading caller could
// only guess how many objects were still to come. A page holds enough for the objects of a
// small file, so that most loads allocate once.
#pragma once

#include "platform/core/Types.h"

#include <cstddef>
#include <memory>
#include <vector>

class CObject;
struct CRuntimeClass;

class CArchiveLoadTable {
public:
    // A class with the schema it was stored with, an object, or an object that was deleted
    // because its load failed.
    struct Entry {
        enum class Kind : BYTE { Object, Class, Lost };
        const void* p; // the CRuntimeClass or the CObject
        UINT nSchema;
        Kind kind;

        CRuntimeClass* Class() const { return static_cast<CRuntimeClass*>(const_cast<void*>(p)); }
        CObject* Object() const { return static_cast<CObject*>(const_cast<void*>(p)); }
    };

    std::size_t GetCount() const { return m_nCount; }

    // The index of the new entry.
    std::size_t AddObject(const CObject* pObject) { return Add({pObject, 0, Entry::Kind::Object}); }
    std::size_t AddClass(const CRuntimeClass* pClass, UINT nSchema)
    {
        return Add({pClass, nSchema, Entry::Kind::Class});
    }

    // The entry of an index below GetCount().
    const Entry& operator[](std::size_t nIndex) const
    {
        return m_pages[nIndex / kPageEntries][nIndex % kPageEntries];
    }

    // The objects entered from nFirst on are lost: none of them may be handed out again.
    void LoseObjectsFrom(std::size_t nFirst)
    {
        for (std::size_t i = nFirst; i < m_nCount; ++i) {
            Entry& entry = m_pages[i / kPageEntries][i % kPageEntries];
            if (entry.kind == Entry::Kind::Object)
                entry = {nullptr, 0, Entry::Kind::Lost};
        }
    }

private:
    static constexpr std::size_t kPageEntries = 1024;

    std::size_t Add(const Entry& entry)
    {
        if (m_pNext == m_pEnd)
            AddPage();
        *m_pNext++ = entry;
        return m_nCount++;
    }
    [[gnu::noinline]] void AddPage()
    {
        m_pages.push_back(std::make_unique_for_overwrite<Entry[]>(kPageEntries));
        m_pNext = m_pages.back().get();
        m_pEnd = m_pNext + kPageEntries;
    }

    std::vector<std::unique_ptr<Entry[]>> m_pages;
    Entry* m_pNext = nullptr;
    Entry* m_pEnd = nullptr;
    std::size_t m_nCount = 0;
};
