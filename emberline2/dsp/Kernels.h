// The seven per-sample processing kernels. Each reads n samples per channel from the
// channels' input work buffers and writes n samples to their result buffers.
#pragma once

#include "emberline2/dsp/EngineState.h"

namespace velda {

void bypassKernel(EngineState& s, const BlockParams& p, int n);
void monoThreeBandKernel(EngineState& s, const BlockParams& p, int n);
void linkedThreeBandKernel(EngineState& s, const BlockParams& p, int n);
void unlinkedThreeBandKernel(EngineState& s, const BlockParams& p, int n);
void monoSingleBandKernel(EngineState& s, const BlockParams& p, int n);
void linkedSingleBandKernel(EngineState& s, const BlockParams& p, int n);
void unlinkedSingleBandKernel(EngineState& s, const BlockParams& p, int n);

}  // namespace velda
