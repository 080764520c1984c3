#include <new>

#include "cindermote/Cindermote.h"
#include "shell/PluginFactory.h"

AudioEffect* createEffectInstance(vst::audioMasterCallback host)
{
    if (!host || host(nullptr, vst::audioMasterVersion, 0, 0, nullptr, 0.0f) == 0) return nullptr;
    try {
        return new (std::nothrow) Cindermote(host);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
