// Many instances of one plug-in processing side by side, the way a host runs a session: each
// host block goes through every instance in turn. Prints the CPU time per instance of N
// instances against one instance alone, so cache effects of the per-instance state show up.
//   velda_instances_bench LIBRARY [--instances N] [--block B] [--seconds S] [--rate HZ] [--set I=V]...
// It renders once and never re-renders, so it also gives one-render figures of plug-ins that
// announce their latency only after processing has started.
#include <dlfcn.h>
#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "shell/vst2.h"

namespace {

using namespace vst;

VstIntPtr hostCallback(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return (double)t.tv_sec + 1e-9 * (double)t.tv_nsec;
}

struct Signal {
    std::vector<float> left, right;
};

// Noise bursts over two sines, peaks above full scale now and then.
Signal makeSignal(size_t frames, double rate)
{
    Signal s{std::vector<float>(frames), std::vector<float>(frames)};
    uint32_t state = 12345;
    for (size_t i = 0; i < frames; ++i) {
        state = state * 1664525u + 1013904223u;
        const double noise = (double)((int32_t)state >> 8) / 8388608.0;
        const double t = (double)i / rate;
        const double burst = std::fmod(t, 1.0) < 0.3 ? 0.6 : 0.1;
        s.left[i] = (float)(0.7 * std::sin(2 * M_PI * 110.0 * t) + burst * noise);
        s.right[i] = (float)(0.5 * std::sin(2 * M_PI * 440.0 * t) + 0.9 * burst * noise);
    }
    return s;
}

// CPU seconds for `count` instances each processing the whole signal in blocks, interleaved.
struct Setting {
    int index;
    float value;
};

double run(AEffect* (*entry)(audioMasterCallback), int count, int block, double rate, const Signal& in,
           const std::vector<Setting>& settings)
{
    std::vector<AEffect*> fx(count);
    for (AEffect*& e : fx) {
        e = entry(hostCallback);
        e->dispatcher(e, effOpen, 0, 0, nullptr, 0.0f);
        e->dispatcher(e, effSetSampleRate, 0, 0, nullptr, (float)rate);
        e->dispatcher(e, effSetBlockSize, 0, block, nullptr, 0.0f);
        for (const Setting& s : settings)
            e->setParameter(e, s.index, s.value);
        e->dispatcher(e, effMainsChanged, 0, 1, nullptr, 0.0f);
    }
    std::vector<float> outL(block), outR(block), inL(block), inR(block);
    const double start = cpuSeconds();
    for (size_t at = 0; at + block <= in.left.size(); at += block) {
        for (AEffect* e : fx) {
            std::memcpy(inL.data(), in.left.data() + at, block * sizeof(float));
            std::memcpy(inR.data(), in.right.data() + at, block * sizeof(float));
            float* ins[2] = {inL.data(), inR.data()};
            float* outs[2] = {outL.data(), outR.data()};
            e->processReplacing(e, ins, outs, block);
        }
    }
    const double used = cpuSeconds() - start;
    for (AEffect* e : fx) {
        e->dispatcher(e, effMainsChanged, 0, 0, nullptr, 0.0f);
        e->dispatcher(e, effClose, 0, 0, nullptr, 0.0f);
    }
    return used;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s LIBRARY [--instances N] [--block B] [--seconds S] [--rate HZ] [--set I=V]...\n",
                     argv[0]);
        return 2;
    }
    int instances = 64, block = 512;
    double seconds = 10.0, rate = 44100.0;
    std::vector<Setting> settings;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string opt = argv[i];
        if (opt == "--instances") instances = std::atoi(argv[i + 1]);
        else if (opt == "--block") block = std::atoi(argv[i + 1]);
        else if (opt == "--seconds") seconds = std::atof(argv[i + 1]);
        else if (opt == "--rate") rate = std::atof(argv[i + 1]);
        else if (opt == "--set") {
            const char* eq = std::strchr(argv[i + 1], '=');
            if (!eq) {
                std::fprintf(stderr, "--set wants INDEX=VALUE\n");
                return 2;
            }
            settings.push_back({std::atoi(argv[i + 1]), (float)std::atof(eq + 1)});
        }
    }
    void* lib = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (!lib) {
        std::fprintf(stderr, "%s\n", dlerror());
        return 1;
    }
    void* symbol = dlsym(lib, "VSTPluginMain");
    if (!symbol)
        symbol = dlsym(lib, "main");  // the older name of the entry point
    auto entry = (AEffect * (*)(audioMasterCallback)) symbol;
    if (!entry) {
        std::fprintf(stderr, "no VSTPluginMain\n");
        return 1;
    }
    const Signal in = makeSignal((size_t)(seconds * rate), rate);
    run(entry, 1, block, rate, in, settings);  // warm-up
    // The best of three: other work on the machine only ever adds time.
    double one = 1e30, many = 1e30;
    for (int round = 0; round < 3; ++round) {
        one = std::min(one, run(entry, 1, block, rate, in, settings));
        many = std::min(many, run(entry, instances, block, rate, in, settings));
    }
    std::printf("%s: %g s of stereo at %g Hz, blocks of %d\n", argv[1], seconds, rate, block);
    std::printf("1 instance: %.3f CPU s (%.1f x realtime)\n", one, seconds / one);
    std::printf("%d instances side by side: %.3f CPU s, %.4f s per instance = %.3f x the single instance\n",
                instances, many, many / instances, many / instances / one);
    return 0;
}
