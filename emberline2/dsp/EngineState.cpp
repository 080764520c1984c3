#include "emberline2/dsp/EngineState.h"

namespace velda {

namespace {
template <int N>
void zero(double (&a)[N])
{
    for (double& v : a)
        v = 0.0;
}
}  // namespace

void ChannelState::clearRings()
{
    zero(dry);
    zero(out);
    zero(fatRing);
    zero(bandLow);
    zero(bandMid);
    zero(bandHigh);
    zero(sum);
    peakLow.clear();
    peakMid.clear();
    peakHigh.clear();
    peakLimiter.clear();
    zero(workIn);
    zero(workOut);
}

}  // namespace velda
