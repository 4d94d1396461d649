#include "main/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace parolex {

void putPasswordOnClipboard(const QString &password)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    auto *data = new QMimeData;
    data->setText(password);
    // Clipboard managers that honour this marker (Klipper and others) keep no history of it:
    // a generated password should not linger in a list of past clips.
    data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
    clipboard->setMimeData(data);
}

} // namespace parolex
