#include "tools/ValidationAudio.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace velda::tool {

namespace {

constexpr double kPi = 3.14159265358979323846;

template <typename Sample>
AudioStats run(PluginHost& host, size_t frames, TestSignal& signal, const AudioRunOptions& options,
               std::vector<std::vector<double>>* capture)
{
    vst::AEffect* effect = host.effect();
    int inputs = std::max(effect->numInputs, 0), outputs = std::max(effect->numOutputs, 0);
    int channels = std::max({inputs, outputs, 2});
    int block = options.blockSize;
    std::vector<std::vector<Sample>> inBuffers(channels, std::vector<Sample>(block)), outBuffers = inBuffers;
    std::vector<Sample*> in(channels), out(channels);
    bool second = !(options.secondChannelNull || options.secondChannelUnconnected);
    host.connectedInputs = second ? std::min(inputs, 2) : std::min(inputs, 1);
    host.connectedOutputs = second ? std::min(outputs, 2) : std::min(outputs, 1);
    int used = std::min(outputs, second ? 2 : 1);
    if (capture) capture->assign(used, {});

    AudioStats stats;
    for (size_t done = 0; done < frames;) {
        int n = (int)std::min<size_t>(block, frames - done);
        for (int i = 0; i < n; ++i) {
            for (int c = 0; c < channels; ++c) inBuffers[c][i] = c < 2 ? (Sample)signal.next(c) : Sample(0);
            signal.advance();
        }
        for (int c = 0; c < channels; ++c) {
            std::fill(outBuffers[c].begin(), outBuffers[c].end(), Sample(0));
            in[c] = inBuffers[c].data();
            out[c] = options.inPlace ? inBuffers[c].data() : outBuffers[c].data();
        }
        if (options.secondChannelNull && channels > 1) in[1] = out[1] = nullptr;
        int step = options.automationEvery > 0 ? options.automationEvery : n;
        for (int at = 0; at < n; at += step) {
            int slice = std::min(step, n - at);
            std::vector<Sample*> inSlice(channels), outSlice(channels);
            for (int c = 0; c < channels; ++c) {
                inSlice[c] = in[c] ? in[c] + at : nullptr;
                outSlice[c] = out[c] ? out[c] + at : nullptr;
            }
            if constexpr (sizeof(Sample) == sizeof(double)) host.processDouble(inSlice.data(), outSlice.data(), slice);
            else host.processFloat(inSlice.data(), outSlice.data(), slice);
            if (options.automation && effect->numParams > 0)
                host.setParameter(options.automation->below(effect->numParams), options.automation->parameterValue());
        }
        for (int c = 0; c < used; ++c)
            for (int i = 0; i < n; ++i) {
                double v = (double)out[c][i];
                stats.add(v, std::fpclassify(out[c][i]) == FP_SUBNORMAL);
                if (capture) (*capture)[c].push_back(v);
            }
        done += n;
    }
    return stats;
}

}  // namespace

double TestSignal::next(int channel)
{
    if (kind == Silence) return 0.0;
    // Subnormal in 32-bit floats; the sign alternates so nothing accumulates.
    if (kind == Subnormal) return (frame & 1) ? 1e-39 : -1e-39;
    double t = (double)frame / rate;
    double white = noise.uniform() * 2.0 - 1.0;
    double section = std::fmod(t, 0.4);
    double level = section < 0.05 ? 1.4 : section < 0.25 ? 0.3 : 0.003;
    double tone = std::sin(2.0 * kPi * (220.0 + 110.0 * channel) * t + 0.5 * std::sin(2.0 * kPi * 3.0 * t));
    return level * (0.7 * tone + 0.3 * white);
}

void AudioStats::add(double sample, bool isSubnormal)
{
    ++samples;
    if (!std::isfinite(sample)) {
        ++nonFinite;
        return;
    }
    if (isSubnormal) ++subnormal;
    peak = std::max(peak, std::fabs(sample));
}

std::string AudioStats::describe() const
{
    char text[160];
    std::snprintf(text, sizeof text, "%zu samples, peak %.3g, %zu NaN/inf, %zu subnormal", samples, peak, nonFinite, subnormal);
    return text;
}

AudioStats runAudio(PluginHost& host, size_t frames, TestSignal& signal, const AudioRunOptions& options,
                    std::vector<std::vector<double>>* capture)
{
    return options.doublePrecision ? run<double>(host, frames, signal, options, capture)
                                   : run<float>(host, frames, signal, options, capture);
}

std::vector<double> runImpulse(PluginHost& host, size_t frames, size_t impulseAt, int blockSize)
{
    vst::AEffect* effect = host.effect();
    int channels = std::max({effect->numInputs, effect->numOutputs, 2});
    std::vector<std::vector<float>> inBuffers(channels, std::vector<float>(blockSize)), outBuffers = inBuffers;
    std::vector<float*> in(channels), out(channels);
    for (int c = 0; c < channels; ++c) {
        in[c] = inBuffers[c].data();
        out[c] = outBuffers[c].data();
    }
    host.connectedInputs = std::min(effect->numInputs, 2);
    host.connectedOutputs = std::min(effect->numOutputs, 2);
    std::vector<double> result;
    for (size_t done = 0; done < frames;) {
        int n = (int)std::min<size_t>(blockSize, frames - done);
        for (int c = 0; c < channels; ++c)
            for (int i = 0; i < n; ++i) inBuffers[c][i] = (c < 2 && done + i == impulseAt) ? 0.5f : 0.0f;
        host.processFloat(in.data(), out.data(), n);
        for (int i = 0; i < n; ++i) result.push_back(outBuffers[0][i]);
        done += n;
    }
    return result;
}

}  // namespace velda::tool
