// Preset and bank files on disk: file types, chosen paths, and whole-record reads and writes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velda::presets {

struct PresetFileType {
    const char* description;
    const char* extension;
};
inline constexpr PresetFileType presetFileType{"Velda Preset", "vdp"};
inline constexpr PresetFileType bankFileType{"Velda Bank", "vdb"};

struct ChosenPath {
    std::string folder;  // up to and including the last separator
    std::string fileName;
};

// Splits at the last path separator ('\' or '/' on Windows, '/' elsewhere); nothing when
// the path has none.
std::optional<ChosenPath> splitChosenPath(std::string_view path);
std::string joinPath(std::string_view folder, std::string_view fileName);

// At most recordSize bytes from the start of the file; empty when it cannot be opened.
// Read-only files load too.
std::vector<std::uint8_t> readRecordFile(const std::string& path, std::size_t recordSize);
// Creates or replaces the file with exactly the record; false when that failed.
bool writeRecordFile(const std::string& path, std::span<const std::uint8_t> record);

}  // namespace velda::presets
