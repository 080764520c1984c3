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

// The record goes to a side file first and replaces the target only when it was written whole,
// so a failed save (full disk, lost share) never leaves half a file behind.
bool writeRecordFile(const std::string& path, std::span<const std::uint8_t> record)
{
    // An existing file that may not be written (read-only) stays as it is.
    if (std::FILE* existing = std::fopen(path.c_str(), "rb")) {
        std::fclose(existing);
        std::FILE* writable = std::fopen(path.c_str(), "rb+");
        if (!writable) return false;
        std::fclose(writable);
    }
    const std::string sidePath = path + ".saving";
    std::FILE* file = std::fopen(sidePath.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(record.data(), 1, record.size(), file) == record.size();
    ok = std::fflush(file) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    // Where rename does not replace an existing file, the old one goes first.
    if (ok && std::rename(sidePath.c_str(), path.c_str()) != 0) {
        std::remove(path.c_str());
        ok = std::rename(sidePath.c_str(), path.c_str()) == 0;
    }
    if (!ok) std::remove(sidePath.c_str());
    return ok;
}

}  // namespace velda::presets
