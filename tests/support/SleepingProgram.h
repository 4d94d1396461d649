#pragma once

#include <QString>
#include <QStringList>

namespace parolex::fakes {

/// A program of the system that waits about half a minute and does nothing else, with the
/// arguments that make it wait: a process that holds its own program file open, to show
/// what a run meets in a file another process is using. One file per system.
struct SleepingProgram
{
    QString path;
    QStringList arguments;
};

SleepingProgram sleepingProgram();

} // namespace parolex::fakes
