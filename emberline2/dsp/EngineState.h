// Everything the kernels read and write between work blocks, allocated once for the
// largest rate.
#pragma once

#include "emberline2/EngineLayout.h"
#include "emberline2/dsp/CrossoverFilters.h"
#include "emberline2/dsp/DenormalOffset.h"
#include "emberline2/dsp/Envelope.h"
#include "emberline2/dsp/MeterFeed.h"
#include "emberline2/dsp/Oversampler2x.h"
#include "emberline2/dsp/PeakDetector.h"
#include "emberline2/dsp/TimingValues.h"
#include "emberline2/dsp/TransferCurve.h"

namespace velda {

inline constexpr int kWorkBlock = 64;

struct ChannelState {
    DcBlocker dc;
    SplitFilter lowSplit;   // high-pass at the low split frequency
    SplitFilter highSplit;  // low-pass at the high split frequency
    Envelope low, mid, high, limiter;  // the limiter envelope doubles as the single-band one

    double dry[kMaxDelayRingSize];
    double out[kMaxDelayRingSize];
    double fatRing[kMaxDelayRingSize];
    double bandLow[kMaxBandRingSize], bandMid[kMaxBandRingSize], bandHigh[kMaxBandRingSize];
    double sum[kMaxBandRingSize];
    PeakDetector<kMaxBandRingSize> peakLow, peakMid, peakHigh;
    PeakDetector<kMaxBandRingSize> peakLimiter;

    double workIn[2 * kWorkBlock];
    double workOut[2 * kWorkBlock];
    // What the kernels read and write in the current work block: the work buffers, or the
    // plain delays' own histories when those stand in for the oversampler.
    double* in = workIn;
    double* result = workOut;

    ChannelMeter meter;
    Oversampler2x oversampler;

    ChannelState(double lowFast, double lowSlow, double midFast, double midSlow, double highFast, double highSlow,
                 double limFast, double limSlow)
        : low(lowFast, lowSlow), mid(midFast, midSlow), high(highFast, highSlow), limiter(limFast, limSlow)
    {
        clearRings();
    }
    ChannelState(const ChannelState&) = delete;  // in and result point into the object
    ChannelState& operator=(const ChannelState&) = delete;

    void clearRings();
    void resetFilters()
    {
        dc.reset();
        lowSplit.reset();
        highSplit.reset();
        low.reset();
        mid.reset();
        high.reset();
        limiter.reset();
    }
};

struct RingIndices {
    int w = 0;   // detector write index (band ring)
    int r = 0;   // band detector read index
    int r2 = 0;  // limiter read index
    int wd = 0;  // dry and output write index (delay ring)
    int rd = 0;  // output read index
};

// Per work block: the engineering values the kernels read, taken once at the block start.
struct BlockParams {
    int bandMask = 255;
    int delayMask = 511;
    TransferCurve curve;
    double driveGain = 1.0;
    double lowGain = 1.0, highGain = 1.0;
    double mixAmount = 1.0;
    double ceilingGain = 1.0, ceilingDrive = 1.0;
    double outputGain = 1.0;
    double lowSat = 1.0, midSat = 1.0, highSat = 1.0;
    double lowSatInv = 1.0, midSatInv = 1.0, highSatInv = 1.0;
    bool autoOn = false;
    bool brickwallOn = true;
    int channel = 0;  // mono kernels: 0 both, 1 left, 2 right
    bool monoDryWithoutOutputGain = false;
    bool metersActive = false;
    MeterConstants meter;
    double linkedSingleAutoM = 1.4;  // 1.4 x autoReleaseScale
};

struct EngineState {
    ChannelState left{50.0, 5.0, 200.0, 20.0, 1000.0, 100.0, 200.0, 20.0};
    ChannelState right{200.0, 20.0, 200.0, 20.0, 200.0, 20.0, 200.0, 20.0};
    RingIndices idx;
    int fatWrite = 0;
    DenormalOffset offset;
    DcBlockerCoefs dcCoefs;
    SplitCoefs lowSplitCoefs;   // high-pass
    SplitCoefs highSplitCoefs;  // low-pass
    TimingValues timing;
};

}  // namespace velda
