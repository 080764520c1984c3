#include "cindermote/dsp/ToneFilter.h"

#include "emberline2/dsp/VeldaMath.h"

namespace velda::cindermote {

namespace {

struct Section {
    double b0, b1, a1, a2;
};

Section highPass(double w, double alpha)
{
    const double cw = math::cos(w);
    const double a0 = 1.0 + alpha;
    return {(1.0 + cw) / 2.0 / a0, -(1.0 + cw) / a0, -2.0 * cw / a0, (1.0 - alpha) / a0};
}

Section lowPass(double w, double alpha)
{
    const double cw = math::cos(w);
    const double a0 = 1.0 + alpha;
    return {(1.0 - cw) / 2.0 / a0, (1.0 - cw) / a0, -2.0 * cw / a0, (1.0 - alpha) / a0};
}

SplitCoefs splitOf(const Section& s)
{
    SplitCoefs c;
    c.b0 = s.b0;
    c.b1 = s.b1;
    c.a1 = s.a1;
    c.a2 = s.a2;
    return c;
}

}  // namespace

double coefficientRate(double rate) { return (rate > 200000.0 || rate < 22000.0) ? 44100.0 : rate; }

ToneCoefficients computeToneCoefficients(double rate, double lowSplitHz, double highSplitHz)
{
    const double r = coefficientRate(rate);
    ToneCoefficients c;
    const double wDc = 94.24777960769379 / r;  // 2 pi x 15 Hz
    const Section dc = highPass(wDc, math::sin(wDc) / 1.4142);
    c.dc.b0 = dc.b0;
    c.dc.b1 = dc.b1;
    c.dc.b2 = dc.b0;
    c.dc.a1 = dc.a1;
    c.dc.a2 = dc.a2;
    // Below about 24 kHz the 12 kHz split would lie above the Nyquist frequency, where the
    // section is unstable; it is kept just below it, as the filter object does.
    const double limit = 0.499 * r;
    const double wLow = 2.0 * math::kPi * (lowSplitHz > limit ? limit : lowSplitHz) / r;
    c.lowSplit = splitOf(highPass(wLow, math::sin(wLow)));
    const double wHigh = 2.0 * math::kPi * (highSplitHz > limit ? limit : highSplitHz) / r;
    c.highSplit = splitOf(lowPass(wHigh, math::sin(wHigh)));
    return c;
}

}  // namespace velda::cindermote
