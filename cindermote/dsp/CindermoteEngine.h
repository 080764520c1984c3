// The audio path of the track processor, free of any host: work blocks of at most 64 frames,
// the four variants (bypass, stereo linked, stereo unlinked, mono) and the meter feeds.
// The effect derives the values, raises requests and runs the suspend and resume sequences
// through the operations below; processing applies pending requests at each work block.
#pragma once
#include "cindermote/dsp/CindermoteValues.h"
#include "cindermote/dsp/MeterFeed.h"
#include "cindermote/dsp/RingSize.h"
#include "cindermote/dsp/Timing.h"
#include "cindermote/dsp/ToneFilter.h"
#include "emberline2/dsp/BiquadFilter.h"
#include "emberline2/dsp/PeakDetector.h"

namespace velda::cindermote {

class CindermoteEngine {
public:
    static constexpr int kWorkBlock = 64;

    explicit CindermoteEngine(CindermoteValues& values);
    CindermoteEngine(const CindermoteEngine&) = delete;
    CindermoteEngine& operator=(const CindermoteEngine&) = delete;

    // rightInputActive: a second input is connected and the arrangement is stereo. outR may
    // equal outL (the right result then replaces the left one); inR may equal inL.
    void process(const float* inL, const float* inR, float* outL, float* outR, int n, bool rightInputActive);
    void process(const double* inL, const double* inR, double* outL, double* outR, int n,
                 bool rightInputActive);

    // Steps of suspend and resume (never overlapping processing).
    void applyRequests();
    void stateReset();
    void filterReset();
    void updateCoefficients();
    void updateTiming();
    void placeIndicesForResume();
    void resetVuFilters();
    void clearMeters(bool gainReduction);
    void retuneVuFilters();

    int ringSize() const { return ringSizeForRate(values.sampleRate); }
    int attackLength() const { return timing.attackLength; }
    int writePosition() const { return writeIndex; }
    int readPosition() const { return readIndex; }
    const BiquadFilter& vuFilter(int channel) const { return vu[channel]; }

    // Shared with the editor, without locks.
    Relaxed<float> meterLeft{0.0f};
    Relaxed<float> meterRight{0.0f};
    Relaxed<float> overFlagLeft{0.0f};
    Relaxed<float> overFlagRight{0.0f};
    Relaxed<int> metersActive{0};

private:
    enum class Variant { Linked, Unlinked, Mono };
    enum class Knee { Unity, Mode0, Mode1 };
    struct Block;

    template <typename T>
    void processHost(const T* inL, const T* inR, T* outL, T* outR, int n, bool rightInputActive);
    void runWorkBlock(int n, bool rightInputActive);
    template <Variant V, Knee K, bool Meters>
    void runProcessing(const Block& b, int n);
    template <bool Meters>
    void runBypass(const Block& b, int n);
    void recoverFromNonFinite();

    CindermoteValues& values;

    double delayRing[2][kMaxRingSize];
    PeakDetector<kMaxRingSize> peak[2];
    double outputRing[2][kMaxRingSize];
    double bypassRing[2][kMaxRingSize];
    double workIn[2][kWorkBlock];
    double workOut[2][kWorkBlock];

    int writeIndex = 0;
    int readIndex = 0;
    double envelope[2] = {0.0001, 0.0001};
    double denormalOffset = 1e-16;
    ToneState tone[2];
    ToneCoefficients coefficients;
    Timing timing{1, 1.0, 1.0};
    BiquadFilter vu[2];
    MeterChannel meter[2];
    double rationalShape = -1.0;  // k of the cached rational constant
    double rationalM = 0.0;
};

}  // namespace velda::cindermote
