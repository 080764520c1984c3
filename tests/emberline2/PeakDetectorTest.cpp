// The run-based peak detector against the plain walk on a dense ring, bit for bit, through
// the things the engine does to its indices: steady advance, window changes in both
// directions, ring size changes, stretches where another kernel leaves the ring aside,
// clears, and non-finite values.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "emberline2/dsp/PeakDetector.h"

namespace {

constexpr int kSize = 64;

struct Pair {
    velda::PeakDetector<kSize> fast;
    std::vector<double> dense = std::vector<double>(kSize, 0.0);
};

// Signal shapes that stress the runs: ramps up and down, plateaus of equal values, noise.
double nextValue(std::mt19937& rng, int shape, int i)
{
    std::uniform_real_distribution<double> u(0.0, 1.0);
    switch (shape) {
    case 0: return u(rng);
    case 1: return 0.01 * (i % 40);
    case 2: return 1.0 - 0.01 * (i % 40);
    case 3: return (i / 7) % 3 == 0 ? 0.5 : 0.25;
    default: return std::fabs(std::sin(0.05 * i)) * (1.0 + 0.1 * u(rng));
    }
}

void expectSame(double a, double b, int step)
{
    ASSERT_EQ(std::bit_cast<uint64_t>(a), std::bit_cast<uint64_t>(b)) << "step " << step << ": " << a << " vs " << b;
}

TEST(PeakDetector, MatchesThePlainWalkThroughIndexJumps)
{
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        Pair p;
        int mask = 63, w = 40, window = 20;
        int shape = 0;
        for (int step = 0; step < 4000; ++step) {
            const int event = (int)(rng() % 200);
            if (event == 0) {
                window = 1 + (int)(rng() % (mask - 1));  // timing change: q re-derived from w
            } else if (event == 1) {
                mask = mask == 63 ? 31 : 63;  // another ring size
                w &= mask;
                window = 1 + (int)(rng() % (mask - 1));
            } else if (event == 2) {
                w = (w + 1 + (int)(rng() % 90)) & mask;  // a kernel that does not use this ring
            } else if (event == 3) {
                p.fast.clear();
                std::fill(p.dense.begin(), p.dense.end(), 0.0);
            } else if (event < 12) {
                shape = (int)(rng() % 5);
            }
            double v = nextValue(rng, shape, step);
            if (rng() % 1500 == 0)
                v = std::numeric_limits<double>::quiet_NaN();
            const int q = (w - window - 1) & mask;
            const double d = step % 2 ? 1e-16 : -1e-16;
            const double expected = velda::peakMaximum(p.dense.data(), w, q, mask, v, d);
            const double got = p.fast.next(w, q, mask, v, d);
            expectSame(got, expected, step);
            if (::testing::Test::HasFatalFailure())
                return;
            w = (w + 1) & mask;
        }
    }
}

TEST(PeakDetector, RisingSignalKeepsOneRun)
{
    // A ramp over a 40-sample window: every read is the newest value.
    velda::PeakDetector<kSize> det;
    int w = 63;
    for (int i = 0; i < 500; ++i) {
        const double v = 0.001 * i;
        const double got = det.next(w & 63, (w - 41) & 63, 63, v, 0.0) - velda::kDetectorFloor;
        EXPECT_DOUBLE_EQ(got, v);
        ++w;
    }
}

}  // namespace
