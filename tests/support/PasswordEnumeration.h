#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace parolex::fakes {

/// The reference for drawing with required classes, by brute force: every sequence of
/// @p length entries of @p entries (one character each, every entry equally likely) is
/// spelt out, and the passwords holding a character of every set in @p classes are kept.
/// Returns each kept password with its chance; the chances add up to 1.
QMap<QString, double> enumeratedDistribution(const QString &entries, int length, const QStringList &classes);

/// The Shannon entropy in bits of @p distribution.
double entropyBitsOf(const QMap<QString, double> &distribution);

} // namespace parolex::fakes
