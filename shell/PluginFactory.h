#pragma once
#include "shell/vst2.h"

class AudioEffect;

// Each product library defines this; it answers null when the host reports no VST version
// or the effect cannot be allocated.
AudioEffect* createEffectInstance(vst::audioMasterCallback host);
