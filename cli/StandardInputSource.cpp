#include "StandardInputSource.h"

#include "TerminalStreams.h"
#include "io/NativeFile.h"

namespace parolex {

int StandardInputSource::read(char *into, qsizetype max, qsizetype &got)
{
    const int error = terminal::readSome(terminal::Stream::Input, into, max, got);
    return error ? NativeFile::failureOfSystemError(error) : 0;
}

} // namespace parolex
