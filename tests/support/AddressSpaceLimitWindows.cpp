#include "support/AddressSpaceLimit.h"

#include <psapi.h>
#include <windows.h>

namespace parolex::fakes {

namespace {

bool setProcessMemoryLimit(SIZE_T bytes)
{
    static HANDLE job = [] {
        HANDLE created = CreateJobObjectW(nullptr, nullptr);
        if (created && !AssignProcessToJobObject(created, GetCurrentProcess())) {
            CloseHandle(created);
            return HANDLE(nullptr);
        }
        return created;
    }();
    if (!job)
        return false;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION info{};
    info.BasicLimitInformation.LimitFlags = bytes ? JOB_OBJECT_LIMIT_PROCESS_MEMORY : 0;
    info.ProcessMemoryLimit = bytes;
    return SetInformationJobObject(job, JobObjectExtendedLimitInformation, &info, sizeof info) != 0;
}

} // namespace

AddressSpaceLimit::AddressSpaceLimit(qint64 headroom)
{
    PROCESS_MEMORY_COUNTERS counters{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return;
    m_set = setProcessMemoryLimit(SIZE_T(counters.PagefileUsage + headroom));
}

AddressSpaceLimit::~AddressSpaceLimit()
{
    if (m_set)
        setProcessMemoryLimit(0);
}

} // namespace parolex::fakes
