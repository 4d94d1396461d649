#pragma once

#include "store/PasswordBlock.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <deque>
#include <vector>

namespace parolex {

/// The entries of the result list, kept compactly: random passwords stay in the run's
/// shared PasswordBlock, derived passwords (short, plain ASCII) in packed byte runs.
/// No QString per entry. Row 0 is the top of the list.
// In the engine rather than ui/main: the engine's test fake and the benchmark keep results
// the way the window does, and neither may depend on widgets.
class ResultStore
{
public:
    void clear();
    /// Rows [first, first + count) of @p block, appended at the end.
    void append(const SharedPasswordBlock &block, qsizetype first, qsizetype count);
    /// Amortised constant time, so a Key file of millions of lines fills the top quickly.
    void insertAtTop(QStringView password);

    qsizetype size() const { return m_size; }
    QString text(qsizetype row) const;
    /// First row equal to @p password, or -1. Compares in each segment's own bytes, so
    /// even 16,777,216 rows are searched in a few tens of milliseconds.
    qsizetype indexOf(QStringView password) const;

private:
    /// Either rows of a shared block or a packed run of inserted passwords.
    struct Segment
    {
        SharedPasswordBlock block;
        qsizetype first = 0;
        qsizetype count = 0;
        /// Inserted passwords in UTF-8, oldest first: the newest is the segment's top row.
        QByteArray packed;
        std::vector<quint32> ends;
    };

    /// The segment holding @p row, and the row's place within it.
    const Segment *locate(qsizetype row, qsizetype &offset) const;
    static QString packedText(const Segment &segment, qsizetype offset);

    std::deque<Segment> m_segments;
    qsizetype m_size = 0;
};

} // namespace parolex
