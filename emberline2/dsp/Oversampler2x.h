// Two-times up- and downsampler with 255-tap half-band FIR filters (Blackman-windowed
// interpolator, Hann-windowed decimator), and the two plain 64-sample delays used in their
// place when the rate is not doubled. All processing is in place.
#pragma once

namespace velda {

class Oversampler2x {
public:
    static constexpr int kDesign = 0x808;  // the only supported design
    static constexpr int kLatency = 126;   // 63 + 63 samples of the host rate
    static constexpr int kHistory = 256;
    static constexpr int kMask = kHistory - 1;
    static constexpr int kDelay = 64;

    Oversampler2x();

    void reset();
    // Replaces the n samples at the start of buf by 2n samples.
    void upsample(double* buf, int n);
    // Replaces the 2m samples at the start of buf by m samples.
    void downsample(double* buf, int twiceM);
    // Both channels at once: the two independent sums overlap in the processor.
    static void upsamplePair(Oversampler2x& a, Oversampler2x& b, double* bufA, double* bufB, int n);
    static void downsamplePair(Oversampler2x& a, Oversampler2x& b, double* bufA, double* bufB, int twiceM);
    void inputDelay(double* buf, int n);
    void outputDelay(double* buf, int n);

    double interpolatorTap(int i) const { return up[i]; }
    double decimatorTap(int i) const { return down[i]; }

private:
    const double* pushInput(double x)
    {
        inputPos = (inputPos + 1) & 127;
        inputs[inputPos] = x;
        inputs[inputPos + 128] = x;
        return inputs + inputPos;  // w[k] = x(n - 128 + k), w[0] = w[128] = x(n)
    }
    const double* pushStream(double u)
    {
        streamPos = (streamPos + 1) & kMask;
        stream[streamPos] = u;
        stream[streamPos + kHistory] = u;
        return stream + ((streamPos - 128) & kMask) + 128;  // w[k] = u(t + k), k from -128 to 127
    }
    double upSum(const double* w) const
    {
        double sum = 0.0;
        for (int j = 0; j < 64; ++j)
            sum += oddUp[j] * (w[j] + w[127 - j]);
        return sum;
    }
    double downSum(const double* w) const
    {
        double sum = 0.0;
        for (int j = 0; j < 64; ++j)
            sum += oddDown[j] * (w[-2 - 2 * j] + w[2 * j]);
        return sum;
    }

    // Odd taps in the order the sums use them: oddUp[j] = h_u(127 - 2j).
    double up[128];
    double down[128];
    double oddUp[64];
    double oddDown[64];
    // Each ring is stored twice in a row, so that every window the filters read is contiguous.
    // inputs: the last 128 host-rate inputs (also the input delay);
    // stream: the last 256 oversampled samples (also the output delay).
    double inputs[2 * 128];
    double stream[2 * kHistory];
    int inputPos = 0;   // slot of the newest input
    int streamPos = 0;  // slot of the newest oversampled sample
    double scratch[2 * kDelay];
};

}  // namespace velda
