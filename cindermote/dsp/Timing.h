// Look-ahead length and envelope coefficients from Speed and the release multiplier.
#pragma once

namespace velda::cindermote {

struct Timing {
    int attackLength;   // samples
    double attackCoef;  // 95 % of a step within attackLength samples
    double releaseCoef;
};

Timing computeTiming(float speed, double releaseMul, double rate);

}  // namespace velda::cindermote
