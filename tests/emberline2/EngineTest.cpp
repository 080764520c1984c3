#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tests/emberline2/EngineFixture.h"

using namespace velda;
using velda::test::EngineRig;
using velda::test::kKernels;
using velda::test::KernelSetup;

namespace {

struct LatencyCase {
    double rate;
    int delayRing, bandRing, latency;
};

const LatencyCase kSecondGen[] = {
    {44100.0, 512, 256, 639},    {48000.0, 512, 256, 639},     {88200.0, 1024, 512, 1151},
    {96000.0, 1024, 512, 1151},  {176400.0, 2048, 1024, 2175}, {192000.0, 2048, 1024, 2175},
};
const LatencyCase kFirstGen[] = {
    {44100.0, 128, 64, 127},   {48000.0, 128, 64, 127},   {88200.0, 256, 128, 255},
    {96000.0, 256, 128, 255},  {176400.0, 512, 256, 511}, {192000.0, 512, 256, 511},
};

int argMaxAbs(const std::vector<double>& x)
{
    return static_cast<int>(std::max_element(x.begin(), x.end(),
                                              [](double a, double b) { return std::fabs(a) < std::fabs(b); }) -
                            x.begin());
}

}  // namespace

TEST(EngineLatency, RingSizesAndLatencyByRate)
{
    for (const auto& [layout, cases] : {std::pair{&kEmberline2Layout, kSecondGen}, std::pair{&kEmberlineLayout, kFirstGen}}) {
        for (int i = 0; i < 6; ++i) {
            const LatencyCase& c = cases[i];
            EngineRig rig(c.rate, *layout);
            EXPECT_EQ(rig.engine.getDelayRingSize(), c.delayRing) << c.rate;
            EXPECT_EQ(rig.engine.getBandRingSize(), c.bandRing) << c.rate;
            EXPECT_EQ(rig.engine.getLatencySamples(), static_cast<float>(c.latency)) << c.rate;
            EXPECT_FLOAT_EQ(rig.engine.getLatencyMs(), static_cast<float>(c.latency * 1000.0 / c.rate));
        }
    }
}

TEST(EngineLatency, RateIsClampedAtSuspendAndMsFallsBackOutsideRange)
{
    EngineRig low(8000.0);
    EXPECT_EQ(low.engine.sampleRate(), 22050.0);
    EngineRig none(std::nan(""));
    EXPECT_EQ(none.engine.sampleRate(), 22050.0);
    EngineRig high(384000.0);
    EXPECT_EQ(high.engine.sampleRate(), 192000.0);
    EXPECT_EQ(high.engine.getLatencySamples(), 2175.0f);
}

// An impulse leaves exactly the reported latency later, in every kernel, with and without
// oversampling, in both generations.
TEST(EngineLatency, ImpulseLeavesAfterExactlyTheLatency)
{
    for (const EngineLayout* layout : {&kEmberline2Layout, &kEmberlineLayout}) {
        for (double rate : {44100.0, 48000.0, 88200.0, 96000.0, 176400.0, 192000.0}) {
            for (bool fat : {false, true}) {
                if (fat && !layout->oversampling)
                    continue;
                for (const KernelSetup& k : kKernels) {
                    EngineRig rig(rate, *layout);
                    rig.select(k);
                    rig.setFat(fat);
                    const int latency = static_cast<int>(rig.engine.getLatencySamples());
                    std::vector<double> x(latency + 400, 0.0), ol, orr;
                    x[37] = 0.05;
                    rig.run(x, x, ol, orr, 100);
                    EXPECT_EQ(argMaxAbs(ol), 37 + latency) << k.name << " " << rate << " fat " << fat;
                    EXPECT_EQ(argMaxAbs(orr), 37 + latency) << k.name << " " << rate << " fat " << fat;
                    if (k.processOn == 0 && !fat) {
                        EXPECT_NEAR(ol[37 + latency], 0.05, 1e-15) << rate;
                    }
                }
            }
        }
    }
}

