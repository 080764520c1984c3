#include "emberline2/dsp/WideVectors.h"

#include <cpuid.h>

namespace velda {

bool wideVectorsAvailable()
{
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid(1, &a, &b, &c, &d))
        return false;
    const bool osSavesState = (c & (1u << 27)) != 0;
    const bool avx = (c & (1u << 28)) != 0;
    if (!(osSavesState && avx))
        return false;
    unsigned lo = 0, hi = 0;
    __asm__ volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(0));
    return (lo & 6u) == 6u;  // the system saves both SSE and AVX registers
}

bool& wideVectorsEnabled()
{
    static bool enabled = wideVectorsAvailable();
    return enabled;
}

}  // namespace velda
