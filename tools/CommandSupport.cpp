#include "tools/CommandSupport.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include <chrono>
#include <random>

namespace velda::tool {

namespace fs = std::filesystem;

int runGuarded(const char* command, const char* usage, const std::function<int()>& body)
{
    try {
        return body();
    } catch (const UsageError& error) {
        std::fprintf(stderr, "velda %s: %s\nusage: velda %s\n", command, error.what(), usage);
        return kExitUsage;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velda %s: %s\n", command, error.what());
        return kExitFailure;
    }
}

double parseNumber(const std::string& text, const std::string& what)
{
    errno = 0;
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || errno == ERANGE || !std::isfinite(value))
        throw UsageError(what + " must be a number, not '" + text + "'");
    return value;
}

long parseInteger(const std::string& text, const std::string& what, long minimum, long maximum)
{
    errno = 0;
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE)
        throw UsageError(what + " must be a whole number, not '" + text + "'");
    if (value < minimum || value > maximum)
        throw UsageError(what + " must lie in " + std::to_string(minimum) + " to " + std::to_string(maximum));
    return value;
}

std::string optionValue(int argc, char** argv, int& i)
{
    if (i + 1 >= argc) throw UsageError(std::string("option ") + argv[i] + " needs a value");
    return argv[++i];
}

fs::path toPath(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string pathText(const fs::path& path)
{
    std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::unique_ptr<PluginHost> loadPlugin(const std::string& path)
{
    std::string error;
    auto host = PluginHost::load(path, error);
    if (!host) throw ToolError(error);
    return host;
}

std::vector<uint8_t> readBinaryFile(const std::string& path)
{
    std::ifstream in(toPath(path), std::ios::binary);
    if (!in) throw ToolError("cannot read '" + path + "'");
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw ToolError("cannot read '" + path + "'");
    return bytes;
}

void writeAtomically(const std::string& path, const std::function<void(const std::string& temporary)>& write)
{
    fs::path target = toPath(path);
    std::error_code ec;
    if (fs::is_directory(target, ec)) throw ToolError("cannot write '" + path + "': it is a folder");
    fs::path temporary = target;
    // Unique enough for concurrent runs writing next to each other.
    std::random_device entropy;
    auto stamp = (unsigned long long)std::chrono::steady_clock::now().time_since_epoch().count();
    temporary += ".velda-" + std::to_string(entropy()) + "-" + std::to_string(stamp % 1000000) + ".tmp";
    try {
        write(pathText(temporary));
    } catch (...) {
        fs::remove(temporary, ec);
        throw;
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw ToolError("cannot write '" + path + "': " + ec.message());
    }
}

void writeBinaryFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    writeAtomically(path, [&](const std::string& temporary) {
        std::ofstream out(toPath(temporary), std::ios::binary | std::ios::trunc);
        if (!out) throw ToolError("cannot write '" + path + "'");
        out.write((const char*)bytes.data(), (std::streamsize)bytes.size());
        out.close();
        if (!out) throw ToolError("cannot write '" + path + "'");
    });
}

ParameterSetting parseParameterSetting(const std::string& text)
{
    size_t equals = text.find('=');
    if (equals == std::string::npos) throw UsageError("expected INDEX=VALUE, not '" + text + "'");
    ParameterSetting setting{};
    setting.index = (int)parseInteger(text.substr(0, equals), "parameter index", 0, 1 << 20);
    double value = parseNumber(text.substr(equals + 1), "parameter value");
    if (value < 0.0 || value > 1.0) throw UsageError("parameter value must lie in 0 to 1 (normalised)");
    setting.value = (float)value;
    return setting;
}

void applyParameterSettings(PluginHost& host, const std::vector<ParameterSetting>& settings)
{
    for (const ParameterSetting& setting : settings) {
        if (setting.index >= host.effect()->numParams)
            throw ToolError("parameter " + std::to_string(setting.index) + " does not exist (the plug-in has " +
                            std::to_string(host.effect()->numParams) + ")");
        host.setParameter(setting.index, setting.value);
    }
}

}  // namespace velda::tool
