#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/emberline2/EngineFixture.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
}

using namespace velda;
using velda::test::EngineRig;
using velda::test::kKernels;

namespace {

void feed(EngineRig& rig, const std::vector<double>& x)
{
    std::vector<double> ol(x.size()), orr(x.size());
    rig.engine.process(x.data(), x.data(), ol.data(), orr.data(), static_cast<int>(x.size()));
}

std::vector<double> fullScaleRun(int count, int length)
{
    std::vector<double> x(length, 0.0);
    for (int i = 10; i < 10 + count; ++i)
        x[i] = 1.01;
    return x;
}

}  // namespace

TEST(OverFlags, LightAfterExactlyOverCountFullScaleSamples)
{
    for (int overCount : {1, 3, 6, 10}) {
        for (int count : {overCount - 1, overCount}) {
            if (count == 0)
                continue;
            EngineRig rig(44100.0);
            rig.select(kKernels[0]);
            rig.values.meterSource = 0;  // Pre: the counter sees the input
            rig.values.overCount = overCount;
            rig.engine.metersActive = true;
            feed(rig, fullScaleRun(count, 100));
            EXPECT_EQ(rig.engine.overFlagLeft.load(), count >= overCount ? 1.0f : 0.0f) << overCount << " " << count;
            EXPECT_EQ(rig.engine.overFlagRight.load(), count >= overCount ? 1.0f : 0.0f);
            rig.engine.clearOverFlags();
            EXPECT_EQ(rig.engine.overFlagLeft.load(), 0.0f);
        }
    }
}

TEST(OverFlags, StandStillWhileTheEditorIsClosed)
{
    EngineRig rig(44100.0);
    rig.select(kKernels[0]);
    rig.values.meterSource = 0;
    feed(rig, fullScaleRun(50, 200));
    EXPECT_EQ(rig.engine.overFlagLeft.load(), 0.0f);
    EXPECT_EQ(rig.engine.meterLeft.load(), 0.0f);
}

TEST(OverFlags, CounterSurvivesWorkBlocksWithinOneCall)
{
    // A run of full-scale samples across a work-block boundary counts as one run (the
    // kernels see the input 64 samples late, behind the plain delay).
    EngineRig rig(44100.0);
    rig.select(kKernels[0]);
    rig.values.meterSource = 0;
    rig.engine.metersActive = true;
    std::vector<double> x(256, 0.0);
    x[126] = x[127] = x[128] = 1.5;
    feed(rig, x);
    EXPECT_EQ(rig.engine.overFlagLeft.load(), 1.0f);
}

TEST(Meters, VuPreSettlesOnTheRectifiedAverage)
{
    EngineRig rig(44100.0);
    rig.select(kKernels[0]);
    rig.values.meterSource = 0;
    rig.values.meterTypeValue = 0.0f;
    const double reference = std::pow(0.06125, 1.0 - 0.41);
    rig.values.vuReferenceInv = 1.0 / reference;
    rig.values.request(kRequestVuRetune);
    rig.engine.metersActive = true;
    std::vector<double> x(44100 * 4);
    for (size_t i = 0; i < x.size(); ++i)
        x[i] = std::sin(2 * kPi * 1000.0 * i / 44100.0);
    feed(rig, x);
    const double want = 1.4142136 * 1.096 / reference * 2.0 / kPi;
    EXPECT_NEAR(rig.engine.meterLeft.load(), want, 0.02 * want);
    EXPECT_NEAR(rig.engine.meterRight.load(), want, 0.02 * want);
}

TEST(Meters, GainReductionReadsOneFarBelowTheKnee)
{
    for (float type : {0.0f, 1.0f}) {
        for (int kernel : {1, 2, 3, 4, 5, 6}) {
            EngineRig rig(44100.0);
            rig.select(kKernels[kernel]);
            rig.values.meterSource = 1;
            rig.values.meterTypeValue = type;
            rig.engine.metersActive = true;
            std::vector<double> x(44100 * 2);
            for (size_t i = 0; i < x.size(); ++i)
                x[i] = 0.001 * std::sin(2 * kPi * 300.0 * i / 44100.0);
            feed(rig, x);
            EXPECT_NEAR(rig.engine.meterLeft.load(), 1.0, 0.01) << kKernels[kernel].name << " " << type;
        }
    }
}

TEST(Meters, PpmPostFollowsPeaksAndReturns)
{
    EngineRig rig(48000.0);
    rig.select(kKernels[0]);
    rig.values.meterSource = 2;
    rig.values.meterTypeValue = 1.0f;
    rig.values.ppmIntegrationMs = 0.0;  // instant rise
    rig.values.ppmRatio = 0.0f;
    rig.values.ppmReturnMs = 1000.0;
    rig.engine.metersActive = true;
    std::vector<double> x(48000, 0.5);
    feed(rig, x);
    EXPECT_NEAR(rig.engine.meterLeft.load(), 0.5, 1e-6);
    feed(rig, std::vector<double>(48000, 0.0));
    // One return time brings the level down to 1 % within the sample delay of the output.
    EXPECT_LT(rig.engine.meterLeft.load(), 0.5 * 0.02);
    EXPECT_GT(rig.engine.meterLeft.load(), 0.0);
}

TEST(Meters, SuspendZeroesLevels)
{
    EngineRig rig(44100.0);
    rig.select(kKernels[0]);
    rig.values.meterSource = 0;
    rig.engine.metersActive = true;
    feed(rig, std::vector<double>(4000, 0.8));
    EXPECT_GT(rig.engine.meterLeft.load(), 0.0f);
    rig.engine.suspend();
    EXPECT_EQ(rig.engine.meterLeft.load(), 0.0f);
    EXPECT_EQ(rig.engine.meterRight.load(), 0.0f);
}
