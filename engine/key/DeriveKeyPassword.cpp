#include "key/DeriveKeyPassword.h"

#include "text/Cp936.h"
#include "text/NumberText.h"

#include <cmath>

namespace parolex {

Result<QString> DeriveKeyPassword(QStringView key)
{
    const qsizetype length = key.size();
    if (length > longestKey)
        return Failure::Overflow;
    if (!Cp936::isAvailable())
        return Failure::CodePageMissing;

    qint64 sum = 0;
    for (const QChar unit : key)
        sum += Cp936::unitCode(unit.unicode());

    // Every step below is one double-precision operation in a fixed order; the result must
    // be the same bit for bit on every machine, so no reordering or fused operations.
    const double l = double(length);
    const double a = std::sqrt(l);
    const qint64 t = qint64(length) * qint64(length) / 73 + 1;
    const double k = std::floor(std::sqrt(double(t)));
    const double b = std::floor((l / 73.0) * 73048456132.0);
    double v = double(sum) * k;
    v = v * 333.0;
    v = v * l;
    v = v * l;
    const double root = a * 88.0;
    v = v - root;
    v = v + b;
    const double p = std::floor(v);

    if (std::fabs(p) < 1e15)
        return QString::number(qint64(p));
    return plainNumberText(p);
}

} // namespace parolex
