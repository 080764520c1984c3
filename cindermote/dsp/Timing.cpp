#include "cindermote/dsp/Timing.h"

#include "emberline2/dsp/VeldaMath.h"

namespace velda::cindermote {

namespace {
constexpr int kLongest = 1 << 20;
}

Timing computeTiming(float speed, double releaseMul, double rate)
{
    const double s = speed;
    Timing t;
    // Saturated so that values far outside 0..1 cannot overflow the ring arithmetic.
    const double length = math::pow(16.0, s) * 0.075 * 0.001 * rate;
    t.attackLength = length < kLongest ? (length > -kLongest ? (int)length : -kLongest) : kLongest;
    t.attackCoef = 1.0 - math::pow(0.05, 1.0 / t.attackLength);
    t.releaseCoef = 1.0 - math::pow(0.05, 1.0 / (math::pow(48.0, s) * releaseMul * 0.65 * 0.001 * rate));
    return t;
}

}  // namespace velda::cindermote
