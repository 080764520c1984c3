// Renders every factory program on a built-in test signal and compares hashes of the 32-bit
// output with tests/golden/<product>.txt. VELDA_UPDATE_GOLDEN=1 rewrites the file.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "emberline/Emberline1Product.h"
#include "emberline2/Emberline.h"
#include "emberline2/Emberline2Product.h"
#include "platform/RegistryTestRoot.h"
#include "support/FakeHost.h"

namespace {

constexpr int kFrames = 48000;

// Second-order recursive oscillator: only multiplications and additions, so the signal is
// bit-identical on every platform. c = cos(2 pi f / rate) given as a literal.
struct Oscillator {
    double c2, y1, y2;
    Oscillator(double cosW, double sinW) : c2(2.0 * cosW), y1(0.0), y2(-sinW) {}
    double next()
    {
        const double y = c2 * y1 - y2;
        y2 = y1;
        y1 = y;
        return y;
    }
};

// Drums (decaying noise bursts), a bass line, a chord and peaks above full scale.
void testSignal(std::vector<float>& left, std::vector<float>& right)
{
    left.assign(kFrames, 0.0f);
    right.assign(kFrames, 0.0f);
    uint32_t seed = 12345u;
    Oscillator bass(0.99979846, 0.02007474);    // about 141 Hz at 44.1 kHz
    Oscillator chord1(0.99211470, 0.12533323);  // about 880 Hz
    Oscillator chord2(0.98768834, 0.15643447);  // about 1100 Hz
    Oscillator chord3(0.98228725, 0.18738131);  // about 1320 Hz
    double drum = 0.0;
    for (int i = 0; i < kFrames; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const double noise = static_cast<double>(static_cast<int32_t>(seed) >> 8) / 8388608.0;
        if (i % 11025 == 0)
            drum = 1.0;
        drum *= 0.9995;
        const double chord = 0.15 * (chord1.next() + chord2.next() + chord3.next());
        const double b = 0.45 * bass.next();
        double l = drum * noise * 0.9 + b + chord;
        double r = drum * noise * 0.7 + b - chord * 0.5;
        if (i % 9973 < 6) {  // short runs beyond full scale
            l *= 2.5;
            r *= -2.2;
        }
        left[i] = static_cast<float>(l);
        right[i] = static_cast<float>(r);
    }
}

uint64_t fnv1a(const std::vector<float>& a, const std::vector<float>& b)
{
    uint64_t h = 1469598103934665603ull;
    for (size_t i = 0; i < a.size(); ++i) {
        for (const float* v : {&a[i], &b[i]}) {
            uint32_t bits;
            std::memcpy(&bits, v, 4);
            for (int k = 0; k < 4; ++k) {
                h ^= (bits >> (8 * k)) & 0xffu;
                h *= 1099511628211ull;
            }
        }
    }
    return h;
}

struct GoldenCase {
    const char* file;
    const velda::ProductLayout* product;
    int fatIndex;  // -1: the product has no oversampling
};

std::string key(int program, int rate, int fat)
{
    char text[64];
    std::snprintf(text, sizeof text, "program %02d rate %d fat %d", program, rate, fat);
    return text;
}

std::map<std::string, std::string> readGolden(const std::string& path)
{
    std::map<std::string, std::string> entries;
    if (FILE* f = std::fopen(path.c_str(), "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, f)) {
            std::string s(line);
            const size_t eq = s.find(" = ");
            if (eq != std::string::npos)
                entries[s.substr(0, eq)] = s.substr(eq + 3, 16);
        }
        std::fclose(f);
    }
    return entries;
}

void runGolden(const GoldenCase& c)
{
    const char* source = std::getenv("VELDA_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const std::string path = std::string(source) + "/tests/golden/" + c.file;
    const bool update = std::getenv("VELDA_UPDATE_GOLDEN") && std::string(std::getenv("VELDA_UPDATE_GOLDEN")) == "1";
    const std::map<std::string, std::string> golden = readGolden(path);

    std::vector<float> inL, inR;
    testSignal(inL, inR);
    std::string written;
    velda::platform::ScopedRegistryRoot registry;
    velda::test::FakeHost host;
    for (int rate : {44100, 96000}) {
        for (int fat : {0, 1}) {
            if (fat && c.fatIndex < 0)
                continue;
            for (int program = 0; program < c.product->numPrograms; ++program) {
                auto effect = std::make_unique<Emberline>(velda::test::FakeHost::callback, *c.product);
                effect->setSampleRate(static_cast<float>(rate));
                effect->selectProgram(program);
                if (c.fatIndex >= 0)
                    effect->setParameter(c.fatIndex, static_cast<float>(fat));
                effect->resume();
                std::vector<float> outL(kFrames), outR(kFrames);
                const int block = 512;
                for (int i = 0; i < kFrames; i += block) {
                    float* in[2] = {inL.data() + i, inR.data() + i};
                    float* out[2] = {outL.data() + i, outR.data() + i};
                    effect->processReplacing(in, out, std::min(block, kFrames - i));
                }
                char hash[32];
                std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(fnv1a(outL, outR)));
                const std::string k = key(program, rate, fat);
                written += k + " = " + hash + "\n";
                if (!update) {
                    auto it = golden.find(k);
                    ASSERT_NE(it, golden.end()) << "no golden entry for " << k << " in " << path;
                    EXPECT_EQ(it->second, hash) << k;
                }
            }
        }
    }
    if (update) {
        FILE* f = std::fopen(path.c_str(), "w");
        ASSERT_NE(f, nullptr) << path;
        std::fputs(written.c_str(), f);
        std::fclose(f);
    }
}

}  // namespace

TEST(GoldenRender, Emberline2FactoryPrograms)
{
    runGolden({"emberline2.txt", &velda::kEmberline2Product, 26});
}

TEST(GoldenRender, EmberlineFactoryPrograms)
{
    runGolden({"emberline.txt", &velda::kEmberline1Product, -1});
}
