#pragma once

#include "run/GenerationOptions.h"

#include <QString>
#include <optional>

namespace parolex {

// The values of the options a user types, checked before a run sees them: a value the run
// would misread or refuse in the desktop's words is refused here, naming the option and
// what it takes, with the status of a command line not understood.

/// What generate takes beyond the desktop's 26 characters and 10 own symbols: passwords of
/// up to 128 characters, and up to 94 own symbols, room for every printable ASCII character.
/// The header length of convert keeps the desktop's 1 to 26.
inline constexpr RunLimits terminalLimits{128, 94};

/// --count: a whole number from 0 to 16777216. Nothing when @p value is good, else the refusal.
std::optional<QString> countRefusal(const QString &value);
/// --length: a whole number from 1 to @p maxLength.
std::optional<QString> lengthRefusal(const QString &value, int maxLength);
/// --symbols: at most @p maxSymbols characters.
std::optional<QString> symbolsRefusal(const QString &value, qsizetype maxSymbols);

} // namespace parolex
