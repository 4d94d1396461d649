#include "support/AddressSpaceLimit.h"

#include <QFile>
#include <sys/resource.h>
#include <unistd.h>

namespace parolex::fakes {

AddressSpaceLimit::AddressSpaceLimit(qint64 headroom)
{
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return;
    const qint64 used = status.readAll().split(' ').first().toLongLong() * ::sysconf(_SC_PAGESIZE);
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0)
        return;
    m_original = limit.rlim_cur;
    limit.rlim_cur = rlim_t(used + headroom);
    m_set = setrlimit(RLIMIT_AS, &limit) == 0;
}

AddressSpaceLimit::~AddressSpaceLimit()
{
    if (!m_set)
        return;
    rlimit limit{};
    getrlimit(RLIMIT_AS, &limit);
    limit.rlim_cur = rlim_t(m_original);
    setrlimit(RLIMIT_AS, &limit);
}

} // namespace parolex::fakes
