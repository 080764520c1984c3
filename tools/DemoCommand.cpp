// velda demo: the built-in signal through several factory programs of each plug-in,
// written as WAV files and PNG plots.
#include "tools/AudioFile.h"
#include "tools/Command.h"
#include "tools/CommandSupport.h"
#include "tools/DemoPlot.h"
#include "tools/DemoSignal.h"
#include "tools/OfflineRenderer.h"
#include "tools/ProgramSelector.h"

#include <cstdio>
#include <filesystem>

namespace velda::tool {

namespace {

constexpr const char* kUsage = "demo [--out DIR] [--programs N|all] [--rate HZ] PLUGIN...";
constexpr int kDefaultPrograms = 6;

std::string slug(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) out += c;
        else if (c >= 'A' && c <= 'Z') out += (char)(c - 'A' + 'a');
        else if (!out.empty() && out.back() != '-') out += '-';
    }
    while (!out.empty() && out.back() == '-') out.pop_back();
    return out.empty() ? "program" : out;
}

// `count` programs spread evenly over the list, first and last included.
std::vector<int> pickPrograms(int available, int count)
{
    std::vector<int> picked;
    if (available <= 0) return {-1};  // the plug-in's own state
    count = std::min(count, available);
    for (int k = 0; k < count; ++k) {
        int index = count == 1 ? 0 : (int)((long)k * (available - 1) / (count - 1));
        if (picked.empty() || picked.back() != index) picked.push_back(index);
    }
    return picked;
}

int run(int argc, char** argv)
{
    std::string outDir = "velda-demo";
    double rate = 44100.0;
    int programCount = kDefaultPrograms;
    std::vector<std::string> plugins;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--out") outDir = optionValue(argc, argv, i);
        else if (arg == "--rate") rate = parseNumber(optionValue(argc, argv, i), "--rate");
        else if (arg == "--programs") {
            std::string value = optionValue(argc, argv, i);
            programCount = value == "all" ? 1 << 20 : (int)parseInteger(value, "--programs", 1, 1 << 20);
        } else if (arg.size() > 1 && arg[0] == '-') throw UsageError("unknown option " + arg);
        else plugins.push_back(arg);
    }
    if (plugins.empty()) throw UsageError("missing PLUGIN");
    if (!(rate >= 1000.0)) throw UsageError("--rate must be at least 1000");

    std::error_code ec;
    std::filesystem::create_directories(toPath(outDir), ec);
    if (!std::filesystem::is_directory(toPath(outDir))) throw ToolError("cannot create folder '" + outDir + "'");

    AudioBuffer input = synthesiseDemoSignal(rate);
    AudioFormat floatWav;
    std::string inputPath = pathText(toPath(outDir) / "input.wav");
    AudioFile::write(inputPath, input, floatWav);
    std::printf("%s\n", inputPath.c_str());

    for (const std::string& pluginPath : plugins) {
        std::vector<int> chosen;
        std::vector<std::string> names;
        {
            auto host = loadPlugin(pluginPath);
            host->open(rate, 1024);
            ProgramSelector programs(*host);
            names = programs.names();
            chosen = pickPrograms((int)names.size(), programCount);
        }
        std::string base = slug(pathText(toPath(pluginPath).stem()));
        for (int program : chosen) {
            auto host = loadPlugin(pluginPath);
            host->open(rate, 1024);
            if (program >= 0) ProgramSelector(*host).select(program);
            host->resume();
            RenderSettings settings;
            AudioBuffer output = renderThrough(*host, input, settings);
            std::string effect = host->effectName();
            host->close();

            std::string programName = program >= 0 ? names[program] : "current settings";
            char stem[64];
            std::snprintf(stem, sizeof stem, "%02d-", std::max(program, 0));
            std::string name = base + "-" + (program >= 0 ? std::string(stem) : "") + slug(programName);
            std::string wavPath = pathText(toPath(outDir) / (name + ".wav"));
            std::string pngPath = pathText(toPath(outDir) / (name + ".png"));
            AudioFile::write(wavPath, output, floatWav);
            std::string title = (effect.empty() ? base : effect) +
                                (program >= 0 ? " - program " + std::to_string(program) + " \"" + programName + "\""
                                              : " - " + programName);
            writeBinaryFile(pngPath, plotRender(title, input, output));
            std::printf("%s\n%s\n", wavPath.c_str(), pngPath.c_str());
        }
    }
    return 0;
}

}  // namespace

static int runDemo(int argc, char** argv)
{
    return runGuarded("demo", kUsage, [&] { return run(argc, argv); });
}

VELDA_COMMAND(demo, kUsage, "render a built-in 10 s signal through factory programs; WAV files and PNG plots", runDemo);

}  // namespace velda::tool
