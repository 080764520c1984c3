// A tiny VST 2.4 effect written straight against the interface declarations, to drive the
// velda tool end to end: gain 2 * parameter 0, delayed by kLatency samples, three programs kept
// in a state chunk (header: format 1, unique ID, program count, current program).
// Parameter 1 ("Bypass") passes the input through, still delayed.
// Built with VELDA_FIXTURE_NULL_ENTRY its entry point answers null; built with
// VELDA_FIXTURE_FAULTY it misreports its latency and takes truncated chunks; built with
// VELDA_FIXTURE_LATE_LATENCY it reports its latency only from its first block on, through
// audioMasterIOChanged; built with VELDA_FIXTURE_VST_PROGRAMS it shows its three programs as
// VST programs and its chunk has another header.
#include "shell/vst2.h"

#include <cstdio>
#include <algorithm>
#include <cstring>
#include <vector>

using namespace vst;

namespace {

constexpr int kLatency = 37;
constexpr int kPrograms = 3;
constexpr int kParams = 2;
constexpr VstInt32 kUniqueId = fourCC('V', 't', 'F', 'x');
#ifdef VELDA_FIXTURE_VST_PROGRAMS
constexpr VstInt32 kChunkFormat = 0x12345678;
constexpr VstInt32 kVisiblePrograms = kPrograms;
#else
constexpr VstInt32 kChunkFormat = 0x01000000;
constexpr VstInt32 kVisiblePrograms = 1;
#endif

struct Program {
    char name[24];
    float values[kParams];
};

struct Fixture {
    AEffect effect{};
    audioMasterCallback host = nullptr;
    Program programs[kPrograms] = {{"Unity", {0.5f, 0.0f}}, {"Half", {0.25f, 0.0f}}, {"Mute", {0.0f, 0.0f}}};
    int current = 0;
    std::vector<double> ring[2] = {std::vector<double>(kLatency, 0.0), std::vector<double>(kLatency, 0.0)};
    int ringAt = 0;
    std::vector<unsigned char> chunk;

    float gain() const { return programs[current].values[1] >= 0.5f ? 1.0f : 2.0f * programs[current].values[0]; }

    template <typename Sample>
    void process(Sample** in, Sample** out, VstInt32 frames)
    {
#ifdef VELDA_FIXTURE_LATE_LATENCY
        if (effect.initialDelay != kLatency) {
            effect.initialDelay = kLatency;
            host(&effect, audioMasterIOChanged, 0, 0, nullptr, 0.0f);
        }
#endif
        for (VstInt32 i = 0; i < frames; ++i) {
            for (int c = 0; c < 2; ++c) {
                if (!in[c] || !out[c]) continue;  // a channel the host left out
                double delayed = ring[c][ringAt];
                ring[c][ringAt] = (double)in[c][i];
                out[c][i] = (Sample)(delayed * gain());
            }
            ringAt = (ringAt + 1) % kLatency;
        }
    }

    VstIntPtr getChunk(void** data)
    {
        chunk.assign(32 + sizeof programs, 0);
        VstInt32 header[4] = {kChunkFormat, kUniqueId, kPrograms, current};
        std::memcpy(chunk.data(), header, sizeof header);
        std::memcpy(chunk.data() + 32, programs, sizeof programs);
        *data = chunk.data();
        return (VstIntPtr)chunk.size();
    }

    VstIntPtr setChunk(const void* data, VstIntPtr size)
    {
#ifdef VELDA_FIXTURE_FAULTY
        if (!data || size < 32) return -1;
        std::memcpy(programs, (const char*)data + 32, std::min<size_t>(size - 32, sizeof programs));
        return 0;
#endif
        if (!data || size != (VstIntPtr)(32 + sizeof programs)) return -1;
        VstInt32 header[4];
        std::memcpy(header, data, sizeof header);
        if (header[0] != kChunkFormat || header[1] != kUniqueId || header[2] != kPrograms) return -1;
        std::memcpy(programs, (const char*)data + 32, sizeof programs);
        if (header[3] >= 0 && header[3] < kPrograms) current = header[3];
        return 0;
    }

