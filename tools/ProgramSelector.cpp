#include "tools/ProgramSelector.h"

#include "tools/CommandSupport.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace velda::tool {

namespace {

uint32_t readWord(const std::vector<uint8_t>& bytes, size_t offset, bool swapped)
{
    uint32_t little = (uint32_t)bytes[offset] | (uint32_t)bytes[offset + 1] << 8 | (uint32_t)bytes[offset + 2] << 16 |
                      (uint32_t)bytes[offset + 3] << 24;
    return swapped ? __builtin_bswap32(little) : little;
}

void writeWord(std::vector<uint8_t>& bytes, size_t offset, uint32_t value, bool swapped)
{
    if (swapped) value = __builtin_bswap32(value);
    for (int i = 0; i < 4; ++i) bytes[offset + i] = (uint8_t)(value >> (8 * i));
}

std::string folded(const std::string& text)
{
    size_t first = text.find_first_not_of(' ');
    size_t last = text.find_last_not_of(' ');
    std::string trimmed = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    for (char& c : trimmed) c = (char)std::tolower((unsigned char)c);
    return trimmed;
}

constexpr uint32_t kChunkFormat = 0x01000000u;  // bytes 00 00 00 01

}  // namespace

int chunkProgramIndexOffset(const std::vector<uint8_t>& chunk, int32_t uniqueId, int programCount, bool& swapped)
{
    if (chunk.size() < 32) return -1;
    for (bool swap : {false, true}) {
        if (readWord(chunk, 0, swap) == kChunkFormat && readWord(chunk, 4, swap) == (uint32_t)uniqueId &&
            readWord(chunk, 8, swap) == (uint32_t)programCount) {
            swapped = swap;
            return 12;
        }
    }
    return -1;
}

ProgramSelector::ProgramSelector(PluginHost& host) : host(host)
{
    int count = host.programCount();
    for (int i = 0; i < count; ++i) {
        auto name = host.programNameIndexed(i);
        programNames.push_back(name ? *name : std::string());
    }
    if (count > std::max(host.effect()->numPrograms, 1)) {
        bool swapped = false;
        inChunk = chunkProgramIndexOffset(host.getChunk(), host.effect()->uniqueID, count, swapped) >= 0;
        if (!inChunk) programNames.resize(std::max(host.effect()->numPrograms, 0));
    }
}

int ProgramSelector::find(const std::string& indexOrName) const
{
    if (!indexOrName.empty() && std::all_of(indexOrName.begin(), indexOrName.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        long index = parseInteger(indexOrName, "program", 0, 1 << 20);
        if (index >= (long)programNames.size())
            throw UsageError("program " + indexOrName + " does not exist (the plug-in has " +
                             std::to_string(programNames.size()) + ")");
        return (int)index;
    }
    for (size_t i = 0; i < programNames.size(); ++i)
        if (programNames[i] == indexOrName) return (int)i;
    for (size_t i = 0; i < programNames.size(); ++i)
        if (folded(programNames[i]) == folded(indexOrName)) return (int)i;
    throw UsageError("no program named '" + indexOrName + "'");
}

void ProgramSelector::select(int index)
{
    if (index < 0 || index >= (int)programNames.size()) throw ToolError("program " + std::to_string(index) + " does not exist");
    if (inChunk) {
        std::vector<uint8_t> chunk = host.getChunk();
        bool swapped = false;
        int offset = chunkProgramIndexOffset(chunk, host.effect()->uniqueID, (int)programNames.size(), swapped);
        if (offset < 0) throw ToolError("the plug-in's state chunk no longer has a program index");
        writeWord(chunk, offset, (uint32_t)index, swapped);
        host.setChunk(chunk);
        std::vector<uint8_t> check = host.getChunk();
        bool checkSwapped = false;
        int checkOffset = chunkProgramIndexOffset(check, host.effect()->uniqueID, (int)programNames.size(), checkSwapped);
        if (checkOffset < 0 || readWord(check, checkOffset, checkSwapped) != (uint32_t)index)
            throw ToolError("the plug-in did not select program " + std::to_string(index));
        return;
    }
    host.dispatch(vst::effBeginSetProgram);
    host.dispatch(vst::effSetProgram, 0, index);
    host.dispatch(vst::effEndSetProgram);
    if (host.dispatch(vst::effGetProgram) != index)
        throw ToolError("the plug-in did not select program " + std::to_string(index));
}

}  // namespace velda::tool
