#pragma once

#include <QString>
#include <array>
#include <compare>

namespace parolex {

/// A whole number of passwords, counted exactly: 73 characters over 26 places alone give
/// about 2^161 passwords, far beyond 64 bits, and the terminal's largest pool, 188 entries
/// over 128 places, about 2^967. Unsigned, 1024 bits wide.
class ExactCount
{
public:
    ExactCount() = default;
    explicit ExactCount(quint32 value) { m_limbs[0] = value; }

    /// @p base to the power @p exponent (1 for exponent 0).
    static ExactCount power(quint32 base, int exponent);

    ExactCount &operator+=(const ExactCount &other);
    /// Requires *this >= @p other.
    ExactCount &operator-=(const ExactCount &other);
    ExactCount &operator*=(quint32 factor);

    friend std::strong_ordering operator<=>(const ExactCount &a, const ExactCount &b);
    friend bool operator==(const ExactCount &, const ExactCount &) = default;

    bool isZero() const { return *this == ExactCount(); }
    /// The nearest double (exact up to 2^53).
    double toDouble() const;
    /// Decimal digits, without separators.
    QString toString() const;

private:
    static constexpr int limbCount = 32;
    std::array<quint32, limbCount> m_limbs{}; ///< least significant first
};

} // namespace parolex
