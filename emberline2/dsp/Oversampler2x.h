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
    void inputDelay(double* buf, int n);
    void outputDelay(double* buf, int n);

    double interpolatorTap(int i) const { return up[i]; }
    double decimatorTap(int i) const { return down[i]; }

private:
    double up[128];
    double down[128];
    double upHistory[kHistory];
    double downHistory[kHistory];
    int upIndex = kMask;
    int downIndex = kMask;
    double scratch[2 * kDelay];
};

}  // namespace velda
