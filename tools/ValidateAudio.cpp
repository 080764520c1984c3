// Audio at many sample rates and block sizes in both precisions, in place, with the second
// channel unconnected or missing, under fast automation, and the latency the plug-in reports
// against the delay of an impulse in bypass.
#include "tools/ValidationAudio.h"
#include "tools/ValidationChecks.h"

#include <algorithm>
#include <cctype>
#include <cmath>

using namespace vst;

namespace velda::tool {

namespace {

constexpr double kBound = 32.0;
constexpr double kAutomationBound = 1e6;  // random settings may add a lot of gain; this is +120 dB
const double kRates[] = {8000, 22050, 44100, 48000, 88200, 96000, 176400, 192000, 384000, 768000, 1234.5678, 45678.901};
const int kBlocks[] = {1, 10, 17, 64, 256, 1024, 1536, 2027, 4096, 16384};

std::string rateText(double rate)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g Hz", rate);
    return text;
}

std::string folded(std::string text)
{
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    for (char& c : text) c = (char)std::tolower((unsigned char)c);
    return text;
}

// A parameter that bypasses the processing: "bypass" on, or "process"/"power"/"enable" off.
bool findBypass(PluginHost& host, int& index, float& value)
{
    for (int i = 0; i < host.effect()->numParams; ++i) {
        std::string name = folded(host.parameterName(i));
        if (name == "bypass") {
            index = i;
            value = 1.0f;
            return true;
        }
        if (name == "process" || name == "power" || name == "enable" || name == "enabled" || name == "on") {
            index = i;
            value = 0.0f;
            return true;
        }
    }
    return false;
}

CheckResult compareCaptures(const std::vector<std::vector<double>>& a, const std::vector<std::vector<double>>& b)
{
    if (a.size() != b.size()) return CheckResult::fail("channel counts differ");
    for (size_t c = 0; c < a.size(); ++c)
        for (size_t i = 0; i < std::min(a[c].size(), b[c].size()); ++i)
            if (a[c][i] != b[c][i] && !(std::isnan(a[c][i]) && std::isnan(b[c][i])))
                return CheckResult::fail("channel " + std::to_string(c) + " differs from frame " + std::to_string(i));
    return CheckResult::pass("identical to separate buffers");
}

}  // namespace

