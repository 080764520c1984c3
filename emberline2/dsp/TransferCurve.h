// The soft transfer curve that maps an envelope level to at most 1, and the gain a band
// receives from it.
#pragma once

#include <cmath>

namespace velda {

struct TransferCurve {
    int mode = 0;    // 0: blend of hard clip and parabola, 1: rational pre-compression
    double k = 0.0;  // knee shape
    double a = 42.0;

    static double parabola(double y) { return y < 1.0 ? 2.0 * y - y * y : 1.0; }

    double operator()(double x) const
    {
        if (mode == 0)
            return (1.0 - k) * (x < 1.0 ? x : 1.0) + k * parabola(x);
        return parabola(a * x / (x + a - 1.0));
    }
};

// Envelope e, saturation level S and its reciprocal.
inline double bandGain(const TransferCurve& t, double e, double drive, double sat, double satInv, double ceilingDrive)
{
    const double x = e * drive * satInv * ceilingDrive;
    return sat * t(x) / e;
}

inline double singleBandGain(const TransferCurve& t, double e, double drive, double ceilingDrive)
{
    const double x = e * drive * ceilingDrive;
    return t(x) / e;
}

}  // namespace velda
