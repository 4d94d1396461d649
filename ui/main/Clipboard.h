#pragma once

#include <QString>

namespace parolex {

/// The one place a password reaches the clipboard: what was there goes, the password alone
/// stays, as text, marked as secret for clipboard managers.
void putPasswordOnClipboard(const QString &password);

} // namespace parolex
