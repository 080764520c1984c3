#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/Registry.h"
#include "platform/RegistryTestRoot.h"

using namespace velda::platform;

namespace {

struct RegistryKeyTest : ::testing::Test {
    ScopedRegistryRoot root;
    void SetUp() override { ASSERT_TRUE(root.active()); }

    static std::vector<std::uint8_t> bytes(std::initializer_list<int> list)
    {
        std::vector<std::uint8_t> out;
        for (int b : list) out.push_back(static_cast<std::uint8_t>(b));
        return out;
    }
};

TEST_F(RegistryKeyTest, MissingKeyCannotBeOpenedForQuery)
{
    EXPECT_FALSE(RegistryKey::openForQuery("Emberline20"));
}

TEST_F(RegistryKeyTest, ValuesSurviveIntoANewlyOpenedKey)
{
    const auto record = bytes({0x6C, 0x45, 0x51, 0x51, 0x21, 0x00, 0xFF});
    {
        auto key = RegistryKey::createForWrite("Emberline20");
        ASSERT_TRUE(key);
        EXPECT_TRUE(key->writeBinary("DefaultPreset", record));
        EXPECT_TRUE(key->writeString("CurrDir", u"C:\\Presets\\\u00e9"));
        EXPECT_TRUE(key->writeBinary("Empty", {}));
    }
    auto key = RegistryKey::openForQuery("Emberline20");
    ASSERT_TRUE(key);
    auto preset = key->read("DefaultPreset", 197);
    ASSERT_TRUE(preset);
    EXPECT_EQ(preset->type, RegistryType::Binary);
    EXPECT_EQ(preset->bytes, record);

    auto folder = key->read("CurrDir", 514);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->type, RegistryType::String);
    const std::u16string expected = u"C:\\Presets\\\u00e9";
    ASSERT_EQ(folder->bytes.size(), (expected.size() + 1) * 2);
    for (std::size_t i = 0; i <= expected.size(); ++i) {
        const char16_t unit = i < expected.size() ? expected[i] : u'\0';
        EXPECT_EQ(folder->bytes[2 * i], unit & 0xFF);
        EXPECT_EQ(folder->bytes[2 * i + 1], unit >> 8);
    }
    auto empty = key->read("Empty", 0);
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->bytes.empty());
    EXPECT_FALSE(key->read("Missing", 100));
}

TEST_F(RegistryKeyTest, ValueLongerThanTheBufferIsNotRead)
{
    auto key = RegistryKey::createForWrite("Cindermote10");
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->writeBinary("v", bytes({1, 2, 3, 4, 5})));
    EXPECT_FALSE(key->read("v", 4));
    EXPECT_TRUE(key->read("v", 5));
    EXPECT_TRUE(key->read("v", SIZE_MAX));
}

TEST_F(RegistryKeyTest, OverwriteAndDelete)
{
    auto key = RegistryKey::createForWrite("Emberline10");
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->writeBinary("MemoA", bytes({1, 2, 3, 4, 5, 6})));
    ASSERT_TRUE(key->writeBinary("memoa", bytes({9})));  // names ignore case, as in the registry
    auto value = key->read("MemoA", 16);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->bytes, bytes({9}));
    EXPECT_TRUE(key->deleteValue("MemoA"));
    EXPECT_FALSE(key->read("MemoA", 16));
    EXPECT_FALSE(key->deleteValue("MemoA"));
}

// Hosts close instances by the dozen and each close stores the preferences again: a value
// that is already stored is not written (and flushed) once more.
TEST_F(RegistryKeyTest, RewritingTheStoredValueLeavesTheFileAlone)
{
    const auto path = root.valueFilePath("Cindermote", "MeterSource");
    if (!path) GTEST_SKIP() << "the store is the registry";
    auto key = RegistryKey::createForWrite("Cindermote");
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->writeBinary("MeterSource", bytes({1, 2, 3})));
    // An hour old: a rewritten (replaced) file would carry the present time.
    const auto aged = std::filesystem::last_write_time(*path) - std::chrono::hours(1);
    std::filesystem::last_write_time(*path, aged);
    ASSERT_TRUE(key->writeBinary("MeterSource", bytes({1, 2, 3})));
    EXPECT_EQ(std::filesystem::last_write_time(*path), aged);
    ASSERT_TRUE(key->writeBinary("MeterSource", bytes({1, 2, 4})));
    EXPECT_NE(std::filesystem::last_write_time(*path), aged);
    auto value = key->read("MeterSource", 16);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->bytes, bytes({1, 2, 4}));
}

