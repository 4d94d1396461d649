#pragma once

#include <QString>
#include <optional>

namespace parolex {

// The values of the options a user types, checked before a run sees them: a value the run
// would misread or refuse in the desktop's words is refused here, naming the option and
// what it takes, with the status of a command line not understood.

/// --count: a whole number from 0 to 16777216. Nothing when @p value is good, else the refusal.
std::optional<QString> countRefusal(const QString &value);
/// --length: a whole number from 1 to 26.
std::optional<QString> lengthRefusal(const QString &value);
/// --symbols: at most 10 characters.
std::optional<QString> symbolsRefusal(const QString &value);

} // namespace parolex
