// The preset system's per-user store: default bank and preset, A/B memories and the folder
// and file names last used, under the product's key ("Emberline20", "Emberline10",
// "Cindermote10"). Every call opens the key, does its one job and closes it again.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velda::presets {

enum class StoredRecord { DefaultBank, DefaultPreset, MemoA, MemoB };

const char* storedRecordValueName(StoredRecord which);

bool storeRecord(std::string_view keyName, StoredRecord which, std::span<const std::uint8_t> record);
bool deleteRecord(std::string_view keyName, StoredRecord which);
// The stored bytes; empty when the value or the key is missing or the value is longer
// than recordSize.
std::vector<std::uint8_t> readStoredRecord(std::string_view keyName, StoredRecord which, std::size_t recordSize);

inline constexpr std::size_t locationBufferSize = 257;  // 256 characters and a terminator

struct RecentLocations {
    std::string folder;
    std::string bankFileName;
    std::string presetFileName;
};

// Each text at most 256 bytes; missing values give empty texts.
RecentLocations readRecentLocations(std::string_view keyName);
bool storeRecentLocations(std::string_view keyName, const RecentLocations& locations);

}  // namespace velda::presets
