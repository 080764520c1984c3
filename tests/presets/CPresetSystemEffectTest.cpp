#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "presets/CPresetSystemEffect.h"
#include "shell/AEffEditor.h"
#include "support/FakeHost.h"

using namespace vst;
using velda::test::FakeHost;

namespace {

constexpr int kParams = 3;
constexpr int kPrograms = 4;
constexpr double kValues[kPrograms][kParams] = {
    {0.0, 0.5, 1.0}, {0.25, 0.75, 0.125}, {0.1, 0.2, 0.3}, {0.9, 0.8, 0.7}};
const velda::FactoryProgram kFactory[kPrograms] = {
    {"First", kValues[0]},
    {"Second", kValues[1]},
    {"Exactly twenty-four char", kValues[2]},
    {"A name longer than twenty-four characters", kValues[3]},
};

class RecordingEditor : public AEffEditor {
public:
    using AEffEditor::AEffEditor;
    std::vector<std::string> names;
    int defaultsLoaded = 0;
    void programNameChanged(const char* name) override { names.push_back(name); }
    void loadDefaults() override { ++defaultsLoaded; }
};

class TestProduct : public CPresetSystemEffect {
public:
    explicit TestProduct(audioMasterCallback host) : CPresetSystemEffect(host, kParams, kPrograms, kFactory)
    {
        setUniqueID(fourCC('T', 'e', 's', 't'));
    }
    void processReplacing(float**, float**, VstInt32) override {}
    void setParameter(VstInt32 index, float value) override
    {
        CPresetSystemEffect::setParameter(index, value);
        if (index >= 0 && index < kParams) applied[index] = value;
        appliedWhileLoading += programLoading;
    }
    float applied[kParams] = {-1, -1, -1};
    int appliedWhileLoading = 0;
};

struct PresetSystemTest : ::testing::Test {
    FakeHost host;
    TestProduct effect{FakeHost::callback};

