#include "emberline2/EmberlineTransfer.h"

#include "emberline2/dsp/VeldaMath.h"

namespace velda {

KneeSetting kneeFromParameter(float v)
{
    if (v < 0.25f) return {0, 4.0 * (double)v};
    return {1, ((double)v - 0.25) / 0.75};
}

double kneeRationalA(double k)
{
    // The eighth root by three square roots: correctly rounded on every platform, as the processing does it.
    const double eighthRoot = math::sqrt(math::sqrt(math::sqrt(k)));
    return 1.4 * math::pow(30.0, 1.0 - eighthRoot);
}

float inverseTransfer(const KneeSetting& knee, float y)
{
    if (y >= 1.0f) return y;
    if (knee.mode == 0) {
        const double k = (double)(float)knee.shape;
        if (k == 0.0) return y;
        const double yy = (double)y;
        const double oneMinusK = 1.0 - k;
        const double root = math::sqrt(4.0 * k * oneMinusK + oneMinusK * oneMinusK + 4.0 * k * k - 4.0 * k * yy);
        return (float)((oneMinusK + 2.0 * k - root) / (2.0 * k));
    }
    const double a = kneeRationalA(knee.shape);
    const float o = (float)(1.0 - math::sqrt(1.0 - (double)y));
    return (float)((a - 1.0) * (double)o / (a - (double)o));
}

float smallSignalGain(const KneeSetting& knee, double ceilingDrive, double driveGain, double ceilingGain)
{
    constexpr double kProbe = 0.000001;
    const double c = ceilingDrive * kProbe;
    double s;
    if (knee.mode == 0) {
        double s1 = 1000000.0;
        double s2 = 1000000.0;
        if (c < 1.0) {
            s1 = c / kProbe;
            s2 = (2.0 * c - c * c) / kProbe;
        }
        s = s1 * (1.0 - knee.shape) + s2 * knee.shape;
    } else {
        const double a = kneeRationalA(knee.shape);
        const double t = c * a / (a - 1.0 + c);
        s = t < 1.0 ? (2.0 * t - t * t) / kProbe : 1000000.0;
    }
    return (float)(s * driveGain * ceilingGain);
}

}  // namespace velda
