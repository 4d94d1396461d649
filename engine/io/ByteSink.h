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

    /// Writes all of @p bytes at the end, or fails; then part of them may be in the file.
    virtual Failure write(QByteArrayView bytes) = 0;
    /// How many bytes have reached the file so far, also of a write that failed halfway.
    virtual qint64 written() const = 0;
    /// Cuts the file back to its first @p size bytes, so that a write that failed halfway
    /// leaves no cut-off line behind. Streams that cannot be cut leave this be.
    virtual Failure cutBackTo(qint64 size) = 0;
    /// Releases the file; further calls do nothing.
    virtual Failure close() = 0;
};

} // namespace parolex
