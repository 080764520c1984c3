#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <span>
#include <vector>

#include "presets/PresetFileRecord.h"
#include "PresetRecordFixture.h"

using namespace velda::presets;
using namespace velda::test;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes programOf(const RecordLayout& layout, const Bytes& table, int program)
{
    const auto begin = table.begin() + std::ptrdiff_t(layout.programRecordSize()) * program;
    return {begin, begin + std::ptrdiff_t(layout.programRecordSize())};
}

void putFloat(Bytes& record, std::size_t offset, float value) { std::memcpy(record.data() + offset, &value, 4); }

TEST(PresetFileRecord, SizesPerProduct)
{
    const std::size_t expected[][2] = {{197, 5765}, {221, 6485}, {117, 1461}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(productLayouts[i].presetRecordSize(), expected[i][0]);
        EXPECT_EQ(productLayouts[i].bankRecordSize(), expected[i][1]);
        EXPECT_EQ(makePresetRecord(productLayouts[i], {}).size(), expected[i][0]);
        EXPECT_EQ(makeBankRecord(productLayouts[i], {}).size(), expected[i][1]);
    }
}

TEST(PresetFileRecord, PresetRecordBytes)
{
    const Bytes table = makeTable(emberline2Layout);
    const Bytes program = programOf(emberline2Layout, table, 7);
    const Bytes record = makePresetRecord(emberline2Layout, program);
    ASSERT_EQ(record.size(), 197u);
    EXPECT_EQ(Bytes(record.begin(), record.begin() + 5), (Bytes{0x6C, 0x45, 0x51, 0x51, 0x21}));
    EXPECT_EQ(Bytes(record.begin() + 5, record.end()), program);

    const Bytes bank = makeBankRecord(emberline2Layout, table);
    EXPECT_EQ(Bytes(bank.begin(), bank.begin() + 5), (Bytes{0x6C, 0x45, 0x51, 0x51, 0x37}));
    EXPECT_EQ(Bytes(bank.begin() + 5, bank.end()), table);
}

TEST(PresetFileRecord, RoundTripsInBothByteOrders)
{
    for (const auto& layout : productLayouts) {
        const Bytes table = makeTable(layout);
        const Bytes program = programOf(layout, table, layout.programCount - 1);
        const Bytes preset = makePresetRecord(layout, program);
        const Bytes bank = makeBankRecord(layout, table);
        for (const bool bigEndian : {false, true}) {
            SCOPED_TRACE(bigEndian ? "stored big-endian" : "stored little-endian");
            Bytes loadedProgram(layout.programRecordSize());
            EXPECT_EQ(readPresetRecord(layout, bigEndian ? otherByteOrder(layout, preset) : preset, false, loadedProgram),
                      RecordResult::Loaded);
            EXPECT_EQ(loadedProgram, program);
            Bytes loadedTable(layout.tableSize());
            EXPECT_EQ(readBankRecord(layout, bigEndian ? otherByteOrder(layout, bank) : bank, false, loadedTable),
                      RecordResult::Loaded);
            EXPECT_EQ(loadedTable, table);
        }
    }
}

TEST(PresetFileRecord, EndianReversedCommandInvertsTheValueDecision)
{
    const auto& layout = cindermoteLayout;
    const Bytes table = makeTable(layout);
    const Bytes program = programOf(layout, table, 2);
    const Bytes preset = makePresetRecord(layout, program);
    // Stored little-endian, loaded reversed: every value byte-reversed, the name as it is.
    Bytes loaded(layout.programRecordSize());
    ASSERT_EQ(readPresetRecord(layout, preset, true, loaded), RecordResult::Loaded);
    const Bytes swapped = otherByteOrder(layout, preset);
    EXPECT_EQ(loaded, Bytes(swapped.begin() + 5, swapped.end()));
    EXPECT_EQ(0, std::memcmp(loaded.data(), program.data(), programNameSize));
    // Stored big-endian, loaded reversed: the values as stored.
    const Bytes big = otherByteOrder(layout, preset);
    ASSERT_EQ(readPresetRecord(layout, big, true, loaded), RecordResult::Loaded);
    EXPECT_EQ(loaded, Bytes(big.begin() + 5, big.end()));

    const Bytes bank = makeBankRecord(layout, table);
    Bytes loadedTable(layout.tableSize());
    ASSERT_EQ(readBankRecord(layout, bank, true, loadedTable), RecordResult::Loaded);
    const Bytes swappedBank = otherByteOrder(layout, bank);
    EXPECT_EQ(loadedTable, Bytes(swappedBank.begin() + 5, swappedBank.end()));
}

