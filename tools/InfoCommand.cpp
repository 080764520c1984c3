// velda info: everything a careful host asks a plug-in before using it.
#include "tools/CommandSupport.h"
#include "tools/Command.h"
#include "tools/ProgramSelector.h"

#include <cstdio>
#include <cstring>

using namespace vst;

namespace velda::tool {

namespace {

const char* categoryName(VstIntPtr category)
{
    static const char* const names[] = {"unknown", "effect",  "synth",       "analysis",        "mastering",
                                        "spatializer", "room effect", "surround effect", "restoration",
                                        "offline process", "shell", "generator"};
    return category >= 0 && category < (VstIntPtr)(sizeof names / sizeof names[0]) ? names[category] : "?";
}

std::string flagNames(int32_t flags)
{
    static const struct {
        int32_t bit;
        const char* name;
    } known[] = {{effFlagsHasEditor, "editor"},          {effFlagsCanReplacing, "replacing"},
                 {effFlagsProgramChunks, "program chunks"}, {effFlagsIsSynth, "synth"},
                 {effFlagsNoSoundInStop, "no sound in stop"}, {effFlagsCanDoubleReplacing, "double replacing"}};
    std::string text;
    for (const auto& flag : known)
        if (flags & flag.bit) text += (text.empty() ? "" : ", ") + std::string(flag.name);
    return text;
}

std::string propertyText(const VstParameterProperties& p)
{
    std::string text;
    auto add = [&](const std::string& part) { text += (text.empty() ? "" : ", ") + part; };
    char buffer[160];
    if (p.flags & kVstParameterIsSwitch) add("switch");
    if (p.flags & kVstParameterUsesIntegerMinMax) {
        std::snprintf(buffer, sizeof buffer, "integer %d to %d", p.minInteger, p.maxInteger);
        add(buffer);
    }
    if (p.flags & kVstParameterUsesIntStep) {
        std::snprintf(buffer, sizeof buffer, "step %d/%d", p.stepInteger, p.largeStepInteger);
        add(buffer);
    }
    if (p.flags & kVstParameterUsesFloatStep) {
        std::snprintf(buffer, sizeof buffer, "step %g/%g/%g", p.smallStepFloat, p.stepFloat, p.largeStepFloat);
        add(buffer);
    }
    if (p.flags & kVstParameterCanRamp) add("can ramp");
    if (p.flags & kVstParameterSupportsDisplayCategory) {
        std::snprintf(buffer, sizeof buffer, "category %d '%s'", p.category, p.categoryLabel);
        add(buffer);
    }
    if (p.label[0]) add(std::string("label '") + p.label + "'");
    std::snprintf(buffer, sizeof buffer, "flags 0x%X", p.flags);
    add(buffer);
    return text;
}

void printPins(PluginHost& host, int opcode, int count, const char* title)
{
    std::printf("%-15s %d\n", title, count);
    for (int i = 0; i < count; ++i) {
        VstPinProperties pin{};
        if (!host.dispatch(opcode, i, 0, &pin)) continue;
        pin.label[sizeof pin.label - 1] = '\0';
        std::printf("  %-3d \"%s\" flags 0x%X%s%s\n", i, pin.label, pin.flags,
                    (pin.flags & kVstPinIsActive) ? " active" : "", (pin.flags & kVstPinIsStereo) ? " stereo" : "");
    }
}

int run(int argc, char** argv)
{
    std::string path;
    double rate = 44100.0;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--rate") rate = parseNumber(optionValue(argc, argv, i), "--rate");
        else if (arg.rfind("--", 0) == 0) throw UsageError("unknown option " + arg);
        else if (path.empty()) path = arg;
        else throw UsageError("unexpected argument '" + arg + "'");
    }
    if (path.empty()) throw UsageError("missing PLUGIN");
    if (!(rate > 0.0)) throw UsageError("--rate must be positive");

    auto host = loadPlugin(path);
    AEffect* e = host->effect();
    host->open(rate, 1024);

    std::printf("%-15s %s\n", "library", path.c_str());
    std::printf("%-15s \"%s\"\n", "effect", host->effectName().c_str());
    std::printf("%-15s \"%s\"\n", "vendor", host->vendorString().c_str());
    std::printf("%-15s \"%s\"\n", "product", host->productString().c_str());
    std::printf("%-15s %ld\n", "vendor version", (long)host->dispatch(effGetVendorVersion));
    std::printf("%-15s %ld\n", "VST version", (long)host->dispatch(effGetVstVersion));
    std::printf("%-15s %d\n", "version", e->version);
    VstIntPtr category = host->dispatch(effGetPlugCategory);
    std::printf("%-15s %ld (%s)\n", "category", (long)category, categoryName(category));
    std::printf("%-15s %s (0x%08X)\n", "unique ID", uniqueIdText(e->uniqueID).c_str(), (uint32_t)e->uniqueID);
    std::printf("%-15s 0x%08X (%s)\n", "flags", (uint32_t)e->flags, flagNames(e->flags).c_str());
    printPins(*host, effGetInputProperties, e->numInputs, "inputs");
    printPins(*host, effGetOutputProperties, e->numOutputs, "outputs");
    std::printf("%-15s %d samples before resume\n", "latency", e->initialDelay);
    host->resume();
    std::printf("%-15s %d samples at %g Hz\n", "latency", e->initialDelay, rate);
    std::printf("%-15s %ld samples\n", "tail", (long)host->dispatch(effGetTailSize));
    host->suspend();

    std::printf("%-15s %d\n", "parameters", e->numParams);
    for (int i = 0; i < e->numParams; ++i) {
        std::string name = host->parameterName(i);
        std::string display = host->parameterDisplay(i);
        std::string label = host->parameterLabel(i);
        std::printf("  %-3d \"%s\" = \"%s\" \"%s\" (value %.6f%s)", i, name.c_str(), display.c_str(), label.c_str(),
                    host->getParameter(i), host->dispatch(effCanBeAutomated, i) ? ", automatable" : "");
        if (auto properties = host->parameterProperties(i)) std::printf(" [%s]", propertyText(*properties).c_str());
        std::printf("\n");
    }

    ProgramSelector programs(*host);
    std::printf("%-15s %zu%s (VST programs: %d, current \"%s\")\n", "programs", programs.names().size(),
                programs.keptInChunk() ? " kept in the state chunk" : "", e->numPrograms,
                host->currentProgramName().c_str());
    for (size_t i = 0; i < programs.names().size(); ++i) std::printf("  %-3zu \"%s\"\n", i, programs.names()[i].c_str());
    if (e->flags & effFlagsProgramChunks) std::printf("%-15s %zu bytes\n", "state chunk", host->getChunk().size());
    return 0;
}

}  // namespace

static int runInfo(int argc, char** argv)
{
    return runGuarded("info", "info PLUGIN [--rate HZ]", [&] { return run(argc, argv); });
}

VELDA_COMMAND(info, "info PLUGIN [--rate HZ]", "identity, I/O, flags, latency, parameters and programs", runInfo);

}  // namespace velda::tool
