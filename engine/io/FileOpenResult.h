#pragma once

#include <memory>

namespace parolex {

/// An opened file, or the failure number that kept it from opening.
template <typename File> struct FileOpenResult
{
    std::unique_ptr<File> file;
    int error = 0;

    bool ok() const { return error == 0 && file; }
};

} // namespace parolex
