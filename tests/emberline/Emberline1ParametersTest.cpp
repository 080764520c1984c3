#include <cstring>
#include <utility>
#include <vector>

#include "emberline/Emberline1Product.h"
#include "emberline2/Emberline2Product.h"
#include "emberline2/EmberlineFixture.h"

using namespace vst;

namespace velda::test {
namespace {

struct Emberline1Parameters : EmberlineFixture {
    Emberline1Parameters() : EmberlineFixture(kEmberline1Product) {}

    std::vector<uint8_t> chunk(Emberline& from)
    {
        void* data = nullptr;
        const VstInt32 size = from.getChunk(&data, false);
        return std::vector<uint8_t>(static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);
    }
};

TEST_F(Emberline1Parameters, IdentityAndRecord)
{
    AEffect* record = effect->getAeffect();
    EXPECT_EQ(record->uniqueID, fourCC('Q', 'q', 'E', 'l'));
    EXPECT_EQ(record->numParams, 48);
    EXPECT_EQ(record->numPrograms, 1);
    EXPECT_EQ(record->flags, 0x1031);
    EXPECT_EQ(record->initialDelay, 127);
    char text[256];
    EXPECT_EQ(dispatch(effGetEffectName, 0, 0, text), 1);
    EXPECT_STREQ(text, "Velda Emberline");
    EXPECT_EQ(dispatch(effGetProductString, 0, 0, text), 1);
    EXPECT_STREQ(text, "Velda Emberline - analog saturation & compression emulator");
    EXPECT_EQ(dispatch(effGetVendorVersion), 2510);
    EXPECT_EQ(dispatch(effGetPlugCategory), 4);
}

TEST_F(Emberline1Parameters, NamesLabelsAndDisplaysOfTheFirstLayout)
{
    struct Case {
        int index;
        float value;
        const char* name;
        const char* label;
        const char* display;
    };
    const Case cases[] = {
        {15, 1.0f, " LowSat", " dB ", "6.00"},
        {15, 0.0f, " LowSat", " dB ", "-6.00"},
        {17, 0.75f, " HighSat ", " dB ", "3.00"},
        {18, 1.0f, " LowRel ", " * ", "4.00"},
        {20, 0.0f, " HighRel ", " * ", "0.25"},
        {23, 0.5f, "-", "-", ""},
        {26, 0.5f, "-", "-", ""},
        {27, 0.5f, "-", " ms ", "-"},
        {28, 0.4f, " FineTune ", " % ", "25"},
        {29, 0.5f, "-", "-", ""},
        {31, 1.0f, "-", "", "-"},
        {32, 1.0f, " Long ", "", " Long "},
        {33, 0.0f, " Auto ", "", " Off "},
        {34, 1.0f, " Brickwall ", "", " BrickWall "},
        {35, 1.0f, " MeterScale ", " dB ", "-40..+6"},
        {36, 0.5f, " L R ", "", " L "},
        {47, 0.5f, "-", "-", ""},
        {48, 0.5f, "-", "-", ""},
        {49, 0.5f, " VU Integr ", " ms ", "300"},
        {53, 0.2222222f, " OverIndic ", " samples ", "3.000000"},
        {54, 1.0f, " Knob Mode ", " ", " Linear "},
        {65, 0.5f, "-", "-", ""},
    };
    for (const Case& c : cases) {
        effect->setParameter(c.index, c.value);
        EXPECT_EQ(name(c.index), c.name) << c.index;
        EXPECT_EQ(label(c.index), c.label) << c.index;
        EXPECT_EQ(display(c.index), c.display) << c.index << " at " << c.value;
    }
}

TEST_F(Emberline1Parameters, SaturationAndBandReleaseMappings)
{
    effect->setParameter(15, 1.0f);
    EXPECT_NEAR(values().lowSat.get(), 2.0, 1e-12);
    EXPECT_NEAR(values().lowSatInv.get(), 0.5, 1e-12);
    effect->setParameter(16, 0.0f);
    EXPECT_NEAR(values().midSat.get(), 0.5, 1e-12);
    EXPECT_FLOAT_EQ(effect->getParameterValue(16), 0.5f);
    effect->setParameter(18, 1.0f);
    EXPECT_NEAR(values().lowReleaseMul.get(), 4.0, 1e-12);
}

TEST_F(Emberline1Parameters, InertOversamplingSwitch)
{
    values().takeRequests();
    effect->setParameter(31, 1.0f);
    EXPECT_EQ(values().fatOn.get(), 0);
    EXPECT_EQ(effect->getParameterValue(31), 0.0f);
    EXPECT_EQ(effect->getParameter(31), 1.0f);
    EXPECT_EQ(values().takeRequests(), 0u);
    for (int p = 0; p < 30; ++p) EXPECT_EQ(effect->programValues(p)[31], 1.0f) << p;
    VstParameterProperties properties{};
    EXPECT_EQ(dispatch(effGetParameterProperties, 31, 0, &properties), 1);
    EXPECT_EQ(properties.flags, 11);
}

TEST_F(Emberline1Parameters, ChannelModeAtItsOwnIndex)
{
    effect->setParameter(65, 0.6f);
    EXPECT_EQ(effect->getParameter(2), 0.0f);
    EXPECT_EQ(effect->getParameter(36), 1.0f);
    EXPECT_EQ(effect->getParameterValue(36), 1.0f);
    EXPECT_EQ(effect->getParameter(65), 0.667f);
    EXPECT_EQ(display(2), " L-R ");
    EXPECT_EQ(effect->programValues(0)[36], 0.0f);
    // Index 57 means nothing here.
    effect->setParameter(57, 0.1f);
    EXPECT_EQ(effect->getParameter(57), 0.0f);
    EXPECT_EQ(effect->getParameter(36), 1.0f);
}

TEST_F(Emberline1Parameters, GlobalsOfTheFirstLayout)
{
    const int globals[] = {0, 2, 21, 22, 27, 31, 35};
    for (int index : globals) effect->setParameter(index, 0.75f);
    effect->setParameter(28, 0.0f);
    effect->selectProgram(4);
    for (int index : globals) EXPECT_EQ(effect->getParameter(index), 0.75f) << index;
    EXPECT_EQ(effect->getParameter(28), 1.0f);  // FineTune belongs to the program
    for (int index : {23, 26, 29, 30, 37, 47}) effect->setParameter(index, 0.3f);
    effect->selectProgram(5);
    EXPECT_EQ(effect->getParameter(23), 0.0f);
    EXPECT_EQ(effect->getParameter(47), 0.0f);
    effect->selectProgram(4);
    EXPECT_EQ(effect->getParameter(23), 0.3f);
}

TEST_F(Emberline1Parameters, HostProperties)
{
    struct Case {
        int index;
        bool answered;
        VstInt32 flags;
        VstInt32 maximum;
    };
    const Case cases[] = {{0, true, 11, 1},  {22, true, 11, 1},  {35, true, 11, 1}, {21, true, 10, 2},
                          {28, true, 10, 3}, {24, false, 0, 0},  {25, false, 0, 0}, {26, false, 0, 0},
                          {36, false, 0, 0}, {27, false, 0, 0}};
    for (const Case& c : cases) {
        VstParameterProperties properties{};
        EXPECT_EQ(dispatch(effGetParameterProperties, c.index, 0, &properties) != 0, c.answered) << c.index;
        if (!c.answered) continue;
        EXPECT_EQ(properties.flags, c.flags) << c.index;
        EXPECT_EQ(properties.maxInteger, c.maximum) << c.index;
    }
}

TEST_F(Emberline1Parameters, PreferencesAboveTheHostRange)
{
    EXPECT_EQ(effect->getParameter(50), 0.41f);
    EXPECT_EQ(effect->getParameter(53), 2.0f / 9.0f);
    EXPECT_EQ(effect->getParameter(54), 1.0f);
    EXPECT_EQ(effect->getParameter(43), 0.0f);  // a program spare here
    effect->setParameter(53, 0.5f);
    EXPECT_EQ(effect->getParameter(53), 0.5555556f);
    EXPECT_EQ(values().overCount.get(), 6.0);
}

TEST_F(Emberline1Parameters, FactoryPrograms)
{
    char text[64];
    ASSERT_EQ(dispatch(effGetProgramNameIndexed, 20, 0, text), 1);
    EXPECT_STREQ(text, "HeavyRythmGuitar Trk");
    for (int p = 0; p < 30; ++p) {
        const float* v = effect->programValues(p);
        EXPECT_EQ(v[34], 1.0f) << p;
        EXPECT_EQ(v[28], 1.0f) << p;
        EXPECT_EQ(v[31], 0.0f) << p;
        EXPECT_EQ(v[1], (p >= 1 && p <= 17) ? 1.0f : 0.0f) << p;
        EXPECT_EQ(v[3], (p <= 17 || p == 28) ? 1.0f : 0.0f) << p;
        const bool finalizing = p >= 7 && p <= 12;
        EXPECT_EQ(v[18], finalizing ? 1.0f : 0.5f) << p;
        EXPECT_EQ(v[20], finalizing ? 0.0f : 0.5f) << p;
    }
    EXPECT_EQ(effect->getParameter(34), 1.0f);
    EXPECT_EQ(effect->getParameter(1), 0.0f);
    effect->selectProgram(7);
    EXPECT_EQ(display(18), "4.00");
    EXPECT_EQ(display(20), "0.25");
    EXPECT_EQ(label(18), " * ");
}

TEST_F(Emberline1Parameters, LatencyWithoutOversampling)
{
    const struct {
        float rate;
        VstInt32 delay;
        int bandRing;
    } cases[] = {{44100.0f, 127, 64}, {96000.0f, 255, 128}, {192000.0f, 511, 256}};
    for (const auto& c : cases) {
        dispatch(effSetSampleRate, 0, 0, nullptr, c.rate);
        EXPECT_EQ(effect->getAeffect()->initialDelay, c.delay) << c.rate;
        EXPECT_EQ(effect->getBandRingSize(), c.bandRing) << c.rate;
    }
}

TEST_F(Emberline1Parameters, BypassDelayAndInertSwitch)
{
    const int frames = 400;
    const auto render = [&](float inertSwitch) {
        effect->setParameter(0, 0.0f);
        effect->setParameter(31, inertSwitch);
        dispatch(effMainsChanged, 0, 0);
        dispatch(effMainsChanged, 0, 1);
        std::vector<float> left(frames, 0.0f), right(frames, 0.0f), outL(frames), outR(frames);
        left[5] = 0.5f;
        right[9] = -0.25f;
        float* inputs[2] = {left.data(), right.data()};
        float* outputs[2] = {outL.data(), outR.data()};
        effect->processReplacing(inputs, outputs, frames);
        return std::make_pair(outL, outR);
    };
    const auto off = render(0.0f);
    EXPECT_NEAR(off.first[5 + 127], 0.5f, 1e-9);
    EXPECT_NEAR(off.second[9 + 127], -0.25f, 1e-9);
    EXPECT_NEAR(off.first[4 + 127], 0.0f, 1e-9);
    EXPECT_EQ(render(1.0f), off);
}

TEST_F(Emberline1Parameters, ChunkInBothByteOrders)
{
    effect->selectProgram(9);
    effect->setParameter(36, 0.7f);
    std::vector<uint8_t> saved = chunk(*effect);
    ASSERT_EQ(saved.size(), 6512u);
    std::vector<uint8_t> table(effect->programRecord(0), effect->programRecord(0) + 30 * 216);

    std::vector<uint8_t> reversed = saved;
    for (size_t offset = 0; offset < 32; offset += 4) CPresetSystemEffect::byteSwap32(&reversed[offset]);
    for (int p = 0; p < 30; ++p)
        for (int i = 0; i < 48; ++i) CPresetSystemEffect::byteSwap32(&reversed[32 + 216 * p + 24 + 4 * i]);

    for (const auto* bytes : {&saved, &reversed}) {
        effect->selectProgram(0);
        effect->setParameter(36, 0.0f);
        std::vector<uint8_t> copy = *bytes;
        EXPECT_EQ(dispatch(effSetChunk, 0, 6512, copy.data()), 0);
        EXPECT_EQ(effect->getCurrentProgramIndex(), 9);
        EXPECT_EQ(effect->getParameter(36), 0.7f);
        EXPECT_EQ(std::memcmp(effect->programRecord(0), table.data(), table.size()), 0);
    }
}

TEST_F(Emberline1Parameters, ProductsRefuseEachOthersChunks)
{
    Emberline second(FakeHost::callback, kEmberline2Product);
    std::vector<uint8_t> first = chunk(*effect);
    std::vector<uint8_t> other = chunk(second);
    EXPECT_EQ(dispatch(effSetChunk, 0, (VstIntPtr)other.size(), other.data()), -1);
    // The same size with the other product's ID is refused as well.
    std::vector<uint8_t> relabelled = first;
    std::memcpy(relabelled.data() + 4, other.data() + 4, 4);
    EXPECT_EQ(dispatch(effSetChunk, 0, (VstIntPtr)relabelled.size(), relabelled.data()), -1);
    EXPECT_EQ(second.setChunk(first.data(), (VstInt32)first.size(), false), -1);
}

}  // namespace
}  // namespace velda::test
