#include "emberline2/dsp/CrossoverFilters.h"

#include "emberline2/dsp/VeldaMath.h"

namespace velda {

DcBlockerCoefs DcBlockerCoefs::design(double rate)
{
    const double w = 2.0 * math::kPi * 15.0 / rate;
    const double alpha = math::sin(w) / 1.4142;
    const double cw = math::cos(w);
    const double n = 1.0 / (1.0 + alpha);
    DcBlockerCoefs c;
    c.b0 = (1.0 + cw) / 2.0 * n;
    c.b2 = c.b0;
    c.b1 = -(1.0 + cw) * n;
    c.a1 = -2.0 * cw * n;
    c.a2 = (1.0 - alpha) * n;
    return c;
}

SplitCoefs SplitCoefs::lowPass(double frequency, double rate)
{
    const double w = 2.0 * math::kPi * frequency / rate;
    const double alpha = math::sin(w);
    const double cw = math::cos(w);
    const double n = 1.0 / (1.0 + alpha);
    SplitCoefs c;
    c.b0 = (1.0 - cw) / 2.0 * n;
    c.b1 = (1.0 - cw) * n;
    c.a1 = -2.0 * cw * n;
    c.a2 = (1.0 - alpha) * n;
    return c;
}

SplitCoefs SplitCoefs::highPass(double frequency, double rate)
{
    const double w = 2.0 * math::kPi * frequency / rate;
    const double alpha = math::sin(w);
    const double cw = math::cos(w);
    const double n = 1.0 / (1.0 + alpha);
    SplitCoefs c;
    c.b0 = (1.0 + cw) / 2.0 * n;
    c.b1 = -(1.0 + cw) * n;
    c.a1 = -2.0 * cw * n;
    c.a2 = (1.0 - alpha) * n;
    return c;
}

}  // namespace velda
