// Two-times up- and downsampler with 255-tap half-band FIR filters (Blackman-windowed
// interpolator, Hann-windowed decimator), and the two plain 64-sample delays used in their
// place when the rate is not doubled. All processing is in place.
#pragma once

namespace velda {

class Oversampler2x {
public:
    static constexpr int kDesign = 0x808;  // the only supported design
    static constexpr int kLatency = 126;   // 63 + 63 samples of the host rate
    static constexpr int kDelay = 64;
    static constexpr int kChunk = 128;  // host-rate samples handled per pass

    Oversampler2x();

    void reset();
    // Replaces the n samples at the start of buf by 2n samples; n at most kChunk.
    void upsample(double* buf, int n);
    // Replaces the 2m samples at the start of buf by m samples.
    void downsample(double* buf, int twiceM);
    // Both channels at once, with the same results as two single calls.
    static void upsamplePair(Oversampler2x& a, Oversampler2x& b, double* bufA, double* bufB, int n);
    static void downsamplePair(Oversampler2x& a, Oversampler2x& b, double* bufA, double* bufB, int twiceM);
    void inputDelay(double* buf, int n);
    void outputDelay(double* buf, int n);
    // The same delays without copies, for callers that fill and drain the histories
    // directly: the n new samples (at most kChunk) go to the slot, the n delayed ones are
    // the n entries from kDelay before it; done commits them.
    double* inputDelaySlot(int n) { return inputWindow(n) + kInputHistory; }
    void inputDelayDone(int n) { inputStart += n; }
    double* outputDelaySlot(int n) { return streamWindow(n) + kStreamHistory; }
    void outputDelayDone(int n) { streamStart += n; }

    double interpolatorTap(int i) const { return up[i]; }
    double decimatorTap(int i) const { return down[i]; }

private:
    static constexpr int kInputHistory = 128;
    static constexpr int kStreamHistory = 256;
    // Room for several passes: the histories slide along and move back to the start only
    // when the next pass would not fit.
    static constexpr int kInputCapacity = kInputHistory + 5 * kChunk;
    static constexpr int kStreamCapacity = kStreamHistory + 10 * kChunk;

    static void upsampleChunk(Oversampler2x* const* os, double* const* bufs, int channels, int n);
    static void downsampleChunk(Oversampler2x* const* os, double* const* in, double* const* outs, int channels, int m);
    // The history followed by room for n new samples.
    double* inputWindow(int n);
    double* streamWindow(int count);

    double up[128];
    double down[128];
    // Odd taps in the order the sums use them, each twice for both lanes of a packed pair:
    // oddUp[2j] = oddUp[2j + 1] = h_u(127 - 2j).
    alignas(16) double oddUp[128];
    alignas(16) double oddDown[128];
    // Histories in time order, oldest first, from their start index, followed by the samples
    // of the current pass: inputs, the last 128 host-rate inputs (also the input delay);
    // stream, the last 256 oversampled samples (also the output delay); evens, the
    // even-position stream samples the decimator sums, gathered for one pass.
    double inputs[kInputCapacity];
    double stream[kStreamCapacity];
    double evens[kStreamHistory / 2 + kChunk];
    int inputStart = 0;
    int streamStart = 0;
};

}  // namespace velda
