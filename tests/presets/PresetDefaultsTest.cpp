#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PresetRecordFixture.h"
#include "platform/Registry.h"
#include "platform/RegistryTestRoot.h"
#include "platform/RegistryText.h"
#include "presets/PresetDefaults.h"
#include "presets/PresetFileRecord.h"

using namespace velda::presets;
using namespace velda::test;
using velda::platform::RegistryKey;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct PresetDefaultsTest : ::testing::Test {
    velda::platform::ScopedRegistryRoot root;
    void SetUp() override { ASSERT_TRUE(root.active()); }
};

constexpr StoredRecord allRecords[] = {StoredRecord::DefaultBank, StoredRecord::DefaultPreset, StoredRecord::MemoA,
                                       StoredRecord::MemoB};

TEST_F(PresetDefaultsTest, NothingStoredWithoutAKey)
{
    for (auto which : allRecords) EXPECT_TRUE(readStoredRecord("Emberline20", which, 5765).empty());
    const RecentLocations locations = readRecentLocations("Emberline20");
    EXPECT_EQ(locations.folder, "");
    EXPECT_EQ(locations.bankFileName, "");
    EXPECT_EQ(locations.presetFileName, "");
    EXPECT_FALSE(deleteRecord("Emberline20", StoredRecord::DefaultBank));
}

TEST_F(PresetDefaultsTest, ValueNames)
{
    EXPECT_STREQ(storedRecordValueName(StoredRecord::DefaultBank), "DefaultBank");
    EXPECT_STREQ(storedRecordValueName(StoredRecord::DefaultPreset), "DefaultPreset");
    EXPECT_STREQ(storedRecordValueName(StoredRecord::MemoA), "MemoA");
    EXPECT_STREQ(storedRecordValueName(StoredRecord::MemoB), "MemoB");
}

TEST_F(PresetDefaultsTest, StoredBankLoadsInANewInstanceOfTheSameProductOnly)
{
    const auto& layout = emberline2Layout;
    const Bytes table = makeTable(layout, 5);
    ASSERT_TRUE(storeRecord("Emberline20", StoredRecord::DefaultBank, makeBankRecord(layout, table)));

    const Bytes stored = readStoredRecord("Emberline20", StoredRecord::DefaultBank, layout.bankRecordSize());
    Bytes loaded(layout.tableSize());
    ASSERT_EQ(readBankRecord(layout, stored, false, loaded), RecordResult::Loaded);
    EXPECT_EQ(loaded, table);
    EXPECT_TRUE(readStoredRecord("Emberline10", StoredRecord::DefaultBank, emberlineLayout.bankRecordSize()).empty());
    // Even under a key of its own, another product's record is refused by its ID.
    Bytes other(emberlineLayout.tableSize());
    EXPECT_NE(readBankRecord(emberlineLayout, readStoredRecord("Emberline20", StoredRecord::DefaultBank, 6485), false,
                             other),
              RecordResult::Loaded);
}

TEST_F(PresetDefaultsTest, MemoriesAndDefaultPresetAreSeparateValues)
{
    const auto& layout = cindermoteLayout;
    const Bytes table = makeTable(layout);
    for (std::size_t i = 0; i < 4; ++i) {
        const Bytes program(table.begin() + std::ptrdiff_t(i * layout.programRecordSize()),
                            table.begin() + std::ptrdiff_t((i + 1) * layout.programRecordSize()));
        ASSERT_TRUE(storeRecord("Cindermote10", allRecords[i], makePresetRecord(layout, program)));
    }
    for (std::size_t i = 1; i < 4; ++i) {
        Bytes program(layout.programRecordSize());
        ASSERT_EQ(readPresetRecord(layout, readStoredRecord("Cindermote10", allRecords[i], 117), false, program),
                  RecordResult::Loaded);
        EXPECT_EQ(program, Bytes(table.begin() + std::ptrdiff_t(i * layout.programRecordSize()),
                                 table.begin() + std::ptrdiff_t((i + 1) * layout.programRecordSize())));
    }
    EXPECT_TRUE(deleteRecord("Cindermote10", StoredRecord::DefaultPreset));
    EXPECT_TRUE(readStoredRecord("Cindermote10", StoredRecord::DefaultPreset, 117).empty());
    EXPECT_FALSE(readStoredRecord("Cindermote10", StoredRecord::MemoA, 117).empty());
}

