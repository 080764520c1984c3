// velda bench: the built-in signal through several plug-ins or configurations, timed by
// the CPU time of the processing thread.
#include "tools/Command.h"
#include "tools/CommandSupport.h"
#include "tools/DemoSignal.h"
#include "tools/OfflineRenderer.h"
#include "platform/ThreadClock.h"

#include <cstdio>

namespace velda::tool {

namespace {

constexpr const char* kUsage = "bench PLUGIN[:INDEX=VALUE,...]... [--rate HZ] [--block N] [--seconds S] [--double]";

struct BenchEntry {
    std::string path;
    std::string configuration;
    std::vector<ParameterSetting> settings;
};

// "lib.so:0=1,3=0.5"; a colon followed by no "=" belongs to the path (C:\...).
BenchEntry parseEntry(const std::string& text)
{
    BenchEntry entry{text, "as loaded", {}};
    size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) return entry;
    std::string tail = text.substr(colon + 1);
    if (tail.find('=') == std::string::npos || tail.find('/') != std::string::npos || tail.find('\\') != std::string::npos)
        return entry;
    entry.path = text.substr(0, colon);
    entry.configuration = tail;
    for (size_t from = 0; from <= tail.size();) {
        size_t comma = tail.find(',', from);
        std::string part = tail.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
        entry.settings.push_back(parseParameterSetting(part));
        if (comma == std::string::npos) break;
        from = comma + 1;
    }
    return entry;
}

int run(int argc, char** argv)
{
    double rate = 44100.0, seconds = 10.0;
    int block = 1024;
    bool doublePrecision = false;
    std::vector<BenchEntry> entries;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--rate") rate = parseNumber(optionValue(argc, argv, i), "--rate");
        else if (arg == "--block") block = (int)parseInteger(optionValue(argc, argv, i), "--block", 1, 1 << 20);
        else if (arg == "--seconds") seconds = parseNumber(optionValue(argc, argv, i), "--seconds");
        else if (arg == "--double") doublePrecision = true;
        else if (arg.size() > 1 && arg[0] == '-') throw UsageError("unknown option " + arg);
        else entries.push_back(parseEntry(arg));
    }
    if (entries.empty()) throw UsageError("missing PLUGIN");
    if (!(rate >= 1000.0)) throw UsageError("--rate must be at least 1000");
    if (!(seconds > 0.0 && seconds <= 3600.0)) throw UsageError("--seconds must lie in 0 to 3600");

    AudioBuffer input = synthesiseDemoSignal(rate, seconds);
    double audioSeconds = (double)input.frames() / rate;
    std::printf("%.3g s of stereo at %g Hz, blocks of %d, %s\n", audioSeconds, rate, block,
                doublePrecision ? "64-bit" : "32-bit");
    std::printf("%-40s %-20s %10s %12s\n", "plug-in", "configuration", "CPU s", "x realtime");
    for (const BenchEntry& entry : entries) {
        auto host = loadPlugin(entry.path);
        host->open(rate, block, doublePrecision);
        applyParameterSettings(*host, entry.settings);
        host->resume();
        RenderSettings settings;
        settings.blockSize = block;
        settings.doublePrecision = doublePrecision;
        // An untimed pass first: some plug-ins announce their latency only once they process (and the
        // host would then render twice), and the first pass also pays for first-touch page faults.
        AudioBuffer output;
        renderThrough(*host, input, settings, output);
        host->suspend();
        host->resume();
        double start = platform::threadCpuSeconds();
        renderThrough(*host, input, settings, output);
        double used = platform::threadCpuSeconds() - start;
        std::string name = pathText(toPath(entry.path).filename());
        if (used > 0.0) std::printf("%-40s %-20s %10.3f %12.1f\n", name.c_str(), entry.configuration.c_str(), used, audioSeconds / used);
        else std::printf("%-40s %-20s %10.3f %12s\n", name.c_str(), entry.configuration.c_str(), used, "-");
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace

static int runBench(int argc, char** argv)
{
    return runGuarded("bench", kUsage, [&] { return run(argc, argv); });
}

VELDA_COMMAND(bench, kUsage, "CPU time and times-realtime of plug-ins side by side on the built-in signal", runBench);

}  // namespace velda::tool
