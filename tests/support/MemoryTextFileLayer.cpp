#include "support/MemoryTextFileLayer.h"

#include "key/KeyLineReader.h"

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

class MemoryOutputFile : public TextOutputFile
{
public:
    MemoryOutputFile(MemoryTextFileLayer &layer, QString path, std::shared_ptr<qint64> written)
        : m_written(std::move(written)), m_layer(layer), m_path(std::move(path)), m_mark(layer.openFiles)
    {}

    int append(QByteArrayView bytes) override
    {
        if (!m_mark.isOpen())
            return 52;
        qint64 &written = *m_written;
        qint64 allowed = bytes.size();
        if (m_layer.writeBudget >= 0)
            allowed = qBound<qint64>(0, m_layer.writeBudget - written, bytes.size());
        (*m_layer.contents)[m_path].append(bytes.first(allowed));
        written += allowed;
        return allowed < bytes.size() ? m_layer.writeFailure : 0;
    }
    int close() override
    {
        m_mark.release();
        return 0;
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

    int read(char *into, qsizetype max, qsizetype &got) override
    {
        got = 0;
        if (m_layer.readFailureAt >= 0 && m_pos >= m_layer.readFailureAt)
            return m_layer.readFailure;
        qsizetype take = qMin(qMin(max, m_layer.readPieceSize), m_bytes.size() - m_pos);
        if (m_layer.readFailureAt >= 0)
            take = qMin(take, qsizetype(m_layer.readFailureAt - m_pos));
        std::copy_n(m_bytes.constData() + m_pos, take, into);
        m_pos += take;
        got = take;
        return 0;
    }
    int close() override
    {
        m_mark.release();
        return 0;
    }

private:
    MemoryTextFileLayer &m_layer;
    QByteArray m_bytes;
    qsizetype m_pos = 0;
    OpenMark m_mark;
};

} // namespace

FileOpenResult<TextOutputFile> MemoryTextFileLayer::createOutput(const QString &path)
{
    if (path.isEmpty())
        return {nullptr, 75};
    if (const int error = createFailures.value(path))
        return {nullptr, error};
    contents->insert(path, QByteArray());
    return {std::make_unique<MemoryOutputFile>(*this, path, m_written), 0};
}

FileOpenResult<TextInputFile> MemoryTextFileLayer::openInput(const QString &path)
{
    if (path.isEmpty())
        return {nullptr, 75};
    if (const int error = openFailures.value(path))
        return {nullptr, error};
    if (!contents->contains(path))
        return {nullptr, 53};
    return {std::make_unique<KeyLineReader>(std::make_unique<MemoryByteSource>(*this, contents->value(path))),
            0};
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
