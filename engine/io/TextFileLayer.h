#pragma once

#include "io/FileOpenResult.h"
#include "io/TextInputFile.h"
#include "io/TextOutputFile.h"

#include <QString>

namespace parolex {

/// The text files a run reads and writes. Every failure is a number (FailureNumbers.h):
/// a file to read that is missing 53, a device failure 57, a file in use by another
/// process 70, access refused (read-only file, a folder as the path, an empty path) 75,
/// and numbers of their own for the rest (61 disk full, 76 folder missing, ...).
class TextFileLayer
{
public:
    virtual ~TextFileLayer() = default;

    /// Creates @p path, or empties it when it exists, ready for appending.
    virtual FileOpenResult<TextOutputFile> createOutput(const QString &path) = 0;
    /// Opens the Key file @p path for reading line by line.
    virtual FileOpenResult<TextInputFile> openInput(const QString &path) = 0;
    /// True when @p first and @p second name one and the same existing file, whatever the
    /// spelling: relative paths, links and hard links are resolved.
    virtual bool sameFile(const QString &first, const QString &second) = 0;
};

} // namespace parolex
