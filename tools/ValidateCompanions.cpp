// Other plug-ins in the same process at once: each on its own thread, one instance processing
// throughout while a second one is opened, processed and closed again and again.
#include "tools/CommandSupport.h"
#include "tools/ValidationAudio.h"
#include "tools/ValidationChecks.h"

#include <atomic>
#include <mutex>
#include <thread>

namespace velda::tool {

void validateCompanions(Validator& v, const std::vector<std::string>& companions)
{
    v.section("load");
    v.check("other plug-ins at once, open/close churn", [&] {
        if (companions.empty()) return CheckResult::skip("no --with plug-ins given");
        std::vector<std::string> paths = {v.pluginPath()};
        paths.insert(paths.end(), companions.begin(), companions.end());
        const int rounds = 2 + v.strictness();
        const size_t frames = 2048 + 1024 * (size_t)v.strictness();
        std::mutex lock;
        std::string failure;
        std::atomic<int> instances{0};
        std::vector<std::thread> threads;
        for (size_t p = 0; p < paths.size(); ++p)
            threads.emplace_back([&, p] {
                try {
                    // One instance processes throughout; a second one comes and goes beside it.
                    const int block = 256 + 64 * (int)p;
                    auto steady = loadPlugin(paths[p]);
                    steady->open(44100.0, block);
                    steady->resume();
                    ++instances;
                    TestSignal signal(44100.0, v.seed() + p);
                    AudioRunOptions options;
                    options.blockSize = block;
                    for (int round = 0; round < rounds; ++round) {
                        auto churn = loadPlugin(paths[p]);
                        churn->open(48000.0, block);
                        churn->resume();
                        ++instances;
                        AudioStats stats = runAudio(*steady, frames, signal, options);
                        if (!stats.clean(32.0)) throw ToolError(paths[p] + ": " + stats.describe());
                        TestSignal other(48000.0, v.seed() + p + 100);
                        stats = runAudio(*churn, frames / 2, other, options);
                        if (!stats.clean(32.0)) throw ToolError(paths[p] + " (second instance): " + stats.describe());
                    }
                } catch (const std::exception& error) {
                    std::lock_guard<std::mutex> guard(lock);
                    if (failure.empty()) failure = error.what();
                }
            });
        for (auto& thread : threads) thread.join();
        if (!failure.empty()) return CheckResult::fail(failure);
        return CheckResult::pass(std::to_string(paths.size()) + " plug-ins, " + std::to_string(instances.load()) + " instances");
    });
}

}  // namespace velda::tool
