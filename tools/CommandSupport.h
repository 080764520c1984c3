// What the commands share: error kinds and their exit codes, number parsing, plug-in loading,
// binary files and atomic writes.
#pragma once
#include "tools/PluginHost.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace velda::tool {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Bad command line: exit 2 with the usage line.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Anything else that stops a command: exit 1.
struct ToolError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Runs a command body, turning the errors above into one line on stderr and the exit code.
int runGuarded(const char* command, const char* usage, const std::function<int()>& body);

double parseNumber(const std::string& text, const std::string& what);
long parseInteger(const std::string& text, const std::string& what, long minimum, long maximum);
// The value following option argv[i]; advances i.
std::string optionValue(int argc, char** argv, int& i);

// UTF-8 command-line text to and from paths.
std::filesystem::path toPath(const std::string& utf8);
std::string pathText(const std::filesystem::path& path);

std::unique_ptr<PluginHost> loadPlugin(const std::string& path);

std::vector<uint8_t> readBinaryFile(const std::string& path);
// Writes through a temporary file next to `path` and renames it into place, so a failure
// leaves any existing file untouched. `write` receives the temporary path.
void writeAtomically(const std::string& path, const std::function<void(const std::string& temporary)>& write);
void writeBinaryFile(const std::string& path, const std::vector<uint8_t>& bytes);

// "INDEX=VALUE" with a normalised value.
struct ParameterSetting {
    int index;
    float value;
};
ParameterSetting parseParameterSetting(const std::string& text);
void applyParameterSettings(PluginHost& host, const std::vector<ParameterSetting>& settings);

}  // namespace velda::tool
