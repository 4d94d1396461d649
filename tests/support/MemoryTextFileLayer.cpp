#include "support/MemoryTextFileLayer.h"

#include <QDir>

namespace parolex::fakes {

namespace {

/// Counts a file as open in its layer until released.
class OpenMark
{
public:
    explicit OpenMark(std::shared_ptr<int> openFiles) : m_openFiles(std::move(openFiles)) { ++*m_openFiles; }
    ~OpenMark() { release(); }
    bool isOpen() const { return m_open; }
    void release()
    {
        if (m_open) {
            m_open = false;
            --*m_openFiles;
        }
    }

private:
    std::shared_ptr<int> m_openFiles;
    bool m_open = true;
};

class MemoryByteSink : public ByteSink
{
public:
    MemoryByteSink(MemoryTextFileLayer &layer, QString path, std::shared_ptr<qint64> written)
        : m_written(std::move(written)), m_layer(layer), m_path(std::move(path)), m_mark(layer.openFiles)
    {}

    Failure write(QByteArrayView bytes) override
    {
        if (!m_mark.isOpen())
            return Failure::BadFileName;
        qint64 &written = *m_written;
        qint64 allowed = bytes.size();
        if (m_layer.writeBudget >= 0)
            allowed = qBound<qint64>(0, m_layer.writeBudget - written, bytes.size());
        (*m_layer.contents)[m_path].append(bytes.first(allowed));
        written += allowed;
        return allowed < bytes.size() ? m_layer.writeFailure : Failure::None;
    }
    qint64 written() const override { return m_layer.contents->value(m_path).size(); }
    Failure cutBackTo(qint64 size) override
    {
        QByteArray &content = (*m_layer.contents)[m_path];
        *m_written -= content.size() - size;
        content.truncate(size);
        return Failure::None;
    }
    Failure close() override
    {
        m_mark.release();
        return Failure::None;
    }

private:
    std::shared_ptr<qint64> m_written;
    MemoryTextFileLayer &m_layer;
    QString m_path;
    OpenMark m_mark;
};

class MemoryByteSource : public ByteSource
{
public:
    MemoryByteSource(MemoryTextFileLayer &layer, QByteArray bytes)
        : m_layer(layer), m_bytes(std::move(bytes)), m_mark(layer.openFiles)
    {}

    Result<qsizetype> read(char *into, qsizetype max) override
    {
        if (m_layer.readFailureAt >= 0 && m_pos >= m_layer.readFailureAt)
            return m_layer.readFailure;
        qsizetype take = qMin(qMin(max, m_layer.readPieceSize), m_bytes.size() - m_pos);
        if (m_layer.readFailureAt >= 0)
            take = qMin(take, qsizetype(m_layer.readFailureAt - m_pos));
        std::copy_n(m_bytes.constData() + m_pos, take, into);
        m_pos += take;
        return take;
    }
    Failure close() override
    {
        m_mark.release();
        return Failure::None;
    }

private:
    MemoryTextFileLayer &m_layer;
    QByteArray m_bytes;
    qsizetype m_pos = 0;
    OpenMark m_mark;
};

} // namespace

Result<std::unique_ptr<ByteSink>> MemoryTextFileLayer::createForWriting(const QString &path)
{
    if (path.isEmpty())
        return Failure::PathFileAccessError;
    if (const Failure failure = createFailures.value(path))
        return failure;
    contents->insert(path, QByteArray());
    return std::unique_ptr<ByteSink>(std::make_unique<MemoryByteSink>(*this, path, m_written));
}

Result<std::unique_ptr<ByteSource>> MemoryTextFileLayer::openForReading(const QString &path)
{
    if (path.isEmpty())
        return Failure::PathFileAccessError;
    if (const Failure failure = openFailures.value(path))
        return failure;
    if (!contents->contains(path))
        return Failure::FileNotFound;
    return std::unique_ptr<ByteSource>(std::make_unique<MemoryByteSource>(*this, contents->value(path)));
}

bool MemoryTextFileLayer::sameFile(const QString &first, const QString &second)
{
    if (first.isEmpty() || second.isEmpty())
        return false;
    auto identity = [this](const QString &path) {
        const QString clean = QDir::cleanPath(path);
        return sameFileAs.value(clean, clean);
    };
    return identity(first) == identity(second);
}

} // namespace parolex::fakes
