// The oversampler against a plain per-sample model on 256- and 128-entry rings, bit for bit:
// single and paired calls of every block length up to a work block, and the plain delays,
// with and without the 256-bit sums.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <vector>

#include "emberline2/dsp/Oversampler2x.h"
#include "emberline2/dsp/WideVectors.h"

namespace {

using velda::Oversampler2x;

// One sample at a time on masked rings, with the taps taken from the real oversampler.
class RingModel {
public:
    explicit RingModel(const Oversampler2x& os)
    {
        for (int i = 0; i < 128; ++i) {
            up[i] = os.interpolatorTap(i);
            down[i] = os.decimatorTap(i);
        }
    }
    // x(n - 128 + j) + x(n - 1 - j), with x(n) in place of x(n - 128).
    void upsample(double x, double& even, double& odd)
    {
        pos = (pos + 1) & 127;
        inputs[pos] = x;
        double sum = 0.0;
        for (int j = 0; j < 64; ++j) {
            const double head = j == 0 ? inputs[pos] : inputs[(pos - 128 + j) & 127];
            const double tail = inputs[(pos - 1 - j) & 127];
            sum += up[127 - 2 * j] * (head + tail);
        }
        even = sum;
        odd = inputs[(pos - 64) & 127] * up[0];
    }
    double downsample(double u0, double u1)
    {
        t = (t + 1) & 255;
        stream[t] = u0;
        double sum = 0.0;
        for (int j = 0; j < 64; ++j) {
            const double tail = stream[(t - 2 - 2 * j) & 255];
            const double head = j == 0 ? stream[t] : stream[(t - 256 + 2 * j) & 255];
            sum += down[127 - 2 * j] * (tail + head);
        }
        const double centre = stream[(t - 129) & 255];
        t = (t + 1) & 255;
        stream[t] = u1;
        return sum + centre * down[0];
    }
    double inputDelay(double x)
    {
        pos = (pos + 1) & 127;
        inputs[pos] = x;
        return inputs[(pos - 64) & 127];
    }
    double outputDelay(double u)
    {
        t = (t + 1) & 255;
        stream[t] = u;
        return stream[(t - 64) & 255];
    }

private:
    double up[128], down[128];
    double inputs[128] = {};
    double stream[256] = {};
    int pos = 0, t = 0;
};

void expectSame(double a, double b, const char* what, int at)
{
    ASSERT_EQ(std::bit_cast<uint64_t>(a), std::bit_cast<uint64_t>(b)) << what << " at " << at;
}

class OversamplerExact : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        if (GetParam() && !velda::wideVectorsAvailable())
            GTEST_SKIP() << "no 256-bit vectors on this processor";
        velda::wideVectorsEnabled() = GetParam();
    }
    void TearDown() override { velda::wideVectorsEnabled() = velda::wideVectorsAvailable(); }
};

TEST_P(OversamplerExact, MatchesThePerSampleModel)
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> u(-1.5, 1.5);
    Oversampler2x a, b;
    RingModel ma(a), mb(b);
    double bufA[128], bufB[128];
    int at = 0;
    for (int round = 0; round < 400; ++round) {
        const int n = 1 + (int)(rng() % 64);
        const int kind = (int)(rng() % 4);
        for (int i = 0; i < 2 * n; ++i) {
            bufA[i] = u(rng);
            bufB[i] = u(rng);
        }
        std::vector<double> wantA, wantB;
        if (kind == 0) {  // paired upsampling
            for (int i = 0; i < n; ++i) {
                double e, o;
                ma.upsample(bufA[i], e, o);
                wantA.insert(wantA.end(), {e, o});
                mb.upsample(bufB[i], e, o);
                wantB.insert(wantB.end(), {e, o});
            }
            Oversampler2x::upsamplePair(a, b, bufA, bufB, n);
        } else if (kind == 1) {  // paired downsampling of 2n samples
            for (int i = 0; i < n; ++i) {
                wantA.push_back(ma.downsample(bufA[2 * i], bufA[2 * i + 1]));
                wantB.push_back(mb.downsample(bufB[2 * i], bufB[2 * i + 1]));
            }
            Oversampler2x::downsamplePair(a, b, bufA, bufB, 2 * n);
        } else if (kind == 2) {  // single calls on the first channel, plain delays on the second
            for (int i = 0; i < n; ++i) {
                double e, o;
                ma.upsample(bufA[i], e, o);
                wantA.insert(wantA.end(), {e, o});
                wantB.push_back(mb.inputDelay(bufB[i]));
            }
            a.upsample(bufA, n);
            b.inputDelay(bufB, n);
        } else {
            for (int i = 0; i < n; ++i) {
                wantA.push_back(ma.downsample(bufA[2 * i], bufA[2 * i + 1]));
                wantB.push_back(mb.outputDelay(bufB[i]));
            }
            a.downsample(bufA, 2 * n);
            b.outputDelay(bufB, n);
        }
        for (size_t i = 0; i < wantA.size(); ++i)
            expectSame(bufA[i], wantA[i], "first channel", at + (int)i);
        for (size_t i = 0; i < wantB.size(); ++i)
            expectSame(bufB[i], wantB[i], "second channel", at + (int)i);
        if (HasFatalFailure())
            return;
        at += n;
    }
}

INSTANTIATE_TEST_SUITE_P(Vectors, OversamplerExact, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Wide" : "Narrow"; });

}  // namespace
