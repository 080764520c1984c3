#include "cindermote/dsp/TransferCurve.h"

#include "emberline2/dsp/VeldaMath.h"

namespace velda::cindermote {

KneeSetting kneeFromValue(float knee)
{
    if (knee < 0.25f) return {0, 4.0 * knee};
    return {1, (knee - 0.25) / 0.75};
}

double rationalConstant(double k)
{
    return 1.4 * math::pow(30.0, 1.0 - math::sqrt(math::sqrt(math::sqrt(k))));
}

float smallSignalGainOf(const KneeSetting& knee, double driveGain)
{
    double s;
    if (knee.mode == 0) {
        s = knee.shape * 1.999999 + (1.0 - knee.shape);
    } else {
        const double a = rationalConstant(knee.shape);
        const double t = a * 0.000001 / (a - 1.0 + 0.000001);
        s = t < 1.0 ? (2.0 * t - t * t) / 0.000001 : 1000000.0;
    }
    return (float)(s * driveGain);
}

float inverseTransferOf(const KneeSetting& knee, float y)
{
    const double yy = y;
    if (yy >= 1.0) return y;
    const double k = knee.shape;
    if (knee.mode == 0) {
        if (k == 0.0) return y;
        return (float)(((1.0 + k) - math::sqrt((1.0 + k) * (1.0 + k) - 4.0 * k * yy)) / (2.0 * k));
    }
    const double a = rationalConstant(k);
    const double o = math::sqrt(1.0 - yy);
    return (float)((a - 1.0) * (1.0 - o) / (a - (1.0 - o)));
}

}  // namespace velda::cindermote
