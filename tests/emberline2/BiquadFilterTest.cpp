#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "emberline2/dsp/BiquadFilter.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
}

using velda::BiquadFilter;
using cd = std::complex<double>;

namespace {

cd digitalResponse(const BiquadFilter& f, double hz, double rate)
{
    const cd z1 = std::polar(1.0, -2.0 * kPi * hz / rate);
    const cd z2 = z1 * z1;
    return (f.b0 + f.b1 * z1 + f.b2 * z2) / (1.0 + f.a1 * z1 + f.a2 * z2);
}

// Analog prototypes, evaluated at the bilinear-warped frequency, with the effective Q
// that the corner correction gives.
cd analogResponse(int type, double hz, double f0, double rate, double q, double gainDb, double n, double h)
{
    const cd s(0.0, std::tan(kPi * hz / rate) / std::tan(kPi * f0 / rate));
    const double Q = n > 0 ? q * (1.0 - std::pow(f0 / (h * rate), n)) : q;
    const double A = std::pow(10.0, gainDb / 40.0);
    const cd den = s * s + s / Q + 1.0;
    switch (type) {
    case 1: return s * s / den;
    case 3: return A * (s * s + std::sqrt(A) / Q * s + A) / (A * s * s + std::sqrt(A) / Q * s + 1.0);
    case 4: return (s * s + s * (A / Q) + 1.0) / (s * s + s / (A * Q) + 1.0);
    case 5: return (s / Q) / den;
    case 6: return (s * s + 1.0) / den;
    case 7: return A * (A * s * s + std::sqrt(A) / Q * s + 1.0) / (s * s + std::sqrt(A) / Q * s + A);
    case 8: return 1.0 / den;
    case 10: return (s * s - s / Q + 1.0) / den;
    }
    return 1.0;
}

struct ResponseCase {
    int type;
    double f0, q, gainDb;
    double n, h;  // corner correction exponent and reference (n 0: none)
};

const ResponseCase kResponses[] = {
    {1, 1000.0, 0.707, 0.0, 6.0, 0.5001},   {1, 15000.0, 2.0, 0.0, 6.0, 0.5001},
    {3, 300.0, 0.8, 6.0, 3.0, 0.5001},      {3, 8000.0, 0.5, -9.0, 3.0, 0.5001},
    {4, 2500.0, 1.5, 8.0, 2.8, 0.5001},     {4, 12000.0, 0.7, -12.0, 2.8, 0.5001},
    {5, 700.0, 3.0, 0.0, 2.8, 0.5001},      {6, 5000.0, 1.0, 0.0, 2.8, 0.5001},
    {7, 4000.0, 0.6, 5.0, 3.0, 0.5001},     {7, 16000.0, 0.9, -4.0, 3.0, 0.5001},
    {8, 200.0, 0.5, 0.0, 8.0, 0.50001},     {8, 18000.0, 0.583, 0.0, 8.0, 0.50001},
    {10, 3000.0, 0.707, 0.0, 0.0, 0.0},
};

}  // namespace

TEST(BiquadFilter, MatchesAnalogPrototypeThroughBilinearMap)
{
    const double rate = 44100.0;
    for (const ResponseCase& c : kResponses) {
        BiquadFilter f(rate, c.type, c.f0, c.q, c.gainDb);
        for (double hz : {20.0, 100.0, 440.0, 1000.0, 3000.0, 7000.0, 12000.0, 19000.0, 21500.0}) {
            const double got = std::abs(digitalResponse(f, hz, rate));
            const double want = std::abs(analogResponse(c.type, hz, c.f0, rate, c.q, c.gainDb, c.n, c.h));
            EXPECT_NEAR(got, want, 1e-9 * (1.0 + want)) << "type " << c.type << " f0 " << c.f0 << " at " << hz;
        }
    }
}

TEST(BiquadFilter, LowPassSettlesToUnityAtDc)
{
    BiquadFilter f(44100.0, BiquadFilter::kLowPass, 2.0, 0.583, 0.0);
    double y = 0.0;
    for (int i = 0; i < 441000; ++i)
        y = f.process(1.0);
    EXPECT_NEAR(y, 1.0, 1e-7);
}

TEST(BiquadFilter, FrequencyIsKeptBelowNyquist)
{
    BiquadFilter f(44100.0, BiquadFilter::kLowPass, 1000.0, 0.707, 0.0);
    f.setFrequency(30000.0);
    EXPECT_DOUBLE_EQ(f.getFrequency(), 0.499 * 44100.0);
    BiquadFilter ref(44100.0, BiquadFilter::kLowPass, 0.499 * 44100.0, 0.707, 0.0);
    EXPECT_EQ(f.b0, ref.b0);
    EXPECT_EQ(f.a1, ref.a1);
    f.setFrequency(20000.0);
    f.setRate(22050.0);
    EXPECT_DOUBLE_EQ(f.getFrequency(), 0.499 * 22050.0);
}

TEST(BiquadFilter, ThroughTypeReturnsInputExactly)
{
    BiquadFilter f(48000.0, BiquadFilter::kThrough, 1000.0, 0.707, 0.0);
    for (double x : {0.0, 1e-300, -0.3, 123.456, -1e10})
        EXPECT_EQ(f.process(x), x);
}

TEST(BiquadFilter, SilenceAlternatesAroundZeroWithoutDenormals)
{
    BiquadFilter f(44100.0, BiquadFilter::kLowPass, 100.0, 0.5, 0.0);
    double prev = 0.0;
    for (int i = 0; i < 200000; ++i) {
        const double y = f.process(0.0);
        ASSERT_NE(std::fpclassify(y), FP_SUBNORMAL);
        if (i > 100000) {
            EXPECT_LT(std::fabs(y), 1e-12);
            EXPECT_LT(y * prev, 0.0);
        }
        prev = y;
    }
}

TEST(BiquadFilter, DecayTypesStoreOnePoleCoefficient)
{
    BiquadFilter f2(44100.0, BiquadFilter::kDecay, 100.0, 0.7, 0.0);
    EXPECT_DOUBLE_EQ(f2.a0, std::pow(0.005, 100.0 / 44100.0));
    EXPECT_EQ(f2.a1, 1.0);
    EXPECT_EQ(f2.b0, 1.0);
    BiquadFilter f9(44100.0, BiquadFilter::kDecayMean, 100.0, 0.7, 0.0);
    EXPECT_DOUBLE_EQ(f9.a1, (f9.a0 + 1.0) / 2.0);
    BiquadFilter other(44100.0, 11, 100.0, 0.7, 0.0);
    EXPECT_EQ(other.a0, 1.0);
    EXPECT_EQ(other.b2, 1.0);
}

TEST(BiquadFilter, ResetClearsHistory)
{
    BiquadFilter a(44100.0, BiquadFilter::kHighPass, 500.0, 0.707, 0.0);
    BiquadFilter b(44100.0, BiquadFilter::kHighPass, 500.0, 0.707, 0.0);
    for (int i = 0; i < 100; ++i)
        a.process(0.7);
    a.reset();
    // The offsets of a and b may differ in sign after an odd count; compare magnitudes loosely.
    for (int i = 0; i < 10; ++i)
        EXPECT_NEAR(a.process(0.25), b.process(0.25), 1e-12);
}
