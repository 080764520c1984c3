// End-to-end runs of the velda executable against a fixture effect, our own plug-in and a
// plug-in of another maker.
#include "tools/ToolRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;
using namespace velda::test;

namespace {

#ifdef _WIN32
constexpr const char* kLibrarySuffix = ".dll";
#else
constexpr const char* kLibrarySuffix = ".so";
#endif

constexpr int kFixtureLatency = 37;

std::string fixture(const std::string& name) { return buildFile(std::string("tests/fixtures/") + name + kLibrarySuffix); }

// A deterministic, non-trivial stereo test signal.
Channels testSignal(size_t frames, int channelCount = 2)
{
    Channels channels(channelCount, std::vector<float>(frames));
    uint32_t state = 12345;
    for (auto& channel : channels)
        for (float& sample : channel) {
            state = state * 1664525u + 1013904223u;
            sample = (float)((int32_t)state / 4294967296.0);
        }
    return channels;
}

class VeldaTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / ("velda-tool-" + std::string(info->name()) + "-" + std::to_string(std::rand()));
        fs::create_directories(dir);
        ASSERT_TRUE(fileExists(veldaExecutable())) << veldaExecutable();
        ASSERT_TRUE(fileExists(fixture("VeldaFixture"))) << fixture("VeldaFixture");
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    std::string file(const std::string& name) const { return nativePath(dir / name); }
    std::set<std::string> filesInDir() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
        return names;
    }

    fs::path dir;
};

TEST_F(VeldaTool, InfoReportsIdentityLatencyParametersAndChunkPrograms)
{
    ToolResult result = runVelda({"info", fixture("VeldaFixture")});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    for (const char* expected : {"\"Velda Fixture\"", "\"velda tests\"", "VtFx", "0x00001030", "37 samples at 44100 Hz",
                                 "\"Gain\" = \"0.500\" \"x\"", "3 kept in the state chunk", "\"Half\"", "\"Mute\""})
        EXPECT_NE(result.output.find(expected), std::string::npos) << expected << "\n" << result.output;
}

TEST_F(VeldaTool, RenderLinesUpWithTheInputAtAnyBlockSizeAndPrecision)
{
    Channels input = testSignal(3000);
    writeFloatWav(file("in.wav"), input);
    const std::vector<std::vector<std::string>> options = {{}, {"--block", "1"}, {"--block", "17"}, {"--double"},
                                                           {"--block", "4096", "--rate", "96000"}};
    for (const auto& extra : options) {
        std::vector<std::string> arguments = {"render", fixture("VeldaFixture"), file("in.wav"), file("out.wav")};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        ToolResult result = runVelda(arguments);
        ASSERT_EQ(result.exitCode, 0) << result.output;
        Channels output = readFloatWav(file("out.wav"));
        ASSERT_EQ(output.size(), 2u);
        ASSERT_EQ(output[0].size(), input[0].size());
        EXPECT_EQ(output, input) << "latency " << kFixtureLatency << " not compensated with options " << extra.size();
    }
}

TEST_F(VeldaTool, RenderLinesUpWhenTheLatencyIsAnnouncedWhileProcessing)
{
    Channels input = testSignal(3000);
    writeFloatWav(file("in.wav"), input);
    ToolResult result = runVelda({"render", fixture("VeldaLateLatency"), file("in.wav"), file("out.wav"), "--block", "256"});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_NE(result.output.find("changed its latency from 0 to 37"), std::string::npos) << result.output;
    EXPECT_EQ(readFloatWav(file("out.wav")), input);
}

TEST_F(VeldaTool, RenderAppliesChunkThenProgramThenParameterValues)
{
    Channels input = testSignal(500);
    writeFloatWav(file("in.wav"), input);
    ASSERT_EQ(runVelda({"chunk", "get", fixture("VeldaFixture"), file("state.chunk")}).exitCode, 0);
    std::string chunk = readText(file("state.chunk"));
    ASSERT_EQ(chunk.size(), 32u + 3 * 32);
    chunk[12] = 2;  // current program: "Mute"
    writeText(file("mute.chunk"), chunk);

    struct Case {
        std::vector<std::string> options;
        float gain;
    } cases[] = {
        {{"--program", "1"}, 0.5f},
        {{"--program", " half "}, 0.5f},
        {{"--program", "Mute"}, 0.0f},
        {{"--set", "0=1"}, 2.0f},
        {{"--program", "1", "--set", "0=0.375"}, 0.75f},
        {{"--chunk", file("mute.chunk")}, 0.0f},
        {{"--chunk", file("mute.chunk"), "--program", "Unity"}, 1.0f},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = {"render", fixture("VeldaFixture"), file("in.wav"), file("out.wav")};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        ToolResult result = runVelda(arguments);
        ASSERT_EQ(result.exitCode, 0) << c.options[0] << " " << c.options[1] << "\n" << result.output;
        Channels output = readFloatWav(file("out.wav"));
        ASSERT_EQ(output[1].size(), input[1].size());
        for (size_t i = 0; i < input[1].size(); ++i) ASSERT_EQ(output[1][i], input[1][i] * c.gain) << c.options[1] << " at " << i;
    }
}