    std::vector<uint8_t> chunk()
    {
        void* data = nullptr;
        const VstInt32 size = effect.getChunk(&data, false);
        const uint8_t* bytes = static_cast<const uint8_t*>(data);
        return std::vector<uint8_t>(bytes, bytes + size);
    }
    std::vector<uint8_t> table()
    {
        return std::vector<uint8_t>(effect.programRecord(0), effect.programRecord(0) + effect.programRecordSize() * kPrograms);
    }
    VstInt32 load(std::vector<uint8_t> bytes) { return effect.setChunk(bytes.data(), (VstInt32)bytes.size(), false); }
    static void setWord(std::vector<uint8_t>& bytes, size_t offset, uint32_t word)
    {
        std::memcpy(bytes.data() + offset, &word, 4);
    }
    static void setFloat(std::vector<uint8_t>& bytes, size_t offset, float value)
    {
        std::memcpy(bytes.data() + offset, &value, 4);
    }
    size_t valueOffset(int program, int index) const
    {
        return 32 + effect.programRecordSize() * program + 24 + 4 * index;
    }
};

TEST_F(PresetSystemTest, FactoryProgramsFillTheTable)
{
    EXPECT_EQ(effect.getAeffect()->numPrograms, 1);
    EXPECT_EQ(effect.getAeffect()->numParams, kParams);
    EXPECT_TRUE(effect.getAeffect()->flags & effFlagsProgramChunks);
    for (int p = 0; p < kPrograms; ++p)
        for (int i = 0; i < kParams; ++i) EXPECT_EQ(effect.programValues(p)[i], (float)kValues[p][i]);
    EXPECT_EQ(std::string(effect.programName(0), 24), std::string("First") + std::string(19, '\0'));
    // A 24-character name has no terminator in the record; a longer one is cut.
    EXPECT_EQ(std::string(effect.programName(2), 24), "Exactly twenty-four char");
    EXPECT_EQ(std::string(effect.programName(3), 24), "A name longer than twent");
}

TEST_F(PresetSystemTest, ProgramNamesForTheHost)
{
    char text[64];
    std::memset(text, 'x', sizeof(text));
    ASSERT_TRUE(effect.getProgramNameIndexed(0, 3, text));
    EXPECT_STREQ(text, "A name longer than twent");

    std::memset(text, 'x', sizeof(text));
    EXPECT_FALSE(effect.getProgramNameIndexed(0, kPrograms, text));
    EXPECT_FALSE(effect.getProgramNameIndexed(0, -1, text));
    EXPECT_EQ(text[0], 'x');

    EXPECT_EQ(effect.getAeffect()->dispatcher(effect.getAeffect(), effGetProgramNameIndexed, 1, 7, text, 0), 1);
    EXPECT_STREQ(text, "Second");
    EXPECT_EQ(effect.getAeffect()->dispatcher(effect.getAeffect(), effGetProgramNameIndexed, kPrograms, 0, text, 0), 0);
}

TEST_F(PresetSystemTest, RenamingTruncatesAndTellsTheEditor)
{
    auto* editor = new RecordingEditor(&effect);
    effect.setEditor(editor);
    host.clear();
    char longName[] = "Thirty characters long name!!";
    effect.setProgramName(longName);
    char text[64];
    effect.getProgramName(text);
    EXPECT_STREQ(text, "Thirty characters long n");
    ASSERT_EQ(editor->names.size(), 1u);
    EXPECT_EQ(editor->names[0], "Thirty characters long n");
    EXPECT_EQ(host.count(audioMasterUpdateDisplay), 0);

    effect.setCurrentProgramName("Short");
    effect.getProgramName(text);
    EXPECT_STREQ(text, "Short");
    EXPECT_EQ(std::string(effect.programName(0), 24), std::string("Short") + std::string(19, '\0'));
    effect.setCurrentProgramName(nullptr);
    EXPECT_EQ(host.count(audioMasterUpdateDisplay), 2);
}

TEST_F(PresetSystemTest, EditorDefaultsOnlyWithAnEditor)
{
    effect.loadEditorDefaults();
    auto* editor = new RecordingEditor(&effect);
    effect.setEditor(editor);
    effect.loadEditorDefaults();
    EXPECT_EQ(editor->defaultsLoaded, 1);
}

TEST_F(PresetSystemTest, SelectProgramAppliesEveryValueOnce)
{
    host.clear();
    effect.selectProgram(1);
    EXPECT_EQ(effect.getCurrentProgramIndex(), 1);
    for (int i = 0; i < kParams; ++i) EXPECT_EQ(effect.applied[i], (float)kValues[1][i]);
    EXPECT_EQ(effect.appliedWhileLoading, kParams);
    EXPECT_FALSE(effect.isProgramLoading());
    EXPECT_EQ(host.count(audioMasterUpdateDisplay), 1);
    EXPECT_EQ(effect.getProgram(), 0);

    effect.setParameter(2, 0.625f);
    EXPECT_EQ(effect.programValues(1)[2], 0.625f);
    effect.setParameter(kParams, 0.5f);  // outside the table: ignored
    effect.setParameter(-1, 0.5f);
    EXPECT_EQ(effect.programValues(2)[0], (float)kValues[2][0]);
    EXPECT_EQ(effect.getParameter(0), -1.0f);
}

TEST_F(PresetSystemTest, ChunkLayout)
{
    void* first = nullptr;
    void* second = nullptr;
    const VstInt32 size = effect.getChunk(&first, false);
    EXPECT_EQ(size, (VstInt32)(32 + kPrograms * (24 + 4 * kParams)));
    EXPECT_EQ(effect.getChunk(&second, true), size);
    EXPECT_EQ(first, second);
    const uint8_t* bytes = static_cast<const uint8_t*>(first);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes[2], 0);
    EXPECT_EQ(bytes[3], 1);
    VstInt32 id, count;
    std::memcpy(&id, bytes + 4, 4);
    std::memcpy(&count, bytes + 8, 4);
    EXPECT_EQ(id, fourCC('T', 'e', 's', 't'));
    EXPECT_EQ(count, kPrograms);
    for (int i = 16; i < 32; ++i) EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(std::memcmp(bytes + 32, effect.programRecord(0), effect.programRecordSize() * kPrograms), 0);
}

TEST_F(PresetSystemTest, ChunkRoundTripRestoresState)
{
    effect.selectProgram(2);
    effect.setParameter(1, 0.333f);
    effect.setCurrentProgramName("Saved");
    const std::vector<uint8_t> saved = chunk();
    const std::vector<uint8_t> savedTable = table();

    effect.selectProgram(0);
    effect.setParameter(0, 0.9f);
    effect.setCurrentProgramName("Changed");
    host.clear();
    EXPECT_EQ(load(saved), 0);
    EXPECT_EQ(table(), savedTable);
    EXPECT_EQ(effect.getCurrentProgramIndex(), 2);
    EXPECT_EQ(effect.applied[1], 0.333f);
    EXPECT_EQ(host.count(audioMasterUpdateDisplay), 1);
}

