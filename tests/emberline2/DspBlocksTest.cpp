#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "emberline2/dsp/CrossoverFilters.h"
#include "emberline2/dsp/Envelope.h"
#include "emberline2/dsp/PeakRing.h"
#include "emberline2/dsp/TimingValues.h"
#include "emberline2/dsp/TransferCurve.h"
#include "tests/emberline2/EngineFixture.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
}

using namespace velda;

TEST(BandSplit, PiecesAddUpToTheDcBlockedInput)
{
    for (double rate : {44100.0, 96000.0}) {
        const DcBlockerCoefs dc = DcBlockerCoefs::design(rate);
        const SplitCoefs hpC = SplitCoefs::highPass(100.0, rate);
        const SplitCoefs lpC = SplitCoefs::lowPass(2000.0, rate);
        DcBlocker blocker;
        SplitFilter hp, lp;
        const std::vector<double> x = test::testSignal(20000, 7, 1.0);
        double d = 1e-16;
        for (double v : x) {
            d = -d;
            const double h = blocker.process(dc, v + d, d);
            const BandPieces b = threeBands(h, hp.process(hpC, h, d), lp.process(lpC, h, d), 1.0, 1.0);
            ASSERT_NEAR(b.low + b.mid + b.high, h, 1e-14);
        }
    }
}

TEST(BandSplit, DcBlockerRemovesDc)
{
    const DcBlockerCoefs dc = DcBlockerCoefs::design(44100.0);
    DcBlocker blocker;
    double h = 1.0;
    for (int i = 0; i < 44100; ++i)
        h = blocker.process(dc, 0.5, 0.0);
    EXPECT_LT(std::fabs(h), 1e-4);
}

TEST(BandSplit, SplitsHaveHalfGainAtTheirCorners)
{
    // Q 0.5: each split is -6 dB at its corner.
    const double rate = 48000.0;
    for (double fc : {100.0, 2000.0}) {
        for (int kind = 0; kind < 2; ++kind) {
            const SplitCoefs c = kind ? SplitCoefs::lowPass(fc, rate) : SplitCoefs::highPass(fc, rate);
            SplitFilter f;
            double peak = 0.0;
            for (int i = 0; i < 48000; ++i) {
                const double y = f.process(c, std::sin(2 * kPi * fc * i / rate), 0.0);
                if (i > 24000)
                    peak = std::max(peak, std::fabs(y));
            }
            EXPECT_NEAR(peak, 0.5, 0.01) << fc << " " << kind;
        }
    }
}

// Written at W and read attackLength + 1 samples later: seen from its write to that read.
TEST(PeakRing, SampleIsSeenUntilItIsReadAttackLengthPlusOneLater)
{
    const int size = 256, mask = size - 1, attack = 52;
    std::vector<double> ring(size, 0.0);
    int w = 100, q = (w - attack - 1) & mask;
    std::vector<double> seen;
    for (int i = 0; i < 200; ++i) {
        const double v = i == 10 ? 1.0 : 0.0;
        seen.push_back(peakMaximum(ring.data(), w, q, mask, v, 0.0) - kDetectorFloor);
        w = (w + 1) & mask;
        q = (q + 1) & mask;
    }
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(seen[i], (i >= 10 && i <= 10 + attack + 1) ? 1.0 : 0.0) << i;
}

TEST(PeakRing, ReadsTheMaximumOfTheLookAheadWindow)
{
    const int size = 64, mask = size - 1, attack = 20;
    std::vector<double> ring(size, 0.0);
    const std::vector<double> x = test::testSignal(3000, 3, 1.0);
    int w = 0, q = (w - attack - 1) & mask;
    for (int i = 0; i < 3000; ++i) {
        const double p = peakMaximum(ring.data(), w, q, mask, std::fabs(x[i]), 0.0) - kDetectorFloor;
        double want = 0.0;
        for (int j = std::max(0, i - attack - 1); j <= i; ++j)
            want = std::max(want, std::fabs(x[j]));
        ASSERT_NEAR(p, want, 1e-15) << i;
        w = (w + 1) & mask;
        q = (q + 1) & mask;
    }
}

struct TimingCase {
    double rate;
    float speed;
    int attack, limiterAttack;
};

