// The parameter set of the track processor: indices, texts, display rules and scopes as data.
#pragma once

#include "presets/FactoryProgram.h"

namespace velda::cindermote {

inline constexpr int kParameterCount = 22;  // seen by the host
inline constexpr int kProgramCount = 13;
inline constexpr int kIndexCount = 29;      // 22 unused, 23..28 the meter and knob preferences

enum ParameterIndex : int {
    kProcess = 0,
    kStereoMono = 2,
    kLink = 3,
    kSpeed = 4,
    kReleaseMul = 5,
    kDrive = 6,
    kLowAdjust = 9,
    kHighAdjust = 11,
    kKnee = 12,
    kOutput = 13,
    kMeters = 14,
    kMeterScale = 15,
    kMeterDelay = 16,
    kUnused = 22,
    kVuIntegration = 23,
    kVuReference = 24,
    kPpmIntegration = 25,
    kPpmReturn = 26,
    kOverIndicator = 27,
    kKnobMode = 28,
};

enum class Display {
    Empty,
    OnOff,
    StereoMono,
    Link,
    Percent,          // v x 100, 1 decimal
    ReleaseMul,       // 2 decimals
    DriveDb,          // decibels of the gain, 2 decimals
    LowDb,
    HighDb,
    OutputDb,
    MeterSource,
    MeterScale,
    VuIntegration,    // ms, 1 decimal
    VuReference,      // decibels, 1 decimal
    PpmIntegration,   // ms, 3 decimals
    PpmReturn,
    OverCount,        // samples, 1 decimal
    KnobMode,
};

enum class Scope { Program, Global, Preference, None };

// What the host is told about the steps of a parameter.
enum class Steps { Continuous, Switch, ThreeWay };

struct ParameterInfo {
    const char* name;
    const char* label;
    Display display;
    Scope scope;
    bool readFromProgram;  // drives nothing; its value is read back from the current program
    Steps steps;
};

extern const ParameterInfo kParameters[kIndexCount];

// The 13 factory programs, 22 values each.
extern const FactoryProgram kFactoryPrograms[kProgramCount];

}  // namespace velda::cindermote
