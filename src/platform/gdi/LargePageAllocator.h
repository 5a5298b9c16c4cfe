// Storage for pixel buffers of a megabyte and more, in the system's large pages where it offers
// them. A paint of a whole diagram walks its bitmap's rows column by column where it stores the
// wires: with small pages nearly every row of a wide bitmap needs an address translation of its
// own, far more than the processor keeps.
#pragma once

#include <cstddef>
#include <new>

void* AllocateLargePages(std::size_t nBytes);
void FreeLargePages(void* p);

template <class T>
struct LargePageAllocator {
    using value_type = T;
    static constexpr std::size_t kLargeFrom = std::size_t(1) << 20;

    LargePageAllocator() = default;
    template <class U>
    LargePageAllocator(const LargePageAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t n)
    {
        if (n * sizeof(T) < kLargeFrom)
            return static_cast<T*>(::operator new(n * sizeof(T)));
        return static_cast<T*>(AllocateLargePages(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept
    {
        if (n * sizeof(T) < kLargeFrom)
            ::operator delete(p);
        else
            FreeLargePages(p);
    }

    template <class U>
    bool operator==(const LargePageAllocator<U>&) const noexcept
    {
        return true;
    }
};
