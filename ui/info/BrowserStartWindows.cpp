// Starting the browser on Windows: the composed command line itself, minimised.

#include "info/LinkLauncher.h"

#include <qt_windows.h>
#include <string>

namespace parolex {

bool startBrowserMinimized(const BrowserCommand &command)
{
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
}

} // namespace parolex
