// The DC blockers and split filters of both channels for a whole work block, the left channel
// in the low lane and the right in the high lane of packed doubles: each lane runs the IEEE
// operations of DcBlocker::process and SplitFilter::process in their order, so the results
// equal the per-sample ones bit for bit.
#pragma once

#include <emmintrin.h>

#include "emberline2/dsp/CrossoverFilters.h"

namespace velda {

// Per sample i, lanes [2i] left and [2i + 1] right.
struct StereoBands {
    alignas(16) double h[2 * 128];
    alignas(16) double hp[2 * 128];  // low split output (high-pass)
    alignas(16) double lp[2 * 128];  // high split output (low-pass)
};

// The DC blockers and splits of both channels held in registers, one sample at a time, for
// loops that interleave them with other work.
struct StereoFrontEndLanes {
    __m128d b0, b1, b2, a1, a2, lb0, lb1, la1, la2, hb0, hb1, ha1, ha2;
    __m128d x1, x2, h1, h2, lw1, lw2, hw1, hw2;

    StereoFrontEndLanes(const DcBlockerCoefs& dcc, const SplitCoefs& lowc, const SplitCoefs& highc,
                        const DcBlocker& dl, const DcBlocker& dr, const SplitFilter& lowL, const SplitFilter& lowR,
                        const SplitFilter& highL, const SplitFilter& highR)
        : b0(_mm_set1_pd(dcc.b0)), b1(_mm_set1_pd(dcc.b1)), b2(_mm_set1_pd(dcc.b2)), a1(_mm_set1_pd(dcc.a1)),
          a2(_mm_set1_pd(dcc.a2)), lb0(_mm_set1_pd(lowc.b0)), lb1(_mm_set1_pd(lowc.b1)), la1(_mm_set1_pd(lowc.a1)),
          la2(_mm_set1_pd(lowc.a2)), hb0(_mm_set1_pd(highc.b0)), hb1(_mm_set1_pd(highc.b1)),
          ha1(_mm_set1_pd(highc.a1)), ha2(_mm_set1_pd(highc.a2)), x1(_mm_set_pd(dr.x1, dl.x1)),
          x2(_mm_set_pd(dr.x2, dl.x2)), h1(_mm_set_pd(dr.h1, dl.h1)), h2(_mm_set_pd(dr.h2, dl.h2)),
          lw1(_mm_set_pd(lowR.w1, lowL.w1)), lw2(_mm_set_pd(lowR.w2, lowL.w2)), hw1(_mm_set_pd(highR.w1, highL.w1)),
          hw2(_mm_set_pd(highR.w2, highL.w2))
    {
    }

    // x: both offset inputs; di: the offset in both lanes.
    void step(__m128d x, __m128d di, __m128d& h, __m128d& hp, __m128d& lp)
    {
        h = _mm_mul_pd(b0, x);
        h = _mm_add_pd(h, _mm_mul_pd(b1, x1));
        h = _mm_add_pd(h, _mm_mul_pd(b2, x2));
        h = _mm_sub_pd(h, _mm_mul_pd(a1, h1));
        h = _mm_sub_pd(h, _mm_mul_pd(a2, h2));
        h = _mm_add_pd(h, di);
        x2 = x1;
        x1 = x;
        h2 = h1;
        h1 = h;

        __m128d lw = _mm_sub_pd(h, _mm_mul_pd(la1, lw1));
        lw = _mm_add_pd(_mm_sub_pd(lw, _mm_mul_pd(la2, lw2)), di);
        hp = _mm_add_pd(_mm_mul_pd(_mm_add_pd(lw, lw2), lb0), _mm_mul_pd(lw1, lb1));
        lw2 = lw1;
        lw1 = lw;

        __m128d hw = _mm_sub_pd(h, _mm_mul_pd(ha1, hw1));
        hw = _mm_add_pd(_mm_sub_pd(hw, _mm_mul_pd(ha2, hw2)), di);
        lp = _mm_add_pd(_mm_mul_pd(_mm_add_pd(hw, hw2), hb0), _mm_mul_pd(hw1, hb1));
        hw2 = hw1;
        hw1 = hw;
    }

    void store(DcBlocker& dl, DcBlocker& dr, SplitFilter& lowL, SplitFilter& lowR, SplitFilter& highL,
               SplitFilter& highR) const
    {
        _mm_storel_pd(&dl.x1, x1), _mm_storeh_pd(&dr.x1, x1);
        _mm_storel_pd(&dl.x2, x2), _mm_storeh_pd(&dr.x2, x2);
        _mm_storel_pd(&dl.h1, h1), _mm_storeh_pd(&dr.h1, h1);
        _mm_storel_pd(&dl.h2, h2), _mm_storeh_pd(&dr.h2, h2);
        _mm_storel_pd(&lowL.w1, lw1), _mm_storeh_pd(&lowR.w1, lw1);
        _mm_storel_pd(&lowL.w2, lw2), _mm_storeh_pd(&lowR.w2, lw2);
        _mm_storel_pd(&highL.w1, hw1), _mm_storeh_pd(&highR.w1, hw1);
        _mm_storel_pd(&highL.w2, hw2), _mm_storeh_pd(&highR.w2, hw2);
    }
};

// xl, xr already carry the offsets d[i]; n at most 128.
inline void stereoFrontEnd(const DcBlockerCoefs& dcc, const SplitCoefs& lowc, const SplitCoefs& highc, DcBlocker& dl,
                           DcBlocker& dr, SplitFilter& lowL, SplitFilter& lowR, SplitFilter& highL, SplitFilter& highR,
                           const double* xl, const double* xr, const double* d, int n, StereoBands& out)
{
    StereoFrontEndLanes f(dcc, lowc, highc, dl, dr, lowL, lowR, highL, highR);
    for (int i = 0; i < n; ++i) {
        __m128d h, hp, lp;
        f.step(_mm_set_pd(xr[i], xl[i]), _mm_set1_pd(d[i]), h, hp, lp);
        _mm_store_pd(out.h + 2 * i, h);
        _mm_store_pd(out.hp + 2 * i, hp);
        _mm_store_pd(out.lp + 2 * i, lp);
    }
    f.store(dl, dr, lowL, lowR, highL, highR);
}

}  // namespace velda
