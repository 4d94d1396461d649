#pragma once

#include <QtGlobal>
#include <span>

namespace parolex {

/// Where a run's randomness comes from: uniformly random bytes.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void fill(std::span<quint8> bytes) = 0;
};

} // namespace parolex
