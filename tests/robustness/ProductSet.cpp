#include "tests/robustness/ProductSet.h"

#include "cindermote/Cindermote.h"
#include "emberline/Emberline1Product.h"
#include "emberline2/Emberline.h"
#include "emberline2/Emberline2Product.h"

namespace velda::robustness {

std::unique_ptr<CPresetSystemEffect> makeProduct(Product product, vst::audioMasterCallback host)
{
    switch (product) {
    case Product::Emberline2:
        return std::make_unique<Emberline>(host, kEmberline2Product);
    case Product::Emberline:
        return std::make_unique<Emberline>(host, kEmberline1Product);
    case Product::Cindermote:
        return std::make_unique<Cindermote>(host);
    }
    return nullptr;
}

const char* productName(Product product)
{
    static const char* const names[] = {"Emberline2", "Emberline", "Cindermote"};
    return names[(int)product];
}

int indexLimit(Product product)
{
    switch (product) {
    case Product::Emberline2:
        return kEmberline2Product.channelModeIndex + 1;
    case Product::Emberline:
        return kEmberline1Product.channelModeIndex + 1;
    case Product::Cindermote:
        return cindermote::kIndexCount;
    }
    return 0;
}

void setMetersActive(CPresetSystemEffect& effect, Product product, bool active)
{
    if (product == Product::Cindermote)
        static_cast<Cindermote&>(effect).engine().metersActive = active ? 1 : 0;
    else
        static_cast<Emberline&>(effect).metersActive = active;
}

float readMeters(CPresetSystemEffect& effect, Product product)
{
    if (product == Product::Cindermote) {
        auto& engine = static_cast<Cindermote&>(effect).engine();
        return engine.meterLeft.get() + engine.meterRight.get() + engine.overFlagLeft.get() + engine.overFlagRight.get();
    }
    auto& emberline = static_cast<Emberline&>(effect);
    return emberline.meterLeft.load() + emberline.meterRight.load() + emberline.overFlagLeft.load() +
           emberline.overFlagRight.load();
}

vst::VstIntPtr quietHost(vst::AEffect*, vst::VstInt32 opcode, vst::VstInt32, vst::VstIntPtr, void*, float)
{
    switch (opcode) {
    case vst::audioMasterVersion:
        return 2400;
    case vst::audioMasterGetSampleRate:
        return 44100;
    case vst::audioMasterGetBlockSize:
        return 4096;
    default:
        return 0;
    }
}

}  // namespace velda::robustness
