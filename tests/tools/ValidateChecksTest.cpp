// velda validate: editor cycles, allocations while processing, non-finite values and other
// plug-ins in the same process.
#include "tools/ToolRunner.h"

#include <gtest/gtest.h>

using namespace velda::test;

namespace {

#ifdef _WIN32
constexpr const char* kLibrarySuffix = ".dll";
constexpr bool kAllocationsVisible = false;
#else
constexpr const char* kLibrarySuffix = ".so";
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VELDA_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define VELDA_SANITIZED 1
#endif
#endif
#ifdef VELDA_SANITIZED
constexpr bool kAllocationsVisible = false;  // the sanitizer owns the allocation functions
#else
constexpr bool kAllocationsVisible = true;
#endif
#endif

std::string fixture(const std::string& name) { return buildFile(std::string("tests/fixtures/") + name + kLibrarySuffix); }

// The outcome word of one check's report line, or "" when the check did not report.
std::string outcome(const std::string& output, const std::string& check)
{
    size_t at = output.find("  " + check + " ");
    if (at == std::string::npos) return "";
    std::string line = output.substr(at + check.size() + 2, output.find('\n', at) - at - check.size() - 2);
    size_t word = line.find_first_not_of(' ');
    return word == std::string::npos ? "" : line.substr(word, line.find_first_of(" \r", word) - word);
}

constexpr const char* kCycles = "open and close with idle and processing between";
constexpr const char* kAllocations = "no heap allocation while processing";
constexpr const char* kCompanions = "other plug-ins at once, open/close churn";

TEST(ValidateChecks, CleanEditorFixturePassesEveryNewSection)
{
    ToolResult result = runVelda({"validate", fixture("VeldaValidateEditor"), "--strictness", "1", "--with", fixture("VeldaFixture")});
    EXPECT_EQ(result.exitCode, 0) << result.output;
    for (const char* check : {"size before open", kCycles, "effClose with the editor open",
                              "key and idle opcodes while the editor is closed", "setParameter ignores NaN and infinity",
                              kCompanions})
        EXPECT_EQ(outcome(result.output, check), "pass") << check << "\n" << result.output;
    EXPECT_EQ(outcome(result.output, kAllocations), kAllocationsVisible ? "pass" : "skip") << result.output;
    EXPECT_NE(result.output.find("2 plug-ins"), std::string::npos) << result.output;
}

TEST(ValidateChecks, FaultsOfEditorAndAudioThreadFail)
{
    ToolResult leaky = runVelda({"validate", fixture("VeldaLeakyEditor"), "--strictness", "1"});
    EXPECT_EQ(leaky.exitCode, 1) << leaky.output;
    EXPECT_EQ(outcome(leaky.output, kCycles), "FAIL") << leaky.output;

    ToolResult allocating = runVelda({"validate", fixture("VeldaAllocating"), "--strictness", "1"});
    EXPECT_EQ(allocating.exitCode, kAllocationsVisible ? 1 : 0) << allocating.output;
    EXPECT_EQ(outcome(allocating.output, kAllocations), kAllocationsVisible ? "FAIL" : "skip") << allocating.output;
    EXPECT_EQ(outcome(allocating.output, kCycles), "pass") << allocating.output;
}

TEST(ValidateChecks, NonFiniteValuesOfAnotherVendorOnlyWarn)
{
    // The plain fixture stores whatever it is given, in parameters and chunks alike.
    ToolResult result = runVelda({"validate", fixture("VeldaFixture"), "--strictness", "1"});
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(outcome(result.output, "setParameter ignores NaN and infinity"), "warn") << result.output;
    EXPECT_EQ(outcome(result.output, "refuses a chunk with NaN and infinite values"), "warn") << result.output;
    EXPECT_EQ(outcome(result.output, kCompanions), "skip") << result.output;
    EXPECT_EQ(outcome(result.output, "editor"), "skip") << result.output;
}

TEST(ValidateChecks, OwnPluginsTogether)
{
    const std::string names[] = {"VeldaEmberline2", "VeldaEmberline", "VeldaCindermote"};
    std::vector<std::string> arguments = {"validate", pluginFile(names[0] + kLibrarySuffix), "--strictness", "1"};
    for (const std::string& name : names) {
        if (!fileExists(pluginFile(name + kLibrarySuffix))) GTEST_SKIP() << name << " is not built";
        if (name != names[0]) arguments.insert(arguments.end(), {"--with", pluginFile(name + kLibrarySuffix)});
    }
    ToolResult result = runVelda(arguments);
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(outcome(result.output, kCompanions), "pass") << result.output;
    EXPECT_EQ(outcome(result.output, "refuses a chunk with NaN and infinite values"), "pass") << result.output;
    EXPECT_EQ(runVelda({"validate", pluginFile(names[0] + kLibrarySuffix), "--with", fixture("NoSuchPlugin")}).exitCode, 1);
}

}  // namespace
