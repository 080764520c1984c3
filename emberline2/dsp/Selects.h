// The per-sample selects of the kernels without branches: attack against release and the
// clip bounds change from sample to sample, so predicted branches would miss often. Each
// gives the value of the plain expression, NaN included.
#pragma once

#include <emmintrin.h>

namespace velda {

// y > 1 ? 1 : (y < -1 ? -1 : y)
inline double clipUnit(double y)
{
    return _mm_cvtsd_f64(_mm_min_sd(_mm_set_sd(1.0), _mm_max_sd(_mm_set_sd(-1.0), _mm_set_sd(y))));
}

// x < floor ? floor : x
inline double atLeast(double x, double floor)
{
    return _mm_cvtsd_f64(_mm_max_sd(_mm_set_sd(floor), _mm_set_sd(x)));
}

// condition ? a : b, with the condition as an all-ones or all-zero mask
inline double selectSd(__m128d mask, double a, double b)
{
    return _mm_cvtsd_f64(_mm_or_pd(_mm_and_pd(mask, _mm_set_sd(a)), _mm_andnot_pd(mask, _mm_set_sd(b))));
}

// x > y ? a : b
inline double ifGreater(double x, double y, double a, double b)
{
    return selectSd(_mm_cmpgt_sd(_mm_set_sd(x), _mm_set_sd(y)), a, b);
}

}  // namespace velda
