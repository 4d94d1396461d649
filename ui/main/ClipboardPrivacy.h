#pragma once

class QMimeData;

namespace parolex {

/// Marks a password on its way to the clipboard as a secret, in the words the system's
/// clipboard keepers understand (history, synchronisation, clipboard managers): one file per
/// system, ClipboardPrivacyPosix.cpp and ClipboardPrivacyWindows.cpp.
void markAsSecret(QMimeData &data);

} // namespace parolex
