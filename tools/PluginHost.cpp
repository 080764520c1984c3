#include "tools/PluginHost.h"

#include "tools/DynamicLibrary.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

using namespace vst;

namespace velda::tool {

namespace {

using EntryPoint = AEffect* (*)(audioMasterCallback);

// The host whose entry point is running: the plug-in calls back before its record is known.
thread_local PluginHost* loadingHost = nullptr;

constexpr VstInt32 kTransportPlaying = 1 << 1;
constexpr VstInt32 kPpqPosValid = 1 << 9;
constexpr VstInt32 kTempoValid = 1 << 10;
constexpr VstInt32 kTimeSigValid = 1 << 13;

void copyText(void* ptr, const char* text)
{
    if (ptr) std::strcpy((char*)ptr, text);
}

}  // namespace

std::unique_ptr<PluginHost> PluginHost::load(const std::string& path, std::string& error)
{
    std::unique_ptr<PluginHost> host(new PluginHost());
    host->libraryPath = path;
    host->library = DynamicLibrary::open(path, error);
    if (!host->library) return nullptr;
    auto entry = (EntryPoint)host->library->symbol("VSTPluginMain");
    if (!entry) entry = (EntryPoint)host->library->symbol("main");
    if (!entry) {
        error = "'" + path + "' is not a VST 2.4 plug-in: no VSTPluginMain or main entry point";
        return nullptr;
    }
    host->timeInfo.sampleRate = host->sampleRate;
    host->timeInfo.tempo = 120.0;
    host->timeInfo.timeSigNumerator = 4;
    host->timeInfo.timeSigDenominator = 4;
    host->timeInfo.flags = kTransportPlaying | kPpqPosValid | kTempoValid | kTimeSigValid;

    PluginHost* previous = loadingHost;
    loadingHost = host.get();
    AEffect* effect = entry(&PluginHost::callback);
    loadingHost = previous;
    if (!effect) {
        error = "'" + path + "': the entry point returned no effect";
        return nullptr;
    }
    if (effect->magic != kEffectMagic) {
        error = "'" + path + "': the entry point returned no VST effect record (bad magic)";
        return nullptr;
    }
    if (!effect->dispatcher) {
        error = "'" + path + "': the effect record has no dispatcher";
        return nullptr;
    }
    effect->user = host.get();
    host->aeffect = effect;
    return host;
}

PluginHost::~PluginHost()
{
    close();
}

void PluginHost::close(bool suspendFirst)
{
    if (!aeffect) return;
    if (resumed && suspendFirst) suspend();
    resumed = false;
    AEffect* effect = aeffect;
    aeffect = nullptr;
    effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
}

VstIntPtr PluginHost::dispatch(int opcode, int index, VstIntPtr value, void* ptr, float opt)
{
    if (!aeffect) return 0;
    return aeffect->dispatcher(aeffect, opcode, index, value, ptr, opt);
}

void PluginHost::open(double rate, int block, bool doublePrecision)
{
    dispatch(effOpen);
    setSampleRate(rate);
    setBlockSize(block);
    dispatch(effSetProcessPrecision, 0, doublePrecision ? kVstProcessPrecision64 : kVstProcessPrecision32);
}

void PluginHost::setSampleRate(double rate)
{
    sampleRate = rate;
    timeInfo.sampleRate = rate;
    dispatch(effSetSampleRate, 0, 0, nullptr, (float)rate);
}

void PluginHost::setBlockSize(int block)
{
    blockSize = block;
    dispatch(effSetBlockSize, 0, block);
}

void PluginHost::resume()
{
    dispatch(effMainsChanged, 0, 1);
    dispatch(effStartProcess);
    resumed = true;
}

void PluginHost::suspend()
{
    dispatch(effStopProcess);
    dispatch(effMainsChanged, 0, 0);
    resumed = false;
}

void PluginHost::processFloat(float** inputs, float** outputs, int frames)
{
    aeffect->processReplacing(aeffect, inputs, outputs, frames);
    timeInfo.samplePos += frames;
    timeInfo.ppqPos = timeInfo.samplePos / sampleRate * timeInfo.tempo / 60.0;
}

void PluginHost::processDouble(double** inputs, double** outputs, int frames)
{
    aeffect->processDoubleReplacing(aeffect, inputs, outputs, frames);
    timeInfo.samplePos += frames;
    timeInfo.ppqPos = timeInfo.samplePos / sampleRate * timeInfo.tempo / 60.0;
}

bool PluginHost::canDouble() const
{
    return aeffect && (aeffect->flags & effFlagsCanDoubleReplacing) && aeffect->processDoubleReplacing;
}

bool PluginHost::canReplacing() const
{
    return aeffect && (aeffect->flags & effFlagsCanReplacing) && aeffect->processReplacing;
}

std::string PluginHost::text(int opcode, int index, size_t size)
{
    // Generous room: many plug-ins write past the nominal limits.
    std::vector<char> buffer(std::max<size_t>(size, 256) + 1024, '\0');
    dispatch(opcode, index, 0, buffer.data());
    buffer.back() = '\0';
    return std::string(buffer.data());
}

std::string PluginHost::effectName() { return text(effGetEffectName, 0, kVstMaxEffectNameLen); }
std::string PluginHost::vendorString() { return text(effGetVendorString, 0, kVstMaxVendorStrLen); }
std::string PluginHost::productString() { return text(effGetProductString, 0, kVstMaxProductStrLen); }
std::string PluginHost::parameterName(int index) { return text(effGetParamName, index, kVstMaxParamStrLen); }
std::string PluginHost::parameterLabel(int index) { return text(effGetParamLabel, index, kVstMaxParamStrLen); }
std::string PluginHost::parameterDisplay(int index) { return text(effGetParamDisplay, index, kVstMaxParamStrLen); }
std::string PluginHost::currentProgramName() { return text(effGetProgramName, 0, kVstMaxProgNameLen); }

std::optional<VstParameterProperties> PluginHost::parameterProperties(int index)
{
    VstParameterProperties properties{};
    if (dispatch(effGetParameterProperties, index, 0, &properties) == 0) return std::nullopt;
    properties.label[sizeof properties.label - 1] = '\0';
    properties.shortLabel[sizeof properties.shortLabel - 1] = '\0';
    properties.categoryLabel[sizeof properties.categoryLabel - 1] = '\0';
    return properties;
}

std::optional<std::string> PluginHost::programNameIndexed(int index)
{
    char buffer[1024] = {};
    if (dispatch(effGetProgramNameIndexed, index, -1, buffer) == 0) return std::nullopt;
    buffer[sizeof buffer - 1] = '\0';
    return std::string(buffer);
}

int PluginHost::programCount()
{
    if (!aeffect) return 0;
    int count = std::max(aeffect->numPrograms, 0);
    if (!(aeffect->flags & effFlagsProgramChunks)) return count;
    constexpr int kMaxInternalPrograms = 4096;
    while (count < kMaxInternalPrograms && programNameIndexed(count)) ++count;
    return count;
}

float PluginHost::getParameter(int index)
{
    return aeffect->getParameter(aeffect, index);
}

void PluginHost::setParameter(int index, float value)
{
    aeffect->setParameter(aeffect, index, value);
}

std::vector<uint8_t> PluginHost::getChunk(bool preset)
{
    void* data = nullptr;
    VstIntPtr size = dispatch(effGetChunk, preset ? 1 : 0, 0, &data);
    if (size <= 0 || !data) return {};
    const uint8_t* bytes = (const uint8_t*)data;
    return std::vector<uint8_t>(bytes, bytes + size);
}

VstIntPtr PluginHost::setChunk(const std::vector<uint8_t>& chunk, bool preset)
{
    // A private copy: the plug-in may keep or modify what it is given during the call.
    std::vector<uint8_t> copy = chunk;
    copy.reserve(copy.size() + 1);  // a valid pointer even for an empty chunk
    return dispatch(effSetChunk, preset ? 1 : 0, (VstIntPtr)chunk.size(), copy.data());
}

std::vector<HostEvent> PluginHost::events() const
{
    std::lock_guard<std::mutex> guard(eventLock);
    return eventLog;
}

void PluginHost::clearEvents()
{
    std::lock_guard<std::mutex> guard(eventLock);
    eventLog.clear();
}

void PluginHost::recordEvent(int opcode, int index, float value)
{
    std::lock_guard<std::mutex> guard(eventLock);
    eventLog.push_back({opcode, index, value});
}

VstIntPtr PluginHost::callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                               float opt)
{
    PluginHost* host = (effect && effect->user && effect->magic == kEffectMagic) ? (PluginHost*)effect->user
                                                                                   : loadingHost;
    if (!host) return opcode == audioMasterVersion ? kVstVersion : 0;
    return host->answer(opcode, index, value, ptr, opt);
}

