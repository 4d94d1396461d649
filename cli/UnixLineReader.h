#pragma once

#include "LocaleText.h"
#include "key/LineSplitter.h"

#include <QString>

namespace parolex {

/// Text lines as Unix tools read them, for Keys piped into the terminal: LF ends a line, a
/// CR right before that LF is dropped (a file written on Windows), and the last line needs
/// no ending. Each line is decoded in the locale's encoding exactly as the program's
/// arguments are (LocaleText), so `echo abc | parolex-cli derive` and `parolex-cli derive abc` derive
/// the same Key. A Key file of the desktop is read by KeyLineReader instead.
class UnixLineReader
{
public:
    explicit UnixLineReader(std::unique_ptr<ByteSource> source)
        : m_lines(std::move(source), LineSplitter::Endings::LineFeed)
    {}

    bool atEnd() { return m_lines.atEnd(); }
    /// Reads the next line into @p line, without its ending; InputPastEnd after the last,
    /// Overflow (6) for a line too long for any Key.
    Failure readLine(QString &line)
    {
        const Failure failure = m_lines.readLine(m_bytes);
        line = LocaleText::decode(m_bytes);
        return failure;
    }

private:
    LineSplitter m_lines;
    QByteArray m_bytes;
};

} // namespace parolex