void validateAudio(Validator& v)
{
    v.section("audio");
    const double seconds = 0.02 * v.strictness();
    bool canDouble;
    {
        auto probe = v.load();
        canDouble = probe->canDouble();
    }
    for (bool dbl : {false, true}) {
        if (dbl && !canDouble) {
            v.check("64-bit processing", [] { return CheckResult::skip("not offered"); });
            continue;
        }
        for (double rate : kRates) {
            v.check(rateText(rate) + (dbl ? " 64-bit" : " 32-bit") + ", every block size", [&] {
                auto host = v.loadOpen(rate, kBlocks[0], dbl);
                TestSignal signal(rate, v.seed());
                AudioStats all;
                for (int block : kBlocks) {
                    host->setBlockSize(block);
                    host->resume();
                    AudioRunOptions options;
                    options.blockSize = block;
                    options.doublePrecision = dbl;
                    size_t frames = std::max<size_t>(2 * (size_t)block, (size_t)(rate * seconds));
                    AudioStats stats = runAudio(*host, frames, signal, options);
                    host->suspend();
                    if (!stats.clean(kBound)) return CheckResult::fail("block " + std::to_string(block) + ": " + stats.describe());
                    all.samples += stats.samples;
                    all.peak = std::max(all.peak, stats.peak);
                }
                return CheckResult::pass(all.describe());
            });
        }
    }

    for (bool dbl : {false, true}) {
        if (dbl && !canDouble) continue;
        v.check(std::string("in-place buffers, ") + (dbl ? "64-bit" : "32-bit"), [&] {
            std::vector<std::vector<double>> separate, inPlace;
            for (bool place : {false, true}) {
                auto host = v.loadOpen(44100.0, 256, dbl);
                host->resume();
                TestSignal signal(44100.0, v.seed());
                AudioRunOptions options;
                options.blockSize = 256;
                options.doublePrecision = dbl;
                options.inPlace = place;
                AudioStats stats = runAudio(*host, 44100 / 2, signal, options, place ? &inPlace : &separate);
                if (!stats.clean(kBound)) return CheckResult::fail(stats.describe());
            }
            return compareCaptures(separate, inPlace);
        });
    }

    v.check("second channel unconnected", [&] {
        auto host = v.loadOpen(44100.0, 512);
        if (host->effect()->numInputs < 2 || host->effect()->numOutputs < 2) return CheckResult::skip("fewer than two channels");
        host->resume();
        TestSignal signal(44100.0, v.seed());
        AudioRunOptions options;
        options.secondChannelUnconnected = true;
        AudioStats stats = runAudio(*host, 44100, signal, options);
        return stats.clean(kBound) ? CheckResult::pass(stats.describe()) : CheckResult::fail(stats.describe());
    });
    v.check("second channel unconnected and null", [&] {
        if (v.strictness() < 6) return CheckResult::skip("from strictness 6");
        auto host = v.loadOpen(44100.0, 512);
        if (host->effect()->numInputs < 2 || host->effect()->numOutputs < 2) return CheckResult::skip("fewer than two channels");
        host->resume();
        TestSignal signal(44100.0, v.seed());
        AudioRunOptions options;
        options.secondChannelNull = true;
        AudioStats stats = runAudio(*host, 44100, signal, options);
        return stats.clean(kBound) ? CheckResult::pass(stats.describe()) : CheckResult::fail(stats.describe());
    });

    v.check("reported latency = impulse delay in bypass", [&] {
        auto host = v.loadOpen(44100.0, 512);
        int index = -1;
        float value = 0.0f;
        std::string how;
        if (host->dispatch(effSetBypass, 0, 1)) how = "effSetBypass";
        else if (findBypass(*host, index, value)) {
            host->setParameter(index, value);
            how = "parameter " + std::to_string(index) + " = " + std::to_string((int)value);
        } else return CheckResult::skip("no bypass found");
        host->resume();
        int latency = host->effect()->initialDelay;
        const size_t impulseAt = 1000;
        std::vector<double> out = runImpulse(*host, impulseAt + (size_t)std::max(latency, 0) + 8192, impulseAt, 512);
        size_t peakAt = 0;
        for (size_t i = 0; i < out.size(); ++i)
            if (std::fabs(out[i]) > std::fabs(out[peakAt])) peakAt = i;
        if (std::fabs(out[peakAt]) < 1e-6) return CheckResult::fail("no output in bypass (" + how + ")");
        long measured = (long)peakAt - (long)impulseAt;
        std::string detail = "reported " + std::to_string(latency) + ", measured " + std::to_string(measured) + " (" + how + ")";
        // A plug-in may learn its latency while processing and announce it with audioMasterIOChanged.
        if (host->ioChangedCount > 0 && host->effect()->initialDelay != latency) {
            latency = host->effect()->initialDelay;
            detail += ", " + std::to_string(latency) + " reported after audioMasterIOChanged";
        }
        return measured == latency ? CheckResult::pass(detail) : CheckResult::fail(detail);
    });

    for (double rate : {44100.0, 96000.0}) {
        v.check("random automation every 32 frames, " + rateText(rate), [&] {
            auto host = v.loadOpen(rate, 512);
            if (host->effect()->numParams == 0) return CheckResult::skip("no parameters");
            host->resume();
            TestSignal signal(rate, v.seed());
            AudioRunOptions options;
            options.automationEvery = 32;
            options.automation = &v.random();
            AudioStats stats = runAudio(*host, (size_t)(rate * 0.05 * v.strictness()), signal, options);
            return stats.clean(kAutomationBound) ? CheckResult::pass(stats.describe()) : CheckResult::fail(stats.describe());
        });
    }
}

}  // namespace velda::tool
