// The 15 Hz DC blocker (direct form I) and the two Q 0.5 split filters (direct form II) that
// cut the DC-blocked signal into complementary bands.
#pragma once

namespace velda {

struct DcBlockerCoefs {
    double b0 = 1.0, b1 = 0.0, b2 = 0.0, a1 = 0.0, a2 = 0.0;
    static DcBlockerCoefs design(double rate);
};

struct DcBlocker {
    double x1 = 0.0, x2 = 0.0, h1 = 0.0, h2 = 0.0;

    // x already carries the offset d.
    double process(const DcBlockerCoefs& c, double x, double d)
    {
        const double h = c.b0 * x + c.b1 * x1 + c.b2 * x2 - c.a1 * h1 - c.a2 * h2 + d;
        x2 = x1;
        x1 = x;
        h2 = h1;
        h1 = h;
        return h;
    }
    void reset() { x1 = x2 = h1 = h2 = 0.0; }
};

// b2 equals b0.
struct SplitCoefs {
    double b0 = 1.0, b1 = 0.0, a1 = 0.0, a2 = 0.0;
    static SplitCoefs lowPass(double frequency, double rate);
    static SplitCoefs highPass(double frequency, double rate);
};

struct SplitFilter {
    double w1 = 0.0, w2 = 0.0;

    double process(const SplitCoefs& c, double h, double d)
    {
        const double w = h - c.a1 * w1 - c.a2 * w2 + d;
        const double out = (w + w2) * c.b0 + w1 * c.b1;
        w2 = w1;
        w1 = w;
        return out;
    }
    void reset() { w1 = w2 = 0.0; }
};

struct BandPieces {
    double low, mid, high;
};

// hp: output of the low split (high-pass), lp: output of the high split (low-pass).
inline BandPieces threeBands(double h, double hp, double lp, double lowGain, double highGain)
{
    return {(h - hp) * lowGain, hp - (h - lp), (h - lp) * highGain};
}

inline double toneShaped(double h, double hp, double lp, double lowGainLessOne, double highGainLessOne)
{
    return h + (h - hp) * lowGainLessOne + (h - lp) * highGainLessOne;
}

}  // namespace velda
