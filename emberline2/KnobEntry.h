// What the large knobs show in the read-out and how a typed engineering value maps back to the
// knob's normalised value.
#pragma once
#include <cstddef>
#include <cstdint>

#include "emberline2/ParameterRole.h"

namespace velda {

struct KnobEntry {
    ParameterRole role;
    int32_t readoutMode;  // CCounter mode of the value under the mouse
    int decimals;         // of the text a typed entry starts with
};

// The entry of a large knob's role; null for every other role.
const KnobEntry* knobEntryFor(ParameterRole role);

// The decimal number at the start of `text` (leading blanks skipped); 0 when there is none.
float parseTypedNumber(const char* text);

// The normalised value for `typed` (the knob's engineering unit), within 0..1. `fineTune` is the
// fine-tune range scale. A value without order (a logarithm of a negative number) gives 0.
float typedEntryValue(ParameterRole role, float typed, float fineTune);

// The start text of an entry: `value` with the knob's decimals.
void typedEntryText(const KnobEntry& entry, float value, char* text, size_t size);

}  // namespace velda
