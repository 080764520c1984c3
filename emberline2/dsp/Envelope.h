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

    // n steps of update, out[i] the level after step i. The smoothers and the level run in
    // one loop, so that their recursions overlap.
    template <bool Floored>
    void updateBlock(const double* p, double* out, int n, double ca, double cr, bool autoOn, const ReleaseShape& s)
    {
        if (fast.getType() == BiquadFilter::kThrough || slow.getType() == BiquadFilter::kThrough) {
            for (int i = 0; i < n; ++i)
                out[i] = update<Floored>(p[i], ca, cr, autoOn, s);
        } else if (autoOn) {
            run<Floored, true>(p, out, n, ca, cr, s);
        } else {
            run<Floored, false>(p, out, n, ca, cr, s);
        }
    }

private:
    template <bool Floored, bool Auto>
    void run(const double* p, double* out, int n, double ca, double cr, const ReleaseShape& s)
    {
        BiquadFilter::Pair smoothers(fast, slow);
        double level = e;
        for (int i = 0; i < n; ++i) {
            const double x = p[i];
            const __m128d y = smoothers.step(_mm_set1_pd(x));
            if (x > level) {
                level = level + (x - level) * ca;
            } else if (Auto) {
                const double f = _mm_cvtsd_f64(y), sl = _mm_cvtsd_f64(_mm_unpackhi_pd(y, y));
                const double r = f * s.c / (sl + 0.000001);
                level = level + (x - level) * cr * (s.k * r / (r + 1.0) + s.o) * s.m;
            } else {
                level = level + (x - level) * cr;
            }
            if (Floored && level < kEnvelopeFloor)
                level = kEnvelopeFloor;
            out[i] = level;
        }
        smoothers.store(fast, slow);
        e = level;
    }
};

}  // namespace velda
