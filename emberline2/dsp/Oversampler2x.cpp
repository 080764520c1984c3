#include "emberline2/dsp/Oversampler2x.h"

#include <immintrin.h>

#include <cmath>
#include <cstring>

#include "emberline2/dsp/VeldaMath.h"
#include "emberline2/dsp/WideVectors.h"

namespace velda {

namespace {

// Both filters sum, for output i, taps[j] * (head + tail) over j = 0..63 in that order, with
// head = x[128 + i] for j = 0 and x[i + j] after, tail = x[127 + i - j]; the interpolator adds
// head + tail, the decimator tail + head. Outputs i and i + 1 read neighbouring entries, so
// they run as the two lanes of a packed pair: the same IEEE operations per lane. C channels
// times two pairs give independent sums that overlap in the processor.
template <bool TailFirst>
inline __m128d term(__m128d tap, __m128d head, __m128d tail)
{
    return _mm_mul_pd(tap, TailFirst ? _mm_add_pd(tail, head) : _mm_add_pd(head, tail));
}

// Four sums in named registers: outputs i, i + 1 (pair 0) and i + 2, i + 3 (pair 1) of x.
template <bool TailFirst>
inline void sumTwoPairs(const double* taps, const double* x, int i, __m128d& p0, __m128d& p1)
{
    const __m128d tap = _mm_load_pd(taps);
    p0 = _mm_add_pd(_mm_setzero_pd(), term<TailFirst>(tap, _mm_loadu_pd(x + 128 + i), _mm_loadu_pd(x + 127 + i)));
    p1 = _mm_add_pd(_mm_setzero_pd(), term<TailFirst>(tap, _mm_loadu_pd(x + 130 + i), _mm_loadu_pd(x + 129 + i)));
}

template <bool TailFirst>
inline void stepTwoPairs(__m128d tap, const double* x, int i, int j, __m128d& p0, __m128d& p1)
{
    p0 = _mm_add_pd(p0, term<TailFirst>(tap, _mm_loadu_pd(x + i + j), _mm_loadu_pd(x + 127 + i - j)));
    p1 = _mm_add_pd(p1, term<TailFirst>(tap, _mm_loadu_pd(x + i + 2 + j), _mm_loadu_pd(x + 129 + i - j)));
}

template <bool TailFirst, int C>
inline void sumFourOutputs(const double* taps, const double* const* x, int i, double* const* out)
{
    __m128d a0, a1, b0, b1;
    sumTwoPairs<TailFirst>(taps, x[0], i, a0, a1);
    if constexpr (C == 2)
        sumTwoPairs<TailFirst>(taps, x[1], i, b0, b1);
    for (int j = 1; j < 64; ++j) {
        const __m128d tap = _mm_load_pd(taps + 2 * j);
        stepTwoPairs<TailFirst>(tap, x[0], i, j, a0, a1);
        if constexpr (C == 2)
            stepTwoPairs<TailFirst>(tap, x[1], i, j, b0, b1);
    }
    _mm_storeu_pd(out[0] + i, a0);
    _mm_storeu_pd(out[0] + i + 2, a1);
    if constexpr (C == 2) {
        _mm_storeu_pd(out[1] + i, b0);
        _mm_storeu_pd(out[1] + i + 2, b1);
    }
}

// Eight outputs per channel, i .. i + 3 and i + 4 .. i + 7, as the lanes of 256-bit vectors,
// the sums in named registers.
template <bool TailFirst>
[[gnu::target("avx")]] inline __m256d termWide(__m256d tap, const double* head, const double* tail)
{
    const __m256d h = _mm256_loadu_pd(head), t = _mm256_loadu_pd(tail);
    return _mm256_mul_pd(tap, TailFirst ? _mm256_add_pd(t, h) : _mm256_add_pd(h, t));
}

template <bool TailFirst, int C>
[[gnu::target("avx")]] void sumEightOutputsWide(const double* taps, const double* const* x, int i, double* const* out)
{
    const double* x0 = x[0];
    const double* x1 = x[C - 1];
    const __m256d tap0 = _mm256_broadcast_sd(taps);
    const __m256d zero = _mm256_setzero_pd();
    __m256d a0 = _mm256_add_pd(zero, termWide<TailFirst>(tap0, x0 + 128 + i, x0 + 127 + i));
    __m256d a1 = _mm256_add_pd(zero, termWide<TailFirst>(tap0, x0 + 132 + i, x0 + 131 + i));
    __m256d b0 = zero, b1 = zero;
    if constexpr (C == 2) {
        b0 = _mm256_add_pd(zero, termWide<TailFirst>(tap0, x1 + 128 + i, x1 + 127 + i));
        b1 = _mm256_add_pd(zero, termWide<TailFirst>(tap0, x1 + 132 + i, x1 + 131 + i));
    }
    for (int j = 1; j < 64; ++j) {
        const __m256d tap = _mm256_broadcast_sd(taps + 2 * j);
        a0 = _mm256_add_pd(a0, termWide<TailFirst>(tap, x0 + i + j, x0 + 127 + i - j));
        a1 = _mm256_add_pd(a1, termWide<TailFirst>(tap, x0 + i + 4 + j, x0 + 131 + i - j));
        if constexpr (C == 2) {
            b0 = _mm256_add_pd(b0, termWide<TailFirst>(tap, x1 + i + j, x1 + 127 + i - j));
            b1 = _mm256_add_pd(b1, termWide<TailFirst>(tap, x1 + i + 4 + j, x1 + 131 + i - j));
        }
    }
    _mm256_storeu_pd(out[0] + i, a0);
    _mm256_storeu_pd(out[0] + i + 4, a1);
    if constexpr (C == 2) {
        _mm256_storeu_pd(out[1] + i, b0);
        _mm256_storeu_pd(out[1] + i + 4, b1);
    }
}

template <bool TailFirst>
inline double sumOneOutput(const double* taps, const double* x, int i)
{
    double sum = 0.0;
    for (int j = 0; j < 64; ++j) {
        const double head = j == 0 ? x[128 + i] : x[i + j];
        const double tail = x[127 + i - j];
        sum += taps[2 * j] * (TailFirst ? tail + head : head + tail);
    }
    return sum;
}

template <bool TailFirst, int C>
void sumAll(const double* taps, const double* const* x, int n, double* const* out)
{
    int i = 0;
    if (wideVectorsEnabled())
        for (; i + 8 <= n; i += 8)
            sumEightOutputsWide<TailFirst, C>(taps, x, i, out);
    for (; i + 4 <= n; i += 4)
        sumFourOutputs<TailFirst, C>(taps, x, i, out);
    for (; i < n; ++i)
        for (int c = 0; c < C; ++c)
            out[c][i] = sumOneOutput<TailFirst>(taps, x[c], i);
}

}  // namespace

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
        oddUp[2 * j] = oddUp[2 * j + 1] = up[127 - 2 * j];
        oddDown[2 * j] = oddDown[2 * j + 1] = down[127 - 2 * j];
    }
    reset();
}