TEST(EngineLatency, BypassIsAPureDelay)
{
    EngineRig rig(48000.0);
    rig.select(kKernels[0]);
    const std::vector<double> x = test::testSignal(5000, 11, 0.8);
    std::vector<double> ol, orr;
    rig.run(x, x, ol, orr, 333);
    const int latency = 639;
    for (int i = latency; i < 5000; ++i)
        ASSERT_NEAR(ol[i], x[i - latency], 1e-15) << i;
}

TEST(EngineKernels, BrickwallKeepsOutputAtCeilingTimesOutput)
{
    for (const KernelSetup& k : kKernels) {
        if (k.processOn == 0)
            continue;
        for (double ceiling : {1.0, 0.5}) {
            EngineRig rig(44100.0);
            rig.select(k);
            rig.values.driveGain = 8.0;
            rig.values.ceilingGain = ceiling;
            rig.values.outputGain = 0.7;
            const std::vector<double> x = test::testSignal(30000, 5, 3.0);
            std::vector<double> ol, orr;
            rig.run(x, x, ol, orr, 64);
            const double bound = ceiling * 0.7 * (1.0 + 1e-12);
            double peak = 0.0;
            for (size_t i = 0; i < ol.size(); ++i)
                peak = std::max({peak, std::fabs(ol[i]), std::fabs(orr[i])});
            EXPECT_LE(peak, bound) << k.name << " " << ceiling;
            EXPECT_GT(peak, 0.5 * bound) << k.name;
        }
    }
}

TEST(EngineKernels, FatWithBrickwallNeverExceedsOutputGain)
{
    for (const KernelSetup& k : kKernels) {
        EngineRig rig(48000.0);
        rig.select(k);
        rig.setFat(true);
        rig.values.driveGain = 8.0;
        rig.values.outputGain = 0.9;
        const std::vector<double> x = test::testSignal(20000, 9, 4.0);
        std::vector<double> ol, orr;
        rig.run(x, x, ol, orr, 64);
        for (size_t i = 0; i < ol.size(); ++i) {
            ASSERT_LE(std::fabs(ol[i]), 0.9) << k.name << " " << i;
            ASSERT_LE(std::fabs(orr[i]), 0.9) << k.name << " " << i;
        }
    }
}

TEST(EngineKernels, FatIsIgnoredAbove100kHz)
{
    EngineRig a(176400.0), b(176400.0);
    a.select(kKernels[1]);
    b.select(kKernels[1]);
    b.setFat(true);
    const std::vector<double> x = test::testSignal(4000, 2, 1.5);
    std::vector<double> al, ar, bl, br;
    a.run(x, x, al, ar);
    b.run(x, x, bl, br);
    EXPECT_EQ(al, bl);
    EXPECT_EQ(a.engine.attackLength(), b.engine.attackLength());
}

TEST(EngineKernels, MonoModesRouteTheProcessedAndTheDryChannel)
{
    const std::vector<double> l = test::testSignal(6000, 21, 1.2);
    const std::vector<double> r = test::testSignal(6000, 22, 0.9);
    for (const EngineLayout* layout : {&kEmberline2Layout, &kEmberlineLayout}) {
        for (const KernelSetup& k : {kKernels[5], kKernels[6]}) {
            // L R at " L ": the right output is the right input, delayed, times the output gain
            // (the first generation leaves the dry channel without the output gain).
            EngineRig rig(44100.0, *layout);
            rig.select(k);
            rig.values.channelValue = 0.5f;
            rig.values.outputGain = 2.0;
            std::vector<double> ol, orr;
            rig.run(l, r, ol, orr);
            const int latency = static_cast<int>(rig.engine.getLatencySamples());
            const double gain = layout->monoDryWithoutOutputGain ? 1.0 : 2.0;
            for (int i = latency; i < 6000; ++i)
                ASSERT_NEAR(orr[i], r[i - latency] * gain, 1e-12) << k.name << " " << i;

            // " OO-O": both outputs carry the processed left input; the right input is not heard.
            EngineRig both(44100.0, *layout);
            both.select(k);
            std::vector<double> bl, br, bl2, br2;
            both.run(l, r, bl, br);
            EXPECT_EQ(bl, br);
            EngineRig both2(44100.0, *layout);
            both2.select(k);
            both2.run(l, std::vector<double>(6000, 0.0), bl2, br2);
            EXPECT_EQ(bl, bl2);

            // " R ": mirrored.
            EngineRig right(44100.0, *layout);
            right.select(k);
            right.values.channelValue = 1.0f;
            right.values.outputGain = 2.0;
            std::vector<double> rl, rr;
            right.run(r, l, rl, rr);
            EXPECT_EQ(rr, ol);
        }
    }
}

