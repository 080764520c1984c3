// Audio blocks of any length and content, with parameter changes, program changes and rate changes
// between them. The output is finite and bounded once the last non-finite or overloaded input
// sample lies more than the latency plus one second back. Parameter values outside 0..1 are
// applied as they stand (an output gain of 1e30 is allowed to overflow), so once one was sent only
// the sanitizers watch the rest of the run.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

#include "platform/RegistryTestRoot.h"
#include "tests/robustness/ProductSet.h"

using namespace velda::robustness;

namespace {

void check(bool condition)
{
    if (!condition) std::abort();
}

constexpr float kRates[] = {8000.0f, 22050.0f, 44100.0f, 48000.0f, 88200.0f, 96000.0f, 192000.0f, 384000.0f};
constexpr double kAmplitudes[] = {0.0, 1e-40, 1e-6, 0.01, 0.25, 0.5, 1.0, 2.0, 16.0, 1000.0};
// Input beyond this counts like a non-finite sample: a 32-bit output may overflow legitimately.
constexpr double kOverload = 1e12;
// Largest output over the larger of 1 and the input peak: the gains and drives stay within it.
constexpr double kGainLimit = 1000.0;
constexpr int kMaxBlocks = 48;

double specialValue(FuzzedDataProvider& in)
{
    switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0:
        return std::numeric_limits<double>::quiet_NaN();
    case 1:
        return std::numeric_limits<double>::infinity();
    case 2:
        return -std::numeric_limits<double>::infinity();
    case 3:
        return std::numeric_limits<float>::denorm_min();
    case 4:
        return -std::numeric_limits<double>::denorm_min();
    case 5:
        return 1e30;
    case 6:
        return std::numeric_limits<float>::max();
    default:
        return -1.0;
    }
}

float parameterValue(FuzzedDataProvider& in)
{
    const int kind = in.ConsumeIntegralInRange(0, 31);
    if (kind == 0) {
        // Rarely, whatever a careless host sends: negative, above one, non-finite.
        const uint32_t bits = in.ConsumeIntegral<uint32_t>();
        float v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    if (kind < 6) return 0.0f;
    if (kind < 11) return 1.0f;
    if (kind < 13) return 0.5f;
    return in.ConsumeProbability<float>();
}

class Run {
public:
    Run(FuzzedDataProvider& in) : in(in)
    {
        product = (Product)in.ConsumeIntegralInRange(0, kProductCount - 1);
        effect = makeProduct(product, quietHost);
        check(effect != nullptr);
        rate = kRates[in.ConsumeIntegralInRange<size_t>(0, std::size(kRates) - 1)];
        effect->setSampleRate(rate);
        effect->resume();
        setMetersActive(*effect, product, in.ConsumeBool());
        noteLatency();
    }

    void step()
    {
        switch (in.ConsumeIntegralInRange(0, 9)) {
        case 0:
        case 1:
        case 2:
            changeParameters();
            break;
        case 3:
            effect->selectProgram(in.ConsumeIntegralInRange(0, effect->programCount() - 1));
            noteLatency();
            break;
        case 4:
            effect->suspend();
            rate = kRates[in.ConsumeIntegralInRange<size_t>(0, std::size(kRates) - 1)];
            effect->setSampleRate(rate);
            effect->resume();
            noteLatency();
            break;
        default:
            process();
            break;
        }
    }

    int blocks = 0;

private:
    void noteLatency() { maxLatency = std::max<int64_t>(maxLatency, effect->getAeffect()->initialDelay); }

    void changeParameters()
    {
        const int limit = indexLimit(product);
        for (int n = in.ConsumeIntegralInRange(1, 4); n > 0; --n) {
            const int index = in.ConsumeIntegralInRange(-1, limit + 1);
            const float value = parameterValue(in);
            effect->setParameter(index, value);
            if (std::isfinite(value) && (value < 0.0f || value > 1.0f) && index >= 0 && index < limit)
                outOfRange = true;
            check(std::isfinite(effect->getParameter(index)) || index < 0 || index >= limit);
            char text[256];
            std::memset(text, 0x7f, sizeof text);
            effect->getParameterDisplay(index, text);
            check(std::memchr(text, 0, 64) != nullptr);
        }
        noteLatency();
    }

    template <typename T>
    void processAs(int frames, bool inPlace, uint32_t seed, double amplitude, int specials)
    {
        std::vector<T> left(frames), right(frames), outLeft(frames), outRight(frames);
        for (int i = 0; i < frames; ++i) {
            seed = seed * 1664525u + 1013904223u;
            left[i] = (T)(amplitude * ((int32_t)seed >> 8) / 8388608.0);
            seed = seed * 1664525u + 1013904223u;
            right[i] = (T)(amplitude * ((int32_t)seed >> 8) / 8388608.0);
        }
        for (int s = 0; s < specials; ++s) {
            const int at = in.ConsumeIntegralInRange(0, frames - 1);
            (in.ConsumeBool() ? left : right)[at] = (T)specialValue(in);
        }
        for (int i = 0; i < frames; ++i) {
            for (const double x : {(double)left[i], (double)right[i]}) {
                if (!std::isfinite(x) || std::fabs(x) > kOverload)
                    lastBadInput = now + i;
                else
                    inputPeak = std::max(inputPeak, std::fabs(x));
            }
        }
        T* inputs[2] = {left.data(), right.data()};
        T* outputs[2] = {outLeft.data(), outRight.data()};
        if (inPlace) {
            outputs[0] = left.data();
            outputs[1] = right.data();
        }
        if constexpr (sizeof(T) == sizeof(float))
            effect->processReplacing(inputs, outputs, frames);
        else
            effect->processDoubleReplacing(inputs, outputs, frames);

        const double bound = kGainLimit * std::max(1.0, inputPeak);
        const int64_t settle = maxLatency + (int64_t)rate + 1;
        for (int i = 0; i < frames && !outOfRange; ++i) {
            if (now + i - lastBadInput <= settle) continue;
            for (const double y : {(double)outputs[0][i], (double)outputs[1][i]}) check(std::isfinite(y) && std::fabs(y) <= bound);
        }
        now += frames;
    }

    void process()
    {
        const int frames = in.ConsumeIntegralInRange(1, 4096);
        const bool wide = in.ConsumeBool();
        const bool inPlace = in.ConsumeBool();
        const uint32_t seed = in.ConsumeIntegral<uint32_t>();
        const double amplitude = kAmplitudes[in.ConsumeIntegralInRange<size_t>(0, std::size(kAmplitudes) - 1)];
        const int specials = in.ConsumeIntegralInRange(0, 3);
        if (wide)
            processAs<double>(frames, inPlace, seed, amplitude, specials);
        else
            processAs<float>(frames, inPlace, seed, amplitude, specials);
        ++blocks;
    }

    FuzzedDataProvider& in;
    Product product;
    std::unique_ptr<CPresetSystemEffect> effect;
    float rate = 44100.0f;
    int64_t now = 0;
    int64_t lastBadInput = std::numeric_limits<int32_t>::min();
    int64_t maxLatency = 0;
    double inputPeak = 0.0;
    bool outOfRange = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Constructing and deleting the effects reads and writes the preferences: keep them in a throwaway store.
    static velda::platform::ScopedRegistryRoot store;
    FuzzedDataProvider in(data, size);
    Run run(in);
    while (in.remaining_bytes() > 0 && run.blocks < kMaxBlocks) run.step();
    return 0;
}
