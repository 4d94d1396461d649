#include "main/Clipboard.h"

#include "main/ClipboardPrivacy.h"

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
    markAsSecret(*data);
    clipboard->setMimeData(data);
}

} // namespace parolex