TEST(EngineKernels, MixZeroGivesTheDelayedInputTimesOutputGain)
{
    for (const KernelSetup& k : kKernels) {
        if (k.processOn == 0 || k.stereo < 0.5f)
            continue;
        EngineRig rig(44100.0);
        rig.select(k);
        rig.values.mixAmount = 0.0;
        rig.values.outputGain = 0.5;
        const std::vector<double> x = test::testSignal(4000, 4, 2.0);
        std::vector<double> ol, orr;
        rig.run(x, x, ol, orr);
        for (int i = 639; i < 4000; ++i)
            ASSERT_NEAR(ol[i], x[i - 639] * 0.5, 1e-12) << k.name << " " << i;
    }
}

TEST(EngineKernels, SpeedChangeKeepsTheTotalDelay)
{
    EngineRig rig(44100.0);
    rig.select(kKernels[1]);
    rig.values.mixAmount = 0.0;
    const std::vector<double> x = test::testSignal(8000, 13, 1.0);
    std::vector<double> out(8000);
    for (int i = 0; i < 8000; i += 100) {
        rig.values.speedValue = (i / 100) % 2 ? 0.1f : 0.9f;
        rig.values.request(kRequestTimingUpdate);
        std::vector<double> seg(x.begin() + i, x.begin() + i + 100);
        rig.engine.process(seg.data(), seg.data(), out.data() + i, out.data() + i, 100);
    }
    for (int i = 639; i < 8000; ++i)
        ASSERT_NEAR(out[i], x[i - 639], 1e-12) << i;
}

TEST(EngineKernels, UnconnectedRightOutputReceivesTheRightResult)
{
    EngineRig a(44100.0), b(44100.0);
    a.select(kKernels[3]);
    b.select(kKernels[3]);
    const std::vector<double> l = test::testSignal(3000, 1, 1.0), r = test::testSignal(3000, 2, 1.0);
    std::vector<double> al, ar, shared(3000);
    a.run(l, r, al, ar);
    b.engine.process(l.data(), r.data(), shared.data(), shared.data(), 3000);
    EXPECT_EQ(shared, ar);
}

TEST(EngineKernels, InPlaceBuffersWork)
{
    EngineRig a(44100.0), b(44100.0);
    a.select(kKernels[4]);
    b.select(kKernels[4]);
    std::vector<double> l = test::testSignal(3000, 1, 1.0), r = test::testSignal(3000, 2, 1.0), al, ar;
    a.run(l, r, al, ar);
    b.engine.process(l.data(), r.data(), l.data(), r.data(), 3000);
    EXPECT_EQ(l, al);
    EXPECT_EQ(r, ar);
}

TEST(EngineFormats, FloatAndDoubleEntriesAgreeUpToFinalRounding)
{
    const std::vector<double> xd = test::testSignal(10000, 17, 1.7);
    std::vector<float> xf(xd.size());
    std::vector<double> xr(xd.size());
    for (size_t i = 0; i < xd.size(); ++i) {
        xf[i] = static_cast<float>(xd[i]);
        xr[i] = xf[i];
    }
    for (const KernelSetup& k : kKernels) {
        for (bool fat : {false, true}) {
            EngineRig a(44100.0), b(44100.0);
            a.select(k);
            b.select(k);
            a.setFat(fat);
            b.setFat(fat);
            std::vector<float> fl, fr;
            std::vector<double> dl, dr;
            a.run(xf, xf, fl, fr, 200);
            b.run(xr, xr, dl, dr, 200);
            for (size_t i = 0; i < xd.size(); ++i) {
                ASSERT_EQ(fl[i], static_cast<float>(dl[i])) << k.name << " " << i;
                ASSERT_EQ(fr[i], static_cast<float>(dr[i])) << k.name << " " << i;
            }
        }
    }
}

