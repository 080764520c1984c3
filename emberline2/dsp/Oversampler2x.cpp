#include "emberline2/dsp/Oversampler2x.h"

#include <cmath>

#include "emberline2/dsp/VeldaMath.h"

namespace velda {

Oversampler2x::Oversampler2x()
{
    const double pi = math::kPi;
    for (int i = 0; i < 128; ++i) {
        double s = 0.5;
        if (i > 0)
            s = math::sin(i * pi / 2.0) / (256.0 * math::sin(i * pi / 255.0));
        double hu = 2.0 * s * (0.42 + 0.5 * math::cos(2.0 * pi * i / 255.0) + 0.08 * math::cos(4.0 * pi * i / 255.0));
        double hd = s * (0.5 + 0.5 * math::cos(2.0 * pi * i / 255.0));
        if (std::fabs(hu) < 1e-16)
            hu = 0.0;
        if (std::fabs(hd) < 1e-16)
            hd = 0.0;
        up[i] = hu;
        down[i] = hd;
    }
    up[0] = 1.0;
    down[0] = 0.5;
    reset();
}

void Oversampler2x::reset()
{
    for (double& v : upHistory)
        v = 0.0;
    for (double& v : downHistory)
        v = 0.0;
    for (double& v : scratch)
        v = 0.0;
    upIndex = kMask;
    downIndex = kMask;
}

void Oversampler2x::upsample(double* buf, int n)
{
    // Outputs overwrite the buffer ahead of the inputs, so the inputs are read from a copy.
    for (int i = 0; i < n; ++i)
        scratch[i] = buf[i];
    int d = upIndex;
    for (int i = 0; i < n; ++i) {
        upHistory[d] = scratch[i];
        double sum = 0.0;
        for (int j = 0; j < 64; ++j)
            sum += up[127 - 2 * j] * (upHistory[(d - 2 * j) & kMask] + upHistory[(d + 2 + 2 * j) & kMask]);
        upHistory[(d - 1) & kMask] = 0.0;
        buf[2 * i] = sum;
        buf[2 * i + 1] = upHistory[(d + 128) & kMask] * up[0];
        d = (d - 2) & kMask;
    }
    upIndex = d;
}

void Oversampler2x::downsample(double* buf, int twiceM)
{
    int c = downIndex;
    const int m = twiceM / 2;
    for (int i = 0; i < m; ++i) {
        const double u0 = buf[2 * i];
        const double u1 = buf[2 * i + 1];
        downHistory[c] = u0;
        double sum = 0.0;
        for (int j = 0; j < 64; ++j)
            sum += down[127 - 2 * j] * (downHistory[(c + 2 + 2 * j) & kMask] + downHistory[(c - 2 * j) & kMask]);
        const double centre = downHistory[(c - 127) & kMask];
        downHistory[(c - 1) & kMask] = u1;
        c = (c - 2) & kMask;
        buf[i] = sum + centre * down[0];
    }
    downIndex = c;
}

void Oversampler2x::inputDelay(double* buf, int n)
{
    int d = upIndex;
    for (int i = 0; i < n; ++i) {
        upHistory[d] = buf[i];
        upHistory[(d - 1) & kMask] = buf[i];
        buf[i] = upHistory[(d - 1 + 128) & kMask];
        d = (d - 2) & kMask;
    }
    upIndex = d;
}

void Oversampler2x::outputDelay(double* buf, int n)
{
    int r = downIndex;
    for (int i = 0; i < n; ++i) {
        downHistory[r] = buf[i];
        buf[i] = downHistory[(r + 64) & kMask];
        r = (r - 1) & kMask;
    }
    downIndex = r;
}

}  // namespace velda
