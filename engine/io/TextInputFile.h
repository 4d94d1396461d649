#pragma once

#include "io/OpenFile.h"

#include <QString>

namespace parolex {

/// A Key file open for reading, line by line, in code page 936. A line ends at CR,
/// optionally followed by LF; an LF alone stays in the line; a last line without an ending
/// is a line.
class TextInputFile : public OpenFile
{
public:
    /// True when no further line follows. A failure found while looking ahead is kept for
    /// the next readLine(), so atEnd() then answers false.
    virtual bool atEnd() = 0;

    /// Reads the next line into @p line (without its ending). Returns 0 or the failure number.
    virtual int readLine(QString &line) = 0;
};

} // namespace parolex
