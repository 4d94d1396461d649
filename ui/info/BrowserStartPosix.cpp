// Starting the browser off Windows, where the composed Windows path cannot exist: the
// desktop's own opener with the address.

#include "info/LinkLauncher.h"

#include <QCoreApplication>
#include <QProcess>

namespace parolex {

bool startBrowserMinimized(const BrowserCommand &command)
{
    // Started directly, never through a shell: the address is one argument whatever it holds.
    // The opener belongs to the application, not to the dialog, so a failure is reported
    // even when the dialog was closed meanwhile. It gets no pipes: a browser it leaves
    // running must never write into one that nobody reads.
    auto *opener = new QProcess(QCoreApplication::instance());
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({command.argument});
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        opener->deleteLater();
        reportBrowserFailure();
    });
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener](int exitCode, QProcess::ExitStatus status) {
                         opener->deleteLater();
                         // xdg-open ends with 3 when it finds no program to open the link with, 4 when the
                         // program it found fails.
                         if (status != QProcess::NormalExit || exitCode != 0)
                             reportBrowserFailure();
                     });
    opener->start();
    return true;
}

} // namespace parolex
