// Throughput of the Emberline kernels: frames per second per kernel, with and without
// oversampling, 512-frame host blocks at 48 kHz.
#include <benchmark/benchmark.h>

#include <vector>

#include "emberline2/dsp/BiquadFilter.h"
#include "emberline2/dsp/Oversampler2x.h"
#include "tests/emberline2/EngineFixture.h"

namespace {

void kernel(benchmark::State& state)
{
    const velda::test::KernelSetup& k = velda::test::kKernels[state.range(0)];
    const bool fat = state.range(1) != 0;
    velda::test::EngineRig rig(48000.0);
    rig.select(k);
    rig.setFat(fat);
    rig.values.autoOn = 1;
    rig.engine.metersActive = state.range(2) != 0;
    const int n = 512;
    const std::vector<double> x = velda::test::testSignal(n, 1, 1.5);
    std::vector<float> in(x.begin(), x.end()), l(n), r(n);
    for (auto _ : state) {
        rig.engine.process(in.data(), in.data(), l.data(), r.data(), n);
        benchmark::DoNotOptimize(l.data());
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.SetLabel(std::string(k.name) + (fat ? " FAT" : "") + (state.range(2) ? " meters" : ""));
}
BENCHMARK(kernel)->ArgsProduct({{0, 1, 2, 3, 4, 5, 6}, {0, 1}, {0, 1}});

void biquad(benchmark::State& state)
{
    velda::BiquadFilter f(48000.0, velda::BiquadFilter::kLowPass, 200.0, 0.5, 0.0);
    double x = 0.3;
    for (auto _ : state) {
        for (int i = 0; i < 64; ++i)
            x = f.process(x) + 0.1;
        benchmark::DoNotOptimize(x);
    }
    state.SetItemsProcessed(state.iterations() * 64);
}
BENCHMARK(biquad);

void oversampler(benchmark::State& state)
{
    velda::Oversampler2x os;
    double buf[128] = {};
    for (auto _ : state) {
        for (int i = 0; i < 64; ++i)
            buf[i] = i * 0.01;
        os.upsample(buf, 64);
        os.downsample(buf, 128);
        benchmark::DoNotOptimize(buf);
    }
    state.SetItemsProcessed(state.iterations() * 64);
}
BENCHMARK(oversampler);

}  // namespace

BENCHMARK_MAIN();
