// Parameter fuzzing with text queries in between, and automation from one thread while
// another processes.
#include "tools/ValidationAudio.h"
#include "tools/ValidationChecks.h"

#include <atomic>
#include <cmath>
#include <cstring>
#include <thread>
#include <vector>

using namespace vst;

namespace velda::tool {

namespace {

constexpr double kAutomationBound = 1e6;  // +120 dB: random settings may add a lot of gain
constexpr int kTextLimit = 32;
constexpr unsigned char kSentinel = 0x5A;

// Empty when the text is terminated within the limit and nothing past the limit was written.
std::string textProblem(PluginHost& host, int opcode, int index)
{
    std::vector<unsigned char> buffer(512, kSentinel);
    host.dispatch(opcode, index, 0, buffer.data());
    if (!std::memchr(buffer.data(), 0, kTextLimit)) return "not terminated within " + std::to_string(kTextLimit) + " bytes";
    for (size_t i = kTextLimit; i < buffer.size(); ++i)
        if (buffer[i] != kSentinel) return "writes past " + std::to_string(kTextLimit) + " bytes";
    return {};
}

}  // namespace

void validateParameters(Validator& v)
{
    v.section("parameters");
    v.check("fuzz with text queries", [&] {
        auto host = v.loadOpen(44100.0, 64);
        int count = host->effect()->numParams;
        if (count == 0) return CheckResult::skip("no parameters");
        host->resume();
        TestSignal signal(44100.0, v.seed());
        AudioRunOptions options;
        options.blockSize = 64;
        AudioStats audio;
        Random& random = v.random();
        int rounds = 300 * v.strictness();
        static const int textOpcodes[] = {effGetParamDisplay, effGetParamName, effGetParamLabel};
        for (int round = 0; round < rounds; ++round) {
            int index = random.below(count);
            float value = random.parameterValue();
            host->setParameter(index, value);
            float back = host->getParameter(index);
            if (!(back >= 0.0f && back <= 1.0f))
                return CheckResult::fail("parameter " + std::to_string(index) + " reads " + std::to_string(back) + " after " + std::to_string(value));
            for (int opcode : textOpcodes) {
                std::string problem = textProblem(*host, opcode, random.below(count));
                if (!problem.empty()) return CheckResult::fail("text of parameter: " + problem);
            }
            if (round % 16 == 0) {
                AudioStats stats = runAudio(*host, 64, signal, options);
                if (!stats.clean(kAutomationBound)) return CheckResult::fail("round " + std::to_string(round) + ": " + stats.describe());
                audio.samples += stats.samples;
            }
        }
        return CheckResult::pass(std::to_string(rounds) + " changes");
    });

    v.check("automation thread while another processes", [&] {
        auto host = v.loadOpen(44100.0, 256);
        int count = host->effect()->numParams;
        if (count == 0) return CheckResult::skip("no parameters");
        host->resume();
        std::atomic<bool> done{false};
        std::atomic<long> changes{0};
        AudioStats stats;
        std::thread processing([&] {
            TestSignal signal(44100.0, v.seed());
            AudioRunOptions options;
            options.blockSize = 256;
            stats = runAudio(*host, (size_t)(256 * 100 * v.strictness()), signal, options);
            done = true;
        });
        std::thread automation([&] {
            Random random(v.seed() + 1);
            while (!done) {
                int index = random.below(count);
                host->setParameter(index, random.parameterValue());
                (void)host->getParameter(index);
                ++changes;
                if (changes % 64 == 0) std::this_thread::yield();
            }
        });
        processing.join();
        automation.join();
        std::string detail = std::to_string(changes.load()) + " changes, " + stats.describe();
        return stats.clean(kAutomationBound) ? CheckResult::pass(detail) : CheckResult::fail(detail);
    });
}

}  // namespace velda::tool
