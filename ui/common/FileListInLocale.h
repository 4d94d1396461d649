#pragma once

#include <QIdentityProxyModel>

namespace parolex {

/// Stands between Qt's file dialog and its list of files: the sizes and dates, which Qt
/// writes in the system's locale, are written in the program's (Simplified Chinese) like
/// everything else in the dialog.
class FileListInLocale : public QIdentityProxyModel
{
    Q_OBJECT

public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    static constexpr int sizeColumn = 1;
    static constexpr int dateColumn = 3;
};

} // namespace parolex
