#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/AudioEffectX.h"
#include "support/FakeHost.h"

using namespace vst;
using velda::test::FakeHost;

namespace {

class BareEffect : public AudioEffectX {
public:
    explicit BareEffect(audioMasterCallback host) : AudioEffectX(host, 1, 4) {}
    void processReplacing(float**, float**, VstInt32) override {}
    static int alive;
    BareEffect(const BareEffect&) = delete;
    ~BareEffect() override { --alive; }
};
int BareEffect::alive = 0;

struct AudioEffectTest : ::testing::Test {
    FakeHost host;
    BareEffect* effect = nullptr;
    AEffect* record = nullptr;
    void SetUp() override
    {
        effect = new BareEffect(FakeHost::callback);
        ++BareEffect::alive;
        record = effect->getAeffect();
    }
    void TearDown() override
    {
        if (BareEffect::alive) record->dispatcher(record, effClose, 0, 0, nullptr, 0);
    }
    VstIntPtr dispatch(VstInt32 op, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr, float opt = 0)
    {
        return record->dispatcher(record, op, index, value, ptr, opt);
    }
};

TEST_F(AudioEffectTest, RecordDefaults)
{
    EXPECT_EQ(record->magic, fourCC('V', 's', 't', 'P'));
    EXPECT_EQ(record->uniqueID, fourCC('N', 'o', 'E', 'f'));
    EXPECT_EQ(record->flags, effFlagsCanReplacing);
    EXPECT_EQ(record->numInputs, 1);
    EXPECT_EQ(record->numOutputs, 2);
    EXPECT_EQ(record->ioRatio, 1.0f);
    EXPECT_EQ(record->version, 1);
    EXPECT_EQ(record->object, effect);
}

TEST_F(AudioEffectTest, FixedDispatcherAnswers)
{
    struct Case {
        VstInt32 opcode;
        VstIntPtr value;
        VstIntPtr expected;
    };
    const Case cases[] = {
        {effIdentify, 0, fourCC('N', 'v', 'E', 'f')},
        {effGetVstVersion, 0, 2400},
        {effSetTotalSampleToProcess, 4096, 4096},
        {effSetProcessPrecision, 1, 1},
        {effSetProcessPrecision, 0, 1},
        {effCanBeAutomated, 0, 1},
        {effGetProgram, 0, 0},
        {effProcessEvents, 0, 0},
        {effString2Parameter, 0, 0},
        {effSetBypass, 1, 0},
        {effGetTailSize, 0, 0},
        {effEditGetRect, 0, 0},
        {effEditOpen, 0, 0},
        {effSetEditKnobMode, 2, 0},
        {effEditKeyDown, 0, 0},
        {9, 0, 0},
        {57, 0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(dispatch(c.opcode, 0, c.value), c.expected) << "opcode " << c.opcode;
    char text[256] = "x";
    EXPECT_EQ(dispatch(effCanDo, 0, 0, (void*)"receiveVstMidiEvent"), 0);
    EXPECT_EQ(dispatch(effCanDo, 0, 0, text), 0);
}

TEST_F(AudioEffectTest, PinProperties)
{
    VstPinProperties pin{};
    EXPECT_EQ(dispatch(effGetInputProperties, 0, 0, &pin), 1);
    EXPECT_STREQ(pin.label, "My 1 In");
    EXPECT_EQ(pin.flags, 3);
    EXPECT_EQ(dispatch(effGetOutputProperties, 1, 0, &pin), 1);
    EXPECT_STREQ(pin.label, "My 2 Out");
    EXPECT_EQ(pin.flags, 1);
    EXPECT_EQ(dispatch(effGetInputProperties, 2, 0, &pin), 0);
}

TEST_F(AudioEffectTest, SpeakerArrangementQueryNullsBothPointers)
{
    VstSpeakerArrangement arrangement{};
    VstSpeakerArrangement* in = &arrangement;
    VstSpeakerArrangement* out = &arrangement;
    EXPECT_EQ(dispatch(effGetSpeakerArrangement, 0, (VstIntPtr)&in, &out), 0);
    EXPECT_EQ(in, nullptr);
    EXPECT_EQ(out, nullptr);
}

TEST_F(AudioEffectTest, SampleRateAndBlockSizeAreStored)
{
    dispatch(effSetSampleRate, 0, 0, nullptr, 96000.0f);
    dispatch(effSetBlockSize, 0, 256);
    EXPECT_EQ(effect->getSampleRate(), 96000.0f);
    EXPECT_EQ(effect->getBlockSize(), 256);
}

TEST_F(AudioEffectTest, HostCallsPassOpcodes)
{
    host.blockSize = 333;
    EXPECT_EQ(effect->updateBlockSize(), 333);
    host.blockSize = 0;
    EXPECT_EQ(effect->updateBlockSize(), 333);
    host.secondInputConnected = false;
    EXPECT_FALSE(effect->isInputConnected(1));
    EXPECT_TRUE(effect->isOutputConnected(1));
    effect->setParameterAutomated(2, 0.25f);
    auto calls = host.calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().opcode, audioMasterAutomate);
    EXPECT_EQ(calls.back().index, 2);
    EXPECT_EQ(calls.back().opt, 0.25f);
    host.version = 0;
    EXPECT_EQ(effect->getMasterVersion(), 1);
}

TEST_F(AudioEffectTest, CloseDeletesTheEffect)
{
    EXPECT_EQ(dispatch(effClose), 1);
    EXPECT_EQ(BareEffect::alive, 0);
}

TEST(Float2String, Examples)
{
    struct Case {
        float value;
        int maxLen;
        const char* expected;
    };
    const Case cases[] = {
        {3.0f, 12, "3.000000"},     {0.5f, 12, "0.500000"},   {-12.25f, 12, "-12.2500"},
        {123456.0f, 12, "123456.0"}, {1e9f, 12, "Huge!"},     {-1e8f, 12, "Huge!"},
        {3.0f, 4, "3.00"},          {1234567.0f, 12, "1234567."}, {1e9f, 3, "Hug"},
    };
    for (const auto& c : cases) {
        char text[32];
        std::memset(text, 'x', sizeof text);
        AudioEffect::float2string(c.value, text, c.maxLen);
        EXPECT_STREQ(text, c.expected) << c.value;
    }
}

}  // namespace
