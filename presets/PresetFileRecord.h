// Preset and bank records: the bytes of preset files, bank files and the stored defaults.
// A preset record is the unique ID, '!' and one program record; a bank record is the
// unique ID, '7' and every program record of the table. Program records are 24 name bytes
// and N 32-bit values in machine byte order, as the program table keeps them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace velda::presets {

constexpr std::size_t programNameSize = 24;
constexpr std::size_t recordHeaderSize = 5;  // unique ID and marker
constexpr std::uint8_t presetMarker = 0x21;  // '!'
constexpr std::uint8_t bankMarker = 0x37;    // '7'

struct RecordLayout {
    std::int32_t uniqueId;
    int parameterCount;  // N
    int programCount;    // P

    std::size_t programRecordSize() const { return programNameSize + 4 * static_cast<std::size_t>(parameterCount); }
    std::size_t tableSize() const { return programRecordSize() * static_cast<std::size_t>(programCount); }
    std::size_t presetRecordSize() const { return recordHeaderSize + programRecordSize(); }
    std::size_t bankRecordSize() const { return recordHeaderSize + tableSize(); }
};

enum class RecordResult {
    Loaded,
    Truncated,         // fewer bytes than the record holds
    ForeignProduct,    // the unique ID matches neither byte order
    WrongMarker,       // a bank offered as a preset or the reverse
    BadValue,          // a value that is not a finite number
    WrongDestination,  // the program or table given to fill has the wrong size
};

// program: one program record; table: P program records.
std::vector<std::uint8_t> makePresetRecord(const RecordLayout& layout, std::span<const std::uint8_t> program);
std::vector<std::uint8_t> makeBankRecord(const RecordLayout& layout, std::span<const std::uint8_t> table);

// Fill program (or table) from a record only when the whole record is good. The values are
// byte-reversed when the ID is stored in the other byte order, and reversed once more when
// `reversed` is set (the endian-reversed command); names are never reversed. Bytes past the
// record are ignored.
RecordResult readPresetRecord(const RecordLayout& layout, std::span<const std::uint8_t> record, bool reversed,
                              std::span<std::uint8_t> program);
RecordResult readBankRecord(const RecordLayout& layout, std::span<const std::uint8_t> record, bool reversed,
                            std::span<std::uint8_t> table);

}  // namespace velda::presets
