// velda chunk get|set: the plug-in's state chunk to and from a file.
#include "tools/Command.h"
#include "tools/CommandSupport.h"

#include <cstdio>

namespace velda::tool {

namespace {

constexpr const char* kUsage = "chunk get|set PLUGIN FILE";

int run(int argc, char** argv)
{
    if (argc != 4) throw UsageError("expected get or set, PLUGIN and FILE");
    std::string action = argv[1];
    if (action != "get" && action != "set") throw UsageError("unknown action '" + action + "' (get or set)");
    std::string pluginPath = argv[2];
    std::string file = argv[3];

    std::vector<uint8_t> wanted;
    if (action == "set") {
        wanted = readBinaryFile(file);
        if (wanted.empty()) throw ToolError("chunk file '" + file + "' is empty");
    }
    auto host = loadPlugin(pluginPath);
    if (!(host->effect()->flags & vst::effFlagsProgramChunks)) throw ToolError("the plug-in does not use state chunks");
    host->open(44100.0, 1024);
    if (action == "get") {
        std::vector<uint8_t> chunk = host->getChunk();
        if (chunk.empty()) throw ToolError("the plug-in returned no chunk");
        writeBinaryFile(file, chunk);
        std::printf("%zu bytes written to %s\n", chunk.size(), file.c_str());
        return 0;
    }
    vst::VstIntPtr answer = host->setChunk(wanted);
    std::vector<uint8_t> back = host->getChunk();
    if (back != wanted) {
        size_t at = 0;
        while (at < back.size() && at < wanted.size() && back[at] == wanted[at]) ++at;
        throw ToolError("the plug-in did not take the chunk (answer " + std::to_string((long)answer) +
                        "; its chunk differs from byte " + std::to_string(at) + ")");
    }
    std::printf("%zu bytes set; the chunk read back is identical\n", wanted.size());
    return 0;
}

}  // namespace

static int runChunk(int argc, char** argv)
{
    return runGuarded("chunk", kUsage, [&] { return run(argc, argv); });
}

VELDA_COMMAND(chunk, kUsage, "save the state chunk to FILE, or load it and verify the round trip", runChunk);

}  // namespace velda::tool
