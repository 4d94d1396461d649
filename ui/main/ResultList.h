#pragma once

#include "store/PasswordBlock.h"

#include <QObject>

class QAbstractItemView;
class QComboBox;

namespace parolex {

class ResultListModel;

/// The result list `CoCode`: a drop-down list (no typing) over ResultListModel, set up so that
/// 16,777,216 rows cost neither a measurement of every row nor a QString each. A run's rows
/// are gathered and handed to the box in chunks.
class ResultList : public QObject
{
    Q_OBJECT

public:
    explicit ResultList(QComboBox *box);

    void clear();
    /// Rows of the run's block join the end; consecutive rows of one block are handed over
    /// together at the next flush().
    void append(const SharedPasswordBlock &block, qsizetype first, qsizetype count);
    void insertAtTop(QStringView password);
    /// Selects the first entry equal to @p password; selects nothing when there is none.
    void select(QStringView password);
    void flush();

private:
    static QAbstractItemView *popupView(const QComboBox *box);

    QComboBox *m_box;
    ResultListModel *m_model;
    SharedPasswordBlock m_pendingBlock;
    qsizetype m_pendingFirst = 0;
    qsizetype m_pendingCount = 0;
};

} // namespace parolex
