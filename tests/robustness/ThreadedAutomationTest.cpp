// A host automates every parameter, hidden ones included, from one thread while another processes
// and the editor side reads the meters. Run in a -DVELDA_SANITIZE=thread tree to check for races
// (scripts/test-sanitizers.sh); everywhere the output stays finite and bounded.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstring>
#include <thread>
#include <vector>

#include "platform/RegistryTestRoot.h"
#include "tests/robustness/ProductSet.h"

namespace velda::robustness {
namespace {

// Full-scale noise: steady settings give peaks up to about 16, switching while processing briefly
// more; a race or an unstable filter shows as a blow-up far beyond.
constexpr double kOutputLimit = 1000.0;
constexpr int kBlock = 256;
constexpr int kSweeps = 3;
constexpr int kMinimumBlocks = 350;  // two seconds at 44100 Hz

struct Lcg {
    uint32_t state;
    float next()  // uniform in [0, 1)
    {
        state = state * 1664525u + 1013904223u;
        return (float)(state >> 8) * (1.0f / 16777216.0f);
    }
};

struct Outcome {
    double peak = 0.0;
    bool finite = true;
    int blocks = 0;
};

template <typename T>
void processBlock(CPresetSystemEffect& effect, Lcg& noise, Outcome& outcome)
{
    T left[kBlock], right[kBlock], outLeft[kBlock], outRight[kBlock];
    for (int i = 0; i < kBlock; ++i) {
        left[i] = (T)(noise.next() * 2.0f - 1.0f);
        right[i] = (T)(noise.next() * 2.0f - 1.0f);
    }
    T* inputs[2] = {left, right};
    T* outputs[2] = {outLeft, outRight};
    if constexpr (sizeof(T) == sizeof(float))
        effect.processReplacing(inputs, outputs, kBlock);
    else
        effect.processDoubleReplacing(inputs, outputs, kBlock);
    for (int i = 0; i < kBlock; ++i)
        for (const double y : {(double)outLeft[i], (double)outRight[i]}) {
            outcome.finite = outcome.finite && std::isfinite(y);
            outcome.peak = std::max(outcome.peak, std::fabs(y));
        }
}

class ThreadedAutomation : public ::testing::TestWithParam<Product> {};

TEST_P(ThreadedAutomation, EveryParameterFromASecondThreadWhileAThirdProcesses)
{
    const Product product = GetParam();
    platform::ScopedRegistryRoot store;
    auto effect = makeProduct(product, quietHost);
    effect->setSampleRate(44100.0f);
    effect->resume();
    setMetersActive(*effect, product, true);
    const int limit = indexLimit(product);

    std::atomic<int> sweeps{0};
    std::atomic<bool> stop{false};
    std::thread automation([&] {
        Lcg values{7};
        float meterSum = 0.0f;
        for (int n = 0; !stop.load(); ++n) {
            const int index = n % limit;
            const int kind = n / limit % 4;
            const float v = kind == 0 ? 0.0f : kind == 1 ? 1.0f : values.next();
            effect->setParameter(index, v);
            if (n % 7 == 0) {
                char text[256];
                effect->getParameterDisplay(n / 7 % limit, text);
            }
            meterSum += readMeters(*effect, product);
            if (index == limit - 1) sweeps.fetch_add(1);
        }
        EXPECT_FALSE(std::isnan(meterSum));
    });
    Outcome outcome;
    std::thread processing([&] {
        Lcg noise{99};
        while (outcome.blocks < kMinimumBlocks || sweeps.load() < kSweeps) {
            if (outcome.blocks % 2)
                processBlock<double>(*effect, noise, outcome);
            else
                processBlock<float>(*effect, noise, outcome);
            ++outcome.blocks;
        }
        stop = true;
    });
    processing.join();
    automation.join();
    EXPECT_TRUE(outcome.finite) << productName(product);
    EXPECT_LE(outcome.peak, kOutputLimit) << productName(product);
}

INSTANTIATE_TEST_SUITE_P(AllProducts, ThreadedAutomation,
                         ::testing::Values(Product::Emberline2, Product::Emberline, Product::Cindermote),
                         [](const auto& info) { return std::string(productName(info.param)); });

}  // namespace
}  // namespace velda::robustness
