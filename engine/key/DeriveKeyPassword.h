#pragma once

#include "failure/Result.h"

#include <QString>

namespace parolex {

/// The password a Key stands for: a decimal number as text, the same on every machine.
/// Fails with Overflow (number 6) for Keys of 32,767 characters or more.
Result<QString> DeriveKeyPassword(QStringView key);

} // namespace parolex
