#include "TerminalStreams.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace parolex::terminal {

void ignoreBrokenPipeSignal()
{
    std::signal(SIGPIPE, SIG_IGN);
}

bool isTerminal(Stream stream)
{
    return ::isatty(int(stream)) == 1;
}

int writeAll(Stream stream, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t count = ::write(int(stream), data, size_t(size));
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += count;
        size -= count;
    }
    return 0;
}

int readSome(Stream stream, char *into, qsizetype max, qsizetype &got)
{
    got = 0;
    ssize_t count;
    do {
        count = ::read(int(stream), into, size_t(max));
    } while (count < 0 && errno == EINTR);
    if (count < 0)
        return errno;
    got = count;
    return 0;
}

bool isBrokenPipe(int systemError)
{
    return systemError == EPIPE;
}

} // namespace parolex::terminal
