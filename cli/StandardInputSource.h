#pragma once

#include "io/ByteSource.h"

namespace parolex {

/// Standard input as the bytes of a Key file. Read where it stands, so a pipe, a
/// redirected file or a terminal all work; closing leaves the stream to the system.
class StandardInputSource : public ByteSource
{
public:
    int read(char *into, qsizetype max, qsizetype &got) override;
    int close() override { return 0; }
};

} // namespace parolex
