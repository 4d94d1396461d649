#pragma once

#include "io/TextFileLayer.h"

namespace parolex {

/// The text files of the operating system. Output files are written unbuffered (callers
/// hand over large pieces); Key files are read in large pieces. The terminal front end
/// reads standard input as a Key file through openInput("/dev/stdin").
class SystemTextFileLayer : public TextFileLayer
{
public:
    FileOpenResult<TextOutputFile> createOutput(const QString &path) override;
    FileOpenResult<TextInputFile> openInput(const QString &path) override;
    bool sameFile(const QString &first, const QString &second) override;
};

} // namespace parolex
