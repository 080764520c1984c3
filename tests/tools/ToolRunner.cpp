#include "tools/ToolRunner.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace velda::test {

namespace fs = std::filesystem;

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string inQuotes(const std::string& text) { return "\"" + text + "\""; }

uint32_t le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | (uint32_t)p[3] << 24; }

}  // namespace

std::string nativePath(const fs::path& path)
{
    std::string text = path.string();
#ifdef _WIN32
    // The build hands Unix paths to the Windows programs running under wine: drive Z: is the root.
    if (!text.empty() && text[0] == '/') text = "Z:" + text;
    for (char& c : text)
        if (c == '/') c = '\\';
#endif
    return text;
}

std::string veldaExecutable()
{
#ifdef _WIN32
    return nativePath(fs::path(environment("VELDA_TOOL_DIR")) / "velda.exe");
#else
    return nativePath(fs::path(environment("VELDA_TOOL_DIR")) / "velda");
#endif
}

std::string buildFile(const std::string& relative)
{
    return nativePath(fs::path(environment("VELDA_BINARY_DIR")) / relative);
}

std::string pluginFile(const std::string& name)
{
    return nativePath(fs::path(environment("VELDA_PLUGIN_DIR")) / name);
}

bool fileExists(const std::string& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

ToolResult runVelda(const std::vector<std::string>& arguments)
{
    fs::path log = fs::temp_directory_path() / ("velda-tool-output-" + std::to_string(std::rand()) + ".txt");
    std::string command = inQuotes(veldaExecutable());
    for (const std::string& argument : arguments) command += " " + inQuotes(argument);
    command += " > " + inQuotes(nativePath(log)) + " 2>&1";
    ToolResult result;
#ifdef _WIN32
    result.exitCode = std::system(inQuotes(command).c_str());  // cmd strips the outer quotes
#else
    int status = std::system(command.c_str());
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    result.output = readText(nativePath(log));
    std::error_code ec;
    fs::remove(log, ec);
    return result;
}

std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

void writeFloatWav(const std::string& path, const Channels& channels, int sampleRate)
{
    std::string bytes;
    auto put32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) bytes += (char)(v >> (8 * i)); };
    auto put16 = [&](uint16_t v) { bytes += (char)v; bytes += (char)(v >> 8); };
    uint16_t count = (uint16_t)channels.size();
    uint32_t frames = channels.empty() ? 0 : (uint32_t)channels[0].size();
    uint32_t dataSize = frames * count * 4;
    bytes += "RIFF";
    put32(36 + dataSize);
    bytes += "WAVEfmt ";
    put32(16);
    put16(3);
    put16(count);
    put32(sampleRate);
    put32(sampleRate * count * 4);
    put16((uint16_t)(count * 4));
    put16(32);
    bytes += "data";
    put32(dataSize);
    for (uint32_t i = 0; i < frames; ++i)
        for (const auto& channel : channels) {
            uint32_t word;
            std::memcpy(&word, &channel[i], 4);
            put32(word);
        }
    writeText(path, bytes);
}

void writePcm16Wav(const std::string& path, const std::vector<std::vector<int16_t>>& channels, int sampleRate)
{
    std::string bytes;
    auto put32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) bytes += (char)(v >> (8 * i)); };
    auto put16 = [&](uint16_t v) { bytes += (char)v; bytes += (char)(v >> 8); };
    uint16_t count = (uint16_t)channels.size();
    uint32_t frames = (uint32_t)channels[0].size();
    bytes += "RIFF";
    put32(36 + frames * count * 2);
    bytes += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(count);
    put32(sampleRate);
    put32(sampleRate * count * 2);
    put16((uint16_t)(count * 2));
    put16(16);
    bytes += "data";
    put32(frames * count * 2);
    for (uint32_t i = 0; i < frames; ++i)
        for (const auto& channel : channels) put16((uint16_t)channel[i]);
    writeText(path, bytes);
}

std::vector<std::vector<int16_t>> readPcm16Wav(const std::string& path, int* bitsOut)
{
    std::string bytes = readText(path);
    const unsigned char* p = (const unsigned char*)bytes.data();
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") || bytes.compare(8, 4, "WAVE"))
        throw std::runtime_error("not a WAV file: " + path);
    int count = 0, bits = 0, tag = 0;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        uint32_t size = le32(p + at + 4);
        if (!bytes.compare(at, 4, "fmt ")) {
            tag = p[at + 8] | p[at + 9] << 8;
            if (tag == 0xFFFE) tag = p[at + 32] | p[at + 33] << 8;
            count = p[at + 10] | p[at + 11] << 8;
            bits = p[at + 22] | p[at + 23] << 8;
        } else if (!bytes.compare(at, 4, "data")) {
            if (bitsOut) *bitsOut = tag == 1 ? bits : -bits;
            if (tag != 1 || bits != 16 || count < 1) return {};
            size_t frames = std::min<size_t>(size, bytes.size() - at - 8) / (2 * count);
            std::vector<std::vector<int16_t>> channels(count, std::vector<int16_t>(frames));
            for (size_t i = 0; i < frames; ++i)
                for (int c = 0; c < count; ++c) {
                    const unsigned char* s = p + at + 8 + (i * count + c) * 2;
                    channels[c][i] = (int16_t)(s[0] | s[1] << 8);
                }
            return channels;
        }
        at += 8 + (size_t)size + (size & 1);
    }
    throw std::runtime_error("no audio data in " + path);
}

Channels readFloatWav(const std::string& path)
{
    std::string bytes = readText(path);
    const unsigned char* p = (const unsigned char*)bytes.data();
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") || bytes.compare(8, 4, "WAVE"))
        throw std::runtime_error("not a WAV file: " + path);
    int count = 0, bits = 0, tag = 0;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        uint32_t size = le32(p + at + 4);
        if (!bytes.compare(at, 4, "fmt ")) {
            tag = p[at + 8] | p[at + 9] << 8;
            if (tag == 0xFFFE) tag = p[at + 32] | p[at + 33] << 8;
            count = p[at + 10] | p[at + 11] << 8;
            bits = p[at + 22] | p[at + 23] << 8;
        } else if (!bytes.compare(at, 4, "data")) {
            if (tag != 3 || bits != 32 || count < 1) throw std::runtime_error("not a float WAV file: " + path);
            size_t frames = std::min<size_t>(size, bytes.size() - at - 8) / (4 * count);
            Channels channels(count, std::vector<float>(frames));
            for (size_t i = 0; i < frames; ++i)
                for (int c = 0; c < count; ++c) std::memcpy(&channels[c][i], p + at + 8 + (i * count + c) * 4, 4);
            return channels;
        }
        at += 8 + (size_t)size + (size & 1);
    }
    throw std::runtime_error("no audio data in " + path);
}

}  // namespace velda::test
