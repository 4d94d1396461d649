#pragma once

#include <QtGlobal>

namespace parolex {

/// A large zero-filled byte array whose memory the system only provides as it is first
/// touched, in large pages where the system offers them: a run reserves room for up to
/// 16,777,216 passwords but pays only for those it writes, and with 2 MiB pages writing
/// 436 MB costs a few hundred page faults instead of a hundred thousand.
class LargeBuffer
{
public:
    LargeBuffer() = default;
    /// Throws std::bad_alloc when the memory cannot be reserved.
    explicit LargeBuffer(qsizetype size);
    ~LargeBuffer();
    LargeBuffer(LargeBuffer &&other) noexcept;
    LargeBuffer &operator=(LargeBuffer &&other) noexcept;
    LargeBuffer(const LargeBuffer &) = delete;
    LargeBuffer &operator=(const LargeBuffer &) = delete;

    quint8 *data() const { return m_data; }
    qsizetype size() const { return m_size; }

    /// Makes the system provide the memory of the next @p bytes not touched yet. The first
    /// touch of fresh memory can stall while the system gathers large pages; a caller that
    /// must stay responsive does it a piece at a time. Returns false once all is touched.
    bool touchNext(qsizetype bytes);

private:
    void release();
    /// Zero pages straight from the system, which only become real memory when first
    /// touched; null when the system has none to give. One file per system
    /// (LargeBufferPosix.cpp, LargeBufferWindows.cpp).
    static void *mapZeroPages(qsizetype size);
    static void unmapPages(void *memory, qsizetype size);

    quint8 *m_data = nullptr;
    qsizetype m_size = 0;
    bool m_mapped = false;
    qsizetype m_touched = 0;
};

} // namespace parolex
