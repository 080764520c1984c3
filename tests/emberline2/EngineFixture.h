// An engine at a given rate, driven the way the effect drives it.
#pragma once

#include <cstdint>
#include <vector>

#include "emberline2/EmberlineEngine.h"

namespace velda::test {

struct KernelSetup {
    const char* name;
    int processOn;
    float stereo;
    int link;
    int multiBand;
};

inline const KernelSetup kKernels[] = {
    {"bypass", 0, 1.0f, 1, 0},
    {"linked three-band", 1, 1.0f, 1, 1},
    {"linked single-band", 1, 1.0f, 1, 0},
    {"unlinked three-band", 1, 1.0f, 0, 1},
    {"unlinked single-band", 1, 1.0f, 0, 0},
    {"mono three-band", 1, 0.0f, 1, 1},
    {"mono single-band", 1, 0.0f, 1, 0},
};

struct EngineRig {
    EngineeringValues values;
    EmberlineEngine engine;

    explicit EngineRig(double rate, const EngineLayout& layout = kEmberline2Layout) : engine(values, layout)
    {
        setRate(rate);
    }

    void setRate(double rate)
    {
        engine.setSampleRate(rate);
        engine.suspend();
        engine.resume();
    }

    void select(const KernelSetup& k)
    {
        values.processOn = k.processOn;
        values.stereoValue = k.stereo;
        values.linkOn = k.link;
        values.multiBandOn = k.multiBand;
        values.modeValue = k.multiBand ? 1.0 : 0.0;
        values.request(kRequestFilterReset | kRequestCrossoverUpdate | kRequestTimingUpdate);
    }

    void setFat(bool on)
    {
        values.fatOn = on ? 1 : 0;
        values.request(kRequestCrossoverUpdate | kRequestTimingUpdate | kRequestBufferClear | kRequestFilterReset |
                       kRequestOversamplerReset);
    }

    // Processes in blocks of at most blockSize frames.
    template <typename T>
    void run(const std::vector<T>& l, const std::vector<T>& r, std::vector<T>& ol, std::vector<T>& orr,
             int blockSize = 512)
    {
        const int n = static_cast<int>(l.size());
        ol.assign(n, T());
        orr.assign(n, T());
        for (int i = 0; i < n; i += blockSize) {
            const int m = n - i < blockSize ? n - i : blockSize;
            engine.process(l.data() + i, r.data() + i, ol.data() + i, orr.data() + i, m);
        }
    }
};

// Deterministic test material: noise bursts, a low sine and peaks above full scale.
inline std::vector<double> testSignal(int n, uint32_t seed, double level)
{
    std::vector<double> x(n);
    uint32_t s = seed;
    for (int i = 0; i < n; ++i) {
        s = s * 1664525u + 1013904223u;
        const double noise = (static_cast<int32_t>(s) >> 8) / 8388608.0;
        const double burst = ((i / 2000) % 2) ? 1.0 : 0.2;
        const double tri = ((i % 200) < 100 ? (i % 200) : 200 - (i % 200)) / 50.0 - 1.0;
        x[i] = level * (0.5 * noise * burst + 0.6 * tri);
    }
    return x;
}

}  // namespace velda::test
