// Whatever state a host hands back, the effect takes it whole or refuses it, answers finite
// parameter values and terminated texts, processes finite and bounded output while the programs
// hold values within 0..1 (others are applied as they stand), and gives back a state it takes
// again. Byte 0 picks the product (bits 0-1), a preset chunk (bit 7) and whether the
// bytes keep their own size (bit 6) or are fitted to the size of the product's state.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/RegistryTestRoot.h"
#include "tests/robustness/ProductSet.h"

using namespace velda::robustness;

namespace {

void check(bool condition)
{
    if (!condition) std::abort();
}

bool valuesWithinRange(CPresetSystemEffect& effect)
{
    for (int p = 0; p < effect.programCount(); ++p)
        for (int i = 0; i < effect.programParamCount(); ++i) {
            const float v = effect.programValues(p)[i];
            if (!(v >= 0.0f && v <= 1.0f)) return false;
        }
    return true;
}

template <typename T>
void processChecked(CPresetSystemEffect& effect, int frames, bool checkOutput)
{
    std::vector<T> left(frames), right(frames), outLeft(frames), outRight(frames);
    uint32_t seed = 12345;
    for (int i = 0; i < frames; ++i) {
        seed = seed * 1664525u + 1013904223u;
        left[i] = (T)(((int32_t)seed >> 8) / 8388608.0);
        right[i] = (T)(i % 64 < 32 ? 1.0 : -1.0);
    }
    T* inputs[2] = {left.data(), right.data()};
    T* outputs[2] = {outLeft.data(), outRight.data()};
    if constexpr (sizeof(T) == sizeof(float))
        effect.processReplacing(inputs, outputs, frames);
    else
        effect.processDoubleReplacing(inputs, outputs, frames);
    for (int i = 0; i < frames && checkOutput; ++i)
        check(std::isfinite((double)outLeft[i]) && std::isfinite((double)outRight[i]) && std::fabs(outLeft[i]) < 1000 &&
              std::fabs(outRight[i]) < 1000);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static velda::platform::ScopedRegistryRoot store;
    if (size < 1) return 0;
    const Product product = (Product)((data[0] & 3) % kProductCount);
    const bool isPreset = data[0] & 0x80;
    auto effect = makeProduct(product, quietHost);
    check(effect != nullptr);
    effect->setSampleRate(44100.0f);
    effect->resume();

    std::vector<uint8_t> chunk(data + 1, data + size);
    if (!(data[0] & 0x40)) chunk.resize(effect->chunkSize(), 0);
    const vst::VstInt32 answer = effect->setChunk(chunk.data(), (vst::VstInt32)chunk.size(), isPreset);
    check(answer == 0 || answer == -1);

    const int limit = indexLimit(product);
    for (int index = 0; index < limit; ++index) {
        check(std::isfinite(effect->getParameter(index)));
        char text[256];
        std::memset(text, 0x7f, sizeof text);
        effect->getParameterDisplay(index, text);
        check(std::memchr(text, 0, 64) != nullptr);
    }
    char name[256];
    std::memset(name, 0x7f, sizeof name);
    effect->getProgramName(name);
    check(std::memchr(name, 0, CPresetSystemEffect::kProgramNameSize + 1) != nullptr);

    const bool withinRange = valuesWithinRange(*effect);
    processChecked<float>(*effect, 1024, withinRange);
    processChecked<double>(*effect, 1024, withinRange);

    // The state given back now is one the effect takes.
    void* own = nullptr;
    const vst::VstInt32 ownSize = effect->getChunk(&own, isPreset);
    check(own != nullptr && ownSize == (vst::VstInt32)effect->chunkSize());
    std::vector<uint8_t> copy((uint8_t*)own, (uint8_t*)own + ownSize);
    check(effect->setChunk(copy.data(), ownSize, isPreset) == 0);
    return 0;
}
