#include "presets/PresetDefaults.h"

#include "platform/Registry.h"
#include "platform/RegistryText.h"

namespace velda::presets {
namespace {

constexpr std::size_t maxLocationLength = locationBufferSize - 1;

struct LocationValue {
    const char* valueName;
    std::string RecentLocations::*text;
};

constexpr LocationValue locationValues[] = {
    {"CurrDir", &RecentLocations::folder},
    {"CurrBank", &RecentLocations::bankFileName},
    {"CurrPreset", &RecentLocations::presetFileName},
};

std::string readLocation(const platform::RegistryKey& key, const char* valueName)
{
    const auto stored = key.read(valueName, 2 * locationBufferSize);
    if (!stored) return {};
    std::u16string text;
    for (std::size_t i = 0; i + 1 < stored->bytes.size(); i += 2) {
        const auto unit = static_cast<char16_t>(stored->bytes[i] | stored->bytes[i + 1] << 8);
        if (unit == 0) break;
        text += unit;
    }
    return platform::fromStoredText(text, maxLocationLength);
}

}  // namespace

const char* storedRecordValueName(StoredRecord which)
{
    switch (which) {
    case StoredRecord::DefaultBank: return "DefaultBank";
    case StoredRecord::DefaultPreset: return "DefaultPreset";
    case StoredRecord::MemoA: return "MemoA";
    case StoredRecord::MemoB: return "MemoB";
    }
    return "";
}

bool storeRecord(std::string_view keyName, StoredRecord which, std::span<const std::uint8_t> record)
{
    auto key = platform::RegistryKey::createForWrite(keyName);
    return key && key->writeBinary(storedRecordValueName(which), record);
}

bool deleteRecord(std::string_view keyName, StoredRecord which)
{
    auto key = platform::RegistryKey::createForWrite(keyName);
    return key && key->deleteValue(storedRecordValueName(which));
}

std::vector<std::uint8_t> readStoredRecord(std::string_view keyName, StoredRecord which, std::size_t recordSize)
{
    const auto key = platform::RegistryKey::openForQuery(keyName);
    if (!key) return {};
    auto stored = key->read(storedRecordValueName(which), recordSize);
    return stored ? std::move(stored->bytes) : std::vector<std::uint8_t>{};
}

RecentLocations readRecentLocations(std::string_view keyName)
{
    RecentLocations locations;
    const auto key = platform::RegistryKey::openForQuery(keyName);
    if (!key) return locations;
    for (const auto& value : locationValues) locations.*value.text = readLocation(*key, value.valueName);
    return locations;
}

bool storeRecentLocations(std::string_view keyName, const RecentLocations& locations)
{
    auto key = platform::RegistryKey::createForWrite(keyName);
    if (!key) return false;
    bool ok = true;
    for (const auto& value : locationValues) {
        ok = key->writeString(value.valueName, platform::toStoredText(locations.*value.text, maxLocationLength)) && ok;
    }
    return ok;
}

}  // namespace velda::presets
