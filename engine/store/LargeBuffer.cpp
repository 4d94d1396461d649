#include "store/LargeBuffer.h"

#include <cstdlib>
#include <new>
#include <utility>

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
    if (size >= mapThreshold) {
        m_data = static_cast<quint8 *>(mapZeroPages(size));
        if (!m_data)
            throw std::bad_alloc();
        m_mapped = true;
        return;
    }
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
        unmapPages(m_data, m_size);
        m_data = nullptr;
        return;
    }
    std::free(m_data);
    m_data = nullptr;
}

} // namespace parolex
