// Audio for the validation checks: a test signal, processing in the ways hosts do it
// (block sizes, precisions, in place, a missing second channel, automation between small
// slices) and what the output looked like.
#pragma once
#include "tools/PluginHost.h"
#include "tools/Validator.h"

#include <string>
#include <vector>

namespace velda::tool {

// Programme-like material with loud bursts, quiet stretches and a moving tone.
class TestSignal {
public:
    enum Kind { Programme, Silence, Subnormal };
    explicit TestSignal(double sampleRate, uint64_t seed = 7, Kind kind = Programme)
        : rate(sampleRate), noise(seed), kind(kind)
    {
    }
    double next(int channel);
    void advance() { ++frame; }

private:
    double rate;
    Random noise;
    Kind kind;
    uint64_t frame = 0;
};

struct AudioStats {
    size_t samples = 0, nonFinite = 0, subnormal = 0;
    double peak = 0.0;

    void add(double sample, bool isSubnormal);  // subnormal in the plug-in's own precision
    bool clean(double bound) const { return nonFinite == 0 && subnormal == 0 && peak <= bound; }
    std::string describe() const;
};

struct AudioRunOptions {
    int blockSize = 512;
    bool doublePrecision = false;
    bool inPlace = false;
    bool secondChannelNull = false;  // reported unconnected and passed as null
    bool secondChannelUnconnected = false;
    int automationEvery = 0;  // frames between random parameter changes, 0 for none
    Random* automation = nullptr;
};

// Processes `frames` frames of `signal` through the resumed plug-in; the output is kept in
// `capture` when given (one vector per output channel used).
AudioStats runAudio(PluginHost& host, size_t frames, TestSignal& signal, const AudioRunOptions& options,
                    std::vector<std::vector<double>>* capture = nullptr);

// Frames of `input` (silence beyond its end) through the plug-in; output channel 0 kept.
std::vector<double> runImpulse(PluginHost& host, size_t frames, size_t impulseAt, int blockSize);

}  // namespace velda::tool
