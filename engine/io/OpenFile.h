#pragma once

namespace parolex {

/// A file a run holds open. The error report closes every one of them, whatever happened.
class OpenFile
{
public:
    virtual ~OpenFile() = default;

    /// Writes out anything still buffered and releases the file. Returns 0 or the failure
    /// number; once closed, further calls do nothing and return 0.
    virtual int close() = 0;
};

} // namespace parolex
