#include "main/ResultListModel.h"

namespace parolex {

int ResultListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_store.size());
}

QVariant ResultListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_store.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_store.text(index.row());
    return {};
}

void ResultListModel::clear()
{
    if (m_store.size() == 0)
        return;
    beginResetModel();
    m_store.clear();
    endResetModel();
}

void ResultListModel::append(const SharedPasswordBlock &block, qsizetype first, qsizetype count)
{
    if (count <= 0)
        return;
    const int start = int(m_store.size());
    beginInsertRows({}, start, int(start + count - 1));
    m_store.append(block, first, count);
    endInsertRows();
}

void ResultListModel::insertAtTop(QStringView password)
{
    beginInsertRows({}, 0, 0);
    m_store.insertAtTop(password);
    endInsertRows();
}

int ResultListModel::indexOf(QStringView password) const
{
    return int(m_store.indexOf(password));
}

} // namespace parolex
