#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <sys/mman.h>

namespace vistagon {

// Gives large arrays memory the kernel may back with 2 MB pages. The
// triangulation reads its index and triangles at random places; with small
// pages nearly every such read also misses the address translation cache.
template <class T>
class LargePageAllocator {
public:
    using value_type = T;

    LargePageAllocator() = default;
    template <class U>
    LargePageAllocator(const LargePageAllocator<U>&) noexcept
    {
    }

    T* allocate(size_t count)
    {
        if (count > static_cast<size_t>(-1) / sizeof(T) - kPage) throw std::bad_alloc();
        const size_t bytes = count * sizeof(T);
        if (bytes < kLarge) return static_cast<T*>(::operator new(bytes));
        const size_t rounded = (bytes + kPage - 1) / kPage * kPage;
        void* memory = std::aligned_alloc(kPage, rounded);
        if (!memory) throw std::bad_alloc();
        madvise(memory, rounded, MADV_HUGEPAGE);  // only a hint: without it, small pages serve
        return static_cast<T*>(memory);
    }

    void deallocate(T* memory, size_t count) noexcept
    {
        if (count * sizeof(T) < kLarge) ::operator delete(memory);
        else std::free(memory);
    }

    template <class U>
    bool operator==(const LargePageAllocator<U>&) const noexcept
    {
        return true;
    }

private:
    static constexpr size_t kPage = size_t{2} << 20;
    static constexpr size_t kLarge = size_t{4} << 20;
};

}  // namespace vistagon