void Oversampler2x::reset()
{
    for (double& v : inputs)
        v = 0.0;
    for (double& v : stream)
        v = 0.0;
    for (double& v : evens)
        v = 0.0;
    inputStart = 0;
    streamStart = 0;
}

double* Oversampler2x::inputWindow(int n)
{
    if (inputStart + kInputHistory + n > kInputCapacity) {
        std::memmove(inputs, inputs + inputStart, kInputHistory * sizeof(double));
        inputStart = 0;
    }
    return inputs + inputStart;
}

double* Oversampler2x::streamWindow(int count)
{
    if (streamStart + kStreamHistory + count > kStreamCapacity) {
        std::memmove(stream, stream + streamStart, kStreamHistory * sizeof(double));
        streamStart = 0;
    }
    return stream + streamStart;
}

// For input x(n) the interpolator pairs x(n - 128 + j) with x(n - 1 - j), except that the
// first pair takes x(n) in place of x(n - 128) (the two share a slot of a 128-entry history).
void Oversampler2x::upsampleChunk(Oversampler2x* const* os, double* const* bufs, int channels, int n)
{
    const double* x[2] = {nullptr, nullptr};
    double sums[2][kChunk];
    double* out[2] = {sums[0], sums[1]};
    for (int c = 0; c < channels; ++c) {
        double* window = os[c]->inputWindow(n);
        std::memcpy(window + kInputHistory, bufs[c], n * sizeof(double));
        x[c] = window;
    }
    if (channels == 2)
        sumAll<false, 2>(os[0]->oddUp, x, n, out);
    else
        sumAll<false, 1>(os[0]->oddUp, x, n, out);
    for (int c = 0; c < channels; ++c) {
        Oversampler2x& o = *os[c];
        for (int i = 0; i < n; ++i) {
            bufs[c][2 * i] = sums[c][i];
            bufs[c][2 * i + 1] = x[c][64 + i] * o.up[0];
        }
        o.inputStart += n;
    }
}

