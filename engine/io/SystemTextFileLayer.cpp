#include "io/SystemTextFileLayer.h"

#include "io/NativeFile.h"
#include "key/KeyLineReader.h"

namespace parolex {

namespace {

class NativeOutputFile : public TextOutputFile
{
public:
    explicit NativeOutputFile(std::unique_ptr<NativeFile> file) : m_file(std::move(file)) {}
    int append(QByteArrayView bytes) override { return m_file->write(bytes.data(), bytes.size()); }
    int close() override { return m_file->close(); }

private:
    std::unique_ptr<NativeFile> m_file;
};

} // namespace

FileOpenResult<TextOutputFile> SystemTextFileLayer::createOutput(const QString &path)
{
    FileOpenResult<NativeFile> opened = NativeFile::createForWriting(path);
    if (!opened.ok())
        return {nullptr, opened.error};
    return {std::make_unique<NativeOutputFile>(std::move(opened.file)), 0};
}

FileOpenResult<TextInputFile> SystemTextFileLayer::openInput(const QString &path)
{
    FileOpenResult<NativeFile> opened = NativeFile::openForReading(path);
    if (!opened.ok())
        return {nullptr, opened.error};
    return {std::make_unique<KeyLineReader>(std::move(opened.file)), 0};
}

bool SystemTextFileLayer::sameFile(const QString &first, const QString &second)
{
    return NativeFile::sameFile(first, second);
}

} // namespace parolex
