#pragma once

#include <QString>

namespace parolex {

/// The one place a password reaches the clipboard: what was there goes, the password alone
/// stays, as text, marked as a secret for the system's clipboard history and managers.
void putPasswordOnClipboard(const QString &password);

} // namespace parolex
