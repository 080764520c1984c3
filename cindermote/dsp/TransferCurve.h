// The soft transfer curve that turns the driven envelope into a gain, and the values derived
// from its shape. Mode 0 blends a straight line with 2x - x^2 by k; mode 1 bends the input
// through a rational curve of constant m first.
#pragma once
#include <cmath>

namespace velda::cindermote {

struct KneeSetting {
    int mode;      // 0 or 1
    double shape;  // k
};

KneeSetting kneeFromValue(float knee);

// m = 1.4 x 30^(1 - k^(1/8)), the eighth root as three nested square roots.
double rationalConstant(double k);

// The slope near zero times the drive gain, rounded to 32 bits.
float smallSignalGainOf(const KneeSetting& knee, double driveGain);

// The input level at which the curve reaches y.
float inverseTransferOf(const KneeSetting& knee, float y);

// Gain for envelope env at driven level x = env x drive.
inline double kneeMode0Gain(double x, double env, double k, double oneMinusK)
{
    if (x >= 1.0) return 1.0 / env;
    return (x * oneMinusK + (2.0 * x - x * x) * k) / env;
}

inline double kneeMode1Gain(double x, double env, double m)
{
    const double y = x * m / (x + m - 1.0);
    if (y >= 1.0) return 1.0 / env;
    return (2.0 * y - y * y) / env;
}

}  // namespace velda::cindermote
