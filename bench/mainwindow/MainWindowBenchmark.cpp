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

    // A zero timer fires at every event pass the run makes.
    QElapsedTimer clock;
    qint64 lastPass = 0;
    qint64 longestGap = 0;
    qint64 longestGapEnd = 0;
    qint64 passes = 0;
    QTimer eventPass;
    eventPass.setInterval(0);
    QObject::connect(&eventPass, &QTimer::timeout, &app, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (now - lastPass > longestGap) {
            longestGap = now - lastPass;
            longestGapEnd = now;
        }
        lastPass = now;
        ++passes;
    });

    eventPass.start();
    clock.start();
    control<QAbstractButton>(main, "CmdStart")->click();
    const qint64 runNs = clock.nsecsElapsed();
    if (runNs - lastPass > longestGap) {
        longestGap = runNs - lastPass;
        longestGapEnd = runNs;
    }
    eventPass.stop();

    auto *list = control<QComboBox>(main, "CoCode");
    const QList<MessageBox::Shown> messages = MessageBox::takeRecorded();
    std::printf("window_run_seconds=%.3f\n", double(runNs) / 1e9);
    std::printf("window_run_peak_mib=%.1f\n", peakMemoryMiB());
    std::printf("window_run_passwords=%d\n", list->count());
    std::printf("window_run_event_passes=%lld\n", static_cast<long long>(passes));
    std::printf("window_run_longest_event_gap_ms=%.1f (ending %.0f ms into the run)\n",
                double(longestGap) / 1e6, double(longestGapEnd) / 1e6);
    std::printf("window_run_file_bytes=%lld\n", static_cast<long long>(QFileInfo(output).size()));
    for (const MessageBox::Shown &shown : messages)
        std::printf("window_run_message=%s\n", qPrintable(shown.text));
    QFile::remove(output);

    clock.restart();
    list->showPopup();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const qint64 popupNs = clock.nsecsElapsed();
    std::printf("popup_open_seconds=%.3f (visible: %s, selected row %d)\n", double(popupNs) / 1e9,
                list->view()->isVisible() ? "yes" : "no", list->currentIndex());
    list->hidePopup();
    std::printf("peak_mib=%.1f\n", peakMemoryMiB());

    const bool ok = list->count() > 16000000 && list->currentIndex() >= 0 && messages.size() == 1;
    return ok ? 0 : 1;
}
