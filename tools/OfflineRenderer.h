// Runs audio through a resumed plug-in in host-sized blocks. The result lines up with the
// input and has its length: the reported latency is fed as extra silence and dropped in front.
#pragma once
#include "tools/AudioFile.h"
#include "tools/PluginHost.h"

#include <functional>

namespace velda::tool {

struct RenderSettings {
    int blockSize = 1024;
    bool doublePrecision = false;
    std::function<void(double fraction)> progress;  // called now and then from 0 to 1
};

// Mono input feeds both plug-in inputs; the output has up to two channels.
// Throws ToolError when the plug-in cannot process as asked.
AudioBuffer renderThrough(PluginHost& host, const AudioBuffer& input, const RenderSettings& settings);
// The same into result, whose storage is reused when it already has the right shape (so that a
// timed render pays for no allocation or first touch of the result).
void renderThrough(PluginHost& host, const AudioBuffer& input, const RenderSettings& settings, AudioBuffer& result);

}  // namespace velda::tool
