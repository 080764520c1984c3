// A recording VST 2.4 host for tests: answers the host callback and records every call.
#pragma once
#include <cstdint>
#include <mutex>
#include <vector>

#include "shell/vst2.h"

namespace velda::test {

struct HostCall {
    vst::VstInt32 opcode;
    vst::VstInt32 index;
    vst::VstIntPtr value;
    float opt;
};

class FakeHost {
public:
    FakeHost();
    ~FakeHost();

    // The callback to hand to an entry point or an effect constructor.
    static vst::VstIntPtr callback(vst::AEffect* effect, vst::VstInt32 opcode, vst::VstInt32 index,
                                   vst::VstIntPtr value, void* ptr, float opt);

    vst::VstIntPtr version = 2400;
    vst::VstIntPtr blockSize = 512;
    vst::VstIntPtr sampleRate = 44100;
    bool secondInputConnected = true;
    bool secondOutputConnected = true;
    vst::VstIntPtr beginEditAnswer = 1;

    std::vector<HostCall> calls() const;
    int count(vst::VstInt32 opcode) const;
    void clear();

private:
    vst::VstIntPtr answer(vst::AEffect* effect, vst::VstInt32 opcode, vst::VstInt32 index, vst::VstIntPtr value,
                          void* ptr, float opt);
    mutable std::mutex mutex;
    std::vector<HostCall> recorded;
};

// The host whose callback is answering now: tests create one FakeHost at a time.
FakeHost* currentFakeHost();

}  // namespace velda::test
