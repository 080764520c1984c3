// The three products behind one interface, for the fuzzers and the threaded automation test.
#pragma once
#include <memory>

#include "presets/CPresetSystemEffect.h"
#include "shell/vst2.h"

namespace velda::robustness {

enum class Product { Emberline2, Emberline, Cindermote };
inline constexpr int kProductCount = 3;

std::unique_ptr<CPresetSystemEffect> makeProduct(Product product, vst::audioMasterCallback host);
const char* productName(Product product);
// One past the highest index the product answers, the hidden ones (preferences, channel mode)
// included.
int indexLimit(Product product);
// What an open editor does: the processing feeds the meters.
void setMetersActive(CPresetSystemEffect& effect, Product product, bool active);
// What the editor reads from the processing: both meters and both over flags, summed.
float readMeters(CPresetSystemEffect& effect, Product product);

// A host that answers its version, 44100 Hz and 4096-frame blocks, and 0 to everything else.
vst::VstIntPtr quietHost(vst::AEffect* effect, vst::VstInt32 opcode, vst::VstInt32 index, vst::VstIntPtr value,
                         void* ptr, float opt);

}  // namespace velda::robustness
