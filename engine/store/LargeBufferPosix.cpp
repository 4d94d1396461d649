#include "store/LargeBuffer.h"

#include <sys/mman.h>

namespace parolex {

void *LargeBuffer::mapZeroPages(qsizetype size)
{
    void *memory = ::mmap(nullptr, size_t(size), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return nullptr;
#ifdef MADV_HUGEPAGE
    // Only a hint: without large pages the buffer works the same, just slower to fill.
    ::madvise(memory, size_t(size), MADV_HUGEPAGE);
#endif
    return memory;
}

void LargeBuffer::unmapPages(void *memory, qsizetype size)
{
    ::munmap(memory, size_t(size));
}

} // namespace parolex
