#include "main/ClipboardPrivacy.h"

#include <QMimeData>

namespace parolex {

void markAsSecret(QMimeData &data)
{
    // Windows keeps every clip in its history (Win+V) and sends it to the user's other
    // devices unless the clip says otherwise. A password must do neither, nor reach a
    // clipboard monitor: the first format's presence says so (its content does not count;
    // Qt puts no empty format on the clipboard), the other two as a DWORD 0. Qt offers a
    // type it does not know as a clipboard format of that very name; the
    // application/x-qt-windows-mime;value="…" form only reads formats, and on writing
    // would register the whole text as the name.
    const QByteArray no(4, '\0');
    data.setData(QStringLiteral("ExcludeClipboardContentFromMonitorProcessing"), no);
    data.setData(QStringLiteral("CanIncludeInClipboardHistory"), no);
    data.setData(QStringLiteral("CanUploadToCloudClipboard"), no);
}

} // namespace parolex
