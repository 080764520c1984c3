// Typed value entry of the Emberline editors: any text, for every knob that takes typed values and
// every fine-tune scale, must give a finite normalised value within 0..1.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "emberline2/KnobEntry.h"

namespace {

constexpr velda::ParameterRole kRoles[] = {
    velda::ParameterRole::Drive,    velda::ParameterRole::Knee,       velda::ParameterRole::Speed,
    velda::ParameterRole::Mix,      velda::ParameterRole::Release,    velda::ParameterRole::HighAdjust,
    velda::ParameterRole::LowAdjust, velda::ParameterRole::HighFreq, velda::ParameterRole::LowFreq,
    velda::ParameterRole::Ceiling,  velda::ParameterRole::Output,
};
constexpr float kFineTunes[] = {0.125f, 0.25f, 0.5f, 1.0f};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);  // stops at an embedded zero
    const float typed = velda::parseTypedNumber(text.c_str());
    for (velda::ParameterRole role : kRoles) {
        const velda::KnobEntry* entry = velda::knobEntryFor(role);
        for (float fineTune : kFineTunes) {
            const float value = velda::typedEntryValue(role, typed, fineTune);
            if (!(value >= 0.0f && value <= 1.0f)) std::abort();
        }
        if (entry) {
            char start[64];
            velda::typedEntryText(*entry, typed, start, sizeof start);
        }
    }
    return 0;
}