    static void copy(void* ptr, const char* text) { std::strcpy((char*)ptr, text); }

    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
    {
        static const char* const names[kParams] = {"Gain", "Bypass"};
        switch (opcode) {
        case effClose: delete this; return 1;
        case effGetParamName: copy(ptr, index < kParams ? names[index] : ""); return 0;
        case effGetParamLabel: copy(ptr, index == 0 ? "x" : ""); return 0;
        case effGetParamDisplay: {
            char text[16];
            std::snprintf(text, sizeof text, "%.3f", index < kParams ? programs[current].values[index] : 0.0f);
            copy(ptr, text);
            return 0;
        }
        case effMainsChanged:
            if (value) {
                for (auto& r : ring) std::fill(r.begin(), r.end(), 0.0);
                ringAt = 0;
            }
            return 0;
        case effGetProgramName: copy(ptr, programs[current].name); return 0;
        case effSetProgram:
            if (kVisiblePrograms > 1 && value >= 0 && value < kPrograms) current = (int)value;
            return 0;
        case effGetProgram: return kVisiblePrograms > 1 ? current : 0;
        case effGetProgramNameIndexed:
            if (index < 0 || index >= kPrograms) return 0;
            copy(ptr, programs[index].name);
            return 1;
        case effGetChunk: return getChunk((void**)ptr);
        case effSetChunk: return setChunk(ptr, value);
        case effGetEffectName: copy(ptr, "Velda Fixture"); return 1;
        case effGetVendorString: copy(ptr, "velda tests"); return 1;
        case effGetProductString: copy(ptr, "Velda Fixture gain"); return 1;
        case effGetVendorVersion: return 7;
        case effGetPlugCategory: return kPlugCategEffect;
        case effGetVstVersion: return kVstVersion;
        case effCanBeAutomated: return 1;
        default: return 0;
        }
    }
};

Fixture* self(AEffect* e) { return (Fixture*)e->object; }

VstIntPtr dispatcher(AEffect* e, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    return self(e)->dispatch(opcode, index, value, ptr, opt);
}
void processFloat(AEffect* e, float** in, float** out, VstInt32 frames) { self(e)->process(in, out, frames); }
void processDouble(AEffect* e, double** in, double** out, VstInt32 frames) { self(e)->process(in, out, frames); }
void setParameter(AEffect* e, VstInt32 index, float value)
{
    if (index >= 0 && index < kParams) self(e)->programs[self(e)->current].values[index] = value;
}
float getParameter(AEffect* e, VstInt32 index)
{
    return index >= 0 && index < kParams ? self(e)->programs[self(e)->current].values[index] : 0.0f;
}

}  // namespace

#if defined(_WIN32)
#define FIXTURE_EXPORT __declspec(dllexport)
#else
#define FIXTURE_EXPORT __attribute__((visibility("default")))
#endif

extern "C" FIXTURE_EXPORT AEffect* VSTPluginMain(audioMasterCallback host)
{
#ifdef VELDA_FIXTURE_NULL_ENTRY
    if (host) return nullptr;
#endif
    if (!host || host(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) < 2400) return nullptr;
    Fixture* fixture = new Fixture();
    fixture->host = host;
    AEffect& e = fixture->effect;
    e.magic = kEffectMagic;
    e.dispatcher = dispatcher;
    e.setParameter = setParameter;
    e.getParameter = getParameter;
    e.processReplacing = processFloat;
    e.processDoubleReplacing = processDouble;
    e.numPrograms = kVisiblePrograms;
    e.numParams = kParams;
    e.numInputs = 2;
    e.numOutputs = 2;
    e.flags = effFlagsCanReplacing | effFlagsCanDoubleReplacing | effFlagsProgramChunks;
#if defined(VELDA_FIXTURE_FAULTY)
    e.initialDelay = kLatency - 7;
#elif defined(VELDA_FIXTURE_LATE_LATENCY)
    e.initialDelay = 0;
#else
    e.initialDelay = kLatency;
#endif
    e.ioRatio = 1.0f;
    e.object = fixture;
    e.uniqueID = kUniqueId;
    e.version = 1;
    return &e;
}
