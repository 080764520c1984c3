// Millisecond clock, sleep and the UI thread's timers. Timers run from the windows' event pumps
// (and on Windows also from WM_TIMER), always on the thread that created them.
#pragma once
#include <cstdint>
#include <functional>

namespace velda::platform {

uint32_t tickCount();
void sleepMs(uint32_t milliseconds);

class Timer {
public:
    Timer(uint32_t periodMs, std::function<void()> callback);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void start();
    void stop();
    bool isRunning() const { return running; }
    uint32_t period() const { return periodMs; }

    // Runs every timer whose period has elapsed; re-entrant calls do nothing.
    static void runDue();
    static int activeCount();

private:
    uint32_t periodMs;
    std::function<void()> callback;
    uint32_t nextDue = 0;
    bool running = false;
};

}  // namespace velda::platform
