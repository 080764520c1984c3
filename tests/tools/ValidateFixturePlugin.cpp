// A small gain effect with an offscreen-capable editor, to drive the editor, allocation and
// non-finite checks of velda validate. Built with VELDA_FIXTURE_LEAKY_EDITOR each editor open
// leaves 64 KB behind; built with VELDA_FIXTURE_ALLOCATING_PROCESS each processing call
// allocates and frees a buffer.
#include "platform/OffscreenParent.h"
#include "shell/vst2.h"

#include <cmath>
#include <cstring>
#include <vector>

using namespace vst;

namespace {

constexpr VstInt32 kUniqueId = fourCC('V', 't', 'E', 'd');
constexpr int kWidth = 120, kHeight = 80;
#ifdef VELDA_FIXTURE_LEAKY_EDITOR
std::vector<char*> leaked;  // never freed
#endif

struct EditorFixture {
    AEffect effect{};
    float gain = 0.5f;
    ERect rect{0, 0, kHeight, kWidth};
    VeldaOffscreenParent* parent = nullptr;
    std::vector<unsigned char> pixels = std::vector<unsigned char>(kWidth * kHeight * 4, 0x80);

    template <typename Sample>
    void process(Sample** in, Sample** out, VstInt32 frames)
    {
#ifdef VELDA_FIXTURE_ALLOCATING_PROCESS
        std::vector<double> scratch((size_t)frames + 1);
        scratch[0] = gain;
#endif
        for (int c = 0; c < 2; ++c)
            if (in[c] && out[c])
                for (VstInt32 i = 0; i < frames; ++i) out[c][i] = (Sample)(in[c][i] * 2.0 * gain);
    }

    VstIntPtr open(void* window)
    {
        parent = (VeldaOffscreenParent*)window;
        if (!parent || parent->magic != VELDA_OFFSCREEN_MAGIC) return parent = nullptr, 0;
        parent->width = kWidth;
        parent->height = kHeight;
        parent->isOpen = 1;
#ifdef VELDA_FIXTURE_LEAKY_EDITOR
        leaked.push_back(new char[64 * 1024]);
        std::memset(leaked.back(), 1, 64 * 1024);
#endif
        return 1;
    }

    void idle()
    {
        if (!parent || !parent->pixels || parent->pixelBytes < (int64_t)pixels.size()) return;
        parent->eventRead = parent->eventWrite;
        std::memcpy(parent->pixels, pixels.data(), pixels.size());
        ++parent->presents;
    }

    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index, void* ptr)
    {
        switch (opcode) {
        case effClose: delete this; return 1;
        case effEditGetRect: *(ERect**)ptr = &rect; return 1;
        case effEditOpen: return open(ptr);
        case effEditClose:
            if (parent) parent->isOpen = 0;
            parent = nullptr;
            return 1;
        case effEditIdle: idle(); return 1;
        case effGetEffectName: std::strcpy((char*)ptr, "Velda Editor Fixture"); return 1;
        case effGetVendorString: std::strcpy((char*)ptr, "velda tests"); return 1;
        case effGetProductString: std::strcpy((char*)ptr, "Velda Editor Fixture"); return 1;
        case effGetParamName: std::strcpy((char*)ptr, "Gain"); return 0;
        case effGetParamLabel: std::strcpy((char*)ptr, "x"); return 0;
        case effGetParamDisplay: std::strcpy((char*)ptr, gain < 0.5f ? "low" : "high"); return 0;
        case effGetVstVersion: return kVstVersion;
        case effGetPlugCategory: return kPlugCategEffect;
        case effCanBeAutomated: return 1;
        case effGetProgramName: std::strcpy((char*)ptr, "Default"); return 0;
        case effGetProgramNameIndexed:
            if (index != 0) return 0;
            std::strcpy((char*)ptr, "Default");
            return 1;
        default: return 0;
        }
    }
};

EditorFixture* self(AEffect* e) { return (EditorFixture*)e->object; }

VstIntPtr dispatcher(AEffect* e, VstInt32 opcode, VstInt32 index, VstIntPtr, void* ptr, float)
{
    return self(e)->dispatch(opcode, index, ptr);
}
void processFloat(AEffect* e, float** in, float** out, VstInt32 frames) { self(e)->process(in, out, frames); }
void processDouble(AEffect* e, double** in, double** out, VstInt32 frames) { self(e)->process(in, out, frames); }
void setParameter(AEffect* e, VstInt32 index, float value)
{
    if (index == 0 && std::isfinite(value)) self(e)->gain = value;
}
float getParameter(AEffect* e, VstInt32 index) { return index == 0 ? self(e)->gain : 0.0f; }

}  // namespace

#if defined(_WIN32)
#define FIXTURE_EXPORT __declspec(dllexport)
#else
#define FIXTURE_EXPORT __attribute__((visibility("default")))
#endif

extern "C" FIXTURE_EXPORT AEffect* VSTPluginMain(audioMasterCallback host)
{
    if (!host || host(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) < 2400) return nullptr;
    EditorFixture* fixture = new EditorFixture();
    AEffect& e = fixture->effect;
    e.magic = kEffectMagic;
    e.dispatcher = dispatcher;
    e.setParameter = setParameter;
    e.getParameter = getParameter;
    e.processReplacing = processFloat;
    e.processDoubleReplacing = processDouble;
    e.numPrograms = 1;
    e.numParams = 1;
    e.numInputs = 2;
    e.numOutputs = 2;
    e.flags = effFlagsCanReplacing | effFlagsCanDoubleReplacing | effFlagsHasEditor;
    e.ioRatio = 1.0f;
    e.object = fixture;
    e.uniqueID = kUniqueId;
    e.version = 1;
    return &e;
}
