#pragma once

#include "io/TextFileLayer.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>

namespace parolex::fakes {

/// Files held in memory, with failures on request. Files are read in small pieces, so that
/// line endings split across pieces are exercised too.
class MemoryTextFileLayer : public TextFileLayer
{
public:
    Result<std::unique_ptr<ByteSource>> openForReading(const QString &path) override;
    Result<std::unique_ptr<ByteSink>> createForWriting(const QString &path) override;
    /// Same cleaned path, or paths made one by sameFileAs.
    bool sameFile(const QString &first, const QString &second) override;

    /// The files by path, shared with the open handles.
    std::shared_ptr<QHash<QString, QByteArray>> contents = std::make_shared<QHash<QString, QByteArray>>();
    QByteArray content(const QString &path) const { return contents->value(path); }
    void setContent(const QString &path, const QByteArray &bytes) { contents->insert(path, bytes); }

    /// Failures for opening a path (creating it for output, or for reading).
    QHash<QString, Failure> createFailures;
    QHash<QString, Failure> openFailures;
    /// After this many bytes in total have been written, every write fails with writeFailure.
    qint64 writeBudget = -1;
    Failure writeFailure = Failure::DiskFull;
    /// Reading fails with readFailure once this many bytes of a Key file have been read.
    qint64 readFailureAt = -1;
    Failure readFailure = Failure::DeviceIoError;
    /// Bytes a Key file hands over per read.
    qsizetype readPieceSize = 7;
    /// Paths that name one file as far as sameFile() is concerned.
    QHash<QString, QString> sameFileAs;

    /// Files opened and not yet closed.
    std::shared_ptr<int> openFiles = std::make_shared<int>(0);
    int openCount() const { return *openFiles; }

private:
    std::shared_ptr<qint64> m_written = std::make_shared<qint64>(0);
};

} // namespace parolex::fakes
