#pragma once

#include <cstddef>
#include <new>

// Memory of large pictures. A camera photo decodes to some 36 MB; taken page by page from the
// system that costs thousands of page faults, more than decoding itself on some machines. Large
// blocks are therefore aligned to 2 MB and, on Linux, marked for transparent huge pages: a few
// dozen faults instead.
void* allocatePictureMemory(std::size_t bytes);
void freePictureMemory(void* memory) noexcept;

template <class T> struct PictureAllocator {
    using value_type = T;

    PictureAllocator() = default;
    template <class U> PictureAllocator(const PictureAllocator<U>&) noexcept {}

    T* allocate(std::size_t count)
    {
        return static_cast<T*>(allocatePictureMemory(count * sizeof(T)));
    }
    void deallocate(T* memory, std::size_t) noexcept { freePictureMemory(memory); }

    template <class U> bool operator==(const PictureAllocator<U>&) const noexcept { return true; }
};
