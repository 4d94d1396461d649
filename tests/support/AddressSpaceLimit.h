#pragma once

#include <QtGlobal>

namespace parolex::fakes {

/// Leaves the process only @p headroom bytes of memory beyond what it uses now, until the
/// object goes, so that a test can watch a run that does not fit in memory. One file per
/// system (AddressSpaceLimitPosix.cpp, AddressSpaceLimitWindows.cpp).
class AddressSpaceLimit
{
public:
    explicit AddressSpaceLimit(qint64 headroom);
    ~AddressSpaceLimit();
    AddressSpaceLimit(const AddressSpaceLimit &) = delete;
    AddressSpaceLimit &operator=(const AddressSpaceLimit &) = delete;

    /// Whether the limit could be set.
    bool isSet() const { return m_set; }

private:
    bool m_set = false;
    quint64 m_original = 0;
};

} // namespace parolex::fakes
