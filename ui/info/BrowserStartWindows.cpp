// Starting the browser on Windows: the composed command line itself, minimised.

#include "info/BrowserStartWindows.h"

#include <qt_windows.h>
#include <string>

namespace parolex {

void *startBrowserProcess(const BrowserCommand &command)
{
    // The program is named on its own: without it Windows reads the unquoted command line
    // blank by blank and starts the first program it finds on the way, C:\program.exe
    // before C:\program files\internet explorer\iexplore.exe. The command line stays as
    // composed, so the browser sees the address exactly as before.
    const std::wstring program = command.program.toStdWString();
    // CreateProcessW may write into the command line, so it gets its own copy.
    std::wstring line = command.commandLine.toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

bool startBrowserMinimized(const BrowserCommand &command)
{
    void *process = startBrowserProcess(command);
    if (!process)
        return false;
    CloseHandle(process);
    return true;
}

} // namespace parolex
