#include "support/PasswordEnumeration.h"

#include <cmath>

namespace parolex::fakes {

QMap<QString, double> enumeratedDistribution(const QString &entries, int length, const QStringList &classes)
{
    QMap<QString, double> sequences;
    double kept = 0;
    QList<qsizetype> digits(length, 0);
    for (;;) {
        QString password;
        for (const qsizetype d : std::as_const(digits))
            password += entries.at(d);
        bool qualifies = true;
        for (const QString &set : classes) {
            bool found = false;
            for (const QChar c : set)
                found = found || password.contains(c);
            qualifies = qualifies && found;
        }
        if (qualifies) {
            sequences[password] += 1;
            kept += 1;
        }
        // The next sequence, as an odometer over the entries.
        qsizetype place = 0;
        while (place < length && ++digits[place] == entries.size())
            digits[place++] = 0;
        if (place == length)
            break;
    }
    for (double &chance : sequences)
        chance /= kept;
    return sequences;
}

double entropyBitsOf(const QMap<QString, double> &distribution)
{
    double bits = 0;
    for (const double chance : distribution)
        bits -= chance * std::log2(chance);
    return bits;
}

} // namespace parolex::fakes