TEST(EngineFormats, BlockSizeDoesNotChangeTheOutput)
{
    const std::vector<double> x = test::testSignal(9000, 23, 2.5);
    const std::vector<double> y = test::testSignal(9000, 24, 1.5);
    for (const KernelSetup& k : kKernels) {
        for (bool fat : {false, true}) {
            std::vector<double> refL, refR;
            for (int block : {4096, 1, 63, 64, 65, 130}) {
                EngineRig rig(48000.0);
                rig.select(k);
                rig.setFat(fat);
                rig.values.autoOn = 1;
                rig.engine.metersActive = true;
                std::vector<double> ol, orr;
                rig.run(x, y, ol, orr, block);
                if (refL.empty()) {
                    refL = ol;
                    refR = orr;
                } else {
                    EXPECT_EQ(ol, refL) << k.name << " block " << block << " fat " << fat;
                    EXPECT_EQ(orr, refR) << k.name << " block " << block << " fat " << fat;
                }
            }
        }
    }
}

TEST(EngineRobustness, NonFiniteInputDoesNotPoisonTheState)
{
    const int rate = 44100;
    const std::vector<double> x = test::testSignal(5 * rate, 31, 1.0);
    for (const KernelSetup& k : kKernels) {
        for (bool fat : {false, true}) {
            EngineRig bad(rate), clean(rate);
            bad.select(k);
            clean.select(k);
            bad.setFat(fat);
            clean.setFat(fat);
            bad.engine.metersActive = true;
            std::vector<double> in = x, cleanIn = x;
            const double poison[] = {NAN, INFINITY, -INFINITY, 1e308, -1e308};
            for (int j = 0; j < 5; ++j) {
                in[1000 + 7 * j] = poison[j];
                cleanIn[1000 + 7 * j] = std::isfinite(poison[j]) ? poison[j] : 0.0;
            }
            std::vector<double> bl, br, cl, cr;
            bad.run(in, in, bl, br, 256);
            clean.run(cleanIn, cleanIn, cl, cr, 256);
            const int latency = static_cast<int>(bad.engine.getLatencySamples());
            for (int i = 1100 + latency + rate; i < 5 * rate; ++i) {
                ASSERT_TRUE(std::isfinite(bl[i]) && std::isfinite(br[i])) << k.name << " fat " << fat << " " << i;
            }
            EXPECT_TRUE(std::isfinite(bad.engine.meterLeft.load()));
            // Non-finite samples enter as silence; everything else is processed as usual.
            EXPECT_EQ(bl, cl) << k.name << " fat " << fat;
        }
    }
}

TEST(EngineRequests, RequestsApplyAtTheNextWorkBlock)
{
    EngineRig rig(44100.0);
    rig.select(kKernels[2]);
    std::vector<double> x(10, 0.1), y(10);
    rig.engine.process(x.data(), x.data(), y.data(), y.data(), 10);
    EXPECT_EQ(rig.engine.attackLength(), 52);
    rig.values.speedValue = 0.0f;
    rig.engine.process(x.data(), x.data(), y.data(), y.data(), 10);
    EXPECT_EQ(rig.engine.attackLength(), 52);
    rig.values.request(kRequestTimingUpdate);
    EXPECT_EQ(rig.engine.attackLength(), 52);
    rig.engine.process(x.data(), x.data(), y.data(), y.data(), 10);
    EXPECT_EQ(rig.engine.attackLength(), 3);
    EXPECT_EQ(rig.engine.limiterAttackLength(), 9);
    rig.setFat(true);
    rig.engine.process(x.data(), x.data(), y.data(), y.data(), 10);
    EXPECT_EQ(rig.engine.attackLength(), 6);
}
