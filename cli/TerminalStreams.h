#pragma once

#include <QtGlobal>

// The few operating-system calls the terminal front end makes on its standard streams,
// in one place (TerminalStreamsPosix.cpp, TerminalStreamsWindows.cpp). Failures come back as the system's own
// error code; NativeFile::failureOfSystemError() turns them into the run's numbers.
namespace parolex::terminal {

enum class Stream
{
    Input = 0,
    Output = 1,
    Error = 2
};

/// A reader that closes the pipe early must not kill the program with a signal: the
/// failed write is noticed and the program ends on its own terms.
void ignoreBrokenPipeSignal();

bool isTerminal(Stream stream);

/// Writes all @p size bytes. Returns 0 or the system's error code.
int writeAll(Stream stream, const char *data, qsizetype size);

/// Reads up to @p max bytes; @p got is 0 at the end. Returns 0 or the system's error code.
int readSome(Stream stream, char *into, qsizetype max, qsizetype &got);

/// Whether @p systemError says the reading end of the pipe has gone.
bool isBrokenPipe(int systemError);

} // namespace parolex::terminal
