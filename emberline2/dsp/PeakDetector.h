// The look-ahead peak maximum of PeakRing.h with identical results at constant cost and no
// data-dependent branch. While the window q .. w - 1 is non-increasing (as the walk keeps it
// once every older ascent has been read), the read value is the maximum of the last K written
// values, K = window + 1. That maximum comes from segments of K values: a running maximum of
// the current segment and the suffix maxima of the previous one (van Herk / Gil-Werman).
// Meanwhile the values go to a small buffer of the last K, and the dense ring is left alone;
// it is brought to the walk's state (zeros where the read index passed, suffix maxima in the
// window) whenever the indices jump (timing change, ring size change, a kernel that left the
// ring aside), and read again from there.
#pragma once

#include <cstdint>

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
        return step(v, d);
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
            uint32_t at = pos;
            const int start = i;
            for (; i < n; ++i) {
                const double x = v[i];
                if (x != x)
                    break;
                recent[at++ & recentMask] = x;
                pre = larger(pre, x);
                const double top = larger(suffix[off + 1], pre);
                if (++off == segment) {
                    fillSuffix(at);
                    off = 0;
                    pre = 0.0;
                }
                p[i] = top + kDetectorFloor + d[i];
            }
            const int done = i - start;
            prefix = pre;
            offset = off;
            pos = at;
            steps = steps + (uint32_t)done < (uint32_t)N ? steps + (uint32_t)done : (uint32_t)N;
            w = (w + done) & mask;
            q = (q + done) & mask;
            nextW = w;
            nextQ = q;
        }
    }

private:
    static double larger(double a, double b) { return a < b ? b : a; }

    [[gnu::always_inline]] double step(double v, double d)
    {
        recent[pos++ & recentMask] = v;
        prefix = larger(prefix, v);
        const double top = larger(suffix[offset + 1], prefix);
        if (++offset == segment) {
            fillSuffix(pos);
            offset = 0;
            prefix = 0.0;
        }
        if (steps < (uint32_t)N)
            ++steps;
        nextW = (nextW + 1) & activeMask;
        nextQ = (nextQ + 1) & activeMask;
        return top + kDetectorFloor + d;
    }

    // Suffix maxima of the segment just completed: the last `segment` values before `end`.
    void fillSuffix(uint32_t end)
    {
        double s = 0.0;
        for (int j = segment - 1; j >= 0; --j) {
            s = larger(s, recent[(end - (uint32_t)segment + (uint32_t)j) & recentMask]);
            suffix[j] = s;
        }
    }

    [[gnu::noinline]] double resyncAndNext(int w, int q, int mask, double v, double d)
    {
        if (v != v || !rebuild(w, q, mask))
            return plain(w, q, mask, v, d);
        return step(v, d);
    }

    double plain(int w, int q, int mask, double v, double d)
    {
        writeBack();
        if (plainSteps > 0)
            --plainSteps;
        return peakMaximum(ring, w, q, mask, v, d);
    }

    // The dense ring as the walk would have left it: zero where the read index has been
    // since the rebuild, the window's suffix maxima from the last window values.
    void writeBack()
    {
        if (!active)
            return;
        const uint32_t size = (uint32_t)activeMask + 1;
        const uint32_t passed = steps < size ? steps : size;
        for (uint32_t j = 0; j < passed; ++j)
            ring[(startQ + (int)j) & activeMask] = 0.0;
        const int window = segment - 1;
        double s = 0.0;
        for (int j = window - 1; j >= 0; --j) {
            s = larger(s, recent[(pos - (uint32_t)window + (uint32_t)j) & recentMask]);
            ring[(nextQ + j) & activeMask] = s;
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
        uint32_t capacity = 1;
        while (capacity < (uint32_t)segment)
            capacity *= 2;
        recentMask = capacity - 1;
        pos = 0;
        for (int j = 0; j < length; ++j)
            recent[pos++ & recentMask] = ring[(q + j) & mask];
        for (int j = 1; j < segment; ++j)
            suffix[j] = ring[(q + j - 1) & mask];
        suffix[segment] = 0.0;
        offset = 0;
        prefix = 0.0;
        steps = 0;
        startQ = q;
        active = true;
        activeMask = mask;
        nextW = w;
        nextQ = q;
        return true;
    }

    double ring[N];
    double recent[N];  // the last values written, in a ring of recentMask + 1 entries
    double suffix[N + 1];
    double prefix = 0.0;
    uint32_t pos = 0;
    uint32_t recentMask = 0;
    uint32_t steps = 0;  // fast steps since the rebuild, counted up to N
    int startQ = 0;      // the read index at the rebuild
    int segment = 1;
    int offset = 0;
    bool active = false;
    int activeMask = 0;
    int nextW = 0;
    int nextQ = 0;
    int plainSteps = 0;  // walk steps before the window is worth reading again
};

}  // namespace velda
