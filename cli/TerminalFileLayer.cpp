#include "TerminalFileLayer.h"

namespace parolex {

namespace {

/// A stream the layer keeps, lent to the run as its output file; closing it leaves it to
/// the layer.
class LentSink : public ByteSink
{
public:
    explicit LentSink(ByteSink &stream) : m_stream(stream) {}
    Failure write(QByteArrayView bytes) override { return m_stream.write(bytes); }
    qint64 written() const override { return m_stream.written(); }
    Failure cutBackTo(qint64 size) override { return m_stream.cutBackTo(size); }
    Failure close() override { return Failure::None; }

private:
    ByteSink &m_stream;
};

} // namespace

Result<std::unique_ptr<ByteSource>> TerminalFileLayer::openForReading(const QString &path)
{
    if (isStandardStream(path))
        return std::unique_ptr<ByteSource>(SystemFile::standard(SystemFile::Standard::Input));
    return m_files.openForReading(path);
}

Result<std::unique_ptr<ByteSink>> TerminalFileLayer::createForWriting(const QString &path)
{
    if (!isStandardStream(path))
        return m_files.createForWriting(path);
    if (!m_output)
        m_output = SystemFile::standard(SystemFile::Standard::Output);
    return std::unique_ptr<ByteSink>(std::make_unique<LentSink>(*m_output));
}

bool TerminalFileLayer::sameFile(const QString &first, const QString &second)
{
    // Reading standard input and writing standard output are two streams, even when both
    // are the same terminal.
    if (isStandardStream(first) && isStandardStream(second))
        return false;
    // "-" is the stream itself, never a name: the file the shell opened for it is compared
    // by its identity, on every system alike.
    if (isStandardStream(first))
        return SystemFile::standardIsFile(SystemFile::Standard::Input, second);
    if (isStandardStream(second))
        return SystemFile::standardIsFile(SystemFile::Standard::Output, first);
    return m_files.sameFile(first, second);
}

bool TerminalFileLayer::outputReaderHasGone() const
{
    return m_output && m_output->readerHasGone();
}

} // namespace parolex
