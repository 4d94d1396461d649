#pragma once

#include "ProgressLine.h"
#include "run/ResultSink.h"
#include "run/RunUi.h"

namespace parolex {

class ErrorStream;
class StandardOutput;

/// The run's user-interface operations on a terminal: messages and the progress line on
/// standard error, the result list on standard output. There is no clipboard, selection or
/// event loop; the list is only written, never kept, so a run needs no more memory than
/// its own.
class TerminalRunUi : public RunUi, public ResultSink
{
public:
    /// @p results takes the passwords that would join the result list; null when the run
    /// writes them to its output file instead and standard output stays empty.
    TerminalRunUi(ErrorStream &errors, StandardOutput *results);

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

private:
    ErrorStream &m_errors;
    StandardOutput *m_results;
    ProgressLine m_progress;
};

} // namespace parolex
