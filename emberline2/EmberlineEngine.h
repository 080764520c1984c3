// The whole signal processing of the Emberline products, free of any host: work blocks,
// oversampling, the seven kernels and the meter feeds. The effect owns one engine, derives
// the engineering values and raises requests; the engine applies them at its next work block.
#pragma once
#include <atomic>
#include <memory>

#include "emberline2/EngineLayout.h"
#include "emberline2/EngineeringValues.h"

namespace velda {

struct EngineCore;

class EmberlineEngine {
public:
    EmberlineEngine(EngineeringValues& values, const EngineLayout& layout);
    ~EmberlineEngine();
    EmberlineEngine(const EmberlineEngine&) = delete;
    EmberlineEngine& operator=(const EmberlineEngine&) = delete;

    // Stores the rate; the effect then runs suspend and resume.
    void setSampleRate(double rate);
    double sampleRate() const;

    // The processing parts of suspend and resume (the effect adds latency report and editor calls).
    void suspend();
    void resume();

    // outR may equal outL (the right result then replaces the left); inR may equal inL.
    void process(const float* inL, const float* inR, float* outL, float* outR, int n);
    void process(const double* inL, const double* inR, double* outL, double* outR, int n);

    float getLatencySamples() const;
    float getLatencyMs() const;
    int getBandRingSize() const;
    int getDelayRingSize() const;

    // Timing values of the last timing update (audio-thread side; read for display or tests).
    int attackLength() const;
    int limiterAttackLength() const;

    // Read by the editor without locks.
    std::atomic<float> meterLeft{0.0f};
    std::atomic<float> meterRight{0.0f};
    std::atomic<float> overFlagLeft{0.0f};
    std::atomic<float> overFlagRight{0.0f};
    std::atomic<bool> metersActive{false};
    void clearOverFlags()
    {
        overFlagLeft.store(0.0f, std::memory_order_relaxed);
        overFlagRight.store(0.0f, std::memory_order_relaxed);
    }

private:
    template <typename T>
    void processAny(const T* inL, const T* inR, T* outL, T* outR, int n);
    void beginWorkBlock();
    void applyRequests(uint32_t requests);
    void crossoverUpdate();
    void timingUpdate();
    void filterReset();
    void bufferClear();
    void oversamplerReset();
    void vuRetune();
    int fatInForce() const;
    // False when a non-finite state was reset and the work buffers hold silence instead.
    bool runWorkBlock(int m);

    EngineeringValues& values;
    const EngineLayout layout;
    std::unique_ptr<EngineCore> core;
};

}  // namespace velda
