#pragma once

#include "run/RunContext.h"

namespace parolex {

/// The password of the typed Key: the list cleared, the password on top, selected and on
/// the clipboard.
RunStep runSingleKey(RunContext &run);

/// Every line of the Key file derived, each password inserted at the top of the list and
/// written to the output file in file order. No event passes: the conversion of a million
/// Keys takes about a second.
RunStep runKeyFile(RunContext &run);

} // namespace parolex
