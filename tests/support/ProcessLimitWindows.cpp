#include "support/ProcessLimit.h"

// windows.h first: psapi.h uses its types without including it.
#include <windows.h>

#include <psapi.h>

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

// wine accepts a job's memory limit and does not keep to it: a test would wait for a
// failure that never comes.
bool runsUnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

} // namespace

// Windows limits a process's memory through a job object; it has no limit on the size of a
// process's files, so tests that need one are skipped.
ProcessLimit::ProcessLimit(Kind kind, qint64 bytes) : m_kind(kind)
{
    PROCESS_MEMORY_COUNTERS counters{};
    if (kind != Kind::AddressSpace || runsUnderWine() || !GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return;
    m_set = setProcessMemoryLimit(SIZE_T(counters.PagefileUsage + bytes));
}

ProcessLimit::~ProcessLimit()
{
    if (m_set)
        setProcessMemoryLimit(0);
}

} // namespace parolex::fakes
