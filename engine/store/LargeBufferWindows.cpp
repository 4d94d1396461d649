#include "store/LargeBuffer.h"

#include <windows.h>

namespace parolex {

void *LargeBuffer::mapZeroPages(qsizetype size)
{
    // Committed pages are zero and only become real memory when first touched.
    return VirtualAlloc(nullptr, SIZE_T(size), MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void LargeBuffer::unmapPages(void *memory, qsizetype)
{
    VirtualFree(memory, 0, MEM_RELEASE);
}

} // namespace parolex
