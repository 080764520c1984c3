#include "platform/ThreadClock.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#endif

namespace velda::platform {

double threadCpuSeconds()
{
#ifdef _WIN32
    FILETIME creation, exit, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &creation, &exit, &kernel, &user)) return 0.0;
    auto ticks = [](const FILETIME& t) { return ((unsigned long long)t.dwHighDateTime << 32) | t.dwLowDateTime; };
    return (double)(ticks(kernel) + ticks(user)) * 1e-7;
#else
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return (double)now.tv_sec + (double)now.tv_nsec * 1e-9;
#endif
}

}  // namespace velda::platform