TEST_F(RegistryKeyTest, KeysAndAwkwardValueNamesStayApart)
{
    const std::string names[] = {"", "..", "../Emberline10/MemoA", "a/b", "a\\b", "a%2Fb", std::string(300, 'x')};
    {
        auto key = RegistryKey::createForWrite("Emberline20");
        ASSERT_TRUE(key);
        for (std::size_t i = 0; i < std::size(names); ++i)
            ASSERT_TRUE(key->writeBinary(names[i], bytes({int(i)}))) << names[i];
        ASSERT_TRUE(RegistryKey::createForWrite("Emberline10"));
    }
    auto key = RegistryKey::openForQuery("Emberline20");
    ASSERT_TRUE(key);
    for (std::size_t i = 0; i < std::size(names); ++i) {
        auto value = key->read(names[i], 4);
        ASSERT_TRUE(value) << names[i];
        EXPECT_EQ(value->bytes, bytes({int(i)})) << names[i];
    }
    auto other = RegistryKey::openForQuery("Emberline10");
    ASSERT_TRUE(other);
    EXPECT_FALSE(other->read("MemoA", 4));
}

TEST_F(RegistryKeyTest, DamagedOrForeignValueFileReadsAsAbsent)
{
    const auto path = root.valueFilePath("Emberline20", "vureference");
    if (!path) GTEST_SKIP() << "the store is the system registry here";
    auto key = RegistryKey::createForWrite("Emberline20");
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->writeBinary("vureference", bytes({0, 0, 0, 0x3F})));
    ASSERT_TRUE(key->read("vureference", 4));

    std::fstream file(*path, std::ios::in | std::ios::out | std::ios::binary);
    ASSERT_TRUE(file);
    file.seekp(17);
    file.put('\x40');  // one byte of the value
    file.close();
    EXPECT_FALSE(key->read("vureference", 4));

    std::ofstream(*path, std::ios::binary | std::ios::trunc) << "plain text";
    EXPECT_FALSE(key->read("vureference", 4));

    // Neither a folder nor a link in a value's place is followed.
    ASSERT_TRUE(key->writeBinary("knobmode", bytes({0, 0, 0x80, 0x3F})));
    const auto linkPath = root.valueFilePath("Emberline20", "ppmreturn");
    std::filesystem::create_symlink(*root.valueFilePath("Emberline20", "knobmode"), *linkPath);
    EXPECT_FALSE(key->read("ppmreturn", 4));
    std::filesystem::create_directory(*root.valueFilePath("Emberline20", "overcounter"));
    EXPECT_FALSE(key->read("overcounter", 4));
}

TEST_F(RegistryKeyTest, ConcurrentWritersNeverLeaveATornValue)
{
    // Each writer stores its own pattern; every read must see one whole pattern.
    constexpr std::size_t size = 4096;
    constexpr int rounds = 150;
    auto pattern = [](std::uint8_t fill) { return std::vector<std::uint8_t>(size, fill); };
    ASSERT_TRUE(RegistryKey::createForWrite("Emberline20"));
    std::vector<std::thread> writers;
    for (std::uint8_t fill : {0x11, 0x22}) {
        writers.emplace_back([fill, &pattern] {
            for (int i = 0; i < rounds; ++i) {
                auto key = RegistryKey::createForWrite("Emberline20");
                if (key) key->writeBinary("DefaultBank", pattern(fill));
            }
        });
    }
    int seen = 0;
    for (int i = 0; i < rounds; ++i) {
        auto key = RegistryKey::openForQuery("Emberline20");
        ASSERT_TRUE(key);
        if (auto value = key->read("DefaultBank", size)) {
            ++seen;
            ASSERT_EQ(value->bytes.size(), size);
            EXPECT_TRUE(value->bytes == pattern(0x11) || value->bytes == pattern(0x22));
        }
    }
    for (auto& writer : writers) writer.join();
    auto key = RegistryKey::openForQuery("Emberline20");
    ASSERT_TRUE(key);
    EXPECT_TRUE(key->read("DefaultBank", size));
    (void)seen;
}

}  // namespace
