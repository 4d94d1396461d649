#pragma once

#include "io/TextFileLayer.h"

namespace parolex {

/// The files of the operating system (io/SystemFile).
class SystemTextFileLayer : public TextFileLayer
{
public:
    Result<std::unique_ptr<ByteSource>> openForReading(const QString &path) override;
    Result<std::unique_ptr<ByteSink>> createForWriting(const QString &path) override;
    bool sameFile(const QString &first, const QString &second) override;
};

} // namespace parolex
