#include <new>

#include "emberline/Emberline1Product.h"
#include "emberline2/Emberline.h"
#include "shell/PluginFactory.h"

AudioEffect* createEffectInstance(vst::audioMasterCallback host)
{
    if (!host || host(nullptr, vst::audioMasterVersion, 0, 0, nullptr, 0.0f) == 0) return nullptr;
    return new (std::nothrow) Emberline(host, velda::kEmberline1Product);
}