TEST(PresetFileRecord, BytesPastTheRecordAreIgnored)
{
    const auto& layout = emberlineLayout;
    Bytes preset = makePresetRecord(layout, programOf(layout, makeTable(layout), 0));
    preset.insert(preset.end(), 40, 0xFF);
    Bytes loaded(layout.programRecordSize());
    EXPECT_EQ(readPresetRecord(layout, preset, false, loaded), RecordResult::Loaded);
}

struct RejectionCase {
    const char* what;
    Bytes record;
    bool asBank;
    RecordResult expected;
};

TEST(PresetFileRecord, RejectedRecordsLeaveTheDestinationAlone)
{
    const auto& layout = emberline2Layout;
    const Bytes table = makeTable(layout);
    const Bytes preset = makePresetRecord(layout, programOf(layout, table, 3));
    const Bytes bank = makeBankRecord(layout, table);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::size_t lastValue = layout.bankRecordSize() - 4;
    auto with = [](Bytes record, std::size_t offset, float value) {
        putFloat(record, offset, value);
        return record;
    };
    auto withByte = [](Bytes record, std::size_t offset, std::uint8_t value) {
        record[offset] = value;
        return record;
    };
    const RejectionCase cases[] = {
        {"empty file", {}, false, RecordResult::Truncated},
        {"zeroed buffer", Bytes(197), false, RecordResult::ForeignProduct},
        {"zeroed bank buffer", Bytes(5765), true, RecordResult::ForeignProduct},
        {"one byte short", Bytes(preset.begin(), preset.end() - 1), false, RecordResult::Truncated},
        {"header only", Bytes(bank.begin(), bank.begin() + 5), true, RecordResult::Truncated},
        {"bank one byte short", Bytes(bank.begin(), bank.end() - 1), true, RecordResult::Truncated},
        {"other product's preset", makePresetRecord(emberlineLayout, programOf(layout, table, 3)), false,
         RecordResult::ForeignProduct},
        {"one ID byte changed", withByte(preset, 3, 0x52), false, RecordResult::ForeignProduct},
        {"bank offered as preset", bank, false, RecordResult::WrongMarker},
        {"preset offered as bank", Bytes(bank.begin(), bank.end()) /* marker fixed below */, true,
         RecordResult::WrongMarker},
        {"NaN in the first value", with(preset, 29, nan), false, RecordResult::BadValue},
        {"infinity in the last value", with(preset, 193, -inf), false, RecordResult::BadValue},
        {"NaN in the last program of a bank", with(bank, lastValue, nan), true, RecordResult::BadValue},
        {"infinity in a big-endian bank", otherByteOrder(layout, with(bank, 5 + 24 + 4 * 5, inf)), true,
         RecordResult::BadValue},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.what);
        if (std::string(c.what) == "preset offered as bank") c.record[4] = presetMarker;
        Bytes destination(c.asBank ? layout.tableSize() : layout.programRecordSize(), 0xAB);
        const Bytes before = destination;
        const RecordResult result = c.asBank ? readBankRecord(layout, c.record, false, destination)
                                             : readPresetRecord(layout, c.record, false, destination);
        EXPECT_EQ(result, c.expected);
        EXPECT_EQ(destination, before);
    }
}

TEST(PresetFileRecord, ReversedLoadThatWouldYieldNaNIsRejected)
{
    const auto& layout = cindermoteLayout;
    Bytes preset = makePresetRecord(layout, programOf(layout, makeTable(layout), 0));
    const std::uint8_t nanWhenReversed[4] = {0xFF, 0xFF, 0xC0, 0x00};  // finite as stored
    std::memcpy(preset.data() + 29, nanWhenReversed, 4);
    Bytes loaded(layout.programRecordSize());
    EXPECT_EQ(readPresetRecord(layout, preset, false, loaded), RecordResult::Loaded);
    EXPECT_EQ(readPresetRecord(layout, preset, true, loaded), RecordResult::BadValue);
}

TEST(PresetFileRecord, DestinationOfTheWrongSizeIsNotFilled)
{
    const auto& layout = cindermoteLayout;
    const Bytes preset = makePresetRecord(layout, programOf(layout, makeTable(layout), 0));
    Bytes small(layout.programRecordSize() - 1);
    EXPECT_EQ(readPresetRecord(layout, preset, false, small), RecordResult::WrongDestination);
    Bytes table(layout.tableSize() + 4);
    EXPECT_EQ(readBankRecord(layout, makeBankRecord(layout, makeTable(layout)), false, table),
              RecordResult::WrongDestination);
}

}  // namespace
