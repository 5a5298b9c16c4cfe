#include "platform/core/ObjectArena.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define QARVO_ARENA_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define QARVO_ARENA_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define QARVO_ARENA_POISON(p, n) ((void)(p), (void)(n))
#define QARVO_ARENA_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace {

// Every object, from an arena or the heap, is preceded by the arena it lies in (null for the
// heap), so that its delete knows where its memory goes. Sixteen bytes keep the object at the
// alignment operator new promises.
struct alignas(__STDCPP_DEFAULT_NEW_ALIGNMENT__) ObjectHeader {
    CObjectArena* pArena;
};
constexpr std::size_t kHeaderBytes = sizeof(ObjectHeader);
constexpr std::size_t kAlign = alignof(ObjectHeader);

constexpr std::size_t RoundUp(std::size_t n) { return (n + kAlign - 1) & ~(kAlign - 1); }

ObjectHeader* HeaderOf(const void* pObject)
{
    return reinterpret_cast<ObjectHeader*>(const_cast<char*>(static_cast<const char*>(pObject)) - kHeaderBytes);
}

std::atomic<std::size_t> g_nLiveArenas{0};

thread_local CObjectArenaScope* t_pScope = nullptr;
// Set by CreateObjectInScope for the one allocation that makes the object.
thread_local CObjectArena* t_pArenaForNext = nullptr;

} // namespace

// Chunks grow from the first so that a small load holds little and a large one few chunks.
class CObjectArena {
public:
    CObjectArena() { g_nLiveArenas.fetch_add(1, std::memory_order_relaxed); }
    ~CObjectArena()
    {
        while (m_pChunks) {
            Chunk* pChunk = m_pChunks;
            m_pChunks = pChunk->pNext;
            KeepOrFree(pChunk);
        }
        g_nLiveArenas.fetch_sub(1, std::memory_order_relaxed);
    }
    CObjectArena(const CObjectArena&) = delete;
    CObjectArena& operator=(const CObjectArena&) = delete;

    // Only the thread of the scope that owns the arena allocates, and only while it lives.
    // The bump is all an object costs; a new chunk is the rare case, out of line.
    void* Allocate(std::size_t nBytes)
    {
        const std::size_t nTotal = kHeaderBytes + RoundUp(nBytes);
        if (nTotal > std::size_t(m_pEnd - m_pNext)) [[unlikely]]
            return AllocateInNewChunk(nTotal);
        return Bump(nTotal);
    }

    // Each live object holds a reference, and so does the scope while it lives.
    void Release() noexcept { Release(1); }

    // The scope's reference ends: from now on the count is the objects still alive.
    void EndScope() noexcept { Release(kScopeRefs - m_nHandedOut); }

private:
    struct alignas(kAlign) Chunk {
        Chunk* pNext;
        std::size_t nBytes;
    };
    static constexpr std::size_t kFirstChunkBytes = 64 * 1024;
    static constexpr std::size_t kLargestChunkBytes = 512 * 1024;

    // Chunks given back wait here for the next load, up to a few documents' worth: handed back
    // to the heap, memory this large went straight back to the system, and the next load paid
    // a page fault for every page of its objects. A kept chunk stays poisoned beyond its header
    // (every object in it was poisoned when deleted), so a stale pointer is still caught.
    struct KeptChunks {
        std::mutex mutex;
        Chunk* pFirst = nullptr;
        std::size_t nBytes = 0;
    };
    static constexpr std::size_t kMostKeptBytes = 8 * 1024 * 1024;

    static KeptChunks& Kept()
    {
        static KeptChunks s_kept;
        return s_kept;
    }

    static void KeepOrFree(Chunk* pChunk) noexcept
    {
        KeptChunks& kept = Kept();
        {
            const std::lock_guard lock(kept.mutex);
            if (kept.nBytes + pChunk->nBytes <= kMostKeptBytes) {
                pChunk->pNext = kept.pFirst;
                kept.pFirst = pChunk;
                kept.nBytes += pChunk->nBytes;
                return;
            }
        }
        QARVO_ARENA_UNPOISON(pChunk, pChunk->nBytes);
        std::free(pChunk);
    }

    // A kept chunk of at least nBytes, or null.
    static Chunk* TakeKept(std::size_t nBytes)
    {
        KeptChunks& kept = Kept();
        const std::lock_guard lock(kept.mutex);
        for (Chunk** ppChunk = &kept.pFirst; *ppChunk; ppChunk = &(*ppChunk)->pNext) {
            Chunk* pChunk = *ppChunk;
            if (pChunk->nBytes >= nBytes) {
                *ppChunk = pChunk->pNext;
                kept.nBytes -= pChunk->nBytes;
                return pChunk;
            }
        }
        return nullptr;
    }

    static Chunk* NewChunk(std::size_t nBytes)
    {
        if (Chunk* pChunk = TakeKept(nBytes))
            return pChunk;
        void* pMemory = std::malloc(nBytes);
        if (pMemory == nullptr)
            throw std::bad_alloc();
        return ::new (pMemory) Chunk{nullptr, nBytes};
    }

