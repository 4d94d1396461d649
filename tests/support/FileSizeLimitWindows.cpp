#include "support/FileSizeLimit.h"

namespace parolex::fakes {

// Windows has no limit on the size of a process's files: tests that need one are skipped.
FileSizeLimit::FileSizeLimit(qint64) {}

FileSizeLimit::~FileSizeLimit() = default;

} // namespace parolex::fakes
