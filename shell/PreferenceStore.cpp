#include "shell/PreferenceStore.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "platform/Registry.h"

namespace velda {
namespace {

constexpr const char* preferenceKey = "Emberline20";
constexpr std::size_t storedSize = 4;

struct PreferenceEntry {
    const char* valueName;
    float defaultValue;
};

constexpr std::array<PreferenceEntry, preferenceCount> preferenceTable{{
    {"vuintegration", 0.5f},
    {"vureference", 0.41f},
    {"ppmintegration", 0.5f},
    {"ppmreturn", 0.5f},
    {"overcounter", 2.0f / 9.0f},
    {"knobmode", 1.0f},
}};

const PreferenceEntry& entryOf(Preference p) { return preferenceTable[static_cast<std::size_t>(p)]; }

bool isKnown(Preference p)
{
    const auto i = static_cast<int>(p);
    return i >= 0 && i < preferenceCount;
}

}  // namespace

float preferenceDefault(Preference p) { return isKnown(p) ? entryOf(p).defaultValue : 0.5f; }

const char* preferenceValueName(Preference p) { return isKnown(p) ? entryOf(p).valueName : ""; }

float readPreference(Preference p)
{
    const float fallback = preferenceDefault(p);
    if (!isKnown(p)) return fallback;
    const auto key = platform::RegistryKey::openForQuery(preferenceKey);
    if (!key) return fallback;
    const auto stored = key->read(entryOf(p).valueName, storedSize);
    if (!stored || stored->bytes.size() != storedSize) return fallback;
    const std::uint32_t bits = static_cast<std::uint32_t>(stored->bytes[0]) |
                               static_cast<std::uint32_t>(stored->bytes[1]) << 8 |
                               static_cast<std::uint32_t>(stored->bytes[2]) << 16 |
                               static_cast<std::uint32_t>(stored->bytes[3]) << 24;
    float value;
    std::memcpy(&value, &bits, sizeof value);
    // A damaged store must never reach the meters or the processing.
    if (!std::isfinite(value) || value < 0.0f || value > 1.0f) return fallback;
    return value;
}

void writePreference(Preference p, float value)
{
    if (!isKnown(p) || !std::isfinite(value)) return;
    auto key = platform::RegistryKey::createForWrite(preferenceKey);
    if (!key) return;
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const std::array<std::uint8_t, storedSize> bytes{
        static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8), static_cast<std::uint8_t>(bits >> 16),
        static_cast<std::uint8_t>(bits >> 24)};
    key->writeBinary(entryOf(p).valueName, bytes);
}

std::optional<Preference> preferenceForHiddenIndex(int index, int parameterCount)
{
    const int offset = index - (parameterCount + 1);
    if (offset < 0 || offset >= preferenceCount) return std::nullopt;
    return static_cast<Preference>(offset);
}

int hiddenIndexOf(Preference p, int parameterCount) { return parameterCount + 1 + static_cast<int>(p); }

}  // namespace velda
