#include "presets/PresetFileIo.h"

#include <cstdio>
#include <filesystem>

namespace velda::presets {
namespace {

bool isSeparator(char c)
{
    return c == '/' || (std::filesystem::path::preferred_separator == '\\' && c == '\\');
}

}  // namespace

std::optional<ChosenPath> splitChosenPath(std::string_view path)
{
    for (std::size_t i = path.size(); i-- > 0;) {
        if (isSeparator(path[i])) return ChosenPath{std::string(path.substr(0, i + 1)), std::string(path.substr(i + 1))};
    }
    return std::nullopt;
}

std::string joinPath(std::string_view folder, std::string_view fileName)
{
    std::string path(folder);
    if (!path.empty() && !isSeparator(path.back())) path += static_cast<char>(std::filesystem::path::preferred_separator);
    path += fileName;
    return path;
}

std::vector<std::uint8_t> readRecordFile(const std::string& path, std::size_t recordSize)
{
    std::vector<std::uint8_t> bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return bytes;
    bytes.resize(recordSize);
    bytes.resize(std::fread(bytes.data(), 1, recordSize, file));
    std::fclose(file);
    return bytes;
}

bool writeRecordFile(const std::string& path, std::span<const std::uint8_t> record)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(record.data(), 1, record.size(), file) == record.size();
    ok = std::fclose(file) == 0 && ok;
    return ok;
}

}  // namespace velda::presets
