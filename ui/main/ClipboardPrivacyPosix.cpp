#include "main/ClipboardPrivacy.h"

#include <QMimeData>

namespace parolex {

void markAsSecret(QMimeData &data)
{
    // Clipboard managers that honour this marker (Klipper and others) keep no history of it:
    // a generated password should not linger in a list of past clips.
    data.setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
}

} // namespace parolex
