#include "tools/DemoSignal.h"

#include <cmath>
#include <cstdint>

namespace velda::tool {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kBeatSeconds = 0.5;  // 120 beats per minute

// Deterministic white noise in -1 to 1.
class Noise {
public:
    double next()
    {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return (double)(int32_t)(state >> 32) / 2147483648.0;
    }

private:
    uint64_t state = 0x5EEDull;
};

void add(AudioBuffer& audio, size_t at, double left, double right)
{
    audio.channels[0][at] += left;
    audio.channels[1][at] += right;
}

}  // namespace

AudioBuffer synthesiseDemoSignal(double rate, double seconds)
{
    AudioBuffer audio;
    audio.sampleRate = rate;
    size_t frames = (size_t)(seconds * rate);
    audio.channels.assign(2, std::vector<double>(frames, 0.0));
    Noise noise;
    static const double bassNotes[8] = {55.0, 55.0, 110.0, 55.0, 65.41, 65.41, 73.42, 82.41};
    static const double chord[4] = {220.0, 261.63, 329.63, 440.0};
    static const double peakTimes[3] = {3.0, 5.5, 7.25};
    double kickPhase = 0.0, bassPhase = 0.0, hatLast = 0.0;
    for (size_t i = 0; i < frames; ++i) {
        double t = (double)i / rate;
        double beatTime = std::fmod(t, kBeatSeconds);
        int beat = (int)(t / kBeatSeconds);

        // Kick: a falling sine on every beat.
        double kickFreq = 45.0 + 85.0 * std::exp(-beatTime / 0.03);
        kickPhase += 2.0 * kPi * kickFreq / rate;
        double kick = 0.75 * std::sin(kickPhase) * std::exp(-beatTime / 0.15);
        if (beatTime < 0.0005) kickPhase = 0.0;

        // Snare on beats two and four, hats on every eighth.
        double white = noise.next();
        double snare = beat % 2 == 1 ? (0.35 * white + 0.25 * std::sin(2.0 * kPi * 190.0 * beatTime)) * std::exp(-beatTime / 0.07)
                                     : 0.0;
        double eighthTime = std::fmod(t, kBeatSeconds / 2.0);
        double hat = 0.12 * (white - hatLast) * std::exp(-eighthTime / 0.02);
        hatLast = white;

        // Bass: eighth notes with six harmonics of a saw.
        int eighth = (int)(t / (kBeatSeconds / 2.0));
        bassPhase += 2.0 * kPi * bassNotes[eighth % 8] / rate;
        double bass = 0.0;
        for (int h = 1; h <= 6; ++h) bass += std::sin(h * bassPhase) / h;
        bass *= 0.16 * std::exp(-eighthTime / 0.2);

        // A sustained chord from 2 s to 8 s, slightly wider on the right.
        double pad = 0.0, padRight = 0.0;
        if (t >= 2.0 && t < 8.0) {
            double envelope = std::min(1.0, (t - 2.0) / 0.5) * std::min(1.0, (8.0 - t) / 0.5);
            for (double f : chord) {
                pad += std::sin(2.0 * kPi * f * t);
                padRight += std::sin(2.0 * kPi * f * 1.003 * t);
            }
            pad *= 0.07 * envelope;
            padRight *= 0.07 * envelope;
        }

        // Short bursts above full scale.
        double peak = 0.0;
        for (double p : peakTimes)
            if (t >= p && t < p + 0.004) peak = 1.45 * std::sin(2.0 * kPi * 1000.0 * (t - p));

        add(audio, i, kick + 0.9 * snare + 0.6 * hat + bass + pad + peak,
            kick + 0.7 * snare + hat + bass + padRight + peak);
    }
    return audio;
}

}  // namespace velda::tool
