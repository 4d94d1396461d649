#include "support/SleepingProgram.h"

#include <QDir>

namespace parolex::fakes {

// Windows has no sleep program; ping waits a second between its echoes.
SleepingProgram sleepingProgram()
{
    const QDir system(qEnvironmentVariable("SystemRoot", QStringLiteral("C:/windows")) + QStringLiteral("/system32"));
    return {system.filePath(QStringLiteral("ping.exe")),
            {QStringLiteral("-n"), QStringLiteral("30"), QStringLiteral("127.0.0.1")}};
}

} // namespace parolex::fakes