TEST_F(VeldaTool, RenderKeepsTheSampleFormatAndClipsIntegers)
{
    std::vector<std::vector<int16_t>> input(2, std::vector<int16_t>(2000));
    for (size_t i = 0; i < input[0].size(); ++i) {
        input[0][i] = (int16_t)((i * 7919) % 60000 - 30000);
        input[1][i] = (int16_t)(-(int)input[0][i] / 2);
    }
    writePcm16Wav(file("in16.wav"), input);

    ASSERT_EQ(runVelda({"render", fixture("VeldaFixture"), file("in16.wav"), file("out16.wav")}).exitCode, 0);
    int bits = 0;
    EXPECT_EQ(readPcm16Wav(file("out16.wav"), &bits), input);
    EXPECT_EQ(bits, 16);

    // Gain 2: integer output clips at full scale instead of wrapping round.
    ASSERT_EQ(runVelda({"render", fixture("VeldaFixture"), file("in16.wav"), file("loud.wav"), "--set", "0=1"}).exitCode, 0);
    auto loud = readPcm16Wav(file("loud.wav"));
    ASSERT_EQ(loud.size(), 2u);
    for (size_t i = 0; i < input[0].size(); ++i) {
        int expected = std::clamp(2 * (int)input[0][i], -32768, 32767);
        ASSERT_EQ(loud[0][i], expected) << i;
    }

#ifndef _WIN32
    // Through FLAC and AIFF and back: the same 16-bit samples.
    for (const char* name : {"mid.flac", "mid.aiff"}) {
        ASSERT_EQ(runVelda({"render", fixture("VeldaFixture"), file("in16.wav"), file(name)}).exitCode, 0) << name;
        ASSERT_EQ(runVelda({"render", fixture("VeldaFixture"), file(name), file("back.wav")}).exitCode, 0) << name;
        EXPECT_EQ(readPcm16Wav(file("back.wav")), input) << name;
    }
#else
    ToolResult flac = runVelda({"render", fixture("VeldaFixture"), file("in16.wav"), file("out.flac")});
    EXPECT_EQ(flac.exitCode, 2) << flac.output;
#endif
}

TEST_F(VeldaTool, ProgramsShownToTheHostAreSelectedWithSetProgram)
{
    ToolResult info = runVelda({"info", fixture("VeldaVstPrograms")});
    ASSERT_EQ(info.exitCode, 0) << info.output;
    EXPECT_NE(info.output.find("programs        3 (VST programs: 3"), std::string::npos) << info.output;
    EXPECT_EQ(info.output.find("kept in the state chunk"), std::string::npos) << info.output;

    Channels input = testSignal(400);
    writeFloatWav(file("in.wav"), input);
    ToolResult render = runVelda({"render", fixture("VeldaVstPrograms"), file("in.wav"), file("out.wav"), "--program", "Half"});
    ASSERT_EQ(render.exitCode, 0) << render.output;
    Channels output = readFloatWav(file("out.wav"));
    for (size_t i = 0; i < input[0].size(); ++i) ASSERT_EQ(output[0][i], input[0][i] * 0.5f) << i;
}

TEST_F(VeldaTool, MonoInputFeedsBothChannels)
{
    Channels input = testSignal(800, 1);
    writeFloatWav(file("mono.wav"), input);
    ToolResult result = runVelda({"render", fixture("VeldaFixture"), file("mono.wav"), file("out.wav")});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    Channels output = readFloatWav(file("out.wav"));
    ASSERT_EQ(output.size(), 2u);
    EXPECT_EQ(output[0], input[0]);
    EXPECT_EQ(output[1], input[0]);
}

TEST_F(VeldaTool, ChunkSetVerifiesTheRoundTripAndRefusesForeignChunks)
{
    ASSERT_EQ(runVelda({"chunk", "get", fixture("VeldaFixture"), file("state.chunk")}).exitCode, 0);
    ToolResult same = runVelda({"chunk", "set", fixture("VeldaFixture"), file("state.chunk")});
    EXPECT_EQ(same.exitCode, 0) << same.output;
    EXPECT_NE(same.output.find("identical"), std::string::npos) << same.output;

    std::string foreign = readText(file("state.chunk"));
    foreign[4] ^= 0x20;  // another unique ID
    writeText(file("foreign.chunk"), foreign);
    writeText(file("empty.chunk"), "");
    for (const char* name : {"foreign.chunk", "empty.chunk", "missing.chunk"}) {
        ToolResult result = runVelda({"chunk", "set", fixture("VeldaFixture"), file(name)});
        EXPECT_EQ(result.exitCode, 1) << name << "\n" << result.output;
    }
}

