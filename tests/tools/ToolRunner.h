// Runs the velda executable for end-to-end tests and exchanges float WAV files with it.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace velda::test {

struct ToolResult {
    int exitCode = -1;
    std::string output;  // stdout and stderr together
};

std::string veldaExecutable();
// A file of the build tree (VELDA_BINARY_DIR) or plug-in folder (VELDA_PLUGIN_DIR), as the tool sees it.
std::string buildFile(const std::string& relative);
std::string pluginFile(const std::string& name);
bool fileExists(const std::string& path);
std::string nativePath(const std::filesystem::path& path);

ToolResult runVelda(const std::vector<std::string>& arguments);

using Channels = std::vector<std::vector<float>>;
void writeFloatWav(const std::string& path, const Channels& channels, int sampleRate = 44100);
Channels readFloatWav(const std::string& path);
// 16-bit integer WAV; `bits` tells what a file read back holds.
void writePcm16Wav(const std::string& path, const std::vector<std::vector<int16_t>>& channels, int sampleRate = 44100);
std::vector<std::vector<int16_t>> readPcm16Wav(const std::string& path, int* bits = nullptr);
std::string readText(const std::string& path);
void writeText(const std::string& path, const std::string& text);

}  // namespace velda::test
