// One loaded VST 2.4 effect: the library, its effect record and the host side of the
// conversation (callback answers, recorded automation and edit gestures).
#pragma once
#include "shell/vst2.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace velda::tool {

class DynamicLibrary;

// What the plug-in told the host, in order.
struct HostEvent {
    int opcode;  // audioMasterAutomate, audioMasterBeginEdit or audioMasterEndEdit
    int index;
    float value;
};

class PluginHost {
public:
    // Loads the library and calls its entry point ("VSTPluginMain", else "main").
    // Null with a one-line reason in `error` on failure.
    static std::unique_ptr<PluginHost> load(const std::string& path, std::string& error);
    ~PluginHost();  // effClose (unless closed) and unload
    PluginHost(const PluginHost&) = delete;
    PluginHost& operator=(const PluginHost&) = delete;

    vst::AEffect* effect() const { return aeffect; }
    const std::string& path() const { return libraryPath; }
    vst::VstIntPtr dispatch(int opcode, int index = 0, vst::VstIntPtr value = 0, void* ptr = nullptr,
                            float opt = 0.0f);

    // The usual start: effOpen, sample rate, block size, precision. resume() afterwards.
    void open(double sampleRate, int blockSize, bool doublePrecision = false);
    void setSampleRate(double sampleRate);
    void setBlockSize(int blockSize);
    void resume();
    void suspend();
    void close(bool suspendFirst = true);  // effClose; the record is gone afterwards
    bool isResumed() const { return resumed; }
    bool isOpen() const { return aeffect != nullptr; }

    void processFloat(float** inputs, float** outputs, int frames);
    void processDouble(double** inputs, double** outputs, int frames);
    bool canDouble() const;
    bool canReplacing() const;

    // Identity and texts, each bounded and terminated whatever the plug-in writes.
    std::string effectName();
    std::string vendorString();
    std::string productString();
    std::string parameterName(int index);
    std::string parameterLabel(int index);
    std::string parameterDisplay(int index);
    std::optional<vst::VstParameterProperties> parameterProperties(int index);
    std::optional<std::string> programNameIndexed(int index);
    std::string currentProgramName();
    float getParameter(int index);
    void setParameter(int index, float value);

    // Programs the plug-in names through effGetProgramNameIndexed; plug-ins that keep their
    // programs inside one chunk name more than numPrograms.
    int programCount();

    std::vector<uint8_t> getChunk(bool preset = false);
    vst::VstIntPtr setChunk(const std::vector<uint8_t>& chunk, bool preset = false);

    // Host settings the callback reports.
    double sampleRate = 44100.0;
    int blockSize = 1024;
    int connectedInputs = 2;   // audioMasterPinConnected answers "connected" below these counts
    int connectedOutputs = 2;
    vst::VstTimeInfo timeInfo{};

    // Tried before the built-in answers; return true with `answer` set to take the call.
    std::function<bool(int opcode, int index, vst::VstIntPtr value, void* ptr, float opt, vst::VstIntPtr& answer)>
        callbackHook;

    std::vector<HostEvent> events() const;
    void clearEvents();
    std::atomic<int> updateDisplayCount{0};
    std::atomic<int> idleCount{0};
    std::atomic<int> ioChangedCount{0};

private:
    PluginHost() = default;
    static vst::VstIntPtr callback(vst::AEffect* effect, vst::VstInt32 opcode, vst::VstInt32 index,
                                   vst::VstIntPtr value, void* ptr, float opt);
    vst::VstIntPtr answer(int opcode, int index, vst::VstIntPtr value, void* ptr, float opt);
    std::string text(int opcode, int index, size_t size);
    void recordEvent(int opcode, int index, float value);

    std::unique_ptr<DynamicLibrary> library;
    std::string libraryPath;
    vst::AEffect* aeffect = nullptr;
    bool resumed = false;
    mutable std::mutex eventLock;
    std::vector<HostEvent> eventLog;
};

// "QQEl" for a printable unique ID, else the number in hex.
std::string uniqueIdText(int32_t id);

}  // namespace velda::tool
