#pragma once

#include "failure/Failure.h"

#include <QByteArrayView>

namespace parolex {

/// Where the bytes of a file to write go: a file or standard output of the operating system
/// for the programs, a byte array in tests. Callers that write often keep their own buffer
/// and hand over large pieces.
class ByteSink
{
public:
    virtual ~ByteSink() = default;

    /// Writes all of @p bytes at the end, or fails.
    virtual Failure write(QByteArrayView bytes) = 0;
    /// Releases the file; further calls do nothing.
    virtual Failure close() = 0;
};

} // namespace parolex
