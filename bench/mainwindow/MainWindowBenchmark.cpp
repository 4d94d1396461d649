// The largest run through the real main window on the offscreen platform: wall time, peak
// memory, the longest stretch without an event pass, and how long the full result list
// takes to open. Run by hand through bench/mainwindow/mainwindow-bench.

#include "AppForms.h"
#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "main/MainForm.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

using namespace parolex;
using namespace Qt::StringLiterals;

namespace {

double peakMemoryMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

template <typename Control> Control *control(QWidget *window, const char *name)
{
    auto *found = window->findChild<Control *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

struct RunFigures
{
    qint64 runNs = 0;
    qint64 passes = 0;
    qint64 longestGap = 0;
    qint64 longestGapEnd = 0;
    qint64 firstGap = 0; ///< from the press of the start button to the first event pass
    qint64 lastGap = 0;  ///< from the last event pass to the end of the run
};

/// One press of 开始 with the options set, timed by a zero timer that fires at every event
/// pass the run makes.
RunFigures measureRun(QApplication &app, MainForm *main)
{
    RunFigures figures;
    QElapsedTimer clock;
    qint64 lastPass = 0;
    QTimer eventPass;
    eventPass.setInterval(0);
    QObject::connect(&eventPass, &QTimer::timeout, &app, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (figures.passes == 0)
            figures.firstGap = now;
        if (now - lastPass > figures.longestGap) {
            figures.longestGap = now - lastPass;
            figures.longestGapEnd = now;
        }
        lastPass = now;
        ++figures.passes;
    });

    eventPass.start();
    clock.start();
    control<QAbstractButton>(main, "CmdStart")->click();
    figures.runNs = clock.nsecsElapsed();
    figures.lastGap = figures.runNs - lastPass;
    if (figures.lastGap > figures.longestGap) {
        figures.longestGap = figures.lastGap;
        figures.longestGapEnd = figures.runNs;
    }
    eventPass.stop();
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installFonts();
    MessageBox::setRecording(true);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    QTemporaryDir settings;

    AppForms forms(MainFormSetup{settings.path(), settings.path(), nullptr, nullptr});
    MainForm *main = forms.mainForm();
    main->show();
    QCoreApplication::processEvents();

    // All four classes and "+-=\/" are the loaded defaults.
    control<QComboBox>(main, "CoNum")->setEditText(u"16777216"_s);
    control<QComboBox>(main, "CoLong")->setEditText(u"26"_s);
    control<QAbstractButton>(main, "Check2")->click();
    control<QAbstractButton>(main, "ChMui")->click();
    const QString output = folder + u"/main-window-run.txt"_s;
    control<QLineEdit>(main, "TOutput")->setText(output);

    // The usual case, a new file; then the same run over the 470 MB file it left, which has to
    // be emptied first.
    QFile::remove(output);
    const RunFigures fresh = measureRun(app, main);
    const double freshPeak = peakMemoryMiB();
    const QList<MessageBox::Shown> messages = MessageBox::takeRecorded();
    auto *list = control<QComboBox>(main, "CoCode");
    const int passwords = list->count();
    const qint64 fileBytes = QFileInfo(output).size();
    const RunFigures replacing = measureRun(app, main);
    MessageBox::takeRecorded();
    QFile::remove(output);

    std::printf("window_run_seconds=%.3f\n", double(fresh.runNs) / 1e9);
    std::printf("window_run_peak_mib=%.1f\n", freshPeak);
    std::printf("window_run_passwords=%d\n", passwords);
    std::printf("window_run_event_passes=%lld\n", static_cast<long long>(fresh.passes));
    std::printf("window_run_longest_event_gap_ms=%.1f (ending %.0f ms into the run)\n",
                double(fresh.longestGap) / 1e6, double(fresh.longestGapEnd) / 1e6);
    std::printf("window_run_last_gap_ms=%.1f\n", double(fresh.lastGap) / 1e6);
    std::printf("window_run_file_bytes=%lld\n", static_cast<long long>(fileBytes));
    for (const MessageBox::Shown &shown : messages)
        std::printf("window_run_message=%s\n", qPrintable(shown.text));
    std::printf("existing_file_run_seconds=%.3f\n", double(replacing.runNs) / 1e9);
    std::printf("existing_file_longest_event_gap_ms=%.1f (ending %.0f ms into the run)\n",
                double(replacing.longestGap) / 1e6, double(replacing.longestGapEnd) / 1e6);
    std::printf("existing_file_first_gap_ms=%.1f\n", double(replacing.firstGap) / 1e6);
    std::printf("existing_file_last_gap_ms=%.1f\n", double(replacing.lastGap) / 1e6);

    QElapsedTimer clock;
    clock.start();
    list->showPopup();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const qint64 popupNs = clock.nsecsElapsed();
    std::printf("popup_open_seconds=%.3f (visible: %s, selected row %d)\n", double(popupNs) / 1e9,
                list->view()->isVisible() ? "yes" : "no", list->currentIndex());
    list->hidePopup();
    std::printf("peak_mib=%.1f\n", peakMemoryMiB());

    const bool ok = passwords > 16000000 && list->currentIndex() >= 0 && messages.size() == 1;
    return ok ? 0 : 1;
}
