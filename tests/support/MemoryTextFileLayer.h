#pragma once

#include "io/TextFileLayer.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>

namespace parolex::fakes {

/// Text files held in memory, with failures on request. Key files are read through the
/// engine's own line reader, in small pieces, so line endings split across pieces are
/// exercised too.
class MemoryTextFileLayer : public TextFileLayer
{
public:
    FileOpenResult<TextOutputFile> createOutput(const QString &path) override;
    FileOpenResult<TextInputFile> openInput(const QString &path) override;
    /// Same cleaned path, or paths made one by sameFileAs.
    bool sameFile(const QString &first, const QString &second) override;

    /// The files by path, shared with the open handles.
    std::shared_ptr<QHash<QString, QByteArray>> contents = std::make_shared<QHash<QString, QByteArray>>();
    QByteArray content(const QString &path) const { return contents->value(path); }
    void setContent(const QString &path, const QByteArray &bytes) { contents->insert(path, bytes); }

    /// Failure numbers for opening a path (creating it for output, or for reading).
    QHash<QString, int> createFailures;
    QHash<QString, int> openFailures;
    /// After this many bytes in total have been written, every write fails with writeFailure.
    qint64 writeBudget = -1;
    int writeFailure = 61;
    /// Reading fails with readFailure once this many bytes of a Key file have been read.
    qint64 readFailureAt = -1;
    int readFailure = 57;
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
