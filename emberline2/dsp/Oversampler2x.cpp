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
    for (int j = 0; j < 64; ++j) {
        oddUp[j] = up[127 - 2 * j];
        oddDown[j] = down[127 - 2 * j];
    }
    reset();
}

void Oversampler2x::reset()
{
    for (double& v : inputs)
        v = 0.0;
    for (double& v : stream)
        v = 0.0;
    for (double& v : scratch)
        v = 0.0;
    inputPos = 0;
    streamPos = 0;
}

// The interpolator's history of 256 entries holds 128 inputs between stuffed zeros; the pairs
// it sums are x(n - 128 + j) and x(n - 1 - j), where x(n - 128) shares its slot with x(n).
void Oversampler2x::upsample(double* buf, int n)
{
    // Outputs overwrite the buffer ahead of the inputs, so the inputs are read from a copy.
    for (int i = 0; i < n; ++i)
        scratch[i] = buf[i];
    for (int i = 0; i < n; ++i) {
        const double* w = pushInput(scratch[i]);
        buf[2 * i] = upSum(w);
        buf[2 * i + 1] = w[64] * up[0];
    }
}

void Oversampler2x::upsamplePair(Oversampler2x& a, Oversampler2x& b, double* bufA, double* bufB, int n)
{
    for (int i = 0; i < n; ++i) {
        a.scratch[i] = bufA[i];
        b.scratch[i] = bufB[i];
    }
    for (int i = 0; i < n; ++i) {
        const double* wa = a.pushInput(a.scratch[i]);
        const double* wb = b.pushInput(b.scratch[i]);
        double sa = 0.0, sb = 0.0;
        for (int j = 0; j < 64; ++j) {
            sa += a.oddUp[j] * (wa[j] + wa[127 - j]);
            sb += b.oddUp[j] * (wb[j] + wb[127 - j]);
        }
        bufA[2 * i] = sa;
        bufA[2 * i + 1] = wa[64] * a.up[0];
        bufB[2 * i] = sb;
        bufB[2 * i + 1] = wb[64] * b.up[0];
    }
}

// Each output is centred on u(t - 129), t being the newest even-position sample.
void Oversampler2x::downsample(double* buf, int twiceM)
{
    const int m = twiceM / 2;
    for (int i = 0; i < m; ++i) {
        const double u1 = buf[2 * i + 1];
        const double* w = pushStream(buf[2 * i]);
        const double sum = downSum(w);
        const double centre = w[127];  // u(t - 129), one ring turn later
        pushStream(u1);
        buf[i] = sum + centre * down[0];
    }
}

void Oversampler2x::downsamplePair(Oversampler2x& a, Oversampler2x& b, double* bufA, double* bufB, int twiceM)
{
    const int m = twiceM / 2;
    for (int i = 0; i < m; ++i) {
        const double ua = bufA[2 * i + 1];
        const double ub = bufB[2 * i + 1];
        const double* wa = a.pushStream(bufA[2 * i]);
        const double* wb = b.pushStream(bufB[2 * i]);
        double sa = 0.0, sb = 0.0;
        for (int j = 0; j < 64; ++j) {
            sa += a.oddDown[j] * (wa[-2 - 2 * j] + wa[2 * j]);
            sb += b.oddDown[j] * (wb[-2 - 2 * j] + wb[2 * j]);
        }
        const double ca = wa[127];
        const double cb = wb[127];
        a.pushStream(ua);
        b.pushStream(ub);
        bufA[i] = sa + ca * a.down[0];
        bufB[i] = sb + cb * b.down[0];
    }
}

void Oversampler2x::inputDelay(double* buf, int n)
{
    int p = inputPos;
    for (int i = 0; i < n; ++i) {
        p = (p + 1) & 127;
        inputs[p] = buf[i];
        inputs[p + 128] = buf[i];
        buf[i] = inputs[p + 64];
    }
    inputPos = p;
}

void Oversampler2x::outputDelay(double* buf, int n)
{
    int t = streamPos;
    for (int i = 0; i < n; ++i) {
        t = (t + 1) & kMask;
        stream[t] = buf[i];
        stream[t + kHistory] = buf[i];
        buf[i] = stream[((t - 64) & kMask)];
    }
    streamPos = t;
}

}  // namespace velda
