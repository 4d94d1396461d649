#include "run/RandomRun.h"

#include "random/UniformDraw.h"
#include "run/ClassCoverage.h"
#include "store/RepeatFilter.h"
#include "text/CodePoints.h"
#include "text/NumberText.h"

#include <cstring>
#include <optional>

namespace parolex {

namespace {

/// The most distinct passwords of @p length characters over @p distinct characters, capped
/// at @p count: the repeat filter never needs room for more.
qsizetype distinctPasswordsAtMost(qsizetype distinct, int length, qsizetype count)
{
    qsizetype possible = 1;
    for (int k = 0; k < length && possible < count; ++k)
        possible *= distinct;
    return qMin(possible, count);
}

} // namespace

RandomRun::RandomRun(RunContext &run, const CharacterPool &pool, int length)
    : m_run(run), m_pool(pool), m_length(length)
{}

CharacterPool RandomRun::alphabetOf(const CharacterPool &pool, QList<quint8> &entryValues)
{
    QList<char32_t> distinct;
    entryValues.clear();
    for (char32_t c : pool.entries()) {
        qsizetype index = distinct.indexOf(c);
        if (index < 0) {
            index = distinct.size();
            distinct.append(c);
        }
        entryValues.append(quint8(index));
    }
    return CharacterPool(std::move(distinct));
}

void RandomRun::deliver()
{
    const qsizetype size = m_block->size();
    if (size == m_delivered)
        return;
    m_run.results.appendResults(m_sharedBlock, m_delivered, size - m_delivered);
    m_delivered = size;
    m_run.ui.showProgressLabel();
}

RunStep RandomRun::run()
{
    RunUi &ui = m_run.ui;
    const qint64 count = m_run.count;
    QList<quint8> entryValues;
    const CharacterPool alphabet = alphabetOf(m_pool, entryValues);

    m_block = std::make_shared<PasswordBlock>(alphabet, m_length, count);
    m_sharedBlock = m_block;
    std::optional<RepeatFilter> filter;
    if (m_run.options.FilterDuplicates) {
        filter.emplace(distinctPasswordsAtMost(alphabet.size(), m_length, count), m_length);
        while (filter->prepareNextPiece()) {
            if (ui.eventPassDue()) {
                ui.processPendingEvents();
                if (ui.stopRequested())
                    return RunStep::stopped();
            }
        }
    }
    if (m_run.output)
        m_run.output->setRowAlphabet(alphabet);
    UniformDraw draw(entryValues, m_run.random);
    std::optional<ClassCoverage> coverage;
    if (m_run.options.everyClass)
        coverage.emplace(m_run.options, alphabet);

    // The run owns the block's memory until it hands rows over; rows past size() are its
    // scratch space for the batch being drawn.
    auto *rows = const_cast<quint8 *>(m_block->row(0));
    std::vector<quint8> kept(size_t(batchSize), 1);
    QByteArray lastPassword(m_length, Qt::Uninitialized);

    for (qint64 first = 1; first <= count;) {
        const qsizetype batch = qsizetype(qMin<qint64>(batchSize, count - first + 1));
        const qsizetype base = m_block->size();
        // A password is the first L characters of a candidate of 27; the characters after
        // them are never shown, stored or compared, so drawing them would change nothing
        // anyone can see. Each kept character is still its own uniform draw over the pool.
        draw.draw(rows + base * m_length, batch * m_length);
        // A candidate that misses a class is drawn again whole, before the repeat filter
        // sees it: what stays is the plain draw limited to the passwords that qualify.
        for (qsizetype j = 0; coverage && j < batch; ++j) {
            quint8 *row = rows + (base + j) * m_length;
            while (!coverage->covers(row, m_length))
                draw.draw(row, m_length);
        }
        if (first + batch > count) {
            // The last candidate is selected even when the filter drops it, and dropping
            // may overwrite its row.
            std::memcpy(lastPassword.data(), rows + (base + batch - 1) * m_length, size_t(m_length));
        }
        if (filter)
            filter->admit(rows, base, batch, kept);

        for (qsizetype j = 0; j < batch; ++j) {
            const qint64 counter = first + j;
            if (ui.eventPassDue()) {
                deliver();
                ui.processPendingEvents();
                if (ui.stopRequested())
                    return RunStep::stopped();
            }
            if (!kept[size_t(j)])
                continue;
            m_block->commit();
            if (counter % 1000 == 0) {
                deliver();
                ui.setProgressText(progressText(counter, count));
            }
            if (m_run.output) {
                if (const Failure failure =
                        m_run.output->writeRow(m_block->row(m_block->size() - 1), m_length)) {
                    deliver();
                    return failure;
                }
            }
        }
        first += batch;
    }
    deliver();

    QString last;
    for (const char index : std::as_const(lastPassword))
        appendCodePoint(last, alphabet.at(quint8(index)));
    m_run.results.selectResult(last);
    ui.setClipboardText(last);
    return RunStep::proceed();
}

} // namespace parolex
