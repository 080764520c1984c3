// Everything that tells one Emberline product from the other: identity, parameter rows,
// mappings, programs and processing sizes. The effect class reads only this data.
#pragma once
#include "emberline2/EngineLayout.h"
#include "emberline2/ParameterRole.h"
#include "presets/FactoryProgram.h"
#include "shell/vst2.h"

class AEffEditor;
class AudioEffect;

namespace velda {

enum class DisplayKind : uint8_t {
    Empty,        // ""
    Fixed,        // texts[0]
    Switch,       // texts[1] from 0.5, else texts[0]
    MonoStereo,   // texts[0] mono, texts[1] stereo, texts[2] when a single channel is chosen
    ThreeWay,     // texts[0] below 1/3, texts[1] below 2/3, texts[2] above
    ChannelLR,    // texts[0] below 0.333, texts[1] below 0.66, texts[2] above
    MeterScale,   // texts[1] with the wide scale, else texts[0]
    Linear,       // (scale v + offset) x gain factor, `decimals` decimals
    Engineering,  // scale x the engineering value, `decimals` decimals
    SampleCount,  // the engineering value through float2string
};

// The range factor applied to the gain controls' displays and mappings.
enum class GainFactor : uint8_t { One, FineTune, FineTuneRoot };

struct DisplayRule {
    DisplayKind kind = DisplayKind::Empty;
    const char* texts[3] = {"", "", ""};
    double scale = 1.0;
    double offset = 0.0;
    GainFactor gain = GainFactor::One;
    int decimals = 0;
};

// Shorthands for the rows of the parameter tables.
constexpr DisplayRule emptyDisplay() { return {}; }
constexpr DisplayRule fixedDisplay(const char* text) { return {DisplayKind::Fixed, {text, "", ""}}; }
constexpr DisplayRule switchDisplay(const char* off, const char* on) { return {DisplayKind::Switch, {off, on, ""}}; }
constexpr DisplayRule choiceDisplay(DisplayKind kind, const char* a, const char* b, const char* c = "")
{
    return {kind, {a, b, c}};
}
constexpr DisplayRule linearDisplay(double scale, double offset, GainFactor gain, int decimals)
{
    return {DisplayKind::Linear, {"", "", ""}, scale, offset, gain, decimals};
}
constexpr DisplayRule engineeringDisplay(int decimals, double scale = 1.0)
{
    return {DisplayKind::Engineering, {"", "", ""}, scale, 0.0, GainFactor::One, decimals};
}

enum class HostProperty : uint8_t { None, Switch, ThreeSteps, FourSteps };

struct ParameterRow {
    ParameterRole role;
    const char* name;
    const char* label;
    DisplayRule display;
    bool global;  // written into every program when set
    HostProperty property;
};

// base x growth^v
struct ExponentialMapping {
    double base;
    double growth;
};

using EditorFactory = AEffEditor* (*)(AudioEffect* effect);

struct ProductLayout {
    vst::VstInt32 uniqueId;
    const char* effectName;
    const char* productString;
    const char* presetRegistryKey;
    int numParams;
    int numPrograms;
    const FactoryProgram* factoryPrograms;  // numPrograms entries of numParams values
    const ParameterRow* rows;               // numParams rows, by index
    int firstPreferenceIndex;               // six hidden preference parameters from here
    int channelModeIndex;
    ExponentialMapping saturation;
    ExponentialMapping bandRelease;
    const EngineLayout* engine;
    EditorFactory createEditor;  // null while the product has no editor
};

inline constexpr int kMaxParameterRows = 48;
inline constexpr int kPreferenceCount = 6;
inline constexpr const char* kVendorString = "velda-acoustics.com";
inline constexpr vst::VstInt32 kVendorVersion = 2510;

// The six hidden preference rows, shared by both products in this order.
extern const ParameterRow kPreferenceRows[kPreferenceCount];

}  // namespace velda
