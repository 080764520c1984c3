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
        if (!pairable()) {
            for (int i = 0; i < n; ++i)
                out[i] = update<Floored>(p[i], ca, cr, autoOn, s);
        } else if (autoOn) {
            run<Floored, true>(p, out, n, ca, cr, s);
        } else {
            run<Floored, false>(p, out, n, ca, cr, s);
        }
    }

    // Two envelopes as the lanes of packed doubles: the steps of updateBlock on each, with
    // per-lane release coefficients and shapes and a shared attack coefficient.
    template <bool Floored>
    static void updatePair(Envelope& a, Envelope& b, const double* pa, const double* pb, double* outA, double* outB,
                           int n, double ca, double crA, double crB, bool autoOn, const ReleaseShape& sa,
                           const ReleaseShape& sb)
    {
        if (!a.pairable() || !b.pairable()) {
            a.updateBlock<Floored>(pa, outA, n, ca, crA, autoOn, sa);
            b.updateBlock<Floored>(pb, outB, n, ca, crB, autoOn, sb);
        } else if (autoOn) {
            runPair<Floored, true>(a, b, pa, pb, outA, outB, n, ca, crA, crB, sa, sb);
        } else {
            runPair<Floored, false>(a, b, pa, pb, outA, outB, n, ca, crA, crB, sa, sb);
        }
    }

    // Whether both smoothers filter (neither is of type kThrough), as the packed forms need.
    bool pairable() const
    {
        return fast.getType() != BiquadFilter::kThrough && slow.getType() != BiquadFilter::kThrough;
    }

    // One pairable envelope held in registers, for loops that interleave it with other work:
    // step is one call of update.
    template <bool Floored, bool Auto>
    struct Stepper {
        BiquadFilter::Pair smoothers;
        double level;
        double ca, cr;
        ReleaseShape shape;

        Stepper(const Envelope& env, double attack, double release, const ReleaseShape& s)
            : smoothers(env.fast, env.slow), level(env.e), ca(attack), cr(release), shape(s)
        {
        }
        double step(double x)
        {
            const __m128d y = smoothers.step(_mm_set1_pd(x));
            if (x > level) {
                level = level + (x - level) * ca;
            } else if (Auto) {
                const double f = _mm_cvtsd_f64(y), sl = _mm_cvtsd_f64(_mm_unpackhi_pd(y, y));
                const double r = f * shape.c / (sl + 0.000001);
                level = level + (x - level) * cr * (shape.k * r / (r + 1.0) + shape.o) * shape.m;
            } else {
                level = level + (x - level) * cr;
            }
            if (Floored && level < kEnvelopeFloor)
                level = kEnvelopeFloor;
            return level;
        }
        void store(Envelope& env) const
        {
            smoothers.store(env.fast, env.slow);
            env.e = level;
        }
    };

private:
    template <bool Floored, bool Auto>
    static void runPair(Envelope& a, Envelope& b, const double* pa, const double* pb, double* outA, double* outB,
                        int n, double ca, double crA, double crB, const ReleaseShape& sa, const ReleaseShape& sb)
    {
        BiquadFilter::Pair fast(a.fast, b.fast), slow(a.slow, b.slow);
        const __m128d attack = _mm_set1_pd(ca), release = _mm_set_pd(crB, crA);
        const __m128d c = _mm_set_pd(sb.c, sa.c), k = _mm_set_pd(sb.k, sa.k), o = _mm_set_pd(sb.o, sa.o);
        const __m128d m = _mm_set_pd(sb.m, sa.m);
        const __m128d tiny = _mm_set1_pd(0.000001), one = _mm_set1_pd(1.0), floor = _mm_set1_pd(kEnvelopeFloor);
        __m128d level = _mm_set_pd(b.e, a.e);
        for (int i = 0; i < n; ++i) {
            const __m128d x = _mm_set_pd(pb[i], pa[i]);
            const __m128d f = fast.step(x);
            const __m128d sl = slow.step(x);
            const __m128d diff = _mm_sub_pd(x, level);
            const __m128d up = _mm_add_pd(level, _mm_mul_pd(diff, attack));
            __m128d fall = _mm_mul_pd(diff, release);
            if (Auto) {
                const __m128d r = _mm_div_pd(_mm_mul_pd(f, c), _mm_add_pd(sl, tiny));
                const __m128d factor = _mm_add_pd(_mm_div_pd(_mm_mul_pd(k, r), _mm_add_pd(r, one)), o);
                fall = _mm_mul_pd(_mm_mul_pd(fall, factor), m);
            }
            const __m128d down = _mm_add_pd(level, fall);
            const __m128d rising = _mm_cmpgt_pd(x, level);
            level = _mm_or_pd(_mm_and_pd(rising, up), _mm_andnot_pd(rising, down));
            if (Floored)  // level < floor ? floor : level
                level = _mm_max_pd(floor, level);
            _mm_storel_pd(outA + i, level);
            _mm_storeh_pd(outB + i, level);
        }
        fast.store(a.fast, b.fast);
        slow.store(a.slow, b.slow);
        _mm_storel_pd(&a.e, level);
        _mm_storeh_pd(&b.e, level);
    }

    template <bool Floored, bool Auto>
    void run(const double* p, double* out, int n, double ca, double cr, const ReleaseShape& s)
    {
        Stepper<Floored, Auto> st(*this, ca, cr, s);
        for (int i = 0; i < n; ++i)
            out[i] = st.step(p[i]);
        st.store(*this);
    }
};

}  // namespace velda
