#include "emberline2/dsp/BiquadFilter.h"

#include <emmintrin.h>

#include "emberline2/dsp/VeldaMath.h"

namespace velda {

namespace {

// Widens the bandwidth term as the corner approaches the Nyquist frequency.
double cornerCorrection(double f, double rate, double n, double h)
{
    return 1.0 - math::pow(f / (h * rate), n);
}

}  // namespace

BiquadFilter::BiquadFilter(double rate_, int type_, double frequency_, double q_, double gainDb_)
    : rate(rate_), type(type_), frequency(frequency_), q(q_), gainDb(gainDb_)
{
    offset = 1e-13;
    reset();
    recompute();
}

void BiquadFilter::setRate(double r)
{
    rate = r;
    recompute();
}

void BiquadFilter::setFrequency(double f)
{
    frequency = f;
    recompute();
}

void BiquadFilter::setType(int t)
{
    type = t;
    recompute();
}

void BiquadFilter::setQ(double q_)
{
    q = q_;
    recompute();
}

void BiquadFilter::setGain(double g)
{
    gainDb = g;
    recompute();
}

void BiquadFilter::recompute()
{
    if (frequency > 0.499 * rate)
        frequency = 0.499 * rate;
    a0 = a1 = a2 = b0 = b1 = b2 = 1.0;
    const double f = frequency;
    const double w = 2.0 * math::kPi * f / rate;
    const double sw = math::sin(w);
    const double cw = math::cos(w);

    switch (type) {
    case kHighPass: {
        const double alpha = sw / (2.0 * q * cornerCorrection(f, rate, 6.0, 0.5001));
        a0 = 1.0 + alpha;
        a1 = -2.0 * cw;
        a2 = 1.0 - alpha;
        b0 = (1.0 + cw) / 2.0;
        b1 = -(1.0 + cw);
        b2 = (1.0 + cw) / 2.0;
        break;
    }
    case kLowShelf: {
        const double A0 = math::pow(10.0, gainDb / 40.0);
        const double alpha = sw / (2.0 * q * cornerCorrection(f, rate, 3.0, 0.5001));
        const double sa = 2.0 * math::sqrt(A0) * alpha;
        a0 = (A0 + 1.0) + (A0 - 1.0) * cw + sa;
        a1 = -2.0 * ((A0 - 1.0) + (A0 + 1.0) * cw);
        a2 = (A0 + 1.0) + (A0 - 1.0) * cw - sa;
        b0 = A0 * ((A0 + 1.0) - (A0 - 1.0) * cw + sa);
        b1 = 2.0 * A0 * ((A0 - 1.0) - (A0 + 1.0) * cw);
        b2 = A0 * ((A0 + 1.0) - (A0 - 1.0) * cw - sa);
        break;
    }
    case kPeaking: {
        const double A0 = math::pow(10.0, gainDb / 40.0);
        const double alpha = sw / (2.0 * q * cornerCorrection(f, rate, 2.8, 0.5001));
        a0 = 1.0 + alpha / A0;
        a1 = -2.0 * cw;
        a2 = 1.0 - alpha / A0;
        b0 = 1.0 + alpha * A0;
        b1 = -2.0 * cw;
        b2 = 1.0 - alpha * A0;
        break;
    }
    case kBandPass: {
        const double alpha = sw / (2.0 * q * cornerCorrection(f, rate, 2.8, 0.5001));
        a0 = 1.0 + alpha;
        a1 = -2.0 * cw;
        a2 = 1.0 - alpha;
        b0 = alpha;
        b1 = 0.0;
        b2 = -alpha;
        break;
    }
    case kNotch: {
        const double alpha = sw / (2.0 * q * cornerCorrection(f, rate, 2.8, 0.5001));
        a0 = 1.0 + alpha;
        a1 = -2.0 * cw;
        a2 = 1.0 - alpha;
        b0 = 1.0;
        b1 = -2.0 * cw;
        b2 = 1.0;
        break;
    }
    case kHighShelf: {
        const double A0 = math::pow(10.0, gainDb / 40.0);
        const double alpha = sw / (2.0 * q * cornerCorrection(f, rate, 3.0, 0.5001));
        const double sa = 2.0 * math::sqrt(A0) * alpha;
        a0 = (A0 + 1.0) - (A0 - 1.0) * cw + sa;
        a1 = 2.0 * ((A0 - 1.0) - (A0 + 1.0) * cw);
        a2 = (A0 + 1.0) - (A0 - 1.0) * cw - sa;
        b0 = A0 * ((A0 + 1.0) + (A0 - 1.0) * cw + sa);
        b1 = -2.0 * A0 * ((A0 - 1.0) + (A0 + 1.0) * cw);
        b2 = A0 * ((A0 + 1.0) + (A0 - 1.0) * cw - sa);
        break;
    }
    case kLowPass: {
        const double alpha = sw / (2.0 * q * cornerCorrection(f, rate, 8.0, 0.50001));
        a0 = 1.0 + alpha;
        a1 = -2.0 * cw;
        a2 = 1.0 - alpha;
        b0 = (1.0 - cw) / 2.0;
        b1 = 1.0 - cw;
        b2 = (1.0 - cw) / 2.0;
        offset = 1e-13;
        break;
    }
    case kAllPass: {
        const double alpha = sw / (2.0 * q);
        a0 = 1.0 + alpha;
        a1 = -2.0 * cw;
        a2 = 1.0 - alpha;
        b0 = 1.0 - alpha;
        b1 = -2.0 * cw;
        b2 = 1.0 + alpha;
        break;
    }
    case kDecay:
    case kDecayMean: {
        const double p = math::pow(0.005, f / rate);
        a0 = p;
        if (type == kDecayMean)
            a1 = (p + 1.0) / 2.0;
        return;
    }
    default:
        return;
    }
    a1 /= a0;
    a2 /= a0;
    b0 /= a0;
    b1 /= a0;
    b2 /= a0;
}

void BiquadFilter::processPair(BiquadFilter& a, BiquadFilter& b, const double* x, double* ya, double* yb, int n)
{
    if (a.type == kThrough || b.type == kThrough) {
        for (int i = 0; i < n; ++i) {
            ya[i] = a.process(x[i]);
            yb[i] = b.process(x[i]);
        }
        return;
    }
    const __m128d sign = _mm_set1_pd(-0.0);
    const __m128d b0 = _mm_set_pd(b.b0, a.b0), b1 = _mm_set_pd(b.b1, a.b1), b2 = _mm_set_pd(b.b2, a.b2);
    const __m128d a1 = _mm_set_pd(b.a1, a.a1), a2 = _mm_set_pd(b.a2, a.a2);
    __m128d x1 = _mm_set_pd(b.x1, a.x1), x2 = _mm_set_pd(b.x2, a.x2);
    __m128d y1 = _mm_set_pd(b.y1, a.y1), y2 = _mm_set_pd(b.y2, a.y2);
    __m128d offset = _mm_set_pd(b.offset, a.offset);
    for (int i = 0; i < n; ++i) {
        offset = _mm_xor_pd(offset, sign);
        const __m128d xo = _mm_add_pd(_mm_set1_pd(x[i]), offset);
        __m128d y = _mm_mul_pd(b0, xo);
        y = _mm_add_pd(y, _mm_mul_pd(b1, x1));
        y = _mm_add_pd(y, _mm_mul_pd(b2, x2));
        y = _mm_sub_pd(y, _mm_mul_pd(a1, y1));
        y = _mm_sub_pd(y, _mm_mul_pd(a2, y2));
        x2 = x1;
        x1 = xo;
        y2 = y1;
        y1 = _mm_add_pd(y, offset);
        _mm_storel_pd(ya + i, y);
        _mm_storeh_pd(yb + i, y);
    }
    _mm_storel_pd(&a.x1, x1), _mm_storeh_pd(&b.x1, x1);
    _mm_storel_pd(&a.x2, x2), _mm_storeh_pd(&b.x2, x2);
    _mm_storel_pd(&a.y1, y1), _mm_storeh_pd(&b.y1, y1);
    _mm_storel_pd(&a.y2, y2), _mm_storeh_pd(&b.y2, y2);
    _mm_storel_pd(&a.offset, offset), _mm_storeh_pd(&b.offset, offset);
}

}  // namespace velda
