#include "support/FileSizeLimit.h"

#include <csignal>
#include <sys/resource.h>

namespace parolex::fakes {

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    // Past the limit the system sends SIGXFSZ, which would end the test; ignored, the write
    // fails with EFBIG instead, as the program must cope with.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return;
    m_original = limit.rlim_cur;
    limit.rlim_cur = rlim_t(bytes);
    m_set = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    if (!m_set)
        return;
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(m_original);
    setrlimit(RLIMIT_FSIZE, &limit);
}

} // namespace parolex::fakes
