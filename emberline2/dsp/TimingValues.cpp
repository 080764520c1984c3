#include "emberline2/dsp/TimingValues.h"

#include "emberline2/dsp/VeldaMath.h"

namespace velda {

namespace {

// Saturated so that Speed values far outside 0..1 cannot overflow the ring index arithmetic.
int lengthOf(double samples)
{
    constexpr int kLongest = 1 << 20;
    return samples < kLongest ? (samples > -kLongest ? static_cast<int>(samples) : -kLongest) : kLongest;
}

}  // namespace

double coverageCoef(double n) { return 1.0 - math::pow(0.05, 1.0 / n); }

TimingValues TimingValues::compute(const TimingInputs& in)
{
    TimingValues t;
    const double speed = in.speed;
    const double longOn = in.longOn;
    const double fsP = in.processingRate;
    // releaseMul x 4 is 16^Release exactly.
    t.autoReleaseScale = 0.5 * math::pow(in.releaseMul * 4.0 * (15.0 * longOn + 1.0), 0.25);

    t.attackLength = lengthOf(math::pow(16.0, speed) * 0.075 * 0.001 * fsP);
    t.attackCoef = coverageCoef(t.attackLength);
    t.limiterAttackLength = lengthOf((math::pow(14.0, speed) * 0.075 + 0.15) * 0.001 * fsP);
    t.limiterAttackCoef = coverageCoef(t.limiterAttackLength);

    const double T = math::pow(48.0, speed) * in.releaseMul * ((15.0 * longOn + 1.0) * longOn + 1.0);
    t.releaseCoef = coverageCoef(T * 0.65 * 0.001 * fsP);
    t.lowReleaseCoef = coverageCoef(T * in.lowReleaseMul * 0.65 * 0.001 * fsP);
    t.midReleaseCoef = coverageCoef(T * in.midReleaseMul * 0.65 * 0.001 * fsP);
    t.highReleaseCoef = coverageCoef(T * in.highReleaseMul * 0.65 * 0.001 * fsP);

    const double X = (in.releaseMul * longOn * 0.7139 * speed + 1.0) * speed * (longOn + 1.0);
    t.limiterReleaseCoef = coverageCoef((math::pow(24.0, X) * 0.65 + 1.35) * 0.001 * fsP);
    return t;
}

}  // namespace velda
