#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <thread>

#include "cindermote/CindermoteParameters.h"
#include "tests/cindermote/CindermoteFixture.h"

using namespace vst;
using namespace velda::cindermote;
using velda::test::CindermoteFixture;
using velda::test::dispatch;
using velda::test::render;
using velda::test::silence;
using velda::test::startAt;
using velda::test::Stereo;
using velda::test::TinyLcg;

namespace {

Stereo noise(size_t frames, float amplitude, uint32_t seed = 1)
{
    TinyLcg left(seed), right(seed + 77);
    Stereo s = silence(frames);
    for (size_t i = 0; i < frames; ++i) {
        s.left[i] = left.next() * amplitude;
        s.right[i] = right.next() * amplitude;
    }
    return s;
}

size_t peakIndex(const std::vector<float>& x)
{
    size_t at = 0;
    for (size_t i = 1; i < x.size(); ++i)
        if (std::fabs(x[i]) > std::fabs(x[at])) at = i;
    return at;
}

float peakOf(const std::vector<float>& x)
{
    float m = 0.0f;
    for (float v : x) m = std::max(m, std::fabs(v));
    return m;
}

bool allFinite(const std::vector<float>& x, size_t from = 0)
{
    for (size_t i = from; i < x.size(); ++i)
        if (!std::isfinite(x[i])) return false;
    return true;
}

TEST_F(CindermoteFixture, LatencyEqualsTheImpulseDelayAtEveryRateAndSpeed)
{
    struct RateCase {
        float rate;
        int latency;
    };
    const RateCase rates[] = {{22050, 63},  {44100, 63},  {48000, 63},   {49999, 63},
                              {88200, 127}, {96000, 127}, {176400, 255}, {192000, 255}};
    const float speeds[] = {0.0f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f};
    for (const RateCase& rc : rates) {
        for (int bypass = 0; bypass < 2; ++bypass) {
            for (float speed : speeds) {
                startAt(*fx, rc.rate);
                fx->setParameter(kSpeed, speed);
                fx->setParameter(kProcess, bypass ? 0.0f : 1.0f);
                EXPECT_EQ(fx->getAeffect()->initialDelay, rc.latency) << rc.rate;
                EXPECT_EQ(fx->getLatencySamples(), (float)rc.latency);
                Stereo in = silence(1500);
                in.left[700] = 0.5f;
                in.right[700] = -0.25f;
                const Stereo out = render(*fx, in, 77);
                EXPECT_EQ(peakIndex(out.left), 700u + rc.latency) << rc.rate << " speed " << speed << " bypass " << bypass;
                EXPECT_EQ(peakIndex(out.right), 700u + rc.latency);
                EXPECT_NEAR(out.left[700 + rc.latency], 0.5f, bypass ? 1e-7 : 0.01);
            }
        }
    }
}

TEST_F(CindermoteFixture, SampleRateFallBacks)
{
    struct RateCase {
        float set;
        bool suspendAfterSetting;  // else the rate arrives while suspended and resume sees it
        float used;
        int latency;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const RateCase cases[] = {{10000, false, 44100, 63},  {300000, false, 44100, 63}, {nan, false, 44100, 63},
                              {96000, false, 96000, 127}, {10000, true, 22050, 63},   {500000, true, 192000, 255},
                              {nan, true, 44100, 63},     {192000, true, 192000, 255}};
    for (const RateCase& c : cases) {
        if (c.suspendAfterSetting) {
            dispatch(*fx, effSetSampleRate, 0, 0, nullptr, c.set);
            dispatch(*fx, effMainsChanged, 0, 0);
        } else {
            dispatch(*fx, effMainsChanged, 0, 0);
            dispatch(*fx, effSetSampleRate, 0, 0, nullptr, c.set);
        }
        dispatch(*fx, effMainsChanged, 0, 1);
        EXPECT_EQ(fx->getSampleRate(), c.used) << c.set;
        EXPECT_EQ(fx->getAeffect()->initialDelay, c.latency) << c.set;
        const Stereo out = render(*fx, noise(3000, 0.5f));
        EXPECT_TRUE(allFinite(out.left)) << c.set;
    }
}

// A 15 Hz high-pass of its own, for comparison.
std::vector<double> highPass15(const std::vector<double>& x, double rate)
{
    const double w = 2.0 * 3.14159265358979323846 * 15.0 / rate;
    const double alpha = std::sin(w) / 1.4142, cw = std::cos(w), a0 = 1.0 + alpha;
    const double b0 = (1.0 + cw) / 2.0 / a0, b1 = -(1.0 + cw) / a0, a1 = -2.0 * cw / a0, a2 = (1.0 - alpha) / a0;
    std::vector<double> y(x.size());
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        y[i] = b0 * x[i] + b1 * x1 + b0 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x[i];
        y2 = y1;
        y1 = y[i];
    }
    return y;
}

TEST_F(CindermoteFixture, DefaultProgramHasUnityGainBelowFullScale)
{
    for (float rate : {44100.0f, 96000.0f}) {
        startAt(*fx, rate);
        const int latency = (int)fx->getLatencySamples();
        const size_t frames = 20000;
        std::vector<double> left(frames), right(frames), outL(frames), outR(frames);
        for (size_t i = 0; i < frames; ++i) {
            left[i] = 0.1 * std::sin(2.0 * 3.14159265358979323846 * 1000.0 * (double)i / rate);
            right[i] = 0.7 * std::sin(2.0 * 3.14159265358979323846 * 220.0 * (double)i / rate);
        }
        for (size_t at = 0; at < frames; at += 500) {
            double* in[2] = {left.data() + at, right.data() + at};
            double* out[2] = {outL.data() + at, outR.data() + at};
            fx->processDoubleReplacing(in, out, 500);
        }
        const std::vector<double> refL = highPass15(left, rate), refR = highPass15(right, rate);
        for (size_t i = 0; i < frames; ++i) {
            const double expectedL = i >= (size_t)latency ? refL[i - latency] : 0.0;
            const double expectedR = i >= (size_t)latency ? refR[i - latency] : 0.0;
            ASSERT_NEAR(outL[i], expectedL, 1e-10) << i << " at " << rate;
            ASSERT_NEAR(outR[i], expectedR, 1e-10) << i << " at " << rate;
        }
    }
}

Stereo square(size_t frames, size_t halfPeriod)
{
    Stereo s = silence(frames);
    for (size_t i = 0; i < frames; ++i) s.left[i] = s.right[i] = (i / halfPeriod) % 2 ? -1.0f : 1.0f;
    return s;
}

TEST_F(CindermoteFixture, FullScaleSquareIsLimitedInEveryProgram)
{
    const Stereo in = square(30000, 220);
    for (int p = 0; p < kProgramCount; ++p) {
        fx->selectProgram(p);
        const float ceiling = (float)fx->engineeringValues().outputGain.get();
        const Stereo out = render(*fx, in, 128);
        EXPECT_LE(peakOf(out.left), ceiling) << p;
        EXPECT_LE(peakOf(out.right), ceiling) << p;
        EXPECT_GT(peakOf(out.left), 0.5f * ceiling) << p;
    }
    fx->selectProgram(0);
    fx->setParameter(kOutput, 1.0f);  // +12 dB
    const Stereo out = render(*fx, in, 128);
    EXPECT_LE(peakOf(out.left), 4.0f);
    EXPECT_GT(peakOf(out.left), 3.5f);
}

TEST_F(CindermoteFixture, MonoArrangementWritesOnlyTheFirstOutputFromTheFirstInput)
{
    VstSpeakerArrangement one{}, two{};
    one.numChannels = 1;
    two.numChannels = 2;
    const Stereo in = noise(1000, 0.5f);
    std::vector<float> nanRight(1000, std::numeric_limits<float>::quiet_NaN());

    ASSERT_EQ(dispatch(*fx, effSetSpeakerArrangement, 0, (VstIntPtr)&one, &one), 1);
    Stereo out = silence(1000);
    std::fill(out.right.begin(), out.right.end(), 7.0f);
    float* inputs[2] = {const_cast<float*>(in.left.data()), nanRight.data()};
    float* outputs[2] = {out.left.data(), out.right.data()};
    fx->processReplacing(inputs, outputs, 1000);
    EXPECT_TRUE(allFinite(out.left));
    EXPECT_TRUE(std::all_of(out.right.begin(), out.right.end(), [](float v) { return v == 7.0f; }));

    // Mono in, stereo out: both outputs carry the same mono result.
    Cindermote other(velda::test::FakeHost::callback);
    ASSERT_EQ(dispatch(other, effSetSpeakerArrangement, 0, (VstIntPtr)&one, &two), 1);
    Stereo out2 = silence(1000);
    float* outputs2[2] = {out2.left.data(), out2.right.data()};
    other.processReplacing(inputs, outputs2, 1000);
    EXPECT_EQ(out2.left, out.left);
    EXPECT_EQ(out2.right, out.left);
}

TEST_F(CindermoteFixture, StereoMonoAtOneHalfRunsTheMonoVariant)
{
    fx->setParameter(kStereoMono, 0.5f);
    const Stereo in = noise(3000, 0.9f);
    const Stereo out = render(*fx, in);
    EXPECT_EQ(out.left, out.right);

    Cindermote stereo(velda::test::FakeHost::callback);
    const Stereo outStereo = render(stereo, in);
    EXPECT_NE(outStereo.left, outStereo.right);
}

TEST_F(CindermoteFixture, UnconnectedSecondInputIsNeverRead)
{
    host.secondInputConnected = false;
    const Stereo in = noise(2000, 0.8f);
    std::vector<float> nanRight(2000, std::numeric_limits<float>::quiet_NaN());
    Stereo out = silence(2000);
    float* inputs[2] = {const_cast<float*>(in.left.data()), nanRight.data()};
    float* outputs[2] = {out.left.data(), out.right.data()};
    fx->processReplacing(inputs, outputs, 2000);
    EXPECT_TRUE(allFinite(out.left));
    EXPECT_EQ(out.left, out.right);

    host.secondInputConnected = true;
    float* missing[2] = {const_cast<float*>(in.left.data()), nullptr};
    fx->processReplacing(missing, outputs, 2000);
    EXPECT_TRUE(allFinite(out.left));
    EXPECT_EQ(out.left, out.right);
}

TEST_F(CindermoteFixture, UnconnectedSecondOutputReceivesTheRightResultInTheFirst)
{
    fx->selectProgram(1);  // unlinked
    Cindermote reference(velda::test::FakeHost::callback);
    reference.selectProgram(1);
    const Stereo in = noise(2000, 0.9f, 5);
    const Stereo expected = render(reference, in);

    host.secondOutputConnected = false;
    Stereo out = silence(2000);
    std::fill(out.right.begin(), out.right.end(), 7.0f);
    for (size_t at = 0; at < 2000; at += 100) {
        float* inputs[2] = {const_cast<float*>(in.left.data() + at), const_cast<float*>(in.right.data() + at)};
        float* outputs[2] = {out.left.data() + at, out.right.data() + at};
        fx->processReplacing(inputs, outputs, 100);
    }
    EXPECT_EQ(out.left, expected.right);
    EXPECT_TRUE(std::all_of(out.right.begin(), out.right.end(), [](float v) { return v == 7.0f; }));
}

struct OverCase {
    float meters;      // 0 Pre, 1 Post
    float overIndic;   // ninths
    int overs;         // consecutive samples of 1.0 at the input
    float outputValue; // Output parameter
    bool flagged;
};

TEST_F(CindermoteFixture, OverFlags)
{
    const OverCase cases[] = {
        {0.0f, 0.0f, 1, 0.5f, true},          // Pre, one sample
        {1.0f, 0.0f, 1, 0.5f, false},         // Post: the limited output stays below 1.0
        {1.0f, 0.0f, 1, 1.0f, true},          // Post with +12 dB output
        {0.0f, 2.0f / 9.0f, 2, 0.5f, false},  // three samples asked, two given
        {0.0f, 2.0f / 9.0f, 3, 0.5f, true},
    };
    auto& engine = fx->engine();
    engine.metersActive = 1;
    for (const OverCase& c : cases) {
        fx->setParameter(kMeters, c.meters);
        fx->setParameter(kOverIndicator, c.overIndic);
        fx->setParameter(kOutput, c.outputValue);
        Stereo in = silence(1000);
        for (int i = 0; i < c.overs; ++i) in.left[500 + i] = 1.0f;
        engine.overFlagLeft = 0.0f;
        render(*fx, in, 1000);
        EXPECT_EQ(engine.overFlagLeft.get(), c.flagged ? 1.0f : 0.0f) << c.meters << " " << c.overs;
        EXPECT_EQ(engine.overFlagRight.get(), 0.0f);
    }

    // With the editor closed nothing is metered.
    engine.metersActive = 0;
    fx->setParameter(kMeters, 0.0f);
    fx->setParameter(kOverIndicator, 0.0f);
    engine.overFlagLeft = 0.0f;
    const float meter = engine.meterLeft;
    render(*fx, noise(2000, 1.0f), 1000);
    EXPECT_EQ(engine.overFlagLeft.get(), 0.0f);
    EXPECT_EQ(engine.meterLeft.get(), meter);
}

TEST_F(CindermoteFixture, MetersFollowTheSourceAndScale)
{
    auto& engine = fx->engine();
    engine.metersActive = 1;
    const Stereo loud = noise(44100, 0.9f);
    // GainRed reads 1.0 when no reduction takes place.
    fx->setParameter(kMeters, 0.5f);
    render(*fx, noise(44100, 0.01f));
    EXPECT_NEAR(engine.meterLeft.get(), 1.0f, 0.01f);
    // A loud signal at +24 dB drive is reduced.
    fx->setParameter(kDrive, 1.0f);
    render(*fx, loud);
    EXPECT_LT(engine.meterLeft.get(), 0.5f);
    for (float scale : {0.0f, 1.0f}) {
        fx->setParameter(kMeterScale, scale);
        fx->setParameter(kMeters, 0.0f);
        render(*fx, loud);
        EXPECT_GT(engine.meterLeft.get(), 0.1f) << scale;
        render(*fx, silence(44100 * 3));
        EXPECT_LT(engine.meterLeft.get(), 0.05f) << scale;
    }
}

TEST_F(CindermoteFixture, StableAtTheLowestRates)
{
    for (float rate : {22050.0f, 23000.0f, 24000.0f}) {
        startAt(*fx, rate);
        for (int p : {0, 1, 6}) {
            fx->selectProgram(p);
            fx->setParameter(kHighAdjust, 1.0f);
            const Stereo out = render(*fx, noise((size_t)rate * 2, 0.9f), 512);
            EXPECT_TRUE(allFinite(out.left)) << rate << " program " << p;
            EXPECT_LE(peakOf(out.left), 1.0f) << rate << " program " << p;
        }
    }
}

struct RecoveryCase {
    const char* name;
    int program;
    float process, stereo;
    bool meters;
};

TEST_F(CindermoteFixture, RecoversFromNonFiniteInput)
{
    const RecoveryCase cases[] = {
        {"linked", 0, 1.0f, 1.0f, false},  {"unlinked, rational knee", 1, 1.0f, 1.0f, true},
        {"mono", 2, 1.0f, 0.0f, true},     {"bypass", 0, 0.0f, 1.0f, true},
        {"linked, metered", 11, 1.0f, 1.0f, true},
    };
    const size_t badStart = 5000, badEnd = 6500, frames = 6500 + 63 + 44100 + 5000;
    for (const RecoveryCase& c : cases) {
        Cindermote effect(velda::test::FakeHost::callback);
        effect.selectProgram(c.program);
        effect.setParameter(kProcess, c.process);
        effect.setParameter(kStereoMono, c.stereo);
        effect.setParameter(kMeterScale, c.program == 11 ? 1.0f : 0.0f);
        effect.engine().metersActive = c.meters ? 1 : 0;
        Stereo in = noise(frames, 0.7f);
        for (size_t i = badStart; i < badEnd; ++i) {
            const float bad = i % 3 == 0 ? std::numeric_limits<float>::quiet_NaN()
                                         : (i % 3 == 1 ? std::numeric_limits<float>::infinity()
                                                       : -std::numeric_limits<float>::infinity());
            in.left[i] = bad;
            if (i % 2) in.right[i] = bad;
        }
        const Stereo out = render(effect, in, 256);
        const size_t recovered = badEnd + 63 + 44100;
        EXPECT_TRUE(allFinite(out.left, recovered)) << c.name;
        EXPECT_TRUE(allFinite(out.right, recovered)) << c.name;
        EXPECT_GT(peakOf(std::vector<float>(out.left.begin() + (long)recovered, out.left.end())), 0.05f) << c.name;
        EXPECT_TRUE(std::isfinite(effect.engine().meterLeft.get())) << c.name;
        EXPECT_TRUE(std::isfinite(effect.engine().meterRight.get())) << c.name;
    }
}

TEST_F(CindermoteFixture, ParameterChangesFromAnotherThreadWhileProcessing)
{
    std::atomic<bool> stop{false};
    std::thread changer([&] {
        TinyLcg values(99);
        for (int n = 0; !stop.load(); ++n) {
            const float v = values.next() * 0.5f + 0.5f;
            fx->setParameter(n % 22, v);
            fx->setParameter(kSpeed, v);
            if (n % 50 == 0) fx->selectProgram(n / 50 % kProgramCount);
        }
    });
    const Stereo in = noise(44100 * 2, 1.0f);
    const Stereo out = render(*fx, in, 64);
    stop = true;
    changer.join();
    EXPECT_TRUE(allFinite(out.left));
    EXPECT_TRUE(allFinite(out.right));
    EXPECT_LE(peakOf(out.left), 4.0f);
    EXPECT_LE(peakOf(out.right), 4.0f);
}

}  // namespace
