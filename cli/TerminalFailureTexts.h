#pragma once

#include "failure/Failure.h"

#include <QString>

namespace parolex {

/// What the terminal says for @p failure: the desktop's own text, except where the desktop
/// has only its internal-error text for a cause the user can put right. The number itself
/// is shown beside it either way.
QString terminalFailureText(Failure failure);

} // namespace parolex
