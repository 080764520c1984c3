// One thread changes engineering values and raises requests while another processes and a
// third reads the meters. Run it in a -DVELDA_SANITIZE=thread tree to check for races.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

#include "tests/emberline2/EngineFixture.h"

using namespace velda;

TEST(EngineThreads, ParameterChangesDuringProcessing)
{
    test::EngineRig rig(48000.0);
    rig.engine.metersActive = true;
    std::atomic<bool> stop{false};
    std::thread setter([&] {
        uint32_t s = 1;
        while (!stop.load()) {
            s = s * 1664525u + 1013904223u;
            const double v = (s >> 8) / 16777216.0;
            rig.values.multiBandOn = (s >> 3) & 1;
            rig.values.modeValue = (s >> 3) & 1 ? 1.0 : 0.0;
            rig.values.linkOn = (s >> 4) & 1;
            rig.values.stereoValue = (s >> 5) & 1 ? 1.0f : 0.0f;
            rig.values.speedValue = static_cast<float>(v);
            rig.values.driveGain = 0.5 + 4 * v;
            rig.values.highSplitHz = 1000.0 + 10000.0 * v;
            rig.values.fatOn = (s >> 6) & 1;
            rig.values.autoOn = (s >> 7) & 1;
            rig.values.meterSource = (s >> 8) % 3;
            rig.values.request(s & 0x3f);
        }
    });
    std::thread editor([&] {
        float sink = 0.0f;
        while (!stop.load()) {
            sink += rig.engine.meterLeft.load() + rig.engine.overFlagRight.load();
            rig.engine.clearOverFlags();
        }
        EXPECT_TRUE(std::isfinite(sink) || !std::isfinite(sink));
    });
    const std::vector<double> x = test::testSignal(4096, 5, 1.5);
    std::vector<double> ol(x.size()), orr(x.size());
    for (int round = 0; round < 40; ++round) {
        rig.engine.process(x.data(), x.data(), ol.data(), orr.data(), static_cast<int>(x.size()));
        for (size_t i = 0; i < x.size(); ++i)
            ASSERT_TRUE(std::isfinite(ol[i]) && std::isfinite(orr[i]));
    }
    stop = true;
    setter.join();
    editor.join();
}
