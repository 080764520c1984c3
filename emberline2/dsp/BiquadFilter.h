// Second-order filter in direct form I, one sample at a time, 64-bit.
// Type numbers: 0 through, 1 high-pass, 2 one-pole decay only, 3 low shelf, 4 peaking,
// 5 band-pass, 6 notch, 7 high shelf, 8 low-pass, 9 one-pole decay and mean, 10 all-pass.
#pragma once

#include <emmintrin.h>

namespace velda {

class BiquadFilter {
public:
    enum Type : int {
        kThrough = 0,
        kHighPass = 1,
        kDecay = 2,
        kLowShelf = 3,
        kPeaking = 4,
        kBandPass = 5,
        kNotch = 6,
        kHighShelf = 7,
        kLowPass = 8,
        kDecayMean = 9,
        kAllPass = 10,
    };

    BiquadFilter() : BiquadFilter(44100.0, kThrough, 1000.0, 0.707, 0.0) {}
    BiquadFilter(double rate, int type, double frequency, double q, double gainDb);

    void setRate(double rate);
    void setFrequency(double frequency);
    void setType(int type);
    void setQ(double q);
    void setGain(double gainDb);
    void recompute();
    void reset() { x1 = x2 = y1 = y2 = 0.0; }

    double process(double x)
    {
        if (type == kThrough)
            return x;
        offset = -offset;
        const double xo = x + offset;
        const double y = b0 * xo + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = xo;
        y2 = y1;
        y1 = y + offset;
        return y;
    }

    // Two filters over the same n inputs (at most 128), as the lanes of packed doubles: the
    // same steps as n calls of process on each.
    static void processPair(BiquadFilter& a, BiquadFilter& b, const double* x, double* ya, double* yb, int n);

    // Two filters, neither of type kThrough, as the lanes of packed doubles, for loops that
    // interleave them with other work: step runs process on each lane.
    struct Pair {
        __m128d b0, b1, b2, a1, a2, x1, x2, y1, y2, offset;

        Pair(const BiquadFilter& a, const BiquadFilter& b)
            : b0(_mm_set_pd(b.b0, a.b0)), b1(_mm_set_pd(b.b1, a.b1)), b2(_mm_set_pd(b.b2, a.b2)),
              a1(_mm_set_pd(b.a1, a.a1)), a2(_mm_set_pd(b.a2, a.a2)), x1(_mm_set_pd(b.x1, a.x1)),
              x2(_mm_set_pd(b.x2, a.x2)), y1(_mm_set_pd(b.y1, a.y1)), y2(_mm_set_pd(b.y2, a.y2)),
              offset(_mm_set_pd(b.offset, a.offset))
        {
        }
        __m128d step(__m128d x)
        {
            offset = _mm_xor_pd(offset, _mm_set1_pd(-0.0));
            const __m128d xo = _mm_add_pd(x, offset);
            __m128d y = _mm_mul_pd(b0, xo);
            y = _mm_add_pd(y, _mm_mul_pd(b1, x1));
            y = _mm_add_pd(y, _mm_mul_pd(b2, x2));
            y = _mm_sub_pd(y, _mm_mul_pd(a1, y1));
            y = _mm_sub_pd(y, _mm_mul_pd(a2, y2));
            x2 = x1;
            x1 = xo;
            y2 = y1;
            y1 = _mm_add_pd(y, offset);
            return y;
        }
        void store(BiquadFilter& a, BiquadFilter& b) const
        {
            _mm_storel_pd(&a.x1, x1), _mm_storeh_pd(&b.x1, x1);
            _mm_storel_pd(&a.x2, x2), _mm_storeh_pd(&b.x2, x2);
            _mm_storel_pd(&a.y1, y1), _mm_storeh_pd(&b.y1, y1);
            _mm_storel_pd(&a.y2, y2), _mm_storeh_pd(&b.y2, y2);
            _mm_storel_pd(&a.offset, offset), _mm_storeh_pd(&b.offset, offset);
        }
    };

    double getRate() const { return rate; }
    int getType() const { return type; }
    double getFrequency() const { return frequency; }
    double getQ() const { return q; }
    double getGain() const { return gainDb; }

    // Coefficients as computed (a0 undivided; the rest divided by a0).
    double a0 = 1.0, a1 = 1.0, a2 = 1.0, b0 = 1.0, b1 = 1.0, b2 = 1.0;
    double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;

private:
    double rate;
    int type;
    double frequency;
    double q;
    double gainDb;
    double offset = 1e-13;
};

}  // namespace velda
