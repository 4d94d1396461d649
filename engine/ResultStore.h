#pragma once

#include "PasswordBlock.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <deque>

namespace parolex {

/// The entries of the result list, kept compactly: random passwords stay in the run's
/// shared PasswordBlock, derived passwords (short, plain ASCII) in packed byte runs.
/// No QString per entry. Row 0 is the top of the list.
class ResultStore
{
public:
    void clear();
    /// Rows [first, first + count) of @p block, appended at the end.
    void append(const SharedPasswordBlock &block, qsizetype first, qsizetype count);
    void insertAtTop(QStringView password);

    qsizetype size() const { return m_size; }
    QString text(qsizetype row) const;
    /// First row equal to @p password, or -1. Looks at the last row first, where the
    /// password a run selects usually is.
    qsizetype indexOf(QStringView password) const;

private:
    struct Segment;
    std::deque<Segment> m_segments;
    qsizetype m_size = 0;
};

} // namespace parolex
