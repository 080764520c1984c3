// Counts heap allocations on the audio path: processing, parameter changes and program changes
// must make none.
#include <gtest/gtest.h>

// The replaced operators pair malloc with free; the compiler cannot see that through inlining.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "cindermote/Cindermote.h"
#include "platform/RegistryTestRoot.h"
#include "cindermote/CindermoteParameters.h"

namespace {
std::atomic<bool> counting{false};
std::atomic<int> allocations{0};
}  // namespace

void* operator new(std::size_t size)
{
    if (counting.load()) allocations.fetch_add(1);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
// The effect's tables come from the nothrow forms: counted too, and freed by the deletes below.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    if (counting.load()) allocations.fetch_add(1);
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace vst;
using namespace velda::cindermote;

// A host that answers without recording anything (recording would allocate).
VstIntPtr quietHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

TEST(CindermoteAllocations, NoneWhileProcessingOrChangingParameters)
{
    velda::platform::ScopedRegistryRoot store;
    Cindermote fx(quietHost);
    fx.dispatcher(effMainsChanged, 0, 1, nullptr, 0.0f);
    fx.engine().metersActive = 1;
    std::vector<float> in(3000), outL(3000), outR(3000);
    std::vector<double> inD(3000), outDL(3000), outDR(3000);
    for (size_t i = 0; i < in.size(); ++i) inD[i] = in[i] = (float)((i * 7919) % 2001) / 1000.0f - 1.0f;
    float* inputs[2] = {in.data(), in.data()};
    float* outputs[2] = {outL.data(), outR.data()};
    double* inputsD[2] = {inD.data(), inD.data()};
    double* outputsD[2] = {outDL.data(), outDR.data()};

    counting = true;
    for (int p = 0; p < kProgramCount; ++p) {
        fx.selectProgram(p);
        for (float meters : {0.0f, 0.5f, 1.0f}) {
            fx.setParameter(kMeters, meters);
            fx.setParameter(kMeterScale, meters);
            fx.setParameter(kVuIntegration, meters);
            fx.processReplacing(inputs, outputs, 3000);
            fx.setParameter(kStereoMono, meters);
            fx.setParameter(kProcess, meters > 0.7f ? 0.0f : 1.0f);
            fx.processDoubleReplacing(inputsD, outputsD, 3000);
        }
    }
    counting = false;
    EXPECT_EQ(allocations.load(), 0);
}

}  // namespace
