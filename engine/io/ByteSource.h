#pragma once

#include <QtGlobal>

namespace parolex {

/// Raw bytes of a file to read, a piece at a time: the operating system's file for the
/// program, a byte array in tests.
class ByteSource
{
public:
    virtual ~ByteSource() = default;

    /// Reads up to @p max bytes into @p into; @p got is 0 at the end of the file.
    /// Returns 0 or the failure number.
    virtual int read(char *into, qsizetype max, qsizetype &got) = 0;
    virtual int close() = 0;
};

} // namespace parolex
