// Cost of silent and subnormal input, and several instances processing at once.
#include "platform/ThreadClock.h"
#include "tools/ValidationAudio.h"
#include "tools/ValidationChecks.h"

#include <thread>

namespace velda::tool {

namespace {

constexpr double kSlowRatio = 4.0;

}  // namespace

void validateInstances(Validator& v)
{
    v.section("load");
    v.check("silent and subnormal input cost", [&] {
        auto host = v.loadOpen(44100.0, 512);
        host->resume();
        size_t frames = (size_t)(44100 * 0.2 * v.strictness());
        double seconds[3] = {};
        const TestSignal::Kind kinds[3] = {TestSignal::Programme, TestSignal::Silence, TestSignal::Subnormal};
        for (int k = 0; k < 3; ++k) {
            TestSignal signal(44100.0, v.seed(), kinds[k]);
            double start = platform::threadCpuSeconds();
            AudioStats stats = runAudio(*host, frames, signal, AudioRunOptions{});
            seconds[k] = platform::threadCpuSeconds() - start;
            // Subnormal input may come out as it went in; only broken output counts here.
            if (stats.nonFinite || stats.peak > 32.0) return CheckResult::fail(stats.describe());
        }
        if (seconds[0] < 0.02) return CheckResult::pass("too fast to compare");
        char detail[128];
        std::snprintf(detail, sizeof detail, "silence %.2fx, subnormal %.2fx the time of programme", seconds[1] / seconds[0],
                      seconds[2] / seconds[0]);
        if (seconds[1] > kSlowRatio * seconds[0] || seconds[2] > kSlowRatio * seconds[0]) return CheckResult::warn(detail);
        return CheckResult::pass(detail);
    });

    v.check("instances processing on several threads", [&] {
        int count = 2 + v.strictness() / 3;
        size_t frames = (size_t)(4410 * v.strictness());
        auto render = [&](PluginHost& host, std::vector<std::vector<double>>& out) {
            TestSignal signal(44100.0, v.seed());
            AudioRunOptions options;
            options.blockSize = 333;
            return runAudio(host, frames, signal, options, &out);
        };
        std::vector<std::vector<double>> reference;
        {
            auto host = v.loadOpen(44100.0, 333);
            host->resume();
            render(*host, reference);
        }
        std::vector<std::unique_ptr<PluginHost>> hosts;
        for (int i = 0; i < count; ++i) {
            hosts.push_back(v.loadOpen(44100.0, 333));
            hosts.back()->resume();
        }
        std::vector<std::vector<std::vector<double>>> outputs(count);
        std::vector<AudioStats> stats(count);
        std::vector<std::thread> threads;
        for (int i = 0; i < count; ++i) threads.emplace_back([&, i] { stats[i] = render(*hosts[i], outputs[i]); });
        for (auto& thread : threads) thread.join();
        for (int i = 0; i < count; ++i) {
            if (!stats[i].clean(32.0)) return CheckResult::fail("instance " + std::to_string(i) + ": " + stats[i].describe());
            if (outputs[i] != reference) return CheckResult::fail("instance " + std::to_string(i) + " differs from one processing alone");
        }
        return CheckResult::pass(std::to_string(count) + " instances, identical output");
    });
}

}  // namespace velda::tool
