#include "main/ClipboardPrivacy.h"

#include <QMimeData>

namespace parolex {

namespace {

/// A Windows clipboard format of its own name, as Qt passes it through untouched.
QString windowsFormat(const char *name)
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(QLatin1String(name));
}

} // namespace

void markAsSecret(QMimeData &data)
{
    // Windows keeps every clip in its history (Win+V) and sends it to the user's other
    // devices unless the clip says otherwise. A password must do neither, nor reach a
    // clipboard monitor: the first format's presence says so (its content does not count;
    // Qt puts no empty format on the clipboard), the other two as a DWORD 0.
    const QByteArray no(4, '\0');
    data.setData(windowsFormat("ExcludeClipboardContentFromMonitorProcessing"), no);
    data.setData(windowsFormat("CanIncludeInClipboardHistory"), no);
    data.setData(windowsFormat("CanUploadToCloudClipboard"), no);
}

} // namespace parolex
