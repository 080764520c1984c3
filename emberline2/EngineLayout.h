// What distinguishes the processing of the two Emberline generations: data only.
#pragma once

namespace velda {

struct EngineLayout {
    bool oversampling;           // two-times oversampling with its plain delays and FAT rings
    int bandRingSize[3];         // by rate: below 50000, below 100000, from 100000
    int delayRingSize[3];
    int latencyBeyondDelayRing;  // latency = delay ring size + this
    bool monoDryWithoutOutputGain;  // mono kernels: the unprocessed channel leaves without output gain
    bool suspendRunsUpdates;        // suspend also runs the crossover and timing updates

    static int rateRange(double rate) { return rate < 50000.0 ? 0 : (rate < 100000.0 ? 1 : 2); }
};

// Oversampler latency 126 plus the delay ring plus one.
inline constexpr EngineLayout kEmberline2Layout{true, {256, 512, 1024}, {512, 1024, 2048}, 127, false, false};
// No oversampling: the whole delay is the delay ring minus one.
inline constexpr EngineLayout kEmberlineLayout{false, {64, 128, 256}, {128, 256, 512}, -1, true, true};

inline constexpr int kMaxBandRingSize = 1024;
inline constexpr int kMaxDelayRingSize = 2048;

}  // namespace velda
