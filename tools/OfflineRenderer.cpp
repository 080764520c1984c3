#include "tools/OfflineRenderer.h"

#include "tools/CommandSupport.h"

#include <algorithm>
#include <cstdio>

namespace velda::tool {

namespace {

template <typename Sample>
void render(PluginHost& host, const AudioBuffer& input, const RenderSettings& settings, AudioBuffer& result)
{
    vst::AEffect* effect = host.effect();
    int inputs = std::max(effect->numInputs, 0);
    int outputs = effect->numOutputs;
    int outChannels = std::min(outputs, 2);
    int block = settings.blockSize;
    size_t latency = (size_t)std::max(effect->initialDelay, 0);
    size_t frames = input.frames();
    size_t total = frames + latency;

    std::vector<std::vector<Sample>> in(std::max(inputs, 2), std::vector<Sample>(block));
    std::vector<std::vector<Sample>> out(std::max(outputs, 2), std::vector<Sample>(block));
    std::vector<Sample*> inPointers, outPointers;
    for (auto& channel : in) inPointers.push_back(channel.data());
    for (auto& channel : out) outPointers.push_back(channel.data());

    result.sampleRate = input.sampleRate;
    if (result.channels.size() != (size_t)outChannels || (outChannels > 0 && result.channels[0].size() != frames))
        result.channels.assign(outChannels, std::vector<double>(frames));
    int sourceChannels = (int)input.channels.size();
    size_t nextReport = 0;
    for (size_t position = 0; position < total; position += block) {
        int n = (int)std::min<size_t>(block, total - position);
        for (int c = 0; c < (int)in.size(); ++c) {
            const std::vector<double>* source =
                c < 2 && sourceChannels > 0 ? &input.channels[std::min(c, sourceChannels - 1)] : nullptr;
            for (int i = 0; i < n; ++i) {
                size_t at = position + i;
                in[c][i] = source && at < frames ? (Sample)(*source)[at] : Sample(0);
            }
        }
        for (auto& channel : out) std::fill(channel.begin(), channel.begin() + n, Sample(0));
        if constexpr (sizeof(Sample) == sizeof(double)) host.processDouble(inPointers.data(), outPointers.data(), n);
        else host.processFloat(inPointers.data(), outPointers.data(), n);
        for (int c = 0; c < outChannels; ++c)
            for (int i = 0; i < n; ++i) {
                size_t at = position + i;
                if (at >= latency) result.channels[c][at - latency] = (double)out[c][i];
            }
        if (settings.progress && position >= nextReport) {
            settings.progress((double)position / (double)total);
            nextReport = position + total / 20 + 1;
        }
    }
    if (settings.progress) settings.progress(1.0);
}

}  // namespace

void renderThrough(PluginHost& host, const AudioBuffer& input, const RenderSettings& settings, AudioBuffer& result)
{
    vst::AEffect* effect = host.effect();
    if (effect->numOutputs < 1) throw ToolError("the plug-in has no audio outputs");
    // A mono file feeds both inputs, so every input used is connected.
    host.connectedInputs = std::min(std::max(effect->numInputs, 0), 2);
    host.connectedOutputs = std::min(effect->numOutputs, 2);
    if (settings.doublePrecision && !host.canDouble())
        throw ToolError("the plug-in cannot process 64-bit audio (no double replacing)");
    if (!settings.doublePrecision && !host.canReplacing()) throw ToolError("the plug-in offers no replacing process entry");
    // Some plug-ins learn their latency only while processing and announce it through
    // audioMasterIOChanged; the result would not line up, so render again from a fresh resume.
    constexpr int kAttempts = 3;
    for (int attempt = 1;; ++attempt) {
        int latency = effect->initialDelay;
        if (settings.doublePrecision) render<double>(host, input, settings, result);
        else render<float>(host, input, settings, result);
        if (effect->initialDelay == latency || attempt == kAttempts) return;
        std::fprintf(stderr, "velda: the plug-in changed its latency from %d to %d while processing; rendering again\n",
                     latency, effect->initialDelay);
        host.suspend();
        host.resume();
    }
}

AudioBuffer renderThrough(PluginHost& host, const AudioBuffer& input, const RenderSettings& settings)
{
    AudioBuffer result;
    renderThrough(host, input, settings, result);
    return result;
}

}  // namespace velda::tool
