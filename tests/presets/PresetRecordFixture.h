// Program tables with values distinct in every position, for the record tests.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "presets/PresetFileRecord.h"

namespace velda::test {

using presets::RecordLayout;

inline const RecordLayout emberline2Layout{0x5151456C, 42, 30};  // 'QQEl'
inline const RecordLayout emberlineLayout{0x5171456C, 48, 30};   // 'QqEl'
inline const RecordLayout cindermoteLayout{0x5171436D, 22, 13};  // 'QqCm'
inline const RecordLayout productLayouts[] = {emberline2Layout, emberlineLayout, cindermoteLayout};

inline float tableValue(const RecordLayout& layout, int program, int index, int seed = 0)
{
    const int total = layout.programCount * layout.parameterCount + 1;
    return float((program * layout.parameterCount + index + 1 + seed) % total) / float(total);
}

inline std::vector<std::uint8_t> makeTable(const RecordLayout& layout, int seed = 0)
{
    std::vector<std::uint8_t> table(layout.tableSize());
    for (int p = 0; p < layout.programCount; ++p) {
        std::uint8_t* record = table.data() + layout.programRecordSize() * std::size_t(p);
        const std::string name = "Program " + std::to_string(p + seed) + (p % 3 == 0 ? " with a long name!!" : "");
        std::memcpy(record, name.data(), std::min<std::size_t>(name.size(), presets::programNameSize));
        for (int i = 0; i < layout.parameterCount; ++i) {
            const float v = tableValue(layout, p, i, seed);
            std::memcpy(record + presets::programNameSize + 4 * std::size_t(i), &v, 4);
        }
    }
    return table;
}

inline void reverseWord(std::uint8_t* word)
{
    std::swap(word[0], word[3]);
    std::swap(word[1], word[2]);
}

// The same record as a machine of the other byte order writes it: ID and values reversed.
inline std::vector<std::uint8_t> otherByteOrder(const RecordLayout& layout, std::vector<std::uint8_t> record)
{
    reverseWord(record.data());
    for (std::size_t offset = presets::recordHeaderSize; offset < record.size(); offset += layout.programRecordSize())
        for (int i = 0; i < layout.parameterCount; ++i)
            reverseWord(record.data() + offset + presets::programNameSize + 4 * std::size_t(i));
    return record;
}

}  // namespace velda::test
