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

    // n calls of next with w and q advancing by one each (modulo mask + 1): p[i] is the
    // output for v[i] and offset d[i]. The state stays in registers along the block.
    void run(int w, int q, int mask, const double* v, const double* d, double* p, int n)
    {
        int i = 0;
        while (i < n) {
            if (!(active && w == nextW && q == nextQ && mask == activeMask) || v[i] != v[i]) {
                p[i] = resyncAndNext(w, q, mask, v[i], d[i]);
                w = (w + 1) & mask;
                q = (q + 1) & mask;
                ++i;
                continue;
            }
            double pre = prefix;
            int off = offset;
            const int seg = segment;
            for (; i < n; ++i) {
                const double x = v[i];
                if (x != x)
                    break;
                ring[w] = x;
                pre = larger(pre, x);
                const double top = larger(suffix[off + 1], pre);
                if (++off == seg) {
                    fillSuffix(q, mask);
                    off = 0;
                    pre = 0.0;
                }
                ring[q] = 0.0;
                p[i] = top + kDetectorFloor + d[i];
                w = (w + 1) & mask;
                q = (q + 1) & mask;
            }
            prefix = pre;
            offset = off;
            nextW = w;
            nextQ = q;
        }
    }

private:
    static double larger(double a, double b) { return a < b ? b : a; }

    // Suffix maxima of the segment that has just been completed, q .. q + segment - 1.
    void fillSuffix(int q, int mask)
    {
        double s = 0.0;
        for (int j = segment - 1; j >= 0; --j) {
            s = larger(s, ring[(q + j) & mask]);
            suffix[j] = s;
        }
    }

    // Values are >= +0, so 0 is a neutral start for every maximum.
    [[gnu::always_inline]] double step(int w, int q, double v, double d)
    {
        ring[w] = v;
        prefix = larger(prefix, v);
        const double top = larger(suffix[offset + 1], prefix);
        if (++offset == segment) {
            fillSuffix(q, activeMask);  // q is still unread
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
