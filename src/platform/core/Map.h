// CMap: the hash map template of the classic class library. Its iteration order is part of the
// stored files (a map is written in iteration order), so it is reproduced exactly: buckets from
// 0 upward, and within a bucket the most recently added association first; a bucket is
// HashKey(key) modulo the hash-table size (17 unless InitHashTable says otherwise).
#pragma once

#include "platform/core/CollectionHelpers.h"
#include "platform/core/Position.h"
#include "platform/core/Types.h"

#include <type_traits>
#include <vector>

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : private CCollectionNoCopy {
public:
    struct CPair {
        const KEY key;
        VALUE value;
    };

    // The block size only tuned the classic association allocator.
    explicit CMap(INT_PTR nBlockSize = 10) { (void)nBlockSize; }
    ~CMap() { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        const CAssoc* pAssoc = Find(key);
        if (!pAssoc)
            return FALSE;
        rValue = pAssoc->value;
        return TRUE;
    }
    CPair* PLookup(ARG_KEY key) { return Find(key); }
    const CPair* PLookup(ARG_KEY key) const { return Find(key); }

    // The value of key; a key not yet in the map is added with a value of zeros.
    VALUE& operator[](ARG_KEY key)
    {
        if (CAssoc* pAssoc = Find(key))
            return pAssoc->value;
        if (m_buckets.empty())
            m_buckets.assign(m_nHashTableSize, nullptr);
        const UINT nBucket = BucketOf(key);
        CAssoc* pAssoc = NewAssoc(key, m_buckets[nBucket], nBucket);
        m_buckets[nBucket] = pAssoc;
        ++m_nCount;
        return pAssoc->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }

    BOOL RemoveKey(ARG_KEY key)
    {
        if (m_buckets.empty())
            return FALSE;
        for (CAssoc** ppAssoc = &m_buckets[BucketOf(key)]; *ppAssoc;
             ppAssoc = &(*ppAssoc)->pNext) {
            if (Matches(*ppAssoc, key)) {
                CAssoc* pAssoc = *ppAssoc;
                *ppAssoc = pAssoc->pNext;
                FreeAssoc(pAssoc);
                --m_nCount;
                return TRUE;
            }
        }
        return FALSE;
    }
    // Empties the map; the hash-table size stays.
    void RemoveAll()
    {
        for (CAssoc* pChain : m_buckets) {
            while (pChain) {
                CAssoc* pNext = pChain->pNext;
                FreeAssoc(pChain);
                pChain = pNext;
            }
        }
        m_buckets.clear();
        m_nCount = 0;
    }

    POSITION GetStartPosition() const { return m_nCount == 0 ? nullptr : BEFORE_START_POSITION; }
    // Gives the association at rNextPosition and moves it to the next one (null after the last).
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        const CAssoc* pAssoc = rNextPosition == BEFORE_START_POSITION
                                   ? FirstFrom(0)
                                   : reinterpret_cast<const CAssoc*>(rNextPosition);
        if (!pAssoc)
            ThrowInvalidCollectionAccess("CMap::GetNextAssoc: no association at the position");
        rKey = pAssoc->key;
        rValue = pAssoc->value;
        rNextPosition = reinterpret_cast<POSITION>(const_cast<CAssoc*>(NextOf(pAssoc)));
    }

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    // Sets the number of buckets. The classic library required an empty map here; the
    // associations of a map that is not empty are redistributed over the new buckets.
    void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE)
    {
        if (nHashSize == 0)
            ThrowInvalidCollectionAccess("CMap::InitHashTable: no buckets");
        std::vector<CAssoc*> associations;
        for (const CAssoc* p = FirstFrom(0); p; p = NextOf(p))
            associations.push_back(const_cast<CAssoc*>(p));
        m_nHashTableSize = nHashSize;
        m_buckets.clear();
        if (bAllocNow || !associations.empty())
            m_buckets.assign(nHashSize, nullptr);
        for (CAssoc* pAssoc : associations) {
            pAssoc->nBucket = BucketOf(pAssoc->key);
            pAssoc->pNext = m_buckets[pAssoc->nBucket];
            m_buckets[pAssoc->nBucket] = pAssoc;
        }
    }

    // Stores the count, then key and value of each association in iteration order, each
    // through SerializeElements. Loading sets every key read; other keys stay in the map.
    void Serialize(CArchive& ar)
    {
        if (ar.IsStoring()) {
            ar.WriteCount(m_nCount);
            for (const CAssoc* p = FirstFrom(0); p; p = NextOf(p)) {
                SerializeElements<KEY>(ar, const_cast<KEY*>(&p->key), 1);
                SerializeElements<VALUE>(ar, const_cast<VALUE*>(&p->value), 1);
            }
            return;
        }
        for (auto n = ar.ReadCount(); n > 0; --n) {
            KEY key{};
            VALUE value{};
            SerializeElements<KEY>(ar, &key, 1);
            SerializeElements<VALUE>(ar, &value, 1);
            SetAt(key, value);
        }
    }

private:
    struct CAssoc : CPair {
        CAssoc(ARG_KEY k, CAssoc* next, UINT bucket)
            : CPair{KEY(k), VALUE()}, pNext(next), nBucket(bucket)
        {
        }
        CAssoc* pNext;
        UINT nBucket;
    };

    static CAssoc* NewAssoc(ARG_KEY key, CAssoc* pNext, UINT nBucket)
    {
        return new CAssoc(key, pNext, nBucket);
    }
    static void FreeAssoc(CAssoc* pAssoc) { delete pAssoc; }

    UINT BucketOf(ARG_KEY key) const { return HashKey<ARG_KEY>(key) % m_nHashTableSize; }
    static bool Matches(const CAssoc* pAssoc, ARG_KEY key)
    {
        return CompareElements<KEY, std::remove_cvref_t<ARG_KEY>>(&pAssoc->key, &key);
    }
    CAssoc* Find(ARG_KEY key) const
    {
        if (m_buckets.empty())
            return nullptr;
        for (CAssoc* pAssoc = m_buckets[BucketOf(key)]; pAssoc; pAssoc = pAssoc->pNext) {
            if (Matches(pAssoc, key))
                return pAssoc;
        }
        return nullptr;
    }
    const CAssoc* FirstFrom(UINT nBucket) const
    {
        for (; nBucket < m_buckets.size(); ++nBucket) {
            if (m_buckets[nBucket])
                return m_buckets[nBucket];
        }
        return nullptr;
    }
    const CAssoc* NextOf(const CAssoc* pAssoc) const
    {
        return pAssoc->pNext ? pAssoc->pNext : FirstFrom(pAssoc->nBucket + 1);
    }

    std::vector<CAssoc*> m_buckets;  // allocated with the first association
    UINT m_nHashTableSize = 17;
    INT_PTR m_nCount = 0;
};
