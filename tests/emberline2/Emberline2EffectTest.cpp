#include <cstring>
#include <string>
#include <vector>

#include "EmberlineFixture.h"
#include "emberline2/Emberline2Product.h"
#include "shell/PluginFactory.h"
#include "shell/PreferenceStore.h"

using namespace vst;

namespace velda::test {
namespace {

struct Emberline2Effect : EmberlineFixture {
    Emberline2Effect() : EmberlineFixture(kEmberline2Product) {}
};

std::string textOf(Emberline& effect, VstInt32 opcode)
{
    char text[256] = "";
    AEffect* record = effect.getAeffect();
    EXPECT_EQ(record->dispatcher(record, opcode, 0, 0, text, 0), 1);
    return text;
}

TEST_F(Emberline2Effect, IdentityAndRecord)
{
    AEffect* record = effect->getAeffect();
    EXPECT_EQ(record->uniqueID, fourCC('Q', 'Q', 'E', 'l'));
    EXPECT_EQ(record->numParams, 42);
    EXPECT_EQ(record->numPrograms, 1);
    EXPECT_EQ(record->numInputs, 2);
    EXPECT_EQ(record->numOutputs, 2);
    EXPECT_EQ(record->flags, 0x1031);  // with the editor object
    EXPECT_EQ(record->initialDelay, 639);
    EXPECT_EQ(textOf(*effect, effGetEffectName), "Velda Emberline2");
    EXPECT_EQ(textOf(*effect, effGetProductString), "Velda Emberline2 - analog saturation & compression emulator");
    EXPECT_EQ(textOf(*effect, effGetVendorString), "velda-acoustics.com");
    EXPECT_EQ(dispatch(effGetVendorVersion), 2510);
    EXPECT_EQ(dispatch(effGetPlugCategory), 4);
    VstSpeakerArrangement arrangement{};
    EXPECT_EQ(dispatch(effSetSpeakerArrangement, 0, (VstIntPtr)&arrangement, &arrangement), 0);
    EXPECT_EQ(dispatch(effGetVstVersion), 2400);
}

TEST_F(Emberline2Effect, EditorObjectRaisesTheEditorFlag)
{
    ProductLayout withEditor = kEmberline2Product;
    withEditor.createEditor = createRecordingEditor;
    Emberline other(FakeHost::callback, withEditor);
    EXPECT_EQ(other.getAeffect()->flags, 0x1031);
    // Program 0 reached the editor while it was applied at construction.
    auto* editor = static_cast<RecordingEditor*>(other.getEditor());
    EXPECT_FALSE(editor->forwarded.empty());
}

class DefaultsEditor : public AEffEditor {
public:
    using AEffEditor::AEffEditor;
    ~DefaultsEditor() override { preferenceAtDeletion = readPreference(Preference::VuReference); }
    // Stands for the registry defaults replacing program 0 before it is applied.
    void loadDefaults() override { static_cast<Emberline*>(effect)->programValues(0)[4] = 0.8f; }
    void effectSuspended() override { ++suspends; }
    void effectResumed() override { ++resumes; }
    static inline float preferenceAtDeletion = 0.0f;
    int suspends = 0;
    int resumes = 0;
};

TEST_F(Emberline2Effect, EditorLifecycle)
{
    ProductLayout withEditor = kEmberline2Product;
    withEditor.createEditor = [](AudioEffect* e) -> AEffEditor* { return new DefaultsEditor(e); };
    auto* other = new Emberline(FakeHost::callback, withEditor);
    auto* editor = static_cast<DefaultsEditor*>(other->getEditor());
    EXPECT_EQ(other->getParameter(4), 0.8f);  // defaults loaded before program 0 was applied
    // Suspend, resume and suspend after the editor exists; each suspend ends with a resume.
    EXPECT_EQ(editor->suspends, 2);
    EXPECT_EQ(editor->resumes, 3);
    other->setParameter(44, 0.9f);
    AEffect* record = other->getAeffect();
    EXPECT_EQ(record->dispatcher(record, effClose, 0, 0, nullptr, 0), 1);
    // The preferences were stored before the editor object went.
    EXPECT_EQ(DefaultsEditor::preferenceAtDeletion, 0.9f);
}

TEST_F(Emberline2Effect, ConstructionAppliesProgramZeroAndPreferenceDefaults)
{
    EXPECT_EQ(effect->getCurrentProgramIndex(), 0);
    EXPECT_EQ(effect->getParameter(4), 0.5f);
    EXPECT_EQ(effect->getParameter(1), 0.0f);
    EXPECT_EQ(effect->getParameter(29), 1.0f);
    EXPECT_EQ(effect->getParameter(43), 0.5f);
    EXPECT_EQ(effect->getParameter(44), 0.41f);
    EXPECT_EQ(effect->getParameter(45), 0.5f);
    EXPECT_EQ(effect->getParameter(46), 0.5f);
    EXPECT_EQ(effect->getParameter(47), 2.0f / 9.0f);
    EXPECT_EQ(effect->getParameter(48), 1.0f);
    EXPECT_EQ(values().overCount.get(), 3.0);
    EXPECT_EQ(values().meterSource.get(), 1);
    EXPECT_EQ(values().fineTuneScale.get(), 1.0);
    EXPECT_GE(host.count(audioMasterUpdateDisplay), 1);
}

TEST_F(Emberline2Effect, FactoryProgramNames)
{
    const char* names[30] = {
        "Default",
        "Mastering First Aid",
        "Mix First Aid 1",
        "Mix First Aid 2",
        "Mix First Aid 3",
        "Mix First Aid 4",
        "Mix Extra Pressure",
        "Mix Finalize 1",
        "Mix Finalize 2",
        "Mix Finalize 3",
        "Mix liteDriven Tape",
        "Mix semiDriven Tape",
        "Mix heavyDriven Tape",
        "MultiBandLimiter Slow",
        "MultiBandLimiter Fast",
        "MultiBandCompLim Light",
        "MultiBandCompLim Med",
        "MultiBandCompLim Heavy",
        "Guitar Track",
        "Clean Guitar Track",
        "HeavyRythmGuitar Trk",
        "Lead Guitar 1 Track",
        "Lead Guitar 2 Track",
        "Vintage Guitar Trk",
        "Bass Line Track",
        "Funky Bass Drum Trk",
        "Snare Drum Track",
        "Track Tape Slow",
        "Track Tape Normal",
        "Track Tape Fast",
    };
    for (int p = 0; p < 30; ++p) {
        char text[64] = "";
        EXPECT_EQ(dispatch(effGetProgramNameIndexed, p, 0, text), 1);
        EXPECT_STREQ(text, names[p]);
    }
    char text[64] = "kept";
    EXPECT_EQ(dispatch(effGetProgramNameIndexed, 30, 0, text), 0);
    EXPECT_STREQ(text, "kept");
}

TEST_F(Emberline2Effect, FactoryProgramValues)
{
    for (int p = 0; p < 30; ++p) {
        const float* v = effect->programValues(p);
        EXPECT_EQ(v[29], 1.0f) << p;  // brick-wall on
        EXPECT_EQ(v[26], 0.0f) << p;  // FAT off
        EXPECT_EQ(v[21], 0.5f) << p;  // meters at GainRed
        EXPECT_EQ(v[24], 1.0f) << p;
        EXPECT_EQ(v[1], (p >= 1 && p <= 17) ? 1.0f : 0.0f) << p;
        EXPECT_EQ(v[3], (p <= 17 || p == 28) ? 1.0f : 0.0f) << p;
        for (int i = 31; i < 42; ++i) EXPECT_EQ(v[i], 0.0f);
    }
    const float* finalize = effect->programValues(7);
    EXPECT_EQ(finalize[18], 0.75f);
    EXPECT_EQ(finalize[20], 0.25f);
    const float* vintage = effect->programValues(23);
    const float expected[14] = {0, 0, 0.75f, 0.125f, 0.145f, 0.35f, 0.25f, 0.75f, 0.75f, 0.85f, 0.375f, 0.4984f, 0.5f, 0.5f};
    const int columns[14] = {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 18, 20};
    for (int c = 0; c < 14; ++c) EXPECT_EQ(vintage[columns[c]], expected[c]) << columns[c];
    // Program 7 through the band release mapping.
    effect->selectProgram(7);
    EXPECT_EQ(display(18), "4.00");
    EXPECT_EQ(display(20), "0.25");
}

TEST_F(Emberline2Effect, ChunkCarriesTheWholeBank)
{
    void* data = nullptr;
    EXPECT_EQ(dispatch(effGetChunk, 0, 0, &data), 5792);
    std::string saved(static_cast<char*>(data), 5792);
    effect->setParameter(4, 0.9f);
    EXPECT_EQ(dispatch(effSetChunk, 0, 5792, saved.data()), 0);
    EXPECT_EQ(effect->getParameter(4), 0.5f);
}

TEST_F(Emberline2Effect, LatencyFollowsTheSampleRate)
{
    struct Case {
        float rate;
        VstInt32 delay;
        int delayRing;
    };
    const Case cases[] = {{44100.0f, 639, 512}, {96000.0f, 1151, 1024}, {192000.0f, 2175, 2048}, {300000.0f, 2175, 2048}};
    for (const Case& c : cases) {
        dispatch(effSetSampleRate, 0, 0, nullptr, c.rate);
        EXPECT_EQ(effect->getAeffect()->initialDelay, c.delay) << c.rate;
        EXPECT_EQ(effect->getDelayRingSize(), c.delayRing) << c.rate;
        EXPECT_EQ(effect->getLatencySamples(), (float)c.delay);
    }
    EXPECT_EQ(effect->getSampleRate(), 192000.0f);  // clamped at suspend
    dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
    EXPECT_NEAR(effect->getLatencyMs(), 639.0 * 1000.0 / 44100.0, 1e-3);
}

TEST_F(Emberline2Effect, ProcessingAcceptsMissingSecondChannels)
{
    float left[130];
    float right[130];
    for (int i = 0; i < 130; ++i) left[i] = right[i] = 0.25f;
    float* inputs[2] = {left, nullptr};
    float out[130];
    float* outputs[2] = {out, nullptr};
    effect->processReplacing(inputs, outputs, 130);
    host.secondInputConnected = false;
    host.secondOutputConnected = false;
    float* both[2] = {left, right};
    effect->processReplacing(both, both, 130);
    effect->processReplacing(both, both, 0);
    double dl[64] = {}, dr[64] = {};
    double* din[2] = {dl, dr};
    effect->processDoubleReplacing(din, din, 64);
    EXPECT_GE(host.count(audioMasterPinConnected), 2);
}

TEST_F(Emberline2Effect, BypassDelaysByTheReportedLatencyAndRoutesAMissingInput)
{
    effect->setParameter(0, 0.0f);
    dispatch(effMainsChanged, 0, 1);
    const int frames = 1024;
    const int latency = effect->getAeffect()->initialDelay;
    std::vector<float> left(frames, 0.0f), right(frames, 0.0f), outL(frames, 1.0f), outR(frames, 1.0f);
    left[3] = 0.5f;
    host.secondInputConnected = false;
    float* inputs[2] = {left.data(), right.data()};
    float* outputs[2] = {outL.data(), outR.data()};
    effect->processReplacing(inputs, outputs, frames);
    for (int i = 0; i < frames; ++i) {
        const float expected = i == 3 + latency ? 0.5f : 0.0f;
        ASSERT_NEAR(outL[i], expected, 1e-9) << i;
        ASSERT_NEAR(outR[i], expected, 1e-9) << i;  // the right channel was fed from the left input
    }

    // A missing right output leaves the right result in the shared buffer.
    host.secondInputConnected = true;
    std::vector<double> dl(frames, 0.0), dr(frames, 0.0), shared(frames, 1.0);
    dr[0] = 0.25;
    double* din[2] = {dl.data(), dr.data()};
    double* dout[2] = {shared.data(), nullptr};
    dispatch(effMainsChanged, 0, 0);
    dispatch(effMainsChanged, 0, 1);
    effect->processDoubleReplacing(din, dout, frames);
    EXPECT_NEAR(shared[latency], 0.25, 1e-9);
}

TEST(Emberline2Entry, HostWithoutVersionGetsNothing)
{
    platform::ScopedRegistryRoot registry;
    FakeHost host;
    host.version = 0;
    EXPECT_EQ(createEffectInstance(FakeHost::callback), nullptr);
    host.version = 2400;
    AudioEffect* effect = createEffectInstance(FakeHost::callback);
    ASSERT_NE(effect, nullptr);
    AEffect* record = effect->getAeffect();
    record->dispatcher(record, effClose, 0, 0, nullptr, 0);
}

TEST(Emberline2Entry, CloseDeletesAndStoresPreferences)
{
    platform::ScopedRegistryRoot registry;
    FakeHost host;
    AudioEffect* effect = createEffectInstance(FakeHost::callback);
    ASSERT_NE(effect, nullptr);
    AEffect* record = effect->getAeffect();
    record->setParameter(record, 44, 0.75f);
    record->setParameter(record, 47, 0.5f);
    record->setParameter(record, 48, 0.0f);
    EXPECT_EQ(readPreference(Preference::VuReference), 0.41f);  // nothing written before deletion
    EXPECT_EQ(record->dispatcher(record, effClose, 0, 0, nullptr, 0), 1);
    EXPECT_EQ(readPreference(Preference::VuReference), 0.75f);
    EXPECT_EQ(readPreference(Preference::OverCounter), 0.5555556f);
    EXPECT_EQ(readPreference(Preference::KnobMode), 0.0f);

    // The next instance starts with them.
    AudioEffect* next = createEffectInstance(FakeHost::callback);
    EXPECT_EQ(next->getParameter(44), 0.75f);
    EXPECT_EQ(next->getParameter(47), 0.5555556f);
    delete next;
}

}  // namespace
}  // namespace velda::test
