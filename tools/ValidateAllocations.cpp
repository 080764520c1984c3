// Heap allocations inside processing calls once the plug-in is resumed.
#include "tools/AllocationCounter.h"
#include "tools/ValidationAudio.h"
#include "tools/ValidationChecks.h"

#include <algorithm>

namespace velda::tool {

namespace {

constexpr int kBlock = 512;

template <typename Sample>
uint64_t countWhileProcessing(PluginHost& host, Validator& v, int blocks)
{
    vst::AEffect* effect = host.effect();
    int channels = std::max({effect->numInputs, effect->numOutputs, 2});
    std::vector<std::vector<Sample>> in(channels, std::vector<Sample>(kBlock)), out = in;
    std::vector<Sample*> inPointers(channels), outPointers(channels);
    for (int c = 0; c < channels; ++c) {
        inPointers[c] = in[c].data();
        outPointers[c] = out[c].data();
    }
    TestSignal signal(44100.0, v.seed());
    Random& random = v.random();
    uint64_t total = 0;
    for (int b = 0; b < blocks; ++b) {
        for (int i = 0; i < kBlock; ++i) {
            for (int c = 0; c < channels; ++c) in[c][i] = c < 2 ? (Sample)signal.next(c) : Sample(0);
            signal.advance();
        }
        // Now and then an automation step, as a host sends it from the audio thread.
        int parameter = effect->numParams > 0 && b % 4 == 3 ? random.below(effect->numParams) : -1;
        float value = random.parameterValue();
        AllocationScope scope;
        if (parameter >= 0) host.setParameter(parameter, value);
        if constexpr (sizeof(Sample) == sizeof(double)) host.processDouble(inPointers.data(), outPointers.data(), kBlock);
        else host.processFloat(inPointers.data(), outPointers.data(), kBlock);
        total += scope.count();
    }
    return total;
}

}  // namespace

void validateAllocations(Validator& v)
{
    v.section("allocations");
    v.check("no heap allocation while processing", [&] {
        if (!allocationCountingAvailable()) return CheckResult::skip("allocations are not visible in this build");
        const int blocks = 40 * v.strictness();
        auto host = v.loadOpen(44100.0, kBlock);
        host->resume();
        uint64_t single = countWhileProcessing<float>(*host, v, blocks);
        uint64_t twice = 0;
        if (host->canDouble()) {
            auto doubleHost = v.loadOpen(44100.0, kBlock, true);
            doubleHost->resume();
            twice = countWhileProcessing<double>(*doubleHost, v, blocks);
        }
        std::string detail = std::to_string(single) + " in 32-bit, " + std::to_string(twice) + " in 64-bit processing";
        return single + twice ? CheckResult::fail(detail) : CheckResult::pass(detail);
    });
}

}  // namespace velda::tool
