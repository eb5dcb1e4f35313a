#include "photos/PictureMemory.h"

#include <cstdlib>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

constexpr std::size_t HugePage = std::size_t(2) << 20;

} // namespace

void* allocatePictureMemory(std::size_t bytes)
{
    void* memory = nullptr;
    if (bytes >= HugePage) {
        const std::size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
        memory = std::aligned_alloc(HugePage, rounded);
#ifdef MADV_HUGEPAGE
        if (memory)
            madvise(memory, rounded, MADV_HUGEPAGE); // only advice: failing changes nothing
#endif
    } else {
        memory = std::malloc(bytes ? bytes : 1);
    }
    if (!memory)
        throw std::bad_alloc();
    return memory;
}

void freePictureMemory(void* memory) noexcept
{
    std::free(memory);
}
