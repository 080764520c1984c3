// Counts heap allocations while the engine processes: there must be none.
#include <gtest/gtest.h>

// The replaced operators pair malloc with free; the compiler cannot see that through inlining.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "tests/emberline2/EngineFixture.h"

namespace {
std::atomic<bool> counting{false};
std::atomic<int> allocations{0};
}  // namespace

void* operator new(std::size_t size)
{
    if (counting.load())
        allocations.fetch_add(1);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

using namespace velda;
using velda::test::EngineRig;
using velda::test::kKernels;

TEST(EngineAllocations, NoneWhileProcessing)
{
    const std::vector<double> x = test::testSignal(20000, 3, 2.0);
    std::vector<float> xf(x.begin(), x.end());
    std::vector<double> ol(x.size()), orr(x.size());
    std::vector<float> fl(x.size()), fr(x.size());
    for (const auto& k : kKernels) {
        for (bool fat : {false, true}) {
            EngineRig rig(48000.0);
            rig.select(k);
            rig.setFat(fat);
            rig.engine.metersActive = true;
            rig.values.request(kRequestVuRetune | kRequestBufferClear);
            counting = true;
            rig.engine.process(x.data(), x.data(), ol.data(), orr.data(), static_cast<int>(x.size()));
            rig.engine.process(xf.data(), xf.data(), fl.data(), fr.data(), static_cast<int>(x.size()));
            counting = false;
            EXPECT_EQ(allocations.load(), 0) << k.name;
        }
    }
}
