#include "main/MainRunUi.h"

#include "common/Forms.h"
#include "common/MessageBox.h"
#include "main/Clipboard.h"
#include "main/ResultList.h"
#include "progress/Waiting.h"
#include "run/RunGeneration.h"

#include <QComboBox>
#include <QCoreApplication>

namespace parolex {
namespace {

// A pass every 10 ms keeps the progress window draggable without costing the run anything
// worth measuring.
constexpr qint64 eventPassIntervalNs = 10'000'000;

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MainRunUi::MainRunUi(Forms &forms, ResultList &results, QComboBox *box)
    : m_forms(forms), m_results(results), m_box(box), m_eventPasses(eventPassIntervalNs)
{}

bool MainRunUi::run(const GenerationOptions &options, RandomSource &random, TextFileLayer &files)
{
    // The progress window disables the main window, but closing it (or the About dialog)
    // enables it again while the run goes on; the run's state belongs to the one run.
    if (m_running)
        return false;
    m_running = true;
    m_stopRequested = false;
    m_eventPasses.restart();
    struct Done
    {
        MainRunUi &ui;
        ~Done()
        {
            ui.m_results.flush();
            ui.m_running = false;
        }
    } done{*this};
    RunGeneration(options, *this, *this, random, files);
    return true;
}

void MainRunUi::requestStop()
{
    m_stopRequested = true;
    closeProgress();
}

void MainRunUi::showMessage(const QString &text, const QString &title, MessageIcon icon)
{
    m_results.flush();
    if (m_stopRequested)
        return;
    MessageBox::show(text, title, boxIcon(icon));
}

void MainRunUi::showProgress()
{
    if (m_stopRequested)
        return;
    m_forms.progress();
    // The run sets itself up next (its largest memory is touched first then): the window
    // should be painted before that, not after.
    processPendingEvents();
}

void MainRunUi::showProgressLabel()
{
    if (!m_stopRequested)
        m_forms.progress().showProgressLabel();
}

void MainRunUi::setProgressText(const QString &text)
{
    if (!m_stopRequested)
        m_forms.progress().setProgressText(text);
}

void MainRunUi::closeProgress()
{
    m_forms.unloadProgress();
}

void MainRunUi::clearResults()
{
    m_results.clear();
}

void MainRunUi::appendResults(const SharedPasswordBlock &block, qsizetype first, qsizetype count)
{
    m_results.append(block, first, count);
}

void MainRunUi::insertResultAtTop(QStringView password)
{
    m_results.insertAtTop(password);
}

void MainRunUi::selectResult(QStringView password)
{
    m_results.select(password);
}

void MainRunUi::enableResults()
{
    m_results.flush();
    m_box->setEnabled(true);
}

void MainRunUi::setClipboardText(const QString &text)
{
    putPasswordOnClipboard(text);
}

bool MainRunUi::eventPassDue()
{
    return m_eventPasses.due();
}

void MainRunUi::processPendingEvents()
{
    // The rows made so far join the list at every pass, so an open list shows them.
    m_results.flush();
    QCoreApplication::processEvents();
    m_eventPasses.restart();
}

} // namespace parolex
