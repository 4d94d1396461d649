#pragma once

#include "failure/Result.h"

#include <QtGlobal>

namespace parolex {

/// The raw bytes of a file to read, a piece at a time: a file or standard input of the
/// operating system for the programs, a byte array in tests.
class ByteSource
{
public:
    virtual ~ByteSource() = default;

    /// Reads up to @p max bytes into @p into: how many arrived, 0 at the end of the file.
    virtual Result<qsizetype> read(char *into, qsizetype max) = 0;
    /// Releases the file; further calls do nothing.
    virtual Failure close() = 0;
};

} // namespace parolex
