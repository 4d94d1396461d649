#pragma once

#include "store/ResultStore.h"

#include <QAbstractListModel>

namespace parolex {

/// The result list's rows over the compact ResultStore: a run's 16,777,216 passwords stay in
/// the run's own block instead of one QString each.
class ResultListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void clear();
    /// Rows [first, first + count) of @p block join the end in one insertion.
    void append(const SharedPasswordBlock &block, qsizetype first, qsizetype count);
    void insertAtTop(QStringView password);
    /// First row equal to @p password, or -1.
    int indexOf(QStringView password) const;

private:
    ResultStore m_store;
};

} // namespace parolex
