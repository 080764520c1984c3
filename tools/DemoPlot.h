// One PNG per rendered program: input and output waveforms and the gain trace
// (output envelope over input envelope, in dB) over time.
#pragma once
#include "tools/AudioFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velda::tool {

std::vector<uint8_t> plotRender(const std::string& title, const AudioBuffer& input, const AudioBuffer& output);

// Output over input in dB per window of `windowSeconds`; NaN where the input is near silence.
std::vector<double> gainTrace(const AudioBuffer& input, const AudioBuffer& output, double windowSeconds);

}  // namespace velda::tool
