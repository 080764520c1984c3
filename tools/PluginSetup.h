// The state a command puts a plug-in in before processing: a chunk file, then a program,
// then single parameter values, in that order.
#pragma once
#include "tools/CommandSupport.h"

#include <string>
#include <vector>

namespace velda::tool {

struct PluginSetup {
    std::string chunkFile;
    std::string program;  // index or name; empty keeps the plug-in's own
    std::vector<ParameterSetting> settings;

    // Takes --chunk, --program and --set at argv[i]; false for other arguments.
    bool parseOption(int argc, char** argv, int& i);
    // Throws ToolError / UsageError.
    void apply(PluginHost& host) const;
};

}  // namespace velda::tool
