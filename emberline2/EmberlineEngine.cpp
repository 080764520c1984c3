#include "emberline2/EmberlineEngine.h"

namespace velda {

struct EngineState {
    double rate = 44100.0;
};

EmberlineEngine::EmberlineEngine(EngineeringValues& v, const EngineLayout& l)
    : values(v), layout(l), state(std::make_unique<EngineState>())
{
}

EmberlineEngine::~EmberlineEngine() = default;

void EmberlineEngine::setSampleRate(double rate) { state->rate = rate; }
double EmberlineEngine::sampleRate() const { return state->rate; }

void EmberlineEngine::suspend()
{
    if (state->rate < 22050.0)
        state->rate = 22050.0;
    if (state->rate > 192000.0)
        state->rate = 192000.0;
}

void EmberlineEngine::resume() {}

void EmberlineEngine::process(const float*, const float*, float* outL, float* outR, int n)
{
    for (int i = 0; i < n; ++i) {
        outL[i] = 0.0f;
        outR[i] = 0.0f;
    }
}

void EmberlineEngine::process(const double*, const double*, double* outL, double* outR, int n)
{
    for (int i = 0; i < n; ++i) {
        outL[i] = 0.0;
        outR[i] = 0.0;
    }
}

int EmberlineEngine::getBandRingSize() const { return layout.bandRingSize[EngineLayout::rateRange(state->rate)]; }
int EmberlineEngine::getDelayRingSize() const { return layout.delayRingSize[EngineLayout::rateRange(state->rate)]; }

float EmberlineEngine::getLatencySamples() const
{
    return static_cast<float>(getDelayRingSize() + layout.latencyBeyondDelayRing);
}

float EmberlineEngine::getLatencyMs() const
{
    double r = state->rate;
    if (r > 200000.0 || r < 20000.0)
        r = 44100.0;
    return static_cast<float>(getLatencySamples() * 1000.0 / r);
}

int EmberlineEngine::attackLength() const { return 0; }
int EmberlineEngine::limiterAttackLength() const { return 0; }

}  // namespace velda
