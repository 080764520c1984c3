// Look-ahead lengths and envelope coefficients derived from Speed, Release, Long and the
// per-band release multipliers, at the processing rate.
#pragma once

namespace velda {

struct TimingInputs {
    float speed;           // normalised Speed value
    double releaseMul;     // 0.25 x 16^Release
    double lowReleaseMul, midReleaseMul, highReleaseMul;
    int longOn;
    double processingRate;
};

struct TimingValues {
    int attackLength = 3;
    int limiterAttackLength = 9;
    double attackCoef = 0.0;
    double limiterAttackCoef = 0.0;
    double releaseCoef = 0.0;
    double lowReleaseCoef = 0.0;
    double midReleaseCoef = 0.0;
    double highReleaseCoef = 0.0;
    double limiterReleaseCoef = 0.0;
    double autoReleaseScale = 0.5;

    static TimingValues compute(const TimingInputs& in);
};

// 1 - 0.05^(1 / n): an envelope covers 95 % of a step in n samples.
double coverageCoef(double n);

}  // namespace velda
