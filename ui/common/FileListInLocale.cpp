#include "common/FileListInLocale.h"

#include <QFileSystemModel>
#include <QLocale>

namespace parolex {

QVariant FileListInLocale::data(const QModelIndex &index, int role) const
{
    const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
    if (!files || role != Qt::DisplayRole || (index.column() != sizeColumn && index.column() != dateColumn))
        return QIdentityProxyModel::data(index, role);
    const QModelIndex entry = mapToSource(index);
    if (index.column() == dateColumn)
        return QLocale().toString(files->lastModified(entry), QLocale::ShortFormat);
    // Folders show no size; files in KB and MB, as Chinese systems write them.
    return files->isDir(entry)
               ? QString()
               : QLocale().formattedDataSize(files->size(entry), 2, QLocale::DataSizeTraditionalFormat);
}

} // namespace parolex
