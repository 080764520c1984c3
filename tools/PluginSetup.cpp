#include "tools/PluginSetup.h"

#include "tools/ProgramSelector.h"

#include <cstdio>

namespace velda::tool {

bool PluginSetup::parseOption(int argc, char** argv, int& i)
{
    std::string arg = argv[i];
    if (arg == "--chunk") chunkFile = optionValue(argc, argv, i);
    else if (arg == "--program") program = optionValue(argc, argv, i);
    else if (arg == "--set") settings.push_back(parseParameterSetting(optionValue(argc, argv, i)));
    else return false;
    return true;
}

void PluginSetup::apply(PluginHost& host) const
{
    if (!chunkFile.empty()) {
        std::vector<uint8_t> chunk = readBinaryFile(chunkFile);
        if (chunk.empty()) throw ToolError("chunk file '" + chunkFile + "' is empty");
        if (!(host.effect()->flags & vst::effFlagsProgramChunks))
            throw ToolError("the plug-in does not take state chunks");
        if (host.setChunk(chunk) < 0) throw ToolError("the plug-in refused the chunk in '" + chunkFile + "'");
        if (host.getChunk() != chunk)
            std::fprintf(stderr, "velda: warning: the plug-in's chunk differs from '%s' after loading it\n", chunkFile.c_str());
    }
    if (!program.empty()) {
        ProgramSelector programs(host);
        programs.select(programs.find(program));
    }
    applyParameterSettings(host, settings);
}

}  // namespace velda::tool
