#pragma once

#include "failure/Result.h"

#include <QString>

namespace parolex {

/// The password a Key stands for: a decimal number as text, the same on every machine.
/// Fails with Overflow (number 6) for Keys of more than longestKey characters, and with
/// CodePageMissing where code page 936 cannot be converted.
Result<QString> DeriveKeyPassword(QStringView key);

/// The character loop of the derivation counts with a signed 16-bit counter, which cannot
/// step past a 32,767th character (UTF-16 code units).
inline constexpr qsizetype longestKey = 32766;

} // namespace parolex
