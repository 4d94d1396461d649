#include "StandardInputSource.h"

#include "NativeFile.h"
#include "TerminalStreams.h"

namespace parolex {

int StandardInputSource::read(char *into, qsizetype max, qsizetype &got)
{
    const int error = terminal::readSome(terminal::Stream::Input, into, max, got);
    return error ? NativeFile::failureOfSystemError(error) : 0;
}

} // namespace parolex