TEST_F(VeldaTool, FailuresExplainThemselvesAndLeaveTheOutputUntouched)
{
    writeFloatWav(file("in.wav"), testSignal(100));
    writeText(file("notes.txt"), "not audio\n");
    const std::string untouched = "previous contents";
    writeText(file("out.wav"), untouched);
    const std::string fx = fixture("VeldaFixture");
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        std::string message;
    } cases[] = {
        {{"render", file("absent.so"), file("in.wav"), file("out.wav")}, 1, "no such file"},
        {{"render", fixture("VeldaNotAPlugin"), file("in.wav"), file("out.wav")}, 1, "not a VST 2.4 plug-in"},
        {{"render", fixture("VeldaNullEntry"), file("in.wav"), file("out.wav")}, 1, "returned no effect"},
        {{"render", file("notes.txt"), file("in.wav"), file("out.wav")}, 1, "cannot load plug-in"},
        {{"render", fx, file("absent.wav"), file("out.wav")}, 1, "cannot read audio file"},
        {{"render", fx, file("notes.txt"), file("out.wav")}, 1, "cannot read audio file"},
        {{"render", fx, file("in.wav")}, 2, "usage:"},
        {{"render", fx, file("in.wav"), file("out.wav"), "--block", "0"}, 2, "--block"},
        {{"render", fx, file("in.wav"), file("out.wav"), "--set", "0=2"}, 2, "0 to 1"},
        {{"render", fx, file("in.wav"), file("out.wav"), "--set", "5=0.5"}, 1, "does not exist"},
        {{"render", fx, file("in.wav"), file("out.wav"), "--program", "7"}, 2, "does not exist"},
        {{"render", fx, file("in.wav"), file("out.wav"), "--program", "Loud"}, 2, "no program named"},
        {{"render", fx, file("in.wav"), file("out.wav"), "--rate"}, 2, "needs a value"},
        {{"render", fx, file("in.wav"), file("out.wav"), "--frobnicate"}, 2, "unknown option"},
        {{"render", fx, file("in.wav"), file("out.mp3")}, 2, "audio format"},
        {{"info"}, 2, "missing PLUGIN"},
        {{"chunk", "pull", fx, file("out.wav")}, 2, "unknown action"},
        {{"frobnicate"}, 2, "unknown command"},
        {{}, 2, "usage:"},
    };
    for (const Case& c : cases) {
        ToolResult result = runVelda(c.arguments);
        std::string shown = c.arguments.empty() ? "(none)" : c.arguments.back();
        EXPECT_EQ(result.exitCode, c.exitCode) << shown << "\n" << result.output;
        EXPECT_NE(result.output.find(c.message), std::string::npos) << shown << "\n" << result.output;
        if (!c.arguments.empty()) {
            EXPECT_LE(std::count(result.output.begin(), result.output.end(), '\n'), 2) << result.output;
        }
        EXPECT_EQ(readText(file("out.wav")), untouched) << shown;
    }
    EXPECT_EQ(filesInDir(), (std::set<std::string>{"in.wav", "notes.txt", "out.wav"}));
}

TEST_F(VeldaTool, DemoWritesAudioAndAPlotPerProgram)
{
    ToolResult result = runVelda({"demo", "--out", file("demo"), fixture("VeldaFixture")});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    fs::path demo = dir / "demo";
    Channels input = readFloatWav(nativePath(demo / "input.wav"));
    ASSERT_EQ(input.size(), 2u);
    EXPECT_EQ(input[0].size(), 441000u);
    float peak = 0.0f;
    for (float s : input[0]) peak = std::max(peak, std::fabs(s));
    EXPECT_GT(peak, 1.0f) << "the demo signal holds peaks above full scale";

    struct Expected {
        const char* stem;
        float gain;
    } expected[] = {{"veldafixture-00-unity", 1.0f}, {"veldafixture-01-half", 0.5f}, {"veldafixture-02-mute", 0.0f}};
    for (const Expected& e : expected) {
        Channels output = readFloatWav(nativePath(demo / (std::string(e.stem) + ".wav")));
        ASSERT_EQ(output[0].size(), input[0].size()) << e.stem;
        for (size_t i = 0; i < input[0].size(); i += 97) ASSERT_EQ(output[0][i], input[0][i] * e.gain) << e.stem << " " << i;
        std::string png = readText(nativePath(demo / (std::string(e.stem) + ".png")));
        ASSERT_GT(png.size(), 1000u) << e.stem;
        EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8)) << e.stem;
    }
}

