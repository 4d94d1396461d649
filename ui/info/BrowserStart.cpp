// The one place where starting the browser differs between platforms.

#include "info/LinkLauncher.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <QProcess>
#endif

namespace parolex {

bool StartBrowserMinimized(const BrowserCommand &command)
{
#ifdef Q_OS_WIN
    // CreateProcessW may write into the command line, so it gets its own copy.
    std::wstring line = command.commandLine.toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
#else
    // Started directly, never through a shell: the address is one argument whatever it holds.
    return QProcess::startDetached(QStringLiteral("xdg-open"), {command.argument});
#endif
}

} // namespace parolex