TEST(TimingValues, AttackLengths)
{
    const TimingCase cases[] = {
        {44100.0, 1.0f, 52, 52}, {44100.0, 0.0f, 3, 9},    {48000.0, 1.0f, 57, 57},
        {88200.0, 1.0f, 105, 105}, {96000.0, 1.0f, 115, 115}, {192000.0, 0.0f, 14, 43},
        {192000.0, 1.0f, 230, 230},
    };
    for (const TimingCase& c : cases) {
        const TimingValues t = TimingValues::compute({c.speed, 1.0, 1.0, 1.0, 1.0, 0, c.rate});
        EXPECT_EQ(t.attackLength, c.attack) << c.rate << " " << c.speed;
        EXPECT_EQ(t.limiterAttackLength, c.limiterAttack) << c.rate << " " << c.speed;
        EXPECT_DOUBLE_EQ(t.attackCoef, 1.0 - std::pow(0.05, 1.0 / c.attack));
    }
}

TEST(TimingValues, LongMakesReleaseSeventeenTimesLonger)
{
    const TimingValues shortRel = TimingValues::compute({0.5f, 1.0, 1.0, 1.0, 1.0, 0, 44100.0});
    const TimingValues longRel = TimingValues::compute({0.5f, 1.0, 1.0, 1.0, 1.0, 1, 44100.0});
    const double nShort = std::log(0.05) / std::log(1.0 - shortRel.releaseCoef);
    const double nLong = std::log(0.05) / std::log(1.0 - longRel.releaseCoef);
    EXPECT_NEAR(nLong / nShort, 17.0, 1e-6);
}

TEST(TransferCurve, ReachesOneAtFullDriveAndIsLinearBelowKneeInHardMode)
{
    TransferCurve hard{0, 0.0, 42.0};
    EXPECT_EQ(hard(0.3), 0.3);
    EXPECT_EQ(hard(1.0), 1.0);
    EXPECT_EQ(hard(5.0), 1.0);
    TransferCurve soft{0, 1.0, 42.0};
    EXPECT_DOUBLE_EQ(soft(0.5), 0.75);
    TransferCurve rational{1, 1.0, 1.4};
    EXPECT_DOUBLE_EQ(rational(1.0), 1.0);
    EXPECT_LT(rational(0.2), 1.0);
    // Band gain keeps the band's peak at its saturation level.
    for (double e : {0.5, 2.0, 10.0})
        EXPECT_LE(bandGain(hard, e, 4.0, 0.5, 2.0, 1.0) * e, 0.5 + 1e-15);
}

namespace {

// Steps of release needed to fall from the level after a steady input to below 10 % of it.
int releaseSteps(bool autoOn, double steadyLevel)
{
    Envelope env(200.0, 20.0);
    env.setRate(44100.0);
    env.reset();
    const double attack = 0.5, release = 0.001;
    for (int i = 0; i < 44100; ++i)
        env.update<true>(steadyLevel * (0.8 + 0.2 * std::fabs(std::sin(0.05 * i))), attack, release, autoOn,
                         kBandRelease);
    const double start = env.e;
    int steps = 0;
    while (env.e > 0.1 * start && steps < 1000000) {
        env.update<true>(kDetectorFloor, attack, release, autoOn, kBandRelease);
        ++steps;
    }
    return steps;
}

}  // namespace

TEST(Envelope, AttackFollowsRisesWithTheAttackCoefficient)
{
    Envelope env(200.0, 20.0);
    env.setRate(44100.0);
    env.reset();
    const double e = env.update<true>(1.0, 0.25, 0.001, false, kBandRelease);
    EXPECT_DOUBLE_EQ(e, kEnvelopeStart + (1.0 - kEnvelopeStart) * 0.25);
}

TEST(Envelope, ReleaseWithoutAutoUsesOnlyTheReleaseCoefficient)
{
    Envelope env(200.0, 20.0);
    env.setRate(44100.0);
    env.reset();
    env.e = 0.5;
    for (int i = 0; i < 100; ++i) {
        const double before = env.e;
        ASSERT_DOUBLE_EQ(env.update<true>(0.1, 0.5, 0.01, false, kBandRelease), before + (0.1 - before) * 0.01);
    }
}

TEST(Envelope, AutoReleasesSustainedMaterialMoreSlowly)
{
    EXPECT_GT(releaseSteps(true, 0.5), releaseSteps(false, 0.5));
}

TEST(Envelope, BandEnvelopesAreFlooredLimiterIsNot)
{
    Envelope env(200.0, 20.0);
    env.setRate(44100.0);
    env.reset();
    for (int i = 0; i < 100000; ++i)
        env.update<true>(0.0, 0.5, 0.5, false, kBandRelease);
    EXPECT_EQ(env.e, kEnvelopeFloor);
    env.reset();
    for (int i = 0; i < 100000; ++i)
        env.update<false>(0.0, 0.5, 0.5, false, kLimiterRelease);
    EXPECT_LT(env.e, kEnvelopeFloor);
}
