#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "emberline2/dsp/Oversampler2x.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
}

using velda::Oversampler2x;

namespace {

std::vector<double> upsampleAll(Oversampler2x& os, const std::vector<double>& x)
{
    std::vector<double> out;
    double buf[128];
    for (size_t i = 0; i < x.size(); i += 64) {
        const int n = static_cast<int>(std::min<size_t>(64, x.size() - i));
        for (int j = 0; j < n; ++j)
            buf[j] = x[i + j];
        os.upsample(buf, n);
        out.insert(out.end(), buf, buf + 2 * n);
    }
    return out;
}

std::vector<double> downsampleAll(Oversampler2x& os, const std::vector<double>& u)
{
    std::vector<double> out;
    double buf[128];
    for (size_t i = 0; i < u.size(); i += 128) {
        const int n = static_cast<int>(std::min<size_t>(128, u.size() - i));
        for (int j = 0; j < n; ++j)
            buf[j] = u[i + j];
        os.downsample(buf, n);
        out.insert(out.end(), buf, buf + n / 2);
    }
    return out;
}

// Amplitude of the component at cycles-per-sample f over the last n samples.
double amplitudeAt(const std::vector<double>& x, double f, size_t n)
{
    double re = 0.0, im = 0.0;
    const size_t start = x.size() - n;
    for (size_t i = start; i < x.size(); ++i) {
        const double w = 0.5 - 0.5 * std::cos(2.0 * kPi * (i - start) / n);  // Hann window
        re += w * x[i] * std::cos(2.0 * kPi * f * i);
        im += w * x[i] * std::sin(2.0 * kPi * f * i);
    }
    return 2.0 * std::hypot(re, im) / (0.5 * n);
}

}  // namespace

TEST(Oversampler2x, ImpulseAppearsAtPosition129)
{
    Oversampler2x os;
    std::vector<double> x(256, 0.0);
    x[0] = 1.0;
    const std::vector<double> u = upsampleAll(os, x);
    EXPECT_EQ(u[129], 1.0);
    for (int i = 1; i < 256; i += 2) {
        if (i != 129) {
            EXPECT_EQ(u[i], 0.0) << i;
        }
    }
    // The halfway points carry the odd taps, symmetric about 129. The outermost pair is
    // left out: the 128-input history holds the newest input where the oldest would be.
    for (int j = 1; j <= 125; j += 2) {
        EXPECT_EQ(u[129 - j], os.interpolatorTap(j));
        EXPECT_EQ(u[129 + j], os.interpolatorTap(j));
    }
}

TEST(Oversampler2x, TapsAreHalfBand)
{
    Oversampler2x os;
    for (int i = 2; i < 128; i += 2) {
        EXPECT_LT(std::fabs(os.interpolatorTap(i)), 1e-15);
        EXPECT_LT(std::fabs(os.decimatorTap(i)), 1e-15);
    }
    // Odd taps from the windowed kernel, computed independently.
    for (int i : {1, 3, 31, 63, 127}) {
        const double s = std::sin(i * kPi / 2) / (256.0 * std::sin(i * kPi / 255.0));
        EXPECT_NEAR(os.interpolatorTap(i),
                    2 * s * (0.42 + 0.5 * std::cos(2 * kPi * i / 255) + 0.08 * std::cos(4 * kPi * i / 255)), 1e-15);
        EXPECT_NEAR(os.decimatorTap(i), s * (0.5 + 0.5 * std::cos(2 * kPi * i / 255)), 1e-15);
    }
}

// The kernel divides by 256 sin(i pi / 255) (not 255), so the interpolated points and the
// decimator's odd taps pass DC about 0.4 % low.
TEST(Oversampler2x, DcPassesWithNearUnityGain)
{
    Oversampler2x os;
    const std::vector<double> y = downsampleAll(os, upsampleAll(os, std::vector<double>(2048, 1.0)));
    for (size_t i = 512; i < y.size(); ++i) {
        ASSERT_EQ(y[i], y[512]) << i;
        ASSERT_NEAR(y[i], 1.0, 0.005) << i;
    }
}

TEST(Oversampler2x, InterpolatorSuppressesImages)
{
    for (double f : {0.05, 0.2, 0.35, 0.4}) {
        Oversampler2x os;
        std::vector<double> x(8192);
        for (size_t i = 0; i < x.size(); ++i)
            x[i] = std::sin(2 * kPi * f * i);
        const std::vector<double> u = upsampleAll(os, x);
        const double wanted = amplitudeAt(u, f / 2, 8192);
        const double image = amplitudeAt(u, 0.5 - f / 2, 8192);
        EXPECT_NEAR(wanted, 1.0, 0.01) << f;
        // Limited by the 0.4 % gain difference of the two polyphase branches (see above).
        EXPECT_LT(20 * std::log10(image / wanted), -50.0) << f;
    }
}

TEST(Oversampler2x, DecimatorRejectsUpperHalf)
{
    for (double f : {0.3, 0.35, 0.45}) {  // cycles per oversampled sample, above the host band
        Oversampler2x os;
        std::vector<double> u(16384);
        for (size_t i = 0; i < u.size(); ++i)
            u[i] = std::sin(2 * kPi * f * i);
        const std::vector<double> y = downsampleAll(os, u);
        EXPECT_LT(20 * std::log10(amplitudeAt(y, 1.0 - 2 * f, 4096)), -40.0) << f;
    }
    Oversampler2x os;
    std::vector<double> u(16384);
    for (size_t i = 0; i < u.size(); ++i)
        u[i] = std::sin(2 * kPi * 0.1 * i);
    EXPECT_NEAR(amplitudeAt(downsampleAll(os, u), 0.2, 4096), 1.0, 0.01);
}

TEST(Oversampler2x, PlainDelaysAreExactly64Samples)
{
    Oversampler2x os;
    std::vector<double> x(1000);
    for (size_t i = 0; i < x.size(); ++i)
        x[i] = std::sin(0.37 * i) + i;
    std::vector<double> a = x, b = x;
    for (size_t i = 0; i < x.size(); i += 50) {
        os.inputDelay(a.data() + i, 50);
        os.outputDelay(b.data() + i, 50);
    }
    for (size_t i = 0; i < x.size(); ++i) {
        EXPECT_EQ(a[i], i < 64 ? 0.0 : x[i - 64]) << i;
        EXPECT_EQ(b[i], i < 64 ? 0.0 : x[i - 64]) << i;
    }
}
