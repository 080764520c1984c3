// Factory programs of a loaded plug-in and how to make one current.
//
// A plug-in that presents one VST program but names more through effGetProgramNameIndexed
// keeps its programs inside its state chunk. When that chunk starts with the header
//   format word 1 (either byte order), unique ID, program count, current program index
// a program is selected by rewriting the index and handing the chunk back. Every other
// plug-in gets effSetProgram.
#pragma once
#include "tools/PluginHost.h"

#include <string>
#include <vector>

namespace velda::tool {

class ProgramSelector {
public:
    explicit ProgramSelector(PluginHost& host);

    const std::vector<std::string>& names() const { return programNames; }
    bool keptInChunk() const { return inChunk; }

    // An index ("3") or a program name (exact, else ignoring case and outer blanks); throws UsageError.
    int find(const std::string& indexOrName) const;
    // Throws ToolError when the plug-in refuses.
    void select(int index);

private:
    PluginHost& host;
    std::vector<std::string> programNames;
    bool inChunk = false;
};

// Offset of the current-program word in a chunk with the header above, or -1; `swapped` tells
// whether its words are in the other byte order.
int chunkProgramIndexOffset(const std::vector<uint8_t>& chunk, int32_t uniqueId, int programCount, bool& swapped);

}  // namespace velda::tool