// Output i is centred on u(t - 129), t being the even-position sample 2i; the odd taps meet
// u(t - 2 - 2j) and u(t - 256 + 2j), except that the first takes u(t) in place of u(t - 256).
// The 2m inputs are copied before any output is written, so out may equal in.
void Oversampler2x::downsampleChunk(Oversampler2x* const* os, double* const* in, double* const* outs, int channels,
                                    int m)
{
    const double* x[2] = {nullptr, nullptr};
    double sums[2][kChunk];
    double* out[2] = {sums[0], sums[1]};
    for (int c = 0; c < channels; ++c) {
        Oversampler2x& o = *os[c];
        double* window = o.streamWindow(2 * m);
        std::memcpy(window + kStreamHistory, in[c], 2 * m * sizeof(double));
        for (int k = 0; k < kStreamHistory / 2 + m; ++k)
            o.evens[k] = window[2 * k];
        x[c] = o.evens;
    }
    if (channels == 2)
        sumAll<true, 2>(os[0]->oddDown, x, m, out);
    else
        sumAll<true, 1>(os[0]->oddDown, x, m, out);
    for (int c = 0; c < channels; ++c) {
        Oversampler2x& o = *os[c];
        const double* window = o.stream + o.streamStart;
        for (int i = 0; i < m; ++i)
            outs[c][i] = sums[c][i] + window[127 + 2 * i] * o.down[0];
        o.streamStart += 2 * m;
    }
}

void Oversampler2x::upsample(double* buf, int n)
{
    Oversampler2x* self = this;
    upsampleChunk(&self, &buf, 1, n < kChunk ? n : kChunk);
}

void Oversampler2x::upsamplePair(Oversampler2x& a, Oversampler2x& b, double* bufA, double* bufB, int n)
{
    Oversampler2x* os[2] = {&a, &b};
    double* bufs[2] = {bufA, bufB};
    upsampleChunk(os, bufs, 2, n < kChunk ? n : kChunk);
}

// Each chunk's outputs land below the inputs of the chunks still to come.
void Oversampler2x::downsample(double* buf, int twiceM)
{
    Oversampler2x* self = this;
    const int m = twiceM / 2;
    for (int done = 0; done < m; done += kChunk) {
        double* in = buf + 2 * done;
        double* out = buf + done;
        downsampleChunk(&self, &in, &out, 1, m - done < kChunk ? m - done : kChunk);
    }
}

void Oversampler2x::downsamplePair(Oversampler2x& a, Oversampler2x& b, double* bufA, double* bufB, int twiceM)
{
    Oversampler2x* os[2] = {&a, &b};
    const int m = twiceM / 2;
    for (int done = 0; done < m; done += kChunk) {
        double* in[2] = {bufA + 2 * done, bufB + 2 * done};
        double* out[2] = {bufA + done, bufB + done};
        downsampleChunk(os, in, out, 2, m - done < kChunk ? m - done : kChunk);
    }
}

void Oversampler2x::inputDelay(double* buf, int n)
{
    for (int done = 0; done < n; done += kChunk) {
        const int k = n - done < kChunk ? n - done : kChunk;
        double* slot = inputDelaySlot(k);
        std::memcpy(slot, buf + done, k * sizeof(double));
        std::memcpy(buf + done, slot - kDelay, k * sizeof(double));
        inputDelayDone(k);
    }
}

void Oversampler2x::outputDelay(double* buf, int n)
{
    for (int done = 0; done < n; done += kChunk) {
        const int k = n - done < kChunk ? n - done : kChunk;
        double* slot = outputDelaySlot(k);
        std::memcpy(slot, buf + done, k * sizeof(double));
        std::memcpy(buf + done, slot - kDelay, k * sizeof(double));
        outputDelayDone(k);
    }
}

}  // namespace velda
