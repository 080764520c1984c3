// The soft transfer curve chosen by the knee parameter and the values derived from it.
// Host-free: the effect's parameter mapping and the processing share these definitions.
#pragma once

namespace velda {

struct KneeSetting {
    int mode;      // 0: blend of hard clip and parabola, 1: rational pre-compression
    double shape;  // k
};

// Knee parameter v to curve family and shape; the 0.25 boundary is compared in 32 bits.
KneeSetting kneeFromParameter(float v);

// a = 1.4 x 30^(1 - k^(1/8)) of the rational family.
double kneeRationalA(double k);

// The input level at which the curve reaches y (y >= 1 answers y).
float inverseTransfer(const KneeSetting& knee, float y);

// Gain of the whole wet chain for signals far below the knee.
float smallSignalGain(const KneeSetting& knee, double ceilingDrive, double driveGain, double ceilingGain);

}  // namespace velda
