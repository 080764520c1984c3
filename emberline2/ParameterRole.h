// What a parameter index means; the products place the roles at their own indices.
#pragma once
#include <cstdint>

namespace velda {

enum class ParameterRole : uint8_t {
    None,  // no meaning: stores nothing, reads 0
    Spare, // kept in the programs, drives nothing
    Process,
    Mode,
    MonoStereo,
    Link,
    Drive,
    Knee,
    Speed,
    Release,
    HighAdjust,
    LowAdjust,
    HighFreq,
    LowFreq,
    Mix,
    Ceiling,
    Output,
    LowSat,
    MidSat,
    HighSat,
    LowRelease,
    MidRelease,
    HighRelease,
    Meters,
    MeterType,
    MeterDelay,
    FineTune,
    MeterScale,
    Oversampling,
    InertOversampling,  // kept where the oversampling switch was; forces it off
    Long,
    Auto,
    Brickwall,
    ChannelLR,
    VuIntegration,
    VuReference,
    PpmIntegration,
    PpmReturn,
    OverIndicator,
    KnobMode,
    ChannelMode,  // the editor's four-way selector over Mono Stereo and L R
    Count
};

}  // namespace velda
