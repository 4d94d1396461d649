#pragma once

#include "main/EventPassPacer.h"
#include "run/ResultSink.h"
#include "run/RunUi.h"

class QComboBox;

namespace parolex {

class Forms;
class RandomSource;
class ResultList;
class TextFileLayer;
struct GenerationOptions;

/// What a run started from the main window talks to: the message boxes, the progress window,
/// the result list and the clipboard. It also keeps a second run from starting while one is
/// in progress, whatever enabled the main window in between.
class MainRunUi : public RunUi, public ResultSink
{
public:
    MainRunUi(Forms &forms, ResultList &results, QComboBox *box);

    bool isRunning() const { return m_running; }
    /// Runs RunGeneration with @p options unless a run is already in progress; returns
    /// whether it ran.
    bool run(const GenerationOptions &options, RandomSource &random, TextFileLayer &files);
    /// The user ended the program during the run: the run stops at its next event pass,
    /// keeping the whole lines it wrote, and nothing more is shown.
    void requestStop();

    void showMessage(const QString &text, const QString &title, MessageIcon icon) override;
    void showProgress() override;
    void showProgressLabel() override;
    void setProgressText(const QString &text) override;
    void closeProgress() override;
    void clearResults() override;
    void appendResults(const SharedPasswordBlock &block, qsizetype first, qsizetype count) override;
    void insertResultAtTop(QStringView password) override;
    void selectResult(QStringView password) override;
    void enableResults() override;
    void setClipboardText(const QString &text) override;
    bool eventPassDue() override;
    void processPendingEvents() override;
    bool stopRequested() override { return m_stopRequested; }

private:
    Forms &m_forms;
    ResultList &m_results;
    QComboBox *m_box;
    EventPassPacer m_eventPasses;
    bool m_running = false;
    bool m_stopRequested = false;
};

} // namespace parolex
