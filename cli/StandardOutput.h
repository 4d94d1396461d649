#pragma once

#include "failure/Failure.h"
#include "run/CharacterPool.h"
#include "store/PasswordBlock.h"
#include "text/RowEncoder.h"

#include <QByteArray>
#include <memory>

namespace parolex {

class ErrorStream;
class SystemFile;

/// Standard output in the locale's encoding, one result per line ending in LF, gathered in
/// a large buffer: 16,777,216 passwords are written a megabyte at a time.
///
/// A failed write ends the program at once, since nothing after it can reach the reader:
/// when the reader has closed the pipe (`| head`) quietly with status 0, as a reader that
/// has all it wanted is no failure; otherwise with the failure's text and number on
/// standard error and status 3.
class StandardOutput
{
public:
    explicit StandardOutput(ErrorStream &errors);
    ~StandardOutput();
    StandardOutput(const StandardOutput &) = delete;
    StandardOutput &operator=(const StandardOutput &) = delete;

    void writeLine(QStringView text);
    /// Rows [first, first + count) of @p block, one per line, without building texts.
    void writeRows(const PasswordBlock &block, qsizetype first, qsizetype count);
    void flush();

    static constexpr qsizetype bufferSize = 1024 * 1024;

private:
    void append(const QByteArray &bytes);
    void write(QByteArrayView bytes);
    [[noreturn]] void endAfterFailure(Failure failure);

    ErrorStream &m_errors;
    std::unique_ptr<SystemFile> m_stream;
    QByteArray m_buffer;
    qsizetype m_used = 0;

    /// The bytes of each alphabet index of the block whose rows are being written.
    RowEncoder m_rows;
};

} // namespace parolex
