// The orders in which real hosts call: settings before or after effOpen, processing before
// resume, suspend/resume cycles, sample-rate changes with and without suspend, effClose
// while resumed.
#include "tools/ValidationAudio.h"
#include "tools/ValidationChecks.h"

using namespace vst;

namespace velda::tool {

namespace {

constexpr double kBound = 32.0;  // +30 dB: anything beyond is broken output
constexpr int kBlock = 512;

CheckResult judge(const AudioStats& stats)
{
    return stats.clean(kBound) ? CheckResult::pass(stats.describe()) : CheckResult::fail(stats.describe());
}

AudioStats process(PluginHost& host, double rate, size_t frames)
{
    TestSignal signal(rate);
    AudioRunOptions options;
    options.blockSize = kBlock;
    return runAudio(host, frames, signal, options);
}

}  // namespace

void validateCallOrders(Validator& v)
{
    v.section("call orders");
    const size_t frames = 4096 * (size_t)v.strictness();

    v.check("rate, block size and precision before effOpen", [&] {
        auto host = v.load();
        host->setSampleRate(48000.0);
        host->setBlockSize(kBlock);
        host->dispatch(effSetProcessPrecision, 0, kVstProcessPrecision32);
        host->dispatch(effOpen);
        host->resume();
        return judge(process(*host, 48000.0, frames));
    });
    v.check("processing before resume", [&] {
        auto host = v.loadOpen(44100.0, kBlock);
        AudioStats early = process(*host, 44100.0, kBlock * 2);
        host->resume();
        early.samples += process(*host, 44100.0, frames).samples;
        return judge(early);
    });
    v.check("resume, process, suspend, resume", [&] {
        auto host = v.loadOpen(44100.0, kBlock);
        AudioStats all;
        for (int round = 0; round < 3; ++round) {
            host->resume();
            AudioStats stats = process(*host, 44100.0, frames / 2);
            if (!stats.clean(kBound)) return CheckResult::fail("round " + std::to_string(round) + ": " + stats.describe());
            all.samples += stats.samples;
            all.peak = std::max(all.peak, stats.peak);
            host->suspend();
        }
        return judge(all);
    });
    v.check("sample-rate change while suspended", [&] {
        auto host = v.loadOpen(44100.0, kBlock);
        host->resume();
        process(*host, 44100.0, frames / 2);
        int before = host->effect()->initialDelay;
        host->suspend();
        host->setSampleRate(96000.0);
        host->resume();
        CheckResult result = judge(process(*host, 96000.0, frames));
        if (host->effect()->initialDelay < 0) return CheckResult::fail("negative latency after the change");
        if (result.outcome == CheckResult::Pass)
            result.detail = "latency " + std::to_string(before) + " -> " + std::to_string(host->effect()->initialDelay) + " samples";
        return result;
    });
    v.check("sample-rate change while resumed", [&] {
        auto host = v.loadOpen(44100.0, kBlock);
        host->resume();
        process(*host, 44100.0, frames / 2);
        host->setSampleRate(48000.0);
        return judge(process(*host, 48000.0, frames));
    });
    v.check("block-size change between resumes", [&] {
        auto host = v.loadOpen(44100.0, 64);
        host->resume();
        process(*host, 44100.0, 2048);
        host->suspend();
        host->setBlockSize(2048);
        host->resume();
        TestSignal signal(44100.0);
        AudioRunOptions options;
        options.blockSize = 2048;
        return judge(runAudio(*host, frames, signal, options));
    });
    v.check("effClose while resumed", [&] {
        auto host = v.loadOpen(44100.0, kBlock);
        host->resume();
        AudioStats stats = process(*host, 44100.0, frames / 2);
        host->close(false);
        return judge(stats);
    });
    v.check("open and close without processing", [&] {
        for (int i = 0; i < 3; ++i) {
            auto host = v.loadOpen(44100.0, kBlock);
            host->resume();
            host->suspend();
        }
        return CheckResult::pass("3 instances");
    });
}

}  // namespace velda::tool
