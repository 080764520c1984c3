#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "cindermote/CindermoteParameters.h"
#include "shell/PluginFactory.h"
#include "shell/PreferenceStore.h"
#include "tests/cindermote/CindermoteFixture.h"

using namespace vst;
using namespace velda::cindermote;
using velda::test::CindermoteFixture;
using velda::test::dispatch;

namespace {

using velda::test::writeDefaultPreferences;

struct TextCase {
    int index;
    const char* name;
    const char* label;
};

TEST_F(CindermoteFixture, NamesAndLabelsOfEveryIndex)
{
    const TextCase cases[] = {
        {0, "Process", ""},          {1, "", ""},           {2, "Stereo-Mono", ""}, {3, "Link", ""},
        {4, "Speed", "%"},           {5, "ReleaseMul", "*"}, {6, "Drive", "dB"},     {7, "", ""},
        {8, "", ""},                 {9, "LowAdjust", "dB"}, {10, "", ""},           {11, "HighAdjust", "dB"},
        {12, "Knee", "%"},           {13, "Output", "dB"},  {14, "Meters", ""},     {15, "MeterScale", ""},
        {16, " MeterDelay ", ""},    {17, "", ""},          {18, "", ""},           {21, "", ""},
        {22, "", ""},                {23, "VU Integr", "ms"}, {24, "VU Refer", "dBFS"}, {25, "PPM Integr", "ms"},
        {26, "PPM Return", "ms"},    {27, "OverIndic", " samples "}, {28, "KnobMode", " "}, {29, "", ""},
        {-1, "", ""},
    };
    for (const TextCase& c : cases) {
        char name[64] = "junk", label[64] = "junk";
        dispatch(*fx, effGetParamName, c.index, 0, name);
        dispatch(*fx, effGetParamLabel, c.index, 0, label);
        EXPECT_STREQ(name, c.name) << c.index;
        EXPECT_STREQ(label, c.label) << c.index;
    }
}

TEST_F(CindermoteFixture, DisplaysAfterConstruction)
{
    const char* expected[kIndexCount] = {"On",    "",     "Stereo", "Linked", "100.0", "1.00",    "0.00",     "",
                                         "",      "0.00", "",       "0.00",   "0.0",   "0.00",    "GainRed",  "VU",
                                         "",      "",     "",       "",       "",      "",        "",         "300.0",
                                         "-14.3", "9.050", "1000.000", "3.0", " Linear "};
    for (int i = 0; i < kIndexCount; ++i) EXPECT_EQ(display(i), expected[i]) << i;
    EXPECT_EQ(display(29), "");
}

struct DisplayCase {
    int index;
    float value;
    const char* text;
};

TEST_F(CindermoteFixture, DisplaysFollowTheValue)
{
    const DisplayCase cases[] = {
        {0, 0.49f, "Off"},          {0, 0.5f, "On"},           {2, 0.5f, "Stereo"},      {2, 0.4999f, "Mono"},
        {3, 0.2f, "Unlinked"},      {4, 0.472f, "47.2"},       {5, 0.35f, "0.66"},       {5, 1.0f, "4.00"},
        {6, 1.0f, "24.00"},         {6, 0.0f, "-24.00"},       {6, 0.675f, "8.40"},      {9, 0.35f, "-3.60"},
        {11, 1.0f, "12.00"},        {12, 0.155f, "15.5"},      {13, 0.0f, "-12.00"},     {13, 0.4984f, "-0.04"},
        {14, 0.0f, "Pre"},          {14, 0.3333333f, "GainRed"}, {14, 0.6666667f, "GainRed"}, {14, 0.34f, "GainRed"},
        {14, 1.0f, "Post"},         {15, 0.5f, "PPM"},         {23, 0.0f, "30.0"},       {23, 1.0f, "3000.0"},
        {24, 1.0f, "0.0"},          {25, 0.0f, "0.000"},       {25, 1.0f, "100.000"},    {26, 1.0f, "10000.00"},
        {27, 0.0f, "1.0"},          {27, 0.5f, "6.0"},         {27, 1.0f, "10.0"},       {28, 0.3f, " Circular "},
    };
    for (const DisplayCase& c : cases) {
        fx->setParameter(c.index, c.value);
        EXPECT_EQ(display(c.index), c.text) << c.index << " at " << c.value;
    }
}

TEST_F(CindermoteFixture, EngineeringValueQuery)
{
    fx->setParameter(kStereoMono, 0.5f);
    fx->setParameter(kDrive, 1.0f);
    fx->setParameter(kOutput, 0.0f);
    fx->setParameter(kOverIndicator, 0.5f);
    fx->setParameter(kKnobMode, 0.25f);
    EXPECT_EQ(fx->getParameterValue(kProcess), 1.0f);
    EXPECT_EQ(fx->getParameterValue(kStereoMono), 1.0f);
    EXPECT_EQ(fx->getParameterValue(kSpeed), 100.0f);
    EXPECT_EQ(fx->getParameterValue(kReleaseMul), 1.0f);
    EXPECT_EQ(fx->getParameterValue(kDrive), 24.0f);
    EXPECT_EQ(fx->getParameterValue(kOutput), -12.0f);
    EXPECT_EQ(fx->getParameterValue(kMeterDelay), -1.0f);
    EXPECT_EQ(fx->getParameterValue(kOverIndicator), 6.0f);
    EXPECT_EQ(fx->getParameterValue(kKnobMode), 0.25f);
    EXPECT_EQ(fx->getParameterValue(kMeters), 0.0f);
    EXPECT_NEAR(fx->getParameterValue(kVuReference), std::pow(0.06125, 0.59), 1e-6);
}

TEST_F(CindermoteFixture, OverIndicatorIsQuantisedToNinths)
{
    fx->setParameter(kOverIndicator, 0.5f);
    EXPECT_EQ(fx->getParameter(kOverIndicator), (float)(5.0 / 9.0));
    EXPECT_EQ(fx->engineeringValues().overCount.get(), 6.0);
    fx->setParameter(kOverIndicator, 0.1f);
    EXPECT_EQ(fx->getParameter(kOverIndicator), (float)(1.0 / 9.0));
    EXPECT_EQ(fx->engineeringValues().overCount.get(), 2.0);
}

TEST_F(CindermoteFixture, KneeModeBoundary)
{
    fx->setParameter(kKnee, 0.25f);
    EXPECT_EQ(fx->engineeringValues().kneeMode.get(), 1);
    EXPECT_EQ(fx->engineeringValues().kneeShape.get(), 0.0);
    fx->setParameter(kKnee, 0.2499f);
    EXPECT_EQ(fx->engineeringValues().kneeMode.get(), 0);
    EXPECT_NEAR(fx->engineeringValues().kneeShape.get(), 0.9996, 1e-7);
    // Mode 0 at k = 0.9996: slope 1 + k x 0.999999 near zero.
    EXPECT_EQ(fx->engineeringValues().smallSignalGain.get(),
              (double)(float)(fx->engineeringValues().kneeShape.get() * 1.999999 +
                              (1.0 - fx->engineeringValues().kneeShape.get())));
}

TEST_F(CindermoteFixture, ParameterProperties)
{
    for (int index = -1; index < 30; ++index) {
        VstParameterProperties p{};
        const VstIntPtr answer = dispatch(*fx, effGetParameterProperties, index, 0, &p);
        const bool isSwitch = index == 0 || index == 1 || index == 2 || index == 3 || index == 15 || index == 17;
        if (isSwitch) {
            EXPECT_EQ(answer, 1) << index;
            EXPECT_EQ(p.flags, 11) << index;
            EXPECT_EQ(p.maxInteger, 1);
        } else if (index == kMeters) {
            EXPECT_EQ(answer, 1);
            EXPECT_EQ(p.flags, 10);
            EXPECT_EQ(p.maxInteger, 2);
        } else {
            EXPECT_EQ(answer, 0) << index;
            continue;
        }
        EXPECT_EQ(p.minInteger, 0);
        EXPECT_EQ(p.stepInteger, 1);
        EXPECT_EQ(p.largeStepInteger, 1);
    }
}

TEST_F(CindermoteFixture, UnusedIndicesAndValuesReadFromTheProgram)
{
    fx->setParameter(22, 0.7f);
    EXPECT_EQ(fx->getParameter(22), 0.0f);
    EXPECT_EQ(fx->getParameter(29), 0.0f);
    EXPECT_EQ(fx->getParameter(8), 0.5f);   // program 0 holds 0.5 at index 8
    EXPECT_EQ(fx->getParameter(10), 1.0f);
    fx->programValues(0)[8] = 0.25f;        // a file load writes the table directly
    EXPECT_EQ(fx->getParameter(8), 0.25f);
}

TEST_F(CindermoteFixture, NonFiniteValuesAreIgnored)
{
    const float bad[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity()};
    for (float v : bad) {
        for (int index : {0, 4, 6, 13, 14, 23, 24, 27}) {
            const float before = fx->getParameter(index);
            fx->setParameter(index, v);
            EXPECT_EQ(fx->getParameter(index), before) << index;
        }
    }
    EXPECT_EQ(fx->programValues(0)[6], 0.5f);
    EXPECT_EQ(fx->engineeringValues().driveGain.get(), 1.0);
    EXPECT_EQ(display(6), "0.00");
}

TEST_F(CindermoteFixture, GlobalParametersSurviveProgramChanges)
{
    const int globals[] = {0, 2, 14, 15, 17};
    for (int index : globals) fx->setParameter(index, 0.3f);
    fx->setParameter(kDrive, 0.9f);
    fx->selectProgram(5);
    for (int index : globals) EXPECT_EQ(fx->getParameter(index), 0.3f) << index;
    for (int p = 0; p < kProgramCount; ++p) EXPECT_EQ(fx->programValues(p)[kMeters], 0.3f);
    EXPECT_EQ(fx->getParameter(kDrive), 0.58f);
    fx->selectProgram(0);
    EXPECT_EQ(fx->getParameter(kDrive), 0.9f);  // written into program 0 when it was set
}

TEST_F(CindermoteFixture, FactoryProgramNames)
{
    const char* names[kProgramCount] = {"Default",           "Guitar Track",         "Clean Guitar Track",
                                        "HeavyRythmGuitar Trk", "Lead Guitar 1 Track", "Lead Guitar 2 Track",
                                        "Vintage Guitar Trk", "Bass Line Track",       "Funky Bass Drum Trk",
                                        "Snare Drum Track",  "Track Tape Slow",      "Track Tape Normal",
                                        "Track Tape Fast"};
    for (int p = 0; p < kProgramCount; ++p) {
        char text[32] = "";
        EXPECT_EQ(dispatch(*fx, effGetProgramNameIndexed, p, 0, text), 1);
        EXPECT_STREQ(text, names[p]);
    }
    char text[32] = "";
    EXPECT_EQ(dispatch(*fx, effGetProgramNameIndexed, kProgramCount, 0, text), 0);
}

// The programs in engineering units, as the displays show them.
TEST_F(CindermoteFixture, FactoryProgramsInEngineeringUnits)
{
    struct Row {
        const char *link, *speed, *releaseMul, *drive, *low, *high, *knee, *output;
    };
    const Row rows[kProgramCount] = {
        {"Linked", "100.0", "1.00", "0.00", "0.00", "0.00", "0.0", "0.00"},
        {"Unlinked", "47.2", "0.66", "14.40", "0.00", "6.00", "75.0", "-0.04"},
        {"Unlinked", "100.0", "0.59", "6.00", "-3.60", "1.92", "15.5", "-0.04"},
        {"Unlinked", "70.0", "4.00", "1.92", "-3.60", "3.60", "18.0", "-0.04"},
        {"Unlinked", "100.0", "0.59", "3.84", "-3.60", "0.48", "9.0", "-0.04"},
        {"Unlinked", "100.0", "0.46", "3.84", "-0.60", "0.48", "9.0", "-0.04"},
        {"Unlinked", "14.5", "0.66", "12.00", "6.00", "-6.00", "12.5", "-0.04"},
        {"Unlinked", "28.0", "0.87", "10.56", "3.96", "0.00", "45.0", "-0.04"},
        {"Unlinked", "68.2", "2.43", "10.56", "3.96", "0.00", "8.2", "-0.04"},
        {"Unlinked", "0.0", "1.00", "8.40", "0.00", "0.00", "30.0", "-0.04"},
        {"Unlinked", "25.0", "1.00", "0.00", "-2.40", "-1.92", "20.0", "-0.04"},
        {"Linked", "50.0", "1.00", "0.00", "-1.92", "-1.92", "25.0", "-0.04"},
        {"Unlinked", "75.0", "1.00", "0.00", "-1.92", "-1.20", "25.0", "-0.04"},
    };
    for (int p = 0; p < kProgramCount; ++p) {
        fx->selectProgram(p);
        const Row& r = rows[p];
        EXPECT_EQ(display(kLink), r.link) << p;
        EXPECT_EQ(display(kSpeed), r.speed) << p;
        EXPECT_EQ(display(kReleaseMul), r.releaseMul) << p;
        EXPECT_EQ(display(kDrive), r.drive) << p;
        EXPECT_EQ(display(kLowAdjust), r.low) << p;
        EXPECT_EQ(display(kHighAdjust), r.high) << p;
        EXPECT_EQ(display(kKnee), r.knee) << p;
        EXPECT_EQ(display(kOutput), r.output) << p;
        EXPECT_EQ(display(kProcess), "On");
        EXPECT_EQ(display(kMeters), "GainRed");
    }
}

TEST_F(CindermoteFixture, SnareProgramHasThreeSamplesOfLookAhead)
{
    fx->selectProgram(9);
    float in[2][1] = {{0.0f}, {0.0f}};
    float out[2][1];
    float* inputs[2] = {in[0], in[1]};
    float* outputs[2] = {out[0], out[1]};
    fx->processReplacing(inputs, outputs, 1);
    EXPECT_EQ(fx->engine().attackLength(), 3);
    fx->selectProgram(0);
    fx->processReplacing(inputs, outputs, 1);
    EXPECT_EQ(fx->engine().attackLength(), 52);
}

TEST_F(CindermoteFixture, Identity)
{
    AEffect* record = fx->getAeffect();
    EXPECT_EQ(record->uniqueID, fourCC('Q', 'q', 'C', 'm'));
    EXPECT_EQ(record->numParams, 22);
    EXPECT_EQ(record->numPrograms, 1);
    EXPECT_EQ(record->numInputs, 2);
    EXPECT_EQ(record->numOutputs, 2);
    EXPECT_EQ(record->flags, 0x1031);  // editor, replacing, chunks, double replacing
    EXPECT_EQ(record->initialDelay, 63);
    EXPECT_EQ(dispatch(*fx, effGetVendorVersion), 2510);
    EXPECT_EQ(dispatch(*fx, effGetPlugCategory), 4);
    EXPECT_EQ(dispatch(*fx, effGetVstVersion), 2400);

    char text[200];
    std::memset(text, 'x', sizeof text);
    EXPECT_EQ(dispatch(*fx, effGetEffectName, 0, 0, text), 1);
    EXPECT_STREQ(text, "Velda Cindermote");
    EXPECT_EQ(dispatch(*fx, effGetVendorString, 0, 0, text), 1);
    EXPECT_STREQ(text, "velda-acoustics.com");
    std::memset(text, 'x', sizeof text);
    EXPECT_EQ(dispatch(*fx, effGetProductString, 0, 0, text), 1);
    // The host's buffer holds 64 bytes: the text is cut there and nothing beyond is touched.
    EXPECT_EQ(std::string(text), std::string("Velda Cindermote - analog track saturation & compression emulator", 63));
    EXPECT_EQ(text[64], 'x');
}

TEST_F(CindermoteFixture, SpeakerArrangements)
{
    struct Case {
        int in, out;
        bool accepted, stereoIn, stereoOut;
    };
    const Case cases[] = {{1, 1, true, false, false}, {1, 2, true, false, true}, {2, 2, true, true, true},
                          {2, 1, false, true, true},  {6, 6, false, true, true}, {0, 2, false, true, true}};
    for (const Case& c : cases) {
        VstSpeakerArrangement in{}, out{};
        in.numChannels = c.in;
        out.numChannels = c.out;
        EXPECT_EQ(dispatch(*fx, effSetSpeakerArrangement, 0, (VstIntPtr)&in, &out), c.accepted ? 1 : 0);
        EXPECT_EQ(fx->isStereoIn(), c.stereoIn) << c.in << "/" << c.out;
        EXPECT_EQ(fx->isStereoOut(), c.stereoOut) << c.in << "/" << c.out;
    }
}

TEST(CindermoteFactory, RefusesHostsWithoutVersion)
{
    velda::platform::ScopedRegistryRoot store;
    velda::test::FakeHost host;
    host.version = 0;
    EXPECT_EQ(createEffectInstance(velda::test::FakeHost::callback), nullptr);
    host.version = 2400;
    AudioEffect* effect = createEffectInstance(velda::test::FakeHost::callback);
    ASSERT_NE(effect, nullptr);
    AEffect* record = effect->getAeffect();
    EXPECT_EQ(record->dispatcher(record, effClose, 0, 0, nullptr, 0.0f), 1);
}

TEST(CindermotePreferences, ReadAtConstructionAndWrittenAtDeletionExceptKnobMode)
{
    using velda::Preference;
    velda::platform::ScopedRegistryRoot store;
    velda::test::FakeHost host;
    velda::writePreference(Preference::VuReference, 0.8f);
    velda::writePreference(Preference::KnobMode, 0.0f);
    velda::writePreference(Preference::OverCounter, 0.0f);
    {
        Cindermote fx(velda::test::FakeHost::callback);
        EXPECT_EQ(fx.getParameter(kVuReference), 0.8f);
        EXPECT_EQ(fx.getParameter(kKnobMode), 0.0f);
        EXPECT_EQ(fx.getParameter(kOverIndicator), 0.0f);
        EXPECT_EQ(fx.engineeringValues().overCount.get(), 1.0);
        fx.setParameter(kVuReference, 0.3f);
        fx.setParameter(kKnobMode, 1.0f);
        fx.setParameter(kOverIndicator, 0.5f);
    }
    EXPECT_EQ(velda::readPreference(Preference::VuReference), 0.3f);
    EXPECT_EQ(velda::readPreference(Preference::OverCounter), (float)(5.0 / 9.0));
    EXPECT_EQ(velda::readPreference(Preference::KnobMode), 0.0f);
    writeDefaultPreferences();
}

}  // namespace
