// Preset and bank records of every product, in both byte orders and with either command.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "presets/PresetFileRecord.h"

using namespace velda::presets;

namespace {

const RecordLayout layouts[] = {{0x5151456C, 42, 30}, {0x5171456C, 48, 30}, {0x5171436D, 22, 13}};

void check(bool condition)
{
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    const std::uint8_t selector = data[0];
    const RecordLayout& layout = layouts[(selector & 3) % 3];
    const bool bank = selector & 4;
    const bool reversed = selector & 8;
    const std::span<const std::uint8_t> record(data + 1, size - 1);

    std::vector<std::uint8_t> out(bank ? layout.tableSize() : layout.programRecordSize(), 0xA5);
    const std::vector<std::uint8_t> before = out;
    const RecordResult result = bank ? readBankRecord(layout, record, reversed, out)
                                     : readPresetRecord(layout, record, reversed, out);
    if (result != RecordResult::Loaded) {
        check(out == before);
        return 0;
    }
    check(record.size() >= (bank ? layout.bankRecordSize() : layout.presetRecordSize()));
    for (std::size_t offset = 0; offset < out.size(); offset += layout.programRecordSize()) {
        for (int i = 0; i < layout.parameterCount; ++i) {
            float value;
            std::memcpy(&value, out.data() + offset + programNameSize + 4 * std::size_t(i), 4);
            check(std::isfinite(value));
        }
    }
    // What was loaded saves and loads again to the same bytes.
    const auto saved = bank ? makeBankRecord(layout, out) : makePresetRecord(layout, out);
    std::vector<std::uint8_t> again(out.size());
    check((bank ? readBankRecord(layout, saved, false, again) : readPresetRecord(layout, saved, false, again)) ==
          RecordResult::Loaded);
    check(again == out);
    return 0;
}
