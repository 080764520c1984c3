#include "presets/PresetFileRecord.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace velda::presets {
namespace {

static_assert(std::endian::native == std::endian::little, "records are written in little-endian order");

std::uint32_t reverseBytes(std::uint32_t word)
{
    return (word >> 24) | ((word >> 8) & 0x0000FF00u) | ((word << 8) & 0x00FF0000u) | (word << 24);
}

// Always the full record size; a short source leaves zeros behind it.
std::vector<std::uint8_t> makeRecord(std::int32_t uniqueId, std::uint8_t marker, std::span<const std::uint8_t> body,
                                     std::size_t bodySize)
{
    std::vector<std::uint8_t> record(recordHeaderSize + bodySize);
    std::memcpy(record.data(), &uniqueId, 4);
    record[4] = marker;
    const std::size_t copied = std::min(body.size(), bodySize);
    if (copied) std::memcpy(record.data() + recordHeaderSize, body.data(), copied);
    return record;
}

// Copies count program records from the record body to out, handling the values' byte
// order; false when a value is not a finite number.
bool copyPrograms(const RecordLayout& layout, const std::uint8_t* body, int count, bool swapValues,
                  std::uint8_t* out)
{
    const std::size_t recordSize = layout.programRecordSize();
    for (int p = 0; p < count; ++p) {
        const std::uint8_t* source = body + recordSize * static_cast<std::size_t>(p);
        std::uint8_t* target = out + recordSize * static_cast<std::size_t>(p);
        std::memcpy(target, source, programNameSize);
        for (int i = 0; i < layout.parameterCount; ++i) {
            const std::size_t offset = programNameSize + 4 * static_cast<std::size_t>(i);
            std::uint32_t word;
            std::memcpy(&word, source + offset, 4);
            if (swapValues) word = reverseBytes(word);
            // A damaged file must never hand the processing a NaN or an infinity.
            if (!std::isfinite(std::bit_cast<float>(word))) return false;
            std::memcpy(target + offset, &word, 4);
        }
    }
    return true;
}

RecordResult readRecord(const RecordLayout& layout, std::span<const std::uint8_t> record, bool reversed,
                        std::uint8_t marker, int programs, std::span<std::uint8_t> out)
{
    const std::size_t bodySize = layout.programRecordSize() * static_cast<std::size_t>(programs);
    if (out.size() != bodySize) return RecordResult::WrongDestination;
    if (record.size() < recordHeaderSize + bodySize) return RecordResult::Truncated;
    std::uint32_t storedId;
    std::memcpy(&storedId, record.data(), 4);
    const auto id = static_cast<std::uint32_t>(layout.uniqueId);
    bool swapValues;
    if (storedId == reverseBytes(id))
        swapValues = true;
    else if (storedId == id)
        swapValues = false;
    else
        return RecordResult::ForeignProduct;
    if (record[4] != marker) return RecordResult::WrongMarker;
    if (reversed) swapValues = !swapValues;
    std::vector<std::uint8_t> decoded(bodySize);
    if (!copyPrograms(layout, record.data() + recordHeaderSize, programs, swapValues, decoded.data()))
        return RecordResult::BadValue;
    std::memcpy(out.data(), decoded.data(), bodySize);
    return RecordResult::Loaded;
}

}  // namespace

std::vector<std::uint8_t> makePresetRecord(const RecordLayout& layout, std::span<const std::uint8_t> program)
{
    return makeRecord(layout.uniqueId, presetMarker, program, layout.programRecordSize());
}

std::vector<std::uint8_t> makeBankRecord(const RecordLayout& layout, std::span<const std::uint8_t> table)
{
    return makeRecord(layout.uniqueId, bankMarker, table, layout.tableSize());
}

RecordResult readPresetRecord(const RecordLayout& layout, std::span<const std::uint8_t> record, bool reversed,
                              std::span<std::uint8_t> program)
{
    return readRecord(layout, record, reversed, presetMarker, 1, program);
}

RecordResult readBankRecord(const RecordLayout& layout, std::span<const std::uint8_t> record, bool reversed,
                            std::span<std::uint8_t> table)
{
    return readRecord(layout, record, reversed, bankMarker, layout.programCount, table);
}

}  // namespace velda::presets
