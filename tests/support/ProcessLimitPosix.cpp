#include "support/ProcessLimit.h"

#include <QFile>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace parolex::fakes {

namespace {

int resourceOf(ProcessLimit::Kind kind)
{
    return kind == ProcessLimit::Kind::AddressSpace ? RLIMIT_AS : RLIMIT_FSIZE;
}

qint64 memoryInUse()
{
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    return status.readAll().split(' ').first().toLongLong() * ::sysconf(_SC_PAGESIZE);
}

} // namespace

ProcessLimit::ProcessLimit(Kind kind, qint64 bytes) : m_kind(kind)
{
    if (kind == Kind::AddressSpace) {
        const qint64 used = memoryInUse();
        if (used < 0)
            return;
        bytes += used;
    } else {
        // Past the limit the system sends SIGXFSZ, which would end the test; ignored, the
        // write fails with EFBIG instead, as the program must cope with.
        std::signal(SIGXFSZ, SIG_IGN);
    }
    rlimit limit{};
    if (getrlimit(resourceOf(kind), &limit) != 0)
        return;
    m_original = limit.rlim_cur;
    limit.rlim_cur = rlim_t(bytes);
    m_set = setrlimit(resourceOf(kind), &limit) == 0;
}

ProcessLimit::~ProcessLimit()
{
    if (!m_set)
        return;
    rlimit limit{};
    getrlimit(resourceOf(m_kind), &limit);
    limit.rlim_cur = rlim_t(m_original);
    setrlimit(resourceOf(m_kind), &limit);
}

} // namespace parolex::fakes
