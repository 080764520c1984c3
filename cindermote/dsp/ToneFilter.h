// The input conditioning of one channel: the shared 15 Hz DC blocker and split filters, fed
// with coefficients divided by a0 (this product's own design; the Emberline design multiplies
// by 1 / a0, which rounds differently).
#pragma once
#include <cmath>

#include "emberline2/dsp/CrossoverFilters.h"

namespace velda::cindermote {

struct ToneCoefficients {
    DcBlockerCoefs dc;
    SplitCoefs lowSplit;   // high-pass at the low split frequency
    SplitCoefs highSplit;  // low-pass at the high split frequency
};

// A rate outside 22000..200000 counts as 44100.
double coefficientRate(double rate);
ToneCoefficients computeToneCoefficients(double rate, double lowSplitHz, double highSplitHz);

struct ToneState {
    DcBlocker dc;
    SplitFilter lowSplit;
    SplitFilter highSplit;

    void clear()
    {
        dc.reset();
        lowSplit.reset();
        highSplit.reset();
    }
    bool isFinite() const
    {
        return std::isfinite(dc.x1) && std::isfinite(dc.x2) && std::isfinite(dc.h1) && std::isfinite(dc.h2) &&
               std::isfinite(lowSplit.w1) && std::isfinite(lowSplit.w2) && std::isfinite(highSplit.w1) &&
               std::isfinite(highSplit.w2);
    }
};

// x is the input already offset by d.
inline double shapeTone(const ToneCoefficients& c, ToneState& s, double x, double d, double lowGainLessOne,
                        double highGainLessOne)
{
    const double h = s.dc.process(c.dc, x, d);
    const double highPassed = s.lowSplit.process(c.lowSplit, h, d);
    const double lowPassed = s.highSplit.process(c.highSplit, h, d);
    return toneShaped(h, highPassed, lowPassed, lowGainLessOne, highGainLessOne);
}

}  // namespace velda::cindermote
