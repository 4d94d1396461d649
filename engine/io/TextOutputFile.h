#pragma once

#include "io/OpenFile.h"

#include <QByteArrayView>
#include <QStringView>

namespace parolex {

/// An output file open for appending. Bytes arrive already in code page 936; callers that
/// write often keep their own buffer and hand over large pieces.
class TextOutputFile : public OpenFile
{
public:
    /// Appends @p bytes at the end of the file. Returns 0 or the failure number.
    virtual int append(QByteArrayView bytes) = 0;

    /// Appends @p text in code page 936 ('?' for what the code page cannot hold) and CR LF.
    int appendLine(QStringView text);
};

} // namespace parolex
