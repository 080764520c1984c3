// Engineering values derived by the effect (any host thread) and read by the engine at the
// start of each work block (audio thread).
#pragma once
#include <atomic>
#include <cstdint>

#include "cindermote/dsp/Relaxed.h"

namespace velda::cindermote {

// Work that rebuilds filters, moves ring indices or clears buffers: raised by the effect,
// applied by the engine at the start of its next work block.
enum EngineRequest : uint32_t {
    kRequestStateReset = 1u << 0,
    kRequestCoefficients = 1u << 1,
    kRequestTiming = 1u << 2,
    kRequestVuRetune = 1u << 3,
};

struct CindermoteValues {
    Relaxed<double> sampleRate{44100.0};

    Relaxed<int> processOn{1};
    Relaxed<float> stereoValue{1.0f};  // stereo paths only above 0.5
    Relaxed<int> linkOn{1};
    Relaxed<float> speedValue{1.0f};
    Relaxed<double> releaseMul{1.0};
    Relaxed<double> driveGain{1.0};
    Relaxed<double> lowGain{1.0};
    Relaxed<double> highGain{1.0};
    Relaxed<double> outputGain{1.0};
    Relaxed<double> lowSplitHz{80.0};
    Relaxed<double> highSplitHz{12000.0};
    Relaxed<int> kneeMode{0};
    Relaxed<double> kneeShape{0.0};
    Relaxed<double> smallSignalGain{1.0};

    Relaxed<int> meterSource{1};          // 0 Pre, 1 GainRed, 2 Post
    Relaxed<float> meterScaleValue{0.0f};  // PPM from 0.5
    Relaxed<double> vuIntegrationMs{300.0};
    Relaxed<double> vuReference{0.1};
    Relaxed<double> vuReferenceInv{10.0};
    Relaxed<double> ppmIntegrationMs{9.05};
    Relaxed<double> ppmReturnMs{1000.0};
    Relaxed<float> ppmRatio{0.00905f};
    Relaxed<double> overCount{3.0};

    std::atomic<uint32_t> requests{0};
    void request(uint32_t bits) { requests.fetch_or(bits, std::memory_order_release); }
    uint32_t takeRequests() { return requests.exchange(0, std::memory_order_acquire); }
};

}  // namespace velda::cindermote
