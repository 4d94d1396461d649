#pragma once

#include <QtGlobal>

namespace parolex::fakes {

/// A limit on the process for as long as the object lives, so that a test can watch a run
/// meet what a crowded machine gives it. One file per system (ProcessLimitPosix.cpp,
/// ProcessLimitWindows.cpp).
class ProcessLimit
{
public:
    enum class Kind
    {
        /// Memory: @p bytes more than the process uses now.
        AddressSpace,
        /// Files of at most @p bytes, as a disk that fills up: a write past it fails with the
        /// disk-full failure after part of it has reached the file.
        FileSize
    };

    ProcessLimit(Kind kind, qint64 bytes);
    ~ProcessLimit();
    ProcessLimit(const ProcessLimit &) = delete;
    ProcessLimit &operator=(const ProcessLimit &) = delete;

    /// Whether the system can set such a limit.
    bool isSet() const { return m_set; }

private:
    Kind m_kind;
    bool m_set = false;
    quint64 m_original = 0;
};

} // namespace parolex::fakes