TEST_F(PresetDefaultsTest, ValueLongerThanTheRecordIsNotRead)
{
    ASSERT_TRUE(storeRecord("Emberline20", StoredRecord::MemoB, Bytes(198, 0x21)));
    EXPECT_TRUE(readStoredRecord("Emberline20", StoredRecord::MemoB, 197).empty());
    ASSERT_TRUE(storeRecord("Emberline20", StoredRecord::MemoB, Bytes(100, 0x21)));
    EXPECT_EQ(readStoredRecord("Emberline20", StoredRecord::MemoB, 197).size(), 100u);
}

TEST_F(PresetDefaultsTest, RecentLocationsRoundTripAsTerminatedStrings)
{
    const std::string longFolder = "/" + std::string(254, 'd') + "/";
    ASSERT_EQ(longFolder.size(), 256u);
    const RecentLocations written{longFolder, "Mastering.vdb", "Warm Bus.vdp"};
    ASSERT_TRUE(storeRecentLocations("Emberline10", written));
    const RecentLocations read = readRecentLocations("Emberline10");
    EXPECT_EQ(read.folder, written.folder);
    EXPECT_EQ(read.bankFileName, written.bankFileName);
    EXPECT_EQ(read.presetFileName, written.presetFileName);

    auto key = RegistryKey::openForQuery("Emberline10");
    ASSERT_TRUE(key);
    const auto stored = key->read("CurrPreset", 1024);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, velda::platform::RegistryType::String);
    const std::string name = "Warm Bus.vdp";
    ASSERT_EQ(stored->bytes.size(), (name.size() + 1) * 2);
    for (std::size_t i = 0; i < name.size(); ++i) {
        EXPECT_EQ(stored->bytes[2 * i], static_cast<std::uint8_t>(name[i]));
        EXPECT_EQ(stored->bytes[2 * i + 1], 0);
    }
    EXPECT_EQ(stored->bytes[2 * name.size()], 0);
}

TEST_F(PresetDefaultsTest, OverlongLocationsAreCutOrIgnored)
{
    ASSERT_TRUE(storeRecentLocations("Emberline20", {std::string(300, 'f'), "b", "p"}));
    EXPECT_EQ(readRecentLocations("Emberline20").folder, std::string(256, 'f'));

    // A value beyond 257 units is not read at all.
    auto key = RegistryKey::createForWrite("Emberline20");
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->writeString("CurrBank", std::u16string(300, u'x')));
    EXPECT_EQ(readRecentLocations("Emberline20").bankFileName, "");
    // An unterminated value ends where it ends.
    ASSERT_TRUE(key->writeBinary("CurrPreset", Bytes{'a', 0, 'b', 0, 'c'}));
    EXPECT_EQ(readRecentLocations("Emberline20").presetFileName, "ab");
}

TEST(RegistryText, EightBitTextComesBackUnchanged)
{
    const std::string texts[] = {"", "C:\\Users\\me\\Presets\\", "caf\xE9", "caf\xC3\xA9", "\xFF\xFE\x80 x"};
    for (const auto& text : texts)
        EXPECT_EQ(velda::platform::fromStoredText(velda::platform::toStoredText(text, 256), 256), text) << text;
}

TEST(RegistryText, CutsWholeCharactersOnly)
{
    using velda::platform::fromStoredText;
    using velda::platform::toStoredText;
    EXPECT_EQ(toStoredText(std::string(10, 'a'), 4), u"aaaa");
    EXPECT_EQ(fromStoredText(u"abcdef", 3), "abc");
    const std::u16string accented = toStoredText("\xC3\xA9\xC3\xA9", 256);
    ASSERT_FALSE(accented.empty());
    // However many bytes a character takes, a cut never leaves a part of one.
    const std::string whole = fromStoredText(accented, 256);
    for (std::size_t limit = 0; limit <= whole.size(); ++limit) {
        const std::string cut = fromStoredText(accented, limit);
        EXPECT_LE(cut.size(), limit);
        EXPECT_EQ(whole.compare(0, cut.size(), cut), 0);
        EXPECT_EQ(toStoredText(cut, 256), accented.substr(0, toStoredText(cut, 256).size()));
    }
}

}  // namespace
