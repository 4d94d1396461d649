#pragma once

#include "failure/Failure.h"

#include <QString>

namespace parolex {

/// What the terminal says for @p failure: the desktop's own text, except where the desktop
/// has only its internal-error text: for a cause the user can put right, words that say so,
/// and for the rest an internal-error text of the terminal's own. The number itself is shown
/// beside it either way.
QString terminalFailureText(Failure failure);

} // namespace parolex
