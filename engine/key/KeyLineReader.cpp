#include "key/KeyLineReader.h"

#include "text/Cp936.h"

namespace parolex {

KeyLineReader::KeyLineReader(std::unique_ptr<ByteSource> source)
    : m_lines(std::move(source), LineSplitter::Endings::CarriageReturn)
{}

bool KeyLineReader::atEnd()
{
    return m_lines.atEnd();
}

Failure KeyLineReader::readLine(QString &line)
{
    line.clear();
    if (const Failure failure = m_lines.readLine(m_line))
        return failure;
    decodeLine(line);
    return Failure::None;
}

void KeyLineReader::decodeLine(QString &line)
{
    const qsizetype size = m_line.size();
    const auto *bytes = reinterpret_cast<const uchar *>(m_line.constData());
    bool ascii = true;
    for (qsizetype i = 0; i < size; ++i)
        ascii &= bytes[i] < 0x80;
    if (ascii) {
        // Most Key files are plain ASCII: widen in place and keep the line's storage.
        line.resize(size);
        QChar *out = line.data();
        for (qsizetype i = 0; i < size; ++i)
            out[i] = QChar(char16_t(bytes[i]));
        return;
    }
    // Each line is decoded on its own, so a lead byte left dangling at a line's end never
    // joins the next line.
    line = Cp936::decode(QByteArrayView(m_line));
}

Failure KeyLineReader::close()
{
    return m_lines.close();
}

} // namespace parolex