TEST_F(VeldaTool, BenchTimesEveryConfiguration)
{
    ToolResult result =
        runVelda({"bench", fixture("VeldaFixture"), fixture("VeldaFixture") + ":0=0.25,1=1", "--seconds", "1"});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_NE(result.output.find("x realtime"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("as loaded"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("0=0.25,1=1"), std::string::npos) << result.output;
    EXPECT_EQ(runVelda({"bench", fixture("VeldaFixture") + ":0=3"}).exitCode, 2);
}

// The line of a check in the validator's report.
std::string reportLine(const std::string& output, const std::string& check)
{
    size_t at = output.find("  " + check + " ");
    if (at == std::string::npos) return "(no line for " + check + ")";
    return output.substr(at, output.find('\n', at) - at);
}

TEST_F(VeldaTool, ValidatePassesAWellBehavedPlugin)
{
    ToolResult result = runVelda({"validate", fixture("VeldaFixture"), "--strictness", "2", "--seed", "9"});
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_NE(result.output.find(" 0 failed"), std::string::npos) << result.output;
    EXPECT_NE(reportLine(result.output, "reported latency = impulse delay in bypass").find("pass  reported 37, measured 37"),
              std::string::npos)
        << result.output;
    EXPECT_NE(reportLine(result.output, "refuses 1 MB of random bytes").find("pass"), std::string::npos) << result.output;
}

TEST_F(VeldaTool, ValidateFailsAFaultyPlugin)
{
    ToolResult result = runVelda({"validate", fixture("VeldaFaulty"), "--strictness", "1"});
    EXPECT_EQ(result.exitCode, 1) << result.output;
    EXPECT_NE(reportLine(result.output, "reported latency = impulse delay in bypass").find("FAIL  reported 30, measured 37"),
              std::string::npos)
        << result.output;
    EXPECT_NE(reportLine(result.output, "refuses truncated by one byte").find("FAIL"), std::string::npos) << result.output;
    EXPECT_NE(reportLine(result.output, "chunk get, set, get").find("pass"), std::string::npos) << result.output;

    EXPECT_EQ(runVelda({"validate", fixture("VeldaFixture"), "--strictness", "11"}).exitCode, 2);
    EXPECT_EQ(runVelda({"validate", fixture("VeldaNullEntry")}).exitCode, 1);
}

TEST_F(VeldaTool, OwnPluginInfoRenderProgramsAndChunk)
{
    std::string plugin = pluginFile(std::string("VeldaEmberline2") + kLibrarySuffix);
    if (!fileExists(plugin)) GTEST_SKIP() << plugin << " is not built";
    ToolResult info = runVelda({"info", plugin});
    ASSERT_EQ(info.exitCode, 0) << info.output;
    for (const char* expected : {"\"Velda Emberline2\"", "QQEl", "2400", "30 kept in the state chunk", "\"Default\""})
        EXPECT_NE(info.output.find(expected), std::string::npos) << expected;

    Channels input = testSignal(20000);
    writeFloatWav(file("in.wav"), input);
    ToolResult render = runVelda({"render", plugin, file("in.wav"), file("out.wav"), "--program", "3", "--double"});
    ASSERT_EQ(render.exitCode, 0) << render.output;
    EXPECT_EQ(readFloatWav(file("out.wav"))[0].size(), input[0].size());

    ASSERT_EQ(runVelda({"chunk", "get", plugin, file("state.chunk")}).exitCode, 0);
    EXPECT_EQ(readText(file("state.chunk")).size(), 5792u);
    ToolResult set = runVelda({"chunk", "set", plugin, file("state.chunk")});
    EXPECT_EQ(set.exitCode, 0) << set.output;

    ToolResult validate = runVelda({"validate", plugin, "--strictness", "1"});
    EXPECT_EQ(validate.exitCode, 0) << validate.output;
}

TEST_F(VeldaTool, PluginOfAnotherMakerInfoAndRender)
{
    const std::string plugin = "/usr/lib/vst/lsp-plugins/compressor-stereo.so";
#ifdef _WIN32
    GTEST_SKIP() << "the Debian plug-ins are Linux libraries";
#endif
    if (!fileExists(plugin)) GTEST_SKIP() << plugin << " is not installed";
    ToolResult info = runVelda({"info", plugin});
    ASSERT_EQ(info.exitCode, 0) << info.output;
    EXPECT_NE(info.output.find("LSP"), std::string::npos) << info.output;
    writeFloatWav(file("in.wav"), testSignal(10000));
    ToolResult render = runVelda({"render", plugin, file("in.wav"), file("out.wav"), "--set", "0=1"});
    ASSERT_EQ(render.exitCode, 0) << render.output;
    EXPECT_EQ(readFloatWav(file("out.wav"))[1].size(), 10000u);
}

}  // namespace
