#include "platform/gdi/LargePageAllocator.h"

#include <cstdlib>

#include <sys/mman.h>

namespace {

constexpr std::size_t kLargePage = std::size_t(2) << 20;

} // namespace

void* AllocateLargePages(std::size_t nBytes)
{
    // Whole large pages, aligned to one, so that the system can back all of the buffer with them.
    const std::size_t nRounded = (nBytes + kLargePage - 1) / kLargePage * kLargePage;
    void* p = std::aligned_alloc(kLargePage, nRounded);
    if (!p)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    // Only advice: where the system has no large pages to give, the buffer keeps small ones.
    ::madvise(p, nRounded, MADV_HUGEPAGE);
#endif
    return p;
}

void FreeLargePages(void* p) { std::free(p); }
