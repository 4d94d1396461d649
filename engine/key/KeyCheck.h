#pragma once

#include "failure/Result.h"

#include <QString>

namespace parolex {

/// Whether @p password is the password @p key derives to. Both texts count exactly as
/// typed: a blank or a changed case makes a different password. Fails with Overflow (6)
/// when the Key is too long to derive.
Result<bool> keyMatchesPassword(QStringView key, QStringView password);

/// The sentence that states the check's outcome.
QString keyCheckSentence(bool match);

} // namespace parolex
