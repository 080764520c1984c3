// VU and PPM level meters and over counters of the two channels, fed once per sample while the
// editor shows them. Levels and counters are kept as 32-bit floats.
#pragma once
#include <cmath>

#include "emberline2/dsp/BiquadFilter.h"

namespace velda::cindermote {

enum MeterSource : int { kMeterPre = 0, kMeterGainReduction = 1, kMeterPost = 2 };

// Constants of one work block.
struct MeterBlock {
    int source = kMeterGainReduction;
    bool ppm = false;
    double vuReferenceInv = 1.0;
    double overCount = 3.0;
    double rise = 1.0;  // PPM coefficients
    double fall = 1.0;
    double levelFactor = 1.0;
    double gainDivisor = 1.0;  // the gain reading is |g| / gainDivisor
};

MeterBlock computeMeterBlock(int source, bool ppm, double vuReferenceInv, double overCount, double rate,
                             double ppmIntegrationMs, double ppmReturnMs, float ppmRatio);

struct MeterChannel {
    float level = 0.0f;
    float overCounter = 0.0f;

    // signal: the input (Pre) or output (Post) sample; gain: the gain applied to the sample;
    // overSample: the sample the over counter looks at.
    void feed(const MeterBlock& b, BiquadFilter& vu, double signal, double gain, double overSample, double d)
    {
        if (std::fabs(overSample) >= 1.0)
            overCounter = overCounter + 1.0f;
        else if (overCounter < b.overCount)
            overCounter = 0.0f;

        const bool gainReduction = b.source == kMeterGainReduction;
        const double gainLevel = gainReduction ? std::fabs(gain) / b.gainDivisor : 0.0;
        if (!b.ppm) {
            const double input =
                gainReduction ? gainLevel : std::fabs(signal) * 1.4142136 * 1.096 * b.vuReferenceInv;
            level = (float)vu.process(input);
            return;
        }
        const double m = level;
        if (gainReduction) {
            level = (float)(m + (gainLevel - m) * (m <= gainLevel ? b.fall : b.rise) + d);
        } else {
            const double x = std::fabs(signal) * b.levelFactor;
            level = (float)(m + (x - m) * (x <= m ? b.fall : b.rise) + d);
        }
    }
};

}  // namespace velda::cindermote
