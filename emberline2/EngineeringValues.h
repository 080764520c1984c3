// Values derived from the parameters by the effect (any host thread) and read by the
// processing engine at the start of each work block (audio thread). Every member is a
// single relaxed atomic, so a reader never sees a torn value.
#pragma once
#include <atomic>
#include <cstdint>

namespace velda {

template <typename T>
struct Shared {
    std::atomic<T> v;
    Shared(T init = T()) : v(init) {}
    T get() const { return v.load(std::memory_order_relaxed); }
    void set(T x) { v.store(x, std::memory_order_relaxed); }
    operator T() const { return get(); }
    Shared& operator=(T x)
    {
        set(x);
        return *this;
    }
};

// Work that rebuilds filters, moves ring indices or clears buffers. The effect raises the
// bits; the engine applies them at the start of its next work block, in a fixed order.
enum EngineRequest : uint32_t {
    kRequestFilterReset = 1u << 0,
    kRequestCrossoverUpdate = 1u << 1,
    kRequestTimingUpdate = 1u << 2,
    kRequestBufferClear = 1u << 3,
    kRequestOversamplerReset = 1u << 4,
    kRequestVuRetune = 1u << 5,
};

struct EngineeringValues {
    Shared<int> processOn{1};
    Shared<int> multiBandOn{0};
    Shared<double> modeValue{0.0};
    Shared<float> stereoValue{1.0f};  // index 2
    Shared<int> linkOn{1};
    Shared<double> driveGain{1.0};
    Shared<int> kneeMode{0};
    Shared<double> kneeShape{0.0};
    Shared<float> speedValue{1.0f};  // index 6
    Shared<double> releaseMul{1.0};
    Shared<double> highGain{1.0};
    Shared<double> lowGain{1.0};
    Shared<double> highSplitHz{2000.0};
    Shared<double> lowSplitHz{100.0};
    Shared<double> mixAmount{1.0};
    Shared<double> ceilingGain{1.0};
    Shared<double> ceilingDrive{1.0};
    Shared<double> outputGain{1.0};
    Shared<double> lowSat{1.0}, midSat{1.0}, highSat{1.0};
    Shared<double> lowSatInv{1.0}, midSatInv{1.0}, highSatInv{1.0};
    Shared<double> lowReleaseMul{1.0}, midReleaseMul{1.0}, highReleaseMul{1.0};
    Shared<int> meterSource{1};
    Shared<float> meterTypeValue{0.0f};  // index 22: PPM from 0.5
    Shared<double> fineTuneScale{1.0};
    Shared<int> meterScaleWide{0};
    Shared<int> fatOn{0};
    Shared<int> longOn{0};
    Shared<int> autoOn{0};
    Shared<int> brickwallOn{1};
    Shared<float> channelValue{0.0f};  // index 30: which channel a mono kernel processes
    Shared<double> smallSignalGain{1.0};
    Shared<double> vuIntegrationMs{300.0};
    Shared<double> vuReference{0.1};
    Shared<double> vuReferenceInv{0.1};
    Shared<double> ppmIntegrationMs{10.0};
    Shared<double> ppmReturnMs{1000.0};
    Shared<float> ppmRatio{0.01f};
    Shared<double> overCount{3.0};

    std::atomic<uint32_t> requests{0};
    void request(uint32_t bits) { requests.fetch_or(bits, std::memory_order_release); }
    uint32_t takeRequests() { return requests.exchange(0, std::memory_order_acquire); }
};

}  // namespace velda
