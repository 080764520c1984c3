// Golden renders of every factory program: the hash of the 32-bit output must be the same on
// every platform and build. VELDA_UPDATE_GOLDEN=1 rewrites tests/golden/cindermote.txt.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "cindermote/CindermoteParameters.h"
#include "tests/cindermote/CindermoteFixture.h"

using namespace velda::cindermote;
using velda::test::Stereo;
using velda::test::TinyLcg;

namespace {

// Noise bursts of changing level, a full-scale square and silence, with a shared part so that
// linked and unlinked detection differ.
Stereo goldenSignal(float rate)
{
    const size_t frames = (size_t)(rate * 0.6f);
    TinyLcg common(12345), left(777), right(4242);
    Stereo s = velda::test::silence(frames);
    const float levels[] = {0.05f, 0.5f, 1.0f, 0.25f, 2.0f, 0.125f, 0.0f, 0.75f};
    const size_t segment = frames / 8;
    for (size_t i = 0; i < frames; ++i) {
        const size_t part = i / segment < 8 ? i / segment : 7;
        const float c = common.next();
        float l = (c * 0.75f + left.next() * 0.25f) * levels[part];
        float r = (c * 0.5f + right.next() * 0.5f) * levels[(part + 3) % 8];
        if (part == 6) l = r = ((i / 97) % 2 ? 1.0f : -1.0f);  // full-scale square
        s.left[i] = l;
        s.right[i] = r;
    }
    return s;
}

uint64_t fnv1a(const Stereo& out)
{
    uint64_t h = 0xcbf29ce484222325ull;
    auto add = [&h](float v) {
        uint32_t bits;
        std::memcpy(&bits, &v, 4);
        for (int b = 0; b < 4; ++b) {
            h ^= (bits >> (8 * b)) & 0xffu;
            h *= 0x100000001b3ull;
        }
    };
    for (size_t i = 0; i < out.size(); ++i) {
        add(out.left[i]);
        add(out.right[i]);
    }
    return h;
}

std::string goldenPath()
{
    const char* source = std::getenv("VELDA_SOURCE_DIR");
    return std::string(source ? source : ".") + "/tests/golden/cindermote.txt";
}

std::map<std::string, std::string> readGolden()
{
    std::map<std::string, std::string> table;
    std::ifstream file(goldenPath());
    std::string key, hash;
    while (file >> key >> hash) table[key] = hash;
    return table;
}

TEST(CindermoteGolden, EveryFactoryProgramAtTwoRates)
{
    velda::platform::ScopedRegistryRoot store;
    velda::test::FakeHost host;
    const bool update = std::getenv("VELDA_UPDATE_GOLDEN") && std::string(std::getenv("VELDA_UPDATE_GOLDEN")) == "1";
    const std::map<std::string, std::string> golden = readGolden();
    std::ostringstream written;
    for (float rate : {44100.0f, 96000.0f}) {
        const Stereo in = goldenSignal(rate);
        for (int p = 0; p < kProgramCount; ++p) {
            Cindermote fx(velda::test::FakeHost::callback);
            velda::test::startAt(fx, rate);
            fx.selectProgram(p);
            fx.engine().metersActive = 1;
            const Stereo out = velda::test::render(fx, in, 100);
            char hash[17];
            std::snprintf(hash, sizeof hash, "%016llx", (unsigned long long)fnv1a(out));
            const std::string key = std::to_string((int)rate) + "/" + std::to_string(p);
            written << key << " " << hash << "\n";
            if (!update) {
                auto it = golden.find(key);
                ASSERT_NE(it, golden.end()) << "no golden hash for " << key << " (run with VELDA_UPDATE_GOLDEN=1)";
                EXPECT_EQ(hash, it->second) << key;
            }
        }
    }
    if (update) {
        std::ofstream file(goldenPath());
        file << written.str();
        ASSERT_TRUE(file.good());
    }
}

}  // namespace
