// The exported entry point, shared by every product library.
#include "shell/AudioEffect.h"
#include "shell/PluginFactory.h"

using namespace vst;

extern "C" {

#if defined(_WIN32)
#define VELDA_EXPORT __declspec(dllexport)
#else
#define VELDA_EXPORT __attribute__((visibility("default")))
#endif

VELDA_EXPORT AEffect* VSTPluginMain(audioMasterCallback host)
{
    if (!host || host(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0) return nullptr;
    AudioEffect* effect = createEffectInstance(host);
    return effect ? effect->getAeffect() : nullptr;
}

#if !defined(_WIN32)
// Older hosts look for "main"; on Windows the module definition file aliases it.
VELDA_EXPORT AEffect* veldaMainEntry(audioMasterCallback host) __asm__("main");
VELDA_EXPORT AEffect* veldaMainEntry(audioMasterCallback host) { return VSTPluginMain(host); }
#endif
}