    // A counted reference per object handed out was a locked instruction per object of a load.
    // Instead the scope holds a reference so large that the deletes during the scope cannot
    // use it up, and gives back, when it ends, all of it but the objects it handed out.
    static constexpr std::size_t kScopeRefs = std::size_t(1) << 62;

    void Release(std::size_t nRefs) noexcept
    {
        if (m_nRefs.fetch_sub(nRefs, std::memory_order_acq_rel) == nRefs)
            delete this;
    }

    void* Bump(std::size_t nTotal)
    {
        char* pBlock = m_pNext;
        m_pNext += nTotal;
        QARVO_ARENA_UNPOISON(pBlock, nTotal);
        ++m_nHandedOut;
        ::new (pBlock) ObjectHeader{this};
        return pBlock + kHeaderBytes;
    }

    [[gnu::noinline]] void* AllocateInNewChunk(std::size_t nTotal)
    {
        AddChunk(nTotal);
        return Bump(nTotal);
    }

    void AddChunk(std::size_t nAtLeast)
    {
        const std::size_t nNeeded = sizeof(Chunk) + nAtLeast;
        Chunk* pChunk = NewChunk(std::max(m_nNextChunkBytes, nNeeded));
        const std::size_t nBytes = pChunk->nBytes;
        pChunk->pNext = m_pChunks;
        m_pChunks = pChunk;
        m_pNext = reinterpret_cast<char*>(pChunk + 1);
        m_pEnd = reinterpret_cast<char*>(pChunk) + nBytes;
        // The rest of the chunk is nobody's until it is handed out.
        QARVO_ARENA_POISON(m_pNext, std::size_t(m_pEnd - m_pNext));
        m_nNextChunkBytes = std::min(m_nNextChunkBytes * 2, kLargestChunkBytes);
    }

    std::atomic<std::size_t> m_nRefs{kScopeRefs};
    std::size_t m_nHandedOut = 0; // by the scope's thread only
    Chunk* m_pChunks = nullptr;
    char* m_pNext = nullptr;
    char* m_pEnd = nullptr;
    std::size_t m_nNextChunkBytes = kFirstChunkBytes;
};

CObjectArenaScope::CObjectArenaScope() : m_pOuter(t_pScope) { t_pScope = this; }

CObjectArenaScope::~CObjectArenaScope()
{
    t_pScope = m_pOuter;
    if (m_pArena)
        m_pArena->EndScope();
}

CObjectArena& CObjectArenaScope::Arena()
{
    if (m_pArena == nullptr)
        m_pArena = new CObjectArena;
    return *m_pArena;
}

CObject* CreateObjectInScope(CObject* (*pfnCreate)())
{
    CObjectArenaScope* pScope = t_pScope;
    if (pScope == nullptr)
        return pfnCreate();
    // Cleared by the allocation that takes it; a creator that throws before it leaves it set.
    struct Disarm {
        ~Disarm() { t_pArenaForNext = nullptr; }
    } const disarm;
    t_pArenaForNext = &pScope->Arena();
    return pfnCreate();
}

namespace {

// Out of line, so that the arena's bump, the load's case, needs no frame.
[[gnu::noinline]] void* AllocateOnHeap(std::size_t nBytes)
{
    void* pBlock = std::malloc(kHeaderBytes + nBytes);
    if (pBlock == nullptr)
        throw std::bad_alloc();
    ::new (pBlock) ObjectHeader{nullptr};
    return static_cast<char*>(pBlock) + kHeaderBytes;
}

} // namespace

namespace ObjectMemory {

void* Allocate(std::size_t nBytes)
{
    if (CObjectArena* pArena = t_pArenaForNext) {
        t_pArenaForNext = nullptr;
        return pArena->Allocate(nBytes);
    }
    return AllocateOnHeap(nBytes);
}

void Free(void* p, std::size_t nBytes) noexcept
{
    if (p == nullptr)
        return;
    ObjectHeader* pHeader = HeaderOf(p);
    CObjectArena* pArena = pHeader->pArena;
    if (pArena == nullptr) {
        std::free(pHeader);
        return;
    }
    // A second delete reads the poisoned header and is reported.
    QARVO_ARENA_POISON(pHeader, kHeaderBytes + RoundUp(nBytes));
    pArena->Release();
}

void* AllocateInScope(std::size_t nBytes)
{
    if (CObjectArenaScope* pScope = t_pScope)
        return pScope->Arena().Allocate(nBytes);
    return AllocateOnHeap(nBytes);
}

bool IsInArena(const CObject* pObject)
{
    return pObject != nullptr && HeaderOf(pObject)->pArena != nullptr;
}

std::size_t LiveArenaCount() { return g_nLiveArenas.load(std::memory_order_relaxed); }

} // namespace ObjectMemory
