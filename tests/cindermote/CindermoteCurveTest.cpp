// The values derived from the transfer curve and the latency in milliseconds, checked against
// the curve itself rather than against the formulas that produce them.
#include <cmath>

#include "cindermote/CindermoteParameters.h"
#include "tests/cindermote/CindermoteFixture.h"

using namespace vst;
using namespace velda::cindermote;
using velda::test::CindermoteFixture;
using velda::test::dispatch;

namespace {

// The output level of the curve for a driven input x.
double curve(int mode, double k, double x)
{
    if (mode == 0) return x >= 1.0 ? 1.0 : x * (1.0 - k) + (2.0 * x - x * x) * k;
    const double m = 1.4 * std::pow(30.0, 1.0 - std::pow(k, 0.125));
    const double y = x * m / (x + m - 1.0);
    return y >= 1.0 ? 1.0 : 2.0 * y - y * y;
}

struct CurveCase {
    float knee, drive;
    int mode;
};

const CurveCase kCurveCases[] = {
    {0.0f, 0.5f, 0}, {0.1f, 0.5f, 0}, {0.2499f, 0.8f, 0}, {0.25f, 0.5f, 1},
    {0.45f, 0.72f, 1}, {0.75f, 0.8f, 1}, {1.0f, 0.0f, 1}, {0.155f, 1.0f, 0},
};

// The gain-reduction meter divides by the small-signal gain: it must be the curve's slope at
// the smallest envelope, times the drive, or the meter would not read 1.0 without reduction.
TEST_F(CindermoteFixture, SmallSignalGainIsTheSlopeOfTheCurveNearZero)
{
    for (const CurveCase& c : kCurveCases) {
        fx->setParameter(kKnee, c.knee);
        fx->setParameter(kDrive, c.drive);
        const CindermoteValues& v = fx->engineeringValues();
        ASSERT_EQ(v.kneeMode.get(), c.mode) << c.knee;
        const double env = 1e-7;
        const double slope = curve(c.mode, v.kneeShape, env * v.driveGain) / env;
        EXPECT_NEAR(v.smallSignalGain.get() / slope, 1.0, 1e-5) << "knee " << c.knee << " drive " << c.drive;
        EXPECT_EQ(fx->computeSmallSignalGain(), (float)v.smallSignalGain.get());
    }
}

TEST_F(CindermoteFixture, InverseTransferUndoesTheCurve)
{
    for (const CurveCase& c : kCurveCases) {
        fx->setParameter(kKnee, c.knee);
        const CindermoteValues& v = fx->engineeringValues();
        for (float y : {0.01f, 0.25f, 0.5f, 0.9f, 0.999f}) {
            const float x = fx->inverseTransfer(y);
            EXPECT_NEAR(curve(c.mode, v.kneeShape, x), y, 1e-6) << "knee " << c.knee << " y " << y;
        }
        EXPECT_EQ(fx->inverseTransfer(1.0f), 1.0f);
        EXPECT_EQ(fx->inverseTransfer(1.5f), 1.5f);
    }
}

// The ring follows the rate as held; the division falls back to 44100 outside 20000..200000.
TEST_F(CindermoteFixture, LatencyInMilliseconds)
{
    struct Case {
        float rate;
        bool resume;
        double ms;
    };
    const Case cases[] = {
        {44100, true, 63000.0 / 44100.0},  {48000, true, 63000.0 / 48000.0},    {96000, true, 127000.0 / 96000.0},
        {192000, true, 255000.0 / 192000.0}, {10000, false, 63000.0 / 44100.0}, {19999, false, 63000.0 / 44100.0},
        {20000, false, 63000.0 / 20000.0}, {250000, false, 255000.0 / 44100.0}, {200000, false, 255000.0 / 200000.0},
    };
    for (const Case& c : cases) {
        dispatch(*fx, effSetSampleRate, 0, 0, nullptr, c.rate);
        if (c.resume) {
            dispatch(*fx, effMainsChanged, 0, 0);
            dispatch(*fx, effMainsChanged, 0, 1);
        }
        EXPECT_FLOAT_EQ(fx->getLatencyMs(), (float)c.ms) << c.rate;
    }
}

}  // namespace

namespace {

struct PreferenceCase {
    velda::Preference preference;
    int index;
    float stored;         // in the store before the instance is made
    const char* display;  // what the instance then shows
    float changed;        // set on the instance
    float writtenBack;    // in the store after the instance is deleted
};

// Every preference reaches its display at construction; all but the knob mode are written back.
TEST(CindermotePreferences, EachIsReadAppliedAndWrittenBack)
{
    using velda::Preference;
    velda::platform::ScopedRegistryRoot store;
    velda::test::FakeHost host;
    const PreferenceCase cases[] = {
        {Preference::VuIntegration, kVuIntegration, 0.25f, "94.9", 0.75f, 0.75f},
        {Preference::VuReference, kVuReference, 0.8f, "-4.8", 0.1f, 0.1f},
        {Preference::PpmIntegration, kPpmIntegration, 0.2f, "1.517", 0.9f, 0.9f},
        {Preference::PpmReturn, kPpmReturn, 0.75f, "3162.278", 0.3f, 0.3f},
        {Preference::OverCounter, kOverIndicator, 1.0f, "10.0", 0.3f, (float)(3.0 / 9.0)},
        {Preference::KnobMode, kKnobMode, 0.0f, " Circular ", 1.0f, 0.0f},
    };
    for (const PreferenceCase& c : cases) velda::writePreference(c.preference, c.stored);
    {
        Cindermote fx(velda::test::FakeHost::callback);
        for (const PreferenceCase& c : cases) {
            char text[64] = "";
            fx.getParameterDisplay(c.index, text);
            EXPECT_STREQ(text, c.display) << c.index;
            EXPECT_EQ(fx.getParameter(c.index), c.stored) << c.index;
            fx.setParameter(c.index, c.changed);
        }
        EXPECT_EQ(fx.engineeringValues().ppmRatio.get(),
                  (float)(fx.engineeringValues().ppmIntegrationMs.get() / fx.engineeringValues().ppmReturnMs.get()));
    }
    for (const PreferenceCase& c : cases) EXPECT_EQ(velda::readPreference(c.preference), c.writtenBack) << c.index;
    velda::test::writeDefaultPreferences();
}

}  // namespace