VstIntPtr PluginHost::answer(int opcode, int index, VstIntPtr value, void* ptr, float opt)
{
    if (callbackHook) {
        VstIntPtr hooked = 0;
        if (callbackHook(opcode, index, value, ptr, opt, hooked)) return hooked;
    }
    switch (opcode) {
    case audioMasterAutomate:
    case audioMasterBeginEdit:
    case audioMasterEndEdit:
        recordEvent(opcode, index, opt);
        return 1;
    case audioMasterVersion: return kVstVersion;
    case audioMasterCurrentId: return 0;
    case audioMasterIdle: ++idleCount; return 0;
    case audioMasterPinConnected:
        // 0 answers "connected".
        return index < (value == 0 ? connectedInputs : connectedOutputs) ? 0 : 1;
    case audioMasterGetTime: return (VstIntPtr)&timeInfo;
    case audioMasterIOChanged: ++ioChangedCount; return 1;
    case audioMasterGetSampleRate: return (VstIntPtr)sampleRate;
    case audioMasterGetBlockSize: return blockSize;
    case audioMasterGetInputLatency:
    case audioMasterGetOutputLatency: return 0;
    case audioMasterGetCurrentProcessLevel: return 0;
    case audioMasterGetAutomationState: return 1;
    case audioMasterGetVendorString: copyText(ptr, "Velda"); return 1;
    case audioMasterGetProductString: copyText(ptr, "velda host"); return 1;
    case audioMasterGetVendorVersion: return 1;
    case audioMasterCanDo: {
        const char* what = (const char*)ptr;
        if (!what) return 0;
        for (const char* yes : {"sendVstTimeInfo", "startStopProcess", "supplyIdle"})
            if (std::strcmp(what, yes) == 0) return 1;
        return -1;
    }
    case audioMasterGetLanguage: return 1;
    case audioMasterUpdateDisplay: ++updateDisplayCount; return 1;
    default: return 0;
    }
}

std::string uniqueIdText(int32_t id)
{
    char chars[5] = {(char)((uint32_t)id >> 24), (char)((uint32_t)id >> 16), (char)((uint32_t)id >> 8), (char)id, 0};
    bool printable = true;
    for (int i = 0; i < 4; ++i)
        if (chars[i] < 32 || chars[i] > 126) printable = false;
    if (printable) return chars;
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", (uint32_t)id);
    return hex;
}

}  // namespace velda::tool
