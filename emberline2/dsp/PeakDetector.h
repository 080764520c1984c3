// The look-ahead peak maximum of PeakRing.h with identical results at constant amortised cost.
// Inside the window the ring is kept as runs of equal entries (last position, value), so a
// rising signal replaces one run where the plain walk rewrites the whole window. The dense
// ring stays exact outside the window; the runs are written back into it whenever the indices
// jump (timing change, ring size change, a kernel that left the ring aside), and rebuilt from it.
#pragma once

#include <bit>
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
        count = 0;
        active = false;
    }

    // Same contract as peakMaximum(ring, w, q, mask, v, d).
    [[gnu::always_inline]] double next(int w, int q, int mask, double v, double d)
    {
        if (!(active && w == nextW && q == nextQ && mask == activeMask) || v != v)
            return resyncAndNext(w, q, mask, v, d);
        return step(w, q, mask, v, d);
    }

private:
    static constexpr int kRunMask = N - 1;

    // The runs cover q .. w - 1; every run below v is overwritten by the walk.
    [[gnu::always_inline]] double step(int w, int q, int mask, double v, double d)
    {
        // Locals: the stores into last[] could otherwise alias the counters.
        const int h = head;
        int c = count;
        while (c > 0 && value[(h + c - 1) & kRunMask] < v)
            --c;
        const int back = (h + c) & kRunMask;
        last[back] = w;
        value[back] = v;
        ++c;
        double top = value[h];
        if (top < v)
            top = v;
        if (last[h] == q) {
            head = (h + 1) & kRunMask;
            --c;
        }
        count = c;
        ring[q] = 0.0;
        nextW = (w + 1) & mask;
        nextQ = (q + 1) & mask;
        return top + kDetectorFloor + d;
    }

    [[gnu::noinline]] double resyncAndNext(int w, int q, int mask, double v, double d)
    {
        if (v != v || !rebuild(w, q, mask))
            return plain(w, q, mask, v, d);
        return step(w, q, mask, v, d);
    }

    double plain(int w, int q, int mask, double v, double d)
    {
        writeBack();
        return peakMaximum(ring, w, q, mask, v, d);
    }

    void writeBack()
    {
        if (!active)
            return;
        int pos = nextQ;
        for (int k = 0; k < count; ++k) {
            const int i = (head + k) & kRunMask;
            for (;;) {
                ring[pos] = value[i];
                if (pos == last[i])
                    break;
                pos = (pos + 1) & activeMask;
            }
            pos = (pos + 1) & activeMask;
        }
        active = false;
    }

    // Runs of bit-equal entries over q .. w - 1; a window holding NaN stays with the plain walk.
    bool rebuild(int w, int q, int mask)
    {
        writeBack();
        const int length = (w - q) & mask;
        if (length == 0 || mask >= N)
            return false;
        head = 0;
        count = 0;
        for (int k = 0; k < length; ++k) {
            const int pos = (q + k) & mask;
            const double x = ring[pos];
            if (x != x)
                return false;
            if (count > 0 && std::bit_cast<uint64_t>(value[count - 1]) == std::bit_cast<uint64_t>(x)) {
                last[count - 1] = pos;
            } else {
                last[count] = pos;
                value[count] = x;
                ++count;
            }
        }
        active = true;
        activeMask = mask;
        nextW = w;
        nextQ = q;
        return true;
    }

    double ring[N];
    int last[N];
    double value[N];
    int head = 0;
    int count = 0;
    bool active = false;
    int activeMask = 0;
    int nextW = 0;
    int nextQ = 0;
};

}  // namespace velda
