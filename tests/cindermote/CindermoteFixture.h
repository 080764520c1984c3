// A Cindermote on a recording host, with helpers that render stereo signals through it.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "cindermote/Cindermote.h"
#include "platform/RegistryTestRoot.h"
#include "shell/PreferenceStore.h"
#include "support/FakeHost.h"

namespace velda::test {

struct Stereo {
    std::vector<float> left, right;
    size_t size() const { return left.size(); }
};

// Integer-only noise generator: the same samples on every platform.
class TinyLcg {
public:
    explicit TinyLcg(uint32_t seed) : state(seed) {}
    // Uniform in [-1, 1), exact in 32-bit float.
    float next()
    {
        state = state * 1664525u + 1013904223u;
        return (float)((int32_t)state >> 8) * (1.0f / 8388608.0f);
    }

private:
    uint32_t state;
};

inline Stereo silence(size_t frames) { return {std::vector<float>(frames), std::vector<float>(frames)}; }

// Dispatcher helpers.
inline vst::VstIntPtr dispatch(AudioEffect& fx, vst::VstInt32 opcode, vst::VstInt32 index = 0, vst::VstIntPtr value = 0,
                               void* ptr = nullptr, float opt = 0.0f)
{
    return fx.dispatcher(opcode, index, value, ptr, opt);
}

inline void startAt(AudioEffect& fx, float rate)
{
    dispatch(fx, vst::effSetSampleRate, 0, 0, nullptr, rate);
    dispatch(fx, vst::effMainsChanged, 0, 0);
    dispatch(fx, vst::effMainsChanged, 0, 1);
}

// Renders in host blocks of `block` frames through the 32-bit entry.
inline Stereo render(Cindermote& fx, const Stereo& in, int block = 100)
{
    Stereo out = silence(in.size());
    for (size_t at = 0; at < in.size(); at += (size_t)block) {
        const int n = (int)std::min<size_t>((size_t)block, in.size() - at);
        float* inputs[2] = {const_cast<float*>(in.left.data() + at), const_cast<float*>(in.right.data() + at)};
        float* outputs[2] = {out.left.data() + at, out.right.data() + at};
        fx.processReplacing(inputs, outputs, n);
    }
    return out;
}

// Every instance writes its preferences back when deleted; tests start from the defaults.
inline void writeDefaultPreferences()
{
    for (int i = 0; i < preferenceCount; ++i) {
        const auto p = (Preference)i;
        writePreference(p, preferenceDefault(p));
    }
}

struct CindermoteFixture : ::testing::Test {
    platform::ScopedRegistryRoot store;  // instances read and write the preferences
    FakeHost host;
    std::unique_ptr<Cindermote> fx;

    CindermoteFixture()
    {
        writeDefaultPreferences();
        fx = std::make_unique<Cindermote>(FakeHost::callback);
    }

    std::string display(int index)
    {
        char text[64] = "?";
        fx->getParameterDisplay(index, text);
        return text;
    }
};

}  // namespace velda::test
