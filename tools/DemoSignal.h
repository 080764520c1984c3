// The built-in programme material of the demo and bench commands: drums, bass, a sustained
// chord and a few peaks above full scale, stereo, the same on every run.
#pragma once
#include "tools/AudioFile.h"

namespace velda::tool {

AudioBuffer synthesiseDemoSignal(double sampleRate, double seconds = 10.0);

}  // namespace velda::tool
