#pragma once

#include "io/SystemFile.h"
#include "io/SystemTextFileLayer.h"

namespace parolex {

/// The system's files as the terminal names them: "-" is standard input where a file is
/// read and standard output where one is written, as Unix tools have it. The bytes are the
/// same as a file's: the desktop's Key-file and output-file formats, byte for byte.
class TerminalFileLayer : public TextFileLayer
{
public:
    static bool isStandardStream(const QString &path) { return path == QStringLiteral("-"); }

    Result<std::unique_ptr<ByteSource>> openForReading(const QString &path) override;
    Result<std::unique_ptr<ByteSink>> createForWriting(const QString &path) override;
    /// Also true when a standard stream is redirected from or to the other file:
    /// `convert - keys.txt < keys.txt` would empty the Key file before its first line is
    /// read, `convert keys.txt - >> keys.txt` would write into the file being read.
    bool sameFile(const QString &first, const QString &second) override;

    /// Whether the reader of standard output went away while the run wrote to it (`| head`).
    bool outputReaderHasGone() const;

private:
    SystemTextFileLayer m_files;
    /// Standard output, kept here once a run writes its output file there, so that it can
    /// be asked about its reader after the run.
    std::unique_ptr<SystemFile> m_output;
};

} // namespace parolex
