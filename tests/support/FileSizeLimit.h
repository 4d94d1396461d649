#pragma once

#include <QtGlobal>

namespace parolex::fakes {

/// Lets the process write files of at most @p bytes until the object goes, as a disk that
/// fills up would: a write past it fails with the disk-full failure after part of it has
/// reached the file. One file per system (FileSizeLimitPosix.cpp, FileSizeLimitWindows.cpp).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    /// Whether the system can set such a limit.
    bool isSet() const { return m_set; }

private:
    bool m_set = false;
    quint64 m_original = 0;
};

} // namespace parolex::fakes
