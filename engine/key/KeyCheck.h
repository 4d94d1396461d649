#pragma once

#include <QString>
#include <optional>

namespace parolex {

/// Whether @p password is the password @p key derives to. Both texts count exactly as
/// typed: a blank or a changed case makes a different password. Nothing when the Key is too
/// long to derive (failure number 6).
std::optional<bool> KeyMatchesPassword(QStringView key, QStringView password);

/// The sentence that states the check's outcome.
QString keyCheckSentence(bool match);

} // namespace parolex
