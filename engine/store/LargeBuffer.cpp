#include "store/LargeBuffer.h"

#include <cstdlib>
#include <new>
#include <utility>

#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#elif defined(Q_OS_WIN)
#define NOMINMAX
#include <windows.h>
#endif

namespace parolex {

namespace {
// Below this, the ordinary allocator does just as well.
constexpr qsizetype mapThreshold = 4 * 1024 * 1024;
} // namespace

LargeBuffer::LargeBuffer(qsizetype size) : m_size(size)
{
    if (size <= 0) {
        m_size = 0;
        return;
    }
#if defined(Q_OS_LINUX)
    if (size >= mapThreshold) {
        void *memory =
            ::mmap(nullptr, size_t(size), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED)
            throw std::bad_alloc();
        // Only a hint: without large pages the buffer works the same, just slower to fill.
        ::madvise(memory, size_t(size), MADV_HUGEPAGE);
        m_data = static_cast<quint8 *>(memory);
        m_mapped = true;
        return;
    }
#elif defined(Q_OS_WIN)
    if (size >= mapThreshold) {
        // Committed pages are zero and only become real memory when first touched.
        void *memory = VirtualAlloc(nullptr, SIZE_T(size), MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        if (!memory)
            throw std::bad_alloc();
        m_data = static_cast<quint8 *>(memory);
        m_mapped = true;
        return;
    }
#endif
    m_data = static_cast<quint8 *>(std::calloc(size_t(size), 1));
    if (!m_data)
        throw std::bad_alloc();
}

bool LargeBuffer::touchNext(qsizetype bytes)
{
    constexpr qsizetype smallestPage = 4096;
    const qsizetype end = qMin(m_size, m_touched + bytes);
    // The buffer is all zeros, so writing a zero changes nothing but the page's presence.
    volatile quint8 *memory = m_data;
    for (; m_touched < end; m_touched += smallestPage)
        memory[m_touched] = 0;
    m_touched = end;
    return m_touched < m_size;
}

LargeBuffer::~LargeBuffer()
{
    release();
}

LargeBuffer::LargeBuffer(LargeBuffer &&other) noexcept
    : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0)),
      m_mapped(std::exchange(other.m_mapped, false)), m_touched(std::exchange(other.m_touched, 0))
{}

LargeBuffer &LargeBuffer::operator=(LargeBuffer &&other) noexcept
{
    if (this != &other) {
        release();
        m_data = std::exchange(other.m_data, nullptr);
        m_size = std::exchange(other.m_size, 0);
        m_mapped = std::exchange(other.m_mapped, false);
        m_touched = std::exchange(other.m_touched, 0);
    }
    return *this;
}

void LargeBuffer::release()
{
    if (!m_data)
        return;
    if (m_mapped) {
#if defined(Q_OS_LINUX)
        ::munmap(m_data, size_t(m_size));
#elif defined(Q_OS_WIN)
        VirtualFree(m_data, 0, MEM_RELEASE);
#endif
        m_data = nullptr;
        return;
    }
    std::free(m_data);
    m_data = nullptr;
}

} // namespace parolex