TEST_F(PresetSystemTest, ByteReversedChunkLoadsTheSameState)
{
    effect.selectProgram(3);
    effect.setParameter(0, 0.0625f);
    std::vector<uint8_t> reversed = chunk();
    const std::vector<uint8_t> savedTable = table();
    for (size_t offset = 0; offset < 32; offset += 4) CPresetSystemEffect::byteSwap32(&reversed[offset]);
    for (int p = 0; p < kPrograms; ++p)
        for (int i = 0; i < kParams; ++i) CPresetSystemEffect::byteSwap32(&reversed[valueOffset(p, i)]);

    effect.selectProgram(0);
    effect.setParameter(0, 0.5f);
    EXPECT_EQ(load(reversed), 0);
    EXPECT_EQ(table(), savedTable);
    EXPECT_EQ(effect.getCurrentProgramIndex(), 3);
    EXPECT_EQ(effect.applied[0], 0.0625f);
}

TEST_F(PresetSystemTest, RejectedChunksChangeNothing)
{
    struct Case {
        const char* what;
        void (*damage)(std::vector<uint8_t>&, size_t firstValue);
        VstInt32 expected;
    };
    const Case cases[] = {
        {"foreign id", [](std::vector<uint8_t>& c, size_t) { setWord(c, 4, fourCC('O', 't', 'h', 'r')); }, -1},
        {"wrong format word", [](std::vector<uint8_t>& c, size_t) { setWord(c, 0, 0x02000000u); }, -1},
        {"format word of the other order", [](std::vector<uint8_t>& c, size_t) { setWord(c, 0, 1u); }, -1},
        {"wrong program count", [](std::vector<uint8_t>& c, size_t) { setWord(c, 8, kPrograms + 1); }, -1},
        {"NaN value",
         [](std::vector<uint8_t>& c, size_t v) { setFloat(c, v, std::numeric_limits<float>::quiet_NaN()); }, -1},
        {"infinite value",
         [](std::vector<uint8_t>& c, size_t v) { setFloat(c, v, -std::numeric_limits<float>::infinity()); }, -1},
    };
    std::vector<uint8_t> good = chunk();
    for (int p = 0; p < kPrograms; ++p) good[32 + effect.programRecordSize() * p] = 'Z';
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> bad = good;
        c.damage(bad, valueOffset(kPrograms - 1, kParams - 1));
        const std::vector<uint8_t> before = table();
        host.clear();
        EXPECT_EQ(load(bad), c.expected);
        EXPECT_EQ(table(), before);
        EXPECT_EQ(host.count(audioMasterUpdateDisplay), 0);
    }
}

TEST_F(PresetSystemTest, ChunkOfWrongSizeOrMissingIsRefused)
{
    std::vector<uint8_t> good = chunk();
    const std::vector<uint8_t> before = table();
    good[32] = 'Z';
    EXPECT_EQ(effect.setChunk(good.data(), (VstInt32)good.size() - 1, false), -1);
    EXPECT_EQ(effect.setChunk(good.data(), (VstInt32)good.size() + 4, false), -1);
    EXPECT_EQ(effect.setChunk(nullptr, (VstInt32)good.size(), false), -1);
    EXPECT_EQ(table(), before);
}

TEST_F(PresetSystemTest, ChunkWithCurrentIndexOutsideTheTableKeepsTheCurrentProgram)
{
    effect.selectProgram(1);
    std::vector<uint8_t> bytes = chunk();
    bytes[32] = 'Q';
    setWord(bytes, 12, 31);
    host.clear();
    EXPECT_EQ(load(bytes), 0);
    EXPECT_EQ(effect.programName(0)[0], 'Q');
    EXPECT_EQ(effect.getCurrentProgramIndex(), 1);
    EXPECT_EQ(host.count(audioMasterUpdateDisplay), 0);
}

TEST_F(PresetSystemTest, DispatcherRoutesChunksThroughTheRecord)
{
    AEffect* record = effect.getAeffect();
    void* data = nullptr;
    const VstIntPtr size = record->dispatcher(record, effGetChunk, 1, 0, &data, 0);
    ASSERT_NE(data, nullptr);
    std::vector<uint8_t> copy(static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);
    EXPECT_EQ(record->dispatcher(record, effSetChunk, 0, size, copy.data(), 0), 0);
    EXPECT_EQ(record->dispatcher(record, effSetChunk, 0, size - 1, copy.data(), 0), -1);
    EXPECT_EQ(record->dispatcher(record, effGetProgram, 0, 0, nullptr, 0), 0);
}

}  // namespace
