// velda render: one audio file through one plug-in, latency-compensated.
#include "tools/AudioFile.h"
#include "tools/Command.h"
#include "tools/CommandSupport.h"
#include "tools/OfflineRenderer.h"
#include "tools/PluginSetup.h"

#include <cstdio>

namespace velda::tool {

namespace {

constexpr const char* kUsage =
    "render PLUGIN IN OUT [--program N|NAME] [--set INDEX=VALUE]... [--chunk FILE] [--rate HZ] [--block N] [--double]";
constexpr double kProgressAfterSeconds = 5.0;

int run(int argc, char** argv)
{
    std::vector<std::string> positional;
    PluginSetup setup;
    double rate = 0.0;
    int block = 1024;
    bool doublePrecision = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (setup.parseOption(argc, argv, i)) continue;
        if (arg == "--rate") rate = parseNumber(optionValue(argc, argv, i), "--rate");
        else if (arg == "--block") block = (int)parseInteger(optionValue(argc, argv, i), "--block", 1, 1 << 20);
        else if (arg == "--double") doublePrecision = true;
        else if (arg.size() > 1 && arg[0] == '-') throw UsageError("unknown option " + arg);
        else positional.push_back(arg);
    }
    if (positional.size() != 3) throw UsageError("expected PLUGIN IN OUT");
    if (rate < 0.0 || (rate > 0.0 && rate < 1.0)) throw UsageError("--rate must be positive");
    const std::string& pluginPath = positional[0];
    const std::string& inPath = positional[1];
    const std::string& outPath = positional[2];

    AudioFormat inFormat;
    AudioBuffer input = AudioFile::read(inPath, &inFormat);
    AudioFormat outFormat = AudioFile::formatFor(outPath, inFormat);
    if (rate == 0.0) rate = input.sampleRate;

    auto host = loadPlugin(pluginPath);
    host->open(rate, block, doublePrecision);
    setup.apply(*host);
    host->resume();

    RenderSettings settings;
    settings.blockSize = block;
    settings.doublePrecision = doublePrecision;
    bool showProgress = (double)input.frames() > kProgressAfterSeconds * input.sampleRate;
    if (showProgress)
        settings.progress = [](double fraction) { std::fprintf(stderr, "\rrendering %3d%%", (int)(fraction * 100.0)); };
    AudioBuffer output = renderThrough(*host, input, settings);
    if (showProgress) std::fprintf(stderr, "\n");
    host->close();
    AudioFile::write(outPath, output, outFormat);
    return 0;
}

}  // namespace

static int runRender(int argc, char** argv)
{
    return runGuarded("render", kUsage, [&] { return run(argc, argv); });
}

VELDA_COMMAND(render, kUsage, "process an audio file (WAV/AIFF/FLAC) and write the latency-compensated result", runRender);

}  // namespace velda::tool
