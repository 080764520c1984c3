#include <cmath>
#include <limits>

#include "EmberlineFixture.h"
#include "emberline2/Emberline2Product.h"

using namespace vst;

namespace velda::test {
namespace {

struct Emberline2Parameters : EmberlineFixture {
    Emberline2Parameters() : EmberlineFixture(kEmberline2Product) {}
};

TEST_F(Emberline2Parameters, NamesAndLabelsKeepTheirBlanks)
{
    struct Case {
        int index;
        const char* name;
        const char* label;
    };
    const Case cases[] = {
        {0, " Process ", ""},         {1, " Mode", ""},           {2, " Mono Stereo", ""},
        {4, " Drive ", " dB "},       {5, " Knee ", " % "},       {7, " Release ", " * "},
        {11, " LowFreq ", " Hz "},    {15, " LowSat", " dB "},    {16, " MidSat ", " dB "},
        {21, " Meters ", ""},         {23, "-", " ms "},          {24, " FineTune ", " % "},
        {25, " MeterScale ", " dB "}, {26, " FAT ", ""},          {30, " L R ", ""},
        {31, "-", "-"},               {35, "-", "-"},             {41, "-", "-"},
        {42, "-", "-"},               {43, " VU Integr ", " ms "}, {44, " VU Refer ", " dBFS "},
        {45, " PPM Integr ", " ms "}, {46, " PPM Return ", " ms "}, {47, " OverIndic ", " samples "},
        {48, " Knob Mode ", " "},     {49, "-", "-"},             {57, "-", "-"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(name(c.index), c.name) << c.index;
        EXPECT_EQ(label(c.index), c.label) << c.index;
    }
}

TEST_F(Emberline2Parameters, DisplaysFollowTheStoredValue)
{
    struct Case {
        int index;
        float value;
        const char* expected;
    };
    const Case cases[] = {
        {0, 1.0f, " On "},        {0, 0.0f, " Off "},        {1, 0.5f, " MultiBand "},  {1, 0.2f, " SingleBnd "},
        {3, 0.0f, " Unlinked "},  {4, 0.0f, "-24.00"},       {4, 0.5f, "0.00"},         {4, 1.0f, "24.00"},
        {5, 0.25f, "25.0"},       {6, 1.0f, "100.0"},        {7, 0.5f, "1.00"},         {7, 1.0f, "4.00"},
        {8, 0.0f, "-12.00"},      {10, 1.0f, "16000"},       {10, 0.0f, "1000"},        {11, 0.5f, "100.0"},
        {11, 0.0f, "25.0"},       {12, 0.5f, "50.0"},        {13, 0.5f, "0.00"},        {14, 0.4984f, "-0.04"},
        {15, 1.0f, "12.00"},      {17, 0.0f, "-12.00"},      {18, 0.5f, "1.00"},        {18, 1.0f, "16.00"},
        {20, 0.0f, "0.06"},       {21, 0.0f, " Pre "},       {21, 0.34f, " GainRed "},  {21, 1.0f, " Post "},
        {22, 0.0f, " VU "},       {22, 0.5f, " PPM "},       {23, 0.5f, "-"},           {24, 1.0f, "100"},
        {24, 0.0f, "13"},         {24, 0.4f, "25"},          {24, 0.6f, "50"},          {25, 0.0f, "-20..+3"},
        {25, 1.0f, "-40..+6"},    {26, 1.0f, " FAT "},       {27, 1.0f, " Long "},      {28, 0.0f, " Off "},
        {29, 1.0f, " BrickWall "}, {30, 0.0f, " OO-O"},      {30, 0.5f, " L "},         {30, 0.7f, " R "},
        {35, 0.5f, ""},           {42, 0.5f, ""},            {43, 0.5f, "300"},         {44, 1.0f, "1.0"},
        {45, 0.0f, "0"},          {46, 1.0f, "10000"},       {47, 0.2222222f, "3.000000"}, {47, 1.0f, "10.00000"},
        {48, 1.0f, " Linear "},   {48, 0.0f, " Circular "},
    };
    for (const Case& c : cases) {
        effect->setParameter(c.index, c.value);
        EXPECT_EQ(display(c.index), c.expected) << c.index << " at " << c.value;
    }
}

TEST_F(Emberline2Parameters, MonoStereoDisplayDependsOnTheChannelChoice)
{
    effect->setParameter(30, 0.0f);
    effect->setParameter(2, 0.5f);
    EXPECT_EQ(display(2), " Stereo ");
    // Shown as stereo, yet the stereo kernels need a value above one half.
    EXPECT_FLOAT_EQ(values().stereoValue.get(), 0.5f);
    effect->setParameter(2, 0.0f);
    EXPECT_EQ(display(2), " Mono ");
    effect->setParameter(30, 0.5f);
    EXPECT_EQ(display(2), " L-R ");
}

TEST_F(Emberline2Parameters, FineTuneNarrowsTheGainControls)
{
    effect->setParameter(24, 0.4f);
    EXPECT_FLOAT_EQ(effect->getParameterValue(24), 0.25f);
    effect->setParameter(4, 1.0f);
    EXPECT_EQ(display(4), "6.00");
    EXPECT_NEAR(values().driveGain.get(), 2.0, 1e-6);
    EXPECT_NEAR(effect->getParameterValue(4), 6.0f, 1e-5);

    // Ceiling and Output use the square root of the range factor.
    effect->setParameter(13, 1.0f);
    EXPECT_EQ(display(13), "6.00");
    EXPECT_NEAR(values().ceilingGain.get(), 2.0, 1e-6);

    // Widening the range again re-applies the stored gains.
    effect->setParameter(24, 1.0f);
    EXPECT_NEAR(values().driveGain.get(), 16.0, 1e-6);
    EXPECT_NEAR(values().ceilingGain.get(), 4.0, 1e-6);
    EXPECT_EQ(display(4), "24.00");
}

TEST_F(Emberline2Parameters, FineTuneStepsAreExactFractions)
{
    struct Case {
        float value;
        double scale;
        double driveGainAtFull;
        const char* driveAtFull;
    };
    // 0.16666666 reaches the second step only because 3 v + 0.5 is rounded in single precision.
    const Case cases[] = {
        {0.0f, 0.125, std::sqrt(2.0), "3.00"}, {0.16666666f, 0.25, 2.0, "6.00"}, {0.4f, 0.25, 2.0, "6.00"},
        {0.6f, 0.5, 4.0, "12.00"},             {1.0f, 1.0, 16.0, "24.00"},
    };
    for (const Case& c : cases) {
        effect->setParameter(24, c.value);
        effect->setParameter(4, 1.0f);
        EXPECT_EQ(values().fineTuneScale.get(), c.scale) << c.value;
        EXPECT_EQ(effect->getParameterValue(24), (float)c.scale) << c.value;
        EXPECT_EQ(effect->getParameterValue(4), (float)(24.0 * c.scale)) << c.value;
        EXPECT_DOUBLE_EQ(values().driveGain.get(), c.driveGainAtFull) << c.value;
        EXPECT_EQ(display(4), c.driveAtFull) << c.value;
    }
}

TEST_F(Emberline2Parameters, FineTuneReappliesGainsThroughTheFullOperation)
{
    ProductLayout withEditor = kEmberline2Product;
    withEditor.createEditor = createRecordingEditor;
    Emberline other(FakeHost::callback, withEditor);
    auto* editor = static_cast<RecordingEditor*>(other.getEditor());
    ASSERT_NE(editor, nullptr);
    editor->forwarded.clear();
    other.setParameter(4, 0.75f);
    other.setParameter(24, 0.0f);
    const std::vector<int> expected = {4, 13, 4, 8, 9, 14, 24};
    ASSERT_EQ(editor->forwarded.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(editor->forwarded[i].index, expected[i]);
    EXPECT_FLOAT_EQ(other.programValues(0)[4], 0.75f);
    EXPECT_FLOAT_EQ(other.programValues(0)[24], 0.0f);
}

TEST_F(Emberline2Parameters, MetersChooseTheirSource)
{
    effect->setParameter(21, 1.0f);
    EXPECT_EQ(values().meterSource.get(), 2);
    effect->setParameter(21, 0.34f);
    EXPECT_EQ(values().meterSource.get(), 1);
    effect->setParameter(21, 0.2f);
    EXPECT_EQ(values().meterSource.get(), 0);
}

TEST_F(Emberline2Parameters, OverIndicatorKeepsWholeSamples)
{
    effect->setParameter(47, 0.5f);
    EXPECT_EQ(effect->getParameter(47), 0.5555556f);
    EXPECT_EQ(values().overCount.get(), 6.0);
    for (int ninths = 0; ninths <= 9; ++ninths) {
        effect->setParameter(47, (float)ninths / 9.0f);
        EXPECT_EQ(values().overCount.get(), ninths + 1.0) << ninths;
    }
}

TEST_F(Emberline2Parameters, KneeBoundaryIsComparedInSinglePrecision)
{
    effect->setParameter(5, 0.25f);
    EXPECT_EQ(values().kneeMode.get(), 1);
    EXPECT_EQ(values().kneeShape.get(), 0.0);
    EXPECT_DOUBLE_EQ(kneeRationalA(0.0), 42.0);
    effect->setParameter(5, 0.2499f);
    EXPECT_EQ(values().kneeMode.get(), 0);
    EXPECT_NEAR(values().kneeShape.get(), 0.9996, 1e-6);
}

TEST_F(Emberline2Parameters, CeilingDriveInvertsTheCurve)
{
    struct Case {
        float knee;
        float ceiling;
    };
    const Case cases[] = {{0.0f, 0.7f}, {0.1f, 0.7f}, {0.2f, 0.55f}, {0.25f, 0.7f}, {0.6f, 0.6f}, {1.0f, 1.0f}};
    for (const Case& c : cases) {
        effect->setParameter(5, c.knee);
        effect->setParameter(13, c.ceiling);
        const double x = values().ceilingDrive.get();
        const double k = values().kneeShape.get();
        const auto parabola = [](double y) { return y < 1.0 ? 2.0 * y - y * y : 1.0; };
        double t;
        if (values().kneeMode.get() == 0) {
            t = (1.0 - k) * std::min(x, 1.0) + k * parabola(x);
        } else {
            const double a = kneeRationalA(k);
            t = parabola(a * x / (x + a - 1.0));
        }
        EXPECT_NEAR(t, 1.0 / values().ceilingGain.get(), 1e-6) << c.knee << " " << c.ceiling;
        EXPECT_GT(values().smallSignalGain.get(), 0.0);
    }
    // At full ceiling gain the inverse of 1 is 1 and small signals pass at the drive gain.
    effect->setParameter(13, 0.5f);
    effect->setParameter(5, 0.0f);
    EXPECT_EQ(values().ceilingDrive.get(), 1.0);
    EXPECT_NEAR(values().smallSignalGain.get(), 1.0, 1e-6);
}

TEST_F(Emberline2Parameters, GlobalsSurviveProgramChanges)
{
    const int globals[] = {0, 2, 21, 22, 25, 26};
    for (int index : globals) effect->setParameter(index, 0.75f);
    effect->setParameter(23, 0.5f);
    effect->setParameter(4, 0.9f);
    effect->selectProgram(5);
    for (int index : globals) EXPECT_EQ(effect->getParameter(index), 0.75f) << index;
    EXPECT_EQ(effect->getParameter(23), 0.5f);
    EXPECT_EQ(effect->getParameter(4), 0.58f);
    effect->selectProgram(0);
    EXPECT_EQ(effect->getParameter(4), 0.9f);
}

TEST_F(Emberline2Parameters, MeterDelayIsRaisedOrAutomatic)
{
    effect->setParameter(23, 0.05f);
    EXPECT_EQ(effect->getParameter(23), 0.0f);
    EXPECT_EQ(effect->getParameterValue(23), -1.0f);
    EXPECT_EQ(effect->programValues(3)[23], 0.05f);
    effect->setParameter(23, 0.07f);
    EXPECT_EQ(effect->getParameter(23), 0.125f);
    EXPECT_EQ(effect->programValues(3)[23], 0.125f);
    EXPECT_EQ(effect->getParameterValue(23), 0.0f);
    effect->setParameter(23, 1.0f);
    EXPECT_FLOAT_EQ(effect->getParameterValue(23), 1000.0f);
}

TEST_F(Emberline2Parameters, ChannelModeWritesStereoAndChannel)
{
    struct Case {
        float mode;
        float stereo;
        float channel;
        float reported;
    };
    const Case cases[] = {
        {0.6f, 0.0f, 1.0f, 0.667f}, {0.1f, 0.0f, 0.0f, 0.0f}, {0.3f, 0.0f, 0.5f, 0.333f}, {0.9f, 1.0f, 0.0f, 1.0f}};
    for (const Case& c : cases) {
        effect->setParameter(57, c.mode);
        EXPECT_EQ(effect->getParameter(2), c.stereo) << c.mode;
        EXPECT_EQ(effect->getParameter(30), c.channel) << c.mode;
        EXPECT_EQ(effect->getParameter(57), c.reported) << c.mode;
    }
    // Written directly: the programs keep their own values.
    EXPECT_EQ(effect->programValues(0)[30], 0.0f);
}

TEST_F(Emberline2Parameters, ChannelModeClearsOnlyWhenItsValueMoves)
{
    values().takeRequests();
    effect->setParameter(57, 0.9f);
    EXPECT_TRUE(values().takeRequests() & kRequestBufferClear);
    effect->setParameter(57, 0.9f);
    EXPECT_FALSE(values().takeRequests() & kRequestBufferClear);
}

TEST_F(Emberline2Parameters, FatStaysOffAboveOneHundredKilohertz)
{
    effect->setSampleRate(192000.0f);
    effect->setParameter(26, 1.0f);
    EXPECT_EQ(values().fatOn.get(), 0);
    EXPECT_EQ(display(26), " FAT ");
    effect->setSampleRate(48000.0f);
    effect->setParameter(26, 1.0f);
    EXPECT_EQ(values().fatOn.get(), 1);
    EXPECT_EQ(effect->getParameterValue(26), 1.0f);
}

TEST_F(Emberline2Parameters, HostPropertiesOfSwitchesAndSteps)
{
    struct Case {
        int index;
        bool answered;
        VstInt32 flags;
        VstInt32 maximum;
    };
    const Case cases[] = {
        {0, true, 11, 1},  {3, true, 11, 1},  {22, true, 11, 1}, {25, true, 11, 1}, {29, true, 11, 1},
        {21, true, 10, 2}, {24, true, 10, 3}, {4, false, 0, 0},  {23, false, 0, 0}, {30, false, 0, 0},
        {31, false, 0, 0}, {43, false, 0, 0}, {57, false, 0, 0},
    };
    for (const Case& c : cases) {
        VstParameterProperties properties{};
        properties.flags = 0x55;
        EXPECT_EQ(dispatch(effGetParameterProperties, c.index, 0, &properties) != 0, c.answered) << c.index;
        if (!c.answered) {
            EXPECT_EQ(properties.flags, 0x55) << c.index;
            continue;
        }
        EXPECT_EQ(properties.flags, c.flags) << c.index;
        EXPECT_EQ(properties.minInteger, 0);
        EXPECT_EQ(properties.maxInteger, c.maximum) << c.index;
        EXPECT_EQ(properties.stepInteger, 1);
        EXPECT_EQ(properties.largeStepInteger, 1);
    }
}

TEST_F(Emberline2Parameters, MappingsAtTheirEnds)
{
    struct Case {
        int index;
        float value;
        Shared<double> EngineeringValues::*member;
        double expected;
    };
    const Case cases[] = {
        {7, 0.0f, &EngineeringValues::releaseMul, 0.25},
        {10, 0.5f, &EngineeringValues::highSplitHz, 4000.0},
        {11, 1.0f, &EngineeringValues::lowSplitHz, 200.0},
        {15, 1.0f, &EngineeringValues::lowSat, 4.0},
        {16, 0.0f, &EngineeringValues::midSatInv, 4.0},
        {18, 1.0f, &EngineeringValues::lowReleaseMul, 16.0},
        {20, 0.0f, &EngineeringValues::highReleaseMul, 0.0625},
        {8, 1.0f, &EngineeringValues::highGain, 4.0},
        {14, 0.0f, &EngineeringValues::outputGain, 0.25},
        {43, 1.0f, &EngineeringValues::vuIntegrationMs, 3000.0},
        {44, 0.0f, &EngineeringValues::vuReference, 0.06125},
        {45, 1.0f, &EngineeringValues::ppmIntegrationMs, 100.0},
        {46, 0.0f, &EngineeringValues::ppmReturnMs, 100.0},
    };
    for (const Case& c : cases) {
        effect->setParameter(c.index, c.value);
        EXPECT_NEAR((values().*c.member).get(), c.expected, 1e-9 * c.expected) << c.index;
    }
    EXPECT_FLOAT_EQ(values().ppmRatio.get(), 1.0f);
}

TEST_F(Emberline2Parameters, NonFiniteValuesAreIgnored)
{
    const float bad[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity()};
    for (float value : bad) {
        effect->setParameter(4, value);
        effect->setParameter(43, value);
        effect->setParameter(0, value);
    }
    EXPECT_EQ(effect->getParameter(4), 0.5f);
    EXPECT_EQ(effect->programValues(0)[4], 0.5f);
    EXPECT_EQ(effect->getParameter(0), 1.0f);
    EXPECT_TRUE(std::isfinite(values().vuIntegrationMs.get()));
    EXPECT_TRUE(std::isfinite(values().driveGain.get()));
}

TEST_F(Emberline2Parameters, IndicesWithoutMeaningReadZero)
{
    for (int index : {42, 49, 56, 58, 200, -1}) {
        effect->setParameter(index, 0.7f);
        EXPECT_EQ(effect->getParameter(index), 0.0f) << index;
        EXPECT_EQ(effect->getParameterValue(index), 0.0f) << index;
    }
    effect->setParameter(35, 0.7f);
    EXPECT_EQ(effect->getParameter(35), 0.7f);
    EXPECT_EQ(effect->programValues(0)[35], 0.7f);
}

}  // namespace
}  // namespace velda::test
