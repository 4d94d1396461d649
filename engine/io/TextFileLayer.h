#pragma once

#include "io/ByteSink.h"
#include "io/ByteSource.h"

#include <QString>
#include <memory>

namespace parolex {

/// The files a run reads and writes, as bytes; the run reads Key lines and writes output
/// lines through its own wrappers (key/KeyLineReader, text/OutputFileWriter). Every failure
/// is a Failure: a file to read that is missing 53, a device failure 57, a file in use by
/// another process 70, access refused (read-only file, a folder as the path, an empty path)
/// 75, and numbers of their own for the rest (61 disk full, 76 folder missing, ...).
class TextFileLayer
{
public:
    virtual ~TextFileLayer() = default;

    virtual Result<std::unique_ptr<ByteSource>> openForReading(const QString &path) = 0;
    /// Creates @p path, or empties it when it exists.
    virtual Result<std::unique_ptr<ByteSink>> createForWriting(const QString &path) = 0;
    /// True when @p first and @p second name one and the same existing file, whatever the
    /// spelling: relative paths, links and hard links are resolved.
    virtual bool sameFile(const QString &first, const QString &second) = 0;
};

} // namespace parolex
