// Output hashes of the engine through a run of changes at work-block boundaries: kernel
// switches, Speed, FAT, Auto, Brick-wall, gains, meters and block sizes. The hashes were taken
// from the plain per-sample implementation; every faster form must give the same bits.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

#include "tests/emberline2/EngineFixture.h"

namespace {

using velda::test::EngineRig;
using velda::test::kKernels;

uint64_t mix(uint64_t h, double x)
{
    return (h ^ std::bit_cast<uint64_t>(x)) * 1099511628211ull;
}

uint64_t churn(uint32_t seed, double rate, bool emberline1)
{
    std::mt19937 rng(seed);
    EngineRig rig(rate, emberline1 ? velda::kEmberlineLayout : velda::kEmberline2Layout);
    const std::vector<double> l = velda::test::testSignal(60000, seed, 1.8);
    const std::vector<double> r = velda::test::testSignal(60000, seed + 7, 1.2);
    std::vector<double> ol(l.size()), orr(l.size());
    uint64_t h = 14695981039346656037ull;
    int at = 0;
    while (at < (int)l.size()) {
        switch (rng() % 12) {
        case 0: rig.select(kKernels[rng() % 7]); break;
        case 1:
            rig.values.speedValue = (float)(rng() % 11) / 10.0f;
            rig.values.request(velda::kRequestTimingUpdate);
            break;
        case 2: rig.setFat(rng() % 2); break;
        case 3: rig.values.autoOn = (int)(rng() % 2); break;
        case 4: rig.values.brickwallOn = (int)(rng() % 2); break;
        case 5: rig.values.driveGain = 1.0 + (rng() % 8); break;
        case 6: rig.values.lowGain = 0.5 + 0.25 * (rng() % 5); break;
        case 7: rig.engine.metersActive = rng() % 2 != 0; break;
        case 8: rig.values.kneeMode = (int)(rng() % 2); rig.values.kneeShape = 0.1 * (rng() % 10); break;
        default: break;
        }
        const int m = std::min((int)(1 + rng() % 700), (int)l.size() - at);
        rig.engine.process(l.data() + at, r.data() + at, ol.data() + at, orr.data() + at, m);
        for (int i = at; i < at + m; ++i)
            h = mix(mix(h, ol[i]), orr[i]);
        at += m;
    }
    return h;
}

struct ChurnCase {
    uint32_t seed;
    double rate;
    bool emberline1;
    uint64_t hash;
};

const ChurnCase kCases[] = {
    {1, 44100.0, false, 0xbbaf2f11045a9da8ull},
    {2, 48000.0, false, 0x231333ef4430727cull},
    {3, 96000.0, false, 0xd18fb4e2c61feeb1ull},
    {4, 44100.0, true, 0x5df432a919964dffull},
    {5, 192000.0, false, 0x3a987a80905abe9bull},
    {6, 88200.0, true, 0x5003c81e5b667f7full},
};

TEST(EngineChurn, SameBitsThroughChangesAtBlockBoundaries)
{
    for (const ChurnCase& c : kCases) {
        const uint64_t h = churn(c.seed, c.rate, c.emberline1);
        EXPECT_EQ(h, c.hash) << "seed " << c.seed << " rate " << c.rate << std::hex << " got 0x" << h;
    }
}

}  // namespace
