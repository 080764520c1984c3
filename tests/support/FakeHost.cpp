#include "support/FakeHost.h"

#include <cstring>

namespace velda::test {

namespace {
FakeHost* current = nullptr;
}

FakeHost* currentFakeHost() { return current; }

FakeHost::FakeHost() { current = this; }
FakeHost::~FakeHost()
{
    if (current == this) current = nullptr;
}

vst::VstIntPtr FakeHost::callback(vst::AEffect* effect, vst::VstInt32 opcode, vst::VstInt32 index,
                                  vst::VstIntPtr value, void* ptr, float opt)
{
    return current ? current->answer(effect, opcode, index, value, ptr, opt) : 0;
}

vst::VstIntPtr FakeHost::answer(vst::AEffect*, vst::VstInt32 opcode, vst::VstInt32 index, vst::VstIntPtr value,
                                void* ptr, float opt)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        recorded.push_back({opcode, index, value, opt});
    }
    switch (opcode) {
    case vst::audioMasterVersion:
        return version;
    case vst::audioMasterGetBlockSize:
        return blockSize;
    case vst::audioMasterGetSampleRate:
        return sampleRate;
    case vst::audioMasterPinConnected:
        if (index == 1) return (value == 0 ? secondInputConnected : secondOutputConnected) ? 0 : 1;
        return 0;
    case vst::audioMasterBeginEdit:
    case vst::audioMasterEndEdit:
        return beginEditAnswer;
    case vst::audioMasterGetVendorString:
        if (ptr) std::strcpy((char*)ptr, "Velda test host");
        return 1;
    default:
        return 0;
    }
}

std::vector<HostCall> FakeHost::calls() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return recorded;
}

int FakeHost::count(vst::VstInt32 opcode) const
{
    std::lock_guard<std::mutex> lock(mutex);
    int n = 0;
    for (const auto& c : recorded) n += c.opcode == opcode;
    return n;
}

void FakeHost::clear()
{
    std::lock_guard<std::mutex> lock(mutex);
    recorded.clear();
}

}  // namespace velda::test
