// Attack/release envelope with the programme-dependent release: a fast and a slow smoother
// of the detector compare recent transients with the sustained level.
#pragma once

#include <emmintrin.h>

#include "emberline2/dsp/BiquadFilter.h"

namespace velda {

struct ReleaseShape {
    double c, k, o, m;
};

inline constexpr ReleaseShape kBandRelease{0.15, 2.0, 0.1, 1.5};
inline constexpr ReleaseShape kLinkedHighRelease{0.15, 2.0, 0.15, 1.5};
inline constexpr ReleaseShape kLimiterRelease{0.2, 4.0, 0.1, 1.3};
inline constexpr ReleaseShape kSingleRelease{0.18, 3.0, 0.1, 1.4};
inline constexpr ReleaseShape kSingleLeftUnlinkedRelease{0.18, 4.0, 0.1, 1.4};

inline constexpr double kEnvelopeStart = 0.0001;
inline constexpr double kEnvelopeFloor = 0.000001;

struct Envelope {
    double e = kEnvelopeStart;
    BiquadFilter fast;
    BiquadFilter slow;

    Envelope(double fastHz, double slowHz)
        : fast(44100.0, BiquadFilter::kLowPass, fastHz, 0.5, 0.0), slow(44100.0, BiquadFilter::kLowPass, slowHz, 0.5, 0.0)
    {
    }

    void setRate(double rate)
    {
        fast.setRate(rate);
        slow.setRate(rate);
    }
    void reset()
    {
        e = kEnvelopeStart;
        fast.recompute();
        fast.reset();
        slow.recompute();
        slow.reset();
    }

    template <bool Floored>
    double update(double p, double ca, double cr, bool autoOn, const ReleaseShape& s)
    {
        const double f = fast.process(p);
        const double sl = slow.process(p);
        if (p > e) {
            e = e + (p - e) * ca;
        } else if (autoOn) {
            const double r = f * s.c / (sl + 0.000001);
            e = e + (p - e) * cr * (s.k * r / (r + 1.0) + s.o) * s.m;
        } else {
            e = e + (p - e) * cr;
        }
        if (Floored && e < kEnvelopeFloor)
            e = kEnvelopeFloor;
        return e;
    }

    // n (at most 128) steps of update, out[i] the level after step i. The smoothers and the
    // release factors run over the block first; only the level itself stays step by step.
    template <bool Floored>
    void updateBlock(const double* p, double* out, int n, double ca, double cr, bool autoOn, const ReleaseShape& s)
    {
        alignas(16) double f[128], sl[128];
        BiquadFilter::processPair(fast, slow, p, f, sl, n);
        if (autoOn) {
            releaseFactors(f, sl, n, s);
            run<Floored, true>(p, f, out, n, ca, cr, s.m);
        } else {
            run<Floored, false>(p, f, out, n, ca, cr, s.m);
        }
    }

private:
    // f[i] * c / (sl[i] + 0.000001) = r, then f[i] = k * r / (r + 1) + o, two samples per
    // packed pair.
    static void releaseFactors(double* f, const double* sl, int n, const ReleaseShape& s)
    {
        const __m128d c = _mm_set1_pd(s.c), k = _mm_set1_pd(s.k), o = _mm_set1_pd(s.o);
        const __m128d tiny = _mm_set1_pd(0.000001), one = _mm_set1_pd(1.0);
        int i = 0;
        for (; i + 2 <= n; i += 2) {
            const __m128d r = _mm_div_pd(_mm_mul_pd(_mm_loadu_pd(f + i), c), _mm_add_pd(_mm_loadu_pd(sl + i), tiny));
            _mm_storeu_pd(f + i, _mm_add_pd(_mm_div_pd(_mm_mul_pd(k, r), _mm_add_pd(r, one)), o));
        }
        for (; i < n; ++i) {
            const double r = f[i] * s.c / (sl[i] + 0.000001);
            f[i] = s.k * r / (r + 1.0) + s.o;
        }
    }

    template <bool Floored, bool Auto>
    void run(const double* p, const double* factor, double* out, int n, double ca, double cr, double m)
    {
        double level = e;
        for (int i = 0; i < n; ++i) {
            const double x = p[i];
            if (x > level)
                level = level + (x - level) * ca;
            else if (Auto)
                level = level + (x - level) * cr * factor[i] * m;
            else
                level = level + (x - level) * cr;
            if (Floored && level < kEnvelopeFloor)
                level = kEnvelopeFloor;
            out[i] = level;
        }
        e = level;
    }
};

}  // namespace velda
