#include "cindermote/dsp/MeterFeed.h"

#include "emberline2/dsp/VeldaMath.h"

namespace velda::cindermote {

MeterBlock computeMeterBlock(int source, bool ppm, double vuReferenceInv, double overCount, double rate,
                             double ppmIntegrationMs, double ppmReturnMs, float ppmRatio)
{
    MeterBlock b;
    b.source = source;
    b.ppm = ppm;
    b.vuReferenceInv = vuReferenceInv;
    b.overCount = overCount;
    if (ppm) {
        b.rise = ppmIntegrationMs <= 0.05 ? 1.0 : 1.0 - math::pow(0.01, 1.0 / (ppmIntegrationMs * rate * 0.001));
        b.fall = 1.0 - math::pow(0.01, 1.0 / (rate * ppmReturnMs * 0.001));
        b.levelFactor = math::pow(10.0, 0.19 * math::pow((double)ppmRatio, 0.6));
    }
    return b;
}

}  // namespace velda::cindermote
