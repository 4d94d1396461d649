#include "Clipboard.h"

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
    clipboard->setMimeData(data);
}

} // namespace parolex
