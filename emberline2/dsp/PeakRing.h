// Look-ahead peak maximum: ring[q] holds the largest value written since position q was
// last read, so reading at q gives the maximum over the coming look-ahead window.
#pragma once

namespace velda {

inline constexpr double kDetectorFloor = 0.0009766;

// v >= 0; w is the write index, q the read index, mask = ring size - 1.
inline double peakMaximum(double* ring, int w, int q, int mask, double v, double d)
{
    ring[w] = v;
    int i = w;
    for (;;) {
        i = (i - 1) & mask;
        if (ring[i] >= v || i == q)
            break;
        ring[i] = v;
    }
    if (ring[q] < v)
        ring[q] = v;
    const double p = ring[q] + kDetectorFloor + d;
    ring[q] = 0.0;
    return p;
}

}  // namespace velda
