#pragma once

#include <QString>
#include <optional>

namespace parolex {

/// The password a Key stands for: a decimal number as text, the same on every machine.
/// Returns nothing (the overflow failure, number 6) for Keys of 32,767 characters or more.
std::optional<QString> DeriveKeyPassword(QStringView key);

} // namespace parolex
