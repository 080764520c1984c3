#include "platform/Timer.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace velda::platform {

uint32_t tickCount()
{
#if defined(_WIN32)
    return GetTickCount();
#else
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
#endif
}

void sleepMs(uint32_t milliseconds)
{
#if defined(_WIN32)
    Sleep(milliseconds);
#else
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
#endif
}

namespace {
std::vector<Timer*>& activeTimers()
{
    static std::vector<Timer*> timers;
    return timers;
}
bool dispatching = false;
}  // namespace

Timer::Timer(uint32_t period, std::function<void()> cb) : periodMs(period ? period : 1), callback(std::move(cb)) {}

Timer::~Timer() { stop(); }

void Timer::start()
{
    nextDue = tickCount() + periodMs;
    if (!running) activeTimers().push_back(this);
    running = true;
}

void Timer::stop()
{
    if (!running) return;
    running = false;
    auto& timers = activeTimers();
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

int Timer::activeCount() { return int(activeTimers().size()); }

void Timer::runDue()
{
    if (dispatching) return;
    dispatching = true;
    const uint32_t now = tickCount();
    // A copy: callbacks may stop or delete timers.
    std::vector<Timer*> due;
    for (Timer* t : activeTimers())
        if (int32_t(now - t->nextDue) >= 0) due.push_back(t);
    for (Timer* t : due) {
        auto& timers = activeTimers();
        if (std::find(timers.begin(), timers.end(), t) == timers.end()) continue;
        t->nextDue = now + t->periodMs;
        t->callback();
    }
    dispatching = false;
}

}  // namespace velda::platform
