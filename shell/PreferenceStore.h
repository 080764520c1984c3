// The six meter and knob preferences shared by every product, kept per user between instances.
#pragma once
#include <optional>

namespace velda {

enum class Preference { VuIntegration, VuReference, PpmIntegration, PpmReturn, OverCounter, KnobMode };

constexpr int preferenceCount = 6;

// The stored value, or the default when it is absent, unreadable or not a normalised value.
float readPreference(Preference p);
// Stores exactly four bytes, a little-endian float; values that are not finite are not stored.
void writePreference(Preference p, float value);
float preferenceDefault(Preference p);
const char* preferenceValueName(Preference p);

// Products keep the preferences as hidden parameters parameterCount + 1 to parameterCount + 6.
std::optional<Preference> preferenceForHiddenIndex(int index, int parameterCount);
int hiddenIndexOf(Preference p, int parameterCount);

}  // namespace velda
