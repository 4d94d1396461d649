#pragma once

#include "ProgressLine.h"
#include "run/ResultSink.h"
#include "run/RunUi.h"

#include <optional>
#include <utility>

namespace parolex {

class ErrorStream;
class StandardOutput;

/// The run's user-interface operations on a terminal: the progress line on standard error,
/// the result list on standard output, and the run's message, which the caller says once
/// the run has ended. There is no clipboard, selection or event loop; the list is only
/// written, never kept, so a run needs no more memory than its own.
class TerminalRunUi : public RunUi, public ResultSink
{
public:
    /// @p results takes the passwords that would join the result list; null when the run
    /// writes them to its output file instead and standard output stays empty.
    /// @p quiet: no progress line.
    TerminalRunUi(ErrorStream &errors, StandardOutput *results, bool quiet = false);

    void showMessage(const QString &text, const QString &title, MessageIcon icon) override;
    void showProgress() override;
    void showProgressLabel() override {}
    void setProgressText(const QString &text) override;
    void closeProgress() override;
    void appendResults(const SharedPasswordBlock &block, qsizetype first, qsizetype count) override;
    void insertResultAtTop(QStringView password) override;
    void setClipboardText(const QString &) override {}
    bool eventPassDue() override { return false; }
    void processPendingEvents() override {}
    bool stopRequested() override { return false; }

    struct Message
    {
        QString text;
        QString title;
    };
    /// The run's message, held back until the run has ended: only then is it known whether
    /// it reports a failure (said in the terminal's words) or a completion (not said when
    /// quiet).
    std::optional<Message> takeMessage() { return std::exchange(m_message, std::nullopt); }

private:
    StandardOutput *m_results;
    ProgressLine m_progress;
    bool m_quiet;
    std::optional<Message> m_message;
};

} // namespace parolex
