// The look-ahead peak maximum of PeakRing.h with identical results at constant cost and no
// data-dependent branch. While the window q .. w - 1 is non-increasing (as the walk keeps it
// once every older ascent has been read), the read value is the maximum of the last K written
// values, K = window + 1. That maximum comes from segments of K values: a running maximum of
// the current segment and the suffix maxima of the previous one (van Herk / Gil-Werman).
// The dense ring then holds the values as written; it is turned back into the walk's suffix
// maxima whenever the indices jump (timing change, ring size change, a kernel that left the
// ring aside), and read again from there.
#pragma once

#include "emberline2/dsp/PeakRing.h"

namespace velda {

template <int N>
class PeakDetector {
    static_assert((N & (N - 1)) == 0, "power of two");

public:
    PeakDetector() { clear(); }

    void clear()
    {
        for (double& x : ring)
            x = 0.0;
        active = false;
        plainSteps = 0;
    }

    // Same contract as peakMaximum(ring, w, q, mask, v, d).
    [[gnu::always_inline]] double next(int w, int q, int mask, double v, double d)
    {
        if (!(active && w == nextW && q == nextQ && mask == activeMask) || v != v)
            return resyncAndNext(w, q, mask, v, d);
        return step(w, q, v, d);
    }

private:
    static double larger(double a, double b) { return a < b ? b : a; }

    // Values are >= +0, so 0 is a neutral start for every maximum.
    [[gnu::always_inline]] double step(int w, int q, double v, double d)
    {
        ring[w] = v;
        prefix = larger(prefix, v);
        const double top = larger(suffix[offset + 1], prefix);
        if (++offset == segment) {
            // The segment just completed is q .. w; q is still unread.
            double s = 0.0;
            for (int j = segment - 1; j >= 0; --j) {
                s = larger(s, ring[(q + j) & activeMask]);
                suffix[j] = s;
            }
            offset = 0;
            prefix = 0.0;
        }
        ring[q] = 0.0;
        nextW = (w + 1) & activeMask;
        nextQ = (q + 1) & activeMask;
        return top + kDetectorFloor + d;
    }

    [[gnu::noinline]] double resyncAndNext(int w, int q, int mask, double v, double d)
    {
        if (v != v || !rebuild(w, q, mask))
            return plain(w, q, mask, v, d);
        return step(w, q, v, d);
    }

    double plain(int w, int q, int mask, double v, double d)
    {
        writeBack();
        if (plainSteps > 0)
            --plainSteps;
        return peakMaximum(ring, w, q, mask, v, d);
    }

    // The written values of the window become its suffix maxima again.
    void writeBack()
    {
        if (!active)
            return;
        double s = 0.0;
        for (int pos = (nextW - 1) & activeMask;; pos = (pos - 1) & activeMask) {
            s = larger(s, ring[pos]);
            ring[pos] = s;
            if (pos == nextQ)
                break;
        }
        active = false;
    }

    // A window that still rises somewhere (after a jump) stays with the walk until the read
    // index has passed the last rise; one holding NaN stays with it until the NaN is read.
    bool rebuild(int w, int q, int mask)
    {
        writeBack();
        const int length = (w - q) & mask;
        if (length == 0 || mask >= N || plainSteps > 0)
            return false;
        int lastRise = -1;
        for (int k = 0; k < length; ++k) {
            const double x = ring[(q + k) & mask];
            if (x != x)
                lastRise = k;
            else if (k > 0 && ring[(q + k - 1) & mask] < x)
                lastRise = k - 1;
        }
        if (lastRise >= 0) {
            plainSteps = lastRise + 1;
            return false;
        }
        segment = length + 1;
        for (int j = 1; j < segment; ++j)
            suffix[j] = ring[(q + j - 1) & mask];
        suffix[segment] = 0.0;
        offset = 0;
        prefix = 0.0;
        active = true;
        activeMask = mask;
        nextW = w;
        nextQ = q;
        return true;
    }

    double ring[N];
    double suffix[N + 1];
    double prefix = 0.0;
    int segment = 1;
    int offset = 0;
    bool active = false;
    int activeMask = 0;
    int nextW = 0;
    int nextQ = 0;
    int plainSteps = 0;  // walk steps before the window is worth reading again
};

}  // namespace velda
