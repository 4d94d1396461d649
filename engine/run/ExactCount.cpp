#include "run/ExactCount.h"

#include <cmath>

namespace parolex {

ExactCount ExactCount::power(quint32 base, int exponent)
{
    ExactCount result(1);
    for (int i = 0; i < exponent; ++i)
        result *= base;
    return result;
}

ExactCount &ExactCount::operator+=(const ExactCount &other)
{
    quint64 carry = 0;
    for (int i = 0; i < limbCount; ++i) {
        const quint64 sum = quint64(m_limbs[i]) + other.m_limbs[i] + carry;
        m_limbs[i] = quint32(sum);
        carry = sum >> 32;
    }
    Q_ASSERT(carry == 0);
    return *this;
}

ExactCount &ExactCount::operator-=(const ExactCount &other)
{
    Q_ASSERT(*this >= other);
    quint64 borrow = 0;
    for (int i = 0; i < limbCount; ++i) {
        const quint64 subtrahend = quint64(other.m_limbs[i]) + borrow;
        borrow = m_limbs[i] < subtrahend ? 1 : 0;
        m_limbs[i] = quint32((quint64(m_limbs[i]) + (borrow << 32)) - subtrahend);
    }
    return *this;
}

ExactCount &ExactCount::operator*=(quint32 factor)
{
    quint64 carry = 0;
    for (int i = 0; i < limbCount; ++i) {
        const quint64 product = quint64(m_limbs[i]) * factor + carry;
        m_limbs[i] = quint32(product);
        carry = product >> 32;
    }
    Q_ASSERT(carry == 0);
    return *this;
}

std::strong_ordering operator<=>(const ExactCount &a, const ExactCount &b)
{
    for (int i = ExactCount::limbCount - 1; i >= 0; --i) {
        if (a.m_limbs[i] != b.m_limbs[i])
            return a.m_limbs[i] <=> b.m_limbs[i];
    }
    return std::strong_ordering::equal;
}

double ExactCount::toDouble() const
{
    double value = 0;
    for (int i = limbCount - 1; i >= 0; --i)
        value = std::ldexp(value, 32) + double(m_limbs[i]);
    return value;
}

QString ExactCount::toString() const
{
    // Nine decimal digits at a time, least significant group first.
    std::array<quint32, limbCount> rest = m_limbs;
    QString digits;
    for (;;) {
        quint64 remainder = 0;
        bool restIsZero = true;
        for (int i = limbCount - 1; i >= 0; --i) {
            const quint64 current = (remainder << 32) | rest[i];
            rest[i] = quint32(current / 1000000000u);
            remainder = current % 1000000000u;
            restIsZero &= rest[i] == 0;
        }
        if (restIsZero)
            return QString::number(remainder) + digits;
        digits.prepend(QString::number(remainder).rightJustified(9, u'0'));
    }
}

} // namespace parolex
