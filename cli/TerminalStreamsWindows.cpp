#include "TerminalStreams.h"

#include <algorithm>
#include <windows.h>

// The standard streams as Windows handles; errors are GetLastError() codes, which is what
// NativeFile::failureOfSystemError() expects on this system. Raw handles keep the bytes of
// Key files and output untouched (no text-mode CR LF translation).
namespace parolex::terminal {
namespace {

HANDLE handleOf(Stream stream)
{
    switch (stream) {
    case Stream::Input:
        return GetStdHandle(STD_INPUT_HANDLE);
    case Stream::Output:
        return GetStdHandle(STD_OUTPUT_HANDLE);
    case Stream::Error:
        break;
    }
    return GetStdHandle(STD_ERROR_HANDLE);
}

constexpr qsizetype largestCall = 1 << 30;

} // namespace

void ignoreBrokenPipeSignal()
{
    // There is no SIGPIPE: a closed pipe shows as a failed write (ERROR_NO_DATA).
}

bool isTerminal(Stream stream)
{
    return GetFileType(handleOf(stream)) == FILE_TYPE_CHAR;
}

int writeAll(Stream stream, const char *data, qsizetype size)
{
    while (size > 0) {
        DWORD written = 0;
        if (!WriteFile(handleOf(stream), data, DWORD(std::min(size, largestCall)), &written, nullptr))
            return int(GetLastError());
        data += written;
        size -= written;
    }
    return 0;
}

int readSome(Stream stream, char *into, qsizetype max, qsizetype &got)
{
    got = 0;
    DWORD count = 0;
    if (!ReadFile(handleOf(stream), into, DWORD(std::min(max, largestCall)), &count, nullptr)) {
        const DWORD error = GetLastError();
        // The writing end of a pipe went away: that is the end of the input.
        return error == ERROR_BROKEN_PIPE ? 0 : int(error);
    }
    got = count;
    return 0;
}

bool isBrokenPipe(int systemError)
{
    return systemError == ERROR_NO_DATA || systemError == ERROR_BROKEN_PIPE;
}

} // namespace parolex::terminal
