#include "io/SystemTextFileLayer.h"

#include "io/SystemFile.h"

namespace parolex {

Result<std::unique_ptr<ByteSource>> SystemTextFileLayer::openForReading(const QString &path)
{
    Result<std::unique_ptr<SystemFile>> opened = SystemFile::openForReading(path);
    if (!opened)
        return opened.failure();
    return std::unique_ptr<ByteSource>(std::move(*opened));
}

Result<std::unique_ptr<ByteSink>> SystemTextFileLayer::createForWriting(const QString &path)
{
    Result<std::unique_ptr<SystemFile>> created = SystemFile::createForWriting(path);
    if (!created)
        return created.failure();
    return std::unique_ptr<ByteSink>(std::move(*created));
}

bool SystemTextFileLayer::sameFile(const QString &first, const QString &second)
{
    return SystemFile::sameFile(first, second);
}

} // namespace parolex
