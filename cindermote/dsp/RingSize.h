// Ring length by sample rate; the latency is one less than the ring length.
#pragma once

namespace velda::cindermote {

inline constexpr int kMaxRingSize = 512;

inline int ringSizeForRate(double rate) { return rate < 50000.0 ? 64 : (rate < 100000.0 ? 128 : 256); }

}  // namespace velda::cindermote
