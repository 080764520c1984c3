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
    Pair pair(a, b);
    for (int i = 0; i < n; ++i) {
        const __m128d y = pair.step(_mm_set1_pd(x[i]));
        _mm_storel_pd(ya + i, y);
        _mm_storeh_pd(yb + i, y);
    }
    pair.store(a, b);
}

}  // namespace velda
